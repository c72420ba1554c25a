#include "tools/simulate/SeasonReport.h"

#include <ostream>

#include "platform/BinaryFile.h"
#include "platform/Text.h"
#include "world/Cup.h"
#include "world/GameDate.h"
#include "world/Team.h"
#include "world/WorldWalk.h"

LeagueTable MakeLeagueTable(const std::string& nation, const CLeague& league) {
    LeagueTable table{nation, league.name, league.IsPassive(), league.rounds, {}};
    league.ComputeStandings();
    for (uint8_t c : g_standingsOrder) {
        if (c >= league.clubs.size())
            continue;
        table.rows.push_back({league.clubs[c]->name, league.wins[c], league.draws[c], league.losses[c],
                              league.goalDifference[c]});
    }
    return table;
}

std::vector<std::string> CheckLeagueTable(const LeagueTable& table) {
    std::vector<std::string> faults;
    if (table.drawn)
        return faults;
    const std::string where = table.nation + ", " + table.league + ": ";
    const int clubs = static_cast<int>(table.rows.size());
    const int expected = table.rounds * (clubs - 1);
    int played = 0, points = 0;
    for (const LeagueTableRow& row : table.rows) {
        if (row.Played() != expected)
            faults.push_back(where + row.club + Format(" played %d matches, not %d", row.Played(), expected));
        played += row.Played();
        points += row.Points();
    }
    if (points != played)  // two points per match, each match counted by both sides
        faults.push_back(where + Format("%d points were given out in %d matches", points, played / 2));
    return faults;
}

SeasonReport MakeSeasonReport(const CWorld& world, int seasonYear) {
    SeasonReport report;
    report.seasonYear = seasonYear;
    VisitLeagues(world, [&](const CNation& nation, const CLeague& league) {
        report.tables.push_back(MakeLeagueTable(nation.nationalTeam.name, league));
        for (const auto& club : league.clubs) {
            ++report.squads.clubs;
            report.squads.players += club->squad.size();
            report.squads.shortOfSheet += club->squad.size() < league.playersPerMatch;
        }
        for (std::string& fault : CheckLeagueTable(report.tables.back()))
            report.faults.push_back(std::move(fault));
    });
    VisitCups(world, [&](const CCup& cup) {
        if (!cup.IsPlayedInSeason(seasonYear))
            return;
        if (!cup.HasFinished() || cup.ranking.empty() || !cup.ranking.front())
            report.faults.push_back(cup.name + " has no winner");
        else
            report.cupWinners.push_back({cup.name, cup.ranking.front()->name});
    });
    return report;
}

namespace {

void PrintTable(std::ostream& out, const LeagueTable& table) {
    out << Cp1252ToUtf8(table.nation) << " - " << Cp1252ToUtf8(table.league)
        << (table.drawn ? " (results drawn)" : "") << "\n";
    int place = 0;
    for (const LeagueTableRow& row : table.rows)
        out << Format("%3d. ", ++place) << Cp1252ToUtf8(Format("%-28s", row.club.c_str()))
            << Format(" | %2d %2d %2d %2d | %+4d | %d : %d\n", row.Played(), row.wins, row.draws, row.losses,
                      row.goalDifference, row.Points(), 2 * row.losses + row.draws);
}

}  // namespace

void PrintSeasonReport(std::ostream& out, const SeasonReport& report) {
    out << Format("== Season %d/%02d ==\n", report.seasonYear, (report.seasonYear + 1) % 100);
    for (const LeagueTable& table : report.tables) {
        PrintTable(out, table);
        out << "\n";
    }
    const SquadCensus& squads = report.squads;
    out << Format("Squads: %zu clubs, %.1f players on average, %zu too few for a match sheet, %zu free players\n",
                  squads.clubs,
                  squads.clubs ? static_cast<double>(squads.players) / static_cast<double>(squads.clubs) : 0.0,
                  squads.shortOfSheet, squads.freePlayers);
    out << "Cup winners\n";
    for (const CupWinner& cup : report.cupWinners)
        out << "  " << Cp1252ToUtf8(cup.cup) << ": " << Cp1252ToUtf8(cup.winner) << "\n";
    for (const std::string& fault : report.faults)
        out << "FAULT: " << Cp1252ToUtf8(fault) << "\n";
}

uint64_t WorldChecksum(const CWorld& world) {
    constexpr uint8_t kSaveGame = 1;
    MemoryFile file;
    if (!world.Write(file, kSaveGame))
        return 0;
    uint64_t hash = 0xcbf29ce484222325ull;  // 64-bit FNV-1a
    auto add = [&hash](uint8_t b) {
        hash ^= b;
        hash *= 0x100000001b3ull;
    };
    for (uint8_t b : file.Bytes())
        add(b);
    for (int part : {g_gameDate.Year(), g_gameDate.Month(), g_gameDate.Day()})
        for (int shift = 0; shift < 32; shift += 8)
            add(static_cast<uint8_t>(part >> shift));
    return hash;
}
