#pragma once

#include <array>
#include <string>

#include "platform/Colour.h"
#include "platform/Geometry.h"

// Where the status panel, shown while game time runs, puts its parts: the
// calendar day in the middle and the boxes around it, all sized from the
// panel's rectangle.
struct StatusPanelLayout {
    Rect calendar;
    Rect conditionBars;
    Rect statusBox;  // the shaded box of the status lines
    int statusRings = 0;
    Rect firstStatusLine;  // each further line lies one line height lower
    int statusLineTenths = 0;
    Rect trainingBox;
    Rect infoPanel;
    Rect nextMatchBox;
    Rect firstMatchRow;  // each further row lies one row height lower
    int matchRowTenths = 0;
    Rect coachingBox;
};

// Fewer than four status lines take the room of four.
constexpr int kMinStatusLines = 4;
StatusPanelLayout LayOutStatusPanel(const Rect& panel, int statusLineCount);

// Cell i (0 to 9) of the squad's attribute picture in the training box, and
// the ball inside it for an average attribute a (0 to 15).
Rect TrainingAttributeCell(const Rect& trainingBox, int i);
Rect TrainingAttributeBall(const Rect& cell, int average);

// A status line ends in three characters that give its colour: red, green,
// blue. The text is what comes before them.
Colour StatusLineColour(const std::string& line);
std::string ColouredStatusLine(const std::string& text, Colour c);
std::string StatusLineText(const std::string& line);

// The advance sales of the next match as marks: one per unit of its
// thousands, hundreds and tens digit, in that order.
using SalesMarks = std::array<int, 3>;
SalesMarks AdvanceSalesMarks(int sales);
// How wide each of `count` marks of height h is drawn in a row that wide.
int SalesMarkWidth(int count, int h, int rowWidth);
