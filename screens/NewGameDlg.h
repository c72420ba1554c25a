#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Date.h"
#include "platform/ModalRunner.h"
#include "platform/Window.h"
#include "ui/ControlSet.h"
#include "ui/DatePicker.h"
#include "ui/EditLine.h"
#include "ui/StaticText.h"

class CWorld;

// The wizard that starts a new game, on a world freshly read from its file.
// Page 0 takes the manager's name, birthday and how he starts ("real
// career" or "select first club"); page 1 the nations that stay active;
// page 2 his first club and a national team. Finishing writes the manager's
// names, birthday and level, makes the deselected nations passive and gives
// him his teams; cancelling writes nothing.
//
// The three pages replace each other in one painted window. Only page 0
// holds standard controls; everything else is painted, and each full paint
// stores the click areas of the current page.
class CNewGameDlg : public ModalDialog, public Window {
public:
    static constexpr Size kSizeInDialogUnits{463, 316};
    static constexpr int kHitAreaCount = 20;
    static constexpr int kColumnCount = 5;
    static constexpr size_t kFirstNameLimit = 15;
    static constexpr size_t kLastNameLimit = 25;
    static constexpr int kPageCount = 3;
    // The page after the last: the wizard finished.
    static constexpr int kFinished = kPageCount;

    // Page 1's click areas.
    enum NationArea {
        kActivate = 0, kDeactivate = 1, kContinentList = 2, kActiveList = 3, kPassiveList = 4,
        kContinentBar = 5, kActiveBar = 6, kPassiveBar = 7, kContinentUp = 8, kContinentDown = 9,
        kActiveUp = 10, kActiveDown = 11, kPassiveUp = 12, kPassiveDown = 13, kPassivateOthers = 14,
    };
    // Page 0's click areas.
    enum StartArea { kRealCareer = 0, kSelectClub = 1 };
    // Page 2's columns: list i is area i, its bar 5 + i, its arrows 10 + 2i and 11 + 2i.
    enum Column { kNationColumn, kLeagueColumn, kTeamColumn, kContinentColumn, kNationalTeamColumn };

    CNewGameDlg();
    CNewGameDlg(const CNewGameDlg&) = delete;
    CNewGameDlg& operator=(const CNewGameDlg&) = delete;

    // Prepares the lists from the world's nations that are not passive and
    // runs the wizard; true when the user went through to the end.
    bool Open(CWorld& world);
    // The title line of page 0, 1 or 2.
    static const char* PageTitle(int page);

    ModalRecord Describe() const override;
    // A runner without a window ends the wizard in the user's place: OK
    // finishes with what the pages hold, anything else cancels.
    void Accept(const ModalAnswer& answer) override;
    Window* DialogWindow() override { return this; }

    void OnInitDialog() override;
    void OnPaint(DeviceContext& dc) override;
    void OnLButtonDown(unsigned flags, Point p) override;
    void OnLButtonUp(unsigned flags, Point p) override;
    void OnMouseMove(unsigned flags, Point p) override;
    void OnMouseWheel(unsigned flags, int delta, Point screenPoint) override;
    void OnKeyDown(unsigned key, unsigned repeat, unsigned flags) override;
    void OnChar(unsigned character, unsigned repeat, unsigned flags) override;
    // Enter goes on to the next page, Escape back.
    void OnOK() override { Next(); }
    void OnCancel() override { Back(); }

    // What the last full paint placed, and the state the tests check.
    const Rect& HitArea(int area) const { return hit_[area]; }
    const Rect& BackRect() const { return backRect_; }
    const Rect& NextRect() const { return nextRect_; }
    int Page() const { return page_; }
    bool StartsWithClub() const { return startWithClub_; }
    const std::vector<uint16_t>& ActiveNations() const { return active_; }
    const std::vector<uint16_t>& PassiveNations() const { return passivate_; }
    int Selection(int i) const { return selection_[i]; }
    int Scroll(int i) const { return scroll_[i]; }
    int ActiveCount(int continent) const { return activeCountByContinent_[continent]; }
    int PassiveCount(int continent) const { return passiveCountByContinent_[continent]; }
    int GetColumnCount(int column) const;
    const EditLine& FirstNameLine() const { return firstNameEdit_; }
    const EditLine& LastNameLine() const { return lastNameEdit_; }
    const DatePicker& BirthdayPicker() const { return birthdayPicker_; }

private:
    static constexpr int kContinentRows = 12;
    static constexpr int kNationRows = 4;

    void Next();
    void Back();
    bool SkipsNationPage() const;
    void ShowPageControls();
    void SortNationLists();
    void ApplyChoices();

    // Page 0, 1 and 2 clicks and the wheel; true when something changed.
    bool OnStartClick(Point p);
    bool OnNationClick(Point p);
    bool OnClubClick(Point p);
    bool OnNationWheel(int steps, Point p);
    bool OnClubWheel(int steps, Point p);

    // The nation moves of page 1; each refuses what it must not do.
    bool Activate();
    bool Deactivate();
    bool PassivateOthers();

    // Walks a nation list by entries of the selected continent.
    bool OnSelectedContinent(uint16_t key) const;
    int StepInContinent(const std::vector<uint16_t>& list, int from, int steps) const;
    bool PickInList(const std::vector<uint16_t>& list, int& selection, int scroll, int row) const;
    int ContinentScrollLimit() const;
    int ColumnRows(int column) const;
    void SelectInColumn(int column, int row);

    // The names of what the pages list.
    std::string ContinentName(int continent) const;
    int CountryOf(uint16_t key) const;
    std::string LeagueName(int row) const;
    std::string TeamName(int row) const;

    void LayOut();
    void PaintPage0(DeviceContext& dc);
    void PaintPage1(DeviceContext& dc);
    void PaintPage2(DeviceContext& dc);
    void PaintNationRows(DeviceContext& dc, const std::vector<uint16_t>& list, int scroll, int selected,
                         const Rect& box, int colourIndex) const;
    void PaintScrollParts(DeviceContext& dc, int listArea, int barArea, int upArea, int count, int shown,
                          int scroll) const;
    void PaintColumn(DeviceContext& dc, int column, const char* caption) const;

    std::vector<uint8_t> passiveCountByContinent_;
    std::vector<uint8_t> activeCountByContinent_;
    std::array<int, kColumnCount> selection_{};
    std::array<int, kColumnCount> scroll_{};
    std::vector<uint16_t> passivate_;
    std::vector<uint16_t> active_;
    bool startWithClub_ = false;
    std::array<Rect, kHitAreaCount> hit_{};
    int page_ = 0;
    Rect backRect_;
    Rect nextRect_;
    Rect pageRect_;
    CWorld* world_ = nullptr;

    StaticText firstNameLabel_, lastNameLabel_, birthdayLabel_;
    EditLine firstNameEdit_, lastNameEdit_;
    DatePicker birthdayPicker_;
    ControlSet controls_;
};
