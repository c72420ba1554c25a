#include <algorithm>
#include <cstdlib>

#include "screens/NewGameDlg.h"
#include "world/World.h"

// The lists of pages 1 and 2: their clicks, arrows, bars and the wheel.

namespace {

int RowAt(const Rect& r, Point p, int rows) { return (p.y - r.top) * rows / std::max(1, r.Height()); }

}  // namespace

bool CNewGameDlg::OnSelectedContinent(uint16_t key) const { return (key >> 8) == selection_[0]; }

// The entry `steps` entries of the selected continent after (or before)
// `from`; -1 when there are not enough. Back from beyond the end starts at
// the last entry.
int CNewGameDlg::StepInContinent(const std::vector<uint16_t>& list, int from, int steps) const {
    const int size = static_cast<int>(list.size());
    int at = from;
    if (steps < 0 && at >= size)
        at = size;
    for (int left = std::abs(steps); left > 0; --left) {
        do
            at += steps > 0 ? 1 : -1;
        while (at >= 0 && at < size && !OnSelectedContinent(list[at]));
        if (at < 0 || at >= size)
            return -1;
    }
    return at;
}

bool CNewGameDlg::PickInList(const std::vector<uint16_t>& list, int& selection, int scroll, int row) const {
    int seen = 0;
    for (int i = std::max(0, scroll); i < static_cast<int>(list.size()); ++i) {
        if (!OnSelectedContinent(list[i]))
            continue;
        if (seen++ == row) {
            selection = i;
            return true;
        }
    }
    return false;
}

int CNewGameDlg::ContinentScrollLimit() const {
    return std::max(0, static_cast<int>(world_->continents.size()) - kContinentRows);
}

bool CNewGameDlg::Activate() {
    const int at = selection_[2];
    if (at < 0 || at >= static_cast<int>(passivate_.size()) || !OnSelectedContinent(passivate_[at]))
        return false;
    active_.push_back(passivate_[at]);
    passivate_.erase(passivate_.begin() + at);
    SortNationLists();
    return true;
}

// At least one nation stays active.
bool CNewGameDlg::Deactivate() {
    const int at = selection_[1];
    if (at < 0 || at >= static_cast<int>(active_.size()) || active_.size() < 2 || !OnSelectedContinent(active_[at]))
        return false;
    passivate_.push_back(active_[at]);
    active_.erase(active_.begin() + at);
    SortNationLists();
    return true;
}

bool CNewGameDlg::PassivateOthers() {
    const int at = selection_[1];
    if (at < 0 || at >= static_cast<int>(active_.size()) || active_.size() < 2 || !OnSelectedContinent(active_[at]))
        return false;
    const uint16_t kept = active_[at];
    for (uint16_t key : active_)
        if (key != kept)
            passivate_.push_back(key);
    active_.assign(1, kept);
    SortNationLists();
    return true;
}

