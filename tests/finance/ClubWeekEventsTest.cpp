#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "finance/ClubWeek.h"
#include "finance/IncomeFormulae.h"
#include "finance/InterestRates.h"
#include "platform/HeadlessModalRunner.h"
#include "platform/ModalRunner.h"
#include "platform/PlayerMessages.h"
#include "platform/Random.h"
#include "tests/finance/FinanceSamples.h"
#include "tests/world/CalendarWorldFixture.h"
#include "tests/world/PlayerSamples.h"
#include "world/Finance.h"

namespace {

constexpr int kWeeks = 120;

// A club of a small world, its youth and amateur teams run week after week
// on one date. Each starts with a new manager who looks at the world.
struct ClubWeeks {
    CalendarWorld fixture{{.nations = 1}};
    CLeague& league = fixture.League(0, 0);
    CTeam& club = *league.clubs[0];

    ClubWeeks() {
        ResetManager();
        g_manager.world = &fixture.world;
    }

    void Run(const Date& day) {
        GameDateScope date(day);
        for (int week = 0; week < kWeeks; ++week)
            club.account.RunClubWeekEvents(league, club);
    }

    ClubWeek Week(bool user = false) { return {league, club, user}; }

    // The user manages the club with his board behind him; the boxes he
    // is shown are recorded.
    void Manage() {
        fixture.ManageClub(0, 0);
        club.flags |= kTeamJobSafetyCounter;
        SetModalRunner(&runner);
    }

    HeadlessModalRunner runner;
};

// Season weeks of the 2003 season, which starts on Monday 7 July 2003.
const Date kWeek8(2003, 8, 25);
const Date kWeek9(2003, 9, 1);
const Date kWeek36(2004, 3, 8);
const Date kWeek37(2004, 3, 15);

}  // namespace

// Players come, grow and go only in a month's first week.
TEST(ClubWeekEvents, YouthAndAmateursMoveOnlyInTheFirstWeekOfAMonth) {
    const struct {
        Date day;
        bool moves;
    } cases[] = {{Date(2004, 3, 1), true}, {Date(2004, 3, 7), true}, {Date(2004, 3, 8), false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.day.Day());
        SeedRandom(11);
        ClubWeeks w;
        w.Run(c.day);
        EXPECT_EQ(!w.club.youth.empty(), c.moves);
        EXPECT_EQ(!w.club.amateurs.empty(), c.moves);
    }
}

// A club whose amateur team is a club of the nation sends its new amateurs
// there; its own amateur list stays empty.
TEST(ClubWeekEvents, NewAmateursJoinTheAmateurClubOfThatName) {
    SeedRandom(12);
    ClubWeeks w;
    CTeam& second = *w.league.clubs[5];
    w.club.amateurTeamName = second.name;
    const size_t before = second.squad.size();
    w.Run(Date(2004, 3, 1));
    EXPECT_TRUE(w.club.amateurs.empty());
    EXPECT_GT(second.squad.size(), before);
}

// Only unpaid youth players leave for a job: those under contract stay,
// while newcomers, who are unpaid, come and go.
TEST(ClubWeekEvents, PaidYouthPlayersNeverLeave) {
    SeedRandom(13);
    ClubWeeks w;
    std::vector<const CPlayer*> paid;
    for (int i = 0; i < 30; ++i) {
        auto young = MakeCalendarPlayer(1, i % 7, 2);
        young->salaryHundreds = 50;
        paid.push_back(young.get());
        w.club.youth.push_back(std::move(young));
    }
    w.Run(Date(2004, 3, 1));
    size_t stayed = 0;
    for (const auto& young : w.club.youth)
        stayed += std::count(paid.begin(), paid.end(), young.get());
    EXPECT_EQ(stayed, paid.size());
}

// Interest falls due once a month, in its first week: on the loans, which
// then run a month down, then on the club's money, at the overdraft rate on
// a debt and half the investment base rate on credit.
TEST(ClubWeekEvents, InterestIsBookedInTheFirstWeekOfAMonth) {
    const struct {
        int day;
        int32_t capital;
        uint32_t cost;
        uint32_t income;
        uint32_t months;
    } cases[] = {
        // The loan's 708 comes first and is part of the money then reckoned.
        {1, 0, 708 + 6, 0, 23},            // 7 hundreds overdrawn x 110 / 120
        {7, -120000, 708 + 1106, 0, 23},   // 1207 hundreds x 110 / 120
        {7, 1200000, 708, 1199, 23},       // 11992 hundreds x 12 / 120
        {8, -120000, 0, 0, 24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.day << " " << c.capital);
        SeedRandom(14);
        ClubWeeks w;
        // A fourth-division club sells its few fan articles only every
        // fourth week, and the first week of March is not one of them.
        w.league.division = 4;
        w.club.account = ProfessionalAccount();
        w.club.capital = c.capital;
        w.club.account.AppendTransaction({true, 85, 24, 100000});
        GameDateScope date(Date(2004, 3, c.day));
        w.club.account.RunClubWeekEvents(w.league, w.club);
        EXPECT_EQ(w.club.account.GetFigure(kCostMiscellaneous), c.cost);
        EXPECT_EQ(w.club.account.GetFigure(kIncomeMiscellaneous), c.income);
        EXPECT_EQ(w.club.account.GetTransaction(0).months, c.months);
    }
}

