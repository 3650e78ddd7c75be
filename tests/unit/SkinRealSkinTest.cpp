// The real stored skin: skin/SKIN.INI and its eleven pictures, put through the picture stream and the loader
// exactly as the program stores and loads them.
#include "skin/ElementDraw.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"

#include "core/Text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kSkinFolder = std::filesystem::path(SOURCE_DIR) / "skin";

std::vector<uint8_t> ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The definition as the stored skin keeps it: one entry per line, CR LF taken off.
std::vector<std::string> DefinitionLines()
{
    const std::vector<uint8_t> bytes = ReadFile(kSkinFolder / "SKIN.INI");
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            lines.push_back(line);
            line.clear();
            i += bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        } else {
            line.push_back(char(bytes[i]));
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

const char* const kActiveNames[] = {"active.BMP", "pw.bmp",   "menuitems.bmp", "hw.bmp",
                                    "controls.bmp", "grids.bmp", "pwmask.bmp",   "hwmask.bmp"};

skin::StoredPictures RealPictures()
{
    skin::StoredPictures pictures;
    pictures.frame = ReadFile(kSkinFolder / "main.bmp");
    pictures.inactiveFrame = ReadFile(kSkinFolder / "inactivemain.bmp");
    pictures.mask = ReadFile(kSkinFolder / "mask.bmp");
    for (const char* name : kActiveNames) {
        pictures.active.push_back(ReadFile(kSkinFolder / name));
    }
    return pictures;
}

uint32_t Le32At(const std::vector<uint8_t>& bytes, size_t offset)
{
    uint32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

class RealSkin : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_stream = skin::WriteStoredPictures(RealPictures());
        auto parsed = skin::ParseStoredPictures(m_stream);
        ASSERT_TRUE(parsed) << parsed.ErrorMessage();
        m_skin.Load(DefinitionLines(), parsed.Value());
        ASSERT_TRUE(m_skin.Loaded());
    }

    std::vector<uint8_t> m_stream;
    skin::SkinData m_skin;
};

TEST_F(RealSkin, PictureStreamHasTheStoredLayout)
{
    EXPECT_EQ(m_stream.size(), 224269u);
    const struct {
        size_t offset;
        uint8_t flag;
    } flags[] = {{0, 0}, {19979, 0}, {39854, 0}};
    for (const auto& f : flags) {
        EXPECT_EQ(m_stream[f.offset], f.flag) << f.offset;
        EXPECT_EQ(m_stream[f.offset + 1], 'B') << f.offset;
    }
    EXPECT_EQ(Le32At(m_stream, 42417), 8u);
    EXPECT_EQ(m_stream[42421], 'B');
}

TEST_F(RealSkin, LoadsTwelveObjectsAndFiftyElements)
{
    std::vector<std::string> objects;
    for (const auto& o : m_skin.Objects()) {
        objects.push_back(o.name);
    }
    EXPECT_EQ(objects, (std::vector<std::string>{"menuitem", "caption", "closebutton", "minimizebutton",
                                                 "maximizebutton", "rollupbutton", "mainmenubaritem",
                                                 "sysmenubutton", "menubarsysmenubutton", "menubarclosebutton",
                                                 "menubarmaxbutton", "menubarminbutton"}));
    EXPECT_EQ(m_skin.Elements().size(), 50u);
    EXPECT_EQ(m_skin.Elements().front().name, "button");
    EXPECT_EQ(m_skin.Elements().back().name, "expanel");
    EXPECT_EQ(m_skin.FindElement("header"), nullptr);
    EXPECT_EQ(m_skin.FindElement("Button"), nullptr);
    EXPECT_EQ(m_skin.Version().skinName, "winxpgreen");
    EXPECT_EQ(m_skin.Version().skinAuthor, "Lumovane");
    EXPECT_EQ(m_skin.Version().ver, 1);
}

