// The control's conversion methods against a calendar of the typed date (bs::calendar).
//
// The module's routines (bs_gregorian.hpp, kali_ahargana.hpp, month_structure.hpp,
// first_weekday.hpp) are the model's. An instance whose `Calendar` property is 1 answers its
// methods, draws its grid and derives its date fields from bs::calendar::published instead,
// through the overloads below, which take the calendar first. They keep every rule of the
// model's routines: the same checks, the same 0 and rejection texts, the same errors, the same
// rounding of a fractional day count. Only the place of a day in a year whose months the
// calendar changes differs.
//
// Every calendar keeps the model's year starts (calendar.hpp), so a year the calendar leaves
// alone is answered by the model's routine itself, bit for bit; with the model calendar, every
// overload is its routine.
//
// A date given with a weekday (1 to 7) has its day placed by that weekday: the model's estimate
// of the date moved to the nearest day that falls on it. A published month starts at most one
// day away from the model's month, well within that reach, so the placement finds the published
// day of a date given with its published weekday; the weekday forms are therefore the model's
// in every calendar (the tests check every day of the years that differ).
//
// JDate2EnglishDate has no overload: a Julian day becomes a Gregorian date without any BS month.
#pragma once

#include <cstdint>
#include <sauramiti/chrono/calendar.hpp>
#include <string>

namespace sauramiti::SauramitiRoutine {

// The values of the control's `Calendar` property.
inline constexpr std::int16_t kModelCalendar = 0;
inline constexpr std::int16_t kPublishedCalendar = 1;

// The code itself when it is 0 or 1; any other is run-time error 380 (invalid property value).
std::int16_t CheckedCalendarCode(std::int16_t code);

// The calendar of a `Calendar` code: the published one for 1, the model for any other code.
[[nodiscard]] const bs::calendar& CalendarOfCode(std::int16_t code) noexcept;

[[nodiscard]] std::string English2NepaliDate(const bs::calendar& cal, std::int16_t myYear,
                                             std::int16_t myMonth, std::int16_t myDay,
                                             std::int32_t sepCode);
[[nodiscard]] std::int16_t GetFirstWeekDay(const bs::calendar& cal, std::int16_t myYear,
                                           std::int16_t myMonth);
[[nodiscard]] std::int16_t GetDaysInMonth(const bs::calendar& cal, std::int16_t myYear,
                                          std::int16_t myMonth, std::int32_t whatdate);
[[nodiscard]] std::int16_t GetWeekDay(const bs::calendar& cal, std::int16_t thisyear,
                                      std::int16_t thismonth, std::int16_t thisday);
[[nodiscard]] double GetKaliAhargana(const bs::calendar& cal, std::int16_t myYear,
                                     std::int16_t myMonth, std::int16_t myDay,
                                     std::int16_t mywkday);
[[nodiscard]] std::string Nepali2EnglishDate(const bs::calendar& cal, std::int16_t myYear,
                                             std::int16_t myMonth, std::int16_t myDay,
                                             std::int16_t MyWeekDay, std::int32_t SepCharCode,
                                             std::int32_t style);
[[nodiscard]] double GetJulianDate(const bs::calendar& cal, std::int16_t myY, std::int16_t myM,
                                   std::int16_t myD, std::int16_t MyWeekDay);
[[nodiscard]] std::string AharGana2NepaliDate(const bs::calendar& cal, double KaliAhargana,
                                              std::int32_t sepCode);

}  // namespace sauramiti::SauramitiRoutine
