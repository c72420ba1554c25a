#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "world/CompetitionMask.h"
#include "world/Team.h"
#include "world/TransferMarket.h"

class BinaryFile;
class CCup;
class CLeague;
class CMatch;
class CReferee;
class CSponsor;
class CWorld;
struct CupOwnerView;
struct PlayerRecipe;

// One person of a nation's pool of free coaches or managers.
struct StaffPerson {
    std::string firstName;
    std::string surname;
    uint32_t birthday = 0;  // packed
    uint8_t code = 0;       // bits 0-3 competence 1-10, 4-7 attitude 0-7 (coaches only)

    int GetCompetence() const { return code & 0x0F; }
};

// One goalkeeper coach of a nation's pool: a full name and a competence.
struct KeeperCoachPerson {
    std::string name;
    uint8_t code = 0;  // bits 0-3 competence
};

// A name for a new person of a nation.
struct PersonName {
    std::string firstName;
    std::string nickname;
    std::string surname;
    uint16_t nationality = 0;
};

enum class StaffPost { kCoach, kKeeperCoach, kManager };

// One country of a continent: its leagues, the clubs outside them (extra
// teams), its national team, national cups, referees, sponsor pool, the
// pools of free staff from which its clubs appoint people, its free
// players and its season points for the continent's coefficient.
//
// The national team's squad lends the players of their clubs: the nation
// never deletes them.
class CNation {
public:
    static constexpr uint32_t kDefaultPresidentBirthday = 0x079E0101;  // 1 January 1950
    // Season points and club counts: index 0 the running season, 1-3 the
    // three seasons before.
    static constexpr int kSeasonHistory = 4;
    // Cups 0 and 1 always exist; cup 2, when present, is the championship
    // play-off.
    static constexpr size_t kNationalCup = 0;
    static constexpr size_t kNationalSuperCup = 1;
    static constexpr size_t kChampionshipPlayoff = 2;
    static constexpr size_t kFixedCupCount = 2;
    // Every list of the nation's file form has a one-byte count.
    static constexpr size_t kMaxListSize = 255;

    CNation();
    ~CNation();
    CNation(const CNation&) = delete;
    CNation& operator=(const CNation&) = delete;

    // The save-game flag adds the extra teams, the free players and the
    // national team's state; every contained object gets the same flag.
    bool Write(BinaryFile& f, uint8_t saveGame) const;
    // On failure the nation is partly read; the caller drops it.
    bool Read(BinaryFile& f, uint8_t saveGame);

    // Queries.
    // Mean points of the three finished seasons per club that earned them.
    float GetCoefficient() const;
    // The lowest division's number; 0 without leagues.
    int GetMaxDivision() const;
    float GetAverageLeagueStrength() const;
    // Every league passive (also when there is none).
    bool IsInactive() const;
    // Two or more leagues share the top division.
    bool HasParallelTopLeagues() const;
    // Null when the season gave no champion.
    CTeam* GetChampion() const;
    // New-game wizard: every active league keeps its top clubs and is played
    // passively from then on.
    void MakeInactive();
    // The season's best player of the leagues that play, among those who
    // played in more than a quarter of the regular match days; null when
    // nobody did.
    CPlayer* PickPlayerOfTheYear() const;

    // The pools.
    // A random sponsor whose level suits a yearly amount; -1 when none.
    int PickSponsor(uint32_t amount) const;
    // The pool's person whose competence comes closest to the club's
    // strength, else a new random person. The club's old person returns to
    // the pool unless he is gone for good (too old, unnamed, the user).
    bool AppointStaffFromPool(CTeam& club, StaffPost post);
    // A new youth player of the club, better the more the club spends on
    // its youth team (euros a season).
    bool CreateYouthPlayer(CTeam& club, uint32_t youthSpending);

    // Generated people.
    // Borrowed from two players of the nation's clubs unless `generated`,
    // else (or when none can be found) made up.
    PersonName DrawNameFromPlayers(bool generated) const;
    // A staff person of about `base` competence, aged 25 to 64.
    StaffPerson CreateRandomPerson(float base, bool withAttitude) const;

