#include "tools/sample-world/SampleManager.h"

#include <memory>
#include <type_traits>

#include "world/Continent.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/World.h"

namespace {

// Each array element takes the next value, so no two neighbours are equal.
template <typename Array>
void Number(Array& values, int& next) {
    for (auto& v : values)
        v = static_cast<std::remove_reference_t<decltype(v)>>(++next);
}

void FillPlace(CManager& m, CWorld& world) {
    m.world = &world;
    m.continent = world.continents.front().get();
    m.nation = m.continent->nations.front().get();
    m.league = m.nation->leagues.front().get();
    m.club = m.league->clubs[1].get();
    m.nationalTeam = &m.nation->nationalTeam;
    m.nextClub = m.league->clubs[2].get();
}

void FillRecords(CManager& m) {
    int next = 0;
    Number(m.weeklyTablePosition, next);
    Number(m.weeklyTeamSpirit, next);
    Number(m.weeklyFightingSpirit, next);
    Number(m.weeklyStrength, next);
    Number(m.weeklyFanReputation, next);
    Number(m.weeklyConfidence, next);
    Number(m.weeklyFreshness, next);
    Number(m.weeklyFitness, next);
    Number(m.weeklyBalance, next);
    Number(m.daySlots, next);
    Number(m.remainingCount, next);
    Number(m.skillGroupLevel, next);
    Number(m.skillGroupProgress, next);
    Number(m.skillGroupPoints, next);
    Number(m.commitmentVariant, next);
    Number(m.commitmentCostBase, next);
    Number(m.merchandisePrice, next);
    Number(m.merchandiseStock, next);
    Number(m.merchandiseSold, next);
    Number(m.forecastIncome, next);
    Number(m.forecastCost, next);
    m.diary = {0xFFFFFFFF, 0x0100000F, 2, 0x00030004};
}

void FillCounters(CManager& m) {
    int next = 100;
    for (int32_t* v : {&m.nationalCoachSalary, &m.clubsManaged, &m.seasonsAtClub, &m.placingBonusCount,
                       &m.promotions, &m.championships, &m.otherContinentalCupTitles, &m.superCupTitles,
                       &m.firstContinentalCupTitles, &m.worldCupTitles, &m.continentalChampionshipTitles,
                       &m.matchesCoached, &m.olympicTitles, &m.markedMatches, &m.pointsWon, &m.nationalCupTitles,
                       &m.balance, &m.targetPlace, &m.nextTargetPlace, &m.contractYears, &m.nextContractYears,
                       &m.placingBonus, &m.titleBonus, &m.pointBonus, &m.nextPlacingBonus, &m.nextTitleBonus,
                       &m.nextPointBonus, &m.salary, &m.nextSalary, &m.freeListingCount, &m.skillScroll,
                       &m.transferTalksLeft, &m.spectatorsNextMatch, &m.nextMatchSeasonTickets, &m.daysToNextMatch,
                       &m.seasonTicketsSold, &m.seasonStartCounter, &m.averageHomeSpectators, &m.homeMatchCount,
                       &m.merchandiseFigure, &m.merchandiseWeekFigure, &m.forecastSpectators,
                       &m.forecastSeasonTickets, &m.forecastPoolParticipants})
        *v = ++next;
    for (uint8_t* v : {&m.clubExtensionOption, &m.managerExtensionOption, &m.nextClubExtensionOption,
                       &m.nextManagerExtensionOption, &m.hasNextContract, &m.noAutoReorder, &m.coachingLevel})
        *v = static_cast<uint8_t>(++next);
    m.nextMatchDayCode = 0x0203;
    m.lastName = "Lindqvist";
    m.firstName = "Erik";
}

void FillOwned(CManager& m) {
    m.DeleteOwnedItems();
    for (int8_t kind : {12, -7}) {
        auto skill = std::make_unique<CCoachingSkill>();
        skill->level = 4;
        skill->group = 3;
        skill->selectionRule = 2;
        skill->ruleParam = 21;
        skill->isOnePlayer = 1;
        skill->kinds = {kind, 5, -3};
        skill->amounts = {2, 3, 1};
        m.coachingSkills.push_back(std::move(skill));
    }
    for (uint8_t kind : {3, 22, 47}) {
        auto item = std::make_unique<CProperty>();
        item->used = kind < 40;
        item->kind = kind;
        item->purchaseYear = static_cast<uint16_t>(2000 + kind);
        item->storedValue = 1000u * kind;
        (item->used ? m.usedProperty : m.furtherProperty).push_back(std::move(item));
    }
    m.ownPlayer = std::make_unique<CPlayer>();
    m.ownPlayer->firstName = m.firstName;
    m.ownPlayer->lastName = m.lastName;
    m.ownPlayer->birthday = 0x07B00402;
    m.ownPlayer->styleTraits = CManager::kOwnPlayerMarks;
    m.history.yearRows = {"Champions", "Cupwinners"};
    m.history.years = {2030};
    m.history.recordNames[3] = "Best";
    m.history.recordValues[3] = 0xDEADBEEF;
}

}  // namespace

void FillSampleManager(CManager& manager, CWorld& world) {
    FillPlace(manager, world);
    FillRecords(manager);
    FillCounters(manager);
    FillOwned(manager);
}
