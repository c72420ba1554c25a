// The calendar steps of a continent: it passes each on to its nations and
// runs its own cups beside them.
#include <algorithm>
#include <limits>

#include "engine/CupOwnerSources.h"
#include "world/Continent.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Match.h"
#include "world/Nation.h"
#include "world/Player.h"

namespace {

// A club about to be dissolved may still be someone's next opponent from
// the last cup round; only the continent's own clubs can have met it.
void ForgetOpponent(const std::vector<std::unique_ptr<CNation>>& nations, const CTeam* gone) {
    auto forget = [gone](CTeam& team) {
        if (team.nextOpponent == gone)
            team.nextOpponent = &g_noClubTeam;
    };
    for (const auto& nation : nations) {
        forget(nation->nationalTeam);
        for (const auto& league : nation->leagues)
            for (const auto& club : league->clubs)
                forget(*club);
        for (const auto& extra : nation->extraTeams)
            forget(*extra);
    }
}

constexpr CompetitionMask kNationCompetitions =
    DayCode::kLowerLeagues | DayCode::kTopLeagues | DayCode::kNationalCupField;

void PlayDay(CCup& cup, std::vector<CMatch*>& list) {
    cup.CreateMatchDayMatches(g_manager.GetInflationPermille());
    cup.PrepareLineups();
    cup.AppendMatchesTo(list);
}

template <typename T>
void CountUp(T& counter) {
    if (counter < std::numeric_limits<T>::max())
        ++counter;
}

void CreditClubCupTitle(CTeam& winner, bool leadingCup) {
    CountUp(winner.titles[leadingCup ? kTitleChampionCups : kTitleEuropeanChampionships]);
    for (const auto& player : winner.squad)
        CountUp(player->honours[leadingCup ? kHonourLeadingClubCup : kHonourOtherClubCups]);
    if (IsUserTeam(&winner))
        ++(leadingCup ? g_manager.firstContinentalCupTitles : g_manager.otherContinentalCupTitles);
    winner.account.BookTitleBonuses(winner);
    // The manager's honour (CManager::AddHonourSkill) is credited here once
    // it exists.
}

}  // namespace

void CContinent::SetUpForNewGame() {
    FillMissingDefaults();
    std::stable_partition(nations.begin(), nations.end(), [](const auto& n) { return !n->IsInactive(); });
    for (const auto& nation : nations)
        nation->SetUpForNewGame();
    const CupOwnerView view = GetCupOwnerView();
    for (CCup* cup : ClubCupsInOrder())
        cup->PrepareStructure(view);
    superCup.PrepareStructure(view);
    championship.PrepareStructure(view);
    ContinentCupSource source(*this);
    championship.NominateTeams(source);
}

// The club cups are fitted to the continent again before they qualify, as
// the nations' cups are: a nation may have been added or made passive.
void CContinent::StartSeason() {
    for (const auto& nation : nations)
        nation->StartSeason();
    const CupOwnerView view = GetCupOwnerView();
    ContinentCupSource source(*this);
    for (CCup* cup : ClubCupsInOrder()) {
        cup->PrepareStructure(view);
        cup->DetermineParticipants(source);
    }
    superCup.PrepareStructure(view);
    superCup.DetermineParticipants(source);
    ShiftSeasonPoints();
    AssignCupPlaces();
}

void CContinent::DoWeeklyStep() {
    for (const auto& nation : nations)
        nation->DoWeekStep();
}

void CContinent::CollectTodaysMatches(CompetitionMask code, std::vector<CMatch*>& list) {
    if (code & kNationCompetitions)
        for (const auto& nation : nations)
            nation->CollectTodaysMatches(code, list);
    bool continental = false;
    if (code & DayCode::kContinentalClubCups) {
        for (CCup* cup : ClubCupsInOrder())
            PlayDay(*cup, list);
        continental = true;
    }
    if (code & DayCode::kContinentalSuperCup) {
        PlayDay(superCup, list);
        continental = true;
    }
    switch (TournamentOf(code)) {
        case DayCode::kChampionship:
            PlayDay(championship, list);
            continental = true;
            break;
        case DayCode::kChampionshipQualification:
            PlayDay(extraCups[kChampionshipQualification], list);
            continental = true;
            break;
        case DayCode::kWorldCupQualification:
            PlayDay(extraCups[kWorldCupQualification], list);
            continental = true;
            break;
        default:
            break;
    }
    if (continental)
        AssignReferees(list);
}

