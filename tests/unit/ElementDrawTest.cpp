// Element drawing: size rules, the nine-slice cell layout checked pixel by pixel, stretched client rectangles,
// the push button's looks, the gauge's arithmetic, and what the button, panel and gauge put on a canvas.
#include "skin/ElementDraw.h"

#include "SkinTestFixtures.h"
#include "gfx/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using gfx::Point;
using gfx::Rect;
using gfx::Size;

constexpr gfx::Pixel kBlack = gfx::Rgb(0, 0, 0);

skin::Element MakeElement(Rect skinRect, Point lt, Point rt, Point lb, Point rb, Rect client)
{
    skin::Element e;
    e.skinRect = skinRect;
    e.leftTopPoint = lt;
    e.rightTopPoint = rt;
    e.leftBottomPoint = lb;
    e.rightBottomPoint = rb;
    e.clientRect = client;
    return e;
}

// The four elements of the stored skin that the windows use.
const skin::Element kResizeButton = MakeElement({3, 240, 27, 261}, {5, 5}, {18, 5}, {6, 14}, {18, 15}, {4, 4, 20, 17});
const skin::Element kButton = MakeElement({0, 0, 24, 21}, {4, 8}, {18, 9}, {}, {}, {2, 2, 22, 19});
const skin::Element kPanel = MakeElement({141, 4, 200, 56}, {5, 4}, {53, 6}, {6, 45}, {53, 46}, {2, 2, 57, 50});
const skin::Element kStatusGauge = MakeElement({366, 155, 414, 175}, {4, 9}, {43, 9}, {}, {}, {3, 3, 45, 18});

