#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "world/CompetitionMask.h"
#include "world/Cup.h"
#include "world/PlayerSearch.h"
#include "world/WorldRef.h"

class BinaryFile;
class CContinent;
class CMatch;
class CNation;
class CPlayer;
class CTeam;

// The root of the game data: the continents, the two world tournaments, the
// world federation and the start year. The main window owns the one world;
// the world file and the world part of a save game are its file form.
class CWorld {
public:
    static constexpr uint16_t kDefaultStartYear = 2003;
    // Host fields: continent << 8 | nation.
    static constexpr uint16_t kNoHost = 0xFFFF;
    static constexpr int kHostContinentShift = 8;
    static constexpr uint16_t kHostNationMask = 0xFF;
    static constexpr uint32_t kDefaultPresidentBirthday = 0x079E0101;  // 1 January 1950
    // The continent and nation counts are stored in one byte each.
    static constexpr size_t kMaxListSize = 255;

    CWorld();
    ~CWorld();
    CWorld(const CWorld&) = delete;
    CWorld& operator=(const CWorld&) = delete;

    // The world file (saveGame 0) or a save game's world part (1), which
    // adds the hosts, the national squads and the transfer deals. Read
    // expects an empty world; after a failed read, Clear empties it again.
    bool Write(BinaryFile& f, uint8_t saveGame) const;
    bool Read(BinaryFile& f, uint8_t saveGame);
    // Removes the continents and the tournaments' running season; names,
    // birthday, start year and hosts stay.
    void Clear();

    // National-squad entries the last Read had to drop because their club
    // player could not be found; the caller tells the user.
    size_t DroppedNationalPlayers() const { return droppedNationalPlayers_; }
    // National players who sit in no league or extra team's squad. The save
    // game cannot name them, so they would leave their squad on loading.
    void FindClublessNationalPlayers(std::vector<CPlayer*>& players) const;

    // World references. A team or player found nowhere gives kRefNotFound
    // (and squad index 0). A player is looked for in the likely nation's
    // teams before the whole world is searched.
    WorldRef GetTeamRef(const CTeam* team) const;
    WorldRef GetPlayerRef(const CPlayer* player, uint8_t& squadIndex, const CNation* likelyNation = nullptr) const;
    WorldObject ResolveRef(WorldRef ref, RefLevel stopAt = RefLevel::kTeam) const;
    // The team a reference names, &g_noClubTeam when none.
    CTeam* ResolveTeam(WorldRef ref) const;

    // Queries over the whole tree, in its order.
    bool ContainsPlayer(const CPlayer* player, bool extraTeams, bool freePlayers) const;
    // The players of every league club and, with extraTeams, of every extra
    // team: the answer of ContainsPlayer(player, extraTeams, false) for many
    // players at once, while no club squad changes.
    std::unordered_set<const CPlayer*> CollectClubPlayers(bool extraTeams) const;
    bool IsNationalPlayer(const CPlayer* player) const;
    // Appends; true when players is then not empty.
    bool GetAgreedTransfersToTeam(const CTeam* team, std::vector<CPlayer*>& players) const;
    void DropTeamFromTransferDeals(const CTeam* team);
    // Appends the league players that pass every filter.
    void SearchPlayers(std::vector<CPlayer*>& result, const PlayerSearchFilter& filter) const;
    // Appends every player the search of the scope's nations looks at, in
    // the order it looks; the other filters are not applied. Searches that
    // look at the same players again test them with PlayerSearchCriteria
    // (world/PlayerSearchCriteria.h).
    void CollectSearchedPlayers(std::vector<CPlayer*>& result, const PlayerSearchFilter& scope) const;

    // The calendar (engine/WorldCalendar*.cpp). The day step and the match-day
    // runner drive the world through these; each passes its step down to
    // the continents and the two world tournaments.
    //
    // Weekly and dated steps.
    void DoWeeklyStep();          // Mondays
    // Later on Mondays, with the weekly report: the nations decide the
    // week's transfer talks.
    void DoWeeklyClubStep();
    void UpdateTransferLists();   // 15 January
    void DoHalfYearLeagueStep();  // 15 June and 15 December
    // The 16th of every third month rebuilds every national squad but the
    // user's; includeUser adds his, onlyUser rebuilds his alone.
    void NominateNationalSquads(bool includeUser, bool onlyUser);
    // At the season start (CManager::StartNewSeason): every national team
    // but the user's whose coach has lost his backing, or that has none,
    // gets one from its nation's pool.
    void AppointMissingNationalCoaches();

    // The change of season on 30 June, in this order. FindNextUserMatch
    // also runs after every match day and once a new game has its manager.
    void AwardContinentalTitles();
    void CarryOutAgreedTransfers();
    void EndSeason();
    void StartNewSeason();
    // The team whose match was found (the user's club or national team);
    // the user's club when there is none this season.
    CTeam* FindNextUserMatch();
    // After a game was loaded, whose file holds all that the last search
    // set but the pointers: the team of the user's next match, from the day
    // about to begin on, and its opponent. Nothing else changes, so the
    // loaded game goes on as the saved one.
    CTeam* RestoreNextUserMatch();

    // Match days: collect the day's matches (false when the day has none),
    // SimulateMatches plays them, then complete the day with its code.
    bool CollectTodaysMatches(std::vector<CMatch*>& matches);
    void CompleteMatchDay(CompetitionMask code);

    // The season calendar g_dayCodes, laid out for the world's leagues and
    // cups, and its match-day numbers as the user's club reads them.
    void BuildSeasonCalendar();
    void NumberCalendarMatchDays();

    // A world freshly read for a new game: missing defaults, the first
    // Monday of July of the start year, hosts, squads, and the continents'
    // qualification of the season before played at once, whose qualifiers
    // the first season's tournament takes.
    void PrepareNewGame();
    void FixUpAfterLoad();

    // Hosts: continent << 8 | nation, kNoHost when the drawn continent has
    // no nation.
    void PickQuadrennialHost();  // the olympic tournament
    void PickBiennialHost();     // the world cup
    void PickContinentHosts();   // each continent's championship

    std::vector<std::unique_ptr<CContinent>> continents;
    CCup worldCup;
    CCup olympia;
    std::string shorthand;  // of the world federation
    std::string president;
    uint32_t presidentBirthday = kDefaultPresidentBirthday;
    uint16_t startYear = kDefaultStartYear;
    uint16_t olympicHost = kNoHost;
    uint16_t worldCupHost = kNoHost;

private:
    bool ReadWhole(BinaryFile& f, uint8_t saveGame);
    void ResolveStoredTeamRefs();
    bool WriteNationalSquads(BinaryFile& f) const;
    bool ReadNationalSquads(BinaryFile& f);
    bool ReadNationalSquad(BinaryFile& f, CNation& nation);
    bool WriteTransferDeals(BinaryFile& f) const;
    bool ReadTransferDeals(BinaryFile& f);

    void RetireNationalPlayers();
    // Players whose careers ended leave every national squad before they
    // are gone for good.
    void ReleaseEndedCareers();
    void CleanTransferLists();
    void ComputeNextMatchAttendance(CTeam& team);

    size_t droppedNationalPlayers_ = 0;
};

// Plays a list of matches at once: each is prepared, then all advance
// together in time slices to the end of extra time, and those still level
// are decided by a 7m shoot-out.
void SimulateMatches(const std::vector<CMatch*>& matches);
// Takes the pairings decided in an earlier leg, or by forfeit, out of a
// match day's list: they are not played again.
void DropDecidedMatches(std::vector<CMatch*>& matches);
