// The JPEG picture on pictures made here with libjpeg's compressor: decoding, stretching, each kind of damage
// and the limits against decompression bombs. Expected codes come from jerror.h, not from numbers written here.
#include "gfx/Bmp.h"
#include "gfx/JpegPicture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include <jpeglib.h>

#include <jerror.h>

namespace {

using gfx::Bitmap;
using gfx::Pixel;
using gfx::Rgb;

enum class Scans { Baseline, Progressive, OneHundredTwentyEight };
enum class Colour { Rgb, Grey };

// 1 DC scan and its refinement, then every AC coefficient alone, first at half precision and then refined:
// a valid progressive script of 128 scans for one component.
std::vector<jpeg_scan_info> ManyScanScript()
{
    std::vector<jpeg_scan_info> script;
    script.push_back({1, {0}, 0, 0, 0, 1});
    script.push_back({1, {0}, 0, 0, 1, 0});
    for (int k = 1; k < 64; ++k) {
        script.push_back({1, {0}, k, k, 0, 1});
    }
    for (int k = 1; k < 64; ++k) {
        script.push_back({1, {0}, k, k, 1, 0});
    }
    return script;
}

// A small JPEG writer on libjpeg's compressor, so that the tests make their own pictures.
std::vector<uint8_t> EncodeJpeg(const Bitmap& picture, Scans scans, Colour colour = Colour::Rgb)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    const int components = colour == Colour::Grey ? 1 : 3;
    cinfo.image_width = JDIMENSION(picture.Width());
    cinfo.image_height = JDIMENSION(picture.Height());
    cinfo.input_components = components;
    cinfo.in_color_space = colour == Colour::Grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    const std::vector<jpeg_scan_info> script = ManyScanScript();
    if (scans == Scans::Progressive) {
        jpeg_simple_progression(&cinfo);
    } else if (scans == Scans::OneHundredTwentyEight) {
        cinfo.scan_info = script.data();
        cinfo.num_scans = int(script.size());
    }
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(size_t(picture.Width() * components));
    while (cinfo.next_scanline < cinfo.image_height) {
        for (int x = 0; x < picture.Width(); ++x) {
            const Pixel p = picture.At(x, int(cinfo.next_scanline));
            const uint8_t channels[] = {gfx::RedOf(p), gfx::GreenOf(p), gfx::BlueOf(p)};
            std::copy_n(channels, components, &row[size_t(x * components)]);
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::vector<uint8_t> file(buffer, buffer + size);
    std::free(buffer);
    jpeg_destroy_compress(&cinfo);
    return file;
}

constexpr Pixel kRed = Rgb(255, 0, 0);
constexpr Pixel kGreen = Rgb(0, 255, 0);
constexpr Pixel kBlue = Rgb(0, 0, 255);
constexpr Pixel kWhite = Rgb(255, 255, 255);

// 64 × 48 in four flat quadrants: red, green / blue, white.
Bitmap Quadrants()
{
    Bitmap picture(64, 48);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            picture.At(x, y) = y < 24 ? (x < 32 ? kRed : kGreen) : (x < 32 ? kBlue : kWhite);
        }
    }
    return picture;
}

// A horizontal grey ramp over all 256 levels.
Bitmap GreyRamp()
{
    Bitmap picture(256, 8);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 256; ++x) {
            picture.At(x, y) = Rgb(uint8_t(x), uint8_t(x), uint8_t(x));
        }
    }
    return picture;
}

std::string JpegError(int code) { return "JPEG error #" + std::to_string(code); }

int Distance(Pixel a, Pixel b)
{
    return std::max({std::abs(gfx::RedOf(a) - gfx::RedOf(b)), std::abs(gfx::GreenOf(a) - gfx::GreenOf(b)),
                     std::abs(gfx::BlueOf(a) - gfx::BlueOf(b))});
}

// Offset of the `nth` (0-based) marker FF `code`; entropy-coded data stuffs every FF with 00, so a match is real.
size_t FindMarker(const std::vector<uint8_t>& file, uint8_t code, int nth = 0)
{
    for (size_t i = 0; i + 1 < file.size(); ++i) {
        if (file[i] == 0xFF && file[i + 1] == code && nth-- == 0) {
            return i;
        }
    }
    ADD_FAILURE() << "marker " << int(code) << " not found";
    return 0;
}

