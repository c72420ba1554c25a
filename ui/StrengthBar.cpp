#include <algorithm>

#include "platform/Text.h"
#include "ui/KeepTools.h"
#include "ui/MatchPanel.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

// Four lines, each two elevenths of the height high and one and a half
// line heights below the one before: the opponent's caption, his bar, the
// team's bar, the team's caption.
constexpr int kElevenths = 11;
constexpr int kUnitElevenths = 2;
constexpr int kCaptionTenthsPerUnit = 4;  // a font a little lower than the line
constexpr int kEdge = 2;  // the box's edge, kept clear of text and bars

enum Line : int { kOpponentCaption, kOpponentBar, kTeamBar, kTeamCaption };

Rect LineOf(const Rect& r, int unit, Line line) {
    const int top = r.top + line * 3 * unit / 2;
    return {r.left, top, r.right, top + unit};
}

// Each player's strength in the role is worked out afresh before it counts.
float StrengthSum(const CTeam& team, Formation formation) {
    const bool offence = formation == Formation::kOffence;
    float sum = 0;
    for (CPlayer* p : PanelPlayers(team, formation, false)) {
        p->UpdatePlayingStrength(offence);
        sum += p->playingStrength;
    }
    return sum;
}

// The stronger side's bar spans the line; both sums 0 draw no bars.
void DrawStrength(DeviceContext& dc, const Rect& line, float sum, float longest, int cell) {
    const int length = longest == 0 ? 0 : static_cast<int>(line.Width() * static_cast<double>(sum) / longest);
    const Rect bar{line.left + kEdge, line.top, line.left + length - kEdge, line.bottom};
    DrawBarCell(dc, bar, cell);
    if (sum != 0)
        DrawPanelText(dc, Format("%.1f", sum), bar, TextCentred | TextNoClip, kPanelValueColour);
}

void DrawCaption(DeviceContext& dc, const std::string& text, const Rect& line, int skinColour) {
    DrawPanelText(dc, text, {line.left + kEdge, line.top, line.right - kEdge, line.bottom},
                  TextLeft | TextVCenter | TextSingleLine, skinColour);
}

}  // namespace

void CTeam::DrawAttackDefenceBar(const Rect& r, DeviceContext& dc, bool offence) {
    const int u = r.Height() / kElevenths * kUnitElevenths;
    if (u <= 0)
        return;
    KeepTools keep(dc);
    BeginPanel(dc, r, u * kCaptionTenthsPerUnit);
    const Formation ours = offence ? Formation::kOffence : Formation::kDefence;
    const Formation theirs = offence ? Formation::kDefence : Formation::kOffence;
    const CTeam* opponent = PanelOpponent(*this);
    const float sum = StrengthSum(*this, ours);
    const float opponentSum = opponent ? StrengthSum(*opponent, theirs) : 0;
    const float longest = std::max(sum, opponentSum);

    if (opponent) {
        DrawCaption(dc, opponent->name + (offence ? " - defence" : " - offence"), LineOf(r, u, kOpponentCaption),
                    kPanelOpponentColour);
        DrawStrength(dc, LineOf(r, u, kOpponentBar), opponentSum, longest, kBarCellOpponent);
    }
    DrawStrength(dc, LineOf(r, u, kTeamBar), sum, longest, kBarCellTeam);
    DrawCaption(dc, name + (offence ? " - offence" : " - defence"), LineOf(r, u, kTeamCaption), kPanelTeamColour);
}
