#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/DeviceContext.h"
#include "platform/HeadlessModalRunner.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/Window.h"
#include "platform/WindowModalRunner.h"

namespace {

// Writes down every message it gets, with the clock at that moment.
class LogWindow : public Window {
public:
    explicit LogWindow(std::string name, std::vector<std::string>* log) : name_(std::move(name)), log_(log) {}

    void OnPaint(DeviceContext&) override { ++paints; }
    void OnTimer(unsigned id) override { Note("timer " + std::to_string(id)); }
    void OnLButtonDown(unsigned, Point p) override { Note(At("down", p)); }
    void OnLButtonDblClk(unsigned, Point p) override { Note(At("dblclk", p)); }
    void OnRButtonDown(unsigned, Point p) override { Note(At("rdown", p)); }
    void OnMouseWheel(unsigned, int delta, Point p) override { Note(At("wheel " + std::to_string(delta), p)); }
    void OnKeyDown(unsigned key, unsigned, unsigned) override { Note("key " + std::to_string(key)); }
    void OnChar(unsigned ch, unsigned, unsigned) override { Note("char " + std::to_string(ch)); }
    void OnMusicNotify(MusicNotify) override { Note("music ended"); }

    int paints = 0;

protected:
    void Note(const std::string& what) {
        log_->push_back(name_ + "@" + std::to_string(CurrentWindowSystem().Now()) + " " + what);
    }
    static std::string At(const std::string& what, Point p) {
        return what + " " + std::to_string(p.x) + "," + std::to_string(p.y);
    }

private:
    std::string name_;
    std::vector<std::string>* log_;
};

// Installs a headless system for one test, with the main window shown.
class WindowSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = SetWindowSystem(&system);
        system.ShowMainWindow(main);
    }
    void TearDown() override { SetWindowSystem(previous_); }

    HeadlessWindowSystem system;
    std::vector<std::string> log;
    LogWindow main{"main", &log};

private:
    WindowSystem* previous_ = nullptr;
};

// A dialog window that the modal runner runs in a nested loop.
class WindowDialog : public ModalDialog, public LogWindow {
public:
    explicit WindowDialog(std::vector<std::string>* log) : LogWindow("dialog", log) {}
    ModalRecord Describe() const override { return {"test", "", "", 0, 0, {}, "", false}; }
    void Accept(const ModalAnswer&) override {}
    Window* DialogWindow() override { return this; }
    void OnInitDialog() override {
        MoveWindow({0, 0, 200, 100});
        CenterWindow();
    }
    void OnTimer(unsigned id) override {
        LogWindow::OnTimer(id);
        if (++ticks == endAfterTicks)
            EndModal(true);
    }
    int ticks = 0;
    int endAfterTicks = -1;
};

}  // namespace

TEST_F(WindowSystemTest, TimersFireInDueOrderWithTheirIds) {
    LogWindow other("other", &log);
    main.SetTimer(101, 30);
    other.SetTimer(102, 100);
    system.AdvanceTime(200);
    EXPECT_EQ(log, (std::vector<std::string>{"main@30 timer 101", "main@60 timer 101", "main@90 timer 101",
                                             "other@100 timer 102", "main@120 timer 101", "main@150 timer 101",
                                             "main@180 timer 101", "other@200 timer 102"}));
    EXPECT_EQ(system.Now(), 200u);
}

TEST_F(WindowSystemTest, KillTimerAndResettingAnIdStopOrRestartIt) {
    main.SetTimer(101, 30);
    main.SetTimer(102, 30);
    system.AdvanceTime(40);
    main.KillTimer(102);
    main.SetTimer(101, 50);  // the same id again: a new interval from now
    system.AdvanceTime(100);
    EXPECT_EQ(log, (std::vector<std::string>{"main@30 timer 101", "main@30 timer 102", "main@90 timer 101",
                                             "main@140 timer 101"}));
}

TEST_F(WindowSystemTest, AWindowThatGoesAwayTakesItsTimersAlong) {
    {
        LogWindow shortLived("gone", &log);
        shortLived.SetTimer(7, 10);
        system.AdvanceTime(10);
    }
    system.AdvanceTime(100);
    EXPECT_EQ(log, (std::vector<std::string>{"gone@10 timer 7"}));
}

