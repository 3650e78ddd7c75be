// skingen: draws the eleven pictures of the "winxpgreen" skin and writes them, with SKIN.INI, into the skin
// folder; with a second folder it also writes mock-ups of the windows for the designer to look at.
// Standard library only.
#include "BmpFile.h"
#include "Palette.h"
#include "Preview.h"
#include "SkinIni.h"
#include "SkinPictures.h"
#include "Theme.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

using namespace skingen;

namespace {

void WriteIndexed(const std::string& dir, const char* name, const Image& img, int entries,
                  const std::vector<Rgb>& pinned = {})
{
    const IndexedImage indexed = Quantise(img, entries, pinned);
    WriteFile(dir + "/" + name, EncodeIndexed(indexed, 8));
    std::printf("%-18s %3d x %3d  %3d of %3d colours used\n", name, img.Width(), img.Height(), indexed.usedEntries,
                entries);
}

void WriteMask(const std::string& dir, const char* name, const Image& img)
{
    WriteFile(dir + "/" + name, EncodeIndexed(MaskFrom(img, {0, 0, 0}), 1));
    std::printf("%-18s %3d x %3d  mask\n", name, img.Width(), img.Height());
}

// The colour-table sizes are part of the stored skin and must not change.
void WriteSkin(const std::string& dir, const SkinPictures& p)
{
    const std::string ini = SkinIniText();
    WriteFile(dir + "/SKIN.INI", std::vector<uint8_t>(ini.begin(), ini.end()));
    // The client colour shows wherever the window has no background picture, so it must survive exactly.
    WriteIndexed(dir, "main.bmp", p.frame, 231, {theme::kClient});
    WriteIndexed(dir, "inactivemain.bmp", p.inactiveFrame, 205, {theme::kClient});
    WriteMask(dir, "mask.bmp", p.frameMask);
    WriteIndexed(dir, "active.BMP", p.captionButtons, 171);
    WriteIndexed(dir, "pw.bmp", p.popup, 11);
    WriteIndexed(dir, "menuitems.bmp", p.menuItems, 32);
    WriteIndexed(dir, "hw.bmp", p.hint, 11);
    WriteIndexed(dir, "controls.bmp", p.controls, 109,
                 {theme::kFieldFill, theme::kPanelFace, theme::kFace, theme::kControlOutline, theme::kFieldBorder});
    WriteIndexed(dir, "grids.bmp", p.grids, 98);
    WriteMask(dir, "pwmask.bmp", p.popupMask);
    WriteMask(dir, "hwmask.bmp", p.hintMask);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: skingen SKIN_DIR [MOCKUP_DIR]\n");
        return 2;
    }
    try {
        const SkinPictures pictures = DrawSkinPictures();
        WriteSkin(argv[1], pictures);
        if (argc == 3) {
            WriteMockups(argv[2], pictures);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skingen: %s\n", e.what());
        return 1;
    }
    return 0;
}
