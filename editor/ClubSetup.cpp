#include <algorithm>
#include <cstdlib>

#include "platform/Random.h"
#include "world/Player.h"
#include "world/Team.h"

// Getting a club ready for the first season of a new game: its record put
// into the game's ranges, missing people named after squad players, and the
// squad, the arena's field and the account set to their start.

namespace {

constexpr uint8_t kMaxArticle = 3;
constexpr uint8_t kMaxDefenceSystem = 6;
constexpr uint8_t kRepairedDefenceSystem = 2;
constexpr uint8_t kStartDefenceSystem = 1;
constexpr int kMaxFansOrFinance = 7;
constexpr int kRepairedFansOrFinance = 4;
constexpr int kMaxFanAmount = 6;
constexpr int kRepairedFanAmount = 3;
constexpr uint16_t kMinFoundingYear = 1000;
constexpr uint16_t kRepairedFoundingYear = 1952;
constexpr int64_t kMaxCapital = 1000000;
constexpr int kMaxCompetence = 10;
constexpr int kMaxCoachAttitude = 7;
constexpr int kMaxBoardAttitude = 5;
constexpr int kMaxMediaAttention = 7;
constexpr int kRepairedClimate = 3;
const char* const kDefaultClubName = "handball club";

// Start values of a player: each a fresh 15-bit draw divided down.
constexpr int kFormDivisor = 4681, kFormBase = 7;  // 7-14
constexpr int kFreshnessDivisor = 1638, kFreshnessBase = 50;  // 50-70
constexpr int kFitnessDivisor = 1638, kFitnessBase = 30;  // 30-50
constexpr int kMotivationDivisor = 6553, kMotivationBase = 98;  // 98-103
constexpr int kAttributeDivisor = 8191, kAttributeBase = 3;  // 3-7

uint8_t LowNibble(uint8_t b) { return b & 0x0F; }
uint8_t HighNibble(uint8_t b) { return b >> 4; }
uint8_t Pack(int high, int low) { return static_cast<uint8_t>(high << 4 | low); }

// Shirt colours keep to the club editor's 27 colours: each component 0,
// 127 or 254.
uint32_t SnapComponent(uint32_t c) {
    if (c == 0 || c == 127 || c == 254)
        return c;
    if (c < 64)
        return 0;
    return c >= 196 ? 254 : 127;
}

uint32_t SnapColour(uint32_t colour) {
    uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        result |= SnapComponent((colour >> shift) & 0xFF) << shift;
    return result;
}

// A missing person takes the surname of one random squad player and the
// first name of another; both stay empty without players.
void NameAfterSquad(const CTeam& team, std::string& firstName, std::string& surname) {
    if (!surname.empty() || team.squad.empty())
        return;
    const int n = static_cast<int>(team.squad.size());
    surname = team.squad[RandBelow(n)]->lastName;
    firstName = team.squad[RandBelow(n)]->firstName;
}

void SetStartCondition(CPlayer& p) {
    p.Normalize();
    const int form = Rand() / kFormDivisor + kFormBase;
    p.formByte = static_cast<uint8_t>(form);  // the change marks go too
    p.averageForm = static_cast<float>(form);
    p.freshness = static_cast<uint8_t>(Rand() / kFreshnessDivisor + kFreshnessBase);
    p.fitness = static_cast<uint8_t>(Rand() / kFitnessDivisor + kFitnessBase);
    p.motivation = static_cast<uint8_t>(Rand() / kMotivationDivisor + kMotivationBase);
    for (uint8_t& pair : p.attributes) {
        const int high = Rand() / kAttributeDivisor + kAttributeBase;
        const int low = Rand() / kAttributeDivisor + kAttributeBase;
        pair = Pack(high, low);
    }
}

}  // namespace

void CTeam::Normalize() {
    if (article > kMaxArticle)
        article = 0;
    if (defenceSystem > kMaxDefenceSystem)
        defenceSystem = kRepairedDefenceSystem;

    int finance = HighNibble(fansAndFinance), mood = LowNibble(fansAndFinance);
    if (finance > kMaxFansOrFinance)
        finance = kRepairedFansOrFinance;
    if (mood > kMaxFansOrFinance)
        mood = kRepairedFansOrFinance;
    fansAndFinance = Pack(finance, mood);

    int most = HighNibble(fanAmount), amount = LowNibble(fanAmount);
    if (most > kMaxFanAmount)
        most = kRepairedFanAmount;
    if (amount > kMaxFanAmount)
        amount = kRepairedFanAmount;
    fanAmount = Pack(most, std::min(amount, most));

    if (foundingYear < kMinFoundingYear)
        foundingYear = kRepairedFoundingYear;
    // Widened first: the magnitude of the lowest 32-bit value does not fit.
    if (std::llabs(int64_t{capital}) > kMaxCapital)
        capital = static_cast<int32_t>(capital < 0 ? -kMaxCapital : kMaxCapital);

    NameAfterSquad(*this, managerFirstName, managerSurname);
    if (managerCompetence > kMaxCompetence)
        managerCompetence = kMaxCompetence;
    if (name.empty())
        name = kDefaultClubName;
    if (shorthand.empty())
        shorthand = MakeShorthand(name);
    homeColour = SnapColour(homeColour);
    awayColour = SnapColour(awayColour);

    NameAfterSquad(*this, coachFirstName, coachSurname);
    int competence = LowNibble(coachCode), attitude = HighNibble(coachCode);
    if (competence > kMaxCompetence)
        competence = kMaxCompetence;
    if (attitude > kMaxCoachAttitude)
        attitude = 0;
    coachCode = Pack(attitude, competence);

    // The record keeps one more competence beside the coach's and the
    // manager's, the goalkeeper coach's; it is held to the same range.
    if (keeperCoachCompetence > kMaxCompetence)
        keeperCoachCompetence = kMaxCompetence;
    NameAfterSquad(*this, chiefFirstName, chiefSurname);

    int board = LowNibble(boardAndMedia), media = HighNibble(boardAndMedia);
    if (board > kMaxBoardAttitude)
        board = kRepairedClimate;
    if (media > kMaxMediaAttention)
        media = kRepairedClimate;
    boardAndMedia = Pack(media, board);
}

void CTeam::InitForGameStart() {
    Normalize();
    for (const PlayerPtr& player : squad)
        SetStartCondition(*player);
    defenceSystem = kStartDefenceSystem;
    arena.ClearFieldArea();
    account.Reset();
}
