// corvanta_simulate: plays seasons of a world with every club run by the
// computer, through the main window's own timers on the headless window
// system, and prints each season's league tables, cup winners and a
// checksum of the world. The same seed gives the same output.
//
//   corvanta_simulate [--seasons N] [--seed S] [--live] [--club NAME] [--world FILE]
//                     [--reassign-leagues]
//
// With --club the user manages that club and his assistant sets its
// lineups; the user's matches are then played live. With
// --reassign-leagues every season's end shares out each division's clubs
// again among its leagues by region, as the game option does.
//
// After the start and every change of season it checks the world's
// structure (each club in one place, each player with one owner, each cup
// sound and naming only teams of the world, each active nation with a
// national coach) and prints
// the world check's remarks; before each league's first match day it checks
// that every club can fill a match sheet. Each season lists the national
// teams its qualifications send on, and the next season's tournaments must
// play exactly those. Each broken rule prints a line that begins with
// "FAULT: ".
//
// Each season's time goes to the error stream.
//
// Exit status: 0 when every season ended and kept its rules, 1 when a day
// got stuck, a table or the world's structure broke a rule, 2 on bad
// arguments or an unreadable world.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>

#include "platform/Text.h"
#include "tools/simulate/CupsInPlay.h"
#include "tools/simulate/MoneyReport.h"
#include "tools/simulate/QualifierReport.h"
#include "tools/simulate/SeasonReport.h"
#include "tools/simulate/SeasonSimulation.h"
#include "tools/simulate/WorldStructure.h"
#include "engine/SeasonCalendar.h"
#include "finance/ComputerClub.h"
#include "world/GameDate.h"
#include "world/Team.h"

namespace {

struct Arguments {
    SeasonSimulation::Settings settings;
    int seasons = 1;
};

bool ParseArguments(int argc, char** argv, Arguments& args) {
    args.settings.worldFile = std::string(CORVANTA_PROGRAM_DIR) + "/Welt.kwl";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--live")
            args.settings.liveMatches = true;
        else if (arg == "--seasons" && hasValue)
            args.seasons = std::atoi(argv[++i]);
        else if (arg == "--seed" && hasValue)
            args.settings.seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        else if (arg == "--club" && hasValue)
            args.settings.club = Utf8ToCp1252(argv[++i]);
        else if (arg == "--world" && hasValue)
            args.settings.worldFile = argv[++i];
        else if (arg == "--reassign-leagues")
            args.settings.reassignLeagues = true;
        else
            return false;
    }
    return args.seasons > 0;
}

// Prints each fault, a handful of each kind; true when there was none.
bool ReportFaults(const std::vector<std::string>& faults, const std::string& when = {}) {
    constexpr size_t kShown = 5;
    for (size_t i = 0; i < faults.size() && i < kShown; ++i)
        std::cout << "FAULT: " << when << Cp1252ToUtf8(faults[i]) << "\n";
    if (faults.size() > kShown)
        std::cout << Format("FAULT: ... and %zu more like these\n", faults.size() - kShown);
    return faults.empty();
}

// Whose place and whose players are in order, whether the cups are sound,
// who coaches the national teams of the season that starts, and what the
// world check says.
bool CheckStructure(const CWorld& world) {
    const bool clubs = ReportFaults(CheckClubPlaces(world));
    const bool players = ReportFaults(CheckPlayerOwners(world));
    const bool cups = ReportFaults(CheckCupsInPlay(world));
    const bool coaches = ReportFaults(CheckNationalCoaches(world));
    std::cout << "World check: " << Cp1252ToUtf8(SummariseWorldCheck(world)) << "\n";
    return clubs && players && cups && coaches;
}

// Runs days until the one that changes the season is next; false when a
// day got stuck. Before a league's first match day its squads are checked.
// The boards of the computer clubs test for a crisis on the Monday of the
// week their weekly check names.
bool IsCrisisTestDay(const Date& day) {
    return day.DayOfWeek() == Weekday::kMonday && GetWeeklyCheckDays(day, false).crisisTest;
}

