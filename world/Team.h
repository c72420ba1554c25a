#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "world/Arena.h"
#include "world/Finance.h"
#include "world/NoClubTeam.h"
#include "world/WorldRef.h"

class Bitmap;
class BinaryFile;
class CLeague;
class CPlayer;
class Date;
class DeviceContext;
struct Point;
struct Rect;
struct Size;

// A player in one of a team's lists. Clubs own their players; a national
// team's squad only lends them from their clubs, so its entries must never
// delete them, whoever empties or shortens the list.
class PlayerDeleter {
public:
    PlayerDeleter() = default;
    // A player made with std::make_unique is owned by the list he joins.
    PlayerDeleter(std::default_delete<CPlayer>) {}
    static PlayerDeleter Lent() { return PlayerDeleter(false); }
    bool Owns() const { return owns_; }
    void operator()(CPlayer* player) const;

private:
    explicit PlayerDeleter(bool owns) : owns_(owns) {}
    bool owns_ = true;
};
using PlayerPtr = std::unique_ptr<CPlayer, PlayerDeleter>;
using PlayerList = std::vector<PlayerPtr>;
// An entry for a national squad: the player stays his club's.
inline PlayerPtr LendPlayer(CPlayer* player) { return PlayerPtr(player, PlayerDeleter::Lent()); }

constexpr int kLineupSlotCount = 20;
constexpr int kTrainingWeeks = 52;
constexpr int kReservedPlanBytes = 2;
// Every list of the team's record is stored behind a one-byte count.
constexpr size_t kMaxTeamListSize = 255;

// Lineup slots hold squad index + 1, 0 for an empty slot. The goalkeeper
// plays in both formations; the defence and the offence formation have one
// slot per field position, in position order; the bench holds the
// substitute goalkeeper and the substitutes.
enum LineupSlot : int {
    kSlotGoalkeeper = 0,
    kSlotFirstDefence = 1,
    kSlotLastDefence = 6,
    kSlotFirstOffence = 7,
    kSlotLastOffence = 12,
    kSlotFirstBench = 13,
    kSlotSubstituteGoalkeeper = 13,
    kSlotFirstSubstitute = 14,  // to the last slot
};

enum TeamFlag : uint8_t {
    kTeamCupTeam = 0x01,
    kTeamMediaTown = 0x02,
    // Two-bit counter: 3 makes the user's job safe; a computer club counts
    // its weeks with a short squad in it.
    kTeamJobSafetyCounter = 0x0C,
    kTeamLeagueChanged = 0x10,
    kTeamInsolvent = 0x20,
    kTeamActiveLeague = 0x40,
    kTeamAwayMatch = 0x80,
};

// The seven title counters in their stored order.
enum TitleCounter : int {
    kTitleMiscCups = 0,
    kTitleContinentalSupercups = 1,
    kTitleChampionCups = 2,
    kTitleEuropeanChampionships = 3,
    kTitleSupercups = 4,
    kTitleNationalCups = 5,
    kTitleChampionships = 6,
};
constexpr int kTitleCounterCount = 7;

// Coach attitudes (high nibble of the coach code) that lift a climate value.
enum CoachAttitude : int {
    kAttitudeGamelover = 2,
    kAttitudeShowmaster = 5,
    kAttitudeMotivating = 6,
};

enum FanMood : int {
    kMoodNormal = 0,
    kMoodLoud = 1,
    kMoodEuphorical = 2,
    kMoodSuccessSpoiled = 3,
    kMoodFaithful = 4,
    kMoodFrustrated = 5,
    kMoodFastidiously = 6,
    kMoodSuccessAddicted = 7,
};

// The condition gauges of the match panels.
enum ConditionGauge : int {
    kGaugeFreshness = 0,
    kGaugeFitness = 1,
    kGaugeTeamSpirit = 2,
    kGaugeFightingSpirit = 3,
};

