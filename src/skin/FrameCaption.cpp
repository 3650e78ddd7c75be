// Caption text layout and drawing. Portable: no platform headers; text goes through the canvas.
#include "skin/FrameCaption.h"

namespace skin {
namespace {

bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

int FittingPrefix(const TextMeasure& measure, const gfx::Font& font, std::wstring_view text, int width)
{
    // Widths grow with the prefix, so the longest fitting prefix is found by halving.
    size_t low = 0;
    size_t high = text.size();
    while (low < high) {
        const size_t mid = (low + high + 1) / 2;
        const std::wstring candidate = std::wstring(text.substr(0, mid)) + std::wstring(kEllipsis);
        if (measure(font, candidate).width <= width) {
            low = mid;
        } else {
            high = mid - 1;
        }
    }
    if (low > 0 && low < text.size() && IsLowSurrogate(text[low])) {
        --low;
    }
    return static_cast<int>(low);
}

int AlignedX(Alignment alignment, gfx::Rect area, int textWidth)
{
    switch (alignment) {
    case Alignment::Left:
        break;
    case Alignment::Center:
        return area.left + (area.Width() - textWidth) / 2;
    case Alignment::Right:
        return area.right - textWidth;
    }
    return area.left;
}

} // namespace

TextMeasure MeasureWith(gfx::Canvas& canvas)
{
    return [&canvas](const gfx::Font& font, std::wstring_view text) { return canvas.MeasureText(font, text); };
}

std::wstring FitText(const TextMeasure& measure, const gfx::Font& font, std::wstring_view text, int width)
{
    if (measure(font, text).width <= width) {
        return std::wstring(text);
    }
    const int kept = FittingPrefix(measure, font, text, width);
    return std::wstring(text.substr(0, static_cast<size_t>(kept))) + std::wstring(kEllipsis);
}

gfx::Rect CaptionTextArea(const SkinObject& caption, gfx::Rect captionArea)
{
    const int widening = captionArea.Width() - caption.skinRect.Width();
    const gfx::Rect t = caption.caption.textRect;
    return gfx::Rect{t.left, t.top, t.right + widening, t.bottom}.Offset(captionArea.left, captionArea.top);
}

CaptionText LayoutCaption(const TextMeasure& measure, const SkinObject& caption, gfx::Rect captionArea,
                          std::wstring_view text, Active active)
{
    const CaptionValues& values = caption.caption;
    CaptionText out;
    out.font = values.font;
    out.font.charset = gfx::kGb2312Charset;
    out.clip = CaptionTextArea(caption, captionArea);
    out.text = FitText(measure, out.font, text, out.clip.Width());
    const gfx::Size size = measure(out.font, out.text);
    out.origin = {AlignedX(values.alignment, out.clip, size.width),
                  out.clip.top + out.clip.Height() / 2 - size.height / 2};
    const bool isActive = active == Active::Yes;
    out.color = gfx::FromColorRef(isActive ? values.activeFontColor : values.fontColor);
    if (values.shadow) {
        out.shadowOrigin = gfx::Point{out.origin.x + 1, out.origin.y + 1};
        out.shadowColor = gfx::FromColorRef(isActive ? values.activeShadowColor : values.shadowColor);
    }
    return out;
}

std::optional<CaptionText> LayoutCaption(const TextMeasure& measure, const FrameLayout& layout,
                                         std::wstring_view text, Active active)
{
    const PlacedObject* caption = layout.Caption();
    if (!caption) {
        return std::nullopt;
    }
    return LayoutCaption(measure, caption->object.skin, caption->rect, text, active);
}

void DrawCaption(gfx::Canvas& canvas, const CaptionText& caption)
{
    if (caption.shadowOrigin) {
        canvas.DrawText(caption.font, caption.text, *caption.shadowOrigin, caption.shadowColor, caption.clip);
    }
    canvas.DrawText(caption.font, caption.text, caption.origin, caption.color, caption.clip);
}

} // namespace skin
