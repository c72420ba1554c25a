#include "world/Continent.h"
#include "world/League.h"
#include "world/NoClubTeam.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/World.h"

// The builders search the tree in a fixed order and the first match wins;
// the resolver only indexes lists, checking each index against its size.

namespace {

// Walks the teams of one nation that references can name, in the
// builders' order: its league clubs, then (when asked) its national team,
// then its extra teams; the reference of the first team `found` accepts.
template <typename Found>
WorldRef FindNationTeamRef(const CNation& nation, size_t c, size_t n, bool withNationalTeam, Found found) {
    for (size_t l = 0; l < nation.leagues.size(); ++l) {
        const auto& clubs = nation.leagues[l]->clubs;
        for (size_t t = 0; t < clubs.size(); ++t)
            if (found(*clubs[t]))
                return PackWorldRef(c, n, l, t);
    }
    if (withNationalTeam && found(nation.nationalTeam))
        return PackWorldRef(c, n, kRefNationLevel, kRefNationalTeam);
    for (size_t k = 0; k < nation.extraTeams.size(); ++k)
        if (found(*nation.extraTeams[k]))
            return PackWorldRef(c, n, kRefNationLevel, k + 1);
    return kRefNotFound;
}

// The same over every nation, in the builders' order.
template <typename Found>
WorldRef FindTeamRef(const CWorld& world, bool withNationalTeam, Found found) {
    const auto& continents = world.continents;
    for (size_t c = 0; c < continents.size(); ++c) {
        const auto& nations = continents[c]->nations;
        for (size_t n = 0; n < nations.size(); ++n) {
            const WorldRef ref = FindNationTeamRef(*nations[n], c, n, withNationalTeam, found);
            if (ref != kRefNotFound)
                return ref;
        }
    }
    return kRefNotFound;
}

// The nation's own teams, when it is one of the world's.
template <typename Found>
WorldRef FindTeamRefInNation(const CWorld& world, const CNation& nation, Found found) {
    const auto& continents = world.continents;
    for (size_t c = 0; c < continents.size(); ++c) {
        const auto& nations = continents[c]->nations;
        for (size_t n = 0; n < nations.size(); ++n)
            if (nations[n].get() == &nation)
                return FindNationTeamRef(nation, c, n, false, found);
    }
    return kRefNotFound;
}

bool FindInSquad(const CTeam& team, const CPlayer* player, uint8_t& squadIndex) {
    size_t index = 0;
    if (!team.FindPlayer(player, index))
        return false;
    squadIndex = static_cast<uint8_t>(index);
    return true;
}

// While the team he was last found in still holds him, the search would
// find him there.
bool FindWhereLastFound(const CWorld& world, const CPlayer& player, uint8_t& squadIndex) {
    const CTeam* team = world.ResolveTeam(player.foundAt.ref);
    return team != &g_noClubTeam && FindInSquad(*team, &player, squadIndex);
}

}  // namespace

// A team stands in one place of the tree.
WorldRef CWorld::GetTeamRef(const CTeam* team) const {
    if (team && team != &g_noClubTeam && ResolveTeam(team->foundAt) == team)
        return team->foundAt;
    const WorldRef ref = FindTeamRef(*this, true, [team](const CTeam& candidate) { return &candidate == team; });
    if (ref != kRefNotFound)
        team->foundAt = ref;
    return ref;
}

// National squads are not searched: their members are club players. As he
// belongs to one squad, wherever he is found first is where the search of
// the whole world in its order would find him.
WorldRef CWorld::GetPlayerRef(const CPlayer* player, uint8_t& squadIndex, const CNation* likelyNation) const {
    const auto inSquad = [&](const CTeam& team) { return FindInSquad(team, player, squadIndex); };
    WorldRef ref = kRefNotFound;
    if (player && FindWhereLastFound(*this, *player, squadIndex))
        ref = player->foundAt.ref;
    else if (likelyNation)
        ref = FindTeamRefInNation(*this, *likelyNation, inSquad);
    if (ref == kRefNotFound)
        ref = FindTeamRef(*this, false, inSquad);
    if (ref == kRefNotFound)
        squadIndex = 0;
    else
        player->foundAt = {ref, squadIndex};
    return ref;
}

WorldObject CWorld::ResolveRef(WorldRef ref, RefLevel stopAt) const {
    const size_t c = RefContinent(ref);
    if (c >= continents.size())
        return &g_noClubTeam;
    CContinent& continent = *continents[c];
    if (stopAt == RefLevel::kContinent)
        return &continent;

    const size_t n = RefNation(ref);
    if (n >= continent.nations.size())
        return &g_noClubTeam;
    CNation& nation = *continent.nations[n];
    if (stopAt == RefLevel::kNation)
        return &nation;

    const size_t t = RefTeam(ref);
    if (RefLeague(ref) == kRefNationLevel) {
        // The national team is found even when a league was asked for.
        if (t == kRefNationalTeam)
            return &nation.nationalTeam;
        if (t > nation.extraTeams.size() || stopAt == RefLevel::kLeague)
            return &g_noClubTeam;
        return nation.extraTeams[t - 1].get();
    }

    const size_t l = RefLeague(ref);
    if (l >= nation.leagues.size())
        return &g_noClubTeam;
    CLeague& league = *nation.leagues[l];
    if (stopAt == RefLevel::kLeague)
        return &league;
    if (t >= league.clubs.size())
        return &g_noClubTeam;
    return league.clubs[t].get();
}

CTeam* CWorld::ResolveTeam(WorldRef ref) const {
    const WorldObject target = ResolveRef(ref);
    CTeam* const* team = std::get_if<CTeam*>(&target);
    return team ? *team : &g_noClubTeam;
}
