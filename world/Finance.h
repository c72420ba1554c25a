#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class BinaryFile;
class CArena;
class CLeague;
class CNation;
class CTeam;

// Figure words of an account. Money is whole euros; the balance is signed.
enum FinanceWord : uint32_t {
    kBalanceWord = 0,
    kAdmissionFeesWord = 1,  // bits 0-15 bench fee, 16-31 seat fee (cents)
    kSeasonTicketsWord = 2,  // bits 0-15 price per match (cents), 16-31 sold
    kFirstIncomeWord = 3,    // income categories 3-8
    kLastIncomeWord = 8,
    kFirstCostWord = 9,      // cost categories 9-16
    kLastCostWord = 16,
    kSponsorPoolWord = 25,
};

// Booking categories: the figure word each sum is kept in.
enum FinanceCategory : uint32_t {
    kIncomeSponsors = 3,
    kIncomeSpectators = 4,
    kIncomeTransfer = 5,
    kIncomeMerchandise = 6,
    kIncomeMedia = 7,
    kIncomeMiscellaneous = 8,
    kCostStadium = 9,
    kCostPlayer = 10,
    kCostEmployees = 11,
    kCostTransfer = 12,
    kCostYouthTeam = 13,
    kCostAmateurTeam = 14,
    kCostMerchandise = 15,
    kCostMiscellaneous = 16,
};

// Contract records: the figure word each record starts at. Records below
// kFirstOneWordRecord take two words, the others one.
enum ContractRecordIndex : uint32_t {
    kContractMainSponsor = 17,
    kContractCoach = 19,
    kContractManager = 21,
    kContractKeeperCoach = 23,
    kContractArenaSponsor = 24,
};
constexpr uint32_t kFirstOneWordRecord = 22;

constexpr uint32_t kProfessionalFigureCount = 26;
constexpr uint32_t kShortFigureCount = 3;
// Each list's size is stored in one byte.
constexpr size_t kMaxTransactions = 255;

enum AdmissionHalf : int { kBenchAdmission = 0, kSeatAdmission = 1 };

// One income or staff contract. The records share the fields, each in its
// own sense; the packing keeps only what the record's layout can hold.
struct ContractRecord {
    // Yearly: the sponsor's basic sum, the staff member's salary.
    uint32_t amount = 0;
    // Paid when the target is reached: the main sponsor's bonus for the
    // spectator average, the coach's success bonus, the manager's bonus
    // for a balance profit.
    uint32_t targetBonus = 0;
    // The coach's and the manager's championship bonus; the main sponsor's
    // bonus per continental-cup round reached.
    uint32_t continentalOrTitleBonus = 0;
    // The coach's bonus per league point; the main sponsor's bonus per
    // national-cup round reached.
    uint32_t nationalCupOrPointBonus = 0;
    uint32_t term = 0;  // years, 0 = ended
    // The main sponsor's attendance target in hundreds; the table position
    // the coach is to reach, 0 for none.
    uint32_t target = 0;
    bool firstFlag = false;
    bool secondFlag = false;
    bool thirdFlag = false;
};

// One loan or investment as the account keeps it: a single packed word.
struct FinanceTransaction {
    bool loan = false;
    uint32_t rate = 0;    // yearly, tenths of a percent, 0-255
    uint32_t months = 0;  // remaining term, 0-127
    uint32_t amount = 0;  // euros, kept in hundreds up to 6,553,500

    static constexpr uint32_t kMostRate = 255;
    static constexpr uint32_t kMostMonths = 127;
    static constexpr uint32_t kMostAmount = 6553500;

    static FinanceTransaction Unpack(uint32_t word);
    uint32_t Pack() const;
};

struct SponsorPool {
    // The yearly amount is kept in hundreds, in one byte; more would wrap
    // to a trifle.
    static constexpr uint32_t kMostYearlyAmount = 25500;

