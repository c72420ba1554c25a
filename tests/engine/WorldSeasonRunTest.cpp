#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>

#include "engine/SeasonCalendar.h"
#include "platform/BinaryFile.h"
#include "platform/Random.h"
#include "tools/world-builder/WorldBuilder.h"
#include "world/Continent.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Match.h"
#include "world/Nation.h"
#include "world/Team.h"
#include "world/World.h"
#include "world/WorldWalk.h"

// A new game and whole seasons run by calling the world's calendar steps
// day by day, as the day step does, without a window.

namespace {

const Date kFirstDay(2003, 7, 7);  // the first Monday of July 2003

std::unique_ptr<CWorld> ReadShippedWorld() {
    const std::filesystem::path path = std::filesystem::path(CORVANTA_PROGRAM_DIR) / "Welt.kwl";
    std::unique_ptr<DiskFile> file = DiskFile::OpenRead(path.string());
    auto world = std::make_unique<CWorld>();
    if (!file || !world->Read(*file, 0))
        return nullptr;
    return world;
}

// Every cup of the world that takes place in the season beginning in
// seasonYear.
std::vector<const CCup*> CupsTakingPlace(const CWorld& world, int seasonYear) {
    std::vector<const CCup*> cups;
    VisitCups(world, [&](const CCup& cup) {
        if (cup.IsPlayedInSeason(seasonYear))
            cups.push_back(&cup);
    });
    return cups;
}

int CountDays(CompetitionMask bits, CompetitionMask field = 0) {
    int days = 0;
    for (CompetitionMask code : g_dayCodes)
        days += field ? (code & field) == bits : (code & bits) != 0;
    return days;
}

class SeasonRun {
public:
    explicit SeasonRun(std::unique_ptr<CWorld> w) : world(std::move(w)) {
        g_manager.world = world.get();
        CContinent& continent = *world->continents[0];
        CNation& nation = *continent.nations[0];
        g_manager.continent = &continent;
        g_manager.nation = &nation;
        g_manager.league = nation.leagues[0].get();
        g_manager.club = g_manager.league->clubs[0].get();
        g_manager.nationalTeam = &g_noClubTeam;
    }

    // What the new-game set-up runs once the manager has his place.
    void StartNewGame() {
        world->PrepareNewGame();
        world->StartNewSeason();
        world->FindNextUserMatch();
    }

    // The dated steps of one day in the day step's order, then the date
    // moves on.
    void RunDay() {
        const int month = g_gameDate.Month();
        const int day = g_gameDate.Day();
        if (month == 6 && day == 30) {
            if (beforeSeasonChange)
                beforeSeasonChange();
            world->AwardContinentalTitles();
            g_manager.UpdateHistoryRecords();
            world->CarryOutAgreedTransfers();
            world->EndSeason();
            if (afterSeasonEnd)
                afterSeasonEnd();
            world->StartNewSeason();
            world->FindNextUserMatch();
        }
        if ((month == 6 || month == 12) && day == 15)
            world->DoHalfYearLeagueStep();
        if (month == 1 && day == 15)
            world->UpdateTransferLists();
        if (month % 3 == 0 && day == 16)
            world->NominateNationalSquads(false, false);
        if (g_gameDate.DayOfWeek() == 2)
            world->DoWeeklyStep();
        const CompetitionMask code = GetTodaysDayCode();
        std::vector<CMatch*> matches;
        if (world->CollectTodaysMatches(matches)) {
            SimulateMatches(matches);
            world->CompleteMatchDay(code);
            world->FindNextUserMatch();
        }
        g_gameDate = g_gameDate.AddDays(1);
    }

    void RunUntil(const Date& end) {
        while (g_gameDate < end)
            RunDay();
    }

