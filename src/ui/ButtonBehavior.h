// The push button's state machine: what mouse, keyboard and focus events do to its look, and when it clicks.
// Pure logic, no drawing and no platform; the skinned button and its tests drive it.
#pragma once

#include "ui/Events.h"

namespace ui {

enum class ButtonLook { Normal, Hot, Pressed };

// Event table (the same rows are the test cases):
//   left press over the button       -> takes the focus (press ignored if it cannot), goes down, captures
//   move off / back on while held    -> look normal-or-hot / pressed; no click
//   left release over the button     -> up, click
//   left release elsewhere           -> up, no click
//   right or middle button           -> nothing
//   Space down (focused)             -> down (key repeat adds nothing)
//   Space up                         -> up, click (only if Space put it down)
//   Enter down (focused)             -> click at once, again for every repeated key-down
//   Escape, letters                  -> nothing
//   focus lost                       -> a Space press is dropped without a click
// Looks: pressed while down and (pointer over, or focused and no mouse button holds it);
//        hot while the pointer is over it or it has the focus; normal otherwise.
class ButtonBehavior {
public:
    struct Outcome {
        bool click = false;
        bool takeFocus = false;
        bool captureMouse = false;
        bool releaseMouse = false;
        bool changed = false; // the look may have changed
    };

    Outcome OnMouse(const MouseEvent& event, bool inside, bool canFocus);
    Outcome OnKey(const KeyEvent& event);
    Outcome OnFocus(bool focused);

    ButtonLook Look() const;
    bool Focused() const { return m_focused; }
    bool MouseHeld() const { return m_mouseHeld; }

private:
    bool m_mouseOver = false;
    bool m_mouseHeld = false;
    bool m_spaceHeld = false;
    bool m_focused = false;
};

} // namespace ui
