// The first weekdays of every month of BS years 1 to 9999, worked out once.
//
// The formulas are pure functions of year and month, so their results can be kept: the first
// call computes all 119,988 of them (about a millisecond) into a 120 kB table, and every later
// call reads it. The results are the formulas' own, bit for bit; the tests compare the table
// against a direct computation for every month of the range.
#pragma once

#include <cstdint>

namespace sauramiti::SauramitiRoutine {

// The first weekday of a valid month (year 1 to 9999, month 1 to 12) by the formula that
// governs its year, computed afresh.
std::int16_t ComputeFirstWeekDay(std::int16_t year, std::int16_t month);

// The same value, read from the table (built on first use, thread-safe).
std::int16_t CachedFirstWeekDay(std::int16_t year, std::int16_t month);

}  // namespace sauramiti::SauramitiRoutine
