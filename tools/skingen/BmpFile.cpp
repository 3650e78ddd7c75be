// Windows BMP encoding for the skin's pictures and previews. Standard library only.
#include "BmpFile.h"

#include <fstream>
#include <stdexcept>

namespace skingen {

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

uint32_t RowBytes(int width, int bitsPerPixel)
{
    return ((uint32_t(width) * bitsPerPixel + 31) / 32) * 4;
}

void PutHeaders(std::vector<uint8_t>& out, int width, int height, int bitsPerPixel, uint32_t tableEntries)
{
    const uint32_t offBits = kFileHeaderSize + kInfoHeaderSize + 4 * tableEntries;
    const uint32_t imageBytes = RowBytes(width, bitsPerPixel) * uint32_t(height);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offBits + imageBytes); // bfSize: the whole file
    Put32(out, 0);
    Put32(out, offBits);
    Put32(out, kInfoHeaderSize);
    Put32(out, uint32_t(width));
    Put32(out, uint32_t(height)); // positive: rows bottom-up
    Put16(out, 1);
    Put16(out, uint32_t(bitsPerPixel));
    Put32(out, 0); // BI_RGB
    Put32(out, imageBytes);
    Put32(out, 2835); // 72 dpi
    Put32(out, 2835);
    Put32(out, tableEntries);
    Put32(out, 0);
}

} // namespace

std::vector<uint8_t> EncodeIndexed(const IndexedImage& img, int bitsPerPixel)
{
    if (bitsPerPixel != 8 && bitsPerPixel != 1) {
        throw std::invalid_argument("only 8 and 1 bits per pixel are written");
    }
    std::vector<uint8_t> out;
    PutHeaders(out, img.width, img.height, bitsPerPixel, uint32_t(img.table.size()));
    for (Rgb c : img.table) {
        out.insert(out.end(), {c.b, c.g, c.r, 0});
    }
    const uint32_t rowBytes = RowBytes(img.width, bitsPerPixel);
    for (int y = img.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(rowBytes, 0);
        for (int x = 0; x < img.width; ++x) {
            const uint8_t index = img.indices[size_t(y) * img.width + x];
            if (bitsPerPixel == 8) {
                row[size_t(x)] = index;
            } else if (index != 0) {
                row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::vector<uint8_t> EncodeRgb(const Image& img)
{
    std::vector<uint8_t> out;
    PutHeaders(out, img.Width(), img.Height(), 24, 0);
    const uint32_t rowBytes = RowBytes(img.Width(), 24);
    for (int y = img.Height() - 1; y >= 0; --y) {
        std::vector<uint8_t> row(rowBytes, 0);
        for (int x = 0; x < img.Width(); ++x) {
            const Rgb c = img.At(x, y);
            row[size_t(3 * x)] = c.b;
            row[size_t(3 * x + 1)] = c.g;
            row[size_t(3 * x + 2)] = c.r;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace skingen
