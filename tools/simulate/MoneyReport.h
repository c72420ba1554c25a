#pragma once

#include <cstdint>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "finance/MoneyEvents.h"

class CLeague;
class CTeam;
class CWorld;

// What a season did to the clubs' money, league by league. The accounts
// are read on the season's last day, before the change of season puts the
// balance into the capital; the tax of the season's end and the crisis
// steps are counted as they happen (MoneyTally).
struct LeagueMoney {
    const CLeague* league = nullptr;
    std::string nation{};
    std::string name{};
    size_t clubs = 0;
    int64_t meanMoney = 0;  // net assets: money, investments less loans
    int64_t lowestMoney = 0;
    size_t inTheRed = 0;
    size_t overCreditLimit = 0;  // debts beyond what a bank would lend
    int64_t sponsors = 0;
    int64_t television = 0;
    int64_t tax = 0;
    int crises = 0;
    int bankruptcies = 0;
};

struct MoneyReport {
    std::vector<LeagueMoney> leagues;
    // Transfer fees over the world's professional accounts: what the
    // sellers booked, of it what clubs in crisis booked for the players
    // they let go, and what the buyers paid.
    int64_t feesReceived = 0;
    int64_t feesOfReleases = 0;
    int64_t feesPaid = 0;
    std::vector<std::string> faults;
};

// Counts the events of the season's money while installed.
class MoneyTally : public MoneyEventListener {
public:
    void TaxPaid(const CTeam& club, const CLeague& league, uint32_t tax) override;
    void CrisisStep(const CTeam& club, const CLeague& league, bool bankrupt) override;
    void PlayerReleased(const CTeam& club, uint32_t fee) override;

    // Reads the computer-run clubs on a day of the board's crisis test,
    // after the test.
    void ReadCrisisTest(const CWorld& world);
    // One club as a crisis test left it. The board looks only on these
    // days: between them, at a season's end say, a club may be beyond its
    // credit limit and back within it by the next test. A club that still
    // meets the crisis condition after three tests in a row without a
    // crisis step is a fault: its debts drift.
    void CrisisTestSeen(const CTeam& club, const std::string& name, bool meetsCrisisCondition);
    // Adds the counted events and the drifting clubs to the report and
    // starts counting afresh.
    void Settle(MoneyReport& report);

private:
    struct Events {
        int64_t tax = 0;
        int crises = 0;
        int bankruptcies = 0;
    };
    std::map<const CLeague*, Events> byLeague_;
    int64_t feesOfReleases_ = 0;
    std::map<const CTeam*, int> crisisSteps_;
    std::map<const CTeam*, int> testsInCrisis_;
    std::vector<std::string> drifting_;
};

// The accounts on the season's last day. A club of a played league that
// booked no income at all is a fault: its account does not live.
MoneyReport MakeMoneyReport(const CWorld& world);

void PrintMoneyReport(std::ostream& out, const MoneyReport& report);
