// A player's special skills: changing them, training them, losing them.
#include <algorithm>
#include <vector>

#include "platform/PlayerMessages.h"
#include "platform/Random.h"
#include "platform/Text.h"
#include "world/Manager.h"
#include "world/Player.h"
#include "world/PlayerNames.h"
#include "world/Team.h"

namespace {

constexpr int kMaxProgress = 200;
constexpr int kTrainingLevelShift = 5;
constexpr uint8_t kTrainingLevelMask = 0x60;
constexpr uint8_t kTrainedSkillMask = 0x1F;

int TrainingLevel(uint8_t trainingByte) { return (trainingByte & kTrainingLevelMask) >> kTrainingLevelShift; }

struct OffLevelSkill {
    int skill;
    int level;
};

constexpr uint32_t kDeclineNewsColour = 0x60;
constexpr uint32_t kPlayerEventBox = 0xA1;
constexpr int kPlayerEventExtra = 1;

void AnnounceSkillDecline(const CPlayer& player, const SkillDecline& decline) {
    const SkillDeclineNotice notice = DescribeSkillDecline(player, decline);
    g_manager.AddNews(notice.news, kDeclineNewsColour);
    TellPlayer({notice.caption, notice.text, kPlayerEventBox, kPlayerEventExtra});
}

}  // namespace

bool CPlayer::ChangeSkillLevel(int skill, int delta) {
    if (skill < 0 || skill >= kSkillCount)
        return false;
    std::vector<OffLevelSkill> off;
    for (int s = 0; s < kSkillCount && off.size() < 2; ++s)
        if (GetSkillLevel(s) != kNormalSkill)
            off.push_back({s, GetSkillLevel(s)});

    const bool isOneOfThem = std::any_of(off.begin(), off.end(), [&](const OffLevelSkill& o) { return o.skill == skill; });
    if (off.size() == 2 && !isOneOfThem) {
        // Only two skills may be off the normal level: make room for this one.
        const OffLevelSkill& a = off[0];
        const OffLevelSkill& b = off[1];
        if (a.level == kSkillDeficit && b.level == kSkillDeficit)
            return false;
        int reset;
        if (a.level == kSkillDeficit)
            reset = b.skill;
        else if (b.level == kSkillDeficit)
            reset = a.skill;
        else
            reset = a.level < b.level ? a.skill : b.skill;
        SetSkillLevel(reset, kNormalSkill);
    }
    const int level = GetSkillLevel(skill) + delta;
    if (level < kSkillDeficit || level > kTopSkillLevel)
        return false;
    SetSkillLevel(skill, level);
    return true;
}

void CPlayer::AdvanceSkillTraining(int focus) {
    if (focus >= kSkillCount)
        focus -= kSkillCount;
    const int talent = GetTalent();
    const int level = std::max(TrainingLevel(skillTraining), 1);
    int points = (talent == 0 ? 3 : talent * 3) - (level - 1) * 3;
    points += HasStyleTrait(kDiligentPlayer) ? 1 : 0;

    int progress = skillProgress;
    if (GetSkillInTraining() < 0) {
        if (RandBelow(16) != 0)
            return;
        progress += points;
        if (progress > kMaxProgress) {
            if (level - 1 <= talent - 2 && level - 1 < 2) {
                progress = 0;
                skillTraining = static_cast<uint8_t>((level + 1) << kTrainingLevelShift);
            } else {
                progress = kMaxProgress;
            }
        }
    } else if (GetSkillInTraining() == focus) {
        progress += points;
    }
    // The progress never leaves its range, so it cannot wrap around.
    skillProgress = static_cast<uint8_t>(std::clamp(progress, 0, kMaxProgress));
}

bool CPlayer::GetSkillTrainingState(int skill, int& level, int& progress) const {
    const int inTraining = GetSkillInTraining();
    if (skill >= 0 && skill == inTraining) {
        level = TrainingLevel(skillTraining);
        progress = skillProgress;
        return true;
    }
    int l;
    if (skill >= 0)
        l = GetSkillLevel(skill);
    else
        l = inTraining < 0 ? TrainingLevel(skillTraining) : 1;
    level = l;
    if (l > GetTalent() || l >= kTopSkillLevel) {
        progress = 0;
        return false;
    }
    const int g = std::max(TrainingLevel(skillTraining), 1);
    int v = g * skillProgress;
    if (inTraining < 0) {
        for (int k = g - 1; k >= l; --k)
            v += k * kMaxProgress;
    } else {
        v /= 16;
    }
    if (l != 0)
        v /= l;
    progress = std::min(v, kMaxProgress);
    return true;
}

