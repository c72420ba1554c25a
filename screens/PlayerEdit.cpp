// A player's record shown in and taken from the editor's dialog.
#include <algorithm>

#include "platform/Date.h"
#include "screens/EditPlayerDlg.h"
#include "world/Player.h"
#include "world/Vocabulary.h"

namespace {

// The first two traits of a word as 1-based places in the list.
void ChosenTraits(uint16_t word, int count, std::array<int, 2>& chosen) {
    chosen = {};
    int found = 0;
    for (int i = 0; i < count && found < kMaxChosen; ++i)
        if (word & CPlayer::TraitBit(i))
            chosen[found++] = i + 1;
}

uint16_t TraitWord(const std::array<int, 2>& chosen, int count) {
    uint16_t word = 0;
    for (int place : chosen)
        if (place >= 1 && place <= count)
            word |= CPlayer::TraitBit(place - 1);
    return word;
}

// A dialog level is 0 for a deficit and 1-3 for the special levels 2-4.
int LevelFromDialog(int dialogLevel) { return dialogLevel == 0 ? kSkillDeficit : dialogLevel + 1; }
int LevelToDialog(int level) { return level == kSkillDeficit ? 0 : level - 1; }

}  // namespace

bool CPlayer::EditInDialog() {
    CEditPlayerDlg dlg;
    return EditInDialog(dlg);
}

bool CPlayer::EditInDialog(CEditPlayerDlg& dlg) {
    FillDialog(dlg);
    if (!dlg.Open())
        return false;
    TakeDialog(dlg);
    return true;
}

void CPlayer::FillDialog(CEditPlayerDlg& dlg) const {
    int found = 0;
    for (int skill = 0; skill < kSkillCount && found < kMaxChosen; ++skill) {
        const int level = GetSkillLevel(skill);
        if (level == kNormalSkill)
            continue;
        dlg.fieldSkills[found] = dlg.keeperSkills[found] = skill + 1;
        dlg.skillLevels[found] = LevelToDialog(level);
        ++found;
    }
    ChosenTraits(characterTraits, kCharacterTraitCount, dlg.characterTraits);
    ChosenTraits(styleTraits, kStyleTraitCount, dlg.styleTraits);
    dlg.strengthOffset = strengthOffset;
    dlg.international = popularityHealth & kInternational;
    dlg.formerInternational = popularityHealth & kFormerInternational;
    dlg.formerCaptain = popularityHealth & kFormerCaptain;
    dlg.popularity = GetPopularity();
    dlg.healthType = GetHealthType();
    dlg.leftHand = ThrowsLeft();
    dlg.number = number;
    dlg.firstName = firstName;
    dlg.nickname = nickname;
    dlg.lastName = lastName;
    dlg.birthday = UnpackDate(birthday);
    dlg.talent = GetTalent();
    dlg.strengthIndex = GetStrengthClass() - 1;
    dlg.height = height;
    dlg.position = GetPosition();
    dlg.altPositionPlusOne = positions >> 4;
    dlg.nationality = nationality;
    dlg.secondNationality = secondNationality;
    dlg.professional = IsProfessional();
}

void CPlayer::TakeDialog(const CEditPlayerDlg& dlg) {
    contractFlags = static_cast<uint8_t>((contractFlags & ~kProfessional) | (dlg.professional ? kProfessional : 0));
    strengthOffset = static_cast<int8_t>(std::clamp(dlg.strengthOffset, kMinStrengthOffset, kMaxStrengthOffset));
    popularityHealth = static_cast<uint8_t>((dlg.international ? kInternational : 0) |
                                            (dlg.formerInternational ? kFormerInternational : 0) |
                                            (dlg.formerCaptain ? kFormerCaptain : 0) |
                                            (dlg.healthType & 0x07) << 2 | (dlg.popularity & 0x03));
    // Rebuilding the words from the chosen traits clears their low bits too.
    characterTraits = TraitWord(dlg.characterTraits, kCharacterTraitCount);
    styleTraits = TraitWord(dlg.styleTraits, kStyleTraitCount);
    nationality = static_cast<uint16_t>(dlg.nationality);
    secondNationality = static_cast<int16_t>(dlg.secondNationality);
    firstName = dlg.firstName;
    nickname = dlg.nickname;
    lastName = dlg.lastName;
    birthday = PackDate(dlg.birthday);
    strengthTalent = static_cast<uint8_t>(((dlg.strengthIndex + 1) & 0x0F) << 4 | (dlg.talent & 0x0F));
    height = static_cast<uint8_t>(dlg.height);
    positions = static_cast<uint8_t>((dlg.altPositionPlusOne & 0x0F) << 4 | (dlg.position & 0x0F));
    number = static_cast<uint8_t>(dlg.number);
    handAndSlot = static_cast<uint8_t>((handAndSlot & ~kLeftHand) | (dlg.leftHand ? kLeftHand : 0));

    const std::array<int, 2>& chosen = IsGoalkeeper() ? dlg.keeperSkills : dlg.fieldSkills;
    skillWords = {kNormalSkillWord, kNormalSkillWord};
    for (int i = 0; i < kMaxChosen; ++i)
        if (chosen[i] != 0)
            SetSkillLevel(chosen[i] - 1, LevelFromDialog(dlg.skillLevels[i]));
}
