// Frame state: maximize saves the bounds once and fills the work area, restore brings back exactly the saved
// bounds, and the caption drags only in the normal state.
#include "skin/FrameState.h"

#include <gtest/gtest.h>

namespace {

using gfx::Rect;

constexpr gfx::Size kMinimum{152, 34};

TEST(FrameState, MaximizeThenRestoreGivesBackTheBounds)
{
    skin::FrameState state;
    EXPECT_EQ(state.State(), skin::WindowState::Normal);
    EXPECT_TRUE(state.CanDrag());

    const Rect start{228, 156, 795, 611};
    EXPECT_EQ(state.Maximize(start, {0, 0, 1024, 738}, kMinimum), (Rect{0, 0, 1024, 738}));
    EXPECT_EQ(state.State(), skin::WindowState::Maximized);
    EXPECT_EQ(state.SavedBounds(), start);
    EXPECT_FALSE(state.CanDrag());

    EXPECT_EQ(state.Restore(), start);
    EXPECT_EQ(state.State(), skin::WindowState::Normal);
    EXPECT_EQ(state.SavedBounds(), std::nullopt);
    EXPECT_TRUE(state.CanDrag());
}

TEST(FrameState, SavedBoundsAreKeptWhenAlreadySaved)
{
    skin::FrameState state;
    const Rect start{10, 10, 577, 465};
    state.Maximize(start, {0, 0, 1024, 738}, kMinimum);
    // The work area changed (a taskbar moved): maximizing again follows it but keeps the first bounds.
    EXPECT_EQ(state.Maximize({0, 0, 1024, 738}, {0, 30, 1024, 768}, kMinimum), (Rect{0, 30, 1024, 768}));
    EXPECT_EQ(state.Restore(), start);
}

TEST(FrameState, WorkAreaSizes)
{
    const struct {
        const char* name;
        Rect workArea;
        Rect bounds;
    } cases[] = {
        {"smaller than the window: the window shrinks to it", {0, 0, 500, 400}, {0, 0, 500, 400}},
        {"offset work area", {100, 50, 900, 650}, {100, 50, 900, 650}},
        {"smaller than the frame's minimum", {0, 0, 100, 20}, {0, 0, 152, 34}},
    };
    for (const auto& c : cases) {
        skin::FrameState state;
        EXPECT_EQ(state.Maximize({0, 0, 567, 455}, c.workArea, kMinimum), c.bounds) << c.name;
    }
}

TEST(FrameState, RestoreWithoutSavedBoundsKeepsTheWindow)
{
    skin::FrameState state;
    EXPECT_EQ(state.Restore(), std::nullopt);
    EXPECT_EQ(state.State(), skin::WindowState::Normal);
}

} // namespace