// One club: the squad with its amateur and youth teams, the lineup and
// tactics state, the training plan, the club's people, its climate, names,
// colours, account and arena. A league owns its teams; a nation embeds its
// national team.
//
// The captain and 7m lists, the injury list and the lineup slots hold squad
// indices. AddPlayer, RemovePlayer and SortSquad keep them pointing at the
// same players; code that changes `squad` in another way must do the same.
class CTeam {
public:
    static constexpr uint8_t kDefaultClubConfidence = 75;
    static constexpr uint8_t kDefaultFanReputation = 60;
    static constexpr uint8_t kNeutralSpirit = 100;
    static constexpr uint16_t kDefaultTactics = 146;  // weights 2, 2, 2
    static constexpr uint8_t kDefaultCoachCode = 5;   // competence 5, no attitude
    static constexpr uint8_t kDefaultCompetence = 5;
    static constexpr uint32_t kDefaultStaffBirthday = 0x07A80101;  // 1 January 1960
    static constexpr uint32_t kWhite = 0x00FFFFFF;
    static constexpr uint32_t kBlue = 0x00FF0000;
    static constexpr uint8_t kDefaultBoardAndMedia = 0x33;   // board "normal", media 3
    static constexpr uint8_t kDefaultFansAndFinance = 0x40;  // mood "normal", environment "normal"
    static constexpr uint8_t kDefaultFanAmount = 0x44;       // "normal" of at most "normal"
    static constexpr uint16_t kDefaultFoundingYear = 1900;
    static constexpr uint16_t kNeutralRating = 1000;  // of RateSquadPlayers

    CTeam();
    ~CTeam();
    CTeam(const CTeam&) = delete;
    CTeam& operator=(const CTeam&) = delete;

    // The save-game flag adds the running game's state (lineup, tactics,
    // plan, climate, account, youth and amateurs). Without it the state
    // keeps its values. Players and the arena get the same flag.
    bool Write(BinaryFile& f, uint8_t saveGame) const;
    // On failure the team keeps its old values.
    bool Read(BinaryFile& f, uint8_t saveGame);

    // Squad list operations.
    void AddPlayer(PlayerPtr player);
    // Hands the player to the caller; null and no change when he is not
    // in the squad.
    PlayerPtr RemovePlayer(const CPlayer* player);
    // By regular position; within a position in the reverse of the old order.
    void SortSquad();
    bool FindPlayer(const CPlayer* player, size_t& index) const;
    // Of two equal shirt numbers the later player's moves up by one.
    void MakePlayerNumbersUnique();
    void MarkLeagueChanged() { flags |= kTeamLeagueChanged; }

    // Squad queries; an empty squad gives 0.
    float GetAverageStrength() const;
    float GetAverageTalent() const;
    double GetAverageAge() const;
    int GetAverageTrend() const;
    int GetAverageMotivation() const;
    int GetAverageAttributeLevel() const;
    // Amounts take the world's price rise since its start year.
    uint32_t GetTotalTransferValue(int inflationPermille) const;
    // In hundreds of euros, each player's demand cut before adding.
    uint32_t SumWageDemands(bool professional, int leagueLevel, int inflationPermille) const;
    uint32_t SumPlayerCardCounts(bool red, bool suspensions, bool exclusions) const;
    int CountNationalities() const;
    // Per squad player how much the club would miss him in its league,
    // 0-1500 around kNeutralRating; the season's figures count from the
    // sixth match day on.
    std::vector<uint16_t> RateSquadPlayers(const CLeague& league) const;
    // The rating of the squad player at index alone, for a club that weighs
    // one of its players.
    uint16_t RateSquadPlayer(const CLeague& league, size_t index) const;

    // Club queries.
    uint32_t GetMatchColour() const;
    // "The" for any article above 0.
    std::string GetArticle() const;
    // The club's standing for contract talks, from confidence and reputation.
    int GetFanCount() const;
    bool HasCoach() const { return !coachSurname.empty(); }
    // A professional club needs its coach under contract; the user's
    // national team always has its coach, him.
    bool HasAssistantCoach() const;
    int GetCoachCompetence() const { return coachCode & 0x0F; }
    int GetCoachAttitude() const { return coachCode >> 4; }

    // Club climate: packed values.
    int GetBoardAttitude() const { return boardAndMedia & 0x0F; }
    int GetMediaAttention() const { return boardAndMedia >> 4; }
    int GetFanMood() const { return fansAndFinance & 0x0F; }
    int GetFinancialEnvironment() const { return fansAndFinance >> 4; }
    int GetFanAmount() const { return fanAmount & 0x0F; }
    int GetMaxFanAmount() const { return fanAmount >> 4; }
    int GetJobSafetyCounter() const { return (flags & kTeamJobSafetyCounter) >> 2; }
    // Whether the board keeps its coach; false makes the callers warn the
    // user or dismiss a national coach.
    bool IsCoachJobSafe() const;

