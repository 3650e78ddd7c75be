// The control picture (active picture 4) with every control element's looks, and the grid cells (active
// picture 5). Drawn at the layout's rectangles from the theme colours; standard library only.
#pragma once

#include "Image.h"

namespace skingen {

// Throws std::logic_error when two looks claim overlapping rectangles, so a layout slip cannot go unseen.
Image DrawControls();
Image DrawGrids();

} // namespace skingen
