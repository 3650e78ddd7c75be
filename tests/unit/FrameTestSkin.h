// The frame tests' skin: the stored skin's frame sections ([FORMINFO], the twelve skin objects, [POPUPWINDOW],
// [menuitem]) with pictures whose every pixel tells where it came from, and a mask with the stored cut.
#pragma once

#include "gfx/Bitmap.h"
#include "gfx/Bmp.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace frametest {

inline constexpr std::string_view kFrameSkin = R"([VERSION]
ver=1
skinname=winxpgreen
[PICTURES]
picture=main.bmp
inactivepicture=inactivemain.bmp
mask=mask.bmp
activepicturescount=8
[FORMINFO]
lefttoppoint=29,29
righttoppoint=53,29
leftbottompoint=6,118
rightbottompoint=146,119
clientrect=5,29,147,120
bgpictureindex=-1
maskrectarea=3,4,149,122
hittestlefttoppoint=5,6
hittestrighttoppoint=145,5
hittestleftbottompoint=6,120
hittestrightbottompoint=146,118
borderwidth=3
[POPUPWINDOW]
windowpictureindex=1
maskpictureindex=6
lefttoppoint=24,8
righttoppoint=58,10
leftbottompoint=6,58
rightbottompoint=38,60
itemsrect=3,8,62,61
scrollmarkercolor=8421504
scrollmarkeractivecolor=0
[SKINOBJECTS]
count=12
0=menuitem:menuitem
1=caption:caption
2=closebutton:stdbutton
3=minimizebutton:stdbutton
4=maximizebutton:stdbutton
5=rollupbutton:stdbutton
6=mainmenubaritem:mainmenubaritem
7=sysmenubutton:stdbutton
8=menubarsysmenubutton:mainmenubarbutton
9=menubarclosebutton:mainmenubarbutton
10=menubarmaxbutton:mainmenubarbutton
11=menubarminbutton:mainmenubarbutton
[menuitem]
activepictureindex=2
skinrect=1,22,64,42
activeskinrect=1,1,64,21
itemleftoffset=0
itemrightoffset=0
dividerrect=1,41,64,48
dividerleftoffset=3
dividerrightoffset=3
textrect=2,2,60,18
fontname=宋体
fontheight=-12
fontstyle=
fontcolor=0
activefontcolor=255
unenabledfontColor=8421504
[caption]
activepictureindex=-1
skinrect=27,6,56,24
activeskinrect=0,0,0,0
textrect=0,0,29,18
fontname=宋体
fontheight=-12
fontstyle=fsbold
fontcolor=16777215
activefontcolor=16777215


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
restorerect=0,0,0,0
[minimizebutton]
activepictureindex=0
skinrect=81,4,102,25
activeskinrect=42,41,63,62
downrect=21,41,42,62
command=cmminimize
restorerect=0,61,21,82
restoreactiverect=42,61,63,82
restoredownrect=21,61,42,82
restoreinactiverect=63,61,84,82
[maximizebutton]
activepictureindex=0
skinrect=104,4,125,25
activeskinrect=42,21,63,42
downrect=21,21,42,42
command=cmmaximize
restorerect=0,61,21,82
restoreactiverect=42,61,63,82
restoredownrect=21,61,42,82
restoreinactiverect=63,61,84,82
[rollupbutton]
activepictureindex=0
skinrect=58,4,79,25
activeskinrect=42,81,63,102
downrect=21,81,42,102
command=cmrollup
restorerect=0,101,21,122
restoreactiverect=42,101,63,122
restoredownrect=21,101,42,122
restoreinactiverect=63,101,84,122
[mainmenubaritem]
activepictureindex=0
skinrect=0,0,10,10
[sysmenubutton]
activepictureindex=0
skinrect=6,7,23,23
activeskinrect=20,124,37,140
downrect=39,124,56,140
command=cmsysmenu
[menubarsysmenubutton]
skinrect=0,0,10,10
command=cmsysmenu
[menubarclosebutton]
skinrect=0,0,10,10
command=cmclose
[menubarmaxbutton]
skinrect=0,0,10,10
command=cmmaximize
[menubarminbutton]
skinrect=0,0,10,10
command=cmminimize
[SKINCONTROLS]
count=0
)";

// Blue values that tell the pictures apart; red and green are the pixel's own x and y.
constexpr uint8_t kFrameTag = 0;
constexpr uint8_t kInactiveTag = 100;
constexpr uint8_t kButtonsTag = 200;
constexpr uint8_t kPopupTag = 50;
constexpr uint8_t kMenuItemsTag = 150;

