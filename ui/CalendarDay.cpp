#include "ui/CalendarDay.h"

#include "engine/ScreenWords.h"
#include "platform/Text.h"
#include "ui/KeepTools.h"
#include "ui/PaintSettings.h"
#include "ui/Shading.h"

namespace {

constexpr int kHeaderGrey = 192;
constexpr int kNoEntryColour = 73;
constexpr int kTextColour = 8;
constexpr int kSundayTextColour = 74;

void DrawHeaderBand(DeviceContext& dc, Rect band) {
    const int step = (1280 / band.Height()) * 2;
    for (; band.Height() >= 0; band.Inflate(-1, -1)) {
        const int grey = kHeaderGrey - ((band.Height() / 2) * step) / 10;
        dc.FrameRect(band, Brush::Solid(Rgb(grey, grey, grey)));
    }
}

// Rings on the left, right and bottom only, darkest outside; returns what is left.
Rect DrawBody(DeviceContext& dc, Rect body, Colour c) {
    const int w = body.Width() / 10;
    const int step = 640 / w;
    for (int i = w; i >= 0; --i) {
        dc.FrameRect(body, Brush::Solid(Darken(c, (step * i) / 10)));
        body.left += 1, body.right -= 1, body.bottom -= 1;
    }
    dc.FillRect(body, c);
    return body;
}

void DrawLine(DeviceContext& dc, const std::string& text, const Rect& r, int tenths, unsigned format) {
    dc.SelectFont(Font::Point(g_fontFaceName, tenths));
    dc.DrawText(text, r, format);
}

}  // namespace

void DrawCalendarDay(DeviceContext& dc, const Rect& r, const Date& date, const CalendarDayEntry* entry) {
    const Rect band{r.left, r.top, r.right, r.top + r.Height() / 5};
    const Rect body{r.left, band.bottom, r.right, r.bottom};
    if (band.Height() <= 0 || body.Width() / 10 <= 0)
        return;
    KeepTools keep(dc);
    DrawHeaderBand(dc, band);
    const Colour dayColour = entry ? entry->colour : g_skinColours[kNoEntryColour];
    const Rect inside = DrawBody(dc, body, dayColour);

    dc.SetTextColour(g_skinColours[date.DayOfWeek() == Weekday::kSunday ? kSundayTextColour : kTextColour]);
    const int unit = inside.Height() / 10;
    constexpr unsigned kLine = TextCentred | TextNoClip;
    Rect line{inside.left, inside.top, inside.right, inside.top + unit};
    DrawLine(dc, g_monthNames[date.Month() - 1] + Format(" '%02d", date.Year() % 100), line, unit * 6, kLine);
    line = {line.left, line.bottom, line.right, line.bottom + 3 * unit};
    DrawLine(dc, Format("%d", date.Day()), line, 3 * unit * 6, kLine);
    line = {line.left, line.bottom, line.right, line.bottom + 2 * unit};
    DrawLine(dc, g_weekdayShortNames[date.DayOfWeek() - 1], line, 2 * unit * 6, kLine);
    if (entry) {
        line = {line.left, line.bottom + unit, line.right, inside.bottom};
        DrawLine(dc, entry->label, line, unit * 5, TextCenter | TextWordBreak);
    }
}
