#include "world/TransferMarket.h"

#include <algorithm>

#include "platform/Date.h"

namespace {

constexpr uint32_t kHalfMask = 0xFFFF;
constexpr uint32_t kSalaryUnit = 100;
constexpr uint32_t kFeeUnit = 100;
constexpr uint32_t kBonusUnit = 10;
constexpr int kYearsShift = 16;
constexpr int kClauseShift = 24;
constexpr uint32_t kClubOptionBit = 1u << 29;
constexpr uint32_t kPlayerOptionBit = 1u << 30;
constexpr uint32_t kProfessionalBit = 1u << 31;

constexpr int kWindowOpensMonth = 1;
constexpr int kWindowOpensDay = 15;
constexpr int kWindowClosesMonth = 6;

uint32_t Hundreds(uint32_t amount, uint32_t unit) { return std::min(amount / unit, kHalfMask); }

}  // namespace

TransferEntry TransferEntry::Unpack(uint32_t word) {
    TransferEntry e;
    e.price = (word & kPriceMask) * kPriceUnit;
    e.loan = word & kLoan;
    e.free = word & kFree;
    e.talksOffset = static_cast<int>((word & kOffsetMask) >> kOffsetShift);
    e.leagueByte = static_cast<uint8_t>(word >> kLeagueShift);
    return e;
}

uint32_t TransferEntry::Pack() const {
    return Hundreds(price, kPriceUnit) | (loan ? kLoan : 0) | (free ? kFree : 0) |
           ((static_cast<uint32_t>(talksOffset) << kOffsetShift) & kOffsetMask) |
           static_cast<uint32_t>(leagueByte) << kLeagueShift;
}

uint32_t AgreedTerms::PackFirst(const PlayerContract& c) {
    return Hundreds(c.salary, kSalaryUnit) | Hundreds(c.fixedFee, kFeeUnit) << 16;
}

uint32_t AgreedTerms::PackSecond(const PlayerContract& c) {
    return Hundreds(c.bonus, kBonusUnit) | (static_cast<uint32_t>(c.years) & 0xFF) << kYearsShift |
           (static_cast<uint32_t>(c.clause) & CPlayer::kClauseMask) << kClauseShift |
           (c.clubOption ? kClubOptionBit : 0) | (c.playerOption ? kPlayerOptionBit : 0) |
           (c.professional ? kProfessionalBit : 0);
}

PlayerContract AgreedTerms::Unpack(uint32_t first, uint32_t second) {
    PlayerContract c;
    c.salary = (first & kHalfMask) * kSalaryUnit;
    c.fixedFee = (first >> 16) * kFeeUnit;
    c.bonus = (second & kHalfMask) * kBonusUnit;
    c.years = static_cast<int>((second >> kYearsShift) & 0xFF);
    c.clause = static_cast<int>((second >> kClauseShift) & CPlayer::kClauseMask);
    c.clubOption = second & kClubOptionBit;
    c.playerOption = second & kPlayerOptionBit;
    c.professional = second & kProfessionalBit;
    return c;
}

bool IsInTransferWindow(const Date& date) {
    if (date.Month() == kWindowOpensMonth)
        return date.Day() >= kWindowOpensDay;
    return date.Month() > kWindowOpensMonth && date.Month() <= kWindowClosesMonth;
}
