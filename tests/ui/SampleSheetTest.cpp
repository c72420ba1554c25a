#include <gtest/gtest.h>

#include <filesystem>

#include "ui/Buttons.h"
#include "ui/CalendarDay.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/ConditionBars.h"
#include "ui/ControlSet.h"
#include "ui/DatePicker.h"
#include "ui/EditLine.h"
#include "ui/ListBox.h"
#include "ui/PicturedNumbers.h"
#include "ui/ProgressBar.h"
#include "ui/PushButton.h"
#include "ui/Shading.h"
#include "ui/Shirt.h"
#include "ui/SkinBitmaps.h"
#include "ui/Spin.h"
#include "ui/StaticText.h"

// Draws every primitive once onto one picture, for a person to look at:
// build/canvas_sample.png.
TEST(SampleSheet, RendersEveryPrimitiveToAPng) {
    Bitmap sheet(960, 640, Rgb(40, 60, 90));
    DeviceContext dc(&sheet);
    dc.SetBackMode(BackMode::Transparent);
    const Colour blue = Rgb(75, 145, 215), sand = Rgb(200, 175, 150), green = Rgb(120, 200, 120);

    FillGradientRect(Rect{10, 10, 150, 70}, blue, true, 255, dc);
    FillGradientRectHorz(Rect{160, 10, 300, 70}, sand, true, 255, dc);
    DrawShadowedGradientRect(Rect{360, 30, 440, 70}, green, 80, true, true, true, dc);
    FillSoftEdgedRect(dc, Rect{460, 10, 600, 70}, blue, 12);
    FillRaisedRect(Rect{610, 10, 750, 70}, sand, false, 255, dc);
    FillRaisedRect(Rect{760, 10, 900, 70}, sand, true, 255, dc);

    FillTubeRect(green, Rect{10, 90, 150, 150}, dc, 0);
    DrawShadowFrame(Rect{175, 105, 285, 135}, 10, sand, 120, dc);
    dc.FillRect(Rect{175, 105, 285, 135}, sand);
    DrawShadedBorder(Rect{310, 90, 450, 150}, blue, 16, dc);
    DrawShadedRoundRect(Rect{460, 90, 600, 150}, green, 8, 255, dc);
    DrawShadedEllipse(dc, Rect{620, 90, 680, 150}, Rgb(255, 200, 64), true, true);
    DrawShadedDot(Rect{700, 100, 740, 140}, Rgb(255, 64, 64), dc);
    DrawShadedTriangle(Rgb(196, 255, 128), Point{820, 90}, Point{760, 150}, Point{880, 150}, 96, dc);

    DrawShadedLine(sand, Point{10, 190}, Point{150, 190}, 16, false, dc);
    DrawShadedLine(sand, Point{180, 165}, Point{180, 225}, 16, true, dc);
    DrawShadedArc(Rect{210, 165, 330, 285}, Point{330, 225}, Point{210, 225}, Rgb(255, 255, 128), 12, 255, dc);
    DrawFourSidedBevel(Rgb(100, 100, 160), kWhite, kBlack, Rgb(200, 200, 255), Rgb(20, 20, 60),
                       Rect{350, 170, 490, 230}, dc);
    FillTwoColourGradient(Rgb(255, 0, 0), Rgb(0, 0, 255), false, Rect{500, 170, 640, 200}, dc);
    FillTwoColourGradient(Rgb(255, 255, 0), Rgb(0, 128, 0), true, Rect{500, 200, 640, 230}, dc);
    DrawEdgedBox(dc, Rect{650, 170, 790, 230}, Rgb(184, 184, 255), Rgb(200, 200, 150));

    dc.SetTextColour(kBlack);
    DrawPushButton(Rect{10, 300, 150, 340}, "push", Rgb(220, 220, 220), dc, false);
    DrawPushButton(Rect{160, 300, 300, 340}, "pressed", Rgb(220, 220, 220), dc, true);
    DrawCushionButton(Rect{310, 300, 450, 340}, "cushion", Rgb(200, 200, 120), dc, 0);
    DrawBevelButton(Rect{460, 300, 600, 340}, "bevel \x80", Rgb(150, 200, 200), dc, 0);
    Bitmap card(4, 4, Rgb(230, 220, 200));
    card.SetPixel(1, 1, Rgb(210, 200, 180));
    g_pCardBitmap = &card;
    DrawTexturedBox(Rect{610, 300, 750, 340}, Rgb(184, 184, 255), dc);

    const CalendarDayEntry entry{"league match day 12", Rgb(200, 200, 245)};
    DrawCalendarDay(dc, Rect{10, 360, 110, 480}, Date(2024, 7, 7), &entry);
    DrawCalendarDay(dc, Rect{120, 360, 220, 480}, Date(2024, 7, 8), nullptr);
    DrawConditionBars(dc, Rect{240, 360, 440, 560}, ConditionValues{90, 60, 150, 40});
    g_pCardBitmap = nullptr;
    for (int d = 0; d <= 10; ++d)
        DrawDotMatrixDigit(Rect{460 + 40 * d, 360, 490 + 40 * d, 420}, Rgb(255, 64, 64), Rgb(60, 30, 30), d, dc);
    DrawShirt(Rect{460, 440, 520, 500}, dc, Rgb(255, 32, 32));
    DrawShirt(Rect{530, 440, 590, 500}, dc, Rgb(255, 255, 255));

    dc.SetTextColour(kWhite);
    const std::string text = "Corvanta \x80 12.345 - word break wraps this sentence onto several lines.";
    dc.DrawText(text, Rect{610, 440, 940, 470}, TextCentred);
    dc.DrawText(text, Rect{610, 470, 780, 570}, TextLeft | TextWordBreak);
    dc.SelectFont(Font::Point("Times New Roman", 140));
    dc.DrawText("Times New Roman, right", Rect{610, 570, 950, 630}, TextRight | TextBottom | TextSingleLine);

    const auto file = std::filesystem::path(CORVANTA_BINARY_DIR) / "canvas_sample.png";
    ASSERT_TRUE(sheet.SavePng(file));
    EXPECT_GT(std::filesystem::file_size(file), 1000u);
}

