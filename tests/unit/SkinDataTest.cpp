// Loading the skin: required sections, rows of the object and element lists, exact-case lookup, defaults for
// missing keys, and the decoded pictures.
#include "skin/SkinData.h"

#include "SkinTestFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using skintest::Lines;

skin::SkinData LoadSmall(std::string_view text = skintest::kSmallSkin)
{
    skin::SkinData data;
    data.Load(Lines(text), skintest::SmallPictures());
    return data;
}

// The small skin with one line replaced (or removed, when `with` is empty).
std::string Replace(std::string_view line, std::string_view with)
{
    std::string text(skintest::kSmallSkin);
    const size_t at = text.find(std::string(line) + "\n");
    EXPECT_NE(at, std::string::npos) << line;
    text.replace(at, line.size() + 1, with.empty() ? std::string() : std::string(with) + "\n");
    return text;
}

TEST(SkinData, StaysEmptyWithoutARequiredSection)
{
    for (const char* section : {"[VERSION]", "[PICTURES]", "[FORMINFO]", "[SKINOBJECTS]", "[SKINCONTROLS]"}) {
        // Renaming the header leaves the keys in place but the section gone.
        const skin::SkinData data = LoadSmall(Replace(section, "[Renamed]"));
        EXPECT_FALSE(data.Loaded()) << section;
        EXPECT_TRUE(data.Elements().empty()) << section;
        EXPECT_TRUE(data.Objects().empty()) << section;
        EXPECT_EQ(data.FindElement("button"), nullptr) << section;
        EXPECT_EQ(data.FramePicture(), nullptr) << section;
        EXPECT_EQ(data.ActivePicture(0), nullptr) << section;
    }
}

TEST(SkinData, LoadsObjectsAndElementsInListOrder)
{
    const skin::SkinData data = LoadSmall();
    ASSERT_TRUE(data.Loaded());
    std::vector<std::string> objects;
    for (const auto& o : data.Objects()) {
        objects.push_back(o.name);
    }
    std::vector<std::string> elements;
    for (const auto& e : data.Elements()) {
        elements.push_back(e.name);
    }
    EXPECT_EQ(objects, (std::vector<std::string>{"menuitem", "caption", "closebutton"}));
    // "header" is no known type and adds nothing; "label" has no section and still makes an element.
    EXPECT_EQ(elements, (std::vector<std::string>{"button", "panel", "resizebutton", "statusgauge", "label"}));
    EXPECT_EQ(data.Version().skinName, "winxpgreen");
    EXPECT_EQ(data.Version().ver, 1);
    EXPECT_EQ(data.Version().authorUrl, "");
}

TEST(SkinData, LooksUpNamesExactly)
{
    const skin::SkinData data = LoadSmall();
    EXPECT_NE(data.FindElement("button"), nullptr);
    EXPECT_EQ(data.FindElement("Button"), nullptr);
    EXPECT_EQ(data.FindElement("header"), nullptr);
    EXPECT_EQ(data.FindElement(""), nullptr);
    EXPECT_NE(data.FindObject("caption"), nullptr);
    EXPECT_EQ(data.FindObject("Caption"), nullptr);
    EXPECT_EQ(data.FindObject("button"), nullptr);

    // With two rows of one name, the first wins.
    const skin::SkinData twice = LoadSmall(Replace("5=label:label", "5=button:panel"));
    ASSERT_NE(twice.FindElement("button"), nullptr);
    EXPECT_EQ(twice.FindElement("button")->type, skin::ElementType::Button);
}

