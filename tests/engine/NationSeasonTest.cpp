#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "engine/SeasonCalendar.h"
#include "finance/IncomeFormulae.h"
#include "platform/BinaryFile.h"
#include "platform/GameOptions.h"
#include "platform/Random.h"
#include "tests/engine/MatchFixture.h"
#include "tests/world/NationSamples.h"
#include "tests/world/PlayerSamples.h"
#include "world/Continent.h"
#include "world/Cup.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Match.h"
#include "world/Nation.h"
#include "world/Referee.h"

namespace {

constexpr int kStartYear = 2003;

// One nation of a continent: a top league of 8 clubs that sends 3 down,
// and a north and a south league of 6 below it that each send their best
// up and their last out of the leagues. The three places shared by two
// lower leagues leave one for the promotion play-off of their runners-up.
// A national cup of all 16 clubs, a super cup and the continent's club cup
// of 4 run beside the leagues.
struct SeasonWorld {
    CContinent continent;
    CNation* nation = nullptr;

    SeasonWorld() {
        continent.name = "Europe";
        auto owned = std::make_unique<CNation>();
        nation = owned.get();
        nation->nationNumber = 40;
        continent.nations.push_back(std::move(owned));
        AddLeague(1, "first division", 3, 0, 249, 5, 9);
        AddLeague(2, "north", 1, 0, 120, 2, 6);
        AddLeague(2, "south", 1, 130, 249, 2, 6);

        CCup& cup = *nation->cups[CNation::kNationalCup];
        cup.name = "national cup";
        cup.cumulativePlaces = {0, 8, 12, 16};
        cup.roundCount = 4;
        cup.legs = 1;
        CCup& super = *nation->cups[CNation::kNationalSuperCup];
        super.name = "super cup";
        super.cumulativePlaces = {1, 2, 2, 2};
        super.roundCount = 1;
        super.legs = 1;
        continent.clubCup.name = "club cup";
        continent.clubCup.cumulativePlaces = {4};
        continent.clubCup.roundCount = 2;
        continent.clubCup.legs = 1;
    }

    void AddLeague(int division, const std::string& name, int relegated, int left, int right, int low, int high) {
        auto league = std::make_unique<CLeague>();
        league->name = name;
        league->division = static_cast<uint8_t>(division);
        league->relegatedPlaces = static_cast<uint8_t>(relegated);
        league->areaLeft = left;
        league->areaRight = right;
        const int clubs = division == 1 ? 8 : 6;
        for (int i = 0; i < clubs; ++i) {
            auto club = MakeClub(low, high);
            club->name = name + " " + std::to_string(i + 1);
            club->mapPosition = static_cast<uint16_t>((left + right) / 2 * 3 / 5 | 60 << 8);
            for (const auto& player : club->squad) {
                player->lastName = "Hansen" + player->lastName;
                // Professionals under contract: a club does not lose its whole squad in one summer.
                player->contractFlags |= CPlayer::kProfessional;
                player->contractYears = 3;
            }
            league->clubs.push_back(std::move(club));
            league->tableOrder.push_back(static_cast<uint8_t>(i + 1));
        }
        nation->leagues.push_back(std::move(league));
    }

