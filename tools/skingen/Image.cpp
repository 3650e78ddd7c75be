// The generator's RGB image and colour arithmetic. Standard library only.
#include "Image.h"

#include <algorithm>
#include <cmath>

namespace skingen {

Image::Image(int width, int height, Rgb fill)
    : m_width(width), m_height(height), m_pixels(static_cast<size_t>(width) * height, fill)
{
}

void Image::Set(int x, int y, Rgb c)
{
    if (Inside(x, y)) {
        m_pixels[Index(x, y)] = c;
    }
}

void Image::Blend(int x, int y, Rgb c, double coverage)
{
    if (Inside(x, y)) {
        m_pixels[Index(x, y)] = Mix(m_pixels[Index(x, y)], c, std::clamp(coverage, 0.0, 1.0));
    }
}

void Image::Copy(const Image& source, const Rect& from, int x, int y)
{
    for (int row = 0; row < from.Height(); ++row) {
        for (int col = 0; col < from.Width(); ++col) {
            Set(x + col, y + row, source.At(from.left + col, from.top + row));
        }
    }
}

Image Image::Crop(const Rect& r) const
{
    Image out(r.Width(), r.Height());
    out.Copy(*this, r, 0, 0);
    return out;
}

namespace {

uint8_t Channel(double v)
{
    return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

} // namespace

Rgb Mix(Rgb a, Rgb b, double t)
{
    return {Channel(a.r + (b.r - a.r) * t), Channel(a.g + (b.g - a.g) * t), Channel(a.b + (b.b - a.b) * t)};
}

Rgb Lighter(Rgb c, double t)
{
    return Mix(c, {255, 255, 255}, t);
}

Rgb Darker(Rgb c, double t)
{
    return Mix(c, {0, 0, 0}, t);
}

Rgb Greyed(Rgb c, double t)
{
    const uint8_t luma = Channel(0.299 * c.r + 0.587 * c.g + 0.114 * c.b);
    return Mix(c, {luma, luma, luma}, t);
}

} // namespace skingen
