#include <algorithm>
#include <cstdint>

#include "career/ManagerPosts.h"
#include "finance/IncomeFormulae.h"
#include "finance/SeasonForecast.h"
#include "platform/Random.h"
#include "world/Finance.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Team.h"

// A club's account at the season start: its fees and season tickets, the
// user's season forecast, the income and staff contracts that ran out drawn
// anew, and the season's first bookings of sponsors, staff, youth and
// amateur teams and television.

namespace {

// The user's club sells its season tickets over this many days.
constexpr int32_t kSeasonTicketSaleDays = 24;
// A name shorter than this is no person: the post is empty.
constexpr size_t kShortestName = 2;
// The attendance target is kept in hundreds, in one byte.
constexpr int64_t kMaxAttendanceTarget = 255;
// The user's club gets this share (tenths) of the pool's total as the
// yearly amount per participant it offers.
constexpr int64_t kUserPoolShareTenths = 8;

// Where a club stands in its league, as its sponsors see it.
struct LeagueStanding {
    int level = 0;
    int position = 0;
    int teamCount = 0;
    int demand = 0;
    bool professionalLeague = false;
};

uint32_t Percent(uint32_t amount, int64_t percent) {
    return static_cast<uint32_t>(std::clamp<int64_t>(int64_t{amount} * percent / 100, 0, UINT32_MAX));
}

uint32_t Permille(uint32_t amount, int64_t permille) {
    return static_cast<uint32_t>(std::clamp<int64_t>(int64_t{amount} * permille / 1000, 0, UINT32_MAX));
}

bool Coin() { return RandBelow(2) == 0; }

uint32_t DrawTerm() { return 1 + static_cast<uint32_t>(RandBelow(3)); }

uint32_t MainSponsorSum(const CTeam& team, const LeagueStanding& at) {
    return AdjustAmountByLevel(
        CalcMainSponsorSum(at.demand, team.GetFinancialEnvironment(), at.level, at.position, at.teamCount), at.level,
        at.professionalLeague);
}

uint32_t ArenaSponsorSum(const CTeam& team, const LeagueStanding& at) {
    return AdjustAmountByLevel(CalcArenaSponsorSum(at.demand, team.arena.GetCapacity(), team.arena.GetScoreBoard(),
                                                   at.level, at.position, at.teamCount),
                               at.level, at.professionalLeague);
}

uint32_t SponsorPoolSum(const CTeam& team, const LeagueStanding& at, uint32_t& participants) {
    return AdjustAmountByLevel(CalcSponsorPool(team.GetFanAmount(), team.GetFinancialEnvironment(), at.level,
                                               at.position, at.teamCount, participants),
                               at.level, at.professionalLeague);
}

// A new contract runs for a drawn term, each side's option to extend it
// drawn too.
void SignWithOptions(CFinance& account, uint32_t record, ContractRecord& c) {
    c.term = DrawTerm();
    c.firstFlag = Coin();
    c.secondFlag = Coin();
    account.SetContract(record, c);
}

void DrawMainSponsor(CFinance& account, const CTeam& team, const LeagueStanding& at, const CNation& nation) {
    const uint32_t sum = MainSponsorSum(team, at);
    account.SetMainSponsorIndex(nation.PickSponsor(sum));
    ContractRecord c;
    const int r = 5 + RandBelow(11);
    c.targetBonus = Percent(sum, r);
    c.amount = sum - c.targetBonus;
    const int r2 = r + RandBelow(11);
    c.continentalOrTitleBonus = Permille(sum, r2);
    const int r3 = (r2 >> 1) + RandBelow(5);
    c.nationalCupOrPointBonus = Permille(sum, r3);
    // A target beyond what the record holds would wrap to a trifle.
    const int64_t target = std::min<int64_t>(at.demand / (130 + RandBelow(20)), team.arena.GetCapacity() / 10);
    c.target = static_cast<uint32_t>(std::clamp<int64_t>(target, 0, kMaxAttendanceTarget));
    SignWithOptions(account, kContractMainSponsor, c);
}

void DrawArenaSponsor(CFinance& account, const CTeam& team, const LeagueStanding& at) {
    ContractRecord c = account.GetContract(kContractArenaSponsor);
    c.amount = Percent(ArenaSponsorSum(team, at), 80 + RandBelow(40));
    c.term = DrawTerm();
    account.SetContract(kContractArenaSponsor, c);
}

void DrawCoach(CFinance& account, CTeam& team, const CLeague& league, const LeagueStanding& at, CNation& nation) {
    if (team.coachSurname.size() < kShortestName)
        nation.AppointStaffFromPool(team, StaffPost::kCoach);
    const uint32_t s = CalcStaffSalary(team.GetCoachCompetence(), at.level, at.professionalLeague);
    ContractRecord c;
    const int r = 15 + RandBelow(15);
    c.amount = s - Percent(s, r);
    c.targetBonus = Percent(s, r);
    c.target = static_cast<uint32_t>(at.position >= 3 ? at.position - 2 : at.position);
    c.continentalOrTitleBonus = Percent(s, r - 5 - RandBelow(5));
    const int64_t matchDays = league.GetMatchDayCount(true, true, true);
    if (matchDays > 0)
        c.nationalCupOrPointBonus = static_cast<uint32_t>(int64_t{s} * r / matchDays / 100);
    SignWithOptions(account, kContractCoach, c);
}

void DrawManager(CFinance& account, CTeam& team, const LeagueStanding& at, CNation& nation) {
    if (team.managerSurname.size() < kShortestName)
        nation.AppointStaffFromPool(team, StaffPost::kManager);
    const uint32_t s = CalcStaffSalary(team.managerCompetence, at.level, at.professionalLeague);
    ContractRecord c = account.GetContract(kContractManager);
    const int r = 5 + RandBelow(15);
    c.amount = s - Percent(s, r);
    c.targetBonus = Percent(s, r) * 2;
    c.continentalOrTitleBonus = Percent(s, r) * 2;
    SignWithOptions(account, kContractManager, c);
}

void DrawKeeperCoach(CFinance& account, CTeam& team, const LeagueStanding& at, CNation& nation) {
    if (team.keeperCoach.size() < kShortestName)
        nation.AppointStaffFromPool(team, StaffPost::kKeeperCoach);
    ContractRecord c;
    c.amount = CalcStaffSalary(team.keeperCoachCompetence, at.level, at.professionalLeague) / 3;
    c.term = DrawTerm();
    account.SetContract(kContractKeeperCoach, c);
}

// A club whose manager bears the club's name has been taken over at a new
// game (CManager::PrepareNewGame): his season there starts with the club
// in the mood of a new manager.
void StartUserClubSeason(CTeam& club) {
    if (club.managerSurname != club.name)
        return;
    g_manager.StartClubSeason(false);
    club.ResetClimateForNewManager();
}

}  // namespace

