#pragma once

#include <cstdint>

#include "platform/Geometry.h"

// Keys carry the virtual key numbers of the class library the game was
// written for, so its handlers compare against the numbers they know.
namespace Key {
constexpr unsigned kBack = 8;
constexpr unsigned kTab = 9;
constexpr unsigned kReturn = 13;
constexpr unsigned kShift = 16;
constexpr unsigned kControl = 17;
constexpr unsigned kMenu = 18;  // Alt
constexpr unsigned kEscape = 27;
constexpr unsigned kSpace = 32;
constexpr unsigned kPageUp = 33;
constexpr unsigned kPageDown = 34;
constexpr unsigned kEnd = 35;
constexpr unsigned kHome = 36;
constexpr unsigned kLeft = 37;
constexpr unsigned kUp = 38;
constexpr unsigned kRight = 39;
constexpr unsigned kDown = 40;
constexpr unsigned kInsert = 45;
constexpr unsigned kDelete = 46;
// Digits are '0'-'9' and letters 'A'-'Z' as upper-case characters.
constexpr unsigned kF1 = 112;  // F1 to F12 follow on
}  // namespace Key

// Flag bits that come with a mouse message: which buttons and modifier
// keys are down.
constexpr unsigned MK_LBUTTON = 0x01;
constexpr unsigned MK_RBUTTON = 0x02;
constexpr unsigned MK_SHIFT = 0x04;
constexpr unsigned MK_CONTROL = 0x08;
constexpr unsigned MK_MBUTTON = 0x10;

// One notch of the mouse wheel; handlers divide the delta by it.
constexpr int kWheelDelta = 120;

enum class MouseButton : uint8_t { Left, Right, Middle };

// A user input as a backend hands it on, in screen co-ordinates.
struct InputEvent {
    enum class Kind : uint8_t { MouseDown, MouseUp, MouseMove, Wheel, KeyDown, Char };

    Kind kind = Kind::MouseMove;
    Point point;
    MouseButton button = MouseButton::Left;
    int clicks = 1;          // 2 for the second press of a double click
    int wheelDelta = 0;      // in 1/120 of a notch, positive away from the user
    unsigned key = 0;        // virtual key, or the code page 1252 character
    unsigned flags = 0;      // MK_ bits for the mouse, repeat count for keys
    unsigned keyFlags = 0;   // MK_SHIFT and MK_CONTROL held with a key or character

    static InputEvent Down(Point p, MouseButton b = MouseButton::Left, int clicks = 1);
    static InputEvent Up(Point p, MouseButton b = MouseButton::Left);
    static InputEvent Move(Point p, unsigned flags = 0);
    static InputEvent Wheel(Point p, int delta);
    static InputEvent KeyDown(unsigned key, unsigned keyFlags = 0);
    static InputEvent Char(unsigned character, unsigned keyFlags = 0);
};

// The wheel delta of a turn by `notches` (fractions from fine-grained
// wheels and touch pads included), rounded to the nearest 1/120.
int WheelDeltaOf(float notches);

// The character a key gives by itself, as the class library sends it with
// the key (Backspace, Tab, Enter, Escape); 0 for every other key.
unsigned ControlCharOfKey(unsigned key);
