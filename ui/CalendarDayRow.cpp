#include "ui/CalendarDayRow.h"

#include <array>
#include <string>

#include "career/CalendarDayEntry.h"
#include "engine/ScreenWords.h"
#include "platform/Text.h"
#include "ui/KeepTools.h"
#include "ui/PaintSettings.h"
#include "ui/Shading.h"
#include "world/GameDate.h"
#include "world/Team.h"

namespace {

// Skin colours.
constexpr int kWhiteText = 7;
constexpr int kBlackText = 8;
constexpr int kWorkdayColour = 46;
constexpr int kWeekendColour = 47;
constexpr int kTodayColour = 48;

constexpr int kTenthsPerPixel = 6;
// The edge of the badge is darkened by about this much, its middle not at all.
constexpr int kEdgeDarkeningTenths = 320;

struct RowColours {
    Colour back;
    Colour text;
};

bool IsSameDay(const Date& a, const Date& b) {
    return a.Year() == b.Year() && a.Month() == b.Month() && a.Day() == b.Day();
}

RowColours ColoursWithoutEntry(const Date& date) {
    if (IsSameDay(date, g_gameDate))
        return {g_skinColours[kTodayColour], g_skinColours[kBlackText]};
    const bool weekend = date.DayOfWeek() == Weekday::kSunday || date.DayOfWeek() == Weekday::kSaturday;
    return {g_skinColours[weekend ? kWeekendColour : kWorkdayColour], g_skinColours[kWhiteText]};
}

// A quarter circle from the side of a round cap to its top, in per mille of
// the radius.
constexpr int kPerMille = 1000;
constexpr std::array<Point, 5> kQuarterCircle = {{{1000, 0}, {924, 383}, {707, 707}, {383, 924}, {0, 1000}}};

using Outline = std::array<Point, 10>;

// Ten points along the badge's top: the upper half of the round left cap,
// the top edge, the upper half of the right cap.
Outline TopOutline(const Rect& r) {
    const int radius = r.Height() / 2;
    const int middle = r.top + radius;
    const int leftCentre = r.left + radius;
    const int rightCentre = r.right - 1 - radius;
    Outline points;
    for (size_t i = 0; i < kQuarterCircle.size(); ++i) {
        const Point left = kQuarterCircle[i];
        const Point right = kQuarterCircle[kQuarterCircle.size() - 1 - i];
        points[i] = {leftCentre - left.x * radius / kPerMille, middle - left.y * radius / kPerMille};
        points[kQuarterCircle.size() + i] = {rightCentre + right.x * radius / kPerMille,
                                             middle - right.y * radius / kPerMille};
    }
    return points;
}

// The outline turned upside down within a ring from top to bottom - 1.
Outline Mirrored(Outline points, const Rect& r) {
    for (Point& p : points)
        p.y = r.top + r.bottom - 1 - p.y;
    return points;
}

void DrawPolyline(DeviceContext& dc, const Outline& points) {
    dc.MoveTo(points[0].x, points[0].y);
    for (size_t i = 1; i < points.size(); ++i)
        dc.LineTo(points[i].x, points[i].y);
}

// The outline and its mirror image drawn again and again while they close
// in on the middle, darkest at the edge.
void DrawBadge(DeviceContext& dc, const Rect& r, Colour c) {
    const int step = kEdgeDarkeningTenths / (r.Height() / 2);
    for (Rect ring = r; ring.Height() > 0 && ring.Width() > 0; ring.Inflate(-1, -1)) {
        dc.SelectPen(Pen::Solid(2, Darken(c, (ring.Height() / 2 * step) / 10)));
        const Outline top = TopOutline(ring);
        DrawPolyline(dc, top);
        DrawPolyline(dc, Mirrored(top, ring));
    }
}

}  // namespace

void DrawCalendarDayRow(DeviceContext& dc, const Rect& r, const Date& date) {
    if (r.Height() / 2 <= 0)
        return;
    std::string label;
    Colour entryColour = kBlack;
    const bool hasEntry = GetCalendarDayEntry(label, GetSeasonDayIndex(date), entryColour, g_skinColours);
    const RowColours colours =
        hasEntry ? RowColours{entryColour, g_skinColours[kBlackText]} : ColoursWithoutEntry(date);

    KeepTools keep(dc);
    DrawBadge(dc, r, colours.back);

    dc.SelectFont(Font::Point(g_fontFaceName, r.Height() * kTenthsPerPixel));
    dc.SetTextColour(colours.text);
    dc.SetBackMode(BackMode::Transparent);
    const int w = r.Width();
    const Rect day{r.left + w / 20, r.top, r.left + w / 20 + 3 * w / 50, r.bottom};
    const Rect weekday{day.right, r.top, day.right + w / 20, r.bottom};
    const Rect entry{weekday.right, r.top, weekday.right + 4 * w / 5, r.bottom};
    dc.DrawText(Format("%d", date.Day()), day, TextCentred);
    dc.DrawText(g_weekdayShortNames[date.DayOfWeek() - 1], weekday, TextCentred);
    if (hasEntry)
        dc.DrawText(label, entry, TextCentred | TextNoClip);
}
