#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The report of the live match. The engine records what happened as
// events; the commentary turns them into lines for the match screen.

enum class MatchEventKind : uint8_t {
    kAction,    // an attack: kind, attacker, defender, passed, scored
    kCard,      // a card or time penalty of player
    kInjury,    // player was injured
    kShootout,  // the 7m shoot-out begins
};

struct MatchEvent {
    MatchEventKind what = MatchEventKind::kAction;
    // Actions: the attacking side; cards and injuries: the player's side.
    uint8_t side = 0;        // 0 home, 1 away
    uint8_t kind = 0;        // action kind 0-5
    int16_t attacker = -1;   // squad index, -1 for none
    int16_t defender = -1;   // squad index of the defending team
    bool passed = false;     // got past the defence; kind 5: a shoot-out kick
    bool scored = false;
    uint8_t homeGoals = 0;   // the score after the event
    uint8_t awayGoals = 0;
    uint16_t clock = 0;      // engine clock when it happened
};

extern std::vector<MatchEvent> g_matchEvents;
extern std::vector<std::string> g_matchLines;
extern std::vector<uint32_t> g_matchLineColours;
extern std::vector<uint16_t> g_matchLineWords;
extern std::vector<uint32_t> g_matchLineValues;
// Time penalties of the live match, seconds left << 8 | squad index:
// A for the away side, B for the home side.
extern std::vector<uint16_t> g_matchSideWordsA;
extern std::vector<uint16_t> g_matchSideWordsB;

// Empties the report and the time-penalty lists for a new live match.
void ClearMatchReport();
