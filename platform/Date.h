#pragma once

#include <cstdint>
#include <functional>

class BinaryFile;

// A calendar date with a time of day. An invalid date (a day that does not
// exist) is kept as invalid, as the game's age and calendar rules test it.
// The numbers DayOfWeek gives.
namespace Weekday {
constexpr int kSunday = 1;
constexpr int kMonday = 2;
constexpr int kFriday = 6;
constexpr int kSaturday = 7;
}  // namespace Weekday
constexpr int kDaysPerWeek = 7;

class Date {
public:
    Date() = default;
    Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

    static bool IsValidDate(int year, int month, int day);
    static int DaysInMonth(int year, int month);
    static bool IsLeapYear(int year);

    bool IsValid() const { return valid_; }
    int Year() const { return year_; }
    int Month() const { return month_; }
    int Day() const { return day_; }
    int Hour() const { return hour_; }
    int Minute() const { return minute_; }
    int Second() const { return second_; }
    // 1 = Sunday ... 7 = Saturday (the Weekday numbers below).
    int DayOfWeek() const;
    // 1 = 1 January.
    int DayOfYear() const;

    Date AddDays(int days) const;
    // Whole days from other to this.
    int DaysSince(const Date& other) const;

    // Days since 30 December 1899, the time of day as the fraction.
    double ToSerial() const;
    static Date FromSerial(double serial);

    // The stored form of a date in save games: the serial as a double and
    // a u32 status (0 valid, 1 invalid); 12 bytes.
    bool Write(BinaryFile& f) const;
    bool Read(BinaryFile& f);

    auto operator<=>(const Date& o) const { return ToSerial() <=> o.ToSerial(); }
    bool operator==(const Date& o) const;

private:
    int year_ = 1899, month_ = 12, day_ = 30;
    int hour_ = 0, minute_ = 0, second_ = 0;
    bool valid_ = true;
};

// Packed form of a date in the world's files: year << 16 | month << 8 | day.
uint32_t PackDate(const Date& d);
// A value that is no valid date gives 1 January 1980.
Date UnpackDate(uint32_t packed);

// The wall clock; tests set it to a fixed time, and an empty function
// brings back the real one.
namespace Clock {
Date Now();
int64_t NowSeconds();
void SetForTests(std::function<int64_t()> secondsSinceEpoch);
}  // namespace Clock
