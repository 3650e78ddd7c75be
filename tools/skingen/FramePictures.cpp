// The main window's frame pictures. The caption band is a vertical gradient that is the same in every column,
// so that the frame can repeat its middle columns; the side and bottom borders are the same along their length
// for the same reason. Standard library only.
#include "FramePictures.h"

#include "Draw.h"
#include "Layout.h"
#include "Theme.h"

#include <algorithm>
#include <array>
#include <vector>

namespace skingen {

namespace f = layout::frame;
namespace b = layout::buttons;

namespace {

enum class CapGlyph { Close, Minimize, Maximize, Restore, RollUp, Unroll };
enum class CapState { Normal, Hot, Down };

struct Anchor {
    int row;
    Rgb color;
};

Rgb Interpolate(const std::vector<Anchor>& anchors, int row)
{
    for (size_t i = 1; i < anchors.size(); ++i) {
        if (row <= anchors[i].row) {
            const auto& a = anchors[i - 1];
            const auto& z = anchors[i];
            return Mix(a.color, z.color, double(row - a.row) / (z.row - a.row));
        }
    }
    return anchors.back().color;
}

// Colour of caption band row `row` (0..28) away from the window's edges.
Rgb CaptionRow(int row)
{
    using namespace theme;
    static const std::vector<Anchor> kAnchors = {
        {0, kCaptionHighlight},  {1, kCaptionHighlight}, {3, kCaptionTop},
        {7, kCaptionUpper},      {15, kCaptionMiddle},   {23, kCaptionLower},
        {26, kCaptionBottom},    {28, kBorderFace},
    };
    return Interpolate(kAnchors, row);
}

// Distance of every pixel from the outside of the shape, in 4-connected steps, capped at 5.
std::vector<int> EdgeDistances()
{
    std::vector<int> d(size_t(f::kWidth) * f::kHeight, 5);
    auto at = [&](int x, int y) -> int {
        if (x < 0 || y < 0 || x >= f::kWidth || y >= f::kHeight || !InsideFrameShape(x, y)) {
            return -1;
        }
        return d[size_t(y) * f::kWidth + x];
    };
    for (int pass = 0; pass < 5; ++pass) {
        for (int y = 0; y < f::kHeight; ++y) {
            for (int x = 0; x < f::kWidth; ++x) {
                if (InsideFrameShape(x, y)) {
                    const int n = std::min({at(x - 1, y), at(x + 1, y), at(x, y - 1), at(x, y + 1)});
                    d[size_t(y) * f::kWidth + x] = std::min(d[size_t(y) * f::kWidth + x], n + 1);
                }
            }
        }
    }
    return d;
}

// The second ring of the frame catches the light on the top and left sides and is shaded on the others.
Rgb RingColor(const std::vector<int>& d, int x, int y, Rgb base)
{
    const bool lit = (y > 0 && d[size_t(y - 1) * f::kWidth + x] == 0 && y < f::kCaptionRows) ||
                     (x > 0 && d[size_t(y) * f::kWidth + x - 1] == 0) || (y > 0 && !InsideFrameShape(x, y - 1));
    if (y < f::kCaptionRows) {
        return lit ? Lighter(base, 0.45) : Darker(base, 0.12);
    }
    return lit ? theme::kBorderLight : theme::kBorderShade;
}

Rgb BorderColor(int depth)
{
    switch (depth) {
    case 2: return theme::kBorderFace;
    case 3: return Mix(theme::kBorderFace, theme::kBorderShade, 0.5);
    default: return theme::kFrameInnerEdge;
    }
}

void PaintBand(Image& img)
{
    const auto d = EdgeDistances();
    for (int y = 0; y < f::kHeight; ++y) {
        for (int x = 0; x < f::kWidth; ++x) {
            const int depth = d[size_t(y) * f::kWidth + x];
            const Rgb base = y < f::kCaptionRows ? CaptionRow(y) : BorderColor(depth);
            Rgb c = base;
            if (!InsideFrameShape(x, y)) {
                c = theme::kOutside;
            } else if (depth == 0) {
                c = theme::kFrameOutline;
            } else if (depth == 1) {
                c = RingColor(d, x, y, base);
            }
            img.Set(x, y, c);
        }
    }
    const Rect inner = f::kClient.Inset(-1);
    FrameRect(img, inner, theme::kFrameInnerEdge);
    FillRect(img, f::kClient, theme::kClient);
}

// ---- caption buttons ----

Rgb FaceColor(bool close, CapState state, int x, int y)
{
    const Rgb top = close ? theme::kCloseTop : theme::kCapButtonTop;
    const Rgb bottom = close ? theme::kCloseBottom : theme::kCapButtonBottom;
    // Light falls from the top left: the gradient runs a little diagonally.
    double t = (y + 0.3 * x) / (20 * 1.3);
    if (state == CapState::Down) {
        t = 1.0 - t * 0.8;
    }
    Rgb c = Mix(top, bottom, t);
    if (state == CapState::Hot) {
        c = Lighter(c, 0.22);
    } else if (state == CapState::Down) {
        c = Darker(c, 0.14);
    }
    return c;
}

Rgb EdgeColor(CapState state)
{
    switch (state) {
    case CapState::Hot: return {255, 255, 255};
    case CapState::Down: return Mix(theme::kCapButtonEdge, theme::kCapButtonBottom, 0.35);
    default: return theme::kCapButtonEdge;
    }
}

void PaintFace(Image& img, const Rect& r, bool close, CapState state)
{
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            img.Set(x, y, FaceColor(close, state, x - r.left, y - r.top));
        }
    }
}

