// A nation's season end: the leagues close their season, clubs move up and
// down between the divisions, the lowest division's last clubs leave the
// leagues, the play-offs go and the champion is credited; then the people
// turn over (NationSeasonTurnover.cpp).
//
// Between an upper division and the next lower one with leagues, every
// upper league sends down its last `relegated places` clubs and every
// lower league sends up its first `direct` clubs; the remaining places
// go to the winners of the pair's promotion play-off. A play-off club of
// the upper division that wins stays in its league, one that loses goes
// down; a lower club that wins goes up, one that loses stays where it is.
// When the play-off cannot name all its winners (it did not finish, or
// there was none), the best-placed lower clubs not yet going up take the
// places left, table place by table place over the lower leagues. So
// every league keeps its size and every club stays in exactly one league.
// A club that moves takes the slot of a club that left its new league,
// nearest to it on the map first.
#include <algorithm>
#include <map>

#include "engine/NationDivisions.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"

namespace {

constexpr int kPaddingLevel = 100, kPaddingSpread = 50;
constexpr int kPromotedPaddingLevel = 100, kPromotedPaddingSpread = 60;
constexpr int kNewcomerLevel = 70, kNewcomerSpread = 50;

// The clubs of one move between divisions, taken out of their leagues (or
// the extra teams) before any is put into its new one.
class ClubMove {
public:
    explicit ClubMove(CNation& nation) : nation_(nation) {}

    // Takes the club out of its league, leaving its slot free, or out of
    // the extra teams.
    std::unique_ptr<CTeam> TakeOut(CTeam* club) {
        for (const auto& league : nation_.leagues)
            for (size_t slot = 0; slot < league->clubs.size(); ++slot)
                if (league->clubs[slot].get() == club) {
                    freedSlots_[league.get()].push_back(slot);
                    return std::move(league->clubs[slot]);
                }
        auto& extras = nation_.extraTeams;
        const auto found = std::find_if(extras.begin(), extras.end(), [club](const auto& t) { return t.get() == club; });
        if (found == extras.end())
            return nullptr;
        auto taken = std::move(*found);
        extras.erase(found);
        return taken;
    }

    // Into the nearest of the leagues that still has room, in a slot its
    // leavers freed, else at the end of its table.
    void PutIn(std::unique_ptr<CTeam> club, const std::vector<CLeague*>& leagues, std::map<CLeague*, int>& room) {
        CLeague* target = nullptr;
        int best = 0;
        for (CLeague* league : leagues) {
            if (room[league] <= 0)
                continue;
            const int distance = AreaDistance(*league, *club);
            if (!target || distance < best) {
                target = league;
                best = distance;
            }
        }
        if (!target)
            target = leagues.front();
        --room[target];
        std::vector<size_t>& free = freedSlots_[target];
        if (!free.empty()) {
            target->clubs[free.front()] = std::move(club);
            free.erase(free.begin());
            return;
        }
        target->clubs.push_back(std::move(club));
        target->tableOrder.push_back(static_cast<uint8_t>(target->clubs.size()));
    }

