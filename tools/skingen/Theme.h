// The colours of the "winxpgreen" skin, in one place so that a designer can change a colour and rebuild.
// Every picture is drawn from these; nothing else in the generator names a colour.
#pragma once

#include "Image.h"

namespace skingen::theme {

// Frame of the main window: olive-green caption band and borders.
constexpr Rgb kFrameOutline{66, 88, 38};
constexpr Rgb kFrameInnerEdge{86, 112, 52};
constexpr Rgb kCaptionHighlight{226, 238, 190};
constexpr Rgb kCaptionTop{182, 204, 128};
constexpr Rgb kCaptionUpper{154, 182, 100};
constexpr Rgb kCaptionMiddle{130, 162, 80};
constexpr Rgb kCaptionLower{112, 146, 64};
constexpr Rgb kCaptionBottom{134, 166, 86};
constexpr Rgb kBorderLight{186, 208, 140};
constexpr Rgb kBorderFace{140, 170, 92};
constexpr Rgb kBorderShade{118, 148, 72};
// The client colour is part of the skin's contract: the window shows it where no background picture lies.
constexpr Rgb kClient{203, 226, 255};
// Pixels outside the window's shape; the mask cuts them away.
constexpr Rgb kOutside{255, 255, 255};

// Caption buttons: green ones and the orange-red close button, white outline and glyphs.
constexpr Rgb kCapButtonEdge{236, 244, 222};
constexpr Rgb kCapButtonTop{170, 204, 118};
constexpr Rgb kCapButtonBottom{92, 134, 50};
constexpr Rgb kCloseTop{240, 146, 100};
constexpr Rgb kCloseBottom{196, 70, 34};
constexpr Rgb kCapGlyph{255, 255, 255};
// The system-menu emblem: a small installation disc.
constexpr Rgb kDiscFace{236, 242, 226};
constexpr Rgb kDiscShade{176, 196, 150};
constexpr Rgb kDiscEdge{58, 82, 36};
constexpr Rgb kDiscHub{122, 160, 70};

// Inactive frame: the active colours drained of most of their colour and lightened.
constexpr double kInactiveGrey = 0.6;
constexpr double kInactiveLight = 0.18;

// Controls: cream faces with dark green outlines, gold hover glow.
constexpr Rgb kControlOutline{72, 100, 46};
constexpr Rgb kFaceTop{255, 255, 248};
constexpr Rgb kFace{238, 238, 218};
constexpr Rgb kFaceBottom{222, 222, 194};
constexpr Rgb kFaceEdgeLight{255, 255, 255};
constexpr Rgb kFaceEdgeShade{206, 206, 176};
constexpr Rgb kPressedTop{208, 208, 180};
constexpr Rgb kPressedFace{224, 224, 200};
constexpr Rgb kHotGlow{236, 160, 40};
constexpr Rgb kHotGlowLight{252, 206, 106};
constexpr Rgb kDisabledOutline{190, 194, 170};
constexpr Rgb kDisabledFace{244, 244, 234};
constexpr Rgb kDisabledText{160, 164, 140};
constexpr Rgb kPanelFace{240, 240, 222};
constexpr Rgb kPanelEdge{166, 178, 132};
constexpr Rgb kFieldFill{255, 255, 255};
constexpr Rgb kFieldBorder{134, 164, 96};
constexpr Rgb kFieldHotBorder{104, 140, 60};
constexpr Rgb kTrack{244, 244, 230};
constexpr Rgb kTrackEdge{226, 228, 206};
constexpr Rgb kScrollTop{226, 236, 196};
constexpr Rgb kScrollBottom{184, 204, 146};
constexpr Rgb kScrollHotTop{238, 246, 214};
constexpr Rgb kScrollHotBottom{198, 218, 160};
constexpr Rgb kScrollEdge{150, 172, 110};
constexpr Rgb kScrollGlyph{58, 82, 36};
constexpr Rgb kBandTop{172, 200, 122};
constexpr Rgb kBandBottom{118, 154, 70};
constexpr Rgb kBandText{255, 255, 255};
constexpr Rgb kSelectTop{214, 232, 170};
constexpr Rgb kSelectBottom{178, 206, 124};
constexpr Rgb kSelectEdge{120, 152, 72};
constexpr Rgb kProgressLight{206, 240, 170};
constexpr Rgb kProgressMid{120, 196, 72};
constexpr Rgb kProgressDark{70, 150, 40};
constexpr Rgb kCheckMark{46, 120, 30};
constexpr Rgb kText{0, 0, 0};
constexpr Rgb kGreyText{128, 128, 128};
constexpr Rgb kGridLines{214, 218, 196};

// Popup menus and hints.
constexpr Rgb kMenuFace{252, 252, 244};
constexpr Rgb kMenuEdge{98, 126, 62};
constexpr Rgb kMenuInnerEdge{226, 234, 204};
constexpr Rgb kMenuDivider{196, 206, 172};
constexpr Rgb kHintFace{252, 252, 228};
constexpr Rgb kHintEdge{98, 126, 62};

} // namespace skingen::theme
