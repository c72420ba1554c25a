// The nation's record. Without the save-game flag only the definition of
// the nation is written (world file and nation export); the flag adds its
// extra teams, free players and the national team's running state.
#include <algorithm>

#include "platform/BinaryFile.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Referee.h"
#include "world/Sponsor.h"

namespace {

// Every list of the record is stored behind a one-byte count.

template <typename List>
bool FitsCount(const List& list) {
    return list.size() <= CNation::kMaxListSize;
}

// A staff pool is stored column by column: the names, the birthdays, the codes.
bool WriteStaffPool(BinaryFile& f, const std::vector<StaffPerson>& pool) {
    f.Write(static_cast<uint8_t>(pool.size()));
    for (const StaffPerson& p : pool) {
        f.WriteString(p.firstName);
        f.WriteString(p.surname);
    }
    for (const StaffPerson& p : pool)
        f.Write(p.birthday);
    for (const StaffPerson& p : pool)
        f.Write(p.code);
    return f.Ok();
}

bool ReadStaffPool(BinaryFile& f, std::vector<StaffPerson>& pool) {
    uint8_t count = 0;
    if (!f.Read(count))
        return false;
    pool.assign(count, StaffPerson{});
    for (StaffPerson& p : pool) {
        f.ReadString(p.firstName);
        f.ReadString(p.surname);
    }
    for (StaffPerson& p : pool)
        f.Read(p.birthday);
    for (StaffPerson& p : pool)
        f.Read(p.code);
    return f.Ok();
}

bool WriteKeeperCoachPool(BinaryFile& f, const std::vector<KeeperCoachPerson>& pool) {
    f.Write(static_cast<uint8_t>(pool.size()));
    for (const KeeperCoachPerson& p : pool)
        f.WriteString(p.name);
    for (const KeeperCoachPerson& p : pool)
        f.Write(p.code);
    return f.Ok();
}

bool ReadKeeperCoachPool(BinaryFile& f, std::vector<KeeperCoachPerson>& pool) {
    uint8_t count = 0;
    if (!f.Read(count))
        return false;
    pool.assign(count, KeeperCoachPerson{});
    for (KeeperCoachPerson& p : pool)
        f.ReadString(p.name);
    for (KeeperCoachPerson& p : pool)
        f.Read(p.code);
    return f.Ok();
}

}  // namespace

// A list longer than its one-byte count would spoil the rest of the file,
// so such a nation is not written at all.
bool CNation::Write(BinaryFile& f, uint8_t saveGame) const {
    if (!FitsCount(leagues) || !FitsCount(dissolvedTeamNames) || !FitsCount(referees) || !FitsCount(sponsors) ||
        !FitsCount(coachPool) || !FitsCount(managerPool) || !FitsCount(keeperCoachPool) || !FitsCount(cups))
        return false;
    if (saveGame && (!FitsCount(extraTeams) || !FitsCount(freePlayers)))
        return false;
    if (saveGame && !WriteObjectList<uint8_t>(f, extraTeams, saveGame))
        return false;
    if (!WriteObjectList<uint8_t>(f, leagues, saveGame))
        return false;
    f.Write(nationNumber);
    f.Write(static_cast<uint8_t>(dissolvedTeamNames.size()));
    for (const std::string& name : dissolvedTeamNames)
        f.WriteString(name);
    if (!f.Ok() || !WriteObjectList<uint8_t>(f, referees, saveGame) ||
        !WriteObjectList<uint8_t>(f, sponsors, saveGame))
        return false;
    for (uint16_t points : seasonPoints)
        f.Write(points);
    for (uint8_t count : clubCounts)
        f.Write(count);
    f.WriteString(nationalTeam.coachSurname);
    f.WriteString(nationalTeam.coachFirstName);
    f.Write(nationalTeam.coachBirthday);
    f.Write(nationalTeam.coachCode);
    f.WriteString(president);
    f.Write(presidentBirthday);
    f.WriteString(shorthand);
    if (!f.Ok() || !WritePools(f) || !WriteCups(f, saveGame))
        return false;
    if (saveGame && (!WriteObjectList<uint8_t>(f, freePlayers, saveGame) || !WriteNationalTeamState(f, saveGame)))
        return false;
    return f.Ok();
}

bool CNation::Read(BinaryFile& f, uint8_t saveGame) {
    if (saveGame && !ReadObjectList<uint8_t>(f, extraTeams, saveGame))
        return false;
    if (!ReadObjectList<uint8_t>(f, leagues, saveGame))
        return false;
    f.Read(nationNumber);
    uint8_t nameCount = 0;
    if (!f.Read(nameCount))
        return false;
    dissolvedTeamNames.assign(nameCount, std::string());
    for (std::string& name : dissolvedTeamNames)
        f.ReadString(name);
    if (!f.Ok() || !ReadObjectList<uint8_t>(f, referees, saveGame) || !ReadObjectList<uint8_t>(f, sponsors, saveGame))
        return false;
    for (uint16_t& points : seasonPoints)
        f.Read(points);
    for (uint8_t& count : clubCounts)
        f.Read(count);
    f.ReadString(nationalTeam.coachSurname);
    f.ReadString(nationalTeam.coachFirstName);
    f.Read(nationalTeam.coachBirthday);
    f.Read(nationalTeam.coachCode);
    f.ReadString(president);
    f.Read(presidentBirthday);
    f.ReadString(shorthand);
    if (!f.Ok() || !ReadPools(f) || !ReadCups(f, saveGame))
        return false;
    if (saveGame && (!ReadObjectList<uint8_t>(f, freePlayers, saveGame) || !ReadNationalTeamState(f, saveGame)))
        return false;
    return f.Ok();
}

