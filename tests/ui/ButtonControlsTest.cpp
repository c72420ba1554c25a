#include <gtest/gtest.h>

#include "platform/Input.h"
#include "platform/RecordingDeviceContext.h"
#include "tests/ui/ControlInput.h"
#include "ui/CheckBox.h"
#include "ui/ControlLook.h"
#include "ui/PaintSettings.h"
#include "ui/PushButton.h"
#include "ui/StaticText.h"

TEST(PushButton, ClicksWhenReleasedOverItOrOnSpace) {
    PushButton search;
    search.SetRect({10, 10, 110, 33});
    const Point in = search.GetRect().Center(), out{200, 200};
    struct Case {
        std::vector<Point> moves;
        Point release;
        Reaction::Kind reaction;
    };
    const Case cases[] = {
        {{}, in, Reaction::Clicked},
        {{out}, out, Reaction::Taken},
        {{out, in}, in, Reaction::Clicked},  // dragged off and back
    };
    for (const Case& c : cases) {
        search.OnLButtonDown(0, in);
        EXPECT_TRUE(search.IsPressed());
        for (Point p : c.moves)
            search.OnMouseMove(MK_LBUTTON, p);
        EXPECT_EQ(search.OnLButtonUp(0, c.release).kind, c.reaction);
        EXPECT_FALSE(search.IsPressed());
    }
    EXPECT_EQ(search.OnKeyDown(Key::kSpace, 0).kind, Reaction::Clicked);
    EXPECT_FALSE(search.OnKeyDown(Key::kDown, 0));
}

TEST(CheckBox, APressTurnsTheTickOver) {
    CheckBox events;
    ControlSet set;
    set.Add(events);
    events.SetRect({10, 10, 200, 26});
    events.SetText("show events");
    EXPECT_TRUE(Click(set, events.GetRect().Center()).Is(events, Reaction::Changed));
    EXPECT_TRUE(events.IsChecked());
    EXPECT_TRUE(set.OnKeyDown(Key::kSpace, 0).Is(events, Reaction::Changed));
    EXPECT_FALSE(events.IsChecked());
    set.OnLButtonDown(0, events.GetRect().Center());
    set.OnLButtonUp(0, Point{300, 18});
    EXPECT_FALSE(events.IsChecked());
}

TEST(ButtonControls, TextInTheGameFontWithoutABackgroundOnTheControlFill) {
    g_fontFaceName = "Times New Roman";
    Bitmap picture(400, 200, kWhite);
    RecordingDeviceContext dc(&picture);
    StaticText label;
    label.SetRect({10, 10, 110, 40});
    label.SetText("first name");
    PushButton search;
    search.SetRect({10, 50, 110, 73});
    search.SetText("search");
    CheckBox check;
    check.SetRect({10, 80, 210, 96});
    check.SetText("sound enabled");
    check.Enable(false);
    label.Paint(dc);
    search.Paint(dc);
    check.Paint(dc);

    ASSERT_EQ(dc.Texts().size(), 3u);
    for (const TextRecord& t : dc.Texts()) {
        EXPECT_EQ(t.font, Font::Point("Times New Roman", 80)) << t.utf8;
        EXPECT_EQ(t.backMode, BackMode::Transparent) << t.utf8;
    }
    EXPECT_EQ(dc.Texts()[0].rect, label.GetRect());
    EXPECT_EQ(dc.Texts()[0].format, static_cast<unsigned>(TextLeft | TextWordBreak));
    EXPECT_EQ(dc.Texts()[1].format, static_cast<unsigned>(TextCentred));
    EXPECT_EQ(dc.Texts()[1].colour, kControlText);
    EXPECT_EQ(dc.Texts()[2].colour, kDisabledText);
    EXPECT_EQ(picture.GetPixel(100, 35), kControlFill);  // under the label
    EXPECT_EQ(picture.GetPixel(150, 35), kWhite);        // beside it

    dc.ClearTexts();
    label.SetAlign(StaticText::Align::Right);
    label.Paint(dc);
    EXPECT_EQ(dc.Texts()[0].format, static_cast<unsigned>(TextRight | TextWordBreak));
}
