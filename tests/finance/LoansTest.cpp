#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "finance/FormatMoney.h"
#include "finance/InterestRates.h"
#include "platform/HeadlessModalRunner.h"
#include "platform/ModalRunner.h"
#include "tests/finance/FinanceSamples.h"
#include "world/Finance.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Team.h"

namespace {

// A professional club in a league of four, with no money of its own.
struct LoanClub {
    CLeague league;
    LoanClub() {
        for (int i = 0; i < 4; ++i)
            league.clubs.push_back(std::make_unique<CTeam>());
        league.ValidateSettings();
        Club().account = ProfessionalAccount();
    }
    CTeam& Club() { return *league.clubs[0]; }
    CFinance& Account() { return Club().account; }
};

// Notes how many transactions the account still holds whenever a box shows.
class WatchingRunner : public HeadlessModalRunner {
public:
    explicit WatchingRunner(const CFinance& account) : account_(account) {}
    bool Run(ModalDialog& dialog) override {
        countsSeen.push_back(account_.TransactionCount());
        return HeadlessModalRunner::Run(dialog);
    }
    std::vector<size_t> countsSeen;

private:
    const CFinance& account_;
};

}  // namespace

// A month's interest is the yearly rate over twelve months of the amount,
// loans as a cost, investments as income; each term is then a month shorter.
TEST(Loans, BookInterestChargesAMonthOfEachRate) {
    const struct {
        bool loan;
        uint32_t rate;
        uint32_t amount;
        uint32_t cost;
        uint32_t income;
    } cases[] = {
        {true, 85, 100000, 708, 0},      {false, 85, 100000, 0, 708}, {true, 10, 12000, 10, 0},
        {true, 1, 12000, 1, 0},          {false, 1, 11900, 0, 0},     {false, 255, 6553500, 0, 139261},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.loan << " " << c.rate << " " << c.amount);
        LoanClub f;
        f.Account().AppendTransaction({c.loan, c.rate, 24, c.amount});
        f.Account().BookInterest(f.Club());
        EXPECT_EQ(f.Account().GetFigure(kCostMiscellaneous), c.cost);
        EXPECT_EQ(f.Account().GetFigure(kIncomeMiscellaneous), c.income);
        EXPECT_EQ(f.Account().GetBalance(), static_cast<int32_t>(c.income - c.cost));
        EXPECT_EQ(f.Account().GetTransaction(0).months, 23u);
    }
}

// A transaction whose last month has passed ends: the principal goes back
// without a fee, and the user hears of his own club's before it is gone.
TEST(Loans, MonthlyExpiryEndsWhatRanOut) {
    const struct {
        bool loan;
        uint32_t months;
        bool user;
        size_t left;
        int32_t capital;
        const char* title;
        int icon;
    } cases[] = {
        {true, 1, true, 0, -50000, "loan time expired", 1},
        {false, 1, true, 0, 50000, "investment time expired", 3},
        {true, 1, false, 0, -50000, nullptr, 0},
        {true, 2, true, 1, 0, nullptr, 0},
        {false, 0, false, 0, 50000, nullptr, 0},  // a term of 0 from a file ends at once
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.loan << " " << c.months << " " << c.user);
        LoanClub f;
        WatchingRunner runner(f.Account());
        SetModalRunner(&runner);
        g_manager.club = c.user ? &f.Club() : nullptr;
        f.Account().AppendTransaction({c.loan, 80, c.months, 50000});
        f.Account().RunMonthlyExpiry(f.Club());
        EXPECT_EQ(f.Account().TransactionCount(), c.left);
        EXPECT_EQ(f.Club().capital, c.capital);
        EXPECT_EQ(f.Account().GetFigure(kCostMiscellaneous), 0u);
        ASSERT_EQ(runner.Records().size(), c.title ? 1u : 0u);
        if (!c.title)
            continue;
        const ModalRecord& box = runner.Records()[0];
        EXPECT_EQ(box.title, c.title);
        EXPECT_NE(box.text.find(FormatMoney(50000)), std::string::npos);
        EXPECT_EQ(box.flags, 418u);
        EXPECT_EQ(box.extra, c.icon);
        EXPECT_EQ(runner.countsSeen, std::vector<size_t>{1});
    }
}

