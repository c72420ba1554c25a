#include "platform/BinaryFile.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Match.h"
#include "world/Team.h"

// The definition (settings, area, clubs, name, table order), then with the
// save-game flag the season: the day's matches, the match day, the result
// counters and the play-off cups, which are always stored with their state.

namespace {

// Lists of the league's form are counted in one byte.
constexpr size_t kMaxByteCount = UINT8_MAX;

bool WriteByteList(BinaryFile& f, const std::vector<uint8_t>& bytes) {
    const size_t count = std::min(bytes.size(), kMaxByteCount);
    f.Write(static_cast<uint8_t>(count));
    f.WriteBytes(bytes.data(), count);
    return f.Ok();
}

bool ReadByteList(BinaryFile& f, std::vector<uint8_t>& bytes) {
    uint8_t count = 0;
    if (!f.Read(count))
        return false;
    bytes.assign(count, 0);
    return f.ReadBytes(bytes.data(), count);
}

}  // namespace

bool CLeague::Write(BinaryFile& f, uint8_t saveGame) const {
    for (uint8_t v : {relegationPlayoffMatches, relegationPlayoffClubs, promotionSideCount, relegatedPlaces,
                      storedClubCount, trainingUnits, upperRelegationPlayoffClubs, championshipPlayoffMatches,
                      championshipPlayoffClubs, flags})
        f.Write(v);
    for (int32_t v : {areaRight, areaBottom, areaLeft, areaTop})
        f.Write(v);
    if (!WriteObjectList<uint8_t>(f, clubs, saveGame))
        return false;
    f.Write(playersPerMatch);
    f.WriteString(name);
    f.Write(division);
    f.Write(rounds);
    WriteByteList(f, tableOrder);
    if (saveGame && !WriteState(f))
        return false;
    return f.Ok();
}

bool CLeague::WriteState(BinaryFile& f) const {
    const size_t matchCount = std::min(matches.size(), kMaxByteCount);
    f.Write(static_cast<uint8_t>(matchCount));
    for (size_t i = 0; i < matchCount; ++i)
        if (!matches[i]->Write(f))
            return false;
    f.Write(currentMatchDay);
    const size_t resultLists = std::min(matchDayResults.size(), kMaxByteCount);
    f.Write(static_cast<uint8_t>(resultLists));
    for (size_t i = 0; i < resultLists; ++i)
        WriteNumberArray(f, matchDayResults[i]);
    WriteByteList(f, losses);
    WriteByteList(f, wins);
    WriteByteList(f, extraBytes);
    const size_t differences = std::min(goalDifference.size(), kMaxByteCount);
    f.Write(static_cast<uint8_t>(differences));
    for (size_t i = 0; i < differences; ++i)
        f.Write(goalDifference[i]);
    WriteByteList(f, draws);
    const size_t cups = std::min(playoffCups.size(), kMaxByteCount);
    f.Write(static_cast<uint8_t>(cups));
    for (size_t i = 0; i < cups; ++i)
        if (!playoffCups[i]->Write(f, true))
            return false;
    return f.Ok();
}

bool CLeague::Read(BinaryFile& f, uint8_t saveGame) {
    CLeague read;
    for (uint8_t* v : {&read.relegationPlayoffMatches, &read.relegationPlayoffClubs, &read.promotionSideCount,
                       &read.relegatedPlaces, &read.storedClubCount, &read.trainingUnits,
                       &read.upperRelegationPlayoffClubs, &read.championshipPlayoffMatches,
                       &read.championshipPlayoffClubs, &read.flags})
        f.Read(*v);
    for (int32_t* v : {&read.areaRight, &read.areaBottom, &read.areaLeft, &read.areaTop})
        f.Read(*v);
    if (!f.Ok() || !ReadObjectList<uint8_t>(f, read.clubs, saveGame))
        return false;
    f.Read(read.playersPerMatch);
    f.ReadString(read.name);
    f.Read(read.division);
    f.Read(read.rounds);
    if (!ReadByteList(f, read.tableOrder))
        return false;
    if (saveGame && !read.ReadState(f))
        return false;
    *this = std::move(read);
    return true;
}

bool CLeague::ReadState(BinaryFile& f) {
    uint8_t matchCount = 0;
    if (!f.Read(matchCount))
        return false;
    for (uint8_t i = 0; i < matchCount; ++i) {
        auto match = std::make_unique<CMatch>();
        if (!match->Read(f))
            return false;
        matches.push_back(std::move(match));
    }
    uint8_t resultLists = 0;
    f.Read(currentMatchDay);
    if (!f.Read(resultLists))
        return false;
    for (uint8_t i = 0; i < resultLists; ++i) {
        std::vector<uint8_t> results;
        if (!ReadNumberArray(f, results))
            return false;
        matchDayResults.push_back(std::move(results));
    }
    ReadByteList(f, losses);
    ReadByteList(f, wins);
    ReadByteList(f, extraBytes);
    uint8_t differences = 0;
    if (!f.Read(differences))
        return false;
    goalDifference.assign(differences, 0);
    for (int16_t& v : goalDifference)
        f.Read(v);
    ReadByteList(f, draws);
    uint8_t cups = 0;
    if (!f.Read(cups))
        return false;
    for (uint8_t i = 0; i < cups; ++i) {
        auto cup = std::make_unique<CCup>();
        if (!cup->Read(f, true))
            return false;
        playoffCups.push_back(std::move(cup));
    }
    return f.Ok();
}
