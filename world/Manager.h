#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/Colour.h"
#include "platform/Bitmap.h"
#include "world/CoachingSkill.h"
#include "world/FanArticles.h"
#include "world/History.h"
#include "world/PlayerSearch.h"
#include "world/Property.h"
#include "world/WorkEvaluation.h"
#include "world/WorldRef.h"

class BinaryFile;
struct HighscoreTables;
class CContinent;
class CLeague;
class CNation;
class CPlayer;
class CTeam;
class CWorld;

// The eight terms of a contract of the manager with a club.
struct ManagerContract {
    int32_t salary = 0;        // yearly
    int32_t placingBonus = 0;  // for reaching the target place
    int32_t titleBonus = 0;    // for a title or a promotion
    int32_t pointBonus = 0;    // per point won
    int32_t years = 0;
    int32_t targetPlace = 0;
    uint8_t clubOption = 0;     // the club may extend by a season
    uint8_t managerOption = 0;  // he may extend by a season
};

// The user's manager: his names, place in the world, contracts, private
// money, career counters, diary, coaching level and skill groups, his own
// player record, the weekly records of his club and its season forecast.
// There is exactly one, g_manager; every subsystem reads and writes its
// members directly.
class CManager {
public:
    static constexpr int kCommitmentKinds = 12;  // diary kinds 15-26
    static constexpr int kDiaryKinds = 50;
    static constexpr int kSkillGroups = 6;
    static constexpr int kSeasonWeeks = 54;  // index 0 holds the season start
    static constexpr int kDiaryDays = 370;
    static constexpr int kForecastIncomeItems = 6;
    static constexpr int kForecastCostItems = 8;
    // The items of the season forecast's revenues...
    static constexpr size_t kForecastSponsorIncome = 0;
    static constexpr size_t kForecastSpectatorIncome = 1;
    static constexpr size_t kForecastMediaIncome = 2;
    static constexpr size_t kForecastMerchandiseIncome = 3;
    static constexpr size_t kForecastTransferIncome = 4;
    static constexpr size_t kForecastMiscellaneousIncome = 5;
    // ... and of its expenses. The youth and amateur team costs are booked
    // at the season start.
    static constexpr size_t kForecastMerchandiseCost = 0;
    static constexpr size_t kForecastTransferCost = 1;
    static constexpr size_t kForecastPlayerCost = 2;
    static constexpr size_t kForecastEmployeeCost = 3;
    static constexpr size_t kForecastStadiumCost = 4;
    static constexpr size_t kForecastYouthCost = 5;
    static constexpr size_t kForecastAmateurCost = 6;
    static constexpr size_t kForecastMiscellaneousCost = 7;

    // His own player carries both of the style word's two lowest status
    // bits: only for a while in a team, and without a transfer value.
    static constexpr uint16_t kOwnPlayerMarks = 0x0011;

    // Colours of news lines (0x00BBGGRR).
    static constexpr uint32_t kNewsGreen = 0x006000;
    static constexpr uint32_t kNewsRed = 0x000060;

    CManager();
    ~CManager();
    CManager(const CManager&) = delete;
    CManager& operator=(const CManager&) = delete;
    // A manager read from a save game takes this one's place; the main
    // window's pointers (news list, shown team) stay.
    void TakeOver(CManager& loaded);
    CManager& operator=(CManager&&) = default;

    // Back to the start of a career: contracts, counters, career rows,
    // skill groups and fan-article prices. Money, names, birthday and the
    // coaching level stay.
    void ResetCareerState();
    // Empties his lists of coaching skills and property, deleting the items.
    void DeleteOwnedItems();
    // A club of the world, not g_noClubTeam; likewise a national team.
    bool HasClub() const;
    bool HasNationalTeam() const;

    // The terms of his current contract and of the one agreed for next
    // season.
    ManagerContract GetContract() const;
    void SetContract(const ManagerContract& contract);
    ManagerContract GetNextContract() const;

