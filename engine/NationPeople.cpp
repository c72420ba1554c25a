// Names and staff persons that a nation makes up for new people.
#include <algorithm>
#include <array>

#include "engine/GeneratedPeople.h"
#include "engine/NameTables.h"
#include "platform/Random.h"
#include "world/GameDate.h"
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

template <typename T, typename D>
T* DrawFrom(const std::vector<std::unique_ptr<T, D>>& list) {
    if (list.empty())
        return nullptr;
    return list[RandBelow(static_cast<int>(list.size()))].get();
}

}  // namespace

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
