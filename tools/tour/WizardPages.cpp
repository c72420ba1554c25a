#include "tools/tour/WizardPages.h"

#include <functional>
#include <string>
#include <vector>

#include "app/GameView.h"
#include "platform/DeviceContext.h"
#include "platform/GameOptions.h"
#include "platform/HeadlessModalRunner.h"
#include "platform/ScriptedWindowSystem.h"
#include "platform/WindowModalRunner.h"

namespace {

// The names typed in: a first name and a last name with letters beyond ASCII.
constexpr const char* kFirstName = "J\xF6rg";
constexpr const char* kLastName = "Lindqvist-M\xFCller";

// The script of the wizard's run, each click at the centre of what the
// wizard's last paint placed.
class WizardScript {
public:
    WizardScript(ScriptedWindowSystem& screen, CNewGameDlg& wizard, CGameView& view, WizardPictures& pictures)
        : screen_(screen), wizard_(wizard), view_(view), pictures_(pictures) {}

    void Write() {
        Type(kFirstName);
        Press(Key::kTab);
        Type(kLastName);
        Area(CNewGameDlg::kSelectClub);
        Picture();
        Next();
        Row(CNewGameDlg::kActiveList, 1, 4);
        Area(CNewGameDlg::kDeactivate);
        Row(CNewGameDlg::kActiveList, 0, 4);
        Row(CNewGameDlg::kPassiveList, 0, 4);
        Picture();
        Next();
        Area(11 + 2 * CNewGameDlg::kNationColumn);  // the nation list's down arrow
        Row(CNewGameDlg::kNationColumn, 1, 8);
        Row(CNewGameDlg::kLeagueColumn, 0, 8);
        Row(CNewGameDlg::kTeamColumn, 2, 8);
        Row(CNewGameDlg::kContinentColumn, 0, 6);
        Row(CNewGameDlg::kNationalTeamColumn, 2, 6);
        Picture();
        for (int page = 0; page < CNewGameDlg::kPageCount; ++page)
            Click([this] { return wizard_.BackRect(); });
    }

private:
    void Click(std::function<Rect()> where) {
        screen_.AddStep([this, where] {
            const Point at = wizard_.ClientToScreen(where().Center());
            screen_.Queue(InputEvent::Down(at));
            screen_.Queue(InputEvent::Up(at));
        });
    }
    void Area(int area) { Click([this, area] { return wizard_.HitArea(area); }); }
    // Row `row` of a list showing `rows` rows.
    void Row(int area, int row, int rows) {
        Click([this, area, row, rows] {
            const Rect r = wizard_.HitArea(area);
            return Rect{r.left, r.top + row * r.Height() / rows, r.right, r.top + (row + 1) * r.Height() / rows};
        });
    }
    void Next() { Click([this] { return wizard_.NextRect(); }); }
    void Press(unsigned key) { screen_.AddStep([this, key] { screen_.Queue(InputEvent::KeyDown(key)); }); }
    void Type(const std::string& text) {
        screen_.AddStep([this, text] {
            for (const char c : text)
                screen_.Queue(InputEvent::Char(static_cast<unsigned char>(c)));
        });
    }
    // The window's picture with the wizard over it, as the screen shows them.
    void Picture() {
        screen_.AddStep([this] {
            const int page = wizard_.Page();
            if (page < 0 || page >= CNewGameDlg::kPageCount || !pictures_[page].IsEmpty())
                return;
            Bitmap picture = view_.Surface();
            DeviceContext dc(&picture);
            const Rect r = wizard_.WindowRect();
            dc.BitBlt(r.left, r.top, r.Width(), r.Height(), wizard_.Surface(), 0, 0, RasterOp::Copy);
            pictures_[page] = std::move(picture);
        });
    }

    ScriptedWindowSystem& screen_;
    CNewGameDlg& wizard_;
    CGameView& view_;
    WizardPictures& pictures_;
};

}  // namespace

WizardPictures TakeWizardPages(CGameView& view) {
    WizardPictures pictures;
    // The screen has the window's size, so that the wizard centres on the
    // window as it does on the user's screen.
    ScriptedWindowSystem screen(view.ClientRect());
    HeadlessModalRunner windowless;
    WindowModalRunner runner(screen, windowless);
    WindowSystem* const previousSystem = SetWindowSystem(&screen);
    ModalRunner* const previousRunner = SetModalRunner(&runner);
    uint32_t& options = view.State().options;
    const uint32_t previousOptions = options;
    options |= kOptChooseActiveNations;
    {
        CNewGameDlg wizard;
        WizardScript script(screen, wizard, view, pictures);
        script.Write();
        wizard.Open(view.World());
    }
    options = previousOptions;
    SetModalRunner(previousRunner);
    SetWindowSystem(previousSystem);
    return pictures;
}