    CLeague& League(int i) { return *nation->leagues[i]; }
};

std::vector<std::string> TableNames(const CLeague& league) {
    std::vector<std::string> names;
    for (uint8_t entry : league.tableOrder)
        names.push_back(league.clubs[entry - 1]->name);
    return names;
}

std::set<std::string> Names(const CLeague& league) {
    std::set<std::string> names;
    for (const auto& club : league.clubs)
        names.insert(club->name);
    return names;
}

void Simulate(const std::vector<CMatch*>& day) {
    for (CMatch* match : day)
        match->Prepare();
    for (int round = 0; round < 17; ++round)
        for (CMatch* match : day)
            if (match->IsRunning())
                match->PlayTimeSlice(305);
    for (CMatch* match : day)
        if (match->IsRunning())
            match->PlayPenaltyShootout();
}

Date FirstDayOfSeason(int year) {
    const Date mid(year, 7, 15);
    return mid.AddDays(-GetSeasonDayIndex(mid));
}

void LayOutCalendar(SeasonWorld& w, int year) {
    SeasonCalendarCounts counts(year);
    for (const auto& league : w.nation->leagues)
        counts.AddLeague(*league);
    for (size_t i = 0; i < w.nation->cups.size(); ++i)
        counts.AddNationalCup(static_cast<int>(i), *w.nation->cups[i]);
    counts.AddContinentalClubCup(w.continent.clubCup);
    counts.AddContinentalSuperCup(w.continent.superCup);
    g_dayCodes = LayOutSeasonCalendar(counts);
    NumberMatchDays(g_dayCodes, true, false);
}

// Every day of the season up to 30 June, as the world's day step drives
// the continent: the week on Mondays, and the match days by their code.
void PlaySeason(SeasonWorld& w, int year) {
    const Date first = FirstDayOfSeason(year);
    const Date seasonEnd(year + 1, 6, 30);
    for (int d = 0; first.AddDays(d).DaysSince(seasonEnd) < 0; ++d) {
        g_gameDate = first.AddDays(d);
        if (d % 7 == 0)
            w.continent.DoWeeklyStep();
        const CompetitionMask code = GetDayCode(d);
        if (!CarriesMatches(code))
            continue;
        std::vector<CMatch*> day;
        w.continent.CollectTodaysMatches(code, day);
        for (CMatch* match : day)
            EXPECT_GE(match->referees.names[0].size(), 2u);
        Simulate(day);
        w.continent.CompleteMatchDay(code);
    }
    g_gameDate = seasonEnd;
}

void ExpectEveryClubInOneLeague(const SeasonWorld& w, const std::map<std::string, size_t>& sizes) {
    std::set<const CTeam*> seen;
    for (const auto& league : w.nation->leagues) {
        EXPECT_EQ(league->clubs.size(), sizes.at(league->name)) << league->name;
        std::vector<uint8_t> order = league->tableOrder;
        std::sort(order.begin(), order.end());
        for (size_t i = 0; i < order.size(); ++i)
            EXPECT_EQ(order[i], i + 1) << league->name;
        EXPECT_EQ(order.size(), league->clubs.size());
        for (const auto& club : league->clubs) {
            ASSERT_NE(club, nullptr);
            EXPECT_TRUE(seen.insert(club.get()).second) << club->name;
        }
    }
    for (const auto& extra : w.nation->extraTeams)
        EXPECT_FALSE(seen.count(extra.get())) << extra->name;
}

int DistanceTo(const CLeague& league, const CTeam& club) {
    return league.GetAreaDistance(club.mapPosition & 0xFF, club.mapPosition >> 8);
}

// The leagues, in list order, each hold the clubs nearest to their region
// among those the leagues before them left.
void ExpectSharedOutByRegion(const std::vector<const CLeague*>& leagues) {
    std::vector<const CTeam*> left;
    for (const CLeague* league : leagues)
        for (const auto& club : league->clubs)
            left.push_back(club.get());
    for (const CLeague* league : leagues) {
        int farthestTaken = 0;
        for (const auto& club : league->clubs) {
            farthestTaken = std::max(farthestTaken, DistanceTo(*league, *club));
            std::erase(left, club.get());
        }
        for (const CTeam* club : left)
            EXPECT_GE(DistanceTo(*league, *club), farthestTaken) << league->name << " left " << club->name;
    }
}

class OptionsScope {
public:
    explicit OptionsScope(uint32_t options) : options_(options) { g_pOptions = &options_; }
    ~OptionsScope() { g_pOptions = nullptr; }
    OptionsScope(const OptionsScope&) = delete;
    OptionsScope& operator=(const OptionsScope&) = delete;

private:
    uint32_t options_;
};

}  // namespace

