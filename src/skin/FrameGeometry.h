// The skinned main-window frame's geometry and pixels: frame widths, sizes, the composition of the four frame
// pieces from the frame picture, and the client background. Pure functions of the skin and the window size;
// portable: no platform headers, draws through gfx only.
#pragma once

#include "gfx/Bitmap.h"
#include "gfx/Geometry.h"
#include "skin/SkinData.h"

#include <vector>

namespace skin {

enum class Active { No, Yes };

// The frame's measures, taken from [FORMINFO] and the frame picture's size. The values are clamped into the
// picture when read, so that a careless skin can neither make a frame part negative nor point outside it.
class FrameGeometry {
public:
    explicit FrameGeometry(const SkinData& skin);
    FrameGeometry(const FormInfo& info, gfx::Size pictureSize);

    gfx::Size PictureSize() const { return m_picture; }
    const CornerPoints& Points() const { return m_points; }
    // [FORMINFO] clientrect: the frame picture's client piece; its margins are the frame widths.
    gfx::Rect PictureClientRect() const { return m_client; }
    // Frame widths as a rectangle of margins: left, top, right, bottom.
    gfx::Rect Margins() const;
    gfx::Size NonClientSize() const;
    // The picture's width by the picture's height less the client piece's height: smaller, the fixed parts of
    // the frame would overlap.
    gfx::Size MinimumWindowSize() const;
    gfx::Size EnforceMinimum(gfx::Size window) const;
    gfx::Size WindowSizeForClient(gfx::Size client) const;
    // Window coordinates; empty once the window is too small for any client area.
    gfx::Rect ClientRect(gfx::Size window) const;
    // How far the right and bottom parts of the picture move in a window of this size.
    gfx::Point Growth(gfx::Size window) const;

private:
    gfx::Size m_picture;
    CornerPoints m_points;
    gfx::Rect m_client;
};

// The four pieces painted around the client area.
enum class FramePiece { CaptionBand, LeftBorder, RightBorder, BottomBorder };
enum class SliceFill { Copy, Repeat };

// One step of the composition: `source` (in the frame picture) goes to `target` (in the window), copied once
// or repeated from target's top-left; for a copy both have the same size.
struct FrameSlice {
    FramePiece piece = FramePiece::CaptionBand;
    SliceFill fill = SliceFill::Copy;
    gfx::Rect source;
    gfx::Rect target;
    friend bool operator==(const FrameSlice&, const FrameSlice&) = default;
};

// The composition table for a window size, in painting order. Each piece is cut into the part before the
// corner points (copied at the piece's start), the strip between them (repeated) and the part after them
// (copied at the piece's end); with c = clientrect, p = picture size and lt, rt, lb, rb the corner points:
//
//   piece          window area                 along  start          repeated       end
//   caption band   0,0 .. W,c.top              x      [0, lt.x)      [lt.x, rt.x)   [rt.x, p.w)
//   bottom border  0,H-(p.h-c.bottom) .. W,H   x      [0, lb.x)      [lb.x, rb.x)   [rb.x, p.w)
//   left border    0,c.top .. c.left,bottom    y      [c.top, lt.y)  [lt.y, lb.y)   [lb.y, c.bottom)
//   right border   W-(p.w-c.right),c.top ..    y      [c.top, rt.y)  [rt.y, rb.y)   [rb.y, c.bottom)
//
// Across a piece the source is the picture's matching band: rows [0, c.top) for the caption band, rows
// [c.bottom, p.h) for the bottom border, columns [0, c.left) and [c.right, p.w) for the borders. Every target
// is clipped to its piece, so nothing reaches the client area; in a window too small for both ends the start
// is painted last and wins. Slices with nothing to paint are left out.
std::vector<FrameSlice> FrameSlices(const FrameGeometry& geometry, gfx::Size window);

// Paints the four pieces into `window` (the whole window, W x H) from the frame picture, or from the inactive
// frame picture while the window is inactive (the frame picture when the skin has no inactive one). The
// client area is not touched.
void ComposeFrame(gfx::BitmapView window, const SkinData& skin, Active active);

// Paints `picture` laid out like the frame: the four pieces, and the client area tiled with the picture's
// client piece. Used for the shape, whose mask is laid out over the whole window.
void LayOutPicture(gfx::BitmapView window, gfx::ConstBitmapView picture, const FrameGeometry& geometry);

// Repeats the frame picture's client piece from the client area's top-left; the frame picture even while the
// window is inactive.
void PaintClientBackground(gfx::BitmapView client, const SkinData& skin);

} // namespace skin
