#include <gtest/gtest.h>

#include "platform/Input.h"
#include "platform/RecordingDeviceContext.h"
#include "tests/ui/ControlInput.h"
#include "ui/ControlLook.h"
#include "ui/EditLine.h"
#include "ui/PaintSettings.h"

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
    line.Show(false);
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

namespace {

class EditLineControl : public ControlTest {
protected:
    EditLine line;
};

// One key or character handed to the line.
struct Input {
    bool isKey;
    unsigned code;
    unsigned flags = 0;
};

Input KeyOf(unsigned key, unsigned flags = 0) { return {true, key, flags}; }
Input CharOf(unsigned character) { return {false, character, 0}; }

Reaction Hand(EditLine& line, const Input& in) {
    return in.isKey ? line.OnKeyDown(in.code, in.flags) : line.OnChar(in.code, in.flags);
}

}  // namespace

TEST_F(EditLineControl, SelectionFollowsShiftAndIsReplacedByWhatIsTyped) {
    struct Case {
        size_t anchor, caret;
        Input input;
        std::string text;
        size_t start, end, caretAfter;
        Reaction::Kind reaction;
    };
    const Case cases[] = {
        {7, 7, KeyOf(Key::kLeft, MK_SHIFT), "Hamburg", 6, 7, 6, Reaction::Taken},
        {3, 3, KeyOf(Key::kHome, MK_SHIFT), "Hamburg", 0, 3, 0, Reaction::Taken},
        {0, 0, KeyOf(Key::kEnd, MK_SHIFT), "Hamburg", 0, 7, 7, Reaction::Taken},
        {2, 5, KeyOf(Key::kRight, MK_SHIFT), "Hamburg", 2, 6, 6, Reaction::Taken},
        {2, 5, KeyOf(Key::kLeft), "Hamburg", 2, 2, 2, Reaction::Taken},    // folds to the start
        {2, 5, KeyOf(Key::kRight), "Hamburg", 5, 5, 5, Reaction::Taken},   // folds to the end
        {7, 7, KeyOf(Key::kRight), "Hamburg", 7, 7, 7, Reaction::Ignored},
        {2, 5, CharOf('X'), "HaXrg", 3, 3, 3, Reaction::Changed},
        {2, 5, CharOf(Key::kBack), "Harg", 2, 2, 2, Reaction::Changed},
        {5, 2, KeyOf(Key::kDelete), "Harg", 2, 2, 2, Reaction::Changed},
        {0, 0, KeyOf('A', MK_CONTROL), "Hamburg", 0, 7, 7, Reaction::Taken},
        {0, 0, CharOf(Key::kBack), "Hamburg", 0, 0, 0, Reaction::Ignored},
        {3, 3, CharOf(Key::kTab), "Hamburg", 3, 3, 3, Reaction::Ignored},
    };
    for (const Case& c : cases) {
        line.SetText("Hamburg");
        line.SetSelection(c.anchor, c.caret);
        EXPECT_EQ(Hand(line, c.input).kind, c.reaction) << c.input.code;
        EXPECT_EQ(line.GetText(), c.text) << c.input.code;
        EXPECT_EQ(line.SelectionStart(), c.start) << c.input.code;
        EXPECT_EQ(line.SelectionEnd(), c.end) << c.input.code;
        EXPECT_EQ(line.Caret(), c.caretAfter) << c.input.code;
    }
}

TEST_F(EditLineControl, TypingAndPastingStopAtTheLimit) {
    struct Case {
        size_t limit;
        const char* text;
        size_t anchor, caret;
        const char* clipboard;  // pasted when set, else 'x' is typed
        const char* result;
        Reaction::Kind reaction;
    };
    const Case cases[] = {
        {5, "Kiel", 4, 4, nullptr, "Kielx", Reaction::Changed},
        {5, "Kiele", 5, 5, nullptr, "Kiele", Reaction::Ignored},   // full
        {5, "Kiele", 0, 5, nullptr, "x", Reaction::Changed},       // the selection makes room
        {5, "Ki", 2, 2, "Handball", "KiHan", Reaction::Changed},   // cut at the limit
        {5, "Kiel", 1, 3, "Handball", "KHanl", Reaction::Changed}, // the selection's room counts
        {5, "Kiele", 5, 5, "Handball", "Kiele", Reaction::Ignored},
        {EditLine::kNoLimit, "", 0, 0, "Line one\r\nLine two", "Line one", Reaction::Changed},
    };
    for (const Case& c : cases) {
        line.SetLimit(c.limit);
        line.SetText(c.text);
        line.SetSelection(c.anchor, c.caret);
        Reaction reaction;
        if (c.clipboard) {
            system.SetClipboardText(c.clipboard);
            reaction = line.OnKeyDown('V', MK_CONTROL);
        } else {
            reaction = line.OnChar('x');
        }
        EXPECT_EQ(line.GetText(), c.result) << c.text;
        EXPECT_EQ(reaction.kind, c.reaction) << c.text;
    }

    // Names of at most 15 characters, as a new manager's first name.
    line.SetLimit(15);
    line.SetText("");
    for (char c : std::string("Maximilianusbert"))
        line.OnChar(static_cast<unsigned char>(c));
    EXPECT_EQ(line.GetText(), "Maximilianusber");
    line.SetText("A text the program sets is kept whole");
    EXPECT_EQ(line.GetText(), "A text the program sets is kept whole");
}