    // Club climate: steps. Each draws from the game's random generator.
    void ChangeClubConfidence(int delta);
    void ChangeFanReputation(int delta);
    void ChangeFightingSpirit(const int& delta);
    void ChangeTeamSpirit(const int& delta);
    // One step in the sign of delta with a chance of |delta| percent;
    // false when the chance fails or the value is at its limit.
    bool ChangeFanCount(int delta);
    bool ChangeMediaAttention(int delta);
    bool ChangeBoardAttitude(int delta);
    bool ChangeFinancialEnvironment(int delta);
    bool SetFanMood(int mood, int chancePercent);

    // Money (finance/): the spectators the club draws at a league level,
    // and the season's wages of the squad (with its match bonuses for all
    // the league's match days) and of the youth players.
    int GetSpectatorDemand(int leagueLevel) const;
    uint32_t CalcSquadWageBill(const CLeague& league) const;
    uint32_t GetYouthWageBill() const;

    // Club climate: fixed bundles of steps.
    void ApplyPromotion();
    void ApplyRelegation();
    void ApplyCupProgress(bool national, bool continental);
    void ResetClimateForNewManager();

    // Lineup, responsibilities and tactics (squad/; strength in world/). Sheet sizes
    // are players on a match sheet; the lineup uses that many + 6 slots.
    void ClearLineup();
    // Repairs the slots and the players' lineup marks; gives the slots in
    // use left empty, one bit per slot.
    uint32_t ValidateLineup();
    void FillLineupByCriterion(unsigned criterion);
    void AutoLineup(bool chooseSystem);
    bool IsPlayerFielded(int squadIndex, int sheetSize, bool& inOffence, bool& inDefence) const;
    unsigned CountAvailableStarters() const;
    void RebuildResponsibilityLists();
    // Squad indices; 0 when nobody is found.
    int PickCaptain(int sheetSize) const;
    int PickPenaltyTaker(int sheetSize) const;
    int PickPenaltyGoalkeeper(int sheetSize) const;
    float GetStrength() const;
    void ChooseDefenceTactics();
    void ChooseOffenceTactics();

    // Training (squad/): the week's units with their player events, and
    // the season's plans. RunTrainingUnits runs units from..to-1 of the
    // week loaded by LoadCurrentWeekTraining.
    void LoadCurrentWeekTraining();
    void RunTrainingUnits(int from, int to);
    int GetAverageFitness() const;
    int GetAverageFreshness() const;
    void LiftLowFitness();
    void ChooseTrainingSkills();
    // Fills the empty weeks from week 1 or from the current week on.
    void MakeYearlyTrainingPlan(bool fromFirstWeek);

    // New game (editor/). Normalize brings an edited or generated club into
    // the ranges the game expects and fills missing names from the squad;
    // InitForGameStart then gives the squad random start values and empties
    // the account and the arena's field.
    void Normalize();
    void InitForGameStart();

    // Season change (engine/). At the season's end: players into the new
    // season, youth of 18 to the amateurs, some veterans leave or become
    // former captains, a loud media calms down. Before a season or game:
    // responsibilities, a computer club's training, numbers, squad order.
    void ProcessSeasonChange();
    void PrepareNewSeason();

    // The team's card (ui/): caption, crest and seven rows of figures in the
    // card colour. Form 0 is the user's own club, 1 the information on any club.
    void DrawInfoPanel(const Rect& r, uint32_t colour, DeviceContext& dc, int infoFlag) const;
    // The chart of one of the manager's weekly records of his club over the
    // season so far (ui/): kind 0 club confidence, 1 fan reputation, 2 table
    // position, 3 team strength, 4 team spirit, 5 fighting spirit, 6 fitness,
    // 7 freshness; any other kind draws nothing.
    void DrawWeeklyValueChart(int kind, const Rect& r, uint32_t colour, DeviceContext& dc) const;

