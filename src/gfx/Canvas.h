// A drawing surface for the portable core: 32-bit pixels plus text, which only the host can render.
// The Win32 host backs it with a DIB section and GDI text; the null host renders text as solid boxes
// and records every call, so that tests can check what was written where.
#pragma once

#include "gfx/Bitmap.h"

#include <string>
#include <string_view>

namespace gfx {

enum class FontStyle : unsigned { Regular = 0, Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
constexpr FontStyle operator|(FontStyle a, FontStyle b) { return FontStyle(unsigned(a) | unsigned(b)); }
constexpr bool HasStyle(FontStyle set, FontStyle s) { return (unsigned(set) & unsigned(s)) != 0; }

// Character sets as Win32 numbers them; the core only passes them through.
constexpr int kDefaultCharset = 1;
constexpr int kGb2312Charset = 134;

struct Font {
    std::wstring name = L"Arial";
    int height = 14;           // negative: character height in pixels; positive: cell height
    FontStyle style = FontStyle::Regular;
    int charset = kDefaultCharset;
    friend bool operator==(const Font&, const Font&) = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual BitmapView Target() = 0;
    virtual Size MeasureText(const Font& font, std::wstring_view text) = 0;
    // Draws with a transparent background; `origin` is the top-left of the text cell; nothing outside `clip`.
    virtual void DrawText(const Font& font, std::wstring_view text, Point origin, Pixel color, Rect clip) = 0;
};

} // namespace gfx
