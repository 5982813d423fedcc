// Every day number the conversions accept, (-2^24, 2^24), against a day-by-day walk: forward
// from 15 October 1582 through the Gregorian calendar (as std::chrono counts it), backward from
// 4 October 1582 through the Julian calendar. A year outside 16 bits is the overflow error.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/convert/julian_day.hpp>
#include <string>
#include <tests/base/outcome.hpp>

namespace sauramiti::SauramitiRoutine {
namespace {

using testing::ErrorNumberOf;
using testing::FaultLog;

constexpr std::int32_t kLimit = (1 << 24) - 1;
constexpr std::int32_t kLastJulianDay = 2299160;  // 4 October 1582

bool Fits16(int year) { return year >= -32768 && year <= 32767; }

// Raising an error is slow, so past the 16-bit years every 1001st day is tried, and the days
// next to the edges.
bool OverflowChecked(std::int32_t z) {
  return z % 1001 == 0 || (z > 13689300 && z < 13689400) || (z < -10247400 && z > -10247500);
}

TEST(DayNumberSweepTest, GregorianFromTheSwitchOn) {
  FaultLog faults;
  // 31 December 32767, the last day whose year fits 16 bits (std::chrono's years stop there too).
  const std::int32_t lastDay = static_cast<std::int32_t>(
      std::chrono::sys_days{std::chrono::year{32767} / 12 / 31}.time_since_epoch().count() +
      2440588);
  for (std::int32_t z = kLastJulianDay + 1; z <= kLimit; ++z) {
    if (z > lastDay) {
      if (OverflowChecked(z)) {
        faults.Check(ErrorNumberOf([&] { CalendarDateOfDayNumber(z); }) == kOverflow, "day number ",
                     z, ": error");
      }
      continue;
    }
    const std::chrono::year_month_day want{std::chrono::sys_days{std::chrono::days{z - 2440588}}};
    const int year = static_cast<int>(want.year());
    const GregorianDate got = CalendarDateOfDayNumber(z);
    faults.Check(got == GregorianDate{static_cast<std::int16_t>(year),
                                      static_cast<std::int16_t>(unsigned{want.month()}),
                                      static_cast<std::int16_t>(unsigned{want.day()})},
                 "day number ", z, ": date");
  }
  EXPECT_EQ(faults.count, 0);
}

TEST(DayNumberSweepTest, JulianBeforeTheSwitch) {
  FaultLog faults;
  int year = 1582, month = 10, day = 4;
  const auto length = [](int y, int m) {
    constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && y % 4 == 0 ? 29 : kLengths[m - 1];
  };
  for (std::int32_t z = kLastJulianDay; z >= -kLimit; --z) {
    if (!Fits16(year)) {
      if (OverflowChecked(z)) {
        faults.Check(ErrorNumberOf([&] { CalendarDateOfDayNumber(z); }) == kOverflow, "day number ",
                     z, ": error");
      }
    } else {
      const GregorianDate want{static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
                               static_cast<std::int16_t>(day)};
      faults.Check(CalendarDateOfDayNumber(z) == want, "day number ", z, ": date");
    }
    if (--day == 0) {
      if (--month == 0) month = 12, --year;
      day = length(year, month);
    }
  }
  EXPECT_EQ(faults.count, 0);
}

// Every Gregorian date of years 1 to 9999: the classic day count and std::chrono's agree, so a
// conversion may use either.
TEST(DayNumberSweepTest, GregorianDatesCountAsStdChronoCountsThem) {
  FaultLog faults;
  for (int y = 1; y <= 9999; ++y) {
    for (unsigned m = 1; m <= 12; ++m) {
      const auto last = static_cast<unsigned>(std::chrono::year_month_day_last{
          std::chrono::year{y} / std::chrono::month{m} / std::chrono::last}
                                                  .day());
      for (unsigned d = 1; d <= last; ++d) {
        const std::chrono::sys_days day{std::chrono::year{y} / std::chrono::month{m} /
                                        std::chrono::day{d}};
        const double julian =
            GregorianToJulianDay(static_cast<std::int16_t>(y), static_cast<std::int16_t>(m),
                                 static_cast<std::int16_t>(d));
        faults.Check(julian == static_cast<double>(day.time_since_epoch().count()) + 2440587.5,
                     "year ", y, ": count");
      }
    }
  }
  EXPECT_EQ(faults.count, 0);
}

}  // namespace
}  // namespace sauramiti::SauramitiRoutine