bool CNewGameDlg::OnNationClick(Point p) {
    const int continents = static_cast<int>(world_->continents.size());
    auto in = [&](int area) { return hit_[area].Contains(p); };
    struct NationList {
        std::vector<uint16_t>* list;
        int index, listArea, barArea, upArea;
    };
    const NationList lists[] = {{&active_, 1, kActiveList, kActiveBar, kActiveUp},
                                {&passivate_, 2, kPassiveList, kPassiveBar, kPassiveUp}};
    if (in(kActivate))
        return Activate();
    if (in(kDeactivate))
        return Deactivate();
    if (in(kPassivateOthers))
        return PassivateOthers();
    if (in(kContinentList)) {
        const int row = RowAt(hit_[kContinentList], p, kContinentRows) + scroll_[0];
        if (row < 0 || row >= continents)
            return false;
        selection_[0] = row;
        scroll_[0] = scroll_[1] = scroll_[2] = 0;
        return true;
    }
    if (in(kContinentBar)) {
        const int v = RowAt(hit_[kContinentBar], p, continents - (kContinentRows - 1));
        if (v < 0 || v >= continents)
            return false;
        scroll_[0] = v;
        return true;
    }
    if (in(kContinentUp) || in(kContinentDown)) {
        const int before = scroll_[0];
        scroll_[0] = in(kContinentUp) ? std::max(0, before - 1) : std::min(before + 1, ContinentScrollLimit());
        return scroll_[0] != before;
    }
    for (const NationList& l : lists) {
        const auto& list = *l.list;
        int& scroll = scroll_[l.index];
        if (in(l.listArea))
            return PickInList(list, selection_[l.index], scroll, RowAt(hit_[l.listArea], p, kNationRows));
        if (in(l.barArea)) {
            const int v = RowAt(hit_[l.barArea], p, static_cast<int>(list.size()));
            const int at = StepInContinent(list, v - 1, 1);
            if (at < 0)
                return false;
            scroll = at;
            return true;
        }
        if (in(l.upArea) || in(l.upArea + 1)) {
            const int at = StepInContinent(list, scroll, in(l.upArea) ? -1 : 1);
            if (at < 0)
                return false;
            scroll = at;
            return true;
        }
    }
    return false;
}

bool CNewGameDlg::OnNationWheel(int steps, Point p) {
    if (steps == 0)
        return false;
    if (hit_[kContinentList].Contains(p)) {
        const int before = scroll_[0];
        scroll_[0] = std::clamp(before + steps, 0, ContinentScrollLimit());
        return scroll_[0] != before;
    }
    const std::pair<int, std::vector<uint16_t>*> lists[] = {{kActiveList, &active_}, {kPassiveList, &passivate_}};
    for (const auto& [area, list] : lists) {
        if (!hit_[area].Contains(p))
            continue;
        const int at = StepInContinent(*list, scroll_[area - 2], steps);
        if (at < 0)
            return false;
        scroll_[area - 2] = at;
        return true;
    }
    return false;
}

int CNewGameDlg::ColumnRows(int column) const { return column < kContinentColumn ? 8 : 6; }

void CNewGameDlg::SelectInColumn(int column, int row) {
    if (row == selection_[column])
        return;
    selection_[column] = row;
    if (column == kNationColumn)
        selection_[kLeagueColumn] = selection_[kTeamColumn] = 0;
    if (column == kLeagueColumn)
        selection_[kTeamColumn] = 0;
    if (column == kContinentColumn)
        selection_[kNationalTeamColumn] = 0;
}

bool CNewGameDlg::OnClubClick(Point p) {
    for (int i = 0; i < kColumnCount; ++i) {
        const int rows = ColumnRows(i);
        const int count = GetColumnCount(i);
        if (hit_[i].Contains(p)) {
            const int row = RowAt(hit_[i], p, rows) + scroll_[i];
            if (row < 0 || row >= count)
                return false;
            SelectInColumn(i, row);
            return true;
        }
        if (hit_[5 + i].Contains(p)) {
            const int v = RowAt(hit_[5 + i], p, count - rows + 1);
            if (v < 0 || v >= count)
                return false;
            scroll_[i] = v;
            return true;
        }
        const int before = scroll_[i];
        if (hit_[10 + 2 * i].Contains(p))
            scroll_[i] = std::max(0, before - 1);
        else if (hit_[11 + 2 * i].Contains(p))
            scroll_[i] = std::max(0, std::min(before + 1, count - rows));
        else
            continue;
        return scroll_[i] != before;
    }
    return false;
}

bool CNewGameDlg::OnClubWheel(int steps, Point p) {
    for (int i = 0; i < kColumnCount; ++i) {
        if (!hit_[i].Contains(p))
            continue;
        const int before = scroll_[i];
        scroll_[i] = std::clamp(before + steps, 0, std::max(0, GetColumnCount(i) - ColumnRows(i)));
        return scroll_[i] != before;
    }
    return false;
}
