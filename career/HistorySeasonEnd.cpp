// The history at the change of season: the world's clubs, national teams
// and players ranked into the record lists while teams and squads are
// still those of the ending season, and the season's row of the roll of
// honour.
#include <algorithm>
#include <string>
#include <vector>

#include "finance/InterestRates.h"
#include "world/Continent.h"
#include "world/Cup.h"
#include "world/Finance.h"
#include "world/GameDate.h"
#include "world/History.h"
#include "world/Inflation.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/Vocabulary.h"
#include "world/World.h"

namespace {

constexpr uint32_t kPermille = 1000;
// The lists hold wage demands and salaries in hundreds, bonuses in tens.
constexpr uint32_t kWageUnit = 100;
constexpr uint32_t kSalaryUnit = 100;
constexpr uint32_t kBonusUnit = 10;
constexpr double kStrengthScale = 10.0;
constexpr uint8_t kNibble = 0x0F;

// What the season's candidates share.
struct Season {
    uint16_t year = 0;
    int inflationPermille = 0;
};

uint32_t PackBytes(uint32_t high, uint32_t upper, uint32_t lower, uint32_t low) {
    return high << 24 | upper << 16 | lower << 8 | low;
}

// The entries a player offers to the player lists, by list.
void RankPlayer(CHistory& h, const CPlayer& p, const CTeam& club, const CLeague& league, uint32_t matchDays,
                const Season& season) {
    const std::string name = p.GetDisplayName(false);
    // Continental championships and world cups, a nibble each.
    const uint8_t tournaments = p.honours[kHonourTournaments];
    h.Rank(CHistory::kMostSuccessfulPlayer,
           {name, "", static_cast<uint16_t>((tournaments >> 4) << 8 | (tournaments & kNibble)),
            PackBytes(p.honours[kHonourOtherClubCups], p.honours[kHonourLeadingClubCup],
                      p.honours[kHonourChampionships], p.honours[kHonourNationalCups])},
           matchDays);
    h.Rank(CHistory::kMostClubMatches, {name, club.name, season.year, p.allMatches}, matchDays);
    const uint32_t wage =
        p.GetWageDemand(p.IsProfessional(), league.division, true, false, season.inflationPermille) / kWageUnit;
    h.Rank(CHistory::kBestPlayers, {name, club.name, season.year, wage}, matchDays);
    const uint32_t contract = (p.GetSalary() / kSalaryUnit) << 16 | p.GetBonus() / kBonusUnit;
    h.Rank(CHistory::kBestContracts, {name, club.shorthand, season.year, contract}, matchDays);
    h.Rank(CHistory::kSeasonGoals, {name, club.name, season.year, p.leagueGoals}, matchDays);
    h.Rank(CHistory::kInternationalMatches, {name, NationName(p.nationality), season.year, p.nationalMatches},
           matchDays);
}

void RankClub(CHistory& h, const CTeam& club, const CLeague& league, const Season& season) {
    const auto& t = club.titles;
    h.Rank(CHistory::kMostSuccessfulTeam,
           {club.name, "", t[kTitleContinentalSupercups],
            PackBytes(t[kTitleEuropeanChampionships], t[kTitleChampionCups], t[kTitleChampionships],
                      t[kTitleNationalCups])},
           0);
    h.Rank(CHistory::kHighestBudget,
           {club.name, "", season.year,
            club.account.CalcSeasonIncome(league, club, g_interestRates.investmentBase)},
           0);
    h.Rank(CHistory::kStrongestTeam,
           {club.name, "", season.year, static_cast<uint32_t>(double{club.GetStrength()} * kStrengthScale)}, 0);
}

// A national team's titles: continental championships, olympic
// tournaments and world cups.
void RankNationalTeam(CHistory& h, const CTeam& team) {
    const auto& t = team.titles;
    h.Rank(CHistory::kMostSuccessfulNationalTeam,
           {team.name, "", t[kTitleEuropeanChampionships],
            static_cast<uint32_t>(t[kTitleChampionships]) << 16 | t[kTitleChampionCups]},
           0);
}

// A holder appears once in the lists of lasting values; the season and
// transfer lists keep an entry per season or sale. The team lists are
// cleaned once a nation's leagues are through.
void RemoveDuplicateHolders(CHistory& h, bool lastLeagueOfNation) {
    for (int list : {CHistory::kMostSuccessfulPlayer, CHistory::kMostClubMatches, CHistory::kBestPlayers,
                     CHistory::kBestContracts, CHistory::kInternationalMatches})
        h.RemoveDuplicates(list);
    if (lastLeagueOfNation) {
        h.RemoveDuplicates(CHistory::kMostSuccessfulTeam);
        h.RemoveDuplicates(CHistory::kMostSuccessfulNationalTeam);
    }
}

// Every league counts, passive ones too; the nation's national team enters
// at the first club of its first league.
void RankLeague(CHistory& h, const CNation& nation, size_t index, const Season& season) {
    const CLeague& league = *nation.leagues[index];
    if (!league.IsPassive())
        ++h.leagueCount;
    const uint32_t matchDays = static_cast<uint32_t>(league.GetMatchDayCount(true, true, true));
    for (size_t c = 0; c < league.clubs.size(); ++c) {
        const CTeam& club = *league.clubs[c];
        RankClub(h, club, league, season);
        if (index == 0 && c == 0)
            RankNationalTeam(h, nation.nationalTeam);
        for (const auto& player : club.squad)
            RankPlayer(h, *player, club, league, matchDays, season);
        RemoveDuplicateHolders(h, index + 1 == nation.leagues.size());
    }
}

// The continent's club cups that take place, in their order: the club-cup
// list, then the main club cup.
std::vector<const CCup*> ClubCupsTakingPlace(const CContinent& continent) {
    std::vector<const CCup*> cups;
    for (const auto& cup : continent.clubCups)
        if (cup->TakesPlace())
            cups.push_back(cup.get());
    if (continent.clubCup.TakesPlace())
        cups.push_back(&continent.clubCup);
    return cups;
}

// The season's counts and the record lists, in world order.
void RankWorld(CHistory& h, const CWorld& world, const Season& season) {
    h.cupCount = h.leagueCount = h.nationCount = 0;
    h.continentCount = static_cast<uint32_t>(world.continents.size());
    for (const auto& continent : world.continents) {
        h.nationCount += static_cast<uint32_t>(continent->nations.size());
        h.cupCount += static_cast<uint32_t>(ClubCupsTakingPlace(*continent).size());
        for (const auto& nation : continent->nations)
            for (size_t l = 0; l < nation->leagues.size(); ++l)
                RankLeague(h, *nation, l, season);
    }
}

std::string NameOf(const CTeam* team) { return team ? team->name : std::string(); }

std::string WinnerOf(const CCup& cup) { return cup.ranking.empty() ? std::string() : NameOf(cup.ranking.front()); }

// A national cup that did not take place has no winner this season.
std::string NationalCupWinner(const CNation& nation, size_t cup) {
    if (cup >= nation.cups.size() || !nation.cups[cup]->TakesPlace())
        return {};
    return WinnerOf(*nation.cups[cup]);
}

// The roll of honour's row of a season, part by part, and the keys of its
// columns.
struct SeasonRow {
    std::vector<std::string> champions, cupWinners, superCupWinners, scorers, championships, clubCupWinners;
    std::vector<uint16_t> goals;

