// Windows BMP encoding for the skin's pictures (8 and 1 bits per pixel with a colour table) and for the 24-bit
// previews. Uncompressed, bottom-up, BITMAPINFOHEADER. Standard library only.
#pragma once

#include "Image.h"
#include "Palette.h"

#include <cstdint>
#include <string>
#include <vector>

namespace skingen {

std::vector<uint8_t> EncodeIndexed(const IndexedImage& img, int bitsPerPixel);
std::vector<uint8_t> EncodeRgb(const Image& img);

// Throws std::runtime_error naming the path when the file cannot be written.
void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace skingen
