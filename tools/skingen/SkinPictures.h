// All eleven pictures of the skin, drawn together; what the generator writes and the mock-ups are made from.
// Standard library only.
#pragma once

#include "Image.h"

namespace skingen {

struct SkinPictures {
    Image frame;
    Image inactiveFrame;
    Image frameMask;
    Image captionButtons; // active picture 0
    Image popup;          // 1
    Image menuItems;      // 2
    Image hint;           // 3
    Image controls;       // 4
    Image grids;          // 5
    Image popupMask;      // 6
    Image hintMask;       // 7
};

SkinPictures DrawSkinPictures();

} // namespace skingen
