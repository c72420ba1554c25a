#include <exception>

#include "platform/BinaryFile.h"
#include "world/Continent.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Match.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/StoredTeamRefs.h"
#include "world/Team.h"
#include "world/World.h"

// The world form: continents, the two tournaments, the federation, the
// start year; a save game adds the hosts, every nation's national squad
// (club reference and squad index per player) and every nation's transfer
// deals. docs/file-formats/world.md has the table.

namespace {

// The national squad borrows its players from their clubs.
void SetNationalSquad(CTeam& nationalTeam, const std::vector<CPlayer*>& players) {
    nationalTeam.squad.clear();
    for (CPlayer* player : players)
        nationalTeam.squad.push_back(LendPlayer(player));
}

template <typename Visit>
bool ForEachNation(const std::vector<std::unique_ptr<CContinent>>& continents, Visit visit) {
    for (const auto& continent : continents)
        for (const auto& nation : continent->nations)
            if (!visit(*nation))
                return false;
    return true;
}

}  // namespace

bool CWorld::Write(BinaryFile& f, uint8_t saveGame) const {
    const WorldFileScope scope(*this);
    try {
        if (continents.size() > kMaxListSize)
            return false;
        f.Write(static_cast<uint8_t>(continents.size()));
        for (const auto& continent : continents)
            if (!continent->Write(f, saveGame))
                return false;
        if (!worldCup.Write(f, saveGame != 0) || !olympia.Write(f, saveGame != 0))
            return false;
        f.WriteString(shorthand);
        f.WriteString(president);
        f.Write(presidentBirthday);
        f.Write(startYear);
        if (saveGame) {
            f.Write(olympicHost);
            f.Write(worldCupHost);
            if (!WriteNationalSquads(f) || !WriteTransferDeals(f))
                return false;
        }
        return f.Ok();
    } catch (const std::exception&) {
        return false;
    }
}

bool CWorld::Read(BinaryFile& f, uint8_t saveGame) {
    if (!ReadWhole(f, saveGame))
        return false;
    ResolveStoredTeamRefs();
    return true;
}

// Every cup and every match of the world holds its clubs by reference.
void CWorld::ResolveStoredTeamRefs() {
    auto resolveCup = [&](CCup& cup) { cup.ResolveStoredTeams(*this); };
    for (const auto& continent : continents) {
        for (CCup& cup : continent->extraCups)
            resolveCup(cup);
        for (const auto& cup : continent->clubCups)
            resolveCup(*cup);
        for (CCup* cup : {&continent->championship, &continent->clubCup, &continent->superCup})
            resolveCup(*cup);
        for (const auto& nation : continent->nations) {
            for (const auto& cup : nation->cups)
                resolveCup(*cup);
            for (const auto& league : nation->leagues) {
                for (const auto& cup : league->playoffCups)
                    resolveCup(*cup);
                for (const auto& match : league->matches)
                    match->ResolveStoredTeams(*this);
            }
        }
    }
    resolveCup(worldCup);
    resolveCup(olympia);
}

bool CWorld::ReadWhole(BinaryFile& f, uint8_t saveGame) {
    const WorldFileScope scope(*this);
    try {
        Clear();
        droppedNationalPlayers_ = 0;
        uint8_t count = 0;
        if (!f.Read(count))
            return false;
        for (uint8_t i = 0; i < count; ++i) {
            continents.push_back(std::make_unique<CContinent>());
            if (!continents.back()->Read(f, saveGame))
                return false;
        }
        if (!worldCup.Read(f, saveGame != 0) || !olympia.Read(f, saveGame != 0))
            return false;
        f.ReadString(shorthand);
        f.ReadString(president);
        f.Read(presidentBirthday);
        f.Read(startYear);
        if (!saveGame)
            return f.Ok();
        f.Read(olympicHost);
        f.Read(worldCupHost);
        return f.Ok() && ReadNationalSquads(f) && ReadTransferDeals(f);
    } catch (const std::exception&) {
        return false;
    }
}

// A player the search cannot find in a club is written as kRefNotFound and
// index 0, which names nobody; FindClublessNationalPlayers lists them.
bool CWorld::WriteNationalSquads(BinaryFile& f) const {
    return ForEachNation(continents, [&](const CNation& nation) {
        const auto& squad = nation.nationalTeam.squad;
        if (squad.size() > kMaxTeamListSize)
            return false;
        f.Write(static_cast<uint8_t>(squad.size()));
        for (const auto& player : squad) {
            uint8_t index = 0;
            f.Write(GetPlayerRef(player.get(), index, &nation));
            f.Write(index);
        }
        return f.Ok();
    });
}

bool CWorld::ReadNationalSquads(BinaryFile& f) {
    return ForEachNation(continents, [&](CNation& nation) { return ReadNationalSquad(f, nation); });
}

// Entries that name no club player are dropped and counted; the rest of
// the squad is still read.
bool CWorld::ReadNationalSquad(BinaryFile& f, CNation& nation) {
    uint8_t count = 0;
    if (!f.Read(count))
        return false;
    std::vector<CPlayer*> squad;
    for (uint8_t i = 0; i < count; ++i) {
        WorldRef club = 0;
        uint8_t index = 0;
        f.Read(club);
        if (!f.Read(index))
            return false;
        const CTeam* team = ResolveTeam(club);
        if (index < team->squad.size())
            squad.push_back(team->squad[index].get());
        else
            ++droppedNationalPlayers_;
    }
    SetNationalSquad(nation.nationalTeam, squad);
    return true;
}

bool CWorld::WriteTransferDeals(BinaryFile& f) const {
    return ForEachNation(continents, [&](const CNation& nation) { return nation.WriteTransferDeals(f, *this); });
}

bool CWorld::ReadTransferDeals(BinaryFile& f) {
    return ForEachNation(continents, [&](CNation& nation) { return nation.ReadTransferDeals(f, *this); });
}

void CWorld::FindClublessNationalPlayers(std::vector<CPlayer*>& players) const {
    ForEachNation(continents, [&](const CNation& nation) {
        for (const auto& player : nation.nationalTeam.squad)
            if (!ContainsPlayer(player.get(), true, false))
                players.push_back(player.get());
        return true;
    });
}
