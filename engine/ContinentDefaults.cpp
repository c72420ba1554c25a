// A continent read from a world file may lack what a new game needs: it
// gets a nation, and its short name and president are made up.
#include "platform/Random.h"
#include "world/Continent.h"
#include "world/Nation.h"

namespace {

// Nation numbers that a continent's first nation may draw.
constexpr int kDrawnNationNumbers = 190;
constexpr char kShortNameSuffix[] = "H";
constexpr float kPresidentCompetence = 5.0f;

}  // namespace

void CContinent::FillMissingDefaults() {
    if (nations.empty()) {
        nations.push_back(std::make_unique<CNation>());
        nations.back()->nationNumber = static_cast<uint16_t>(RandBelow(kDrawnNationNumbers));
    }
    if (shortName.size() < kMinNameLength)
        shortName = name.substr(0, kMinNameLength) + kShortNameSuffix;
    if (president.size() < kMinNameLength) {
        const CNation& nation = *nations[RandBelow(static_cast<int>(nations.size()))];
        const StaffPerson person = nation.CreateRandomPerson(kPresidentCompetence, false);
        president = person.firstName + " " + person.surname;
        presidentBirthday = person.birthday;
    }
}
