#pragma once

#include "platform/Colour.h"

// The one palette of the default skin: the deep blues of its colour table,
// an orange accent for what is lit or selected, and the signal colours the
// game uses for good, middling and bad.
namespace palette {

constexpr Colour kNight = Rgb(10, 24, 52);
constexpr Colour kNavy = Rgb(20, 50, 100);      // skin colour 0
constexpr Colour kSteel = Rgb(75, 110, 170);    // skin colour 1, title bands
constexpr Colour kBlue = Rgb(70, 135, 200);     // skin colour 3, panels
constexpr Colour kSky = Rgb(90, 160, 230);      // skin colour 6, edges
constexpr Colour kIce = Rgb(200, 225, 250);
constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kInk = Rgb(16, 22, 34);
constexpr Colour kGrey = Rgb(164, 164, 164);
constexpr Colour kSilver = Rgb(200, 208, 220);
constexpr Colour kSlate = Rgb(90, 100, 118);

constexpr Colour kOrange = Rgb(255, 150, 40);
constexpr Colour kAmber = Rgb(255, 196, 64);
constexpr Colour kGold = Rgb(240, 190, 50);
constexpr Colour kBronze = Rgb(196, 120, 60);
constexpr Colour kGreen = Rgb(80, 190, 100);
constexpr Colour kLime = Rgb(150, 220, 90);
constexpr Colour kRed = Rgb(220, 70, 60);
constexpr Colour kYellow = Rgb(250, 220, 70);
constexpr Colour kCourt = Rgb(205, 140, 80);  // the wooden floor of a hall
constexpr Colour kCourtBlue = Rgb(40, 110, 170);

}  // namespace palette
