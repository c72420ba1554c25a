#include "screens/NewGameDlg.h"

#include <algorithm>

#include "career/ManagerStart.h"
#include "platform/GameOptions.h"
#include "ui/DialogUnits.h"
#include "world/Continent.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Team.h"
#include "world/Vocabulary.h"
#include "world/World.h"

namespace {

// A nation key: the continent's index in the high byte, the nation's index
// within the continent in the low byte.
int ContinentOf(uint16_t key) { return key >> 8; }
int NationOf(uint16_t key) { return key & 0xFF; }
uint16_t NationKey(size_t continent, size_t nation) { return static_cast<uint16_t>(continent << 8 | nation); }

constexpr WorldRef kNoClubRef = 0xFFFFFFFE;
constexpr int kAgeAtStart = 20;
constexpr int kHighestLevel = 6;

bool ChoosesActiveNations() { return g_pOptions && (*g_pOptions & kOptChooseActiveNations); }

// A club's squad strength halved gives the manager's level, 1 to 6.
uint8_t LevelOf(const CTeam& club) {
    const int level = static_cast<int>(club.GetAverageStrength()) / 2;
    return static_cast<uint8_t>(std::clamp(level, 1, kHighestLevel));
}


}  // namespace

CNewGameDlg::CNewGameDlg() {
    firstNameLabel_.SetText("firstname");
    lastNameLabel_.SetText("lastname");
    birthdayLabel_.SetText("birthday");
    firstNameEdit_.SetLimit(kFirstNameLimit);
    lastNameEdit_.SetLimit(kLastNameLimit);
    birthdayPicker_.SetDate(1981, 1, 1);
    controls_.Add({&firstNameLabel_, &firstNameEdit_, &lastNameLabel_, &lastNameEdit_, &birthdayLabel_,
                   &birthdayPicker_});
}

bool CNewGameDlg::Open(CWorld& world) {
    world_ = &world;
    page_ = 0;
    birthdayPicker_.SetDate(world.startYear - kAgeAtStart, 1, 1);
    startWithClub_ = false;
    active_.clear();
    passivate_.clear();
    for (size_t c = 0; c < world.continents.size(); ++c) {
        const auto& nations = world.continents[c]->nations;
        for (size_t n = 0; n < nations.size(); ++n)
            if (!nations[n]->IsInactive())
                active_.push_back(NationKey(c, n));
    }
    SortNationLists();
    selection_.fill(0);
    scroll_.fill(0);
    CurrentModalRunner().Run(*this);
    return page_ >= kFinished;
}

void CNewGameDlg::OnInitDialog() {
    const Size size = DialogUnits::ToPixels(kSizeInDialogUnits);
    MoveWindow({0, 0, size.width, size.height});
    CenterWindow();
    firstNameLabel_.SetRectInDialogUnits({115, 75, 165, 85});
    firstNameEdit_.SetRectInDialogUnits({170, 70, 170 + 131, 70 + 14});
    lastNameLabel_.SetRectInDialogUnits({115, 105, 165, 115});
    lastNameEdit_.SetRectInDialogUnits({170, 100, 170 + 131, 100 + 14});
    birthdayLabel_.SetRectInDialogUnits({115, 135, 165, 145});
    birthdayPicker_.SetRectInDialogUnits({170, 130, 170 + 132, 130 + 15});
    ShowPageControls();
    controls_.FocusFirst();
    LayOut();
}

ModalRecord CNewGameDlg::Describe() const {
    ModalRecord r;
    r.kind = "new game";
    r.extra = page_;
    return r;
}

void CNewGameDlg::Accept(const ModalAnswer& answer) {
    if (!answer.ok) {
        page_ = -1;
        return;
    }
    ApplyChoices();
    page_ = kFinished;
}

// Page 1 is shown only with the option on and two nations to choose from.
bool CNewGameDlg::SkipsNationPage() const { return !ChoosesActiveNations() || active_.size() + passivate_.size() < 2; }

void CNewGameDlg::Next() {
    ++page_;
    if (page_ == 1 ? SkipsNationPage() : !ChoosesActiveNations())
        ++page_;
    if (!startWithClub_ && page_ == 2)
        ++page_;
    if (page_ < kFinished) {
        ShowPageControls();
        Invalidate();
        return;
    }
    ApplyChoices();
    EndModal(true);
}

void CNewGameDlg::Back() {
    --page_;
    if (page_ == 1 ? SkipsNationPage() : !ChoosesActiveNations())
        --page_;
    if (page_ < 0)
        return EndModal(false);
    ShowPageControls();
    Invalidate();
}

void CNewGameDlg::ShowPageControls() {
    for (Control* c : std::initializer_list<Control*>{&firstNameLabel_, &firstNameEdit_, &lastNameLabel_,
                                                      &lastNameEdit_, &birthdayLabel_, &birthdayPicker_})
        c->Show(page_ == 0);
    scroll_.fill(0);
    LayOut();
}

int CNewGameDlg::CountryOf(uint16_t key) const {
    return world_->continents[ContinentOf(key)]->nations[NationOf(key)]->nationNumber;
}

