#include "platform/BinaryFile.h"
#include "world/Match.h"
#include "world/StoredTeamRefs.h"

// The stored match: the leg scores, the sheet size, the legs and both
// teams by world reference, away team first. Everything else is rebuilt
// on the next match day.

bool CMatch::Write(BinaryFile& f) const {
    f.Write(static_cast<uint8_t>(legScores.size()));
    f.WriteBytes(legScores.data(), legScores.size() & 0xFF);
    f.Write(sheetSize);
    f.Write(legs);
    f.Write(StoreTeamRef(away.team));
    f.Write(StoreTeamRef(home.team));
    return f.Ok();
}

bool CMatch::Read(BinaryFile& f) {
    uint8_t count = 0;
    // The scores come in pairs; an odd count is no match record.
    if (!f.Read(count) || count % 2 != 0)
        return false;
    std::vector<uint8_t> scores(count);
    uint8_t sheet = 0, legCount = 0;
    uint32_t awayRef = 0, homeRef = 0;
    f.ReadBytes(scores.data(), count);
    f.Read(sheet);
    f.Read(legCount);
    f.Read(awayRef);
    f.Read(homeRef);
    if (!f.Ok())
        return false;
    legScores = std::move(scores);
    sheetSize = sheet;
    legs = legCount;
    std::vector<CTeam*> sides;
    storedSides_.Load({awayRef, homeRef}, sides);
    away.team = sides[0];
    home.team = sides[1];
    return true;
}

void CMatch::ResolveStoredTeams(const CWorld& world) {
    std::vector<CTeam*> sides = {away.team, home.team};
    storedSides_.Resolve(world, sides);
    away.team = sides[0];
    home.team = sides[1];
}
