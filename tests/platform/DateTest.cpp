#include <gtest/gtest.h>

#include "platform/BinaryFile.h"
#include "platform/Date.h"

TEST(Date, WeekdayStartsWithSunday) {
    EXPECT_EQ(Date(2026, 12, 13).DayOfWeek(), 1);  // a Sunday
    EXPECT_EQ(Date(2026, 12, 14).DayOfWeek(), 2);
    EXPECT_EQ(Date(1899, 12, 30).DayOfWeek(), 7);
}

TEST(Date, AddingDaysCrossesMonthsAndLeapDays) {
    EXPECT_EQ(Date(2008, 2, 28).AddDays(1), Date(2008, 2, 29));
    EXPECT_EQ(Date(2007, 2, 28).AddDays(1), Date(2007, 3, 1));
    EXPECT_EQ(Date(2000, 12, 31).AddDays(1), Date(2001, 1, 1));
    EXPECT_EQ(Date(2001, 1, 1).AddDays(-1), Date(2000, 12, 31));
    EXPECT_EQ(Date(2001, 3, 1).DaysSince(Date(2001, 2, 1)), 28);
    EXPECT_LT(Date(2001, 3, 1), Date(2001, 3, 2));
}

TEST(Date, InvalidDaysAreKnown) {
    EXPECT_FALSE(Date(1981, 2, 29).IsValid());
    EXPECT_TRUE(Date(1980, 2, 29).IsValid());
    EXPECT_FALSE(Date(2000, 13, 1).IsValid());
    EXPECT_FALSE(Date(1900, 2, 29).IsValid());
}

TEST(Date, PackedDates) {
    EXPECT_EQ(PackDate(Date(1980, 1, 1)), 0x07BC0101u);
    EXPECT_EQ(UnpackDate(0x07BC0101u), Date(1980, 1, 1));
    EXPECT_EQ(UnpackDate(PackDate(Date(2004, 2, 29))), Date(2004, 2, 29));
    EXPECT_EQ(UnpackDate(0x07BD021Du), Date(1980, 1, 1));  // 29 February 1981
    EXPECT_EQ(UnpackDate(0), Date(1980, 1, 1));
}

TEST(Date, StoredFormIsTwelveBytesOfSerialAndStatus) {
    MemoryFile f;
    const Date d(2003, 7, 7, 12, 30, 0);
    d.Write(f);
    ASSERT_EQ(f.Bytes().size(), 12u);
    EXPECT_DOUBLE_EQ(Date(1900, 1, 1).ToSerial(), 2.0);

    MemoryFile in(f.Bytes());
    Date back;
    ASSERT_TRUE(back.Read(in));
    EXPECT_EQ(back, d);
}
