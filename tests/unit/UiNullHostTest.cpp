// The headless host's own promises that the form and program tests build on: when the quit message arrives, how a
// popup menu is tracked, and where windows and their texts land in a rendered frame.
#include "platform/null/NullHost.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Frame.h"
#include "ui/SkinControls.h"
#include "ui/StdControls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Like WM_QUIT, a posted quit waits until no other message is queued; an empty queue answers "quit" too, but
// is counted so that a test can tell a loop that would have waited forever.
TEST(NullHostQueue, PostedQuitArrivesAfterTheQueuedActions)
{
    nullhost::NullHost host;
    std::vector<int> ran;
    host.Queue([&] { ran.push_back(1); });
    host.Queue([&] { ran.push_back(2); });
    host.PostQuit();
    EXPECT_TRUE(host.HandleMessage());
    EXPECT_TRUE(host.HandleMessage());
    EXPECT_FALSE(host.HandleMessage());
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));
    EXPECT_EQ(host.TimesRanDry(), 0);
    EXPECT_FALSE(host.HandleMessage());
    EXPECT_EQ(host.TimesRanDry(), 1);
}

class CountingMenu : public ui::PopupMenu {
public:
    gfx::Size WindowSize() override { return {80, 40}; }
    std::vector<gfx::Rect> Shape() override { return {{0, 0, 80, 40}}; }
    void Paint(gfx::Canvas&) override {}
    bool OnKey(const ui::KeyEvent& event) override
    {
        keys += event.type == ui::KeyEvent::Type::Down ? 1 : 0;
        closed = closed || event.key == ui::Key::Escape;
        return true;
    }
    bool OnMouse(const ui::MouseEvent&) override { return false; }
    bool Closed() const override { return closed; }
    void Dismiss() override { closed = true; }

    int keys = 0;
    bool closed = false;
};

TEST(NullHostQueue, APopupMenuIsTrackedUntilClosedAndTakesTheKeys)
{
    nullhost::NullHost host;
    ui::Application app(host);
    ui::Form form(app, nullptr);
    CountingMenu menu;
    host.Queue([&] {
        EXPECT_EQ(host.OpenPopupMenu(), &menu);
        host.PressKey(ui::Key::Down);
    });
    host.Queue([&] { host.PressKey(ui::Key::Escape); });
    host.Queue([] {});
    host.RunPopupMenu(menu, {0, 0}, form);
    EXPECT_EQ(menu.keys, 2);
    EXPECT_EQ(host.Pending(), 1u) << "the menu loop ends with the menu";
    EXPECT_EQ(host.OpenPopupMenu(), nullptr);
}

TEST(NullHostQueue, AQuitDismissesAPopupMenuAndStaysForTheLoopOutside)
{
    nullhost::NullHost host;
    ui::Application app(host);
    ui::Form form(app, nullptr);
    CountingMenu menu;
    host.QueueQuit();
    host.RunPopupMenu(menu, {0, 0}, form);
    EXPECT_TRUE(menu.closed);
    EXPECT_FALSE(host.HandleMessage());
    EXPECT_EQ(host.TimesRanDry(), 0);
}

// Each window is painted through its own canvas at its place; a child window is clipped by its parent, and the
// texts are reported in the form's client coordinates.
TEST(NullHostRender, PlacesAndClipsChildWindowsAndTheirTexts)
{
    nullhost::NullHost host;
    ui::Application app(host);
    ui::RegisterStandardClasses(app.Classes());
    ui::RegisterSkinClasses(app.Classes());
    ui::Form form(app, nullptr);
    form.Load(R"(object F: TForm
  BorderStyle = bsNone
  ClientWidth = 100
  ClientHeight = 60
  object P: TbsSkinPanel
    Left = 10
    Top = 20
    Width = 50
    Height = 30
    object L: TLabel
      Left = 5
      Top = 4
      Caption = 'ab'
    end
    object Wide: TbsSkinPanel
      Left = 40
      Top = 0
      Width = 100
      Height = 10
    end
  end
end
)");
    form.Show();
    const gfx::Bitmap frame = host.RenderForm(form);
    ASSERT_EQ(frame.Width(), 100);
    ASSERT_EQ(frame.Height(), 60);
    const gfx::Pixel background = frame.At(0, 0);
    const gfx::Pixel panelBorder = frame.At(10, 20);
    EXPECT_NE(panelBorder, background);
    EXPECT_EQ(frame.At(9, 19), background);
    EXPECT_EQ(frame.At(60, 20), background) << "the inner panel is clipped at its parent's right edge";
    EXPECT_EQ(frame.At(59, 49), panelBorder) << "the outer panel's bottom-right corner";
    ASSERT_EQ(host.RenderedTexts().size(), 1u);
    const nullhost::DrawnText& text = host.RenderedTexts()[0];
    EXPECT_EQ(text.text, L"ab");
    EXPECT_EQ(text.origin, (gfx::Point{15, 24}));
    EXPECT_EQ(text.window, form.FindComponent(L"P"));
}

} // namespace
