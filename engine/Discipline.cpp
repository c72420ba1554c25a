#include "engine/MatchContext.h"
#include "engine/MatchTeam.h"
#include "platform/Random.h"
#include "squad/LineupSlots.h"
#include "world/Match.h"
#include "world/Player.h"

// Fouls and what follows them: cards, time penalties, seven-metre throws,
// and the lineup changes of a side that plays short.

using namespace match_team;
using namespace match_player;
using namespace MatchMarks;

namespace {

constexpr int kFoulBase[4] = {80, 50, 50, 100};
constexpr uint16_t kTwoMinutes = 120;
constexpr uint16_t kFourMinutes = 240;
constexpr int kYellowLimit = 3;
constexpr uint16_t kStatusGone = 0xE0;  // suspended, absent or injured

uint16_t PenaltyEntry(uint16_t seconds, int player) { return static_cast<uint16_t>(seconds << 8 | player); }

// The next step of the ladder yellow, first, second suspension, red.
uint16_t NextSanction(uint16_t marks) {
    if (marks & kSecondSuspension)
        return kRed;
    if (marks & kFirstSuspension)
        return kSecondSuspension;
    if (marks & kYellow)
        return kFirstSuspension;
    return kYellow;
}

// A four-minute penalty: two steps of the suspensions at once.
uint16_t TwoSanctions(uint16_t marks) {
    if (marks & kSecondSuspension)
        return kRed;
    if (marks & kFirstSuspension)
        return kSecondSuspension | kRed;
    return kFirstSuspension | kSecondSuspension;
}

int CountYellowCards(const CTeam& team) {
    int count = 0;
    for (int i = 0; i < SquadSize(team); ++i)
        count += (PlayerAt(team, i).matchMarks & kYellow) != 0;
    return count;
}

}  // namespace

bool CMatch::CheckFoul(int player, int side, int kind, bool& possessionChanges) {
    CTeam& team = Team(side);
    if (player < 0 || player >= SquadSize(team))
        return false;
    CPlayer& p = PlayerAt(team, player);
    std::vector<uint16_t>& penalties = Penalties(side);

    const int style = Roughness(team) - p.HasStyleTrait(kFairPlayer) + p.HasStyleTrait(kBadBoy);
    int c = kFoulBase[kind & 3] + (100 - Energy(p)) / 4 + style * 32 - 64 + referees.toughness * 8 - 40;
    if (p.HasCharacterTrait(kHothead))
        c += 12 * CardCount(p);
    c = 3 * c;
    if (p.HasCharacterTrait(kModelPlayer))
        c = c / 2;
    const int t = referees.competence * 10 + c - 50;

    bool reported = false;
    const bool wasOut = IsOutOfPlay(p);
    bool carded = false;
    if (!wasOut && RandBelow(1000) < c) {
        carded = true;
        const uint16_t ladder = kYellow | kFirstSuspension | kSecondSuspension | kRed | kExclusion;
        if ((p.matchMarks & ladder) == 0 && CountYellowCards(team) < kYellowLimit) {
            p.matchMarks |= kYellow;
        } else {
            p.matchMarks |= (p.matchMarks & ladder) == 0 ? kFirstSuspension : NextSanction(p.matchMarks);
            p.matchMarks |= kOutOfPlay;
            penalties.push_back(PenaltyEntry(kTwoMinutes, player));
            ShiftLineupAfterPenalty(player, team);
        }
        reported = ReportCard(player, side);
    }

    if (!wasOut && !carded) {
        int r = Rand() * 35000 / 32768;
        if (p.HasCharacterTrait(kScandalous))
            r /= 2;
        if (r < t) {
            const int u = RandBelow(20);
            if (u < 6) {
                int reason = RandBelow(3);
                p.matchMarks |= kRed | kOutOfPlay | (reason == 0 ? kViolentFoul : reason);
                penalties.push_back(PenaltyEntry(kTwoMinutes, player));
            } else if (u < 19) {
                p.matchMarks |= TwoSanctions(p.matchMarks) | kOutOfPlay;
                penalties.push_back(PenaltyEntry(kFourMinutes, player));
            } else {
                // Out for good; the side plays short for two minutes as
                // after a red card.
                p.matchMarks |= kExclusion | kOutOfPlay;
                penalties.push_back(PenaltyEntry(kTwoMinutes, player));
            }
            ShiftLineupAfterPenalty(player, team);
            reported |= ReportCard(player, side);
        }
    }

    if (RandBelow(1500) < t)
        reported |= PlaySevenMetreThrow(possessionChanges);
    return reported;
}

