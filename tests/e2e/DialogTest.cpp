// End-to-end tests of the installation-location dialog: how the two install buttons open it, what it holds
// and how it ends, that every opening is a fresh dialog, and that opening it again and again leaks nothing.
#include "LauncherTest.h"
#include "SkinReference.h"

#include <sstream>

namespace e2e {
namespace {

constexpr SIZE kDialogSize{336, 78};
constexpr std::wstring_view kInstallCaption = L"安装";
constexpr std::wstring_view kCancelCaption = L"取消";
constexpr Color kOtherWallColor{40, 90, 220};

// What the program reports about itself through its diagnostics message.
struct Health {
    LRESULT windows = -1;
    LRESULT gdiObjects = -1;
    LRESULT privateKiB = -1;
};

LRESULT AskDiagnostics(HWND applicationWindow, WPARAM what) {
    static const UINT message = RegisterWindowMessageW(L"SetupLauncher.Diagnostics");
    DWORD_PTR result = static_cast<DWORD_PTR>(-1);
    SendMessageTimeoutW(applicationWindow, message, what, 0, SMTO_ABORTIFHUNG, 5000, &result);
    return static_cast<LRESULT>(result);
}

Health ReadHealth(HWND applicationWindow) {
    return {AskDiagnostics(applicationWindow, 0), AskDiagnostics(applicationWindow, 1),
            AskDiagnostics(applicationWindow, 2)};
}

std::string Describe(const RECT& rect) {
    std::ostringstream text;
    text << '(' << rect.left << ", " << rect.top << ") - (" << rect.right << ", " << rect.bottom << ')';
    return text.str();
}

class DialogTest : public LauncherTest96 {
protected:
    // Shown, in the foreground, and done with its start-up: the focus has reached the first button.
    void StartAndWaitReady() {
        ASSERT_NO_FATAL_FAILURE(StartAndWaitShown());
        ASSERT_TRUE(WaitForFocus(kInstallButton)) << "focused button at start: " << FocusedButton();
    }

    HWND Dialog() { return FindTopLevel(Launcher().Id(), L"TForm2"); }

    HWND WaitForDialog() {
        HWND dialog = nullptr;
        WaitUntil([&] { return IsShown(dialog = Dialog()); });
        return IsShown(dialog) ? dialog : nullptr;
    }

    static HWND Edit(HWND dialog) {
        const std::vector<HWND> edits = ChildrenOfClass(dialog, L"Edit");
        return edits.size() == 1 ? edits.front() : nullptr;
    }

    static HWND DialogButton(HWND dialog, std::wstring_view caption) {
        return FindChild(dialog, L"TbsSkinButton", caption);
    }

    // Presses an install button of the main window with the mouse and waits for the dialog.
    HWND OpenWith(int button) {
        Click(ButtonCenter(button));
        return WaitForDialog();
    }

    void ClickDialogButton(HWND dialog, std::wstring_view caption) {
        Click(CenterOf(WindowRect(DialogButton(dialog, caption))));
    }

    bool WaitForMainBack(HWND dialog) {
        return WaitUntil([&] { return !IsWindow(dialog) && IsShown(MainWindow()); });
    }

    bool DialogStaysUp(HWND dialog) {
        return StaysFalse([&] { return !IsShown(dialog) || IsShown(MainWindow()); });
    }

    static POINT CentredOrigin(SIZE size) {
        return {std::max(0L, (GetSystemMetrics(SM_CXVIRTUALSCREEN) - size.cx) / 2),
                std::max(0L, (GetSystemMetrics(SM_CYVIRTUALSCREEN) - size.cy) / 2)};
    }

    static void ExpectCentred(HWND dialog) {
        const RECT outer = WindowRect(dialog);
        const POINT origin = CentredOrigin(kDialogSize);
        EXPECT_EQ(outer.left, origin.x) << Describe(outer);
        EXPECT_EQ(outer.top, origin.y) << Describe(outer);
    }

