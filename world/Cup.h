#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "world/StoredTeamRefs.h"
#include "world/Vocabulary.h"

class BinaryFile;
class CCup;
class CMatch;
class CTeam;
class CWorld;
class CupContinentSource;
class CupNationSource;
class CupWorldSource;

// Where a cup's participants come from, and how its results count.
enum CupKind : uint8_t {
    kCupContinental = 1,       // a continent's club cup
    kCupContinentalSuper = 2,  // the continent's super cup
    kCupNational = 3,          // a nation's cup
    kCupNationalSuper = 4,     // the nation's super cup
    kCupChampionship = 5,      // the continental championship of national teams
    kCupWorldCup = 6,
    kCupPlayoff = 7,           // a league's play-off
    kCupOlympia = 8,
};

// Flags bit 7: the titleholder (kinds 1-4) or the organiser (kinds 5, 6, 8)
// takes part in an extra place, the last one. The other bits are kept as
// they stand.
constexpr uint8_t kCupExtraPlace = 0x80;

// The participant-nation byte of a team whose nation could not be told.
constexpr uint8_t kUnknownNation = 255;

// Stage settings of the championships (kinds 5, 6): with three entries a
// second group stage follows the first within the group round.
enum SecondStageSetting : int {
    kStageTeamsGoingOn = 0,  // of each first-stage group
    kStageGroups = 1,
    kStageTeamsPerGroup = 2,
    kSecondStageSettingCount = 3,
};

// Stage settings of a play-off (kind 7).
enum PlayoffSetting : int {
    kPlayoffNationalTeams = 0,  // non-zero: played by national teams
    kPlayoffFirstRoundPairs = 1,  // non-zero: replaces the power of two
    kPlayoffSettingCount = 2,
};

// What the structure check reads of the cup's owner (world, continent,
// nation or league). The owner describes itself when it prepares its cups;
// a play-off needs nothing of its league.
struct CupOwnerView {
    // Kinds 1, 5: the continent's nations; kind 6: the nations of all
    // continents together.
    int nationCount = 0;
    int continentCount = 0;  // kind 6
    // Kinds 3, 4.
    bool nationInactive = false;
    struct LeagueSize {
        int listed = 0;  // clubs in the league's list
        int stored = 0;  // the club count a passive league plays with
    };
    std::vector<LeagueSize> leagues;
    // Kinds 1, 2: the continent's main club cup and its further cups.
    const CCup* mainClubCup = nullptr;
    std::vector<const CCup*> furtherCups;
    const CCup* worldCup = nullptr;  // kind 8
};

// One cup or tournament of any kind: its settings (rounds, legs, group
// round, qualification slots), its participants and its running season
// (drawn rounds, goals per match day, group tables, the day's matches).
//
// Places are numbered in slot order; participant index = place index. A
// drawn round lists participant indexes: in a knock-out round positions 2k
// and 2k + 1 meet, in the group round consecutive blocks of teams per group
// form the groups, and a second group stage follows in blocks of its own.
class CCup {
public:
    static constexpr uint8_t kDefaultSheetSize = 12;
    static constexpr uint8_t kDefaultRoundCount = 5;
    static constexpr uint8_t kDefaultLegs = 2;
    static constexpr uint8_t kDefaultTeamsPerGroup = 4;
    static constexpr uint8_t kDefaultGroupLegs = 2;

    CCup();
    explicit CCup(uint8_t kind);
    ~CCup();
    CCup(const CCup&) = delete;
    CCup& operator=(const CCup&) = delete;
    CCup& operator=(CCup&&) noexcept;

    // The settings; with state the running season follows. Teams are
    // stored as world references.
    bool Write(BinaryFile& f, bool withState) const;
    // On failure the cup keeps its old values.
    bool Read(BinaryFile& f, bool withState);
    // Clubs read while a whole world was being read, once it is whole.
    void ResolveStoredTeams(const CWorld& world);

    // Fits the slot arrays to the owner and checks that the rounds balance;
    // sets and returns the takes-place flag.
    bool PrepareStructure(const CupOwnerView& owner);
    // Whether the cup as it stands could be played for that owner: what
    // PrepareStructure decides after fitting the slot arrays, without
    // changing anything.
    bool PassesStructureCheck(const CupOwnerView& owner) const;
    bool TakesPlace() const { return takesPlace != 0; }
    // Takes place in the season beginning in seasonYear: the national
    // teams' tournaments by the year rules, the others every season.
    bool IsPlayedInSeason(int seasonYear) const;