bool RunToSeasonChange(SeasonSimulation& simulation, MoneyTally& tally, bool& kept) {
    while (simulation.NextDayKind() != SeasonSimulation::DayKind::kSeasonChange) {
        if (simulation.NextDayKind() == SeasonSimulation::DayKind::kMatchDay) {
            const CompetitionMask code = GetDayCode(GetSeasonDayIndex(g_gameDate));
            const std::string when = Format("%d-%02d-%02d: ", g_gameDate.Year(), g_gameDate.Month(), g_gameDate.Day());
            kept = ReportFaults(CheckFirstMatchDaySheets(simulation.World(), code), when) && kept;
        }
        const bool crisisTest = IsCrisisTestDay(g_gameDate);
        if (!simulation.RunDay())
            return false;
        if (crisisTest)
            tally.ReadCrisisTest(simulation.World());
    }
    return true;
}

void PrintBoxes(const HeadlessModalRunner& boxes) {
    std::map<std::string, int> byTitle;
    for (const ModalRecord& box : boxes.Records())
        ++byTitle[box.kind + " \"" + Cp1252ToUtf8(box.title) + "\""];
    std::cout << "Boxes answered OK: " << boxes.Records().size() << "\n";
    for (const auto& [title, count] : byTitle)
        std::cout << "  " << count << " x " << title << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    Arguments args;
    if (!ParseArguments(argc, argv, args)) {
        std::cerr << "usage: corvanta_simulate [--seasons N] [--seed S] [--live] [--club NAME] [--world FILE]"
                     " [--reassign-leagues]\n";
        return 2;
    }
    SeasonSimulation simulation(args.settings);
    if (!simulation.Error().empty()) {
        std::cerr << simulation.Error() << "\n";
        return 2;
    }
    bool kept = CheckStructure(simulation.World());
    // The first season's tournament takes the qualifiers of the season
    // before, played with the new game.
    QualifierReport qualifiers = MakeQualifierReport(simulation.World(), g_gameDate.Year() - 1);
    PrintQualifierReport(std::cout, qualifiers);
    kept = ReportFaults(CheckQualifiedTournaments(simulation.World(), qualifiers)) && qualifiers.faults.empty() && kept;
    MoneyTally tally;
    const MoneyEventScope counting(tally);
    for (int season = 0; season < args.seasons; ++season) {
        const auto start = std::chrono::steady_clock::now();
        const bool ended = RunToSeasonChange(simulation, tally, kept);
        const Date day = g_gameDate;
        MoneyReport money;
        if (ended) {
            money = MakeMoneyReport(simulation.World());
            SeasonReport report = MakeSeasonReport(simulation.World(), day.Year() - 1);
            report.squads.freePlayers = CountFreePlayers(simulation.World());
            PrintSeasonReport(std::cout, report);
            kept = kept && report.faults.empty();
            qualifiers = MakeQualifierReport(simulation.World(), day.Year() - 1);
            PrintQualifierReport(std::cout, qualifiers);
            kept = kept && qualifiers.faults.empty();
        }
        if (!ended || !simulation.RunDay()) {
            std::cout << Format("STUCK: the day %d-%02d-%02d did not end\n", g_gameDate.Year(), g_gameDate.Month(),
                                g_gameDate.Day());
            return 1;
        }
        // The season's end pays its tax on the day of the change.
        tally.Settle(money);
        PrintMoneyReport(std::cout, money);
        kept = kept && money.faults.empty();
        const uint64_t checksum = WorldChecksum(simulation.World());
        if (checksum == 0) {
            std::cout << "FAULT: the world can no longer be written as a save game\n";
            kept = false;
        }
        kept = CheckStructure(simulation.World()) && kept;
        kept = ReportFaults(CheckQualifiedTournaments(simulation.World(), qualifiers)) && kept;
        // Timing goes to the error stream: the printed seasons stay the same
        // from run to run and from build to build.
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::cerr << Format("Season %d/%02d took %.2f s\n", day.Year() - 1, day.Year() % 100, took.count());
        std::cout << Format("Checksum after the change of season %d: %016llx\n\n", day.Year(),
                            static_cast<unsigned long long>(checksum));
    }
    PrintBoxes(simulation.Boxes());
    return kept ? 0 : 1;
}
