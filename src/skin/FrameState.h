// The frame's window state (normal or maximized) with the saved normal bounds, and the actions the frame's
// buttons and system menu lead to. Pure: bounds in, bounds out; portable: no platform headers.
#pragma once

#include "gfx/Geometry.h"
#include "skin/Ini.h"

#include <optional>

namespace skin {

// The frame also knows minimized and rolled-up states elsewhere; the main window never enters them.
enum class WindowState { Normal, Maximized };

enum class FrameAction { Close, Minimize, Maximize, Restore };

// What a working caption button does in this state: the maximize button restores while maximized; roll-up,
// system menu and cmdefault lead to no window action here.
std::optional<FrameAction> ActionFor(Command command, WindowState state);

class FrameState {
public:
    WindowState State() const { return m_state; }
    const std::optional<gfx::Rect>& SavedBounds() const { return m_saved; }

    // Saves `current` unless bounds are saved already and returns the new bounds: the work area, not smaller
    // than `minimum` (so a work area smaller than the window makes the window smaller, down to the frame's
    // minimum size).
    gfx::Rect Maximize(gfx::Rect current, gfx::Rect workArea, gfx::Size minimum);
    // Back to the normal state; returns the saved bounds and forgets them, or nothing when none were saved
    // (the window then keeps its bounds).
    std::optional<gfx::Rect> Restore();
    // The caption area moves the window only in the normal state.
    bool CanDrag() const { return m_state == WindowState::Normal; }

private:
    WindowState m_state = WindowState::Normal;
    std::optional<gfx::Rect> m_saved;
};

} // namespace skin
