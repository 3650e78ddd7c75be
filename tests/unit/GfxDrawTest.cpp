// Fill, blit, tile and nearest-neighbour stretch: placement, clipping and never writing outside the target.
#include "gfx/Draw.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using gfx::Bitmap;
using gfx::Pixel;
using gfx::Point;
using gfx::Rect;

// Pictures are written as rows of letters: each letter is one distinct colour, '.' is the untouched
// background, so a misplaced copy shows as a wrong letter.
constexpr Pixel kBackground = 0xFF000000u;

Pixel Letter(char c) { return c == '.' ? kBackground : gfx::Rgb(uint8_t(c), 0x40, 0x80); }

char LetterOf(Pixel p) { return p == kBackground ? '.' : (p & 0xFFFF) == 0x4080 ? char(gfx::RedOf(p)) : '?'; }

Bitmap FromRows(std::initializer_list<std::string> rows)
{
    Bitmap bitmap(int(rows.begin()->size()), int(rows.size()));
    int y = 0;
    for (const std::string& row : rows) {
        for (int x = 0; x < int(row.size()); ++x) {
            bitmap.At(x, y) = Letter(row[size_t(x)]);
        }
        ++y;
    }
    return bitmap;
}

std::string Rows(gfx::ConstBitmapView view)
{
    std::string text;
    for (int y = 0; y < view.height; ++y) {
        for (int x = 0; x < view.width; ++x) {
            text += LetterOf(view.At(x, y));
        }
        text += '\n';
    }
    return text;
}

// A target inside a larger buffer whose border is a sentinel colour: any write outside the target shows there.
class GuardedTarget {
public:
    static constexpr int kGuard = 3;
    static constexpr Pixel kSentinel = 0x12345678u;

    GuardedTarget(int width, int height) : m_buffer(width + 2 * kGuard, height + 2 * kGuard, kSentinel)
    {
        gfx::Fill(View(), View().Bounds(), kBackground);
    }
    gfx::BitmapView View()
    {
        gfx::BitmapView all = m_buffer.View();
        return {&all.At(kGuard, kGuard), all.width - 2 * kGuard, all.height - 2 * kGuard, all.stride};
    }
    int GuardPixelsChanged() const
    {
        int changed = 0;
        for (int y = 0; y < m_buffer.Height(); ++y) {
            for (int x = 0; x < m_buffer.Width(); ++x) {
                const bool inside = x >= kGuard && y >= kGuard && x < m_buffer.Width() - kGuard &&
                                    y < m_buffer.Height() - kGuard;
                changed += !inside && m_buffer.At(x, y) != kSentinel;
            }
        }
        return changed;
    }

private:
    Bitmap m_buffer;
};

const Bitmap& Source()
{
    static const Bitmap source = FromRows({"ABC", "DEF"});
    return source;
}

TEST(GfxDraw, FillClipsToTarget)
{
    GuardedTarget target(4, 3);
    gfx::Fill(target.View(), {2, -5, 9, 2}, Letter('X'));
    EXPECT_EQ(Rows(target.View()), "..XX\n"
                                   "..XX\n"
                                   "....\n");
    EXPECT_EQ(target.GuardPixelsChanged(), 0);
}

TEST(GfxDraw, BlitClipsSourceAndDestination)
{
    struct Case {
        const char* name;
        Point at;
        Rect srcRect;
        const char* expected;
    };
    const Case cases[] = {
        {"whole source inside", {1, 1}, {0, 0, 3, 2}, ".....\n.ABC.\n.DEF.\n"},
        {"part of the source", {0, 0}, {1, 1, 3, 2}, "EF...\n.....\n.....\n"},
        {"cut at the right and bottom", {3, 2}, {0, 0, 3, 2}, ".....\n.....\n...AB\n"},
        {"cut at the left and top", {-2, -1}, {0, 0, 3, 2}, "F....\n.....\n.....\n"},
        {"source rect beyond the source keeps pixel places", {0, 0}, {-1, -1, 4, 3}, ".....\n.ABC.\n.DEF.\n"},
        {"entirely outside", {5, 0}, {0, 0, 3, 2}, ".....\n.....\n.....\n"},
        {"extreme coordinates", {INT_MIN, INT_MAX}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, ".....\n.....\n.....\n"},
    };
    for (const Case& c : cases) {
        GuardedTarget target(5, 3);
        gfx::Blit(target.View(), c.at, Source().View(), c.srcRect);
        EXPECT_EQ(Rows(target.View()), c.expected) << c.name;
        EXPECT_EQ(target.GuardPixelsChanged(), 0) << c.name;
    }
}

TEST(GfxDraw, BlitWithinOneBitmapHandlesOverlap)
{
    Bitmap bitmap = FromRows({"ABCD.", "EFGH.", "IJKL.", "....."});
    gfx::Blit(bitmap.View(), {1, 1}, bitmap.View(), {0, 0, 4, 3});
    EXPECT_EQ(Rows(bitmap.View()), "ABCD.\nEABCD\nIEFGH\n.IJKL\n");
}