TEST(SkinData, ReadsTheElementValuesTheWindowsUse)
{
    const skin::SkinData data = LoadSmall();
    const skin::Element& button = *data.FindElement("button");
    EXPECT_EQ(button.type, skin::ElementType::Button);
    EXPECT_EQ(button.pictureIndex, 0);
    EXPECT_EQ(button.maskPictureIndex, -1);
    EXPECT_EQ(button.skinRect, (gfx::Rect{0, 0, 24, 21}));
    EXPECT_EQ(button.rightTopPoint, (gfx::Point{18, 9}));
    EXPECT_EQ(button.clientRect, (gfx::Rect{2, 2, 22, 19}));
    EXPECT_EQ(button.font.name, L"宋体");
    EXPECT_EQ(button.font.height, -12);
    EXPECT_EQ(button.font.style, gfx::FontStyle::Regular);
    EXPECT_EQ(button.font.charset, gfx::kDefaultCharset);
    EXPECT_EQ(button.button.disabledSkinRect, (gfx::Rect{110, 83, 134, 104}));
    EXPECT_EQ(button.button.disabledFontColor, 8421504u);
    EXPECT_EQ(button.button.downSkinRect, (gfx::Rect{24, 0, 48, 21}));

    const skin::Element& panel = *data.FindElement("panel");
    EXPECT_EQ(panel.type, skin::ElementType::Panel);
    EXPECT_EQ(panel.rightBottomPoint, (gfx::Point{53, 46}));
    EXPECT_TRUE(panel.panel.captionRect.Empty());
    EXPECT_EQ(panel.panel.bgPictureIndex, -1);
    EXPECT_EQ(panel.panel.alignment, skin::Alignment::Center);

    const skin::Element& gauge = *data.FindElement("statusgauge");
    EXPECT_EQ(gauge.type, skin::ElementType::Gauge);
    EXPECT_EQ(gauge.gauge.progressArea, (gfx::Rect{3, 3, 46, 18}));
    EXPECT_EQ(gauge.gauge.progressRect, (gfx::Rect{369, 136, 411, 151}));
    EXPECT_EQ(gauge.gauge.beginOffset, 2);
    EXPECT_EQ(gauge.gauge.endOffset, 2);
    EXPECT_FALSE(gauge.gauge.vertical);
}

TEST(SkinData, MissingKeysTakeTheirDefaults)
{
    const skin::SkinData data = LoadSmall();
    const skin::Element& label = *data.FindElement("label"); // its section does not exist
    EXPECT_EQ(label.type, skin::ElementType::Label);
    EXPECT_EQ(label.pictureIndex, -1);
    EXPECT_EQ(label.maskPictureIndex, -1);
    EXPECT_TRUE(label.skinRect.Empty());
    EXPECT_EQ(label.font.name, L"Arial");
    EXPECT_EQ(label.font.height, 14);
    EXPECT_EQ(label.fontColor, 0u);

    const skin::Element& panel = *data.FindElement("panel");
    EXPECT_EQ(panel.fontColor, 0u);
    EXPECT_EQ(panel.panel.checkImageRect, gfx::Rect{});

    const skin::SkinObject& close = *data.FindObject("closebutton");
    EXPECT_EQ(close.button.command, skin::Command::Close);
    EXPECT_EQ(close.button.restoreRect, gfx::Rect{});

    const skin::FormInfo& form = data.FormInfo();
    EXPECT_FALSE(form.leftStretch || form.rightStretch || form.topStretch || form.bottomStretch);
    EXPECT_TRUE(form.buttonsRect.Empty());
    EXPECT_TRUE(form.captionRect.Empty());
    EXPECT_EQ(form.hitTestPoints.rightTop, gfx::Point{});
    EXPECT_EQ(data.HintWindow().windowPictureIndex, -1);
    EXPECT_EQ(data.HintWindow().font.name, L"Arial");
}

TEST(SkinData, ReadsFormInfoAndSkinObjects)
{
    const skin::SkinData data = LoadSmall();
    const skin::FormInfo& form = data.FormInfo();
    EXPECT_EQ(form.points.leftTop, (gfx::Point{29, 29}));
    EXPECT_EQ(form.points.rightBottom, (gfx::Point{146, 119}));
    EXPECT_EQ(form.clientRect, (gfx::Rect{5, 29, 147, 120}));
    EXPECT_EQ(form.maskRectArea, (gfx::Rect{3, 4, 149, 122}));
    EXPECT_EQ(form.hitTestPoints.leftTop, (gfx::Point{5, 6}));
    EXPECT_EQ(form.borderWidth, 3);
    EXPECT_EQ(form.bgPictureIndex, -1);
    EXPECT_EQ(data.PopupWindow().windowPictureIndex, 1);
    EXPECT_EQ(data.PopupWindow().maskPictureIndex, 6);
    EXPECT_EQ(data.PopupWindow().itemsRect, (gfx::Rect{3, 8, 62, 61}));
    EXPECT_EQ(data.PopupWindow().scrollMarkerColor, 8421504u);

    // The empty lines in [caption] do not end it: the keys after them belong to it.
    const skin::SkinObject& caption = *data.FindObject("caption");
    EXPECT_EQ(caption.kind, skin::ObjectKind::Caption);
    EXPECT_EQ(caption.skinRect, (gfx::Rect{27, 6, 56, 24}));
    EXPECT_EQ(caption.caption.font.style, gfx::FontStyle::Bold);
    EXPECT_EQ(caption.caption.alignment, skin::Alignment::Left);
    EXPECT_TRUE(caption.caption.shadow);
    EXPECT_EQ(caption.caption.shadowColor, 12632256u);
    EXPECT_EQ(caption.caption.fontColor, 16777215u);

    const skin::SkinObject& menuItem = *data.FindObject("menuitem");
    EXPECT_EQ(menuItem.kind, skin::ObjectKind::MenuItem);
    EXPECT_EQ(menuItem.activePictureIndex, 2);
    EXPECT_EQ(menuItem.menuItem.dividerRect, (gfx::Rect{1, 41, 64, 48}));
    EXPECT_EQ(menuItem.menuItem.dividerLeftOffset, 3);
    EXPECT_EQ(menuItem.menuItem.unenabledFontColor, 8421504u); // stored as "unenabledfontColor"

    const skin::SkinObject& close = *data.FindObject("closebutton");
    EXPECT_EQ(close.activeSkinRect, (gfx::Rect{42, 0, 63, 21}));
    EXPECT_EQ(close.button.downRect, (gfx::Rect{21, 0, 42, 21}));
}

