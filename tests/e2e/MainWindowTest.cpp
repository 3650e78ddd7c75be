// End-to-end tests of the launcher's start-up: the main window's place, size and buttons, the application
// title, where it finds its picture from, and the start-up show command.
#include "LauncherTest.h"

#include <sstream>

namespace e2e {
namespace {

constexpr int kClientWidth = 557;
constexpr int kClientHeight = 421;

RECT ButtonRect(int index) {
    const int top = 24 + 48 * index;
    return {346, top, 346 + 185, top + 26};
}

std::string Describe(const RECT& rect) {
    std::ostringstream text;
    text << '(' << rect.left << ", " << rect.top << ") - (" << rect.right << ", " << rect.bottom << ')';
    return text.str();
}

StartOptions WithShowCommand(WORD showCommand) {
    StartOptions options;
    options.showCommand = showCommand;
    return options;
}

class MainWindowTest : public LauncherTest96 {};

TEST_F(MainWindowTest, ShowsCaptionSizeCentredPositionAndFocusOnFirstButton) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitShown());
    HWND main = MainWindow();
    EXPECT_EQ(WindowText(main), kMainCaption);
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(Width(client), kClientWidth);
    EXPECT_EQ(Height(client), kClientHeight);

    const RECT outer = WindowRect(main);
    const int expectedLeft = std::max(0, (GetSystemMetrics(SM_CXVIRTUALSCREEN) - Width(outer)) / 2);
    const int expectedTop = std::max(0, (GetSystemMetrics(SM_CYVIRTUALSCREEN) - Height(outer)) / 2);
    EXPECT_EQ(outer.left, expectedLeft) << "window " << Describe(outer);
    EXPECT_EQ(outer.top, expectedTop) << "window " << Describe(outer);

    EXPECT_TRUE(WaitForFocus(kInstallButton)) << "focused button: " << FocusedButton();
    EXPECT_EQ(OwnerOf(main), ApplicationWindow()) << "the application window owns the main window";
}

TEST_F(MainWindowTest, HasSixButtonsInAColumnOnTheRight) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitShown());
    HWND main = MainWindow();
    EXPECT_EQ(ChildrenOfClass(main, L"TbsSkinButton").size(), std::size(kButtonCaptions));
    for (int i = 0; i < static_cast<int>(std::size(kButtonCaptions)); ++i) {
        SCOPED_TRACE("button " + ToUtf8(kButtonCaptions[i]));
        HWND button = Button(i);
        ASSERT_NE(button, nullptr) << "no TbsSkinButton with this text";
        EXPECT_EQ(Describe(RectInClient(main, button)), Describe(ButtonRect(i)));
        EXPECT_TRUE(IsShown(button));
        EXPECT_TRUE(IsWindowEnabled(button));
    }
}

// The application title is the executable's name up to its first full stop, its first character kept as
// it is and the rest in lower case. It titles the application window and every error box.
struct TitleCase {
    const char* name;
    std::wstring_view exeName;
    std::wstring_view title;
};

void PrintTo(const TitleCase& testCase, std::ostream* out) { *out << testCase.name; }

class ApplicationTitleTest : public LauncherTest96, public testing::WithParamInterface<TitleCase> {};

TEST_P(ApplicationTitleTest, FollowsTheExecutableName) {
    MakeProgramFolder(L"program", std::wstring(GetParam().exeName));
    ASSERT_NO_FATAL_FAILURE(StartAndWaitShown());
    EXPECT_EQ(WindowText(ApplicationWindow()), GetParam().title);
    EXPECT_EQ(WindowText(MainWindow()), kMainCaption) << "the caption does not follow the title";
}

INSTANTIATE_TEST_SUITE_P(Names, ApplicationTitleTest,
                         testing::Values(TitleCase{"Shipped", L"Setup.exe", L"Setup"},
                                         TitleCase{"UpperCase", L"SETUP.EXE", L"Setup"},
                                         TitleCase{"SeveralFullStops", L"my.setup.v2.exe", L"my"},
                                         TitleCase{"Chinese", L"安装程序.exe", L"安装程序"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The program folder comes from the executable's own path, never from the current directory.
struct LocationCase {
    const char* name;
    std::wstring_view programFolder;  // below the test folder
};

void PrintTo(const LocationCase& testCase, std::ostream* out) { *out << testCase.name; }

class ProgramLocationTest : public LauncherTest96, public testing::WithParamInterface<LocationCase> {};

TEST_P(ProgramLocationTest, FindsItsPictureBesideTheExecutable) {
    MakeProgramFolder(std::wstring(GetParam().programFolder));
    ASSERT_NO_FATAL_FAILURE(StartAndWaitShown());
    EXPECT_EQ(MessageBoxNow(), nullptr) << ToUtf8(ReadMessageBox(MessageBoxNow()).text);
    EXPECT_TRUE(WaitForWallColor()) << "the picture does not show in the client area";
}

INSTANTIATE_TEST_SUITE_P(Folders, ProgramLocationTest,
                         testing::Values(LocationCase{"Plain", L"program"},
                                         LocationCase{"SpacesAndChinese", L"E2E 测试 目录\\程序"}),
                         [](const auto& info) { return std::string(info.param.name); });

class ShowCommandTest : public LauncherTest96 {};

TEST_F(ShowCommandTest, MinimizedStartShowsNothingUntilRestored) {
    ASSERT_NO_FATAL_FAILURE(Start(WithShowCommand(SW_SHOWMINNOACTIVE)));
    ASSERT_TRUE(WaitUntil([&] { return ApplicationWindow() && IsMinimized(ApplicationWindow()); }))
        << "the application never minimised";
    EXPECT_FALSE(IsShown(MainWindow()));
    EXPECT_EQ(MessageBoxNow(), nullptr);

    PostMessageW(ApplicationWindow(), WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsShown(MainWindow()); })) << "restoring did not show the main window";
    EXPECT_FALSE(IsMinimized(MainWindow()));
    EXPECT_FALSE(IsMaximized(MainWindow()));
    EXPECT_TRUE(WaitForWallColor()) << "restoring did not load the picture";
}

TEST_F(ShowCommandTest, MaximizedStartShowsTheMainWindow) {
    ASSERT_NO_FATAL_FAILURE(Start(WithShowCommand(SW_SHOWMAXIMIZED)));
    EXPECT_TRUE(WaitUntil([&] { return IsShown(MainWindow()) && !IsMinimized(MainWindow()); }));
}

}  // namespace
}  // namespace e2e
