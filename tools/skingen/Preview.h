// Mock-ups for looking at the skin as the program will show it: the frame composed at a window size, and an
// element repeated out to a control's size. Only for the designer's eyes; the program draws with its own code.
#pragma once

#include "Image.h"
#include "Layout.h"
#include "SkinPictures.h"

#include <string>

namespace skingen {

// The frame, caption and borders laid out for a w x h window by copying the picture's corner parts and
// repeating the strips between them; pixels outside the mask show `desktop`.
Image ComposeFrame(const Image& frame, const Image& clientSource, const Image& mask, int w, int h, Rgb desktop);

// One look of an element (its rectangle `look` in `picture`) drawn at w x h with the element's points and
// client rectangle: the parts outside the points copied, the strips between and the client repeated.
Image ComposeElement(const Image& picture, const Rect& look, const layout::Stretch& s, int w, int h);

// Repeats `source` side by side over `target` of `img`, cutting the last copies.
void Tile(Image& img, const Image& picture, const Rect& source, const Rect& target);

// Writes 24-bit mock-ups into `dir`: the main window active and inactive at 567 x 455 with its six buttons,
// the location dialog, the buttons in all their looks, a popup menu and a hint.
void WriteMockups(const std::string& dir, const SkinPictures& p);

} // namespace skingen
