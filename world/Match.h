#pragma once

#include <cstdint>
#include <vector>

#include "world/Referee.h"
#include "world/StoredTeamRefs.h"

class BinaryFile;
enum class MatchEventKind : uint8_t;
class CPlayer;
class CTeam;
class CWorld;

// Match time in seconds: normal time, then two extra periods of 600.
constexpr uint16_t kNormalTimeEnd = 3600;
constexpr uint16_t kFirstExtraEnd = 4200;
constexpr uint16_t kSecondExtraEnd = 4800;
// The engine clock of a live match after its last extra period.
constexpr uint16_t kLiveMatchOver = 4900;
constexpr uint16_t kExtraPeriodLength = 600;

// Match grades: 50 is neutral (and the grade of a player who did not
// play), lower is better, 119 the worst a grade can become.
constexpr uint8_t kNeutralGrade = 50;
constexpr int kGradeLimit = 120;

// Kinds of action the ratings distinguish.
enum ActionKind : int {
    kOneOnOne = 0,
    kCombination = 1,
    kDistanceThrow = 2,
    kFastBreak = 3,
    kFinishingShot = 4,
    kSevenMetre = 5,
    kBaseRating = 100,
};

// One side of a match and what it scored this match. Per-player arrays are
// indexed by squad index.
struct MatchSide {
    CTeam* team = nullptr;
    int8_t bonus = 0;  // percent on every action rating
    uint8_t goals = 0;  // in the current leg
    std::vector<uint8_t> penaltyGoals;  // seven-metre goals
    std::vector<uint8_t> grades;
    std::vector<uint8_t> goalsPerPlayer;
};

// One pairing of two teams in a league or a cup, for all of its legs: the
// record, both ways of playing it (a quick result replayed over the clock,
// or the live engine), its decision and what it changes afterwards.
class CMatch {
public:
    CMatch();

    // The record.
    uint32_t prize = 0;  // from the cup; the home club's media income
    int32_t atmosphere = 0;  // home advantage in percent points
    uint32_t spectators = 0;
    uint8_t sideInPossession = 0;  // 0 home, 1 away
    uint8_t quick = 0;  // 1: computed at once and replayed
    uint8_t neutralVenue = 0;  // 1: the takings are shared
    CReferee referees;
    uint16_t clock = 0;
    // Quick play: the end of the current period. Live play: the time up to
    // which the engine has played.
    uint16_t engineClock = 0;
    // 0: a single match that may end drawn; 1: a single match that must be
    // decided; more: the legs of a cup pairing.
    uint8_t legs = 0;
    // A pair per leg (home, away of that leg), then one per extra period
    // begun with running totals; the shoot-out adds onto the last pair.
    std::vector<uint8_t> legScores;
    MatchSide home;  // the home team of the current leg
    MatchSide away;
    uint8_t sheetSize = 12;
    // The score after each goal of the current period, home << 8 | away.
    std::vector<uint16_t> scoreHistory;

    // File form: leg scores, sheet size, legs and both teams by reference.
    bool Write(BinaryFile& f) const;
    bool Read(BinaryFile& f);
    // Clubs read while a whole world was being read, once it is whole.
    void ResolveStoredTeams(const CWorld& world);

    size_t PairCount() const { return legScores.size() / 2; }
    void ResetScore();
    void ResetForKickOff();
    // Both lineups have a goalkeeper and defence of at least five; else
    // the match is decided by forfeit.
    bool CheckLineups();
    bool IsRunning() const;
    bool StartExtraPeriodIfLevel();
    // False while the pairing is undecided; then winner is untouched.
    bool GetWinner(CTeam*& winner) const;
    bool HasPlayerFigures() const;

    // Quick result.
    void Prepare();
    void PlayQuickExtraPeriod();

    // Live play. Each returns true when something was reported.
    void StartLive();
    bool PlayTimeSlice(int slice);
    bool AdvanceTime(int slice);
    void PlayPenaltyShootout();

    // After the match: statistics, suspensions, condition, club climate
    // and the takings.
    void UpdatePlayersAfterMatch(bool league, bool continental, bool nationalCup, bool nationalTeam);

