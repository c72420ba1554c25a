// The play-offs a nation starts once all its leagues are over: a
// promotion play-off for each pair of divisions whose places do not share
// out evenly (or whose upper leagues send clubs into a play-off), and the
// championship play-off of parallel top leagues.
//
// A promotion play-off brings together the upper leagues' play-off clubs
// and, from each lower league, the club placed just behind its directly
// promoted ones. Its first `playoff` ranked clubs play in the upper
// division next season. When there are at least as many losers as
// winners but fewer than twice as many, it is a knock-out of two legs:
// one round when the field halves exactly, else a first round from which
// the upper leagues' clubs are spared. Otherwise the clubs play in groups
// of four or three and the group winners go up first; a field that makes
// no even groups plays as one group, each pair meeting once.
#include <algorithm>
#include <memory>

#include "engine/NationDivisions.h"
#include "platform/Text.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Nation.h"

namespace {

constexpr uint8_t kPlayoffSheetSize = 12;
constexpr uint8_t kPlayoffLegs = 2;
constexpr int kLargeGroup = 4;
constexpr int kSmallGroup = 3;
constexpr int kMadeUpClubLevel = 100, kMadeUpClubSpread = 60;
constexpr uint8_t kChampionshipMatches = 2;
// The top two of each parallel top league play for the title.
constexpr int kChampionshipPlacesPerLeague = 2;

struct PlayoffField {
    std::vector<CTeam*> clubs;       // the upper leagues' clubs first
    std::vector<uint8_t> divisions;  // of the league each came from
    int upperClubs = 0;
};

void LayOutKnockOut(CCup& cup, int field, int winners) {
    cup.groupRound = 0;
    cup.legs = kPlayoffLegs;
    // The last round holds one pairing per winning place.
    cup.stageSettings[kPlayoffFirstRoundPairs] = static_cast<uint8_t>(2 * winners);
    cup.entryRounds.assign(field, 1);
    if (field == 2 * winners) {
        cup.roundCount = 1;
        return;
    }
    cup.roundCount = 2;
    const int spared = 4 * winners - field;
    for (int place = 0; place < spared; ++place)
        cup.entryRounds[place] = 2;
}

void LayOutGroups(CCup& cup, int field) {
    cup.roundCount = 1;
    cup.groupRound = 1;
    cup.legs = kPlayoffLegs;
    cup.groupLegs = kPlayoffLegs;
    cup.entryRounds.assign(field, 1);
    for (const int size : {kLargeGroup, kSmallGroup})
        if (field % size == 0 && field > size) {
            cup.groups = static_cast<uint8_t>(field / size);
            cup.teamsPerGroup = static_cast<uint8_t>(size);
            return;
        }
    cup.groups = 1;
    cup.teamsPerGroup = static_cast<uint8_t>(field);
    if (field > kLargeGroup)
        cup.groupLegs = 1;
}

// False when a club missing from a short table could not be made.
bool GatherPromotionField(CNation& nation, const DivisionPair& pair, PlayoffField& field) {
    for (const CLeague* league : LeaguesOfDivision(nation, pair.upper)) {
        if (!(league->flags & kLeagueRelegation))
            continue;
        const int first = static_cast<int>(league->clubs.size()) - league->relegatedPlaces;
        for (int place = first; place < first + league->promotionSideCount; ++place)
            if (CTeam* club = ClubAtPlace(*league, place)) {
                field.clubs.push_back(club);
                field.divisions.push_back(league->division);
                ++field.upperClubs;
            }
    }
    for (const CLeague* league : LeaguesOfDivision(nation, pair.lower)) {
        CTeam* club = ClubAtPlace(*league, pair.direct);
        if (!club)
            club = nation.CreateExtraTeam(pair.lower, kMadeUpClubLevel, kMadeUpClubSpread);
        if (!club)
            return false;
        field.clubs.push_back(club);
        field.divisions.push_back(league->division);
    }
    return true;
}

std::unique_ptr<CCup> MakePromotionPlayoff(CNation& nation, const DivisionPair& pair) {
    const int winners = pair.playoff;
    const size_t madeFrom = nation.extraTeams.size();
    PlayoffField field;
    const bool gathered = GatherPromotionField(nation, pair, field);
    const int count = static_cast<int>(field.clubs.size());
    if (!gathered || count <= winners) {
        nation.RemoveExtraTeamsFrom(madeFrom);
        return nullptr;
    }
    auto cup = std::make_unique<CCup>(kCupPlayoff);
    cup->name = Format("promotion to division %d.", pair.upper);
    cup->sheetSize = kPlayoffSheetSize;
    cup->stageSettings.assign(kPlayoffSettingCount, 0);
    const int losers = count - winners;
    if (winners <= losers && losers < 2 * winners)
        LayOutKnockOut(*cup, count, winners);
    else
        LayOutGroups(*cup, count);
    cup->cumulativePlaces = {static_cast<uint16_t>(count)};
    if (!cup->PrepareStructure(CupOwnerView{})) {
        nation.RemoveExtraTeamsFrom(madeFrom);
        return nullptr;
    }
    cup->participants = field.clubs;
    cup->participantNations = field.divisions;
    cup->DetermineParticipants();
    return cup;
}

// The champions of the parallel top leagues first, so that they are the
// ones spared a first round.
void StartChampionshipPlayoff(CNation& nation) {
    CCup& cup = *nation.cups[CNation::kChampionshipPlayoff];
    if (!cup.participants.empty())
        return;
    int top = INT32_MAX;
    for (const auto& league : nation.leagues)
        top = std::min<int>(top, league->division);
    const std::vector<CLeague*> topLeagues = LeaguesOfDivision(nation, top);
    std::vector<CTeam*> clubs;
    std::vector<uint8_t> divisions;
    for (int place = 0; place < kChampionshipPlacesPerLeague; ++place)
        for (const CLeague* league : topLeagues)
            if (CTeam* club = ClubAtPlace(*league, place)) {
                clubs.push_back(club);
                divisions.push_back(league->division);
            }
    cup.Clear();
    SetUpPlayoffCup(cup, true, false, static_cast<int>(clubs.size()), kChampionshipMatches,
                    topLeagues.front()->playersPerMatch);
    cup.name = "championship-playoff";
    cup.participants = clubs;
    cup.participantNations = divisions;
    cup.DetermineParticipants();
}

}  // namespace

void CNation::StartPlayOffs() {
    const size_t firstPlayoff = kFixedCupCount + (HasParallelTopLeagues() ? 1 : 0);
    if (!IsInactive() && cups.size() == firstPlayoff)
        for (const DivisionPair& pair : PairDivisions(TallyDivisions(*this)))
            if (pair.playoff > 0)
                if (auto cup = MakePromotionPlayoff(*this, pair))
                    cups.push_back(std::move(cup));
    if (HasParallelTopLeagues() && cups.size() > kChampionshipPlayoff)
        StartChampionshipPlayoff(*this);
}
