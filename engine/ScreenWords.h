#pragma once

#include <cstdint>

#include "squad/Tactics.h"
#include "world/Arena.h"

// The fixed words of the manager screens and their dialogs: option, page,
// month and level names. The lists live in data/screen-words/ and are made
// into these tables at build time; a list with another number of entries
// stops the build. Painters index the tables directly, so the order of the
// entries is part of the game.

extern const char* const g_scoreBoardNames[kScoreBoardLevelCount];  // by score-board level

constexpr int kLeagueStatPageCount = 12;
constexpr int kLeagueFinancePageCount = 9;
extern const char* const g_leagueStatPageNames[kLeagueStatPageCount];
extern const char* const g_leagueFinancePageNames[kLeagueFinancePageCount];

// Per setting of a tactics word (squad/Tactics.h) its title, then the names
// of its values 0-4: defence effort, roughness, fastbreak; offence duels,
// playing combinations, distance throws.
constexpr int kTacticsNamesPerSetting = 1 + kTacticsLevelMax + 1;
constexpr int kTacticsNameCount = kTacticsSettingCount * kTacticsNamesPerSetting;
extern const char* const g_defenceTacticNames[kTacticsNameCount];
extern const char* const g_offenceTacticNames[kTacticsNameCount];
constexpr int TacticsTitleEntry(int setting) { return kTacticsNamesPerSetting * setting; }
constexpr int TacticsValueEntry(int setting, int value) { return TacticsTitleEntry(setting) + 1 + value; }
// The name of the value a tactics word holds in one setting.
inline const char* TacticsValueName(const char* const (&names)[kTacticsNameCount], uint16_t word, int setting) {
    return names[TacticsValueEntry(setting, TacticsSetting(word, setting))];
}

// Training unit kind k (1-29) at entry k - 1.
constexpr int kTrainingUnitKindCount = 29;
extern const char* const g_trainingUnitNames[kTrainingUnitKindCount];

// Month m (1-12) at entry m - 1; day of the week d (1 = Sunday ... 7) at
// entry d - 1; working day d (1 = Monday ... 5) at entry d - 1.
constexpr int kMonthCount = 12;
constexpr int kWeekdayCount = 7;
constexpr int kWorkdayCount = 5;
extern const char* const g_monthNames[kMonthCount];
extern const char* const g_weekdayShortNames[kWeekdayCount];
extern const char* const g_workdayShortNames[kWorkdayCount];

// By the fans' mood (FanMood, world/Team.h) and the board's attitude 0-5.
constexpr int kFanMoodCount = 8;
constexpr int kBoardAttitudeCount = 6;
extern const char* const g_fanMoodNames[kFanMoodCount];
extern const char* const g_nervesNames[kBoardAttitudeCount];

// The ten statistics pages, then three captions of selection lists per page.
constexpr int kStatisticsPageCount = 10;
constexpr int kStatisticsSelectionLists = 3;
constexpr int kStatisticsMenuNameCount = kStatisticsPageCount * (1 + kStatisticsSelectionLists);
extern const char* const g_statisticsMenuNames[kStatisticsMenuNameCount];
constexpr int StatisticsCaptionEntry(int page, int list) {
    return kStatisticsPageCount + kStatisticsSelectionLists * page + list;
}

constexpr int kPlayerStatPageCount = 11;
extern const char* const g_playerStatPageNames[kPlayerStatPageCount];

constexpr int kManagerLevelCount = 26;
constexpr int kManagerActivityCount = 6;
extern const char* const g_managerLevelNames[kManagerLevelCount];
extern const char* const g_managerActivityNames[kManagerActivityCount];
// The manager's commitments with his club: press conference, team trip,
// training camp and the others, in the order of their diary kinds.
constexpr int kCommitmentCount = 12;
extern const char* const g_commitmentNames[kCommitmentCount];

// By HealthType (world/Player.h).
constexpr int kHealthTypeCount = 5;
extern const char* const g_healthTypeNames[kHealthTypeCount];

// The records and ranking pages: each table holds its list twice.
constexpr int kRecordScopeNameCount = 10;
constexpr int kRecordNameCount = 42;
constexpr int kRankingScopeNameCount = 10;
constexpr int kPlayerRecordNameCount = 72;
extern const char* const g_recordScopeNames[kRecordScopeNameCount];
extern const char* const g_recordNames[kRecordNameCount];
extern const char* const g_rankingScopeNames[kRankingScopeNameCount];
extern const char* const g_playerRecordNames[kPlayerRecordNameCount];
