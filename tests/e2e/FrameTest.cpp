// End-to-end tests of the main window's skinned frame: size and shape, dragging, the caption buttons, the
// system menu, the keys the frame swallows, and the frame's looks against the skin's pictures.
#include "BackdropWindow.h"
#include "LauncherTest.h"
#include "SkinReference.h"

#include <sstream>

namespace e2e {
namespace {

constexpr SIZE kWindowSize{567, 455};
constexpr SIZE kClientSize{557, 421};
constexpr POINT kClientOffset{5, 29};
constexpr POINT kInCaptionArea{200, 15};
constexpr POINT kInClientArea{100, 300};  // window coordinates, away from every button
constexpr Color kOtherWallColor{40, 90, 220};
// How long a drag or a key is given to show an effect that must not come.
constexpr Milliseconds kShortAbsence{500};

// The caption buttons keep their distance from the window's right edge: left edge at W minus this.
enum class FrameButton : int { Close = 25, Maximize = 48, Minimize = 71, RollUp = 94 };

std::string Describe(const RECT& rect) {
    std::ostringstream text;
    text << '(' << rect.left << ", " << rect.top << ") - (" << rect.right << ", " << rect.bottom << ')';
    return text.str();
}

RECT WorkArea() {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

class FrameTest : public LauncherTest96 {
protected:
    // Shown, in the foreground, and done with its start-up: the focus has reached the first button.
    void StartAndWaitReady() {
        ASSERT_NO_FATAL_FAILURE(StartAndWaitShown());
        ASSERT_TRUE(WaitForFocus(kInstallButton)) << "focused button at start: " << FocusedButton();
    }

    POINT AtWindow(POINT point) {
        const RECT outer = WindowRect(MainWindow());
        return {outer.left + point.x, outer.top + point.y};
    }

    RECT ButtonRect(FrameButton button) {
        const int left = Width(WindowRect(MainWindow())) - static_cast<int>(button);
        return {left, 4, left + 21, 25};
    }

    POINT ButtonPoint(FrameButton button) { return AtWindow(CenterOf(ButtonRect(button))); }

    HWND Popup() {
        HWND popup = FindTopLevel(Launcher().Id(), L"TbsSkinPopupMenu");
        return IsShown(popup) ? popup : nullptr;
    }

    HWND OpenSystemMenu() {
        Click(AtWindow(kInCaptionArea), MouseButton::Right);
        HWND popup = nullptr;
        WaitUntil([&] { return (popup = Popup()) != nullptr; });
        return popup;
    }

    int VisibleTopLevelWindows() {
        int count = 0;
        for (HWND window : TopLevelWindows(Launcher().Id())) count += IsWindowVisible(window) ? 1 : 0;
        return count;
    }

    // Presses the left button at the window point, moves by the offset in steps and releases.
    void Drag(POINT from, POINT by) {
        constexpr int kSteps = 4;
        const POINT start = AtWindow(from);
        MouseMove(start);
        MouseDown(MouseButton::Left);
        for (int step = 1; step <= kSteps; ++step)
            MouseMove({start.x + by.x * step / kSteps, start.y + by.y * step / kSteps});
        MouseUp(MouseButton::Left);
    }

    bool HasBounds(const RECT& expected) {
        const RECT now = WindowRect(MainWindow());
        return EqualRect(&expected, &now) != FALSE;
    }

    bool WaitForBounds(const RECT& expected) {
        return WaitUntil([&] { return HasBounds(expected); });
    }

    bool BoundsStay(const RECT& expected, Milliseconds window = kShortAbsence) {
        return StaysFalse([&] { return !HasBounds(expected); }, window);
    }

    bool WaitForMinimized() {
        return WaitUntil([&] { return !IsShown(MainWindow()) && IsMinimized(ApplicationWindow()); });
    }

    bool Maximize() {
        Click(ButtonPoint(FrameButton::Maximize));
        return WaitForBounds(WorkArea());
    }

    const SkinPicture* Picture(const wchar_t* fileName) {
        std::string error;
        const SkinPicture* picture = LoadSkinPicture(fileName, &error);
        EXPECT_NE(picture, nullptr) << error;
        return picture;
    }

    // Waits until the main window shows the pieces (a repaint may be on its way), then reports.
    testing::AssertionResult WaitForFrameLook(const SkinPicture& picture, const std::vector<PicturePiece>& pieces,
                                              const SkinPicture* shape = nullptr) {
        auto shows = [&] { return ShowsPieces(ScreenShot::Capture(WindowRect(MainWindow())), picture, pieces, shape); };
        WaitUntil([&] { return static_cast<bool>(shows()); }, Milliseconds(3000));
        return shows();
    }

    PicturePiece ButtonPiece(const char* name, FrameButton button, const RECT& source) {
        const RECT rect = ButtonRect(button);
        return {name, source, {rect.left, rect.top}};
    }
};

// ---- Size and shape ----------------------------------------------------------------------------------

// The mask cuts the top corners: rows 0 to 4 lose 5, 3, 2, 1 and 1 pixels at each end.
struct ShapePoint {
    const char* name;
    POINT point;  // window coordinates
    bool inside;
};

constexpr ShapePoint kShapePoints[] = {
    {"row 0, x 0", {0, 0}, false},          {"row 0, x 4", {4, 0}, false},
    {"row 0, x 5", {5, 0}, true},           {"row 0, x W-6", {561, 0}, true},
    {"row 0, x W-5", {562, 0}, false},      {"row 0, x W-1", {566, 0}, false},
    {"row 1, x 2", {2, 1}, false},          {"row 1, x 3", {3, 1}, true},
    {"row 2, x 1", {1, 2}, false},          {"row 2, x 2", {2, 2}, true},
    {"row 3, x 0", {0, 3}, false},          {"row 3, x W-2", {565, 3}, true},
    {"row 4, x 0", {0, 4}, false},          {"row 4, x 1", {1, 4}, true},
    {"row 4, x W-1", {566, 4}, false},      {"row 5, x 0", {0, 5}, true},
    {"row 5, x W-1", {566, 5}, true},       {"bottom-left corner", {0, 454}, true},
    {"bottom-right corner", {566, 454}, true},
};

TEST_F(FrameTest, WindowHasItsSizePlaceClientAreaAndShape) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    HWND main = MainWindow();
    const RECT outer = WindowRect(main);
    EXPECT_EQ(Width(outer), kWindowSize.cx);
    EXPECT_EQ(Height(outer), kWindowSize.cy);
    EXPECT_EQ(outer.left, std::max(0, (GetSystemMetrics(SM_CXVIRTUALSCREEN) - Width(outer)) / 2));
    EXPECT_EQ(outer.top, std::max(0, (GetSystemMetrics(SM_CYVIRTUALSCREEN) - Height(outer)) / 2));
    const RECT client = ClientRectOnScreen(main);
    EXPECT_EQ(Width(client), kClientSize.cx);
    EXPECT_EQ(Height(client), kClientSize.cy);
    EXPECT_EQ(client.left - outer.left, kClientOffset.x);
    EXPECT_EQ(client.top - outer.top, kClientOffset.y);

    const std::optional<RECT> box = RegionBox(main);
    ASSERT_TRUE(box.has_value()) << "the window has no region";
    EXPECT_EQ(Describe(*box), Describe({0, 0, kWindowSize.cx, kWindowSize.cy}));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(main, region), ERROR);
    for (const ShapePoint& point : kShapePoints) {
        EXPECT_EQ(PtInRegion(region, point.point.x, point.point.y) != FALSE, point.inside) << point.name;
        const bool hitsWindow = WindowFromPoint(AtWindow(point.point)) == main;
        EXPECT_EQ(hitsWindow, point.inside) << point.name << ": WindowFromPoint";
    }
    DeleteObject(region);
}

// A black window of the test program lies under the main window's top-left corner: it shows through the cut
// pixels and gets the clicks there. It is there first, so the launcher's window comes up above it.
TEST_F(FrameTest, AClickInACutCornerReachesTheWindowBehind) {
    const POINT corner{std::max(0L, (GetSystemMetrics(SM_CXVIRTUALSCREEN) - kWindowSize.cx) / 2),
                       std::max(0L, (GetSystemMetrics(SM_CYVIRTUALSCREEN) - kWindowSize.cy) / 2)};
    BackdropWindow backdrop({corner.x - 20, corner.y - 20, corner.x + 20, corner.y + 20});
    ASSERT_NE(backdrop.Handle(), nullptr);
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    ASSERT_EQ(WindowRect(MainWindow()).left, corner.x);
    ASSERT_EQ(WindowRect(MainWindow()).top, corner.y);
    const Rgb black{0, 0, 0};
    auto showsThroughTheCutOnly = [&] {
        return ScreenPixel(AtWindow({0, 0})) == black && !(ScreenPixel(AtWindow({5, 0})) == black);
    };
    ASSERT_TRUE(WaitUntil(showsThroughTheCutOnly))
        << "the backdrop does not show through the cut corner only";

    Click(AtWindow({5, 0}));  // just inside the shape: the frame takes it
    EXPECT_TRUE(StaysFalse([&] { return backdrop.LeftPresses() > 0; }, kShortAbsence));
    Click(AtWindow({0, 0}));
    EXPECT_TRUE(WaitUntil([&] { return backdrop.LeftPresses() == 1; })) << "the click did not pass the corner";
    EXPECT_TRUE(Launcher().IsRunning());
}

// ---- Dragging ----------------------------------------------------------------------------------------

struct DragCase {
    const char* name;
    POINT from;  // window coordinates
    bool moves;
};

void PrintTo(const DragCase& testCase, std::ostream* out) { *out << testCase.name; }

class CaptionDragTest : public FrameTest, public testing::WithParamInterface<DragCase> {};

TEST_P(CaptionDragTest, MovesTheWindowOnlyFromTheCaptionArea) {
    constexpr POINT kBy{40, 30};
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    const RECT before = WindowRect(MainWindow());
    Drag(GetParam().from, kBy);
    if (GetParam().moves) {
        RECT expected = before;
        OffsetRect(&expected, kBy.x, kBy.y);
        EXPECT_TRUE(WaitForBounds(expected)) << "now at " << Describe(WindowRect(MainWindow()));
    } else {
        EXPECT_TRUE(BoundsStay(before)) << "now at " << Describe(WindowRect(MainWindow()));
    }
    EXPECT_TRUE(IsShown(MainWindow()));
}

INSTANTIATE_TEST_SUITE_P(Places, CaptionDragTest,
                         testing::Values(DragCase{"CaptionArea", kInCaptionArea, true},
                                         DragCase{"SystemMenuButton", {15, 15}, false},
                                         DragCase{"LeftOfCaptionArea", {25, 15}, false},
                                         DragCase{"JustRightOfCaptionArea", {471, 15}, false},
                                         DragCase{"BeforeTheButtons", {472, 15}, false},
                                         DragCase{"BelowCaptionArea", {200, 26}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Ending the program ------------------------------------------------------------------------------

enum class Ending { CloseClick, CloseDragOffAndRelease, CloseDragOffAndBack, AltF4 };

struct EndingCase {
    const char* name;
    Ending ending;
    bool ends;
};

void PrintTo(const EndingCase& testCase, std::ostream* out) { *out << testCase.name; }

class EndingTest : public FrameTest, public testing::WithParamInterface<EndingCase> {
protected:
    // Off the close button in two moves, through the caption band into the client area, as a real pointer
    // goes: under load Wine now and then loses a single pointer motion seen by a window holding the capture.
    void MoveOffTheCloseButton() {
        MouseMove(AtWindow({CenterOf(ButtonRect(FrameButton::Close)).x - 30, 14}));
        MouseMove(AtWindow(kInClientArea));
    }

    void Perform(Ending ending) {
        const POINT close = ButtonPoint(FrameButton::Close);
        switch (ending) {
        case Ending::CloseClick: Click(close); break;
        case Ending::CloseDragOffAndRelease:
            MouseMove(close);
            MouseDown(MouseButton::Left);
            MoveOffTheCloseButton();
            MouseUp(MouseButton::Left);
            break;
        case Ending::CloseDragOffAndBack:
            MouseMove(close);
            MouseDown(MouseButton::Left);
            MoveOffTheCloseButton();
            MouseMove(close);
            MouseUp(MouseButton::Left);
            break;
        case Ending::AltF4:
            KeyDown(VK_MENU);
            PressKey(VK_F4);
            KeyUp(VK_MENU);
            break;
        }
    }
};

TEST_P(EndingTest, EndsTheProgramWithExitCodeZeroOrNothing) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    Perform(GetParam().ending);
    if (GetParam().ends) {
        ASSERT_TRUE(Launcher().WaitForExit()) << "the program is still running";
        EXPECT_EQ(Launcher().ExitCode(), 0u);
    } else {
        EXPECT_TRUE(StaysFalse([&] { return !Launcher().IsRunning(); })) << "the program ended";
        EXPECT_TRUE(IsShown(MainWindow()));
    }
}

INSTANTIATE_TEST_SUITE_P(Gestures, EndingTest,
                         testing::Values(EndingCase{"CloseButtonClick", Ending::CloseClick, true},
                                         EndingCase{"CloseButtonDragOffAndRelease", Ending::CloseDragOffAndRelease,
                                                    false},
                                         EndingCase{"CloseButtonDragOffAndBack", Ending::CloseDragOffAndBack, true},
                                         EndingCase{"AltF4", Ending::AltF4, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Minimize and maximize ---------------------------------------------------------------------------

enum class StartState { Normal, Maximized };

struct MinimizeCase {
    const char* name;
    StartState state;
};

void PrintTo(const MinimizeCase& testCase, std::ostream* out) { *out << testCase.name; }

class MinimizeTest : public FrameTest, public testing::WithParamInterface<MinimizeCase> {};

// Restoring the application shows the main window as it was; it was never hidden in the program's sense,
// so wall.jpg is not read again.
TEST_P(MinimizeTest, RestoringShowsTheWindowAsItWas) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    ASSERT_TRUE(WaitForWallColor());
    if (GetParam().state == StartState::Maximized) {
        ASSERT_TRUE(Maximize()) << "maximize did not fill the work area";
    }
    const RECT before = WindowRect(MainWindow());

    Click(ButtonPoint(FrameButton::Minimize));
    ASSERT_TRUE(WaitForMinimized()) << "the minimize button did not minimize the application";
    WriteWall(SolidJpeg(64, 48, kOtherWallColor));
    PostMessageW(ApplicationWindow(), WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsShown(MainWindow()); })) << "restoring did not show the main window";
    EXPECT_EQ(Describe(WindowRect(MainWindow())), Describe(before));
    EXPECT_TRUE(StaysFalse([&] { return MessageBoxNow() != nullptr; }, kShortAbsence));
    ASSERT_TRUE(WaitUntilSettled(ClientRectOnScreen(MainWindow())));
    EXPECT_TRUE(ShowsWallColor()) << "the picture was read again";
}

INSTANTIATE_TEST_SUITE_P(States, MinimizeTest,
                         testing::Values(MinimizeCase{"Normal", StartState::Normal},
                                         MinimizeCase{"Maximized", StartState::Maximized}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameTest, MaximizeFillsTheWorkAreaPinsTheWindowAndGoesBackExactly) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    const RECT before = WindowRect(MainWindow());
    ASSERT_TRUE(Maximize()) << "now at " << Describe(WindowRect(MainWindow())) << ", work area "
                            << Describe(WorkArea());

    MouseMove(AtWindow(kInClientArea));
    const SkinPicture* active = Picture(L"active.BMP");
    ASSERT_NE(active, nullptr);
    const PicturePiece restore = ButtonPiece("maximize button", FrameButton::Maximize, skin::kRestoreNormal);
    EXPECT_TRUE(WaitForFrameLook(*active, {restore}))
        << "the maximize button does not show the restore picture";

    Drag(kInCaptionArea, {40, 30});
    EXPECT_TRUE(BoundsStay(WorkArea())) << "a caption drag moved the maximized window";

    Click(ButtonPoint(FrameButton::Maximize));
    EXPECT_TRUE(WaitForBounds(before)) << "now at " << Describe(WindowRect(MainWindow()));
}

// ---- System menu -------------------------------------------------------------------------------------

// Items and the divider stacked inside the popup frame's top and bottom margins, all from the skin.
int ExpectedMenuHeight() {
    std::string error;
    const SkinPicture* frame = LoadSkinPicture(L"pw.bmp", &error);
    const std::optional<RECT> items = SkinIniRect("POPUPWINDOW", "itemsrect");
    const std::optional<RECT> item = SkinIniRect("menuitem", "skinrect");
    const std::optional<RECT> divider = SkinIniRect("menuitem", "dividerrect");
    if (!frame || !items || !item || !divider) return -1;
    return items->top + (frame->Height() - items->bottom) + 3 * Height(*item) + Height(*divider);
}

LONG DistanceToRect(POINT point, const RECT& rect) {
    const LONG dx = std::max({rect.left - point.x, 0L, point.x - (rect.right - 1)});
    const LONG dy = std::max({rect.top - point.y, 0L, point.y - (rect.bottom - 1)});
    return std::max(dx, dy);
}

TEST_F(FrameTest, RightClickInTheCaptionAreaOpensTheSystemMenuNearThePointer) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    HWND popup = OpenSystemMenu();
    ASSERT_NE(popup, nullptr) << "no TbsSkinPopupMenu showed";
    const RECT rect = WindowRect(popup);
    EXPECT_LE(DistanceToRect(AtWindow(kInCaptionArea), rect), 24) << "menu at " << Describe(rect);
    const int expectedHeight = ExpectedMenuHeight();
    ASSERT_GT(expectedHeight, 0) << "cannot read the popup sizes from the skin in " << SkinFolder().string();
    EXPECT_EQ(Height(rect), expectedHeight) << "three items of 20 and a divider of 7 within the popup frame";
    const LONG exStyle = GetWindowLongW(popup, GWL_EXSTYLE);
    EXPECT_NE(exStyle & WS_EX_TOOLWINDOW, 0) << "a menu takes no taskbar entry";
    EXPECT_NE(exStyle & WS_EX_TOPMOST, 0);
    EXPECT_EQ(OwnerOf(popup), MainWindow()) << "owner class " << ToUtf8(ClassName(OwnerOf(popup)));

    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return Popup() == nullptr; })) << "Escape did not close the menu";
    EXPECT_TRUE(IsShown(MainWindow()));
    EXPECT_TRUE(Launcher().IsRunning());
}