// Stable insertion by the country's place in the alphabetical order.
void CNewGameDlg::SortNationLists() {
    auto sortKey = [&](uint16_t key) {
        const auto* end = g_nationDisplayOrder + kNationCount;
        const auto* at = std::find(g_nationDisplayOrder, end, CountryOf(key));
        return at == end ? 0 : static_cast<int>(at - g_nationDisplayOrder);
    };
    for (auto* list : {&active_, &passivate_})
        std::stable_sort(list->begin(), list->end(),
                         [&](uint16_t a, uint16_t b) { return sortKey(a) < sortKey(b); });
    const size_t continents = world_->continents.size();
    activeCountByContinent_.assign(continents, 0);
    passiveCountByContinent_.assign(continents, 0);
    for (uint16_t key : active_)
        if (static_cast<size_t>(ContinentOf(key)) < continents)
            ++activeCountByContinent_[ContinentOf(key)];
    for (uint16_t key : passivate_)
        if (static_cast<size_t>(ContinentOf(key)) < continents)
            ++passiveCountByContinent_[ContinentOf(key)];
}

int CNewGameDlg::GetColumnCount(int column) const {
    const auto& continents = world_->continents;
    auto nation = [&]() -> const CNation* {
        if (selection_[kNationColumn] < 0 || static_cast<size_t>(selection_[kNationColumn]) >= active_.size())
            return nullptr;
        const uint16_t key = active_[selection_[kNationColumn]];
        return continents[ContinentOf(key)]->nations[NationOf(key)].get();
    };
    switch (column) {
        case kNationColumn:
            return static_cast<int>(active_.size());
        case kLeagueColumn:
            return nation() ? static_cast<int>(nation()->leagues.size()) : 0;
        case kTeamColumn: {
            const CNation* n = nation();
            const int league = selection_[kLeagueColumn];
            return n && league >= 0 && static_cast<size_t>(league) < n->leagues.size()
                       ? static_cast<int>(n->leagues[league]->clubs.size())
                       : 0;
        }
        case kContinentColumn:
            return static_cast<int>(continents.size());
        case kNationalTeamColumn: {
            const int c = selection_[kContinentColumn];
            return c >= 0 && static_cast<size_t>(c) < continents.size()
                       ? static_cast<int>(continents[c]->nations.size()) + 1
                       : 0;
        }
        default:
            return 0;
    }
}

void CNewGameDlg::ApplyChoices() {
    g_manager.coachingLevel = 1;
    g_manager.lastName = lastNameEdit_.GetText();
    g_manager.firstName = firstNameEdit_.GetText();
    g_manager.birthday = PackDate(birthdayPicker_.GetDate());
    for (uint16_t key : passivate_) {
        CNation& nation = *world_->continents[ContinentOf(key)]->nations[NationOf(key)];
        if (!nation.IsInactive())
            nation.MakeInactive();
    }
    if (!startWithClub_) {
        StartManagerCareer(*world_, kNoClubRef, 0);
        return;
    }
    WorldRef club = kNoClubRef;
    if (GetColumnCount(kTeamColumn) > selection_[kTeamColumn] && selection_[kTeamColumn] >= 0) {
        const uint16_t key = active_[selection_[kNationColumn]];
        const CNation& nation = *world_->continents[ContinentOf(key)]->nations[NationOf(key)];
        const CTeam& team = *nation.leagues[selection_[kLeagueColumn]]->clubs[selection_[kTeamColumn]];
        club = world_->GetTeamRef(&team);
        g_manager.coachingLevel = LevelOf(team);
    }
    WorldRef nationalTeam = 0;
    const int national = selection_[kNationalTeamColumn];
    if (national >= 1 && national < GetColumnCount(kNationalTeamColumn)) {
        const auto& nations = world_->continents[selection_[kContinentColumn]]->nations;
        nationalTeam = world_->GetTeamRef(&nations[national - 1]->nationalTeam);
    }
    StartManagerCareer(*world_, club, nationalTeam);
}

void CNewGameDlg::OnLButtonDown(unsigned flags, Point p) {
    if (page_ == 0 && controls_.OnLButtonDown(flags, p))
        return Invalidate();
    if (nextRect_.Contains(p))
        return Next();
    if (backRect_.Contains(p))
        return Back();
    const bool changed = page_ == 0 ? OnStartClick(p) : page_ == 1 ? OnNationClick(p) : OnClubClick(p);
    if (changed)
        Invalidate();
}

void CNewGameDlg::OnLButtonUp(unsigned flags, Point p) {
    if (page_ == 0 && controls_.OnLButtonUp(flags, p))
        Invalidate();
}

void CNewGameDlg::OnMouseMove(unsigned flags, Point p) {
    if (page_ == 0 && controls_.OnMouseMove(flags, p))
        Invalidate();
}

void CNewGameDlg::OnMouseWheel(unsigned flags, int delta, Point screenPoint) {
    const Point p{screenPoint.x - WindowRect().left, screenPoint.y - WindowRect().top};
    const int steps = -(delta / 120);
    bool changed = false;
    if (page_ == 0)
        changed = static_cast<bool>(controls_.OnMouseWheel(flags, delta, p));
    else if (page_ == 1)
        changed = OnNationWheel(steps, p);
    else
        changed = OnClubWheel(steps, p);
    if (changed)
        Invalidate();
}

void CNewGameDlg::OnKeyDown(unsigned key, unsigned, unsigned flags) {
    if (page_ == 0 && controls_.OnKeyDown(key, flags))
        Invalidate();
}

void CNewGameDlg::OnChar(unsigned character, unsigned, unsigned flags) {
    if (page_ == 0 && controls_.OnChar(character, flags))
        Invalidate();
}

bool CNewGameDlg::OnStartClick(Point p) {
    for (int area : {kRealCareer, kSelectClub}) {
        if (hit_[area].Contains(p)) {
            startWithClub_ = area == kSelectClub;
            return true;
        }
    }
    return false;
}
