// The main window as the program builds it from its embedded description, on the headless host: layout,
// first showing, focus, the background picture at every showing, the buttons' actions, scaling, and the end.
#include "AppTestProgram.h"

#include "app/Project1.h"
#include "core/Text.h"
#include "gfx/Bmp.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using apptest::kFolder;
using apptest::kWall;
using apptest::TestProgram;
using ButtonField = ui::TbsSkinButton* app::TForm1::*;

struct ButtonRow {
    const char* name;
    ButtonField field;
    const wchar_t* caption;
    int top;
    int tabOrder;
};

const ButtonRow kButtons[] = {
    {"bsSkinButton1", &app::TForm1::bsSkinButton1, L"安装数据库", 24, 0},
    {"bsSkinButton2", &app::TForm1::bsSkinButton2, L"安装数据库组件(windows98/95)", 72, 1},
    {"bsSkinButton5", &app::TForm1::bsSkinButton5, L"安装zovudeve", 120, 2},
    {"bsSkinButton6", &app::TForm1::bsSkinButton6, L"我们的网站", 168, 3},
    {"bsSkinButton7", &app::TForm1::bsSkinButton7, L"联系我们", 216, 4},
    {"bsSkinButton3", &app::TForm1::bsSkinButton3, L"离  开", 264, 5},
};

constexpr gfx::Pixel kSea = gfx::Rgb(40, 90, 160);
constexpr gfx::Pixel kSand = gfx::Rgb(220, 200, 120);

bool Near(gfx::Pixel a, gfx::Pixel b)
{
    auto close = [](int x, int y) { return std::abs(x - y) <= 8; };
    return close(gfx::RedOf(a), gfx::RedOf(b)) && close(gfx::GreenOf(a), gfx::GreenOf(b)) &&
           close(gfx::BlueOf(a), gfx::BlueOf(b));
}

TEST(MainWindow, ReadsItsComponentsWithTheSkinLoaded)
{
    TestProgram program;
    app::TForm1& main = program.Main();
    EXPECT_EQ(main.Name(), L"Form1");
    EXPECT_EQ(main.Caption(), L"软件安装");
    ASSERT_NE(main.Image1, nullptr);
    ASSERT_NE(main.bsSkinData1, nullptr);
    EXPECT_TRUE(main.bsSkinData1->Loaded()) << "the stored skin is built into the description";
    ASSERT_NE(main.bsStoredSkin1, nullptr);
    EXPECT_EQ(main.bsStoredSkin1->FileName(), L"SKIN.INI");
    EXPECT_EQ(main.bsStoredSkin1->IniStrings().size(), 1327u);
    EXPECT_EQ(main.bsStoredSkin1->IniStrings()[1], "ver=1") << "line by line as stored";
    EXPECT_EQ(main.bsStoredSkin1->Pictures().size(), 224269u);
    EXPECT_EQ(main.bsSkinData1->Skin().Objects().size(), 12u);
    EXPECT_EQ(main.bsSkinData1->Skin().Elements().size(), 50u);
    EXPECT_EQ(main.Components().size(), 10u);
    EXPECT_FALSE(main.Showing()) << "created hidden";
    EXPECT_EQ(program.App().MainForm(), &main);
}

TEST(MainWindow, ButtonsHaveTheirPlacesCaptionsAndTabOrder)
{
    TestProgram program;
    program.Start();
    app::TForm1& main = program.Main();
    const std::vector<ui::Control*> order = main.FocusOrder();
    ASSERT_EQ(order.size(), std::size(kButtons));
    for (const ButtonRow& row : kButtons) {
        ui::TbsSkinButton* button = main.*row.field;
        ASSERT_NE(button, nullptr) << row.name;
        EXPECT_EQ(button->Bounds(), gfx::Rect::FromSize(346, row.top, 185, 26)) << row.name;
        EXPECT_EQ(button->Caption(), row.caption) << row.name;
        EXPECT_EQ(button->TabOrder(), row.tabOrder) << row.name;
        EXPECT_EQ(order[static_cast<size_t>(row.tabOrder)], button) << row.name;
        EXPECT_NE(button->Element(), nullptr) << row.name << " finds the resizebutton element";
        const nullhost::NullPeer* peer = nullhost::NullHost::PeerOf(*button);
        ASSERT_NE(peer, nullptr) << row.name;
        EXPECT_EQ(peer->Bounds(), button->Bounds()) << row.name;
        EXPECT_TRUE(peer->Visible()) << row.name;
    }
    EXPECT_EQ(main.Image1->Bounds(), gfx::Rect::FromSize(0, 0, 557, 421));
}