    uint32_t participants = 0;
    uint32_t yearlyAmount = 0;  // per participant, kept in hundreds
};

// A team's account: the running season's figures, the contracts of a
// professional club and its loans and investments. The team keeps the
// capital beside it; operations that need it take it as an argument.
// Words beyond the figure array's end read as 0 and are not written.
class CFinance {
public:
    void SetProfessional(uint8_t flag) { professional_ = flag; }
    uint8_t IsProfessional() const { return professional_; }
    // 26 words for a professional account, 3 for any other; words kept.
    void ApplyProfessionalSize();
    // All figures 0 (3 words when there were none), no transactions.
    void Reset();
    // Balance and category sums back to 0 once they went into the capital.
    void ClearSeasonFigures();
    size_t FigureCount() const { return figures_.size(); }

    uint16_t GetAdmissionFee(AdmissionHalf half) const;
    void SetAdmissionFee(AdmissionHalf half, uint16_t fee);
    uint16_t GetSeasonTicketPrice() const;
    void SetSeasonTicketPrice(uint16_t price);
    uint16_t GetSeasonTicketsSold() const;

    // Standard fees for the team's league level with a random spread and a
    // share for the arena's size, and a season-ticket price to match; no
    // tickets sold yet.
    void SetDefaultAdmissionFees(int leagueLevel, const CTeam& team);
    // How many would buy a season ticket at the account's price.
    int32_t CalcSeasonTicketHolders(int leagueLevel, const CTeam& team) const;
    // Sells up to `count` season tickets for the season's home matches.
    void SellSeasonTickets(int32_t count, int32_t homeMatches);
    // The gate money of the season's home matches at the account's fees,
    // with `spectators` a match (at most the arena's capacity) of whom the
    // season-ticket holders pass the gate without paying.
    uint32_t CalcSeasonGateMoney(const CArena& arena, int64_t spectators, int64_t seasonTicketHolders,
                                 int homeMatches) const;
    // The season's income as calculated at its start, never below what the
    // season has booked so far. The rate (tenths of a percent) pays on
    // positive net assets.
    uint32_t CalcSeasonIncome(const CLeague& league, const CTeam& team, uint32_t investmentBaseRate) const;

    int32_t GetBalance() const;
    uint32_t GetFigure(uint32_t index) const;
    // Adds to the category's sum and moves the balance: up for income
    // (below kFirstCostWord), down for costs.
    void Book(uint32_t category, uint32_t amount);
    uint32_t GetTotalIncome() const;
    uint32_t GetTotalCosts() const;

    SponsorPool GetSponsorPool() const;
    void SetSponsorPool(uint32_t participants, uint32_t yearlyAmount);
    // -1 for none.
    int GetMainSponsorIndex() const;
    void SetMainSponsorIndex(int index);

    // An ended contract (term 0) reads with amount 0.
    ContractRecord GetContract(uint32_t record) const;
    // Rounds the caller's fields in place to what the record can hold.
    void SetContract(uint32_t record, ContractRecord& contract);

    size_t TransactionCount() const { return transactions_.size(); }
    FinanceTransaction GetTransaction(size_t i) const;
    // False when the list is full.
    bool AppendTransaction(const FinanceTransaction& t);

    // Takes a loan or makes an investment: the principal moves into or out
    // of the team's capital. A loan must stay within the credit limit
    // (without assets), an investment needs money that is not negative.
    // The amount is kept in whole hundreds; false, with nothing changed,
    // when refused or when the term or amount does not fit the word.
    bool AddTransaction(const FinanceTransaction& t, const CLeague& league, CTeam& team, bool sort);
    // Ends a transaction: the principal goes back, and when asked and the
    // term has not run out, the early-settlement fee is charged.
    // Nothing for an index out of range.
    void SettleTransaction(size_t index, CTeam& team, bool chargeFee);
    // What ending the transaction before its term costs at today's base
    // rates; 0 for an index out of range.
    uint32_t CalcEarlySettlementFee(size_t index) const;
    // Loans first, then the longer remaining term, the higher rate, the
    // larger amount; equal ones keep their order.
    void SortTransactions();
    // A month of interest on every loan and investment, then the month's
    // run-down of their terms (RunMonthlyExpiry).
    void BookInterest(CTeam& team);
    // Shortens every term by a month and settles what has run out, telling
    // the user of his club's.
    void RunMonthlyExpiry(CTeam& team);
    // A month of interest on the club's money (balance plus capital): the
    // overdraft rate on a debt, half the investment base rate on credit.
    // Gives the money it reckoned with.
    int64_t BookAccountInterest(int32_t capital);

