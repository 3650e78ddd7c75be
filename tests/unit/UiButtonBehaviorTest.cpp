// The push button's event table as sequences of events, each step with the look and the number of clicks
// expected after it. Drives the pure state machine; the skinned button only adds drawing and focus calls.
#include "ui/ButtonBehavior.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ui::ButtonLook;

enum class Ev {
    PointerOn,       // the pointer moves onto the button
    PointerOff,      // the pointer moves off it (captured while held)
    Leave,           // the pointer leaves the window
    LeftDown,        // left press over the button
    LeftDownNoFocus, // left press over a button that cannot take the focus
    LeftUp,          // left release over the button
    LeftUpOutside,   // left release elsewhere
    RightDown,
    RightUp,
    MiddleDown,
    MiddleUp,
    SpaceDown,
    SpaceRepeat,
    SpaceUp,
    EnterDown,
    EnterRepeat,
    EnterUp,
    EscapeDown,
    EscapeUp,
    FocusGained,
    FocusLost,
};

struct Step {
    Ev event;
    ButtonLook look;
    int clicks; // total so far
};

struct Case {
    const char* name;
    std::vector<Step> steps;
    bool focusedAtEnd;
};

ui::MouseEvent Mouse(ui::MouseEvent::Type type, ui::MouseButton button)
{
    ui::MouseEvent event;
    event.type = type;
    event.button = button;
    return event;
}

ui::KeyEvent KeyOf(ui::Key key, ui::KeyEvent::Type type, bool repeat = false)
{
    ui::KeyEvent event;
    event.key = key;
    event.type = type;
    event.repeat = repeat;
    return event;
}

ui::ButtonBehavior::Outcome Apply(ui::ButtonBehavior& button, Ev ev)
{
    using T = ui::MouseEvent::Type;
    using B = ui::MouseButton;
    using K = ui::KeyEvent::Type;
    switch (ev) {
    case Ev::PointerOn: return button.OnMouse(Mouse(T::Move, B::Left), true, true);
    case Ev::PointerOff: return button.OnMouse(Mouse(T::Move, B::Left), false, true);
    case Ev::Leave: return button.OnMouse(Mouse(T::Leave, B::Left), false, true);
    case Ev::LeftDown: return button.OnMouse(Mouse(T::Down, B::Left), true, true);
    case Ev::LeftDownNoFocus: return button.OnMouse(Mouse(T::Down, B::Left), true, false);
    case Ev::LeftUp: return button.OnMouse(Mouse(T::Up, B::Left), true, true);
    case Ev::LeftUpOutside: return button.OnMouse(Mouse(T::Up, B::Left), false, true);
    case Ev::RightDown: return button.OnMouse(Mouse(T::Down, B::Right), true, true);
    case Ev::RightUp: return button.OnMouse(Mouse(T::Up, B::Right), true, true);
    case Ev::MiddleDown: return button.OnMouse(Mouse(T::Down, B::Middle), true, true);
    case Ev::MiddleUp: return button.OnMouse(Mouse(T::Up, B::Middle), true, true);
    case Ev::SpaceDown: return button.OnKey(KeyOf(ui::Key::Space, K::Down));
    case Ev::SpaceRepeat: return button.OnKey(KeyOf(ui::Key::Space, K::Down, true));
    case Ev::SpaceUp: return button.OnKey(KeyOf(ui::Key::Space, K::Up));
    case Ev::EnterDown: return button.OnKey(KeyOf(ui::Key::Enter, K::Down));
    case Ev::EnterRepeat: return button.OnKey(KeyOf(ui::Key::Enter, K::Down, true));
    case Ev::EnterUp: return button.OnKey(KeyOf(ui::Key::Enter, K::Up));
    case Ev::EscapeDown: return button.OnKey(KeyOf(ui::Key::Escape, K::Down));
    case Ev::EscapeUp: return button.OnKey(KeyOf(ui::Key::Escape, K::Up));
    case Ev::FocusGained: return button.OnFocus(true);
    case Ev::FocusLost: return button.OnFocus(false);
    }
    return {};
}

const char* LookName(ButtonLook look)
{
    switch (look) {
    case ButtonLook::Normal: return "normal";
    case ButtonLook::Hot: return "hot";
    case ButtonLook::Pressed: return "pressed";
    }
    return "?";
}

constexpr ButtonLook N = ButtonLook::Normal;
constexpr ButtonLook H = ButtonLook::Hot;
constexpr ButtonLook P = ButtonLook::Pressed;

