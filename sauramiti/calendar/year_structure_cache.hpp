// The shape of every month of BS years 1 to 9999, worked out once.
//
// The first-weekday formulas are pure functions of year and month, and everything else about a
// month follows from them: its length is the gap to the next month's first weekday. So the first
// call works out all 119,988 months (first weekday and length, about 10 ms) into a
// 240 kB table, and every later call reads it. The first day of each year, as a Kali Ahargana,
// is kept the same way in a second table, built from the first on its own first use. The values
// are the formulas' own, bit for bit; the tests compare the tables against direct computation
// for every month and every year of the range.
#pragma once

#include <cstdint>
#include <span>

namespace sauramiti::SauramitiRoutine {

// The first weekday of a valid month (year 1 to 9999, month 1 to 12) by the formula that
// governs its year, computed afresh.
[[nodiscard]] std::int16_t ComputeFirstWeekDay(std::int16_t year, std::int16_t month);

// What the table holds for one month: the weekday code of its first day (1 to 7) and its length
// in days (29 to 32; 31 for month 12 of year 9999).
struct MonthShape {
  std::int8_t firstWeekDay;
  std::int8_t days;
};

// The shape of a valid month, read from the table (built on first use, thread-safe).
MonthShape CachedMonthShape(std::int16_t year, std::int16_t month);

// The shapes of the twelve months of a valid year, months 1 to 12 at indexes 0 to 11.
[[nodiscard]] std::span<const MonthShape, 12> CachedYearShape(std::int16_t year);

// The first weekday of a valid month, read from the table.
[[nodiscard]] std::int16_t CachedFirstWeekDay(std::int16_t year, std::int16_t month);

// The Kali Ahargana of BS year/01/01 for a valid year (1 to 9999), read from the second table.
[[nodiscard]] double CachedYearStartAhargana(std::int16_t year);

}  // namespace sauramiti::SauramitiRoutine
