#include "ui/TalentColours.h"

const std::array<Colour, kTalentCount> g_talentColours = {
    Rgb(180, 117, 117), Rgb(240, 170, 70), Rgb(170, 170, 170), Rgb(255, 255, 64), Rgb(128, 128, 255),
};
