// The weekday on which each BS month begins.
//
// The whole shape of a BS year follows from one quantity: the weekday of the first day of each
// month. It comes from the time of the sun's entry into the month's sign, counted within the
// week. The start of a year moves by 1.25875648 days a year (365.25875648 days less 52 weeks)
// from an anchor year; the month's start adds its offset from `MonthStartTable`; the day of the
// week in which that moment falls is the month's first weekday.
//
// - BS 1941 to 2156 use the fine formula (`CalcFirstWeekDayInRange`): four anchors, a slow drift
//   term, and half-day corrections for Srawan and Magha; eleven years of that span are fixed by
//   a table instead (`LookupFirstWeekDayOverride`).
// - Earlier and later years use a coarser formula (`CalcFirstWeekDayOutOfRange`) with its own
//   month offsets and, per month, a time of day after which the month begins a day later.
//
// Weekday codes: 1 Sunday, 2 Monday, ..., 7 Saturday; 0 answers invalid input.
// Example: BS 2059 begins on a Sunday (GetFirstWeekDay(2059, 1) = 1), its second month on a
// Wednesday (GetFirstWeekDay(2059, 2) = 4).
#pragma once

#include <cstdint>

namespace sauramiti::SauramitiRoutine {

// Weekday code of day 1 of BS month (year, month); 0 unless year is 1 to 9999 and month 1 to 12.
[[nodiscard]] std::int16_t GetFirstWeekDay(std::int16_t myYear, std::int16_t myMonth);

// The first weekday a table fixes for one of the eleven listed years; 0 for any other year.
[[nodiscard]] std::int16_t LookupFirstWeekDayOverride(std::int16_t year,
                                                      std::int16_t month) noexcept;

// The fine formula, for months of 1941 to 2156 (month 1 to 12). Returns 1 to 7.
[[nodiscard]] std::int16_t CalcFirstWeekDayInRange(std::int16_t year, std::int16_t month);

// The coarse formula, for months before 1941 and after 2156 (month 1 to 12). Returns 1 to 7.
[[nodiscard]] std::int16_t CalcFirstWeekDayOutOfRange(std::int16_t year, std::int16_t month);

}  // namespace sauramiti::SauramitiRoutine
