// The caption text of the skinned frame: font, colours, shadow, position and shortening inside the caption
// area. Layout is pure (text is measured through a function the host supplies); portable: no platform headers.
#pragma once

#include "gfx/Canvas.h"
#include "gfx/Geometry.h"
#include "skin/FrameGeometry.h"
#include "skin/FrameObjects.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace skin {

// Measures a text in a font, as the host's text rendering would draw it.
using TextMeasure = std::function<gfx::Size(const gfx::Font&, std::wstring_view)>;
TextMeasure MeasureWith(gfx::Canvas& canvas);

// Texts wider than their room end in this after shortening.
inline constexpr std::wstring_view kEllipsis = L"...";

// The longest prefix of `text` that fits `width` together with "..." appended; the whole text when it fits as
// it is. A surrogate pair is never cut. When not even "..." fits, "..." is returned and the drawing clips it.
std::wstring FitText(const TextMeasure& measure, const gfx::Font& font, std::wstring_view text, int width);

struct CaptionText {
    gfx::Font font;
    std::wstring text;           // already shortened to fit
    gfx::Point origin;           // top-left of the text in the window
    gfx::Pixel color = 0;
    std::optional<gfx::Point> shadowOrigin; // drawn first, when the caption has a shadow
    gfx::Pixel shadowColor = 0;
    gfx::Rect clip;              // the text area: nothing is drawn outside it
};

// The caption area's text area: textrect, relative to the caption area, widened by as much as the caption area
// is wider than the caption's skinrect.
gfx::Rect CaptionTextArea(const SkinObject& caption, gfx::Rect captionArea);

// The [caption] font in the GB2312 character set of the frame's caption font; colour and shadow colour by the
// window's activation; aligned horizontally by [caption] alignment; vertically at the text area's top plus half
// its height less half the text's height, each half rounded down; the shadow one pixel right and down.
CaptionText LayoutCaption(const TextMeasure& measure, const SkinObject& caption, gfx::Rect captionArea,
                          std::wstring_view text, Active active);
// The same for the layout's caption area; nothing when the skin has no caption object.
std::optional<CaptionText> LayoutCaption(const TextMeasure& measure, const FrameLayout& layout,
                                         std::wstring_view text, Active active);

// Shadow first, then the text, both with a transparent background.
void DrawCaption(gfx::Canvas& canvas, const CaptionText& caption);

} // namespace skin