    // The manager screens 1-18 of the user's club (screens/): the painter
    // and the mouse handlers the main window calls with its current screen.
    // A number outside 1-18 paints nothing and changes nothing. "full" paints
    // the background and the fixed parts too; the handlers answer true when
    // the screen must be repainted, and the click's redraw flag says whether
    // that repaint must be full.
    void DrawScreen(const Rect& rect, int screenId, DeviceContext& dc, bool full);
    bool OnScreenLButtonDown(Point p, int screenId, bool* redrawBackground);
    bool OnScreenMouseWheel(Point p, int rows, int screenId);
    void OnScreenMouseMove(Point p, DeviceContext& dc, int screenId);
    bool OnScreenLButtonUp(Point p, DeviceContext& dc, int screenId, bool* redrawBackground);
    // The formation boards of the lineup and tactics screens (screens/): a
    // card for each slot at its place on a court scaled to the rectangle,
    // whose rectangle g_lineupCardRects keeps (screens/ScreenState.h). The
    // team's goalkeeper and defence (none without a system), its offence
    // and bench (shifted: the offence moved down and left, clear of the
    // opponent's defence), and the next opponent's defence and offence,
    // facing them; nothing of an opponent without one.
    void DrawDefenceFormation(DeviceContext& dc, const Rect& r);
    void DrawOffenceFormation(DeviceContext& dc, const Rect& r, bool shifted);
    void DrawOpponentDefence(DeviceContext& dc, const Rect& r);
    void DrawOpponentOffence(DeviceContext& dc, const Rect& r);
    // The squad as a table (ui/): a row of column buttons, then a row per
    // player from *scrollPos on, *visibleRows rows in all, the header
    // included. *scrollPos is pulled back so that the last player fills the
    // last row, and not below 0; *firstOut becomes 0, *maxScrollOut the
    // largest useful scroll position and titleOut the team's name.
    void DrawSquadTable(const int* visibleRows, int* scrollPos, int* firstOut, int* maxScrollOut,
                        std::string& titleOut, const Rect& r, DeviceContext& dc) const;
    // The match panels (ui/): the team, in its colour on the left, against
    // its next opponent on the right, each panel a box of its own. Without an
    // opponent (none or the no-club team) only the team's side is drawn.
    // With wholeSquad the gauge and the comparison take every squad player;
    // without it the gauge takes the team's defence formation against the
    // opponent's offence, the comparison the team's offence against the
    // opponent's defence. The spirit gauges show the clubs' own values.
    // kind: a ConditionGauge; any other draws nothing.
    void DrawConditionGauge(int kind, bool wholeSquad, DeviceContext& dc, const Rect& r) const;
    // Two discs sized by the average of attribute 0-9.
    void DrawAttributeComparison(int attribute, bool wholeSquad, DeviceContext& dc, const Rect& r) const;
    // The summed playing strength of the team's offence (or defence) against
    // the opponent's defence (or offence) as two bars. Recomputes the playing
    // strength of every player it sums.
    void DrawAttackDefenceBar(const Rect& r, DeviceContext& dc, bool offence);
    // The club's crest "Wappen\<logoFile>" (ui/), else the common crest
    // "Wappen\ohne.bmp", else a crest painted in the home colour; its size.
    Size GetCrestBitmap(Bitmap& bitmap) const;
    // The week planning's painters (ui/): the icon of a training unit kind
    // 1-29 on its group's colour, and a band darkest at its top and bottom.
    static void DrawTrainingUnitIcon(int kind, const Rect& r, DeviceContext& dc);
    static void FillTubeBand(uint32_t colour, const Rect& r, DeviceContext& dc);

    // Screens (screens/). Keeps the selected and the first shown entry of
    // the statistics screen's selection list 0-2 within its entries.
    void ClampStatisticsSelection(int list);
    // A right click on the user's screen screenId (screens/): renames a
    // free week plan or adds or removes a statistics bookmark; true when
    // the screen must be painted again.
    bool OnScreenRButtonDown(int x, int y, int screenId);