TEST(MainWindow, FirstShowingCentresOnTheVirtualScreenAndFocusesTheFirstButton)
{
    struct Case {
        const char* name;
        gfx::Size screen;
        gfx::Point at;
    };
    const Case cases[] = {
        {"1024 x 768", {1024, 768}, {228, 156}},
        {"800 x 600", {800, 600}, {116, 72}},
        {"two monitors", {2048, 768}, {740, 156}},
        {"smaller than the window", {500, 400}, {0, 0}},
    };
    for (const Case& c : cases) {
        nullhost::Options options;
        options.virtualScreen = c.screen;
        TestProgram program(options);
        program.Start();
        app::TForm1& main = program.Main();
        EXPECT_EQ(main.ClientAreaSize(), (gfx::Size{557, 421})) << c.name;
        EXPECT_EQ(main.Bounds(), gfx::Rect::FromSize(c.at.x, c.at.y, 567, 455)) << c.name;
        const nullhost::NullPeer* peer = nullhost::NullHost::PeerOf(main);
        ASSERT_NE(peer, nullptr) << c.name;
        EXPECT_EQ(peer->Bounds(), main.Bounds()) << c.name;
        EXPECT_TRUE(peer->Visible()) << c.name;
        EXPECT_EQ(program.Host().ActiveForm(), &main) << c.name;
        EXPECT_EQ(program.Host().FocusedControl(), main.bsSkinButton1) << c.name;
        EXPECT_EQ(main.bsSkinButton1->Look(), ui::ButtonLook::Hot) << c.name;
    }
}

TEST(MainWindow, LaterShowingsKeepTheWindowWhereItWas)
{
    TestProgram program;
    program.Start();
    app::TForm1& main = program.Main();
    main.SetBounds(gfx::Rect::FromSize(10, 20, 567, 455));
    main.Hide();
    main.Show();
    EXPECT_EQ(main.Bounds().TopLeft(), (gfx::Point{10, 20}));
}

TEST(MainWindow, ReloadsTheBackgroundAtEveryShowingOnly)
{
    TestProgram program;
    nullhost::NullHost& host = program.Host();
    host.AddFile(kWall, apptest::EncodeJpeg(64, 48, kSea));
    program.Start();
    app::TForm1& main = program.Main();
    EXPECT_EQ(host.ReadCount(kWall), 1);
    ASSERT_NE(main.Image1->Picture(), nullptr);
    EXPECT_EQ(main.Image1->Picture()->GetSize(), (gfx::Size{64, 48}));

    host.AddFile(kWall, apptest::EncodeJpeg(32, 16, kSand));
    main.Show(); // already shown: nothing happens
    EXPECT_EQ(host.ReadCount(kWall), 1);
    EXPECT_EQ(main.Image1->Picture()->GetSize(), (gfx::Size{64, 48}));

    main.Hide();
    main.Show();
    EXPECT_EQ(host.ReadCount(kWall), 2);
    EXPECT_EQ(main.Image1->Picture()->GetSize(), (gfx::Size{32, 16}));
    EXPECT_TRUE(host.ErrorBoxes().empty());

    // Stretched over the whole client area, beneath the buttons.
    const gfx::Bitmap frame = host.RenderForm(main);
    apptest::DumpIfAsked(frame, "main_window");
    ASSERT_EQ(frame.Width(), 557);
    ASSERT_EQ(frame.Height(), 421);
    for (const gfx::Point p : {gfx::Point{0, 0}, gfx::Point{556, 420}, gfx::Point{100, 300}, gfx::Point{340, 10}}) {
        EXPECT_TRUE(Near(frame.At(p.x, p.y), kSand)) << "at " << p.x << "," << p.y << ": " << std::hex
                                                       << frame.At(p.x, p.y);
    }
    EXPECT_FALSE(Near(frame.At(346 + 92, 24 + 13), kSand)) << "a button lies over the picture";
}

TEST(MainWindow, MissingBackgroundIsReportedBeforeTheWindowComesUp)
{
    TestProgram program;
    nullhost::NullHost& host = program.Host();
    program.Start();
    ASSERT_EQ(host.ErrorBoxes().size(), 1u);
    EXPECT_EQ(host.ErrorBoxes()[0].title, L"Setup");
    EXPECT_EQ(host.ErrorBoxes()[0].text, L"Cannot open file C:\\Setup\\wall.jpg.");
    const size_t box = host.IndexOfEvent(L"error Cannot open file C:\\Setup\\wall.jpg.");
    const size_t shown = host.IndexOfEvent(L"show Form1");
    ASSERT_NE(box, std::wstring::npos);
    ASSERT_NE(shown, std::wstring::npos);
    EXPECT_LT(box, shown);
    EXPECT_TRUE(program.Main().Showing());
    EXPECT_EQ(program.Main().Image1->Picture(), nullptr);
    EXPECT_EQ(host.FocusedControl(), program.Main().bsSkinButton1);
}

