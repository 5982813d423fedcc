// Month lengths, weekdays and valid dates.
//
// A BS month runs from its first weekday to the next month's: if month m begins on weekday f1
// and month m + 1 on f2, it has 28 + g days, g being f2 - f1 brought into 1 to 7. Within BS
// years 1 to 9998 that gives 29 to 32 days. The last month of year 9999 takes its end from the
// coarse formula's first weekday of year 10000, which lies outside the range of valid years;
// that makes it 31 days long and year 9999 366 days long.
//
// Gregorian months have their usual lengths, with the Gregorian leap rule for every year.
// Examples: BS 2059 has months of 31, 31, 32, 31, 31, 31, 30, 29, 30, 29, 30, 30 days; the weekday
// of BS 2059/01/18 is 4 (Wednesday).
#pragma once

#include <cstdint>
#include <sauramiti/calendar/enumerations.hpp>

namespace sauramiti::SauramitiRoutine {

// Days in the month of the BS calendar (whatdate = disNepali) or the Gregorian calendar
// (disEnglish); 0 for a year outside 1 to 9999, a month outside 1 to 12, or another whatdate.
[[nodiscard]] std::int16_t GetDaysInMonth(std::int16_t myYear, std::int16_t myMonth,
                                          std::int32_t whatdate);

// Weekday code of a BS date; 0 for an invalid year or month or a day outside 1 to the month's
// length.
[[nodiscard]] std::int16_t GetWeekDay(std::int16_t thisyear, std::int16_t thismonth,
                                      std::int16_t thisday);

// Whether the date exists in the calendar chosen by whatdate (always false for another value).
[[nodiscard]] bool IsValidDate(std::int16_t year, std::int16_t month, std::int16_t day,
                               std::int32_t whatdate);

}  // namespace sauramiti::SauramitiRoutine
