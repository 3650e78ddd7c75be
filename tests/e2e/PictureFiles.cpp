// Makes and damages the JPEG files the end-to-end tests use; depends on libjpeg only, never on windows.h
// (the two headers disagree about `boolean`).
#include "PictureFiles.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>
#include <jerror.h>

namespace e2e {
namespace {

constexpr std::uint8_t kMarkerPrefix = 0xFF;
constexpr std::uint8_t kSof2 = 0xC2;  // start of a progressive frame
constexpr std::uint8_t kSos = 0xDA;   // start of a scan
constexpr int kBombSide = 16000;

// Only the program's input is damaged on purpose; a failure here is a broken test.
[[noreturn]] void ThrowOnError(j_common_ptr info) {
    char message[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, message);
    throw std::runtime_error(message);
}

Bytes Compress(int width, int height, Color color, JpegMode mode) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    errors.error_exit = ThrowOnError;
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (mode == JpegMode::Progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * 3);
    for (int x = 0; x < width; ++x) {
        row[x * 3] = color.red;
        row[x * 3 + 1] = color.green;
        row[x * 3 + 2] = color.blue;
    }
    JSAMPROW rows[] = {row.data()};
    while (info.next_scanline < info.image_height) jpeg_write_scanlines(&info, rows, 1);
    jpeg_finish_compress(&info);
    Bytes result(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return result;
}

// Offset of the n-th (0-based) marker with this code. Entropy-coded data stuffs every FF byte with 00,
// so an FF followed by a marker code is always a real marker.
std::size_t FindMarker(const Bytes& bytes, std::uint8_t code, int index = 0) {
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (bytes[i] == kMarkerPrefix && bytes[i + 1] == code && index-- == 0) return i;
    }
    throw std::runtime_error("marker not found in the generated JPEG");
}

void PutBigEndian16(Bytes& bytes, std::size_t offset, int value) {
    bytes.at(offset) = static_cast<std::uint8_t>(value >> 8);
    bytes.at(offset + 1) = static_cast<std::uint8_t>(value & 0xFF);
}

}  // namespace

Bytes SolidJpeg(int width, int height, Color color, JpegMode mode) { return Compress(width, height, color, mode); }

Bytes JpegBomb() {
    Bytes bytes = Compress(16, 16, {90, 140, 200}, JpegMode::Progressive);
    // SOF2: marker, length (2), sample precision (1), height (2), width (2).
    const std::size_t frame = FindMarker(bytes, kSof2);
    PutBigEndian16(bytes, frame + 5, kBombSide);
    PutBigEndian16(bytes, frame + 7, kBombSide);
    return bytes;
}

Bytes JpegDamagedAfterHeader() {
    Bytes bytes = Compress(64, 64, {90, 140, 200}, JpegMode::Progressive);
    // The header ends at the first scan; the second scan (an AC band of one component) is read only
    // while decoding. SOS: marker, length (2), component count (1), two bytes per component, then the
    // spectral start. A band that starts at 0 but ends past it is an impossible progression.
    const std::size_t scan = FindMarker(bytes, kSos, 1);
    const std::size_t components = bytes.at(scan + 4);
    bytes.at(scan + 5 + 2 * components) = 0;
    return bytes;
}

Bytes TinyBitmap() {
    // BITMAPFILEHEADER (14 bytes), BITMAPINFOHEADER (40 bytes), one 24-bit pixel padded to 4 bytes.
    static constexpr std::uint8_t kBitmap[] = {
        'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,
        40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 4, 0, 0, 0,
        0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0x20, 0x80, 0xE0, 0,
    };
    static_assert(sizeof(kBitmap) == 58);
    return Bytes(std::begin(kBitmap), std::end(kBitmap));
}

int JpegCodeNotJpeg() { return JERR_NO_SOI; }
int JpegCodeEmptyInput() { return JERR_INPUT_EMPTY; }
int JpegCodeBadProgression() { return JERR_BAD_PROGRESSION; }

}  // namespace e2e
