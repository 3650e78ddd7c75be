// Shapes from masks and their rectangles. Portable: no platform headers, draws through gfx only.
#include "skin/FrameShape.h"

#include "gfx/Draw.h"

#include <algorithm>

namespace skin {
namespace {

constexpr gfx::Pixel kInside = gfx::Rgb(0, 0, 0);

std::vector<Span> RowSpans(gfx::ConstBitmapView mask, int y)
{
    std::vector<Span> spans;
    const gfx::Pixel* row = mask.Row(y);
    int x = 0;
    while (x < mask.width) {
        while (x < mask.width && !MaskPixelInside(row[x])) {
            ++x;
        }
        const int left = x;
        while (x < mask.width && MaskPixelInside(row[x])) {
            ++x;
        }
        if (x > left) {
            spans.push_back({left, x});
        }
    }
    return spans;
}

// maskrectarea keeps its left and top; its right and bottom keep their distance from the picture's edges.
gfx::Rect AlwaysInside(const SkinData& skin, const FrameGeometry& geometry, gfx::Size window)
{
    const gfx::Rect area = skin.FormInfo().maskRectArea;
    if (area.Empty()) {
        return {};
    }
    const gfx::Point growth = geometry.Growth(window);
    return {area.left, area.top, area.right + growth.x, area.bottom + growth.y};
}

} // namespace

bool Shape::Contains(gfx::Point p) const
{
    if (p.y < 0 || p.y >= static_cast<int>(rows.size())) {
        return false;
    }
    const auto& spans = rows[static_cast<size_t>(p.y)];
    return std::any_of(spans.begin(), spans.end(), [&](const Span& s) { return p.x >= s.left && p.x < s.right; });
}

bool MaskPixelInside(gfx::Pixel p) { return (p & 0x00FFFFFFu) == 0; }

Shape ShapeFromMask(gfx::ConstBitmapView mask)
{
    Shape shape;
    shape.size = {std::max(mask.width, 0), std::max(mask.height, 0)};
    for (int y = 0; y < shape.size.height; ++y) {
        shape.rows.push_back(RowSpans(mask, y));
    }
    return shape;
}

Shape LaidOutMaskShape(const gfx::Bitmap* mask, const FrameGeometry& geometry, gfx::Size window,
                       gfx::Rect alwaysInside)
{
    if (window.width <= 0 || window.height <= 0) {
        return {{std::max(window.width, 0), std::max(window.height, 0)}, {}};
    }
    gfx::Bitmap laidOut(window.width, window.height, kInside);
    if (mask) {
        LayOutPicture(laidOut.View(), mask->View(), geometry);
    }
    gfx::Fill(laidOut.View(), alwaysInside, kInside);
    return ShapeFromMask(laidOut.View());
}

Shape MakeFrameShape(const SkinData& skin, gfx::Size window)
{
    const FrameGeometry geometry(skin);
    return LaidOutMaskShape(skin.MaskPicture(), geometry, window, AlwaysInside(skin, geometry, window));
}

std::vector<gfx::Rect> ShapeRectangles(const Shape& shape)
{
    std::vector<gfx::Rect> rects;
    size_t y = 0;
    while (y < shape.rows.size()) {
        size_t end = y + 1;
        while (end < shape.rows.size() && shape.rows[end] == shape.rows[y]) {
            ++end;
        }
        for (const Span& s : shape.rows[y]) {
            rects.push_back({s.left, static_cast<int>(y), s.right, static_cast<int>(end)});
        }
        y = end;
    }
    return rects;
}

} // namespace skin
