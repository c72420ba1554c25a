#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/HeadlessModalRunner.h"
#include "platform/Path.h"
#include "platform/RecordingDeviceContext.h"
#include "platform/Text.h"
#include "platform/WindowModalRunner.h"
#include "screens/FileBrowserDlg.h"
#include "tests/TempFolder.h"
#include "platform/ScriptedWindowSystem.h"

namespace fs = std::filesystem;

namespace {

using Mode = FileBrowserMode;

// A program folder with save games, a folder of skins and one of crests;
// the dialog runs on a scripted screen, and its questions go to the
// windowless runner's script.
class FileBrowser : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"Beta", "alpha", "Anton", "Bert"})
            Write("Save/" + std::string(name) + ".ksv", "save game");
        for (const char* name : {"Original", "Dark", "Z", "Old.1"})
            fs::create_directories(temp_ / "Bitmaps" / name);
        fs::create_directories(temp_ / "Empty");
        SetProgramFolder(temp_.Path());
        previousSystem_ = SetWindowSystem(&screen);
        previousRunner_ = SetModalRunner(&runner);
    }
    void TearDown() override {
        SetModalRunner(previousRunner_);
        SetWindowSystem(previousSystem_);
        ResetProgramFolder();
    }

    void Write(const std::string& relative, const std::string& bytes) {
        fs::create_directories((temp_ / relative).parent_path());
        std::ofstream(temp_ / relative, std::ios::binary) << bytes;
    }

    // Queues a press at the centre of what `where` names when the step runs.
    void Press(std::function<Rect()> where, int clicks = 1) {
        screen.AddStep([this, where, clicks] {
            const Point at = dlg.ClientToScreen(where().Center());
            screen.Queue(InputEvent::Down(at, MouseButton::Left, clicks));
            screen.Queue(InputEvent::Up(at));
        });
    }
    void Ok() { Press([this] { return dlg.PaintedLayout().ok; }); }
    void Cancel() { Press([this] { return dlg.PaintedLayout().cancel; }); }
    void Up() { Press([this] { return dlg.PaintedLayout().up; }); }
    void Down() { Press([this] { return dlg.PaintedLayout().down; }); }
    void Row(int row, int clicks = 1) { Press([this, row] { return dlg.PaintedLayout().Row(row); }, clicks); }
    void Input(InputEvent event) { screen.AddStep([this, event] { screen.Queue(event); }); }
    void Type(const std::string& text) {
        for (char c : text)
            Input(InputEvent::Char(static_cast<unsigned char>(c)));
    }
    void Wheel(int delta, std::function<Rect()> where) {
        screen.AddStep([this, delta, where] {
            screen.Queue(InputEvent::Wheel(dlg.ClientToScreen(where().Center()), delta));
        });
    }
    void Check(std::function<void()> check) { screen.AddStep(std::move(check)); }

    // The questions the dialog asked while it ran.
    std::vector<ModalRecord> Questions() const { return windowless.Records(); }

    TempFolder temp_;
    ScriptedWindowSystem screen;
    HeadlessModalRunner windowless;
    WindowModalRunner runner{screen, windowless};
    CFileBrowserDlg dlg;

private:
    WindowSystem* previousSystem_ = nullptr;
    ModalRunner* previousRunner_ = nullptr;
};

std::vector<std::string> PaintedTexts(CFileBrowserDlg& dlg) {
    RecordingDeviceContext dc(&dlg.Surface());
    dlg.OnPaint(dc);
    std::vector<std::string> texts;
    for (const TextRecord& t : dc.Texts())
        texts.push_back(Utf8ToCp1252(t.utf8));
    return texts;
}

}  // namespace