    std::vector<std::string> Join(const std::string& worldCup, const std::string& olympia) const {
        std::vector<std::string> row;
        for (const auto* part : {&champions, &cupWinners, &superCupWinners, &scorers, &championships, &clubCupWinners})
            row.insert(row.end(), part->begin(), part->end());
        row.push_back(worldCup);
        row.push_back(olympia);
        return row;
    }
};

void AddNation(CHistory& h, SeasonRow& row, const CNation& nation) {
    h.nationNumbers.push_back(nation.nationNumber);
    row.champions.push_back(NameOf(nation.GetChampion()));
    row.cupWinners.push_back(NationalCupWinner(nation, CNation::kNationalCup));
    row.superCupWinners.push_back(NationalCupWinner(nation, CNation::kNationalSuperCup));
    for (const auto& league : nation.leagues) {
        if (league->IsPassive())
            continue;
        h.leagueNames.push_back(league->name);
        h.leagueNations.push_back(nation.nationNumber);
        const CPlayer* scorer = league->FindTopScorer();
        row.scorers.push_back(scorer ? scorer->GetDisplayName(false) : std::string());
        row.goals.push_back(scorer ? scorer->leagueGoals : 0);
    }
}

// The continental championship is played in even years, the world cup in
// odd ones and the olympic tournament every fourth year.
void AppendRollOfHonourRow(CHistory& h, const CWorld& world, uint16_t year) {
    const bool evenYear = year % 2 == 0;
    const bool olympicYear = year % 4 == 0;
    h.nationNumbers.clear();
    h.continentNames.clear();
    h.leagueNames.clear();
    h.leagueNations.clear();
    h.cupNames.clear();
    SeasonRow row;
    for (const auto& continent : world.continents) {
        h.continentNames.push_back(continent->name);
        row.championships.push_back(evenYear ? WinnerOf(continent->championship) : std::string());
        for (const CCup* cup : ClubCupsTakingPlace(*continent)) {
            h.cupNames.push_back(cup->name);
            row.clubCupWinners.push_back(WinnerOf(*cup));
        }
        for (const auto& nation : continent->nations)
            AddNation(h, row, *nation);
    }
    const std::vector<std::string> joined =
        row.Join(evenYear ? std::string() : WinnerOf(world.worldCup), olympicYear ? WinnerOf(world.olympia) : "");
    h.yearRows.insert(h.yearRows.end(), joined.begin(), joined.end());
    h.scorerGoals.insert(h.scorerGoals.end(), row.goals.begin(), row.goals.end());
}

template <typename T>
void EraseFirst(std::vector<T>& v, size_t count) {
    v.erase(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(std::min(count, v.size())));
}

// Beyond ten seasons the oldest go from every yearly array. Rows are as
// long as the newest season's counts say; where the counts changed
// between seasons the erasing stops at the array's end.
void DropOldestYears(CHistory& h) {
    if (h.years.size() <= CHistory::kMaxYears)
        return;
    const size_t excess = h.years.size() - CHistory::kMaxYears;
    const size_t rowLength = h.yearRows.size() / h.years.size();
    EraseFirst(h.yearRows, rowLength * excess);
    EraseFirst(h.continentPlayersOfYear, h.continentCount * excess);
    EraseFirst(h.nationPlayersOfYear, h.nationCount * excess);
    EraseFirst(h.scorerGoals, h.leagueCount * excess);
    EraseFirst(h.years, excess);
}

}  // namespace

// The best players' values rise with the prices, so that a past player
// stays comparable with today's wage demands.
void CHistory::UpdateAtSeasonEnd(const CWorld& world) {
    const Season season{static_cast<uint16_t>(g_gameDate.Year()),
                        InflationPermilleAfter(SeasonsSinceStart(g_gameDate, world.startYear))};
    const int first = kBestPlayers * kPlaces;
    for (int i = first; i < first + kPlaces; ++i)
        recordValues[i] = recordValues[i] * static_cast<uint32_t>(kYearlyRiseNumerator) / kPermille;
    RankWorld(*this, world, season);
    years.push_back(season.year);
    AppendRollOfHonourRow(*this, world, season.year);
    DropOldestYears(*this);
}