// A season's fan-article trade below 5200 goes in thirteen lots, one every
// fourth week, above it in weekly shares; exactly 5200 trades nothing. The
// club's sales vary by up to 31 % and cost it 17 to 32 % of them.
TEST(ClubWeekEvents, FanArticlesSellWeeklyOrInLotsAroundTheThreshold) {
    const struct {
        uint32_t season;
        Date day;
        uint32_t share;
        bool trades;
    } cases[] = {
        {5150, kWeek36, 5150 / 13, true},  {5150, kWeek37, 0, false},
        {5200, kWeek36, 0, false},         {5200, kWeek37, 0, false},
        {5250, kWeek36, 5250 / 52, true},  {5250, kWeek37, 5250 / 52, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.season << " on " << c.day.Day() << "." << c.day.Month());
        ClubWeeks w;
        w.league.division = 4;
        w.club.account = ProfessionalAccount();
        GameDateScope date(c.day);
        // The trade reckons with the mean of demand and season tickets.
        const auto demand = static_cast<uint32_t>(w.club.GetSpectatorDemand(4));
        w.club.account.SellSeasonTickets(static_cast<int32_t>(c.season / 50 * 2 - demand), 1);
        ASSERT_EQ(CalcScaledMeanAmount(demand, w.club.account.GetSeasonTicketsSold()), c.season);
        SeedRandom(21);
        const uint32_t sold = c.share + c.share * static_cast<uint32_t>(RandBelow(32)) / 100;
        const uint32_t cost = sold * static_cast<uint32_t>(17 + RandBelow(16)) / 100;
        SeedRandom(21);

        TradeFanArticles(w.Week());
        EXPECT_EQ(w.club.account.GetFigure(kIncomeMerchandise), c.trades ? sold : 0);
        EXPECT_EQ(w.club.account.GetFigure(kCostMerchandise), c.trades ? cost : 0);
    }
}

// In a month's first week the club pays a twelfth of each salary, each
// player's cut to whole euros before they are added, and a twelfth of each
// staff contract; the user draws the manager's twelfth for himself.
TEST(ClubWeekEvents, SalariesArePaidInTwelfthsInTheFirstWeekOfAMonth) {
    const struct {
        int day;
        bool user;
        uint32_t players;
        uint32_t staff;
        int32_t privatePay;
    } cases[] = {
        // 100 / 12 + 200 / 12 + 500 / 12, not 800 / 12 = 66.
        {1, false, 8 + 16 + 41, 2508 + 1708 + 608, 0},
        {1, true, 8 + 16 + 41, 2508 + 1708 + 608, 1708},
        {8, true, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.day << (c.user ? " user" : ""));
        ClubWeeks w;
        if (c.user)
            w.Manage();
        CFinance& account = w.club.account;
        account = ProfessionalAccount();
        const uint16_t hundreds[] = {1, 2, 5};
        for (size_t i = 0; i < 3; ++i)
            w.club.squad[i]->salaryHundreds = hundreds[i];
        for (const auto& [record, amount] : {std::pair{kContractCoach, 30100u}, std::pair{kContractManager, 20500u},
                                             std::pair{kContractKeeperCoach, 7300u}}) {
            ContractRecord contract;
            contract.amount = amount;
            contract.term = 1;
            account.SetContract(record, contract);
        }
        GameDateScope date(Date(2004, 3, c.day));
        account.RunClubWeekEvents(w.league, w.club);
        EXPECT_EQ(account.GetFigure(kCostPlayer), c.players);
        EXPECT_EQ(account.GetFigure(kCostEmployees), c.staff);
        EXPECT_EQ(g_manager.balance, c.privatePay);
    }
}