// Every pixel is Rgb(x, y, tag), so a drawn pixel names the picture and the pixel it was copied from.
inline gfx::Bitmap CoordinatePicture(int width, int height, uint8_t tag)
{
    gfx::Bitmap picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.At(x, y) = gfx::Rgb(uint8_t(x), uint8_t(y), tag);
        }
    }
    return picture;
}

struct Source {
    int x = -1;
    int y = -1;
    int tag = -1;
    friend bool operator==(const Source&, const Source&) = default;
};

inline Source SourceOf(gfx::Pixel p) { return {gfx::RedOf(p), gfx::GreenOf(p), gfx::BlueOf(p)}; }

constexpr gfx::Pixel kBlack = gfx::Rgb(0, 0, 0);
constexpr gfx::Pixel kWhite = gfx::Rgb(255, 255, 255);

// The stored mask's cut: rows 0 to 4 lose 5, 3, 2, 1 and 1 pixels at each end; the bottom corners are square.
// The client piece and one pixel inside maskrectarea are white too: maskrectarea must win over them.
inline gfx::Bitmap FrameMask()
{
    gfx::Bitmap mask(152, 125, kBlack);
    const int cut[] = {5, 3, 2, 1, 1};
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < cut[y]; ++x) {
            mask.At(x, y) = kWhite;
            mask.At(151 - x, y) = kWhite;
        }
    }
    for (int y = 29; y < 120; ++y) {
        for (int x = 5; x < 147; ++x) {
            mask.At(x, y) = kWhite;
        }
    }
    mask.At(60, 15) = kWhite;
    return mask;
}

// The popup mask cuts its top-left pixel and its bottom-right 2 x 2 corner.
inline gfx::Bitmap PopupMask()
{
    gfx::Bitmap mask(65, 69, kBlack);
    mask.At(0, 0) = kWhite;
    for (int y = 67; y < 69; ++y) {
        for (int x = 63; x < 65; ++x) {
            mask.At(x, y) = kWhite;
        }
    }
    return mask;
}

inline std::vector<uint8_t> Bmp(const gfx::Bitmap& b) { return gfx::EncodeBmp32(b.View()); }

inline std::vector<std::string> SkinLines()
{
    std::vector<std::string> lines;
    std::string_view text = kFrameSkin;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

inline skin::StoredPictures FramePictures()
{
    skin::StoredPictures p;
    p.frame = Bmp(CoordinatePicture(152, 125, kFrameTag));
    p.inactiveFrame = Bmp(CoordinatePicture(152, 125, kInactiveTag));
    p.mask = Bmp(FrameMask());
    const gfx::Bitmap tiny(1, 1, kBlack);
    p.active = {Bmp(CoordinatePicture(84, 223, kButtonsTag)), Bmp(CoordinatePicture(65, 69, kPopupTag)),
                Bmp(CoordinatePicture(68, 118, kMenuItemsTag)), Bmp(tiny), Bmp(tiny), Bmp(tiny), Bmp(PopupMask()),
                Bmp(tiny)};
    return p;
}

inline const skin::SkinData& FrameSkin()
{
    static const skin::SkinData skin = [] {
        skin::SkinData s;
        s.Load(SkinLines(), FramePictures());
        return s;
    }();
    return skin;
}

#ifdef SOURCE_DIR
inline std::vector<uint8_t> ReadFileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The skin the program ships, read from the repository's skin/ folder.
inline const skin::SkinData& ShippedSkin()
{
    static const skin::SkinData skin = [] {
        const std::string dir = std::string(SOURCE_DIR) + "/skin/";
        std::vector<std::string> lines;
        std::ifstream ini(dir + "SKIN.INI");
        for (std::string line; std::getline(ini, line);) {
            lines.push_back(line);
        }
        skin::StoredPictures p;
        p.frame = ReadFileBytes(dir + "main.bmp");
        p.inactiveFrame = ReadFileBytes(dir + "inactivemain.bmp");
        p.mask = ReadFileBytes(dir + "mask.bmp");
        for (const char* name : {"active.BMP", "pw.bmp", "menuitems.bmp", "hw.bmp", "controls.bmp", "grids.bmp",
                                 "pwmask.bmp", "hwmask.bmp"}) {
            p.active.push_back(ReadFileBytes(dir + name));
        }
        skin::SkinData s;
        s.Load(lines, p);
        return s;
    }();
    return skin;
}
#endif

} // namespace frametest