    // The season (engine/NationSeason*.cpp), each step passed down by the
    // continent: the new game, the season's start, a match day's collection
    // (matches with referees appended to list) and completion, the week,
    // the play-offs once every league is over, and the season's end with
    // promotion, relegation, departures and the pools' turnover.
    void SetUpForNewGame();
    void StartSeason();
    void CollectTodaysMatches(CompetitionMask code, std::vector<CMatch*>& list);
    void CompleteMatchDay(CompetitionMask code);
    void DoWeekStep();
    void StartPlayOffs();
    void EndSeason();
    // Each division's clubs of the leagues that play, shared out again by
    // region: the leagues keep their sizes and, where they can, the clubs
    // their table places. The season's end runs it when the user asks.
    void ReassignLeagueClubs();
    // What the structure check of the nation's cups reads of it.
    CupOwnerView GetCupOwnerView() const;

    // Clubs and players (engine/NationClubs.cpp).
    // The first club of that name in the leagues (in order), then among the
    // extra teams.
    bool FindTeamByName(const std::string& name, CTeam*& team) const;
    // inLeagues: a club of a league; inCups: in a cup's ranking list, or
    // one of its players stands in the user's national squad.
    bool IsTeamInvolved(const CTeam* team, bool inLeagues, bool inCups) const;
    // A new player of the nation, named after its players unless nameless.
    std::unique_ptr<CPlayer> GeneratePlayer(const PlayerRecipe& recipe, bool nameless) const;
    // Beyond what a save game can hold, the weakest free players, the
    // oldest first among equals, end their careers.
    void RetireSurplusFreePlayers();
    // A player whose career ends is kept in endedCareers until the world
    // has taken him out of the national squads, which only lend him.
    void EndCareer(PlayerPtr player);

    // Clubs for the cups. A new extra team is a generated club of about
    // levelPercent of the division's strength and talent, spread by
    // spreadPercent; removed extra teams leave their names for later clubs.
    // The fills write count clubs into places from index on, from table place (or national
    // cup rank) `first` on, made-up clubs where the list runs short.
    const CCup* NationalCup() const;
    // The national cup's name and how far the club has come in it
    // (engine/NationCupRound.cpp); empty without cups.
    std::string FormatNationalCupRound(const CTeam* club) const;
    CTeam* CreateExtraTeam(int division, int levelPercent, int spreadPercent);
    void RemoveExtraTeamsFrom(size_t index);
    bool FillCupPlacesByTable(int first, int count, std::vector<CTeam*>& places, int index);
    bool FillCupPlacesByNationalCup(int first, int count, std::vector<CTeam*>& places, int index);

    // The transfer market of the nation's clubs: the list and its file form
    // in world/, the talks and decisions in transfers/.
    // Listing: refused while the player carries a transfer status bit; a
    // player without a professional contract goes for his training
    // compensation (free when that is 0) and is never lent.
    bool AddToTransferList(CPlayer* player, uint32_t price, bool loan, bool free, bool fromScreens);
    bool GetTransferEntry(size_t index, TransferEntry& entry) const;
    bool GetTransferEntryOfPlayer(const CPlayer* player, TransferEntry& entry) const;
    bool RemoveTransferEntry(size_t index);
    bool RemoveFromTransferList(const CPlayer* player);
    // False while talks run or, in the window, for a free transfer.
    bool WithdrawFromTransferList(const CPlayer* player);
    void ClearTalksDayOffset(const CPlayer* player);
    // Lists the player if needed; renewed talks keep their day offset and
    // take the new club.
    bool OpenTransferTalks(CPlayer* player, CTeam* club, int offset, bool noCounter);
    bool HasTransferTalks(const CPlayer* player) const;
    // Monday: every club that listed a player decides on the talks about
    // him; a sale goes through CompleteTransfer. Then the talks are over.
    void ResolveTransferTalks();
    // Books the fee; in the window the move waits for the season change.
    bool CompleteTransfer(CPlayer* player, CTeam* seller, CTeam* buyer, const CLeague* buyerLeague,
                          bool newContract, bool useValue, uint32_t fee);
    bool SetAgreedTransferTerms(const CPlayer* player, const PlayerContract& terms);
    bool GetAgreedTransferTerms(const CPlayer* player, PlayerContract& terms) const;
    bool IsTransferAgreed(const CPlayer* player) const;
    bool GetAgreedTransferTeam(const CPlayer* player, CTeam*& club) const;
    // Empties players first; true when any was found.
    bool GetAgreedTransfersToTeam(const CTeam* club, std::vector<CPlayer*>& players) const;
    // 15 January.
    void UpdateTransferList();
    // The change of season: every agreed player joins his new club.
    void CarryOutAgreedTransfers(const CWorld& world);
    void RemovePlayerFromTransferDeals(CPlayer* player);
    void DropTeamFromTransferDeals(const CTeam* club);
    // Save games: players and clubs as references into world.
    bool WriteTransferDeals(BinaryFile& f, const CWorld& world) const;
    bool ReadTransferDeals(BinaryFile& f, const CWorld& world);

