#pragma once

#include <string>
#include <vector>

#include "platform/DeviceContext.h"

class CPlayer;
class CTeam;

// What the match panels of CTeam share (the condition gauge, the attribute
// comparison and the strength bar): the opponent, the players they count,
// the box they stand in and the bar picture they stretch.

// Skin colours of the panels.
constexpr int kPanelEdgeColour = 0;
constexpr int kPanelFillColour = 6;
constexpr int kPanelValueColour = 8;
constexpr int kPanelTitleColour = 43;
constexpr int kPanelTeamColour = 44;
constexpr int kPanelOpponentColour = 45;

// Cells of the bar picture (g_bmpBar): 0 to 2 from weak to strong, 3 the
// own team's; the opponent's bars take the weakest.
constexpr int kBarCellStrongest = 2;
constexpr int kBarCellOpponent = 0;
constexpr int kBarCellTeam = 3;

// The team's next opponent; null when there is none, or only the no-club team.
CTeam* PanelOpponent(const CTeam& team);

enum class Formation { kDefence, kOffence };
// The players standing in the formation's slots, or the whole squad.
std::vector<CPlayer*> PanelPlayers(const CTeam& team, Formation formation, bool wholeSquad);

// The integer mean of value over the players; 0 without players.
template <typename Value>
int MeanOf(const std::vector<CPlayer*>& players, Value value) {
    int sum = 0;
    for (const CPlayer* p : players)
        sum += value(*p);
    return players.empty() ? 0 : sum / static_cast<int>(players.size());
}

// The box in the panel colours; text then goes transparent in a font that
// many tenths of a point high.
void BeginPanel(DeviceContext& dc, const Rect& r, int tenths);
void DrawPanelText(DeviceContext& dc, const std::string& text, const Rect& r, unsigned format, int skinColour);
// The teams' short names centred in the two halves of the strip.
void DrawSideNames(DeviceContext& dc, const Rect& strip, const CTeam& team, const CTeam* opponent);
// A cell of the bar picture stretched into the bar.
void DrawBarCell(DeviceContext& dc, const Rect& bar, int cell);