// Two seasons driven day by day: the leagues play their round robin, the
// cups find a titleholder, and at the season's end exactly the configured
// clubs move: the top league's last three go down, the lower leagues'
// winners and the promotion play-off's winner go up, the lower leagues'
// last leave the leagues for two clubs from outside.
TEST(NationSeason, TwoSeasonsMoveExactlyTheConfiguredClubs) {
    SeedRandom(2024);
    g_gameDate = FirstDayOfSeason(kStartYear);
    SeasonWorld w;
    w.continent.SetUpForNewGame();
    w.continent.StartSeason();
    std::map<std::string, size_t> sizes;
    for (const auto& league : w.nation->leagues)
        sizes[league->name] = league->clubs.size();

    for (int year = kStartYear; year < kStartYear + 2; ++year) {
        SCOPED_TRACE(year);
        LayOutCalendar(w, year);
        PlaySeason(w, year);

        for (const auto& league : w.nation->leagues) {
            EXPECT_TRUE(league->IsSeasonOver()) << league->name;
            const int regular = league->GetRegularMatchDayCount();
            for (size_t c = 0; c < league->clubs.size(); ++c)
                EXPECT_EQ(league->wins[c] + league->draws[c] + league->losses[c], regular) << league->name;
            EXPECT_TRUE(std::any_of(league->goalDifference.begin(), league->goalDifference.end(),
                                    [](int16_t d) { return d != 0; }));
        }
        for (const CCup* cup : {w.nation->cups[0].get(), w.nation->cups[1].get(), &w.continent.clubCup}) {
            EXPECT_TRUE(cup->HasFinished()) << cup->name;
            ASSERT_FALSE(cup->ranking.empty()) << cup->name;
            EXPECT_NE(cup->ranking.front(), &g_noClubTeam) << cup->name;
        }
        ASSERT_EQ(w.nation->cups.size(), 3u);
        const CCup& playoff = *w.nation->cups[2];
        EXPECT_EQ(playoff.name, "promotion to division 1.");
        ASSERT_TRUE(playoff.HasFinished());
        ASSERT_EQ(playoff.ranking.size(), 2u);

        const std::vector<std::string> top = TableNames(w.League(0));
        const std::vector<std::string> north = TableNames(w.League(1));
        const std::vector<std::string> south = TableNames(w.League(2));
        const std::string playoffWinner = playoff.ranking[0]->name;
        EXPECT_TRUE(playoffWinner == north[1] || playoffWinner == south[1]);
        std::set<std::string> expectedTop(top.begin(), top.begin() + 5);
        expectedTop.insert({north[0], south[0], playoffWinner});
        std::set<std::string> expectedLower(north.begin() + 1, north.end() - 1);
        expectedLower.insert(south.begin() + 1, south.end() - 1);
        expectedLower.erase(playoffWinner);
        expectedLower.insert(top.begin() + 5, top.end());

        w.continent.AwardTitles();
        w.continent.EndSeason();
        g_gameDate = Date(year + 1, 6, 30);
        w.continent.StartSeason();

        EXPECT_EQ(w.nation->cups.size(), 2u);
        ExpectEveryClubInOneLeague(w, sizes);
        EXPECT_EQ(Names(w.League(0)), expectedTop);
        std::set<std::string> lower = Names(w.League(1));
        const std::set<std::string> southNames = Names(w.League(2));
        lower.insert(southNames.begin(), southNames.end());
        std::vector<std::string> newcomers;
        std::set_difference(lower.begin(), lower.end(), expectedLower.begin(), expectedLower.end(),
                            std::back_inserter(newcomers));
        EXPECT_EQ(newcomers.size(), 2u);
        EXPECT_TRUE(std::includes(lower.begin(), lower.end(), expectedLower.begin(), expectedLower.end()));
        for (const std::string& name : newcomers) {
            EXPECT_NE(name, north.back());
            EXPECT_NE(name, south.back());
        }
    }
}

// With the option to reassign the leagues' clubs, the season's end shares
// out the lower division again by region: the two lower leagues, each with
// every second club lying in the other's region, end up each with the
// clubs nearest to it, their sizes kept and every club in one league.
TEST(NationSeason, WithTheOptionTheLowerLeaguesAreSharedOutByRegion) {
    SeedRandom(2026);
    GameDateScope date(FirstDayOfSeason(kStartYear));
    SeasonWorld w;
    CLeague& north = w.League(1);
    CLeague& south = w.League(2);
    for (size_t i = 0; i < north.clubs.size(); i += 2)
        std::swap(north.clubs[i]->mapPosition, south.clubs[i]->mapPosition);
    w.continent.SetUpForNewGame();
    w.continent.StartSeason();
    std::map<std::string, size_t> sizes;
    for (const auto& league : w.nation->leagues)
        sizes[league->name] = league->clubs.size();
    LayOutCalendar(w, kStartYear);
    PlaySeason(w, kStartYear);

    w.continent.AwardTitles();
    {
        const OptionsScope reassigning(kOptReassignLeagueClubs);
        w.continent.EndSeason();
    }

    ExpectEveryClubInOneLeague(w, sizes);
    ExpectSharedOutByRegion({&north, &south});
    ResetRandom();
}

