#include "engine/GeneratedPeople.h"

#include <array>

#include "engine/NameTables.h"
#include "platform/GameOptions.h"
#include "platform/Random.h"
#include "world/Vocabulary.h"

namespace {

// Generated birthdays never fall on 29 February.
constexpr std::array<int, 12> kDaysOfMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

void GeneratePersonName(std::string& firstName, std::string& surname) {
    const int first = (IsWomensGame() ? kWomensFirstNames : 0) + RandBelow(kFirstNamesPerBlock);
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

uint32_t DrawBirthdayInYear(int year) {
    const int month = 1 + RandBelow(12);
    const int day = 1 + RandBelow(kDaysOfMonth[month - 1]);
    return static_cast<uint32_t>(year) << 16 | static_cast<uint32_t>(month) << 8 | static_cast<uint32_t>(day);
}
