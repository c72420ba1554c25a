#include "world/Manager.h"

#include <memory>

#include "platform/Date.h"
#include "world/GameDate.h"
#include "world/NewsLine.h"
#include "world/NoClubTeam.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

constexpr const char* kDefaultLastName = "plastname";
constexpr const char* kDefaultFirstName = "Pfirstname";
constexpr uint8_t kStartCoachingLevel = 1;
constexpr std::array<int32_t, kFanArticleKinds> kDefaultFanArticlePrices = {4500, 1600, 1200, 1400, 600};

}  // namespace

CManager g_manager;

void ResetManager() {
    std::destroy_at(&g_manager);
    std::construct_at(&g_manager);
}

CManager::CManager()
    : birthday(PackDate(Date(1980, 1, 1))),
      coachingLevel(kStartCoachingLevel),
      lastName(kDefaultLastName),
      firstName(kDefaultFirstName) {
    ResetCareerState();
    ownPlayer = std::make_unique<CPlayer>();
    nationalTeam = &g_noClubTeam;
}

CManager::~CManager() = default;

void CManager::ResetCareerState() {
    nextMatchDayCode = 0;
    merchandisePrice = kDefaultFanArticlePrices;
    noAutoReorder = 0;
    forecastIncome.fill(0);
    forecastCost.fill(0);
    forecastSpectators = forecastSeasonTickets = 0;
    averageHomeSpectators = homeMatchCount = 0;
    skillGroupPoints.fill(coachingLevel);
    skillGroupLevel.fill(coachingLevel);
    skillGroupProgress.fill(0);

    skillScroll = freeListingCount = nationalCoachSalary = 0;
    salary = nextSalary = contractYears = nextContractYears = 0;
    targetPlace = nextTargetPlace = 0;
    nextClub = &g_noClubTeam;
    hasNextContract = 0;
    clubExtensionOption = managerExtensionOption = 0;
    nextClubExtensionOption = nextManagerExtensionOption = 0;
    placingBonus = titleBonus = pointBonus = 0;
    nextPlacingBonus = nextTitleBonus = nextPointBonus = 0;

    clubsManaged = seasonsAtClub = placingBonusCount = promotions = championships = 0;
    otherContinentalCupTitles = superCupTitles = firstContinentalCupTitles = 0;
    worldCupTitles = continentalChampionshipTitles = matchesCoached = olympicTitles = 0;
    markedMatches = pointsWon = nationalCupTitles = 0;

    trainingWeekNames.clear();
    for (auto& list : trainingWeekLists)
        list.clear();
    trainingWeekValues.clear();
    statisticsBookmarks.clear();
    statisticsBookmarkNames.clear();
    clubCareerRows.clear();
    nationalCareerRows.clear();
    clubCareerNames.clear();
    nationalCareerNames.clear();
}

void CManager::DeleteOwnedItems() {
    coachingSkills.clear();
    usedProperty.clear();
    furtherProperty.clear();
}

bool CManager::HasClub() const { return club && club != &g_noClubTeam; }

bool CManager::HasNationalTeam() const { return nationalTeam && nationalTeam != &g_noClubTeam; }

ManagerContract CManager::GetContract() const {
    return {salary, placingBonus, titleBonus, pointBonus, contractYears, targetPlace, clubExtensionOption,
            managerExtensionOption};
}

void CManager::SetContract(const ManagerContract& contract) {
    salary = contract.salary;
    placingBonus = contract.placingBonus;
    titleBonus = contract.titleBonus;
    pointBonus = contract.pointBonus;
    contractYears = contract.years;
    targetPlace = contract.targetPlace;
    clubExtensionOption = contract.clubOption;
    managerExtensionOption = contract.managerOption;
}

ManagerContract CManager::GetNextContract() const {
    return {nextSalary,        nextPlacingBonus, nextTitleBonus,          nextPointBonus,
            nextContractYears, nextTargetPlace,  nextClubExtensionOption, nextManagerExtensionOption};
}

void CManager::AddNews(const std::string& line, uint32_t colour) {
    if (newsList)
        newsList->push_back(NewsLine(line, colour));
}

void CManager::TakeOver(CManager& loaded) {
    std::vector<std::string>* news = newsList;
    CTeam** shown = shownTeam;
    *this = std::move(loaded);
    newsList = news;
    shownTeam = shown;
}