enum class MenuOutcome { Minimized, Maximized, Ended };

struct MenuChoiceCase {
    const char* name;
    std::vector<WORD> keys;
    MenuOutcome outcome;
};

void PrintTo(const MenuChoiceCase& testCase, std::ostream* out) { *out << testCase.name; }

class SystemMenuChoiceTest : public FrameTest, public testing::WithParamInterface<MenuChoiceCase> {};

TEST_P(SystemMenuChoiceTest, KeysChooseTheEntry) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    ASSERT_NE(OpenSystemMenu(), nullptr);
    for (WORD key : GetParam().keys) PressKey(key);
    switch (GetParam().outcome) {
    case MenuOutcome::Minimized: EXPECT_TRUE(WaitForMinimized()); break;
    case MenuOutcome::Maximized:
        EXPECT_TRUE(WaitForBounds(WorkArea())) << "now at " << Describe(WindowRect(MainWindow()));
        break;
    case MenuOutcome::Ended:
        ASSERT_TRUE(Launcher().WaitForExit()) << "the program is still running";
        EXPECT_EQ(Launcher().ExitCode(), 0u);
        return;
    }
    EXPECT_TRUE(WaitUntil([&] { return Popup() == nullptr; })) << "the menu stayed open";
}

INSTANTIATE_TEST_SUITE_P(Keys, SystemMenuChoiceTest,
                         testing::Values(MenuChoiceCase{"LetterN", {'N'}, MenuOutcome::Minimized},
                                         MenuChoiceCase{"LetterX", {'X'}, MenuOutcome::Maximized},
                                         MenuChoiceCase{"DownDownEnter", {VK_DOWN, VK_DOWN, VK_RETURN},
                                                        MenuOutcome::Maximized},
                                         MenuChoiceCase{"LetterC", {'C'}, MenuOutcome::Ended}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameTest, SystemMenuOfTheMaximizedWindowRestores) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    const RECT before = WindowRect(MainWindow());
    ASSERT_NE(OpenSystemMenu(), nullptr);
    PressKey('X');
    ASSERT_TRUE(WaitForBounds(WorkArea()));
    ASSERT_TRUE(WaitUntil([&] { return Popup() == nullptr; }));
    ASSERT_NE(OpenSystemMenu(), nullptr) << "no menu on the maximized window";
    PressKey('R');
    EXPECT_TRUE(WaitForBounds(before)) << "now at " << Describe(WindowRect(MainWindow()));
}

