// The application object's pure rules: title, program folder, error text, centring and the scaling rounding.
// Tables of cases; nothing here needs a host.
#include "core/Text.h"
#include "ui/Application.h"
#include "ui/Component.h"
#include "ui/Form.h"

#include <gtest/gtest.h>

namespace {

TEST(ApplicationTitle, IsTheFileNameCutBeforeItsFirstFullStopInLowerCaseAfterTheFirstCharacter)
{
    struct Case {
        const wchar_t* modulePath;
        const wchar_t* title;
    };
    const Case cases[] = {
        {L"C:\\Setup\\SETUP.EXE", L"Setup"},
        {L"C:\\a\\my.setup.v2.exe", L"my"}, // the first character keeps its case
        {L"c:\\setup.exe", L"setup"},
        {L"D:\\安装\\软件安装.exe", L"软件安装"},
        {L"D:\\光盘\\安装ABC.EXE", L"安装abc"},
        {L"C:\\Tools\\SETUP", L"Setup"},
        {L"C:\\x.y\\prog", L"prog"},
        {L"C:\\x.y\\PROG", L"Prog"},
        {L"C:SETUP.EXE", L"Setup"},
        {L"\\\\server\\share.d\\INSTALL.EXE", L"Install"},
        {L"C:\\Setup\\.exe", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ui::DeriveApplicationTitle(c.modulePath), c.title) << core::WideToUtf8(c.modulePath);
    }
}

TEST(ProgramFolder, EndsAtTheLastBackslashOrColon)
{
    struct Case {
        const wchar_t* modulePath;
        const wchar_t* folder;
    };
    const Case cases[] = {
        {L"C:\\Setup\\SETUP.EXE", L"C:\\Setup\\"},
        {L"C:\\x.y\\prog", L"C:\\x.y\\"},
        {L"C:Setup.exe", L"C:"},
        {L"Setup.exe", L""},
        {L"\\\\server\\share\\Setup.exe", L"\\\\server\\share\\"},
        {L"D:\\软件\\表\\安装.exe", L"D:\\软件\\表\\"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ui::ProgramFolderOf(c.modulePath), c.folder) << core::WideToUtf8(c.modulePath);
    }
}

TEST(ErrorMessage, GainsAFullStopOnlyWhenItsLastCharacterSortsAfterIt)
{
    struct Case {
        const char* name;
        const wchar_t* message;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {"empty stays empty", L"", L""},
        {"file name", L"Cannot open file C:\\Setup\\wall.jpg", L"Cannot open file C:\\Setup\\wall.jpg."},
        {"digit", L"JPEG error #52", L"JPEG error #52."},
        {"full stop stays single", L"Done.", L"Done."},
        {"closing parenthesis sorts before", L"Unknown picture file extension (.gif)",
         L"Unknown picture file extension (.gif)"},
        {"exclamation mark sorts before", L"Failed!", L"Failed!"},
        {"space sorts before", L"Failed ", L"Failed "},
        {"comma sorts before", L"a,", L"a,"},
        {"slash sorts after", L"C:/", L"C:/."},
        {"Chinese character", L"无法打开文件", L"无法打开文件."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ui::FormatErrorMessage(c.message), c.shown) << c.name;
    }
}

TEST(DesktopCentre, HalvesTruncateTowardZeroAndNeverGoNegative)
{
    struct Case {
        const char* name;
        gfx::Size screen;
        gfx::Size window;
        gfx::Point at;
    };
    const Case cases[] = {
        {"main window", {1024, 768}, {567, 455}, {228, 156}},
        {"dialog", {1024, 768}, {336, 78}, {344, 345}},
        {"odd differences", {801, 601}, {100, 100}, {350, 250}},
        {"same size", {640, 480}, {640, 480}, {0, 0}},
        {"one pixel too wide", {640, 480}, {641, 100}, {0, 190}},
        {"larger than the screen", {800, 600}, {1000, 700}, {0, 0}},
        {"two monitors side by side", {2048, 768}, {567, 455}, {740, 156}},
    };
    for (const Case& c : cases) {
        const gfx::Point at = ui::CenterOnDesktop(c.screen, c.window);
        EXPECT_EQ(at.x, c.at.x) << c.name;
        EXPECT_EQ(at.y, c.at.y) << c.name;
    }
}

TEST(ScaleValue, RoundsToTheNearestWithHalvesAwayFromZero)
{
    struct Case {
        int value;
        int numerator;
        int denominator;
        int scaled;
    };
    const Case cases[] = {
        {12, 18, 12, 18},   {26, 18, 12, 39},  {185, 18, 12, 278}, {557, 18, 12, 836}, {421, 18, 12, 632},
        {-12, 144, 96, -18}, {-12, 120, 96, -15}, {1, 3, 2, 2},  {-1, 3, 2, -2},     {5, 13, 12, 5},
        {0, 18, 12, 0},     {100, 1, 3, 33},   {2, 1, 3, 1},       {24, 96, 96, 24},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ui::ScaleValue(c.value, c.numerator, c.denominator), c.scaled)
            << c.value << " * " << c.numerator << " / " << c.denominator;
    }
}

} // namespace
