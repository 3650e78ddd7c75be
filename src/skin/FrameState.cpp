// Frame state transitions. Portable: no platform headers.
#include "skin/FrameState.h"

#include <algorithm>

namespace skin {

std::optional<FrameAction> ActionFor(Command command, WindowState state)
{
    switch (command) {
    case Command::Close:
        return FrameAction::Close;
    case Command::Minimize:
        return FrameAction::Minimize;
    case Command::Maximize:
        return state == WindowState::Maximized ? FrameAction::Restore : FrameAction::Maximize;
    case Command::SysMenu:
    case Command::RollUp:
    case Command::Default:
        break;
    }
    return std::nullopt;
}

gfx::Rect FrameState::Maximize(gfx::Rect current, gfx::Rect workArea, gfx::Size minimum)
{
    if (!m_saved) {
        m_saved = current;
    }
    m_state = WindowState::Maximized;
    return {workArea.left, workArea.top, workArea.left + std::max(workArea.Width(), minimum.width),
            workArea.top + std::max(workArea.Height(), minimum.height)};
}

std::optional<gfx::Rect> FrameState::Restore()
{
    m_state = WindowState::Normal;
    std::optional<gfx::Rect> bounds = m_saved;
    m_saved.reset();
    return bounds;
}

} // namespace skin
