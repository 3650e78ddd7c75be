// Paints the whole skinned frame. Portable: no platform headers.
#include "skin/FramePaint.h"

#include "skin/FrameCaption.h"
#include "skin/FrameGeometry.h"

namespace skin {

void PaintFrame(gfx::Canvas& canvas, const SkinData& skin, const FrameLayout& layout, const CaptionButtons& buttons,
                WindowState state, std::wstring_view caption)
{
    const Active active = buttons.IsActive() ? Active::Yes : Active::No;
    ComposeFrame(canvas.Target(), skin, active);
    if (const auto text = LayoutCaption(MeasureWith(canvas), layout, caption, active)) {
        DrawCaption(canvas, *text);
    }
    DrawCaptionButtons(canvas.Target(), skin, layout, buttons, state);
}

} // namespace skin
