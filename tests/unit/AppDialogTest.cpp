// The installation-location dialog and the flow that opens it, on the headless host: what holds while it is up
// (checked from queued actions inside its modal loop), what holds after it, failures while creating it, the
// modal result rules, termination while it is up, and what it draws.
#include "AppTestProgram.h"

#include "app/Project1.h"
#include "core/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using apptest::kWall;
using apptest::TestProgram;
using ButtonField = ui::TbsSkinButton* app::TForm1::*;

constexpr gfx::Pixel kSea = gfx::Rgb(40, 90, 160);

bool Owns(const ui::Component& owner, const ui::Component* component)
{
    const auto& owned = owner.Components();
    return std::any_of(owned.begin(), owned.end(), [&](const auto& c) { return c.get() == component; });
}

bool OwnsAnyDialog(const ui::Component& owner)
{
    const auto& owned = owner.Components();
    return std::any_of(owned.begin(), owned.end(),
                       [](const auto& c) { return dynamic_cast<const app::TForm2*>(c.get()) != nullptr; });
}

class LocationDialogTest : public ::testing::Test {
protected:
    LocationDialogTest()
    {
        m_program.Host().AddFile(kWall, apptest::EncodeJpeg(8, 8, kSea));
        m_program.Start();
    }

    app::TForm1& Main() { return m_program.Main(); }
    nullhost::NullHost& Host() { return m_program.Host(); }

    std::wstring FocusedName()
    {
        const ui::Control* focused = Host().FocusedControl();
        return focused ? focused->Name() : L"(none)";
    }

    TestProgram m_program;
};

// Everything the user sees while the dialog is up, checked from inside the modal loop.
void CheckDialogUp(app::TForm1& main, nullhost::NullHost& host, const char* name)
{
    app::TForm2* dialog = app::Form2;
    ASSERT_NE(dialog, nullptr) << name;
    EXPECT_FALSE(main.Showing()) << name << ": the main window is hidden";
    EXPECT_FALSE(nullhost::NullHost::PeerOf(main)->Visible()) << name;
    EXPECT_TRUE(dialog->Showing()) << name;
    EXPECT_TRUE(dialog->IsModal()) << name;
    EXPECT_TRUE(Owns(main, dialog)) << name << ": owned by the main window";
    EXPECT_EQ(dialog->ClientAreaSize(), (gfx::Size{336, 78})) << name;
    EXPECT_EQ(dialog->Bounds(), gfx::Rect::FromSize(344, 345, 336, 78)) << name << ": centred, no frame";
    EXPECT_EQ(nullhost::NullHost::PeerOf(*dialog)->Bounds(), dialog->Bounds()) << name;
    EXPECT_EQ(host.ActiveForm(), dialog) << name;
    EXPECT_EQ(host.FocusedControl(), dialog->Edit1) << name;
    // With the stored skin: the gauge takes its element's height, 20, docked at the bottom; the panel fills
    // the rest; the buttons take the button element's height, 21.
    EXPECT_EQ(dialog->bsSkinGauge1->Bounds(), gfx::Rect::FromSize(0, 58, 336, 20)) << name;
    EXPECT_EQ(dialog->bsSkinPanel1->Bounds(), gfx::Rect::FromSize(0, 0, 336, 58)) << name;
    EXPECT_EQ(dialog->bsSkinButton1->Bounds(), gfx::Rect::FromSize(170, 23, 75, 21)) << name;
    EXPECT_EQ(dialog->bsSkinButton2->Bounds(), gfx::Rect::FromSize(250, 23, 75, 21)) << name;
    EXPECT_EQ(dialog->Edit1->Bounds(), gfx::Rect::FromSize(5, 24, 158, 20)) << name;
    const gfx::Size label = host.MeasureText(dialog->Label1->GetFont(), L"安装位置：");
    EXPECT_EQ(dialog->Label1->Bounds(), gfx::Rect::FromSize(5, 8, label.width, label.height))
        << name << ": the label sizes itself to its text";
    EXPECT_EQ(dialog->bsSkinGauge1->Value(), 50) << name;
    EXPECT_EQ(nullhost::NullHost::PeerOf(*dialog->Edit1)->Text(), L"") << name << ": the field starts empty";
}

