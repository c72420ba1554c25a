// Names and staff persons that a nation makes up for new people.
#include <algorithm>
#include <array>

#include "app/Options.h"
#include "platform/Random.h"
#include "world/GameDate.h"
#include "world/GeneratedNames.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/Player.h"

namespace {

constexpr int kNameDrawTries = 50;
constexpr int kCompetenceSpread = 5;  // base - 2 .. base + 2
constexpr int kMinCompetence = 1;
constexpr int kMaxCompetence = 10;
// (rand >> 11) - 8 is 0 about half the time, else an attitude 1-7.
constexpr int kAttitudeShift = 11;
constexpr int kAttitudeOffset = 8;
constexpr int kMinStaffAge = 25;
constexpr int kStaffAgeSpread = 40;
// Birthdays are drawn without a leap day.
constexpr std::array<int, 12> kDaysOfMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

template <typename T>
T* DrawFrom(const std::vector<std::unique_ptr<T>>& list) {
    if (list.empty())
        return nullptr;
    return list[RandBelow(static_cast<int>(list.size()))].get();
}

}  // namespace

void GeneratePersonName(std::string& firstName, std::string& surname) {
    const int block = IsWomensGame() ? kWomensFirstNames : 0;
    firstName = g_firstNames[block + RandBelow(kFirstNamesPerBlock)];
    surname = g_surnameStarts[RandBelow(kSurnamePartCount)];
    surname += g_surnameMiddles[RandBelow(kSurnamePartCount)];
    surname += g_surnameEndings[RandBelow(kSurnamePartCount)];
}

uint32_t DrawBirthdayInYear(int year) {
    const int month = 1 + RandBelow(12);
    const int day = 1 + RandBelow(kDaysOfMonth[month - 1]);
    return static_cast<uint32_t>(year) << 16 | static_cast<uint32_t>(month) << 8 | static_cast<uint32_t>(day);
}

// One name part of a random player of a random club of a random league.
bool CNation::DrawNamePart(bool surname, std::string& part) const {
    for (int i = 0; i < kNameDrawTries; ++i) {
        const CLeague* league = DrawFrom(leagues);
        const CTeam* club = league ? DrawFrom(league->clubs) : nullptr;
        const CPlayer* player = club ? DrawFrom(club->squad) : nullptr;
        if (!player)
            continue;
        part = surname ? player->lastName : player->firstName;
        if (!part.empty())
            return true;
    }
    return false;
}

PersonName CNation::DrawNameFromPlayers(bool generated) const {
    PersonName name;
    name.nationality = nationNumber;
    if (!generated && !leagues.empty() && DrawNamePart(false, name.firstName) &&
        DrawNamePart(true, name.surname))
        return name;
    GeneratePersonName(name.firstName, name.surname);
    return name;
}

StaffPerson CNation::CreateRandomPerson(float base, bool withAttitude) const {
    StaffPerson person;
    const PersonName name = DrawNameFromPlayers(false);
    person.firstName = name.firstName;
    person.surname = name.surname;
    const int competence = std::clamp(static_cast<int>(base) + RandBelow(kCompetenceSpread) - 2,
                                      kMinCompetence, kMaxCompetence);
    int attitude = 0;
    if (withAttitude)
        attitude = std::max((Rand() >> kAttitudeShift) - kAttitudeOffset, 0);
    person.code = static_cast<uint8_t>(attitude << 4 | competence);
    const int age = kMinStaffAge + RandBelow(kStaffAgeSpread);
    person.birthday = DrawBirthdayInYear(g_gameDate.Year() - age);
    return person;
}
