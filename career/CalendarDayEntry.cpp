#include "career/CalendarDayEntry.h"

#include "engine/SeasonCalendar.h"
#include "world/Continent.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/NoClubTeam.h"
#include "world/World.h"

namespace {

constexpr Colour kLowerLeagueColour = Rgb(200, 200, 150);
// Skin colours.
constexpr int kTopLeagueColour = 27;
constexpr int kNationalCupColour = 27;  // the nation's first and second cup
constexpr int kFurtherNationalCupColour = 28;
constexpr int kContinentalCupColour = 29;
constexpr int kNationalTeamColour = 30;

class DayEntry {
public:
    DayEntry(std::string& label, Colour& colour) : label_(label), colour_(colour) {}

    void Add(const std::string& text, Colour c) {
        if (text.empty())
            return;
        label_ += text;
        colour_ = c;
        found_ = true;
    }
    void AddAppointment(int dayIndex, std::span<const Colour> skinColours) {
        found_ |= g_manager.GetDiaryEntryLabel(label_, dayIndex, colour_, skinColours);
    }
    bool Found() const { return found_; }

private:
    std::string& label_;
    Colour& colour_;
    bool found_ = false;
};

// The user's club or national team; null for none, as the no-club team
// stands in the cups' empty places.
const CTeam* Playing(const CTeam* team) { return team && team != &g_noClubTeam ? team : nullptr; }

bool TakesPart(const CCup& cup, const CTeam* team) {
    int participant;
    return team && cup.FindParticipant(team, participant);
}

std::string CupText(const CCup& cup, const CTeam* team, int matchDay) {
    int participant;
    if (!team || !cup.FindParticipant(team, participant))
        return {};
    return cup.GetOpponentText(matchDay, participant);
}

void AddLeagueMatch(DayEntry& entry, CompetitionMask code, std::span<const Colour> skin) {
    const CLeague* league = g_manager.league;
    const CTeam* club = Playing(g_manager.club);
    int number;
    if (!league || !club || !PlaysLeague(code, league->division) || !league->FindTeam(club, number))
        return;
    const Colour c = league->division == 1 ? skin[kTopLeagueColour] : kLowerLeagueColour;
    entry.Add(league->GetOpponentText(MatchDayNumber(code), number), c);
}

void AddNationalCups(DayEntry& entry, CompetitionMask code, std::span<const Colour> skin) {
    if (!g_manager.nation)
        return;
    const auto& cups = g_manager.nation->cups;
    for (size_t i = 0; i < cups.size(); ++i) {
        if (!PlaysNationalCup(code, static_cast<int>(i)))
            continue;
        const bool further = NationalCupCode(static_cast<int>(i)) == DayCode::kFurtherNationalCups;
        const int c = further ? kFurtherNationalCupColour : kNationalCupColour;
        entry.Add(CupText(*cups[i], Playing(g_manager.club), MatchDayNumber(code)), skin[c]);
    }
}

// The club cups of the list, then the embedded one: only the first the
// club plays in.
const CCup* ClubCupOf(const CContinent& continent, const CTeam* club) {
    for (const auto& cup : continent.clubCups)
        if (TakesPart(*cup, club))
            return cup.get();
    return TakesPart(continent.clubCup, club) ? &continent.clubCup : nullptr;
}

void AddContinentalCups(DayEntry& entry, CompetitionMask code, std::span<const Colour> skin) {
    const CContinent* continent = g_manager.continent;
    const CTeam* club = Playing(g_manager.club);
    if (!continent || !club)
        return;
    if (code & DayCode::kContinentalClubCups) {
        if (const CCup* cup = ClubCupOf(*continent, club))
            entry.Add(CupText(*cup, club, MatchDayNumber(code)), skin[kContinentalCupColour]);
    }
    if (code & DayCode::kContinentalSuperCup)
        entry.Add(CupText(continent->superCup, club, MatchDayNumber(code)), skin[kContinentalCupColour]);
}

// The tournament's cup of a continent; null for the world's tournaments.
const CCup* ContinentTournament(const CContinent& continent, CompetitionMask tournament) {
    switch (tournament) {
    case DayCode::kChampionship: return &continent.championship;
    case DayCode::kChampionshipQualification: return &continent.extraCups[CContinent::kChampionshipQualification];
    case DayCode::kWorldCupQualification: return &continent.extraCups[CContinent::kWorldCupQualification];
    default: return nullptr;
    }
}

void AddNationalTeamMatches(DayEntry& entry, CompetitionMask code, std::span<const Colour> skin) {
    const CWorld* world = g_manager.world;
    const CTeam* team = Playing(g_manager.nationalTeam);
    const CompetitionMask tournament = TournamentOf(code);
    if (!world || !team || tournament == 0)
        return;
    const Colour c = skin[kNationalTeamColour];
    if (tournament == DayCode::kWorldCup || tournament == DayCode::kOlympia) {
        const CCup& cup = tournament == DayCode::kWorldCup ? world->worldCup : world->olympia;
        entry.Add(CupText(cup, team, MatchDayNumber(code)), c);
        return;
    }
    for (const auto& continent : world->continents)
        if (const CCup* cup = ContinentTournament(*continent, tournament))
            entry.Add(CupText(*cup, team, MatchDayNumber(code)), c);
}

}  // namespace

bool GetCalendarDayEntry(std::string& label, int dayIndex, Colour& colour, std::span<const Colour> skinColours) {
    if (dayIndex < 0) {
        label.clear();
        return false;
    }
    const CompetitionMask code = GetDayCode(dayIndex);
    DayEntry entry(label, colour);
    AddLeagueMatch(entry, code, skinColours);
    AddNationalCups(entry, code, skinColours);
    AddContinentalCups(entry, code, skinColours);
    AddNationalTeamMatches(entry, code, skinColours);
    entry.AddAppointment(dayIndex, skinColours);
    return entry.Found();
}