// Every league club's account starts the season with its contracts and
// first bookings, and ends it with the balance gone into the capital.
TEST(NationSeason, EveryLeagueClubsAccountRunsFromSeasonStartToSeasonEnd) {
    SeedRandom(2025);
    g_gameDate = FirstDayOfSeason(kStartYear);
    SeasonWorld w;
    w.continent.SetUpForNewGame();
    w.continent.StartSeason();
    for (const auto& league : w.nation->leagues)
        for (const auto& club : league->clubs) {
            const CFinance& account = club->account;
            ASSERT_EQ(account.FigureCount(), kProfessionalFigureCount) << club->name;
            EXPECT_EQ(account.GetFigure(kIncomeMedia), CalcLeagueTvShare(league->division)) << club->name;
            EXPECT_GT(account.GetFigure(kIncomeSponsors), 0u) << club->name;
            EXPECT_GT(account.GetContract(kContractMainSponsor).term, 0u) << club->name;
            EXPECT_TRUE(club->HasCoach()) << club->name;
        }

    LayOutCalendar(w, kStartYear);
    PlaySeason(w, kStartYear);
    std::map<std::string, int32_t> capital;
    for (const auto& league : w.nation->leagues)
        for (const auto& club : league->clubs)
            if (club->account.GetBalance() != 0)
                capital[club->name] = club->capital;
    ASSERT_FALSE(capital.empty());
    w.continent.AwardTitles();
    w.continent.EndSeason();
    // The season's balance went into the capital of every club that stayed.
    for (const auto& league : w.nation->leagues)
        for (const auto& club : league->clubs)
            if (capital.count(club->name)) {
                EXPECT_NE(club->capital, capital[club->name]) << club->name;
            }
    ResetRandom();
}

TEST(NationSeason, NewGameCompletesANationWithoutLeagues) {
    SeedRandom(5);
    g_gameDate = FirstDayOfSeason(kStartYear);
    CNation nation;
    nation.nationNumber = 12;
    nation.SetUpForNewGame();

    ASSERT_EQ(nation.leagues.size(), 1u);
    const CLeague& league = *nation.leagues[0];
    EXPECT_EQ(league.name, "division 1");
    EXPECT_TRUE(league.IsPassive());
    EXPECT_EQ(league.clubs.size(), 2u);
    EXPECT_EQ(league.tableOrder, (std::vector<uint8_t>{1, 2}));
    EXPECT_TRUE(nation.extraTeams.empty());
    for (const auto& club : league.clubs) {
        EXPECT_GE(club->squad.size(), 12u);
        EXPECT_LE(club->squad.size(), 17u);
        EXPECT_FALSE(club->coachSurname.empty());
        EXPECT_EQ(club->youth.size(), 2u) << "every club starts with two youth players";
    }
    EXPECT_NE(league.clubs[0]->name, league.clubs[1]->name);
    EXPECT_EQ(nation.shorthand.size(), 2u);
    EXPECT_GE(nation.president.size(), 2u);
    EXPECT_NE(nation.nationalTeam.homeColour, nation.nationalTeam.awayColour);
    EXPECT_GE(nation.referees.size(), 2u);
    EXPECT_GE(nation.coachPool.size(), 2u);
    EXPECT_GE(nation.keeperCoachPool.size(), 2u);
}

// Of two parallel top leagues the best clubs play for the title: the
// champion is the play-off's winner, and the play-off is not set up a
// second time while it runs.
// A new club's arena just holds the spectators of its division: one line
// less on any side would leave some outside.
TEST(NationClubs, NewClubsArenaHoldsItsDivisionsDemand) {
    SeedRandom(23);
    g_gameDate = FirstDayOfSeason(kStartYear);
    CNation nation;
    for (int division = 1; division <= 4; ++division) {
        CTeam& club = *nation.CreateExtraTeam(division, 100, 50);
        const uint32_t demand = static_cast<uint32_t>(club.GetSpectatorDemand(division));
        EXPECT_GE(club.arena.GetCapacity(), demand) << division;
        CArena smaller;
        smaller.CopyFrom(club.arena);
        if (smaller.RemoveGridLine(true, false, false, false)) {
            EXPECT_LT(smaller.GetCapacity(), demand + PlacesOfBlockKind(kSeatsLarge) * 8) << division;
        }
    }
    ResetRandom();
}