bool CNation::WritePools(BinaryFile& f) const {
    return WriteStaffPool(f, coachPool) && WriteStaffPool(f, managerPool) && WriteKeeperCoachPool(f, keeperCoachPool);
}

bool CNation::ReadPools(BinaryFile& f) {
    return ReadStaffPool(f, coachPool) && ReadStaffPool(f, managerPool) && ReadKeeperCoachPool(f, keeperCoachPool);
}

bool CNation::WriteCups(BinaryFile& f, uint8_t saveGame) const {
    if (!f.Write(static_cast<uint8_t>(cups.size())))
        return false;
    for (const auto& cup : cups)
        if (!cup->Write(f, saveGame != 0))
            return false;
    return f.Ok();
}

// The national cup and super cup always exist: a file with fewer cups
// leaves the missing ones as they were made. Only as many cups are read as
// the file holds.
bool CNation::ReadCups(BinaryFile& f, uint8_t saveGame) {
    uint8_t count = 0;
    if (!f.Read(count))
        return false;
    cups.resize(std::max<size_t>(count, kFixedCupCount));
    for (size_t i = 0; i < cups.size(); ++i)
        if (!cups[i])
            cups[i] = std::make_unique<CCup>();
    for (size_t i = 0; i < count; ++i)
        if (!cups[i]->Read(f, saveGame != 0))
            return false;
    return true;
}

bool CNation::WriteNationalTeamState(BinaryFile& f, uint8_t saveGame) const {
    const CTeam& t = nationalTeam;
    if (!WriteNumberArray<uint8_t>(f, t.penaltyKeepers) || !WriteNumberArray<uint8_t>(f, t.penaltyTakers))
        return false;
    f.Write(t.defenceSystem);
    f.Write(t.titles[kTitleChampionCups]);
    f.Write(t.titles[kTitleEuropeanChampionships]);
    if (!WriteNumberArray<uint8_t>(f, t.captains))
        return false;
    f.Write(t.markingAssignments);
    f.Write(t.titles[kTitleChampionships]);
    f.WriteString(t.shorthand);
    f.WriteString(t.name);
    f.Write(t.titles[kTitleNationalCups]);
    f.WriteBytes(t.lineup.data(), t.lineup.size());
    f.Write(t.titles[kTitleSupercups]);
    f.Write(t.fightingSpirit);
    f.Write(t.titles[kTitleMiscCups]);
    f.Write(t.teamSpirit);
    f.Write(t.defenceTactics);
    f.Write(t.offenceWeights);
    f.Write(t.homeColour);
    f.Write(t.awayColour);
    f.WriteString(t.logoFile);
    f.Write(t.titles[kTitleContinentalSupercups]);
    if (!f.Ok() || !t.arena.Write(f, saveGame))
        return false;
    f.Write(t.fanAmount);
    f.Write(t.boardAndMedia);
    return f.Ok();
}

bool CNation::ReadNationalTeamState(BinaryFile& f, uint8_t saveGame) {
    CTeam& t = nationalTeam;
    if (!ReadNumberArray<uint8_t>(f, t.penaltyKeepers) || !ReadNumberArray<uint8_t>(f, t.penaltyTakers))
        return false;
    f.Read(t.defenceSystem);
    f.Read(t.titles[kTitleChampionCups]);
    f.Read(t.titles[kTitleEuropeanChampionships]);
    if (!ReadNumberArray<uint8_t>(f, t.captains))
        return false;
    f.Read(t.markingAssignments);
    f.Read(t.titles[kTitleChampionships]);
    f.ReadString(t.shorthand);
    f.ReadString(t.name);
    f.Read(t.titles[kTitleNationalCups]);
    f.ReadBytes(t.lineup.data(), t.lineup.size());
    f.Read(t.titles[kTitleSupercups]);
    f.Read(t.fightingSpirit);
    f.Read(t.titles[kTitleMiscCups]);
    f.Read(t.teamSpirit);
    f.Read(t.defenceTactics);
    f.Read(t.offenceWeights);
    f.Read(t.homeColour);
    f.Read(t.awayColour);
    f.ReadString(t.logoFile);
    f.Read(t.titles[kTitleContinentalSupercups]);
    if (!f.Ok() || !t.arena.Read(f, saveGame))
        return false;
    f.Read(t.fanAmount);
    f.Read(t.boardAndMedia);
    return f.Ok();
}
