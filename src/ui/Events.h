// Portable input events: the platform layer translates its messages into these and the controls decide.
#pragma once

#include "gfx/Geometry.h"

namespace ui {

enum class MouseButton { Left, Right, Middle };

struct MouseEvent {
    enum class Type { Down, Up, Move, Leave };
    Type type = Type::Move;
    MouseButton button = MouseButton::Left;
    gfx::Point position; // in the control's client coordinates
};

enum class Key { Tab, Enter, Space, Escape, Left, Right, Up, Down, F4, Other };

struct KeyEvent {
    enum class Type { Down, Up };
    Type type = Type::Down;
    Key key = Key::Other;
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool repeat = false; // key-down delivered by auto-repeat
    wchar_t character = 0; // lower-case letter or digit for those keys, else 0
};

} // namespace ui
