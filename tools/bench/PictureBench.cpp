// Native benchmark of the background picture: load + first drawing (decode) + stretch to the client area, timed
// against Debian's djpeg on the same file. Also writes synthetic test pictures. Linux only; asserts nothing.
#include "gfx/JpegPicture.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

#include <jpeglib.h>

extern char** environ;

namespace {

constexpr int kClientWidth = 557;
constexpr int kClientHeight = 421;
constexpr int kDefaultRepetitions = 15;

using Clock = std::chrono::steady_clock;

double MedianMilliseconds(int repetitions, const std::function<bool()>& run)
{
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = Clock::now();
        if (!run()) {
            return -1;
        }
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::vector<uint8_t> ReadFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Load, decode and stretch exactly as the main window's first repaint after a showing does.
bool LoadDecodeStretch(const std::vector<uint8_t>& bytes, gfx::Bitmap& client)
{
    gfx::JpegPicture picture;
    const auto loaded = picture.Load(bytes);
    const auto drawn = loaded.Ok() ? picture.Draw(client.View(), client.View().Bounds(), {}) : loaded;
    if (!drawn.Ok()) {
        std::fprintf(stderr, "picture failed: %s\n", drawn.ErrorMessage().c_str());
    }
    return drawn.Ok();
}

bool RunDjpeg(const char* path)
{
    const char* argv[] = {"djpeg", "-dct", "float", "-outfile", "/dev/null", path, nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, "djpeg", nullptr, nullptr, const_cast<char* const*>(argv), environ) != 0) {
        return false;
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int Benchmark(const char* path, int repetitions)
{
    const std::vector<uint8_t> bytes = ReadFile(path);
    gfx::JpegPicture probe;
    if (const auto loaded = probe.Load(bytes); !loaded.Ok()) {
        std::fprintf(stderr, "%s: %s\n", path, loaded.ErrorMessage().c_str());
        return 1;
    }
    gfx::Bitmap client(kClientWidth, kClientHeight);
    const double ours = MedianMilliseconds(repetitions, [&] { return LoadDecodeStretch(bytes, client); });
    (void)probe.Draw(client.View(), client.View().Bounds(), {});
    const double stretch = MedianMilliseconds(repetitions, [&] {
        return probe.Draw(client.View(), client.View().Bounds(), {}).Ok();
    });
    const double djpeg = MedianMilliseconds(repetitions, [&] { return RunDjpeg(path); });

    std::printf("%s: %d x %d, %s, %zu bytes; median of %d\n", path, probe.GetSize().width, probe.GetSize().height,
                probe.Header().progressive ? "progressive" : "baseline", bytes.size(), repetitions);
    std::printf("  %-44s %9.2f ms\n", "load + decode + stretch to 557 x 421", ours);
    std::printf("  %-44s %9.2f ms\n", "  of which a repaint (stretch only)", stretch);
    if (djpeg < 0) {
        std::printf("  %-44s %12s\n", "djpeg -dct float (process)", "unavailable");
        return 0;
    }
    std::printf("  %-44s %9.2f ms\n", "djpeg -dct float -outfile /dev/null (process)", djpeg);
    std::printf("  %-44s %9.2f\n", "ratio ours / djpeg", ours / djpeg);
    return 0;
}

// A synthetic photograph: smooth interfering waves with fine detail on top, so that both the low and the
// high frequencies carry data, as in a real background picture.
uint8_t Channel(int x, int y, int channel)
{
    const double fx = x * (0.011 + 0.003 * channel);
    const double fy = y * (0.017 - 0.004 * channel);
    const double smooth = std::sin(fx) + std::sin(fy) + std::sin((x + y) * 0.007 + channel);
    const double detail = ((x * 7919 + y * 104729 + channel * 31) % 61) / 61.0 - 0.5;
    return uint8_t(std::clamp(128 + 40 * smooth + 24 * detail, 0.0, 255.0));
}

int MakePicture(const char* path, int width, int height, bool progressive)
{
    if (width < 1 || height < 1 || width > 65500 || height > 65500) {
        std::fprintf(stderr, "picture size must be 1 to 65500 pixels each way\n");
        return 2;
    }
    FILE* out = std::fopen(path, "wb");
    if (out == nullptr) {
        std::perror(path);
        return 1;
    }
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    if (progressive) {
        jpeg_simple_progression(&cinfo);
    }
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(size_t(width) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        for (int x = 0; x < width * 3; ++x) {
            row[size_t(x)] = Channel(x / 3, int(cinfo.next_scanline), x % 3);
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(out);
    return 0;
}

void Usage()
{
    std::fprintf(stderr, "usage: picture_bench FILE.jpg [REPETITIONS]\n"
                         "       picture_bench --make OUT.jpg WIDTH HEIGHT [--progressive]\n");
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 4 && args[0] == "--make") {
        const bool progressive = args.size() > 4 && args[4] == "--progressive";
        return MakePicture(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), progressive);
    }
    if (args.empty() || args[0].starts_with("--")) {
        Usage();
        return 2;
    }
    const int repetitions = args.size() > 1 ? std::max(1, std::atoi(argv[2])) : kDefaultRepetitions;
    return Benchmark(argv[1], repetitions);
}
