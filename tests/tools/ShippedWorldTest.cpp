#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "editor/WorldCheck.h"
#include "engine/SeasonCalendar.h"
#include "platform/BinaryFile.h"
#include "platform/Text.h"
#include "squad/LineupSlots.h"
#include "tools/world-builder/CupChecks.h"
#include "tools/world-builder/WorldBuilder.h"
#include "world/CompetitionMask.h"
#include "world/Continent.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Referee.h"
#include "world/Sponsor.h"
#include "world/Team.h"
#include "world/Vocabulary.h"
#include "world/World.h"
#include "world/WorldWalk.h"

namespace fs = std::filesystem;

namespace {

const fs::path kShippedFile = fs::path(CORVANTA_PROGRAM_DIR) / "Welt.kwl";
const fs::path kShippedDescription = fs::path(CORVANTA_WORLD_DATA_DIR) / "shipped.txt";

std::vector<uint8_t> FileBytes(const fs::path& path) {
    std::unique_ptr<DiskFile> file = DiskFile::OpenRead(path.string());
    std::vector<uint8_t> bytes;
    uint8_t b = 0;
    while (file && file->Read(b))
        bytes.push_back(b);
    return bytes;
}

std::unique_ptr<CWorld> ReadWorld(const std::vector<uint8_t>& bytes) {
    auto world = std::make_unique<CWorld>();
    MemoryFile file(bytes);
    if (!world->Read(file, 0) || file.Position() != bytes.size())
        return nullptr;
    return world;
}

// The checks every world of the builder meets.
void ExpectSound(CWorld& world) {
    const WorldCheckResult check = CheckWorldRules(world);
    for (const WorldCheckRemark& remark : check.remarks)
        ADD_FAILURE() << FormatRemarkRow(remark);
    for (const DoubledPlayer& doubled : FindDoubledPlayers(world))
        ADD_FAILURE() << "doubled: " << FormatDoubledPlayerRow(*doubled.player, *doubled.club);
    std::set<int> kinds;
    for (const CupCheck& cup : CheckCupStructures(world)) {
        EXPECT_TRUE(cup.passed) << cup.name;
        kinds.insert(cup.kind);
    }
    EXPECT_EQ(kinds, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    const std::vector<uint8_t> bytes = WorldFileBytes(world);
    const auto again = ReadWorld(bytes);
    ASSERT_TRUE(again);
    EXPECT_EQ(WorldFileBytes(*again), bytes);
}

class ShippedWorld : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        bytes_ = FileBytes(kShippedFile);
        world_ = ReadWorld(bytes_).release();
    }
    static void TearDownTestSuite() {
        delete world_;
        world_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(world_) << kShippedFile << " cannot be read"; }

    static std::vector<uint8_t> bytes_;
    static CWorld* world_;
};

std::vector<uint8_t> ShippedWorld::bytes_;
CWorld* ShippedWorld::world_ = nullptr;

}  // namespace

TEST_F(ShippedWorld, TheBuildMakesTheSameBytesFromTheSameSeed) {
    std::string error;
    const auto built = BuildWorldFromFile(kShippedDescription, &error);
    ASSERT_TRUE(built) << error;
    EXPECT_EQ(WorldFileBytes(*built), bytes_) << "the build's Welt.kwl and a new build differ";
}

TEST_F(ShippedWorld, PassesTheWorldCheckAndEveryCupCheck) { ExpectSound(*world_); }

TEST_F(ShippedWorld, HoldsContinentsNationsAndLeaguesAsDescribed) {
    ASSERT_EQ(world_->continents.size(), 4u);
    int nations = 0, active = 0, clubs = 0;
    std::set<int> numbers;
    for (const auto& continent : world_->continents) {
        EXPECT_FALSE(continent->name.empty());
        EXPECT_FALSE(continent->president.empty());
        for (const auto& nation : continent->nations) {
            ++nations;
            EXPECT_TRUE(numbers.insert(nation->nationNumber).second);
            EXPECT_LT(nation->nationNumber, kNationCount - 1) << "no nation is \"miscellaneous\"";
            EXPECT_FALSE(nation->nationalTeam.coachSurname.empty()) << NationName(nation->nationNumber);
            EXPECT_FALSE(nation->referees.empty());
            if (nation->IsInactive()) {
                ASSERT_EQ(nation->leagues.size(), 1u);
                EXPECT_GE(nation->leagues[0]->clubs.size(), 4u);
                continue;
            }
            ++active;
            EXPECT_GE(nation->leagues.size(), 2u);
            EXPECT_LE(nation->leagues.size(), 3u);
            EXPECT_FALSE(nation->sponsors.empty());
            EXPECT_FALSE(nation->coachPool.empty());
            EXPECT_FALSE(nation->managerPool.empty());
            EXPECT_FALSE(nation->keeperCoachPool.empty());
        }
    }
    VisitLeagues(*world_, [&](const CNation&, const CLeague& league) { clubs += league.clubs.size(); });
    EXPECT_EQ(nations, 32);
    EXPECT_EQ(active, 12);
    EXPECT_GE(clubs, 420);
    EXPECT_LE(clubs, 480);
}

