// corvanta_simulate: plays seasons of a world with every club run by the
// computer, through the main window's own timers on the headless window
// system, and prints each season's league tables, cup winners and a
// checksum of the world. The same seed gives the same output.
//
//   corvanta_simulate [--seasons N] [--seed S] [--live] [--club NAME] [--world FILE]
//
// With --club the user manages that club and his assistant sets its
// lineups; the user's matches are then played live.
//
// Exit status: 0 when every season ended and kept its rules, 1 when a day
// got stuck or a table broke a rule, 2 on bad arguments or an unreadable
// world.

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>

#include "platform/Text.h"
#include "tools/simulate/SeasonReport.h"
#include "tools/simulate/SeasonSimulation.h"
#include "world/GameDate.h"

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
        else
            return false;
    }
    return args.seasons > 0;
}

// Runs days until the one that changes the season is next; false when a
// day got stuck.
bool RunToSeasonChange(SeasonSimulation& simulation) {
    while (simulation.NextDayKind() != SeasonSimulation::DayKind::kSeasonChange)
        if (!simulation.RunDay())
            return false;
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
        std::cerr << "usage: corvanta_simulate [--seasons N] [--seed S] [--live] [--club NAME] [--world FILE]\n";
        return 2;
    }
    SeasonSimulation simulation(args.settings);
    if (!simulation.Error().empty()) {
        std::cerr << simulation.Error() << "\n";
        return 2;
    }
    bool kept = true;
    for (int season = 0; season < args.seasons; ++season) {
        const bool ended = RunToSeasonChange(simulation);
        const Date day = g_gameDate;
        if (ended) {
            const SeasonReport report = MakeSeasonReport(simulation.World(), day.Year() - 1);
            PrintSeasonReport(std::cout, report);
            kept = kept && report.faults.empty();
        }
        if (!ended || !simulation.RunDay()) {
            std::cout << Format("STUCK: the day %d-%02d-%02d did not end\n", g_gameDate.Year(), g_gameDate.Month(),
                                g_gameDate.Day());
            return 1;
        }
        const uint64_t checksum = WorldChecksum(simulation.World());
        if (checksum == 0) {
            std::cout << "FAULT: the world can no longer be written as a save game\n";
            kept = false;
        }
        std::cout << Format("Checksum after the change of season %d: %016llx\n\n", day.Year(),
                            static_cast<unsigned long long>(checksum));
    }
    PrintBoxes(simulation.Boxes());
    return kept ? 0 : 1;
}
