#include <algorithm>

#include "engine/CupSources.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Match.h"
#include "world/Team.h"

namespace {

// The values the nation's club maker takes for the clubs a national cup
// or super cup makes up.
constexpr int kMadeUpAmateurLevel = 75, kMadeUpAmateurSpread = 140;
constexpr int kCupLeagueClubLevel = 90, kCupLeagueClubSpread = 60;
constexpr int kSuperCupLeagueClubLevel = 80, kSuperCupLeagueClubSpread = 100;

// An amateur club and a club taken from the national cup's ranking carry
// level 0 instead of their league's.
constexpr int kAmateurLevel = 0;

std::vector<CTeam*> ClubsInTableOrder(const CLeague& league) {
    std::vector<CTeam*> clubs;
    for (uint8_t entry : league.tableOrder)
        if (entry >= 1 && entry <= league.clubs.size())
            clubs.push_back(league.clubs[entry - 1].get());
    return clubs;
}

// The level of the league a club plays in, 0 for a club outside them.
int LeagueLevelOf(CupNationSource& nation, const CTeam* team) {
    for (int i = 0; i < nation.LeagueCount(); ++i) {
        int number;
        if (nation.League(i).FindTeam(team, number))
            return nation.League(i).division;
    }
    return kAmateurLevel;
}

}  // namespace

bool CCup::IsAlreadyParticipant(const CTeam* team, int place, bool checkExtra) const {
    const int count = static_cast<int>(participants.size());
    for (int p = 0; p < std::min(place, count); ++p)
        if (participants[p] == team)
            return true;
    return checkExtra && (flags & kCupExtraPlace) && count > 0 && participants[count - 1] == team;
}

bool CCup::IsPlaced(const CTeam* team) const {
    return std::find(participants.begin(), participants.end(), team) != participants.end();
}

void CCup::Place(int place, CTeam* team, int nationByte) {
    if (place < 0 || place >= static_cast<int>(participants.size()))
        return;
    participants[place] = team;
    participantNations[place] = static_cast<uint8_t>(nationByte);
}

void CCup::CancelParticipants() {
    roundRecords.clear();
    drawnRounds.clear();
    matches.clear();
    participants.clear();
    participantNations.clear();
    takesPlace = 0;
}

// A new season's qualification starts from nothing: last season's rounds,
// tables and matches would otherwise stand beside the new round 1.
void CCup::Qualify(const std::function<bool()>& fill, const std::function<void()>& nominate) {
    if (TakesPlace()) {
        if (ranking.empty())
            nominate();
        currentMatchDay = 1;
        roundRecords.clear();
        drawnRounds.clear();
        matches.clear();
        groupWins.clear();
        groupDraws.clear();
        groupLosses.clear();
        groupGoalDifference.clear();
        const size_t places = static_cast<size_t>(GetPlaceCount());
        if (kind == kCupPlayoff) {
            participants.resize(places, &g_noClubTeam);
        } else {
            participants.assign(places, &g_noClubTeam);
            participantNations.clear();
        }
        participantNations.resize(places, 0);
        if (!fill())
            CancelParticipants();
    }
    if (kind == kCupNational && !TakesPlace() && ranking.empty())
        nominate();
    DrawNextRound();
}

void CCup::DetermineParticipants(CupNationSource& nation) {
    Qualify(
        [&] {
            switch (kind) {
                case kCupNational:
                    return FillNationalCup(nation);
                case kCupNationalSuper:
                    return FillNationalSuperCup(nation);
                case kCupPlayoff:
                    return true;
                default:
                    return false;
            }
        },
        [&] { NominateTeams(nation); });
}

void CCup::DetermineParticipants(CupContinentSource& continent) {
    Qualify(
        [&] {
            switch (kind) {
                case kCupContinental:
                    return FillContinentalCup(continent);
                case kCupContinentalSuper:
                    return FillContinentalSuperCup(continent);
                case kCupChampionship:
                    return FillChampionship(continent);
                case kCupPlayoff:
                    return true;
                default:
                    return false;
            }
        },
        [&] { NominateTeams(continent); });
}

