// Calendar tables and numeric helpers.
//
// A Bikram Sambat (BS) year is solar: its twelve months are the times the sun takes to pass
// through the twelve signs, from Vaishaka (1) to Chaitra (12). `MonthLengthTable` holds those
// twelve lengths in days and `MonthStartTable` their running sums, the offset of each month's
// start from the start of the year; the year is 365.25875625 days long.
//
// The helpers here are the small procedures the calendar formulas rest on: exclusive range
// checks, the position of a day count within its week, the anchor band that picks the constants
// of the first-weekday formula, and the Gregorian leap rule. Integer arguments are 16-bit.
#pragma once

#include <array>
#include <cstdint>

namespace sauramiti::SauramitiRoutine {

// Lengths of the solar months 1 to 12 in days (entry 0 is 0), as the nearest doubles.
inline constexpr std::array<double, 13> MonthLengthTable = {
    0,           30.93474,    31.41998649, 31.64475494, 31.47537928, 31.01921314, 30.44194501,
    29.89373925, 29.49064011, 29.31780091, 29.44733567, 29.82030674, 30.35291471};

namespace detail {
// Running sums in index order, in double precision, exactly as a loop adding them one by one.
[[nodiscard]] constexpr std::array<double, 13> RunningSums(const std::array<double, 13>& lengths) {
  std::array<double, 13> sums{};
  for (std::size_t i = 1; i < sums.size(); ++i) sums[i] = sums[i - 1] + lengths[i];
  return sums;
}
}  // namespace detail

// Entry m - 1 is the offset in days of the start of month m from the start of the year; entry
// 12 is the length of the year (365.25875625).
inline constexpr std::array<double, 13> MonthStartTable = detail::RunningSums(MonthLengthTable);

// The tables above are constants built at compile time; kept as a procedure so that every place
// that once built them still reads the same.
inline void InitCalendarTables() noexcept {}

// lo < x < hi (bounds exclusive).
[[nodiscard]] constexpr bool IsBetween(std::int32_t x, std::int32_t lo, std::int32_t hi) noexcept {
  return lo < x && x < hi;
}
[[nodiscard]] constexpr bool IsValidYear(std::int16_t year) noexcept {
  return IsBetween(year, 0, 10000);
}
[[nodiscard]] constexpr bool IsValidMonth(std::int16_t month) noexcept {
  return IsBetween(month, 0, 13);
}
[[nodiscard]] constexpr bool IsValidWeekDay(std::int16_t weekday) noexcept {
  return IsBetween(weekday, 0, 8);
}

// x - floor(x): the fractional part, in [0, 1).
[[nodiscard]] double FracPart(double x) noexcept;

// a mod b on 16-bit integers, remainder with the sign of a; b = 0 is error 11, -32768 mod -1
// error 6.
[[nodiscard]] std::int16_t IntMod(std::int16_t a, std::int16_t b);

// Adds `step` while x <= 0 and returns the result, which also replaces x. An x above 0 is
// returned unchanged; 0 becomes step. A NaN is returned unchanged; -infinity is error 6, since
// no number of steps brings it above 0.
double AddUntilPositive(double& x, double step);

// (floor(x) mod 7) + frac(x), with floor(x) taken as a 32-bit integer (error 6 beyond it): the
// position of x within its week for x >= 0; negative x keep their sign (-1.5 gives -1.5).
[[nodiscard]] double WeekPosition(double x);

// Which anchor of the first-weekday formula a year uses: 0 before 2001, 1 for 2001 to 2020,
// 2 for 2021 to 2030, 3 for 2031 to 2054, 4 from 2055 on.
[[nodiscard]] constexpr std::int16_t GetAnchorBand(std::int16_t year) noexcept {
  if (year < 2001) return 0;
  if (year < 2021) return 1;
  if (year < 2031) return 2;
  if (year < 2055) return 3;
  return 4;
}

// The Gregorian rule for every year, with no Julian-calendar period: divisible by 4, except
// centuries, which must be divisible by 400.
[[nodiscard]] constexpr bool IsGregorianLeapYear(std::int16_t year) noexcept {
  return year % 100 == 0 ? year % 400 == 0 : year % 4 == 0;
}

}  // namespace sauramiti::SauramitiRoutine
