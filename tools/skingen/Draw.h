// Drawing operations on the generator's image: fills, gradients, outlines and the small glyphs (arrows, check
// marks, crosses, discs) that the skin pictures share. Standard library only.
#pragma once

#include "Image.h"

#include <initializer_list>

namespace skingen {

enum class Direction { Up, Down, Left, Right };

struct ColorStop {
    double at; // 0 = first row, 1 = last row
    Rgb color;
};

void FillRect(Image& img, const Rect& r, Rgb c);
void HLine(Image& img, int left, int right, int y, Rgb c); // right outside
void VLine(Image& img, int x, int top, int bottom, Rgb c); // bottom outside
void FrameRect(Image& img, const Rect& r, Rgb c);

// Colour of a vertical gradient at row `row` of `rows`, through the given stops.
Rgb GradientAt(std::initializer_list<ColorStop> stops, int row, int rows);
void VerticalGradient(Image& img, const Rect& r, std::initializer_list<ColorStop> stops);
void HorizontalGradient(Image& img, const Rect& r, std::initializer_list<ColorStop> stops);

// A one-pixel outline whose four corner pixels are left out (radius 1) or cut diagonally (radius 2).
void RoundFrame(Image& img, const Rect& r, Rgb c, int radius);
// Softens the outer corner pixels of a RoundFrame toward `outside`.
void SoftCorners(Image& img, const Rect& r, Rgb edge, Rgb outside, int radius);

// A filled triangle pointing in `d`, centred on (cx, cy); `size` is the odd length of its base in pixels.
void Arrow(Image& img, int cx, int cy, Direction d, int size, Rgb c);
void CheckMark(Image& img, int x, int y, Rgb c);         // 7 x 7 tick, top-left at (x, y)
void Cross(Image& img, const Rect& r, int thickness, Rgb c); // an X filling r
// Anti-aliased disc and ring centred on (cx, cy), in pixel-centre coordinates.
void Disc(Image& img, double cx, double cy, double radius, Rgb c);
void Ring(Image& img, double cx, double cy, double radius, double width, Rgb c);
// A column or row of raised 2 x 2 grip dots.
void GripDots(Image& img, const Rect& r, Direction along, Rgb light, Rgb dark);

} // namespace skingen