    // The calendar's steps (career/). A new game, once its set-up has given
    // him names, level, place, club and national team; the world's season
    // start, after its calendar; the season start of his club's account
    // (newClub: he has just taken the club over); Mondays, after the
    // continents; the season end, after promotion and relegation.
    void PrepareNewGame();
    void StartNewSeason();
    void StartClubSeason(bool newClub);
    void DoWeeklyStep();
    void EndSeason();
    // The history's season update over his world, on 30 June before the
    // agreed transfers.
    void UpdateHistoryRecords();
    // At the season's end his work enters the list of the best careers when
    // it beats an entry (an equal score goes below); true when it did.
    bool UpdateHighscore(HighscoreTables& list) const;
    // The board sends him away with a compensation for the rest of his
    // contract; he is left without a club.
    void Dismiss();
    void LeaveNationalTeam();
    // A season end after which his contract has run out: he moves to the
    // club whose contract he agreed for next season.
    void StartNextContract();
    // The terms a club offers him, drawn around the salary of his level in
    // its league and its finances.
    ManagerContract ProposeContractTerms(const CLeague& league, const CTeam& club) const;
    // His club's values into the weekly records at index week (index 0
    // holds the season start, week w of the season index w).
    void RecordWeek(int week);
    // The coaching level his work deserves (career/); the scores and
    // weightings behind it into evaluation when given.
    int EvaluateWork(WorkEvaluation* evaluation = nullptr) const;

    // His career rows: opens a row for his club or national team, or
    // closes the last one with what was won there.
    void RecordCareerStation(bool open, bool national, bool dismissed);
    // His own player in his club's squad, found by the marks he carries.
    bool FindSelfInSquad(size_t& index) const;
    // After a load: his birthday is his own player's, in the squad or not.
    void SyncOwnPlayerRecord();
    // Takes his own player out of his club's squad (and its national
    // squads) back into ownPlayer; unless removeOnly, puts him into the
    // squad when he is not there.
    void TogglePlayerManager(bool removeOnly);

    // His share of the save game (career/): his place as references into
    // his world, his records, contracts, skills, own player, history and
    // property, and the user's free week plans. His career rows and named
    // training weeks go with the main window's lists; his birthday comes
    // back with SyncOwnPlayerRecord. A read that fails leaves him and the
    // week plans as they were.
    bool Write(BinaryFile& f) const;
    bool Read(BinaryFile& f);

    // The crest of his club into clubLogo and its size into the layout
    // point the game surface draws it by (ui/).
    void LoadClubLogo();

    // Appends a line to the main window's news list, with the colour's
    // red, green and blue bytes behind the text for the news painter.
    // Nothing happens before the window has set newsList.
    void AddNews(const std::string& line, uint32_t colour);

    // The week's fan-article sale of his club: buyers in, revenue in euros
    // out; a kind whose stock falls short of the demand is reordered (unless
    // switched off) at the purchase prices of the club finances, the cost
    // returned apart.
    void SellMerchandise(int32_t& buyers, uint32_t& reorderCost);

    // The label of the diary's entry on a season day, for the calendar
    // (career/): appended to label, with its colour from the skin's colour
    // table passed in. False when the day has no entry or the entry no
    // label, as a talk with a player who has gone.
    bool GetDiaryEntryLabel(std::string& label, int dayIndex, Colour& colour,
                            std::span<const Colour> skinColours) const;

    // The season forecast's sums of income, costs and their difference.
    int32_t SumRevenues() const;
    int32_t SumExpenses() const;
    int32_t GetRevenueBalance() const;
    // Adds a home match of the user's club to the spectators' average.
    void AddHomeMatchValue(int32_t spectators);

