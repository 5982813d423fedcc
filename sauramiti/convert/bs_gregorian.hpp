// Between BS dates and Gregorian dates.
//
// The two calendars meet in one constant: Julian day = Kali Ahargana + 588465.5. A BS date goes
// to its Kali Ahargana, then to the Julian day, then to a Gregorian date; a Gregorian date comes
// back the same way. BS 2059/01/01 (a Sunday) is 14 April 2002, Julian day 2452378.5:
//
// Examples:
//   GetJulianDate(2059, 1, 1)                   // 2452378.5
//   Nepali2EnglishDate(2059, 1, 1)              // "04/14/2002"
//   English2NepaliDate(2002, 4, 14)             // "2059/01/01/1"
//   Nepali2EnglishDate(2059, 1, 32)             // "Nepali2EnglishDate =Invalid Date"
//
// A date that fails its check is no error: GetJulianDate answers 0, Nepali2EnglishDate the text
// "Nepali2EnglishDate =Invalid Date", English2NepaliDate the text "Invalid Input". A BS date with
// a weekday (1 to 7) is checked by year, month and weekday only, and its day, which may run past
// the month's end, is placed by the weekday; weekday 9 means "not given" and checks the date.
#pragma once

#include <cstdint>
#include <sauramiti/calendar/enumerations.hpp>
#include <sauramiti/convert/julian_day.hpp>
#include <string>

namespace sauramiti::SauramitiRoutine {

inline constexpr const char* kInvalidBsDateText = "Nepali2EnglishDate =Invalid Date";
inline constexpr const char* kInvalidGregorianDateText = "Invalid Input";

// Julian day of the midnight of a BS date; 0 for a rejected date.
[[nodiscard]] double GetJulianDate(std::int16_t myY, std::int16_t myM, std::int16_t myD,
                                   std::int16_t MyWeekDay = 9);

// The Gregorian date text of a BS date ("04/14/2002" for BS 2059/01/01 by default). Dates before
// 15 October 1582 come out in the Julian calendar.
[[nodiscard]] std::string Nepali2EnglishDate(std::int16_t myYear, std::int16_t myMonth,
                                             std::int16_t myDay, std::int16_t MyWeekDay = 9,
                                             std::int32_t SepCharCode = sepSlash,
                                             std::int32_t style = datmmddyyyy);

// The BS Value string of a Gregorian date ("2059/01/01/1" for 14 April 2002), every separator
// that of sepCode; the date must exist in the Gregorian calendar, years 1 to 9999.
[[nodiscard]] std::string English2NepaliDate(std::int16_t myYear, std::int16_t myMonth,
                                             std::int16_t myDay, std::int32_t sepCode = sepSlash);

// Today's BS date as a Value string with "/" separators, for the local date `today`, which the
// caller reads from its clock once.
[[nodiscard]] std::string TodayValueString(const GregorianDate& today);

}  // namespace sauramiti::SauramitiRoutine