// Right clicks elsewhere on the frame open nothing; nor do they change anything else.
TEST_F(FrameTest, RightClicksOutsideTheCaptionAreaOpenNoMenu) {
    const struct {
        const char* name;
        POINT point;  // window coordinates
    } places[] = {
        {"system-menu button", {15, 15}}, {"left of the caption area", {25, 15}},
        {"above the caption area", {200, 3}}, {"below the caption area", {200, 26}},
        {"before the buttons", {472, 15}}, {"roll-up button", {483, 14}},
        {"minimize button", {506, 14}}, {"maximize button", {529, 14}},
        {"close button", {552, 14}}, {"left border", {2, 200}},
        {"right border", {564, 200}}, {"bottom border", {200, 452}},
    };
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    const RECT before = WindowRect(MainWindow());
    for (const auto& place : places) {
        SCOPED_TRACE(place.name);
        Click(AtWindow(place.point), MouseButton::Right);
        EXPECT_TRUE(StaysFalse([&] { return Popup() != nullptr; }, kShortAbsence)) << "a menu opened";
        if (Popup() != nullptr) PressKey(VK_ESCAPE);
    }
    EXPECT_EQ(Describe(WindowRect(MainWindow())), Describe(before));
    EXPECT_TRUE(IsShown(MainWindow()));
    EXPECT_TRUE(Launcher().IsRunning());
}

