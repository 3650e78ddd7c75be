// Element drawing: the nine-slice layout of skin elements, push-button looks, panel and gauge, and the plain
// stand-ins. Pieces are copied or repeated, never scaled. Portable: draws through gfx only.
#include "skin/ElementDraw.h"

#include "gfx/Draw.h"

#include <algorithm>
#include <string>

namespace skin {
namespace {

using gfx::Point;
using gfx::Rect;
using gfx::Size;

// Coordinates beyond this are nonsense for a control or a picture. Drawing refuses them, and derived rectangles
// are clamped to them, so that no sum of a few coordinates can overflow an int, whatever a skin says.
constexpr int kMaxCoordinate = 1 << 24;

int ClampCoordinate(int64_t value) { return int(std::clamp<int64_t>(value, -kMaxCoordinate, kMaxCoordinate)); }

bool IsSane(Rect r)
{
    const auto ok = [](int v) { return v >= -kMaxCoordinate && v <= kMaxCoordinate; };
    return ok(r.left) && ok(r.top) && ok(r.right) && ok(r.bottom);
}

// `r` grown by `growth` at the right and bottom, then moved by `by`; clamped into the sane range.
Rect GrowAndMove(Rect r, Size growth, Point by)
{
    return {ClampCoordinate(int64_t(r.left) + by.x), ClampCoordinate(int64_t(r.top) + by.y),
            ClampCoordinate(int64_t(r.right) + growth.width + by.x),
            ClampCoordinate(int64_t(r.bottom) + growth.height + by.y)};
}

// Copies and repeats pieces of one element rectangle. Piece rectangles are relative to the element's rectangle
// in the picture; destination rectangles are relative to the control's rectangle.
class Slicer {
public:
    Slicer(gfx::BitmapView dst, Point dstOrigin, gfx::ConstBitmapView picture, Point srcOrigin)
        : m_dst(dst), m_dstOrigin(dstOrigin), m_picture(picture), m_srcOrigin(srcOrigin)
    {
    }

    void Copy(Rect piece, int dx, int dy) const
    {
        if (piece.Empty()) {
            return;
        }
        const Point at{m_dstOrigin.x + piece.left + dx, m_dstOrigin.y + piece.top + dy};
        gfx::Blit(m_dst, at, m_picture, piece.Offset(m_srcOrigin.x, m_srcOrigin.y));
    }

