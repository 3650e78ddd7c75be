// The skin INI reader: malformed input, line ends, lookups without regard to case, and the typed value forms.
#include "skin/Ini.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using namespace std::string_literals;

struct LookupCase {
    const char* name;
    std::string text;
    const char* section;
    std::string key;
    std::optional<std::string> expected;
};

TEST(Ini, ReadsValuesFromAwkwardInput)
{
    const std::string longValue(100000, 'x');
    const LookupCase cases[] = {
        {"plain", "[s]\nk=v\n", "s", "k", "v"},
        {"line before the first section is ignored", "k=v\n[s]\n", "s", "k", std::nullopt},
        {"bracket line without ] opens nothing", "[s]\n[broken\nk=v\n", "s", "k", "v"},
        {"bracket line without ] is no section", "[s]\n[broken\nk=v\n", "broken", "k", std::nullopt},
        {"bracket line without ] is no key", "[s]\n[a=b\n", "s", "[a", std::nullopt},
        {"text after ] is ignored", "[s] trailing\nk=v\n", "s", "k", "v"},
        {"line without = is skipped", "[s]\njunk\nk=v\n", "s", "k", "v"},
        {"comment line", "[s]\n;k=c\nk=v\n", "s", "k", "v"},
        {"NUL bytes are ordinary characters", "[s]\nk=a\0b\n"s, "s", "k", "a\0b"s},
        {"NUL in a key", "[s]\nk\0x=v\n"s, "s", "k\0x"s, "v"},
        {"byte-order mark skipped", "\xEF\xBB\xBF[s]\nk=v", "s", "k", "v"},
        {"CR-only line ends", "[s]\rj=w\rk=v\r", "s", "k", "v"},
        {"CRLF line ends", "[s]\r\nk=v\r\n", "s", "k", "v"},
        {"mixed line ends", "[s]\nj=w\r\n\rk=v", "s", "k", "v"},
        {"very long value", "[s]\nk=" + longValue + "\n", "s", "k", longValue},
        {"very long line without =", "[s]\n" + longValue + "\nk=v", "s", "k", "v"},
        {"duplicate key: first wins", "[s]\nk=1\nk=2\n", "s", "k", "1"},
        {"duplicate section: first wins", "[s]\nk=1\n[S]\nk=2\n", "s", "k", "1"},
        {"key matched without regard to case", "[s]\nunenabledfontColor=8421504\n", "s", "UNENABLEDFONTCOLOR",
         "8421504"},
        {"section matched without regard to case", "[SkinObjects]\ncount=12\n", "SKINOBJECTS", "count", "12"},
        {"empty lines do not end a section", "[caption]\nx=1\n\n\nalignment=taleftjustify\n[next]\n", "caption",
         "alignment", "taleftjustify"},
        {"blanks around key and value trimmed", "[s]\n \t k \t = a b \t\n", "s", "k", "a b"},
        {"value keeps later =", "[s]\nk=a=b\n", "s", "k", "a=b"},
        {"empty value", "[s]\nk=\n", "s", "k", ""},
        {"empty key ignored", "[s]\n=v\n", "s", "", std::nullopt},
        {"section name trimmed", "[ s ]\nk=v\n", "s", "k", "v"},
        {"no final line end", "[s]\nk=v", "s", "k", "v"},
    };
    for (const auto& c : cases) {
        const skin::IniFile ini = skin::IniFile::Parse(c.text);
        const skin::IniSection* section = ini.FindSection(c.section);
        const std::string* value = section ? section->Find(c.key) : nullptr;
        ASSERT_EQ(value != nullptr, c.expected.has_value()) << c.name;
        if (value) {
            EXPECT_EQ(*value, *c.expected) << c.name;
        }
    }
}

TEST(Ini, KeepsSectionsAndEntriesInOrderWithDuplicates)
{
    const skin::IniFile ini = skin::IniFile::Parse("junk\n[a]\nk=1\nnoise\nk=2\n\n[b]\n[a]\nz=3\n");
    ASSERT_EQ(ini.Sections().size(), 3u);
    EXPECT_EQ(ini.Sections()[0].Name(), "a");
    EXPECT_EQ(ini.Sections()[1].Name(), "b");
    EXPECT_EQ(ini.Sections()[2].Name(), "a");
    ASSERT_EQ(ini.Sections()[0].Entries().size(), 2u);
    EXPECT_EQ(ini.Sections()[0].Entries()[1].value, "2");
    EXPECT_EQ(ini.FindSection("a")->Find("z"), nullptr);
}

TEST(Ini, FromLinesSkipsTheMarkAndStrayLineEnds)
{
    const skin::IniFile ini = skin::IniFile::FromLines({"\xEF\xBB\xBF[VERSION]\r", "skinname=winxpgreen\r", "",
                                                        "[PICTURES]", "picture=main.bmp"});
    ASSERT_NE(ini.FindSection("version"), nullptr);
    EXPECT_EQ(ini.FindSection("version")->GetString("skinname"), "winxpgreen");
    EXPECT_EQ(ini.FindSection("pictures")->GetString("picture"), "main.bmp");
}

TEST(Ini, ParsesIntegersInSigned32BitRangeOnly)
{
    const struct {
        const char* text;
        std::optional<int> expected;
    } cases[] = {
        {"0", 0},
        {"-12", -12},
        {"14", 14},
        {"007", 7},
        {"-0", 0},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"+1", std::nullopt},
        {"1a", std::nullopt},
        {"0x10", std::nullopt},
        {"1 2", std::nullopt},
        {"--1", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(skin::ParseInteger(c.text), c.expected) << c.text;
    }
}

