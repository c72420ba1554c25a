#include <vector>

#include "platform/Random.h"
#include "squad/LineupRules.h"
#include "squad/LineupSlots.h"
#include "squad/SlotMembership.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

// A player marked "never captain" is still listed, at the bottom.
constexpr uint8_t kNeverCaptain = 0x20;
constexpr int kNeverCaptainRating = 1;

// A ranked taker is passed over when a draw below 100 does not beat
// kTakerDoubt / (rank + 1)^2: about 31, 8 and 4 throws of 100 for ranks 1-3.
constexpr int kTakerDoubt = 30;

int CaptainRating(const CPlayer& p) {
    if (p.popularityHealth & kNeverCaptain)
        return kNeverCaptainRating;
    int r = p.GetAge() + 4 * p.GetStrengthClass() + 8 * p.GetTalent() + p.allMatches / 8;
    if (p.HasCharacterTrait(kLeader))
        r += 16;
    if (p.HasCharacterTrait(kTroubleSpot))
        r += 8;
    if (p.HasStyleTrait(kFighter))
        r += 8;
    return r;
}

int PenaltyTakerRating(const CPlayer& p) {
    int r = p.GetStrengthClass() + p.GetSkillLevel(kSkillTrickshots) / 2 + p.GetSkillLevel(kSkillShotPower) +
            p.GetSkillLevel(kSkillShotPrecision);
    if (p.HasCharacterTrait(kSteelNerves))
        r += 1;
    return p.IsGoalkeeper() ? r * 3 / 4 : r;
}

int PenaltyKeeperRating(const CPlayer& p) {
    return p.IsGoalkeeper() ? p.GetStrengthClass() + p.GetSkillLevel(kKeeperSevenMetreKiller) : 0;
}

// Best first; equal ratings keep squad order; a rating of 0 or less is left out.
template <typename Rating>
std::vector<uint8_t> RankSquad(const CTeam& team, Rating rating) {
    std::vector<uint8_t> list;
    std::vector<int> ratings;
    for (size_t i = 0; i < team.squad.size(); ++i) {
        const int r = static_cast<int16_t>(rating(*team.squad[i]));
        if (r <= 0)
            continue;
        size_t at = 0;
        while (at < ratings.size() && ratings[at] >= r)
            ++at;
        list.insert(list.begin() + at, static_cast<uint8_t>(i));
        ratings.insert(ratings.begin() + at, r);
    }
    return list;
}

bool IsReady(const CTeam& team, const SlotMembership& slots, int squadIndex, int sheetSize) {
    return squadIndex < static_cast<int>(team.squad.size()) && slots.StandsIn(squadIndex, 0, SlotsInUse(sheetSize)) &&
           !IsBarred(*team.squad[squadIndex]);
}

// The first player on the sheet, in slot order, who is still in the match.
int FirstReadyOnSheet(const CTeam& team, int sheetSize) {
    const int used = SlotsInUse(sheetSize);
    for (int s = 0; s < used; ++s) {
        const CPlayer* p = SlotPlayer(team, s);
        if (p && !IsBarred(*p))
            return SlotSquadIndex(team, s);
    }
    return -1;
}

int FirstReadyOfList(const CTeam& team, const SlotMembership& slots, const std::vector<uint8_t>& list,
                     int sheetSize) {
    for (uint8_t i : list)
        if (IsReady(team, slots, i, sheetSize))
            return i;
    return FirstReadyOnSheet(team, sheetSize);
}

// Nobody found is squad index 0, which callers accept.
int OrFirstPlayer(int squadIndex) { return squadIndex < 0 ? 0 : squadIndex; }

}  // namespace

int FindCaptainOnSheet(const CTeam& team, const SlotMembership& slots, int sheetSize) {
    return FirstReadyOfList(team, slots, team.captains, sheetSize);
}

void CTeam::RebuildResponsibilityLists() {
    captains = RankSquad(*this, CaptainRating);
    penaltyTakers = RankSquad(*this, PenaltyTakerRating);
    penaltyKeepers = RankSquad(*this, PenaltyKeeperRating);
}

int CTeam::PickCaptain(int sheetSize) const {
    return OrFirstPlayer(FindCaptainOnSheet(*this, SlotMembership(*this), sheetSize));
}

int CTeam::PickPenaltyGoalkeeper(int sheetSize) const {
    return OrFirstPlayer(FirstReadyOfList(*this, SlotMembership(*this), penaltyKeepers, sheetSize));
}

int CTeam::PickPenaltyTaker(int sheetSize) const {
    const SlotMembership slots(*this);
    for (size_t rank = 0; rank < penaltyTakers.size(); ++rank) {
        const int doubt = kTakerDoubt / static_cast<int>((rank + 1) * (rank + 1));
        if (RandBelow(100) > doubt && IsReady(*this, slots, penaltyTakers[rank], sheetSize))
            return penaltyTakers[rank];
    }
    return OrFirstPlayer(FirstReadyOnSheet(*this, sheetSize));
}
