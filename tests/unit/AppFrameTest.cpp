// The main window's frame component on the headless host: the window it makes around the client area, the
// caption buttons' actions and the system menu driven as a user drives them.
#include "AppTestProgram.h"

#include "skin/FrameState.h"

#include <gtest/gtest.h>

namespace {

using apptest::TestProgram;

ui::MouseEvent Mouse(ui::MouseEvent::Type type, ui::MouseButton button, gfx::Point at)
{
    ui::MouseEvent event;
    event.type = type;
    event.button = button;
    event.position = at;
    return event;
}

struct FrameFixture {
    TestProgram program;
    ui::TbsBusinessSkinForm& frame;
    gfx::Size Window() { return program.Main().Bounds().GetSize(); }

    FrameFixture() : frame(*program.Main().bsBusinessSkinForm1) { program.Start(); }

    void LeftClick(gfx::Point at)
    {
        frame.OnFrameMouse(Mouse(ui::MouseEvent::Type::Down, ui::MouseButton::Left, at), Window());
        frame.OnFrameMouse(Mouse(ui::MouseEvent::Type::Up, ui::MouseButton::Left, at), Window());
    }

    // Opens the system menu with a right press in the caption area and types `keys` into it.
    void MenuKeys(std::vector<ui::KeyEvent> keys)
    {
        program.Host().Queue([this, keys] {
            ui::PopupMenu* menu = program.Host().OpenPopupMenu();
            ASSERT_NE(menu, nullptr);
            for (const auto& key : keys) {
                menu->OnKey(key);
            }
        });
        frame.OnFrameMouse(Mouse(ui::MouseEvent::Type::Down, ui::MouseButton::Right, {200, 15}), Window());
    }
};

ui::KeyEvent KeyOf(ui::Key key, wchar_t character = 0)
{
    ui::KeyEvent event;
    event.key = key;
    event.character = character;
    return event;
}

constexpr gfx::Point kClose{552, 14};
constexpr gfx::Point kMinimize{506, 14};
constexpr gfx::Point kMaximize{529, 14};
constexpr gfx::Point kRollUp{483, 14};

TEST(MainWindowFrame, TakesFixedPixelWidthsAroundTheClientArea)
{
    FrameFixture f;
    EXPECT_TRUE(f.frame.Skinned());
    EXPECT_EQ(f.frame.Margins(), (gfx::Rect{5, 29, 5, 5}));
    EXPECT_EQ(f.Window(), (gfx::Size{567, 455}));
    EXPECT_EQ(f.program.Main().ClientAreaSize(), (gfx::Size{557, 421}));
    EXPECT_EQ(f.frame.MinimumSize(), (gfx::Size{152, 34}));
}

TEST(MainWindowFrame, MaximizeFillsTheWorkAreaAndRestoresTheExactBounds)
{
    FrameFixture f;
    const gfx::Rect before = f.program.Main().Bounds();
    f.LeftClick(kMaximize);
    EXPECT_EQ(f.program.Main().Bounds(), f.program.Host().Settings().workArea);
    EXPECT_EQ(f.frame.State(), skin::WindowState::Maximized);
    EXPECT_EQ(f.program.Main().ClientAreaSize(), (gfx::Size{1014, 704})) << "work area less 10 x 34";
    EXPECT_EQ(f.program.Main().Image1->Bounds().GetSize(), (gfx::Size{1014, 704})) << "the picture follows";
    EXPECT_FALSE(f.frame.HitTest({200, 15}, f.Window()).canDrag) << "no dragging while maximized";

    f.LeftClick({kMaximize.x + f.Window().width - 567, kMaximize.y}); // the button keeps its distance from the right
    EXPECT_EQ(f.program.Main().Bounds(), before);
    EXPECT_EQ(f.frame.State(), skin::WindowState::Normal);
    EXPECT_TRUE(f.frame.HitTest({200, 15}, f.Window()).canDrag);
}

TEST(MainWindowFrame, CloseActsOnlyWhenReleasedOverTheButton)
{
    FrameFixture f;
    f.frame.OnFrameMouse(Mouse(ui::MouseEvent::Type::Down, ui::MouseButton::Left, kClose), f.Window());
    f.frame.OnFrameMouse(Mouse(ui::MouseEvent::Type::Move, ui::MouseButton::Left, {300, 200}), f.Window());
    f.frame.OnFrameMouse(Mouse(ui::MouseEvent::Type::Up, ui::MouseButton::Left, {300, 200}), f.Window());
    EXPECT_FALSE(f.program.App().Terminated()) << "released off the button";

    f.LeftClick(kClose);
    EXPECT_TRUE(f.program.App().Terminated());
}

TEST(MainWindowFrame, MinimizeMinimizesTheApplicationAndInertButtonsDoNothing)
{
    FrameFixture f;
    const gfx::Rect before = f.program.Main().Bounds();
    f.LeftClick(kRollUp);
    f.LeftClick({14, 14}); // the system-menu button
    EXPECT_FALSE(f.program.Host().ApplicationMinimized());
    EXPECT_EQ(f.program.Main().Bounds(), before);
    EXPECT_EQ(f.program.Host().OpenPopupMenu(), nullptr);

    f.LeftClick(kMinimize);
    EXPECT_TRUE(f.program.Host().ApplicationMinimized());
    EXPECT_EQ(f.frame.State(), skin::WindowState::Normal);
}

TEST(MainWindowFrame, SystemMenuChoosesByArrowsAndLetters)
{
    struct Case {
        const char* name;
        std::vector<ui::KeyEvent> keys;
        skin::WindowState state;
        bool terminated;
        bool minimized;
    };
    const Case cases[] = {
        {"Down, Down, Enter maximizes", {KeyOf(ui::Key::Down), KeyOf(ui::Key::Down), KeyOf(ui::Key::Enter)},
         skin::WindowState::Maximized, false, false},
        {"x maximizes", {KeyOf(ui::Key::Other, L'x')}, skin::WindowState::Maximized, false, false},
        {"n minimizes", {KeyOf(ui::Key::Other, L'n')}, skin::WindowState::Normal, false, true},
        {"c closes", {KeyOf(ui::Key::Other, L'c')}, skin::WindowState::Normal, true, false},
        {"Escape closes the menu only", {KeyOf(ui::Key::Escape)}, skin::WindowState::Normal, false, false},
        {"r is no entry in the normal state", {KeyOf(ui::Key::Other, L'r'), KeyOf(ui::Key::Escape)},
         skin::WindowState::Normal, false, false},
    };
    for (const auto& c : cases) {
        FrameFixture f;
        f.MenuKeys(c.keys);
        EXPECT_EQ(f.frame.State(), c.state) << c.name;
        EXPECT_EQ(f.program.App().Terminated(), c.terminated) << c.name;
        EXPECT_EQ(f.program.Host().ApplicationMinimized(), c.minimized) << c.name;
        EXPECT_EQ(f.program.Host().OpenPopupMenu(), nullptr) << c.name << ": the menu is closed afterwards";
    }
}

TEST(MainWindowFrame, SystemMenuOffersRestoreWhileMaximized)
{
    FrameFixture f;
    const gfx::Rect before = f.program.Main().Bounds();
    f.LeftClick(kMaximize);
    f.MenuKeys({KeyOf(ui::Key::Other, L'r')});
    EXPECT_EQ(f.frame.State(), skin::WindowState::Normal);
    EXPECT_EQ(f.program.Main().Bounds(), before);
}

TEST(MainWindowFrame, RightButtonOutsideTheCaptionAreaOpensNothing)
{
    const gfx::Point places[] = {{10, 15}, {472, 15}, kClose, {2, 200}, {300, 452}};
    for (const gfx::Point at : places) {
        FrameFixture f;
        f.program.Host().Queue([&f] { ADD_FAILURE() << "a menu opened"; f.program.Host().OpenPopupMenu()->Dismiss(); });
        f.frame.OnFrameMouse(Mouse(ui::MouseEvent::Type::Down, ui::MouseButton::Right, at), f.Window());
        f.frame.OnFrameMouse(Mouse(ui::MouseEvent::Type::Up, ui::MouseButton::Right, at), f.Window());
        EXPECT_EQ(f.program.Host().Pending(), 1u) << at.x << "," << at.y;
    }
}

TEST(MainWindowFrame, KeepsItsPixelWidthsWhenTheClientScales)
{
    nullhost::Options options;
    options.pixelsPerInch = 144;
    options.textHeight = 18;
    TestProgram program(options);
    EXPECT_EQ(program.Main().ClientAreaSize(), (gfx::Size{836, 632})) << "557 x 421 times 18 / 12";
    EXPECT_EQ(program.Main().Bounds().GetSize(), (gfx::Size{846, 666}));
}

} // namespace
