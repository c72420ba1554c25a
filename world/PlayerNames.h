#pragma once

// The words that name a player's traits and special skills; the health
// types are named by g_healthTypeNames (engine/ScreenWords.h).
// Skills 0-9 of a field player are entries 0-9 of the skill tables; a
// goalkeeper's skills 0-4 are entries 10-14.
constexpr int kSkillNameCount = 15;
constexpr int kKeeperSkillNameOffset = 10;

extern const char* const g_characterTraitNames[11];
extern const char* const g_styleTraitNames[10];
extern const char* const g_skillNames[kSkillNameCount];
extern const char* const g_skillNamesLong[kSkillNameCount];