    // The world's references and queries through his world. Without a
    // world nothing is found: kRefNotFound, &g_noClubTeam, false, no players.
    WorldRef GetTeamRef(const CTeam* team) const;
    WorldRef GetPlayerRef(const CPlayer* player, uint8_t& squadIndex, const CNation* likelyNation = nullptr) const;
    WorldObject ResolveRef(WorldRef ref, RefLevel stopAt = RefLevel::kTeam) const;
    CTeam* ResolveTeam(WorldRef ref) const;
    bool IsInNationalTeam(const CPlayer* player) const;
    void SearchPlayers(std::vector<CPlayer*>& result, const PlayerSearchFilter& filter) const;
    void CollectSearchedPlayers(std::vector<CPlayer*>& result, const PlayerSearchFilter& scope) const;
    bool GetAgreedTransfersToTeam(const CTeam* team, std::vector<CPlayer*>& players) const;
    void DropTeamFromTransferDeals(const CTeam* team);

    // Places him without a club in the nation with the most clubs in
    // leagues that play (the first on a tie), at its first league; without
    // any, at the first league that plays, else at the last league. False
    // when the world has no league.
    bool PlaceWithoutClub();

    // The price rise since the world's start year (0 without a world).
    int GetInflationPermille() const;
    // Raises amount in place and returns it.
    uint32_t ApplyInflation(uint32_t& amount) const;
    uint32_t GetMonthlyLivingCosts() const;

    std::vector<uint32_t> clubCareerRows;
    std::vector<uint32_t> nationalCareerRows;
    std::vector<std::string> clubCareerNames;
    std::vector<std::string> nationalCareerNames;
    std::vector<std::string> trainingWeekNames;
    std::array<std::vector<std::string>, 3> trainingWeekLists;
    std::vector<uint32_t> trainingWeekValues;
    // Views of the statistics screen he keeps, sorted by key, with their names.
    std::vector<uint32_t> statisticsBookmarks;
    std::vector<std::string> statisticsBookmarkNames;
    Bitmap clubLogo;  // not saved
    std::vector<std::unique_ptr<CProperty>> usedProperty;     // in his own use
    std::vector<std::unique_ptr<CProperty>> furtherProperty;  // held or rented out
    // Owned; null while his own player plays in his club's squad.
    std::unique_ptr<CPlayer> ownPlayer;
    int32_t nationalCoachSalary = 0;
    std::array<int32_t, kCommitmentKinds> commitmentVariant{};  // 0 cheap, 1 appropriate, 2 exclusive
    std::array<int32_t, kCommitmentKinds> commitmentCostBase{};

    // Career counters.
    int32_t clubsManaged = 0;
    int32_t seasonsAtClub = 0;
    int32_t placingBonusCount = 0;
    int32_t promotions = 0;
    int32_t championships = 0;
    int32_t otherContinentalCupTitles = 0;
    int32_t superCupTitles = 0;
    int32_t firstContinentalCupTitles = 0;
    int32_t worldCupTitles = 0;
    int32_t continentalChampionshipTitles = 0;
    int32_t matchesCoached = 0;
    int32_t olympicTitles = 0;
    int32_t markedMatches = 0;
    int32_t pointsWon = 0;
    int32_t nationalCupTitles = 0;

    int32_t balance = 0;  // his private money
    uint32_t birthday = 0;  // packed date

    // Current contract and the one agreed for next season.
    CTeam* nextClub = nullptr;  // g_noClubTeam when none
    uint8_t clubExtensionOption = 0;
    uint8_t managerExtensionOption = 0;
    uint8_t nextClubExtensionOption = 0;
    uint8_t nextManagerExtensionOption = 0;
    uint8_t hasNextContract = 0;
    int32_t targetPlace = 0;
    int32_t nextTargetPlace = 0;
    int32_t contractYears = 0;
    int32_t nextContractYears = 0;
    int32_t placingBonus = 0;
    int32_t titleBonus = 0;
    int32_t pointBonus = 0;
    int32_t nextPlacingBonus = 0;
    int32_t nextTitleBonus = 0;
    int32_t nextPointBonus = 0;
    int32_t salary = 0;
    int32_t nextSalary = 0;

