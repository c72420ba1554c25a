// The manager's share of the save game. He keeps pointers into his world,
// the file keeps references, and the user's free week plans live in the
// training tables: the record form names all of them once, and the reader
// reads into a fresh manager that it resolves and takes over only when the
// whole record was read.
#include <limits>
#include <string>

#include "platform/BinaryFile.h"
#include "platform/FileFields.h"
#include "squad/Training.h"
#include "squad/WeekPlanNames.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/Player.h"

namespace {

constexpr uint8_t kOwnPlayerFollows = 0xFF;
constexpr uint8_t kFullRecord = 1;

// The runs of plain members in file order, each named once: the record
// form writes and reads them, and the reader takes them over from the
// manager it read.
constexpr auto kSeasonRun = [](auto& m, auto&& fields) {
    fields(m.nextMatchDayCode, m.weeklyFreshness, m.weeklyFitness, m.coachingLevel, m.firstName, m.daysToNextMatch,
           m.nextMatchSeasonTickets, m.spectatorsNextMatch, m.weeklyBalance, m.seasonTicketsSold,
           m.seasonStartCounter, m.averageHomeSpectators, m.homeMatchCount, m.merchandisePrice, m.merchandiseStock,
           m.noAutoReorder, m.merchandiseSold, m.merchandiseFigure, m.merchandiseWeekFigure, m.forecastIncome,
           m.forecastCost, m.forecastSpectators, m.forecastSeasonTickets, m.forecastPoolParticipants,
           m.transferTalksLeft, m.daySlots);
};
constexpr auto kClubRecordsRun = [](auto& m, auto&& fields) {
    fields(m.weeklyStrength, m.weeklyFightingSpirit, m.weeklyTeamSpirit, m.weeklyTablePosition,
           m.weeklyFanReputation, m.weeklyConfidence, m.skillGroupPoints, m.skillGroupLevel, m.skillGroupProgress,
           m.remainingCount, m.skillScroll);
};
constexpr auto kCareerRun = [](auto& m, auto&& fields) {
    fields(m.promotions, m.continentalChampionshipTitles, m.seasonsAtClub, m.otherContinentalCupTitles,
           m.markedMatches, m.championships, m.firstContinentalCupTitles, m.olympicTitles, m.nationalCupTitles,
           m.pointsWon, m.matchesCoached, m.superCupTitles, m.clubsManaged, m.worldCupTitles, m.placingBonusCount,
           m.balance, m.freeListingCount, m.salary, m.contractYears, m.clubExtensionOption,
           m.managerExtensionOption, m.placingBonus, m.titleBonus, m.pointBonus, m.targetPlace, m.nextSalary,
           m.nextContractYears, m.hasNextContract, m.nextClubExtensionOption, m.nextManagerExtensionOption,
           m.nextPlacingBonus, m.nextTitleBonus, m.nextPointBonus, m.nextTargetPlace);
};
constexpr auto kCommitmentRun = [](auto& m, auto&& fields) { fields(m.commitmentCostBase, m.commitmentVariant); };
// The members read apart from the runs: the place rebuilt from references,
// single fields between them, the counted lists and the owned objects.
constexpr auto kReadApart = [](auto& m, auto&& fields) {
    fields(m.continent, m.nation, m.league, m.club, m.nationalTeam, m.nextClub, m.lastName, m.nationalCoachSalary,
           m.diary, m.coachingSkills, m.ownPlayer, m.history, m.usedProperty, m.furtherProperty);
};

// What the record holds beside the manager's members.
struct Outside {
    WorldRef club = kRefNotFound;
    WorldRef nationalTeam = kRefNotFound;
    WorldRef nextClub = kRefNotFound;
    std::array<std::array<uint8_t, kMaxUnitsPerWeek>, kFreeWeekPlans> planUnits{};
    std::array<std::string, kFreeWeekPlans> planNames;
};

std::string& FreePlanName(int i) { return g_weekPlanNames[static_cast<size_t>(kFirstFreeWeekPlan - 1 + i)]; }

// A marker byte, and his player record behind it when he is not in a squad.
bool OwnPlayer(FieldWriter& io, const std::unique_ptr<CPlayer>& player) {
    io(player ? kOwnPlayerFollows : uint8_t{0});
    return io.Ok() && (!player || io.Object(*player, kFullRecord));
}

bool OwnPlayer(FieldReader& io, std::unique_ptr<CPlayer>& player) {
    uint8_t marker = 0;
    io(marker);
    player.reset();
    if (!io.Ok() || marker != kOwnPlayerFollows)
        return io.Ok();
    player = std::make_unique<CPlayer>();
    return io.Object(*player, kFullRecord);
}

template <typename Io, typename M, typename O>
bool ManagerFields(Io& io, M& m, O& o) {
    io(o.club, m.lastName, o.nationalTeam);
    kSeasonRun(m, io);
    if (!io.Ok() || !io.template NumberArray<uint16_t>(m.diary))
        return false;
    kClubRecordsRun(m, io);
    if (!io.Ok() || !io.template ObjectList<uint16_t>(m.coachingSkills))
        return false;
    kCareerRun(m, io);
    io(o.nextClub, m.nationalCoachSalary);
    if (!io.Ok() || !OwnPlayer(io, m.ownPlayer))
        return false;
    io(o.planUnits, o.planNames);
    kCommitmentRun(m, io);
    return io.Ok() && io.Object(m.history) && io.template ObjectList<uint16_t>(m.usedProperty) &&
           io.template ObjectList<uint16_t>(m.furtherProperty);
}

// A list longer than its count could say would spoil the rest of the file.
bool ListsFitTheirCounts(const CManager& m) {
    constexpr size_t kMaxCount = std::numeric_limits<uint16_t>::max();
    return m.coachingSkills.size() <= kMaxCount && m.usedProperty.size() <= kMaxCount &&
           m.furtherProperty.size() <= kMaxCount;
}

// A reference without a continent names nothing.
bool NamesNothing(WorldRef ref) { return ref >= kRefNotFound; }

template <typename T>
T* Resolved(const CManager& m, WorldRef ref, RefLevel level) {
    const WorldObject object = m.ResolveRef(ref, level);
    T* const* found = std::get_if<T*>(&object);
    return found ? *found : nullptr;
}

// His club names his league, nation and continent; without one he lives
// where PlaceWithoutClub puts him.
bool PlaceAtClub(CManager& m, WorldRef ref) {
    if (NamesNothing(ref))
        return m.PlaceWithoutClub();
    m.continent = Resolved<CContinent>(m, ref, RefLevel::kContinent);
    m.nation = Resolved<CNation>(m, ref, RefLevel::kNation);
    m.league = Resolved<CLeague>(m, ref, RefLevel::kLeague);
    m.club = m.league ? Resolved<CTeam>(m, ref, RefLevel::kTeam) : nullptr;
    return m.continent && m.nation && m.league && m.club && m.club != &g_noClubTeam;
}

// A team or none; null when the reference names no team of the world.
CTeam* TeamOrNone(const CManager& m, WorldRef ref) {
    if (NamesNothing(ref))
        return &g_noClubTeam;
    CTeam* team = m.ResolveTeam(ref);
    return team == &g_noClubTeam ? nullptr : team;
}

bool IsNationalTeamRef(WorldRef ref) {
    return NamesNothing(ref) || (RefLeague(ref) == kRefNationLevel && RefTeam(ref) == kRefNationalTeam);
}

bool ResolvePlace(CManager& m, const Outside& o) {
    if (!PlaceAtClub(m, o.club) || !IsNationalTeamRef(o.nationalTeam))
        return false;
    m.nationalTeam = TeamOrNone(m, o.nationalTeam);
    m.nextClub = TeamOrNone(m, o.nextClub);
    return m.nationalTeam && m.nextClub;
}

template <typename Run>
void TakeRun(Run run, CManager& to, CManager& from) {
    run(to, [&](auto&... dst) { run(from, [&](auto&... src) { ((dst = std::move(src)), ...); }); });
}

}  // namespace

bool CManager::Write(BinaryFile& f) const {
    if (!ListsFitTheirCounts(*this))
        return false;
    Outside o{GetTeamRef(club), GetTeamRef(nationalTeam), GetTeamRef(nextClub), g_freeWeekPlanUnits, {}};
    for (int i = 0; i < kFreeWeekPlans; ++i)
        o.planNames[static_cast<size_t>(i)] = FreePlanName(i);
    FieldWriter io(f);
    return ManagerFields(io, *this, o);
}

bool CManager::Read(BinaryFile& f) {
    CManager read;
    read.world = world;
    Outside o;
    FieldReader io(f);
    if (!ManagerFields(io, read, o) || !ResolvePlace(read, o))
        return false;
    TakeRun(kSeasonRun, *this, read);
    TakeRun(kClubRecordsRun, *this, read);
    TakeRun(kCareerRun, *this, read);
    TakeRun(kCommitmentRun, *this, read);
    TakeRun(kReadApart, *this, read);
    g_freeWeekPlanUnits = o.planUnits;
    for (int i = 0; i < kFreeWeekPlans; ++i)
        FreePlanName(i) = std::move(o.planNames[static_cast<size_t>(i)]);
    return true;
}
