#include "platform/BinaryFile.h"
#include "world/Player.h"
#include "world/Team.h"

// The team's record: with the save-game flag first the running game's
// state, then in every file the club's definition. Reading goes into a
// fresh team and is taken over only when the whole record was read.

namespace {

template <size_t N>
bool WriteBlock(BinaryFile& f, const std::array<uint8_t, N>& bytes) {
    return f.WriteBytes(bytes.data(), bytes.size());
}

template <size_t N>
bool ReadBlock(BinaryFile& f, std::array<uint8_t, N>& bytes) {
    return f.ReadBytes(bytes.data(), bytes.size());
}

}  // namespace

// A list longer than its one-byte count would be stored with a wrong count
// and spoil the rest of the file, so such a team is not written at all.
bool CTeam::Write(BinaryFile& f, uint8_t saveGame) const {
    if (squad.size() > kMaxTeamListSize)
        return false;
    if (saveGame)
        for (size_t size : {penaltyKeepers.size(), penaltyTakers.size(), captains.size(), injuries.size(),
                            amateurs.size(), youth.size()})
            if (size > kMaxTeamListSize)
                return false;
    if (saveGame && !WriteState(f))
        return false;
    return WriteDefinition(f, saveGame);
}

bool CTeam::Read(BinaryFile& f, uint8_t saveGame) {
    CTeam staged;
    if (saveGame && !staged.ReadState(f))
        return false;
    if (!staged.ReadDefinition(f, saveGame))
        return false;
    if (saveGame)
        TakeState(staged);
    TakeDefinition(staged);
    // Indices past the squad would name no player; a file cannot be
    // trusted to have none, and without the save-game flag the kept
    // lineup may belong to an older squad.
    DropIndicesBeyondSquad();
    return true;
}

bool CTeam::WriteState(BinaryFile& f) const {
    constexpr uint8_t kFull = 1;
    WriteNumberArray<uint8_t>(f, penaltyKeepers);
    WriteNumberArray<uint8_t>(f, penaltyTakers);
    if (!WriteObjectList<uint8_t>(f, amateurs, kFull))
        return false;
    f.Write(defenceSystem);
    account.Write(f);
    f.Write(titles[kTitleChampionCups]);
    f.Write(titles[kTitleEuropeanChampionships]);
    WriteBlock(f, trainingPlan);
    WriteBlock(f, reservedPlanBytes);
    if (!WriteObjectList<uint8_t>(f, youth, kFull))
        return false;
    WriteNumberArray<uint8_t>(f, captains);
    WriteNumberArray<uint8_t>(f, injuries);
    f.Write(markingAssignments);
    f.Write(titles[kTitleChampionships]);
    f.Write(titles[kTitleNationalCups]);
    WriteBlock(f, lineup);
    f.Write(titles[kTitleSupercups]);
    f.Write(fightingSpirit);
    f.Write(titles[kTitleMiscCups]);
    f.Write(teamSpirit);
    f.Write(defenceTactics);
    f.Write(offenceWeights);
    f.WriteString(keeperCoach);
    f.Write(keeperCoachCompetence);
    f.Write(fanReputation);
    f.Write(clubConfidence);
    f.Write(boardAndMedia);
    f.Write(titles[kTitleContinentalSupercups]);
    return f.Ok();
}

bool CTeam::ReadState(BinaryFile& f) {
    constexpr uint8_t kFull = 1;
    if (!ReadNumberArray<uint8_t>(f, penaltyKeepers) || !ReadNumberArray<uint8_t>(f, penaltyTakers) ||
        !ReadObjectList<uint8_t>(f, amateurs, kFull) || !f.Read(defenceSystem) || !account.Read(f))
        return false;
    f.Read(titles[kTitleChampionCups]);
    f.Read(titles[kTitleEuropeanChampionships]);
    ReadBlock(f, trainingPlan);
    ReadBlock(f, reservedPlanBytes);
    if (!f.Ok() || !ReadObjectList<uint8_t>(f, youth, kFull) || !ReadNumberArray<uint8_t>(f, captains) ||
        !ReadNumberArray<uint8_t>(f, injuries))
        return false;
    f.Read(markingAssignments);
    f.Read(titles[kTitleChampionships]);
    f.Read(titles[kTitleNationalCups]);
    ReadBlock(f, lineup);
    f.Read(titles[kTitleSupercups]);
    f.Read(fightingSpirit);
    f.Read(titles[kTitleMiscCups]);
    f.Read(teamSpirit);
    f.Read(defenceTactics);
    f.Read(offenceWeights);
    f.ReadString(keeperCoach);
    f.Read(keeperCoachCompetence);
    f.Read(fanReputation);
    f.Read(clubConfidence);
    f.Read(boardAndMedia);
    f.Read(titles[kTitleContinentalSupercups]);
    return f.Ok();
}

