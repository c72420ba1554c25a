#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/MessageDlg.h"
#include "platform/DeviceContext.h"
#include "platform/HeadlessModalRunner.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/WindowModalRunner.h"
#include "ui/PaintSettings.h"
#include "ui/SkinBitmaps.h"

namespace {

constexpr Colour kOkGreen = Rgb(40, 200, 60);
constexpr Colour kCancelRed = Rgb(220, 40, 40);
constexpr int kIconCell = 32;

// Small stand-ins for the skin's dialog pictures: a chequered background,
// a green OK and a red cancel picture, and seven round icons over masks
// that are white outside the circle.
void MakeDialogPictures() {
    g_bmpBackDialog.Create(16, 16, Rgb(60, 80, 120));
    for (int y = 0; y < 16; ++y)
        for (int x = (y / 8) * 8 % 16; x < 16; x += 16)
            for (int i = 0; i < 8; ++i)
                g_bmpBackDialog.SetPixel(x + i, y, Rgb(70, 95, 140));
    g_bmpDButtons.Create(50, 100, kOkGreen);
    for (int y = 50; y < 100; ++y)
        for (int x = 0; x < 50; ++x)
            g_bmpDButtons.SetPixel(x, y, kCancelRed);
    g_bmpLogoBall.Create(CMessageDlg::kIconCount * kIconCell, 2 * kIconCell, kWhite);
    for (int k = 0; k < CMessageDlg::kIconCount; ++k) {
        for (int y = 0; y < kIconCell; ++y) {
            for (int x = 0; x < kIconCell; ++x) {
                const int dx = x - kIconCell / 2, dy = y - kIconCell / 2;
                const bool inside = dx * dx + dy * dy < (kIconCell / 2 - 1) * (kIconCell / 2 - 1);
                g_bmpLogoBall.SetPixel(k * kIconCell + x, y, inside ? Rgb(40 * k, 255 - 30 * k, 128) : kBlack);
                g_bmpLogoBall.SetPixel(k * kIconCell + x, kIconCell + y, inside ? kBlack : kWhite);
            }
        }
    }
}

// A headless screen with the window runner, so boxes run as windows in a
// nested loop and take the clicks and keys the test queues.
class MessageBoxWindow : public ::testing::Test {
protected:
    void SetUp() override {
        previousSystem_ = SetWindowSystem(&system);
        previousRunner_ = SetModalRunner(&runner);
        MakeDialogPictures();
    }
    void TearDown() override {
        SetModalRunner(previousRunner_);
        SetWindowSystem(previousSystem_);
        g_bmpBackDialog.Clear();
        g_bmpDButtons.Clear();
        g_bmpLogoBall.Clear();
    }

    // Where a box of the template's size stands on the screen: centred.
    static Point BoxOrigin() {
        const Rect screen = HeadlessWindowSystem::kDefaultScreen;
        return {(screen.Width() - 605) / 2, (screen.Height() - 455) / 2};
    }
    static Point OnScreen(const Rect& client) {
        const Point c = client.Center();
        return {BoxOrigin().x + c.x, BoxOrigin().y + c.y};
    }
    static MessageBoxLayout TemplateLayout(uint32_t flags, int choices) {
        return LayOutMessageBox(Rect{0, 0, 605, 455}, flags, choices);
    }
    void Click(const Rect& client) { system.QueueInput(InputEvent::Down(OnScreen(client))); }
    void Type(const std::string& keys) {
        for (char c : keys)
            system.QueueInput(InputEvent::Char(static_cast<unsigned char>(c)));
    }

    HeadlessWindowSystem system;
    HeadlessModalRunner windowless;
    WindowModalRunner runner{system, windowless};

private:
    WindowSystem* previousSystem_ = nullptr;
    ModalRunner* previousRunner_ = nullptr;
};

// Paints a box as its window would be painted, without running it.
const Bitmap& Render(CMessageDlg& box, uint32_t flags, int icon) {
    box.flags = flags;
    box.icon = icon;
    box.OnInitDialog();
    box.OnShowWindow(true);
    DeviceContext dc(&box.Surface());
    box.OnPaint(dc);
    return box.Surface();
}

void SavePicture(const Bitmap& picture, const std::string& name) {
    const auto file = std::filesystem::path(CORVANTA_BINARY_DIR) / ("message_box_" + name + ".png");
    ASSERT_TRUE(picture.SavePng(file));
}

}  // namespace

