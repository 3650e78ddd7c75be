// Caption buttons: the picture of every look, the hover and press state machine (the rows of its event table
// in FrameButtons.h), and the buttons' pixels on the composed caption band.
#include "skin/FrameButtons.h"

#include "FrameTestSkin.h"
#include "gfx/RecordingCanvas.h"
#include "skin/FramePaint.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using frametest::Source;
using gfx::Point;
using gfx::Rect;
using skin::Active;
using skin::ButtonLook;
using skin::ImageSource;
using skin::WindowState;

const skin::SkinObject& Object(const char* name) { return *frametest::FrameSkin().FindObject(name); }

TEST(FrameButtons, PictureOfEachLook)
{
    const ImageSource frame = ImageSource::FramePicture;
    const ImageSource active = ImageSource::ActivePicture;
    const struct {
        const char* name;
        const char* button;
        ButtonLook look;
        Active activeWindow;
        WindowState state;
        skin::ButtonImage image;
    } cases[] = {
        {"close normal", "closebutton", ButtonLook::Normal, Active::Yes, WindowState::Normal, {frame, {127, 4, 148, 25}}},
        {"close normal inactive", "closebutton", ButtonLook::Normal, Active::No, WindowState::Normal, {frame, {127, 4, 148, 25}}},
        {"close hovered", "closebutton", ButtonLook::Hot, Active::Yes, WindowState::Normal, {active, {42, 0, 63, 21}}},
        {"close pressed", "closebutton", ButtonLook::Pressed, Active::Yes, WindowState::Normal, {active, {21, 0, 42, 21}}},
        {"close keeps its looks maximized", "closebutton", ButtonLook::Hot, Active::Yes, WindowState::Maximized, {active, {42, 0, 63, 21}}},
        {"minimize normal", "minimizebutton", ButtonLook::Normal, Active::Yes, WindowState::Normal, {frame, {81, 4, 102, 25}}},
        {"minimize hovered", "minimizebutton", ButtonLook::Hot, Active::Yes, WindowState::Normal, {active, {42, 41, 63, 62}}},
        {"minimize pressed", "minimizebutton", ButtonLook::Pressed, Active::Yes, WindowState::Normal, {active, {21, 41, 42, 62}}},
        {"minimize ignores restore rects", "minimizebutton", ButtonLook::Normal, Active::Yes, WindowState::Maximized, {frame, {81, 4, 102, 25}}},
        {"maximize normal", "maximizebutton", ButtonLook::Normal, Active::Yes, WindowState::Normal, {frame, {104, 4, 125, 25}}},
        {"maximize hovered", "maximizebutton", ButtonLook::Hot, Active::Yes, WindowState::Normal, {active, {42, 21, 63, 42}}},
        {"maximize pressed", "maximizebutton", ButtonLook::Pressed, Active::Yes, WindowState::Normal, {active, {21, 21, 42, 42}}},
        {"restore normal", "maximizebutton", ButtonLook::Normal, Active::Yes, WindowState::Maximized, {active, {0, 61, 21, 82}}},
        {"restore normal inactive", "maximizebutton", ButtonLook::Normal, Active::No, WindowState::Maximized, {active, {63, 61, 84, 82}}},
        {"restore hovered", "maximizebutton", ButtonLook::Hot, Active::Yes, WindowState::Maximized, {active, {42, 61, 63, 82}}},
        {"restore pressed", "maximizebutton", ButtonLook::Pressed, Active::Yes, WindowState::Maximized, {active, {21, 61, 42, 82}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(skin::CaptionButtonImage(Object(c.button), c.look, c.activeWindow, c.state), c.image) << c.name;
    }

    skin::SkinObject bare = Object("maximizebutton");
    bare.activeSkinRect = {};
    bare.button.restoreRect = {};
    bare.button.restoreActiveRect = {};
    EXPECT_EQ(skin::CaptionButtonImage(bare, ButtonLook::Hot, Active::Yes, WindowState::Normal),
              (skin::ButtonImage{frame, {104, 4, 125, 25}}))
        << "empty hot rectangle: normal look";
    EXPECT_EQ(skin::CaptionButtonImage(bare, ButtonLook::Hot, Active::Yes, WindowState::Maximized),
              (skin::ButtonImage{frame, {104, 4, 125, 25}}))
        << "empty restore rectangles: the frame picture";
}

// Points in the 567 x 455 window.
constexpr Point kClose{550, 10};
constexpr Point kMinimize{505, 10};
constexpr Point kMaximize{530, 10};
constexpr Point kRollUp{480, 10};
constexpr Point kSysMenu{10, 10};
constexpr Point kCaption{100, 10};
constexpr Point kClient{100, 100};
constexpr Point kBand{472, 10}; // caption band between the caption area and the buttons
constexpr Point kCutCorner{0, 0};
constexpr Rect kCloseRect{542, 4, 563, 25};
constexpr Rect kMinimizeRect{496, 4, 517, 25};
constexpr size_t kCloseIndex = 1;
constexpr size_t kMinimizeIndex = 2;

enum class Ev { Move, LeftDown, LeftUp, RightDown, RightUp, MiddleDown, Leave, CaptureLost, Deactivate, Activate,
                MoveStart, MoveEnd };

struct Event {
    Ev kind;
    Point p{};
};

skin::ButtonsReply Send(skin::CaptionButtons& b, const Event& e, const skin::FrameLayout& layout)
{
    switch (e.kind) {
    case Ev::Move:
        return b.PointerMove(e.p, layout);
    case Ev::LeftDown:
        return b.ButtonDown(skin::PointerButton::Left, e.p, layout);
    case Ev::LeftUp:
        return b.ButtonUp(skin::PointerButton::Left, e.p, layout);
    case Ev::RightDown:
        return b.ButtonDown(skin::PointerButton::Right, e.p, layout);
    case Ev::RightUp:
        return b.ButtonUp(skin::PointerButton::Right, e.p, layout);
    case Ev::MiddleDown:
        return b.ButtonDown(skin::PointerButton::Middle, e.p, layout);
    case Ev::Leave:
        return b.PointerLeave(layout);
    case Ev::CaptureLost:
        return b.CaptureLost(layout);
    case Ev::Deactivate:
        return b.SetActive(Active::No, layout);
    case Ev::Activate:
        return b.SetActive(Active::Yes, layout);
    case Ev::MoveStart:
        return b.MoveStarted(layout);
    case Ev::MoveEnd:
        b.MoveEnded();
        return {};
    }
    return {};
}

skin::FrameLayout MainLayout()
{
    return skin::LayoutFrame(frametest::FrameSkin(),
                             skin::BuildFrameObjects(frametest::FrameSkin(), skin::kMainWindowIcons), {567, 455});
}

TEST(FrameButtons, EventTable)
{
    const std::optional<size_t> none;
    const std::optional<skin::Command> noAction;
    using skin::Command;
    constexpr auto normal = ButtonLook::Normal;
    constexpr auto hot = ButtonLook::Hot;
    constexpr auto pressed = ButtonLook::Pressed;
    constexpr auto keep = skin::Capture::Keep;
    constexpr auto take = skin::Capture::Take;
    constexpr auto release = skin::Capture::Release;
    const struct {
        const char* name;
        std::vector<Event> events;
        std::optional<size_t> hovered;       // after all events
        std::optional<size_t> pressed;
        ButtonLook closeLook;
        std::optional<skin::Command> action; // of the last event
        skin::Capture capture;                     // of the last event
        std::vector<Rect> repaint;           // of the last event
    } cases[] = {
        {"move over close hovers it", {{Ev::Move, kClose}}, kCloseIndex, none, hot, noAction, keep, {kCloseRect}},
        {"close to minimize repaints both", {{Ev::Move, kClose}, {Ev::Move, kMinimize}}, kMinimizeIndex, none, normal, noAction, keep, {kCloseRect, kMinimizeRect}},
        {"close to client unhovers", {{Ev::Move, kClose}, {Ev::Move, kClient}}, none, none, normal, noAction, keep, {kCloseRect}},
        {"close to cut corner unhovers", {{Ev::Move, kClose}, {Ev::Move, kCutCorner}}, none, none, normal, noAction, keep, {kCloseRect}},
        {"close to plain band unhovers", {{Ev::Move, kClose}, {Ev::Move, kBand}}, none, none, normal, noAction, keep, {kCloseRect}},
        {"inert roll-up is never hovered", {{Ev::Move, kRollUp}}, none, none, normal, noAction, keep, {}},
        {"inert sysmenu is never hovered", {{Ev::Move, kSysMenu}}, none, none, normal, noAction, keep, {}},
        {"caption area hovers without repaint", {{Ev::Move, kCaption}}, 0, none, normal, noAction, keep, {}},
        {"no hover while inactive", {{Ev::Deactivate}, {Ev::Move, kClose}}, none, none, normal, noAction, keep, {}},
        {"no hover while moving", {{Ev::MoveStart}, {Ev::Move, kClose}}, none, none, normal, noAction, keep, {}},
        {"hover again after the move", {{Ev::MoveStart}, {Ev::MoveEnd}, {Ev::Move, kClose}}, kCloseIndex, none, hot, noAction, keep, {kCloseRect}},
        {"move start clears hover", {{Ev::Move, kClose}, {Ev::MoveStart}}, none, none, normal, noAction, keep, {kCloseRect}},
        {"left press on close", {{Ev::Move, kClose}, {Ev::LeftDown, kClose}}, none, kCloseIndex, pressed, noAction, take, {kCloseRect}},
        {"press, move off: normal look", {{Ev::LeftDown, kClose}, {Ev::Move, kClient}}, none, kCloseIndex, normal, noAction, keep, {kCloseRect}},
        {"press, off, back on: pressed look", {{Ev::LeftDown, kClose}, {Ev::Move, kClient}, {Ev::Move, kClose}}, none, kCloseIndex, pressed, noAction, keep, {kCloseRect}},
        {"press, move over minimize: no hover", {{Ev::LeftDown, kClose}, {Ev::Move, kMinimize}}, none, kCloseIndex, normal, noAction, keep, {kCloseRect}},
        {"press and release over close closes", {{Ev::LeftDown, kClose}, {Ev::LeftUp, kClose}}, kCloseIndex, none, hot, Command::Close, release, {kCloseRect}},
        {"press, off, release: nothing", {{Ev::LeftDown, kClose}, {Ev::Move, kClient}, {Ev::LeftUp, kClient}}, none, none, normal, noAction, release, {kCloseRect}},
        {"press, off, back, release closes", {{Ev::LeftDown, kClose}, {Ev::Move, kClient}, {Ev::Move, kClose}, {Ev::LeftUp, kClose}}, kCloseIndex, none, hot, Command::Close, release, {kCloseRect}},
        {"press minimize, release over close", {{Ev::LeftDown, kMinimize}, {Ev::LeftUp, kClose}}, kCloseIndex, none, hot, noAction, release, {kMinimizeRect, kCloseRect}},
        {"press and release maximize", {{Ev::LeftDown, kMaximize}, {Ev::LeftUp, kMaximize}}, 3, none, normal, Command::Maximize, release, {Rect{519, 4, 540, 25}}},
        {"right press on close: nothing", {{Ev::RightDown, kClose}}, none, none, normal, noAction, keep, {}},
        {"right release on close: nothing", {{Ev::RightDown, kClose}, {Ev::RightUp, kClose}}, none, none, normal, noAction, keep, {}},
        {"middle press on close: nothing", {{Ev::MiddleDown, kClose}}, none, none, normal, noAction, keep, {}},
        {"right release ends no left press", {{Ev::LeftDown, kClose}, {Ev::RightUp, kClose}}, none, kCloseIndex, pressed, noAction, keep, {}},
        {"left press on inert roll-up", {{Ev::LeftDown, kRollUp}, {Ev::LeftUp, kRollUp}}, none, none, normal, noAction, keep, {}},
        {"left press on the caption area", {{Ev::LeftDown, kCaption}}, none, none, normal, noAction, keep, {}},
        {"leaving the window unhovers", {{Ev::Move, kClose}, {Ev::Leave}}, none, none, normal, noAction, keep, {kCloseRect}},
        {"capture lost ends the press", {{Ev::LeftDown, kClose}, {Ev::CaptureLost}}, none, none, normal, noAction, keep, {kCloseRect}},
        {"release after capture lost: nothing", {{Ev::LeftDown, kClose}, {Ev::CaptureLost}, {Ev::LeftUp, kClose}}, none, none, normal, noAction, keep, {}},
        {"deactivation clears hover", {{Ev::Move, kClose}, {Ev::Deactivate}}, none, none, normal, noAction, keep, {kCloseRect}},
        {"activation clears hover", {{Ev::Move, kClose}, {Ev::Activate}}, none, none, normal, noAction, keep, {kCloseRect}},
    };
    const skin::FrameLayout layout = MainLayout();
    for (const auto& c : cases) {
        skin::CaptionButtons buttons;
        skin::ButtonsReply last;
        for (const Event& e : c.events) {
            last = Send(buttons, e, layout);
        }
        EXPECT_EQ(buttons.Hovered(), c.hovered) << c.name;
        EXPECT_EQ(buttons.Pressed(), c.pressed) << c.name;
        EXPECT_EQ(buttons.LookOf(kCloseIndex), c.closeLook) << c.name;
        EXPECT_EQ(last.action, c.action) << c.name;
        EXPECT_EQ(last.capture, c.capture) << c.name;
        EXPECT_EQ(last.repaint, c.repaint) << c.name;
    }
}

// The pixel at a button's top-left after composing the frame and drawing the buttons.
TEST(FrameButtons, DrawnLooksOnTheCaptionBand)
{
    const skin::FrameLayout layout = MainLayout();
    const int dx = 567 - 152;
    const struct {
        const char* name;
        std::vector<Event> events;
        WindowState state;
        Source close;
        Source minimize;
        Source maximize;
        Source rollUp;
    } cases[] = {
        {"active, nothing hovered", {}, WindowState::Normal,
         {127, 4, frametest::kFrameTag}, {81, 4, frametest::kFrameTag}, {104, 4, frametest::kFrameTag}, {58, 4, frametest::kFrameTag}},
        {"close hovered", {{Ev::Move, kClose}}, WindowState::Normal,
         {42, 0, frametest::kButtonsTag}, {81, 4, frametest::kFrameTag}, {104, 4, frametest::kFrameTag}, {58, 4, frametest::kFrameTag}},
        {"minimize pressed", {{Ev::LeftDown, kMinimize}}, WindowState::Normal,
         {127, 4, frametest::kFrameTag}, {21, 41, frametest::kButtonsTag}, {104, 4, frametest::kFrameTag}, {58, 4, frametest::kFrameTag}},
        {"maximized: restore look", {}, WindowState::Maximized,
         {127, 4, frametest::kFrameTag}, {81, 4, frametest::kFrameTag}, {0, 61, frametest::kButtonsTag}, {58, 4, frametest::kFrameTag}},
        {"maximized, restore hovered", {{Ev::Move, kMaximize}}, WindowState::Maximized,
         {127, 4, frametest::kFrameTag}, {81, 4, frametest::kFrameTag}, {42, 61, frametest::kButtonsTag}, {58, 4, frametest::kFrameTag}},
        {"inactive and maximized", {{Ev::Deactivate}}, WindowState::Maximized,
         {127, 4, frametest::kInactiveTag}, {81, 4, frametest::kInactiveTag}, {63, 61, frametest::kButtonsTag}, {58, 4, frametest::kInactiveTag}},
        {"hovering inert roll-up shows nothing", {{Ev::Move, kRollUp}}, WindowState::Normal,
         {127, 4, frametest::kFrameTag}, {81, 4, frametest::kFrameTag}, {104, 4, frametest::kFrameTag}, {58, 4, frametest::kFrameTag}},
    };
    for (const auto& c : cases) {
        skin::CaptionButtons buttons;
        for (const Event& e : c.events) {
            Send(buttons, e, layout);
        }
        gfx::Bitmap window(567, 455, 0);
        // The band behind is always the other picture, so a button left undrawn would show.
        skin::ComposeFrame(window.View(), frametest::FrameSkin(), buttons.IsActive() ? Active::No : Active::Yes);
        skin::DrawCaptionButtons(window.View(), frametest::FrameSkin(), layout, buttons, c.state);
        EXPECT_EQ(frametest::SourceOf(window.At(127 + dx, 4)), c.close) << c.name;
        EXPECT_EQ(frametest::SourceOf(window.At(81 + dx, 4)), c.minimize) << c.name;
        EXPECT_EQ(frametest::SourceOf(window.At(104 + dx, 4)), c.maximize) << c.name;
        EXPECT_EQ(frametest::SourceOf(window.At(58 + dx, 4)), c.rollUp) << c.name;
        EXPECT_EQ(frametest::SourceOf(window.At(148 + dx, 4)).x, 148) << c.name << ": right of close untouched";
    }
}

// The whole frame: pieces, caption text over them, buttons last; the client area stays as it was.
TEST(FrameButtons, PaintFramePaintsEverythingButTheClientArea)
{
    const skin::FrameLayout layout = MainLayout();
    skin::CaptionButtons buttons;
    buttons.PointerMove(kClose, layout);
    gfx::RecordingCanvas canvas({567, 455}, gfx::Rgb(1, 2, 3));
    skin::PaintFrame(canvas, frametest::FrameSkin(), layout, buttons, WindowState::Normal, L"Setup");
    ASSERT_EQ(canvas.TextCalls().size(), 2u);
    EXPECT_EQ(canvas.TextCalls()[1].origin, (Point{27, 9}));
    EXPECT_EQ(frametest::SourceOf(canvas.Target().At(0, 0)), (Source{0, 0, frametest::kFrameTag}));
    EXPECT_EQ(frametest::SourceOf(canvas.Target().At(kCloseRect.left, kCloseRect.top)),
              (Source{42, 0, frametest::kButtonsTag}));
    EXPECT_EQ(canvas.Target().At(100, 100), gfx::Rgb(1, 2, 3));
}

TEST(FrameButtons, ActionsFollowTheWindowState)
{
    using skin::Command;
    using skin::FrameAction;
    const struct {
        Command command;
        WindowState state;
        std::optional<FrameAction> action;
    } cases[] = {
        {Command::Close, WindowState::Normal, FrameAction::Close},
        {Command::Minimize, WindowState::Maximized, FrameAction::Minimize},
        {Command::Maximize, WindowState::Normal, FrameAction::Maximize},
        {Command::Maximize, WindowState::Maximized, FrameAction::Restore},
        {Command::RollUp, WindowState::Normal, std::nullopt},
        {Command::SysMenu, WindowState::Normal, std::nullopt},
        {Command::Default, WindowState::Normal, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(skin::ActionFor(c.command, c.state), c.action) << int(c.command) << "/" << int(c.state);
    }
}

} // namespace
