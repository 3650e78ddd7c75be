// End-to-end tests of the keyboard on the main window: focus movement between the six buttons and the
// keys that click the focused one.
#include "LauncherTest.h"

namespace e2e {
namespace {

enum class Key { Tab, ShiftTab, Up, Down, Left, Right };

void Press(Key key) {
    switch (key) {
    case Key::Tab: PressKey(VK_TAB); break;
    case Key::ShiftTab: PressShiftKey(VK_TAB); break;
    case Key::Up: PressKey(VK_UP); break;
    case Key::Down: PressKey(VK_DOWN); break;
    case Key::Left: PressKey(VK_LEFT); break;
    case Key::Right: PressKey(VK_RIGHT); break;
    }
}

struct FocusStep {
    Key key;
    int focusAfter;  // button index
};

// Each walk starts on the first button, as after start-up, and goes once round the column.
struct FocusWalk {
    const char* name;
    std::vector<FocusStep> steps;
};

void PrintTo(const FocusWalk& testCase, std::ostream* out) { *out << testCase.name; }

class FocusMovementTest : public LauncherTest96, public testing::WithParamInterface<FocusWalk> {};

TEST_P(FocusMovementTest, MovesAndWrapsAround) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitShown());
    ASSERT_TRUE(WaitForFocus(kInstallButton)) << "focused button at start: " << FocusedButton();
    int step = 0;
    for (const FocusStep& move : GetParam().steps) {
        Press(move.key);
        ASSERT_TRUE(WaitForFocus(move.focusAfter))
            << "step " << step << ": expected button " << move.focusAfter << ", focus on " << FocusedButton();
        ++step;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FocusMovementTest,
    testing::Values(
        FocusWalk{"TabForward", {{Key::Tab, 1}, {Key::Tab, 2}, {Key::Tab, 3}, {Key::Tab, 4}, {Key::Tab, 5},
                                 {Key::Tab, 0}}},
        FocusWalk{"ShiftTabBackward", {{Key::ShiftTab, 5}, {Key::ShiftTab, 4}, {Key::ShiftTab, 3},
                                       {Key::ShiftTab, 2}, {Key::ShiftTab, 1}, {Key::ShiftTab, 0}}},
        FocusWalk{"DownAndRightForward", {{Key::Down, 1}, {Key::Right, 2}, {Key::Down, 3}, {Key::Right, 4},
                                          {Key::Down, 5}, {Key::Right, 0}}},
        FocusWalk{"UpAndLeftBackward", {{Key::Up, 5}, {Key::Left, 4}, {Key::Up, 3}, {Key::Left, 2},
                                        {Key::Up, 1}, {Key::Left, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

// "安装数据库" has the focus after start-up; each click of it starts the recording installer once.
class KeyClickTest : public LauncherTest96 {};

TEST_F(KeyClickTest, EnterClicksAsTheKeyGoesDown) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitShown());
    ASSERT_TRUE(WaitForFocus(kInstallButton));
    KeyDown(VK_RETURN);
    EXPECT_TRUE(WaitForInstallerStarts(1)) << "Enter held down did not click";
    KeyUp(VK_RETURN);
    EXPECT_TRUE(StaysFalse([&] { return InstallerStarts() > 1; })) << "releasing Enter clicked again";
}

TEST_F(KeyClickTest, SpaceClicksOnlyAsTheKeyComesUp) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitShown());
    ASSERT_TRUE(WaitForFocus(kInstallButton));
    KeyDown(VK_SPACE);
    EXPECT_TRUE(StaysFalse([&] { return InstallerStarts() > 0; })) << "Space clicked on the way down";
    KeyUp(VK_SPACE);
    EXPECT_TRUE(WaitForInstallerStarts(1)) << "releasing Space did not click";
    EXPECT_TRUE(StaysFalse([&] { return InstallerStarts() > 1; }));
}

}  // namespace
}  // namespace e2e