    void Tile(Rect piece, Rect area) const
    {
        if (piece.Empty() || area.Empty()) {
            return;
        }
        gfx::Tile(m_dst, area.Offset(m_dstOrigin.x, m_dstOrigin.y), m_picture,
                  piece.Offset(m_srcOrigin.x, m_srcOrigin.y));
    }

private:
    gfx::BitmapView m_dst;
    Point m_dstOrigin;
    gfx::ConstBitmapView m_picture;
    Point m_srcOrigin;
};

// The element's values, clamped into its rectangle so that a careless skin cannot make pieces reach outside it.
struct Slices {
    int w = 0;  // element width and height
    int h = 0;
    int dx = 0; // extra width and height of the control
    int dy = 0;
    Point lt, rt, lb, rb;
    Rect client;
};

Point ClampPoint(Point p, int w, int h) { return {std::clamp(p.x, 0, w), std::clamp(p.y, 0, h)}; }

Slices MakeSlices(const Element& e, Size element, Size control)
{
    Slices s;
    s.w = element.width;
    s.h = element.height;
    s.dx = control.width - element.width;
    s.dy = control.height - element.height;
    s.lt = ClampPoint(e.leftTopPoint, s.w, s.h);
    s.rt = ClampPoint(e.rightTopPoint, s.w, s.h);
    s.lb = ClampPoint(e.leftBottomPoint, s.w, s.h);
    s.rb = ClampPoint(e.rightBottomPoint, s.w, s.h);
    s.client = e.clientRect.Intersect({0, 0, s.w, s.h});
    return s;
}

// Free element. The four points are the inner corners of the corner pieces (lefttoppoint is the bottom-right
// of the top-left piece, righttoppoint the bottom-left of the top-right piece, and so on); each edge strip runs
// between the points along its edge and from the outer edge to the client rectangle across it. In the simple
// case where the points sit on the client rectangle's corners, a control grown by dx and dy looks like this
// (each repeated piece starts at its area's top-left; the last copy is cut where the area ends):
//
//     element, w x h                    control, (w + dx) x (h + dy)
//     +----+--------+----+              +----+--------+--------+-----+----+
//     | TL |  top   | TR |              | TL |  top   |  top   | to  | TR |
//     +----+--------+----+              +----+--------+--------+-----+----+
//     | L  | client | R  |     --->     | L  | client | client | cli | R  |
//     +----+--------+----+              | L  | client | client | cli | R  |
//     | BL | bottom | BR |              +----+--------+--------+-----+----+
//     +----+--------+----+              | BL | bottom | bottom | bot | BR |
//                                       +----+--------+--------+-----+----+
//
// In general, as source rectangle -> destination rectangle (c = client rectangle, [a, b) half-open ranges):
//   top    [lt.x, rt.x) x [0, c.top)          -> [lt.x, rt.x+dx) x [0, c.top)                 repeated
//   bottom [lb.x, rb.x) x [c.bottom, h)       -> [lb.x, rb.x+dx) x [c.bottom+dy, h+dy)        repeated
//   left   [0, c.left) x [lt.y, lb.y)         -> [0, c.left) x [lt.y, lb.y+dy)                repeated
//   right  [c.right, w) x [rt.y, rb.y)        -> [c.right+dx, w+dx) x [rt.y, rb.y+dy)         repeated
//   client c                                  -> [c.left, c.right+dx) x [c.top, c.bottom+dy)  repeated
//   TL [0, lt.x) x [0, lt.y)   TR [rt.x, w) x [0, rt.y)   BL [0, lb.x) x [lb.y, h)   BR [rb.x, w) x [rb.y, h)
//                                             -> copied unchanged, TR and BR moved right by dx, BL and BR down by dy
// The strips and the client rectangle never overlap one another; the corners are copied last, so they show
// unchanged wherever they overlap something. An empty client rectangle is replaced by the rectangle between the
// points, so that the middle is still covered.
void DrawFree(const Slicer& slicer, Slices s)
{
    if (s.client.Empty()) {
        s.client = Rect{std::max(s.lt.x, s.lb.x), std::max(s.lt.y, s.rt.y), std::min(s.rt.x, s.rb.x),
                        std::min(s.lb.y, s.rb.y)};
    }
    const Rect c = s.client;
    slicer.Tile({s.lt.x, 0, s.rt.x, c.top}, {s.lt.x, 0, s.rt.x + s.dx, c.top});
    slicer.Tile({s.lb.x, c.bottom, s.rb.x, s.h}, {s.lb.x, c.bottom + s.dy, s.rb.x + s.dx, s.h + s.dy});
    slicer.Tile({0, s.lt.y, c.left, s.lb.y}, {0, s.lt.y, c.left, s.lb.y + s.dy});
    slicer.Tile({c.right, s.rt.y, s.w, s.rb.y}, {c.right + s.dx, s.rt.y, s.w + s.dx, s.rb.y + s.dy});
    slicer.Tile(c, {c.left, c.top, c.right + s.dx, c.bottom + s.dy});
    slicer.Copy({0, 0, s.lt.x, s.lt.y}, 0, 0);
    slicer.Copy({s.rt.x, 0, s.w, s.rt.y}, s.dx, 0);
    slicer.Copy({0, s.lb.y, s.lb.x, s.h}, 0, s.dy);
    slicer.Copy({s.rb.x, s.rb.y, s.w, s.h}, s.dx, s.dy);
}

// Horizontal element: only lt.x and rt.x count. Ends [0, lt.x) and [rt.x, w) are copied at full height; the
// middle [lt.x, rt.x) is repeated across [lt.x, rt.x+dx); then the client rectangle is repeated across the
// stretched client rectangle, and the ends are copied last:
//     0    lt.x     rt.x   w             0    lt.x                     rt.x+dx  w+dx
//     | L  | middle  |  R  |     --->    | L  | middle | middle | mid |  R  |
void DrawHorizontal(const Slicer& slicer, const Slices& s)
{
    const Rect c = s.client;
    slicer.Tile({s.lt.x, 0, s.rt.x, s.h}, {s.lt.x, 0, s.rt.x + s.dx, s.h});
    slicer.Tile(c, {c.left, c.top, c.right + s.dx, c.bottom});
    slicer.Copy({0, 0, s.lt.x, s.h}, 0, 0);
    slicer.Copy({s.rt.x, 0, s.w, s.h}, s.dx, 0);
}

// Vertical element: the same turned by a quarter; only lt.y and lb.y count.
void DrawVertical(const Slicer& slicer, const Slices& s)
{
    const Rect c = s.client;
    slicer.Tile({0, s.lt.y, s.w, s.lb.y}, {0, s.lt.y, s.w, s.lb.y + s.dy});
    slicer.Tile(c, {c.left, c.top, c.right, c.bottom + s.dy});
    slicer.Copy({0, 0, s.w, s.lt.y}, 0, 0);
    slicer.Copy({0, s.lb.y, s.w, s.h}, 0, s.dy);
}

// The element's growth at a control size, after its size rule.
Size Growth(const Element& e, Size controlSize)
{
    const Size applied = ApplySizeRule(e, controlSize);
    return {ClampCoordinate(int64_t(applied.width) - e.skinRect.Width()),
            ClampCoordinate(int64_t(applied.height) - e.skinRect.Height())};
}

int64_t RoundHalfEven(int64_t numerator, int64_t denominator)
{
    const int64_t quotient = numerator / denominator;
    const int64_t twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 != 0)) {
        return quotient + 1;
    }
    return quotient;
}

