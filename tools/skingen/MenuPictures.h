// The popup menu window (active pictures 1 and 6), the menu items (2) and the hint window (3 and 7) of the
// skin. Drawn at the layout's rectangles from the theme colours; standard library only.
#pragma once

#include "Image.h"

namespace skingen {

Image DrawPopupWindow();
Image DrawPopupMask();
Image DrawMenuItems();
Image DrawHintWindow();
Image DrawHintMask();

} // namespace skingen
