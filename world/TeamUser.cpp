// What a team is to the user: his club, his national team, his players.
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/Team.h"

namespace {

constexpr int kJobSafeCounter = 3;
constexpr int kSafeConfidence = 50;
constexpr int kSafeStanding = 1500;

}  // namespace

bool IsUserTeam(const CTeam* team) {
    return team && (team == g_manager.club || team == g_manager.nationalTeam);
}

bool IsUserClubPlayer(const CPlayer* player) {
    size_t index = 0;
    const CTeam* club = g_manager.club;
    return club && club != &g_noClubTeam && club->FindPlayer(player, index);
}

bool CTeam::HasAssistantCoach() const {
    if (account.IsProfessional())
        return account.GetContract(kContractCoach).term >= 1;
    if (this == g_manager.nationalTeam && this != &g_noClubTeam)
        return true;
    return HasCoach();
}

bool CTeam::IsCoachJobSafe() const {
    if (IsUserTeam(this) && GetJobSafetyCounter() == kJobSafeCounter)
        return true;
    return clubConfidence >= kSafeConfidence && clubConfidence * fanReputation >= kSafeStanding;
}
