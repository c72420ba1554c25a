#include "world/Finance.h"

#include <algorithm>

namespace {

constexpr uint32_t kLow16 = 0xFFFF;
constexpr uint32_t kNoMainSponsor = 255;
constexpr uint32_t kSponsorIndexMask = 0xFF;
constexpr uint32_t kPoolAmountShift = 8;
constexpr uint32_t kPoolParticipantsShift = 16;
constexpr uint32_t kPoolAmountUnit = 100;

uint16_t Low16(uint32_t word) { return static_cast<uint16_t>(word & kLow16); }
uint16_t High16(uint32_t word) { return static_cast<uint16_t>(word >> 16); }
uint32_t WithLow16(uint32_t word, uint16_t v) { return (word & ~kLow16) | v; }
uint32_t WithHigh16(uint32_t word, uint16_t v) { return (word & kLow16) | uint32_t{v} << 16; }

}  // namespace

uint32_t CFinance::Word(uint32_t index) const {
    return index < figures_.size() ? figures_[index] : 0;
}

void CFinance::SetWord(uint32_t index, uint32_t value) {
    if (index < figures_.size())
        figures_[index] = value;
}

uint32_t CFinance::SumWords(uint32_t first, uint32_t last) const {
    uint32_t sum = 0;
    for (uint32_t i = first; i <= last; ++i)
        sum += Word(i);
    return sum;
}

void CFinance::ApplyProfessionalSize() {
    figures_.resize(professional_ ? kProfessionalFigureCount : kShortFigureCount, 0);
}

void CFinance::Reset() {
    if (figures_.empty())
        figures_.resize(kShortFigureCount);
    std::fill(figures_.begin(), figures_.end(), 0);
    transactions_.clear();
}

void CFinance::ClearSeasonFigures() {
    SetWord(kBalanceWord, 0);
    if (figures_.size() > kLastCostWord)
        for (uint32_t i = kFirstIncomeWord; i <= kLastCostWord; ++i)
            figures_[i] = 0;
}

uint16_t CFinance::GetAdmissionFee(AdmissionHalf half) const {
    const uint32_t fees = Word(kAdmissionFeesWord);
    return half == kSeatAdmission ? High16(fees) : Low16(fees);
}

void CFinance::SetAdmissionFee(AdmissionHalf half, uint16_t fee) {
    const uint32_t fees = Word(kAdmissionFeesWord);
    SetWord(kAdmissionFeesWord, half == kSeatAdmission ? WithHigh16(fees, fee) : WithLow16(fees, fee));
}

uint16_t CFinance::GetSeasonTicketPrice() const { return Low16(Word(kSeasonTicketsWord)); }

void CFinance::SetSeasonTicketPrice(uint16_t price) {
    SetWord(kSeasonTicketsWord, WithLow16(Word(kSeasonTicketsWord), price));
}

uint16_t CFinance::GetSeasonTicketsSold() const { return High16(Word(kSeasonTicketsWord)); }

int32_t CFinance::GetBalance() const { return static_cast<int32_t>(Word(kBalanceWord)); }

uint32_t CFinance::GetFigure(uint32_t index) const { return Word(index); }

void CFinance::Book(uint32_t category, uint32_t amount) {
    SetWord(category, Word(category) + amount);
    const uint32_t balance = Word(kBalanceWord);
    SetWord(kBalanceWord, category < kFirstCostWord ? balance + amount : balance - amount);
}

uint32_t CFinance::GetTotalIncome() const { return SumWords(kFirstIncomeWord, kLastIncomeWord); }

uint32_t CFinance::GetTotalCosts() const { return SumWords(kFirstCostWord, kLastCostWord); }

SponsorPool CFinance::GetSponsorPool() const {
    const uint32_t w = Word(kSponsorPoolWord);
    return {(w >> kPoolParticipantsShift) & 0xFF,
            ((w >> kPoolAmountShift) & 0xFF) * kPoolAmountUnit};
}

void CFinance::SetSponsorPool(uint32_t participants, uint32_t yearlyAmount) {
    const uint32_t keep = Word(kSponsorPoolWord) & ~(0xFFFFu << kPoolAmountShift);
    const uint32_t amount = (yearlyAmount / kPoolAmountUnit) & 0xFF;
    SetWord(kSponsorPoolWord, keep | (amount << kPoolAmountShift) |
                                  ((participants & 0xFF) << kPoolParticipantsShift));
}

int CFinance::GetMainSponsorIndex() const {
    if (figures_.size() <= kSponsorPoolWord)
        return -1;
    const uint32_t index = Word(kSponsorPoolWord) & kSponsorIndexMask;
    return index == kNoMainSponsor ? -1 : static_cast<int>(index);
}

void CFinance::SetMainSponsorIndex(int index) {
    const uint32_t stored =
        index >= 0 && static_cast<uint32_t>(index) < kNoMainSponsor ? index : kNoMainSponsor;
    SetWord(kSponsorPoolWord, (Word(kSponsorPoolWord) & ~kSponsorIndexMask) | stored);
}

FinanceTransaction CFinance::GetTransaction(size_t i) const {
    return i < transactions_.size() ? FinanceTransaction::Unpack(transactions_[i])
                                    : FinanceTransaction{};
}

bool CFinance::AppendTransaction(const FinanceTransaction& t) {
    if (transactions_.size() >= kMaxTransactions)
        return false;
    transactions_.push_back(t.Pack());
    return true;
}