// ---- Keys the frame swallows -------------------------------------------------------------------------

struct MenuKeyCase {
    const char* name;
    std::vector<WORD> held;  // pressed before and released after the key
    WORD key;
};

void PrintTo(const MenuKeyCase& testCase, std::ostream* out) { *out << testCase.name; }

class MenuKeyTest : public FrameTest, public testing::WithParamInterface<MenuKeyCase> {};

// No menu opens, nothing is clicked, and the keyboard goes on working as before: had the platform entered
// its menu mode, the Tab after the key would not move the focus.
TEST_P(MenuKeyTest, OpensNothingAndLeavesTheKeyboardWorking) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    MouseMove(AtWindow(kInClientArea));
    const RECT bounds = WindowRect(MainWindow());
    ASSERT_TRUE(WaitUntilSettled(bounds));
    const ScreenShot before = ScreenShot::Capture(bounds);
    const int windowsBefore = VisibleTopLevelWindows();
    for (WORD held : GetParam().held) KeyDown(held);
    PressKey(GetParam().key);
    for (WORD held : GetParam().held) KeyUp(held);
    EXPECT_TRUE(StaysFalse([&] { return Popup() != nullptr || VisibleTopLevelWindows() != windowsBefore; },
                           kShortAbsence))
        << "a window opened";
    EXPECT_EQ(GetForegroundWindow(), MainWindow());
    EXPECT_TRUE(WaitUntilSettled(bounds));
    EXPECT_TRUE(ScreenShot::Capture(WindowRect(MainWindow())) == before) << "the window looks different";
    EXPECT_EQ(InstallerStarts(), 0) << "the key clicked the focused button";
    PressKey(VK_TAB);
    EXPECT_TRUE(WaitForFocus(1)) << "Tab no longer moves the focus: focused " << FocusedButton();
}

