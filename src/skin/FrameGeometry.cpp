// Frame geometry and composition: the composition table derived from [FORMINFO] and its painting. Portable:
// no platform headers, draws through gfx only.
#include "skin/FrameGeometry.h"

#include "gfx/Draw.h"

#include <algorithm>

namespace skin {
namespace {

using gfx::Rect;
using gfx::Size;

gfx::Point ClampPoint(gfx::Point p, Size size)
{
    return {std::clamp(p.x, 0, size.width), std::clamp(p.y, 0, size.height)};
}

// Without a frame picture the skin's client rectangle is the best guess at the picture's extent.
Size PictureSizeOf(const SkinData& skin)
{
    if (const gfx::Bitmap* picture = skin.FramePicture()) {
        return {picture->Width(), picture->Height()};
    }
    const Rect c = skin.FormInfo().clientRect;
    return {std::max(c.right, 0), std::max(c.bottom, 0)};
}

// A piece cut along one axis: source ranges [start, cut1), [cut1, cut2), [cut2, end) of the picture, and the
// window range [areaStart, areaEnd) they fill.
struct Cuts {
    int start, cut1, cut2, end;
    int areaStart, areaEnd;
};

Cuts Ordered(Cuts c)
{
    c.cut1 = std::clamp(c.cut1, c.start, c.end);
    c.cut2 = std::clamp(c.cut2, c.cut1, c.end);
    return c;
}

// Builds a rectangle from a range along the piece's axis and the fixed range across it.
struct Axis {
    bool horizontal;
    int acrossSourceFrom, acrossSourceTo;
    int acrossTargetFrom, acrossTargetTo;

