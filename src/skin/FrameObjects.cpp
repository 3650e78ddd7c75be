// Frame objects: building them from the skin, placing them at a window size and hit testing. Portable: no
// platform headers.
#include "skin/FrameObjects.h"

#include <algorithm>

namespace skin {
namespace {

std::optional<BorderIcon> IconFor(Command command)
{
    switch (command) {
    case Command::Minimize:
        return BorderIcon::Minimize;
    case Command::Maximize:
        return BorderIcon::Maximize;
    case Command::RollUp:
        return BorderIcon::RollUp;
    case Command::SysMenu:
        return BorderIcon::SystemMenu;
    case Command::Close:
    case Command::Default:
        break;
    }
    return std::nullopt;
}

bool IsFrameKind(ObjectKind kind) { return kind == ObjectKind::Caption || kind == ObjectKind::StdButton; }

// Moves a leading (left or top) edge when it lies at or after `threshold`, a trailing edge when after it.
int MapLeading(int edge, int threshold, int growth) { return edge >= threshold ? edge + growth : edge; }
int MapTrailing(int edge, int threshold, int growth) { return edge > threshold ? edge + growth : edge; }

} // namespace

bool IsInert(const SkinObject& object, BorderIcons icons)
{
    if (object.kind != ObjectKind::StdButton) {
        return false;
    }
    const std::optional<BorderIcon> icon = IconFor(object.button.command);
    return icon && !icons.Has(*icon);
}

std::vector<FrameObject> BuildFrameObjects(const SkinData& skin, BorderIcons icons)
{
    std::vector<FrameObject> objects;
    for (const SkinObject& object : skin.Objects()) {
        if (IsFrameKind(object.kind)) {
            objects.push_back({object, IsInert(object, icons)});
        }
    }
    return objects;
}

gfx::Rect PlaceObject(gfx::Rect r, const FrameGeometry& geometry, gfx::Size window)
{
    const CornerPoints& p = geometry.Points();
    const gfx::Point growth = geometry.Growth(window);
    const bool bottomRows = r.top >= std::min(p.leftBottom.y, p.rightBottom.y);
    const bool rightPart = r.left >= std::min(p.rightTop.x, p.rightBottom.x);
    const int xThreshold = bottomRows ? p.rightBottom.x : p.rightTop.x;
    const int yThreshold = rightPart ? p.rightBottom.y : p.leftBottom.y;
    return {MapLeading(r.left, xThreshold, growth.x), MapLeading(r.top, yThreshold, growth.y),
            MapTrailing(r.right, xThreshold, growth.x), MapTrailing(r.bottom, yThreshold, growth.y)};
}

const PlacedObject* FrameLayout::Caption() const
{
    const auto found = std::find_if(objects.begin(), objects.end(),
                                    [](const PlacedObject& o) { return o.object.Kind() == ObjectKind::Caption; });
    return found == objects.end() ? nullptr : &*found;
}

FrameLayout LayoutFrame(const SkinData& skin, const std::vector<FrameObject>& objects, gfx::Size window)
{
    const FrameGeometry geometry(skin);
    FrameLayout layout;
    layout.window = window;
    layout.client = geometry.ClientRect(window);
    for (const FrameObject& object : objects) {
        layout.objects.push_back({object, PlaceObject(object.skin.skinRect, geometry, window)});
    }
    layout.shape = MakeFrameShape(skin, window);
    return layout;
}

FrameHit HitTest(gfx::Point p, const FrameLayout& layout)
{
    const gfx::Rect bounds{0, 0, layout.window.width, layout.window.height};
    if (!bounds.Contains(p) || !layout.shape.Contains(p)) {
        return {FrameZone::Outside, std::nullopt};
    }
    if (layout.client.Contains(p)) {
        return {FrameZone::Client, std::nullopt};
    }
    for (size_t i = 0; i < layout.objects.size(); ++i) {
        const PlacedObject& placed = layout.objects[i];
        if (placed.rect.Contains(p)) {
            const bool caption = placed.object.Kind() == ObjectKind::Caption;
            return {caption ? FrameZone::Caption : FrameZone::FrameObject, i};
        }
    }
    return {FrameZone::FrameObject, std::nullopt};
}

} // namespace skin