    // Compares where the gauge's fill ends with where half its progress area ends.
    static testing::AssertionResult GaugeStandsAtHalf(HWND dialog) {
        std::string error;
        const SkinPicture* controls = LoadSkinPicture(L"controls.bmp", &error);
        if (controls == nullptr) return testing::AssertionFailure() << error;
        const std::vector<HWND> gauges = ChildrenOfClass(dialog, L"TbsSkinGauge");
        if (gauges.size() != 1) return testing::AssertionFailure() << gauges.size() << " gauges";
        const RECT rect = WindowRect(gauges.front());
        WaitUntilSettled(rect);
        const RECT& area = skin::kStatusGaugeProgressArea;
        const int areaRight = Width(rect) - (Width(skin::kStatusGauge.skinRect) - area.right);
        const int halfEnd = area.left + (areaRight - area.left) / 2;
        const int fillEnd = GaugeFillEnd(ScreenShot::Capture(rect), *controls);
        // Half the area, give or take one block of the progress picture with the gap after it.
        if (fillEnd >= halfEnd - 8 && fillEnd <= halfEnd + 2) return testing::AssertionSuccess();
        return testing::AssertionFailure() << "filled up to x " << fillEnd << ", half the area ends at x " << halfEnd;
    }

    bool WaitForFocusInEdit(HWND dialog) {
        return WaitUntil([&] { return Edit(dialog) != nullptr && FocusedWindow(dialog) == Edit(dialog); });
    }
};

struct OpenerCase {
    const char* name;
    int button;
};

void PrintTo(const OpenerCase& testCase, std::ostream* out) { *out << testCase.name; }

class DialogOpeningTest : public DialogTest, public testing::WithParamInterface<OpenerCase> {};

// The dialog's children in its client area: the panel's children lie at their panel positions, since
// the panel sits at the dialog's top-left corner.
struct ChildCase {
    const char* name;
    std::wstring_view className;
    std::wstring_view caption;  // empty: the only child of its class
    RECT rect;
};

constexpr ChildCase kDialogChildren[] = {
    {"gauge", L"TbsSkinGauge", L"", {0, 58, 336, 78}},
    {"panel", L"TbsSkinPanel", L"", {0, 0, 336, 58}},
    {"field", L"Edit", L"", {5, 24, 163, 44}},
    {"install button", L"TbsSkinButton", kInstallCaption, {170, 23, 245, 44}},
    {"cancel button", L"TbsSkinButton", kCancelCaption, {250, 23, 325, 44}},
};

HWND FindDialogChild(HWND dialog, const ChildCase& child) {
    if (!child.caption.empty()) return FindChild(dialog, child.className, child.caption);
    const std::vector<HWND> found = ChildrenOfClass(dialog, child.className);
    return found.size() == 1 ? found.front() : nullptr;
}

TEST_P(DialogOpeningTest, OpensBorderlessCentredAndOwnedWithFocusInTheField) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    HWND dialog = OpenWith(GetParam().button);
    ASSERT_NE(dialog, nullptr) << "no TForm2 showed";
    EXPECT_FALSE(IsShown(MainWindow())) << "the main window stays visible under the dialog";
    // Like every window of the program and its message boxes, the dialog is owned by the application window.
    EXPECT_EQ(OwnerOf(dialog), ApplicationWindow()) << "owner class " << ToUtf8(ClassName(OwnerOf(dialog)));

    const LONG style = GetWindowLongW(dialog, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, 0) << "style " << std::hex << style;
    EXPECT_EQ(style & WS_THICKFRAME, 0) << "style " << std::hex << style;
    const RECT outer = WindowRect(dialog);
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(Width(outer), kDialogSize.cx);
    EXPECT_EQ(Height(outer), kDialogSize.cy);
    EXPECT_EQ(Width(client), kDialogSize.cx) << "the dialog has a frame";
    EXPECT_EQ(Height(client), kDialogSize.cy) << "the dialog has a frame";
    ExpectCentred(dialog);
    EXPECT_TRUE(WaitForFocusInEdit(dialog)) << "focus on " << ToUtf8(ClassName(FocusedWindow(dialog)));

