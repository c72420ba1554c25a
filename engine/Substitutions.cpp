#include "engine/MatchOptions.h"
#include "engine/MatchTeam.h"
#include "squad/LineupSlots.h"
#include "world/Match.h"
#include "world/Player.h"

// The coach brings on a fresher or better substitute for a tired or
// weak attacker. The user's team is left to the user unless his
// assistant coach is allowed to substitute.

using namespace match_team;
using namespace match_player;

namespace {

int Freshness(const CPlayer& p, int grade) { return Energy(p) + 120 - grade; }

void SetRole(CPlayer& p, int role) {
    p.handAndSlot = static_cast<uint8_t>((p.handAndSlot & 0x1F) | role << CPlayer::kSlotShift);
}

}  // namespace

void CMatch::MakeSubstitutions() {
    MatchSide* sides[2] = {&home, &away};
    for (MatchSide* side : sides) {
        CTeam& team = *side->team;
        if (!g_assistantSubstitutes && match_team::IsUsersTeam(team))
            continue;
        for (int bench = kSlotFirstBench; bench <= LastSheetSlot(); ++bench) {
            const int q = SlotPlayer(team, bench);
            if (q < 0)
                continue;
            CPlayer& sub = PlayerAt(team, q);
            int subValue = Freshness(sub, side->grades[q]);
            for (int slot = kSlotFirstOffence; slot <= kSlotLastOffence && subValue > 0; ++slot) {
                const int p = SlotPlayer(team, slot);
                if (p < 0)
                    continue;
                CPlayer& starter = PlayerAt(team, p);
                const int starterValue = Freshness(starter, side->grades[p]);
                if (subValue <= starterValue)
                    continue;
                const uint8_t subSlot = sub.handAndSlot;
                SetRole(sub, slot - kOffenceSlotOffset);
                sub.UpdatePlayingStrength(true);
                starter.UpdatePlayingStrength(true);
                sub.handAndSlot = subSlot;
                if (subValue * sub.playingStrength > starterValue * starter.playingStrength && !IsOutOfPlay(sub) &&
                    !IsOutOfPlay(starter)) {
                    for (int s = 0; s <= LastSheetSlot(); ++s) {
                        const int holder = SlotPlayer(team, s);
                        if (holder == p)
                            SetSlot(team, s, q);
                        else if (holder == q)
                            SetSlot(team, s, p);
                    }
                    subValue = 0;
                }
            }
        }
        match_team::ValidateLineup(team);
    }
}
