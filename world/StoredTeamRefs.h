#pragma once

#include <cstdint>
#include <vector>

class CTeam;
class CWorld;

// Cups and matches store their clubs as world references. While a world
// writes or reads itself the references are made against that world, not
// the manager's. Inside a whole world file a reference may name a club that
// is read only later (a league's matches while the league itself is still
// being read), so while a world is read they are kept as they stand and
// resolved once the world is whole.
class WorldFileScope {
public:
    explicit WorldFileScope(const CWorld& world);
    ~WorldFileScope();
    WorldFileScope(const WorldFileScope&) = delete;
    WorldFileScope& operator=(const WorldFileScope&) = delete;

private:
    const CWorld* previous_;
};

// The reference of a club; not found for none.
uint32_t StoreTeamRef(const CTeam* team);

// References read for a list of clubs, kept until the world is whole.
class StoredTeams {
public:
    // Fills teams from refs now, or with g_noClubTeam while a world is
    // being read, keeping refs for Resolve.
    void Load(const std::vector<uint32_t>& refs, std::vector<CTeam*>& teams);
    void Resolve(const CWorld& world, std::vector<CTeam*>& teams);

private:
    std::vector<uint32_t> refs_;
    bool pending_ = false;
};
