#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "world/Vocabulary.h"
#include "world/WorldRef.h"

class BinaryFile;
class CEditPlayerDlg;
class DeviceContext;
struct Rect;

// A player's contract in whole euros, as the contract talks handle it.
struct PlayerContract {
    uint32_t salary = 0;  // per year
    uint32_t bonus = 0;  // per match
    bool professional = false;
    bool playerOption = false;
    bool clubOption = false;
    int clause = 0;
    int years = 1;
    uint32_t fixedFee = 0;
};

// What a player asks for in a contract talk.
struct ContractDemand {
    uint32_t salary = 0;
    uint32_t bonus = 0;
    int years = 1;
};

// The player's interest in the eight terms of a contract offer, in the
// offer's order: basic sum and match bonus (per mille weights adding up to
// 1000), fixed transfer fee, contract length, validity, the two extension
// options and the professional contract.
using NegotiationParams = std::array<int32_t, 8>;

// What a skill decline did to a player, for the caller to announce.
struct SkillDecline {
    enum Kind { kNone, kSkillLost, kDefenceReduced };
    Kind kind = kNone;
    int skill = -1;  // kSkillLost: the skill lowered by one level
    int offsetChange = 0;  // kDefenceReduced: the change of the strength offset
};

// Traits: a player has at most two per list; trait i of a list is bit 15 - i
// of its word. The low bits of the words hold other things (see below).
enum CharacterTrait : int {
    kLeader,
    kModelPlayer,
    kHothead,
    kGreedyForMoney,
    kNervous,
    kScandalous,
    kClubPlayer,
    kCheerfulPlayer,
    kTroubleSpot,
    kSteelNerves,
    kApathy,
    kCharacterTraitCount
};

enum StyleTrait : int {
    kFighter,
    kFairPlayer,
    kLazyPlayer,
    kDiligentPlayer,
    kBadBoy,
    kAllrounder,
    kFlexible,
    kHomeMatchesOnly,
    kEgoist,
    kSpecialist,
    kStyleTraitCount
};

// The match marks of a player (CPlayer::matchMarks) while a match runs.
namespace MatchMarks {
constexpr uint16_t kEnergyShift = 9;
constexpr uint16_t kEnergyMask = 0xFE00;
constexpr uint16_t kOutOfPlay = 0x100;
constexpr uint16_t kKickedOff = 0x80;
constexpr uint16_t kYellow = 0x40;
constexpr uint16_t kFirstSuspension = 0x20;
constexpr uint16_t kSecondSuspension = 0x10;
constexpr uint16_t kRed = 0x08;
constexpr uint16_t kExclusion = 0x04;
constexpr uint16_t kRedReasonMask = 0x03;
constexpr uint16_t kViolentFoul = 1;
constexpr uint16_t kInsult = 2;
// Energy 100, kicked off.
constexpr uint16_t kKickOff = 0xC880;
}  // namespace MatchMarks

// The special skills of a field player by index; the condition attributes
// (GetAttribute) use the same indices.
enum FieldSkill : int {
    kSkillAcceleration,
    kSkillFitness,
    kSkillCreativity,
    kSkillDuelling,
    kSkillTrickshots,
    kSkillShotPower,
    kSkillBlocking,
    kSkillJumping,
    kSkillShotPrecision,
    kSkillTechnique,
};
constexpr int kSkillCount = kSkillTechnique + 1;

// A goalkeeper's special skills, held in the first indices of the field
// skills.
enum KeeperSkill : int {
    kKeeperReflexes,
    kKeeperPassing,
    kKeeperSevenMetreKiller,
    kKeeperRunForward,
    kKeeperFieldOverview,
};
constexpr int kKeeperSkillCount = kKeeperFieldOverview + 1;

constexpr int kAttributeCount = 10;
// Of them only the first five matter in goal.
constexpr int kKeeperAttributeCount = 5;
constexpr int kHonoursCount = 7;

// The player's title counters in `honours`, one byte each (0 and 1 hold
// the season honours' pairs of 4-bit counters).
enum PlayerHonour : int {
    kHonourOtherClubCups = 2,    // continental club cups but the leading one
    kHonourLeadingClubCup = 3,   // the first cup of the continent's club-cup list
    kHonourNationalCups = 4,
    kHonourChampionships = 5,
    kHonourTournaments = 6,  // high nibble continental championships, low nibble world cups
};

// Special-skill levels: 0 a deficit, 1 normal, 2-4 a special skill.
constexpr int kSkillDeficit = 0;
constexpr int kNormalSkill = 1;
constexpr int kTopSkillLevel = 4;
// A player has at most two traits of each list and two skills off the
// normal level.
constexpr int kMaxChosen = 2;

