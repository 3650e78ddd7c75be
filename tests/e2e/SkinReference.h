// What the skinned windows must look like: the skin's BMP pictures and SKIN.INI read from the source tree,
// the element rectangles the looks tests compare with, and screen-against-picture comparison. No program code.
#pragma once

#include "Driver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

// A decoded skin picture (8-bit or 1-bit BMP with a colour table), top-down.
class SkinPicture {
public:
    SkinPicture(int width, int height, std::vector<Rgb> pixels)
        : m_width(width), m_height(height), m_pixels(std::move(pixels)) {}

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    Rgb At(int x, int y) const { return m_pixels.at(static_cast<size_t>(y) * m_width + x); }

private:
    int m_width;
    int m_height;
    std::vector<Rgb> m_pixels;
};

// The skin folder of the source tree: SKIN_DIR if set, else ..\..\skin from the test program
// (build\win64\e2e_tests.exe).
std::filesystem::path SkinFolder();

// Reads a picture of the skin folder once and keeps it for the rest of the run; empty when it cannot be
// read, with the reason in `error`.
const SkinPicture* LoadSkinPicture(std::wstring_view fileName, std::string* error);

// A rectangle value (left,top,right,bottom) of SKIN.INI; sections and keys match without regard to case.
std::optional<RECT> SkinIniRect(std::string_view section, std::string_view key);

// Where the README screenshots go: E2E_SHOTS_DIR if set, else e2e-shots beside the test root (build\e2e-shots).
std::filesystem::path ShotsFolder();
// Writes the shot as a 24-bit BMP file, creating the folder.
bool SaveBmp(const ScreenShot& shot, const std::filesystem::path& path);

// Wine copies skin pixels exactly; a small allowance keeps the comparison about the picture, not the bits.
inline constexpr int kBlitTolerance = 8;

// One piece of a skin picture expected at a place of a screen shot.
struct PicturePiece {
    const char* name;
    RECT source;  // in the picture
    POINT at;     // top-left corner in the shot
};

// Compares the pieces with the shot. Where a shape picture is given (the frame mask, laid out like the frame
// picture), only its black pixels are compared: the others are cut from the window and show what lies behind.
testing::AssertionResult ShowsPieces(const ScreenShot& shot, const SkinPicture& picture,
                                     const std::vector<PicturePiece>& pieces, const SkinPicture* shape = nullptr);

// The parts of a skin element that are copied unchanged whatever the control's size: the four corners of an
// element that stretches both ways, the two ends of one that stretches horizontally.
struct ElementPoints {
    RECT skinRect;
    POINT leftTop, rightTop, leftBottom, rightBottom;
};
std::vector<PicturePiece> CornerPieces(const RECT& skinRect, const ElementPoints& points, SIZE control);
std::vector<PicturePiece> EndPieces(const RECT& skinRect, const ElementPoints& points, SIZE control);

// The skin elements and frame pictures the windows draw from (controls.bmp, active.BMP, main.bmp).
namespace skin {

// "resizebutton": the main window's buttons; the three looks share the points.
inline constexpr ElementPoints kResizeButton{{3, 240, 27, 261}, {5, 5}, {18, 5}, {6, 14}, {18, 15}};
inline constexpr RECT kResizeButtonHot{27, 240, 51, 261};
inline constexpr RECT kResizeButtonPressed{51, 240, 75, 261};

// "button": the dialog's buttons, stretching horizontally at a height of 21.
inline constexpr ElementPoints kButton{{0, 0, 24, 21}, {4, 8}, {18, 9}, {0, 0}, {0, 0}};
inline constexpr RECT kButtonHot{48, 0, 72, 21};
inline constexpr RECT kButtonPressed{24, 0, 48, 21};

// "panel": stretches both ways; its inside is one plain colour.
inline constexpr ElementPoints kPanel{{141, 4, 200, 56}, {5, 4}, {53, 6}, {6, 45}, {53, 46}};
inline constexpr RECT kPanelClient{2, 2, 57, 50};

// "statusgauge": stretches horizontally at a height of 20; its progress area is filled from the left with
// the progress picture.
inline constexpr ElementPoints kStatusGauge{{366, 155, 414, 175}, {4, 9}, {43, 9}, {0, 0}, {0, 0}};
inline constexpr RECT kStatusGaugeProgressArea{3, 3, 46, 18};
inline constexpr RECT kStatusGaugeProgress{369, 136, 411, 151};

// Caption-button looks in active.BMP.
inline constexpr RECT kCloseHot{42, 0, 63, 21};
inline constexpr RECT kClosePressed{21, 0, 42, 21};
inline constexpr RECT kRestoreNormal{0, 61, 21, 82};

}  // namespace skin

// Where the filled part of a gauge's progress area ends, measured on its top row (above the percentage
// text): one past the last column showing a colour of the progress picture, in gauge coordinates; the left
// edge of the area when nothing is filled.
int GaugeFillEnd(const ScreenShot& gauge, const SkinPicture& controls);

}  // namespace e2e
