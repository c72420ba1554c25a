#include "world/Continent.h"

#include <algorithm>

#include "platform/Random.h"
#include "world/Manager.h"
#include "world/Match.h"
#include "world/Nation.h"
#include "world/Referee.h"

namespace {

constexpr int kRefereeNationDraws = 100;

}  // namespace

CContinent::CContinent() = default;
CContinent::~CContinent() = default;

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
