// The national teams' qualification for the next championship and the next
// world cup: a play-off of the continent's national teams for the places
// the tournament holds for them. The teams the tournament takes anyway
// (last time's best, the organiser) stay out; the strongest of the others
// enter last, so the weakest play off for a place beside them first.
#include <algorithm>
#include <cmath>

#include "engine/CupOwnerSources.h"
#include "platform/Random.h"
#include "squad/LineupSlots.h"
#include "world/Continent.h"
#include "world/Manager.h"
#include "world/Match.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/World.h"

namespace {

constexpr char kNameSuffix[] = " qual.";
constexpr uint8_t kFewestOnSheet = 12;
constexpr uint8_t kMostOnSheet = 14;
constexpr uint8_t kQualificationLegs = 2;
// A play-off's stage setting: its players count national-team matches.
constexpr uint8_t kPlayedByNationalTeams = 1;
// A qualification played at once leaves no one worn out: the tired come
// back to this freshness, spread by a random part below the spread.
constexpr uint8_t kRestedFreshness = 50;
constexpr int kRestedFreshnessSpread = 15;

struct Entrant {
    CTeam* team;
    uint8_t nation;
};

// How many of the continent's national teams play, for how many places,
// and which organiser the tournament takes without qualification.
struct QualificationSize {
    int places = 0;
    int entrants = 0;
    CTeam* host = &g_noClubTeam;
};

int IndexOf(const CWorld& world, const CContinent& continent) {
    int c = 0;
    while (c < static_cast<int>(world.continents.size()) && world.continents[c].get() != &continent)
        ++c;
    return c;
}

CTeam* WorldCupHostTeam(const CWorld& world) {
    if (!(world.worldCup.flags & kCupExtraPlace))
        return &g_noClubTeam;
    const size_t c = world.worldCupHost >> CWorld::kHostContinentShift;
    const size_t n = world.worldCupHost & CWorld::kHostNationMask;
    if (c >= world.continents.size() || n >= world.continents[c]->nations.size())
        return &g_noClubTeam;
    return &world.continents[c]->nations[n]->nationalTeam;
}

// The world cup's places of the continent's slot, one more for each of
// its national teams among last time's best, whose places the continent
// keeps; the last winner and the organiser do not play.
QualificationSize SizeForWorldCup(const CContinent& continent, const CWorld& world) {
    const CCup& worldCup = world.worldCup;
    const std::vector<CTeam*>& best = worldCup.ranking;
    auto isOurs = [&](const CTeam* team) {
        int nation;
        return continent.FindNationOfNationalTeam(team, nation);
    };
    QualificationSize size;
    size.places = worldCup.GetQualificationPlaces(IndexOf(world, continent) + 1);
    size.entrants = static_cast<int>(continent.nations.size());
    size.host = WorldCupHostTeam(world);
    const int lastBest = worldCup.GetQualificationPlaces(0);
    if (lastBest <= static_cast<int>(best.size())) {
        for (int k = 1; k < lastBest; ++k)
            size.places += isOurs(best[k]);
        if (lastBest >= 1 && isOurs(best.front())) {
            --size.entrants;
            // An organiser who won last time leaves its place to the continent.
            if (best.front() == size.host) {
                ++size.places;
                ++size.entrants;
            }
        }
    }
    if (isOurs(size.host))
        --size.entrants;
    return size;
}

// The championship's qualification places; last time's best and the
// organiser do not play, and an organiser among last time's best leaves
// its place to the qualification.
QualificationSize SizeForChampionship(const CContinent& continent) {
    const CCup& championship = continent.championship;
    QualificationSize size;
    size.places = championship.GetQualificationPlaces(1);
    size.entrants = static_cast<int>(continent.nations.size());
    const int lastBest = championship.GetQualificationPlaces(0);
    if (championship.flags & kCupExtraPlace) {
        --size.entrants;
        if (continent.hostNation < continent.nations.size())
            size.host = &continent.nations[continent.hostNation]->nationalTeam;
        const auto& best = championship.ranking;
        const auto end = best.begin() + std::min<size_t>(static_cast<size_t>(lastBest), best.size());
        if (std::find(best.begin(), end, size.host) != end) {
            ++size.places;
            ++size.entrants;
        }
    }
    size.entrants -= lastBest;
    return size;
}

void Remove(std::vector<Entrant>& entrants, const CTeam* team) {
    const auto at = std::find_if(entrants.begin(), entrants.end(), [&](const Entrant& e) { return e.team == team; });
    if (at != entrants.end())
        entrants.erase(at);
}

// The continent's national teams without those the tournament takes
// anyway: for the world cup its organiser and last winner; for the
// championship last time's best and the organiser, while more teams are
// left than the qualification has places for.
std::vector<Entrant> CollectEntrants(const CContinent& continent, size_t cup, const QualificationSize& size,
                                     const CCup& tournament) {
    std::vector<Entrant> entrants;
    for (const auto& nation : continent.nations)
        entrants.push_back({&nation->nationalTeam, static_cast<uint8_t>(nation->nationNumber)});
    const std::vector<CTeam*>& best = tournament.ranking;
    if (cup == CContinent::kWorldCupQualification) {
        Remove(entrants, size.host);
        if (tournament.GetQualificationPlaces(0) >= 1 && !best.empty())
            Remove(entrants, best.front());
        return entrants;
    }
    const int lastBest = tournament.GetQualificationPlaces(0);
    for (int i = 0; i <= lastBest && static_cast<int>(entrants.size()) > size.entrants; ++i) {
        if (i < lastBest)
            Remove(entrants, i < static_cast<int>(best.size()) ? best[i] : &g_noClubTeam);
        else if (tournament.flags & kCupExtraPlace)
            Remove(entrants, size.host);
    }
    return entrants;
}

// The groups for `count` teams: of four, or of three when that leaves
// fewer over; the teams over play a round before them in pairs.
struct GroupLayout {
    int groups;
    int teamsPerGroup;
    int firstRoundTeams;
};

GroupLayout LayOutGroups(int count) {
    const int over3 = count % 3, over4 = count % 4;
    const GroupLayout layout =
        over3 >= over4 ? GroupLayout{count / 4, 4, 2 * over4} : GroupLayout{count / 3, 3, 2 * over3};
    return layout.groups == 0 ? GroupLayout{1, count, 0} : layout;
}

// The rounds for `places` winners out of `entrants` teams, who are listed
// strongest first. Many to eliminate: groups of the weaker teams send their
// best to a last round against the strongest. Up to half as many again as
// places: the weakest play off first, then pairs decide every place. Fewer
// than places: groups decide them, after a first round of the weakest.
void ShapeRounds(CCup& cup, int places, int entrants) {
    const int eliminated = entrants - places;
    const bool groupsFirst = eliminated >= places && eliminated > places + places / 2;
    int firstRoundTeams = 0;
    uint8_t lastRoundTeams = static_cast<uint8_t>(2 * places);
    if (eliminated >= places && !groupsFirst) {
        firstRoundTeams = 2 * (eliminated - places);
        cup.roundCount = firstRoundTeams > 0 ? 2 : 1;
        cup.groupRound = 0;
    } else {
        const GroupLayout layout = LayOutGroups(groupsFirst ? eliminated : entrants);
        cup.groups = static_cast<uint8_t>(layout.groups);
        cup.teamsPerGroup = static_cast<uint8_t>(layout.teamsPerGroup);
        firstRoundTeams = layout.firstRoundTeams;
        cup.roundCount = static_cast<uint8_t>((firstRoundTeams > 0 ? 2 : 1) + (groupsFirst ? 1 : 0));
        cup.groupRound = groupsFirst ? static_cast<uint8_t>(cup.roundCount - 1) : cup.roundCount;
        if (!groupsFirst)
            lastRoundTeams = 0;
    }
    cup.stageSettings.assign(kPlayoffSettingCount, 0);
    cup.stageSettings[kPlayoffNationalTeams] = kPlayedByNationalTeams;
    cup.stageSettings[kPlayoffFirstRoundPairs] = lastRoundTeams;
    cup.cumulativePlaces = {static_cast<uint16_t>(places), static_cast<uint16_t>(entrants)};
    cup.entryRounds.assign(static_cast<size_t>(entrants), firstRoundTeams > 0 ? 2 : 1);
    std::fill(cup.entryRounds.end() - firstRoundTeams, cup.entryRounds.end(), 1);
    if (groupsFirst)
        for (int k = 0; k < places; ++k)
            ++cup.entryRounds[k];
}

uint16_t StrengthKey(const CTeam& team) {
    return static_cast<uint16_t>(static_cast<int>(std::trunc(team.GetStrength() * 100 + 1)));
}

// Strongest first; of equal strength the later nation goes first.
void PlaceByStrength(CCup& cup, const std::vector<Entrant>& entrants, size_t count) {
    std::vector<std::pair<uint16_t, Entrant>> placed;
    for (const Entrant& entrant : entrants) {
        const uint16_t key = StrengthKey(*entrant.team);
        const auto at =
            std::find_if(placed.begin(), placed.end(), [&](const auto& other) { return other.first <= key; });
        placed.insert(at, {key, entrant});
        if (placed.size() > count)
            placed.pop_back();
    }
    cup.participants.assign(count, &g_noClubTeam);
    cup.participantNations.assign(count, 0);
    for (size_t i = 0; i < placed.size(); ++i) {
        cup.participants[i] = placed[i].second.team;
        cup.participantNations[i] = placed[i].second.nation;
    }
}

uint8_t SheetSizeOf(const CCup& tournament) {
    return tournament.sheetSize < kFewestOnSheet || tournament.sheetSize > kMostOnSheet ? kFewestOnSheet
                                                                                         : tournament.sheetSize;
}

// The user's national team gets the assistant's lineup for a match he
// does not lead himself.
void LineUpUsersNationalTeam(const CCup& cup) {
    CTeam* team = g_manager.nationalTeam;
    int index;
    if (!team || team == &g_noClubTeam || !cup.FindParticipant(team, index))
        return;
    const int savedSheetSize = g_matchSheetSize;
    g_matchSheetSize = cup.sheetSize;
    team->AutoLineup(true);
    g_matchSheetSize = savedSheetSize;
}

void RestParticipants(const CCup& cup) {
    for (CTeam* team : cup.participants)
        for (const auto& player : team->squad)
            if (player->freshness < kRestedFreshness)
                player->freshness = static_cast<uint8_t>(kRestedFreshness + RandBelow(kRestedFreshnessSpread));
}

}  // namespace