void CCup::DetermineParticipants(CupWorldSource& world) {
    Qualify(
        [&] {
            switch (kind) {
                case kCupWorldCup:
                    return FillWorldCup(world);
                case kCupOlympia:
                    return FillOlympicTournament(world);
                case kCupPlayoff:
                    return true;
                default:
                    return false;
            }
        },
        [&] { NominateTeams(world); });
}

void CCup::DetermineParticipants() {
    Qualify([&] { return kind == kCupPlayoff; }, [] {});
}

// Amateur clubs, then the top of each league's table (made-up clubs where a
// table runs short), then the titleholder.
bool CCup::FillNationalCup(CupNationSource& nation) {
    const size_t firstExtra = nation.ExtraTeamCount();
    auto fail = [&] {
        nation.RemoveExtraTeamsFrom(firstExtra);
        return false;
    };
    int place = 0;
    for (int n = GetQualificationPlaces(0); n > 0; --n) {
        CTeam* team = nation.CreateExtraTeam(nation.LowestDivision(), kMadeUpAmateurLevel, kMadeUpAmateurSpread);
        if (!team)
            return fail();
        Place(place++, team, kAmateurLevel);
    }
    for (int i = 0; i < nation.LeagueCount(); ++i) {
        const CLeague& league = nation.League(i);
        const std::vector<CTeam*> table = ClubsInTableOrder(league);
        const int n = GetQualificationPlaces(i + 1);
        for (int k = 0; k < n; ++k) {
            CTeam* team = k < static_cast<int>(table.size())
                              ? table[k]
                              : nation.CreateExtraTeam(league.division, kCupLeagueClubLevel, kCupLeagueClubSpread);
            if (!team)
                return fail();
            Place(place++, team, league.division);
        }
    }
    return FillTitleholderPlace(nation) || fail();
}

// The national cup's best, then each league's table from the top, passing
// over clubs already in; made-up clubs where a table runs out.
bool CCup::FillNationalSuperCup(CupNationSource& nation) {
    const size_t firstExtra = nation.ExtraTeamCount();
    auto fail = [&] {
        nation.RemoveExtraTeamsFrom(firstExtra);
        return false;
    };
    int place = 0;
    const int fromCup = GetQualificationPlaces(0);
    if (fromCup > 0) {
        const CCup* cup = nation.NationalCup();
        if (!cup || static_cast<int>(cup->ranking.size()) < fromCup)
            return fail();
        for (int k = 0; k < fromCup; ++k)
            Place(place++, cup->ranking[k], kAmateurLevel);
    }
    for (int i = 0; i < nation.LeagueCount(); ++i) {
        const CLeague& league = nation.League(i);
        const std::vector<CTeam*> table = ClubsInTableOrder(league);
        size_t next = 0;
        for (int n = GetQualificationPlaces(i + 1); n > 0; --n) {
            while (next < table.size() && IsPlaced(table[next]))
                ++next;
            CTeam* team = next < table.size() ? table[next++]
                                              : nation.CreateExtraTeam(league.division, kSuperCupLeagueClubLevel,
                                                                       kSuperCupLeagueClubSpread);
            if (!team)
                return fail();
            Place(place++, team, league.division);
        }
    }
    return FillTitleholderPlace(nation) || fail();
}

// The titleholder takes the extra place unless it qualified anyway; then a
// made-up amateur club takes it.
bool CCup::FillTitleholderPlace(CupNationSource& nation) {
    if (!(flags & kCupExtraPlace) || participants.empty())
        return true;
    const int extra = static_cast<int>(participants.size()) - 1;
    CTeam* holder = ranking.empty() ? nullptr : ranking.front();
    if (holder && holder != &g_noClubTeam && !IsAlreadyParticipant(holder, extra, false)) {
        Place(extra, holder, LeagueLevelOf(nation, holder));
        return true;
    }
    CTeam* amateur = nation.CreateExtraTeam(nation.LowestDivision(), kMadeUpAmateurLevel, kMadeUpAmateurSpread);
    if (!amateur)
        return false;
    Place(extra, amateur, kAmateurLevel);
    return true;
}
