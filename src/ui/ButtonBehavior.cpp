// The push button's state machine; see the event table in the header.
#include "ui/ButtonBehavior.h"

namespace ui {

ButtonBehavior::Outcome ButtonBehavior::OnMouse(const MouseEvent& event, bool inside, bool canFocus)
{
    Outcome out;
    const ButtonLook before = Look();
    switch (event.type) {
    case MouseEvent::Type::Down:
        if (event.button != MouseButton::Left) {
            return out;
        }
        if (!m_focused) {
            if (!canFocus) {
                return out;
            }
            out.takeFocus = true;
            m_focused = true;
        }
        m_mouseOver = inside;
        m_mouseHeld = true;
        out.captureMouse = true;
        break;
    case MouseEvent::Type::Up:
        if (event.button != MouseButton::Left || !m_mouseHeld) {
            return out;
        }
        m_mouseHeld = false;
        m_mouseOver = inside;
        out.releaseMouse = true;
        out.click = inside && !m_spaceHeld;
        break;
    case MouseEvent::Type::Move:
        m_mouseOver = inside;
        break;
    case MouseEvent::Type::Leave:
        if (!m_mouseHeld) {
            m_mouseOver = false;
        }
        break;
    }
    out.changed = out.changed || Look() != before;
    return out;
}

ButtonBehavior::Outcome ButtonBehavior::OnKey(const KeyEvent& event)
{
    Outcome out;
    const ButtonLook before = Look();
    if (event.key == Key::Space && !event.alt && !event.control) {
        if (event.type == KeyEvent::Type::Down) {
            m_spaceHeld = true;
        } else if (m_spaceHeld) {
            m_spaceHeld = false;
            out.click = !m_mouseHeld;
        }
    } else if (event.key == Key::Enter && event.type == KeyEvent::Type::Down && !event.alt) {
        out.click = true;
    }
    out.changed = Look() != before;
    return out;
}

ButtonBehavior::Outcome ButtonBehavior::OnFocus(bool focused)
{
    Outcome out;
    const ButtonLook before = Look();
    m_focused = focused;
    if (!focused) {
        m_spaceHeld = false;
    }
    out.changed = Look() != before;
    return out;
}

ButtonLook ButtonBehavior::Look() const
{
    const bool down = m_mouseHeld || m_spaceHeld;
    if (down && (m_mouseOver || (m_focused && !m_mouseHeld))) {
        return ButtonLook::Pressed;
    }
    return (m_mouseOver || m_focused) ? ButtonLook::Hot : ButtonLook::Normal;
}

} // namespace ui
