// The system menu: items per state, mnemonics, heights, keyboard and mouse, layout, the drawn popup with its
// underlined letters, its shape and its placement. Text is measured by the recording canvas's rule: ASCII 6
// pixels wide, 12 high.
#include "skin/SystemMenu.h"

#include "FrameTestSkin.h"
#include "gfx/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using frametest::Source;
using gfx::Point;
using gfx::Rect;
using gfx::Size;
using skin::FrameAction;
using skin::MenuKey;
using skin::MenuOutcome;
using skin::WindowState;

std::vector<std::wstring> Texts(const std::vector<skin::SystemMenuItem>& items)
{
    std::vector<std::wstring> texts;
    for (const auto& item : items) {
        texts.push_back(item.text);
    }
    return texts;
}

TEST(SystemMenu, ItemsAreBuiltFromTheState)
{
    using skin::BorderIcon;
    const struct {
        const char* name;
        skin::BorderIcons icons;
        WindowState state;
        std::vector<std::wstring> texts;
    } cases[] = {
        {"normal", skin::kMainWindowIcons, WindowState::Normal, {L"Mi&nimize", L"Ma&ximize", L"-", L"&Close"}},
        {"maximized", skin::kMainWindowIcons, WindowState::Maximized, {L"Mi&nimize", L"&Restore", L"-", L"&Close"}},
        {"no icons", {}, WindowState::Normal, {L"&Close"}},
        {"only maximize, maximized", {BorderIcon::Maximize}, WindowState::Maximized, {L"&Restore", L"-", L"&Close"}},
        {"roll-up and tray never shown", {BorderIcon::RollUp, BorderIcon::MinimizeToTray}, WindowState::Normal, {L"&Close"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Texts(skin::BuildSystemMenuItems(c.icons, c.state)), c.texts) << c.name;
    }

    const auto items = skin::BuildSystemMenuItems(skin::kMainWindowIcons, WindowState::Normal);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].action, FrameAction::Minimize);
    EXPECT_EQ(items[1].action, FrameAction::Maximize);
    EXPECT_TRUE(items[2].IsDivider());
    EXPECT_EQ(items[3].action, FrameAction::Close);
    EXPECT_EQ(items[3].shortcut, L"Alt+F4");
    EXPECT_EQ(skin::BuildSystemMenuItems(skin::kMainWindowIcons, WindowState::Maximized)[1].action,
              FrameAction::Restore);
}