    for (const ChildCase& child : kDialogChildren) {
        SCOPED_TRACE(child.name);
        HWND window = FindDialogChild(dialog, child);
        ASSERT_NE(window, nullptr) << "no " << ToUtf8(child.className);
        EXPECT_EQ(Describe(RectInClient(dialog, window)), Describe(child.rect));
        EXPECT_TRUE(IsShown(window));
    }
}

// Only 取消 ends the dialog: the field takes text, Escape and Enter typed in it and the inert 安装 change
// nothing. Afterwards the main window is back with the focus on the button that opened the dialog.
TEST_P(DialogOpeningTest, OnlyCancelEndsItAndTheFocusReturnsToTheOpener) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    HWND dialog = OpenWith(GetParam().button);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitForFocusInEdit(dialog));
    HWND edit = Edit(dialog);

    const std::wstring typed = L"D:\\物流 软件\\v2";
    TypeText(typed);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(edit) == typed; })) << "field: " << ToUtf8(WindowText(edit));

    const struct {
        const char* name;
        WORD key;
    } keys[] = {{"Escape", VK_ESCAPE}, {"Enter", VK_RETURN}};
    for (const auto& key : keys) {
        SCOPED_TRACE(key.name);
        PressKey(key.key);
        EXPECT_TRUE(DialogStaysUp(dialog));
        EXPECT_EQ(WindowText(edit), typed);
    }

    ClickDialogButton(dialog, kInstallCaption);
    EXPECT_TRUE(WaitUntil([&] { return FocusedWindow(dialog) == DialogButton(dialog, kInstallCaption); }))
        << "the click did not reach 安装";
    EXPECT_TRUE(DialogStaysUp(dialog)) << "安装 changed something";
    EXPECT_EQ(MessageBoxNow(), nullptr);

    ClickDialogButton(dialog, kCancelCaption);
    ASSERT_TRUE(WaitForMainBack(dialog)) << "取消 did not end the dialog";
    EXPECT_EQ(Dialog(), nullptr) << "a TForm2 is left after 取消";
    EXPECT_TRUE(WaitForFocus(GetParam().button)) << "focused button: " << FocusedButton();
    EXPECT_TRUE(Launcher().IsRunning());
}

INSTANTIATE_TEST_SUITE_P(Openers, DialogOpeningTest,
                         testing::Values(OpenerCase{"DatabaseComponents", 1}, OpenerCase{"Zovudeve", 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogTest, EachOpeningShowsANewDialogAsItWasFirstShown) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    HWND first = OpenWith(1);
    ASSERT_NE(first, nullptr) << "no dialog; focused button " << FocusedButton();
    ASSERT_TRUE(WaitForFocusInEdit(first));
    TypeText(L"C:\\old");
    ASSERT_TRUE(WaitUntil([&] { return WindowText(Edit(first)) == L"C:\\old"; }));
    ClickDialogButton(first, kCancelCaption);
    ASSERT_TRUE(WaitForMainBack(first));

    HWND second = OpenWith(2);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first) << "the dialog was not made anew";
    EXPECT_FALSE(IsWindow(first)) << "the first dialog still exists";
    ASSERT_TRUE(WaitForFocusInEdit(second));
    EXPECT_EQ(WindowText(Edit(second)), L"") << "the field kept the old text";
    ExpectCentred(second);

    EXPECT_TRUE(GaugeStandsAtHalf(second));
}