TEST(ElementDraw, SizeRulesFollowTheirOrder)
{
    const struct {
        const char* name;
        skin::Element element;
        skin::SizeRule rule;
        Size requested;
        Size applied;
    } cases[] = {
        {"resizebutton", kResizeButton, skin::SizeRule::Free, {185, 26}, {185, 26}},
        {"panel", kPanel, skin::SizeRule::Free, {336, 58}, {336, 58}},
        {"button", kButton, skin::SizeRule::Horizontal, {75, 22}, {75, 21}},
        {"statusgauge", kStatusGauge, skin::SizeRule::Horizontal, {336, 24}, {336, 20}},
        {"empty skinrect wins over points", MakeElement({5, 5, 5, 30}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {}),
         skin::SizeRule::None, {40, 50}, {40, 50}},
        {"one zero coordinate of rightbottom is not free", MakeElement({0, 0, 10, 8}, {}, {0, 3}, {}, {6, 0}, {}),
         skin::SizeRule::Horizontal, {40, 50}, {40, 8}},
        {"vertical", MakeElement({0, 0, 10, 8}, {}, {}, {2, 0}, {6, 0}, {}), skin::SizeRule::Vertical, {40, 50},
         {10, 50}},
        {"fixed", MakeElement({0, 0, 10, 8}, {3, 3}, {}, {}, {0, 6}, {}), skin::SizeRule::Fixed, {40, 50}, {10, 8}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(skin::RuleOf(c.element), c.rule) << c.name;
        EXPECT_EQ(skin::ApplySizeRule(c.element, c.requested), c.applied) << c.name;
    }
}

TEST(ElementDraw, ClientRectangleGrowsWithTheControl)
{
    const struct {
        const char* name;
        skin::Element element;
        Size control;
        Rect expected;
    } cases[] = {
        {"main window button", kResizeButton, {185, 26}, {4, 4, 181, 22}},
        {"dialog button", kButton, {75, 21}, {2, 2, 73, 19}},
        {"dialog button given a taller size keeps its height", kButton, {75, 30}, {2, 2, 73, 19}},
        {"dialog panel", kPanel, {336, 58}, {2, 2, 334, 56}},
        {"gauge", kStatusGauge, {336, 20}, {3, 3, 333, 18}},
        {"element size", kResizeButton, {24, 21}, {4, 4, 20, 17}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(skin::StretchedClientRect(c.element, c.control), c.expected) << c.name;
    }
}

// Draws `element`, whose picture is `rows` of letters, into a target of '.' at `dstRect` and returns the target
// as rows of letters. The element lies at 2,1 inside a picture of '#', so reading outside it shows as '#'.
std::vector<std::string> DrawLetters(const std::vector<std::string>& rows, skin::Element element, Size target,
                                     Rect dstRect)
{
    const Size elementSize{int(rows[0].size()), int(rows.size())};
    const gfx::Bitmap picture =
        skintest::LetterPicture(rows, {2, 1}, {elementSize.width + 4, elementSize.height + 3});
    element.skinRect = Rect::FromSize(2, 1, elementSize.width, elementSize.height);
    gfx::Bitmap out(target.width, target.height, skintest::LetterColor('.'));
    skin::DrawElement(out.View(), dstRect, picture.View(), element.skinRect, element);
    return skintest::LetterRows(out, ".#abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOP");
}

const std::vector<std::string> kFreeSource = {
    "abcdefg",
    "hijklmn",
    "opqrstu",
    "vwxyzAB",
    "CDEFGHI",
    "JKLMNOP",
};

// Corner pieces TL = ab/hi, TR = fg, BL = C/J, BR = OP; strips: top cde, left ov, right nuBI, bottom KLMN;
// client ijklm/pqrst/wxyzA/DEFGH.
skin::Element FreeFixture() { return MakeElement({}, {2, 2}, {5, 1}, {1, 4}, {5, 5}, {1, 1, 6, 5}); }

TEST(ElementDraw, FreeElementRepeatsStripsAndClientBetweenUnchangedCorners)
{
    const std::vector<std::string> expected = {
        "...........",
        "..abcdecdfg",
        "..hijklmijn",
        "..opqrstpqu",
        "..vwxyzAwxB",
        "..oDEFGHDEI",
        "..vijklmijn",
        "..Cpqrstpqu",
        "..JKLMNKLOP",
        "...........",
    };
    EXPECT_EQ(DrawLetters(kFreeSource, FreeFixture(), {11, 10}, Rect::FromSize(2, 1, 9, 8)), expected);
}

TEST(ElementDraw, FreeElementWithoutClientRectangleUsesTheRectangleBetweenItsPoints)
{
    skin::Element element = FreeFixture();
    element.clientRect = {};
    const std::vector<std::string> expected = {
        "abcdecdfg",
        "hijkljkmn",
        "opqrsqrtu",
        "vwxyzxyAB",
        "opqrsqrHI",
        "vwxyzxymn",
        "CDEFGDEtu",
        "JKLMNKLOP",
    };
    EXPECT_EQ(DrawLetters(kFreeSource, element, {9, 8}, Rect::FromSize(0, 0, 9, 8)), expected);
}

TEST(ElementDraw, FreeElementSmallerThanItsPictureStaysInsideItsRectangle)
{
    const std::vector<std::string> expected = {
        ".......",
        ".abcfg.",
        ".hijkn.",
        ".Cpqru.",
        ".JKLOP.",
        ".......",
    };
    EXPECT_EQ(DrawLetters(kFreeSource, FreeFixture(), {7, 6}, Rect::FromSize(1, 1, 5, 4)), expected);
}

TEST(ElementDraw, FreeElementAtItsOwnSizeIsACopy)
{
    std::vector<std::string> expected = {"........."};
    for (const auto& row : kFreeSource) {
        expected.push_back("." + row + ".");
    }
    expected.push_back(".........");
    EXPECT_EQ(DrawLetters(kFreeSource, FreeFixture(), {9, 8}, Rect::FromSize(1, 1, 7, 6)), expected);
}

TEST(ElementDraw, HorizontalElementRepeatsTheMiddleBetweenItsEnds)
{
    // Ends ab/gh/mn and ef/kl/qr; middle cd/ij/op; client hijk.
    const std::vector<std::string> source = {"abcdef", "ghijkl", "mnopqr"};
    const skin::Element element = MakeElement({}, {2, 1}, {4, 1}, {}, {}, {1, 1, 5, 2});
    const std::vector<std::string> expected = {
        "abcdcdcef",
        "ghijkhikl",
        "mnopopoqr",
        ".........", // taller than the element: the rest is left alone
        ".........",
    };
    EXPECT_EQ(DrawLetters(source, element, {9, 5}, Rect::FromSize(0, 0, 9, 5)), expected);
}

TEST(ElementDraw, VerticalElementRepeatsTheMiddleBetweenItsEnds)
{
    // Ends abc/def and mno/pqr; middle ghi/jkl; client ehkn.
    const std::vector<std::string> source = {"abc", "def", "ghi", "jkl", "mno", "pqr"};
    const skin::Element element = MakeElement({}, {1, 2}, {}, {1, 4}, {}, {1, 1, 2, 5});
    const std::vector<std::string> expected = {"abc", "def", "ghi", "jkl", "gni", "jel", "ghi", "mno", "pqr"};
    EXPECT_EQ(DrawLetters(source, element, {3, 9}, Rect::FromSize(0, 0, 3, 9)), expected);
}

TEST(ElementDraw, FixedElementIsCopiedAtItsOwnSize)
{
    const std::vector<std::string> source = {"abc", "def"};
    const skin::Element element = MakeElement({}, {1, 1}, {}, {}, {}, {});
    const std::vector<std::string> expected = {"abc.", "def.", "...."};
    EXPECT_EQ(DrawLetters(source, element, {4, 3}, Rect::FromSize(0, 0, 4, 3)), expected);
}

TEST(ElementDraw, PartlyOutsideTheTargetDrawsOnlyTheVisiblePart)
{
    const std::vector<std::string> expected = {
        "lmijn",
        "stpqu",
        "zAwxB",
    };
    EXPECT_EQ(DrawLetters(kFreeSource, FreeFixture(), {5, 3}, Rect::FromSize(-4, -1, 9, 8)), expected);
}

TEST(ElementDraw, PointsOutsideTheElementAreKeptInsideIt)
{
    const std::vector<std::string> source = {"abc", "def"};
    const skin::Element element = MakeElement({}, {50, 50}, {60, 0}, {0, 70}, {90, 90}, {0, 0, 99, 99});
    const std::vector<std::string> rows = DrawLetters(source, element, {6, 4}, Rect::FromSize(0, 0, 6, 4));
    for (const auto& row : rows) {
        EXPECT_EQ(row.find('#'), std::string::npos) << row;
        EXPECT_EQ(row.find('?'), std::string::npos) << row;
    }
}

TEST(ElementDraw, ButtonLooksPickRectanglesAndColours)
{
    skin::Element button = kButton;
    button.fontColor = 0;
    button.button = {{48, 0, 72, 21}, {24, 0, 48, 21}, {110, 83, 134, 104}, 11, 22, 8421504};
    skin::Element resize = kResizeButton;
    resize.button = {{27, 240, 51, 261}, {51, 240, 75, 261}, {}, 0, 0, 0};
    skin::Element bare = kButton; // no hot, pressed or disabled rectangles
    bare.fontColor = 5;
    bare.button.disabledFontColor = 7;

    using skin::ButtonLook;
    using skin::Enabled;
    const struct {
        const char* name;
        const skin::Element& element;
        ButtonLook look;
        Enabled enabled;
        Rect rect;
        uint32_t color;
        Point offset;
    } cases[] = {
        {"button normal", button, ButtonLook::Normal, Enabled::Yes, {0, 0, 24, 21}, 0, {0, 0}},
        {"button hot", button, ButtonLook::Hot, Enabled::Yes, {48, 0, 72, 21}, 11, {0, 0}},
        {"button pressed", button, ButtonLook::Pressed, Enabled::Yes, {24, 0, 48, 21}, 22, {1, 1}},
        {"button disabled", button, ButtonLook::Normal, Enabled::No, {110, 83, 134, 104}, 8421504, {0, 0}},
        {"button disabled hot", button, ButtonLook::Hot, Enabled::No, {110, 83, 134, 104}, 8421504, {0, 0}},
        {"resizebutton disabled shows its normal look", resize, ButtonLook::Normal, Enabled::No, {3, 240, 27, 261},
         0, {0, 0}},
        {"resizebutton disabled hot shows its hot look", resize, ButtonLook::Hot, Enabled::No, {27, 240, 51, 261},
         0, {0, 0}},
        {"resizebutton disabled pressed", resize, ButtonLook::Pressed, Enabled::No, {51, 240, 75, 261}, 0, {1, 1}},
        {"no hot rectangle: skinrect", bare, ButtonLook::Hot, Enabled::Yes, {0, 0, 24, 21}, 0, {0, 0}},
        {"no pressed rectangle: hot rectangle", bare, ButtonLook::Pressed, Enabled::Yes, {0, 0, 24, 21}, 0, {1, 1}},
        {"bare disabled colour", bare, ButtonLook::Normal, Enabled::No, {0, 0, 24, 21}, 7, {0, 0}},
    };
    for (const auto& c : cases) {
        const skin::ButtonFace face = skin::FaceFor(c.element, c.look, c.enabled);
        EXPECT_EQ(face.pictureRect, c.rect) << c.name;
        EXPECT_EQ(face.textColor, c.color) << c.name;
        EXPECT_EQ(face.textOffset, c.offset) << c.name;
    }
}

TEST(ElementDraw, GaugeArithmeticRoundsHalvesToEven)
{
    const struct {
        int area, min, max, value, width;
    } widths[] = {
        {43, 0, 100, 50, 22},  // 21.5
        {41, 0, 100, 50, 20},  // 20.5
        {331, 0, 100, 50, 166}, // 165.5
        {42, 0, 100, 50, 21},
        {10, 0, 3, 1, 3},      // 3.33
        {10, 0, 3, 2, 7},      // 6.67
        {100, 0, 100, 150, 100},
        {100, 0, 100, -5, 0},
        {100, 5, 5, 5, 0},     // empty range
        {100, 10, 0, 5, 0},    // reversed range
        {0, 0, 100, 50, 0},
        {INT_MAX, INT_MIN, INT_MAX, 0, 1073741824}, // no overflow at the extremes
    };
    for (const auto& c : widths) {
        EXPECT_EQ(skin::GaugeFillWidth(c.area, c.min, c.max, c.value), c.width)
            << c.area << " " << c.min << ".." << c.max << " at " << c.value;
    }
    const struct {
        int min, max, value, percent;
    } percents[] = {
        {0, 100, 50, 50}, {0, 8, 1, 12}, {0, 8, 3, 38}, {0, 200, 1, 0}, {0, 200, 3, 2}, {-50, 50, 0, 50},
        {0, 0, 0, 0},     {INT_MIN, INT_MAX, INT_MAX, 100},
    };
    for (const auto& c : percents) {
        EXPECT_EQ(skin::GaugePercent(c.min, c.max, c.value), c.percent) << c.min << ".." << c.max << " at " << c.value;
    }
}

TEST(ElementDraw, CentredTextTruncatesEachHalf)
{
    EXPECT_EQ(skin::CenteredTextOrigin({336, 20}, {18, 12}), (Point{159, 4}));
    EXPECT_EQ(skin::CenteredTextOrigin({75, 21}, {25, 13}), (Point{25, 4}));
    EXPECT_EQ(skin::CenteredTextOrigin({177, 18}, {24, 12}), (Point{76, 3}));
}

class SkinnedControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_skin.Load(skintest::Lines(skintest::kSmallSkin), skintest::SmallPictures());
        ASSERT_TRUE(m_skin.Loaded());
    }
    const skin::Element& Element(const char* name) { return *m_skin.FindElement(name); }

    skin::SkinData m_skin;
};