// Capitals before small letters; equal first characters keep their order.
TEST(FileBrowserOrder, SortsByTheFirstCharacterAlone) {
    struct Case {
        std::vector<std::string> found;
        std::vector<std::string> listed;
    };
    const Case cases[] = {
        {{"Beta", "alpha", "Anton", "Bert"}, {"Anton", "Beta", "Bert", "alpha"}},
        {{"\xF6lf", "_x", "a b", "Zed", "1a", "a.b"}, {"1a", "Zed", "_x", "a b", "a.b", "\xF6lf"}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> names = c.found;
        SortByFirstCharacter(names);
        EXPECT_EQ(names, c.listed);
    }
}

// A smaller bitmap fills the panel; a larger one keeps its shape, at the
// panel's width when it is wider (even if it then stands taller than the panel).
TEST(FileBrowserOrder, PreviewSizeFollowsThePanelAndTheBitmap) {
    struct Case {
        Size bitmap;
        Size shown;
    };
    const Case cases[] = {
        {{50, 50}, {100, 200}}, {{400, 100}, {100, 25}}, {{100, 400}, {50, 200}}, {{400, 1600}, {100, 400}},
    };
    for (const Case& c : cases) {
        const Size shown = PreviewSize({100, 200}, c.bitmap);
        EXPECT_EQ(shown, c.shown) << c.bitmap.width << "x" << c.bitmap.height;
    }
}

TEST_F(FileBrowser, ListsTheFolderSortedWithTheTitlesAndTheFolder) {
    Check([&] {
        EXPECT_EQ(dlg.Entries(), (std::vector<std::string>{"Anton", "Bert", "Beta", "alpha"}));
        const std::vector<std::string> texts = PaintedTexts(dlg);
        for (const char* text : {"load file", "Save\\", "Anton", "alpha"})
            EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text;
    });
    EXPECT_FALSE(dlg.Open(Mode::Load, "ksv", "Save\\"));
}

// The sub-folders without a point; one-character names go with the dot entries.
TEST_F(FileBrowser, FolderModeChoosesASubFolder) {
    Check([&] { EXPECT_EQ(dlg.Entries(), (std::vector<std::string>{"Dark", "Original"})); });
    Row(1);
    Ok();
    ASSERT_TRUE(dlg.Open(Mode::Load, "", "Bitmaps\\"));
    EXPECT_EQ(dlg.GetFileName(), "Original\\");
    EXPECT_EQ(dlg.GetFullPath(), "Bitmaps\\Original\\");
}

// A folder without files: OK does nothing in load mode, cancel ends it.
TEST_F(FileBrowser, AnEmptyFolderListsNothingAndRefusesOk) {
    Ok();
    Row(0);
    Ok();
    Check([&] {
        EXPECT_TRUE(dlg.Entries().empty());
        EXPECT_EQ(dlg.Selection(), -1);
        EXPECT_TRUE(dlg.IsVisible());
    });
    Cancel();
    EXPECT_FALSE(dlg.Open(Mode::Load, "ksv", "Empty\\"));
    EXPECT_FALSE(dlg.Open(Mode::Load, "ksv", "Missing\\"));
}

TEST_F(FileBrowser, ArrowsTrackAndWheelScrollWithinTheList) {
    for (int i = 0; i < 25; ++i)
        Write(Format("Export/t%02d.kmn", i), "team");
    for (int i = 0; i < 20; ++i)
        Down();
    Check([&] { EXPECT_EQ(dlg.FirstRow(), 15); });  // the sixteenth entry at the top
    Wheel(-kWheelDelta, [&] { return dlg.PaintedLayout().list; });
    Check([&] { EXPECT_EQ(dlg.FirstRow(), 15); });
    Wheel(2 * kWheelDelta, [&] { return dlg.PaintedLayout().list; });
    Check([&] { EXPECT_EQ(dlg.FirstRow(), 13); });
    Wheel(kWheelDelta, [&] { return dlg.PaintedLayout().info; });  // outside the list
    Up();
    Check([&] { EXPECT_EQ(dlg.FirstRow(), 12); });
    Press([&] {
        const Rect t = dlg.PaintedLayout().track;
        return Rect{t.left, t.top, t.right, t.top + 1};
    });
    Check([&] { EXPECT_EQ(dlg.FirstRow(), 0); });
    Press([&] { return dlg.PaintedLayout().track; });
    Check([&] {
        const Rect t = dlg.PaintedLayout().track;
        EXPECT_EQ(dlg.FirstRow(), (t.Center().y - t.top) * 16 / t.Height());
    });
    // The row under the click is taken from the first row on.
    Row(2);
    Check([&] {
        EXPECT_EQ(dlg.Selection(), dlg.FirstRow() + 2);
        EXPECT_EQ(dlg.NameLine().GetText(), dlg.Entries()[dlg.Selection()]);
    });
    Ok();
    ASSERT_TRUE(dlg.Open(Mode::Load, "kmn", "Export\\"));
    EXPECT_EQ(dlg.GetFullPath(), Format("Export\\t%02d.kmn", dlg.Selection()));
}

// Ten entries or fewer: the arrows, the track and the wheel do not scroll.
TEST_F(FileBrowser, AShortListDoesNotScroll) {
    Down();
    Press([&] { return dlg.PaintedLayout().track; });
    Wheel(-kWheelDelta, [&] { return dlg.PaintedLayout().list; });
    Check([&] { EXPECT_EQ(dlg.FirstRow(), 0); });
    Cancel();
    EXPECT_FALSE(dlg.Open(Mode::Load, "ksv", "Save\\"));
}

// Saving: a new name ends at once; an existing one asks first, and only a
// name equal to an entry counts; an empty name does nothing; Enter never asks.
TEST_F(FileBrowser, SavingAsksBeforeOverwritingAnExistingFile) {
    struct Case {
        const char* proposed;
        const char* typed;
        bool enter;
        std::vector<bool> answers;  // to each question, in turn
        bool saved;
        size_t questions;
    };
    const Case cases[] = {
        {"Neu", "", false, {}, true, 0},
        {"Beta", "", false, {true}, true, 1},
        {"Beta", "", false, {false}, false, 1},
        {"beta", "", false, {}, true, 0},
        {"", "", false, {}, false, 0},
        {"Beta", "", true, {}, true, 0},
        {"", "Bert", false, {false, true}, true, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.proposed) + "/" + c.typed);
        ScriptedWindowSystem run;
        HeadlessModalRunner asked;
        WindowModalRunner runsOn{run, asked};
        SetWindowSystem(&run);
        SetModalRunner(&runsOn);
        for (bool yes : c.answers)
            asked.Script(yes ? ModalAnswer::Ok() : ModalAnswer::Cancel());
        CFileBrowserDlg browser;
        browser.title = "save game";
        browser.chosenName = c.proposed;
        auto queue = [&](InputEvent e) { run.AddStep([&run, e] { run.Queue(e); }); };
        auto pressOk = [&] {
            run.AddStep([&] {
                const Point at = browser.ClientToScreen(browser.PaintedLayout().ok.Center());
                run.Queue(InputEvent::Down(at));
                run.Queue(InputEvent::Up(at));
            });
        };
        for (const char* t = c.typed; *t; ++t)
            queue(InputEvent::Char(static_cast<unsigned char>(*t)));
        for (size_t i = 0; i < std::max<size_t>(1, c.answers.size()); ++i)
            c.enter ? queue(InputEvent::KeyDown(Key::kReturn)) : pressOk();
        EXPECT_EQ(browser.Open(Mode::Save, "ksv", "Save\\"), c.saved);
        ASSERT_EQ(asked.Records().size(), c.questions);
        for (const ModalRecord& q : asked.Records()) {
            EXPECT_EQ(q.title, "file exists");
            EXPECT_EQ(q.text, "Do you want to " + browser.chosenName + " overwrite the file ?");
            EXPECT_EQ(q.flags, 0x161u);
            EXPECT_EQ(q.extra, 4);
        }
        if (c.saved)
            EXPECT_EQ(browser.GetFullPath(), "Save\\" + browser.chosenName + ".ksv");
    }
    SetWindowSystem(&screen);
    SetModalRunner(&runner);
}

