// Draws all eleven pictures of the skin. Standard library only.
#include "SkinPictures.h"

#include "ControlPictures.h"
#include "FramePictures.h"
#include "MenuPictures.h"

namespace skingen {

SkinPictures DrawSkinPictures()
{
    return {DrawFrame(),       DrawInactiveFrame(), DrawFrameMask(), DrawCaptionButtons(),
            DrawPopupWindow(), DrawMenuItems(),     DrawHintWindow(), DrawControls(),
            DrawGrids(),       DrawPopupMask(),     DrawHintMask()};
}

} // namespace skingen