TEST(MessageBoxTemplate, IsFourHundredThreeByTwoHundredEightyDialogUnitsCentred) {
    HeadlessWindowSystem system;
    WindowSystem* previous = SetWindowSystem(&system);
    CMessageDlg box;
    box.OnInitDialog();
    EXPECT_EQ(box.WindowRect(), (Rect{209, 156, 209 + 605, 156 + 455}));
    EXPECT_EQ(box.InputLine().GetRect(), (Rect{180, 358, 353, 380}));
    SetWindowSystem(previous);
}

TEST(MessageBoxLayoutTest, PlacesTheBandPicturesAndTextBoxOfTheTemplateSize) {
    const MessageBoxLayout both = LayOutMessageBox(Rect{0, 0, 605, 455}, MSG_OK | MSG_CANCEL, 0);
    EXPECT_EQ(both.titleBand, (Rect{0, 0, 605, 30}));
    EXPECT_EQ(both.ok, (Rect{545, 395, 595, 445}));       // R-60, B-60, 50 x 50
    EXPECT_EQ(both.cancel, (Rect{10, 395, 60, 445}));     // beside OK: bottom left
    EXPECT_EQ(both.textUnit, 141);                        // (455 - 30) / 3
    EXPECT_EQ(both.textBox, (Rect{37, 164, 568, 328}));
    EXPECT_EQ(both.iconArea, (Rect{0, 30, 605, 136}));
    EXPECT_EQ(both.headers[0], (Rect{37, 136, 207, 157}));
    EXPECT_EQ(both.headers[1], (Rect{214, 136, 384, 157}));
    EXPECT_EQ(both.headers[2], (Rect{391, 136, 568, 157}));
    EXPECT_TRUE(both.progressFrame.IsEmpty());
    for (const Rect& r : both.choices)
        EXPECT_TRUE(r.IsEmpty());

    const MessageBoxLayout cancelOnly = LayOutMessageBox(Rect{0, 0, 605, 455}, MSG_CANCEL, 0);
    EXPECT_EQ(cancelOnly.cancel, (Rect{545, 395, 595, 445}));  // where OK would be
    EXPECT_TRUE(cancelOnly.ok.IsEmpty());

    const MessageBoxLayout progress = LayOutMessageBox(Rect{0, 0, 605, 455}, 0x1108, 0);
    EXPECT_EQ(progress.progressFrame, (Rect{37, 348, 568, 378}));
    EXPECT_EQ(progress.progress, (Rect{39, 350, 566, 376}));
}

TEST(MessageBoxLayoutTest, ChoiceButtonsShareTheWidthWithAnEighthOfTheirSlotAsGap) {
    const MessageBoxLayout two = LayOutMessageBox(Rect{0, 0, 605, 455}, 0xC1, 2);
    EXPECT_EQ(two.choices[0], (Rect{37, 357, 265, 385}));  // slot 302, height 425 / 15
    EXPECT_EQ(two.choices[1], (Rect{339, 357, 567, 385}));
    EXPECT_TRUE(two.choices[2].IsEmpty());
    const MessageBoxLayout three = LayOutMessageBox(Rect{0, 0, 605, 455}, 0x81, 3);
    EXPECT_EQ(three.choices[2], (Rect{427, 357, 578, 385}));  // slot 201
}

