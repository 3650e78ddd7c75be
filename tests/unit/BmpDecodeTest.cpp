// The BMP decoder on hand-made files: one message per malformed header, and the pixels of each depth and row order.
#include "gfx/Bmp.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

namespace {

using gfx::Pixel;
using gfx::Rgb;

// Little-endian fields, so that each test file below reads like its header.
#define U16(v) uint8_t((v) & 0xFF), uint8_t(((v) >> 8) & 0xFF)
#define U32(v) U16(uint32_t(v) & 0xFFFF), U16(uint32_t(v) >> 16)
// BITMAPFILEHEADER: magic, file size, two reserved words, offset of the pixel data.
#define FILE_HEADER(size, offset) 'B', 'M', U32(size), U16(0), U16(0), U32(offset)
// BITMAPINFOHEADER: size, width, height, planes, bpp, compression, image size, resolution, colours used/important.
#define INFO_HEADER(width, height, planes, bpp, compression, colorsUsed)                                          \
    U32(40), U32(width), U32(height), U16(planes), U16(bpp), U32(compression), U32(0), U32(2835), U32(2835),      \
        U32(colorsUsed), U32(0)

// 1 × 1, 24 bpp: one pixel and one padding byte.
constexpr uint8_t kValid[] = {FILE_HEADER(58, 54), INFO_HEADER(1, 1, 1, 24, 0, 0), 0x10, 0x20, 0x30, 0};
static_assert(sizeof kValid == 58);

constexpr uint8_t kTooShort[] = {'B', 'M', U32(58), U16(0), U16(0), U32(54), 40, 0};
static_assert(sizeof kTooShort == 16);
constexpr uint8_t kBadMagic[] = {'B', 'A', U32(58), U16(0), U16(0), U32(54), INFO_HEADER(1, 1, 1, 24, 0, 0),
                                 1, 2, 3, 0};
static_assert(sizeof kBadMagic == 58);
// OS/2 core header: size 12, 16-bit width and height, planes, bpp.
constexpr uint8_t kCoreHeader[] = {FILE_HEADER(30, 26), U32(12), U16(1), U16(1), U16(1), U16(24), 1, 2, 3, 0};
static_assert(sizeof kCoreHeader == 30);
constexpr uint8_t kHeaderCut[] = {FILE_HEADER(58, 54), U32(40), U32(1), U32(1), U16(1), U16(24)};
static_assert(sizeof kHeaderCut == 30);
constexpr uint8_t kTwoPlanes[] = {FILE_HEADER(58, 54), INFO_HEADER(1, 1, 2, 24, 0, 0), 1, 2, 3, 0};
static_assert(sizeof kTwoPlanes == 58);
constexpr uint8_t kRle8[] = {FILE_HEADER(58, 54), INFO_HEADER(1, 1, 1, 8, 1, 1), 0, 0, 0, 0};
static_assert(sizeof kRle8 == 58);
constexpr uint8_t kSixteenBits[] = {FILE_HEADER(58, 54), INFO_HEADER(1, 1, 1, 16, 0, 0), 1, 2, 0, 0};
static_assert(sizeof kSixteenBits == 58);
constexpr uint8_t kZeroWidth[] = {FILE_HEADER(58, 54), INFO_HEADER(0, 1, 1, 24, 0, 0), 1, 2, 3, 0};
static_assert(sizeof kZeroWidth == 58);
constexpr uint8_t kNegativeWidth[] = {FILE_HEADER(58, 54), INFO_HEADER(-1, 1, 1, 24, 0, 0), 1, 2, 3, 0};
static_assert(sizeof kNegativeWidth == 58);
constexpr uint8_t kZeroHeight[] = {FILE_HEADER(58, 54), INFO_HEADER(1, 0, 1, 24, 0, 0), 1, 2, 3, 0};
static_assert(sizeof kZeroHeight == 58);
constexpr uint8_t kMostNegativeHeight[] = {FILE_HEADER(58, 54), INFO_HEADER(1, 0x80000000u, 1, 24, 0, 0), 1, 2, 3, 0};
static_assert(sizeof kMostNegativeHeight == 58);
constexpr uint8_t kTooWide[] = {FILE_HEADER(58, 54), INFO_HEADER(16385, 1, 1, 24, 0, 0), 1, 2, 3, 0};
static_assert(sizeof kTooWide == 58);
constexpr uint8_t kTooManyPixels[] = {FILE_HEADER(58, 54), INFO_HEADER(16384, -4097, 1, 1, 0, 0), 1, 2, 3, 0};
static_assert(sizeof kTooManyPixels == 58);
constexpr uint8_t kHugeTable[] = {FILE_HEADER(58, 54), INFO_HEADER(1, 1, 1, 8, 0, 257), 0, 0, 0, 0};
static_assert(sizeof kHugeTable == 58);
// 8 bpp with biClrUsed 0 means 256 entries (1024 bytes), but the file ends after two.
constexpr uint8_t kTableCut[] = {FILE_HEADER(66, 62), INFO_HEADER(1, 1, 1, 8, 0, 0), 1, 2, 3, 0, 4, 5, 6, 0,
                                 0, 0, 0, 0};
static_assert(sizeof kTableCut == 66);
constexpr uint8_t kDataInHeader[] = {FILE_HEADER(58, 50), INFO_HEADER(1, 1, 1, 24, 0, 0), 1, 2, 3, 0};
static_assert(sizeof kDataInHeader == 58);
// The last row's padding is part of the pixel data.
constexpr uint8_t kDataCut[] = {FILE_HEADER(57, 54), INFO_HEADER(1, 1, 1, 24, 0, 0), 1, 2, 3};
static_assert(sizeof kDataCut == 57);
constexpr uint8_t kOffsetFarAway[] = {FILE_HEADER(58, 0xFFFFFFFFu), INFO_HEADER(1, 1, 1, 24, 0, 0), 1, 2, 3, 0};
static_assert(sizeof kOffsetFarAway == 58);
// 16384 × 4096 at 32 bpp is within the pixel limit but claims 256 MiB of data that the file does not have.
constexpr uint8_t kHugeDataClaimed[] = {FILE_HEADER(58, 54), INFO_HEADER(16384, 4096, 1, 32, 0, 0), 1, 2, 3, 0};
static_assert(sizeof kHugeDataClaimed == 58);
// 1 bpp with a one-entry table: a set bit names entry 1.
constexpr uint8_t kIndexOutside[] = {FILE_HEADER(62, 58), INFO_HEADER(2, 1, 1, 1, 0, 1), 0, 0, 0xFF, 0, 0x40, 0, 0, 0};
static_assert(sizeof kIndexOutside == 62);

TEST(BmpDecode, MalformedFilesAreRejectedWithTheirOwnMessage)
{
    struct Case {
        const char* name;
        std::span<const uint8_t> file;
        const char* message;
    };
    const Case cases[] = {
        {"too short", kTooShort, "BMP file is too short"},
        {"bad magic", kBadMagic, "BMP has invalid magic header number"},
        {"core header", kCoreHeader, "BMP header size is not supported"},
        {"header cut", kHeaderCut, "BMP file is too short"},
        {"two planes", kTwoPlanes, "BMP plane count is not 1"},
        {"RLE8", kRle8, "BMP compression is not supported"},
        {"16 bpp", kSixteenBits, "BMP bit depth is not supported"},
        {"zero width", kZeroWidth, "BMP dimensions are invalid"},
        {"negative width", kNegativeWidth, "BMP dimensions are invalid"},
        {"zero height", kZeroHeight, "BMP dimensions are invalid"},
        {"most negative height", kMostNegativeHeight, "BMP dimensions are invalid"},
        {"too wide", kTooWide, "BMP dimensions are too large"},
        {"too many pixels", kTooManyPixels, "BMP dimensions are too large"},
        {"colour table of 257", kHugeTable, "BMP colour table is larger than 256 entries"},
        {"colour table cut", kTableCut, "BMP colour table runs past the end of the file"},
        {"data inside the headers", kDataInHeader, "BMP pixel data begins inside the headers"},
        {"data cut", kDataCut, "BMP pixel data runs past the end of the file"},
        {"offset far away", kOffsetFarAway, "BMP pixel data runs past the end of the file"},
        {"huge data claimed", kHugeDataClaimed, "BMP pixel data runs past the end of the file"},
        {"index outside the table", kIndexOutside, "BMP pixel index is outside the colour table"},
    };
    for (const Case& c : cases) {
        const auto result = gfx::DecodeBmp(c.file);
        ASSERT_FALSE(result.Ok()) << c.name;
        EXPECT_EQ(result.ErrorMessage(), c.message) << c.name;
    }
    EXPECT_TRUE(gfx::DecodeBmp(kValid).Ok());
}

// Colour table entries are blue, green, red, reserved.
#define RED 0, 0, 255, 0
#define GREEN 0, 255, 0, 0
#define BLUE 255, 0, 0, 0

// 3 × 2 at 1 bpp. Top row: red blue red; bottom row: blue blue red. Rows are 4 bytes.
constexpr uint8_t kOneBitBottomUp[] = {FILE_HEADER(70, 62), INFO_HEADER(3, 2, 1, 1, 0, 0), RED, BLUE,
                                       0xC0, 0, 0, 0, 0x40, 0, 0, 0};
static_assert(sizeof kOneBitBottomUp == 70);
constexpr uint8_t kOneBitTopDown[] = {FILE_HEADER(70, 62), INFO_HEADER(3, -2, 1, 1, 0, 0), RED, BLUE,
                                      0x40, 0, 0, 0, 0xC0, 0, 0, 0};
static_assert(sizeof kOneBitTopDown == 70);
// 3 × 1 at 4 bpp with three entries: indices 2, 0, 1; the unused low nibble is padding.
constexpr uint8_t kFourBit[] = {FILE_HEADER(70, 66), INFO_HEADER(3, 1, 1, 4, 0, 3), RED, GREEN, BLUE, 0x20, 0x10, 0, 0};
static_assert(sizeof kFourBit == 70);
// 3 × 2 at 8 bpp with three entries. Top row: green red blue; bottom row: blue blue green.
constexpr uint8_t kEightBit[] = {FILE_HEADER(74, 66), INFO_HEADER(3, 2, 1, 8, 0, 3), RED, GREEN, BLUE,
                                 2, 2, 1, 0, 1, 0, 2, 0};
static_assert(sizeof kEightBit == 74);
// 2 × 2 at 24 bpp (blue, green, red per pixel; rows of 6 bytes padded to 8), bottom-up and top-down.
constexpr uint8_t kTrueColourBottomUp[] = {FILE_HEADER(70, 54), INFO_HEADER(2, 2, 1, 24, 0, 0),
                                           0x03, 0x02, 0x01, 0x06, 0x05, 0x04, 0, 0,
                                           0x13, 0x12, 0x11, 0x16, 0x15, 0x14, 0, 0};
static_assert(sizeof kTrueColourBottomUp == 70);
constexpr uint8_t kTrueColourTopDown[] = {FILE_HEADER(70, 54), INFO_HEADER(2, -2, 1, 24, 0, 0),
                                          0x13, 0x12, 0x11, 0x16, 0x15, 0x14, 0, 0,
                                          0x03, 0x02, 0x01, 0x06, 0x05, 0x04, 0, 0};
static_assert(sizeof kTrueColourTopDown == 70);
// 2 × 1 at 32 bpp: the fourth byte is not alpha and is dropped.
constexpr uint8_t kThirtyTwoBit[] = {FILE_HEADER(62, 54), INFO_HEADER(2, 1, 1, 32, 0, 0), 3, 2, 1, 0, 6, 5, 4, 0x80};
static_assert(sizeof kThirtyTwoBit == 62);
// A 108-byte V4 header (colour masks and colour space zeroed) in front of one 24-bit pixel.
#define ZERO4 U32(0), U32(0), U32(0), U32(0)
constexpr uint8_t kV4Header[] = {FILE_HEADER(126, 122), U32(108), U32(1), U32(1), U16(1), U16(24), U32(0), U32(4),
                                 U32(2835), U32(2835), U32(0), U32(0),
                                 ZERO4, U32(0), ZERO4, ZERO4, ZERO4, // masks, colour space, end points, gammas
                                 0x03, 0x02, 0x01, 0};
static_assert(sizeof kV4Header == 126);

constexpr Pixel kRed = Rgb(255, 0, 0);
constexpr Pixel kGreen = Rgb(0, 255, 0);
constexpr Pixel kBlue = Rgb(0, 0, 255);

TEST(BmpDecode, DecodesEachDepthTopRowFirst)
{
    struct Case {
        const char* name;
        std::span<const uint8_t> file;
        int width;
        std::vector<Pixel> pixels; // top row first
    };
    const Case cases[] = {
        {"1 bpp bottom-up", kOneBitBottomUp, 3, {kRed, kBlue, kRed, kBlue, kBlue, kRed}},
        {"1 bpp top-down", kOneBitTopDown, 3, {kRed, kBlue, kRed, kBlue, kBlue, kRed}},
        {"4 bpp", kFourBit, 3, {kBlue, kRed, kGreen}},
        {"8 bpp", kEightBit, 3, {kGreen, kRed, kBlue, kBlue, kBlue, kGreen}},
        {"24 bpp bottom-up", kTrueColourBottomUp, 2, {Rgb(0x11, 0x12, 0x13), Rgb(0x14, 0x15, 0x16),
                                                      Rgb(1, 2, 3), Rgb(4, 5, 6)}},
        {"24 bpp top-down", kTrueColourTopDown, 2, {Rgb(0x11, 0x12, 0x13), Rgb(0x14, 0x15, 0x16),
                                                    Rgb(1, 2, 3), Rgb(4, 5, 6)}},
        {"32 bpp", kThirtyTwoBit, 2, {Rgb(1, 2, 3), Rgb(4, 5, 6)}},
        {"V4 header", kV4Header, 1, {Rgb(1, 2, 3)}},
    };
    for (const Case& c : cases) {
        auto result = gfx::DecodeBmp(c.file);
        ASSERT_TRUE(result.Ok()) << c.name << ": " << result.ErrorMessage();
        const gfx::Bitmap& bitmap = result.Value();
        EXPECT_EQ(bitmap.Width(), c.width) << c.name;
        EXPECT_EQ(bitmap.Pixels(), c.pixels) << c.name;
    }
}

TEST(BmpDecode, InfoReportsTheHeaderAsStored)
{
    const auto info = gfx::ReadBmpInfo(kOneBitTopDown);
    ASSERT_TRUE(info.Ok()) << info.ErrorMessage();
    EXPECT_EQ(info.Value().width, 3);
    EXPECT_EQ(info.Value().height, 2);
    EXPECT_FALSE(info.Value().bottomUp);
    EXPECT_EQ(info.Value().bitsPerPixel, 1);
    EXPECT_EQ(info.Value().colorsUsed, 2) << "biClrUsed 0 means 2^bpp";
    EXPECT_EQ(info.Value().dataOffset, 62u);
    EXPECT_EQ(info.Value().fileSize, 70u);
}

TEST(BmpEncode, WritesPaddedBottomUpRowsThatDecodeBack)
{
    gfx::Bitmap picture(3, 2);
    const Pixel colours[] = {kRed, kGreen, kBlue, Rgb(1, 2, 3), Rgb(250, 128, 7), Rgb(255, 255, 255)};
    for (int i = 0; i < 6; ++i) {
        picture.At(i % 3, i / 3) = colours[i] & 0x00FFFFFF; // alpha is not stored
    }
    const std::vector<uint8_t> file = gfx::EncodeBmp32(picture.View());
    ASSERT_EQ(file.size(), 54u + 2 * 12) << "rows of 9 bytes padded to 12";
    EXPECT_EQ(file[2] | (file[3] << 8), 78) << "file size field";
    EXPECT_EQ(file[54], 3) << "first stored row is the bottom one, blue byte first";
    auto decoded = gfx::DecodeBmp(file);
    ASSERT_TRUE(decoded.Ok()) << decoded.ErrorMessage();
    EXPECT_EQ(decoded.Value().Pixels(), std::vector<Pixel>(std::begin(colours), std::end(colours)));
}

} // namespace
