// Frame objects: the six objects of the stored skin, which buttons the border icons make inert, their placement
// by the corner-point zones, and the hit areas.
#include "skin/FrameObjects.h"

#include "FrameTestSkin.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using gfx::Point;
using gfx::Rect;
using gfx::Size;
using skin::BorderIcon;
using skin::Command;
using skin::FrameZone;
using skin::ObjectKind;

TEST(FrameObjects, SixObjectsInListOrderWithoutMenuKinds)
{
    const auto objects = skin::BuildFrameObjects(frametest::FrameSkin(), skin::kMainWindowIcons);
    const struct {
        const char* name;
        ObjectKind kind;
        Command command;
        bool inert;
    } expected[] = {
        {"caption", ObjectKind::Caption, Command::Default, false},
        {"closebutton", ObjectKind::StdButton, Command::Close, false},
        {"minimizebutton", ObjectKind::StdButton, Command::Minimize, false},
        {"maximizebutton", ObjectKind::StdButton, Command::Maximize, false},
        {"rollupbutton", ObjectKind::StdButton, Command::RollUp, true},
        {"sysmenubutton", ObjectKind::StdButton, Command::SysMenu, true},
    };
    ASSERT_EQ(objects.size(), std::size(expected));
    for (size_t i = 0; i < objects.size(); ++i) {
        EXPECT_EQ(objects[i].skin.name, expected[i].name) << i;
        EXPECT_EQ(objects[i].Kind(), expected[i].kind) << expected[i].name;
        if (objects[i].IsButton()) {
            EXPECT_EQ(objects[i].GetCommand(), expected[i].command) << expected[i].name;
        }
        EXPECT_EQ(objects[i].inert, expected[i].inert) << expected[i].name;
    }
}