TEST_F(SkinnedControls, ButtonDrawsTheLookAndCentresTheCaptionInTheStretchedClient)
{
    using skin::ButtonLook;
    using skin::Enabled;
    const struct {
        const char* name;
        const char* element;
        Size size;
        ButtonLook look;
        Enabled enabled;
        gfx::Pixel face;
        Point textAt;
        gfx::Pixel text;
    } cases[] = {
        // Client 4,4,181,22 (177 x 18); "安装" is 24 x 12: 4 + 88 - 12, 4 + 9 - 6.
        {"main normal", "resizebutton", {185, 26}, ButtonLook::Normal, Enabled::Yes, skintest::kResizeNormal, {80, 7}, kBlack},
        {"main hot", "resizebutton", {185, 26}, ButtonLook::Hot, Enabled::Yes, skintest::kResizeActive, {80, 7}, kBlack},
        {"main pressed", "resizebutton", {185, 26}, ButtonLook::Pressed, Enabled::Yes, skintest::kResizeDown, {81, 8}, kBlack},
        {"main disabled", "resizebutton", {185, 26}, ButtonLook::Normal, Enabled::No, skintest::kResizeNormal, {80, 7}, kBlack},
        // Client 2,2,73,19 (71 x 17): 2 + 35 - 12, 2 + 8 - 6.
        {"dialog normal", "button", {75, 21}, ButtonLook::Normal, Enabled::Yes, skintest::kButtonNormal, {25, 4}, kBlack},
        {"dialog pressed", "button", {75, 21}, ButtonLook::Pressed, Enabled::Yes, skintest::kButtonDown, {26, 5}, kBlack},
        {"dialog disabled", "button", {75, 21}, ButtonLook::Normal, Enabled::No, skintest::kButtonDisabled, {25, 4},
         gfx::FromColorRef(8421504)},
    };
    for (const auto& c : cases) {
        gfx::RecordingCanvas canvas({c.size.width + 10, c.size.height + 10}, 0);
        const Rect bounds = Rect::FromSize(3, 2, c.size.width, c.size.height);
        skin::DrawButton(canvas, bounds, m_skin, Element(c.element), c.look, c.enabled, L"安装", gfx::kGb2312Charset);
        const gfx::BitmapView target = canvas.Target();
        EXPECT_EQ(target.At(3, 2), c.face) << c.name;
        EXPECT_EQ(target.At(3 + c.size.width - 1, 2 + c.size.height - 1), c.face) << c.name;
        EXPECT_EQ(target.At(2, 2), 0u) << c.name;
        EXPECT_EQ(target.At(3 + c.size.width, 2), 0u) << c.name;
        ASSERT_EQ(canvas.TextCalls().size(), 1u) << c.name;
        const auto& call = canvas.TextCalls()[0];
        EXPECT_EQ(call.origin, (Point{3 + c.textAt.x, 2 + c.textAt.y})) << c.name;
        EXPECT_EQ(call.color, c.text) << c.name;
        EXPECT_EQ(call.text, L"安装") << c.name;
        EXPECT_EQ(call.font.name, L"宋体") << c.name;
        EXPECT_EQ(call.font.height, -12) << c.name;
        EXPECT_EQ(call.font.charset, gfx::kGb2312Charset) << c.name;
        EXPECT_EQ(target.At(3 + c.textAt.x, 2 + c.textAt.y), c.text) << c.name;
    }
}

