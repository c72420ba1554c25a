#include <cstdlib>

#include "engine/MatchContext.h"
#include "engine/MatchOptions.h"
#include "engine/MatchTeam.h"
#include "platform/GameOptions.h"
#include "platform/Random.h"
#include "squad/LineupSlots.h"
#include "world/Match.h"
#include "world/Player.h"

// How good a player is at one kind of action right now: his playing
// strength with his special skills and condition attributes, then, for the
// duels and attacks, what the defence, his energy, his side's bonus, the
// tactics, man-marking and cards make of it; for the finishing shots his
// match grade and his nerves.

using namespace match_team;
using namespace match_player;

namespace {

constexpr int kHeightLimit = 185;
constexpr int kWomensHeightLimit = 175;

int HeightLimit() { return IsWomensGame() ? kWomensHeightLimit : kHeightLimit; }

}  // namespace

float CMatch::RandomFloat(float x) {
    return static_cast<float>(Rand() * x / 32768.0);
}

bool CMatch::RatingDraws(const CPlayer& p) { return p.HasCharacterTrait(kApathy); }

float CMatch::GetActionRating(int player, int side, int kind) {
    CTeam& team = Team(side);
    if (player < 0 || player >= SquadSize(team))
        return 0;
    CPlayer& p = PlayerAt(team, player);
    p.UpdatePlayingStrength(side != 0);
    float v = p.playingStrength;
    if (kind == kSevenMetre && side == 1)
        v = static_cast<float>(p.GetStrengthClass());
    if (p.HasStyleTrait(kHomeMatchesOnly))
        v = &team != home.team ? v * 0.85f : v * 1.05f;
    if (RatingDraws(p))
        v = v * (80 + RandBelow(32)) / 100;
    if (IsOutOfPlay(p))
        return 0;
    if (kind < kOneOnOne || kind > kSevenMetre)
        return v;

    const bool inGoal = SlotPlayer(team, kSlotGoalkeeper) == player;
    v = SkillTerms(p, side, kind, inGoal, FirstSlotOf(team, player, kSlotFirstOffence, kSlotLastOffence), v);
    if (kind <= kFastBreak)
        return DefenceTerms(p, player, side, kind, inGoal, v);

    const MatchSide& own = Side(side);
    v = 0.75f * v;
    v = v + own.bonus * v / 100;
    const int grade = player < static_cast<int>(own.grades.size()) ? own.grades[player] : kNeutralGrade;
    v = v * ((kNeutralGrade - grade) / 2 + 100) / 100;
    const bool nervous = p.HasCharacterTrait(kNervous);
    const int difference = std::abs(home.goals - away.goals);
    if ((nervous || p.HasCharacterTrait(kSteelNerves)) && difference <= 4) {
        const int percent = (4 - difference) * 10 * (nervous ? -1 : 1);
        v = v + percent / 100.0f * v;
    }
    return v;
}

float CMatch::SkillTerms(const CPlayer& p, int side, int kind, bool inGoal, int offenceSlot, float v) const {
    auto sk = [&p](int i) { return p.GetSkillLevel(i); };
    auto at = [&p](int i) { return p.GetAttribute(i); };
    const int height = p.height;
    const int limit = HeightLimit();
    switch (kind) {
    case kOneOnOne:
        v = v + sk(kSkillDuelling) - 1;
        if (height < limit)
            v = v + (limit - height) / 20.0f;
        return v + v / 100 * (2 * at(kSkillDuelling));
    case kCombination:
        v = v + (sk(kSkillAcceleration) + 2 * sk(kSkillCreativity) + sk(kSkillTechnique) - 4) / 2.0f;
        return v + v / 100 * (at(kSkillAcceleration) + 2 * at(kSkillCreativity) + at(kSkillTechnique)) * 3 / 4;
    case kDistanceThrow:
        if (inGoal) {
            v = v + sk(kKeeperFieldOverview) - 1;
            return v + v / 100 * (2 * at(kKeeperFieldOverview));
        }
        if (side == 1)
            v = v + (sk(kSkillShotPower) + sk(kSkillJumping) + sk(kSkillShotPrecision) - 3) / 2.0f;
        else
            v = v + (sk(kSkillJumping) + sk(kSkillBlocking) - 2) / 2.0f;
        if (height > limit)
            v = v + (height - limit) / 20.0f;
        if (side == 1)
            return v + v / 100 * (at(kSkillShotPower) + at(kSkillJumping) + at(kSkillShotPrecision)) * 2 / 3;
        return v + v / 100 * (at(kSkillBlocking) + at(kSkillJumping));
    case kFastBreak:
        if (inGoal) {
            v = v + (sk(kKeeperFieldOverview) + sk(kKeeperPassing) - 2) / 2.0f;
            return v + v / 100 * (at(kKeeperPassing) + at(kKeeperFieldOverview));
        }
        v = v + (sk(kSkillAcceleration) + sk(kSkillTechnique) - 2) / 2.0f;
        return v + v / 100 * (at(kSkillAcceleration) + at(kSkillTechnique));
    default:  // finishing shot or seven-metre throw
        if (inGoal) {
            v = v + (sk(kKeeperReflexes) + sk(kKeeperRunForward) - 2) / 2.0f;
            if (kind == kSevenMetre)
                v = v + sk(kKeeperSevenMetreKiller) - 1;
            v = v + v / 100 * (at(kKeeperReflexes) + at(kKeeperRunForward));
            if (kind == kSevenMetre)
                v = v + v / 100 * (at(kKeeperSevenMetreKiller) / 2.0f);
            return v;
        }
        if (offenceSlot == OffenceSlotOf(kRightWing) || offenceSlot == OffenceSlotOf(kLeftWing)) {
            v = v + (sk(kSkillTrickshots) + sk(kSkillShotPrecision) + sk(kSkillTechnique) - 3) / 2.0f;
            return v + v / 100 * (at(kSkillTrickshots) + at(kSkillShotPrecision) + at(kSkillTechnique)) * 2 / 3;
        }
        v = v + (sk(kSkillShotPower) + sk(kSkillShotPrecision) + sk(kSkillTechnique) - 3) / 2.0f;
        return v + v / 100 * (at(kSkillShotPower) + at(kSkillShotPrecision) + at(kSkillTechnique)) * 2 / 3;
    }
}

