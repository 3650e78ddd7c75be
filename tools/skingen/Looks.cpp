// The recurring looks of the skin's controls. Standard library only.
#include "Looks.h"

#include "Theme.h"

#include <algorithm>

namespace skingen {

using namespace theme;

namespace {

Rgb PushRow(State state, int row, int rows, int edge, Shading shading)
{
    if (state == State::Disabled) {
        return kDisabledFace;
    }
    const bool down = state == State::Down;
    const Rgb top = down ? kPressedTop : kFaceTop;
    const Rgb mid = down ? kPressedFace : kFace;
    const Rgb bottom = down ? kFace : kFaceBottom;
    if (shading == Shading::Gradient) {
        return GradientAt({{0.0, top}, {down ? 0.3 : 0.45, mid}, {1.0, bottom}}, row, rows);
    }
    if (row < edge) {
        return Mix(top, mid, double(row) / edge);
    }
    if (row >= rows - edge) {
        return Mix(mid, bottom, double(row - (rows - edge) + 1) / edge);
    }
    return mid;
}

// The ring just inside the outline: light on the top and left, shaded on the bottom and right.
void Bevel(Image& img, const Rect& r, Rgb light, Rgb shade)
{
    HLine(img, r.left + 1, r.right - 1, r.top, light);
    VLine(img, r.left, r.top + 1, r.bottom - 1, light);
    HLine(img, r.left + 1, r.right - 1, r.bottom - 1, shade);
    VLine(img, r.right - 1, r.top + 1, r.bottom - 1, shade);
}

void HotGlow(Image& img, const Rect& r, int edge)
{
    const Rect ring = r.Inset(1);
    Bevel(img, ring, kHotGlowLight, kHotGlow);
    // The second row of glow runs along the top and bottom; columns get it only where the bevel is wide.
    HLine(img, ring.left + 1, ring.right - 1, ring.top + 1, Mix(kHotGlowLight, kFaceTop, 0.4));
    HLine(img, ring.left + 1, ring.right - 1, ring.bottom - 2, Mix(kHotGlow, kFace, 0.35));
    if (edge > 2) {
        VLine(img, ring.left + 1, ring.top + 2, ring.bottom - 2, Mix(kHotGlowLight, kFace, 0.4));
        VLine(img, ring.right - 2, ring.top + 2, ring.bottom - 2, Mix(kHotGlow, kFace, 0.4));
    }
}

void Outline(Image& img, const Rect& r, Rgb edge, Rgb behind)
{
    RoundFrame(img, r, edge, 1);
    SoftCorners(img, r, edge, behind, 1);
}

} // namespace

void PushFace(Image& img, const Rect& r, State state, int edge, Shading shading)
{
    for (int y = r.top; y < r.bottom; ++y) {
        HLine(img, r.left, r.right, y, PushRow(state, y - r.top, r.Height(), edge, shading));
    }
    // Columns of a wide bevel round the face off toward its sides.
    for (int i = 2; i < edge; ++i) {
        for (int y = r.top + 1; y < r.bottom - 1; ++y) {
            img.Set(r.left + i, y, Lighter(img.At(r.left + i, y), 0.3 / i));
            img.Set(r.right - 1 - i, y, Darker(img.At(r.right - 1 - i, y), 0.04 / (i - 1)));
        }
    }
    const Rect ring = r.Inset(1);
    switch (state) {
    case State::Normal: Bevel(img, ring, kFaceEdgeLight, kFaceEdgeShade); break;
    case State::Hot: HotGlow(img, r, edge); break;
    case State::Down: Bevel(img, ring, Darker(kPressedTop, 0.06), kFace); break;
    case State::Disabled: break;
    }
    Outline(img, r, state == State::Disabled ? kDisabledOutline : kControlOutline, kPanelFace);
}

void ToolBarBackground(Image& img, const Rect& r)
{
    FillRect(img, r, kFace);
    HLine(img, r.left, r.right, r.top, kFaceEdgeLight);
    HLine(img, r.left, r.right, r.bottom - 1, kFaceEdgeShade);
}

void ToolFace(Image& img, const Rect& r, State state)
{
    FillRect(img, r, kFace);
    if (state == State::Normal || state == State::Disabled) {
        return;
    }
    const bool down = state == State::Down;
    const Rect inner = r.Inset(1);
    for (int y = inner.top; y < inner.bottom; ++y) {
        const int row = y - inner.top;
        const int rows = inner.Height();
        const Rgb c = down ? Mix(kPressedTop, kPressedFace, std::min(1.0, row / 3.0))
                           : (row < 3 ? Mix(kFaceTop, kFace, row / 3.0)
                                      : row >= rows - 3 ? Mix(kFace, kFaceBottom, (row - rows + 4) / 3.0) : kFace);
        HLine(img, inner.left, inner.right, y, c);
    }
    if (!down) {
        Bevel(img, inner, kFaceEdgeLight, kFaceEdgeShade);
    }
    Outline(img, r, down ? kControlOutline : kSelectEdge, kFace);
}

void SunkenField(Image& img, const Rect& r, State state)
{
    const bool disabled = state == State::Disabled;
    FillRect(img, r, disabled ? kDisabledFace : kFieldFill);
    if (state == State::Hot) {
        FrameRect(img, r.Inset(1), Mix(kSelectTop, kFieldFill, 0.3));
    }
    FrameRect(img, r, disabled ? kDisabledOutline : state == State::Hot ? kFieldHotBorder : kFieldBorder);
}

void PanelFace(Image& img, const Rect& r)
{
    FillRect(img, r, kPanelFace);
    Bevel(img, r.Inset(1), kFaceEdgeLight, Mix(kPanelFace, kPanelEdge, 0.35));
    FrameRect(img, r, kPanelEdge);
}

void GreenBand(Image& img, const Rect& r)
{
    VerticalGradient(img, r, {{0.0, Lighter(kBandTop, 0.45)}, {0.12, kBandTop}, {1.0, kBandBottom}});
}

void SelectionBand(Image& img, const Rect& r, bool rounded)
{
    VerticalGradient(img, r, {{0.0, Lighter(kSelectTop, 0.4)}, {0.15, kSelectTop}, {1.0, kSelectBottom}});
    if (rounded) {
        Outline(img, r, kSelectEdge, kMenuFace);
    } else {
        FrameRect(img, r, kSelectEdge);
    }
}

namespace {

void ScrollFace(Image& img, const Rect& r, State state, bool vertical)
{
    Rgb top = state == State::Hot ? kScrollHotTop : kScrollTop;
    Rgb bottom = state == State::Hot ? kScrollHotBottom : kScrollBottom;
    if (state == State::Down) {
        std::swap(top, bottom);
        top = Darker(top, 0.06);
    }
    // Shaded across the bar's thickness so that the face is the same all along it.
    if (vertical) {
        HorizontalGradient(img, r, {{0.0, top}, {1.0, bottom}});
    } else {
        VerticalGradient(img, r, {{0.0, top}, {1.0, bottom}});
    }
    if (state != State::Down) {
        Bevel(img, r.Inset(1), Lighter(top, 0.5), Mix(bottom, kScrollEdge, 0.3));
    }
    Outline(img, r, kScrollEdge, kTrack);
}

} // namespace

void ScrollButton(Image& img, const Rect& r, State state, Direction arrow)
{
    const bool vertical = arrow == Direction::Left || arrow == Direction::Right;
    ScrollFace(img, r, state, !vertical);
    const int shift = state == State::Down ? 1 : 0;
    const int size = std::min(r.Width(), r.Height()) >= 15 ? 7 : 5;
    Arrow(img, r.left + r.Width() / 2 + shift, r.top + r.Height() / 2 + shift, arrow, size, kScrollGlyph);
}

void ScrollThumb(Image& img, const Rect& r, State state, bool vertical)
{
    ScrollFace(img, r, state, vertical);
}

void ScrollTrack(Image& img, const Rect& r, bool vertical)
{
    FillRect(img, r, kTrack);
    if (vertical) {
        VLine(img, r.left, r.top, r.bottom, kTrackEdge);
        VLine(img, r.right - 1, r.top, r.bottom, kTrackEdge);
    } else {
        HLine(img, r.left, r.right, r.top, kTrackEdge);
        HLine(img, r.left, r.right, r.bottom - 1, kTrackEdge);
    }
}

void CheckMarkBox(Image& img, const Rect& r, bool checked, State state)
{
    const bool disabled = state == State::Disabled;
    const Rect inner = r.Inset(1);
    if (disabled) {
        FillRect(img, inner, kDisabledFace);
    } else {
        VerticalGradient(img, inner, {{0.0, Mix(kFace, kFaceBottom, 0.4)}, {1.0, kFieldFill}});
    }
    if (state == State::Hot) {
        Bevel(img, inner, kHotGlowLight, kHotGlow);
        FrameRect(img, inner.Inset(1), Mix(kHotGlowLight, kFieldFill, 0.4));
    }
    FrameRect(img, r, disabled ? kDisabledOutline : kFieldBorder);
    if (checked) {
        CheckMark(img, r.left + 3, r.top + 3, disabled ? kDisabledText : kCheckMark);
    }
}

void RadioMark(Image& img, const Rect& r, bool checked, State state)
{
    const bool disabled = state == State::Disabled;
    const double cx = r.left + 6;
    const double cy = r.top + 6;
    FillRect(img, r, kPanelFace);
    Disc(img, cx, cy, 6.4, disabled ? kDisabledOutline : Mix(kFieldBorder, kControlOutline, 0.35));
    Disc(img, cx, cy, 5.4, disabled ? kDisabledFace : Mix(kFace, kFaceBottom, 0.4));
    if (!disabled) {
        Disc(img, cx + 0.6, cy + 0.6, 4.6, kFieldFill);
    }
    if (state == State::Hot) {
        Ring(img, cx, cy, 5.4, 1.6, kHotGlow);
    }
    if (checked) {
        const Rgb dot = disabled ? kDisabledText : kCheckMark;
        Disc(img, cx, cy, 2.7, dot);
        Disc(img, cx - 0.7, cy - 0.7, 1.1, Lighter(dot, 0.5));
    }
}

void PlusMinusBox(Image& img, const Rect& r, bool plus)
{
    VerticalGradient(img, r.Inset(1), {{0.0, kFieldFill}, {1.0, Mix(kFace, kFaceBottom, 0.5)}});
    FrameRect(img, r, kPanelEdge);
    const int cx = r.left + r.Width() / 2;
    const int cy = r.top + r.Height() / 2;
    HLine(img, r.left + 2, r.right - 2, cy, kScrollGlyph);
    if (plus) {
        VLine(img, cx, r.top + 2, r.bottom - 2, kScrollGlyph);
    }
}

void ProgressBlocks(Image& img, const Rect& r, bool vertical)
{
    constexpr int kBlock = 5;
    constexpr int kPeriod = 7;
    const int length = vertical ? r.Height() : r.Width();
    const int across = vertical ? r.Width() : r.Height();
    for (int a = 0; a < across; ++a) {
        const Rgb c = GradientAt({{0.0, Mix(kProgressMid, kProgressDark, 0.5)}, {0.3, kProgressLight},
                                  {0.65, kProgressMid}, {1.0, kProgressDark}},
                                 a, across);
        for (int l = 0; l < length; ++l) {
            // Blocks fill from the bottom of a vertical gauge, so count its rows from there.
            const bool block = l % kPeriod < kBlock;
            const Rgb px = block ? c : kFieldFill;
            if (vertical) {
                img.Set(r.left + a, r.bottom - 1 - l, px);
            } else {
                img.Set(r.left + l, r.top + a, px);
            }
        }
    }
}

void GaugeTrack(Image& img, const Rect& r)
{
    FillRect(img, r, kFieldFill);
    const Rect inner = r.Inset(1);
    HLine(img, inner.left, inner.right, inner.top, Mix(kFieldBorder, kFieldFill, 0.7));
    VLine(img, inner.left, inner.top, inner.bottom, Mix(kFieldBorder, kFieldFill, 0.8));
    Outline(img, r, kFieldBorder, kPanelFace);
}

void Tab(Image& img, const Rect& r, State state)
{
    const bool selected = state == State::Down;
    const Rgb edge = Mix(kPanelEdge, kControlOutline, 0.3);
    VerticalGradient(img, r, {{0.0, kFieldFill}, {1.0, selected ? kPanelFace : Mix(kFace, kFaceBottom, 0.5)}});
    if (selected || state == State::Hot) {
        HLine(img, r.left + 1, r.right - 1, r.top + 1, state == State::Hot ? kHotGlowLight : kHotGlow);
        HLine(img, r.left + 1, r.right - 1, r.top + 2, kHotGlowLight);
    }
    HLine(img, r.left + 2, r.right - 2, r.top, edge);
    VLine(img, r.left, r.top + 2, r.bottom, edge);
    VLine(img, r.right - 1, r.top + 2, r.bottom, edge);
    img.Set(r.left + 1, r.top + 1, edge);
    img.Set(r.right - 2, r.top + 1, edge);
    img.Set(r.left, r.top, kPanelFace);
    img.Set(r.left + 1, r.top, kPanelFace);
    img.Set(r.left, r.top + 1, kPanelFace);
    img.Set(r.right - 1, r.top, kPanelFace);
    img.Set(r.right - 2, r.top, kPanelFace);
    img.Set(r.right - 1, r.top + 1, kPanelFace);
    // The selected tab opens into its pane; the others sit on the pane's edge.
    HLine(img, r.left, r.right, r.bottom - 1, selected ? kPanelFace : edge);
    if (selected) {
        img.Set(r.left, r.bottom - 1, edge);
        img.Set(r.right - 1, r.bottom - 1, edge);
    }
}

void HeaderSection(Image& img, const Rect& r, State state)
{
    const bool down = state == State::Down;
    VerticalGradient(img, r, {{0.0, down ? kPressedFace : kFieldFill}, {1.0, down ? kPressedTop : kFace}});
    const Rgb lines[3] = {Mix(kFace, kFaceBottom, 0.5), kFaceBottom, Darker(kFaceBottom, 0.08)};
    const Rgb hot[3] = {kHotGlowLight, kHotGlow, Darker(kHotGlow, 0.12)};
    for (int i = 0; i < 3; ++i) {
        HLine(img, r.left, r.right, r.bottom - 3 + i, state == State::Hot ? hot[i] : lines[i]);
    }
    VLine(img, r.right - 2, r.top + 3, r.bottom - 5, kFaceBottom);
    VLine(img, r.right - 1, r.top + 3, r.bottom - 5, kFieldFill);
}

void DropArrow(Image& img, int cx, int cy, Rgb c)
{
    Arrow(img, cx, cy, Direction::Down, 5, c);
}

void SizeGrip(Image& img, int right, int bottom)
{
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col + row < 3; ++col) {
            const int x = right - 4 - 4 * col;
            const int y = bottom - 4 - 4 * row;
            FillRect(img, Rect::Sized(x + 1, y + 1, 2, 2), kFieldFill);
            FillRect(img, Rect::Sized(x, y, 2, 2), kPanelEdge);
        }
    }
}

} // namespace skingen
