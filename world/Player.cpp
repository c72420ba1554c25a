#include "world/Player.h"

#include <algorithm>
#include <utility>

#include "platform/BinaryFile.h"
#include "platform/Date.h"
#include "platform/FileFields.h"
#include "world/GameDate.h"
#include "world/Vocabulary.h"

namespace {

constexpr int kMinNicknameLength = 2;

}  // namespace

namespace {

// The running game's values of a player; save games put them first.
template <typename Io, typename Player>
void SeasonStateFields(Io& io, Player& p) {
    io(p.suspensions, p.league7mGoals, p.bonusTens, p.honours[3], p.leagueMatches, p.intlClubMatches, p.allMatches,
       p.honours[2], p.intlGoals, p.honours[6], p.salaryHundreds, p.fixedFeeHundreds, p.formByte, p.averageForm,
       p.positionExperience, p.freshness, p.honours[0], p.fitness, p.nationalMatches, p.nationalGoals,
       p.honours[5], p.motivation, p.averageGrade, p.honours[4], p.cupGoals, p.cards, p.leagueGoals, p.status,
       p.honours[1], p.attributes, p.skillTraining, p.skillProgress, p.contractYears);
}

template <typename Io, typename Player>
bool PlayerFields(Io&& io, Player& p, uint8_t saveGame) {
    if (saveGame) {
        SeasonStateFields(io, p);
        if (!io.Ok())
            return false;
    }
    io(p.strengthOffset, p.characterTraits, p.styleTraits, p.birthday, p.handAndSlot, p.height, p.popularityHealth,
       p.nationality, p.secondNationality, p.positions, p.number, p.skillWords, p.strengthTalent, p.contractFlags,
       p.firstName, p.nickname, p.lastName);
    return io.Ok();
}

}  // namespace

bool CPlayer::Write(BinaryFile& f, uint8_t saveGame) const { return PlayerFields(FieldWriter(f), *this, saveGame); }

bool CPlayer::Read(BinaryFile& f, uint8_t saveGame) { return PlayerFields(FieldReader(f), *this, saveGame); }

std::string CPlayer::GetDisplayName(bool withNickname) const {
    if (withNickname && nickname.size() >= kMinNicknameLength)
        return firstName + " '" + nickname + "' " + lastName;
    return firstName + " " + lastName;
}

int CPlayer::GetAge() const { return AgeFromPackedDate(birthday); }

// The searches, ratings and wage demands ask every player's age many times
// a week. A birthday on the 1st to 28th of a month of the years Date takes
// is a date whatever the month, and its fields are read as they are
// packed; any other goes through UnpackDate, which also reads one that is
// no date.
int AgeFromPackedDate(uint32_t packedBirthday) {
    constexpr int kFirstYear = 100;
    constexpr int kLastYear = 9999;
    constexpr int kDaysOfEveryMonth = 28;
    int year = static_cast<int>(packedBirthday >> 16);
    int month = static_cast<int>(packedBirthday >> 8 & 0xFF);
    int day = static_cast<int>(packedBirthday & 0xFF);
    const bool surelyADate = year >= kFirstYear && year <= kLastYear && month >= 1 && month <= 12 && day >= 1 &&
                             day <= kDaysOfEveryMonth;
    if (!surelyADate) {
        const Date born = UnpackDate(packedBirthday);
        year = born.Year();
        month = born.Month();
        day = born.Day();
    }
    const Date& today = g_gameDate;
    // Comparing month and day keeps a 29 February birthday and a game date
    // of 29 February both right, whatever the years.
    const bool birthdayToCome = std::pair(today.Month(), today.Day()) < std::pair(month, day);
    return today.Year() - year - (birthdayToCome ? 1 : 0);
}

bool CPlayer::SetTrait(bool characterList, int trait, bool checkOnly) {
    const int count = characterList ? int{kCharacterTraitCount} : int{kStyleTraitCount};
    if (trait < 0 || trait >= count)
        return false;
    uint16_t& word = characterList ? characterTraits : styleTraits;
    if (checkOnly)
        return !(word & TraitBit(trait));
    word |= TraitBit(trait);
    // The two traits earliest in the list stay.
    int found = 0;
    for (int i = 0; i < count; ++i) {
        if (!(word & TraitBit(i)))
            continue;
        if (++found > 2)
            word &= ~TraitBit(i);
    }
    return true;
}

void CPlayer::LearnPosition(int position) {
    const int regular = GetPosition();
    if (position == regular)
        return;
    if (position == GetAltPosition())
        positions = static_cast<uint8_t>((regular + 1) << 4 | position);
    else
        positions = static_cast<uint8_t>((position + 1) << 4 | regular);
}

std::string CPlayer::GetLastPositionName() const {
    const int position = positionExperience >> 5;
    if (position == 0)
        return "no position";
    return PositionCode(position);
}

void CPlayer::SetSkillLevel(int skill, int level) {
    if (skill < 0 || skill >= kSkillCount)
        return;
    uint32_t value = SkillValue(skillWords);
    value &= ~(7u << SkillShift(skill));
    value |= static_cast<uint32_t>(level & 7) << SkillShift(skill);
    skillWords[0] = static_cast<uint16_t>(value >> 15);
    skillWords[1] = static_cast<uint16_t>(value & 0x7FFF);
}

int CPlayer::GetSkillInTraining() const {
    if (!(skillTraining & kSkillInTraining))
        return -1;
    return skillTraining & 0x1F;
}

void CPlayer::SetSalary(uint32_t amount) {
    // A salary beyond the stored width is kept at the largest one, not wrapped.
    salaryHundreds = static_cast<uint16_t>(std::min<uint32_t>(amount / 100, UINT16_MAX));
}

bool CPlayer::HasExtensionOption(bool playerOption) const {
    if (!IsProfessional())
        return false;
    return contractFlags & (playerOption ? kPlayerOption : kClubOption);
}

void CPlayer::ClearExtensionOption(bool playerOption) {
    contractFlags &= static_cast<uint8_t>(~(playerOption ? kPlayerOption : kClubOption));
}

void CPlayer::AddStrengthOffset(int delta) {
    strengthOffset =
        static_cast<int8_t>(std::clamp(strengthOffset + delta, kMinStrengthOffset, kMaxStrengthOffset));
}
