#pragma once

// The squad code's fixed English word tables, indexed from 0.
// Skill and trait names live with the player record in world/PlayerNames.h,
// health-type names with the screens' words in engine/ScreenWords.h; the
// player card uses those same tables.

constexpr int kResponsibilityCount = 4;
constexpr int kInjuryKindCount = 27;
constexpr int kMatchInjuryKindCount = 21;  // kinds 21-26 are the training's sicknesses
constexpr int kTalentCount = 5;

// Captain, 7m takers, 7m goalkeeper (the three ranked lists), free shot.
extern const char* const g_responsibilityNames[kResponsibilityCount];
// "GK" ... "LP" by position 0-6.
extern const char* const g_injuryNames[kInjuryKindCount];

// The player card's words.
extern const char* const g_cardTalentNames[kTalentCount];
extern const char* const g_cardPositionNames[7];
extern const char* const g_cardHandNames[2];
// Appended to a special skill's name for levels 0, 2, 3 and 4.
extern const char* const g_cardSkillLevelSuffixes[4];
extern const char* const g_cardPopularityNames[3];
