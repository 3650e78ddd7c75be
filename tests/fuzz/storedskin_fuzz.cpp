// libFuzzer target for the stored picture stream: any bytes must parse or fail with a message; a stream that
// parses is loaded with a small fixed definition and its elements drawn at a few sizes, so that damaged or odd
// pictures also exercise decoding and the clipping of element drawing. Links only the portable core.
#include "gfx/RecordingCanvas.h"
#include "skin/ElementDraw.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kDefinition = {
    "[VERSION]", "ver=1", "[PICTURES]", "[FORMINFO]", "clientrect=5,29,147,120",
    "[SKINOBJECTS]", "count=1", "0=caption:caption", "[caption]", "skinrect=27,6,56,24",
    "[SKINCONTROLS]", "count=4", "0=button:button", "1=panel:panel", "2=statusgauge:gauge", "3=bar:scrollbar",
    "[button]", "pictureindex=0", "skinrect=0,0,24,21", "lefttoppoint=4,8", "righttoppoint=18,9",
    "clientrect=2,2,22,19", "activeskinrect=48,0,72,21", "downskinrect=24,0,48,21",
    "[panel]", "pictureindex=1", "skinrect=1,1,9,9", "lefttoppoint=2,2", "righttoppoint=6,2",
    "leftbottompoint=2,6", "rightbottompoint=6,6", "clientrect=2,2,6,6", "bgpictureindex=2",
    "[statusgauge]", "pictureindex=0", "skinrect=0,0,20,10", "lefttoppoint=4,5", "righttoppoint=16,5",
    "progressarea=1,1,19,9", "progressrect=2,2,8,8", "beginoffset=2", "endoffset=9",
    "[bar]", "pictureindex=2", "skinrect=0,0,4,12", "leftbottompoint=0,8", "lefttoppoint=0,3",
};

void DrawAll(const skin::SkinData& data)
{
    const gfx::Size sizes[] = {{75, 21}, {3, 2}, {40, 30}};
    for (const gfx::Size size : sizes) {
        gfx::RecordingCanvas canvas({48, 32}, 0);
        const gfx::Rect bounds = gfx::Rect::FromSize(-4, 3, size.width, size.height);
        skin::DrawButton(canvas, bounds, data, *data.FindElement("button"), skin::ButtonLook::Pressed,
                         skin::Enabled::Yes, L"OK", 1);
        skin::DrawPanel(canvas, bounds, data, *data.FindElement("panel"));
        skin::DrawGauge(canvas, bounds, data, *data.FindElement("statusgauge"), 0, 100, 50, 1);
        if (const gfx::Bitmap* bar = data.ActivePicture(2)) {
            const skin::Element& e = *data.FindElement("bar");
            skin::DrawElement(canvas.Target(), bounds, bar->View(), e.skinRect, e);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    auto parsed = skin::ParseStoredPictures({data, size});
    if (!parsed) {
        return 0;
    }
    // Writing back gives the same length: only empty flags other than 1 may come back different.
    if (skin::WriteStoredPictures(parsed.Value()).size() != size) {
        __builtin_trap();
    }
    skin::SkinData skin;
    skin.Load(kDefinition, parsed.Value());
    if (!skin.Loaded()) {
        __builtin_trap();
    }
    DrawAll(skin);
    return 0;
}
