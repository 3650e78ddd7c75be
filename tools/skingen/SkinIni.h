// SKIN.INI of the "winxpgreen" skin: 70 sections in their fixed order, 1,327 lines ending in CR LF, UTF-8
// without a byte-order mark. Rectangles come from the layout, so they always match the drawn pictures.
#pragma once

#include <string>

namespace skingen {

// The whole file. Throws std::logic_error when the text strays from 70 sections or 1,327 lines.
std::string SkinIniText();

} // namespace skingen
