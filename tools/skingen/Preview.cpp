// Mock-ups of the frame and of stretched elements, composed as the program composes them. Standard library only.
#include "Preview.h"

#include "BmpFile.h"
#include "Draw.h"
#include "Theme.h"

#include <algorithm>

namespace skingen {

namespace f = layout::frame;

void Tile(Image& img, const Image& picture, const Rect& source, const Rect& target)
{
    if (source.Empty()) {
        return;
    }
    for (int y = target.top; y < target.bottom; ++y) {
        for (int x = target.left; x < target.right; ++x) {
            const int sx = source.left + (x - target.left) % source.Width();
            const int sy = source.top + (y - target.top) % source.Height();
            img.Set(x, y, picture.At(sx, sy));
        }
    }
}

namespace {

// The caption band: its left part and its right part (from the right top point on) are copied, the columns
// between are repeated.
void ComposeCaption(Image& out, const Image& pic, int w)
{
    const int left = f::kLeftTop.x;
    const int rightWidth = f::kWidth - f::kRightTop.x;
    const int rows = f::kCaptionRows;
    out.Copy(pic, {0, 0, left, rows}, 0, 0);
    Tile(out, pic, {left, 0, f::kRightTop.x, rows}, {left, 0, w - rightWidth, rows});
    out.Copy(pic, {f::kRightTop.x, 0, f::kWidth, rows}, w - rightWidth, 0);
}

void ComposeBottom(Image& out, const Image& pic, int w, int h)
{
    const int left = f::kLeftBottom.x;
    const int right = f::kRightBottom.x;
    const int top = h - (f::kHeight - f::kClient.bottom);
    out.Copy(pic, {0, f::kClient.bottom, left, f::kHeight}, 0, top);
    Tile(out, pic, {left, f::kClient.bottom, right, f::kHeight}, {left, top, w - (f::kWidth - right), h});
    out.Copy(pic, {right, f::kClient.bottom, f::kWidth, f::kHeight}, w - (f::kWidth - right), top);
}

// A side border: rows from the caption band down to `end` repeated, the rows from `end` to the bottom border
// copied at its lower end.
void ComposeSide(Image& out, const Image& pic, int pictureX, int x, int end, int h)
{
    const int bottom = h - (f::kHeight - f::kClient.bottom);
    const int tail = f::kClient.bottom - end;
    const int right = pictureX + f::kBorder;
    Tile(out, pic, {pictureX, f::kCaptionRows, right, end}, {x, f::kCaptionRows, x + f::kBorder, bottom - tail});
    out.Copy(pic, {pictureX, end, right, f::kClient.bottom}, x, bottom - tail);
}

void ComposePieces(Image& out, const Image& pic, int w, int h)
{
    ComposeCaption(out, pic, w);
    ComposeBottom(out, pic, w, h);
    ComposeSide(out, pic, 0, 0, f::kLeftBottom.y, h);
    ComposeSide(out, pic, f::kClient.right, w - f::kBorder, f::kRightBottom.y, h);
}

} // namespace

Image ComposeFrame(const Image& frame, const Image& clientSource, const Image& mask, int w, int h, Rgb desktop)
{
    Image out(w, h);
    ComposePieces(out, frame, w, h);
    Tile(out, clientSource, f::kClient, {f::kClient.left, f::kClient.top, w - f::kBorder, h - f::kBorder});
    Image shape(w, h);
    ComposePieces(shape, mask, w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool always = x >= f::kMaskArea.left && y >= f::kMaskArea.top && x < w - 3 && y < h - 3;
            if (!always && shape.At(x, y) != Rgb{0, 0, 0}) {
                out.Set(x, y, desktop);
            }
        }
    }
    return out;
}

Image ComposeElement(const Image& picture, const Rect& look, const layout::Stretch& s, int w, int h)
{
    const int sw = look.Width();
    const int sh = look.Height();
    const bool free = s.rightBottom.x != 0 && s.rightBottom.y != 0;
    const int x1 = s.leftTop.x;
    const int x2 = s.rightTop.x;
    const int y1 = free ? s.leftTop.y : 0;
    const int y2 = free ? s.leftBottom.y : sh;
    Image out(w, h);
    const int rw = sw - x2;
    const int bh = sh - y2;
    auto src = [&](int l, int t, int r, int b) { return Rect{l, t, r, b}.Offset(look.left, look.top); };
    // Corners and ends.
    out.Copy(picture, src(0, 0, x1, y1), 0, 0);
    out.Copy(picture, src(x2, 0, sw, y1), w - rw, 0);
    out.Copy(picture, src(0, y2, x1, sh), 0, h - bh);
    out.Copy(picture, src(x2, y2, sw, sh), w - rw, h - bh);
    // Strips between the points.
    Tile(out, picture, src(x1, 0, x2, y1), {x1, 0, w - rw, y1});
    Tile(out, picture, src(x1, y2, x2, sh), {x1, h - bh, w - rw, h});
    Tile(out, picture, src(0, y1, x1, y2), {0, y1, x1, h - bh});
    Tile(out, picture, src(x2, y1, sw, y2), {w - rw, y1, w, h - bh});
    Tile(out, picture, src(x1, y1, x2, y2), {x1, y1, w - rw, h - bh});
    // The client rectangle grows by the extra width and height.
    const Rect c = s.client;
    Tile(out, picture, src(c.left, c.top, c.right, c.bottom), {c.left, c.top, c.right + w - sw, c.bottom + h - sh});
    return out;
}