TEST(WheelDelta, OneNotchIs120AndFractionsRound) {
    struct Case {
        float notches;
        int delta;
    };
    for (Case c : {Case{1, 120}, Case{-1, -120}, Case{3, 360}, Case{0.5f, 60}, Case{-0.25f, -30}, Case{0.004f, 0}})
        EXPECT_EQ(WheelDeltaOf(c.notches), c.delta) << c.notches;
}

TEST_F(WindowSystemTest, InputReachesTheWindowUnderTheMouseInItsOwnCoordinates) {
    LogWindow box("box", &log);
    box.MoveWindow({100, 50, 300, 150});
    system.ShowWindow(box);

    system.Deliver(InputEvent::Down({110, 60}));
    system.Deliver(InputEvent::Down({110, 60}, MouseButton::Left, 2));
    system.Deliver(InputEvent::Down({110, 60}, MouseButton::Left, 3));
    system.Deliver(InputEvent::Down({400, 300}, MouseButton::Right));
    system.Deliver(InputEvent::Wheel({110, 60}, -240));
    system.Deliver(InputEvent::KeyDown('A'));
    system.Deliver(InputEvent::Char('a'));
    EXPECT_EQ(log, (std::vector<std::string>{"box@0 down 10,10", "box@0 dblclk 10,10", "box@0 down 10,10",
                                             "main@0 rdown 400,300", "main@0 wheel -240 110,60", "main@0 key 65",
                                             "main@0 char 97"}));
}

TEST_F(WindowSystemTest, KeysAndCharactersBringTheModifiersHeldWithThem) {
    struct FlagWindow : Window {
        void OnKeyDown(unsigned key, unsigned, unsigned flags) override { seen.push_back({key, flags}); }
        void OnChar(unsigned ch, unsigned, unsigned flags) override { seen.push_back({ch, flags}); }
        std::vector<std::pair<unsigned, unsigned>> seen;
    } window;
    system.ShowMainWindow(window);
    system.Deliver(InputEvent::KeyDown(Key::kTab, MK_SHIFT));
    system.Deliver(InputEvent::KeyDown('C', MK_CONTROL));
    system.Deliver(InputEvent::Char('a'));
    EXPECT_EQ(window.seen, (std::vector<std::pair<unsigned, unsigned>>{
                               {Key::kTab, MK_SHIFT}, {'C', MK_CONTROL}, {'a', 0u}}));
}

TEST(HeadlessWindowSystem, KeepsItsOwnClipboard) {
    HeadlessWindowSystem first;
    HeadlessWindowSystem second;
    EXPECT_EQ(first.ClipboardText(), "");
    first.SetClipboardText("Kiel \x80");
    EXPECT_EQ(first.ClipboardText(), "Kiel \x80");
    EXPECT_EQ(second.ClipboardText(), "");
}

TEST_F(WindowSystemTest, ModalDialogEndsWithOkOnEnterAndCancelOnEscape) {
    HeadlessModalRunner windowless;
    WindowModalRunner runner(system, windowless);
    WindowDialog dialog(&log);

    system.QueueInput(InputEvent::KeyDown('X'));
    system.QueueInput(InputEvent::KeyDown(Key::kReturn));
    system.QueueInput(InputEvent::Char(Key::kReturn));  // comes after the loop ended
    EXPECT_TRUE(runner.Run(dialog));
    EXPECT_FALSE(dialog.IsVisible());

    system.QueueInput(InputEvent::KeyDown(Key::kEscape));
    EXPECT_FALSE(runner.Run(dialog));
    EXPECT_EQ(log, (std::vector<std::string>{"dialog@0 key 88"}));
    EXPECT_TRUE(windowless.Records().empty());
}

