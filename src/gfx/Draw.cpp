// Pixel operations on bitmap views. Coordinates arrive as int but offsets between them are computed in 64 bits,
// so rectangles far outside the bitmaps (or spanning the whole int range) clip correctly instead of overflowing.
#include "gfx/Draw.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace gfx {
namespace {

bool IsEmpty(const ConstBitmapView& view) { return view.pixels == nullptr || view.width <= 0 || view.height <= 0; }

int64_t Extent(int low, int high) { return int64_t(high) - int64_t(low); }

// Copies `count` pixels per row for `rows` rows; walks bottom-up when the destination lies after the source in
// memory, so that overlapping moves within one bitmap stay correct.
void CopyRows(Pixel* dst, std::ptrdiff_t dstStride, const Pixel* src, std::ptrdiff_t srcStride, int count, int rows)
{
    const size_t bytes = size_t(count) * sizeof(Pixel);
    if (dst > src) {
        for (int y = rows - 1; y >= 0; --y) {
            std::memmove(dst + y * dstStride, src + y * srcStride, bytes);
        }
        return;
    }
    for (int y = 0; y < rows; ++y) {
        std::memmove(dst + y * dstStride, src + y * srcStride, bytes);
    }
}

// Source coordinate for each destination coordinate `first`..`first + count - 1` along one axis, or -1 where it
// falls outside the source. `dstLow` and `dstExtent` describe the destination rectangle, `srcLow` and
// `srcExtent` the source rectangle, `srcLimit` the source bitmap's size along the axis.
std::vector<int> NearestMap(int first, int count, int dstLow, int64_t dstExtent, int srcLow, int64_t srcExtent,
                            int srcLimit)
{
    std::vector<int> map(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        // Both factors are below 2^32, so the product fits in 64 unsigned bits.
        const uint64_t offset = uint64_t(int64_t(first) + i - dstLow);
        const int64_t source = int64_t(srcLow) + int64_t(offset * uint64_t(srcExtent) / uint64_t(dstExtent));
        map[size_t(i)] = (source >= 0 && source < srcLimit) ? int(source) : -1;
    }
    return map;
}

} // namespace

Rect ClipToArea(Rect rect, int width, int height)
{
    const Rect clipped{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, width),
                       std::min(rect.bottom, height)};
    if (clipped.left >= clipped.right || clipped.top >= clipped.bottom) {
        return {};
    }
    return clipped;
}

BitmapView SubView(BitmapView view, Rect rect)
{
    const Rect r = ClipToArea(rect, view.width, view.height);
    if (r.Empty() || view.pixels == nullptr) {
        return {};
    }
    return {view.Row(r.top) + r.left, r.Width(), r.Height(), view.stride};
}

ConstBitmapView SubView(ConstBitmapView view, Rect rect)
{
    const Rect r = ClipToArea(rect, view.width, view.height);
    if (r.Empty() || view.pixels == nullptr) {
        return {};
    }
    return {view.Row(r.top) + r.left, r.Width(), r.Height(), view.stride};
}

void Fill(BitmapView dst, Rect rect, Pixel color)
{
    const BitmapView area = SubView(dst, rect);
    for (int y = 0; y < area.height; ++y) {
        std::fill_n(area.Row(y), area.width, color);
    }
}

void Blit(BitmapView dst, Point at, ConstBitmapView src, Rect srcRect)
{
    if (IsEmpty(src) || IsEmpty(dst)) {
        return;
    }
    const Rect from = ClipToArea(srcRect, src.width, src.height);
    if (from.Empty()) {
        return;
    }
    // Where the clipped source lands, then that landing area clipped to the destination.
    const int64_t left = int64_t(at.x) + Extent(srcRect.left, from.left);
    const int64_t top = int64_t(at.y) + Extent(srcRect.top, from.top);
    const int64_t clipLeft = std::max<int64_t>(left, 0);
    const int64_t clipTop = std::max<int64_t>(top, 0);
    const int64_t clipRight = std::min<int64_t>(left + from.Width(), dst.width);
    const int64_t clipBottom = std::min<int64_t>(top + from.Height(), dst.height);
    if (clipLeft >= clipRight || clipTop >= clipBottom) {
        return;
    }
    const int srcX = from.left + int(clipLeft - left);
    const int srcY = from.top + int(clipTop - top);
    CopyRows(dst.Row(int(clipTop)) + clipLeft, dst.stride, src.Row(srcY) + srcX, src.stride,
             int(clipRight - clipLeft), int(clipBottom - clipTop));
}

void Tile(BitmapView dst, Rect dstRect, ConstBitmapView src, Rect srcRect)
{
    if (IsEmpty(src) || IsEmpty(dst)) {
        return;
    }
    const Rect unit = ClipToArea(srcRect, src.width, src.height);
    const Rect area = ClipToArea(dstRect, dst.width, dst.height);
    if (unit.Empty() || area.Empty()) {
        return;
    }
    const int64_t tileWidth = unit.Width();
    const int64_t tileHeight = unit.Height();
    const int64_t phaseX = Extent(dstRect.left, area.left) % tileWidth;
    for (int y = area.top; y < area.bottom; ++y) {
        const int srcY = unit.top + int(Extent(dstRect.top, y) % tileHeight);
        const Pixel* srcRow = src.Row(srcY) + unit.left;
        Pixel* dstRow = dst.Row(y);
        int64_t offset = phaseX;
        for (int x = area.left; x < area.right;) {
            const int count = int(std::min<int64_t>(tileWidth - offset, area.right - x));
            std::memmove(dstRow + x, srcRow + offset, size_t(count) * sizeof(Pixel));
            x += count;
            offset = 0;
        }
    }
}

void StretchNearest(BitmapView dst, Rect dstRect, ConstBitmapView src, Rect srcRect)
{
    const int64_t dstWidth = Extent(dstRect.left, dstRect.right);
    const int64_t dstHeight = Extent(dstRect.top, dstRect.bottom);
    const int64_t srcWidth = Extent(srcRect.left, srcRect.right);
    const int64_t srcHeight = Extent(srcRect.top, srcRect.bottom);
    if (IsEmpty(src) || IsEmpty(dst) || dstWidth <= 0 || dstHeight <= 0 || srcWidth <= 0 || srcHeight <= 0) {
        return;
    }
    const Rect area = ClipToArea(dstRect, dst.width, dst.height);
    if (area.Empty()) {
        return;
    }
    const std::vector<int> columns =
        NearestMap(area.left, area.Width(), dstRect.left, dstWidth, srcRect.left, srcWidth, src.width);
    const std::vector<int> rows =
        NearestMap(area.top, area.Height(), dstRect.top, dstHeight, srcRect.top, srcHeight, src.height);
    for (int y = 0; y < area.Height(); ++y) {
        if (rows[size_t(y)] < 0) {
            continue;
        }
        const Pixel* srcRow = src.Row(rows[size_t(y)]);
        Pixel* dstRow = dst.Row(area.top + y) + area.left;
        for (int x = 0; x < area.Width(); ++x) {
            const int sx = columns[size_t(x)];
            if (sx >= 0) {
                dstRow[x] = srcRow[sx];
            }
        }
    }
}

} // namespace gfx