    // Health in percent: 200 without costs, 100 when costs equal income,
    // 0 from twice the income on.
    uint32_t GetHealth() const;
    // The same measure for the coming season. seasonIncome is the
    // calculated season income, outsideCosts what the squad and, for a
    // club without contracts, its staff and youth team will cost; the
    // account adds its contracts, booked costs and the interest on a debt.
    uint32_t CalcHealthForecast(uint32_t seasonIncome, uint32_t outsideCosts, int32_t capital,
                                uint32_t loanBaseRate) const;
    // The forecast for the team in its league, with the squad's wages and
    // its staff and youth costs worked out.
    uint32_t CalcHealthForecast(const CLeague& league, const CTeam& team) const;
    int64_t GetNetAssets(int32_t capital) const;
    // Net assets in percent of the season income, -200 to 200.
    int32_t GetAssetRatio(uint32_t seasonIncome, int32_t capital) const;
    // One and a half season incomes, with the net assets added when asked.
    int64_t CalcCreditLimit(uint32_t seasonIncome, int32_t capital, bool withAssets) const;

    // The season start of a league club: fees and season tickets, the
    // contracts that ran out drawn anew and the season's first bookings.
    void StartSeason(CTeam& team, const CLeague& league, CNation& nation);
    // The season end: the sponsor's and manager's bonuses, a quarter of a
    // profit as tax, the contracts' terms, the climate by the final place;
    // the balance then goes into the team's capital.
    void PayTax(CTeam& team, const CLeague& league, CNation& nation);
    // The main sponsor's bonus for reaching a cup round.
    void BookSponsorCupBonus(bool continental, bool national);
    // The main sponsor's bonus for the title: 0, 5, 10 or 15 percent of
    // its basic sum by the contract's flags.
    void BookSponsorTitleBonus();
    // The staff's title bonuses and the lift a title gives the club.
    void BookTitleBonuses(CTeam& team);

    // The board of a computer-run club, every Monday: its coach, and in
    // their weeks the squad's review with the money it spends or saves,
    // contract renewals, planning and, every second month, the test for a
    // financial crisis.
    void CheckWeekly(CNation& nation, CLeague& league, CTeam& team);
    // Every club, every week, in this order: a professional club trades
    // fan articles; the user's club adds to his allowance of transfer talks
    // opened by others, takes new sponsors into its pool early in the
    // season and may warn or dismiss him. In the first week of a month:
    // salaries, the board's answer to the league table, interest, the
    // climate by the club's wealth, in December a computer-run club's loan
    // or investment (and the spending of a rich club without professional
    // account), youth and amateur players arriving, improving and leaving,
    // the fans' mood and the club manager's standing. Last, now and then,
    // a professional squad's motivation moves towards its ratings.
    void RunClubWeekEvents(CLeague& league, CTeam& team);

    bool Write(BinaryFile& f) const;
    // Leaves the account as it was when the file fails.
    bool Read(BinaryFile& f);

private:
    uint32_t Word(uint32_t index) const;
    void SetWord(uint32_t index, uint32_t value);
    uint32_t SumWords(uint32_t first, uint32_t last) const;

    std::vector<uint32_t> transactions_;
    std::vector<uint32_t> figures_;
    uint8_t professional_ = 0;
};