    // The ratings and the context they read.
    void BindSides();
    float GetActionRating(int player, int side, int kind);
    static float RandomFloat(float x);

    // Pieces of the engine that the quick result shares.
    void ComputeSideBonuses();
    void AdjustEnergy(int player, int side, int steps);
    // The same, that many times over.
    void AdjustEnergyRepeatedly(int player, int side, int steps, int times);
    void AdjustGrade(int player, int side, int steps);
    bool CheckInjury(int player, int side, int kind);

private:
    StoredTeams storedSides_;  // away, home

    // Live engine.
    bool AdvanceQuick(int slice);
    bool AdvanceLive(int slice);
    bool PlayPossessionStep();
    bool ChangePossession();
    bool PlayOneOnOne();
    bool PlayCombination();
    bool PlayDistanceThrow();
    bool PlayFastBreak();
    bool PlaySevenMetreThrow(bool& possessionChanges);
    bool CheckFoul(int player, int side, int kind, bool& possessionChanges);
    bool AddPlayTime(int seconds);
    bool UpdateTimePenalties(MatchSide& side, std::vector<uint16_t>& penalties, int slice);
    void ReplaceLostPlayer(CTeam& team, int player);
    void MakeSubstitutions();
    void ShiftLineupAfterPenalty(int player, CTeam& team);
    void ScoreGoal(int player);
    void AdjustSlotGrades(int side, int firstSlot, int lastSlot, int steps);
    void AdjustSlotEnergy(int side, int firstSlot, int lastSlot, int steps);
    void AdjustGoalkeeperEnergy();
    // The first slot whose running sum of weights passes a random point.
    static int PickSlotByWeight(const int* slots, const float* weights, int count, int fallback);

    // Quick result.
    void ComputeQuickValues(MatchSide& side, std::vector<int>& values, int& total, int& keepers);
    void DrawQuickScore(int totalHome, int totalAway, int& h, int& a);
    void BuildScoreHistory(int h, int a);
    void DistributeGoals(MatchSide& side, const std::vector<int>& values, int total, int goals);
    void GradeSide(MatchSide& side, const std::vector<int>& values, int total, int otherTotal, int base, bool draw);
    void ApplyQuickWear();

    // Ratings.
    // Whether his ratings draw from the random generator (apathy): only
    // then does rating him change more than his playing strength.
    static bool RatingDraws(const CPlayer& p);
    float SkillTerms(const CPlayer& p, int side, int kind, bool inGoal, int slotOf, float v) const;
    float DefenceTerms(const CPlayer& p, int player, int side, int kind, bool inGoal, float v);

    // After the match.
    void UpdateSideAfterMatch(MatchSide& side, const MatchSide& other, bool league, bool continental,
                              bool nationalCup, bool nationalTeam);
    void UpdatePlayerAfterMatch(MatchSide& side, int index, bool won, bool league, bool continental,
                                bool nationalCup, bool nationalTeam);
    void UpdateClubAfterMatch(MatchSide& side, const MatchSide& other, bool league, bool continental,
                              bool nationalCup, bool nationalTeam);

    // The report: events for the commentary.
    void AddCommentary(int attacker, int defender, bool passed, bool scored, int kind, bool& reported);
    void RecordEvent(MatchEventKind what, int side, int player);
    bool ReportCard(int player, int side);

    // Side helpers: side 1 attacking, 0 defending.
    MatchSide& Side(int side);
    CTeam& Team(int side) { return *Side(side).team; }
    std::vector<uint16_t>& Penalties(int side);
    int SlotPlayer(const CTeam& team, int slot) const;
    int LastSheetSlot() const;
    bool HasRole(const CTeam& team, int player, int firstSlot, int lastSlot) const;
    int FirstSlotOf(const CTeam& team, int player, int firstSlot, int lastSlot) const;
};

// The spectators of a match at a league level (cups count as the top
// level): both clubs' demand, the away fans' journey, the sides' strengths,
// the home crowd's mood and media, and the home club's admission fees
// against the standard ones; never more than the home arena holds.
uint32_t ComputeMatchAttendance(int leagueLevel, const CTeam& home, const CTeam& away);