    // Structure queries. Rounds are 1-based.
    int GetQualificationPlaces(int slot) const;
    int CountPlacesEnteringRound(int round) const;
    // The slot count when no slot holds the place.
    int GetSlotOfPlace(int place) const;
    int GetTeamsInRound(int round) const;
    int GetMatchDaysUpToRound(int round) const;
    int GetLastMatchDay() const { return GetMatchDaysUpToRound(roundCount); }
    // Losers of `round` that this continental cup passes to the further
    // cup at `cupIndex`.
    int GetLosersPassedToCup(int cupIndex, int round) const;
    std::string GetRoundName(int round) const;
    bool HasSecondGroupStage() const;

    // Participants and drawn rounds.
    bool FindParticipant(const CTeam* team, int& index) const;
    bool FindInRound(int round, int participant, int& position) const;
    bool HasFinished() const;
    // Names of the participants from that nation, in participant order.
    void GetParticipantNamesOfNation(std::vector<std::string>& names, int nation) const;

    // The draw: lays out the next round once the current one is over.
    void DrawNextRound();
    void BuildSecondGroupStage();
    // Pairing-list positions of group g (1-based) of the group round in
    // final order; with secondStage the second-stage group.
    void RankGroup(int round, int group, bool secondStage, std::vector<int>& order) const;

    // The qualification: fills the places from the owner by kind, then
    // draws round 1. Play-offs and the continents' qualification cups, whose
    // places their owner has filled, only draw.
    void DetermineParticipants(CupNationSource& nation);
    void DetermineParticipants(CupContinentSource& continent);
    void DetermineParticipants(CupWorldSource& world);
    void DetermineParticipants();
    // Stands in for last season's ranking while the cup has none.
    bool NominateTeams(CupNationSource& nation);
    bool NominateTeams(CupContinentSource& continent);
    bool NominateTeams(CupWorldSource& world);
    void CancelParticipants();
    // The team holds a place before `place`; with checkExtra (and an extra
    // place) also the extra place.
    bool IsAlreadyParticipant(const CTeam* team, int place, bool checkExtra) const;
    // All places, the extra place included.
    int GetPlaceCount() const;

    // Match days. Days are 1-based over the whole cup.
    int GetOpponentIndex(int day, int participant, bool& away) const;
    std::string GetOpponentText(int day, int participant) const;
    // The day's opponents and matches; a pairing's later legs keep their
    // match. Cup money is raised by the world's price rise in per mille.
    void CreateMatchDayMatches(int inflationPermille);
    void PrepareLineups();
    void AppendMatchesTo(std::vector<CMatch*>& list) const;
    void CompleteMatchDay();

    // Results.
    bool GetMatchDayResult(int day, int participant, int& opponent, bool& won, bool& drawn,
                           int& goalDifference) const;
    // Participant indexes of a round's entrants, best achievement first.
    void CollectRoundRanking(int round, std::vector<int>& order) const;
    bool FinishCup();
    void TakeTeamsFromOtherCups(CupContinentSource& continent);
    // Ranking points of the nation's best club in a continental cup.
    bool GetNationPoints(int nation, int& points) const;
    void RateMatchDayPlayers();
    std::string GetTeamStatusText(const CTeam* team) const;

    // Clearing the season.
    void DeleteRounds() { drawnRounds.clear(); }
    void DeleteRoundRecords() { roundRecords.clear(); }
    void Clear();
    // The ranking list survives into the next season.
    void OnSeasonEnd() { Clear(); }