    std::unique_ptr<CWorld> world;
    std::function<void()> beforeSeasonChange;
    std::function<void()> afterSeasonEnd;
};

// The calendar holds every competition's match days of the season.
void ExpectCalendarHoldsEveryCompetition(const CWorld& world, int seasonYear) {
    VisitLeagues(world, [](const CNation&, const CLeague& league) {
        const CompetitionMask bit = league.division == 1 ? DayCode::kTopLeagues : DayCode::kLowerLeagues;
        EXPECT_GE(CountDays(bit), league.GetMatchDayCount(true, true, true)) << league.name;
    });
    for (const auto& continent : world.continents) {
        for (const auto& nation : continent->nations) {
            for (size_t i = 0; i < 2 && i < nation->cups.size(); ++i)
                if (nation->cups[i]->TakesPlace()) {
                    EXPECT_GE(CountDays(NationalCupCode(static_cast<int>(i)), DayCode::kNationalCupField),
                              nation->cups[i]->GetLastMatchDay())
                        << nation->cups[i]->name;
                }
        }
        for (const CCup* cup : {&continent->clubCup, &continent->superCup, &continent->championship}) {
            if (!cup->IsPlayedInSeason(seasonYear))
                continue;
            const CompetitionMask kind = cup == &continent->clubCup    ? DayCode::kContinentalClubCups
                                         : cup == &continent->superCup ? DayCode::kContinentalSuperCup
                                                                       : DayCode::kChampionship;
            const int days = kind == DayCode::kChampionship ? CountDays(kind, DayCode::kTournamentField) : CountDays(kind);
            EXPECT_GE(days, cup->GetLastMatchDay()) << cup->name;
        }
    }
    if (world.worldCup.IsPlayedInSeason(seasonYear)) {
        EXPECT_GE(CountDays(DayCode::kWorldCup, DayCode::kTournamentField), world.worldCup.GetLastMatchDay());
    }
    if (world.olympia.IsPlayedInSeason(seasonYear)) {
        EXPECT_GE(CountDays(DayCode::kOlympia, DayCode::kTournamentField), world.olympia.GetLastMatchDay());
    }
}

void ExpectNewGame(SeasonRun& run) {
    SeedRandom(11);
    run.StartNewGame();
    EXPECT_EQ(g_gameDate, kFirstDay);
    EXPECT_EQ(g_gameDate.DayOfWeek(), 2);  // Monday
    EXPECT_NE(run.world->olympicHost, CWorld::kNoHost);
    EXPECT_NE(run.world->worldCupHost, CWorld::kNoHost);
    // 2003/04 is a season of the continental championships.
    EXPECT_EQ(CountDays(DayCode::kWorldCup, DayCode::kTournamentField), 0);
    ExpectCalendarHoldsEveryCompetition(*run.world, 2003);
    EXPECT_GE(g_manager.daysToNextMatch, 0);
}

TEST(WorldSeasonRun, NewGameOnTheFixtureWorld) {
    SeasonRun run(MakeFixtureWorld());
    ExpectNewGame(run);
}

TEST(WorldSeasonRun, NewGameOnTheShippedWorld) {
    auto world = ReadShippedWorld();
    ASSERT_TRUE(world);
    SeasonRun run(std::move(world));
    ExpectNewGame(run);
}

// The teams a finished qualification sends on, best first.
std::vector<CTeam*> Qualifiers(const CCup& qualification) {
    const size_t places = static_cast<size_t>(qualification.GetQualificationPlaces(0));
    EXPECT_TRUE(qualification.HasFinished()) << qualification.name;
    EXPECT_GE(qualification.ranking.size(), places) << qualification.name;
    return {qualification.ranking.begin(),
            qualification.ranking.begin() + std::min(places, qualification.ranking.size())};
}

void ExpectPlaying(const CCup& tournament, const std::vector<CTeam*>& teams) {
    EXPECT_TRUE(tournament.TakesPlace()) << tournament.name;
    for (const CTeam* team : teams) {
        int index;
        EXPECT_TRUE(tournament.FindParticipant(team, index)) << team->name << " in " << tournament.name;
    }
}

// A new game plays the qualification of the season before at once, and
// the first season's championship takes its best. The season's own
// qualification for the world cup plays on the calendar's days; a game
// saved between its legs loads, plays on, and the next season's world cup
// takes its best.
TEST(WorldSeasonRun, QualificationsOnTheFixtureWorld) {
    SeasonRun run(MakeFixtureWorld());
    SeedRandom(31);
    run.StartNewGame();
    const CContinent& continent = *run.world->continents[0];
    ExpectPlaying(continent.championship,
                  Qualifiers(continent.extraCups[CContinent::kChampionshipQualification]));
    const CCup& qualification = continent.extraCups[CContinent::kWorldCupQualification];
    ASSERT_TRUE(qualification.TakesPlace());
    EXPECT_EQ(qualification.currentMatchDay, 1);
    EXPECT_GE(CountDays(DayCode::kWorldCupQualification, DayCode::kTournamentField),
              qualification.GetLastMatchDay());

    while (qualification.currentMatchDay < 2 && g_gameDate < Date(2004, 6, 30))
        run.RunDay();
    ASSERT_EQ(qualification.currentMatchDay, 2);
    ASSERT_FALSE(qualification.HasFinished());
    MemoryFile saved;
    ASSERT_TRUE(run.world->Write(saved, 1));
    saved.Rewind();
    auto loaded = std::make_unique<CWorld>();
    ASSERT_TRUE(loaded->Read(saved, 1));
    MemoryFile again;
    ASSERT_TRUE(loaded->Write(again, 1));
    EXPECT_EQ(again.Bytes(), saved.Bytes());

    SeasonRun resumed(std::move(loaded));
    const CContinent& loadedContinent = *resumed.world->continents[0];
    resumed.RunUntil(Date(2004, 7, 1));
    ExpectPlaying(resumed.world->worldCup,
                  Qualifiers(loadedContinent.extraCups[CContinent::kWorldCupQualification]));
}

// Which league each club plays in, by nation.
using Membership = std::map<const CTeam*, const CLeague*>;

Membership LeagueOfEveryClub(const CWorld& world) {
    Membership of;
    VisitLeagues(world, [&](const CNation&, const CLeague& league) {
        for (const auto& club : league.clubs) {
            EXPECT_EQ(of.count(club.get()), 0u) << club->name << " plays in two leagues";
            of[club.get()] = &league;
        }
    });
    return of;
}

// Between two divisions of an active nation as many clubs go up as come
// down, and without play-offs exactly the upper leagues' relegated places.
void ExpectPromotionAndRelegation(const CWorld& world, const Membership& before) {
    std::map<std::pair<const CNation*, int>, int> down, up, configured;
    std::set<std::pair<const CNation*, int>> withPlayoffs;
    VisitLeagues(world, [&](const CNation& nation, const CLeague& league) {
        if (league.IsPassive())
            return;
        configured[{&nation, league.division}] += league.relegatedPlaces;
        if (league.flags & (kLeagueRelegation | kLeagueRelegationPlayoff | kLeagueUpperRelegationPlayoff |
                            kLeagueChampionshipPlayoff))
            withPlayoffs.insert({&nation, league.division});
        for (const auto& club : league.clubs) {
            const auto old = before.find(club.get());
            if (old == before.end() || old->second == &league)
                continue;
            if (old->second->division < league.division)
                ++down[{&nation, old->second->division}];
            else
                ++up[{&nation, league.division}];
        }
    });
    EXPECT_FALSE(down.empty());
    for (const auto& [key, count] : down) {
        EXPECT_EQ(count, up[key]) << key.first->nationalTeam.name << " division " << key.second;
        if (!withPlayoffs.count(key) && !withPlayoffs.count({key.first, key.second + 1})) {
            EXPECT_EQ(count, configured[key]) << key.first->nationalTeam.name << " division " << key.second;
        }
    }
}

TEST(WorldSeasonRun, TwoSeasonsOnTheShippedWorld) {
    auto world = ReadShippedWorld();
    ASSERT_TRUE(world);
    SeasonRun run(std::move(world));
    SeedRandom(23);
    run.StartNewGame();
    // He keeps his club through both seasons: his contract runs on, and
    // his board stands behind him whatever his results.
    g_manager.contractYears = 3;
    g_manager.club->flags |= kTeamJobSafetyCounter;

    Membership before;
    std::map<const CLeague*, size_t> sizes;
    int seasonChanges = 0;
    run.beforeSeasonChange = [&] {
        ++seasonChanges;
        VisitLeagues(*run.world, [&](const CNation&, const CLeague& league) {
            EXPECT_TRUE(league.IsSeasonOver()) << league.name;
            sizes[&league] = league.clubs.size();
        });
        for (const CCup* cup : CupsTakingPlace(*run.world, g_gameDate.Year() - 1)) {
            EXPECT_TRUE(cup->HasFinished()) << cup->name;
            EXPECT_FALSE(cup->ranking.empty()) << cup->name;
        }
        before = LeagueOfEveryClub(*run.world);
    };
    run.afterSeasonEnd = [&] {
        LeagueOfEveryClub(*run.world);
        ExpectPromotionAndRelegation(*run.world, before);
        VisitLeagues(*run.world, [&](const CNation&, const CLeague& league) {
            EXPECT_EQ(league.clubs.size(), sizes[&league]) << league.name;
        });
    };

    run.RunUntil(Date(2004, 7, 1));
    EXPECT_EQ(seasonChanges, 1);
    // The new season's calendar: 2004/05 plays the world cup, and the
    // user's first match of it is known on the day of the change.
    EXPECT_EQ(CountDays(DayCode::kChampionship, DayCode::kTournamentField), 0);
    ExpectCalendarHoldsEveryCompetition(*run.world, 2004);
    EXPECT_GE(g_manager.daysToNextMatch, 0);

    run.RunUntil(Date(2005, 7, 1));
    EXPECT_EQ(seasonChanges, 2);
}

}  // namespace
