// Shared fixtures of the skin tests: a small skin definition with the values of the elements the program uses,
// pictures painted in distinct colours, and a letter map that turns drawn pixels back into readable rows.
#pragma once

#include "gfx/Bitmap.h"
#include "gfx/Bmp.h"
#include "gfx/Draw.h"
#include "skin/StoredSkin.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace skintest {

// A trimmed-down definition: the required sections, two skin objects, the elements the windows use plus a
// "header" row, with the stored skin's values. Rows point at picture 0 (the "controls" picture here).
inline constexpr std::string_view kSmallSkin = R"([VERSION]
ver=1
skinname=winxpgreen
skinauthor=Lumovane
authoremail=skins@example.test
skincomments=
[PICTURES]
picture=main.bmp
activepicturescount=1
0=controls.bmp
[FORMINFO]
lefttoppoint=29,29
righttoppoint=53,29
leftbottompoint=6,118
rightbottompoint=146,119
clientrect=5,29,147,120
bgpictureindex=-1
maskrectarea=3,4,149,122
hittestlefttoppoint=5,6
mainmenupopupup=0
borderwidth=3
[POPUPWINDOW]
windowpictureindex=1
maskpictureindex=6
lefttoppoint=24,8
itemsrect=3,8,62,61
scrollmarkercolor=8421504
[SKINOBJECTS]
count=3
0=menuitem:menuitem
1=caption:caption
2=closebutton:stdbutton
[menuitem]
activepictureindex=2
skinrect=1,22,64,42
dividerrect=1,41,64,48
dividerleftoffset=3
textrect=2,2,60,18
fontname=宋体
fontheight=-12
unenabledfontColor=8421504
[caption]
activepictureindex=-1
skinrect=27,6,56,24
textrect=0,0,29,18
fontname=宋体
fontheight=-12
fontstyle=fsbold
fontcolor=16777215


alignment=taleftjustify
shadow=1
shadowcolor=12632256
activeshadowcolor=0
[closebutton]
activepictureindex=0
skinrect=127,4,148,25
activeskinrect=42,0,63,21
downrect=21,0,42,21
command=cmclose
[SKINCONTROLS]
count=6
0=button:button
1=panel:panel
2=resizebutton:button
3=statusgauge:gauge
4=header:header
5=label:label
[button]
pictureindex=0
maskpictureindex=-1
skinrect=0,0,24,21
lefttoppoint=4,8
righttoppoint=18,9
leftbottompoint=0,0
rightbottompoint=0,0
clientrect=2,2,22,19
fontname=宋体
fontheight=-12
fontstyle=
fontcolor=0
activefontcolor=0
downfontcolor=0
disabledfontcolor=8421504
activeskinrect=48,0,72,21
downskinrect=24,0,48,21
disabledskinrect=110,83,134,104
[panel]
pictureindex=0
maskpictureindex=-1
skinrect=141,4,200,56
lefttoppoint=5,4
righttoppoint=53,6
leftbottompoint=6,45
rightbottompoint=53,46
clientrect=2,2,57,50
bgpictureindex=-1
captionrect=0,0,0,0
alignment=tacenter
fontname=宋体
fontheight=-12
[resizebutton]
pictureindex=0
maskpictureindex=-1
skinrect=3,240,27,261
lefttoppoint=5,5
righttoppoint=18,5
leftbottompoint=6,14
rightbottompoint=18,15
clientrect=4,4,20,17
fontname=宋体
fontheight=-12
fontcolor=0
activefontcolor=0
downfontcolor=0
disabledfontcolor=0
activeskinrect=27,240,51,261
downskinrect=51,240,75,261
disabledskinrect=0,0,0,0
[statusgauge]
pictureindex=0
maskpictureindex=-1
skinrect=366,155,414,175
lefttoppoint=4,9
righttoppoint=43,9
leftbottompoint=0,0
rightbottompoint=0,0
clientrect=3,3,45,18
progressarea=3,3,46,18
progressrect=369,136,411,151
beginoffset=2
endoffset=2
vertical=0
fontname=宋体
fontheight=-12
fontcolor=0
[header]
skinrect=0,0,10,10
)";

inline std::vector<std::string> Lines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

