#include "tools/simulate/MoneyReport.h"

#include <algorithm>
#include <ostream>

#include "finance/ComputerClub.h"
#include "finance/FormatMoney.h"
#include "finance/InterestRates.h"
#include "platform/Text.h"
#include "world/Team.h"
#include "world/WorldWalk.h"

namespace {

// Crisis tests in a row that leave a club in crisis without a crisis step.
// One could be a day's later bookings; three are two thirds of a year.
constexpr int kDriftingTests = 3;

bool IsOverCreditLimit(const CTeam& club, const CLeague& league) {
    const CFinance& account = club.account;
    const uint32_t income = account.CalcSeasonIncome(league, club, g_interestRates.investmentBase);
    return account.GetNetAssets(club.capital) < 0 && account.CalcCreditLimit(income, club.capital, true) <= 0;
}

LeagueMoney ReadLeague(const CNation& nation, const CLeague& league, MoneyReport& report) {
    LeagueMoney money{&league, nation.nationalTeam.name, league.name};
    int64_t sum = 0;
    for (const auto& club : league.clubs) {
        const CFinance& account = club->account;
        const int64_t own = account.GetNetAssets(club->capital);
        money.lowestMoney = money.clubs == 0 ? own : std::min(money.lowestMoney, own);
        ++money.clubs;
        sum += own;
        money.inTheRed += own < 0;
        money.sponsors += account.GetFigure(kIncomeSponsors);
        money.television += account.GetFigure(kIncomeMedia);
        report.feesReceived += account.GetFigure(kIncomeTransfer);
        report.feesPaid += account.GetFigure(kCostTransfer);
        money.overCreditLimit += IsOverCreditLimit(*club, league);
        if (!league.IsPassive() && account.GetTotalIncome() == 0)
            report.faults.push_back(money.nation + ", " + money.name + ": " + club->name +
                                    " booked no income this season");
    }
    if (money.clubs > 0)
        money.meanMoney = sum / static_cast<int64_t>(money.clubs);
    return money;
}

std::string Money(int64_t euros) { return Cp1252ToUtf8(FormatMoney(euros)); }

}  // namespace

void MoneyTally::TaxPaid(const CTeam&, const CLeague& league, uint32_t tax) { byLeague_[&league].tax += tax; }

void MoneyTally::CrisisStep(const CTeam& club, const CLeague& league, bool bankrupt) {
    Events& events = byLeague_[&league];
    ++(bankrupt ? events.bankruptcies : events.crises);
    ++crisisSteps_[&club];
}

void MoneyTally::PlayerReleased(const CTeam& club, uint32_t fee) {
    if (club.account.IsProfessional())
        feesOfReleases_ += fee;
}

void MoneyTally::ReadCrisisTest(const CWorld& world) {
    VisitClubs(world, [&](const CNation&, const CLeague& league, const CTeam& club) {
        if (!IsUserTeam(&club))
            CrisisTestSeen(club, club.name, MeetsCrisisCondition(league, club));
    });
}

void MoneyTally::CrisisTestSeen(const CTeam& club, const std::string& name, bool meetsCrisisCondition) {
    int& tests = testsInCrisis_[&club];
    tests = meetsCrisisCondition && !crisisSteps_.contains(&club) ? tests + 1 : 0;
    crisisSteps_.erase(&club);
    if (tests == kDriftingTests)
        drifting_.push_back(name + Format(" meets the crisis condition after %d crisis tests in a row without a crisis",
                                          kDriftingTests));
}

void MoneyTally::Settle(MoneyReport& report) {
    report.feesOfReleases = feesOfReleases_;
    feesOfReleases_ = 0;
    // Every fee one club books another pays, but for the players a club in
    // crisis lets go.
    if (report.feesReceived - report.feesOfReleases != report.feesPaid)
        report.faults.push_back(Format("transfer fees of %lld were booked and %lld paid",
                                       static_cast<long long>(report.feesReceived - report.feesOfReleases),
                                       static_cast<long long>(report.feesPaid)));
    for (LeagueMoney& league : report.leagues) {
        const auto found = byLeague_.find(league.league);
        if (found == byLeague_.end())
            continue;
        league.tax = found->second.tax;
        league.crises = found->second.crises;
        league.bankruptcies = found->second.bankruptcies;
    }
    report.faults.insert(report.faults.end(), drifting_.begin(), drifting_.end());
    drifting_.clear();
    byLeague_.clear();
}

MoneyReport MakeMoneyReport(const CWorld& world) {
    MoneyReport report;
    VisitLeagues(world,
                 [&](const CNation& nation, const CLeague& league) {
                     report.leagues.push_back(ReadLeague(nation, league, report));
                 });
    return report;
}

void PrintMoneyReport(std::ostream& out, const MoneyReport& report) {
    out << "Net assets and money (league: mean, lowest; in the red, over the credit limit; sponsors, TV, tax; crises, "
           "bankruptcies)\n";
    for (const LeagueMoney& m : report.leagues)
        out << "  " << Cp1252ToUtf8(m.nation + " - " + m.name) << ": " << Money(m.meanMoney) << ", "
            << Money(m.lowestMoney) << Format("; %zu, %zu of %zu; ", m.inTheRed, m.overCreditLimit, m.clubs)
            << Money(m.sponsors) << ", " << Money(m.television) << ", " << Money(m.tax)
            << Format("; %d, %d\n", m.crises, m.bankruptcies);
    out << "Transfer fees received " << Money(report.feesReceived) << " (for players let go in a crisis "
        << Money(report.feesOfReleases) << "), paid " << Money(report.feesPaid) << "\n";
    for (const std::string& fault : report.faults)
        out << "FAULT: " << Cp1252ToUtf8(fault) << "\n";
}
