#pragma once

#include <array>
#include <cstdint>

#include "platform/Geometry.h"

// Where the parts of a message box lie in its client rectangle. Everything
// below the title band is measured from the band's bottom in the text unit
// (a third of the remaining height), so the box scales with its size. Parts
// the flags or labels leave out keep empty rectangles, which hold no point.
struct MessageBoxLayout {
    static constexpr int kTitleBandHeight = 30;
    static constexpr int kPictureSide = 50;     // OK and cancel pictures
    static constexpr int kPictureMargin = 10;   // between a picture and the box's edges
    static constexpr int kHeaderCount = 3;      // "team", "message", "event"
    static constexpr int kMaxChoices = 3;

    Rect titleBand;
    Rect ok;
    Rect cancel;
    std::array<Rect, kMaxChoices> choices;
    int textUnit = 0;   // a third of the height below the title band
    Rect textBox;
    std::array<Rect, kHeaderCount> headers;
    Rect iconArea;
    Rect progressFrame;
    Rect progress;      // inside the frame; what the bar fills
};

MessageBoxLayout LayOutMessageBox(const Rect& client, uint32_t flags, int choiceCount);
