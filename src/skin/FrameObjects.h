// The frame's objects (caption area and caption buttons), the border-icon set that makes buttons work, their
// placement at a window size, and hit testing. Pure functions of the skin and the window size; portable: no
// platform headers.
#pragma once

#include "gfx/Geometry.h"
#include "skin/FrameGeometry.h"
#include "skin/FrameShape.h"
#include "skin/SkinData.h"

#include <initializer_list>
#include <optional>
#include <vector>

namespace skin {

enum class BorderIcon : unsigned { SystemMenu = 1, Minimize = 2, Maximize = 4, RollUp = 8, MinimizeToTray = 16 };

// A set of border icons; the frame settings' BorderIcons.
class BorderIcons {
public:
    constexpr BorderIcons() = default;
    constexpr BorderIcons(std::initializer_list<BorderIcon> icons)
    {
        for (const BorderIcon icon : icons) {
            m_bits |= static_cast<unsigned>(icon);
        }
    }
    constexpr bool Has(BorderIcon icon) const { return (m_bits & static_cast<unsigned>(icon)) != 0; }
    constexpr BorderIcons With(BorderIcon icon) const
    {
        BorderIcons icons = *this;
        icons.m_bits |= static_cast<unsigned>(icon);
        return icons;
    }
    friend constexpr bool operator==(BorderIcons, BorderIcons) = default;

private:
    unsigned m_bits = 0;
};

// The main window's setting: minimize and maximize work, roll-up and the system-menu button are inert.
inline constexpr BorderIcons kMainWindowIcons{BorderIcon::Minimize, BorderIcon::Maximize};

// One object of the frame, made from a caption or stdbutton skin object. An inert button shows its normal
// look only: it is never hovered, never pressed and has no action.
struct FrameObject {
    SkinObject skin;
    bool inert = false;

    ObjectKind Kind() const { return skin.kind; }
    Command GetCommand() const { return skin.button.command; }
    bool IsButton() const { return skin.kind == ObjectKind::StdButton; }
};

// A button is inert when its command's icon is missing from the set; a close button never is. Objects that
// are not buttons (the caption area) always work.
bool IsInert(const SkinObject& object, BorderIcons icons);

// The skin's objects in list order, without the menu and menu-bar kinds, which serve menus.
std::vector<FrameObject> BuildFrameObjects(const SkinData& skin, BorderIcons icons);

// Maps a skinrect of the frame picture into a window of `window` size. Each edge moves with the part of the
// picture it lies in: horizontally, an edge in the part right of the top corner points (righttoppoint.x; for
// objects in the bottom rows rightbottompoint.x) moves right by W minus the picture width, other edges stay;
// vertically, an edge below the bottom corner points (leftbottompoint.y; for objects in the right part
// rightbottompoint.y) moves down by H minus the picture height. A left or top edge lies in a part when it
// is at or after the point, a right or bottom edge (exclusive) when it is after it. So an object wholly in a
// corner moves with that corner, and one reaching from the top-left into the top-right part keeps its left
// edge and widens with the window.
gfx::Rect PlaceObject(gfx::Rect skinRect, const FrameGeometry& geometry, gfx::Size window);

struct PlacedObject {
    FrameObject object;
    gfx::Rect rect; // in the window
};

// Everything the frame needs at one window size: made again after every size change.
struct FrameLayout {
    gfx::Size window;
    gfx::Rect client;
    std::vector<PlacedObject> objects;
    Shape shape;

    // The first caption object, or nothing.
    const PlacedObject* Caption() const;
};

FrameLayout LayoutFrame(const SkinData& skin, const std::vector<FrameObject>& objects, gfx::Size window);

enum class FrameZone {
    Client,      // the window's contents receive the mouse
    Caption,     // the caption area: dragging moves the window, the right button opens the system menu
    FrameObject, // the buttons, the rest of the caption band, the borders: no move, no resize
    Outside,     // cut away by the shape, or not in the window: what lies behind receives the mouse
};

struct FrameHit {
    FrameZone zone = FrameZone::Outside;
    // The frame object under the point (the first in list order), for the caption and the buttons.
    std::optional<size_t> object;
    friend bool operator==(const FrameHit&, const FrameHit&) = default;
};

FrameHit HitTest(gfx::Point windowPoint, const FrameLayout& layout);

} // namespace skin