void CContinent::CompleteMatchDay(CompetitionMask code) {
    if (code & kNationCompetitions)
        for (const auto& nation : nations)
            nation->CompleteMatchDay(code);
    if (code & DayCode::kContinentalClubCups) {
        for (CCup* cup : ClubCupsInOrder())
            cup->CompleteMatchDay();
        ContinentCupSource source(*this);
        for (const auto& cup : clubCups)
            cup->TakeTeamsFromOtherCups(source);
        for (const auto& nation : nations) {
            int sum = 0;
            int clubs = 0;
            for (CCup* cup : ClubCupsInOrder()) {
                int points = 0;
                if (cup->GetNationPoints(nation->nationNumber, points)) {
                    sum += points;
                    ++clubs;
                }
            }
            nation->seasonPoints[0] = static_cast<uint16_t>(sum);
            nation->clubCounts[0] = static_cast<uint8_t>(clubs);
        }
    }
    if (code & DayCode::kContinentalSuperCup)
        superCup.CompleteMatchDay();
    switch (TournamentOf(code)) {
        case DayCode::kChampionship:
            championship.CompleteMatchDay();
            break;
        case DayCode::kChampionshipQualification:
            extraCups[kChampionshipQualification].CompleteMatchDay();
            break;
        case DayCode::kWorldCupQualification:
            extraCups[kWorldCupQualification].CompleteMatchDay();
            break;
        default:
            break;
    }
}

// Extra teams that play in a league now leave the list of clubs outside
// them; those no competition remembers are dissolved, their names kept
// for later clubs and their players free. The user's own club is never
// dissolved under him, and a dissolved club's players stay people of the
// world, so that no national squad, transfer talk or next opponent is left
// pointing at nobody.
void CContinent::EndSeason() {
    for (const auto& nation : nations)
        nation->EndSeason();
    clubCup.OnSeasonEnd();
    superCup.OnSeasonEnd();
    for (const auto& cup : clubCups)
        cup->OnSeasonEnd();
    for (const auto& nation : nations) {
        auto& extras = nation->extraTeams;
        for (size_t i = extras.size(); i-- > 0;) {
            CTeam* team = extras[i].get();
            if (nation->IsTeamInvolved(team, true, false)) {
                extras[i].release();
                extras.erase(extras.begin() + static_cast<std::ptrdiff_t>(i));
                continue;
            }
            g_manager.DropTeamFromTransferDeals(team);
            if (IsTeamReferenced(team, false, true) || IsUserTeam(team))
                continue;
            if (!team->name.empty())
                nation->dissolvedTeamNames.push_back(team->name);
            while (!team->squad.empty())
                nation->freePlayers.push_back(team->RemovePlayer(team->squad.back().get()));
            ForgetOpponent(nations, team);
            extras.erase(extras.begin() + static_cast<std::ptrdiff_t>(i));
        }
        nation->RetireSurplusFreePlayers();
        auto& names = nation->dissolvedTeamNames;
        if (names.size() > CNation::kMaxListSize)  // the oldest names are forgotten
            names.erase(names.begin(), names.end() - CNation::kMaxListSize);
    }
}

bool CContinent::IsTeamReferenced(const CTeam* team, bool inLeagues, bool inCups) const {
    for (const auto& nation : nations)
        if ((inLeagues && nation->IsTeamInvolved(team, true, false)) ||
            (inCups && nation->IsTeamInvolved(team, false, true)))
            return true;
    auto ranks = [team](const CCup& cup) {
        return std::find(cup.ranking.begin(), cup.ranking.end(), team) != cup.ranking.end();
    };
    return std::any_of(clubCups.begin(), clubCups.end(), [&](const auto& cup) { return ranks(*cup); }) ||
           ranks(clubCup) || ranks(superCup);
}

void CContinent::AwardTitles() {
    const std::vector<CCup*> cups = ClubCupsInOrder();
    for (size_t i = 0; i < cups.size(); ++i) {
        const CCup& cup = *cups[i];
        if (cup.TakesPlace() && !cup.ranking.empty() && cup.ranking.front() != &g_noClubTeam)
            CreditClubCupTitle(*cup.ranking.front(), i == 0 && !clubCups.empty());
    }
}
