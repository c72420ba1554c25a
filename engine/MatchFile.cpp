#include "engine/Match.h"
#include "engine/MatchTeam.h"
#include "platform/BinaryFile.h"

// The stored match: the leg scores, the sheet size, the legs and both
// teams by world reference, away team first. Everything else is rebuilt
// on the next match day.

bool CMatch::Write(BinaryFile& f) const {
    f.Write(static_cast<uint8_t>(legScores.size()));
    f.WriteBytes(legScores.data(), legScores.size() & 0xFF);
    f.Write(sheetSize);
    f.Write(legs);
    f.Write(match_team::TeamRef(away.team));
    f.Write(match_team::TeamRef(home.team));
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
    away.team = match_team::ResolveTeamRef(awayRef);
    home.team = match_team::ResolveTeamRef(homeRef);
    return true;
}
