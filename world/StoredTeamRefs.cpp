#include "world/StoredTeamRefs.h"

#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/World.h"
#include "world/WorldRef.h"

namespace {
const CWorld* g_worldInFile = nullptr;
}  // namespace

WorldFileScope::WorldFileScope(const CWorld& world) : previous_(g_worldInFile) { g_worldInFile = &world; }
WorldFileScope::~WorldFileScope() { g_worldInFile = previous_; }

uint32_t StoreTeamRef(const CTeam* team) {
    return g_worldInFile ? g_worldInFile->GetTeamRef(team) : g_manager.GetTeamRef(team);
}

void StoredTeams::Load(const std::vector<uint32_t>& refs, std::vector<CTeam*>& teams) {
    teams.clear();
    pending_ = g_worldInFile != nullptr;
    for (uint32_t ref : refs)
        teams.push_back(pending_ ? &g_noClubTeam : g_manager.ResolveTeam(ref));
    refs_ = pending_ ? refs : std::vector<uint32_t>{};
}

void StoredTeams::Resolve(const CWorld& world, std::vector<CTeam*>& teams) {
    if (!pending_)
        return;
    for (size_t i = 0; i < refs_.size() && i < teams.size(); ++i)
        teams[i] = world.ResolveTeam(refs_[i]);
    refs_.clear();
    pending_ = false;
}
