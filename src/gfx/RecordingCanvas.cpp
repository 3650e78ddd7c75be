// The recording canvas: text as measured boxes, so that tests can find text by colour and position without fonts.
// Portable: no platform headers.
#include "gfx/RecordingCanvas.h"

#include "gfx/Draw.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace gfx {
namespace {

constexpr int64_t kMaxCell = 1 << 16;
constexpr int64_t kMaxWidth = 1 << 28;

bool IsLowSurrogate(wchar_t c) { return sizeof(wchar_t) == 2 && c >= 0xDC00 && c <= 0xDFFF; }

} // namespace

RecordingCanvas::RecordingCanvas(Size size, Pixel fill) : m_own(Bitmap(size.width, size.height, fill))
{
    m_target = m_own->View();
}

RecordingCanvas::RecordingCanvas(BitmapView target) : m_target(target) {}

Size RecordingCanvas::MeasureText(const Font& font, std::wstring_view text)
{
    // 64-bit sums and a cap keep absurd heights and long texts from overflowing.
    const int64_t cell = std::min<int64_t>(std::abs(int64_t(font.height)), kMaxCell);
    int64_t width = 0;
    for (const wchar_t c : text) {
        // The second half of a UTF-16 surrogate pair belongs to the character before it.
        if (!IsLowSurrogate(c)) {
            width += static_cast<uint32_t>(c) < 0x80 ? cell / 2 : cell;
        }
    }
    return {static_cast<int>(std::min(width, kMaxWidth)), static_cast<int>(cell)};
}

void RecordingCanvas::DrawText(const Font& font, std::wstring_view text, Point origin, Pixel color, Rect clip)
{
    m_textCalls.push_back({font, std::wstring(text), origin, color, clip});
    const Size size = MeasureText(font, text);
    const auto end = [](int start, int length) { return int(std::min<int64_t>(int64_t(start) + length, INT32_MAX)); };
    const Rect box = Rect{origin.x, origin.y, end(origin.x, size.width), end(origin.y, size.height)}.Intersect(clip);
    Fill(m_target, box, color);
}

} // namespace gfx
