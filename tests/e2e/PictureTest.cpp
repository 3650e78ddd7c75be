// End-to-end tests of the background picture wall.jpg: the error box for each kind of bad file, and the
// picture staying as loaded while the file changes under the running program.
#include "LauncherTest.h"

namespace e2e {
namespace {

enum class Wall { Missing, Bitmap, Empty, DamagedAfterHeader, Bomb };
// When the box comes up: load errors before the window shows, decoding errors at its first drawing.
enum class BoxTiming { BeforeWindow, AfterWindow, Either };
enum class Match { Exact, Prefix };

struct PictureFault {
    const char* name;
    Wall wall;
    std::wstring_view exeName;
    std::wstring_view title;
    BoxTiming timing;
};

void PrintTo(const PictureFault& testCase, std::ostream* out) { *out << testCase.name; }

std::wstring JpegError(int code) { return L"JPEG error #" + std::to_wstring(code) + L"."; }

class PictureFaultTest : public LauncherTest96, public testing::WithParamInterface<PictureFault> {
protected:
    void PlaceWall(Wall wall) {
        switch (wall) {
        case Wall::Missing: RemoveWall(); break;
        case Wall::Bitmap: WriteWall(TinyBitmap()); break;
        case Wall::Empty: WriteWall({}); break;
        case Wall::DamagedAfterHeader: WriteWall(JpegDamagedAfterHeader()); break;
        case Wall::Bomb: WriteWall(JpegBomb()); break;
        }
    }

    std::pair<std::wstring, Match> ExpectedMessage(Wall wall) const {
        switch (wall) {
        case Wall::Missing: return {L"Cannot open file " + (ProgramFolder() / L"wall.jpg").native() + L".", Match::Exact};
        case Wall::Bitmap: return {JpegError(JpegCodeNotJpeg()), Match::Exact};
        case Wall::Empty: return {JpegError(JpegCodeEmptyInput()), Match::Exact};
        case Wall::DamagedAfterHeader: return {JpegError(JpegCodeBadProgression()), Match::Exact};
        case Wall::Bomb: return {L"JPEG picture is too large", Match::Prefix};
        }
        return {};
    }
};

TEST_P(PictureFaultTest, ShowsOneErrorBoxAndGoesOn) {
    const PictureFault& fault = GetParam();
    MakeProgramFolder(L"program", std::wstring(fault.exeName));
    PlaceWall(fault.wall);
    ASSERT_NO_FATAL_FAILURE(Start());

    HWND box = WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no error box";
    const MessageBoxInfo info = ReadMessageBox(box);
    const auto [message, match] = ExpectedMessage(fault.wall);
    if (match == Match::Exact) {
        EXPECT_EQ(info.text, message);
    } else {
        EXPECT_EQ(info.text.substr(0, message.size()), message) << "whole text: " << ToUtf8(info.text);
    }
    EXPECT_EQ(info.caption, fault.title);
    EXPECT_EQ(info.owner, ApplicationWindow()) << "the application window owns the box";
    if (fault.timing == BoxTiming::BeforeWindow) {
        EXPECT_FALSE(IsShown(MainWindow())) << "the box came after the window";
    } else if (fault.timing == BoxTiming::AfterWindow) {
        EXPECT_TRUE(IsShown(MainWindow())) << "the box came before the window";
    }

    ASSERT_TRUE(PressOk(box));
    ASSERT_TRUE(WaitUntil([&] { return IsShown(MainWindow()); })) << "no main window after the box";
    ForceRepaint(MainWindow());
    EXPECT_TRUE(StaysFalse([&] { return MessageBoxNow() != nullptr; })) << "the error came up again";

    // The window works on: the keyboard still moves the focus.
    ASSERT_TRUE(BringToForeground(MainWindow()));
    ASSERT_TRUE(WaitForFocus(kInstallButton));
    PressKey(VK_TAB);
    EXPECT_TRUE(WaitForFocus(1));
}

INSTANTIATE_TEST_SUITE_P(
    Walls, PictureFaultTest,
    testing::Values(PictureFault{"Missing", Wall::Missing, L"Setup.exe", L"Setup", BoxTiming::BeforeWindow},
                    PictureFault{"MissingUnderChineseName", Wall::Missing, L"安装程序.exe", L"安装程序",
                                 BoxTiming::BeforeWindow},
                    PictureFault{"Bitmap", Wall::Bitmap, L"Setup.exe", L"Setup", BoxTiming::BeforeWindow},
                    PictureFault{"Empty", Wall::Empty, L"Setup.exe", L"Setup", BoxTiming::AfterWindow},
                    PictureFault{"DamagedAfterHeader", Wall::DamagedAfterHeader, L"Setup.exe", L"Setup",
                                 BoxTiming::AfterWindow},
                    PictureFault{"Bomb", Wall::Bomb, L"my.setup.v2.exe", L"my", BoxTiming::Either}),
    [](const auto& info) { return std::string(info.param.name); });

class PictureReloadTest : public LauncherTest96 {};

// The picture is read when the window is shown, not when it is painted.
TEST_F(PictureReloadTest, ReplacingTheFileWhileShownChangesNothing) {
    ASSERT_NO_FATAL_FAILURE(StartAndWaitShown());
    ASSERT_TRUE(WaitForWallColor()) << "the first picture never showed";
    WriteWall(SolidJpeg(64, 48, {40, 90, 220}));
    ForceRepaint(MainWindow());
    ASSERT_TRUE(WaitUntilSettled(ClientRectOnScreen(MainWindow())));
    const Rgb now = ClientPixel(60, 60);
    EXPECT_TRUE(ShowsWallColor()) << "the background changed to " << now.red << "," << now.green << "," << now.blue;
    EXPECT_EQ(MessageBoxNow(), nullptr);
}

}  // namespace
}  // namespace e2e