// From the third match day until the season is over the board, the fans
// and the club's confidence answer the table: the club's distance from the
// place it is to reach, in tenths of the league, rounded half up. The
// user's club is measured against his own season target.
TEST(ClubWeekEvents, TheBoardAnswersTheTablePositionAgainstTheTarget) {
    const struct {
        const char* what;
        uint32_t coachTarget;
        int userTarget;  // -1: a computer-run club
        int position;
        int matchDay;
        int sign;
    } cases[] = {
        {"last, meant to be first", 1, -1, 6, 5, -1},
        {"one place short", 2, -1, 3, 5, -1},  // (-10 + 3) / 6 truncates to -1
        {"on target", 3, -1, 3, 5, 0},
        {"first, meant to be last", 6, -1, 1, 5, 1},
        {"no target", 0, -1, 6, 5, 0},
        {"too early", 1, -1, 6, 2, 0},
        {"third match day", 1, -1, 6, 3, -1},
        {"season over", 1, -1, 6, 200, 0},
        {"his target, not the coach's", 6, 1, 6, 5, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SeedRandom(22);
        ClubWeeks w;
        if (c.userTarget >= 0) {
            w.Manage();
            g_manager.targetPlace = c.userTarget;
        }
        w.club.account = ProfessionalAccount();
        ContractRecord coach;
        coach.target = c.coachTarget;
        coach.term = 1;
        w.club.account.SetContract(kContractCoach, coach);
        // All level on points: the table keeps its order, the club at its place.
        CLeague& league = w.league;
        league.wins.assign(6, 0);
        league.draws.assign(6, 0);
        league.goalDifference.assign(6, 0);
        league.tableOrder = {2, 3, 4, 5, 6};
        league.tableOrder.insert(league.tableOrder.begin() + c.position - 1, 1);
        league.currentMatchDay = static_cast<uint8_t>(c.matchDay);
        const int confidence = w.club.clubConfidence;
        const int reputation = w.club.fanReputation;

        ReactToLeaguePosition(w.Week(c.userTarget >= 0));
        EXPECT_EQ((w.club.clubConfidence > confidence) - (w.club.clubConfidence < confidence), c.sign);
        EXPECT_EQ((w.club.fanReputation > reputation) - (w.club.fanReputation < reputation), c.sign);
    }
}

// The December decisions are a computer-run club's: in the first week of
// December, and not for the user's club.
TEST(ClubWeekEvents, OnlyComputerClubsDecideTheirMoneyInDecember) {
    const struct {
        Date day;
        bool user;
        size_t transactions;
    } cases[] = {{Date(2004, 12, 6), false, 1}, {Date(2004, 12, 6), true, 0}, {Date(2004, 11, 1), false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.day.Month() << (c.user ? " user" : ""));
        SeedRandom(23);
        ClubWeeks w;
        if (c.user)
            w.Manage();
        w.club.capital = 400000;
        GameDateScope date(c.day);
        w.club.account.RunClubWeekEvents(w.league, w.club);
        EXPECT_EQ(w.club.account.TransactionCount(), c.transactions);
    }
}

// Half the money of a club with net assets goes into a year's investment,
// half the debt of an indebted one is covered by a three-year loan; net
// assets and money of opposite signs change nothing. A club without a
// professional account then spends three quarters of what its net assets
// exceed eight times its squad's worth.
TEST(ClubWeekEvents, DecemberInvestsSpareMoneyCoversDebtsAndSpendsASurplus) {
    const struct {
        const char* what;
        bool professional;
        int32_t capital;
        uint32_t oldLoan;
        bool loan;
        uint32_t amount;  // 0: no new transaction
        uint32_t months;
        int32_t spent;
    } cases[] = {
        {"spare money, professional", true, 400000, 0, false, 200000, 12, 0},
        {"spare money, no professional account", false, 400000, 0, false, 200000, 12, 300000},
        {"in debt", true, -200000, 0, true, 100000, 36, 0},
        {"money in hand, but an older loan weighs more", false, 100000, 300000, false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ClubWeeks w;
        w.club.squad.clear();  // worth nothing: every asset is surplus
        CFinance& account = w.club.account;
        if (c.professional)
            account = ProfessionalAccount();
        else
            account.Reset();
        if (c.oldLoan != 0)
            account.AppendTransaction({true, 80, 24, c.oldLoan});
        w.club.capital = c.capital;

        TakeDecemberDecisions(w.Week(), c.capital);
        const size_t added = c.oldLoan != 0 ? 1 : 0;
        ASSERT_EQ(account.TransactionCount(), added + (c.amount != 0 ? 1 : 0));
        if (c.amount != 0) {
            const FinanceTransaction t = account.GetTransaction(0);
            const InterestKind kind = c.loan ? InterestKind::kLoan : InterestKind::kInvestment;
            EXPECT_EQ(t.loan, c.loan);
            EXPECT_EQ(t.amount, c.amount);
            EXPECT_EQ(t.months, c.months);
            EXPECT_EQ(t.rate, CalcInterestRate(kind, c.months, c.amount));
        }
        EXPECT_EQ(account.GetBalance(), -c.spent);
    }
}

// In the season's first eight weeks new sponsors join the user's pool:
// ten eighths of the supposed participants (in tenths) at the fair amount
// the season start found, a half share more for each share he asks less,
// fewer when he asks more; then a fifth of luck either way. Each pays his
// year at once; the pool holds at most 255.
TEST(ClubWeekEvents, PoolSponsorsJoinEarlyInTheSeasonTheMoreTheCheaper) {
    constexpr int32_t kFair = 4000;
    const struct {
        const char* what;
        Date day;
        uint32_t asked;
        int32_t fair;
        uint32_t already;
        int tenths;  // -1: nobody joins
    } cases[] = {
        {"the fair amount", kWeek8, 4000, kFair, 0, 250},           // 200 x 10 / 8
        {"half of it", kWeek8, 2000, kFair, 0, 250 + 62},           // + (2000 x 250 / 4000) / 2
        {"twice of it", kWeek8, 8000, kFair, 0, 250 - 208},         // - 4000 x 250 / 4000 x 200 / 240
        {"ninth week", kWeek9, 4000, kFair, 0, -1},
        {"nothing found fair", kWeek8, 4000, 0, 0, -1},
        {"a full pool", kWeek8, 4000, kFair, 250, 250},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ClubWeeks w;
        CFinance& account = w.club.account;
        account = ProfessionalAccount();
        account.SetSponsorPool(c.already, c.asked);
        g_manager.merchandiseFigure = 200;
        g_manager.merchandiseWeekFigure = c.fair;
        GameDateScope date(c.day);
        SeedRandom(24);
        const int luck = RandBelow(41) - 20;
        const uint32_t joined =
            c.tenths < 0 ? 0 : std::min<uint32_t>((c.tenths + c.tenths * luck / 100) / 10, 255 - c.already);
        SeedRandom(24);

        WelcomePoolSponsors(account);
        EXPECT_EQ(account.GetSponsorPool().participants, c.already + joined);
        EXPECT_EQ(account.GetSponsorPool().yearlyAmount, c.asked);
        EXPECT_EQ(account.GetFigure(kIncomeSponsors), joined * c.asked);
    }
}

// Every eighth week the user may let one more unasked transfer talk happen.
// A board that no longer backs him dismisses him on the toss of a coin, or
// warns him; once dismissed the club goes on as a computer-run one.
TEST(ClubWeekEvents, TheUsersWeekWithHisBoard) {
    const struct {
        Date day;
        bool safe;
        bool dismissal;
        int talks;
    } cases[] = {{kWeek8, true, false, 1}, {kWeek9, true, false, 0}, {kWeek9, false, false, 0},
                 {kWeek9, false, true, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.day.Day() << "." << c.day.Month() << (c.safe ? " safe" : " unsafe"));
        ClubWeeks w;
        w.Manage();
        if (!c.safe) {
            w.club.flags &= static_cast<uint8_t>(~kTeamJobSafetyCounter);
            w.club.clubConfidence = 0;
        }
        GameDateScope date(c.day);
        // A seed whose first coin decides as the case wants.
        uint32_t seed = 0;
        do
            SeedRandom(++seed);
        while (!c.safe && (RandBelow(2) == 0) != c.dismissal);
        SeedRandom(seed);
        ClubWeek week = w.Week(true);

        RunManagerWeek(week);
        EXPECT_EQ(g_manager.transferTalksLeft, c.talks);
        EXPECT_EQ(week.user, !c.dismissal);
        EXPECT_EQ(g_manager.club == &w.club, !c.dismissal);
        std::vector<std::string> titles;
        for (const ModalRecord& record : w.runner.Records())
            titles.push_back(record.title);
        if (c.safe)
            EXPECT_TRUE(titles.empty());
        else if (c.dismissal)
            EXPECT_EQ(titles, std::vector<std::string>{"Dismissal"});
        else {
            ASSERT_EQ(titles, std::vector<std::string>{"unsafe job"});
            const ModalRecord& warning = w.runner.Records()[0];
            EXPECT_EQ(warning.text,
                      "The managing committee of the club does not stand any longer fully behind you.  During "
                      "further bad achievement your dismissal is inevitable.");
            EXPECT_EQ(warning.flags, MSG_RED | MSG_OK | MSG_MESSAGE);
            EXPECT_EQ(warning.extra, 5);
        }
    }
}
