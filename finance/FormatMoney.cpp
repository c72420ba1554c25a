#include "finance/FormatMoney.h"

#include "platform/Text.h"

namespace {

constexpr uint64_t kMillion = 1000000;
constexpr uint64_t kThousandsFrom = 10000;

std::string FormatMagnitude(uint64_t a) {
    if (a >= kMillion)
        return Format("%llu.%llu%llu m \x80", static_cast<unsigned long long>(a / kMillion),
                      static_cast<unsigned long long>(a / 100000 % 10),
                      static_cast<unsigned long long>(a / 10000 % 10));
    if (a >= kThousandsFrom)
        return Format("%llu th. \x80", static_cast<unsigned long long>(a / 1000));
    return Format("%llu \x80", static_cast<unsigned long long>(a));
}

}  // namespace

std::string FormatMoney(int64_t euros) {
    // Negate in unsigned arithmetic so that the smallest value has a magnitude too.
    if (euros < 0)
        return "-" + FormatMagnitude(0 - static_cast<uint64_t>(euros));
    return FormatMagnitude(static_cast<uint64_t>(euros));
}