float CMatch::DefenceTerms(const CPlayer& p, int player, int side, int kind, bool inGoal, float v) {
    const CTeam& team = Team(side);
    const int system = DefenceSystem(team);

    if (side == 0) {
        for (int j = kSlotFirstDefence; j <= kSlotLastDefence; ++j) {
            if (SlotPlayer(team, j) != player)
                continue;
            const bool advanced = IsAdvancedDefenceSlot(system, j);
            if (kind == kOneOnOne && !advanced)
                v = v * 1.25f;
            else if (kind == kDistanceThrow && !inGoal && advanced)
                v = v * 1.25f;
        }
        const bool keeperExempt = inGoal && (kind == kDistanceThrow || kind == kFastBreak);
        const bool modelExempt = p.HasCharacterTrait(kModelPlayer) && kind <= kDistanceThrow;
        if (!keeperExempt && !modelExempt) {
            const int style = Roughness(team) - p.HasStyleTrait(kFairPlayer) + p.HasStyleTrait(kBadBoy);
            if (kind == kOneOnOne)
                v = v * (style + 8) / 10;
            else
                v = v * (style * 5 + 90) / 100;
        }
    }

    const int energy = Energy(p);
    const int energyPercent = kind == kFastBreak ? energy * 3 / 4 + 25 : energy / 2 + 50;
    v = energyPercent / 100.0f * v;

    const MatchSide& own = Side(side);
    v = v + own.bonus * v / 100;
    const float tactics = quick ? Effort(team) / 2.0f + 9 : static_cast<float>(Effort(team) + 8);
    v = tactics / 10 * v;

    if (side == 0 && (kind == kOneOnOne || kind == kCombination)) {
        for (int j = kSlotFirstDefence; j <= kSlotLastDefence; ++j)
            if (SlotPlayer(team, j) == player && Marking(team, j) != 0)
                v = v * 0.75f;
    }
    if (side == 1 && (kind == kCombination || kind == kDistanceThrow)) {
        const CTeam& defenders = Team(0);
        const int offenceSlot = FirstSlotOf(team, player, kSlotFirstOffence, kSlotLastOffence);
        if (MarkingWord(defenders) != 0 && offenceSlot >= 0) {
            const int role = offenceSlot - kOffenceSlotOffset;
            const float factor = kind == kCombination ? 0.75f : 0.6f;
            for (int nibble = 0; nibble < 7; ++nibble)
                if (((MarkingWord(defenders) >> (4 * nibble)) & 15) == static_cast<uint32_t>(role))
                    v = v * factor;
        }
    }

    if (side == 0 && !p.HasStyleTrait(kFighter)) {
        const int perCard = kind == kFastBreak ? 8 : 5;
        v = v * (100 - perCard * CardCount(p)) / 100;
    }
    if ((kind == kCombination || kind == kFastBreak) && p.HasStyleTrait(kEgoist))
        v = v * 0.8f;
    if (kind == kFastBreak && p.HasStyleTrait(kLazyPlayer))
        v = v * 0.6f;
    return v;
}