TEST_F(ShippedWorld, ClubsHaveFullSquadsAndTheirLevelsStrength) {
    std::set<std::string> names;
    // Per nation the weakest club of its top division and the strongest of
    // its third.
    std::map<int, float> weakestTop, strongestThird;
    VisitLeagues(*world_, [&](const CNation& nation, const CLeague& league) {
        for (const auto& club : league.clubs) {
            EXPECT_TRUE(names.insert(club->name).second) << club->name;
            EXPECT_FALSE(club->shorthand.empty());
            EXPECT_FALSE(club->logoFile.empty());
            EXPECT_NE(club->homeColour, club->awayColour);
            EXPECT_GE(club->squad.size(), 16u);
            EXPECT_LE(club->squad.size(), 18u);
            std::array<int, kPositionCount> perPosition{};
            for (const PlayerPtr& p : club->squad) {
                ++perPosition[p->GetPosition()];
                EXPECT_EQ(p->nationality, nation.nationNumber);
            }
            for (int count : perPosition)
                EXPECT_GE(count, 2) << club->name;
            const float strength = club->GetAverageStrength();
            if (league.division == 1 && !league.IsPassive()) {
                auto [it, fresh] = weakestTop.emplace(nation.nationNumber, strength);
                it->second = std::min(it->second, strength);
            } else if (league.division == 3) {
                auto [it, fresh] = strongestThird.emplace(nation.nationNumber, strength);
                it->second = std::max(it->second, strength);
            }
        }
    });
    ASSERT_FALSE(strongestThird.empty());
    for (const auto& [nation, third] : strongestThird)
        EXPECT_GT(weakestTop[nation], third + 2) << NationName(nation);
}

TEST_F(ShippedWorld, TheBuildDrawsCrestsAndMaps) {
    const fs::path program = CORVANTA_PROGRAM_DIR;
    for (const auto& continent : world_->continents)
        for (const auto& nation : continent->nations) {
            const std::string map = Format("Maps/Nation%03d.bmp", nation->nationNumber);
            EXPECT_EQ(fs::exists(program / map), !nation->IsInactive()) << map;
            for (const auto& league : nation->leagues)
                for (const auto& club : league->clubs)
                    EXPECT_TRUE(fs::exists(program / "Wappen" / club->logoFile)) << club->logoFile;
        }
}

TEST_F(ShippedWorld, ReadAndWrittenAgainGivesTheSameBytes) { EXPECT_EQ(WorldFileBytes(*world_), bytes_); }

// The club set-up of a new game on every league, then each league's season
// start: the calendar of the season holds every active league's match days
// (play-offs included), and every club finds a full automatic lineup.
TEST_F(ShippedWorld, ANewGameGivesCalendarsAndLineups) {
    auto world = ReadWorld(bytes_);
    ASSERT_TRUE(world);
    SeasonCalendarCounts counts(world->startYear);
    VisitLeagues(*world, [&](const CNation&, CLeague& league) {
        league.ValidateSettings();
        for (const auto& club : league.clubs)
            club->InitForGameStart();
        league.StartSeason();
        counts.AddLeague(league);
    });
    const SeasonCalendar calendar = LayOutSeasonCalendar(counts);
    auto days = [&](uint16_t bit) {
        return std::count_if(calendar.begin(), calendar.end(), [&](CompetitionMask code) { return code & bit; });
    };
    const int saved = g_matchSheetSize;
    VisitLeagues(*world, [&](const CNation&, CLeague& league) {
        if (league.IsPassive())
            return;
        EXPECT_GE(days(league.division == 1 ? DayCode::kTopLeagues : DayCode::kLowerLeagues), league.GetMatchDayCount(true, true, true))
            << league.name;
        g_matchSheetSize = league.playersPerMatch;
        for (const auto& club : league.clubs) {
            club->AutoLineup(true);
            EXPECT_EQ(club->ValidateLineup(), 0u) << club->name;
        }
    });
    g_matchSheetSize = saved;
}

TEST(FixtureWorld, IsSmallAndSound) {
    const auto world = MakeFixtureWorld();
    ASSERT_EQ(world->continents.size(), 1u);
    const auto& nations = world->continents[0]->nations;
    ASSERT_EQ(nations.size(), 3u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(nations[i]->IsInactive());
        ASSERT_EQ(nations[i]->leagues.size(), 1u);
        EXPECT_EQ(nations[i]->leagues[0]->clubs.size(), 6u);
    }
    EXPECT_TRUE(nations[2]->IsInactive());
    ExpectSound(*world);
    EXPECT_EQ(WorldFileBytes(*MakeFixtureWorld()), WorldFileBytes(*world));
}