// Popularity and health type, bits 0-1 and 2-4 of popularityHealth.
enum Popularity : int { kPopularityNormal, kIdol, kUnpopular };
enum HealthType : int { kHealthNormal, kOftenInjured, kStrong, kWeakHealth, kSelfPitying };

// One player of the game world. The fields are the stored record; where a
// field packs several values, the accessors below unpack them.
class CPlayer {
public:
    // Bits of handAndSlot.
    static constexpr uint8_t kLeftHand = 0x01;
    static constexpr int kSlotShift = 5;
    static constexpr int kNoSlot = 7;
    // Bits of contractFlags.
    static constexpr uint8_t kProfessional = 0x80;
    static constexpr uint8_t kPlayerOption = 0x40;
    static constexpr uint8_t kClubOption = 0x20;
    static constexpr uint8_t kClauseMask = 0x1F;
    // Bits of popularityHealth above the health type.
    static constexpr uint8_t kFormerCaptain = 0x20;
    static constexpr uint8_t kFormerInternational = 0x40;
    static constexpr uint8_t kInternational = 0x80;
    // Transfer status in the low bits of styleTraits.
    static constexpr uint16_t kTransferMarked = 0x0001;
    static constexpr uint16_t kStrengthHidden = 0x0002;
    static constexpr uint16_t kOnTransferList = 0x0004;
    static constexpr uint16_t kChangedTeam = 0x0008;
    static constexpr uint16_t kNoTransferValue = 0x0010;
    static constexpr uint16_t kListedByUser = 0x0020;
    // Bits of status.
    static constexpr uint16_t kInternationalBan = 0x001F;  // matches
    static constexpr uint16_t kSuspended = 0x0020;
    static constexpr uint16_t kAbsent = 0x0040;
    static constexpr uint16_t kInjured = 0x0080;
    static constexpr int kDaysOutShift = 8;  // days out of leagues and national cups
    // Bits of formByte beside the form.
    static constexpr uint8_t kFormWentDown = 0x40;
    static constexpr uint8_t kFormWentUp = 0x80;
    static constexpr int kMinStrengthOffset = -50;
    static constexpr int kMaxStrengthOffset = 25;
    // Skill training byte: a skill in training, else the general level.
    static constexpr uint8_t kSkillInTraining = 0x80;
    static constexpr uint8_t kGeneralTrainingStart = 0x20;

    CPlayer() = default;

    // The file form; the save-game flag adds the running season's fields.
    bool Write(BinaryFile& f, uint8_t saveGame) const;
    bool Read(BinaryFile& f, uint8_t saveGame);

    // Fills dlg, runs it and on OK takes the values back; false on cancel.
    bool EditInDialog();
    bool EditInDialog(CEditPlayerDlg& dlg);
    void Normalize();

    // First and last name, with the nickname between them when asked for
    // and it has two characters or more.
    std::string GetDisplayName(bool withNickname) const;
    // Age in whole years at the game date.
    int GetAge() const;

    // Sets a trait (characterList picks the list); with checkOnly it only
    // says whether the trait is still free.
    bool SetTrait(bool characterList, int trait, bool checkOnly);
    bool HasCharacterTrait(CharacterTrait t) const { return characterTraits & TraitBit(t); }
    bool HasStyleTrait(StyleTrait t) const { return styleTraits & TraitBit(t); }
    void LearnPosition(int position);
    std::string GetLastPositionName() const;

    // The match and the training read these for every player all the
    // time: they are defined below the class.
    int GetAttribute(int i) const;
    void SetAttribute(int i, int value);
    int GetSkillLevel(int skill) const;
    void SetSkillLevel(int skill, int level);
    int GetSkillInTraining() const;

    int GetForm() const { return formByte & kFormMask; }
    int GetStrengthClass() const { return strengthTalent >> 4; }
    int GetTalent() const { return strengthTalent & 0x0F; }
    int GetPosition() const { return positions & 0x0F; }
    // -1 when he has none.
    int GetAltPosition() const { return (positions >> 4) - 1; }
    bool IsGoalkeeper() const { return GetPosition() == 0; }
    bool ThrowsLeft() const { return handAndSlot & kLeftHand; }
    int GetSlot() const { return handAndSlot >> kSlotShift; }
    int GetPopularity() const { return popularityHealth & 0x03; }
    int GetHealthType() const { return (popularityHealth >> 2) & 0x07; }