    // Slots nobody took are closed up, the table numbers following.
    void CloseFreeSlots() {
        for (auto& [league, slots] : freedSlots_) {
            std::sort(slots.rbegin(), slots.rend());
            for (size_t slot : slots) {
                league->clubs.erase(league->clubs.begin() + static_cast<std::ptrdiff_t>(slot));
                std::erase(league->tableOrder, static_cast<uint8_t>(slot + 1));
                for (uint8_t& entry : league->tableOrder)
                    if (entry > slot + 1)
                        --entry;
            }
            slots.clear();
        }
    }

private:
    CNation& nation_;
    std::map<CLeague*, std::vector<size_t>> freedSlots_;
};

// The pair's play-off: the first of the nation's play-off cups whose
// field reaches down to the lower division.
const CCup* FindPairPlayoff(const CNation& nation, const DivisionPair& pair) {
    const size_t first = CNation::kFixedCupCount + (nation.HasParallelTopLeagues() ? 1 : 0);
    for (size_t i = first; i < nation.cups.size(); ++i) {
        const auto& divisions = nation.cups[i]->participantNations;
        if (!divisions.empty() && *std::max_element(divisions.begin(), divisions.end()) == pair.lower)
            return nation.cups[i].get();
    }
    return nullptr;
}

bool Contains(const std::vector<CTeam*>& clubs, const CTeam* club) {
    return std::find(clubs.begin(), clubs.end(), club) != clubs.end();
}

// Made-up clubs stand in for the places of a table too short to fill them.
CTeam* ClubOrStandIn(CNation& nation, const CLeague& league, int place, int level, int spread) {
    if (CTeam* club = ClubAtPlace(league, place))
        return club;
    return nation.CreateExtraTeam(league.division, level, spread);
}

CLeague* LeagueOf(const std::vector<CLeague*>& leagues, const CTeam* club) {
    int number = 0;
    for (CLeague* league : leagues)
        if (league->FindTeam(club, number))
            return league;
    return nullptr;
}

// A made-up club stood in for a place of a short table: its room goes to
// the shortest league.
CLeague* RoomOf(const std::vector<CLeague*>& leagues, const CTeam* club) {
    if (CLeague* league = LeagueOf(leagues, club))
        return league;
    return *std::min_element(leagues.begin(), leagues.end(),
                             [](const CLeague* a, const CLeague* b) { return a->clubs.size() < b->clubs.size(); });
}

void ExchangeClubs(CNation& nation, const DivisionPair& pair) {
    const std::vector<CLeague*> upper = LeaguesOfDivision(nation, pair.upper);
    const std::vector<CLeague*> lower = LeaguesOfDivision(nation, pair.lower);
    std::vector<CTeam*> winners;
    if (const CCup* playoff = FindPairPlayoff(nation, pair)) {
        const size_t w = std::min<size_t>(pair.playoff, playoff->ranking.size());
        winners.assign(playoff->ranking.begin(), playoff->ranking.begin() + static_cast<std::ptrdiff_t>(w));
    }

    std::vector<CTeam*> goingDown, goingUp;
    std::map<CLeague*, int> upperRoom, lowerRoom;
    for (CLeague* league : upper) {
        const int first = static_cast<int>(league->clubs.size()) - league->relegatedPlaces;
        for (int place = first; place < first + league->relegatedPlaces; ++place) {
            CTeam* club = ClubOrStandIn(nation, *league, place, kPaddingLevel, kPaddingSpread);
            if (club && !Contains(winners, club)) {
                goingDown.push_back(club);
                ++upperRoom[league];
            }
        }
    }
    auto goUp = [&](CTeam* club) {
        goingUp.push_back(club);
        ++lowerRoom[RoomOf(lower, club)];
    };
    for (CLeague* league : lower)
        for (int place = 0; place < pair.direct; ++place)
            if (CTeam* club = ClubOrStandIn(nation, *league, place, kPromotedPaddingLevel, kPromotedPaddingSpread))
                goUp(club);
    for (CTeam* club : winners)
        if (!LeagueOf(upper, club) && !Contains(goingUp, club))
            goUp(club);
    for (int place = pair.direct; goingUp.size() < goingDown.size(); ++place) {
        bool anyLeft = false;
        for (CLeague* league : lower) {
            CTeam* club = ClubAtPlace(*league, place);
            anyLeft = anyLeft || club;
            if (club && goingUp.size() < goingDown.size() && !Contains(goingUp, club))
                goUp(club);
        }
        if (!anyLeft)
            break;
    }

    ClubMove move(nation);
    std::vector<std::unique_ptr<CTeam>> down, up;
    for (CTeam* club : goingDown)
        down.push_back(move.TakeOut(club));
    for (CTeam* club : goingUp)
        up.push_back(move.TakeOut(club));
    for (auto& club : up) {
        club->ApplyPromotion();
        move.PutIn(std::move(club), upper, upperRoom);
    }
    for (auto& club : down) {
        club->ApplyRelegation();
        move.PutIn(std::move(club), lower, lowerRoom);
    }
    move.CloseFreeSlots();
}

// The lowest division's last clubs leave the leagues for the clubs outside
// them, each place taken by a club from outside (or a new one).
void DropLowestDivisionClubs(CNation& nation) {
    const int lowest = nation.GetMaxDivision();
    // The clubs leaving one league must not come back in another's place.
    std::vector<std::unique_ptr<CTeam>> leaving;
    for (CLeague* league : LeaguesOfDivision(nation, lowest)) {
        if (league->IsPassive())
            continue;
        const int playoffSide = (league->flags & kLeagueRelegation) ? league->promotionSideCount : 0;
        const int first = std::max(static_cast<int>(league->clubs.size()) - league->relegatedPlaces + playoffSide, 0);
        for (int place = first; place < static_cast<int>(league->tableOrder.size()); ++place) {
            const size_t slot = league->tableOrder[place] - 1u;
            if (slot >= league->clubs.size())
                continue;
            std::unique_ptr<CTeam> newcomer;
            auto& extras = nation.extraTeams;
            const auto free = std::find_if(extras.begin(), extras.end(), [&](const auto& t) {
                return !nation.IsTeamInvolved(t.get(), true, false);
            });
            if (free != extras.end()) {
                newcomer = std::move(*free);
                extras.erase(free);
            } else if (nation.CreateExtraTeam(lowest, kNewcomerLevel, kNewcomerSpread)) {
                newcomer = std::move(extras.back());
                extras.pop_back();
            } else {
                continue;
            }
            leaving.push_back(std::move(league->clubs[slot]));
            league->clubs[slot] = std::move(newcomer);
        }
    }
    for (auto& club : leaving)
        nation.extraTeams.push_back(std::move(club));
}

void CreditChampion(const CNation& nation) {
    CTeam* champion = nation.GetChampion();
    if (!champion)
        return;
    if (IsUserTeam(champion))
        ++g_manager.championships;
    champion->account.BookTitleBonuses(*champion);
    champion->account.BookSponsorTitleBonus();
    // The manager's honour (CManager::AddHonourSkill) is credited here once
    // it exists.
}

}  // namespace

void CNation::EndSeason() {
    for (const auto& league : leagues)
        league->EndSeason();
    cups[kNationalCup]->OnSeasonEnd();
    cups[kNationalSuperCup]->OnSeasonEnd();
    for (const auto& club : extraTeams)
        club->ProcessSeasonChange();
    // The champion's bonuses belong to the season that is closed here.
    CreditChampion(*this);
    for (const auto& league : leagues)
        for (const auto& club : league->clubs)
            club->account.PayTax(*club, *league, *this);

    if (!IsInactive())
        for (const DivisionPair& pair : PairDivisions(TallyDivisions(*this)))
            ExchangeClubs(*this, pair);
    DropLowestDivisionClubs(*this);
    const size_t firstPlayoff = kFixedCupCount + (HasParallelTopLeagues() ? 1 : 0);
    if (cups.size() > firstPlayoff)
        cups.resize(firstPlayoff);
    // The championship play-off keeps only its ranking, so that next
    // season's starts afresh.
    if (HasParallelTopLeagues() && cups.size() > kChampionshipPlayoff)
        cups[kChampionshipPlayoff]->OnSeasonEnd();
    TurnOverPeople();
}
