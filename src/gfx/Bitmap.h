// 32-bit pixel buffers: an owning Bitmap and a non-owning BitmapView over any rows of 32-bit pixels (a Bitmap,
// or a platform's device-independent section). Pixels are 0xAARRGGBB, top-down; alpha is ignored.
#pragma once

#include "gfx/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gfx {

using Pixel = uint32_t;

constexpr Pixel Rgb(uint8_t r, uint8_t g, uint8_t b) { return 0xFF000000u | (uint32_t(r) << 16) | (uint32_t(g) << 8) | b; }
// Skin and Win32 colours keep red in the low byte, then green, then blue.
constexpr Pixel FromColorRef(uint32_t c) { return Rgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
constexpr uint32_t ToColorRef(Pixel p) { return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16); }
constexpr uint8_t RedOf(Pixel p) { return (p >> 16) & 0xFF; }
constexpr uint8_t GreenOf(Pixel p) { return (p >> 8) & 0xFF; }
constexpr uint8_t BlueOf(Pixel p) { return p & 0xFF; }

struct BitmapView {
    Pixel* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0; // in pixels

    Pixel* Row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * stride; }
    Pixel& At(int x, int y) const { return Row(y)[x]; }
    Rect Bounds() const { return {0, 0, width, height}; }
};

struct ConstBitmapView {
    const Pixel* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;

    ConstBitmapView() = default;
    ConstBitmapView(const Pixel* p, int w, int h, int s) : pixels(p), width(w), height(h), stride(s) {}
    ConstBitmapView(const BitmapView& v) : pixels(v.pixels), width(v.width), height(v.height), stride(v.stride) {}
    const Pixel* Row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * stride; }
    Pixel At(int x, int y) const { return Row(y)[x]; }
    Rect Bounds() const { return {0, 0, width, height}; }
    bool Empty() const { return width <= 0 || height <= 0; }
};

// Owns its pixels; move-only so that a picture is never copied by accident.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, Pixel fill = 0) : m_width(width), m_height(height), m_pixels(size_t(width) * size_t(height), fill) {}
    Bitmap(Bitmap&&) noexcept = default;
    Bitmap& operator=(Bitmap&&) noexcept = default;
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    Bitmap Clone() const
    {
        Bitmap b;
        b.m_width = m_width;
        b.m_height = m_height;
        b.m_pixels = m_pixels;
        return b;
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_width <= 0 || m_height <= 0; }
    Pixel At(int x, int y) const { return m_pixels[size_t(y) * size_t(m_width) + size_t(x)]; }
    Pixel& At(int x, int y) { return m_pixels[size_t(y) * size_t(m_width) + size_t(x)]; }
    BitmapView View() { return {m_pixels.data(), m_width, m_height, m_width}; }
    ConstBitmapView View() const { return {m_pixels.data(), m_width, m_height, m_width}; }
    const std::vector<Pixel>& Pixels() const { return m_pixels; }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<Pixel> m_pixels;
};

} // namespace gfx
