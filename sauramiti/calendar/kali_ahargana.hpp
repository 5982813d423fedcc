// The Kali Ahargana: the day count at the centre of every conversion.
//
// The Kali Ahargana counts civil days since the epoch of the Kali era (the midnight at which
// 18 February of year -3101, Julian calendar, begins). A whole count K falls on a Friday when
// K mod 7 = 0, a Saturday when 1, a Sunday when 2, and so on. BS 2059/01/01, a Sunday, is
// 1863913; BS 0001/01/01 is 1112210. The Julian day of a date's midnight is K + 588465.5.
//
// From a BS date (GetKaliAhargana): count 30-day solar months since the Kali epoch (BS year y is
// Kali year y + 3044), turn solar days into civil days by the ratio 1577917828 / 1555200000
// (approximated by T + T/69 + T/8703) with a small per-month correction, then move the estimate
// to the nearest count that falls on the date's weekday (at most 3 days either way).
//
// Back to a BS date (AharGana2NepaliDate): estimate the year from the count, take the starts of
// that year and the next from the forward direction, and walk the month lengths of the year.
// A fractional count picks its month by the unrounded count and rounds only the day; a day that
// rounds one past its month's end is day 1 of the next month.
#pragma once

#include <array>
#include <cstdint>
#include <sauramiti/calendar/enumerations.hpp>
#include <string>

namespace sauramiti::SauramitiRoutine {

// Kali Ahargana of a BS date, a whole number, or 0 for a date that fails its check. Without a
// weekday (mywkday = 9) the date must exist; with a weekday 1 to 7 only year, month and weekday
// are checked and the day, any 16-bit value, is placed by the weekday.
[[nodiscard]] double GetKaliAhargana(std::int16_t myYear, std::int16_t myMonth, std::int16_t myDay,
                                     std::int16_t mywkday = 9);

// The count of a date placed by its weekday: the solar-month estimate moved to the nearest count
// (at most 3 days either way) that falls on `weekday` (1 to 7). Year 1 to 9999 and month 1 to 12;
// the day may be any 16-bit value. This is GetKaliAhargana with a weekday given.
std::int32_t CountOnWeekday(std::int16_t myYear, std::int16_t myMonth, std::int16_t myDay,
                            std::int16_t weekday);

// GetKaliAhargana(year, 1, 1): the count of the first day of a BS year, 0 outside 1 to 9999.
[[nodiscard]] double GetYearStartAhargana(std::int16_t year);

// The month structure of one BS year.
struct YearMonthTable {
  std::array<std::int16_t, 14> FirstWeekDays{};   // [1..12], and [13]: month 1 of the next year
  std::array<std::int16_t, 13> MonthDays{};       // [1..12]
  std::array<std::int16_t, 13> DaysToMonthEnd{};  // [0] = 0, [i] = days up to the end of month i
};

YearMonthTable BuildMonthTables(std::int16_t year);

// The BS date of a day count as "yyyy/mm/dd/w". Counts below 1112210 (before BS year 1) are
// error 9; NaN and infinities are error 6; counts past the first days of year 9999 are error 9;
// counts so large that the year estimate overflows are error 6.
[[nodiscard]] std::string AharganaToValueString(double K);

// The same text with every "/" replaced by the separator of sepCode (removed for 4 or more).
[[nodiscard]] std::string AharGana2NepaliDate(double KaliAhargana, std::int32_t sepCode = sepSlash);

}  // namespace sauramiti::SauramitiRoutine
