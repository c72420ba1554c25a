#pragma once

#include <array>
#include <string>
#include <string_view>

#include "ui/PaintSettings.h"
#include "ui/SkinBitmaps.h"
#include "ui/SkinFiles.h"

// Loads a skin: a folder under the program folder (stored form, with a
// trailing backslash) holding the bitmap files and the colour file of
// ui/SkinFiles.h. A picture that is missing or unreadable becomes a small
// black one, so every painter always finds a picture; a missing colour file
// keeps the default colours.

// All 28 pictures into the globals and the window's own, then the colours.
// Publishes the window's card texture and shirt view.
void LoadSkinBitmaps(const std::string& skinFolder, WindowSkinBitmaps& window);
// Only the dialog background and buttons, for the boxes of the start-up
// that come before the options tell which skin was chosen.
void LoadDialogSkin(const std::string& skinFolder);
// Fills g_layoutPoints from the pictures (all but the club logo's entry).
void MeasureSkinBitmaps(const WindowSkinBitmaps& window);

// Resets the colours to the defaults and reads the skin's colour file.
void LoadSkinColours(const std::string& skinFolder);
// The colour file's form: text outside pairs of asterisks is ignored; each
// non-empty entry between two asterisks is "R,G,B" (missing numbers are 0,
// each taken modulo 256) and sets the next colour. Returns the number of
// entries read, at most the table's size.
int ReadSkinColours(std::string_view text, std::array<Colour, kSkinColourCount>& colours);
