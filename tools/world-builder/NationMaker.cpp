#include "engine/GeneratedPeople.h"
#include "platform/Random.h"
#include "tools/world-builder/BuildSteps.h"
#include "world/Cup.h"
#include "world/Nation.h"
#include "world/Referee.h"
#include "world/Sponsor.h"
#include "world/Vocabulary.h"

namespace {

constexpr float kPresidentCompetence = 5.0f;
constexpr float kNationalCoachCompetence = 7.0f;
constexpr int kMinRefereeRating = 3;
constexpr int kRefereeRatingRange = 6;  // 3-8
constexpr int kMinPoolCompetence = 2;
constexpr int kPoolCompetenceRange = 8;  // 2-9
constexpr int kLocalSponsorLevels = 5;   // local firms are of levels 0-4

std::string FullName(const StaffPerson& person) { return person.firstName + " " + person.surname; }

float PoolCompetence() { return static_cast<float>(kMinPoolCompetence + RandBelow(kPoolCompetenceRange)); }

void AddReferees(CNation& nation, int count) {
    for (int i = 0; i < count; ++i) {
        auto pair = std::make_unique<CReferee>();
        for (std::string& name : pair->names) {
            std::string first, surname;
            GeneratePersonName(first, surname);
            name = first + " " + surname;
        }
        pair->competence = static_cast<uint8_t>(kMinRefereeRating + RandBelow(kRefereeRatingRange));
        pair->toughness = static_cast<uint8_t>(kMinRefereeRating + RandBelow(kRefereeRatingRange));
        nation.referees.push_back(std::move(pair));
    }
}

void AddSponsors(CNation& nation, const WorldDescription& world, NameMaker& names) {
    for (const SponsorPlan& plan : world.sponsors) {
        auto sponsor = std::make_unique<CSponsor>();
        sponsor->name = plan.name;
        sponsor->logoFile = plan.logo;
        sponsor->financialSituation = static_cast<uint8_t>(plan.level);
        nation.sponsors.push_back(std::move(sponsor));
    }
    for (int i = 0; i < world.pools.localSponsors; ++i) {
        auto sponsor = std::make_unique<CSponsor>();
        sponsor->name = names.NewTown() + " " + names.Pick(world.words.firmKinds);
        sponsor->financialSituation = static_cast<uint8_t>(RandBelow(kLocalSponsorLevels));
        nation.sponsors.push_back(std::move(sponsor));
    }
}

void AddStaffPools(CNation& nation, const PoolPlan& pools) {
    for (int i = 0; i < pools.coaches; ++i)
        nation.coachPool.push_back(nation.CreateRandomPerson(PoolCompetence(), true));
    for (int i = 0; i < pools.managers; ++i)
        nation.managerPool.push_back(nation.CreateRandomPerson(PoolCompetence(), false));
    for (int i = 0; i < pools.keeperCoaches; ++i) {
        const StaffPerson person = nation.CreateRandomPerson(PoolCompetence(), false);
        nation.keeperCoachPool.push_back({FullName(person), static_cast<uint8_t>(person.GetCompetence())});
    }
}

void MakeNationalTeam(CNation& nation) {
    CTeam& team = nation.nationalTeam;
    team.name = NationName(nation.nationNumber);
    team.shorthand = NationCode(nation.nationNumber);
    const StaffPerson coach = nation.CreateRandomPerson(kNationalCoachCompetence, true);
    team.coachFirstName = coach.firstName;
    team.coachSurname = coach.surname;
    team.coachCode = coach.code;
    team.coachBirthday = coach.birthday;
}

}  // namespace

void MakeNationPeople(CNation& nation, const WorldDescription& world, NameMaker& names) {
    nation.shorthand = NationCode(nation.nationNumber) + "HF";
    const StaffPerson president = nation.CreateRandomPerson(kPresidentCompetence, false);
    nation.president = FullName(president);
    nation.presidentBirthday = president.birthday;
    MakeNationalTeam(nation);
    AddReferees(nation, world.pools.referees);
    if (nation.IsInactive())
        return;
    AddSponsors(nation, world, names);
    AddStaffPools(nation, world.pools);
}

void MakeCup(const CupPlan& plan, CCup& cup) {
    cup.name = plan.name;
    cup.roundCount = static_cast<uint8_t>(plan.rounds);
    cup.legs = static_cast<uint8_t>(plan.legs);
    cup.groupRound = static_cast<uint8_t>(plan.groupRound);
    cup.groups = static_cast<uint8_t>(plan.groups);
    cup.teamsPerGroup = static_cast<uint8_t>(plan.teamsPerGroup);
    cup.groupLegs = static_cast<uint8_t>(plan.groupLegs);
    cup.sheetSize = static_cast<uint8_t>(plan.sheetSize);
    cup.flags = plan.extraPlace ? kCupExtraPlace : 0;
    cup.cumulativePlaces.clear();
    cup.entryRounds.clear();
    int total = 0;
    for (const SlotPlan& slot : plan.slots) {
        total += slot.places;
        cup.cumulativePlaces.push_back(static_cast<uint16_t>(total));
        cup.entryRounds.insert(cup.entryRounds.end(), slot.places, static_cast<uint8_t>(slot.entryRound));
    }
    if (plan.extraPlace)
        cup.entryRounds.push_back(1);
    cup.roundPoints.assign(plan.roundPoints.begin(), plan.roundPoints.end());
    cup.stageSettings.assign(plan.secondStage.begin(), plan.secondStage.end());
}