TEST_F(LocationDialogTest, EitherInstallButtonOpensItModallyAndCancelEndsIt)
{
    struct Case {
        const char* name;
        ButtonField button;
    };
    const Case cases[] = {{"安装数据库组件(windows98/95)", &app::TForm1::bsSkinButton2},
                          {"安装zovudeve", &app::TForm1::bsSkinButton5}};
    for (const Case& c : cases) {
        const int peersBefore = Host().LivePeers();
        const int readsBefore = Host().ReadCount(kWall);
        Host().ClearEvents();
        bool checked = false;
        Host().Queue([&] {
            CheckDialogUp(Main(), Host(), c.name);
            ASSERT_NE(app::Form2, nullptr);
            app::TForm2& dialog = *app::Form2;
            EXPECT_EQ(m_program.App().Forms().size(), 2u) << c.name;
            // Tab cycles the field and the two buttons; neither the gauge nor the panel takes the focus.
            for (const wchar_t* next : {L"bsSkinButton1", L"bsSkinButton2", L"Edit1"}) {
                Host().PressKey(ui::Key::Tab);
                EXPECT_EQ(FocusedName(), next) << c.name;
            }
            Host().Click(*dialog.bsSkinButton2);
            EXPECT_EQ(dialog.ModalResult(), ui::kModalResultCancel) << c.name;
            EXPECT_TRUE(dialog.Showing()) << c.name << ": closing only sets the modal result";
            checked = true;
        });
        m_program.Press(*(Main().*c.button));
        EXPECT_TRUE(checked) << c.name;
        EXPECT_EQ(app::Form2, nullptr) << c.name;
        EXPECT_FALSE(OwnsAnyDialog(Main())) << c.name << ": the dialog is destroyed";
        EXPECT_EQ(m_program.App().Forms().size(), 1u) << c.name;
        EXPECT_EQ(Host().LivePeers(), peersBefore) << c.name;
        EXPECT_TRUE(Main().Showing()) << c.name;
        EXPECT_EQ(Host().ReadCount(kWall), readsBefore + 1) << c.name << ": the background is reloaded";
        EXPECT_EQ(Host().FocusedControl(), Main().*c.button) << c.name << ": focus back on the pressed button";
        const size_t destroyed = Host().IndexOfEvent(L"destroy Form2");
        ASSERT_NE(destroyed, std::wstring::npos) << c.name;
        EXPECT_NE(Host().IndexOfEvent(L"show Form1", destroyed), std::wstring::npos)
            << c.name << ": shown again after the dialog is gone";
        EXPECT_TRUE(Host().ErrorBoxes().empty()) << c.name;
    }
}

TEST_F(LocationDialogTest, EveryPressOpensAFreshDialog)
{
    for (int opening = 1; opening <= 3; ++opening) {
        Host().Queue([&] {
            const std::string name = "opening " + std::to_string(opening);
            CheckDialogUp(Main(), Host(), name.c_str());
            ASSERT_NE(app::Form2, nullptr);
            nullhost::NullHost::PeerOf(*app::Form2->Edit1)->SetText(L"D:\\Program Files\\Logistics");
            Host().Click(*app::Form2->bsSkinButton2);
        });
        m_program.Press(opening % 2 ? *Main().bsSkinButton5 : *Main().bsSkinButton2);
        EXPECT_EQ(Host().Pending(), 0u) << opening;
        EXPECT_EQ(app::Form2, nullptr) << opening;
    }
    EXPECT_TRUE(Host().ErrorBoxes().empty());
}

// The guard of the opening flow: the main window is back before the error box comes up, and the next press
// starts afresh.
TEST_F(LocationDialogTest, AFailureWhileCreatingItIsReportedAfterTheMainWindowIsBack)
{
    for (const char* failing : {"TForm2", "TbsSkinPanel", "TEdit", "TbsSkinButton"}) {
        const int peersBefore = Host().LivePeers();
        const size_t boxesBefore = Host().ErrorBoxes().size();
        Host().Settings().failCreatingClass = failing;
        Host().ClearEvents();
        m_program.Press(*Main().bsSkinButton2);
        const std::wstring error = L"error Cannot create the window " + core::Utf8ToWide(failing) +
                                   L": refused by the test host.";
        const size_t hidden = Host().IndexOfEvent(L"hide Form1");
        const size_t shown = Host().IndexOfEvent(L"show Form1");
        const size_t box = Host().IndexOfEvent(error);
        ASSERT_NE(hidden, std::wstring::npos) << failing;
        ASSERT_NE(shown, std::wstring::npos) << failing;
        ASSERT_NE(box, std::wstring::npos) << failing;
        EXPECT_LT(hidden, shown) << failing;
        EXPECT_LT(shown, box) << failing << ": the box comes after the main window is shown again";
        ASSERT_EQ(Host().ErrorBoxes().size(), boxesBefore + 1) << failing;
        EXPECT_EQ(Host().ErrorBoxes().back().title, L"Setup") << failing;
        EXPECT_EQ(app::Form2, nullptr) << failing;
        EXPECT_FALSE(OwnsAnyDialog(Main())) << failing;
        EXPECT_EQ(m_program.App().Forms().size(), 1u) << failing;
        EXPECT_EQ(Host().LivePeers(), peersBefore) << failing;
        EXPECT_TRUE(Main().Showing()) << failing;

        Host().Settings().failCreatingClass.clear();
        bool opened = false;
        Host().Queue([&] {
            opened = app::Form2 && app::Form2->Showing();
            Host().Click(*app::Form2->bsSkinButton2);
        });
        m_program.Press(*Main().bsSkinButton2);
        EXPECT_TRUE(opened) << failing << ": the next press works";
        EXPECT_EQ(Host().ErrorBoxes().size(), boxesBefore + 1) << failing;
    }
}

