#include "core/Text.h"

#include <gtest/gtest.h>

namespace {

TEST(Text, Utf8RoundTripKeepsChineseAndAstralCharacters)
{
    const std::wstring wide = L"软件安装 \U0001F4E6 wall.jpg";
    EXPECT_EQ(core::WideToUtf8(wide), "软件安装 \xF0\x9F\x93\xA6 wall.jpg");
    EXPECT_EQ(core::Utf8ToWide(core::WideToUtf8(wide)), wide);
}

TEST(Text, MalformedUtf8BecomesReplacementCharacters)
{
    struct Case {
        const char* name;
        std::string input;
        std::wstring expected;
    };
    const Case cases[] = {
        {"lone continuation", "a\x80z", L"a\uFFFDz"},
        {"truncated lead at end", "ab\xE8\xBD", L"ab\uFFFD\uFFFD"},
        {"overlong slash", "\xC0\xAF", L"\uFFFD\uFFFD"},
        {"surrogate", "\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"},
        {"invalid lead", "\xFF", L"\uFFFD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(core::Utf8ToWide(c.input), c.expected) << c.name;
    }
}

TEST(Text, CaseFoldingIsAsciiOnly)
{
    EXPECT_TRUE(core::EqualsIgnoreAsciiCase(L"FORM1", L"form1"));
    EXPECT_TRUE(core::EqualsIgnoreAsciiCase(std::string("unenabledfontColor"), std::string("UNENABLEDFONTCOLOR")));
    EXPECT_FALSE(core::EqualsIgnoreAsciiCase(L"Form1", L"Form2"));
    EXPECT_EQ(core::AsciiLower(std::wstring(L"JPG软")), L"jpg软");
}

} // namespace