TEST_F(SkinnedControls, PanelFillsItsBoundsWithoutCaption)
{
    gfx::RecordingCanvas canvas({340, 60}, 0);
    skin::DrawPanel(canvas, {0, 0, 336, 58}, m_skin, Element("panel"));
    EXPECT_TRUE(canvas.TextCalls().empty());
    EXPECT_EQ(canvas.Target().At(0, 0), skintest::kPanelFace);
    EXPECT_EQ(canvas.Target().At(335, 57), skintest::kPanelFace);
    EXPECT_EQ(canvas.Target().At(336, 57), 0u);
}

TEST_F(SkinnedControls, GaugeFillsHalfItsStretchedAreaAndCentresThePercentage)
{
    gfx::RecordingCanvas canvas({336, 20}, 0);
    skin::DrawGauge(canvas, {0, 0, 336, 20}, m_skin, Element("statusgauge"), 0, 100, 50, gfx::kDefaultCharset);
    // Area 3,3,334,18 (331 wide): 165.5 rounds to 166, so the fill ends at x 169.
    const gfx::BitmapView t = canvas.Target();
    const struct {
        int x;
        gfx::Pixel expected;
    } row16[] = {
        {2, skintest::kGaugeTrack},      {3, skintest::kProgressBegin},  {4, skintest::kProgressBegin},
        {5, skintest::kProgressMiddle},  {150, skintest::kProgressMiddle}, {166, skintest::kProgressMiddle},
        {167, skintest::kProgressEnd},   {168, skintest::kProgressEnd},  {169, skintest::kGaugeTrack},
        {335, skintest::kGaugeTrack},
    };
    for (const auto& p : row16) { // below the text, which covers rows 4 to 15
        EXPECT_EQ(t.At(p.x, 16), p.expected) << "x " << p.x;
    }
    EXPECT_EQ(t.At(100, 2), skintest::kGaugeTrack);
    EXPECT_EQ(t.At(100, 3), skintest::kProgressMiddle);
    EXPECT_EQ(t.At(100, 17), skintest::kProgressMiddle);
    EXPECT_EQ(t.At(100, 18), skintest::kGaugeTrack);
    ASSERT_EQ(canvas.TextCalls().size(), 1u);
    EXPECT_EQ(canvas.TextCalls()[0].text, L"50%");
    EXPECT_EQ(canvas.TextCalls()[0].origin, (Point{159, 4})); // "50%" is 18 x 12
    EXPECT_EQ(canvas.TextCalls()[0].color, kBlack);
    EXPECT_EQ(canvas.TextCalls()[0].font.name, L"宋体");
}

