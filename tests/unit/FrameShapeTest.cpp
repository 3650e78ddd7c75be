// Window shapes: the stored cut of the top corners at several sizes, maskrectarea always inside, a missing
// mask, and the merging of runs into rectangles.
#include "skin/FrameShape.h"

#include "FrameTestSkin.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using gfx::Rect;
using gfx::Size;
using skin::Span;

TEST(FrameShape, TopCornersAreCutAndEverythingElseIsInside)
{
    const int cut[] = {5, 3, 2, 1, 1};
    for (const Size size : {Size{567, 455}, Size{1024, 738}, Size{152, 34}}) {
        const skin::Shape shape = skin::MakeFrameShape(frametest::FrameSkin(), size);
        ASSERT_EQ(shape.rows.size(), size_t(size.height));
        for (int y = 0; y < size.height; ++y) {
            const int c = y < 5 ? cut[y] : 0;
            const std::vector<Span> expected{{c, size.width - c}};
            EXPECT_EQ(shape.rows[size_t(y)], expected) << size.width << "x" << size.height << " row " << y;
        }
    }
}

TEST(FrameShape, RectanglesMergeIdenticalRows)
{
    const std::vector<Rect> expected{
        {5, 0, 562, 1}, {3, 1, 564, 2}, {2, 2, 565, 3}, {1, 3, 566, 5}, {0, 5, 567, 455},
    };
    EXPECT_EQ(skin::ShapeRectangles(skin::MakeFrameShape(frametest::FrameSkin(), {567, 455})), expected);
}

TEST(FrameShape, ShippedMaskGivesTheStoredCut)
{
    const skin::SkinData& shipped = frametest::ShippedSkin();
    ASSERT_TRUE(shipped.Loaded());
    ASSERT_NE(shipped.MaskPicture(), nullptr);
    for (const Size size : {Size{567, 455}, Size{1024, 738}}) {
        const int W = size.width;
        const std::vector<Rect> expected{
            {5, 0, W - 5, 1}, {3, 1, W - 3, 2}, {2, 2, W - 2, 3}, {1, 3, W - 1, 5}, {0, 5, W, size.height},
        };
        EXPECT_EQ(skin::ShapeRectangles(skin::MakeFrameShape(shipped, size)), expected) << W;
    }
}

TEST(FrameShape, RowsWithSeveralRunsAndRepeatedRows)
{
    const char* rows[] = {
        "##..##", // two runs
        "##..##", // same as above: merged
        "......", // nothing
        "##..##", // same as row 0 but not adjacent: a rectangle of its own
        "######",
    };
    gfx::Bitmap mask(6, 5, frametest::kWhite);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) {
            if (rows[y][x] == '#') {
                mask.At(x, y) = frametest::kBlack;
            }
        }
    }
    const skin::Shape shape = skin::ShapeFromMask(mask.View());
    const std::vector<Rect> expected{{0, 0, 2, 2}, {4, 0, 6, 2}, {0, 3, 2, 4}, {4, 3, 6, 4}, {0, 4, 6, 5}};
    EXPECT_EQ(skin::ShapeRectangles(shape), expected);

    const struct {
        gfx::Point p;
        bool inside;
    } cases[] = {{{0, 0}, true}, {{2, 0}, false}, {{5, 1}, true}, {{3, 2}, false},
                 {{3, 4}, true}, {{-1, 4}, false}, {{6, 4}, false}, {{0, 5}, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(shape.Contains(c.p), c.inside) << c.p.x << "," << c.p.y;
    }
}

TEST(FrameShape, WithoutAMaskTheWholeWindowIsInside)
{
    skin::StoredPictures pictures = frametest::FramePictures();
    pictures.mask.reset();
    skin::SkinData noMask;
    noMask.Load(frametest::SkinLines(), pictures);
    ASSERT_TRUE(noMask.Loaded());
    EXPECT_EQ(skin::ShapeRectangles(skin::MakeFrameShape(noMask, {300, 200})), (std::vector<Rect>{{0, 0, 300, 200}}));
}

// A mask entirely white still leaves maskrectarea, moved with the window's size, inside.
TEST(FrameShape, MaskRectAreaStaysInsideWhateverTheMaskSays)
{
    skin::StoredPictures pictures = frametest::FramePictures();
    pictures.mask = frametest::Bmp(gfx::Bitmap(152, 125, frametest::kWhite));
    skin::SkinData white;
    white.Load(frametest::SkinLines(), pictures);
    EXPECT_EQ(skin::ShapeRectangles(skin::MakeFrameShape(white, {567, 455})),
              (std::vector<Rect>{{3, 4, 564, 452}}));
}

} // namespace
