#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/Colour.h"
#include "platform/GameOptions.h"

// What every painter reads at the moment it draws: the face of every font,
// the skin's colour table and the main window's option word. The window sets
// them at start and when the skin or the options change.

extern std::string g_fontFaceName;  // "Verdana" at start

constexpr int kSkinColourCount = 100;
extern const std::array<Colour, kSkinColourCount> kDefaultSkinColours;
extern std::array<Colour, kSkinColourCount> g_skinColours;  // the defaults until a skin is read

// Marks of the screen lists, by the list's mark byte; 1 to 4 follow skin
// colours 37 to 40 when the skin's colour file gives that many.
constexpr int kListMarkColourCount = 5;
constexpr int kFirstListMarkSkinColour = 37;
extern const std::array<Colour, kListMarkColourCount> kDefaultListMarkColours;
extern std::array<Colour, kListMarkColourCount> g_listMarkColours;

// The face and both colour tables back to how the program starts.
void ResetPaintSettings();

// Point sizes are in tenths of a point: the helpers make a font of height × 5
// tenths for something height pixels high.
constexpr int kTenthsPerPixelOfHeight = 5;
