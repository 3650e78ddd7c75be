// Form descriptions: the parser's values and errors, reading a description into components through the class
// registry (errors, handlers, references resolved after reading) and window paths across forms.
#include "core/Text.h"
#include "platform/null/NullHost.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/FormDescription.h"
#include "ui/Reader.h"
#include "ui/SkinControls.h"
#include "ui/StdControls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Kind = ui::PropertyValue::Kind;

struct ValueCase {
    const char* name;
    const char* value; // as written after "P = "
    Kind kind;
    int64_t integer;
    std::wstring text;
    std::vector<std::wstring> items;
    std::vector<uint8_t> bytes;
};

TEST(FormDescriptionParser, ReadsEveryKindOfValue)
{
    const ValueCase cases[] = {
        {"negative integer", "-12", Kind::Integer, -12, L"", {}, {}},
        {"largest integer", "4294967295", Kind::Integer, 4294967295ll, L"", {}, {}},
        {"plain string", "'宋体'", Kind::String, 0, L"宋体", {}, {}},
        {"empty string", "''", Kind::String, 0, L"", {}, {}},
        {"doubled quote", "'it''s'", Kind::String, 0, L"it's", {}, {}},
        {"character codes between runs", "'a'#20320'b'#65", Kind::String, 0, L"a你bA", {}, {}},
        {"codes only", "#23433#35013", Kind::String, 0, L"安装", {}, {}},
        {"identifier", "poDesktopCenter", Kind::Identifier, 0, L"poDesktopCenter", {}, {}},
        {"window path", "Form1.bsSkinData1", Kind::Identifier, 0, L"Form1.bsSkinData1", {}, {}},
        {"empty set", "[]", Kind::Set, 0, L"", {}, {}},
        {"set", "[biMinimize, biMaximize]", Kind::Set, 0, L"", {L"biMinimize", L"biMaximize"}, {}},
        {"list over lines", "(\n    '[VERSION]'\n    'ver=1'\n    #39'x')", Kind::List, 0, L"",
         {L"[VERSION]", L"ver=1", L"'x"}, {}},
        {"empty list", "()", Kind::List, 0, L"", {}, {}},
        {"binary over lines", "{\n    0A1b\n    FF}", Kind::Binary, 0, L"", {}, {0x0A, 0x1B, 0xFF}},
        {"empty binary", "{}", Kind::Binary, 0, L"", {}, {}},
    };
    for (const ValueCase& c : cases) {
        const std::string text = std::string("object A: TForm\n  P = ") + c.value + "\nend\n";
        auto parsed = ui::ParseFormDescription(text);
        ASSERT_TRUE(parsed.Ok()) << c.name << ": " << parsed.ErrorMessage();
        ASSERT_EQ(parsed.Value().properties.size(), 1u) << c.name;
        const ui::PropertyValue& v = parsed.Value().properties[0].value;
        EXPECT_EQ(v.kind, c.kind) << c.name;
        EXPECT_EQ(v.integer, c.integer) << c.name;
        EXPECT_EQ(v.text, c.text) << c.name;
        EXPECT_EQ(v.items, c.items) << c.name;
        EXPECT_EQ(v.bytes, c.bytes) << c.name;
    }
}

TEST(FormDescriptionParser, KeepsNestingNamesClassesAndLines)
{
    const char* text = "object Form2: TForm2\n"
                       "  Font.Height = -12\n"
                       "  object bsSkinPanel1: TbsSkinPanel\n"
                       "    object Label1: TLabel\n"
                       "      Caption = '安装位置：'\n"
                       "    end\n"
                       "  end\n"
                       "  object bsSkinGauge1: TbsSkinGauge\n"
                       "  end\n"
                       "end\n";
    auto parsed = ui::ParseFormDescription(text);
    ASSERT_TRUE(parsed.Ok()) << parsed.ErrorMessage();
    const ui::ObjectDescription& root = parsed.Value();
    EXPECT_EQ(root.name, L"Form2");
    EXPECT_EQ(root.className, "TForm2");
    ASSERT_EQ(root.properties.size(), 1u);
    EXPECT_EQ(root.properties[0].name, "Font.Height");
    EXPECT_EQ(root.properties[0].line, 2);
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].name, L"bsSkinPanel1");
    EXPECT_EQ(root.children[1].className, "TbsSkinGauge");
    ASSERT_EQ(root.children[0].children.size(), 1u);
    const ui::ObjectDescription& label = root.children[0].children[0];
    EXPECT_EQ(label.className, "TLabel");
    ASSERT_EQ(label.properties.size(), 1u);
    EXPECT_EQ(label.properties[0].value.text, L"安装位置：");
    EXPECT_EQ(label.properties[0].line, 5);
}

