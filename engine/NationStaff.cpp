// The nation's pools: sponsors for the clubs' contracts and free staff
// whom the clubs appoint.
#include <algorithm>
#include <array>
#include <cstdlib>

#include "platform/Random.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Sponsor.h"

namespace {

constexpr int kTopSponsorLevel = 7;
// A yearly amount above threshold i asks for a sponsor of level i + 1.
constexpr std::array<uint32_t, kTopSponsorLevel> kSponsorLevelThresholds = {
    20000, 30000, 50000, 85000, 150000, 300000, 500000};
constexpr size_t kWantedSponsorChoice = 3;

// A pool person further from the club's level than this is not asked.
constexpr int kMaxCompetenceDistance = 3;
constexpr int kRetirementAge = 65;
constexpr size_t kMinRealNameLength = 2;

template <typename Person>
int FindClosestCompetence(const std::vector<Person>& pool, int target) {
    int best = -1;
    int bestDistance = kMaxCompetenceDistance;
    for (size_t i = 0; i < pool.size(); ++i) {
        const int distance = std::abs((pool[i].code & 0x0F) - target);
        if (distance < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = distance;
        }
    }
    return best;
}

// The person leaving a post takes the place of the one coming in, unless
// he cannot work for another club.
template <typename Person, typename Returns>
Person TakeFromPool(std::vector<Person>& pool, int index, const Person& leaving, Returns returns) {
    Person coming = pool[index];
    if (returns(leaving))
        pool[index] = leaving;
    else
        pool.erase(pool.begin() + index);
    return coming;
}

bool IsTheUser(const StaffPerson& p) {
    return p.firstName == g_manager.firstName && p.surname == g_manager.lastName;
}

bool CanWorkElsewhere(const StaffPerson& p) {
    return p.surname.size() >= kMinRealNameLength && AgeFromPackedDate(p.birthday) < kRetirementAge &&
           !IsTheUser(p);
}

bool CanWorkElsewhere(const KeeperCoachPerson& p) { return p.name.size() >= kMinRealNameLength; }

int TargetCompetence(const CTeam& club) { return static_cast<int>(club.GetAverageStrength()) + 1; }

}  // namespace

int CNation::PickSponsor(uint32_t amount) const {
    int wanted = static_cast<int>(std::count_if(kSponsorLevelThresholds.begin(), kSponsorLevelThresholds.end(),
                                                [amount](uint32_t t) { return amount > t; }));
    std::vector<int> candidates;
    for (int level = kTopSponsorLevel; level >= 0; --level) {
        // Too few sponsors of the wanted levels: take the next level down.
        if (level < wanted) {
            if (candidates.size() >= kWantedSponsorChoice)
                break;
            wanted = level;
        }
        for (size_t i = 0; i < sponsors.size(); ++i)
            if (sponsors[i]->financialSituation == level)
                candidates.push_back(static_cast<int>(i));
    }
    if (candidates.empty())
        return -1;
    return candidates[RandBelow(static_cast<int>(candidates.size()))];
}

bool CNation::AppointStaffFromPool(CTeam& club, StaffPost post) {
    switch (post) {
    case StaffPost::kCoach:
        AppointCoach(club);
        break;
    case StaffPost::kKeeperCoach:
        AppointKeeperCoach(club);
        break;
    case StaffPost::kManager:
        AppointManager(club);
        break;
    }
    return true;
}

void CNation::AppointCoach(CTeam& club) {
    const int target = TargetCompetence(club);
    const int index = FindClosestCompetence(coachPool, target);
    StaffPerson coach;
    if (index >= 0) {
        const StaffPerson leaving{club.coachFirstName, club.coachSurname, club.coachBirthday, club.coachCode};
        coach = TakeFromPool(coachPool, index, leaving, [](const StaffPerson& p) { return CanWorkElsewhere(p); });
    } else {
        coach = CreateRandomPerson(static_cast<float>(target), true);
    }
    club.coachFirstName = coach.firstName;
    club.coachSurname = coach.surname;
    club.coachBirthday = coach.birthday;
    club.coachCode = coach.code;
    club.ResetClimateForNewManager();
}

void CNation::AppointKeeperCoach(CTeam& club) {
    const int target = TargetCompetence(club);
    const int index = FindClosestCompetence(keeperCoachPool, target);
    KeeperCoachPerson coach;
    if (index >= 0) {
        const KeeperCoachPerson leaving{club.keeperCoach, club.keeperCoachCompetence};
        coach = TakeFromPool(keeperCoachPool, index, leaving,
                             [](const KeeperCoachPerson& p) { return CanWorkElsewhere(p); });
    } else {
        const StaffPerson made = CreateRandomPerson(static_cast<float>(target), false);
        coach = {made.firstName + " " + made.surname, made.code};
    }
    club.keeperCoach = coach.name;
    club.keeperCoachCompetence = coach.code;
}

void CNation::AppointManager(CTeam& club) {
    const int target = TargetCompetence(club);
    const int index = FindClosestCompetence(managerPool, target);
    StaffPerson manager;
    if (index >= 0) {
        const StaffPerson leaving{club.managerFirstName, club.managerSurname, club.managerBirthday,
                                  club.managerCompetence};
        manager =
            TakeFromPool(managerPool, index, leaving, [](const StaffPerson& p) { return CanWorkElsewhere(p); });
    } else {
        manager = CreateRandomPerson(static_cast<float>(target), false);
    }
    club.managerFirstName = manager.firstName;
    club.managerSurname = manager.surname;
    club.managerBirthday = manager.birthday;
    club.managerCompetence = manager.code;
}