// Every standard control once, focused and not, on a dialog's blue:
// build/controls_sample.png.
TEST(SampleSheet, RendersEveryControlToAPng) {
    Bitmap sheet(640, 360, Rgb(75, 110, 170));
    DeviceContext dc(&sheet);
    StaticText label;
    label.SetRect({20, 20, 110, 40});
    label.SetText("first name");
    EditLine name;
    name.SetRect({120, 18, 320, 41});
    name.SetText("Maximilian");
    name.SetSelection(0, 4);
    EditLine other;
    other.SetRect({120, 50, 320, 73});
    other.SetText("not focused");
    DatePicker birthday;
    birthday.SetRect({120, 82, 320, 107});
    birthday.SetDate(1981, 7, 5);
    ComboBox nation;
    nation.SetRect({340, 18, 520, 160});
    for (const char* n : {"Denmark", "France", "Germany", "Spain"})
        nation.AddString(n);
    nation.Select(2);
    ListBox clubs;
    clubs.SetRect({20, 120, 320, 220});
    clubs.SetSelectionMode(ListBox::Selection::Multiple);
    clubs.SetTabStops({0, 40});
    for (int i = 0; i < 12; ++i)
        clubs.AddString(std::to_string(i + 1) + ".\tclub " + std::to_string(i + 1));
    clubs.SetSelected(1, true);
    clubs.SetSelected(3, true);
    CheckBox events;
    events.SetRect({20, 235, 220, 251});
    events.SetText("show events");
    events.SetChecked(true);
    PushButton search;
    search.SetRect({240, 232, 320, 255});
    search.SetText("search");
    EditLine columns;
    columns.SetRect({340, 232, 380, 255});
    Spin spin;
    spin.SetRect({380, 232, 396, 255});
    spin.SetRange(0, 5);
    spin.SetBuddy(&columns);
    spin.SetPosition(3);
    Spin sideways;
    sideways.SetRect({410, 232, 450, 255});
    sideways.SetOrientation(Spin::Orientation::Horizontal);
    ProgressBar bar;
    bar.SetRect({20, 270, 320, 290});
    bar.SetPosition(40);
    ControlSet set;
    set.Add({&label, &name, &other, &birthday, &clubs, &events, &search, &columns, &spin, &sideways, &bar});
    set.SetFocus(&name);
    set.Paint(dc);
    nation.Paint(dc);  // alone, so drawn with the focus
    ComboBox dropped;
    dropped.SetRect({540, 18, 630, 40});
    for (const char* n : {"none", "small", "big"})
        dropped.AddString(n);
    dropped.Drop();
    dropped.Paint(dc);

    const auto file = std::filesystem::path(CORVANTA_BINARY_DIR) / "controls_sample.png";
    ASSERT_TRUE(sheet.SavePng(file));
    EXPECT_GT(std::filesystem::file_size(file), 1000u);
}