// Ending one does not skip the one that moves up into its place.
TEST(Loans, MonthlyExpiryGoesOnAtTheSameIndex) {
    LoanClub f;
    f.Account().AppendTransaction({true, 80, 1, 30000});
    f.Account().AppendTransaction({false, 30, 1, 20000});
    f.Account().AppendTransaction({true, 80, 3, 10000});
    f.Account().RunMonthlyExpiry(f.Club());
    ASSERT_EQ(f.Account().TransactionCount(), 1u);
    EXPECT_EQ(f.Account().GetTransaction(0).amount, 10000u);
    EXPECT_EQ(f.Account().GetTransaction(0).months, 2u);
    EXPECT_EQ(f.Club().capital, -30000 + 20000);
}

// The bank takes half the interest it loses over the rest of the term when
// today's base is worse for it, and never less than 5 % of a loan or 2.5 %
// of an investment.
TEST(Loans, EarlySettlementFee) {
    const struct {
        bool loan;
        uint32_t rate;
        uint32_t months;
        uint32_t amount;
        uint16_t base;
        uint32_t fee;
    } cases[] = {
        {true, 90, 24, 100000, 90, 5000},         // at the base: the least fee
        {true, 120, 24, 1000000, 75, 50000},      // 45,000 is below the least
        {true, 200, 120, 1000000, 75, 625000},    // 125 / 1000 x 10 years, halved
        {true, 60, 24, 100000, 75, 5000},         // below the base
        {false, 20, 36, 200000, 45, 7500},        // 25 / 1000 x 3 years, halved
        {false, 50, 36, 200000, 25, 5000},        // above the base: the least fee
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.loan << " " << c.rate << " " << c.base);
        (c.loan ? g_interestRates.loanBase : g_interestRates.investmentBase) = c.base;
        CFinance account;
        account.AppendTransaction({c.loan, c.rate, c.months, c.amount});
        EXPECT_EQ(account.CalcEarlySettlementFee(0), c.fee);
        EXPECT_EQ(account.CalcEarlySettlementFee(1), 0u);
    }
}

// The principal goes back; the fee falls due only when asked for and the
// term has not run out.
TEST(Loans, SettlingReturnsThePrincipal) {
    const struct {
        bool loan;
        uint32_t months;
        bool chargeFee;
        int32_t capital;
        uint32_t fee;
    } cases[] = {
        {true, 24, true, -100000, 5000},
        {true, 24, false, -100000, 0},
        {false, 24, true, 100000, 2500},
        {true, 0, true, -100000, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.loan << " " << c.months << " " << c.chargeFee);
        LoanClub f;
        f.Account().AppendTransaction({c.loan, 75, c.months, 100000});
        f.Account().SettleTransaction(1, f.Club(), true);
        EXPECT_EQ(f.Account().TransactionCount(), 1u);
        f.Account().SettleTransaction(0, f.Club(), c.chargeFee);
        EXPECT_EQ(f.Account().TransactionCount(), 0u);
        EXPECT_EQ(f.Club().capital, c.capital);
        EXPECT_EQ(f.Account().GetFigure(kCostMiscellaneous), c.fee);
    }
}

// A loan must keep all loans within the credit limit; investments do not count.
TEST(Loans, LoansStayWithinTheCreditLimit) {
    LoanClub f;
    CFinance& account = f.Account();
    account.AppendTransaction({false, 30, 12, 5000000});
    const uint32_t income = account.CalcSeasonIncome(f.league, f.Club(), g_interestRates.investmentBase);
    const int64_t limit = account.CalcCreditLimit(income, 0, false);
    ASSERT_GT(limit, 1000);
    ASSERT_LT(limit, 2 * FinanceTransaction::kMostAmount);
    const uint32_t first = static_cast<uint32_t>(limit / 2 / 100 * 100);
    const uint32_t last = static_cast<uint32_t>((limit - first) / 100 * 100);
    EXPECT_TRUE(account.AddTransaction({true, 80, 12, first}, f.league, f.Club(), false));
    EXPECT_TRUE(account.AddTransaction({true, 80, 12, last}, f.league, f.Club(), false));
    EXPECT_EQ(f.Club().capital, static_cast<int32_t>(first + last));
    EXPECT_FALSE(account.AddTransaction({true, 80, 12, 100}, f.league, f.Club(), false));
    EXPECT_EQ(f.Club().capital, static_cast<int32_t>(first + last));
    EXPECT_EQ(account.TransactionCount(), 3u);
}

