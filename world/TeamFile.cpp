#include "platform/BinaryFile.h"
#include "platform/FileFields.h"
#include "world/Player.h"
#include "world/Team.h"

// The team's record: with the save-game flag first the running game's
// state, then in every file the club's definition. Reading goes into a
// fresh team and is taken over only when the whole record was read.

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

namespace {

// The running game's part of the record: set pieces, amateurs and youth,
// the account, plans, lineup and the club's climate.
template <typename Io, typename Team>
bool StateFields(Io& io, Team& t) {
    constexpr uint8_t kFull = 1;
    if (!io.template NumberArray<uint8_t>(t.penaltyKeepers) || !io.template NumberArray<uint8_t>(t.penaltyTakers) ||
        !io.template ObjectList<uint8_t>(t.amateurs, kFull))
        return false;
    io(t.defenceSystem);
    if (!io.Object(t.account))
        return false;
    io(t.titles[kTitleChampionCups], t.titles[kTitleEuropeanChampionships], t.trainingPlan, t.reservedPlanBytes);
    if (!io.Ok() || !io.template ObjectList<uint8_t>(t.youth, kFull) ||
        !io.template NumberArray<uint8_t>(t.captains) || !io.template NumberArray<uint8_t>(t.injuries))
        return false;
    io(t.markingAssignments, t.titles[kTitleChampionships], t.titles[kTitleNationalCups], t.lineup,
       t.titles[kTitleSupercups], t.fightingSpirit, t.titles[kTitleMiscCups], t.teamSpirit, t.defenceTactics,
       t.offenceWeights, t.keeperCoach, t.keeperCoachCompetence, t.fanReputation, t.clubConfidence,
       t.boardAndMedia, t.titles[kTitleContinentalSupercups]);
    return io.Ok();
}

// The club as the world file describes it; the arena and the squad carry
// their running state only in save games.
template <typename Io, typename Team>
bool DefinitionFields(Io& io, Team& t, uint8_t saveGame) {
    io(t.amateurTeamName, t.article, t.flags, t.fansNickname, t.fansAndFinance, t.fanAmount, t.foundingYear);
    if (!io.Ok() || !io.Object(t.arena, saveGame) || !io.template ObjectList<uint8_t>(t.squad, saveGame))
        return false;
    io(t.capital, t.shorthand, t.managerBirthday, t.managerCompetence, t.managerSurname, t.managerFirstName, t.name,
       t.mapPosition, t.homeColour, t.awayColour, t.coachBirthday, t.coachCode, t.coachSurname, t.coachFirstName,
       t.chiefSurname, t.chiefFirstName, t.logoFile);
    return io.Ok();
}

}  // namespace

bool CTeam::WriteState(BinaryFile& f) const {
    FieldWriter io(f);
    return StateFields(io, *this);
}

bool CTeam::ReadState(BinaryFile& f) {
    FieldReader io(f);
    return StateFields(io, *this);
}

bool CTeam::WriteDefinition(BinaryFile& f, uint8_t saveGame) const {
    FieldWriter io(f);
    return DefinitionFields(io, *this, saveGame);
}

bool CTeam::ReadDefinition(BinaryFile& f, uint8_t saveGame) {
    FieldReader io(f);
    return DefinitionFields(io, *this, saveGame);
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