// A click puts the entry into the name line; a double click loads it.
TEST_F(FileBrowser, LoadingTakesAListedEntryOnly) {
    Ok();
    Check([&] { EXPECT_TRUE(dlg.IsVisible()); });
    Type("zz");
    Check([&] { EXPECT_EQ(dlg.NameLine().GetText(), "preset"); });  // read-only
    Row(2);
    Row(2, 2);
    dlg.chosenName = "preset";
    ASSERT_TRUE(dlg.Open(Mode::Load, "ksv", "Save\\"));
    EXPECT_EQ(dlg.GetFileName(), "Beta.ksv");
    EXPECT_TRUE(Questions().empty());
}

// In load mode a key or character puts the first entry that begins with it
// on top; the selection stays.
TEST_F(FileBrowser, KeysJumpToTheFirstEntryWithTheirCharacter) {
    for (int i = 0; i < 12; ++i)
        Write(Format("Export/%c%d.ksp", i < 6 ? 'A' : 'm', i), "player");
    Row(0);
    Input(InputEvent::KeyDown('M'));  // no entry begins with a capital M
    Check([&] { EXPECT_EQ(dlg.FirstRow(), 0); });
    Type("m");
    Check([&] {
        EXPECT_EQ(dlg.FirstRow(), 6);
        EXPECT_EQ(dlg.Selection(), 0);
    });
    Input(InputEvent::KeyDown('A'));
    Check([&] { EXPECT_EQ(dlg.FirstRow(), 0); });
    Input(InputEvent::KeyDown(Key::kEscape));
    EXPECT_FALSE(dlg.Open(Mode::Load, "ksp", "Export\\"));
}