constexpr uint8_t kSos = 0xDA;
constexpr uint8_t kEoi = 0xD9;
constexpr Pixel kUntouched = 0x00ABCDEFu;

gfx::JpegPicture LoadOrFail(std::vector<uint8_t> file)
{
    gfx::JpegPicture picture;
    const auto status = picture.Load(std::move(file));
    EXPECT_TRUE(status.Ok()) << status.ErrorMessage();
    return picture;
}

TEST(JpegPicture, DecodesAtFullSizeAndStretchesToExactlyTheRect)
{
    for (const Scans scans : {Scans::Baseline, Scans::Progressive}) {
        const char* name = scans == Scans::Baseline ? "baseline" : "progressive";
        gfx::JpegPicture picture = LoadOrFail(EncodeJpeg(Quadrants(), scans));
        EXPECT_EQ(picture.GetSize(), (gfx::Size{64, 48})) << name;
        EXPECT_EQ(picture.Header().progressive, scans == Scans::Progressive) << name;
        EXPECT_FALSE(picture.Empty()) << name;

        Bitmap target(557, 421, kUntouched);
        const auto drawn = picture.Draw(target.View(), target.View().Bounds(), {});
        ASSERT_TRUE(drawn.Ok()) << name << ": " << drawn.ErrorMessage();
        const gfx::ConstBitmapView decoded = picture.Decoded();
        ASSERT_EQ(decoded.width, 64) << name;
        ASSERT_EQ(decoded.height, 48) << name;
        EXPECT_LE(Distance(decoded.At(16, 12), kRed), 24) << name;
        EXPECT_LE(Distance(decoded.At(48, 12), kGreen), 24) << name;
        EXPECT_LE(Distance(decoded.At(16, 36), kBlue), 24) << name;
        EXPECT_LE(Distance(decoded.At(48, 36), kWhite), 24) << name;
        int wrong = 0;
        for (int y = 0; y < 421; ++y) {
            for (int x = 0; x < 557; ++x) {
                wrong += target.At(x, y) != decoded.At(x * 64 / 557, y * 48 / 421);
            }
        }
        EXPECT_EQ(wrong, 0) << name << ": every target pixel is the nearest decoded pixel";
    }
}

TEST(JpegPicture, GreyScaleAndPaletteDisplaysGetAtMost236Colours)
{
    struct Case {
        const char* name;
        std::vector<uint8_t> file;
        int displayBitsPerPixel;
        bool grey;
    };
    const Case cases[] = {
        {"grey-scale picture", EncodeJpeg(GreyRamp(), Scans::Baseline, Colour::Grey), 32, true},
        {"colour picture on an 8-bit display", EncodeJpeg(Quadrants(), Scans::Baseline), 8, false},
        {"colour ramp on an 8-bit display", EncodeJpeg(GreyRamp(), Scans::Progressive), 8, false},
    };
    for (const Case& c : cases) {
        gfx::JpegPicture picture = LoadOrFail(c.file);
        Bitmap target(1, 1);
        ASSERT_TRUE(picture.Draw(target.View(), {0, 0, 1, 1}, {c.displayBitsPerPixel}).Ok()) << c.name;
        const gfx::ConstBitmapView decoded = picture.Decoded();
        std::set<Pixel> colours;
        int coloured = 0;
        for (int y = 0; y < decoded.height; ++y) {
            for (int x = 0; x < decoded.width; ++x) {
                const Pixel p = decoded.At(x, y);
                colours.insert(p);
                coloured += gfx::RedOf(p) != gfx::GreenOf(p) || gfx::GreenOf(p) != gfx::BlueOf(p);
            }
        }
        EXPECT_LE(colours.size(), 236u) << c.name;
        EXPECT_GT(colours.size(), 3u) << c.name;
        if (c.grey) {
            EXPECT_EQ(coloured, 0) << c.name;
            EXPECT_LE(Distance(decoded.At(200, 4), Rgb(200, 200, 200)), 8) << c.name;
        }
    }
}

