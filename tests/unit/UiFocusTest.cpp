// Keyboard focus in a form: the order built from nesting and TabOrder, what it skips, Tab and Shift+Tab through
// the form and the arrow keys on skinned buttons, on the headless host.
#include "core/Text.h"
#include "platform/null/NullHost.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/SkinControls.h"
#include "ui/StdControls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Declaration order differs from tab order on purpose; P2 is hidden, so its button is out too.
constexpr const char* kDescription = R"(object F: TForm
  Position = poDesktopCenter
  ClientWidth = 300
  ClientHeight = 200
  object B3: TbsSkinButton
    Left = 10
    Top = 150
    Width = 60
    Height = 20
    TabOrder = 2
  end
  object P1: TbsSkinPanel
    Width = 200
    Height = 100
    TabOrder = 0
    object E1: TEdit
      Width = 50
      Height = 20
      TabOrder = 1
    end
    object B1: TbsSkinButton
      Left = 60
      Width = 60
      Height = 20
      TabOrder = 0
    end
  end
  object B2: TbsSkinButton
    Left = 220
    Width = 60
    Height = 20
    TabOrder = 1
  end
  object Hidden: TbsSkinButton
    TabOrder = 3
    Visible = False
  end
  object Disabled: TbsSkinButton
    TabOrder = 4
    Enabled = False
  end
  object NoStop: TbsSkinButton
    TabOrder = 5
    TabStop = False
  end
  object P2: TbsSkinPanel
    TabOrder = 6
    Visible = False
    object InHidden: TbsSkinButton
    end
  end
  object Last: TbsSkinButton
    Left = 100
    Top = 150
    Width = 60
    Height = 20
    TabOrder = 7
  end
end
)";

class FocusTest : public ::testing::Test {
protected:
    FocusTest()
    {
        ui::RegisterStandardClasses(m_app.Classes());
        ui::RegisterSkinClasses(m_app.Classes());
        m_form.Load(kDescription);
        m_form.Show();
    }

    ui::Control& Named(const wchar_t* name)
    {
        auto* control = dynamic_cast<ui::Control*>(m_form.FindComponent(name));
        EXPECT_NE(control, nullptr) << core::WideToUtf8(name);
        return *control;
    }

    std::wstring FocusedName() const
    {
        const ui::Control* focused = m_host.FocusedControl();
        return focused ? focused->Name() : L"(none)";
    }

    std::vector<std::wstring> OrderNames() const
    {
        std::vector<std::wstring> names;
        for (const ui::Control* control : m_form.FocusOrder()) {
            names.push_back(control->Name());
        }
        return names;
    }

    nullhost::NullHost m_host;
    ui::Application m_app{m_host};
    ui::Form m_form{m_app, nullptr};
};

TEST_F(FocusTest, OrderFollowsTabOrderWithinEachParentAndSkipsWhatCannotTakeTheFocus)
{
    const std::vector<std::wstring> expected{L"B1", L"E1", L"B2", L"B3", L"Last"};
    EXPECT_EQ(OrderNames(), expected);
}

TEST_F(FocusTest, ShowingFocusesTheFirstControlInTabOrder)
{
    EXPECT_EQ(m_host.ActiveForm(), &m_form);
    EXPECT_EQ(FocusedName(), L"B1");
    EXPECT_EQ(m_form.ActiveControl(), &Named(L"B1"));
}

TEST_F(FocusTest, TabAndArrowsMoveAndWrapAround)
{
    using nullhost::Shift;
    struct Case {
        const wchar_t* from;
        ui::Key key;
        Shift shift;
        const wchar_t* to;
    };
    const Case cases[] = {
        {L"B1", ui::Key::Tab, Shift::No, L"E1"},
        {L"E1", ui::Key::Tab, Shift::No, L"B2"},
        {L"Last", ui::Key::Tab, Shift::No, L"B1"},
        {L"B1", ui::Key::Tab, Shift::Yes, L"Last"},
        {L"B2", ui::Key::Tab, Shift::Yes, L"E1"},
        {L"B2", ui::Key::Right, Shift::No, L"B3"},
        {L"B2", ui::Key::Down, Shift::No, L"B3"},
        {L"B2", ui::Key::Left, Shift::No, L"E1"},
        {L"B2", ui::Key::Up, Shift::No, L"E1"},
        {L"Last", ui::Key::Down, Shift::No, L"B1"},
        {L"B1", ui::Key::Up, Shift::No, L"Last"},
        {L"E1", ui::Key::Right, Shift::No, L"E1"}, // the edit field keeps its arrows for the caret
        {L"B3", ui::Key::Escape, Shift::No, L"B3"},
    };
    for (const Case& c : cases) {
        Named(c.from).SetFocus();
        ASSERT_EQ(FocusedName(), c.from);
        m_host.PressKey(c.key, c.shift);
        EXPECT_EQ(FocusedName(), c.to) << core::WideToUtf8(c.from) << " + key " << static_cast<int>(c.key)
                                       << (c.shift == Shift::Yes ? " with Shift" : "");
    }
}

TEST_F(FocusTest, ControlTabMovesNothing)
{
    Named(L"B2").SetFocus();
    ui::KeyEvent event;
    event.key = ui::Key::Tab;
    event.control = true;
    m_host.SendKey(event);
    EXPECT_EQ(FocusedName(), L"B2");
}

TEST_F(FocusTest, ControlsChangedAtRunTimeJoinOrLeaveTheOrder)
{
    Named(L"B2").SetEnabled(false);
    Named(L"Hidden").SetVisible(true);
    Named(L"E1").SetFocus();
    m_host.PressKey(ui::Key::Tab);
    EXPECT_EQ(FocusedName(), L"B3");
    m_host.PressKey(ui::Key::Tab);
    EXPECT_EQ(FocusedName(), L"Hidden");
}

// The button's looks follow the focus through the host's focus messages: the focused button looks hot.
TEST_F(FocusTest, TheFocusedButtonLooksHotAndTheOneLeftLooksNormal)
{
    auto& b1 = static_cast<ui::TbsSkinButton&>(Named(L"B1"));
    auto& b2 = static_cast<ui::TbsSkinButton&>(Named(L"B2"));
    EXPECT_EQ(b1.Look(), ui::ButtonLook::Hot);
    m_host.PressKey(ui::Key::Tab);
    m_host.PressKey(ui::Key::Tab);
    EXPECT_EQ(FocusedName(), L"B2");
    EXPECT_EQ(b1.Look(), ui::ButtonLook::Normal);
    EXPECT_EQ(b2.Look(), ui::ButtonLook::Hot);
}

// Hiding the form takes the focus away; showing it again gives it back to the control that had it last.
TEST_F(FocusTest, ShowingAgainRestoresTheLastFocusedControl)
{
    Named(L"B3").SetFocus();
    m_form.Hide();
    EXPECT_EQ(m_host.FocusedControl(), nullptr);
    EXPECT_EQ(m_host.ActiveForm(), nullptr);
    m_form.Show();
    EXPECT_EQ(FocusedName(), L"B3");
}

} // namespace