TEST(NationSeason, ParallelTopLeaguesPlayForTheTitle) {
    SeedRandom(8);
    g_gameDate = FirstDayOfSeason(kStartYear);
    CNation nation;
    for (int l = 0; l < 2; ++l) {
        auto league = std::make_unique<CLeague>();
        league->relegatedPlaces = 0;
        for (int i = 0; i < 4; ++i) {
            league->clubs.push_back(MakeClub(3, 8));
            league->clubs.back()->name = "L" + std::to_string(l) + " " + std::to_string(i);
            league->tableOrder.push_back(static_cast<uint8_t>(i + 1));
        }
        nation.leagues.push_back(std::move(league));
    }
    nation.SetUpForNewGame();
    ASSERT_EQ(nation.cups.size(), 3u);
    EXPECT_EQ(nation.cups[2]->ranking.size(), 8u);
    nation.StartSeason();

    for (const auto& league : nation.leagues)
        league->currentMatchDay = static_cast<uint8_t>(league->GetMatchDayCount(true, true, true) + 1);
    nation.StartPlayOffs();
    CCup& playoff = *nation.cups[2];
    ASSERT_TRUE(playoff.TakesPlace());
    ASSERT_EQ(playoff.participants.size(), 4u);
    const std::vector<CTeam*> field = playoff.participants;
    nation.CompleteMatchDay(DayCode::kTopLeagues);
    EXPECT_EQ(playoff.participants, field);

    for (int day = 1; !playoff.HasFinished() && day < 10; ++day) {
        std::vector<CMatch*> list;
        nation.CollectTodaysMatches(DayCode::kFurtherNationalCups | day, list);
        Simulate(list);
        nation.CompleteMatchDay(DayCode::kFurtherNationalCups | day);
    }
    ASSERT_TRUE(playoff.HasFinished());
    EXPECT_EQ(nation.GetChampion(), playoff.ranking.front());
}

// With one referee pair every match of the day gets it; with enough pairs
// no pair judges twice on one day.
TEST(NationSeason, RefereePairsAreSharedOutOverTheDay) {
    SeedRandom(3);
    g_gameDate = FirstDayOfSeason(kStartYear);
    CNation nation;
    auto league = std::make_unique<CLeague>();
    for (int i = 0; i < 6; ++i) {
        league->clubs.push_back(MakeClub(3, 8));
        league->tableOrder.push_back(static_cast<uint8_t>(i + 1));
    }
    nation.leagues.push_back(std::move(league));
    for (const int pairs : {1, 3}) {
        nation.referees.clear();
        for (int r = 0; r < pairs; ++r) {
            nation.referees.push_back(std::make_unique<CReferee>());
            nation.referees.back()->names = {"Ref" + std::to_string(r), "Other"};
        }
        nation.leagues[0]->StartSeason();
        std::vector<CMatch*> list;
        nation.CollectTodaysMatches(DayCode::kTopLeagues | 1, list);
        ASSERT_EQ(list.size(), 3u);
        std::set<std::string> used;
        for (const CMatch* match : list)
            used.insert(match->referees.names[0]);
        EXPECT_EQ(used.size(), static_cast<size_t>(pairs));
        nation.leagues[0]->matches.clear();
    }
}

