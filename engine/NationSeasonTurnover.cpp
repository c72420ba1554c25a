// The people of a nation at the season's end: weak and old free players
// become staff, players leave their clubs, second teams go down below
// their first teams, squads get contracts that fit their league, the
// leagues' clubs are shared out again by region when the user asks for it
// (NationLeagueReassignment.cpp), and the pools of free staff age.
#include <algorithm>

#include "engine/NationDivisions.h"
#include "platform/GameOptions.h"
#include "platform/Random.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"

namespace {

constexpr int kCompetenceRange = 10;
constexpr int kAttitudeShift = 12;  // rand >> 12: attitude 0-7
constexpr int kStaffPools = 3;
constexpr int kWeakestStrength = 1;
constexpr int kVeteranAge = 32;
constexpr int kVeteranDraw = 10;

// A player leaves when he is older than twice his league's division + 34.
constexpr int kLeavingAgeBase = 34;
constexpr int kLeavingAgePerDivision = 2;
constexpr int kContentSatisfaction = 70;
constexpr size_t kMaxSquadBeforeAmateurs = 20;
constexpr uint16_t kProtectedByStatus = CPlayer::kTransferMarked | CPlayer::kStrengthHidden;

// In a professional league at least half the squad is professional, in
// any other at most three quarters.
constexpr int kFewestProfessionalsHalves = 2;
constexpr int kMostProfessionalsQuarters = 3;

// A second team with no division below it makes way for a new club.
constexpr int kReplacementLevel = 100, kReplacementSpread = 100;

constexpr int kManagerRetirementAge = 60;
constexpr size_t kCrowdedStaffPool = 25;
constexpr size_t kCrowdedKeeperCoachPool = 18;

bool OneInTwo() { return RandBelow(2) == 0; }

void MakeStaff(CNation& nation, const CPlayer& player) {
    const int competence = 1 + RandBelow(kCompetenceRange);
    switch (RandBelow(kStaffPools)) {
        case 0:
            nation.coachPool.push_back({player.firstName, player.lastName, player.birthday,
                                        static_cast<uint8_t>(competence + 16 * (Rand() >> kAttitudeShift))});
            break;
        case 1:
            nation.managerPool.push_back({player.firstName, player.lastName, player.birthday,
                                          static_cast<uint8_t>(competence)});
            break;
        default:
            nation.keeperCoachPool.push_back({player.firstName + " " + player.lastName,
                                              static_cast<uint8_t>(competence)});
            break;
    }
}

// Free players of the weakest class take up a post; the others get weaker.
void TurnWeakFreePlayersIntoStaff(CNation& nation) {
    for (size_t i = 0; i < nation.freePlayers.size();) {
        CPlayer& player = *nation.freePlayers[i];
        if (player.GetStrengthClass() <= kWeakestStrength) {
            MakeStaff(nation, player);
            nation.EndCareer(std::move(nation.freePlayers[i]));
            nation.freePlayers.erase(nation.freePlayers.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        player.ChangeStrength(-1, false);
        ++i;
    }
}

void TurnOldFreePlayersIntoStaff(CNation& nation) {
    std::erase_if(nation.freePlayers, [&](PlayerPtr& player) {
        if (player->GetAge() - kVeteranAge <= RandBelow(kVeteranDraw))
            return false;
        MakeStaff(nation, *player);
        nation.EndCareer(std::move(player));
        return true;
    });
}

bool TooOldFor(const CPlayer& player, int division) {
    return player.GetAge() > kLeavingAgePerDivision * division + kLeavingAgeBase && OneInTwo();
}

// His one-year option keeps him; else he goes.
bool LeavesUnlessExtended(CPlayer& player) {
    if (!player.HasExtensionOption(true))
        return true;
    ++player.contractYears;
    player.ClearExtensionOption(true);
    return false;
}

bool Leaves(CPlayer& player, const CLeague& league) {
    const int division = league.division;
    if (player.IsOnTransferList(false)) {
        if (player.IsProfessional() && player.contractYears > 0)
            return TooOldFor(player, division);
        return LeavesUnlessExtended(player);
    }
    if (!player.IsProfessional()) {
        const int satisfaction = player.GetContractSatisfaction(false, division, league.GetRegularMatchDayCount(),
                                                                g_manager.GetInflationPermille());
        return satisfaction >= kContentSatisfaction ? TooOldFor(player, division) : true;
    }
    if (player.contractYears == 0)
        return LeavesUnlessExtended(player);
    const int clause = player.GetContractClause();
    return clause > 0 && clause < division;
}

// A crowded squad sends its weaker listed players, who stayed with it all
// season, down to its amateurs.
void SendListedPlayersToAmateurs(CNation& nation, CTeam& club) {
    const int mean = static_cast<int>(club.GetAverageStrength());
    for (size_t i = 0; i < club.squad.size() && club.squad.size() > kMaxSquadBeforeAmateurs;) {
        CPlayer* player = club.squad[i].get();
        if (player->IsOnTransferList(false) && !player->HasChangedTeam() && player->GetStrengthClass() < mean) {
            nation.RemovePlayerFromTransferDeals(player);
            club.amateurs.push_back(club.RemovePlayer(player));
            continue;
        }
        ++i;
    }
}

void SendAwayDepartingPlayers(CNation& nation) {
    for (const auto& league : nation.leagues)
        for (const auto& club : league->clubs) {
            for (size_t i = 0; i < club->squad.size();) {
                CPlayer* player = club->squad[i].get();
                if ((player->styleTraits & kProtectedByStatus) || !Leaves(*player, *league)) {
                    ++i;
                    continue;
                }
                nation.RemovePlayerFromTransferDeals(player);
                nation.freePlayers.push_back(club->RemovePlayer(player));
            }
            SendListedPlayersToAmateurs(nation, *club);
        }
}

CLeague* LeagueOfClub(const CNation& nation, const CTeam* club) {
    int number = 0;
    for (const auto& league : nation.leagues)
        if (league->FindTeam(club, number))
            return league.get();
    return nullptr;
}

std::unique_ptr<CTeam>* SlotOf(CLeague& league, const CTeam* club) {
    for (auto& slot : league.clubs)
        if (slot.get() == club)
            return &slot;
    return nullptr;
}

// The best-placed club of the nearest league below that this step has
// not moved yet changes places with the second team.
void MoveDownSecondTeam(CNation& nation, CLeague& home, CTeam& second, std::vector<const CTeam*>& moved) {
    const std::vector<DivisionTally> tally = TallyDivisions(nation);
    int below = home.division + 1;
    while (below < static_cast<int>(tally.size()) && tally[below].leagues == 0)
        ++below;
    std::unique_ptr<CTeam>* secondSlot = SlotOf(*LeagueOfClub(nation, &second), &second);
    moved.push_back(&second);
    if (below >= static_cast<int>(tally.size())) {
        if (!nation.CreateExtraTeam(nation.GetMaxDivision(), kReplacementLevel, kReplacementSpread))
            return;
        std::swap(*secondSlot, nation.extraTeams.back());
        return;
    }
    CLeague* target = nullptr;
    int best = 0;
    for (CLeague* league : LeaguesOfDivision(nation, below)) {
        const int distance = AreaDistance(*league, second);
        if (!target || distance < best) {
            target = league;
            best = distance;
        }
    }
    for (int place = 0; place < static_cast<int>(target->tableOrder.size()); ++place) {
        CTeam* club = ClubAtPlace(*target, place);
        if (club && std::find(moved.begin(), moved.end(), club) == moved.end()) {
            moved.push_back(club);
            std::swap(*secondSlot, *SlotOf(*target, club));
            return;
        }
    }
}

// A club's amateur team that plays as high as the club itself goes down.
void MoveDownSecondTeams(CNation& nation) {
    std::vector<const CTeam*> moved;
    for (size_t l = 0; l < nation.leagues.size(); ++l) {
        CLeague& league = *nation.leagues[l];
        for (size_t c = 0; c < league.clubs.size(); ++c) {
            const CTeam& first = *league.clubs[c];
            CTeam* second = nullptr;
            if (first.amateurTeamName.empty() || !nation.FindTeamByName(first.amateurTeamName, second) ||
                second == &first || std::find(moved.begin(), moved.end(), second) != moved.end())
                continue;
            const CLeague* secondLeague = LeagueOfClub(nation, second);
            if (secondLeague && secondLeague->division <= league.division)
                MoveDownSecondTeam(nation, league, *second, moved);
        }
    }
}

void RenewContracts(CNation& nation) {
    const int inflation = g_manager.GetInflationPermille();
    for (const auto& league : nation.leagues)
        for (const auto& club : league->clubs) {
            const size_t squad = club->squad.size();
            const size_t professionals = static_cast<size_t>(std::count_if(
                club->squad.begin(), club->squad.end(), [](const PlayerPtr& p) { return p->IsProfessional(); }));
            const bool renew = league->IsProfessional() ? professionals * kFewestProfessionalsHalves < squad
                                                        : professionals * 4 > squad * kMostProfessionalsQuarters;
            if (!renew)
                continue;
            for (const auto& player : club->squad) {
                const ContractDemand demand = player->ComputeContractDemand(
                    league->IsProfessional(), league->division, league->GetMatchDayCount(true, true, true), inflation);
                PlayerContract contract = player->GetContract();
                contract.professional = league->IsProfessional();
                contract.salary = demand.salary;
                contract.bonus = demand.bonus;
                contract.years = demand.years;
                player->SetContract(contract);
            }
        }
}

template <typename Person, typename Leaves>
void AgePool(std::vector<Person>& pool, Leaves leaves) {
    for (size_t i = 0; i < pool.size();) {
        if (leaves(pool[i], pool.size()) && OneInTwo())
            pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(i));
        else
            ++i;
    }
}

void AgeStaffPools(CNation& nation) {
    auto oldOrCrowded = [](const StaffPerson& person, size_t size) {
        return size >= kCrowdedStaffPool || AgeFromPackedDate(person.birthday) > kManagerRetirementAge;
    };
    AgePool(nation.managerPool, oldOrCrowded);
    AgePool(nation.coachPool, oldOrCrowded);
    if (nation.keeperCoachPool.size() > kCrowdedKeeperCoachPool)
        AgePool(nation.keeperCoachPool, [](const KeeperCoachPerson&, size_t) { return true; });
}

}  // namespace

// Players leave their clubs faster than free players fade away, so without
// this the list outgrows its one-byte count within a season or two and the
// game could no longer be saved.
void CNation::RetireSurplusFreePlayers() {
    auto weaker = [](const PlayerPtr& a, const PlayerPtr& b) {
        if (a->GetStrengthClass() != b->GetStrengthClass())
            return a->GetStrengthClass() < b->GetStrengthClass();
        return a->GetAge() > b->GetAge();
    };
    while (freePlayers.size() > kMaxListSize) {
        const auto weakest = std::min_element(freePlayers.begin(), freePlayers.end(), weaker);
        EndCareer(std::move(*weakest));
        freePlayers.erase(weakest);
    }
}

void CNation::EndCareer(PlayerPtr player) {
    endedCareers.push_back(std::move(player));
}

void CNation::TurnOverPeople() {
    TurnWeakFreePlayersIntoStaff(*this);
    SendAwayDepartingPlayers(*this);
    TurnOldFreePlayersIntoStaff(*this);
    RetireSurplusFreePlayers();
    if (!IsInactive())
        MoveDownSecondTeams(*this);
    RenewContracts(*this);
    if (ReassignsLeagueClubs())
        ReassignLeagueClubs();
    AgeStaffPools(*this);
    for (const auto& player : freePlayers)
        player->StartNewSeason();
}