INSTANTIATE_TEST_SUITE_P(Keys, MenuKeyTest,
                         testing::Values(MenuKeyCase{"Alt", {}, VK_MENU}, MenuKeyCase{"F10", {}, VK_F10},
                                         MenuKeyCase{"AltSpace", {VK_MENU}, VK_SPACE}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Looks -------------------------------------------------------------------------------------------

// The frame picture's parts that are copied unchanged to the window's corners, in window coordinates.
std::vector<PicturePiece> FrameCorners(SIZE window) {
    return {
        {"top-left, left of the caption text", {0, 0, 27, 29}, {0, 0}},
        {"top-right with the caption buttons", {53, 0, 152, 29}, {window.cx - 99, 0}},
        {"left border's lower end", {0, 118, 5, 120}, {0, window.cy - 7}},
        {"bottom-left corner", {0, 120, 6, 125}, {0, window.cy - 5}},
        {"right border's lower end", {147, 119, 152, 120}, {window.cx - 5, window.cy - 6}},
        {"bottom-right corner", {146, 120, 152, 125}, {window.cx - 6, window.cy - 5}},
    };
}

enum class FrameState { Active, Inactive, CloseHovered, ClosePressed };

struct FrameLookCase {
    const char* name;
    FrameState state;
};

void PrintTo(const FrameLookCase& testCase, std::ostream* out) { *out << testCase.name; }

class FrameLookTest : public FrameTest, public testing::WithParamInterface<FrameLookCase> {};

TEST_P(FrameLookTest, ShowsTheSkinPictures) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    const SkinPicture* mask = Picture(L"mask.bmp");
    const SkinPicture* active = Picture(L"active.BMP");
    ASSERT_TRUE(mask && active);
    MouseMove(AtWindow(kInClientArea));
    switch (GetParam().state) {
    case FrameState::Active: {
        const SkinPicture* frame = Picture(L"main.bmp");
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(WaitForFrameLook(*frame, FrameCorners(kWindowSize), mask));
        break;
    }
    case FrameState::Inactive: {
        const SkinPicture* frame = Picture(L"inactivemain.bmp");
        ASSERT_NE(frame, nullptr);
        BackdropWindow other({0, 0, 100, 100});
        ASSERT_TRUE(BringToForeground(other.Handle()));
        EXPECT_TRUE(WaitForFrameLook(*frame, FrameCorners(kWindowSize), mask));
        break;
    }
    case FrameState::CloseHovered:
        MouseMove(ButtonPoint(FrameButton::Close));
        EXPECT_TRUE(WaitForFrameLook(*active, {ButtonPiece("close button", FrameButton::Close, skin::kCloseHot)}));
        break;
    case FrameState::ClosePressed:
        MouseMove(ButtonPoint(FrameButton::Close));
        MouseDown(MouseButton::Left);
        EXPECT_TRUE(WaitForFrameLook(*active, {ButtonPiece("close button", FrameButton::Close, skin::kClosePressed)}));
        MouseMove(AtWindow(kInClientArea));  // off the button: the release closes nothing
        MouseUp(MouseButton::Left);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(States, FrameLookTest,
                         testing::Values(FrameLookCase{"Active", FrameState::Active},
                                         FrameLookCase{"Inactive", FrameState::Inactive},
                                         FrameLookCase{"CloseHovered", FrameState::CloseHovered},
                                         FrameLookCase{"ClosePressed", FrameState::ClosePressed}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