    // Last season's final ranking, winner first (entry 0 the titleholder).
    std::vector<CTeam*> ranking;
    uint16_t bestCrowd = 0;
    std::string bestCrowdHost;
    // The team of the last match day (engine/TeamOfTheDay.h) per position:
    // participant index << 8 | squad index, and grade 0-15.
    std::array<uint32_t, kPositionCount> teamOfDay{};
    std::array<uint8_t, kPositionCount> teamOfDayGrades{};
    std::vector<std::unique_ptr<CMatch>> matches;  // of the current match day
    std::vector<uint8_t> participantNations;  // nation number (level for kinds 3, 4)
    // Per drawn round the goals of each entrant on each of its match days.
    std::vector<std::vector<uint8_t>> roundRecords;
    // Group tables, one entry per group-round slot (doubled with a second
    // group stage).
    std::vector<uint8_t> groupWins;
    std::vector<uint8_t> groupDraws;
    std::vector<uint8_t> groupLosses;
    std::vector<int16_t> groupGoalDifference;
    std::vector<std::vector<uint16_t>> drawnRounds;  // participant indexes
    uint8_t currentMatchDay = 0;
    std::vector<CTeam*> participants;  // not owned; g_noClubTeam for an empty place
    uint8_t sheetSize = kDefaultSheetSize;
    // Kind 1: per round 1 + the index of the further cup that takes its
    // losers, 0 none.
    std::vector<uint8_t> loserLinks;
    std::string name;
    uint8_t roundCount = kDefaultRoundCount;  // the group round included
    uint8_t legs = kDefaultLegs;             // of a knock-out pairing
    uint8_t groupRound = 0;                  // 0 = none
    uint8_t groups = 1;
    uint8_t teamsPerGroup = kDefaultTeamsPerGroup;
    uint8_t groupLegs = kDefaultGroupLegs;
    // Running totals of the places per qualification slot.
    std::vector<uint16_t> cumulativePlaces;
    std::vector<uint8_t> entryRounds;  // per place, 1-based
    // Kind 1: ranking points for reaching round r (entry r - 1), then the title.
    std::vector<uint8_t> roundPoints;
    std::vector<uint8_t> stageSettings;  // meaning by kind
    uint8_t kind = kCupPlayoff;
    uint8_t flags = 0;
    uint8_t takesPlace = 0;

private:
    StoredTeams storedParticipants_;
    StoredTeams storedRanking_;

    bool HasGroupRound() const { return groupRound != 0; }
    int FirstStageMatchDays() const;
    int SecondStageMatchDays() const;
    int CountPlacesEnteringRound(const std::vector<int>& lateEntrants, int round) const;
    size_t CountSlotsFor(const CupOwnerView& owner) const;
    bool SlotArraysFit(const CupOwnerView& owner) const;
    void FitSlotArrays(const CupOwnerView& owner);
    bool PassesKindChecks(const CupOwnerView& owner) const;
    std::vector<int> CountLateEntrants(const CupOwnerView& owner) const;
    bool RoundsBalance(const std::vector<int>& lateEntrants) const;

    void CollectGroupQualifiers(int round, int entrantsSoFar, std::vector<uint16_t>& entrants) const;
    void CollectPairingWinners(std::vector<uint16_t>& entrants) const;
    void OpenRoundRecord(int round, int entrants);
    std::vector<uint16_t> DrawPlainOrder(const std::vector<uint16_t>& entrants) const;
    std::vector<uint16_t> DrawSeededOrder(const std::vector<uint16_t>& entrants) const;
    void RewardRoundEntrants(const std::vector<uint16_t>& round) const;
    void CarryResultsIntoSecondStage(int position, const std::vector<int>& goingOn);
    // Group tables of a pairing-list position of the group round; the
    // second stage keeps its tables behind the first stage's.
    int SecondStageSlotOffset() const;
    int GroupPoints(int position, bool secondStage) const;
    int GroupGoalDifference(int position, bool secondStage) const;

    // The qualification by kind; false when the places cannot be filled.
    void Qualify(const std::function<bool()>& fill, const std::function<void()>& nominate);
    bool FillContinentalCup(CupContinentSource& continent);
    bool FillContinentalSuperCup(CupContinentSource& continent);
    bool FillNationalCup(CupNationSource& nation);
    bool FillNationalSuperCup(CupNationSource& nation);
    bool FillTitleholderPlace(CupNationSource& nation);
    bool FillChampionship(CupContinentSource& continent);
    bool FillWorldCup(CupWorldSource& world);
    bool FillOlympicTournament(CupWorldSource& world);
    bool IsPlaced(const CTeam* team) const;
    // The cup's index in the continent's further-cup list; the main club
    // cup counts as the index after the last, -1 when it is neither.
    int IndexAmongClubCups(const CupContinentSource& continent) const;
    void Place(int place, CTeam* team, int nationByte);

    // Rounds and results.
    int RoundOfMatchDay(int day) const;
    int GetSecondStageOpponent(int round, int participant, int dayInStage, bool& away) const;
    uint32_t MatchMoney(int inflationPermille) const;
    void RecordGroupResult(const CMatch& match, int round, int dayInRound);
    void RecordKnockOutResult(const CMatch& match, int round, int dayInRound);
    int64_t AchievementKey(int round, int participant) const;
    int GroupPosition(int round, int participant, bool secondStage) const;
    void CollectFinalRanking(std::vector<int>& order) const;
    std::vector<int> TakeLosersOf(const CCup& other, int cupIndex);
    void CreditTitle(CTeam& winner) const;

    bool WriteSettings(BinaryFile& f) const;
    bool ReadSettings(BinaryFile& f);
    bool WriteState(BinaryFile& f) const;
    bool ReadState(BinaryFile& f);
};
