// Drawing skin elements at a control's size: size rules, the nine-slice layout, the push button's looks, the
// panel, the gauge, and plain stand-ins for controls without an element. Portable: draws through gfx only.
#pragma once

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "gfx/Geometry.h"
#include "skin/SkinData.h"

#include <cstdint>
#include <string_view>

namespace skin {

// How an element lets a control be sized, decided from its values in this order: an empty skinRect gives None
// (the control keeps its size, nothing is drawn); both coordinates of rightBottomPoint non-zero give Free; a
// non-zero coordinate of rightTopPoint gives Horizontal (height fixed); of leftBottomPoint Vertical (width
// fixed); anything else Fixed (both fixed).
enum class SizeRule { None, Free, Horizontal, Vertical, Fixed };

SizeRule RuleOf(const Element& e);
gfx::Size ApplySizeRule(const Element& e, gfx::Size requested);

// Draws `srcRect` of `picture` (one of the element's state rectangles) into `dstRect`, laid out by the
// element's points, client rectangle and size rule; nothing outside `dstRect` is touched. See ElementDraw.cpp
// for the exact cell layout.
void DrawElement(gfx::BitmapView dst, gfx::Rect dstRect, gfx::ConstBitmapView picture, gfx::Rect srcRect,
                 const Element& e);

// The element's client rectangle at a control size: grown by the extra width at the right and the extra height
// at the bottom (after the size rule). Relative to the control.
gfx::Rect StretchedClientRect(const Element& e, gfx::Size controlSize);

enum class ButtonLook { Normal, Hot, Pressed };
enum class Enabled { No, Yes };

struct ButtonFace {
    gfx::Rect pictureRect;
    uint32_t textColor = 0; // COLORREF
    gfx::Point textOffset;
};

// Picture rectangle and text colour of a push-button look:
//   normal   skinRect                                  fontColor
//   hot      activeSkinRect, else skinRect             activeFontColor
//   pressed  downSkinRect, else the hot rectangle      downFontColor      text moved 1,1
//   disabled disabledSkinRect, else the enabled look   disabledFontColor
ButtonFace FaceFor(const Element& e, ButtonLook look, Enabled enabled);

void DrawButton(gfx::Canvas& canvas, gfx::Rect bounds, const SkinData& skin, const Element& e, ButtonLook look,
                Enabled enabled, std::wstring_view caption, int charset);

// The panel element stretched over `bounds`, without a caption.
void DrawPanel(gfx::Canvas& canvas, gfx::Rect bounds, const SkinData& skin, const Element& e);

// Width of the filled part of a progress area: (value - min) / (max - min) of `areaWidth`, rounded to the
// nearest pixel with an exact half going to the even neighbour. The value is clamped to [min, max]; an empty
// range fills nothing.
int GaugeFillWidth(int areaWidth, int minValue, int maxValue, int value);
// The same fraction in percent, rounded the same way.
int GaugePercent(int minValue, int maxValue, int value);
// Top-left of `text` centred in `box`: each half truncated, x = w/2 - tw/2, y = h/2 - th/2.
gfx::Point CenteredTextOrigin(gfx::Size box, gfx::Size text);

void DrawGauge(gfx::Canvas& canvas, gfx::Rect bounds, const SkinData& skin, const Element& e, int minValue,
               int maxValue, int value, int charset);

// Stand-ins for controls that find no element: plain, but with clearly different normal, hot and pressed looks.
void DrawPlainButton(gfx::Canvas& canvas, gfx::Rect bounds, ButtonLook look, Enabled enabled,
                     std::wstring_view caption, const gfx::Font& font);
void DrawPlainPanel(gfx::Canvas& canvas, gfx::Rect bounds);
void DrawPlainGauge(gfx::Canvas& canvas, gfx::Rect bounds, int minValue, int maxValue, int value,
                    const gfx::Font& font);

} // namespace skin