// Club names: a taken name gets " I" and more; removed extra teams leave
// their names for the next clubs made; a fill that cannot be completed
// takes back the clubs it made.
TEST(NationClubs, NamesAndExtraTeamsComeAndGo) {
    SeedRandom(17);
    g_gameDate = FirstDayOfSeason(kStartYear);
    CNation nation;
    nation.nationNumber = 3;
    CTeam* first = nation.CreateExtraTeam(1, 100, 50);
    ASSERT_NE(first, nullptr);
    CTeam* found = nullptr;
    ASSERT_TRUE(nation.FindTeamByName(first->name, found));
    EXPECT_EQ(found, first);
    for (int i = 0; i < 30; ++i) {
        const std::string name = GenerateClubName(nation);
        EXPECT_FALSE(nation.FindTeamByName(name, found)) << name;
        nation.CreateExtraTeam(1, 100, 50)->name = name;
    }
    const std::string last = nation.extraTeams.back()->name;
    nation.RemoveExtraTeamsFrom(nation.extraTeams.size() - 1);
    EXPECT_EQ(nation.dissolvedTeamNames.back(), last);
    EXPECT_EQ(nation.CreateExtraTeam(1, 100, 50)->name, last);
    EXPECT_TRUE(nation.dissolvedTeamNames.empty());

    std::vector<CTeam*> places(3, &g_noClubTeam);
    const size_t before = nation.extraTeams.size();
    EXPECT_TRUE(nation.FillCupPlacesByTable(0, 2, places, 1));
    EXPECT_EQ(nation.extraTeams.size(), before + 2);
    EXPECT_EQ(places[0], &g_noClubTeam);
    EXPECT_FALSE(nation.FillCupPlacesByTable(0, 3, places, 1));
    EXPECT_EQ(nation.extraTeams.size(), before + 2);
}

// Clubs let players go faster than free players fade away; a list longer
// than its one-byte count would make the game impossible to save.
TEST(NationFreePlayers, BeyondWhatASaveHoldsRetireWeakestAndOldestFirst) {
    g_gameDate = FirstDayOfSeason(kStartYear);
    CNation nation;
    struct Person {
        int strength;
        int age;
    };
    std::vector<Person> people;
    for (int i = 0; i < 300; ++i) {
        auto player = SamplePlayer("Free", std::to_string(i), 2 + i % 9);
        player->birthday = PackDate(Date(1970 + i % 20, 1, 1));
        people.push_back({player->GetStrengthClass(), player->GetAge()});
        nation.freePlayers.push_back(std::move(player));
    }

    nation.RetireSurplusFreePlayers();

    ASSERT_EQ(nation.freePlayers.size(), CNation::kMaxListSize);
    std::vector<bool> stays(people.size(), false);
    int previous = -1;
    for (const auto& player : nation.freePlayers) {
        const int i = std::stoi(player->lastName);
        EXPECT_GT(i, previous) << "the players who stay keep their order";
        previous = i;
        stays[static_cast<size_t>(i)] = true;
    }
    // Weaker before stronger, and within a class older before younger.
    for (size_t r = 0; r < people.size(); ++r)
        for (size_t k = 0; k < people.size(); ++k)
            if (!stays[r] && stays[k]) {
                EXPECT_LE(people[r].strength, people[k].strength);
                if (people[r].strength == people[k].strength) {
                    EXPECT_GE(people[r].age, people[k].age);
                }
            }

    MemoryFile file;
    EXPECT_TRUE(nation.Write(file, 1));
}

// The clubs that fall out of the leagues are dissolved at the season's end
// while others may still name them as their next opponent from the last
// cup round: nobody is left pointing at a club that is gone.
TEST(ContinentSeason, NoClubKeepsADissolvedClubAsItsNextOpponent) {
    GameDateScope date(FirstDayOfSeason(kStartYear));
    SeedRandom(2025);
    SeasonWorld w;
    w.continent.SetUpForNewGame();
    w.continent.StartSeason();
    LayOutCalendar(w, kStartYear);
    PlaySeason(w, kStartYear);

    std::vector<CTeam*> holders = {&w.nation->nationalTeam};
    for (const auto& league : w.nation->leagues)
        for (const auto& club : league->clubs)
            holders.push_back(club.get());
    const CTeam* leaver = w.League(1).clubs[w.League(1).tableOrder.back() - 1].get();
    const std::string leaverName = leaver->name;
    for (CTeam* holder : holders)
        holder->nextOpponent = const_cast<CTeam*>(leaver);
    w.continent.AwardTitles();
    w.continent.EndSeason();

    ASSERT_NE(std::find(w.nation->dissolvedTeamNames.begin(), w.nation->dissolvedTeamNames.end(), leaverName),
              w.nation->dissolvedTeamNames.end());
    std::set<const CTeam*> existing = {&g_noClubTeam, &w.nation->nationalTeam};
    for (const auto& league : w.nation->leagues)
        for (const auto& club : league->clubs)
            existing.insert(club.get());
    for (const auto& extra : w.nation->extraTeams)
        existing.insert(extra.get());
    for (const CTeam* team : existing)
        EXPECT_TRUE(existing.count(team->nextOpponent)) << team->name;
}