// Distinct colours of the painted areas of the fixture picture.
constexpr gfx::Pixel kBackdrop = gfx::Rgb(10, 10, 10);
constexpr gfx::Pixel kButtonNormal = gfx::Rgb(200, 0, 0);
constexpr gfx::Pixel kButtonDown = gfx::Rgb(0, 200, 0);
constexpr gfx::Pixel kButtonActive = gfx::Rgb(0, 0, 200);
constexpr gfx::Pixel kButtonDisabled = gfx::Rgb(120, 120, 120);
constexpr gfx::Pixel kResizeNormal = gfx::Rgb(210, 10, 10);
constexpr gfx::Pixel kResizeActive = gfx::Rgb(10, 10, 210);
constexpr gfx::Pixel kResizeDown = gfx::Rgb(10, 210, 10);
constexpr gfx::Pixel kPanelFace = gfx::Rgb(230, 220, 180);
constexpr gfx::Pixel kGaugeTrack = gfx::Rgb(240, 240, 240);
constexpr gfx::Pixel kProgressBegin = gfx::Rgb(0, 90, 0);
constexpr gfx::Pixel kProgressMiddle = gfx::Rgb(0, 160, 0);
constexpr gfx::Pixel kProgressEnd = gfx::Rgb(0, 250, 0);

// A 516 x 280 "controls" picture with each state rectangle of the fixture skin in its own colour.
inline gfx::Bitmap ControlsPicture()
{
    gfx::Bitmap picture(516, 280, kBackdrop);
    const gfx::BitmapView v = picture.View();
    gfx::Fill(v, {0, 0, 24, 21}, kButtonNormal);
    gfx::Fill(v, {24, 0, 48, 21}, kButtonDown);
    gfx::Fill(v, {48, 0, 72, 21}, kButtonActive);
    gfx::Fill(v, {110, 83, 134, 104}, kButtonDisabled);
    gfx::Fill(v, {3, 240, 27, 261}, kResizeNormal);
    gfx::Fill(v, {27, 240, 51, 261}, kResizeActive);
    gfx::Fill(v, {51, 240, 75, 261}, kResizeDown);
    gfx::Fill(v, {141, 4, 200, 56}, kPanelFace);
    gfx::Fill(v, {366, 155, 414, 175}, kGaugeTrack);
    gfx::Fill(v, {369, 136, 371, 151}, kProgressBegin);
    gfx::Fill(v, {371, 136, 409, 151}, kProgressMiddle);
    gfx::Fill(v, {409, 136, 411, 151}, kProgressEnd);
    return picture;
}

inline std::vector<uint8_t> BmpFile(const gfx::Bitmap& bitmap) { return gfx::EncodeBmp32(bitmap.View()); }

inline skin::StoredPictures SmallPictures()
{
    skin::StoredPictures pictures;
    pictures.frame = BmpFile(gfx::Bitmap(152, 125, gfx::Rgb(203, 226, 255)));
    pictures.active.push_back(BmpFile(ControlsPicture()));
    return pictures;
}

// Letters stand for distinct colours, so that a drawing can be written and compared as rows of letters.
inline gfx::Pixel LetterColor(char letter)
{
    const auto c = static_cast<uint8_t>(letter);
    return gfx::Rgb(c, static_cast<uint8_t>(255 - c), static_cast<uint8_t>(c * 3));
}

// A picture painted from rows of letters, placed at `at` inside a larger picture of '#'.
inline gfx::Bitmap LetterPicture(const std::vector<std::string>& rows, gfx::Point at, gfx::Size size)
{
    gfx::Bitmap picture(size.width, size.height, LetterColor('#'));
    for (size_t y = 0; y < rows.size(); ++y) {
        for (size_t x = 0; x < rows[y].size(); ++x) {
            picture.At(at.x + int(x), at.y + int(y)) = LetterColor(rows[y][x]);
        }
    }
    return picture;
}

// The letters of a bitmap's pixels; '?' for a colour that is no letter.
inline std::vector<std::string> LetterRows(const gfx::Bitmap& bitmap, std::string_view alphabet)
{
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x) {
            char found = '?';
            for (const char letter : alphabet) {
                if (LetterColor(letter) == bitmap.At(x, y)) {
                    found = letter;
                }
            }
            row.push_back(found);
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace skintest
