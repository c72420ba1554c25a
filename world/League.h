#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "world/Vocabulary.h"

class BinaryFile;
class CCup;
class CMatch;
class CPlayer;
class CTeam;

enum LeagueFlag : uint8_t {
    kLeagueRelegation = 0x01,
    kLeagueRelegationPlayoffGroup = 0x02,  // the relegation play-off as one group
    kLeagueRelegationPlayoff = 0x04,
    kLeagueUpperRelegationPlayoff = 0x08,  // clubs take part in the upper league's
    kLeagueChampionshipPlayoffGroup = 0x10,
    kLeagueChampionshipPlayoff = 0x20,  // championship or promotion play-off
    kLeaguePassive = 0x40,  // no matches: results are drawn
    kLeagueProfessional = 0x80,
};

// The best player of the season on each position 0-6; null where nobody
// played well enough to be scored.
using AllStarTeam = std::array<CPlayer*, kPositionCount>;

// Up to two clubs that could use a player; null where none was found.
struct InterestedClubs {
    CTeam* first = nullptr;
    CTeam* second = nullptr;
};

// The table order of the last standings computation, 0-based club numbers.
extern std::vector<uint8_t> g_standingsOrder;
// Empties it, as before the first computation.
void ResetStandingsOrder();

// One division of a nation: its clubs, settings, current match day, the
// per-club result counters and the table order, and the play-off cups that
// follow the regular season. A passive league plays no matches; its match
// days are drawn at random.
//
// Clubs are numbered by their place in `clubs`; the counters, the goal
// differences and the match-day results are indexed by that number once
// the season has started, and the table order holds number + 1 per place.
class CLeague {
public:
    // The relegation play-off is told from the other by its name: when only
    // one of the two takes place, it is both the first and the last cup of
    // the list.
    static constexpr const char* kRelegationPlayoffName = "relegation-playoff";
    static constexpr uint8_t kDefaultPlayersPerMatch = 12;
    static constexpr uint8_t kMinPlayersPerMatch = 12;
    static constexpr uint8_t kMaxPlayersPerMatch = 14;
    static constexpr uint8_t kDefaultRounds = 2;
    static constexpr uint8_t kDefaultPlayoffMatches = 2;
    static constexpr uint8_t kMaxPlayoffMatches = 7;
    static constexpr uint8_t kDefaultTrainingUnits = 13;
    static constexpr uint8_t kMinTrainingUnits = 3;
    static constexpr uint8_t kMaxTrainingUnits = 15;
    static constexpr uint8_t kDefaultRelegatedPlaces = 2;
    static constexpr int32_t kDefaultAreaEdge = 249;

    CLeague();
    ~CLeague();
    CLeague(const CLeague&) = delete;
    CLeague& operator=(const CLeague&) = delete;
    CLeague& operator=(CLeague&&) noexcept;

    // With the save-game flag the running season follows the definition.
    bool Write(BinaryFile& f, uint8_t saveGame) const;
    // On failure the league is partly read and the caller abandons the file.
    bool Read(BinaryFile& f, uint8_t saveGame);

    // Settings.
    void ValidateSettings();
    bool IsProfessional() const { return flags & kLeagueProfessional; }
    bool IsPassive() const { return flags & kLeaguePassive; }
    int GetTeamCount() const;
    int GetHomeMatchCount() const;
    int GetRegularMatchDayCount() const;
    int GetMatchDayCount(bool regular, bool championship, bool relegation) const;
    bool IsSeasonOver() const;
    bool IsRegularSeason() const { return currentMatchDay <= GetRegularMatchDayCount(); }
    // The play-off cups play their match days after the regular season.
    bool IsInPlayoffPhase() const { return !IsPassive() && !IsRegularSeason(); }

    // The season.
    // Settings checked and every player's contract fitted to the league.
    void SetUpForNewGame();
    void StartSeason();
    void SetMatchDayOpponents();
    void PrepareComputerLineups();
    void AppendMatchesTo(std::vector<CMatch*>& list) const;
    void CompleteMatchDay();
    void EndSeason();
    // The computer-run clubs' training week and every club's building works.
    void DoWeekStep();
    void DoHalfYearStep();