TEST(FrameObjects, ABorderIconMissingFromTheSetMakesItsButtonInert)
{
    auto button = [](Command command) {
        skin::SkinObject o;
        o.kind = ObjectKind::StdButton;
        o.button.command = command;
        return o;
    };
    skin::SkinObject caption;
    caption.kind = ObjectKind::Caption;
    const struct {
        const char* name;
        skin::SkinObject object;
        skin::BorderIcons icons;
        bool inert;
    } cases[] = {
        {"close with no icons", button(Command::Close), {}, false},
        {"minimize with biMinimize", button(Command::Minimize), {BorderIcon::Minimize}, false},
        {"minimize without", button(Command::Minimize), {BorderIcon::Maximize}, true},
        {"maximize with biMaximize", button(Command::Maximize), {BorderIcon::Maximize}, false},
        {"maximize without", button(Command::Maximize), {BorderIcon::Minimize}, true},
        {"roll-up with biRollUp", button(Command::RollUp), {BorderIcon::RollUp}, false},
        {"roll-up without", button(Command::RollUp), skin::kMainWindowIcons, true},
        {"sysmenu with biSystemMenu", button(Command::SysMenu), {BorderIcon::SystemMenu}, false},
        {"sysmenu without", button(Command::SysMenu), skin::kMainWindowIcons, true},
        {"cmdefault button", button(Command::Default), {}, false},
        {"caption", caption, {}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(skin::IsInert(c.object, c.icons), c.inert) << c.name;
    }
}

TEST(FrameObjects, PlacedByTheCornerPointZones)
{
    const struct {
        const char* name;
        Size window;
        Rect skinRect;
        Rect placed;
    } cases[] = {
        {"caption area", {567, 455}, {27, 6, 56, 24}, {27, 6, 471, 24}},
        {"roll-up", {567, 455}, {58, 4, 79, 25}, {473, 4, 494, 25}},
        {"minimize", {567, 455}, {81, 4, 102, 25}, {496, 4, 517, 25}},
        {"maximize", {567, 455}, {104, 4, 125, 25}, {519, 4, 540, 25}},
        {"close", {567, 455}, {127, 4, 148, 25}, {542, 4, 563, 25}},
        {"system menu", {567, 455}, {6, 7, 23, 23}, {6, 7, 23, 23}},
        {"caption area maximized", {1024, 738}, {27, 6, 56, 24}, {27, 6, 928, 24}},
        {"close maximized", {1024, 738}, {127, 4, 148, 25}, {999, 4, 1020, 25}},
        {"system menu maximized", {1024, 738}, {6, 7, 23, 23}, {6, 7, 23, 23}},
        {"at the minimum size", {152, 34}, {127, 4, 148, 25}, {127, 4, 148, 25}},
        {"top-left zone up to its points", {567, 455}, {0, 0, 29, 29}, {0, 0, 29, 29}},
        {"middle strip up to the top-right point stays", {567, 455}, {30, 0, 53, 10}, {30, 0, 53, 10}},
        {"left border up to the bottom point stays", {567, 455}, {0, 100, 5, 118}, {0, 100, 5, 118}},
        {"top-right zone from its point", {567, 455}, {53, 0, 60, 10}, {468, 0, 475, 10}},
        {"bottom-left zone", {567, 455}, {1, 118, 5, 124}, {1, 448, 5, 454}},
        {"bottom-right zone", {567, 455}, {146, 119, 150, 125}, {561, 449, 565, 455}},
    };
    const skin::FrameGeometry geometry(frametest::FrameSkin());
    for (const auto& c : cases) {
        EXPECT_EQ(skin::PlaceObject(c.skinRect, geometry, c.window), c.placed) << c.name;
    }
}

TEST(FrameObjects, LayoutPlacesEveryObjectAndFindsTheCaption)
{
    const auto objects = skin::BuildFrameObjects(frametest::FrameSkin(), skin::kMainWindowIcons);
    const skin::FrameLayout layout = skin::LayoutFrame(frametest::FrameSkin(), objects, {567, 455});
    EXPECT_EQ(layout.client, (Rect{5, 29, 562, 450}));
    ASSERT_EQ(layout.objects.size(), 6u);
    EXPECT_EQ(layout.objects[1].rect, (Rect{542, 4, 563, 25}));
    ASSERT_NE(layout.Caption(), nullptr);
    EXPECT_EQ(layout.Caption()->rect, (Rect{27, 6, 471, 24}));
}

TEST(FrameObjects, HitAreas)
{
    const auto objects = skin::BuildFrameObjects(frametest::FrameSkin(), skin::kMainWindowIcons);
    const skin::FrameLayout layout = skin::LayoutFrame(frametest::FrameSkin(), objects, {567, 455});
    const std::optional<size_t> none;
    const struct {
        const char* name;
        Point p;
        FrameZone zone;
        std::optional<size_t> object;
    } cases[] = {
        {"cut top-left corner, row 0", {4, 0}, FrameZone::Outside, none},
        {"first pixel of row 0", {5, 0}, FrameZone::FrameObject, none},
        {"cut top-left corner, row 2", {1, 2}, FrameZone::Outside, none},
        {"cut top-left corner, row 4", {0, 4}, FrameZone::Outside, none},
        {"row 5 is whole", {0, 5}, FrameZone::FrameObject, none},
        {"cut top-right corner, row 0", {562, 0}, FrameZone::Outside, none},
        {"cut top-right corner, row 3", {566, 3}, FrameZone::Outside, none},
        {"square bottom-left corner", {0, 454}, FrameZone::FrameObject, none},
        {"square bottom-right corner", {566, 454}, FrameZone::FrameObject, none},
        {"outside the window", {567, 100}, FrameZone::Outside, none},
        {"above the window", {100, -1}, FrameZone::Outside, none},
        {"caption area top-left", {27, 6}, FrameZone::Caption, 0},
        {"caption area bottom-right", {470, 23}, FrameZone::Caption, 0},
        {"left of the caption area", {26, 10}, FrameZone::FrameObject, none},
        {"above the caption area", {100, 5}, FrameZone::FrameObject, none},
        {"below the caption area", {100, 24}, FrameZone::FrameObject, none},
        {"between caption and buttons", {471, 10}, FrameZone::FrameObject, none},
        {"between caption and buttons, 472", {472, 10}, FrameZone::FrameObject, none},
        {"close button", {562, 24}, FrameZone::FrameObject, 1},
        {"minimize button", {496, 4}, FrameZone::FrameObject, 2},
        {"maximize button", {539, 10}, FrameZone::FrameObject, 3},
        {"inert roll-up button", {473, 4}, FrameZone::FrameObject, 4},
        {"inert system-menu button", {6, 7}, FrameZone::FrameObject, 5},
        {"between two buttons", {495, 10}, FrameZone::FrameObject, none},
        {"left border", {4, 200}, FrameZone::FrameObject, none},
        {"right border", {562, 200}, FrameZone::FrameObject, none},
        {"bottom border", {300, 450}, FrameZone::FrameObject, none},
        {"client top-left", {5, 29}, FrameZone::Client, none},
        {"client bottom-right", {561, 449}, FrameZone::Client, none},
    };
    for (const auto& c : cases) {
        const skin::FrameHit hit = skin::HitTest(c.p, layout);
        EXPECT_EQ(hit.zone, c.zone) << c.name;
        EXPECT_EQ(hit.object, c.object) << c.name;
    }
}

} // namespace
