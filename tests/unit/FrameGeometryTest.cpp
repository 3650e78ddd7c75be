// Frame geometry and composition: the measures, the composition table derived from [FORMINFO], every composed
// pixel traced back to its picture pixel, and the client background.
#include "skin/FrameGeometry.h"

#include "FrameTestSkin.h"
#include "gfx/Draw.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using frametest::Source;
using gfx::Rect;
using gfx::Size;
using skin::FramePiece;
using skin::SliceFill;

constexpr gfx::Pixel kUntouched = gfx::Rgb(1, 2, 3);

TEST(FrameGeometry, MeasuresComeFromClientRectAndPictureSize)
{
    const skin::FrameGeometry g(frametest::FrameSkin());
    EXPECT_EQ(g.Margins(), (Rect{5, 29, 5, 5}));
    EXPECT_EQ(g.NonClientSize(), (Size{10, 34}));
    EXPECT_EQ(g.MinimumWindowSize(), (Size{152, 34}));
    EXPECT_EQ(g.WindowSizeForClient({557, 421}), (Size{567, 455}));
    EXPECT_EQ(g.EnforceMinimum({100, 500}), (Size{152, 500}));
    EXPECT_EQ(g.EnforceMinimum({600, 20}), (Size{600, 34}));

    const struct {
        Size window;
        Rect client;
    } cases[] = {
        {{567, 455}, {5, 29, 562, 450}},
        {{1024, 738}, {5, 29, 1019, 733}},
        {{152, 34}, {}}, // no room left for a client area
    };
    for (const auto& c : cases) {
        EXPECT_EQ(g.ClientRect(c.window), c.client) << c.window.width << "x" << c.window.height;
    }
}

TEST(FrameGeometry, SkinValuesOutsideThePictureAreClamped)
{
    skin::FormInfo info;
    info.clientRect = {200, 40, 180, 300}; // left beyond the picture, right before left, bottom beyond it
    info.points = {{500, 2}, {3, 500}, {}, {}};
    const skin::FrameGeometry g(info, {152, 125});
    EXPECT_EQ(g.PictureClientRect(), (Rect{152, 40, 152, 125}));
    EXPECT_EQ(g.Points().leftTop, (gfx::Point{152, 2}));
    EXPECT_EQ(g.Points().rightTop, (gfx::Point{3, 125}));
    EXPECT_EQ(g.Margins(), (Rect{152, 40, 0, 0}));
}

// The composition table at 567 x 455, in painting order: the repeated strip, the end, then the start.
TEST(FrameGeometry, CompositionTableAtTheStartSize)
{
    using enum FramePiece;
    const std::vector<skin::FrameSlice> expected = {
        {CaptionBand, SliceFill::Repeat, {29, 0, 53, 29}, {29, 0, 468, 29}},
        {CaptionBand, SliceFill::Copy, {53, 0, 152, 29}, {468, 0, 567, 29}}, // 99 columns at the right edge
        {CaptionBand, SliceFill::Copy, {0, 0, 29, 29}, {0, 0, 29, 29}},
        {LeftBorder, SliceFill::Repeat, {0, 29, 5, 118}, {0, 29, 5, 448}},
        {LeftBorder, SliceFill::Copy, {0, 118, 5, 120}, {0, 448, 5, 450}}, // rows 118 and 119 at the lower end
        {RightBorder, SliceFill::Repeat, {147, 29, 152, 119}, {562, 29, 567, 449}},
        {RightBorder, SliceFill::Copy, {147, 119, 152, 120}, {562, 449, 567, 450}}, // row 119 at the lower end
        {BottomBorder, SliceFill::Repeat, {6, 120, 146, 125}, {6, 450, 561, 455}},
        {BottomBorder, SliceFill::Copy, {146, 120, 152, 125}, {561, 450, 567, 455}},
        {BottomBorder, SliceFill::Copy, {0, 120, 6, 125}, {0, 450, 6, 455}},
    };
    const auto slices = skin::FrameSlices(skin::FrameGeometry(frametest::FrameSkin()), {567, 455});
    ASSERT_EQ(slices.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(slices[i], expected[i]) << "slice " << i;
    }
}