void CPlayer::SetSkillTraining(int skill) {
    const int inTraining = GetSkillInTraining();
    if (skill == inTraining || (skill < 0 && inTraining < 0))
        return;
    int level = 0;
    int progress = 0;
    if (skill < 0) {
        GetSkillTrainingState(-1, level, progress);
        skillProgress = static_cast<uint8_t>(progress);
        skillTraining = kGeneralTrainingStart;
    } else if (GetSkillTrainingState(skill, level, progress)) {
        skillProgress = static_cast<uint8_t>(progress);
        skillTraining = static_cast<uint8_t>(level << kTrainingLevelShift | (skill & kTrainedSkillMask) | kSkillInTraining);
    }
}

std::string CPlayer::GetSkillInTrainingName() const {
    int skill = GetSkillInTraining();
    if (skill < 0)
        return "";
    if (IsGoalkeeper())
        skill += kKeeperSkillNameOffset;
    return skill < kSkillNameCount ? g_skillNamesLong[skill] : "";
}

void CPlayer::GetAttackDefenceRatings(int& attack, int& defence) const {
    const int h = (height - 180) / 10;
    const int s = GetStrengthClass();
    int attackSkills = h;
    for (int skill : {kSkillAcceleration, kSkillCreativity, kSkillDuelling, kSkillTrickshots, kSkillShotPower,
                      kSkillJumping, kSkillShotPrecision, kSkillTechnique})
        attackSkills += GetSkillLevel(skill);
    int defenceSkills = h;
    for (int skill : {kSkillFitness, kSkillDuelling, kSkillBlocking, kSkillJumping, kSkillTechnique})
        defenceSkills += GetSkillLevel(skill);
    attack = std::clamp(s * attackSkills / 13, 0, 3);
    defence = std::clamp(s * defenceSkills / 8, 0, 3);
}

SkillDecline CPlayer::CheckSkillDecline() {
    // The product is 0 only for small draws, and the older the player the
    // fewer: an old hand keeps his skills longer.
    if (Rand() * (175 - 90 * GetAge()) / 32768 != 0)
        return {};
    SkillDecline decline;
    if (RandBelow(2) == 0) {
        std::vector<int> candidates;
        for (int s = 0; s < kSkillCount; ++s)
            if (GetSkillLevel(s) > kNormalSkill)
                candidates.push_back(s);
        if (candidates.empty())
            candidates.push_back(RandBelow(IsGoalkeeper() ? kKeeperSkillCount : kSkillCount));
        const int skill = candidates[RandBelow(static_cast<int>(candidates.size()))];
        if (ChangeSkillLevel(skill, -1))
            decline = {SkillDecline::kSkillLost, skill, 0};
    } else {
        const int delta = -(5 + RandBelow(10));
        AddStrengthOffset(delta);
        decline = {SkillDecline::kDefenceReduced, -1, delta};
    }
    if (decline.kind != SkillDecline::kNone && IsUserClubPlayer(this))
        AnnounceSkillDecline(*this, decline);
    return decline;
}

SkillDeclineNotice DescribeSkillDecline(const CPlayer& player, const SkillDecline& decline) {
    const std::string name = player.GetDisplayName(false);
    if (decline.kind == SkillDecline::kSkillLost) {
        const int entry = decline.skill + (player.IsGoalkeeper() ? kKeeperSkillNameOffset : 0);
        const std::string skill = entry >= 0 && entry < kSkillNameCount ? g_skillNames[entry] : "";
        return {name + " : Skill " + skill + " worsened", "lost skill",
                name + " has lost the skill " + skill + " and has to work harder again."};
    }
    if (decline.kind == SkillDecline::kDefenceReduced)
        return {name + " : defence strength reduced", "defense deficit",
                name + Format(" is getting worse at the defence. The defence strength reduces by %d %%",
                              -decline.offsetChange)};
    return {};
}
