#pragma once

#include <string>

#include "platform/DeviceContext.h"

// The look shared by the standard controls that lie on our painted dialogs:
// the control fill under everything, black text drawn without a background
// in the game's font face at the dialogs' 8 points, and the selection and
// edges every control draws alike.

constexpr Colour kControlFill = 0xC3AA96;
constexpr Colour kControlText = kBlack;
constexpr Colour kDisabledText = Rgb(128, 128, 128);
constexpr Colour kSelectionFill = Rgb(0, 0, 128);
constexpr Colour kSelectionText = kWhite;
constexpr Colour kLightEdge = kWhite;
constexpr Colour kShadowEdge = Rgb(96, 80, 64);

// g_fontFaceName at the size of the dialogs' font.
Font ControlFont();
// Width of a text in the control font; what a click is measured against.
int ControlTextWidth(const std::string& text);
int ControlLineHeight();

// Selects the control font, the text colour (grey when disabled) and a
// transparent text background.
void SelectControlText(DeviceContext& dc, bool enabled);
// The fill with a one-pixel black frame: the well of an edit, a list, a box.
void PaintControlWell(DeviceContext& dc, const Rect& r);
// A raised face (light top and left, shadow bottom and right) on the fill;
// pressed, the edges change places.
void PaintRaisedFace(DeviceContext& dc, const Rect& r, bool pressed);
// The dotted frame of the control that has the keyboard.
void PaintFocusFrame(DeviceContext& dc, const Rect& r);

enum class ArrowDirection { Up, Down, Left, Right };
// A filled triangle centred in the rectangle, pointing one way.
void PaintArrow(DeviceContext& dc, const Rect& r, ArrowDirection direction, Colour c);
// A raised face with an arrow: the buttons of spins, drop lists and scroll bars.
void PaintArrowButton(DeviceContext& dc, const Rect& r, ArrowDirection direction, bool pressed, bool enabled);