// Where the frame's pixel (x, y) of a W x H window comes from, written straight from the stored skin's numbers:
// caption band columns 0-28 | 29-52 repeated | 53-151; bottom border 0-5 | 6-145 repeated | 146-151; left
// border rows 29-117 repeated | 118-119; right border rows 29-118 repeated | 119. Nothing for the client area.
std::optional<gfx::Point> ExpectedSource(int x, int y, int W, int H)
{
    const int dx = W - 152;
    const int dy = H - 125;
    if (y < 29) {
        return gfx::Point{x < 29 ? x : x >= W - 99 ? x - dx : 29 + (x - 29) % 24, y};
    }
    if (y >= H - 5) {
        return gfx::Point{x < 6 ? x : x >= W - 6 ? x - dx : 6 + (x - 6) % 140, y - dy};
    }
    if (x < 5) {
        return gfx::Point{x, y >= H - 7 ? y - dy : 29 + (y - 29) % 89};
    }
    if (x >= W - 5) {
        return gfx::Point{x - dx, y >= H - 6 ? y - dy : 29 + (y - 29) % 90};
    }
    return std::nullopt;
}

TEST(FrameGeometry, EveryComposedPixelComesFromItsPictureCell)
{
    const struct {
        Size window;
        skin::Active active;
        int tag;
    } cases[] = {
        {{567, 455}, skin::Active::Yes, frametest::kFrameTag},
        {{567, 455}, skin::Active::No, frametest::kInactiveTag},
        {{152, 125}, skin::Active::Yes, frametest::kFrameTag}, // the picture's own size: a plain copy
        {{1024, 738}, skin::Active::Yes, frametest::kFrameTag},
        {{153, 35}, skin::Active::No, frametest::kInactiveTag},
    };
    for (const auto& c : cases) {
        const int W = c.window.width;
        const int H = c.window.height;
        gfx::Bitmap window(W, H, kUntouched);
        skin::ComposeFrame(window.View(), frametest::FrameSkin(), c.active);
        int wrong = 0;
        for (int y = 0; y < H; ++y) {
            for (int x = 0; x < W; ++x) {
                const std::optional<gfx::Point> src = ExpectedSource(x, y, W, H);
                const Source expected = src ? Source{src->x, src->y, c.tag} : frametest::SourceOf(kUntouched);
                if (frametest::SourceOf(window.At(x, y)) != expected && ++wrong <= 5) {
                    ADD_FAILURE() << W << "x" << H << " tag " << c.tag << ": pixel " << x << "," << y;
                }
            }
        }
        EXPECT_EQ(wrong, 0) << W << "x" << H << " tag " << c.tag;
    }
}

// Below the minimum size the pieces overlap; nothing may be written outside the window or the pieces.
TEST(FrameGeometry, TinyWindowsAreComposedWithinTheirBounds)
{
    for (const Size size : {Size{40, 20}, Size{1, 1}, Size{152, 34}, Size{12, 40}}) {
        gfx::Bitmap canvas(size.width + 20, size.height + 20, kUntouched);
        const Rect inner{10, 10, 10 + size.width, 10 + size.height};
        skin::ComposeFrame(gfx::SubView(canvas.View(), inner), frametest::FrameSkin(), skin::Active::Yes);
        int outside = 0;
        for (int y = 0; y < canvas.Height(); ++y) {
            for (int x = 0; x < canvas.Width(); ++x) {
                outside += !inner.Contains({x, y}) && canvas.At(x, y) != kUntouched;
            }
        }
        EXPECT_EQ(outside, 0) << size.width << "x" << size.height;
        // The start of each piece wins where the pieces leave no room for their ends.
        EXPECT_EQ(frametest::SourceOf(canvas.At(10, 10)), (Source{0, 0, frametest::kFrameTag}))
            << size.width << "x" << size.height;
    }
}

TEST(FrameGeometry, ClientBackgroundRepeatsTheFramePicturesClientPiece)
{
    gfx::Bitmap client(300, 200, kUntouched);
    skin::PaintClientBackground(client.View(), frametest::FrameSkin());
    const struct {
        gfx::Point at;
        Source source;
    } cases[] = {
        {{0, 0}, {5, 29, frametest::kFrameTag}},
        {{141, 90}, {146, 119, frametest::kFrameTag}},
        {{142, 91}, {5, 29, frametest::kFrameTag}}, // second copy in both directions
        {{299, 199}, {5 + 299 % 142, 29 + 199 % 91, frametest::kFrameTag}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(frametest::SourceOf(client.At(c.at.x, c.at.y)), c.source) << c.at.x << "," << c.at.y;
    }
}

} // namespace
