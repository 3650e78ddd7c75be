// libFuzzer target for the skin INI reader: any bytes must parse, in linear time, and every typed getter must
// answer for every key of every section without crashing. The lines are then loaded as a skin with small fixed
// pictures and every element is drawn, so that hostile values reach the drawing code. Links only the portable core.
#include "gfx/Bmp.h"
#include "gfx/RecordingCanvas.h"
#include "skin/ElementDraw.h"
#include "skin/Ini.h"
#include "skin/SkinData.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

void ReadEveryForm(const skin::IniSection& section, const std::string& key)
{
    volatile unsigned sink = 0;
    sink = sink ^ unsigned(section.GetInteger(key, 7));
    sink = sink ^ section.GetColor(key);
    sink = sink ^ unsigned(section.GetFlag(key));
    sink = sink ^ unsigned(section.GetPoint(key).x);
    sink = sink ^ unsigned(section.GetRect(key).Width());
    sink = sink ^ unsigned(section.GetFontStyle(key));
    sink = sink ^ unsigned(section.GetAlignment(key));
    sink = sink ^ unsigned(section.GetCommand(key));
    sink = sink ^ unsigned(section.GetFontName(key).size());
    sink = sink ^ unsigned(section.GetFontHeight(key));
}

const skin::StoredPictures& FixedPictures()
{
    static const skin::StoredPictures pictures = [] {
        skin::StoredPictures p;
        p.frame = gfx::EncodeBmp32(gfx::Bitmap(30, 20, gfx::Rgb(1, 2, 3)).View());
        for (int i = 0; i < 3; ++i) {
            p.active.push_back(gfx::EncodeBmp32(gfx::Bitmap(40 + i, 30 - i, gfx::Rgb(10, 20, uint8_t(i))).View()));
        }
        return p;
    }();
    return pictures;
}

void DrawEveryElement(const std::vector<std::string>& lines)
{
    skin::SkinData data;
    data.Load(lines, FixedPictures());
    const gfx::Rect places[] = {{0, 0, 75, 21}, {-5, -5, 3, 2}, {10, 4, 30, 60}};
    gfx::RecordingCanvas canvas({64, 48}, 0);
    for (const skin::Element& e : data.Elements()) {
        (void)skin::ApplySizeRule(e, {75, 21});
        for (const gfx::Rect& bounds : places) {
            skin::DrawButton(canvas, bounds, data, e, skin::ButtonLook::Hot, skin::Enabled::No, L"OK", 1);
            skin::DrawPanel(canvas, bounds, data, e);
            skin::DrawGauge(canvas, bounds, data, e, 0, 100, 50, 1);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const skin::IniFile ini = skin::IniFile::Parse(text);
    for (const skin::IniSection& section : ini.Sections()) {
        if (ini.FindSection(section.Name()) == nullptr) {
            __builtin_trap(); // every section name must find a section
        }
        for (const skin::IniEntry& entry : section.Entries()) {
            ReadEveryForm(section, entry.key);
        }
    }
    // The same bytes as a list of lines, split at LF only, so that stray CRs reach the reader inside lines.
    std::vector<std::string> lines;
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    (void)skin::IniFile::FromLines(lines);
    DrawEveryElement(lines);
    return 0;
}