TEST(MainWindow, BackgroundDeletedWhileRunningKeepsThePreviousPicture)
{
    TestProgram program;
    nullhost::NullHost& host = program.Host();
    host.AddFile(kWall, apptest::EncodeJpeg(64, 48, kSea));
    program.Start();
    host.RemoveFile(kWall);
    program.Main().Hide();
    program.Main().Show();
    ASSERT_EQ(host.ErrorBoxes().size(), 1u);
    EXPECT_EQ(host.ErrorBoxes()[0].text, L"Cannot open file C:\\Setup\\wall.jpg.");
    ASSERT_NE(program.Main().Image1->Picture(), nullptr);
    EXPECT_EQ(program.Main().Image1->Picture()->GetSize(), (gfx::Size{64, 48}));
    EXPECT_TRUE(program.Main().Showing());
}

// A file that is no JPEG fails at the showing; an empty one loads and fails once, at its first drawing.
TEST(MainWindow, BadBackgroundFilesAreReportedOnce)
{
    enum class When { AtShowing, AtFirstDrawing };
    gfx::Bitmap bitmap(4, 4, kSea);
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        When when;
    };
    const Case cases[] = {
        {"a bitmap under the name wall.jpg", gfx::EncodeBmp32(bitmap.View()), When::AtShowing},
        {"an empty file", {}, When::AtFirstDrawing},
        {"a header cut short", {0xFF, 0xD8, 0xFF}, When::AtShowing},
    };
    for (const Case& c : cases) {
        TestProgram program;
        nullhost::NullHost& host = program.Host();
        host.AddFile(kWall, c.bytes);
        program.Start();
        EXPECT_EQ(host.ErrorBoxes().size(), c.when == When::AtShowing ? 1u : 0u) << c.name;
        host.RenderForm(program.Main());
        host.RenderForm(program.Main());
        ASSERT_EQ(host.ErrorBoxes().size(), 1u) << c.name;
        const std::wstring& text = host.ErrorBoxes()[0].text;
        EXPECT_EQ(text.rfind(L"JPEG error #", 0), 0u) << c.name << ": " << core::WideToUtf8(text);
        EXPECT_EQ(text.back(), L'.') << c.name;
        EXPECT_EQ(host.ErrorBoxes()[0].title, L"Setup") << c.name;
        EXPECT_TRUE(program.Main().Showing()) << c.name;
    }
}

enum class Action { StartInstaller, OpenDialog, Nothing, EndProgram };

TEST(MainWindow, EachButtonRunsItsAction)
{
    const Action actions[] = {Action::StartInstaller, Action::OpenDialog, Action::OpenDialog,
                              Action::Nothing,        Action::EndProgram, Action::EndProgram};
    static_assert(std::size(actions) == std::size(kButtons));
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        const ButtonRow& row = kButtons[i];
        TestProgram program;
        nullhost::NullHost& host = program.Host();
        host.AddFile(kWall, apptest::EncodeJpeg(8, 8, kSea));
        program.Start();
        bool dialogSeen = false;
        host.Queue([&] {
            dialogSeen = app::Form2 != nullptr && app::Form2->Showing();
            host.Click(*app::Form2->bsSkinButton2);
        });
        program.Press(*(program.Main().*row.field));

        const Action action = actions[i];
        const std::vector<std::wstring> shellOpens =
            action == Action::StartInstaller ? std::vector<std::wstring>{kFolder + L"data\\InstDB.exe"}
                                             : std::vector<std::wstring>{};
        EXPECT_EQ(host.ShellOpens(), shellOpens) << row.name;
        EXPECT_EQ(dialogSeen, action == Action::OpenDialog) << row.name;
        EXPECT_EQ(host.Pending(), action == Action::OpenDialog ? 0u : 1u) << row.name;
        EXPECT_EQ(program.App().Terminated(), action == Action::EndProgram) << row.name;
        EXPECT_EQ(host.QuitPosted(), action == Action::EndProgram) << row.name;
        EXPECT_EQ(host.ReadCount(kWall), action == Action::OpenDialog ? 2 : 1) << row.name;
        EXPECT_TRUE(program.Main().Showing()) << row.name << ": closing does not hide the main window";
        EXPECT_TRUE(host.ErrorBoxes().empty()) << row.name;
        EXPECT_EQ(host.FocusedControl(), program.Main().*row.field) << row.name;
    }
}