TEST(SkinData, ReadsOnlyTheRowsBelowCountAndSplitsAtTheFirstColon)
{
    const struct {
        const char* name;
        const char* line;
        const char* with;
        std::vector<std::string> elements;
    } cases[] = {
        {"count limits the rows", "count=6", "count=2", {"button", "panel"}},
        {"no count, no rows", "count=6", "", {}},
        {"huge count reads the rows that exist", "count=6", "count=2147483647",
         {"button", "panel", "resizebutton", "statusgauge", "label"}},
        {"row 00 is not row 0", "0=button:button", "00=button:button",
         {"panel", "resizebutton", "statusgauge", "label"}},
        {"row without colon adds nothing", "1=panel:panel", "1=panel",
         {"button", "resizebutton", "statusgauge", "label"}},
        {"type matched without regard to case", "1=panel:panel", "1=panel:PANEL",
         {"button", "panel", "resizebutton", "statusgauge", "label"}},
        {"name keeps what follows the first colon out", "1=panel:panel", "1=a:b:panel",
         {"button", "resizebutton", "statusgauge", "label"}},
    };
    for (const auto& c : cases) {
        const skin::SkinData data = LoadSmall(Replace(c.line, c.with));
        std::vector<std::string> names;
        for (const auto& e : data.Elements()) {
            names.push_back(e.name);
        }
        EXPECT_EQ(names, c.elements) << c.name;
    }
}

TEST(SkinData, DecodesPicturesAndAnswersNoneForBadIndices)
{
    skin::StoredPictures pictures = skintest::SmallPictures();
    pictures.active.push_back({'B', 'M', 0, 0}); // does not decode
    pictures.active.push_back(skintest::BmpFile(gfx::Bitmap(2, 3, gfx::Rgb(1, 2, 3))));
    skin::SkinData data;
    data.Load(Lines(skintest::kSmallSkin), pictures);
    ASSERT_TRUE(data.Loaded());
    ASSERT_NE(data.FramePicture(), nullptr);
    EXPECT_EQ(data.FramePicture()->Width(), 152);
    EXPECT_EQ(data.FramePicture()->At(0, 0), gfx::Rgb(203, 226, 255));
    EXPECT_EQ(data.InactiveFramePicture(), nullptr);
    EXPECT_EQ(data.MaskPicture(), nullptr);
    ASSERT_NE(data.ActivePicture(0), nullptr);
    EXPECT_EQ(data.ActivePicture(0)->At(24, 0), skintest::kButtonDown);
    EXPECT_EQ(data.ActivePicture(1), nullptr);
    ASSERT_NE(data.ActivePicture(2), nullptr);
    EXPECT_EQ(data.ActivePicture(2)->Height(), 3);
    EXPECT_EQ(data.ActivePicture(-1), nullptr);
    EXPECT_EQ(data.ActivePicture(3), nullptr);
}

TEST(SkinData, ALaterFailedLoadLeavesTheSkinEmpty)
{
    skin::SkinData data = LoadSmall();
    ASSERT_TRUE(data.Loaded());
    data.Load(Lines("[VERSION]\nver=1\n"), skintest::SmallPictures());
    EXPECT_FALSE(data.Loaded());
    EXPECT_TRUE(data.Elements().empty());
    EXPECT_EQ(data.ActivePicture(0), nullptr);
    EXPECT_EQ(data.Version().skinName, "");
}

} // namespace
