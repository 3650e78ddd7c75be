// Painting the whole skinned frame of a window: the composed pieces, the caption text and the caption buttons,
// in that order. Portable: no platform headers; pixels through gfx, text through the canvas.
#pragma once

#include "gfx/Canvas.h"
#include "skin/FrameButtons.h"
#include "skin/FrameObjects.h"
#include "skin/FrameState.h"
#include "skin/SkinData.h"

#include <string_view>

namespace skin {

// `canvas` covers the whole window (layout.window); the client area is left alone. The activation is the
// buttons' (CaptionButtons::SetActive), so that the frame picture, the caption colours and the button looks
// always agree.
void PaintFrame(gfx::Canvas& canvas, const SkinData& skin, const FrameLayout& layout, const CaptionButtons& buttons,
                WindowState state, std::wstring_view caption);

} // namespace skin
