// Windows BMP files: a strict decoder for the uncompressed kinds (the skin's pictures) and a small writer for
// dumping frames in tests. Untrusted input: every field is checked before use. Portable: no platform headers.
#pragma once

#include "core/Result.h"
#include "gfx/Bitmap.h"

#include <cstdint>
#include <span>
#include <vector>

namespace gfx {

// Limits that keep a hostile header from asking for a huge allocation.
constexpr int kMaxBmpDimension = 16384;
constexpr int64_t kMaxBmpPixels = int64_t(64) * 1024 * 1024;

struct BmpInfo {
    int width = 0;
    int height = 0;            // always positive; `bottomUp` keeps the sign of the stored height
    int bitsPerPixel = 0;
    int colorsUsed = 0;        // colour table entries (1, 4 and 8 bpp); biClrUsed 0 means 2^bpp
    uint32_t fileSize = 0;     // as the file header states it; not trusted for anything
    uint32_t dataOffset = 0;
    uint32_t headerSize = 0;
    bool bottomUp = true;
};

// Reads and checks the headers and the colour table's extent; does not look at the pixel data's extent.
core::Result<BmpInfo> ReadBmpInfo(std::span<const uint8_t> file);

// BITMAPFILEHEADER + BITMAPINFOHEADER (or the V4/V5 headers), BI_RGB, 1/4/8 bpp with a colour table, 24 and
// 32 bpp, bottom-up or top-down. The result is top-down with opaque pixels.
core::Result<Bitmap> DecodeBmp(std::span<const uint8_t> file);

// Writes a 24-bit bottom-up BMP of a 32-bit view (alpha dropped), readable by any viewer and by DecodeBmp.
std::vector<uint8_t> EncodeBmp32(ConstBitmapView view);

} // namespace gfx
