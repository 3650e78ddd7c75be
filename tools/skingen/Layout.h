// Where everything lies in the skin's pictures. The drawing code paints at these rectangles and the definition
// writer names them, so a picture and SKIN.INI can never disagree. Rectangles are left, top, right, bottom with
// right and bottom outside; points and client rectangles are relative to their element's rectangle.
#pragma once

#include "Image.h"

namespace skingen::layout {

struct Pt {
    int x = 0;
    int y = 0;
};

// One stretchable look: its rectangle, the four points between which it repeats, and its client rectangle.
struct Stretch {
    Rect rect;
    Pt leftTop;
    Pt rightTop;
    Pt leftBottom;
    Pt rightBottom;
    Rect client;
};

// Three looks of a pressable part, side by side or stacked.
struct Looks {
    Rect normal;
    Rect hot;
    Rect down;
};

constexpr Looks Row(int x, int y, int w, int h)
{
    return {Rect::Sized(x, y, w, h), Rect::Sized(x + w, y, w, h), Rect::Sized(x + 2 * w, y, w, h)};
}

constexpr Looks Column(int x, int y, int w, int h)
{
    return {Rect::Sized(x, y, w, h), Rect::Sized(x, y + h, w, h), Rect::Sized(x, y + 2 * h, w, h)};
}

// ---- Frame picture, inactive frame picture and mask (152 x 125) ----
namespace frame {
constexpr int kWidth = 152;
constexpr int kHeight = 125;
constexpr int kCaptionRows = 29;
constexpr int kBorder = 5;
constexpr Rect kClient{5, 29, 147, 120};
// Pixels cut from each end of rows 0 to 4: the rounded top corners.
constexpr int kCornerCut[5] = {5, 3, 2, 1, 1};
constexpr Pt kLeftTop{29, 29};
constexpr Pt kRightTop{53, 29};
constexpr Pt kLeftBottom{6, 118};
constexpr Pt kRightBottom{146, 119};
constexpr Rect kMaskArea{3, 4, 149, 122};
constexpr Rect kCaptionArea{27, 6, 56, 24};
constexpr Rect kCaptionText{0, 0, 29, 18};
constexpr Rect kSysMenu{6, 7, 23, 23};
constexpr Rect kRollUp{58, 4, 79, 25};
constexpr Rect kMinimize{81, 4, 102, 25};
constexpr Rect kMaximize{104, 4, 125, 25};
constexpr Rect kClose{127, 4, 148, 25};
} // namespace frame

// ---- Active picture 0, "active.BMP" (84 x 223): caption button looks ----
namespace buttons {
constexpr int kWidth = 84;
constexpr int kHeight = 223;
// Columns: normal, pressed, hot, inactive. Rows overlap by one where two looks share an outline row.
constexpr int kNormalX = 0;
constexpr int kDownX = 21;
constexpr int kHotX = 42;
constexpr int kInactiveX = 63;
constexpr int kCloseY = 0;
constexpr int kMaximizeY = 21;
constexpr int kMinimizeY = 41;
constexpr int kRestoreY = 61;
constexpr int kRollUpY = 81;
constexpr int kUnrollY = 101;
constexpr int kSize = 21;
constexpr Rect Cell(int x, int y) { return Rect::Sized(x, y, kSize, kSize); }
constexpr Rect kSysMenuNormal{1, 124, 18, 140};
constexpr Rect kSysMenuHot{20, 124, 37, 140};
constexpr Rect kSysMenuDown{39, 124, 56, 140};
constexpr Rect kSysMenuInactive{58, 124, 75, 140};
} // namespace buttons

// ---- Active picture 1, "pw.bmp", and 6, "pwmask.bmp" (65 x 69): popup menu window ----
namespace popup {
constexpr int kWidth = 65;
constexpr int kHeight = 69;
constexpr Pt kLeftTop{24, 8};
constexpr Pt kRightTop{58, 10};
constexpr Pt kLeftBottom{6, 58};
constexpr Pt kRightBottom{38, 60};
constexpr Rect kItems{3, 8, 62, 61};
} // namespace popup

// ---- Active picture 2, "menuitems.bmp" (68 x 118) ----
namespace menu {
constexpr int kWidth = 68;
constexpr int kHeight = 118;
constexpr Rect kItem{1, 22, 64, 42};
constexpr Rect kActiveItem{1, 1, 64, 21};
constexpr Rect kDivider{1, 41, 64, 48};
constexpr Rect kItemText{2, 2, 60, 18};
constexpr Looks kBarItem = Column(1, 50, 25, 21);
constexpr Rect kBarItemText{3, 2, 22, 18};
// Main-menu bar buttons, 13 x 11: one row per button, columns normal, hot, pressed.
constexpr Looks kBarSysMenu = Row(28, 50, 13, 11);
constexpr Looks kBarClose = Row(28, 61, 13, 11);
constexpr Looks kBarMaximize = Row(28, 72, 13, 11);
constexpr Looks kBarMinimize = Row(28, 83, 13, 11);
} // namespace menu

// ---- Active picture 3, "hw.bmp", and 7, "hwmask.bmp" (42 x 27): hint window ----
namespace hint {
constexpr int kWidth = 42;
constexpr int kHeight = 27;
constexpr Pt kLeftTop{6, 6};
constexpr Pt kRightTop{36, 6};
constexpr Pt kLeftBottom{6, 21};
constexpr Pt kRightBottom{36, 21};
constexpr Rect kClient{4, 4, 38, 23};
} // namespace hint

// ---- Active picture 5, "grids.bmp" (72 x 21) ----
namespace grid {
constexpr int kWidth = 72;
constexpr int kHeight = 21;
constexpr Rect kFixedCell{0, 0, 24, 21};
constexpr Rect kSelectCell{24, 0, 48, 21};
constexpr Rect kFocusCell{48, 0, 72, 21};
constexpr Rect kCellText{2, 2, 22, 19};
} // namespace grid

// ---- Active picture 4, "controls.bmp" (516 x 280): every control element ----
namespace controls {
constexpr int kWidth = 516;
constexpr int kHeight = 280;

// Push buttons. The dialog's button repeats its middle columns; the main window's button stretches both ways.
constexpr Stretch kButton{{0, 0, 24, 21}, {4, 8}, {18, 9}, {0, 0}, {0, 0}, {2, 2, 22, 19}};
constexpr Rect kButtonDown{24, 0, 48, 21};
constexpr Rect kButtonHot{48, 0, 72, 21};
constexpr Rect kButtonDisabled{110, 83, 134, 104};
constexpr Stretch kResizeButton{{3, 240, 27, 261}, {5, 5}, {18, 5}, {6, 14}, {18, 15}, {4, 4, 20, 17}};
constexpr Rect kResizeButtonHot{27, 240, 51, 261};
constexpr Rect kResizeButtonDown{51, 240, 75, 261};

constexpr Looks kHeader = Row(74, 0, 22, 20);
constexpr Looks kToolButton = Row(0, 24, 23, 22);
constexpr Rect kToolPanel = Rect::Sized(71, 24, 40, 26);
constexpr Rect kVSplitter = Rect::Sized(114, 24, 6, 40);
constexpr Rect kHSplitter = Rect::Sized(98, 66, 40, 6);
constexpr Looks kToolMenuButton = Row(0, 52, 32, 22);
constexpr Looks kToolMenuTrackButton = Row(0, 76, 36, 22);
constexpr Looks kBigToolButton = Row(0, 106, 40, 40);
constexpr Looks kBigToolMenuButton = Row(0, 148, 40, 44);
constexpr Looks kBigToolMenuTrackButton = Row(0, 194, 46, 44);
// Up/down buttons: the pair of normal looks is the element's own rectangle, hot and pressed pairs follow.
constexpr Rect kVUpDown = Rect::Sized(122, 106, 15, 20);
constexpr Looks kVUpDownUp{Rect::Sized(122, 106, 15, 10), Rect::Sized(122, 126, 15, 10),
                           Rect::Sized(122, 146, 15, 10)};
constexpr Looks kVUpDownDown{Rect::Sized(122, 116, 15, 10), Rect::Sized(122, 136, 15, 10),
                             Rect::Sized(122, 156, 15, 10)};
constexpr Rect kStatusBar = Rect::Sized(77, 240, 60, 22);
constexpr Rect kStatusPanel = Rect::Sized(77, 262, 30, 18);
constexpr Rect kLabel = Rect::Sized(109, 262, 28, 18);

// Panels along the top right.
constexpr Stretch kPanel{{141, 4, 200, 56}, {5, 4}, {53, 6}, {6, 45}, {53, 46}, {2, 2, 57, 50}};
constexpr Rect kGroupBox = Rect::Sized(202, 4, 60, 52);
constexpr Rect kRollUpPanel = Rect::Sized(264, 4, 60, 52);
constexpr Rect kRollUpMarker = Rect::Sized(326, 4, 9, 9);
constexpr Rect kRestoreMarker = Rect::Sized(326, 15, 9, 9);
constexpr Rect kExPanel = Rect::Sized(338, 4, 60, 52);
constexpr Rect kExRollUp = Rect::Sized(400, 4, 14, 14);
constexpr Rect kExRollUpHot = Rect::Sized(414, 4, 14, 14);
constexpr Rect kExClose = Rect::Sized(400, 18, 14, 14);
constexpr Rect kExCloseHot = Rect::Sized(414, 18, 14, 14);
constexpr Rect kExRestore = Rect::Sized(400, 32, 14, 14);
constexpr Rect kExRestoreHot = Rect::Sized(414, 32, 14, 14);
constexpr Rect kBigToolPanel = Rect::Sized(430, 4, 50, 48);

// Scroll bars: tracks, arrow buttons and thumbs.
constexpr Rect kHScrollTrack = Rect::Sized(141, 60, 60, 17);
constexpr Looks kHScrollLeft = Row(201, 60, 17, 17);
constexpr Looks kHScrollRight = Row(252, 60, 17, 17);
constexpr Looks kHScrollThumb = Row(303, 60, 30, 17);
constexpr Rect kBothHScrollTrack = Rect::Sized(395, 60, 60, 17);
constexpr Rect kVScrollTrack = Rect::Sized(482, 4, 17, 60);
constexpr Looks kVScrollUp = Column(499, 4, 17, 17);
constexpr Looks kVScrollDown = Column(499, 55, 17, 17);
constexpr Looks kVScrollThumb = Column(482, 64, 17, 30);

// Check boxes and radio buttons: background, then six 13 x 13 marks each.
constexpr Rect kCheckBox = Rect::Sized(141, 80, 40, 17);
constexpr int kMarkY = 82;
constexpr int kMark = 13;
constexpr int kCheckMarksX = 183;
constexpr Rect kRadioBox = Rect::Sized(263, 80, 40, 17);
constexpr int kRadioMarksX = 305;
constexpr Rect Mark(int firstX, int i) { return Rect::Sized(firstX + i * kMark, kMarkY, kMark, kMark); }
constexpr Rect kTreeExpand = Rect::Sized(385, 84, 9, 9);
constexpr Rect kTreeCollapse = Rect::Sized(396, 84, 9, 9);
constexpr Rect kHUpDown = Rect::Sized(407, 80, 20, 15);
constexpr Looks kHUpDownLeft{Rect::Sized(407, 80, 10, 15), Rect::Sized(427, 80, 10, 15),
                             Rect::Sized(447, 80, 10, 15)};
constexpr Looks kHUpDownRight{Rect::Sized(417, 80, 10, 15), Rect::Sized(437, 80, 10, 15),
                              Rect::Sized(457, 80, 10, 15)};

// Fields and boxes.
constexpr Rect kEdit = Rect::Sized(141, 100, 40, 21);
constexpr Rect kEditHot = Rect::Sized(183, 100, 40, 21);
constexpr Rect kComboBox = Rect::Sized(225, 100, 60, 21);
constexpr Rect kComboBoxHot = Rect::Sized(287, 100, 60, 21);
constexpr Looks kComboButton = Row(349, 102, 17, 17);
constexpr Looks kEditButton = Row(402, 102, 17, 17);
constexpr Rect kListBox = Rect::Sized(141, 124, 60, 50);
constexpr Rect kListItem = Rect::Sized(203, 124, 40, 17);
constexpr Rect kListItemSelected = Rect::Sized(203, 141, 40, 17);
constexpr Rect kListItemFocused = Rect::Sized(203, 158, 40, 17);
constexpr Rect kCaptionListBox = Rect::Sized(245, 124, 60, 60);
constexpr Rect kMemo = Rect::Sized(307, 124, 30, 30);
constexpr Rect kMemoHot = Rect::Sized(337, 124, 30, 30);
constexpr Rect kCaptionComboBox = Rect::Sized(416, 124, 60, 21);
constexpr Rect kCaptionComboBoxHot = Rect::Sized(416, 147, 60, 21);

// Gauges.
constexpr Stretch kStatusGauge{{366, 155, 414, 175}, {4, 9}, {43, 9}, {0, 0}, {0, 0}, {3, 3, 45, 18}};
constexpr Rect kStatusGaugeArea{3, 3, 46, 18};
constexpr Rect kStatusGaugeProgress{369, 136, 411, 151};
constexpr Rect kGauge = Rect::Sized(203, 211, 60, 16);
constexpr Rect kGaugeProgress = Rect::Sized(265, 214, 56, 10);
constexpr Rect kVGauge = Rect::Sized(325, 188, 16, 48);
constexpr Rect kVGaugeProgress = Rect::Sized(343, 191, 10, 42);

// Tabs and track bars.
constexpr Rect kTabPane = Rect::Sized(141, 188, 60, 40);
constexpr Rect kTab = Rect::Sized(203, 188, 40, 21);
constexpr Rect kTabSelected = Rect::Sized(243, 188, 40, 21);
constexpr Rect kTabHot = Rect::Sized(283, 188, 40, 21);
constexpr Rect kTrackBar = Rect::Sized(355, 188, 22, 48);
constexpr Looks kTrackBarThumb = Column(379, 188, 20, 11);
constexpr Rect kHTrackBar = Rect::Sized(401, 188, 60, 22);
constexpr Looks kHTrackBarThumb = Row(463, 188, 11, 20);
constexpr Rect kMainMenuBar = Rect::Sized(401, 212, 60, 22);
constexpr Rect kControlBar = Rect::Sized(141, 230, 60, 26);

// Framed views along the bottom.
constexpr Rect kScrollBox = Rect::Sized(203, 240, 40, 40);
constexpr Rect kTreeView = Rect::Sized(245, 240, 40, 40);
constexpr Rect kListView = Rect::Sized(287, 240, 40, 40);
constexpr Rect kRichEdit = Rect::Sized(329, 240, 40, 40);
} // namespace controls

} // namespace skingen::layout
