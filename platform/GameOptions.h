#pragma once

#include <cstdint>

// The user's game options that live outside the main window's option word.

// Event boxes (flag MSG_EVENT) are shown; off, they are skipped unseen.
extern bool g_optShowEvents;

// The main window's option word, null until the window exists.
extern const uint32_t* g_pOptions;
// All back to how the program starts, before any window.
void ResetOptions();
// Gradients are filled with one stretched strip instead of a line per row.
constexpr uint32_t kOptionGradientStrips = 0x8000;
// At the end of every season each division's clubs are shared out again
// among its leagues by region.
constexpr uint32_t kOptReassignLeagueClubs = 0x20000;
constexpr uint32_t kOptWomensGame = 0x80000;
// The new-game wizard lets the user choose the nations that stay active.
constexpr uint32_t kOptChooseActiveNations = 0x200000;
// Whether the main window lets game time run or shows a match day; null
// until the window exists. The team screens lay their panels out by it.
extern bool* g_pRunning;
inline bool IsGameRunning() { return g_pRunning && *g_pRunning; }
inline bool IsWomensGame() { return g_pOptions && (*g_pOptions & kOptWomensGame); }
inline bool ReassignsLeagueClubs() { return g_pOptions && (*g_pOptions & kOptReassignLeagueClubs); }