TEST_F(RealSkin, DecodesTheElevenPictures)
{
    const struct {
        const char* name;
        const gfx::Bitmap* picture;
        int width;
        int height;
    } cases[] = {
        {"frame", m_skin.FramePicture(), 152, 125},
        {"inactive frame", m_skin.InactiveFramePicture(), 152, 125},
        {"mask", m_skin.MaskPicture(), 152, 125},
        {"active", m_skin.ActivePicture(0), 84, 223},
        {"pw", m_skin.ActivePicture(1), 65, 69},
        {"menuitems", m_skin.ActivePicture(2), 68, 118},
        {"hw", m_skin.ActivePicture(3), 42, 27},
        {"controls", m_skin.ActivePicture(4), 516, 280},
        {"grids", m_skin.ActivePicture(5), 72, 21},
        {"pwmask", m_skin.ActivePicture(6), 65, 69},
        {"hwmask", m_skin.ActivePicture(7), 42, 27},
    };
    for (const auto& c : cases) {
        ASSERT_NE(c.picture, nullptr) << c.name;
        EXPECT_EQ(c.picture->Width(), c.width) << c.name;
        EXPECT_EQ(c.picture->Height(), c.height) << c.name;
    }
    EXPECT_EQ(m_skin.ActivePicture(8), nullptr);
    // The client colour of the frame picture.
    EXPECT_EQ(m_skin.FramePicture()->At(50, 60), gfx::Rgb(203, 226, 255));
}

TEST_F(RealSkin, GivesTheWindowsTheirElementsAndSizes)
{
    const struct {
        const char* name;
        skin::SizeRule rule;
        gfx::Size requested;
        gfx::Size applied;
        gfx::Rect client;
        gfx::Rect skinRect;
    } cases[] = {
        {"resizebutton", skin::SizeRule::Free, {185, 26}, {185, 26}, {4, 4, 181, 22}, {3, 240, 27, 261}},
        {"button", skin::SizeRule::Horizontal, {75, 22}, {75, 21}, {2, 2, 73, 19}, {0, 0, 24, 21}},
        {"panel", skin::SizeRule::Free, {336, 58}, {336, 58}, {2, 2, 334, 56}, {141, 4, 200, 56}},
        {"statusgauge", skin::SizeRule::Horizontal, {336, 24}, {336, 20}, {3, 3, 333, 18}, {366, 155, 414, 175}},
    };
    for (const auto& c : cases) {
        const skin::Element* e = m_skin.FindElement(c.name);
        ASSERT_NE(e, nullptr) << c.name;
        EXPECT_EQ(e->pictureIndex, 4) << c.name;
        EXPECT_EQ(e->maskPictureIndex, -1) << c.name;
        EXPECT_EQ(e->skinRect, c.skinRect) << c.name;
        EXPECT_EQ(skin::RuleOf(*e), c.rule) << c.name;
        EXPECT_EQ(skin::ApplySizeRule(*e, c.requested), c.applied) << c.name;
        EXPECT_EQ(skin::StretchedClientRect(*e, c.applied), c.client) << c.name;
        EXPECT_EQ(e->font.name, L"宋体") << c.name;
        EXPECT_EQ(e->font.height, -12) << c.name;
        EXPECT_EQ(e->font.style, gfx::FontStyle::Regular) << c.name;
        EXPECT_EQ(e->fontColor, 0u) << c.name;
    }
    const skin::Element& button = *m_skin.FindElement("button");
    const skin::ButtonFace disabled = skin::FaceFor(button, skin::ButtonLook::Normal, skin::Enabled::No);
    EXPECT_EQ(disabled.pictureRect, (gfx::Rect{110, 83, 134, 104}));
    EXPECT_EQ(disabled.textColor, 8421504u);
    const skin::Element& resize = *m_skin.FindElement("resizebutton");
    const skin::ButtonFace resizeDisabled = skin::FaceFor(resize, skin::ButtonLook::Hot, skin::Enabled::No);
    EXPECT_EQ(resizeDisabled.pictureRect, (gfx::Rect{27, 240, 51, 261}));
    EXPECT_EQ(resizeDisabled.textColor, 0u);

    const skin::Element& gauge = *m_skin.FindElement("statusgauge");
    EXPECT_EQ(gauge.gauge.progressArea, (gfx::Rect{3, 3, 46, 18}));
    EXPECT_EQ(gauge.gauge.progressRect, (gfx::Rect{369, 136, 411, 151}));
    EXPECT_EQ(gauge.gauge.beginOffset, 2);
    EXPECT_EQ(gauge.gauge.endOffset, 2);
    EXPECT_FALSE(gauge.gauge.vertical);
    const skin::Element& panel = *m_skin.FindElement("panel");
    EXPECT_TRUE(panel.panel.captionRect.Empty());
    EXPECT_EQ(panel.panel.alignment, skin::Alignment::Center);
}

