#pragma once

// The manager screens by their numbers, as the main window and the
// navigation know them.
enum ScreenId : int {
    kScreenLineup = 1,
    kScreenDefenceTactics = 2,
    kScreenOffenceTactics = 3,
    kScreenYearPlanning = 4,
    kScreenWeekPlanning = 5,
    kScreenIndividual = 6,
    kScreenYearOverview = 7,
    kScreenSituation = 8,
    kScreenContracts = 9,
    kScreenStadium = 10,
    kScreenSkills = 11,
    kScreenClub = 12,
    kScreenPersonal = 13,
    kScreenCalendar = 14,
    kScreenWeekOverview = 15,
    kScreenStatistics = 16,
    kScreenGameMenu = 17,
    kScreenNationalTeam = 18,
};
