#include "platform/Input.h"

#include <cmath>

InputEvent InputEvent::Down(Point p, MouseButton b, int clicks) {
    InputEvent e;
    e.kind = Kind::MouseDown;
    e.point = p;
    e.button = b;
    e.clicks = clicks;
    return e;
}

InputEvent InputEvent::Up(Point p, MouseButton b) {
    InputEvent e;
    e.kind = Kind::MouseUp;
    e.point = p;
    e.button = b;
    return e;
}

InputEvent InputEvent::Move(Point p, unsigned flags) {
    InputEvent e;
    e.kind = Kind::MouseMove;
    e.point = p;
    e.flags = flags;
    return e;
}

InputEvent InputEvent::Wheel(Point p, int delta) {
    InputEvent e;
    e.kind = Kind::Wheel;
    e.point = p;
    e.wheelDelta = delta;
    return e;
}

InputEvent InputEvent::KeyDown(unsigned key, unsigned keyFlags) {
    InputEvent e;
    e.kind = Kind::KeyDown;
    e.key = key;
    e.flags = 1;
    e.keyFlags = keyFlags;
    return e;
}

InputEvent InputEvent::Char(unsigned character, unsigned keyFlags) {
    InputEvent e;
    e.kind = Kind::Char;
    e.key = character;
    e.flags = 1;
    e.keyFlags = keyFlags;
    return e;
}

int WheelDeltaOf(float notches) { return static_cast<int>(std::lround(notches * kWheelDelta)); }

unsigned ControlCharOfKey(unsigned key) {
    switch (key) {
    case Key::kBack:
    case Key::kTab:
    case Key::kReturn:
    case Key::kEscape:
        return key;
    default:
        return 0;
    }
}