// (value - min) / (max - min) of `scale`, rounded half to even; 0 for an empty range.
int ScaledFraction(int scale, int minValue, int maxValue, int value)
{
    if (scale <= 0 || maxValue <= minValue) {
        return 0;
    }
    const int64_t clamped = std::clamp(value, minValue, maxValue);
    return static_cast<int>(RoundHalfEven((clamped - minValue) * scale, int64_t(maxValue) - minValue));
}

gfx::Font WithCharset(gfx::Font font, int charset)
{
    font.charset = charset;
    return font;
}

// Draws `text` centred in `box`, moved by `offset`, clipped to `clip`.
void DrawCentredText(gfx::Canvas& canvas, const gfx::Font& font, std::wstring_view text, Rect box, Point offset,
                     gfx::Pixel color, Rect clip)
{
    if (text.empty()) {
        return;
    }
    const Point at = CenteredTextOrigin(box.GetSize(), canvas.MeasureText(font, text));
    canvas.DrawText(font, text, {box.left + at.x + offset.x, box.top + at.y + offset.y}, color, clip);
}

std::wstring PercentText(int minValue, int maxValue, int value)
{
    return std::to_wstring(GaugePercent(minValue, maxValue, value)) + L"%";
}

// Repeats the progress picture over `fill` along the gauge's axis: the first `begin` and last `end` pixels of
// the picture are caps copied at the fill's start and end (left and right, or bottom and top for a vertical
// gauge); the part between them is repeated in between. Across the axis every piece repeats to the fill's
// size. When the fill is shorter than both caps, the end cap wins, as it marks the leading edge.
void DrawProgressPicture(gfx::BitmapView dst, Rect fill, gfx::ConstBitmapView picture, Rect p, const GaugeValues& g)
{
    const Rect visible = fill.Intersect(dst.Bounds());
    if (visible.Empty() || p.Empty()) {
        return;
    }
    const gfx::BitmapView view = gfx::SubView(dst, visible);
    const Rect f = fill.Offset(-visible.left, -visible.top);
    if (!g.vertical) {
        const int begin = std::clamp(g.beginOffset, 0, p.Width());
        const int end = std::clamp(g.endOffset, 0, p.Width() - begin);
        gfx::Tile(view, {f.left + begin, f.top, f.right - end, f.bottom}, picture,
                  {p.left + begin, p.top, p.right - end, p.bottom});
        gfx::Tile(view, {f.left, f.top, f.left + begin, f.bottom}, picture, {p.left, p.top, p.left + begin, p.bottom});
        gfx::Tile(view, {f.right - end, f.top, f.right, f.bottom}, picture, {p.right - end, p.top, p.right, p.bottom});
        return;
    }
    const int begin = std::clamp(g.beginOffset, 0, p.Height());
    const int end = std::clamp(g.endOffset, 0, p.Height() - begin);
    gfx::Tile(view, {f.left, f.top + end, f.right, f.bottom - begin}, picture,
              {p.left, p.top + end, p.right, p.bottom - begin});
    gfx::Tile(view, {f.left, f.bottom - begin, f.right, f.bottom}, picture,
              {p.left, p.bottom - begin, p.right, p.bottom});
    gfx::Tile(view, {f.left, f.top, f.right, f.top + end}, picture, {p.left, p.top, p.right, p.top + end});
}

