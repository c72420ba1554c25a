#include "ui/PaintSettings.h"

constexpr const char* kStartFontFace = "Verdana";

std::string g_fontFaceName = kStartFontFace;

const std::array<Colour, kSkinColourCount> kDefaultSkinColours = {
    Rgb(20, 50, 100),    Rgb(75, 110, 170),   Rgb(50, 130, 190),   Rgb(70, 135, 200),   Rgb(75, 145, 215),
    Rgb(70, 160, 225),   Rgb(90, 160, 230),   Rgb(255, 255, 255),  Rgb(0, 0, 0),        Rgb(164, 164, 164),
    Rgb(192, 192, 192),  Rgb(120, 200, 120),  Rgb(200, 200, 120),  Rgb(200, 120, 120),  Rgb(128, 255, 128),
    Rgb(255, 255, 128),  Rgb(255, 128, 128),  Rgb(255, 255, 128),  Rgb(196, 196, 64),   Rgb(156, 156, 156),
    Rgb(216, 164, 64),   Rgb(130, 200, 130),  Rgb(200, 200, 130),  Rgb(200, 130, 130),  Rgb(128, 128, 128),
    Rgb(16, 16, 64),     Rgb(170, 170, 90),   Rgb(200, 200, 150),  Rgb(200, 175, 150),  Rgb(150, 180, 200),
    Rgb(150, 200, 200),  Rgb(200, 175, 150),  Rgb(200, 175, 200),  Rgb(200, 150, 150),  Rgb(200, 200, 150),
    Rgb(200, 200, 200),  Rgb(200, 175, 150),  Rgb(32, 255, 32),    Rgb(255, 255, 0),    Rgb(128, 255, 128),
    Rgb(255, 32, 32),    Rgb(70, 135, 200),   Rgb(70, 135, 135),   Rgb(255, 255, 255),  Rgb(64, 64, 255),
    Rgb(255, 64, 64),    Rgb(90, 160, 230),   Rgb(75, 145, 215),   Rgb(200, 150, 150),  Rgb(255, 164, 164),
    Rgb(128, 212, 212),  Rgb(128, 255, 255),  Rgb(164, 255, 164),  Rgb(255, 255, 164),  Rgb(164, 164, 255),
    Rgb(255, 128, 255),  Rgb(255, 64, 64),    Rgb(255, 164, 64),   Rgb(64, 255, 64),    Rgb(196, 255, 64),
    Rgb(120, 200, 120),  Rgb(200, 120, 120),  Rgb(4, 16, 4),       Rgb(16, 48, 16),     Rgb(150, 200, 150),
    Rgb(196, 196, 255),  Rgb(255, 196, 196),  Rgb(32, 255, 32),    Rgb(128, 255, 128),  Rgb(255, 255, 255),
    Rgb(255, 32, 32),    Rgb(0, 0, 0),        Rgb(0, 0, 0),        Rgb(225, 225, 225),  Rgb(255, 0, 0),
    Rgb(200, 200, 245),  Rgb(135, 135, 200),  Rgb(255, 255, 64),   Rgb(32, 255, 32),    Rgb(0, 0, 0),
};

std::array<Colour, kSkinColourCount> g_skinColours = kDefaultSkinColours;

const std::array<Colour, kListMarkColourCount> kDefaultListMarkColours = {
    Rgb(0, 0, 0), Rgb(32, 255, 32), Rgb(255, 255, 0), Rgb(128, 255, 128), Rgb(255, 32, 32),
};
std::array<Colour, kListMarkColourCount> g_listMarkColours = kDefaultListMarkColours;

void ResetPaintSettings() {
    g_fontFaceName = kStartFontFace;
    g_skinColours = kDefaultSkinColours;
    g_listMarkColours = kDefaultListMarkColours;
}