TEST_F(MessageBoxWindow, EachStylePaintsToAPngWithItsPartsInPlace) {
    struct Style {
        const char* name;
        uint32_t flags;
        int icon;
        int labels;
    };
    const Style styles[] = {
        {"notice", 0x121, 1, 0}, {"team_notice", 0x1A2, 0, 0}, {"question", 0xE1, 2, 0},
        {"cancel_only", 0x144, -1, 0}, {"choices", 0xC1, 3, 2}, {"three_choices", 0x81, 7, 3},
        {"event", 0x221, 4, 0}, {"entry", 0x964, 5, 0}, {"progress", 0x1108, 6, 0},
    };
    for (const Style& s : styles) {
        SCOPED_TRACE(s.name);
        CMessageDlg box;
        box.title = std::string("A box of the style ") + s.name;
        box.text = "The season ticket holders want to know whether the arena will be enlarged before the "
                   "derby. Please decide.";
        const char* labels[] = {"buy him", "lend him", "leave him"};
        for (int k = 0; k < s.labels; ++k)
            box.choiceLabels[k] = labels[k];
        box.inputText = "Blue Sharks";
        box.percent = 60;
        const Bitmap& picture = Render(box, s.flags, s.icon);
        SavePicture(picture, s.name);

        const MessageBoxLayout& m = box.PaintedLayout();
        EXPECT_EQ(box.flags & MSG_KIND_MASK, MSG_SKIN);
        EXPECT_EQ(picture.GetPixel(5, 0), g_skinColours[1]);  // top row of the band in full colour
        const Colour bottomRight = picture.GetPixel(570, 420);  // the middle of the OK place
        if (s.flags & MSG_OK) {
            EXPECT_EQ(bottomRight, kOkGreen);
        } else if (s.flags & MSG_CANCEL) {
            EXPECT_EQ(bottomRight, kCancelRed);
        } else {
            EXPECT_TRUE(bottomRight != kOkGreen && bottomRight != kCancelRed);
        }
        if ((s.flags & MSG_OK) && (s.flags & MSG_CANCEL)) {
            EXPECT_EQ(picture.GetPixel(35, 420), kCancelRed);
        }
        for (int i = 0; i < MessageBoxLayout::kHeaderCount; ++i) {
            const bool lit = s.flags & (MSG_TEAM << i);
            const Colour litColour = g_skinColours[25] + 0x202020 + 0x606060;
            EXPECT_EQ(picture.GetPixel(m.headers[i].left + 1, m.headers[i].top) == litColour, lit) << i;
        }
        const Point iconCentre{m.iconArea.left + m.iconArea.Height() / 2, m.iconArea.Center().y};
        const bool hasIcon = s.icon >= 0 && s.icon < CMessageDlg::kIconCount;
        EXPECT_EQ(picture.GetPixel(iconCentre.x, iconCentre.y) == Rgb(40 * s.icon, 255 - 30 * s.icon, 128),
                  hasIcon);
        EXPECT_EQ(box.InputLine().IsVisible(), (s.flags & MSG_INPUT) != 0);
    }
}

TEST_F(MessageBoxWindow, ProgressBarFillsItsShareFromYellowAndCapsAtAFullBar) {
    CMessageDlg box;
    box.percent = 50;
    const Bitmap& half = Render(box, 0x1108, -1);
    const Rect bar = box.PaintedLayout().progress;
    EXPECT_EQ(half.GetPixel(bar.left, bar.top + 5), Rgb(255, 255, 0));
    EXPECT_EQ(half.GetPixel(bar.left + bar.Width() / 2 + 2, bar.top + 5), g_skinColours[0]);

    box.percent = 0;
    EXPECT_EQ(Render(box, 0x1108, -1).GetPixel(bar.left, bar.top + 5), g_skinColours[0]);

    box.percent = 150;
    const Bitmap& full = Render(box, 0x1108, -1);
    EXPECT_EQ(box.percent, 100);
    EXPECT_NE(full.GetPixel(bar.right - 1, bar.top + 5), g_skinColours[0]);
    EXPECT_GT(BlueOf(full.GetPixel(bar.right - 1, bar.top + 5)), 240);
}