    int32_t freeListingCount = 0;
    std::array<int8_t, kDiaryKinds> remainingCount{};
    int32_t skillScroll = 0;
    std::vector<std::unique_ptr<CCoachingSkill>> coachingSkills;
    std::array<uint8_t, kSkillGroups> skillGroupLevel{};
    std::array<int32_t, kSkillGroups> skillGroupProgress{};
    std::array<uint8_t, kSkillGroups> skillGroupPoints{};

    // Weekly records of his club: index 0 the season start, index w the
    // Monday of week w of the season.
    std::array<uint8_t, kSeasonWeeks> weeklyTablePosition{};
    std::array<uint8_t, kSeasonWeeks> weeklyTeamSpirit{};
    std::array<uint8_t, kSeasonWeeks> weeklyFightingSpirit{};
    std::array<uint8_t, kSeasonWeeks> weeklyStrength{};
    std::array<uint8_t, kSeasonWeeks> weeklyFanReputation{};
    std::array<uint8_t, kSeasonWeeks> weeklyConfidence{};

    int32_t transferTalksLeft = 0;
    std::vector<uint32_t> diary;
    std::array<uint16_t, kDiaryDays> daySlots{};  // diary entry per season day, 0 = free

    std::vector<std::string>* newsList = nullptr;  // the main window's; not owned
    CTeam** shownTeam = nullptr;  // the screens' team pointer; not owned
    uint32_t lineupContext = 0;
    uint16_t nextMatchDayCode = 0;

    std::array<uint8_t, kSeasonWeeks> weeklyFreshness{};
    std::array<uint8_t, kSeasonWeeks> weeklyFitness{};
    std::array<int32_t, kSeasonWeeks> weeklyBalance{};

    // His place in the world; g_noClubTeam stands for no club and no
    // national team, and the others then name the place he lives in.
    CTeam* nationalTeam = nullptr;
    CWorld* world = nullptr;
    CContinent* continent = nullptr;
    CNation* nation = nullptr;
    CLeague* league = nullptr;
    CTeam* club = nullptr;

    int32_t spectatorsNextMatch = 0;
    int32_t nextMatchSeasonTickets = 0;
    int32_t daysToNextMatch = 0;
    // The season-ticket sale of his club: the most tickets it can sell, and
    // the days it still runs (-1 when no sale runs).
    int32_t seasonTicketsSold = 0;
    int32_t seasonStartCounter = -1;
    int32_t averageHomeSpectators = 0;
    int32_t homeMatchCount = 0;

    // Fan articles; prices in euro cents.
    std::array<int32_t, kFanArticleKinds> merchandisePrice{};
    std::array<int32_t, kFanArticleKinds> merchandiseStock{};
    std::array<int32_t, kFanArticleKinds> merchandiseSold{};
    uint8_t noAutoReorder = 0;
    // How many sponsors the season start reckoned would join his club's
    // pool at a fair amount.
    int32_t merchandiseFigure = 0;
    // The yearly amount per participant that the season start found fair
    // for his club's pool of sponsors: early in the season new sponsors
    // join by how his own amount compares with it; none while it is 0.
    int32_t merchandiseWeekFigure = 0;

    // Season forecast of his club. The expected average of home spectators,
    // season-ticket holders and participants in the pool of sponsors are
    // 0 until set: the forecast then works them out.
    std::array<int32_t, kForecastIncomeItems> forecastIncome{};
    std::array<int32_t, kForecastCostItems> forecastCost{};
    int32_t forecastSpectators = 0;
    int32_t forecastSeasonTickets = 0;
    int32_t forecastPoolParticipants = 0;

    uint8_t coachingLevel = 0;  // 1-10
    std::string lastName;
    std::string firstName;

    // The record lists and roll of honour of the game he plays.
    CHistory history;
};

extern CManager g_manager;
// Makes him a new manager again at the same address, in no world.
void ResetManager();