TEST(JpegPicture, EmptyFileLoadsAndFailsOnceAtTheFirstDrawing)
{
    gfx::JpegPicture picture;
    ASSERT_TRUE(picture.Load({}).Ok());
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.GetSize(), (gfx::Size{0, 0}));

    Bitmap target(8, 8, kUntouched);
    const auto first = picture.Draw(target.View(), target.View().Bounds(), {});
    ASSERT_FALSE(first.Ok());
    EXPECT_EQ(first.ErrorMessage(), JpegError(JERR_INPUT_EMPTY));
    EXPECT_TRUE(picture.Draw(target.View(), target.View().Bounds(), {}).Ok()) << "the error comes once";
    EXPECT_EQ(target.Pixels(), std::vector<Pixel>(64, kUntouched));
}

TEST(JpegPicture, HeaderErrorsFailTheLoad)
{
    const std::vector<uint8_t> good = EncodeJpeg(Quadrants(), Scans::Baseline);
    const size_t sos = FindMarker(good, kSos);
    auto cut = [&](size_t length) { return std::vector<uint8_t>(good.begin(), good.begin() + ptrdiff_t(length)); };
    struct Case {
        const char* name;
        std::vector<uint8_t> file;
        int code;
    };
    const Case cases[] = {
        {"a bitmap", gfx::EncodeBmp32(Quadrants().View()), JERR_NO_SOI},
        {"one byte", {0xFF}, JERR_NO_SOI},
        {"start-of-image marker only", cut(2), JERR_NO_IMAGE},
        {"cut in a table", cut(30), JERR_NO_IMAGE},
        {"cut before the scan", cut(sos), JERR_SOF_NO_SOS},
        {"cut in the scan header (the filler read as a component)", cut(sos + 6), JERR_BAD_COMPONENT_ID},
    };
    for (const Case& c : cases) {
        gfx::JpegPicture picture;
        const auto status = picture.Load(c.file);
        ASSERT_FALSE(status.Ok()) << c.name;
        EXPECT_EQ(status.ErrorMessage(), JpegError(c.code)) << c.name;
        EXPECT_TRUE(picture.Empty()) << c.name;
    }
}

TEST(JpegPicture, DataEndingEarlyGivesNoErrorAndAFullSizePicture)
{
    for (const Scans scans : {Scans::Baseline, Scans::Progressive}) {
        const std::vector<uint8_t> good = EncodeJpeg(Quadrants(), scans);
        const size_t sos = FindMarker(good, kSos);
        gfx::JpegPicture picture = LoadOrFail({good.begin(), good.begin() + ptrdiff_t(sos + (good.size() - sos) / 3)});
        Bitmap target(64, 48, kUntouched);
        const auto drawn = picture.Draw(target.View(), target.View().Bounds(), {});
        EXPECT_TRUE(drawn.Ok()) << drawn.ErrorMessage();
        EXPECT_EQ(picture.Decoded().width, 64);
        EXPECT_EQ(picture.Decoded().height, 48);
        EXPECT_LE(Distance(target.At(8, 4), kRed), 24) << "the part that arrived is shown";
    }
}

TEST(JpegPicture, ErrorAfterTheHeaderComesOnceAtTheFirstDrawingAndKeepsDecodedRows)
{
    // A quantisation table with the impossible index 5 after the last scan of a baseline picture: every row is
    // decoded before the decoder meets it.
    std::vector<uint8_t> baseline = EncodeJpeg(Quadrants(), Scans::Baseline);
    std::vector<uint8_t> badTable = {0xFF, 0xDB, 0x00, 0x43, 0x05};
    badTable.resize(badTable.size() + 64, 1);
    baseline.insert(baseline.begin() + ptrdiff_t(FindMarker(baseline, kEoi)), badTable.begin(), badTable.end());

    gfx::JpegPicture picture = LoadOrFail(baseline);
    Bitmap target(64, 48, kUntouched);
    const auto first = picture.Draw(target.View(), target.View().Bounds(), {});
    ASSERT_FALSE(first.Ok());
    EXPECT_EQ(first.ErrorMessage(), JpegError(JERR_DQT_INDEX));
    target = Bitmap(64, 48, kUntouched);
    EXPECT_TRUE(picture.Draw(target.View(), target.View().Bounds(), {}).Ok()) << "the error comes once";
    EXPECT_FALSE(picture.Empty());
    EXPECT_LE(Distance(target.At(48, 36), kWhite), 24) << "rows decoded before the error are drawn";
}