TEST_F(MessageBoxWindow, ClicksAndKeysEndTheBoxWithTheRightResult) {
    struct Case {
        const char* what;
        uint32_t flags;
        int labels;
        int clickChoice;  // -1: click OK, -2: click cancel, -3: a key only
        unsigned key;
        bool result;
        int choice;
    };
    const Case cases[] = {
        {"OK picture", 0xE1, 0, -1, 0, true, 0},
        {"cancel picture", 0xE1, 0, -2, 0, false, 0},
        {"cancel picture alone", 0x144, 0, -2, 0, false, 0},
        {"second choice", 0xC1, 2, 1, 0, true, 1},
        {"third choice", 0x81, 3, 2, 0, true, 2},
        {"Enter on a box without pictures", 0x81, 0, -3, Key::kReturn, true, 0},
        {"Escape on a box without pictures", 0x81, 0, -3, Key::kEscape, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CMessageDlg box;
        const char* labels[] = {"home", "away", "neutral"};
        for (int k = 0; k < c.labels; ++k)
            box.choiceLabels[k] = labels[k];
        const MessageBoxLayout m = TemplateLayout(c.flags, c.labels);
        Click(m.titleBand);  // nothing there
        if (!(c.flags & (MSG_OK | MSG_CANCEL)))
            Click(TemplateLayout(MSG_OK, 0).ok);  // no picture there
        if (c.clickChoice == -1)
            Click(m.ok);
        else if (c.clickChoice == -2)
            Click(m.cancel);
        else if (c.clickChoice >= 0)
            Click(m.choices[c.clickChoice]);
        else
            system.QueueInput(InputEvent::KeyDown(c.key));
        system.QueueInput(InputEvent::KeyDown(Key::kEscape));  // ends a box the click missed
        EXPECT_EQ(box.Open(c.flags, 1), c.result);
        EXPECT_EQ(box.choice, c.choice);
        EXPECT_FALSE(box.IsVisible());
        system.Run();  // drops the input the box left unread
    }
    EXPECT_TRUE(windowless.Records().empty());
}

TEST_F(MessageBoxWindow, TheEntryLineTakesTypingAndGivesItsTextOnlyOnOk) {
    CMessageDlg box;
    box.inputText = "Sharks";
    system.QueueInput(InputEvent::KeyDown(Key::kHome));
    Type("Blue ");
    system.QueueInput(InputEvent::KeyDown(Key::kEnd));
    Type("x\b!");
    Click(TemplateLayout(0x964, 0).ok);
    EXPECT_TRUE(box.Open(0x964, 0));
    EXPECT_EQ(box.inputText, "Blue Sharks!");

    Type("zzz");
    Click(TemplateLayout(0x964, 0).cancel);
    EXPECT_FALSE(box.Open(0x964, 0));
    EXPECT_EQ(box.inputText, "Blue Sharks!");

    Type(" 2");
    system.QueueInput(InputEvent::KeyDown(Key::kReturn));
    EXPECT_TRUE(box.Open(0x964, 0));
    EXPECT_EQ(box.inputText, "Blue Sharks! 2");

    // Shift with the arrows selects, and typing replaces the selection.
    system.QueueInput(InputEvent::KeyDown(Key::kHome));
    for (int i = 0; i < 5; ++i)
        system.QueueInput(InputEvent::KeyDown(Key::kRight, MK_SHIFT));
    Type("Red ");
    Click(TemplateLayout(0x964, 0).ok);
    EXPECT_TRUE(box.Open(0x964, 0));
    EXPECT_EQ(box.inputText, "Red Sharks! 2");
}

TEST_F(MessageBoxWindow, ProgressWindowStaysUpWhileTheCallerWorksAndGoesWithTheBox) {
    {
        CMessageDlg box;
        box.title = "saving";
        EXPECT_TRUE(box.ShowModeless(0x1108, 0));
        EXPECT_TRUE(box.IsVisible());
        box.percent = 150;
        box.DrawProgress();
        EXPECT_EQ(box.percent, 100);
        const Rect bar = box.PaintedLayout().progress;
        EXPECT_GT(BlueOf(box.Surface().GetPixel(bar.right - 1, bar.top + 5)), 240);
    }
    EXPECT_TRUE(windowless.Records().empty());
}