TEST_F(EditLineControl, CopyAndCutGoThroughTheClipboard) {
    line.SetText("THW Kiel");
    line.SetSelection(0, 3);
    EXPECT_TRUE(line.OnKeyDown('C', MK_CONTROL));
    EXPECT_EQ(system.ClipboardText(), "THW");
    EXPECT_EQ(line.GetText(), "THW Kiel");

    line.SetSelection(4, 8);
    EXPECT_EQ(line.OnKeyDown('X', MK_CONTROL).kind, Reaction::Changed);
    EXPECT_EQ(system.ClipboardText(), "Kiel");
    EXPECT_EQ(line.GetText(), "THW ");

    line.SetSelection(4, 4);
    EXPECT_FALSE(line.OnKeyDown('C', MK_CONTROL));  // nothing selected: the clipboard stays
    EXPECT_EQ(system.ClipboardText(), "Kiel");
    EXPECT_FALSE(line.OnKeyDown('V'));               // without Ctrl a letter key does nothing
    EXPECT_EQ(line.OnKeyDown('V', MK_CONTROL).kind, Reaction::Changed);
    EXPECT_EQ(line.GetText(), "THW Kiel");
}

TEST_F(EditLineControl, AReadOnlyLineSelectsAndCopiesButKeepsItsText) {
    line.SetReadOnly(true);
    line.SetText("Bitmaps\\Original\\");
    system.SetClipboardText("pasted");
    line.SetSelection(0, 7);
    EXPECT_FALSE(line.OnChar('x'));
    EXPECT_FALSE(line.OnChar(Key::kBack));
    EXPECT_FALSE(line.OnKeyDown(Key::kDelete));
    EXPECT_FALSE(line.OnKeyDown('V', MK_CONTROL));
    EXPECT_EQ(line.OnKeyDown('X', MK_CONTROL).kind, Reaction::Taken);  // copies only
    EXPECT_EQ(system.ClipboardText(), "Bitmaps");
    EXPECT_EQ(line.GetText(), "Bitmaps\\Original\\");
    EXPECT_EQ(line.SelectionEnd(), 7u);
    EXPECT_TRUE(line.OnKeyDown(Key::kEnd, MK_SHIFT));
    EXPECT_EQ(line.SelectionEnd(), 17u);
}

TEST_F(EditLineControl, TheMousePlacesTheCaretDragsASelectionAndTakesAWordOnADoubleClick) {
    line.SetRect(Rect{10, 10, 310, 33});
    line.SetText("Kiel Zebras");
    const int textLeft = 10 + 2;
    const int y = 20;
    auto after = [&](const char* prefix) { return Point{textLeft + ControlTextWidth(prefix) + 1, y}; };

    line.OnLButtonDown(0, after("Kiel"));
    EXPECT_EQ(line.Caret(), 4u);
    EXPECT_FALSE(line.HasSelection());
    line.OnLButtonDown(MK_SHIFT, after("Kiel Zeb"));
    EXPECT_EQ(line.SelectionStart(), 4u);
    EXPECT_EQ(line.SelectionEnd(), 8u);

    line.OnLButtonDown(0, Point{textLeft, y});
    EXPECT_EQ(line.OnMouseMove(MK_LBUTTON, after("Ki")).kind, Reaction::Taken);
    EXPECT_EQ(line.SelectionStart(), 0u);
    EXPECT_EQ(line.SelectionEnd(), 2u);
    line.OnMouseMove(MK_LBUTTON, Point{400, y});  // past the end
    EXPECT_EQ(line.SelectionEnd(), 11u);

    line.OnLButtonDblClk(0, after("Kiel Ze"));
    EXPECT_EQ(line.SelectionStart(), 5u);
    EXPECT_EQ(line.SelectionEnd(), 11u);
}

TEST_F(EditLineControl, SelectionAndCaretShowOnlyWithTheFocusInTheGameFont) {
    g_fontFaceName = "Times New Roman";
    Bitmap picture(320, 40);
    RecordingDeviceContext dc(&picture);
    EditLine other;
    ControlSet set;
    set.Add({&line, &other});
    line.SetRect(Rect{10, 10, 310, 33});
    line.SetText("Kiel Zebras");
    line.SetSelection(5, 11);

    set.SetFocus(&line);
    line.Paint(dc);
    ASSERT_EQ(dc.Texts().size(), 2u);
    EXPECT_EQ(dc.Texts()[0].utf8, "Kiel Zebras");
    EXPECT_EQ(dc.Texts()[0].colour, kControlText);
    EXPECT_EQ(dc.Texts()[0].backMode, BackMode::Transparent);
    EXPECT_EQ(dc.Texts()[0].font, Font::Point("Times New Roman", 80));
    EXPECT_EQ(dc.Texts()[1].utf8, "Zebras");
    EXPECT_EQ(dc.Texts()[1].colour, kSelectionText);
    EXPECT_EQ(dc.Texts()[1].rect.left, 12 + ControlTextWidth("Kiel "));

    dc.ClearTexts();
    set.SetFocus(&other);
    line.Paint(dc);
    ASSERT_EQ(dc.Texts().size(), 1u);
    EXPECT_EQ(dc.Texts()[0].utf8, "Kiel Zebras");
}

TEST_F(EditLineControl, TabInSelectsTheWholeTextAClickDoesNot) {
    EditLine first;
    ControlSet set;
    set.Add({&first, &line});
    line.SetRect(Rect{10, 40, 200, 63});
    line.SetText("Flensburg");
    set.FocusFirst();
    set.OnKeyDown(Key::kTab, 0);
    EXPECT_EQ(set.Focused(), &line);
    EXPECT_EQ(line.SelectionStart(), 0u);
    EXPECT_EQ(line.SelectionEnd(), 9u);

    set.SetFocus(&first);
    line.SetSelection(9, 9);
    Click(set, Point{190, 50});
    EXPECT_EQ(set.Focused(), &line);
    EXPECT_FALSE(line.HasSelection());
}
