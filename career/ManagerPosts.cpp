#include "career/ManagerPosts.h"

#include "world/Continent.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/World.h"

namespace {

bool IsHim(const CManager& manager, const std::string& firstName, const std::string& surname) {
    return firstName == manager.firstName && surname == manager.lastName;
}

}  // namespace

void TakeClubPosts(const CManager& manager, CTeam& club) {
    // A one-letter name is no coach.
    if (club.coachSurname.size() < 2) {
        club.coachFirstName = manager.firstName;
        club.coachSurname = manager.lastName;
        club.coachBirthday = manager.birthday;
        club.coachCode = manager.coachingLevel;
    }
    club.managerFirstName = manager.firstName;
    club.managerSurname = manager.lastName;
    club.managerBirthday = manager.birthday;
    club.managerCompetence = manager.coachingLevel;
}

void LeaveClubPosts(const CManager& manager, CTeam& club) {
    club.managerFirstName.clear();
    club.managerSurname.clear();
    if (IsHim(manager, club.coachFirstName, club.coachSurname)) {
        club.coachFirstName.clear();
        club.coachSurname.clear();
    }
}

void SendCoachToPool(const CTeam& club, CNation& nation) {
    nation.coachPool.push_back({club.coachFirstName, club.coachSurname, club.coachBirthday, club.coachCode});
}

void SendManagerToPool(const CTeam& club, CNation& nation) {
    nation.managerPool.push_back(
        {club.managerFirstName, club.managerSurname, club.managerBirthday, club.managerCompetence});
}

bool FindClubPlace(const CWorld& world, const CTeam* club, ClubPlace& place) {
    int number = 0;
    for (const auto& continent : world.continents)
        for (const auto& nation : continent->nations)
            for (const auto& league : nation->leagues)
                if (league->FindTeam(club, number)) {
                    place = {continent.get(), nation.get(), league.get()};
                    return true;
                }
    return false;
}
