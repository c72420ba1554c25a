#include "app/StatusPanelLayout.h"

#include <algorithm>

namespace {

constexpr int kMatchBoxMargin = 20;
constexpr int kMatchRows = 6;
constexpr int kColourChars = 3;
constexpr int kMaxAttribute = 15;

}  // namespace

StatusPanelLayout LayOutStatusPanel(const Rect& panel, int statusLineCount) {
    StatusPanelLayout l;
    const int w = panel.Width(), h = panel.Height();
    const Point c = panel.Center();
    l.calendar = {c.x - w / 8, c.y - h / 4, c.x + w / 8, c.y + h / 4};
    const int cw = l.calendar.Width(), ch = l.calendar.Height();

    l.conditionBars = {panel.left, l.calendar.top + 1, l.calendar.left - (cw >> 1) - 1, panel.bottom};

    l.statusBox = {l.calendar.left - (cw >> 1), l.calendar.bottom + ch / 8, l.calendar.right + (cw >> 1),
                   panel.bottom};
    l.statusRings = l.statusBox.Height() / 8;
    Rect lines = l.statusBox;
    lines.Inflate(-l.statusRings, -l.statusRings);
    const int lineHeight = lines.Height() / std::max(statusLineCount, kMinStatusLines);
    l.firstStatusLine = {lines.left, lines.top, lines.right, lines.top + lineHeight};
    l.statusLineTenths = 4 * lineHeight;

    l.trainingBox = {l.calendar.right + (cw >> 1), panel.top + (ch >> 1), panel.right, panel.bottom};
    l.infoPanel = {l.calendar.right, panel.top, panel.right, l.calendar.top - 1};

    l.nextMatchBox = {panel.left, panel.top, l.calendar.left - 5, l.calendar.top};
    const int rowHeight = (l.nextMatchBox.Height() - 2 * kMatchBoxMargin) / kMatchRows;
    l.firstMatchRow = {panel.left + kMatchBoxMargin, panel.top + kMatchBoxMargin,
                       l.calendar.left - 5 - kMatchBoxMargin, panel.top + kMatchBoxMargin + rowHeight};
    l.matchRowTenths = 4 * rowHeight;

    l.coachingBox = {l.calendar.left, panel.top, l.calendar.right, l.calendar.top};
    return l;
}

Rect TrainingAttributeCell(const Rect& box, int i) {
    const int c = box.Height() / 5;
    const int halfWidth = box.Width() / 2;
    const int left = box.left + (halfWidth - c) / 2 + (i % 2) * halfWidth;
    const int top = box.top + box.Height() / 12 + (i / 2) * c;
    return {left, top, left + c, top + c};
}

Rect TrainingAttributeBall(const Rect& cell, int average) {
    const int c = cell.Width();
    const int inset = c / 8 + (c - c / 8) * (kMaxAttribute - average) / 32;
    Rect ball = cell;
    ball.Inflate(-inset, -inset);
    return ball;
}

Colour StatusLineColour(const std::string& line) {
    if (line.size() < kColourChars)
        return kBlack;
    const auto byte = [&](size_t fromEnd) { return static_cast<unsigned char>(line[line.size() - fromEnd]); };
    return Rgb(byte(3), byte(2), byte(1));
}

std::string ColouredStatusLine(const std::string& text, Colour c) {
    return text + static_cast<char>(RedOf(c)) + static_cast<char>(GreenOf(c)) + static_cast<char>(BlueOf(c));
}

std::string StatusLineText(const std::string& line) {
    return line.size() < kColourChars ? std::string() : line.substr(0, line.size() - kColourChars);
}

SalesMarks AdvanceSalesMarks(int sales) {
    if (sales <= 0)
        return {};
    return {sales / 1000 % 10, sales / 100 % 10, sales / 10 % 10};
}

int SalesMarkWidth(int count, int h, int rowWidth) {
    if (count <= 0)
        return h;
    return count * h > rowWidth ? rowWidth / count : h;
}