TEST(JpegPicture, ErrorBeforeAnyRowLeavesNothingToDraw)
{
    // The second scan of a progressive picture names a component that does not exist; a progressive picture
    // reads all its scans before the first row comes out.
    std::vector<uint8_t> progressive = EncodeJpeg(Quadrants(), Scans::Progressive);
    progressive[FindMarker(progressive, kSos, 1) + 5] = 0x7F;

    gfx::JpegPicture picture = LoadOrFail(progressive);
    Bitmap target(16, 16, kUntouched);
    const auto first = picture.Draw(target.View(), target.View().Bounds(), {});
    ASSERT_FALSE(first.Ok());
    EXPECT_EQ(first.ErrorMessage(), JpegError(JERR_BAD_COMPONENT_ID));
    EXPECT_TRUE(picture.Draw(target.View(), target.View().Bounds(), {}).Ok());
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(target.Pixels(), std::vector<Pixel>(256, kUntouched));
}

// The small progressive picture with its frame header claiming another size: a decompression bomb when large.
std::vector<uint8_t> ClaimingSize(int width, int height)
{
    std::vector<uint8_t> file = EncodeJpeg(Quadrants(), Scans::Progressive);
    const size_t sof = FindMarker(file, 0xC2); // FF C2, length, precision, height, width
    file[sof + 5] = uint8_t(height >> 8);
    file[sof + 6] = uint8_t(height);
    file[sof + 7] = uint8_t(width >> 8);
    file[sof + 8] = uint8_t(width);
    return file;
}

TEST(JpegPicture, OversizedPicturesAreRefusedAtLoad)
{
    struct Case {
        int width;
        int height;
        std::string message;
    };
    const Case cases[] = {
        {16000, 16000, "JPEG picture is too large: 16000 x 16000 pixels"},
        {65500, 65500, "JPEG picture is too large: 65500 x 65500 pixels"},
        {32769, 16, "JPEG picture is too large: 32769 x 16 pixels"},
        {8193, 8192, "JPEG picture is too large: 8193 x 8192 pixels"},
        {65535, 16, JpegError(JERR_IMAGE_TOO_BIG)},
    };
    for (const Case& c : cases) {
        gfx::JpegPicture picture;
        const auto status = picture.Load(ClaimingSize(c.width, c.height));
        ASSERT_FALSE(status.Ok()) << c.message;
        EXPECT_EQ(status.ErrorMessage(), c.message);
        EXPECT_EQ(picture.GetSize(), (gfx::Size{0, 0})) << c.message;
    }
    gfx::JpegPicture largest;
    EXPECT_TRUE(largest.Load(ClaimingSize(8192, 8192)).Ok()) << "256 MiB of pixels is still allowed";
    EXPECT_TRUE(largest.Load(ClaimingSize(32768, 2048)).Ok()) << "as is the longest side";
}

TEST(JpegPicture, TooManyScansStopTheDecoder)
{
    gfx::JpegPicture picture = LoadOrFail(EncodeJpeg(GreyRamp(), Scans::OneHundredTwentyEight, Colour::Grey));
    Bitmap target(4, 4, kUntouched);
    const auto first = picture.Draw(target.View(), target.View().Bounds(), {});
    ASSERT_FALSE(first.Ok());
    EXPECT_EQ(first.ErrorMessage(), "JPEG picture has more than 100 scans");
    EXPECT_TRUE(picture.Empty());
}

TEST(JpegPicture, RegisteredAsJpegAndJpg)
{
    gfx::PictureFormats formats;
    gfx::RegisterJpegFormat(formats);
    for (const wchar_t* name : {L"wall.jpg", L"wall.jpeg"}) {
        auto picture = formats.CreateFor(name);
        ASSERT_TRUE(picture.Ok());
        EXPECT_NE(dynamic_cast<gfx::JpegPicture*>(picture.Value().get()), nullptr);
    }
}

} // namespace