    uint32_t GetSalary() const { return salaryHundreds * 100u; }
    void SetSalary(uint32_t amount);
    uint32_t GetBonus() const { return bonusTens * 10u; }
    uint32_t GetFixedTransferFee() const { return fixedFeeHundreds * 100u; }
    bool IsProfessional() const { return contractFlags & kProfessional; }
    int GetContractClause() const { return contractFlags & kClauseMask; }
    // playerOption picks the player's option, else the club's.
    bool HasExtensionOption(bool playerOption) const;
    void ClearExtensionOption(bool playerOption);
    bool HasChangedTeam() const { return styleTraits & kChangedTeam; }
    // byUser: listed from the user's screens rather than by his club.
    bool IsOnTransferList(bool byUser) const {
        return styleTraits & (byUser ? kListedByUser : kOnTransferList);
    }
    void AddStrengthOffset(int delta);
    // An absence of days (at most 255), unless a longer one runs already.
    void SetAbsence(int days);

    // Economy. Amounts are whole euros; inflationPermille is the world's
    // price rise since its start year.
    uint32_t GetWageDemand(bool professional, int leagueLevel, bool skipMotivationAndAge,
                           bool skipDevelopment, int inflationPermille) const;
    uint32_t GetTransferValue(int inflationPermille) const;
    uint32_t GetContractValuePerYear(int inflationPermille) const;
    ContractDemand ComputeContractDemand(bool professional, int leagueLevel, int matchesPerSeason,
                                         int inflationPermille) const;
    // Percent of his wage demand that his contract pays; below 70 he is unhappy.
    int GetContractSatisfaction(bool professional, int leagueLevel, int expectedMatches,
                                int inflationPermille) const;
    uint32_t GetTrainingCompensation() const;
    NegotiationParams GetNegotiationParams() const;
    uint32_t GetNegotiationScale(bool professional, int leagueLevel, int inflationPermille) const;
    PlayerContract GetContract() const;
    // A non-professional's options and clause are cleared in contract too.
    void SetContract(PlayerContract& contract);

    // Development: signed points, positive when he is getting better.
    int GetDevelopmentTrend() const;
    void ChangeStrength(int delta, bool capByTalent);
    // Strength from condition, form and class alone.
    float BaseStrength() const;
    void ComputeBaseStrength();
    // inSlot: rate him for the lineup slot he holds; otherwise for his own
    // position. Computed afresh; the Update form keeps it in playingStrength.
    float StrengthFor(bool inSlot) const;
    // His strength in the lineup position `slot` (kNoSlot: none), as though
    // he held it: his base strength times the slot's factor, which is at
    // most 1 (his own position and none).
    float StrengthInSlot(int slot) const;
    float SlotFactor(int slot) const;
    void UpdatePlayingStrength(bool inSlot);

    // Condition, each change drawn from the game's random generator.
    void ChangeForm(int steps);
    void ChangeMotivation(int steps);
    bool ChangePopularity(int eventStrength);
    void UpdateHealthAfterInjury(int injuryKind);
    // May he play in a competition of the day code?
    bool IsAvailable(uint16_t competitionMask) const;
    void CountMatchOnPosition(int position);
    void RandomizeCondition();
    void StartNewSeason();

    // Special skills and their training.
    bool ChangeSkillLevel(int skill, int delta);
    void AdvanceSkillTraining(int focus);
    // skill -1 asks for the general training; false when it cannot be trained.
    bool GetSkillTrainingState(int skill, int& level, int& progress) const;
    // skill -1 goes back to general training.
    void SetSkillTraining(int skill);
    std::string GetSkillInTrainingName() const;
    // 0-3 icons each.
    void GetAttackDefenceRatings(int& attack, int& defence) const;
    SkillDecline CheckSkillDecline();

    // His views (ui/). The card of a formation board in the colour, with
    // his strength at his own position, or on an offence card at the
    // position he plays; compact leaves out the middle line (number and
    // special skills). The row of a squad list in the text colour, under
    // the columns of ui/PlayerViews.h. Both work his strength out afresh.
    void DrawCard(const Rect& r, DeviceContext& dc, bool offence, uint32_t colour, bool compact);
    void DrawDetailView(const Rect& r, DeviceContext& dc, uint32_t textColour);

    static constexpr uint16_t TraitBit(int trait) { return static_cast<uint16_t>(0x8000 >> trait); }

