#include "world/Continent.h"

#include <algorithm>

#include "engine/Match.h"
#include "career/Manager.h"
#include "platform/Random.h"
#include "world/Nation.h"
#include "world/Referee.h"

namespace {

// Nation numbers that a continent's first nation may draw.
constexpr int kDrawnNationNumbers = 190;
constexpr size_t kMinNameLength = 2;
constexpr char kShortNameSuffix[] = "H";
constexpr float kPresidentCompetence = 5.0f;
constexpr int kRefereeNationDraws = 100;

}  // namespace

CContinent::CContinent() = default;
CContinent::~CContinent() = default;

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

void CContinent::PickHostNation() { hostNation = static_cast<uint8_t>(RandBelow(static_cast<int>(nations.size()))); }

bool CContinent::IsTeamInEarlierCup(const CTeam* team, const CCup* cup) const {
    int index = 0;
    for (const auto& listed : clubCups) {
        if (listed.get() == cup)
            return false;
        if (listed->FindParticipant(team, index))
            return true;
    }
    return false;
}

bool CContinent::FindNation(const CNation* nation, int& index) const {
    for (size_t i = 0; i < nations.size(); ++i) {
        if (nations[i].get() == nation) {
            index = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

bool CContinent::FindNationOfNationalTeam(const CTeam* team, int& index) const {
    for (size_t i = 0; i < nations.size(); ++i) {
        if (&nations[i]->nationalTeam == team) {
            index = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

// The user's nation does not judge a match of the national team he
// coaches; after many draws the first nation is taken all the same.
const CNation* CContinent::DrawRefereeNation(const CMatch& match) const {
    for (int draw = 0; draw <= kRefereeNationDraws; ++draw) {
        const CNation* nation = nations[RandBelow(static_cast<int>(nations.size()))].get();
        const CTeam* team = &nation->nationalTeam;
        if (nation != g_manager.nation || (team != match.home.team && team != match.away.team))
            return nation;
    }
    return nations.front().get();
}

void CContinent::AssignReferees(const std::vector<CMatch*>& matches) const {
    if (nations.empty())
        return;
    for (CMatch* match : matches) {
        if (match->referees.names[0].size() >= kMinNameLength)
            continue;
        const CNation* nation = DrawRefereeNation(*match);
        if (!nation->referees.empty())
            match->referees.CopyFrom(*nation->referees[RandBelow(static_cast<int>(nation->referees.size()))]);
    }
}