TEST(SystemMenu, Mnemonics)
{
    const struct {
        std::wstring text;
        std::wstring shown;
        std::optional<size_t> underlined;
        std::optional<wchar_t> letter;
    } cases[] = {
        {L"Mi&nimize", L"Minimize", 2, L'n'},
        {L"&Close", L"Close", 0, L'c'},
        {L"Ma&Ximize", L"MaXimize", 2, L'x'},
        {L"&&Close", L"&Close", std::nullopt, std::nullopt},
        {L"A&&B&c", L"A&Bc", 3, L'c'},
        {L"trailing&", L"trailing&", std::nullopt, std::nullopt},
        {L"-", L"-", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        const skin::MnemonicText m = skin::StripMnemonic(c.text);
        EXPECT_EQ(m.text, c.shown) << std::string(c.text.begin(), c.text.end());
        EXPECT_EQ(m.underlined, c.underlined) << std::string(c.text.begin(), c.text.end());
        EXPECT_EQ(skin::MnemonicOf(c.text), c.letter) << std::string(c.text.begin(), c.text.end());
    }
}

TEST(SystemMenu, MetricsFromMenuItem)
{
    const skin::MenuMetrics metrics = skin::MenuMetricsOf(frametest::FrameSkin());
    EXPECT_EQ(metrics.itemHeight, 20);
    EXPECT_EQ(metrics.dividerHeight, 7);
    EXPECT_EQ(metrics.font.name, L"\u5B8B\u4F53");
    EXPECT_EQ(metrics.font.height, -12);
    EXPECT_EQ(metrics.font.style, gfx::FontStyle::Regular);
    EXPECT_EQ(metrics.font.charset, gfx::kGb2312Charset);
}

enum class In { Up, Down, Left, Right, Enter, Escape, Char };

struct Input {
    In kind;
    wchar_t c = 0;
};

skin::MenuReply Press(skin::SystemMenu& menu, const Input& in)
{
    switch (in.kind) {
    case In::Up:
        return menu.Key(MenuKey::Up);
    case In::Down:
        return menu.Key(MenuKey::Down);
    case In::Left:
        return menu.Key(MenuKey::Left);
    case In::Right:
        return menu.Key(MenuKey::Right);
    case In::Enter:
        return menu.Key(MenuKey::Enter);
    case In::Escape:
        return menu.Key(MenuKey::Escape);
    case In::Char:
        return menu.Character(in.c);
    }
    return {};
}

TEST(SystemMenu, Keyboard)
{
    const std::optional<size_t> none;
    const skin::MenuReply nothing{};
    const skin::MenuReply repaint{MenuOutcome::Repaint, std::nullopt};
    const skin::MenuReply closed{MenuOutcome::Closed, std::nullopt};
    auto chosen = [](FrameAction a) { return skin::MenuReply{MenuOutcome::Chosen, a}; };
    const struct {
        const char* name;
        WindowState state;
        std::vector<Input> inputs;
        std::optional<size_t> highlighted;
        skin::MenuReply last;
    } cases[] = {
        {"down starts at the first item", WindowState::Normal, {{In::Down}}, 0, repaint},
        {"up starts at the last item", WindowState::Normal, {{In::Up}}, 3, repaint},
        {"down skips the divider", WindowState::Normal, {{In::Down}, {In::Down}, {In::Down}}, 3, repaint},
        {"down wraps to the top", WindowState::Normal, {{In::Down}, {In::Down}, {In::Down}, {In::Down}}, 0, repaint},
        {"up skips the divider", WindowState::Normal, {{In::Up}, {In::Up}}, 1, repaint},
        {"up wraps to the bottom", WindowState::Normal, {{In::Down}, {In::Up}}, 3, repaint},
        {"left and right do nothing", WindowState::Normal, {{In::Down}, {In::Left}, {In::Right}}, 0, nothing},
        {"enter chooses the highlight", WindowState::Normal, {{In::Down}, {In::Down}, {In::Enter}}, 1, chosen(FrameAction::Maximize)},
        {"enter without highlight", WindowState::Normal, {{In::Enter}}, none, nothing},
        {"escape closes", WindowState::Normal, {{In::Down}, {In::Escape}}, 0, closed},
        {"nothing after closing", WindowState::Normal, {{In::Escape}, {In::Down}}, none, nothing},
        {"letter n", WindowState::Normal, {{In::Char, L'n'}}, 0, chosen(FrameAction::Minimize)},
        {"letter N", WindowState::Normal, {{In::Char, L'N'}}, 0, chosen(FrameAction::Minimize)},
        {"letter x", WindowState::Normal, {{In::Char, L'x'}}, 1, chosen(FrameAction::Maximize)},
        {"letter C", WindowState::Normal, {{In::Char, L'C'}}, 3, chosen(FrameAction::Close)},
        {"letter r while normal", WindowState::Normal, {{In::Char, L'r'}}, none, nothing},
        {"letter r while maximized", WindowState::Maximized, {{In::Char, L'r'}}, 1, chosen(FrameAction::Restore)},
        {"letter x while maximized", WindowState::Maximized, {{In::Char, L'x'}}, none, nothing},
        {"dash is no mnemonic", WindowState::Normal, {{In::Char, L'-'}}, none, nothing},
        {"enter after choosing", WindowState::Normal, {{In::Char, L'c'}, {In::Enter}}, 3, nothing},
    };
    for (const auto& c : cases) {
        skin::SystemMenu menu(skin::kMainWindowIcons, c.state);
        skin::MenuReply last;
        for (const Input& in : c.inputs) {
            last = Press(menu, in);
        }
        EXPECT_EQ(menu.Highlighted(), c.highlighted) << c.name;
        EXPECT_EQ(last, c.last) << c.name;
    }
}

skin::SystemMenuLayout MainMenuLayout(gfx::Canvas& canvas, WindowState state)
{
    return skin::LayoutSystemMenu(skin::MeasureWith(canvas), frametest::FrameSkin(),
                                  skin::BuildSystemMenuItems(skin::kMainWindowIcons, state));
}

// Width: itemsrect margins 3 + 3, textrect margins 2 + 3, indent 8, "Minimize" 48, padding 8, gap 20,
// "Alt+F4" 36. Height: margins 8 + 8 around 20 + 20 + 7 + 20.
TEST(SystemMenu, LayoutFitsTheTextsInsideThePopupFrame)
{
    gfx::RecordingCanvas canvas({1, 1}, 0);
    const skin::SystemMenuLayout layout = MainMenuLayout(canvas, WindowState::Normal);
    EXPECT_EQ(layout.size, (Size{131, 83}));
    const std::vector<Rect> items{{3, 8, 128, 28}, {3, 28, 128, 48}, {3, 48, 128, 55}, {3, 55, 128, 75}};
    EXPECT_EQ(layout.items, items);
}

TEST(SystemMenu, LayoutKeepsThePopupPicturesMinimum)
{
    const auto nothingWide = [](const gfx::Font&, std::wstring_view) { return Size{0, 12}; };
    const skin::SystemMenuLayout layout = skin::LayoutSystemMenu(nothingWide, frametest::FrameSkin(), {});
    EXPECT_EQ(layout.size, (Size{69, 16})) << "item picture width 63 plus margins; picture height less items";
}

TEST(SystemMenu, Mouse)
{
    gfx::RecordingCanvas canvas({1, 1}, 0);
    const skin::SystemMenuLayout layout = MainMenuLayout(canvas, WindowState::Normal);
    const std::optional<size_t> none;
    const struct {
        const char* name;
        bool click;
        Point p;
        std::optional<size_t> highlighted;
        skin::MenuReply reply;
    } cases[] = {
        {"hover first item", false, {10, 10}, 0, {MenuOutcome::Repaint, std::nullopt}},
        {"hover divider", false, {10, 50}, none, {}},
        {"hover frame margin", false, {1, 1}, none, {}},
        {"click close", true, {100, 60}, 3, {MenuOutcome::Chosen, FrameAction::Close}},
        {"click maximize", true, {4, 47}, 1, {MenuOutcome::Chosen, FrameAction::Maximize}},
        {"click divider", true, {10, 50}, none, {}},
        {"click frame margin", true, {130, 82}, none, {}},
        {"click outside", true, {131, 10}, none, {MenuOutcome::Closed, std::nullopt}},
    };
    for (const auto& c : cases) {
        skin::SystemMenu menu(skin::kMainWindowIcons, WindowState::Normal);
        const skin::MenuReply reply = c.click ? menu.Click(c.p, layout) : menu.PointerMove(c.p, layout);
        EXPECT_EQ(reply, c.reply) << c.name;
        EXPECT_EQ(menu.Highlighted(), c.highlighted) << c.name;
    }
}

// Records text without painting it, so that pixels under the text (the underline) can be checked.
class TextlessCanvas : public gfx::Canvas {
public:
    explicit TextlessCanvas(Size size) : m_bitmap(size.width, size.height, 0), m_measure({1, 1}, 0) {}
    gfx::BitmapView Target() override { return m_bitmap.View(); }
    Size MeasureText(const gfx::Font& font, std::wstring_view text) override { return m_measure.MeasureText(font, text); }
    void DrawText(const gfx::Font& font, std::wstring_view text, Point origin, gfx::Pixel color, Rect clip) override
    {
        calls.push_back({font, std::wstring(text), origin, color, clip});
    }
    const gfx::Bitmap& Pixels() const { return m_bitmap; }
    std::vector<gfx::RecordingCanvas::TextCall> calls;

private:
    gfx::Bitmap m_bitmap;
    gfx::RecordingCanvas m_measure;
};

TEST(SystemMenu, DrawnPopup)
{
    TextlessCanvas canvas({131, 83});
    const skin::SystemMenuLayout layout = MainMenuLayout(canvas, WindowState::Normal);
    skin::SystemMenu menu(skin::kMainWindowIcons, WindowState::Normal);
    menu.Key(MenuKey::Down);
    menu.Key(MenuKey::Down); // "Ma&ximize" highlighted
    skin::DrawSystemMenu(canvas, frametest::FrameSkin(), layout, menu);

    using frametest::kMenuItemsTag;
    using frametest::kPopupTag;
    const struct {
        const char* name;
        Point at;
        Source source;
    } pixels[] = {
        {"popup top-left corner", {0, 0}, {0, 0, kPopupTag}},
        {"popup top-right corner", {130, 0}, {64, 0, kPopupTag}},
        {"popup bottom-right corner", {130, 82}, {64, 68, kPopupTag}},
        {"popup top strip repeated", {24 + 34, 0}, {24, 0, kPopupTag}},
        {"normal item", {3, 8}, {1, 22, kMenuItemsTag}},
        {"normal item repeated", {3 + 63, 8}, {1, 22, kMenuItemsTag}},
        {"highlighted item", {3, 28}, {1, 1, kMenuItemsTag}},
        {"divider left end", {3, 48}, {1, 41, kMenuItemsTag}},
        {"divider middle", {6, 54}, {4, 47, kMenuItemsTag}},
        {"divider right end", {127, 48}, {63, 41, kMenuItemsTag}},
        {"last item", {127, 74}, {1 + (124 % 63), 41, kMenuItemsTag}},
    };
    for (const auto& p : pixels) {
        EXPECT_EQ(frametest::SourceOf(canvas.Pixels().At(p.at.x, p.at.y)), p.source) << p.name;
    }

    // Texts: item text area = item + textrect (2,2 .. right - 3, top + 18); text 8 in, centred in 16 rows.
    ASSERT_EQ(canvas.calls.size(), 4u);
    const struct {
        std::wstring text;
        Point origin;
        gfx::Pixel color;
    } texts[] = {
        {L"Minimize", {13, 12}, gfx::Rgb(0, 0, 0)},
        {L"Maximize", {13, 32}, gfx::Rgb(255, 0, 0)}, // the fixture's activefontcolor is red
        {L"Close", {13, 59}, gfx::Rgb(0, 0, 0)},
        {L"Alt+F4", {125 - 8 - 36, 59}, gfx::Rgb(0, 0, 0)},
    };
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(canvas.calls[i].text, texts[i].text) << i;
        EXPECT_EQ(canvas.calls[i].origin, texts[i].origin) << i;
        EXPECT_EQ(canvas.calls[i].color, texts[i].color) << i;
        EXPECT_EQ(canvas.calls[i].font.charset, gfx::kGb2312Charset) << i;
    }

    // "Mi&nimize": the 'n' spans x 13+12 .. 13+18 on the text's last row.
    const int row = 12 + 12 - 1;
    for (int x = 24; x <= 31; ++x) {
        const bool underlined = x >= 25 && x < 31;
        EXPECT_EQ(canvas.Pixels().At(x, row) == gfx::Rgb(0, 0, 0), underlined) << "underline at x " << x;
    }
    // "Ma&ximize" is underlined in the highlighted colour.
    EXPECT_EQ(canvas.Pixels().At(25, 32 + 11), gfx::Rgb(255, 0, 0));
    // "&Close": the 'C'.
    EXPECT_EQ(canvas.Pixels().At(13, 59 + 11), gfx::Rgb(0, 0, 0));
}

TEST(SystemMenu, ShapeFromThePopupMask)
{
    const std::vector<Rect> expected{{1, 0, 131, 1}, {0, 1, 131, 81}, {0, 81, 129, 83}};
    EXPECT_EQ(skin::SystemMenuShape(frametest::FrameSkin(), {131, 83}), expected);
}

TEST(SystemMenu, PlacedAtThePointerInsideTheWorkArea)
{
    const Rect work{0, 0, 1024, 738};
    const struct {
        const char* name;
        Point pointer;
        Size popup;
        Point at;
    } cases[] = {
        {"fits", {100, 10}, {131, 83}, {100, 10}},
        {"too far right: left of the pointer", {1000, 10}, {131, 83}, {869, 10}},
        {"too low: above the pointer", {100, 700}, {131, 83}, {100, 617}},
        {"larger than the work area", {10, 10}, {2000, 1000}, {0, 0}},
        {"no room either side: kept inside", {60, 10}, {1000, 83}, {24, 10}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(skin::PlacePopup(c.pointer, c.popup, work), c.at) << c.name;
    }
}

} // namespace
