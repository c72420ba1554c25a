// The manager's career rows and his own player.
#include "world/GameDate.h"
#include "world/Manager.h"
#include "world/Player.h"
#include "world/WorldWalk.h"

namespace {

// A closed club row: word 0 the end year << 16 | the start year, then what
// was won there; a closed national row likewise, shorter. An open row is
// its start year alone.
constexpr size_t kClubRowWords = 10;
constexpr size_t kNationalRowWords = 5;
// In word 1 of a closed row, beside the count.
constexpr uint32_t kDismissedBit = 0x80000000u;
constexpr const char* kPastClubs = "past clubs";
constexpr const char* kPastNationalTeams = "past national teams";

struct CareerList {
    std::vector<uint32_t>& rows;
    std::vector<std::string>& names;
    size_t length;
};

bool EndsInOpenRow(const CareerList& list) {
    return !list.names.empty() && list.rows.size() == (list.names.size() - 1) * list.length + 1;
}

uint32_t CountOf(uint32_t word, size_t index) { return index == 1 ? word & ~kDismissedBit : word; }

}  // namespace

void CManager::RecordCareerStation(bool open, bool national, bool dismissed) {
    const CareerList list = national ? CareerList{nationalCareerRows, nationalCareerNames, kNationalRowWords}
                                     : CareerList{clubCareerRows, clubCareerNames, kClubRowWords};
    const auto year = static_cast<uint32_t>(g_gameDate.Year());
    if (open) {
        const CTeam* team = national ? nationalTeam : club;
        list.rows.push_back(year);
        list.names.push_back(team ? team->name : std::string());
        return;
    }
    // A station that was never opened, such as the first club of a game,
    // is recorded from the world's start year.
    if (!EndsInOpenRow(list)) {
        list.rows.resize(list.names.size() * list.length);
        list.rows.push_back(world ? world->startYear : year);
        list.names.push_back(national ? kPastNationalTeams : kPastClubs);
    }
    const std::vector<int32_t> totals =
        national ? std::vector<int32_t>{continentalChampionshipTitles, worldCupTitles, olympicTitles, markedMatches}
                 : std::vector<int32_t>{placingBonusCount, promotions, championships, nationalCupTitles,
                                        firstContinentalCupTitles, otherContinentalCupTitles, superCupTitles,
                                        matchesCoached, pointsWon};
    const size_t first = list.rows.size() - 1;
    list.rows.resize(first + list.length);
    list.rows[first] = year << 16 | list.rows[first];
    // Each row holds what was won at its station: the career's totals less
    // what the rows before it hold.
    for (size_t w = 1; w < list.length; ++w) {
        uint32_t count = static_cast<uint32_t>(totals[w - 1]);
        for (size_t row = 0; row < first; row += list.length)
            count -= CountOf(list.rows[row + w], w);
        list.rows[first + w] = count;
    }
    if (dismissed)
        list.rows[first + 1] |= kDismissedBit;
}

bool CManager::FindSelfInSquad(size_t& index) const {
    if (!HasClub())
        return false;
    for (size_t i = 0; i < club->squad.size(); ++i)
        if ((club->squad[i]->styleTraits & kOwnPlayerMarks) == kOwnPlayerMarks) {
            index = i;
            return true;
        }
    return false;
}

// The save game keeps his birthday only in his player record.
void CManager::SyncOwnPlayerRecord() {
    size_t index = 0;
    if (FindSelfInSquad(index))
        birthday = club->squad[index]->birthday;
    else if (ownPlayer)
        birthday = ownPlayer->birthday;
}

void CManager::TogglePlayerManager(bool removeOnly) {
    size_t index = 0;
    if (FindSelfInSquad(index)) {
        CPlayer* self = club->squad[index].get();
        if (world)
            VisitNations(*world, [self](CNation& nation) {
                if (nation.nationNumber == self->nationality || nation.nationNumber == self->secondNationality)
                    nation.nationalTeam.RemovePlayer(self);
            });
        ownPlayer.reset(club->RemovePlayer(self).release());
    } else if (!removeOnly && HasClub() && ownPlayer) {
        club->AddPlayer(PlayerPtr(ownPlayer.release()));
    }
}
