// End-to-end tests of what the buttons do: start the database installer, end the program, or nothing.
// The installer in the test's program folder records each start (its command line and current directory).
#include "LauncherTest.h"

namespace e2e {
namespace {

struct InstallerStart {
    std::wstring commandLine;
    std::wstring currentDirectory;
};

std::vector<InstallerStart> ReadStarts(const fs::path& record) {
    std::vector<InstallerStart> starts;
    for (const std::wstring& line : ReadLines(record.native())) {
        const size_t tab = line.rfind(L'\t');
        if (tab == std::wstring::npos) starts.push_back({line, {}});
        else starts.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
    return starts;
}

// The command line a start without arguments gives: the path alone, quoted or not, maybe followed by
// the blank a shell leaves where arguments would go.
std::wstring PathOfArgumentlessCommandLine(std::wstring commandLine) {
    while (!commandLine.empty() && commandLine.back() == L' ') commandLine.pop_back();
    if (commandLine.size() >= 2 && commandLine.front() == L'"' && commandLine.back() == L'"')
        return commandLine.substr(1, commandLine.size() - 2);
    return commandLine;
}

struct FolderCase {
    const char* name;
    std::wstring_view programFolder;
};

void PrintTo(const FolderCase& testCase, std::ostream* out) { *out << testCase.name; }

class InstallerTest : public LauncherTest96, public testing::WithParamInterface<FolderCase> {};

TEST_P(InstallerTest, EachPressStartsItWithoutArgumentsInTheLaunchersCurrentDirectory) {
    MakeProgramFolder(std::wstring(GetParam().programFolder));
    ASSERT_NO_FATAL_FAILURE(StartAndWaitShown());
    ASSERT_TRUE(WaitForFocus(kInstallButton));
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitForInstallerStarts(1)) << "Enter on the focused button started nothing";
    Click(ButtonCenter(kInstallButton));
    ASSERT_TRUE(WaitForInstallerStarts(2)) << "a second press started nothing";

    for (const InstallerStart& start : ReadStarts(RecordPath())) {
        SCOPED_TRACE("recorded command line: " + ToUtf8(start.commandLine));
        EXPECT_TRUE(SameWindowsPath(PathOfArgumentlessCommandLine(start.commandLine), InstallerPath().native()));
        EXPECT_TRUE(SameWindowsPath(start.currentDirectory, WorkingFolder().native()))
            << "current directory " << ToUtf8(start.currentDirectory);
    }
    EXPECT_TRUE(IsShown(MainWindow()));
}

INSTANTIATE_TEST_SUITE_P(Folders, InstallerTest,
                         testing::Values(FolderCase{"Plain", L"program"},
                                         FolderCase{"SpacesAndChinese", L"E2E 测试 目录\\程序"}),
                         [](const auto& info) { return std::string(info.param.name); });

class QuietButtonTest : public LauncherTest96 {};

TEST_F(QuietButtonTest, MissingInstallerGivesNoMessage) {
    RemoveInstaller();
    ASSERT_NO_FATAL_FAILURE(StartAndWaitShown());
    ASSERT_TRUE(WaitForFocus(kInstallButton));
    PressKey(VK_RETURN);
    EXPECT_TRUE(StaysFalse([&] { return MessageBoxNow() != nullptr; }, Milliseconds(1500)))
        << "message: " << ToUtf8(ReadMessageBox(MessageBoxNow()).text);
    EXPECT_TRUE(IsShown(MainWindow()));
    EXPECT_TRUE(Launcher().IsRunning());
}

TEST_F(QuietButtonTest, WebsiteButtonDoesNothing) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitShown());
    Click(ButtonCenter(3));
    ASSERT_TRUE(WaitForFocus(3)) << "the click did not reach the button";
    EXPECT_TRUE(StaysFalse([&] { return !Launcher().IsRunning() || MessageBoxNow() || InstallerStarts() > 0; }));
    EXPECT_TRUE(IsShown(MainWindow()));
}

struct CloseCase {
    const char* name;
    int button;
};

void PrintTo(const CloseCase& testCase, std::ostream* out) { *out << testCase.name; }

class CloseButtonTest : public LauncherTest96, public testing::WithParamInterface<CloseCase> {};

TEST_P(CloseButtonTest, EndsTheProgramWithExitCodeZero) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitShown());
    Click(ButtonCenter(GetParam().button));
    ASSERT_TRUE(Launcher().WaitForExit()) << "the program is still running";
    EXPECT_EQ(Launcher().ExitCode(), 0u);
    EXPECT_EQ(InstallerStarts(), 0);
}

INSTANTIATE_TEST_SUITE_P(Buttons, CloseButtonTest,
                         testing::Values(CloseCase{"Exit", kExitButton}, CloseCase{"ContactUs", 4}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
