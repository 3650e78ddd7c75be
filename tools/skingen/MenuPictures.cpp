// Popup menu, menu item and hint pictures. The popup and hint windows are light faces with a thin green
// outline that follows their slightly rounded corners; their edges are the same all along so that the
// windows can repeat them to any size. Standard library only.
#include "MenuPictures.h"

#include "Draw.h"
#include "Layout.h"
#include "Looks.h"
#include "Theme.h"

#include <algorithm>

namespace skingen {

using namespace theme;

namespace {

// Both small windows lose two pixels at each end of their outer rows and one pixel on the rows next to them.
bool InsideRounded(int x, int y, int w, int h)
{
    const int fromEdge = std::min(y, h - 1 - y);
    const int cut = fromEdge == 0 ? 2 : fromEdge == 1 ? 1 : 0;
    return x >= cut && x < w - cut;
}

bool OnOutline(int x, int y, int w, int h)
{
    if (!InsideRounded(x, y, w, h)) {
        return false;
    }
    auto outside = [&](int px, int py) {
        return px < 0 || py < 0 || px >= w || py >= h || !InsideRounded(px, py, w, h);
    };
    return outside(x - 1, y) || outside(x + 1, y) || outside(x, y - 1) || outside(x, y + 1);
}

Image RoundedWindow(int w, int h, Rgb face, Rgb edge, Rgb inner)
{
    Image img(w, h, face);
    FrameRect(img, Rect{1, 1, w - 1, h - 1}, inner);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!InsideRounded(x, y, w, h)) {
                img.Set(x, y, kOutside);
            } else if (OnOutline(x, y, w, h)) {
                img.Set(x, y, edge);
            }
        }
    }
    return img;
}

Image RoundedMask(int w, int h)
{
    Image img(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            img.Set(x, y, InsideRounded(x, y, w, h) ? Rgb{0, 0, 0} : Rgb{255, 255, 255});
        }
    }
    return img;
}

void BarBackground(Image& img, const Rect& r)
{
    VerticalGradient(img, r, {{0.0, kFaceTop}, {1.0, kFace}});
}

void BarItem(Image& img, const Rect& r, State state)
{
    BarBackground(img, r);
    if (state == State::Hot) {
        SelectionBand(img, r, true);
    } else if (state == State::Down) {
        VerticalGradient(img, r, {{0.0, kSelectBottom}, {1.0, kSelectTop}});
        RoundFrame(img, r, kSelectEdge, 1);
    }
}

enum class BarGlyph { SysMenu, Close, Maximize, Minimize };

void BarButton(Image& img, const Rect& r, State state, BarGlyph glyph)
{
    BarItem(img, r, state);
    const int x = r.left + 3;
    const int y = r.top + 2;
    switch (glyph) {
    case BarGlyph::SysMenu:
        FillRect(img, Rect::Sized(x, y, 7, 7), kScrollGlyph);
        FillRect(img, Rect::Sized(x + 1, y + 2, 5, 4), kFieldFill);
        break;
    case BarGlyph::Close: Cross(img, Rect::Sized(x, y, 7, 7), 2, kScrollGlyph); break;
    case BarGlyph::Maximize:
        FrameRect(img, Rect::Sized(x, y, 7, 7), kScrollGlyph);
        HLine(img, x, x + 7, y + 1, kScrollGlyph);
        break;
    case BarGlyph::Minimize: FillRect(img, Rect::Sized(x, y + 5, 5, 2), kScrollGlyph); break;
    }
}

void BarButtons(Image& img, const layout::Looks& looks, BarGlyph glyph)
{
    BarButton(img, looks.normal, State::Normal, glyph);
    BarButton(img, looks.hot, State::Hot, glyph);
    BarButton(img, looks.down, State::Down, glyph);
}

} // namespace

Image DrawPopupWindow()
{
    namespace p = layout::popup;
    return RoundedWindow(p::kWidth, p::kHeight, kMenuFace, kMenuEdge, kMenuInnerEdge);
}

Image DrawPopupMask()
{
    return RoundedMask(layout::popup::kWidth, layout::popup::kHeight);
}

Image DrawMenuItems()
{
    namespace m = layout::menu;
    Image img(m::kWidth, m::kHeight, kMenuFace);
    // Menu items are repeated whole across the menu's width, so the highlight and the divider have no ends.
    const Rect active = m::kActiveItem;
    VerticalGradient(img, active, {{0.0, Lighter(kSelectTop, 0.4)}, {0.15, kSelectTop}, {1.0, kSelectBottom}});
    HLine(img, active.left, active.right, active.top, kSelectEdge);
    HLine(img, active.left, active.right, active.bottom - 1, kSelectEdge);
    // The divider's first row is the normal item's last row: both are plain menu face.
    const int line = m::kDivider.top + 3;
    HLine(img, m::kDivider.left, m::kDivider.right, line, kMenuDivider);
    HLine(img, m::kDivider.left, m::kDivider.right, line + 1, kFieldFill);
    BarItem(img, m::kBarItem.normal, State::Normal);
    BarItem(img, m::kBarItem.hot, State::Hot);
    BarItem(img, m::kBarItem.down, State::Down);
    BarButtons(img, m::kBarSysMenu, BarGlyph::SysMenu);
    BarButtons(img, m::kBarClose, BarGlyph::Close);
    BarButtons(img, m::kBarMaximize, BarGlyph::Maximize);
    BarButtons(img, m::kBarMinimize, BarGlyph::Minimize);
    return img;
}

Image DrawHintWindow()
{
    namespace h = layout::hint;
    return RoundedWindow(h::kWidth, h::kHeight, kHintFace, kHintEdge, kFieldFill);
}

Image DrawHintMask()
{
    return RoundedMask(layout::hint::kWidth, layout::hint::kHeight);
}

} // namespace skingen
