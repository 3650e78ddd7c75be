// End-to-end tests of mouse clicks on the main window's buttons, with real pointer input: a click needs
// the left button pressed and released over the same button.
#include "LauncherTest.h"

namespace e2e {
namespace {

enum class Gesture { Click, DragOffAndRelease, DragOffAndBack, RightClick, MiddleClick, DoubleClick };

struct MouseCase {
    const char* name;
    Gesture gesture;
    int installerStarts;
};

void PrintTo(const MouseCase& testCase, std::ostream* out) { *out << testCase.name; }

class MouseClickTest : public LauncherTest96, public testing::WithParamInterface<MouseCase> {
protected:
    // A point of the client area away from every button.
    POINT OffButton() const { return ClientPoint(100, 300); }

    // Presses the left button on "安装数据库"; the press itself moves the focus there.
    void PressOnInstallButton() {
        MouseMove(ButtonCenter(kInstallButton));
        MouseDown(MouseButton::Left);
        EXPECT_TRUE(WaitForFocus(kInstallButton)) << "the press did not focus the button";
    }

    void Perform(Gesture gesture) {
        switch (gesture) {
        case Gesture::Click: PressOnInstallButton(); MouseUp(MouseButton::Left); break;
        case Gesture::DragOffAndRelease:
            PressOnInstallButton();
            MouseMove(OffButton());
            MouseUp(MouseButton::Left);
            break;
        case Gesture::DragOffAndBack:
            PressOnInstallButton();
            MouseMove(OffButton());
            MouseMove(ButtonCenter(kInstallButton));
            MouseUp(MouseButton::Left);
            break;
        case Gesture::RightClick: Click(ButtonCenter(kInstallButton), MouseButton::Right); break;
        case Gesture::MiddleClick: Click(ButtonCenter(kInstallButton), MouseButton::Middle); break;
        case Gesture::DoubleClick: DoubleClick(ButtonCenter(kInstallButton)); break;
        }
    }
};

TEST_P(MouseClickTest, StartsTheInstallerOncePerClick) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitShown());
    ASSERT_TRUE(WaitForFocus(kInstallButton));
    // Move the focus away first, so that a press that reaches the button shows as a focus change.
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitForFocus(1)) << "Tab did not move the focus";

    Perform(GetParam().gesture);
    const int expected = GetParam().installerStarts;
    if (expected > 0) {
        EXPECT_TRUE(WaitForInstallerStarts(expected)) << "starts: " << InstallerStarts();
    }
    EXPECT_TRUE(StaysFalse([&] { return InstallerStarts() > expected; })) << "starts: " << InstallerStarts();
    if (expected == 0) {
        // A left press focuses the button even without a click; the other buttons do nothing at all.
        EXPECT_EQ(FocusedButton(), GetParam().gesture == Gesture::DragOffAndRelease ? kInstallButton : 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Gestures, MouseClickTest,
                         testing::Values(MouseCase{"Click", Gesture::Click, 1},
                                         MouseCase{"DragOffAndRelease", Gesture::DragOffAndRelease, 0},
                                         MouseCase{"DragOffAndBack", Gesture::DragOffAndBack, 1},
                                         MouseCase{"RightClick", Gesture::RightClick, 0},
                                         MouseCase{"MiddleClick", Gesture::MiddleClick, 0},
                                         MouseCase{"DoubleClick", Gesture::DoubleClick, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