// The selected save game's details: name, type, date, hour and size.
TEST_F(FileBrowser, TheSelectionShowsTheFilesDetails) {
    Write("Save/Gross.ksv", std::string(5000, 'x'));
    Row(3);
    Check([&] {
        ASSERT_EQ(dlg.Selection(), 3);
        const std::vector<std::string> texts = PaintedTexts(dlg);
        for (const char* text : {"Gross.ksv", "ksv", "4 kbyte"})
            EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text;
        EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                                [](const std::string& t) { return t.ends_with(" o'clock"); }),
                  1);
    });
    Cancel();
    EXPECT_FALSE(dlg.Open(Mode::Load, "ksv", "Save\\"));
    EXPECT_EQ(dlg.chosenName, "Gross");
}

// A smaller bitmap is stretched over the whole panel.
TEST_F(FileBrowser, ABitmapShowsAsItsPicture) {
    const Colour red = Rgb(200, 20, 40);
    fs::create_directories(temp_ / "Wappen");
    ASSERT_TRUE(Bitmap(20, 10, red).SaveBmp24(temp_ / "Wappen" / "Rot.bmp"));
    Row(0);
    Check([&] {
        const Rect& panel = dlg.PaintedLayout().info;
        for (Point p : {panel.Center(), Point{panel.left + 1, panel.top + 1}, Point{panel.right - 2, panel.bottom - 2}})
            EXPECT_EQ(dlg.Surface().GetPixel(p.x, p.y), red) << p.x << "," << p.y;
    });
    EXPECT_FALSE(dlg.Open(Mode::Load, "bmp", "Wappen\\"));
    EXPECT_EQ(dlg.GetFullPath(), "Wappen\\Rot.bmp");
}

// Without a window the runner's answer decides as Enter would.
TEST_F(FileBrowser, ARunnerWithoutAWindowAnswersInTheUsersPlace) {
    struct Case {
        Mode mode;
        ModalAnswer answer;
        bool chosen;
        const char* name;
    };
    const Case cases[] = {
        {Mode::Save, ModalAnswer::Input("Neu"), true, "Neu"},
        {Mode::Save, ModalAnswer::Ok(), true, "Club"},
        {Mode::Save, ModalAnswer::Input(""), false, ""},
        {Mode::Save, ModalAnswer::Cancel(), false, "Club"},
        {Mode::Load, ModalAnswer::Input("Beta"), true, "Beta"},
        {Mode::Load, ModalAnswer::Input("beta"), false, "Club"},
        {Mode::Load, ModalAnswer::Choice(3), true, "alpha"},
        {Mode::Load, ModalAnswer::Choice(4), false, "Club"},
        {Mode::Load, ModalAnswer::Ok(), false, "Club"},
    };
    HeadlessModalRunner boxes;
    SetModalRunner(&boxes);
    for (const Case& c : cases) {
        CFileBrowserDlg browser;
        browser.chosenName = "Club";
        boxes.Script(c.answer);
        EXPECT_EQ(browser.Open(c.mode, "ksv", "Save\\"), c.chosen) << c.name;
        EXPECT_EQ(browser.chosenName, c.name);
    }
    const ModalRecord& shown = boxes.Records().front();
    EXPECT_EQ(shown.kind, "file browser");
    EXPECT_EQ(shown.title, "save file");
    EXPECT_EQ(shown.choiceLabels, (std::vector<std::string>{"Anton", "Bert", "Beta", "alpha"}));
    SetModalRunner(&runner);
}