void Window(Image& img, int x, int y, int w, int h, Rgb c)
{
    FrameRect(img, Rect::Sized(x, y, w, h), c);
    HLine(img, x, x + w, y + 1, c);
}

// Glyph shapes in button coordinates, drawn at an offset of (dx, dy) in colour c.
void GlyphShape(Image& img, int x0, int y0, CapGlyph glyph, Rgb c)
{
    switch (glyph) {
    case CapGlyph::Close: Cross(img, Rect::Sized(x0 + 6, y0 + 6, 9, 9), 2, c); break;
    case CapGlyph::Minimize: FillRect(img, Rect::Sized(x0 + 6, y0 + 12, 7, 3), c); break;
    case CapGlyph::Maximize: Window(img, x0 + 5, y0 + 5, 11, 10, c); break;
    case CapGlyph::Restore: Window(img, x0 + 8, y0 + 4, 8, 7, c); break;
    case CapGlyph::RollUp:
        FillRect(img, Rect::Sized(x0 + 5, y0 + 5, 11, 2), c);
        Arrow(img, x0 + 10, y0 + 11, Direction::Up, 9, c);
        break;
    case CapGlyph::Unroll:
        Arrow(img, x0 + 10, y0 + 9, Direction::Down, 9, c);
        FillRect(img, Rect::Sized(x0 + 5, y0 + 14, 11, 2), c);
        break;
    }
}

// Glyphs are drawn twice: a darker copy one pixel down and right gives them depth on the face.
void PaintGlyph(Image& img, int x0, int y0, CapGlyph glyph, bool close, CapState state)
{
    const Rgb shadow = Darker(FaceColor(close, state, 10, 10), 0.3);
    GlyphShape(img, x0 + 1, y0 + 1, glyph, shadow);
    GlyphShape(img, x0, y0, glyph, theme::kCapGlyph);
    if (glyph != CapGlyph::Restore) {
        return;
    }
    // The front window of the restore glyph hides the back one.
    for (int y = 8; y < 17; ++y) {
        for (int x = 4; x < 13; ++x) {
            img.Set(x0 + x, y0 + y, FaceColor(close, state, x, y));
        }
    }
    Window(img, x0 + 5, y0 + 9, 8, 8, shadow);
    Window(img, x0 + 4, y0 + 8, 8, 8, theme::kCapGlyph);
}

// A 21 x 21 caption button. Its corner pixels are a fixed blend rather than the caption behind them, so that
// looks stacked in the button picture may share their outline rows.
void PaintCaptionButton(Image& img, int x, int y, CapGlyph glyph, CapState state)
{
    const bool close = glyph == CapGlyph::Close;
    const Rect r = Rect::Sized(x, y, b::kSize, b::kSize);
    PaintFace(img, r, close, state);
    const Rgb edge = EdgeColor(state);
    const Rect inner = r.Inset(1);
    HLine(img, inner.left, inner.right, inner.top, Mix(FaceColor(close, state, 10, 1), edge, 0.35));
    VLine(img, inner.left, inner.top, inner.bottom, Mix(FaceColor(close, state, 1, 10), edge, 0.25));
    HLine(img, inner.left, inner.right, inner.bottom - 1, Darker(FaceColor(close, state, 10, 19), 0.12));
    VLine(img, inner.right - 1, inner.top, inner.bottom, Darker(FaceColor(close, state, 19, 10), 0.1));
    RoundFrame(img, r, edge, 1);
    const Rgb corner = Mix(edge, theme::kCaptionMiddle, 0.6);
    for (auto [cx, cy] : std::array<std::pair<int, int>, 4>{{{0, 0}, {20, 0}, {0, 20}, {20, 20}}}) {
        img.Set(x + cx, y + cy, corner);
    }
    PaintGlyph(img, x, y, glyph, close, state);
}