// The progress area grown with the gauge, filled from its start over the value's fraction.
Rect ProgressFill(const Element& e, Rect bounds, int minValue, int maxValue, int value)
{
    const Rect area = GrowAndMove(e.gauge.progressArea, Growth(e, bounds.GetSize()), bounds.TopLeft());
    if (e.gauge.vertical) {
        const int length = GaugeFillWidth(area.Height(), minValue, maxValue, value);
        return {area.left, area.bottom - length, area.right, area.bottom};
    }
    const int length = GaugeFillWidth(area.Width(), minValue, maxValue, value);
    return {area.left, area.top, area.left + length, area.bottom};
}

// Colours of the plain stand-ins.
constexpr gfx::Pixel kPlainFace = gfx::Rgb(236, 233, 216);
constexpr gfx::Pixel kPlainHotFace = gfx::Rgb(226, 238, 252);
constexpr gfx::Pixel kPlainPressedFace = gfx::Rgb(196, 193, 180);
constexpr gfx::Pixel kPlainBorder = gfx::Rgb(96, 96, 96);
constexpr gfx::Pixel kPlainHotBorder = gfx::Rgb(51, 122, 183);
constexpr gfx::Pixel kPlainShadow = gfx::Rgb(150, 147, 136);
constexpr gfx::Pixel kPlainText = gfx::Rgb(0, 0, 0);
constexpr gfx::Pixel kPlainDisabledText = gfx::Rgb(128, 128, 128);
constexpr gfx::Pixel kPlainTrough = gfx::Rgb(255, 255, 255);
constexpr gfx::Pixel kPlainProgress = gfx::Rgb(49, 170, 73);

void FrameRect(gfx::BitmapView dst, Rect r, gfx::Pixel color)
{
    gfx::Fill(dst, {r.left, r.top, r.right, r.top + 1}, color);
    gfx::Fill(dst, {r.left, r.bottom - 1, r.right, r.bottom}, color);
    gfx::Fill(dst, {r.left, r.top, r.left + 1, r.bottom}, color);
    gfx::Fill(dst, {r.right - 1, r.top, r.right, r.bottom}, color);
}

Rect Inset(Rect r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

} // namespace

SizeRule RuleOf(const Element& e)
{
    if (e.skinRect.Empty()) {
        return SizeRule::None;
    }
    if (e.rightBottomPoint.x != 0 && e.rightBottomPoint.y != 0) {
        return SizeRule::Free;
    }
    if (e.rightTopPoint.x != 0 || e.rightTopPoint.y != 0) {
        return SizeRule::Horizontal;
    }
    if (e.leftBottomPoint.x != 0 || e.leftBottomPoint.y != 0) {
        return SizeRule::Vertical;
    }
    return SizeRule::Fixed;
}

