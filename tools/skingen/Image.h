// The generator's drawing surface: a plain 24-bit RGB image with rectangles and the few drawing operations the
// skin pictures are made of. Standard library only; knows nothing about BMP files or the skin definition.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace skingen {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The skin writes colours as one decimal number with red in the low byte.
constexpr uint32_t ColorRef(Rgb c) { return c.r | (c.g << 8) | (uint32_t(c.b) << 16); }

// Left, top, right, bottom; right and bottom lie outside, as in the skin definition.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr Rect Sized(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool Empty() const { return Width() < 1 || Height() < 1; }
    constexpr Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    constexpr Rect Inset(int d) const { return {left + d, top + d, right - d, bottom - d}; }
    constexpr bool Overlaps(const Rect& o) const
    {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    constexpr bool Contains(const Rect& o) const
    {
        return o.left >= left && o.top >= top && o.right <= right && o.bottom <= bottom;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

class Image {
public:
    Image(int width, int height, Rgb fill = {});

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    Rect Bounds() const { return {0, 0, m_width, m_height}; }

    Rgb At(int x, int y) const { return m_pixels[Index(x, y)]; }
    // Drawing outside the image is clipped silently, so shapes may overhang their cells.
    void Set(int x, int y, Rgb c);
    // Mixes c over the pixel with the given coverage (0..1).
    void Blend(int x, int y, Rgb c, double coverage);

    // Copies the source rectangle of another image to (x, y) of this one.
    void Copy(const Image& source, const Rect& from, int x, int y);
    Image Crop(const Rect& r) const;

private:
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * m_width + x; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    int m_width;
    int m_height;
    std::vector<Rgb> m_pixels;
};

// Colour arithmetic.
Rgb Mix(Rgb a, Rgb b, double t); // t = 0 gives a, t = 1 gives b
Rgb Lighter(Rgb c, double t);
Rgb Darker(Rgb c, double t);
Rgb Greyed(Rgb c, double t); // toward the colour's own luminance

} // namespace skingen