    CFinance account;
    uint8_t clubConfidence = kDefaultClubConfidence;  // 0-100
    uint8_t fanReputation = kDefaultFanReputation;    // 0-100
    std::string keeperCoach;                          // empty = none
    std::vector<uint8_t> penaltyKeepers;              // squad indices, ranked
    std::vector<uint8_t> penaltyTakers;               // squad indices, ranked
    std::vector<uint8_t> captains;                    // squad indices, ranked
    std::array<uint8_t, kTrainingWeeks> trainingPlan{};  // plan 1-18 per week, 0 none
    std::array<uint8_t, kReservedPlanBytes> reservedPlanBytes{};  // kept as read
    uint16_t offenceWeights = kDefaultTactics;  // three 3-bit weights a + 8b + 64c
    uint16_t defenceTactics = kDefaultTactics;
    uint32_t markingAssignments = 0;  // per defender 4 bits: the offence slot he marks
    CArena arena;
    std::string coachFirstName;
    std::string coachSurname;  // empty = no assistant coach
    uint8_t coachCode = kDefaultCoachCode;  // bits 0-3 competence, 4-7 attitude
    uint32_t coachBirthday = kDefaultStaffBirthday;
    uint32_t homeColour = kWhite;  // 0x00BBGGRR
    uint32_t awayColour = kBlue;
    CTeam* nextOpponent = &g_noClubTeam;  // not owned
    std::string managerFirstName;
    std::string managerSurname;
    uint8_t managerCompetence = kDefaultCompetence;  // 1-10
    uint32_t managerBirthday = kDefaultStaffBirthday;
    uint8_t keeperCoachCompetence = 0;
    uint8_t fightingSpirit = kNeutralSpirit;  // 0-200
    uint8_t teamSpirit = kNeutralSpirit;      // 0-200
    std::array<uint8_t, kLineupSlotCount> lineup{};
    uint8_t defenceSystem = 0;      // 1-4, 0 = not chosen
    std::vector<uint16_t> injuries;  // injury kind << 8 | squad index
    PlayerList amateurs;
    PlayerList youth;
    PlayerList squad;
    uint8_t boardAndMedia = kDefaultBoardAndMedia;  // bits 0-3 board, 4-7 media
    std::string chiefFirstName;
    std::string chiefSurname;
    uint16_t mapPosition = 0;  // low byte x, high byte y
    std::string logoFile;
    std::array<uint8_t, kTitleCounterCount> titles{};
    int32_t capital = 0;  // euros outside the booked account
    uint8_t fansAndFinance = kDefaultFansAndFinance;  // bits 0-3 mood, 4-7 environment
    uint8_t fanAmount = kDefaultFanAmount;            // bits 0-3 amount, 4-7 its maximum
    std::string amateurTeamName;
    uint8_t flags = 0;  // TeamFlag
    uint16_t foundingYear = kDefaultFoundingYear;
    std::string shorthand;
    std::string fansNickname;
    uint8_t article = 0;  // 0 none, 1 "the"
    std::string name;
    // Where CWorld::GetTeamRef last found the team: it looks there before
    // it searches the world. Never stored.
    mutable WorldRef foundAt = kRefNotFound;

private:
    void RemapSquadIndices(const std::vector<int>& newIndexOf);
    void DropIndicesBeyondSquad();
    bool WriteState(BinaryFile& f) const;
    bool ReadState(BinaryFile& f);
    bool WriteDefinition(BinaryFile& f, uint8_t saveGame) const;
    bool ReadDefinition(BinaryFile& f, uint8_t saveGame);
    void TakeState(CTeam& from);
    void TakeDefinition(CTeam& from);
    void SpiritStep(uint8_t& value, int delta, int bonusAttitude);
};

// The user's club or the national team he coaches.
bool IsUserTeam(const CTeam* team);
// A player of the user's club's squad.
bool IsUserClubPlayer(const CPlayer* player);
// Days since the season's first day, the first Monday of July.
int GetSeasonDayIndex(const Date& date);
// The entry of a season day in an array of `slotCount` per-day entries, or
// -1 for a day the array does not hold: the days of July before the first
// Monday count on from the old season's first day, up to 370.
int SeasonDaySlot(int dayIndex, int slotCount);
// A regular position for a generated player, weighted as real squads are.
uint8_t DrawRandomPosition();
// Strongest first, by strength class; the order within a class is kept.
void SortPlayerList(PlayerList& players);
// A club's short name: up to three words, short words whole, long words by
// their first letter.
std::string MakeShorthand(const std::string& clubName);
