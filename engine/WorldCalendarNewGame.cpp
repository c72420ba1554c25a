#include <algorithm>

#include "engine/CupOwnerSources.h"
#include "platform/Random.h"
#include "world/GameDate.h"
#include "world/Manager.h"
#include "world/WorldWalk.h"

// A world freshly read from the world file made ready for a new game.

namespace {

constexpr uint16_t kEarliestStartYear = 1950;
constexpr uint16_t kLatestStartYear = 2150;
constexpr const char* kDefaultContinentName = "Europe";
constexpr const char* kDefaultShorthand = "HFW";
constexpr const char* kDefaultPresident = "Henrik Valstad";
constexpr float kPresidentRatingBase = 5.0f;
// A new game starts on the first Monday of July, found back from this day.
constexpr int kSeasonStartSearchDay = 15;

int CountActiveNations(const CContinent& continent) {
    return static_cast<int>(std::count_if(continent.nations.begin(), continent.nations.end(),
                                           [](const auto& nation) { return !nation->IsInactive(); }));
}

// The continents with the most active nations come first, in their order
// among equals; the world cup's qualification slots (slot c + 1 of
// continent c) move with them.
void OrderContinentsByActiveNations(CWorld& world) {
    const size_t count = world.continents.size();
    std::vector<size_t> order(count);
    for (size_t i = 0; i < count; ++i)
        order[i] = i;
    std::vector<int> active(count);
    for (size_t i = 0; i < count; ++i)
        active[i] = CountActiveNations(*world.continents[i]);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return active[a] > active[b]; });

    std::vector<std::unique_ptr<CContinent>> continents;
    std::vector<int> places = {world.worldCup.GetQualificationPlaces(0)};
    for (size_t i : order) {
        continents.push_back(std::move(world.continents[i]));
        places.push_back(world.worldCup.GetQualificationPlaces(static_cast<int>(i) + 1));
    }
    world.continents = std::move(continents);

    std::vector<uint16_t>& cumulative = world.worldCup.cumulativePlaces;
    int sum = 0;
    for (size_t slot = 0; slot < cumulative.size() && slot < places.size(); ++slot) {
        sum += places[slot];
        cumulative[slot] = static_cast<uint16_t>(sum);
    }
}

void MakeUpPresident(CWorld& world) {
    const int c = RandBelow(static_cast<int>(world.continents.size()));
    const auto& nations = world.continents[c]->nations;
    if (nations.empty()) {
        world.president = kDefaultPresident;
        return;
    }
    const CNation& nation = *nations[RandBelow(static_cast<int>(nations.size()))];
    const StaffPerson person = nation.CreateRandomPerson(kPresidentRatingBase, false);
    world.president = person.firstName + " " + person.surname;
    world.presidentBirthday = person.birthday;
}

Date FirstDayOfSeason(int year) {
    const Date search(year, kSeasonStartMonth, kSeasonStartSearchDay);
    return search.AddDays(-GetSeasonDayIndex(search));
}

}  // namespace

void CWorld::FixUpAfterLoad() {
    if (continents.empty()) {
        continents.push_back(std::make_unique<CContinent>());
        continents.back()->name = kDefaultContinentName;
    }
    startYear = std::clamp(startYear, kEarliestStartYear, kLatestStartYear);
    if (shorthand.empty())
        shorthand = kDefaultShorthand;
    if (president.empty())
        MakeUpPresident(*this);
}

void CWorld::PrepareNewGame() {
    FixUpAfterLoad();
    OrderContinentsByActiveNations(*this);
    for (const auto& continent : continents)
        continent->SetUpForNewGame();
    worldCup.PrepareStructure(MakeCupOwnerView(*this));
    g_gameDate = FirstDayOfSeason(startYear);
    NominateNationalSquads(true, false);
    WorldCupSource source(*this);
    worldCup.NominateTeams(source);
    PickQuadrennialHost();
    olympia.PrepareStructure(MakeCupOwnerView(*this));
    PickContinentHosts();
    PickBiennialHost();
    // The first season's tournament takes the qualifiers of the season before.
    const size_t qualification = CContinent::QualificationPlayedIn(startYear - 1);
    for (const auto& continent : continents)
        continent->SetUpQualification(qualification, *this);
    for (const auto& continent : continents)
        continent->PlayWholeExtraCup(qualification);
    g_manager.PrepareNewGame();
}