// Every key-down of Enter clicks, so holding it starts one installer per repeat; Space clicks on release.
TEST(MainWindow, TheInstallerStartsAgainAtEveryClickByKeyboard)
{
    TestProgram program;
    nullhost::NullHost& host = program.Host();
    program.Start();
    ui::KeyEvent enter;
    enter.key = ui::Key::Enter;
    host.SendKey(enter);
    enter.repeat = true;
    host.SendKey(enter);
    host.SendKey(enter);
    enter.type = ui::KeyEvent::Type::Up;
    host.SendKey(enter);
    EXPECT_EQ(host.ShellOpens().size(), 3u);
    ui::KeyEvent space;
    space.key = ui::Key::Space;
    host.SendKey(space);
    EXPECT_EQ(host.ShellOpens().size(), 3u) << "Space clicks on release";
    EXPECT_EQ(program.Main().bsSkinButton1->Look(), ui::ButtonLook::Pressed);
    space.type = ui::KeyEvent::Type::Up;
    host.SendKey(space);
    EXPECT_EQ(host.ShellOpens().size(), 4u);
    for (const std::wstring& file : host.ShellOpens()) {
        EXPECT_EQ(file, L"C:\\Setup\\data\\InstDB.exe");
    }
    EXPECT_TRUE(program.Main().Showing());
}

// Through the real program entry: the quit message ends the loop and the program returns 0.
TEST(MainWindow, LeaveContactAndCloseRequestsEndTheProgram)
{
    enum class Way { Leave, Contact, CloseRequest };
    struct Case {
        const char* name;
        Way way;
    };
    const Case cases[] = {
        {"离  开", Way::Leave}, {"联系我们", Way::Contact}, {"close request", Way::CloseRequest}};
    for (const Case& c : cases) {
        nullhost::NullHost host;
        host.AddFile(kWall, apptest::EncodeJpeg(8, 8, kSea));
        bool wasShowing = false;
        host.Queue([&] {
            wasShowing = app::Form1->Showing();
            switch (c.way) {
            case Way::Leave: host.Click(*app::Form1->bsSkinButton3); break;
            case Way::Contact: host.Click(*app::Form1->bsSkinButton7); break;
            case Way::CloseRequest: host.RequestClose(*app::Form1); break;
            }
        });
        EXPECT_EQ(app::RunProgram(host, ui::ShowCommand::Normal), 0) << c.name;
        EXPECT_TRUE(wasShowing) << c.name;
        EXPECT_EQ(host.TimesRanDry(), 0) << c.name << ": the loop ended on the quit message";
        EXPECT_EQ(app::Form1, nullptr) << c.name;
        EXPECT_TRUE(host.ErrorBoxes().empty()) << c.name;
        EXPECT_EQ(host.LivePeers(), 0) << c.name << ": every window destroyed";
        const size_t quit = host.IndexOfEvent(L"quit posted");
        ASSERT_NE(quit, std::wstring::npos) << c.name;
        EXPECT_NE(host.IndexOfEvent(L"destroy Form1", quit), std::wstring::npos) << c.name;
    }
}

int Scaled(int value, int textHeight) { return (value * textHeight + 6) / 12; } // halves up; all values >= 0

TEST(MainWindow, ScalesToTheTextHeightOnlyAtAnotherDensity)
{
    struct Case {
        const char* name;
        int pixelsPerInch;
        int textHeight;
        int scaleTo; // the text height the layout follows
    };
    const Case cases[] = {
        {"144 dpi, text height 18", 144, 18, 18},
        {"120 dpi, text height 15", 120, 15, 15},
        {"120 dpi, text height still 12", 120, 12, 12},
        {"96 dpi, text height 13", 96, 13, 12},
    };
    for (const Case& c : cases) {
        nullhost::Options options;
        options.pixelsPerInch = c.pixelsPerInch;
        options.textHeight = c.textHeight;
        TestProgram program(options);
        program.Start();
        app::TForm1& main = program.Main();
        const int t = c.scaleTo;
        EXPECT_EQ(main.ClientAreaSize(), (gfx::Size{Scaled(557, t), Scaled(421, t)})) << c.name;
        EXPECT_EQ(main.Image1->Bounds(), gfx::Rect::FromSize(0, 0, Scaled(557, t), Scaled(421, t))) << c.name;
        for (const ButtonRow& row : kButtons) {
            EXPECT_EQ((main.*row.field)->Bounds(),
                      gfx::Rect::FromSize(Scaled(346, t), Scaled(row.top, t), Scaled(185, t), Scaled(26, t)))
                << c.name << ", " << row.name;
        }
    }
}

} // namespace