    // Fixtures and table.
    int GetOpponentIndex(int day, int club, bool& away) const;
    std::string GetOpponentText(int day, int club) const;
    void ComputeStandings() const;
    void FinishSeasonTable();
    int GetTablePosition(const CTeam* club) const;
    int GetTablePositionAfterUpdate(const CTeam* club) const;
    int GetPoints(int club) const;
    // "points for : points against", two for a win and one for a draw.
    std::string GetPointsText(int club) const;
    bool FindTeam(const CTeam* club, int& number) const;

    // Queries.
    float GetAverageStrength() const;
    float GetAverageTalent() const;
    int GetStrengthRank(const CTeam* club) const;
    int GetAreaDistance(int x, int y) const;
    // The squad player with the most goals of the season, the first found
    // (clubs in order, then squads) on a tie; null when nobody scored.
    CPlayer* FindTopScorer() const;
    // Per regular position the player whose talent, strength, average
    // grade and form score highest, the first found on a tie; a player
    // without a grade has not played and is not scored.
    AllStarTeam PickAllStarTeam() const;
    // The clubs, but the two excluded, that keep fewer than three players
    // off their transfer list on his position, none of them three or more
    // strength classes above him. The first such club, and half the time
    // the next one too.
    InterestedClubs FindTeamsInterestedInPlayer(const CPlayer& player, const CTeam* excluded1,
                                                const CTeam* excluded2) const;

    std::vector<uint8_t> extraBytes;  // kept and saved; not used here
    // The championship (or promotion) play-off first, the relegation last.
    std::vector<std::unique_ptr<CCup>> playoffCups;
    std::vector<int16_t> goalDifference;
    // Per club the goals it scored on each regular match day.
    std::vector<std::vector<uint8_t>> matchDayResults;
    std::vector<std::unique_ptr<CMatch>> matches;  // of the current match day
    uint8_t playersPerMatch = kDefaultPlayersPerMatch;
    uint16_t bestAttendance = 0;
    std::string bestAttendanceHost;
    // The team of the match day per position: club number << 8 | squad
    // index, and grade 0-15.
    std::array<uint16_t, kPositionCount> teamOfDay{};
    std::array<uint8_t, kPositionCount> teamOfDayGrades{};
    uint8_t rounds = kDefaultRounds;  // how often each pair meets
    uint8_t promotionSideCount = 0;
    uint8_t relegationPlayoffMatches = kDefaultPlayoffMatches;
    uint8_t relegationPlayoffClubs = 0;
    uint8_t upperRelegationPlayoffClubs = 0;
    uint8_t championshipPlayoffMatches = kDefaultPlayoffMatches;
    uint8_t championshipPlayoffClubs = 0;
    uint8_t trainingUnits = kDefaultTrainingUnits;  // per week
    uint8_t flags = kLeagueProfessional;  // LeagueFlag
    std::vector<std::unique_ptr<CTeam>> clubs;
    std::vector<uint8_t> tableOrder;  // club number + 1 per place, top first
    std::string name = "league";
    uint8_t relegatedPlaces = kDefaultRelegatedPlaces;
    uint8_t storedClubCount = 0;  // the field a passive league plays with
    uint8_t currentMatchDay = 1;
    std::vector<uint8_t> losses;
    std::vector<uint8_t> draws;
    std::vector<uint8_t> wins;
    // The region on the nation map.
    int32_t areaRight = kDefaultAreaEdge;
    int32_t areaBottom = kDefaultAreaEdge;
    int32_t areaLeft = 0;
    int32_t areaTop = 0;
    uint8_t division = 1;  // 1 = top division

private:
    void DrawPassiveMatchDay();
    void BookMatchResults();
    void FindBestAttendance();
    void UpdateTeamOfTheDay();
    void FillPlayoffParticipants();
    void SizeSeasonCounters();
    CCup* ChampionshipCup() const;
    CCup* RelegationCup() const;

    bool WriteState(BinaryFile& f) const;
    bool ReadState(BinaryFile& f);
};

// Lays out a play-off cup for the given participants: one group of all
// of them, or knock-out rounds in which the lower places play first.
void SetUpPlayoffCup(CCup& cup, bool knockOut, bool group, int participants, int matchesPerRound,
                     int playersPerMatch);
