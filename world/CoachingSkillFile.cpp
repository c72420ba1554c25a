#include "platform/BinaryFile.h"
#include "platform/FileFields.h"
#include "world/CoachingSkill.h"
#include "world/Manager.h"

namespace {

template <typename Io, typename Skill>
void SkillFields(Io& io, Skill& s) {
    io(s.selectionRule, s.fromEngagement, s.ruleParam, s.group, s.level, s.kinds, s.isOnePlayer, s.isBrightSpot,
       s.amounts);
}

// The group and the kinds index the skill tables.
bool IsKnown(const CCoachingSkill& s) {
    if (s.group >= CManager::kSkillGroups || s.selectionRule > CCoachingSkill::kMaxSelectionRule)
        return false;
    for (int8_t kind : s.kinds)
        if (kind > CCoachingSkill::kMaxBenefitKind || kind < -CCoachingSkill::kMaxDownsideKind)
            return false;
    return true;
}

}  // namespace

bool CCoachingSkill::Write(BinaryFile& f) const {
    FieldWriter io(f);
    SkillFields(io, *this);
    return io.Ok();
}

bool CCoachingSkill::Read(BinaryFile& f) {
    CCoachingSkill read;
    FieldReader io(f);
    SkillFields(io, read);
    if (!io.Ok() || !IsKnown(read))
        return false;
    *this = read;
    return true;
}