TEST_F(RealSkin, GivesTheFrameItsValues)
{
    const skin::FormInfo& form = m_skin.FormInfo();
    EXPECT_EQ(form.points.leftTop, (gfx::Point{29, 29}));
    EXPECT_EQ(form.points.rightTop, (gfx::Point{53, 29}));
    EXPECT_EQ(form.points.leftBottom, (gfx::Point{6, 118}));
    EXPECT_EQ(form.points.rightBottom, (gfx::Point{146, 119}));
    EXPECT_EQ(form.clientRect, (gfx::Rect{5, 29, 147, 120}));
    EXPECT_EQ(form.maskRectArea, (gfx::Rect{3, 4, 149, 122}));
    EXPECT_EQ(form.hitTestPoints.rightTop, (gfx::Point{145, 5}));
    EXPECT_EQ(form.bgPictureIndex, -1);
    EXPECT_EQ(form.borderWidth, 3);
    EXPECT_FALSE(form.leftStretch || form.rightStretch || form.topStretch || form.bottomStretch);
    EXPECT_TRUE(form.buttonsRect.Empty());
    EXPECT_TRUE(form.captionRect.Empty());

    const skin::SkinObject& caption = *m_skin.FindObject("caption");
    EXPECT_EQ(caption.skinRect, (gfx::Rect{27, 6, 56, 24}));
    EXPECT_EQ(caption.caption.textRect, (gfx::Rect{0, 0, 29, 18}));
    EXPECT_EQ(caption.caption.font.name, L"宋体");
    EXPECT_EQ(caption.caption.font.style, gfx::FontStyle::Bold);
    EXPECT_EQ(caption.caption.alignment, skin::Alignment::Left); // after the two empty lines
    EXPECT_TRUE(caption.caption.shadow);
    EXPECT_EQ(caption.caption.shadowColor, 12632256u);
    EXPECT_EQ(caption.caption.activeShadowColor, 0u);

    const struct {
        const char* name;
        skin::Command command;
        gfx::Rect skinRect;
        gfx::Rect downRect;
        gfx::Rect restoreInactiveRect;
    } buttons[] = {
        {"closebutton", skin::Command::Close, {127, 4, 148, 25}, {21, 0, 42, 21}, {}},
        {"minimizebutton", skin::Command::Minimize, {81, 4, 102, 25}, {21, 41, 42, 62}, {63, 61, 84, 82}},
        {"maximizebutton", skin::Command::Maximize, {104, 4, 125, 25}, {21, 21, 42, 42}, {63, 61, 84, 82}},
        {"rollupbutton", skin::Command::RollUp, {58, 4, 79, 25}, {21, 81, 42, 102}, {63, 101, 84, 122}},
        {"sysmenubutton", skin::Command::SysMenu, {6, 7, 23, 23}, {39, 124, 56, 140}, {}},
    };
    for (const auto& b : buttons) {
        const skin::SkinObject* o = m_skin.FindObject(b.name);
        ASSERT_NE(o, nullptr) << b.name;
        EXPECT_EQ(o->kind, skin::ObjectKind::StdButton) << b.name;
        EXPECT_EQ(o->activePictureIndex, 0) << b.name;
        EXPECT_EQ(o->button.command, b.command) << b.name;
        EXPECT_EQ(o->skinRect, b.skinRect) << b.name;
        EXPECT_EQ(o->button.downRect, b.downRect) << b.name;
        EXPECT_EQ(o->button.restoreInactiveRect, b.restoreInactiveRect) << b.name;
    }

    const skin::SkinObject& menuItem = *m_skin.FindObject("menuitem");
    EXPECT_EQ(menuItem.activePictureIndex, 2);
    EXPECT_EQ(menuItem.skinRect, (gfx::Rect{1, 22, 64, 42}));
    EXPECT_EQ(menuItem.activeSkinRect, (gfx::Rect{1, 1, 64, 21}));
    EXPECT_EQ(menuItem.menuItem.dividerRect, (gfx::Rect{1, 41, 64, 48}));
    EXPECT_EQ(menuItem.menuItem.textRect, (gfx::Rect{2, 2, 60, 18}));
    EXPECT_EQ(menuItem.menuItem.unenabledFontColor, 8421504u);

    const skin::PopupWindowInfo& popup = m_skin.PopupWindow();
    EXPECT_EQ(popup.windowPictureIndex, 1);
    EXPECT_EQ(popup.maskPictureIndex, 6);
    EXPECT_EQ(popup.points.rightBottom, (gfx::Point{38, 60}));
    EXPECT_EQ(popup.itemsRect, (gfx::Rect{3, 8, 62, 61}));
    EXPECT_EQ(popup.scrollMarkerColor, 8421504u);
}

} // namespace
