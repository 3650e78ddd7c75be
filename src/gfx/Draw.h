// Pixel operations on bitmap views: fill, copy, tile and nearest-neighbour stretch. Every operation clips to
// both the source and the destination and never touches a pixel outside them. Portable: no platform headers.
#pragma once

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"

namespace gfx {

// `rect` clipped to a width × height area at the origin; an empty Rect{} when nothing is left. Safe for any
// int coordinates (no overflow even for rectangles spanning the whole int range).
Rect ClipToArea(Rect rect, int width, int height);

// A view of the part of `view` inside `rect` (clipped); its pixel (0, 0) is `rect`'s clipped top-left.
BitmapView SubView(BitmapView view, Rect rect);
ConstBitmapView SubView(ConstBitmapView view, Rect rect);

void Fill(BitmapView dst, Rect rect, Pixel color);

// Copies `srcRect` of `src` so that its top-left lands on `at`. Source pixels outside `src` are not copied and
// the others keep their place relative to `at`.
void Blit(BitmapView dst, Point at, ConstBitmapView src, Rect srcRect);

// Repeats `srcRect` (clipped to `src`) side by side and row under row from `dstRect`'s top-left corner; the last
// copies are cut at `dstRect`'s right and bottom edges.
void Tile(BitmapView dst, Rect dstRect, ConstBitmapView src, Rect srcRect);

// Scales `srcRect` to exactly cover `dstRect` by dropping or repeating pixels, without smoothing, as Win32's
// StretchBlt does in COLORONCOLOR mode: destination column x shows source column
// srcRect.left + floor((x - dstRect.left) * srcRect.Width() / dstRect.Width()), and the same for rows.
// Destination pixels whose source pixel lies outside `src` are left unchanged. Empty rectangles draw nothing.
void StretchNearest(BitmapView dst, Rect dstRect, ConstBitmapView src, Rect srcRect);

} // namespace gfx
