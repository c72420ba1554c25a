#include <gtest/gtest.h>

#include <span>

#include "engine/ScreenWords.h"

namespace {

struct WordTable {
    const char* name;
    std::span<const char* const> entries;
    size_t count;
    int emptyEntries;
};

// The counts are written out here: the header's constants size the tables,
// so checking against them would prove nothing.
const WordTable kTables[] = {
    {"score board", g_scoreBoardNames, 5, 0},
    {"league statistics pages", g_leagueStatPageNames, 12, 0},
    {"league finance pages", g_leagueFinancePageNames, 9, 0},
    {"defence tactics", g_defenceTacticNames, 18, 0},
    {"offence tactics", g_offenceTacticNames, 18, 0},
    {"training units", g_trainingUnitNames, 29, 0},
    {"months", g_monthNames, 12, 0},
    {"weekdays", g_weekdayShortNames, 7, 0},
    {"workdays", g_workdayShortNames, 5, 0},
    {"fans' moods", g_fanMoodNames, 8, 0},
    {"board attitudes", g_nervesNames, 6, 0},
    {"statistics menu", g_statisticsMenuNames, 40, 2},
    {"player statistics pages", g_playerStatPageNames, 11, 0},
    {"manager levels", g_managerLevelNames, 26, 0},
    {"manager activities", g_managerActivityNames, 6, 0},
    {"commitments", g_commitmentNames, 12, 0},
    {"health types", g_healthTypeNames, 5, 0},
    {"record scopes", g_recordScopeNames, 10, 0},
    {"records", g_recordNames, 42, 0},
    {"ranking scopes", g_rankingScopeNames, 10, 0},
    {"player records", g_playerRecordNames, 72, 0},
};

TEST(ScreenWords, EveryTableHasItsEntriesAndNoHoles) {
    for (const WordTable& t : kTables) {
        EXPECT_EQ(t.entries.size(), t.count) << t.name;
        int empty = 0;
        for (const char* entry : t.entries) {
            ASSERT_NE(entry, nullptr) << t.name;
            empty += *entry == '\0';
        }
        EXPECT_EQ(empty, t.emptyEntries) << t.name;
    }
}

TEST(ScreenWords, RecordAndRankingTablesHoldTheirListTwice) {
    for (std::span<const char* const> t :
         {std::span<const char* const>(g_recordScopeNames), std::span<const char* const>(g_recordNames),
          std::span<const char* const>(g_rankingScopeNames), std::span<const char* const>(g_playerRecordNames)}) {
        const size_t half = t.size() / 2;
        for (size_t i = 0; i < half; ++i)
            EXPECT_STREQ(t[i], t[half + i]) << t[i];
    }
}

// The first, the last and the oddly spelt entries, which painters show as
// they are.
TEST(ScreenWords, EntriesSitAtTheirPlaces) {
    struct Case {
        const char* actual;
        const char* expected;
    };
    const Case cases[] = {
        {g_scoreBoardNames[4], "video score board"},
        {g_leagueStatPageNames[2], "7-m-shooter"},
        {g_leagueFinancePageNames[8], "most earning players"},
        {g_trainingUnitNames[0], "fitness (easy)"},
        {g_trainingUnitNames[28], "penalty (7m)"},
        {g_monthNames[0], "January"},
        {g_monthNames[8], "Septembre"},
        {g_monthNames[11], "Decembre"},
        {g_weekdayShortNames[0], "Su"},
        {g_weekdayShortNames[6], "Sa"},
        {g_workdayShortNames[0], "Mo"},
        {g_workdayShortNames[4], "Fr"},
        {g_fanMoodNames[2], "euphorical"},
        {g_fanMoodNames[6], "fastidiously"},
        {g_nervesNames[0], "difficult to estimate"},
        {g_nervesNames[5], "faithful"},
        {g_statisticsMenuNames[9], "miscellaneous"},
        {g_playerStatPageNames[10], "popularity/health"},
        {g_managerLevelNames[0], "unknown"},
        {g_managerLevelNames[25], "divinely"},
        {g_managerActivityNames[5], "managing com. discussion"},
        {g_commitmentNames[0], "press conference"},
        {g_commitmentNames[9], "training camp"},
        {g_commitmentNames[11], "tournament"},
        {g_healthTypeNames[4], "self-pitying"},
        {g_recordScopeNames[4], "world"},
        {g_recordNames[4], "bigest transfer values"},
        {g_recordNames[6], "most internation matches"},
        {g_recordNames[14], "winer of the super cup"},
        {g_recordNames[20], "world champion"},
        {g_rankingScopeNames[2], "league"},
        {g_playerRecordNames[17], "most season ticket"},
        {g_playerRecordNames[35], "strength shares"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.actual, c.expected);
}

TEST(ScreenWords, StatisticsCaptionsFollowTheirPage) {
    struct Case {
        int page, list;
        const char* caption;
    };
    const Case cases[] = {
        {0, 0, "continent"}, {1, 2, "competition"}, {2, 1, "team"},   {3, 0, "nation"},
        {7, 2, ""},          {8, 0, "selection"},   {9, 1, "selection"}, {9, 2, ""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(g_statisticsMenuNames[StatisticsCaptionEntry(c.page, c.list)], c.caption)
            << c.page << "/" << c.list;
}

TEST(ScreenWords, TacticsNamesAreFoundAtSixGPlusOnePlusV) {
    EXPECT_STREQ(g_defenceTacticNames[TacticsTitleEntry(1)], "roughness");
    EXPECT_STREQ(g_offenceTacticNames[TacticsTitleEntry(2)], "distance throws");
    EXPECT_EQ(TacticsValueEntry(2, 4), 17);
    EXPECT_STREQ(g_defenceTacticNames[TacticsValueEntry(2, 4)], "always");
    EXPECT_STREQ(g_offenceTacticNames[TacticsValueEntry(0, 4)], "one on one");

    constexpr uint16_t kAllNormal = 146;  // 2, 2, 2
    for (int setting = 0; setting < kTacticsSettingCount; ++setting) {
        EXPECT_STREQ(TacticsValueName(g_defenceTacticNames, kAllNormal, setting), "normal");
        EXPECT_STREQ(TacticsValueName(g_offenceTacticNames, kAllNormal, setting), "normal");
    }
    // Effort 4, roughness 0, fastbreak 1; the bits above 8 are not read.
    constexpr uint16_t kMixed = 0xFE00 | 4 | 0 << 3 | 1 << 6;
    EXPECT_STREQ(TacticsValueName(g_defenceTacticNames, kMixed, 0), "very high");
    EXPECT_STREQ(TacticsValueName(g_defenceTacticNames, kMixed, 1), "friendly");
    EXPECT_STREQ(TacticsValueName(g_defenceTacticNames, kMixed, 2), "secure");
}

}  // namespace