    // The transfer market: words 2k and 2k + 1 of the terms belong to
    // agreed transfer k; the entries run parallel to the listed players.
    std::vector<uint32_t> agreedTransferTerms;
    std::vector<TransferPair> agreedTransfers;
    std::vector<TransferPair> transferTalks;
    std::vector<uint32_t> transferEntries;
    std::vector<CPlayer*> listedPlayers;  // not owned
    PlayerList freePlayers;
    PlayerList endedCareers;  // not stored; see EndCareer
    std::vector<std::unique_ptr<CLeague>> leagues;
    uint16_t nationNumber = 0;  // index into the nation tables
    std::vector<std::unique_ptr<CTeam>> extraTeams;
    std::vector<std::unique_ptr<CReferee>> referees;
    std::vector<std::unique_ptr<CSponsor>> sponsors;  // level in financialSituation, 0-7
    std::vector<std::unique_ptr<CCup>> cups;
    std::array<uint16_t, kSeasonHistory> seasonPoints{};
    CTeam nationalTeam;
    std::vector<std::string> dissolvedTeamNames;
    std::array<uint8_t, kSeasonHistory> clubCounts = {1, 1, 1, 1};
    std::string president;
    uint32_t presidentBirthday = kDefaultPresidentBirthday;
    std::string shorthand;
    std::vector<StaffPerson> coachPool;
    std::vector<StaffPerson> managerPool;
    std::vector<KeeperCoachPerson> keeperCoachPool;

private:
    bool WritePools(BinaryFile& f) const;
    bool ReadPools(BinaryFile& f);
    bool WriteCups(BinaryFile& f, uint8_t saveGame) const;
    bool ReadCups(BinaryFile& f, uint8_t saveGame);
    bool WriteNationalTeamState(BinaryFile& f, uint8_t saveGame) const;
    bool ReadNationalTeamState(BinaryFile& f, uint8_t saveGame);
    bool DrawNamePart(bool surname, std::string& part) const;
    void AppointCoach(CTeam& club);
    void AppointKeeperCoach(CTeam& club);
    void AppointManager(CTeam& club);
    bool FindListedPlayer(const CPlayer* player, size_t& index) const;
    bool FindAgreedTransfer(const CPlayer* player, size_t& index) const;
    bool GetAgreedTransferTermsAt(size_t index, PlayerContract& terms) const;
    void RemoveAgreedTransfer(size_t index);
    // The season end's departures, second teams, contracts and the staff
    // pools' turnover.
    void TurnOverPeople();
    // Every pair judges one of the matches from `first` on before any
    // judges a second.
    void AssignReferees(std::vector<CMatch*>& list, size_t first) const;
};

// A club name that no club of the nation bears yet.
std::string GenerateClubName(const CNation& nation);
