// Caption text: font, colours, shadow and position in the caption area, alignment, shortening with "...", and
// the order of the drawing calls. Text is measured by the recording canvas's fixed rule: ASCII characters 6
// pixels wide, others 12, all 12 high.
#include "skin/FrameCaption.h"

#include "FrameTestSkin.h"
#include "gfx/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

using gfx::Point;
using gfx::Rect;

const std::wstring kCaption = L"\u8F6F\u4EF6\u5B89\u88C5"; // 软件安装

skin::FrameLayout MainLayout(gfx::Size window)
{
    const auto objects = skin::BuildFrameObjects(frametest::FrameSkin(), skin::kMainWindowIcons);
    return skin::LayoutFrame(frametest::FrameSkin(), objects, window);
}

TEST(FrameCaption, LaidOutInTheCaptionAreaWithItsShadow)
{
    gfx::RecordingCanvas canvas({567, 455}, 0);
    const struct {
        const char* name;
        skin::Active active;
        gfx::Pixel shadow;
    } cases[] = {
        {"active: black shadow", skin::Active::Yes, gfx::Rgb(0, 0, 0)},
        {"inactive: silver shadow", skin::Active::No, gfx::Rgb(192, 192, 192)},
    };
    for (const auto& c : cases) {
        const auto text = skin::LayoutCaption(skin::MeasureWith(canvas), MainLayout({567, 455}), kCaption, c.active);
        ASSERT_TRUE(text.has_value()) << c.name;
        EXPECT_EQ(text->font.name, L"\u5B8B\u4F53") << c.name;
        EXPECT_EQ(text->font.height, -12) << c.name;
        EXPECT_EQ(text->font.style, gfx::FontStyle::Bold) << c.name;
        EXPECT_EQ(text->font.charset, gfx::kGb2312Charset) << c.name;
        EXPECT_EQ(text->text, kCaption) << c.name;
        EXPECT_EQ(text->clip, (Rect{27, 6, 471, 24})) << c.name;
        // Left-aligned at the text area's left; top = 6 + 18/2 - 12/2.
        EXPECT_EQ(text->origin, (Point{27, 9})) << c.name;
        EXPECT_EQ(text->color, gfx::Rgb(255, 255, 255)) << c.name;
        EXPECT_EQ(text->shadowOrigin, (Point{28, 10})) << c.name;
        EXPECT_EQ(text->shadowColor, c.shadow) << c.name;
    }
}

TEST(FrameCaption, AlignmentAndOddHeightsRoundHalvesDown)
{
    gfx::RecordingCanvas canvas({10, 10}, 0);
    skin::SkinObject caption = *frametest::FrameSkin().FindObject("caption");
    caption.caption.textRect = {0, 1, 29, 18}; // 17 rows high
    const Rect area{27, 6, 127, 24};           // 71 pixels wider than the skinrect: text area 27,7,127,24
    const struct {
        const char* name;
        skin::Alignment alignment;
        int fontHeight;
        Point origin;
    } cases[] = {
        {"left", skin::Alignment::Left, -12, {27, 7 + 8 - 6}},
        {"centre", skin::Alignment::Center, -12, {27 + (100 - 36) / 2, 7 + 8 - 6}},
        {"right", skin::Alignment::Right, -12, {127 - 36, 7 + 8 - 6}},
        {"odd text height", skin::Alignment::Left, -11, {27, 7 + 8 - 5}},
    };
    for (const auto& c : cases) {
        caption.caption.alignment = c.alignment;
        caption.caption.font.height = c.fontHeight;
        const skin::CaptionText text =
            skin::LayoutCaption(skin::MeasureWith(canvas), caption, area, L"abcdef", skin::Active::Yes);
        EXPECT_EQ(text.clip, (Rect{27, 7, 127, 24})) << c.name;
        EXPECT_EQ(text.origin, c.origin) << c.name;
    }
}

TEST(FrameCaption, TooWideTextIsShortenedWithAnEllipsis)
{
    gfx::RecordingCanvas canvas({10, 10}, 0);
    gfx::Font font;
    font.height = -12;
    const struct {
        const char* name;
        std::wstring text;
        int width;
        std::wstring fitted;
    } cases[] = {
        {"fits exactly", L"ABCDEFGH", 48, L"ABCDEFGH"},
        {"one pixel short", L"ABCDEFGH", 47, L"ABCD..."},
        {"room for the ellipsis only", L"ABCDEFGH", 23, L"..."},
        {"not even the ellipsis", L"ABCDEFGH", 5, L"..."},
        {"wide characters", kCaption, 42, L"\u8F6F\u4EF6..."},
        {"wide characters, one short", kCaption, 41, L"\u8F6F..."},
        {"empty", L"", 0, L""},
        {"a surrogate pair is not cut", std::wstring(L"A") + wchar_t(0xD83D) + wchar_t(0xDE00) + L"BBBBBB", 40,
         L"A..."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(skin::FitText(skin::MeasureWith(canvas), font, c.text, c.width), c.fitted) << c.name;
    }
}

TEST(FrameCaption, NarrowWindowShortensTheCaption)
{
    gfx::RecordingCanvas canvas({152, 34}, 0);
    // At the minimum width the caption area is 29 pixels: only "..." is left.
    const auto text = skin::LayoutCaption(skin::MeasureWith(canvas), MainLayout({152, 34}), kCaption, skin::Active::Yes);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->text, L"...");
    EXPECT_EQ(text->clip, (Rect{27, 6, 56, 24}));
}

TEST(FrameCaption, ShadowIsDrawnFirstThenTheText)
{
    gfx::RecordingCanvas canvas({567, 455}, 0);
    const auto text = skin::LayoutCaption(skin::MeasureWith(canvas), MainLayout({567, 455}), kCaption, skin::Active::No);
    ASSERT_TRUE(text.has_value());
    skin::DrawCaption(canvas, *text);
    const auto& calls = canvas.TextCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].origin, (Point{28, 10}));
    EXPECT_EQ(calls[0].color, gfx::Rgb(192, 192, 192));
    EXPECT_EQ(calls[1].origin, (Point{27, 9}));
    EXPECT_EQ(calls[1].color, gfx::Rgb(255, 255, 255));
    for (const auto& call : calls) {
        EXPECT_EQ(call.clip, (Rect{27, 6, 471, 24}));
        EXPECT_EQ(call.text, kCaption);
    }
}

} // namespace