TEST(FormDescriptionParser, NamesTheLineOfEachError)
{
    struct Case {
        const char* name;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"empty text", "", "line 1: 'object' expected"},
        {"no colon", "object A TForm\nend", "line 1: object name and ':' expected"},
        {"no equals sign", "object A: TForm\n  Left 12\nend", "line 2: '=' expected after Left"},
        {"no value", "object A: TForm\n  Left =", "line 2: value expected"},
        {"bare minus", "object A: TForm\n  Left = -\nend", "line 2: digits expected"},
        {"integer too large", "object A: TForm\n  Left = 4294967296\nend", "line 2: integer out of range"},
        {"string ends at the line", "object A: TForm\n  Caption = 'abc\nend", "line 2: unterminated string"},
        {"string ends with the text", "object A: TForm\n  Caption = 'abc", "line 2: unterminated string"},
        {"character code too large", "object A: TForm\n  Caption = #1114112\nend",
         "line 2: character code out of range"},
        {"set not closed", "object A: TForm\n  S = [a, b\nend", "']' expected"},
        {"set element missing", "object A: TForm\n  S = [a,]\nend", "line 2: set element expected"},
        {"number in a list", "object A: TForm\n  L = ('a' 12)\nend", "line 2: string or ')' expected in list"},
        {"binary not closed", "object A: TForm\n  D = {0A1B", "unterminated or odd-length binary value"},
        {"binary of odd length", "object A: TForm\n  D = {0A1}\nend", "line 2: unterminated or odd-length"},
        {"not hex in binary", "object A: TForm\n  D = {0G}\nend", "line 2: hex digit expected in binary value"},
        {"lines counted through a binary", "object A: TForm\n  D = {00\n  01}\n  Left 1\nend",
         "line 4: '=' expected after Left"},
        {"error in a nested object", "object A: TForm\n  object B: TLabel\n    Caption = 'x\n  end\nend",
         "line 3: unterminated string"},
        {"no end", "object A: TForm\n  Left = 1\n", "line 3: property, 'object' or 'end' expected"},
        {"text after the end", "object A: TForm\nend\nextra", "line 3: text after the last 'end'"},
    };
    for (const Case& c : cases) {
        auto parsed = ui::ParseFormDescription(c.text);
        ASSERT_FALSE(parsed.Ok()) << c.name;
        EXPECT_NE(parsed.ErrorMessage().find(c.message), std::string::npos)
            << c.name << ": got \"" << parsed.ErrorMessage() << "\"";
        EXPECT_EQ(parsed.ErrorMessage().rfind("Form description line ", 0), 0u) << c.name;
    }
}

std::string Nested(int levels)
{
    std::string text;
    for (int i = 0; i < levels; ++i) {
        text += "object O" + std::to_string(i) + ": TPanel\n";
    }
    for (int i = 0; i < levels; ++i) {
        text += "end\n";
    }
    return text;
}

// A hostile description must not exhaust the stack.
TEST(FormDescriptionParser, BoundsTheNesting)
{
    EXPECT_TRUE(ui::ParseFormDescription(Nested(8)).Ok());
    auto deep = ui::ParseFormDescription(Nested(100000));
    ASSERT_FALSE(deep.Ok());
    EXPECT_NE(deep.ErrorMessage().find("nested too deeply"), std::string::npos) << deep.ErrorMessage();
}

// An application on the headless host with the form library's and the skin library's classes.
class ReaderTest : public ::testing::Test {
protected:
    ReaderTest()
    {
        ui::RegisterStandardClasses(m_app.Classes());
        ui::RegisterSkinClasses(m_app.Classes());
    }

    core::Status Read(ui::Form& form, const std::string& text)
    {
        auto parsed = ui::ParseFormDescription(text);
        if (!parsed) {
            return core::Error{parsed.ErrorMessage()};
        }
        return ui::ReadDescription(parsed.Value(), form, m_app);
    }

    nullhost::NullHost m_host;
    ui::Application m_app{m_host};
};

TEST_F(ReaderTest, ReportsWhatCannotBeRead)
{
    struct Case {
        const char* name;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"unknown class", "object F: TForm\n  object X: TNope\n  end\nend", "Class TNope not found"},
        {"unknown property", "object F: TForm\n  object L: TLabel\n    Bogus = 1\n  end\nend",
         "Error reading L.Bogus: Property Bogus does not exist"},
        {"unknown form property", "object F: TForm\n  Bogus = 1\nend", "Error reading F.Bogus"},
        {"unknown handler", "object F: TForm\n  object B: TbsSkinButton\n    OnClick = Nope\n  end\nend",
         "Error reading B.OnClick: Handler Nope does not exist"},
        {"unknown show handler", "object F: TForm\n  OnShow = FormShow\nend", "Handler FormShow does not exist"},
        {"wrong kind of value", "object F: TForm\n  object L: TLabel\n    Left = 'x'\n  end\nend",
         "Error reading L.Left: Integer value expected"},
        {"unresolved reference", "object F: TForm\n  object B: TbsSkinButton\n    SkinData = Missing\n  end\nend",
         "Cannot resolve the reference Missing"},
        {"reference into a missing window",
         "object F: TForm\n  object B: TbsSkinButton\n    SkinData = Form9.bsSkinData1\n  end\nend",
         "Cannot resolve the reference Form9.bsSkinData1"},
        {"description of another class", "object F: TForm1\nend", "does not fit"},
        {"children under a component", "object F: TForm\n  object D: TbsSkinData\n    object L: TLabel\n    end\n"
                                       "  end\nend",
         "cannot contain others"},
    };
    for (const Case& c : cases) {
        ui::Form form(m_app, nullptr);
        const core::Status status = Read(form, c.text);
        ASSERT_FALSE(status.Ok()) << c.name;
        EXPECT_NE(status.ErrorMessage().find(c.message), std::string::npos)
            << c.name << ": got \"" << status.ErrorMessage() << "\"";
    }
}

