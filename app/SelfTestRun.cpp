#include "app/SelfTestRun.h"

#include <cstdio>
#include <cstdlib>
#include <set>

#include "app/EffectSounds.h"
#include "app/GameView.h"
#include "app/StartScreen.h"
#include "platform/DeviceContext.h"
#include "platform/GameOptions.h"
#include "platform/sdl/SdlWindowSystem.h"

namespace {

enum Timer : unsigned { kClickPictureTimer = 1, kCheckTimer, kGiveUpTimer };
constexpr unsigned kClickPictureMs = 1000;
constexpr unsigned kCheckMs = 2000;
constexpr unsigned kGiveUpMs = 10000;
constexpr int kQuitEntry = 5;
// A picture shows far more colours than a blank or single-coloured screen,
// and an entry at least its frame, its face and its text.
constexpr size_t kMinScreenColours = 16;
constexpr size_t kMinEntryColours = 3;

size_t ColoursIn(const Bitmap& picture, const Rect& area) {
    std::set<Colour> colours;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            colours.insert(picture.GetPixel(x, y));
    return colours.size();
}

Point CentreOf(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace

std::unique_ptr<SelfTestRun> SelfTestRun::FromEnvironment(SdlWindowSystem& system, CGameView& view) {
    const char* screenshot = std::getenv(kVariable);
    if (!screenshot || !*screenshot)
        return nullptr;
    return std::make_unique<SelfTestRun>(system, view, screenshot);
}

SelfTestRun::SelfTestRun(SdlWindowSystem& system, CGameView& view, std::string screenshot)
    : system_(system), view_(view), screenshot_(std::move(screenshot)) {
    SetTimer(kClickPictureTimer, kClickPictureMs);
    SetTimer(kCheckTimer, kCheckMs);
    SetTimer(kGiveUpTimer, kGiveUpMs);
}

void SelfTestRun::OnTimer(unsigned id) {
    KillTimer(id);
    if (id == kClickPictureTimer)
        ClickStartPicture();
    else if (id == kCheckTimer)
        CheckStartScreen();
    else
        Fail(kDidNotQuit, "the program did not quit on its menu's \"quit\"");
}

void SelfTestRun::ClickStartPicture() {
    CStartPictureDlg& picture = view_.StartPicture();
    if (!picture.IsVisible())
        return Fail(kNoStartPicture, "the start picture is not shown");
    Click(CentreOf(picture.WindowRect()));
}

void SelfTestRun::CheckStartScreen() {
    Bitmap screen;
    const bool read = system_.ReadScreen(screen);
    if (read && !screen.SavePng(screenshot_))
        std::fprintf(stderr, "corvanta: cannot write %s\n", screenshot_.c_str());
    if (!read || ColoursIn(screen, {0, 0, screen.Width(), screen.Height()}) < kMinScreenColours)
        return Fail(kBlankScreen, "the screen shows no picture");
    if (view_.StartPicture().IsVisible() || !MenuStandsInPlace(screen))
        return Fail(kMenuMisplaced, "the start screen's menu is not where its layout puts it");
    if (!SoundsPlay())
        return Fail(kSilent, "an effect of \"Effekte\\\" did not load or the start title does not play");
    Click(CentreOf(LayOutStartScreen(view_.ClientRect()).controls[kQuitEntry]));
}

// The screen must show, inside each entry of the menu, what the start
// screen's painter draws there.
bool SelfTestRun::MenuStandsInPlace(const Bitmap& screen) const {
    const Rect client = view_.ClientRect();
    if (screen.Width() != client.Width() || screen.Height() != client.Height())
        return false;
    Bitmap expected(client.Width(), client.Height());
    DeviceContext dc(&expected);
    ControlRects rects;
    DrawStartScreen(dc, client, IsWomensGame(), rects);
    for (int k = 0; k < kGameMenuItemCount; ++k) {
        const Rect& entry = rects[k];
        if (ColoursIn(screen, entry) < kMinEntryColours)
            return false;
        for (int y = entry.top; y < entry.bottom; ++y)
            for (int x = entry.left; x < entry.right; ++x)
                if (screen.GetPixel(x, y) != expected.GetPixel(x, y))
                    return false;
    }
    return true;
}

// Without a sound device the game is silent, and that is no fault.
bool SelfTestRun::SoundsPlay() {
    SdlSound& sound = system_.Sound();
    if (!sound.HasDevice())
        return true;
    for (int slot = 0; slot < kEffectFileCount; ++slot)
        if (g_effectSounds[slot] == SoundPlayer::kNoWave)
            return false;
    return !view_.State().music.on || sound.MusicPlaying();
}

void SelfTestRun::Click(Point screenPoint) {
    system_.Deliver(InputEvent::Down(screenPoint));
    system_.Deliver(InputEvent::Up(screenPoint));
}

void SelfTestRun::Fail(Failure failure, const char* what) {
    std::fprintf(stderr, "corvanta: self test: %s\n", what);
    system_.Quit(failure);
}