// The dialog's modal display on its own, as the opening flow runs it but with the main window still visible,
// so that disabling and re-activating it shows too. A step of nullptr queues the quit message.
TEST(LocationDialog, ModalResultRules)
{
    using Step = std::function<void(app::TForm2&, nullhost::NullHost&)>;
    struct Case {
        const char* name;
        std::vector<Step> steps;
        int result;
        const wchar_t* error; // the box it reports, if any
    };
    const Step closeIt = [](app::TForm2& d, nullhost::NullHost&) { d.Close(); };
    const Step stillOpen = [](app::TForm2& d, nullhost::NullHost&) {
        EXPECT_EQ(d.ModalResult(), ui::kModalResultNone);
        EXPECT_TRUE(d.Showing());
    };
    const Case cases[] = {
        {"取消 closes with cancel", {[](app::TForm2& d, nullhost::NullHost& h) { h.Click(*d.bsSkinButton2); }}, 2,
         nullptr},
        {"安装 changes nothing",
         {[](app::TForm2& d, nullhost::NullHost& h) { h.Click(*d.bsSkinButton1); }, stillOpen, closeIt},
         2,
         nullptr},
        {"Escape and Enter in the field do nothing",
         {[](app::TForm2& d, nullhost::NullHost& h) {
              h.PressKey(ui::Key::Escape);
              h.PressKey(ui::Key::Enter);
              EXPECT_EQ(h.FocusedControl(), d.Edit1);
          },
          stillOpen, closeIt},
         2,
         nullptr},
        {"Space on 安装 does nothing",
         {[](app::TForm2& d, nullhost::NullHost& h) {
              d.bsSkinButton1->SetFocus();
              h.PressKey(ui::Key::Space);
          },
          stillOpen, closeIt},
         2,
         nullptr},
        {"any non-zero modal result ends the loop", {[](app::TForm2& d, nullhost::NullHost&) { d.SetModalResult(6); }},
         6, nullptr},
        {"a close request from the system", {[](app::TForm2& d, nullhost::NullHost& h) { h.RequestClose(d); }}, 2,
         nullptr},
        {"termination of the application", {[](app::TForm2& d, nullhost::NullHost&) { d.App().Terminate(); }}, 2,
         nullptr},
        {"the quit message", {nullptr}, 2, nullptr},
        {"an error in a handler is reported and the dialog stays",
         {[](app::TForm2&, nullhost::NullHost&) { throw ui::Error("Disk full"); }, stillOpen, closeIt},
         2,
         L"Disk full."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestProgram program;
        nullhost::NullHost& host = program.Host();
        host.AddFile(kWall, apptest::EncodeJpeg(8, 8, kSea));
        program.Start();
        app::TForm1& main = program.Main();
        auto dialog = std::make_unique<app::TForm2>(program.App(), &main);
        dialog->Load(app::Unit2Description());
        host.Queue([&] {
            EXPECT_FALSE(main.Enabled()) << "the other windows are disabled";
            EXPECT_FALSE(nullhost::NullHost::PeerOf(main)->Enabled());
            EXPECT_EQ(host.FocusedControl(), dialog->Edit1);
        });
        for (const Step& step : c.steps) {
            if (step) {
                host.Queue([&, step] { step(*dialog, host); });
            } else {
                host.QueueQuit();
            }
        }
        EXPECT_EQ(dialog->ShowModal(), c.result);
        EXPECT_EQ(host.Pending(), 0u) << "every step ran, none after the end";
        EXPECT_FALSE(dialog->Showing());
        EXPECT_FALSE(dialog->IsModal());
        EXPECT_TRUE(main.Enabled());
        EXPECT_TRUE(nullhost::NullHost::PeerOf(main)->Enabled());
        EXPECT_EQ(host.ActiveForm(), &main) << "the window active before is active again";
        EXPECT_EQ(host.FocusedControl(), main.bsSkinButton1);
        if (c.error) {
            ASSERT_EQ(host.ErrorBoxes().size(), 1u);
            EXPECT_EQ(host.ErrorBoxes()[0].text, c.error);
        } else {
            EXPECT_TRUE(host.ErrorBoxes().empty());
        }
    }
}

// Through the real program entry: the dialog ends, is destroyed, the main window comes back, and then the
// program ends on the quit message without waiting for another one.
TEST(LocationDialog, TerminationWhileItIsUpEndsItAndThenTheProgram)
{
    enum class How { Terminate, QuitMessage };
    struct Case {
        const char* name;
        How how;
    };
    const Case cases[] = {{"the application told to terminate", How::Terminate},
                          {"a quit message arriving", How::QuitMessage}};
    for (const Case& c : cases) {
        nullhost::NullHost host;
        host.AddFile(kWall, apptest::EncodeJpeg(8, 8, kSea));
        bool dialogWasUp = false;
        host.Queue([&] { host.Click(*app::Form1->bsSkinButton5); });
        if (c.how == How::Terminate) {
            host.Queue([&] {
                dialogWasUp = app::Form2 && app::Form2->Showing();
                app::Form1->App().Terminate();
            });
        } else {
            host.Queue([&] { dialogWasUp = app::Form2 && app::Form2->Showing(); });
            host.QueueQuit();
        }
        EXPECT_EQ(app::RunProgram(host, ui::ShowCommand::Normal), 0) << c.name;
        EXPECT_TRUE(dialogWasUp) << c.name;
        EXPECT_EQ(app::Form2, nullptr) << c.name;
        EXPECT_EQ(host.LivePeers(), 0) << c.name;
        EXPECT_EQ(host.TimesRanDry(), 0) << c.name << ": the loop must end, not wait for another message";
        const size_t destroyed = host.IndexOfEvent(L"destroy Form2");
        ASSERT_NE(destroyed, std::wstring::npos) << c.name;
        const size_t shown = host.IndexOfEvent(L"show Form1", destroyed);
        EXPECT_NE(shown, std::wstring::npos) << c.name << ": the main window is shown again";
        EXPECT_NE(host.IndexOfEvent(L"destroy Form1", shown), std::wstring::npos) << c.name;
        EXPECT_TRUE(host.ErrorBoxes().empty()) << c.name;
    }
}

TEST_F(LocationDialogTest, DrawsTheGaugeAtFiftyAndNoPanelCaption)
{
    bool drawn = false;
    Host().Queue([&] {
        ASSERT_NE(app::Form2, nullptr);
        app::TForm2& dialog = *app::Form2;
        const gfx::Bitmap frame = Host().RenderForm(dialog);
        apptest::DumpIfAsked(frame, "location_dialog");
        EXPECT_EQ(frame.Width(), 336);
        EXPECT_EQ(frame.Height(), 78);
        std::vector<std::wstring> texts;
        for (const nullhost::DrawnText& t : Host().RenderedTexts()) {
            texts.push_back(t.text);
            EXPECT_EQ(t.text.find(L"bsSkinPanel1"), std::wstring::npos) << "the panel never draws its caption";
            if (t.text != L"50%") {
                continue;
            }
            EXPECT_EQ(t.window, dialog.bsSkinGauge1);
            // Centred on the whole gauge, halves truncated.
            const gfx::Rect gauge = dialog.bsSkinGauge1->Bounds();
            const gfx::Size size = Host().MeasureText(t.font, t.text);
            EXPECT_EQ(t.origin.x, gauge.left + gauge.Width() / 2 - size.width / 2);
            EXPECT_EQ(t.origin.y, gauge.top + gauge.Height() / 2 - size.height / 2);
        }
        for (const wchar_t* expected : {L"50%", L"安装位置：", L"安装", L"取消"}) {
            EXPECT_EQ(std::count(texts.begin(), texts.end(), expected), 1) << core::WideToUtf8(expected);
        }
        drawn = true;
        dialog.Close();
    });
    m_program.Press(*Main().bsSkinButton2);
    EXPECT_TRUE(drawn);
    EXPECT_TRUE(Host().ErrorBoxes().empty());
}

} // namespace
