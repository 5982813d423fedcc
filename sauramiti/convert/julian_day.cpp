#include <cmath>
#include <cstdint>
#include <sauramiti/base/checked_arithmetic.hpp>
#include <sauramiti/calendar/date_text.hpp>
#include <sauramiti/convert/julian_day.hpp>

namespace sauramiti::SauramitiRoutine {

namespace {

// floor(n / d) for a positive d.
template <typename Int>
constexpr Int FloorDiv(Int n, Int d) {
  const Int q = n / d;
  return (n % d != 0 && n < 0) ? q - 1 : q;
}

// An exact integer narrowed to 16 bits, error 6 when it does not fit.
std::int16_t Narrow16(std::int32_t v) {
  if (v < INT16_MIN || v > INT16_MAX) Raise(kOverflow);
  return static_cast<std::int16_t>(v);
}

}  // namespace

// January and February count as months 13 and 14 of the year before; then, in the classic
// form, JD = B + Int(365.25 y) + Int(30.6001 (m + 1)) + day + 1720994.5 with A = Int(y / 100)
// and B = 2 - A + Int(A / 4). The integer parts are taken here as exact quotients of integers
// (365.25 y = 1461 y / 4, 30.6001 k = 306001 k / 10000), which is what the doubles give too: no
// 16-bit y or k brings a product within the rounding of doubles of a whole number it is not.
double GregorianToJulianDay(std::int16_t year, std::int16_t month, std::int16_t day) {
  std::int16_t y = year;
  std::int16_t m = month;
  if (m == 1 || m == 2) {
    y = Sub16(y, 1);
    m = Add16(m, 12);
  }
  const std::int32_t a = FloorDiv<std::int32_t>(y, 100);
  const std::int32_t b = 2 - a + FloorDiv(a, 4);
  const std::int32_t c = FloorDiv<std::int32_t>(1461 * y, 4);  // |1461 y| < 2^26
  // m + 1 is any 16-bit value here, and 306001 times it needs more than 32 bits.
  const std::int64_t d = FloorDiv<std::int64_t>(306001 * (std::int64_t{m} + 1), 10000);
  return static_cast<double>(b + c + d + day) + 1720994.5;  // every term whole, the sum exact
}

// The classic formula takes the day number apart with decimal constants (1867216.25, 36524.25,
// 122.1, 365.25, 30.6001) and floors; what it computes is the proleptic Julian calendar up to day
// number 2299160 (4 October 1582) and the Gregorian calendar after it. The same dates come here
// from the integer day-count algorithms: count from a 1 March (so that the leap day ends the
// year), split the count into whole cycles of 1461 days (Julian) or 146097 days (Gregorian) and
// the day within the cycle, and that into a year and a day of the year; the month follows from
// (5 n + 2) / 153 for day n of a year from March. The tests compare every day number of
// (-2^24, 2^24) with a day-by-day walk through both calendars.
//
// Day numbers of 2^24 and beyond (more than 40,000 years from day 0, either way) give no year
// that fits 16 bits, so those, NaN and the infinities are the overflow error at once.
GregorianDate JulianDayToGregorian(double jd) {
  const double day_number = std::floor(jd + 0.5);
  if (!(std::fabs(day_number) < 0x1p24)) Raise(kOverflow);
  return CalendarDateOfDayNumber(static_cast<std::int32_t>(day_number));
}

GregorianDate CalendarDateOfDayNumber(std::int32_t z) {
  std::int32_t year = 0;
  std::uint32_t day_of_year = 0;  // from 1 March: [0, 365]
  if (z > 2299160) {
    // Gregorian: day 0 is 1 March of year 0 (day number 1721120). From 15 October 1582 on the
    // count is positive, so unsigned arithmetic needs no floors.
    const auto days = static_cast<std::uint32_t>(z - 1721120);  // [578041, 2^24)
    const std::uint32_t era = days / 146097;                    // [3, 114]
    const std::uint32_t day_of_era = days - era * 146097;       // [0, 146096]
    const std::uint32_t year_of_era =
        (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) /
        365;  // [0, 399]
    day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    year = static_cast<std::int32_t>(year_of_era + era * 400);
  } else {
    // Julian: day 0 is 1 March of year 0 (day number 1721118), cycles of four years.
    const std::int32_t days = z - 1721118;  // (-2^25, 578043)
    const std::int32_t cycle = FloorDiv(days, 1461);
    const auto day_of_cycle = static_cast<std::uint32_t>(days - cycle * 1461);       // [0, 1460]
    const std::uint32_t year_of_cycle = (day_of_cycle - day_of_cycle / 1460) / 365;  // [0, 3]
    day_of_year = day_of_cycle - 365 * year_of_cycle;
    year = static_cast<std::int32_t>(year_of_cycle) + cycle * 4;
  }
  const std::uint32_t month_from_march = (5 * day_of_year + 2) / 153;  // [0, 11]
  const auto day = static_cast<std::int32_t>(day_of_year - (153 * month_from_march + 2) / 5 + 1);
  const auto month = static_cast<std::int32_t>(month_from_march < 10 ? month_from_march + 3
                                                                     : month_from_march - 9);
  if (month <= 2) ++year;  // January and February end the year that began in March
  return {Narrow16(year), static_cast<std::int16_t>(month), static_cast<std::int16_t>(day)};
}

std::string JDate2EnglishDate(double MyJulianDate, std::int32_t sepCode, std::int32_t style) {
  const GregorianDate date = JulianDayToGregorian(MyJulianDate);
  // The fields hold only digits and minus signs, so writing them with the wanted separator is
  // the same as writing them with "/" and replacing every "/" afterwards.
  return FormatYMD(date.year, date.month, date.day, sepCode, style);
}

}  // namespace sauramiti::SauramitiRoutine