// An investment needs money that is not negative, a transaction a term and
// an amount that the word can hold and room in the list; the capital moves
// by the whole hundreds the word keeps.
TEST(Loans, AddingAnInvestment) {
    const struct {
        int32_t capital;
        uint32_t months;
        uint32_t amount;
        bool fullList;
        bool added;
    } cases[] = {
        {0, 12, 12345, false, true},      {-1, 12, 12345, false, false},  {0, 0, 12345, false, false},
        {0, 128, 12345, false, false},    {0, 127, 6553500, false, true}, {0, 12, 6553600, false, false},
        {0, 12, 12345, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.capital << " " << c.months << " " << c.amount << " " << c.fullList);
        LoanClub f;
        f.Club().capital = c.capital;
        if (c.fullList)
            while (f.Account().AppendTransaction({false, 30, 12, 100})) {
            }
        const size_t before = f.Account().TransactionCount();
        EXPECT_EQ(f.Account().AddTransaction({false, 30, c.months, c.amount}, f.league, f.Club(), false), c.added);
        EXPECT_EQ(f.Account().TransactionCount(), before + (c.added ? 1 : 0));
        const int32_t kept = static_cast<int32_t>(c.amount / 100 * 100);
        EXPECT_EQ(f.Club().capital, c.capital - (c.added ? kept : 0));
    }
}

// Loans first, then the longer term, the higher rate, the larger amount.
TEST(Loans, SortingOrdersByKindTermRateAndAmount) {
    const FinanceTransaction given[] = {
        {false, 40, 36, 90000}, {true, 80, 12, 50000},  {true, 80, 24, 10000},
        {true, 90, 12, 10000},  {true, 80, 12, 60000},  {false, 40, 48, 10000},
    };
    const FinanceTransaction sorted[] = {
        {true, 80, 24, 10000}, {true, 90, 12, 10000},  {true, 80, 12, 60000},
        {true, 80, 12, 50000}, {false, 40, 48, 10000}, {false, 40, 36, 90000},
    };
    LoanClub f;
    for (const auto& t : given)
        f.Account().AppendTransaction(t);
    // Adding with the sort flag sorts the whole list.
    EXPECT_TRUE(f.Account().AddTransaction({false, 10, 1, 100}, f.league, f.Club(), true));
    ASSERT_EQ(f.Account().TransactionCount(), std::size(sorted) + 1);
    for (size_t i = 0; i < std::size(sorted); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(f.Account().GetTransaction(i).Pack(), sorted[i].Pack());
    }
    EXPECT_EQ(f.Account().GetTransaction(std::size(sorted)).amount, 100u);
}

// Money on the account earns half the investment base rate a year; a debt
// costs the overdraft rate; both on whole hundreds.
TEST(Loans, AccountInterestOnBalanceAndCapital) {
    const struct {
        int32_t balance;
        int32_t capital;
        uint32_t cost;
        uint32_t income;
    } cases[] = {
        {0, -120099, 1100, 0},  // 1200 hundreds x 110 / 120
        {-60000, -60099, 1100, 0},
        {0, 1200099, 0, 1200},  // 12000 hundreds x 12 / 120
        {0, 0, 0, 0},
        {INT32_MAX, INT32_MAX, 0, 4294967},  // no wrap of the sum
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.balance << " " << c.capital);
        CFinance account = ProfessionalAccount();
        const uint32_t size = static_cast<uint32_t>(std::abs(int64_t{c.balance}));
        account.Book(c.balance < 0 ? kCostStadium : kIncomeSponsors, size);
        account.BookAccountInterest(c.capital);
        EXPECT_EQ(account.GetFigure(kCostMiscellaneous), c.cost);
        EXPECT_EQ(account.GetFigure(kIncomeMiscellaneous), c.income);
    }
}
