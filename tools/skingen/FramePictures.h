// The main window's frame pictures: the active and inactive frame, its mask, and the caption buttons' other
// looks (active picture 0). Drawn from the theme colours at the layout's rectangles; standard library only.
#pragma once

#include "Image.h"

namespace skingen {

Image DrawFrame();
// The same frame, drained of colour and lightened; the client rectangle keeps its colour.
Image DrawInactiveFrame();
// Black where the window is, white where the rounded top corners cut it away.
Image DrawFrameMask();
Image DrawCaptionButtons();

// Whether a frame pixel lies inside the window's shape.
bool InsideFrameShape(int x, int y);
Rgb InactiveColor(Rgb c);

} // namespace skingen