void CFinance::StartSeason(CTeam& team, const CLeague& league, CNation& nation) {
    SetProfessional((team.flags & kTeamActiveLeague) ? 1 : 0);
    ApplyProfessionalSize();
    const bool user = IsUserTeam(&team);
    const int level = league.division;
    const int homeMatches = league.GetHomeMatchCount();
    if (!user) {
        SetDefaultAdmissionFees(level, team);
        SellSeasonTickets(CalcSeasonTicketHolders(level, team), homeMatches);
    } else {
        StartUserClubSeason(team);
        // The forecast reckons with last season's sale target; its youth and
        // amateur costs are booked below.
        ComputeSeasonForecast(g_manager, team, league);
        g_manager.seasonTicketsSold = CalcSeasonTicketHolders(level, team);
        g_manager.seasonStartCounter = kSeasonTicketSaleDays;
    }

    LeagueStanding at;
    at.level = level;
    at.position = league.GetTablePosition(&team);
    at.teamCount = CountTableTeams(*this, league);
    at.demand = team.GetSpectatorDemand(level);
    at.professionalLeague = league.IsProfessional();

    if (IsProfessional()) {
        if (GetContract(kContractMainSponsor).term == 0)
            DrawMainSponsor(*this, team, at, nation);
        if (GetContract(kContractArenaSponsor).term == 0)
            DrawArenaSponsor(*this, team, at);
        if (!user) {
            if (GetContract(kContractCoach).term == 0)
                DrawCoach(*this, team, league, at, nation);
            if (GetContract(kContractManager).term == 0)
                DrawManager(*this, team, at, nation);
            if (GetContract(kContractKeeperCoach).term == 0 && level < 2)
                DrawKeeperCoach(*this, team, at, nation);
        }
    }

    // The youth players' wages are booked below with every club's; the
    // forecast's youth costs hold them.
    const float strength = team.GetAverageStrength();
    if (user) {
        const int64_t youth = int64_t{g_manager.forecastCost[CManager::kForecastYouthCost]} - team.GetYouthWageBill();
        Book(kCostYouthTeam, static_cast<uint32_t>(std::max<int64_t>(youth, 0)));
        Book(kCostAmateurTeam,
             static_cast<uint32_t>(std::max(g_manager.forecastCost[CManager::kForecastAmateurCost], 0)));
    } else {
        Book(kCostYouthTeam, CalcYouthTeamCosts(strength));
        Book(kCostAmateurTeam, CalcAmateurTeamCosts(strength, team.GetFinancialEnvironment()));
    }

    uint32_t participants = 0;
    if (IsProfessional()) {
        Book(kIncomeSponsors, GetContract(kContractMainSponsor).amount);
        const uint32_t drawn = CalcSponsorPool(team.GetFanAmount(), team.GetFinancialEnvironment(), level,
                                               at.position, at.teamCount, participants);
        const uint32_t total = AdjustAmountByLevel(Percent(drawn, 80 + RandBelow(41)), level, at.professionalLeague);
        if (user) {
            // The user fills the pool himself; it starts empty at the
            // amount per participant he asked for, else at a fair one.
            // The weekly events measure his amount against the fair one.
            const uint32_t fair = participants != 0 ? total / participants : 0;
            g_manager.merchandiseFigure = static_cast<int32_t>(participants);
            g_manager.merchandiseWeekFigure = static_cast<int32_t>(std::min<uint32_t>(fair, INT32_MAX));
            uint32_t yearly = GetSponsorPool().yearlyAmount;
            if (yearly == 0)
                yearly = static_cast<uint32_t>(int64_t{fair} * kUserPoolShareTenths / 10);
            SetSponsorPool(0, std::min(yearly, SponsorPool::kMostYearlyAmount));
        } else {
            const uint32_t yearly = participants != 0 ? total / participants : 0;
            SetSponsorPool(participants, std::min(yearly, SponsorPool::kMostYearlyAmount));
            Book(kIncomeSponsors, total);
        }
        Book(kIncomeSponsors, GetContract(kContractArenaSponsor).amount);
    } else {
        Book(kIncomeSponsors, MainSponsorSum(team, at));
        Book(kIncomeSponsors, SponsorPoolSum(team, at, participants));
        Book(kIncomeSponsors, ArenaSponsorSum(team, at));
        Book(kIncomeMerchandise,
             CalcScaledMeanAmount(static_cast<uint32_t>(std::max(at.demand, 0)), GetSeasonTicketsSold()));
        Book(kIncomeSpectators, CalcSeasonGateMoney(team.arena, at.demand, GetSeasonTicketsSold(), homeMatches));
        const uint32_t staff = CalcStaffSalary(static_cast<int>(strength) + 1, level, at.professionalLeague);
        Book(kCostEmployees, 2 * staff);
        if (level < 2)
            Book(kCostEmployees, staff / 2);
    }

    Book(kIncomeMedia, CalcLeagueTvShare(level));
    Book(kCostYouthTeam, team.GetYouthWageBill());
    if (user)
        g_manager.weeklyBalance[0] = GetBalance();
}
