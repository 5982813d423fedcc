// Gregorian dates and Julian days.
//
// The Julian day is the bridge between the BS side and the Gregorian side: a civil date's Julian
// day is that of its midnight, so it ends in .5 (2000-01-01 is 2451544.5), and the Kali
// Ahargana of the same day is the Julian day less 588465.5.
//
// Both directions are the classic day-count formulas of practical astronomy, in doubles, with
// floor for every "integer part". From a date: every date counts as proleptic Gregorian. Back to
// a date: days up to 2299160 (4 October 1582) come out in the Julian calendar, later days in the
// Gregorian one, so a Gregorian date before 15 October 1582 does not come back unchanged. Years
// are astronomical: year 0 precedes year 1.
//
// Examples:
//   GregorianToJulianDay(2000, 1, 1)            // 2451544.5
//   JulianDayToGregorian(2451544.5)             // 2000-01-01
//   JulianDayToGregorian(2299160.5)             // 1582-10-15
//   JulianDayToGregorian(2299159.5)             // 1582-10-04 (the Julian day before it)
#pragma once

#include <cstdint>
#include <sauramiti/calendar/enumerations.hpp>
#include <string>

namespace sauramiti::SauramitiRoutine {

struct GregorianDate {
  std::int16_t year = 0;
  std::int16_t month = 0;
  std::int16_t day = 0;
  friend bool operator==(const GregorianDate&, const GregorianDate&) = default;
};

// Julian day at 0 h of a (proleptic) Gregorian date; no checks, the caller validates.
[[nodiscard]] double GregorianToJulianDay(std::int16_t year, std::int16_t month, std::int16_t day);

// The calendar date of a Julian day; any time within the day gives the same date. A year
// outside the 16-bit range, NaN or an infinity is error 6.
GregorianDate JulianDayToGregorian(double jd);

// The same for a whole day number z (the Julian day of the day's noon, |z| < 2^24): the date
// whose midnight is Julian day z - 0.5. A year outside the 16-bit range is error 6.
GregorianDate CalendarDateOfDayNumber(std::int32_t z);

// The date of a Julian day as a Gregorian date text: JDate2EnglishDate(2451544.5) is
// "01/01/2000", with sepDash and datyyyymmdd "2000-01-01".
[[nodiscard]] std::string JDate2EnglishDate(double MyJulianDate, std::int32_t sepCode = sepSlash,
                                            std::int32_t style = datmmddyyyy);

}  // namespace sauramiti::SauramitiRoutine