TEST(ButtonBehavior, FollowsTheEventTable)
{
    const Case cases[] = {
        {"press and release over the button clicks once",
         {{Ev::PointerOn, H, 0}, {Ev::LeftDown, P, 0}, {Ev::LeftUp, H, 1}}, true},
        {"drag off drops the pressed look and releasing off it gives no click",
         {{Ev::PointerOn, H, 0}, {Ev::LeftDown, P, 0}, {Ev::PointerOff, H, 0}, {Ev::LeftUpOutside, H, 0},
          {Ev::PointerOn, H, 0}},
         true},
        {"drag off and back on restores the look and releasing clicks",
         {{Ev::PointerOn, H, 0}, {Ev::LeftDown, P, 0}, {Ev::PointerOff, H, 0}, {Ev::PointerOn, P, 0},
          {Ev::LeftUp, H, 1}},
         true},
        {"release outside without moving gives no click",
         {{Ev::PointerOn, H, 0}, {Ev::LeftDown, P, 0}, {Ev::LeftUpOutside, H, 0}}, true},
        {"an unfocused button leaving the pointer looks normal again",
         {{Ev::PointerOn, H, 0}, {Ev::Leave, N, 0}}, false},
        {"right and middle buttons do nothing, not even take the focus",
         {{Ev::PointerOn, H, 0}, {Ev::RightDown, H, 0}, {Ev::RightUp, H, 0}, {Ev::MiddleDown, H, 0},
          {Ev::MiddleUp, H, 0}, {Ev::Leave, N, 0}},
         false},
        {"a press on a button that cannot take the focus is ignored",
         {{Ev::PointerOn, H, 0}, {Ev::LeftDownNoFocus, H, 0}, {Ev::LeftUp, H, 0}}, false},
        {"a double click is two clicks",
         {{Ev::PointerOn, H, 0}, {Ev::LeftDown, P, 0}, {Ev::LeftUp, H, 1}, {Ev::LeftDown, P, 1},
          {Ev::LeftUp, H, 2}},
         true},
        {"Space clicks on release only and its repeats add nothing",
         {{Ev::FocusGained, H, 0}, {Ev::SpaceDown, P, 0}, {Ev::SpaceRepeat, P, 0}, {Ev::SpaceRepeat, P, 0},
          {Ev::SpaceUp, H, 1}},
         true},
        {"Space released without having been pressed here gives no click",
         {{Ev::FocusGained, H, 0}, {Ev::SpaceUp, H, 0}}, true},
        {"Enter clicks at every key-down, repeats included",
         {{Ev::FocusGained, H, 0}, {Ev::EnterDown, H, 1}, {Ev::EnterRepeat, H, 2}, {Ev::EnterRepeat, H, 3},
          {Ev::EnterUp, H, 3}},
         true},
        {"Escape does nothing",
         {{Ev::FocusGained, H, 0}, {Ev::EscapeDown, H, 0}, {Ev::EscapeUp, H, 0}}, true},
        {"losing the focus during Space drops the press without a click",
         {{Ev::FocusGained, H, 0}, {Ev::SpaceDown, P, 0}, {Ev::FocusLost, N, 0}, {Ev::SpaceUp, N, 0}}, false},
        {"the focused button looks hot with the pointer elsewhere",
         {{Ev::FocusGained, H, 0}, {Ev::PointerOn, H, 0}, {Ev::Leave, H, 0}, {Ev::FocusLost, N, 0}}, false},
    };
    for (const Case& c : cases) {
        ui::ButtonBehavior button;
        int clicks = 0;
        for (size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            clicks += Apply(button, step.event).click ? 1 : 0;
            EXPECT_EQ(LookName(button.Look()), std::string(LookName(step.look))) << c.name << ", step " << i + 1;
            EXPECT_EQ(clicks, step.clicks) << c.name << ", step " << i + 1;
        }
        EXPECT_EQ(button.Focused(), c.focusedAtEnd) << c.name;
        EXPECT_FALSE(button.MouseHeld()) << c.name;
    }
}

// The skinned button captures the mouse for the time it is held and repaints whenever the look changes.
TEST(ButtonBehavior, AsksForFocusCaptureAndRepaints)
{
    ui::ButtonBehavior button;
    Apply(button, Ev::PointerOn);
    const auto down = Apply(button, Ev::LeftDown);
    EXPECT_TRUE(down.takeFocus);
    EXPECT_TRUE(down.captureMouse);
    EXPECT_TRUE(down.changed);
    const auto up = Apply(button, Ev::LeftUp);
    EXPECT_TRUE(up.releaseMouse);
    EXPECT_TRUE(up.changed);
    const auto again = Apply(button, Ev::LeftDown);
    EXPECT_FALSE(again.takeFocus) << "already focused";
}

} // namespace
