// Points, sizes and rectangles in pixels. Rectangles are left, top, right, bottom with right and bottom
// outside, as in the skin definition and in Win32. Portable: no platform headers.
#pragma once

#include <algorithm>

namespace gfx {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static Rect FromSize(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    Size GetSize() const { return {Width(), Height()}; }
    Point TopLeft() const { return {left, top}; }
    // A rectangle with width or height below 1 is empty.
    bool Empty() const { return Width() < 1 || Height() < 1; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Rect Intersect(const Rect& o) const
    {
        Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
        return r.Empty() ? Rect{} : r;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace gfx