TEST(ElementDraw, PlainLooksAreClearlyDifferent)
{
    const gfx::Font font{L"Arial", 14, gfx::FontStyle::Regular, gfx::kDefaultCharset};
    using skin::ButtonLook;
    using skin::Enabled;
    gfx::Pixel faces[3] = {};
    Point origins[3] = {};
    const ButtonLook looks[3] = {ButtonLook::Normal, ButtonLook::Hot, ButtonLook::Pressed};
    for (int i = 0; i < 3; ++i) {
        gfx::RecordingCanvas canvas({75, 21}, 0);
        skin::DrawPlainButton(canvas, {0, 0, 75, 21}, looks[i], Enabled::Yes, L"OK", font);
        faces[i] = canvas.Target().At(10, 10);
        ASSERT_EQ(canvas.TextCalls().size(), 1u);
        origins[i] = canvas.TextCalls()[0].origin;
        EXPECT_NE(canvas.Target().At(0, 0), faces[i]) << "border";
    }
    EXPECT_NE(faces[0], faces[1]);
    EXPECT_NE(faces[0], faces[2]);
    EXPECT_NE(faces[1], faces[2]);
    EXPECT_EQ(origins[1], origins[0]);
    EXPECT_EQ(origins[2], (Point{origins[0].x + 1, origins[0].y + 1}));

    gfx::RecordingCanvas gauge({100, 20}, 0);
    skin::DrawPlainGauge(gauge, {0, 0, 100, 20}, 0, 100, 50, font);
    ASSERT_EQ(gauge.TextCalls().size(), 1u);
    EXPECT_EQ(gauge.TextCalls()[0].text, L"50%");
    EXPECT_NE(gauge.Target().At(2, 2), gauge.Target().At(97, 2)); // filled half and empty half
}

} // namespace
