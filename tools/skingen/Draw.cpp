// Drawing operations on the generator's image. Standard library only.
#include "Draw.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace skingen {

void FillRect(Image& img, const Rect& r, Rgb c)
{
    for (int y = r.top; y < r.bottom; ++y) {
        HLine(img, r.left, r.right, y, c);
    }
}

void HLine(Image& img, int left, int right, int y, Rgb c)
{
    for (int x = left; x < right; ++x) {
        img.Set(x, y, c);
    }
}

void VLine(Image& img, int x, int top, int bottom, Rgb c)
{
    for (int y = top; y < bottom; ++y) {
        img.Set(x, y, c);
    }
}

void FrameRect(Image& img, const Rect& r, Rgb c)
{
    HLine(img, r.left, r.right, r.top, c);
    HLine(img, r.left, r.right, r.bottom - 1, c);
    VLine(img, r.left, r.top, r.bottom, c);
    VLine(img, r.right - 1, r.top, r.bottom, c);
}

Rgb GradientAt(std::initializer_list<ColorStop> stops, int row, int rows)
{
    const std::vector<ColorStop> s(stops);
    const double t = rows > 1 ? double(row) / (rows - 1) : 0.0;
    if (t <= s.front().at) {
        return s.front().color;
    }
    for (size_t i = 1; i < s.size(); ++i) {
        if (t <= s[i].at) {
            const double span = s[i].at - s[i - 1].at;
            return Mix(s[i - 1].color, s[i].color, span > 0 ? (t - s[i - 1].at) / span : 1.0);
        }
    }
    return s.back().color;
}

void VerticalGradient(Image& img, const Rect& r, std::initializer_list<ColorStop> stops)
{
    for (int y = r.top; y < r.bottom; ++y) {
        HLine(img, r.left, r.right, y, GradientAt(stops, y - r.top, r.Height()));
    }
}

void HorizontalGradient(Image& img, const Rect& r, std::initializer_list<ColorStop> stops)
{
    for (int x = r.left; x < r.right; ++x) {
        VLine(img, x, r.top, r.bottom, GradientAt(stops, x - r.left, r.Width()));
    }
}

void RoundFrame(Image& img, const Rect& r, Rgb c, int radius)
{
    HLine(img, r.left + radius, r.right - radius, r.top, c);
    HLine(img, r.left + radius, r.right - radius, r.bottom - 1, c);
    VLine(img, r.left, r.top + radius, r.bottom - radius, c);
    VLine(img, r.right - 1, r.top + radius, r.bottom - radius, c);
    if (radius == 2) {
        img.Set(r.left + 1, r.top + 1, c);
        img.Set(r.right - 2, r.top + 1, c);
        img.Set(r.left + 1, r.bottom - 2, c);
        img.Set(r.right - 2, r.bottom - 2, c);
    }
}

void SoftCorners(Image& img, const Rect& r, Rgb edge, Rgb outside, int radius)
{
    const Rgb soft = Mix(edge, outside, 0.55);
    const int in = radius - 1;
    for (int k = 0; k < radius; ++k) {
        // The pixels the round outline skips at each corner.
        const int dx = k;
        const int dy = in - k;
        img.Set(r.left + dx, r.top + dy, soft);
        img.Set(r.right - 1 - dx, r.top + dy, soft);
        img.Set(r.left + dx, r.bottom - 1 - dy, soft);
        img.Set(r.right - 1 - dx, r.bottom - 1 - dy, soft);
    }
    if (radius == 2) {
        img.Set(r.left, r.top, outside);
        img.Set(r.right - 1, r.top, outside);
        img.Set(r.left, r.bottom - 1, outside);
        img.Set(r.right - 1, r.bottom - 1, outside);
    }
}

void Arrow(Image& img, int cx, int cy, Direction d, int size, Rgb c)
{
    // Rows from the base (size pixels wide, odd) to the tip (one pixel), centred on (cx, cy).
    const int depth = (size + 1) / 2;
    const int first = -(depth / 2);
    for (int i = 0; i < depth; ++i) {
        const int half = (size - 1) / 2 - i;
        const int along = first + i;
        for (int k = -half; k <= half; ++k) {
            switch (d) {
            case Direction::Down: img.Set(cx + k, cy + along, c); break;
            case Direction::Up: img.Set(cx + k, cy - along, c); break;
            case Direction::Right: img.Set(cx + along, cy + k, c); break;
            case Direction::Left: img.Set(cx - along, cy + k, c); break;
            }
        }
    }
}

void CheckMark(Image& img, int x, int y, Rgb c)
{
    // A tick three pixels thick: down from the left, then up to the right.
    static const int kRise[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int i = 0; i < 7; ++i) {
        VLine(img, x + i, y + kRise[i], y + kRise[i] + 3, c);
    }
}

void Cross(Image& img, const Rect& r, int thickness, Rgb c)
{
    const int n = std::min(r.Width(), r.Height());
    for (int i = 0; i < n; ++i) {
        for (int t = 0; t < thickness; ++t) {
            img.Set(r.left + std::min(i + t, n - 1), r.top + i, c);
            img.Set(r.left + n - 1 - std::min(i + t, n - 1), r.top + i, c);
        }
    }
}

namespace {

// Fraction of pixel (x, y) whose sub-samples satisfy `inside`.
template <typename Inside>
double Coverage(int x, int y, Inside inside)
{
    constexpr int kSub = 4;
    int hits = 0;
    for (int sy = 0; sy < kSub; ++sy) {
        for (int sx = 0; sx < kSub; ++sx) {
            hits += inside(x + (sx + 0.5) / kSub, y + (sy + 0.5) / kSub) ? 1 : 0;
        }
    }
    return double(hits) / (kSub * kSub);
}

} // namespace

void Disc(Image& img, double cx, double cy, double radius, Rgb c)
{
    const double ox = cx + 0.5;
    const double oy = cy + 0.5;
    for (int y = int(std::floor(cy - radius)); y <= int(std::ceil(cy + radius)); ++y) {
        for (int x = int(std::floor(cx - radius)); x <= int(std::ceil(cx + radius)); ++x) {
            img.Blend(x, y, c, Coverage(x, y, [&](double px, double py) {
                return (px - ox) * (px - ox) + (py - oy) * (py - oy) <= radius * radius;
            }));
        }
    }
}

void Ring(Image& img, double cx, double cy, double radius, double width, Rgb c)
{
    const double ox = cx + 0.5;
    const double oy = cy + 0.5;
    const double inner = radius - width;
    for (int y = int(std::floor(cy - radius)); y <= int(std::ceil(cy + radius)); ++y) {
        for (int x = int(std::floor(cx - radius)); x <= int(std::ceil(cx + radius)); ++x) {
            img.Blend(x, y, c, Coverage(x, y, [&](double px, double py) {
                const double d2 = (px - ox) * (px - ox) + (py - oy) * (py - oy);
                return d2 <= radius * radius && d2 >= inner * inner;
            }));
        }
    }
}

void GripDots(Image& img, const Rect& r, Direction along, Rgb light, Rgb dark)
{
    const bool vertical = along == Direction::Up || along == Direction::Down;
    const int length = vertical ? r.Height() : r.Width();
    for (int i = 0; i + 2 <= length; i += 4) {
        const int x = vertical ? r.left : r.left + i;
        const int y = vertical ? r.top + i : r.top;
        img.Set(x + 1, y + 1, dark);
        img.Set(x, y, light);
        img.Set(x + 1, y, Mix(light, dark, 0.4));
        img.Set(x, y + 1, Mix(light, dark, 0.4));
    }
}

} // namespace skingen
