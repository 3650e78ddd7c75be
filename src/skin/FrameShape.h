// Window shapes made from skin masks: the main window's frame shape and the rectangles a platform region is
// built from. Pure functions of the skin and the window size; portable: no platform headers.
#pragma once

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"
#include "skin/FrameGeometry.h"
#include "skin/SkinData.h"

#include <vector>

namespace skin {

// A run of pixels of one row that belong to the shape: [left, right).
struct Span {
    int left = 0;
    int right = 0;
    friend bool operator==(const Span&, const Span&) = default;
};

// The pixels of a window of `size` that belong to it, row by row, as sorted runs that neither touch nor overlap.
struct Shape {
    gfx::Size size;
    std::vector<std::vector<Span>> rows;

    bool Contains(gfx::Point p) const;
};

// Black mask pixels belong to the shape, any other colour does not.
bool MaskPixelInside(gfx::Pixel p);
Shape ShapeFromMask(gfx::ConstBitmapView mask);

// `mask` laid out over a window like a frame picture with `geometry` (LayOutPicture), plus `alwaysInside`.
// Without a mask the whole window is inside, and so is any part of the window the mask does not reach.
Shape LaidOutMaskShape(const gfx::Bitmap* mask, const FrameGeometry& geometry, gfx::Size window,
                       gfx::Rect alwaysInside);

// The main window's shape: the frame mask laid out over the window like the frame picture (its parts beyond the
// corner points at the window's corners, the strips between repeated, the client piece tiled over the client
// area), with [FORMINFO] maskrectarea always inside; that rectangle keeps its left and top and its right and
// bottom move with the window's size (3,4,149,122 becomes 3,4 to W-3,H-3). Without a mask the whole window
// is inside, and so is any part of the window the mask does not reach.
Shape MakeFrameShape(const SkinData& skin, gfx::Size window);

// The shape as rectangles: the runs of each row, then identical consecutive rows merged into one taller
// rectangle. Ordered top to bottom, left to right.
std::vector<gfx::Rect> ShapeRectangles(const Shape& shape);

} // namespace skin