// A qualification that is not set up does not take place: the tournament
// then takes the continent's national teams in their order, not the
// qualifiers of two seasons ago.
void CContinent::SetUpQualification(size_t cup, const CWorld& world) {
    CCup& qualification = extraCups[cup];
    const bool forWorldCup = cup == kWorldCupQualification;
    const CCup& tournament = forWorldCup ? world.worldCup : championship;
    qualification.CancelParticipants();
    if (nations.size() < 2 || !tournament.TakesPlace())
        return;
    qualification.name = tournament.name + kNameSuffix;
    qualification.sheetSize = SheetSizeOf(tournament);
    qualification.legs = kQualificationLegs;
    qualification.groupLegs = kQualificationLegs;

    const QualificationSize size = forWorldCup ? SizeForWorldCup(*this, world) : SizeForChampionship(*this);
    const std::vector<Entrant> entrants = CollectEntrants(*this, cup, size, tournament);
    // No more places than national teams left: an empty place would have
    // "no club" play.
    const int entrantCount = std::min(size.entrants, static_cast<int>(entrants.size()));
    if (entrantCount <= size.places || size.places == 0)
        return;
    ShapeRounds(qualification, size.places, entrantCount);
    if (!qualification.PrepareStructure(GetCupOwnerView()))
        return;
    PlaceByStrength(qualification, entrants, static_cast<size_t>(entrantCount));
    ContinentCupSource source(*this);
    qualification.DetermineParticipants(source);
}

void CContinent::PlayWholeExtraCup(size_t cup) {
    CCup& qualification = extraCups[cup];
    if (!qualification.TakesPlace())
        return;
    std::vector<CMatch*> matches;
    for (int day = qualification.GetMatchDaysUpToRound(qualification.roundCount); day > 0; --day) {
        qualification.CreateMatchDayMatches(g_manager.GetInflationPermille());
        qualification.PrepareLineups();
        LineUpUsersNationalTeam(qualification);
        qualification.AppendMatchesTo(matches);
        DropDecidedMatches(matches);
        SimulateMatches(matches);
        qualification.CompleteMatchDay();
        matches.clear();
    }
    RestParticipants(qualification);
}