// A round trip through the dialog by keyboard: Enter on the focused install button opens it, Tab, Tab and
// Enter press 取消, and the focus comes back to the install button.
TEST_F(DialogTest, ManyOpeningsLeaveWindowsGdiObjectsAndMemoryWhereTheyWere) {
    constexpr int kRounds = 300;
    constexpr int kInstallZovudeve = 2;
    constexpr LRESULT kMemoryAllowanceKiB = 2048;
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    Click(ButtonCenter(kInstallZovudeve));
    Health afterFirst;
    for (int round = 0; round < kRounds; ++round) {
        if (round > 0) PressKey(VK_RETURN);
        HWND dialog = WaitForDialog();
        ASSERT_NE(dialog, nullptr) << "round " << round << ": no dialog";
        ASSERT_TRUE(WaitForFocusInEdit(dialog)) << "round " << round;
        PressKey(VK_TAB);
        PressKey(VK_TAB);
        PressKey(VK_RETURN);
        ASSERT_TRUE(WaitForMainBack(dialog)) << "round " << round << ": the dialog did not end";
        ASSERT_TRUE(WaitForFocus(kInstallZovudeve)) << "round " << round;
        if (round == 0) afterFirst = ReadHealth(ApplicationWindow());
    }
    const Health afterAll = ReadHealth(ApplicationWindow());
    ASSERT_GT(afterFirst.windows, 0) << "the program does not answer the diagnostics message";
    EXPECT_EQ(afterAll.windows, afterFirst.windows) << "live windows";
    EXPECT_EQ(afterAll.gdiObjects, afterFirst.gdiObjects) << "GDI objects";
    EXPECT_LE(afterAll.privateKiB, afterFirst.privateKiB + kMemoryAllowanceKiB)
        << "private memory grew from " << afterFirst.privateKiB << " KiB";
}

// The main window reads wall.jpg again each time it comes back from the dialog.
TEST_F(DialogTest, ReturningShowsAPictureReplacedMeanwhile) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    ASSERT_TRUE(WaitForWallColor());
    HWND dialog = OpenWith(1);
    ASSERT_NE(dialog, nullptr);
    WriteWall(SolidJpeg(64, 48, kOtherWallColor));
    ClickDialogButton(dialog, kCancelCaption);
    ASSERT_TRUE(WaitForMainBack(dialog));
    EXPECT_TRUE(WaitForWallColor(kOtherWallColor)) << "the old picture still shows";
    EXPECT_EQ(MessageBoxNow(), nullptr);
}

TEST_F(DialogTest, ReturningReportsAPictureDeletedMeanwhileAndKeepsTheOldOne) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    ASSERT_TRUE(WaitForWallColor());
    HWND dialog = OpenWith(1);
    ASSERT_NE(dialog, nullptr);
    RemoveWall();
    ClickDialogButton(dialog, kCancelCaption);

    HWND box = WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no error box on return";
    EXPECT_EQ(ReadMessageBox(box).text, L"Cannot open file " + (ProgramFolder() / L"wall.jpg").native() + L".");
    EXPECT_FALSE(IsShown(MainWindow())) << "the box came after the window";
    ASSERT_TRUE(PressOk(box));
    ASSERT_TRUE(WaitForMainBack(dialog));
    EXPECT_TRUE(WaitForWallColor()) << "the old picture is gone";
    EXPECT_TRUE(StaysFalse([&] { return MessageBoxNow() != nullptr; })) << "the error came up again";
}

// Ending the program from outside while the dialog is up: the nested loop must end and let the program go.
struct CloseRequestCase {
    const char* name;
    UINT message;
    WPARAM wParam;
};

void PrintTo(const CloseRequestCase& testCase, std::ostream* out) { *out << testCase.name; }

class DialogCloseRequestTest : public DialogTest, public testing::WithParamInterface<CloseRequestCase> {};

TEST_P(DialogCloseRequestTest, EndsTheProgramWithExitCodeZero) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitReady());
    ASSERT_NE(OpenWith(2), nullptr);
    PostMessageW(ApplicationWindow(), GetParam().message, GetParam().wParam, 0);
    ASSERT_TRUE(Launcher().WaitForExit()) << "the program is still running";
    EXPECT_EQ(Launcher().ExitCode(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Requests, DialogCloseRequestTest,
                         testing::Values(CloseRequestCase{"Close", WM_CLOSE, 0},
                                         CloseRequestCase{"EndSession", WM_ENDSESSION, TRUE}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