Size ApplySizeRule(const Element& e, Size requested)
{
    const Size skin = e.skinRect.GetSize();
    switch (RuleOf(e)) {
    case SizeRule::Horizontal:
        return {requested.width, skin.height};
    case SizeRule::Vertical:
        return {skin.width, requested.height};
    case SizeRule::Fixed:
        return skin;
    case SizeRule::None:
    case SizeRule::Free:
        break;
    }
    return requested;
}

void DrawElement(gfx::BitmapView dst, Rect dstRect, gfx::ConstBitmapView picture, Rect srcRect, const Element& e)
{
    const SizeRule rule = RuleOf(e);
    const Rect visible = dstRect.Intersect(dst.Bounds());
    if (rule == SizeRule::None || srcRect.Empty() || visible.Empty() || !IsSane(dstRect) || !IsSane(srcRect)) {
        return;
    }
    // Drawing into a view of the visible part keeps every piece inside dstRect, whatever the sizes.
    const Slicer slicer(gfx::SubView(dst, visible), {dstRect.left - visible.left, dstRect.top - visible.top}, picture,
                        srcRect.TopLeft());
    const Slices slices = MakeSlices(e, srcRect.GetSize(), dstRect.GetSize());
    switch (rule) {
    case SizeRule::Free:
        DrawFree(slicer, slices);
        break;
    case SizeRule::Horizontal:
        DrawHorizontal(slicer, slices);
        break;
    case SizeRule::Vertical:
        DrawVertical(slicer, slices);
        break;
    case SizeRule::Fixed:
    case SizeRule::None:
        slicer.Copy({0, 0, slices.w, slices.h}, 0, 0);
        break;
    }
}

Rect StretchedClientRect(const Element& e, Size controlSize)
{
    return GrowAndMove(e.clientRect, Growth(e, controlSize), {0, 0});
}

ButtonFace FaceFor(const Element& e, ButtonLook look, Enabled enabled)
{
    const ButtonValues& b = e.button;
    const Rect hot = b.activeSkinRect.Empty() ? e.skinRect : b.activeSkinRect;
    const Rect pressed = b.downSkinRect.Empty() ? hot : b.downSkinRect;
    ButtonFace face;
    switch (look) {
    case ButtonLook::Normal:
        face = {e.skinRect, e.fontColor, {0, 0}};
        break;
    case ButtonLook::Hot:
        face = {hot, b.activeFontColor, {0, 0}};
        break;
    case ButtonLook::Pressed:
        face = {pressed, b.downFontColor, {1, 1}};
        break;
    }
    if (enabled == Enabled::No) {
        face.textColor = b.disabledFontColor;
        if (!b.disabledSkinRect.Empty()) {
            face.pictureRect = b.disabledSkinRect;
            face.textOffset = {0, 0};
        }
    }
    return face;
}

void DrawButton(gfx::Canvas& canvas, Rect bounds, const SkinData& skin, const Element& e, ButtonLook look,
                Enabled enabled, std::wstring_view caption, int charset)
{
    if (!IsSane(bounds)) {
        return;
    }
    const ButtonFace face = FaceFor(e, look, enabled);
    if (const gfx::Bitmap* picture = skin.ActivePicture(e.pictureIndex)) {
        DrawElement(canvas.Target(), bounds, picture->View(), face.pictureRect, e);
    }
    Rect client = StretchedClientRect(e, bounds.GetSize()).Offset(bounds.left, bounds.top);
    if (client.Empty()) {
        client = bounds;
    }
    DrawCentredText(canvas, WithCharset(e.font, charset), caption, client, face.textOffset,
                    gfx::FromColorRef(face.textColor), client.Intersect(bounds));
}

void DrawPanel(gfx::Canvas& canvas, Rect bounds, const SkinData& skin, const Element& e)
{
    if (!IsSane(bounds)) {
        return;
    }
    if (const gfx::Bitmap* picture = skin.ActivePicture(e.pictureIndex)) {
        DrawElement(canvas.Target(), bounds, picture->View(), e.skinRect, e);
    }
    // A background picture, when the element names one, is repeated over the stretched client rectangle.
    if (const gfx::Bitmap* background = skin.ActivePicture(e.panel.bgPictureIndex)) {
        const Rect client = StretchedClientRect(e, bounds.GetSize()).Offset(bounds.left, bounds.top);
        gfx::Tile(canvas.Target(), client.Intersect(bounds), background->View(), background->View().Bounds());
    }
}