TEST(GfxDraw, TileRepeatsFromTheTopLeftAndCutsAtTheEdges)
{
    struct Case {
        const char* name;
        Rect dstRect;
        Rect srcRect;
        const char* expected;
    };
    const Case cases[] = {
        {"cut at right and bottom", {0, 0, 7, 3}, {0, 0, 3, 2}, "ABCABCA\nDEFDEFD\nABCABCA\n"},
        {"inner rect", {1, 1, 6, 3}, {0, 0, 3, 2}, ".......\n.ABCAB.\n.DEFDE.\n"},
        {"phase kept when the rect starts off the target", {-1, -1, 7, 3}, {0, 0, 3, 2}, "EFDEFDE\nBCABCAB\nEFDEFDE\n"},
        {"one-pixel strip", {0, 0, 7, 3}, {1, 0, 2, 2}, "BBBBBBB\nEEEEEEE\nBBBBBBB\n"},
        {"source rect clipped to the source", {0, 0, 7, 1}, {2, 1, 9, 9}, "FFFFFFF\n.......\n.......\n"},
        {"empty source rect", {0, 0, 7, 3}, {2, 0, 2, 2}, ".......\n.......\n.......\n"},
        {"extreme destination", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {0, 0, 3, 2},
         // Column 0 lies 2^31 pixels from the rect's left: 2^31 % 3 == 2 and 2^31 % 2 == 0.
         "CABCABC\nFDEFDEF\nCABCABC\n"},
    };
    for (const Case& c : cases) {
        GuardedTarget target(7, 3);
        gfx::Tile(target.View(), c.dstRect, Source().View(), c.srcRect);
        EXPECT_EQ(Rows(target.View()), c.expected) << c.name;
        EXPECT_EQ(target.GuardPixelsChanged(), 0) << c.name;
    }
}

TEST(GfxDraw, StretchNearestDropsAndRepeatsPixelsLikeStretchBlt)
{
    const Bitmap strip = FromRows({"ABCDEFG"});
    const Bitmap column = FromRows({"A", "B", "C"});
    struct Case {
        const char* name;
        const Bitmap& source;
        Rect srcRect;
        Rect dstRect;
        int targetWidth;
        int targetHeight;
        const char* expected;
    };
    const Case cases[] = {
        {"enlarge 3 to 7", strip, {0, 0, 3, 1}, {0, 0, 7, 1}, 7, 1, "AAABBCC\n"},
        {"shrink 7 to 3", strip, {0, 0, 7, 1}, {0, 0, 3, 1}, 3, 1, "ACE\n"},
        {"same size", strip, {2, 0, 5, 1}, {1, 0, 4, 1}, 5, 1, ".CDE.\n"},
        {"vertical 3 to 5", column, {0, 0, 1, 3}, {0, 0, 2, 5}, 2, 5, "AA\nAA\nBB\nBB\nCC\n"},
        {"clipped target keeps the mapping of the whole rect", strip, {0, 0, 7, 1}, {-2, 0, 5, 1}, 3, 1, "CDE\n"},
        {"source rect beyond the source leaves those pixels", strip, {5, 0, 9, 1}, {0, 0, 4, 1}, 4, 1, "FG..\n"},
        {"empty destination", strip, {0, 0, 7, 1}, {3, 0, 3, 1}, 4, 1, "....\n"},
        {"reversed source", strip, {7, 0, 0, 1}, {0, 0, 4, 1}, 4, 1, "....\n"},
    };
    for (const Case& c : cases) {
        GuardedTarget target(c.targetWidth, c.targetHeight);
        gfx::StretchNearest(target.View(), c.dstRect, c.source.View(), c.srcRect);
        EXPECT_EQ(Rows(target.View()), c.expected) << c.name;
        EXPECT_EQ(target.GuardPixelsChanged(), 0) << c.name;
    }
}

TEST(GfxDraw, StretchNearestHasNoOverflowAtFullWidth)
{
    // Each pixel holds its own column number, so the target shows which source column was picked.
    constexpr int kWide = 65535;
    Bitmap source(kWide, 1);
    for (int x = 0; x < kWide; ++x) {
        source.At(x, 0) = Pixel(x);
    }
    struct Case {
        int targetWidth;
        int x;
        Pixel expectedColumn; // floor(x * 65535 / targetWidth)
    };
    const Case cases[] = {
        {kWide, 65534, 65534}, {40000, 39999, 65533}, {2, 1, 32767}, {65534, 65533, 65533}, {65534, 32767, 32767},
    };
    for (const Case& c : cases) {
        Bitmap target(c.targetWidth, 1);
        gfx::StretchNearest(target.View(), target.View().Bounds(), source.View(), source.View().Bounds());
        EXPECT_EQ(target.At(c.x, 0), c.expectedColumn) << c.targetWidth << " wide, column " << c.x;
    }
    // A 2^31 - 1 wide source rect over 65535 destination columns: only the first two land inside the source.
    Bitmap narrow(3, 1, 0xABCDEFu);
    gfx::StretchNearest(narrow.View(), {0, 0, kWide, 1}, source.View(), {0, 0, INT_MAX, 1});
    EXPECT_EQ(narrow.At(0, 0), Pixel(0));
    EXPECT_EQ(narrow.At(1, 0), Pixel(32768));
    EXPECT_EQ(narrow.At(2, 0), Pixel(0xABCDEFu)) << "source column 65536 is outside";
}

TEST(GfxDraw, SubViewIsClippedAndSharesPixels)
{
    Bitmap bitmap = FromRows({"ABC", "DEF"});
    const gfx::BitmapView view = gfx::SubView(bitmap.View(), {1, 1, 9, 9});
    EXPECT_EQ(Rows(view), "EF\n");
    gfx::Fill(view, view.Bounds(), Letter('X'));
    EXPECT_EQ(Rows(bitmap.View()), "ABC\nDXX\n");
    EXPECT_EQ(gfx::SubView(bitmap.View(), {3, 0, 5, 2}).width, 0);
    EXPECT_EQ(gfx::ClipToArea({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 3, 2), (Rect{0, 0, 3, 2}));
}

} // namespace