    // The record. Flagged fields travel only in save games; the match marks
    // and the playing strength are never stored.
    uint16_t matchMarks = 0;
    uint16_t allMatches = 0;  // flagged
    int8_t strengthOffset = 0;  // percent, -50..25
    uint8_t handAndSlot = 0;  // bit 0 left hand, bits 5-7 lineup slot
    uint8_t positionExperience = 0;  // flagged: position << 5 | count 0-31
    uint8_t skillTraining = kGeneralTrainingStart;  // flagged
    uint8_t skillProgress = 0;  // flagged: 0-200
    uint8_t height = 180;  // cm
    uint8_t intlClubMatches = 0;  // flagged
    std::array<uint8_t, 5> attributes = {0x88, 0x88, 0x88, 0x88, 0x88};  // flagged
    std::array<uint8_t, kHonoursCount> honours = {};  // flagged career counters
    uint8_t cards = 0;  // flagged: bits 0-2 exclusions, 3-7 red cards
    uint8_t suspensions = 0;  // flagged
    uint16_t nationalGoals = 0;  // flagged
    uint16_t nationalMatches = 0;  // flagged
    uint8_t leagueMatches = 0;  // flagged
    uint8_t league7mGoals = 0;  // flagged
    float averageGrade = 0;  // flagged: 3.0 average, 0 none yet
    uint8_t intlGoals = 0;  // flagged
    uint8_t cupGoals = 0;  // flagged
    uint16_t leagueGoals = 0;  // flagged
    float averageForm = 0;  // flagged: 10 neutral
    uint8_t contractYears = 1;  // flagged
    uint16_t fixedFeeHundreds = 0;  // flagged
    uint8_t contractFlags = 0;
    uint16_t bonusTens = 0;  // flagged: bonus per match / 10
    uint16_t salaryHundreds = 0;  // flagged: yearly salary / 100
    uint16_t status = 0;  // flagged: suspensions, absence, injury
    uint8_t freshness = 50;  // flagged: 0-100
    uint8_t fitness = 50;  // flagged: 0-100
    uint8_t motivation = 100;  // flagged: 0-120
    float playingStrength = 0;
    uint8_t formByte = 10;  // flagged: bits 0-4 form, 6 went down, 7 went up
    uint16_t characterTraits = 0;  // bits 0-4 a cup-title counter
    uint16_t styleTraits = 0;  // bits 0-5 transfer status
    std::array<uint16_t, 2> skillWords = {kNormalSkillWord, kNormalSkillWord};
    uint8_t positions = 3;  // bits 0-3 regular, 4-7 alternative + 1
    uint8_t popularityHealth = 0;
    uint16_t nationality = 0;
    int16_t secondNationality = -1;
    uint8_t number = 10;
    uint8_t strengthTalent = 0x32;  // strength class << 4 | talent
    uint32_t birthday = 0x07BC0101;  // packed, 1 January 1980
    std::string firstName;
    std::string nickname;
    std::string lastName;
    // Where CWorld::GetPlayerRef last found him: it looks in that team's
    // squad before it searches the world. Never stored.
    mutable PlayerPlace foundAt;

    static constexpr uint8_t kFormMask = 0x1F;
    // Five 3-bit skill levels of 1 in one word.
    static constexpr uint16_t kNormalSkillWord = 0x1249;

private:
    // The ten skill levels as one 30-bit value, skill 0 in the top bits.
    static uint32_t SkillValue(const std::array<uint16_t, 2>& words) {
        return (static_cast<uint32_t>(words[0]) << 15) + words[1];
    }
    static int SkillShift(int skill) { return (kSkillCount - 1 - skill) * 3; }

    void FillDialog(CEditPlayerDlg& dlg) const;
    void TakeDialog(const CEditPlayerDlg& dlg);
    void NormalizeTraits();
    void NormalizePositions();
    void NormalizeSkills();
};

// The index is known to be in range once checked: unsigned halves and
// remainders cost less in the training and match loops that read them.
inline int CPlayer::GetAttribute(int i) const {
    if (i >= kAttributeCount)
        i -= kAttributeCount;
    if (i < 0 || i >= kAttributeCount)
        return 0;
    const auto u = static_cast<unsigned>(i);
    const uint8_t byte = attributes[u / 2];
    return u % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

inline void CPlayer::SetAttribute(int i, int value) {
    if (i >= kAttributeCount)
        i -= kAttributeCount;
    if (i < 0 || i >= kAttributeCount)
        return;
    const auto u = static_cast<unsigned>(i);
    uint8_t& byte = attributes[u / 2];
    const uint8_t nibble = static_cast<uint8_t>(value & 0x0F);
    byte = u % 2 == 0 ? static_cast<uint8_t>((byte & 0x0F) | nibble << 4)
                      : static_cast<uint8_t>((byte & 0xF0) | nibble);
}

inline int CPlayer::GetSkillLevel(int skill) const {
    if (skill < 0 || skill >= kSkillCount)
        return kNormalSkill;
    return static_cast<int>(SkillValue(skillWords) >> SkillShift(skill)) & 7;
}

// Age in whole years at the game date of someone born on the packed date.
int AgeFromPackedDate(uint32_t packedBirthday);

// The months of contract left as the transfer value counts them: beyond 36
// a month counts a quarter, beyond 16 a half.
int CountedContractMonths(int monthsLeft);

// The texts that tell the user of a skill decline of one of his players.
struct SkillDeclineNotice {
    std::string news;
    std::string caption;
    std::string text;
};
SkillDeclineNotice DescribeSkillDecline(const CPlayer& player, const SkillDecline& decline);