TEST_F(WindowSystemTest, TimersRunDuringAModalLoopAndTheMainWindowRepaintsAfterIt) {
    HeadlessModalRunner windowless;
    WindowModalRunner runner(system, windowless);
    WindowDialog dialog(&log);
    dialog.endAfterTicks = 2;
    system.Refresh();
    int paintsBefore = main.paints;

    main.SetTimer(101, 30);
    dialog.SetTimer(104, 20);
    system.QueueInput(InputEvent::Down({5, 5}));  // outside the dialog: nobody gets it
    EXPECT_TRUE(runner.Run(dialog));
    EXPECT_EQ(log, (std::vector<std::string>{"dialog@20 timer 104", "main@30 timer 101", "dialog@40 timer 104"}));
    system.Refresh();
    EXPECT_EQ(main.paints, paintsBefore + 1);
}

TEST_F(WindowSystemTest, ADialogWithoutAWindowIsAnsweredByThePlainRunner) {
    HeadlessModalRunner windowless;
    WindowModalRunner runner(system, windowless);
    windowless.Script(ModalAnswer::Cancel());
    class Plain : public ModalDialog {
        ModalRecord Describe() const override { return {"plain", "", "", 0, 0, {}, "", false}; }
        void Accept(const ModalAnswer&) override {}
    } plain;
    EXPECT_FALSE(runner.Run(plain));
    ASSERT_EQ(windowless.Records().size(), 1u);
    EXPECT_EQ(windowless.Records()[0].kind, "plain");
}

TEST_F(WindowSystemTest, RunEndsOnQuitOrWhenNothingIsLeftToHappen) {
    EXPECT_EQ(system.Run(), 0);  // no timer, no input

    struct Quitter : LogWindow {
        using LogWindow::LogWindow;
        void OnTimer(unsigned id) override {
            LogWindow::OnTimer(id);
            if (CurrentWindowSystem().Now() >= 90)
                CurrentWindowSystem().Quit(3);
        }
    } quitter("quitter", &log);
    quitter.SetTimer(1, 30);
    EXPECT_EQ(system.Run(), 3);
    EXPECT_EQ(log.size(), 3u);
}

TEST_F(WindowSystemTest, MusicEndIsToldOnceAndOnlyForTheTitlePlaying) {
    std::string file = ::testing::TempDir() + "title.mp3";
    FILE* f = fopen(file.c_str(), "wb");
    ASSERT_TRUE(f);
    fclose(f);
    HeadlessSound& sound = system.Sound();

    EXPECT_EQ(sound.PlayMusic(file + ".missing", &main), SoundPlayer::kMusicCannotOpen);
    ASSERT_EQ(sound.PlayMusic(file, &main), 0);
    sound.EndTitle();
    sound.EndTitle();
    ASSERT_EQ(sound.PlayMusic(file, &main), 0);
    sound.StopMusic();
    sound.EndTitle();
    EXPECT_EQ(log, (std::vector<std::string>{"main@0 music ended"}));
    EXPECT_EQ(sound.Calls(), (std::vector<std::string>{"music " + file, "music " + file, "stop music"}));
}

TEST(HeadlessSound, OnlyWaveFilesLoadAndPlay) {
    HeadlessSound sound;
    std::vector<uint8_t> wave{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    EXPECT_EQ(sound.LoadWave({0}), SoundPlayer::kNoWave);
    int id = sound.LoadWave(wave);
    ASSERT_NE(id, SoundPlayer::kNoWave);
    sound.PlayWave(SoundPlayer::kNoWave, false);
    sound.PlayWave(id, true);
    sound.StopWave();
    EXPECT_EQ(sound.Calls(), (std::vector<std::string>{"loop wave 0", "stop wave"}));
}

TEST_F(WindowSystemTest, TheMainWindowCoversTheScreenAndPaintsIntoItsSurface) {
    struct Red : Window {
        void OnPaint(DeviceContext& dc) override { dc.FillRect(ClientRect(), Rgb(255, 0, 0)); }
    } red;
    system.ShowMainWindow(red);
    system.Refresh();
    EXPECT_EQ(red.WindowRect(), HeadlessWindowSystem::kDefaultScreen);
    EXPECT_EQ(red.Surface().Width(), HeadlessWindowSystem::kDefaultScreen.Width());
    EXPECT_EQ(red.Surface().GetPixel(1023, 767), Rgb(255, 0, 0));
}
