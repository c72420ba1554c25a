#include "platform/Date.h"

#include <cmath>
#include <ctime>

#include "platform/BinaryFile.h"

namespace {

// Days from 1970-01-01 to the civil date (proleptic Gregorian).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (m <= 2));
}

// 30 December 1899 counted from 1970-01-01.
const int64_t kSerialEpoch = DaysFromCivil(1899, 12, 30);

std::function<int64_t()>& ClockSource() {
    static std::function<int64_t()> source;
    return source;
}

}  // namespace

Date::Date(int year, int month, int day, int hour, int minute, int second)
    : year_(year), month_(month), day_(day), hour_(hour), minute_(minute), second_(second),
      valid_(IsValidDate(year, month, day) && hour >= 0 && hour < 24 && minute >= 0 &&
             minute < 60 && second >= 0 && second < 60) {}

bool Date::IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int Date::DaysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool Date::IsValidDate(int year, int month, int day) {
    return year >= 100 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

int Date::DayOfWeek() const {
    const int64_t days = DaysFromCivil(year_, month_, day_);  // 1970-01-01 was a Thursday
    return static_cast<int>(((days % 7) + 7 + 4) % 7) + 1;
}

int Date::DayOfYear() const {
    return static_cast<int>(DaysFromCivil(year_, month_, day_) - DaysFromCivil(year_, 1, 1)) + 1;
}

Date Date::AddDays(int days) const {
    int y, m, d;
    CivilFromDays(DaysFromCivil(year_, month_, day_) + days, y, m, d);
    return Date(y, m, d, hour_, minute_, second_);
}

int Date::DaysSince(const Date& other) const {
    return static_cast<int>(DaysFromCivil(year_, month_, day_) -
                            DaysFromCivil(other.year_, other.month_, other.day_));
}

double Date::ToSerial() const {
    const double days = static_cast<double>(DaysFromCivil(year_, month_, day_) - kSerialEpoch);
    const double time = (hour_ * 3600 + minute_ * 60 + second_) / 86400.0;
    return days + time;
}

Date Date::FromSerial(double serial) {
    if (!std::isfinite(serial) || std::fabs(serial) > 3.0e6) {
        Date invalid;
        invalid.valid_ = false;
        return invalid;
    }
    const double whole = std::floor(serial);
    int seconds = static_cast<int>(std::lround((serial - whole) * 86400.0));
    int64_t days = static_cast<int64_t>(whole) + kSerialEpoch;
    if (seconds >= 86400) {
        seconds -= 86400;
        ++days;
    }
    int y, m, d;
    CivilFromDays(days, y, m, d);
    return Date(y, m, d, seconds / 3600, seconds / 60 % 60, seconds % 60);
}

bool Date::operator==(const Date& o) const {
    return valid_ == o.valid_ && year_ == o.year_ && month_ == o.month_ && day_ == o.day_ &&
           hour_ == o.hour_ && minute_ == o.minute_ && second_ == o.second_;
}

bool Date::Write(BinaryFile& f) const {
    f.Write(ToSerial());
    return f.Write(static_cast<uint32_t>(valid_ ? 0 : 1));
}

bool Date::Read(BinaryFile& f) {
    double serial = 0;
    uint32_t status = 0;
    if (!f.Read(serial) || !f.Read(status))
        return false;
    *this = FromSerial(serial);
    if (status != 0)
        valid_ = false;
    return true;
}

uint32_t PackDate(const Date& d) {
    return static_cast<uint32_t>(d.Year()) << 16 | static_cast<uint32_t>(d.Month()) << 8 |
           static_cast<uint32_t>(d.Day());
}

Date UnpackDate(uint32_t packed) {
    const int year = static_cast<int>(packed >> 16);
    const int month = static_cast<int>((packed >> 8) & 255);
    const int day = static_cast<int>(packed & 255);
    return Date::IsValidDate(year, month, day) ? Date(year, month, day) : Date(1980, 1, 1);
}

namespace Clock {

int64_t NowSeconds() {
    const auto& source = ClockSource();
    return source ? source() : static_cast<int64_t>(std::time(nullptr));
}

Date Now() {
    const std::time_t t = static_cast<std::time_t>(NowSeconds());
    std::tm local{};
    localtime_r(&t, &local);
    return Date(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                local.tm_min, local.tm_sec);
}

void SetForTests(std::function<int64_t()> secondsSinceEpoch) {
    ClockSource() = std::move(secondsSinceEpoch);
}

}  // namespace Clock