TEST_F(ReaderTest, BindsHandlersByNameWithoutRegardToCase)
{
    ui::Form form(m_app, nullptr);
    std::vector<ui::Component*> senders;
    form.RegisterHandler(L"ButtonClick", [&](ui::Component* sender) { senders.push_back(sender); });
    ASSERT_TRUE(Read(form, "object F: TForm\n"
                           "  object B1: TbsSkinButton\n    OnClick = ButtonClick\n  end\n"
                           "  object B2: TbsSkinButton\n    OnClick = buttonclick\n  end\n"
                           "end")
                    .Ok());
    auto* b1 = dynamic_cast<ui::TbsSkinButton*>(form.FindComponent(L"B1"));
    auto* b2 = dynamic_cast<ui::TbsSkinButton*>(form.FindComponent(L"b2"));
    ASSERT_TRUE(b1 && b2);
    b1->Click();
    b2->Click();
    ASSERT_EQ(senders.size(), 2u);
    EXPECT_EQ(senders[0], b1);
    EXPECT_EQ(senders[1], b2);
}

// Components are created in description order with the form as owner and their parents as given by nesting;
// a reference may name a component that the description declares further down.
TEST_F(ReaderTest, CreatesInOrderAndResolvesReferencesAfterReading)
{
    ui::Form form(m_app, nullptr);
    ASSERT_TRUE(Read(form, "object F: TForm\n"
                           "  object P: TbsSkinPanel\n"
                           "    SkinData = Data1\n"
                           "    object B: TbsSkinButton\n      SkinData = Data1\n    end\n"
                           "  end\n"
                           "  object Data1: TbsSkinData\n    StoredSkin = Stored1\n  end\n"
                           "  object Stored1: TbsStoredSkin\n  end\n"
                           "end")
                    .Ok());
    EXPECT_EQ(form.Name(), L"F");
    const auto& owned = form.Components();
    ASSERT_EQ(owned.size(), 4u);
    EXPECT_EQ(owned[0]->Name(), L"P");
    EXPECT_EQ(owned[1]->Name(), L"B");
    EXPECT_EQ(owned[2]->Name(), L"Data1");
    EXPECT_EQ(owned[3]->Name(), L"Stored1");
    auto* panel = dynamic_cast<ui::TbsSkinPanel*>(owned[0].get());
    auto* button = dynamic_cast<ui::TbsSkinButton*>(owned[1].get());
    auto* data = dynamic_cast<ui::TbsSkinData*>(owned[2].get());
    ASSERT_TRUE(panel && button && data);
    EXPECT_EQ(panel->Parent(), &form);
    EXPECT_EQ(button->Parent(), panel);
    EXPECT_EQ(button->Owner(), &form);
    EXPECT_EQ(panel->SkinData(), data);
    EXPECT_EQ(button->SkinData(), data);
}

TEST_F(ReaderTest, ResolvesWindowPathsAmongTheLiveForms)
{
    ui::Form main(m_app, nullptr);
    ASSERT_TRUE(Read(main, "object Form1: TForm\n  object bsSkinData1: TbsSkinData\n  end\nend").Ok());
    ui::Form dialog(m_app, &main);
    ASSERT_TRUE(Read(dialog, "object Form2: TForm\n  object Local1: TbsSkinData\n  end\nend").Ok());
    {
        ui::Form gone(m_app, nullptr);
        ASSERT_TRUE(Read(gone, "object Form3: TForm\n  object X: TbsSkinData\n  end\nend").Ok());
    }
    ui::Component* skin = main.FindComponent(L"bsSkinData1");
    ui::Component* local = dialog.FindComponent(L"Local1");
    struct Case {
        const wchar_t* path;
        ui::Component* found;
    };
    const Case cases[] = {
        {L"Local1", local},
        {L"local1", local},
        {L"Form1.bsSkinData1", skin},
        {L"form1.BSSKINDATA1", skin},
        {L"Form2.Local1", local},
        {L"bsSkinData1", nullptr}, // a plain name looks only among the window's own components
        {L"Form9.bsSkinData1", nullptr},
        {L"Form1.Missing", nullptr},
        {L"Form3.X", nullptr}, // destroyed windows are no longer found
        {L"", nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ui::ResolvePath(c.path, dialog, m_app), c.found) << core::WideToUtf8(c.path);
    }
}

} // namespace
