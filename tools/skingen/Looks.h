// The recurring looks of the skin's controls: push faces, sunken fields, panels, green bands, scroll parts,
// check and radio marks, tabs and progress blocks. Each paints one rectangle from the theme colours. Looks
// that the program repeats to a larger size keep their middle rows and columns uniform so that copies join.
#pragma once

#include "Draw.h"
#include "Image.h"

namespace skingen {

enum class State { Normal, Hot, Down, Disabled };
// Whether the face may shade from top to bottom, or must stay uniform because its middle rows repeat.
enum class Shading { Gradient, Banded };

// A raised cream push face with a dark green outline; `edge` rows and columns at each side carry the bevel.
void PushFace(Image& img, const Rect& r, State state, int edge, Shading shading);
// A flat look for a tool button at rest: nothing but the bar behind it.
void ToolBarBackground(Image& img, const Rect& r);
void ToolFace(Image& img, const Rect& r, State state);

void SunkenField(Image& img, const Rect& r, State state);
void PanelFace(Image& img, const Rect& r);
// A green caption band with a light top line.
void GreenBand(Image& img, const Rect& r);
// The light green selection band of list items and menus.
void SelectionBand(Image& img, const Rect& r, bool rounded);

void ScrollButton(Image& img, const Rect& r, State state, Direction arrow);
void ScrollThumb(Image& img, const Rect& r, State state, bool vertical);
void ScrollTrack(Image& img, const Rect& r, bool vertical);

void CheckMarkBox(Image& img, const Rect& r, bool checked, State state);
void RadioMark(Image& img, const Rect& r, bool checked, State state);
void PlusMinusBox(Image& img, const Rect& r, bool plus);

void ProgressBlocks(Image& img, const Rect& r, bool vertical);
void GaugeTrack(Image& img, const Rect& r);

void Tab(Image& img, const Rect& r, State state); // Down is the selected tab
void HeaderSection(Image& img, const Rect& r, State state);
void DropArrow(Image& img, int cx, int cy, Rgb c);
void SizeGrip(Image& img, int right, int bottom);

} // namespace skingen
