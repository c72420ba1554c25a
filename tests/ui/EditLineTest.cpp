#include <gtest/gtest.h>

#include "platform/Input.h"
#include "platform/RecordingDeviceContext.h"
#include "ui/EditLine.h"

TEST(EditLine, KeysMoveTheCaretAndCharactersEditAtIt) {
    EditLine line;
    line.SetText("Hamburg");
    EXPECT_EQ(line.Caret(), 7u);
    EXPECT_FALSE(line.OnKeyDown(Key::kRight));  // already at the end
    EXPECT_FALSE(line.OnKeyDown(Key::kDelete));
    EXPECT_TRUE(line.OnKeyDown(Key::kHome));
    EXPECT_FALSE(line.OnChar(Key::kBack));      // nothing before the caret
    EXPECT_TRUE(line.OnChar('S'));
    EXPECT_TRUE(line.OnChar('V'));
    EXPECT_TRUE(line.OnChar(' '));
    EXPECT_TRUE(line.OnKeyDown(Key::kDelete));  // the "H"
    EXPECT_TRUE(line.OnKeyDown(Key::kLeft));
    EXPECT_TRUE(line.OnChar(Key::kBack));       // the "V"
    EXPECT_EQ(line.GetText(), "S amburg");
    EXPECT_TRUE(line.OnKeyDown(Key::kEnd));
    EXPECT_TRUE(line.OnChar(0xE9));             // code page 1252 letters are typed as they are
    EXPECT_EQ(line.GetText(), "S amburg\xE9");
    for (unsigned control : {Key::kTab, Key::kReturn, Key::kEscape, 127u, 256u})
        EXPECT_FALSE(line.OnChar(control)) << control;
    EXPECT_FALSE(line.OnKeyDown(Key::kF1));
    EXPECT_EQ(line.GetText(), "S amburg\xE9");
}

TEST(EditLine, ALongTextScrollsSoThatTheCaretStaysInSight) {
    Bitmap picture(200, 40);
    RecordingDeviceContext dc(&picture);
    EditLine line;
    line.SetRect(Rect{10, 10, 90, 30});
    line.SetText("Borussia Handball Club Nordhausen");
    line.Paint(dc);
    EXPECT_TRUE(dc.Texts().empty());  // hidden: nothing painted

    line.Show(true);
    line.Paint(dc);
    ASSERT_EQ(dc.Texts().size(), 1u);
    const std::string shown = dc.Texts()[0].utf8;
    EXPECT_LT(shown.size(), line.GetText().size());
    EXPECT_EQ(line.GetText().substr(line.GetText().size() - shown.size()), shown);
    EXPECT_EQ(picture.GetPixel(10, 10), kBlack);             // the frame
    EXPECT_EQ(picture.GetPixel(11, 29 - 1), kControlFill);

    dc.ClearTexts();
    line.OnKeyDown(Key::kHome);
    line.Paint(dc);
    EXPECT_EQ(dc.Texts()[0].utf8, line.GetText());           // back at the start
}
