#include "screens/FormationPoints.h"
#include "screens/ScreenState.h"
#include "screens/SquadPlayers.h"
#include "squad/LineupSlots.h"
#include "ui/MatchPanel.h"
#include "ui/PlayerViews.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/Vocabulary.h"

// The formation boards of the lineup and tactics screens: a card for every
// slot of a formation at its point of a 300 x 300 court scaled to the
// board's rectangle. Each card's rectangle is kept for the clicks.

namespace {

constexpr double kCourtSize = 300.0;
constexpr int kCardsAcross = 8;  // a card is an eighth of the board wide
constexpr int kCardsDown = 7;    // and a seventh high
// The opponent's formations face the user's from the other half.
constexpr Point kOpponentDefenceMirror{262, 292};
constexpr Point kOpponentOffenceMirror{300, 220};
// Systems "6 : 0" and "4 : 2" have no line player in defence: the sixth
// place asks for a second centre back.
constexpr int kSixNilSystem = 1;
constexpr int kFourTwoSystem = 3;

struct Board {
    const Rect& r;
    double sx;
    double sy;
    int cardWidth;
    int cardHeight;
};

Board BoardOf(const Rect& r) {
    return {r, r.Width() / kCourtSize, r.Height() / kCourtSize, r.Width() / kCardsAcross, r.Height() / kCardsDown};
}

Rect CardAt(const Board& b, Point court) {
    const int left = static_cast<int>(court.x * b.sx) + b.r.left;
    const int top = static_cast<int>(court.y * b.sy) + b.r.top;
    return {left, top, left + b.cardWidth, top + b.cardHeight};
}

// The player of the slot on his card in the team's colour, or the empty
// place asking for its position.
void DrawSlotCard(CTeam& team, DeviceContext& dc, int slot, const Rect& card, int emptyCode, bool compact) {
    g_lineupCardRects[static_cast<size_t>(slot)] = card;
    if (CPlayer* p = PlayerInSlot(team, slot))
        p->DrawCard(card, dc, slot >= kSlotFirstOffence, team.GetMatchColour(), compact);
    else
        DrawEmptyCard(card, dc, emptyCode);
}

bool HasNoLinePlayer(int system) { return system == kSixNilSystem || system == kFourTwoSystem; }

int DefenceCode(int system, int slot) {
    return slot == kSlotLastDefence && HasNoLinePlayer(system) ? kCentreBack : slot;
}

Point DefencePoint(int system, int slot) {
    return g_defenceFormationPoints[(system - 1) * kStarterSlotCount + slot];
}

bool HasSystem(const CTeam& team) { return team.defenceSystem >= 1 && team.defenceSystem <= kDefenceSystemCount; }

}  // namespace

void CTeam::DrawDefenceFormation(DeviceContext& dc, const Rect& r) {
    if (!HasSystem(*this))
        return;
    const Board b = BoardOf(r);
    for (int slot = kSlotGoalkeeper; slot <= kSlotLastDefence; ++slot)
        DrawSlotCard(*this, dc, slot, CardAt(b, DefencePoint(defenceSystem, slot)), DefenceCode(defenceSystem, slot),
                     false);
}

// The offence formation, then the bench; the bench's cards but its last
// leave out their middle line, so that they fit the column.
void CTeam::DrawOffenceFormation(DeviceContext& dc, const Rect& r, bool shifted) {
    const Board b = BoardOf(r);
    const int lastSlot = SlotsInUse(g_matchSheetSize) - 1;
    for (int slot = kSlotFirstOffence; slot <= lastSlot; ++slot) {
        const int j = slot - kSlotFirstOffence;
        Rect card = CardAt(b, g_offenceFormationPoints[j]);
        if (shifted && slot <= kSlotLastOffence)
            card.Offset(-b.cardWidth / 3, b.cardHeight * 5 / 3);
        const int emptyCode = slot <= kSlotLastOffence ? j + 1 : CPlayer::kNoSlot;
        DrawSlotCard(*this, dc, slot, card, emptyCode, slot >= kSlotFirstBench && slot < lastSlot);
    }
}

void CTeam::DrawOpponentDefence(DeviceContext& dc, const Rect& r) {
    CTeam* opponent = PanelOpponent(*this);
    if (!opponent || !HasSystem(*opponent))
        return;
    const Board b = BoardOf(r);
    for (int slot = kSlotGoalkeeper; slot <= kSlotLastDefence; ++slot) {
        const Point p = DefencePoint(opponent->defenceSystem, slot);
        DrawSlotCard(*opponent, dc, slot, CardAt(b, {kOpponentDefenceMirror.x - p.x, kOpponentDefenceMirror.y - p.y}),
                     DefenceCode(opponent->defenceSystem, slot), false);
    }
}

void CTeam::DrawOpponentOffence(DeviceContext& dc, const Rect& r) {
    CTeam* opponent = PanelOpponent(*this);
    if (!opponent)
        return;
    const Board b = BoardOf(r);
    for (int slot = kSlotFirstOffence; slot <= kSlotLastOffence; ++slot) {
        const Point p = g_offenceFormationPoints[slot - kSlotFirstOffence];
        DrawSlotCard(*opponent, dc, slot, CardAt(b, {kOpponentOffenceMirror.x - p.x, kOpponentOffenceMirror.y - p.y}),
                     slot - kSlotFirstOffence + 1, false);
    }
}
