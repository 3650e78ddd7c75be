// BMP decoding and writing. Every size and offset from the file is checked with 64-bit arithmetic before it is
// used, and each failed check has its own message.
#include "gfx/Bmp.h"

#include <array>

namespace gfx {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr uint32_t kBiRgb = 0;

core::Error Fail(const char* message) { return core::Error{message}; }

uint16_t ReadU16(std::span<const uint8_t> bytes, size_t at) { return uint16_t(bytes[at] | (bytes[at + 1] << 8)); }

uint32_t ReadU32(std::span<const uint8_t> bytes, size_t at)
{
    return uint32_t(bytes[at]) | (uint32_t(bytes[at + 1]) << 8) | (uint32_t(bytes[at + 2]) << 16) |
           (uint32_t(bytes[at + 3]) << 24);
}

int32_t ReadI32(std::span<const uint8_t> bytes, size_t at) { return int32_t(ReadU32(bytes, at)); }

void WriteU16(std::vector<uint8_t>& out, uint16_t value)
{
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void WriteU32(std::vector<uint8_t>& out, uint32_t value)
{
    WriteU16(out, uint16_t(value));
    WriteU16(out, uint16_t(value >> 16));
}

bool IsSupportedHeaderSize(uint32_t size) { return size == 40 || size == 108 || size == 124; }

bool IsSupportedDepth(int bpp) { return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 24 || bpp == 32; }

uint64_t StrideOf(const BmpInfo& info) { return (uint64_t(info.width) * uint64_t(info.bitsPerPixel) + 31) / 32 * 4; }

uint64_t ColorTableEnd(const BmpInfo& info)
{
    return kFileHeaderSize + info.headerSize + uint64_t(info.colorsUsed) * 4;
}

// The checks on the fields of BITMAPINFOHEADER, after its size is known to be present.
core::Result<BmpInfo> CheckInfoHeader(std::span<const uint8_t> file, BmpInfo info)
{
    const size_t h = kFileHeaderSize;
    const int32_t width = ReadI32(file, h + 4);
    const int32_t height = ReadI32(file, h + 8);
    const uint32_t colorsUsed = ReadU32(file, h + 32);
    info.bitsPerPixel = ReadU16(file, h + 14);
    if (ReadU16(file, h + 12) != 1) {
        return Fail("BMP plane count is not 1");
    }
    if (ReadU32(file, h + 16) != kBiRgb) {
        return Fail("BMP compression is not supported");
    }
    if (!IsSupportedDepth(info.bitsPerPixel)) {
        return Fail("BMP bit depth is not supported");
    }
    if (width <= 0 || height == 0 || height == INT32_MIN) {
        return Fail("BMP dimensions are invalid");
    }
    info.width = width;
    info.height = height < 0 ? -height : height;
    info.bottomUp = height > 0;
    if (info.width > kMaxBmpDimension || info.height > kMaxBmpDimension ||
        int64_t(info.width) * info.height > kMaxBmpPixels) {
        return Fail("BMP dimensions are too large");
    }
    if (info.bitsPerPixel <= 8) {
        if (colorsUsed > 256) {
            return Fail("BMP colour table is larger than 256 entries");
        }
        info.colorsUsed = colorsUsed == 0 ? 1 << info.bitsPerPixel : int(colorsUsed);
    }
    return info;
}

using Palette = std::array<Pixel, 256>;

Palette ReadPalette(std::span<const uint8_t> file, const BmpInfo& info)
{
    Palette palette{};
    const size_t at = kFileHeaderSize + info.headerSize;
    for (int i = 0; i < info.colorsUsed; ++i) {
        const size_t entry = at + size_t(i) * 4; // RGBQUAD: blue, green, red, reserved
        palette[size_t(i)] = Rgb(file[entry + 2], file[entry + 1], file[entry]);
    }
    return palette;
}

// One stored row into `out`; false when an index lies outside the colour table.
bool DecodeRow(const uint8_t* row, const BmpInfo& info, const Palette& palette, Pixel* out)
{
    const int bpp = info.bitsPerPixel;
    if (bpp >= 24) {
        const int step = bpp / 8;
        for (int x = 0; x < info.width; ++x) {
            const uint8_t* p = row + size_t(x) * size_t(step);
            out[x] = Rgb(p[2], p[1], p[0]);
        }
        return true;
    }
    const int perByte = 8 / bpp;
    const int mask = (1 << bpp) - 1;
    for (int x = 0; x < info.width; ++x) {
        const int shift = 8 - bpp * (x % perByte + 1);
        const int index = (row[x / perByte] >> shift) & mask;
        if (index >= info.colorsUsed) {
            return false;
        }
        out[x] = palette[size_t(index)];
    }
    return true;
}

} // namespace

core::Result<BmpInfo> ReadBmpInfo(std::span<const uint8_t> file)
{
    if (file.size() < kFileHeaderSize + 4) {
        return Fail("BMP file is too short");
    }
    if (file[0] != 'B' || file[1] != 'M') {
        return Fail("BMP has invalid magic header number");
    }
    BmpInfo info;
    info.fileSize = ReadU32(file, 2);
    info.dataOffset = ReadU32(file, 10);
    info.headerSize = ReadU32(file, kFileHeaderSize);
    // The 12-byte OS/2 core header and other unknown sizes lay their fields out differently.
    if (!IsSupportedHeaderSize(info.headerSize)) {
        return Fail("BMP header size is not supported");
    }
    if (file.size() < kFileHeaderSize + info.headerSize) {
        return Fail("BMP file is too short");
    }
    auto checked = CheckInfoHeader(file, info);
    if (!checked) {
        return checked;
    }
    info = checked.Value();
    if (ColorTableEnd(info) > file.size()) {
        return Fail("BMP colour table runs past the end of the file");
    }
    if (info.dataOffset < ColorTableEnd(info)) {
        return Fail("BMP pixel data begins inside the headers");
    }
    return info;
}

core::Result<Bitmap> DecodeBmp(std::span<const uint8_t> file)
{
    auto read = ReadBmpInfo(file);
    if (!read) {
        return core::Error{read.ErrorMessage()};
    }
    const BmpInfo& info = read.Value();
    const uint64_t stride = StrideOf(info);
    if (uint64_t(info.dataOffset) + stride * uint64_t(info.height) > file.size()) {
        return Fail("BMP pixel data runs past the end of the file");
    }
    const Palette palette = ReadPalette(file, info);
    Bitmap bitmap(info.width, info.height);
    for (int y = 0; y < info.height; ++y) {
        const int stored = info.bottomUp ? info.height - 1 - y : y;
        const uint8_t* row = file.data() + info.dataOffset + size_t(stride) * size_t(stored);
        if (!DecodeRow(row, info, palette, &bitmap.At(0, y))) {
            return Fail("BMP pixel index is outside the colour table");
        }
    }
    return bitmap;
}

std::vector<uint8_t> EncodeBmp32(ConstBitmapView view)
{
    const int width = view.width > 0 && view.height > 0 ? view.width : 0;
    const int height = width > 0 ? view.height : 0;
    const uint32_t stride = (uint32_t(width) * 3 + 3) & ~3u;
    const uint32_t dataSize = stride * uint32_t(height);
    const uint32_t dataOffset = uint32_t(kFileHeaderSize + kInfoHeaderSize);
    std::vector<uint8_t> out;
    out.reserve(dataOffset + dataSize);
    out.push_back('B');
    out.push_back('M');
    WriteU32(out, dataOffset + dataSize);
    WriteU32(out, 0);
    WriteU32(out, dataOffset);
    WriteU32(out, uint32_t(kInfoHeaderSize));
    WriteU32(out, uint32_t(width));
    WriteU32(out, uint32_t(height));
    WriteU16(out, 1);
    WriteU16(out, 24);
    WriteU32(out, kBiRgb);
    WriteU32(out, dataSize);
    WriteU32(out, 2835); // 72 dots per inch, in dots per metre
    WriteU32(out, 2835);
    WriteU32(out, 0);
    WriteU32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Pixel p = view.At(x, y);
            out.insert(out.end(), {BlueOf(p), GreenOf(p), RedOf(p)});
        }
        out.resize(out.size() + (stride - uint32_t(width) * 3), 0);
    }
    return out;
}

} // namespace gfx
