#pragma once

#include <array>
#include <cstdint>

// The market's interest rates, tenths of a percent a year: what money placed
// with a bank earns and what a loan costs at the base of the market, and
// what a club pays on an overdrawn account. They are part of the game state
// (the state block keeps them in this order) and are drawn anew every year.
struct InterestRates {
    uint16_t investmentBase = 25;
    uint16_t loanBase = 75;
    uint16_t overdraft = 110;

    using Words = std::array<uint16_t, 3>;
    Words ToWords() const { return {investmentBase, loanBase, overdraft}; }
    static InterestRates FromWords(const Words& w) { return {w[0], w[1], w[2]}; }
};

extern InterestRates g_interestRates;
// Back to the rates a game starts with.
void ResetInterestRates();

// Draws the year's rates, on the change of season: they follow a nine-year
// cycle of the game year, from low (investments 1.5 %, loans 7.5 %) to high
// (at most 4.4 % and 11.0 %), with a random spread that widens with the cycle.
void UpdateInterestRates();

enum class InterestKind : uint8_t { kInvestment = 0, kLoan = 1 };

// The yearly rate a bank offers for a loan or an investment of that term
// (months) and amount (euros), around today's base rate of the kind: a longer
// investment earns more, a shorter loan costs more, and large sums get
// better terms; never more than 2.5 % away from the base.
uint8_t CalcInterestRate(InterestKind kind, uint32_t months, uint32_t amount);
