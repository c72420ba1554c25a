#include "engine/GeneratedPeople.h"

#include <algorithm>
#include <array>

#include "app/Options.h"
#include "engine/NameTables.h"
#include "platform/Random.h"
#include "world/GameDate.h"
#include "world/Vocabulary.h"

namespace {

// Generated birthdays never fall on 29 February.
constexpr std::array<int, 12> kDaysOfMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr int kMinCompetence = 1;
constexpr int kMaxCompetence = 10;
constexpr int kCompetenceSpread = 5;  // -2 … +2 around the base
constexpr int kAttitudeShift = 11;    // Rand() >> 11 is 0-15
constexpr int kAttitudeOffset = 8;    // so 0-7 is "none" and 8-15 give 1-7

constexpr int kMinStaffAge = 25;
constexpr int kStaffAgeRange = 40;

}  // namespace

void GeneratePersonName(std::string& firstName, std::string& surname) {
    const int first = (IsWomensGame() ? kWomensFirstNames : 0) + RandBelow(kFirstNamesPerSex);
    firstName = g_firstNames[first];
    surname = g_surnameStarts[RandBelow(kSurnamePartCount)];
    surname += g_surnameMiddles[RandBelow(kSurnamePartCount)];
    surname += g_surnameEndings[RandBelow(kSurnamePartCount)];
}

std::string GenerateClubName(int nationNumber, const std::function<bool(const std::string&)>& isTaken) {
    const std::string nation = NationName(nationNumber);
    std::string name = std::string(g_clubPrefixes[RandBelow(kClubPrefixCount)]) + " " + nation;
    if (!isTaken(name))
        return name;
    name = std::string(g_clubPrefixes[RandBelow(kClubPrefixCount)]) + " " + nation + " I";
    while (isTaken(name))
        name += "I";
    return name;
}

uint32_t DrawBirthday(int age) {
    const int year = g_gameDate.Year() - age;
    const int month = 1 + RandBelow(12);
    const int day = 1 + RandBelow(kDaysOfMonth[month - 1]);
    return static_cast<uint32_t>(year) << 16 | static_cast<uint32_t>(month) << 8 | static_cast<uint32_t>(day);
}

uint8_t DrawStaffCode(float base, bool withAttitude) {
    int competence = static_cast<int>(base) + RandBelow(kCompetenceSpread) - kCompetenceSpread / 2;
    competence = std::clamp(competence, kMinCompetence, kMaxCompetence);
    int attitude = 0;
    if (withAttitude)
        attitude = std::max((Rand() >> kAttitudeShift) - kAttitudeOffset, 0);
    return static_cast<uint8_t>(attitude << 4 | competence);
}

int DrawStaffAge() { return kMinStaffAge + RandBelow(kStaffAgeRange); }