// The system-menu emblem, a small installation disc, over the caption rows it covers.
void PaintSysMenu(Image& img, const Rect& r, CapState state)
{
    for (int y = r.top; y < r.bottom; ++y) {
        HLine(img, r.left, r.right, y, CaptionRow(f::kSysMenu.top + y - r.top));
    }
    auto tone = [state](Rgb c) {
        return state == CapState::Hot ? Lighter(c, 0.3) : state == CapState::Down ? Darker(c, 0.15) : c;
    };
    const double cx = r.left + 8;
    const double cy = r.top + 7.5;
    Disc(img, cx, cy, 7.6, tone(theme::kDiscEdge));
    Disc(img, cx, cy, 6.6, tone(theme::kDiscShade));
    Disc(img, cx - 0.7, cy - 0.7, 5.6, tone(theme::kDiscFace));
    Ring(img, cx, cy, 4.6, 0.9, tone(Mix(theme::kDiscFace, theme::kDiscShade, 0.6)));
    Disc(img, cx, cy, 2.8, tone(theme::kDiscHub));
    Disc(img, cx, cy, 1.3, CaptionRow(int(cy) - r.top + f::kSysMenu.top));
}

void PaintFrameButtons(Image& img)
{
    PaintSysMenu(img, f::kSysMenu, CapState::Normal);
    PaintCaptionButton(img, f::kRollUp.left, f::kRollUp.top, CapGlyph::RollUp, CapState::Normal);
    PaintCaptionButton(img, f::kMinimize.left, f::kMinimize.top, CapGlyph::Minimize, CapState::Normal);
    PaintCaptionButton(img, f::kMaximize.left, f::kMaximize.top, CapGlyph::Maximize, CapState::Normal);
    PaintCaptionButton(img, f::kClose.left, f::kClose.top, CapGlyph::Close, CapState::Normal);
}

void MakeInactive(Image& img, const Rect& r)
{
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            img.Set(x, y, InactiveColor(img.At(x, y)));
        }
    }
}

// One row of the button picture: normal, pressed, hot and inactive looks of one glyph.
void PaintButtonRow(Image& img, int y, CapGlyph glyph)
{
    PaintCaptionButton(img, b::kNormalX, y, glyph, CapState::Normal);
    PaintCaptionButton(img, b::kDownX, y, glyph, CapState::Down);
    PaintCaptionButton(img, b::kHotX, y, glyph, CapState::Hot);
    PaintCaptionButton(img, b::kInactiveX, y, glyph, CapState::Normal);
    MakeInactive(img, b::Cell(b::kInactiveX, y));
}

} // namespace

bool InsideFrameShape(int x, int y)
{
    if (y < 0 || y >= f::kHeight || x < 0 || x >= f::kWidth) {
        return false;
    }
    if (y < 5) {
        const int cut = f::kCornerCut[y];
        return x >= cut && x < f::kWidth - cut;
    }
    return true;
}

Rgb InactiveColor(Rgb c)
{
    return Lighter(Greyed(c, theme::kInactiveGrey), theme::kInactiveLight);
}

Image DrawFrame()
{
    Image img(f::kWidth, f::kHeight);
    PaintBand(img);
    PaintFrameButtons(img);
    return img;
}

Image DrawInactiveFrame()
{
    Image img = DrawFrame();
    for (int y = 0; y < f::kHeight; ++y) {
        for (int x = 0; x < f::kWidth; ++x) {
            const bool client = x >= f::kClient.left && x < f::kClient.right && y >= f::kClient.top &&
                                y < f::kClient.bottom;
            if (InsideFrameShape(x, y) && !client) {
                img.Set(x, y, InactiveColor(img.At(x, y)));
            }
        }
    }
    return img;
}

Image DrawFrameMask()
{
    Image img(f::kWidth, f::kHeight);
    for (int y = 0; y < f::kHeight; ++y) {
        for (int x = 0; x < f::kWidth; ++x) {
            img.Set(x, y, InsideFrameShape(x, y) ? Rgb{0, 0, 0} : Rgb{255, 255, 255});
        }
    }
    return img;
}

Image DrawCaptionButtons()
{
    Image img(b::kWidth, b::kHeight, theme::kCaptionMiddle);
    PaintButtonRow(img, b::kCloseY, CapGlyph::Close);
    PaintButtonRow(img, b::kMaximizeY, CapGlyph::Maximize);
    PaintButtonRow(img, b::kMinimizeY, CapGlyph::Minimize);
    PaintButtonRow(img, b::kRestoreY, CapGlyph::Restore);
    PaintButtonRow(img, b::kRollUpY, CapGlyph::RollUp);
    PaintButtonRow(img, b::kUnrollY, CapGlyph::Unroll);
    // The system-menu looks sit on a strip of caption rows, as they do in the frame.
    for (int y = b::kSysMenuNormal.top; y < b::kSysMenuNormal.bottom; ++y) {
        HLine(img, 0, b::kWidth, y, CaptionRow(f::kSysMenu.top + y - b::kSysMenuNormal.top));
    }
    PaintSysMenu(img, b::kSysMenuNormal, CapState::Normal);
    PaintSysMenu(img, b::kSysMenuHot, CapState::Hot);
    PaintSysMenu(img, b::kSysMenuDown, CapState::Down);
    PaintSysMenu(img, b::kSysMenuInactive, CapState::Normal);
    MakeInactive(img, b::kSysMenuInactive);
    return img;
}

} // namespace skingen
