#pragma once

#include <cstdint>
#include <vector>

#include "squad/SlotMembership.h"
#include "world/Match.h"
#include "world/Player.h"
#include "world/Team.h"

class CPlayer;
class CTeam;

// How the engine reads and moves a team's squad, lineup and tactics. The
// lineup slots hold squad index + 1; these helpers speak squad indexes,
// -1 for an empty slot.
namespace match_team {

// The match asks these for every player and action: they are inline.
inline int SquadSize(const CTeam& team) { return static_cast<int>(team.squad.size()); }
inline CPlayer& PlayerAt(CTeam& team, int index) { return *team.squad[static_cast<size_t>(index)]; }
inline const CPlayer& PlayerAt(const CTeam& team, int index) { return *team.squad[static_cast<size_t>(index)]; }
inline int SlotPlayer(const CTeam& team, int slot) {
    if (slot < 0 || slot >= kLineupSlotCount)
        return -1;
    const int player = team.lineup[static_cast<size_t>(slot)] - 1;
    return player < SquadSize(team) ? player : -1;
}
void SetSlot(CTeam& team, int slot, int player);

inline uint16_t OffenceWeights(const CTeam& team) { return team.offenceWeights; }
inline uint16_t DefenceTactics(const CTeam& team) { return team.defenceTactics; }
inline uint32_t MarkingWord(const CTeam& team) { return team.markingAssignments; }
inline uint8_t DefenceSystem(const CTeam& team) { return team.defenceSystem; }
std::vector<uint16_t>& Injuries(CTeam& team);

// The three fields of the defence-tactics word.
inline int Effort(const CTeam& team) { return DefenceTactics(team) & 7; }
inline int Roughness(const CTeam& team) { return (DefenceTactics(team) >> 3) & 7; }
inline int FastBreakFrequency(const CTeam& team) { return (DefenceTactics(team) >> 6) & 7; }

// An advanced defender stands in this defence slot (1-6) of the system.
bool IsAdvancedDefenceSlot(int system, int slot);
// The man-marking nibble of defence slot 1-6.
inline int Marking(const CTeam& team, int slot) { return (MarkingWord(team) >> (4 * (slot - 1))) & 15; }

}  // namespace match_team

// A player's marks while the match runs.
namespace match_player {

inline int Energy(const CPlayer& p) { return p.matchMarks >> MatchMarks::kEnergyShift; }
inline void SetEnergy(CPlayer& p, int energy) {
    p.matchMarks = static_cast<uint16_t>((p.matchMarks & ~MatchMarks::kEnergyMask) |
                                         (energy << MatchMarks::kEnergyShift & MatchMarks::kEnergyMask));
}
inline bool IsOutOfPlay(const CPlayer& p) { return p.matchMarks & MatchMarks::kOutOfPlay; }
// Yellow card, first and second suspension already given.
int CardCount(const CPlayer& p);

}  // namespace match_player

namespace match_team {

// Where a player stands on the match sheet of the given size.
struct Fielding {
    bool onSheet = false;
    bool inOffence = false;
    bool inDefence = false;
    bool InBoth() const { return inOffence && inDefence; }
    bool InOne() const { return inOffence != inDefence; }
    bool Substitute() const { return onSheet && !inOffence && !inDefence; }
};

// Where every player of a squad stands on the match sheet, read once from
// the lineup for a pass over the whole squad, during which the lineup must
// not change. Asks as GetFielding does, without a look at every slot.
class SquadFielding {
public:
    SquadFielding(const CTeam& team, int sheetSize);
    Fielding Of(int player) const;

private:
    SlotMembership slots_;
    uint32_t slotsInUse_;
};

// The fans' mood 0-7 of the club.
int FansMood(const CTeam& team);
}  // namespace match_team

class CArena;
class CFinance;

namespace match_team {

CArena& TeamArena(CTeam& team);
const CArena& TeamArena(const CTeam& team);
CFinance& TeamAccount(CTeam& team);
const CFinance& TeamAccount(const CTeam& team);

// The manager's part: his club's season figures.
// Points 0-2 of a match of the user's club; nothing for another club.
void RecordUserMatchResult(const CTeam& team, int points, bool counted);
void RecordUserCountedMatch(const CTeam& team);
void RecordUserHomeCrowd(const CTeam& home, uint32_t spectators);
// Injuries picked up with the national team go with the players to their
// clubs.
void ReturnInjuriesToClubs(CTeam& nationalTeam);

}  // namespace match_team

namespace match_team {

// The lineup's picks and queries, asked with the match's sheet size.
Fielding GetFielding(CTeam& team, int player, int sheetSize);
int PickPenaltyTaker(CTeam& team, int sheetSize);
int PickPenaltyGoalkeeper(CTeam& team, int sheetSize);
int PickCaptain(CTeam& team, int sheetSize);
int CountAvailableStarters(CTeam& team);
void ValidateLineup(CTeam& team);
bool IsUsersTeam(const CTeam& team);

}  // namespace match_team