bool CTeam::WriteDefinition(BinaryFile& f, uint8_t saveGame) const {
    f.WriteString(amateurTeamName);
    f.Write(article);
    f.Write(flags);
    f.WriteString(fansNickname);
    f.Write(fansAndFinance);
    f.Write(fanAmount);
    f.Write(foundingYear);
    if (!f.Ok() || !arena.Write(f, saveGame) || !WriteObjectList<uint8_t>(f, squad, saveGame))
        return false;
    f.Write(capital);
    f.WriteString(shorthand);
    f.Write(managerBirthday);
    f.Write(managerCompetence);
    f.WriteString(managerSurname);
    f.WriteString(managerFirstName);
    f.WriteString(name);
    f.Write(mapPosition);
    f.Write(homeColour);
    f.Write(awayColour);
    f.Write(coachBirthday);
    f.Write(coachCode);
    f.WriteString(coachSurname);
    f.WriteString(coachFirstName);
    f.WriteString(chiefSurname);
    f.WriteString(chiefFirstName);
    f.WriteString(logoFile);
    return f.Ok();
}

bool CTeam::ReadDefinition(BinaryFile& f, uint8_t saveGame) {
    f.ReadString(amateurTeamName);
    f.Read(article);
    f.Read(flags);
    f.ReadString(fansNickname);
    f.Read(fansAndFinance);
    f.Read(fanAmount);
    f.Read(foundingYear);
    if (!f.Ok() || !arena.Read(f, saveGame) || !ReadObjectList<uint8_t>(f, squad, saveGame))
        return false;
    f.Read(capital);
    f.ReadString(shorthand);
    f.Read(managerBirthday);
    f.Read(managerCompetence);
    f.ReadString(managerSurname);
    f.ReadString(managerFirstName);
    f.ReadString(name);
    f.Read(mapPosition);
    f.Read(homeColour);
    f.Read(awayColour);
    f.Read(coachBirthday);
    f.Read(coachCode);
    f.ReadString(coachSurname);
    f.ReadString(coachFirstName);
    f.ReadString(chiefSurname);
    f.ReadString(chiefFirstName);
    f.ReadString(logoFile);
    return f.Ok();
}

void CTeam::TakeState(CTeam& from) {
    penaltyKeepers = std::move(from.penaltyKeepers);
    penaltyTakers = std::move(from.penaltyTakers);
    amateurs = std::move(from.amateurs);
    defenceSystem = from.defenceSystem;
    account = std::move(from.account);
    titles = from.titles;
    trainingPlan = from.trainingPlan;
    reservedPlanBytes = from.reservedPlanBytes;
    youth = std::move(from.youth);
    captains = std::move(from.captains);
    injuries = std::move(from.injuries);
    markingAssignments = from.markingAssignments;
    lineup = from.lineup;
    fightingSpirit = from.fightingSpirit;
    teamSpirit = from.teamSpirit;
    defenceTactics = from.defenceTactics;
    offenceWeights = from.offenceWeights;
    keeperCoach = std::move(from.keeperCoach);
    keeperCoachCompetence = from.keeperCoachCompetence;
    fanReputation = from.fanReputation;
    clubConfidence = from.clubConfidence;
    boardAndMedia = from.boardAndMedia;
}

void CTeam::TakeDefinition(CTeam& from) {
    amateurTeamName = std::move(from.amateurTeamName);
    article = from.article;
    flags = from.flags;
    fansNickname = std::move(from.fansNickname);
    fansAndFinance = from.fansAndFinance;
    fanAmount = from.fanAmount;
    foundingYear = from.foundingYear;
    arena = std::move(from.arena);
    squad = std::move(from.squad);
    capital = from.capital;
    shorthand = std::move(from.shorthand);
    managerBirthday = from.managerBirthday;
    managerCompetence = from.managerCompetence;
    managerSurname = std::move(from.managerSurname);
    managerFirstName = std::move(from.managerFirstName);
    name = std::move(from.name);
    mapPosition = from.mapPosition;
    homeColour = from.homeColour;
    awayColour = from.awayColour;
    coachBirthday = from.coachBirthday;
    coachCode = from.coachCode;
    coachSurname = std::move(from.coachSurname);
    coachFirstName = std::move(from.coachFirstName);
    chiefSurname = std::move(from.chiefSurname);
    chiefFirstName = std::move(from.chiefFirstName);
    logoFile = std::move(from.logoFile);
}