// A player sent off for a while leaves his side short in both formations.
void CMatch::ShiftLineupAfterPenalty(int player, CTeam& team) {
    const Fielding at = GetFielding(team, player, sheetSize);
    if (!at.onSheet || at.InBoth())
        return;
    if (at.inOffence) {
        const int offenceSlot = FirstSlotOf(team, player, kSlotFirstOffence, kSlotLastOffence);
        SetSlot(team, offenceSlot - kOffenceSlotOffset, player);
        return;
    }
    if (!at.inDefence)
        return;
    const int defenceSlot = FirstSlotOf(team, player, kSlotFirstDefence, kSlotLastDefence);
    const int offenceSlot = defenceSlot + kOffenceSlotOffset;
    const int displaced = SlotPlayer(team, offenceSlot);
    SetSlot(team, offenceSlot, player);
    if (displaced < 0)
        return;
    // The displaced attacker takes the penalised player's place on the
    // bench, or the first free one; with none he leaves the offence.
    int bench = FirstSlotOf(team, player, kSlotFirstBench, LastSheetSlot());
    if (bench < 0)
        bench = FirstSlotOf(team, -1, kSlotFirstSubstitute, LastSheetSlot());
    if (bench >= 0)
        SetSlot(team, bench, displaced);
}

bool CMatch::UpdateTimePenalties(MatchSide& side, std::vector<uint16_t>& penalties, int slice) {
    CTeam& team = *side.team;
    for (size_t i = 0; i < penalties.size();) {
        const int seconds = penalties[i] >> 8;
        const int player = penalties[i] & 0xFF;
        if (seconds - slice > 0) {
            penalties[i] = PenaltyEntry(static_cast<uint16_t>(seconds - slice), player);
            ++i;
            continue;
        }
        penalties.erase(penalties.begin() + static_cast<std::ptrdiff_t>(i));
        if (player >= SquadSize(team))
            continue;
        CPlayer& p = PlayerAt(team, player);
        const bool sentOff = p.matchMarks & (kExclusion | kRed);
        if (!sentOff && !(p.status & CPlayer::kInjured)) {
            p.matchMarks &= ~kOutOfPlay;
            continue;
        }
        if (!(p.matchMarks & kRed) && !(p.status & kStatusGone))
            continue;
        ReplaceLostPlayer(team, player);
    }
    return false;
}

// An injured or disqualified player hands his places to the best fresh
// substitute; the goalkeeper and the defence are filled from the offence.
void CMatch::ReplaceLostPlayer(CTeam& team, int player) {
    const int last = LastSheetSlot();
    int noted[2] = {-1, -1};
    int found = 0;
    for (int slot = 0; slot <= last && found < 2; ++slot)
        if (SlotPlayer(team, slot) == player)
            noted[found++] = slot;
    int role = CPlayer::kNoSlot;
    if (noted[1] >= 0)
        role = noted[1] <= kSlotLastDefence ? noted[1] : noted[1] - kOffenceSlotOffset;

    int best = -1;
    float bestStrength = 0;
    for (int slot = kSlotFirstBench; slot <= last; ++slot) {
        const int q = SlotPlayer(team, slot);
        if (q < 0 || slot == noted[1] || IsOutOfPlay(PlayerAt(team, q)))
            continue;
        CPlayer& candidate = PlayerAt(team, q);
        candidate.handAndSlot = static_cast<uint8_t>((candidate.handAndSlot & 0x1F) | role << CPlayer::kSlotShift);
        candidate.UpdatePlayingStrength(true);
        if (best < 0 || candidate.playingStrength > bestStrength) {
            best = q;
            bestStrength = candidate.playingStrength;
        }
    }
    if (best >= 0) {
        for (int slot = 0; slot <= last; ++slot)
            if (SlotPlayer(team, slot) == best)
                SetSlot(team, slot, player);
    }
    for (int slot : noted)
        if (slot >= 0)
            SetSlot(team, slot, best);

    for (int slot = kSlotGoalkeeper; slot <= kSlotLastDefence; ++slot) {
        const int holder = SlotPlayer(team, slot);
        if (holder < 0)
            continue;
        const CPlayer& p = PlayerAt(team, holder);
        if (!(p.matchMarks & (kRed | kExclusion)) && !(p.status & CPlayer::kInjured))
            continue;
        SetSlot(team, slot, -1);
        for (int o = kSlotFirstOffence; o <= kSlotLastOffence; ++o) {
            const int candidate = SlotPlayer(team, o);
            if (candidate >= 0 && !HasRole(team, candidate, kSlotGoalkeeper, kSlotLastDefence)) {
                SetSlot(team, slot, candidate);
                break;
            }
        }
    }
    match_team::ValidateLineup(team);
}
