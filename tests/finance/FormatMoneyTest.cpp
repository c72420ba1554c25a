#include <gtest/gtest.h>

#include "finance/FormatMoney.h"

TEST(FormatMoney, ShowsMillionsThousandsOrEuros) {
    struct Case {
        int64_t euros;
        const char* text;
    };
    const Case cases[] = {
        {0, "0 \x80"},
        {9999, "9999 \x80"},
        {10000, "10 th. \x80"},
        {999999, "999 th. \x80"},
        {1000000, "1.00 m \x80"},
        {1234567, "1.23 m \x80"},  // digits are cut, not rounded
        {1999999, "1.99 m \x80"},
        {1050000, "1.05 m \x80"},
        {4294967295, "4294.96 m \x80"},
        {-1, "-1 \x80"},
        {-5000, "-5000 \x80"},
        {-50000, "-50 th. \x80"},
        {-1234567, "-1.23 m \x80"},
        {INT64_MIN, "-9223372036854.77 m \x80"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatMoney(c.euros), c.text) << c.euros;
}

TEST(FormatMoney, SignedBalanceIsNotReadAsAHugeAmount) {
    const int32_t debt = -12000;
    EXPECT_EQ(FormatMoney(debt), "-12 th. \x80");
}
