#include "platform/BinaryFile.h"
#include "world/Cup.h"
#include "world/Match.h"
#include "world/StoredTeamRefs.h"

// The settings, then with state the running season. Arrays carry a u16
// count; teams are stored as world references.

namespace {

// Every list of the cup's file form is counted in 16 bits.
constexpr size_t kMaxCount = UINT16_MAX;

bool WriteTeams(BinaryFile& f, const std::vector<CTeam*>& teams) {
    f.Write(static_cast<uint16_t>(teams.size()));
    for (size_t i = 0; i < teams.size() && i < kMaxCount; ++i)
        f.Write(StoreTeamRef(teams[i]));
    return f.Ok();
}

bool ReadTeams(BinaryFile& f, std::vector<CTeam*>& teams, StoredTeams& stored) {
    std::vector<uint32_t> refs;
    uint16_t count = 0;
    if (!f.Read(count))
        return false;
    for (uint16_t i = 0; i < count; ++i) {
        uint32_t ref = 0;
        if (!f.Read(ref))
            return false;
        refs.push_back(ref);
    }
    stored.Load(refs, teams);
    return true;
}

template <typename T>
bool WriteArrayList(BinaryFile& f, const std::vector<std::vector<T>>& lists) {
    f.Write(static_cast<uint16_t>(lists.size()));
    for (size_t i = 0; i < lists.size() && i < kMaxCount; ++i)
        WriteNumberArray(f, lists[i]);
    return f.Ok();
}

template <typename T>
bool ReadArrayList(BinaryFile& f, std::vector<std::vector<T>>& lists) {
    lists.clear();
    uint16_t count = 0;
    if (!f.Read(count))
        return false;
    for (uint16_t i = 0; i < count; ++i) {
        std::vector<T> list;
        if (!ReadNumberArray(f, list))
            return false;
        lists.push_back(std::move(list));
    }
    return true;
}

}  // namespace

bool CCup::WriteSettings(BinaryFile& f) const {
    f.WriteString(name);
    for (uint8_t v : {roundCount, legs, groupRound, groups, teamsPerGroup, groupLegs})
        f.Write(v);
    WriteNumberArray(f, cumulativePlaces);
    WriteNumberArray(f, entryRounds);
    WriteNumberArray(f, roundPoints);
    WriteNumberArray(f, stageSettings);
    f.Write(kind);
    f.Write(flags);
    WriteNumberArray(f, loserLinks);
    f.Write(sheetSize);
    return f.Ok();
}

bool CCup::ReadSettings(BinaryFile& f) {
    f.ReadString(name);
    for (uint8_t* v : {&roundCount, &legs, &groupRound, &groups, &teamsPerGroup, &groupLegs})
        f.Read(*v);
    ReadNumberArray(f, cumulativePlaces);
    ReadNumberArray(f, entryRounds);
    ReadNumberArray(f, roundPoints);
    ReadNumberArray(f, stageSettings);
    f.Read(kind);
    f.Read(flags);
    ReadNumberArray(f, loserLinks);
    f.Read(sheetSize);
    return f.Ok();
}

bool CCup::WriteState(BinaryFile& f) const {
    f.Write(static_cast<uint16_t>(matches.size()));
    for (size_t i = 0; i < matches.size() && i < kMaxCount; ++i)
        if (!matches[i]->Write(f))
            return false;
    f.Write(takesPlace);
    f.Write(currentMatchDay);
    WriteArrayList(f, roundRecords);
    WriteNumberArray(f, groupLosses);
    WriteNumberArray(f, groupWins);
    WriteNumberArray(f, groupGoalDifference);
    WriteNumberArray(f, groupDraws);
    WriteNumberArray(f, participantNations);
    WriteArrayList(f, drawnRounds);
    WriteTeams(f, participants);
    WriteTeams(f, ranking);
    return f.Ok();
}

bool CCup::ReadState(BinaryFile& f) {
    uint16_t matchCount = 0;
    if (!f.Read(matchCount))
        return false;
    matches.clear();
    for (uint16_t i = 0; i < matchCount; ++i) {
        auto match = std::make_unique<CMatch>();
        if (!match->Read(f))
            return false;
        matches.push_back(std::move(match));
    }
    f.Read(takesPlace);
    f.Read(currentMatchDay);
    ReadArrayList(f, roundRecords);
    ReadNumberArray(f, groupLosses);
    ReadNumberArray(f, groupWins);
    ReadNumberArray(f, groupGoalDifference);
    ReadNumberArray(f, groupDraws);
    ReadNumberArray(f, participantNations);
    ReadArrayList(f, drawnRounds);
    ReadTeams(f, participants, storedParticipants_);
    ReadTeams(f, ranking, storedRanking_);
    return f.Ok();
}

bool CCup::Write(BinaryFile& f, bool withState) const {
    if (!WriteSettings(f))
        return false;
    return !withState || WriteState(f);
}

bool CCup::Read(BinaryFile& f, bool withState) {
    CCup read;
    if (!read.ReadSettings(f) || (withState && !read.ReadState(f)))
        return false;
    if (withState) {
        *this = std::move(read);
        return true;
    }
    name = std::move(read.name);
    roundCount = read.roundCount;
    legs = read.legs;
    groupRound = read.groupRound;
    groups = read.groups;
    teamsPerGroup = read.teamsPerGroup;
    groupLegs = read.groupLegs;
    cumulativePlaces = std::move(read.cumulativePlaces);
    entryRounds = std::move(read.entryRounds);
    roundPoints = std::move(read.roundPoints);
    stageSettings = std::move(read.stageSettings);
    kind = read.kind;
    flags = read.flags;
    loserLinks = std::move(read.loserLinks);
    sheetSize = read.sheetSize;
    return true;
}

void CCup::ResolveStoredTeams(const CWorld& world) {
    storedParticipants_.Resolve(world, participants);
    storedRanking_.Resolve(world, ranking);
    for (const auto& match : matches)
        match->ResolveStoredTeams(world);
}