namespace {

namespace c = layout::controls;

constexpr Rgb kDesktop{58, 110, 165};

void Paste(Image& img, const Image& part, int x, int y)
{
    img.Copy(part, part.Bounds(), x, y);
}

Image MainWindow(const SkinPictures& p, bool active)
{
    Image img = ComposeFrame(active ? p.frame : p.inactiveFrame, p.frame, p.frameMask, 567, 455, kDesktop);
    const layout::Stretch& b = c::kResizeButton;
    for (int i = 0; i < 6; ++i) {
        // The first button has the focus and looks hot.
        const Rect look = i == 0 ? c::kResizeButtonHot : i == 2 ? c::kResizeButtonDown : b.rect;
        Paste(img, ComposeElement(p.controls, look, b, 185, 26), 5 + 346, 29 + 24 + 48 * i);
    }
    return img;
}

Image Dialog(const SkinPictures& p)
{
    Image img(336, 78);
    Paste(img, ComposeElement(p.controls, c::kPanel.rect, c::kPanel, 336, 58), 0, 0);
    FillRect(img, Rect::Sized(5, 24, 158, 20), theme::kFieldFill);
    FrameRect(img, Rect::Sized(5, 24, 158, 20), theme::kFieldBorder);
    Paste(img, ComposeElement(p.controls, c::kButton.rect, c::kButton, 75, 21), 170, 23);
    Paste(img, ComposeElement(p.controls, c::kButtonHot, c::kButton, 75, 21), 250, 23);
    Image gauge = ComposeElement(p.controls, c::kStatusGauge.rect, c::kStatusGauge, 336, 20);
    // The progress area grows with the gauge; at 50 % half of it is filled from the left.
    const Rect area = c::kStatusGaugeArea;
    const int width = area.Width() + 336 - c::kStatusGauge.rect.Width();
    const Rect filled = Rect::Sized(area.left, area.top, (width + 1) / 2, area.Height());
    Tile(gauge, p.controls, c::kStatusGaugeProgress, filled);
    Paste(img, gauge, 0, 58);
    return img;
}

Image Buttons(const SkinPictures& p)
{
    Image img(200, 200, theme::kPanelFace);
    const Rect resize[3] = {c::kResizeButton.rect, c::kResizeButtonHot, c::kResizeButtonDown};
    for (int i = 0; i < 3; ++i) {
        Paste(img, ComposeElement(p.controls, resize[i], c::kResizeButton, 185, 26), 5, 5 + 32 * i);
    }
    const Rect button[4] = {c::kButton.rect, c::kButtonHot, c::kButtonDown, c::kButtonDisabled};
    for (int i = 0; i < 4; ++i) {
        Paste(img, ComposeElement(p.controls, button[i], c::kButton, 75, 21), 5 + 95 * (i % 2), 105 + 28 * (i / 2));
    }
    return img;
}

Image Menu(const SkinPictures& p)
{
    namespace pw = layout::popup;
    namespace m = layout::menu;
    const int w = 130;
    const int h = pw::kItems.top + 3 * 20 + 7 + (pw::kHeight - pw::kItems.bottom);
    const layout::Stretch frame{{0, 0, pw::kWidth, pw::kHeight}, pw::kLeftTop, pw::kRightTop, pw::kLeftBottom,
                                pw::kRightBottom, pw::kItems};
    Image img = ComposeElement(p.popup, frame.rect, frame, w, h);
    const int right = w - (pw::kWidth - pw::kItems.right);
    int y = pw::kItems.top;
    Tile(img, p.menuItems, m::kItem, {pw::kItems.left, y, right, y + 20});
    y += 20;
    Tile(img, p.menuItems, m::kActiveItem, {pw::kItems.left, y, right, y + 20});
    y += 20;
    Tile(img, p.menuItems, m::kDivider, {pw::kItems.left, y, right, y + 7});
    y += 7;
    Tile(img, p.menuItems, m::kItem, {pw::kItems.left, y, right, y + 20});
    return img;
}

Image Hint(const SkinPictures& p)
{
    namespace h = layout::hint;
    const layout::Stretch frame{{0, 0, h::kWidth, h::kHeight}, h::kLeftTop, h::kRightTop, h::kLeftBottom,
                                h::kRightBottom, h::kClient};
    return ComposeElement(p.hint, frame.rect, frame, 120, 27);
}

} // namespace

void WriteMockups(const std::string& dir, const SkinPictures& p)
{
    WriteFile(dir + "/frame.bmp", EncodeRgb(MainWindow(p, true)));
    WriteFile(dir + "/frame-inactive.bmp", EncodeRgb(MainWindow(p, false)));
    WriteFile(dir + "/dialog.bmp", EncodeRgb(Dialog(p)));
    WriteFile(dir + "/buttons.bmp", EncodeRgb(Buttons(p)));
    WriteFile(dir + "/menu.bmp", EncodeRgb(Menu(p)));
    WriteFile(dir + "/hint.bmp", EncodeRgb(Hint(p)));
}

} // namespace skingen
