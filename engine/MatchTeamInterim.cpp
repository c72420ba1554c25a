#include "engine/MatchTeam.h"

#include "world/Team.h"

// INTERIM: the world's references (CWorld::GetTeamRef, ResolveRef and
// GetPlayerRef, forwarded by the manager) are not built yet. Until they
// are, every team is stored as "not found" and reads back as no club, and
// the national team's injuries stay with it.

namespace match_team {

namespace {
constexpr uint32_t kNotFound = 0xFF000000;
}  // namespace

uint32_t TeamRef(const CTeam*) { return kNotFound; }
CTeam* ResolveTeamRef(uint32_t) { return &g_noClubTeam; }
void ReturnInjuriesToClubs(CTeam&) {}

}  // namespace match_team
