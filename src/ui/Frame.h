// What the platform needs from a component that draws and operates a form's frame in place of the platform's
// own: margins, painting, shape, hit areas, mouse and activation, and its popup menu. The platform translates
// its messages into these calls and the frame decides. Portable.
#pragma once

#include "gfx/Canvas.h"
#include "ui/Events.h"

#include <optional>
#include <vector>

namespace ui {

enum class FrameZone { Client, Caption, Object, Outside };

struct FrameHit {
    FrameZone zone = FrameZone::Client;
    bool canDrag = false; // the caption area moves the window only in the normal state
};

struct FrameResponse {
    bool captureMouse = false;
    bool releaseMouse = false;
    bool repaint = false;
};

// A popup menu the platform shows in a window of its own and tracks modally.
class PopupMenu {
public:
    virtual ~PopupMenu() = default;
    virtual gfx::Size WindowSize() = 0;
    virtual std::vector<gfx::Rect> Shape() = 0; // the window's shape in its own coordinates
    virtual void Paint(gfx::Canvas& canvas) = 0;
    // Each returns whether the menu must be repainted.
    virtual bool OnKey(const KeyEvent& event) = 0;
    virtual bool OnMouse(const MouseEvent& event) = 0; // in the menu's coordinates
    virtual bool Closed() const = 0;                    // chosen or dismissed
    virtual void Dismiss() = 0;
};

class FrameOwner {
public:
    virtual ~FrameOwner() = default;
    virtual bool Skinned() const = 0; // false: the platform's own frame is used
    // Widths of the left, top, right and bottom frame parts.
    virtual gfx::Rect Margins() const = 0;
    gfx::Size NonClientSize() const
    {
        const gfx::Rect m = Margins();
        return {m.left + m.right, m.top + m.bottom};
    }
    virtual gfx::Size MinimumSize() const = 0;
    virtual void PaintClientBackground(gfx::Canvas& canvas, gfx::Size clientSize) = 0;
    // Paints the whole window's frame (the client area is left alone) into a canvas of the window's size.
    virtual void PaintFrame(gfx::Canvas& canvas, gfx::Size windowSize) = 0;
    virtual std::vector<gfx::Rect> Shape(gfx::Size windowSize) = 0;
    virtual FrameHit HitTest(gfx::Point windowPoint, gfx::Size windowSize) = 0;
    virtual FrameResponse OnFrameMouse(const MouseEvent& event, gfx::Size windowSize) = 0;
    // The pointer in window coordinates, or nothing when it is outside the window. True: repaint.
    virtual bool OnHoverTimer(std::optional<gfx::Point> pointer, gfx::Size windowSize) = 0;
    virtual void OnActivate(bool active) = 0;
    virtual void OnMoving(bool moving) = 0;
    virtual bool HoverTimerWanted() const = 0;
    // The program was started with the command to show maximised: the frame presents that as its own maximize.
    virtual void MaximizeAtStart() = 0;
};

} // namespace ui