TEST(Ini, ParsesPointsAndRectanglesOfNonNegativeIntegers)
{
    const struct {
        const char* text;
        std::optional<gfx::Point> point;
        std::optional<gfx::Rect> rect;
    } cases[] = {
        {"29,29", gfx::Point{29, 29}, std::nullopt},
        {"5, 6", gfx::Point{5, 6}, std::nullopt},
        {"3,240,27,261", std::nullopt, gfx::Rect{3, 240, 27, 261}},
        {"0,0,0,0", std::nullopt, gfx::Rect{}},
        {" 1 , 2 , 3 , 4 ", std::nullopt, gfx::Rect{1, 2, 3, 4}},
        {"-1,2", std::nullopt, std::nullopt},
        {"1,-2,3,4", std::nullopt, std::nullopt},
        {"1", std::nullopt, std::nullopt},
        {"1,2,3", std::nullopt, std::nullopt},
        {"1,2,3,4,5", std::nullopt, std::nullopt},
        {"1,,3,4", std::nullopt, std::nullopt},
        {",", std::nullopt, std::nullopt},
        {"a,b", std::nullopt, std::nullopt},
        {"1,2,3,99999999999", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(skin::ParsePoint(c.text), c.point) << c.text;
        EXPECT_EQ(skin::ParseRect(c.text), c.rect) << c.text;
    }
}

TEST(Ini, ParsesFontStylesAlignmentsAndCommands)
{
    using gfx::FontStyle;
    EXPECT_EQ(skin::ParseFontStyle(""), FontStyle::Regular);
    EXPECT_EQ(skin::ParseFontStyle("fsbold"), FontStyle::Bold);
    EXPECT_EQ(skin::ParseFontStyle("fsBold, fsItalic"), FontStyle::Bold | FontStyle::Italic);
    EXPECT_EQ(skin::ParseFontStyle("fsunderline,fsstrikeout"), FontStyle::Underline | FontStyle::StrikeOut);
    EXPECT_EQ(skin::ParseFontStyle("bogus,,fsbold,"), FontStyle::Bold);

    EXPECT_EQ(skin::ParseAlignment("taLeftJustify"), skin::Alignment::Left);
    EXPECT_EQ(skin::ParseAlignment("tacenter"), skin::Alignment::Center);
    EXPECT_EQ(skin::ParseAlignment("tarightjustify"), skin::Alignment::Right);
    EXPECT_EQ(skin::ParseAlignment("left"), std::nullopt);

    const struct {
        const char* text;
        std::optional<skin::Command> expected;
    } commands[] = {
        {"cmclose", skin::Command::Close},     {"cmMaximize", skin::Command::Maximize},
        {"cmminimize", skin::Command::Minimize}, {"cmsysmenu", skin::Command::SysMenu},
        {"cmrollup", skin::Command::RollUp},   {"cmdefault", skin::Command::Default},
        {"close", std::nullopt},
    };
    for (const auto& c : commands) {
        EXPECT_EQ(skin::ParseCommand(c.text), c.expected) << c.text;
    }
}

TEST(Ini, TypedGettersFallBackOnMissingOrMalformedValues)
{
    const skin::IniFile ini = skin::IniFile::Parse("[s]\n"
                                                   "num=-12\nbad=12x\ncolor=8421504\nnegcolor=-1\n"
                                                   "one=1\ntwo=2\nrect=3,240,27,261\nbadrect=1,2,3\n"
                                                   "align=taleftjustify\nbadalign=middle\ncmd=cmclose\n"
                                                   "font=宋体\nemptyfont=\nstyle=fsbold\n");
    const skin::IniSection& s = *ini.FindSection("s");
    EXPECT_EQ(s.GetInteger("num", 5), -12);
    EXPECT_EQ(s.GetInteger("bad", 5), 5);
    EXPECT_EQ(s.GetInteger("missing", 5), 5);
    EXPECT_EQ(s.GetPictureIndex("missing"), -1);
    EXPECT_EQ(s.GetColor("color"), 8421504u);
    EXPECT_EQ(s.GetColor("negcolor"), 0xFFFFFFFFu);
    EXPECT_EQ(s.GetColor("missing"), 0u);
    EXPECT_TRUE(s.GetFlag("one"));
    EXPECT_FALSE(s.GetFlag("two"));
    EXPECT_FALSE(s.GetFlag("missing"));
    EXPECT_EQ(s.GetRect("rect"), (gfx::Rect{3, 240, 27, 261}));
    EXPECT_EQ(s.GetRect("badrect", {1, 1, 2, 2}), (gfx::Rect{1, 1, 2, 2}));
    EXPECT_EQ(s.GetRect("missing"), gfx::Rect{});
    EXPECT_EQ(s.GetPoint("missing"), gfx::Point{});
    EXPECT_EQ(s.GetAlignment("align"), skin::Alignment::Left);
    EXPECT_EQ(s.GetAlignment("badalign"), skin::Alignment::Center);
    EXPECT_EQ(s.GetAlignment("missing"), skin::Alignment::Center);
    EXPECT_EQ(s.GetCommand("cmd"), skin::Command::Close);
    EXPECT_EQ(s.GetCommand("missing"), skin::Command::Default);
    EXPECT_EQ(s.GetFontName("font"), "宋体");
    EXPECT_EQ(s.GetFontName("emptyfont"), "Arial");
    EXPECT_EQ(s.GetFontName("missing"), "Arial");
    EXPECT_EQ(s.GetFontHeight("missing"), 14);
    EXPECT_EQ(s.GetFontStyle("style"), gfx::FontStyle::Bold);
    EXPECT_EQ(s.GetFontStyle("missing"), gfx::FontStyle::Regular);
    EXPECT_EQ(s.GetString("missing", "dflt"), "dflt");
}

} // namespace
