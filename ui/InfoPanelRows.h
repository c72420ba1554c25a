#pragma once

#include <array>
#include <string>

class CTeam;

// What the team card shows in its seven rows: a "label/value" text, and for
// some rows a value drawn as a row of small icons.
enum class InfoIcons { kNone, kStrength, kSatisfaction, kLiquidity, kProspects };

struct InfoPanelRow {
    std::string text;
    InfoIcons icons = InfoIcons::kNone;
    int value = 0;  // 0 to 15 for icon rows
};

constexpr int kInfoPanelRows = 7;
using InfoPanelRows = std::array<InfoPanelRow, kInfoPanelRows>;

// The card's forms: the user's club in the status panel, or any club.
enum class InfoPanelForm { kOwnTeam = 0, kTeamInformation = 1 };

InfoPanelRows MakeInfoPanelRows(const CTeam& team, InfoPanelForm form);

// A value of 1 to 15 shows as up to five icons of one of three kinds, the
// kind rising every five; 0 shows none. Values outside 0 to 15 are clamped.
struct IconGroup {
    int kind = 0;
    int count = 0;
};
IconGroup IconGroupOf(int value);

// The icon values of a strength and of the club's satisfaction.
int StrengthIconValue(float strength);
int SatisfactionIconValue(int clubConfidence, int fanReputation);