int GaugeFillWidth(int areaWidth, int minValue, int maxValue, int value)
{
    return ScaledFraction(areaWidth, minValue, maxValue, value);
}

int GaugePercent(int minValue, int maxValue, int value) { return ScaledFraction(100, minValue, maxValue, value); }

Point CenteredTextOrigin(Size box, Size text) { return {box.width / 2 - text.width / 2, box.height / 2 - text.height / 2}; }

void DrawGauge(gfx::Canvas& canvas, Rect bounds, const SkinData& skin, const Element& e, int minValue, int maxValue,
               int value, int charset)
{
    if (!IsSane(bounds)) {
        return;
    }
    if (const gfx::Bitmap* picture = skin.ActivePicture(e.pictureIndex)) {
        DrawElement(canvas.Target(), bounds, picture->View(), e.skinRect, e);
        const Rect fill = ProgressFill(e, bounds, minValue, maxValue, value).Intersect(bounds);
        DrawProgressPicture(canvas.Target(), fill, picture->View(), e.gauge.progressRect, e.gauge);
    }
    DrawCentredText(canvas, WithCharset(e.font, charset), PercentText(minValue, maxValue, value), bounds, {0, 0},
                    gfx::FromColorRef(e.fontColor), bounds);
}

void DrawPlainButton(gfx::Canvas& canvas, Rect bounds, ButtonLook look, Enabled enabled, std::wstring_view caption,
                     const gfx::Font& font)
{
    if (!IsSane(bounds)) {
        return;
    }
    const gfx::BitmapView target = canvas.Target();
    const bool hot = look == ButtonLook::Hot && enabled == Enabled::Yes;
    const bool pressed = look == ButtonLook::Pressed && enabled == Enabled::Yes;
    gfx::Fill(target, bounds, pressed ? kPlainPressedFace : hot ? kPlainHotFace : kPlainFace);
    FrameRect(target, bounds, hot ? kPlainHotBorder : kPlainBorder);
    if (pressed) {
        // An inner shadow along the top and left edges makes the face look pushed in.
        const Rect inner = Inset(bounds, 1);
        gfx::Fill(target, {inner.left, inner.top, inner.right, inner.top + 1}, kPlainShadow);
        gfx::Fill(target, {inner.left, inner.top, inner.left + 1, inner.bottom}, kPlainShadow);
    }
    const Rect content = Inset(bounds, 2);
    DrawCentredText(canvas, font, caption, content, pressed ? Point{1, 1} : Point{0, 0},
                    enabled == Enabled::Yes ? kPlainText : kPlainDisabledText, content.Intersect(bounds));
}

void DrawPlainPanel(gfx::Canvas& canvas, Rect bounds)
{
    if (!IsSane(bounds)) {
        return;
    }
    gfx::Fill(canvas.Target(), bounds, kPlainFace);
    FrameRect(canvas.Target(), bounds, kPlainShadow);
}

void DrawPlainGauge(gfx::Canvas& canvas, Rect bounds, int minValue, int maxValue, int value, const gfx::Font& font)
{
    if (!IsSane(bounds)) {
        return;
    }
    const gfx::BitmapView target = canvas.Target();
    gfx::Fill(target, bounds, kPlainTrough);
    FrameRect(target, bounds, kPlainBorder);
    const Rect area = Inset(bounds, 1);
    if (!area.Empty()) {
        const int length = GaugeFillWidth(area.Width(), minValue, maxValue, value);
        gfx::Fill(target, {area.left, area.top, area.left + length, area.bottom}, kPlainProgress);
    }
    DrawCentredText(canvas, font, PercentText(minValue, maxValue, value), bounds, {0, 0}, kPlainText, bounds);
}

} // namespace skin
