#include "world/Finance.h"

#include <algorithm>

// The packed layouts of contract records and transaction words. Units and
// widths are fixed by the stored files.

namespace {

// An account this short holds no contracts at all.
constexpr size_t kMinContractFigures = 4;
constexpr uint32_t kMaxTerm = 15;

uint32_t Bits(uint32_t word, int shift, int width) {
    return (word >> shift) & ((1u << width) - 1);
}

// A value kept as a count of `unit` in `width` bits, as it comes back.
uint32_t Kept(uint32_t value, uint32_t unit, int width) {
    return (value / unit) % (1u << width) * unit;
}

// Two words: W = amount/100 (18 bits), target bonus/10 (14 bits); V = term
// (4), target (8), first flag, second flag, continental-or-title bonus/100
// (8), national-cup-or-point bonus/10 (10).
ContractRecord UnpackTwoWords(uint32_t w, uint32_t v) {
    ContractRecord c;
    c.amount = Bits(w, 0, 18) * 100;
    c.targetBonus = Bits(w, 18, 14) * 10;
    c.term = Bits(v, 0, 4);
    c.target = Bits(v, 4, 8);
    c.firstFlag = Bits(v, 12, 1);
    c.secondFlag = Bits(v, 13, 1);
    c.continentalOrTitleBonus = Bits(v, 14, 8) * 100;
    c.nationalCupOrPointBonus = Bits(v, 22, 10) * 10;
    return c;
}

void RoundForTwoWords(ContractRecord& c) {
    c.amount = Kept(c.amount, 100, 18);
    c.targetBonus = Kept(c.targetBonus, 10, 14);
    c.continentalOrTitleBonus = Kept(c.continentalOrTitleBonus, 100, 8);
    c.nationalCupOrPointBonus = Kept(c.nationalCupOrPointBonus, 10, 10);
    c.term = std::min(c.term, kMaxTerm);
    c.target %= 256;
    c.thirdFlag = false;
}

// One word: amount/100 (18 bits), term (4), three flags, target bonus/1000 (7).
ContractRecord UnpackOneWord(uint32_t w) {
    ContractRecord c;
    c.amount = Bits(w, 0, 18) * 100;
    c.term = Bits(w, 18, 4);
    c.firstFlag = Bits(w, 22, 1);
    c.secondFlag = Bits(w, 23, 1);
    c.thirdFlag = Bits(w, 24, 1);
    c.targetBonus = Bits(w, 25, 7) * 1000;
    return c;
}

void RoundForOneWord(ContractRecord& c) {
    c.amount = Kept(c.amount, 100, 18);
    c.targetBonus = Kept(c.targetBonus, 1000, 7);
    c.term = std::min(c.term, kMaxTerm);
    c.continentalOrTitleBonus = c.nationalCupOrPointBonus = c.target = 0;
}

}  // namespace

ContractRecord CFinance::GetContract(uint32_t record) const {
    if (figures_.size() < kMinContractFigures)
        return {};
    ContractRecord c = record < kFirstOneWordRecord ? UnpackTwoWords(Word(record), Word(record + 1))
                                                    : UnpackOneWord(Word(record));
    if (c.term == 0)
        c.amount = 0;
    return c;
}

void CFinance::SetContract(uint32_t record, ContractRecord& c) {
    if (figures_.size() < kMinContractFigures)
        return;
    if (record < kFirstOneWordRecord) {
        RoundForTwoWords(c);
        SetWord(record, c.amount / 100 | (c.targetBonus / 10) << 18);
        SetWord(record + 1, c.term | c.target << 4 | uint32_t{c.firstFlag} << 12 |
                                uint32_t{c.secondFlag} << 13 | (c.continentalOrTitleBonus / 100) << 14 |
                                (c.nationalCupOrPointBonus / 10) << 22);
    } else {
        RoundForOneWord(c);
        SetWord(record, c.amount / 100 | c.term << 18 | uint32_t{c.firstFlag} << 22 |
                            uint32_t{c.secondFlag} << 23 | uint32_t{c.thirdFlag} << 24 |
                            (c.targetBonus / 1000) << 25);
    }
}

// Bit 0 loan, bits 1-8 rate, 9-15 months, 16-31 amount/100.
FinanceTransaction FinanceTransaction::Unpack(uint32_t word) {
    return {Bits(word, 0, 1) != 0, Bits(word, 1, 8), Bits(word, 9, 7), Bits(word, 16, 16) * 100};
}

uint32_t FinanceTransaction::Pack() const {
    return uint32_t{loan} | (rate & 0xFF) << 1 | (months & 0x7F) << 9 | (amount / 100 & 0xFFFF) << 16;
}
