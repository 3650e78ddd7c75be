// A canvas for tests and headless hosts: pixels go to a bitmap, text is measured by a fixed rule and drawn as a
// solid box of its colour, and every DrawText call is recorded. Portable: no platform headers.
#pragma once

#include "gfx/Canvas.h"

#include <optional>
#include <string>
#include <vector>

namespace gfx {

class RecordingCanvas : public Canvas {
public:
    struct TextCall {
        Font font;
        std::wstring text;
        Point origin;
        Pixel color = 0;
        Rect clip;
    };

    // Draws into a bitmap of its own.
    RecordingCanvas(Size size, Pixel fill);
    // Draws into someone else's pixels, which must outlive the canvas.
    explicit RecordingCanvas(BitmapView target);

    BitmapView Target() override { return m_target; }
    // Each character below U+0080 is |height| / 2 wide, any other |height| wide; the text is |height| high.
    Size MeasureText(const Font& font, std::wstring_view text) override;
    // Records the call and fills the measured box at `origin` with `color`, clipped to `clip` and the target.
    void DrawText(const Font& font, std::wstring_view text, Point origin, Pixel color, Rect clip) override;

    const std::vector<TextCall>& TextCalls() const { return m_textCalls; }
    void ClearTextCalls() { m_textCalls.clear(); }

private:
    std::optional<Bitmap> m_own;
    BitmapView m_target;
    std::vector<TextCall> m_textCalls;
};

} // namespace gfx