    Rect Source(int from, int to) const
    {
        return horizontal ? Rect{from, acrossSourceFrom, to, acrossSourceTo}
                          : Rect{acrossSourceFrom, from, acrossSourceTo, to};
    }
    Rect Target(int from, int to) const
    {
        return horizontal ? Rect{from, acrossTargetFrom, to, acrossTargetTo}
                          : Rect{acrossTargetFrom, from, acrossTargetTo, to};
    }
};

// A copied part placed at [at, at + length), clipped to the piece; the source is cut by the same amount.
void AddCopy(std::vector<FrameSlice>& out, FramePiece piece, const Axis& axis, const Cuts& c, int from, int to,
             int at)
{
    const int length = to - from;
    const int clippedStart = std::max(at, c.areaStart);
    const int clippedEnd = std::min(at + length, c.areaEnd);
    if (length <= 0 || clippedEnd <= clippedStart || axis.acrossTargetTo <= axis.acrossTargetFrom) {
        return;
    }
    const int skip = clippedStart - at;
    const int kept = clippedEnd - clippedStart;
    out.push_back({piece, SliceFill::Copy, axis.Source(from + skip, from + skip + kept),
                   axis.Target(clippedStart, clippedEnd)});
}

void AddPiece(std::vector<FrameSlice>& out, FramePiece piece, const Axis& axis, Cuts c)
{
    c = Ordered(c);
    const int startLength = c.cut1 - c.start;
    const int endLength = c.end - c.cut2;
    const int repeatFrom = c.areaStart + startLength;
    const int repeatTo = c.areaEnd - endLength;
    if (c.cut2 > c.cut1 && repeatTo > repeatFrom && axis.acrossTargetTo > axis.acrossTargetFrom) {
        out.push_back({piece, SliceFill::Repeat, axis.Source(c.cut1, c.cut2), axis.Target(repeatFrom, repeatTo)});
    }
    AddCopy(out, piece, axis, c, c.cut2, c.end, c.areaEnd - endLength);
    AddCopy(out, piece, axis, c, c.start, c.cut1, c.areaStart);
}

} // namespace

FrameGeometry::FrameGeometry(const SkinData& skin) : FrameGeometry(skin.FormInfo(), PictureSizeOf(skin)) {}

FrameGeometry::FrameGeometry(const FormInfo& info, gfx::Size pictureSize)
    : m_picture{std::max(pictureSize.width, 0), std::max(pictureSize.height, 0)}
{
    m_points = {ClampPoint(info.points.leftTop, m_picture), ClampPoint(info.points.rightTop, m_picture),
                ClampPoint(info.points.leftBottom, m_picture), ClampPoint(info.points.rightBottom, m_picture)};
    const Rect c = info.clientRect;
    const int left = std::clamp(c.left, 0, m_picture.width);
    const int top = std::clamp(c.top, 0, m_picture.height);
    m_client = {left, top, std::clamp(c.right, left, m_picture.width), std::clamp(c.bottom, top, m_picture.height)};
}

Rect FrameGeometry::Margins() const
{
    return {m_client.left, m_client.top, m_picture.width - m_client.right, m_picture.height - m_client.bottom};
}

Size FrameGeometry::NonClientSize() const
{
    const Rect m = Margins();
    return {m.left + m.right, m.top + m.bottom};
}

Size FrameGeometry::MinimumWindowSize() const { return {m_picture.width, m_picture.height - m_client.Height()}; }

Size FrameGeometry::EnforceMinimum(Size window) const
{
    const Size minimum = MinimumWindowSize();
    return {std::max(window.width, minimum.width), std::max(window.height, minimum.height)};
}

Size FrameGeometry::WindowSizeForClient(Size client) const
{
    const Size frame = NonClientSize();
    return {client.width + frame.width, client.height + frame.height};
}

Rect FrameGeometry::ClientRect(Size window) const
{
    const Rect m = Margins();
    const Rect r{m.left, m.top, window.width - m.right, window.height - m.bottom};
    return r.Empty() ? Rect{} : r;
}

gfx::Point FrameGeometry::Growth(Size window) const
{
    return {window.width - m_picture.width, window.height - m_picture.height};
}

std::vector<FrameSlice> FrameSlices(const FrameGeometry& geometry, Size window)
{
    const Size p = geometry.PictureSize();
    const Rect c = geometry.PictureClientRect();
    const CornerPoints& pt = geometry.Points();
    const Rect m = geometry.Margins();
    const int W = window.width;
    const int H = window.height;
    const int bandBottom = std::min(m.top, H);
    const int bottomTop = std::max(H - m.bottom, bandBottom);

    std::vector<FrameSlice> slices;
    AddPiece(slices, FramePiece::CaptionBand, {true, 0, c.top, 0, bandBottom},
             {0, pt.leftTop.x, pt.rightTop.x, p.width, 0, W});
    AddPiece(slices, FramePiece::LeftBorder, {false, 0, c.left, 0, std::min(m.left, W)},
             {c.top, pt.leftTop.y, pt.leftBottom.y, c.bottom, bandBottom, bottomTop});
    AddPiece(slices, FramePiece::RightBorder, {false, c.right, p.width, std::max(W - m.right, 0), W},
             {c.top, pt.rightTop.y, pt.rightBottom.y, c.bottom, bandBottom, bottomTop});
    AddPiece(slices, FramePiece::BottomBorder, {true, c.bottom, p.height, bottomTop, H},
             {0, pt.leftBottom.x, pt.rightBottom.x, p.width, 0, W});
    return slices;
}

void LayOutPicture(gfx::BitmapView window, gfx::ConstBitmapView picture, const FrameGeometry& geometry)
{
    const Size size{window.width, window.height};
    gfx::Tile(window, geometry.ClientRect(size), picture, geometry.PictureClientRect());
    for (const FrameSlice& slice : FrameSlices(geometry, size)) {
        gfx::Tile(window, slice.target, picture, slice.source);
    }
}

void ComposeFrame(gfx::BitmapView window, const SkinData& skin, Active active)
{
    const gfx::Bitmap* picture = skin.FramePicture();
    if (active == Active::No && skin.InactiveFramePicture()) {
        picture = skin.InactiveFramePicture();
    }
    if (!picture) {
        return;
    }
    const FrameGeometry geometry(skin);
    for (const FrameSlice& slice : FrameSlices(geometry, {window.width, window.height})) {
        gfx::Tile(window, slice.target, picture->View(), slice.source);
    }
}

void PaintClientBackground(gfx::BitmapView client, const SkinData& skin)
{
    if (const gfx::Bitmap* picture = skin.FramePicture()) {
        gfx::Tile(client, client.Bounds(), picture->View(), FrameGeometry(skin).PictureClientRect());
    }
}

} // namespace skin
