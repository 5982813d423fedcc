// The typed calendar's direct numeric exports: the fast path of s.toGregorian, s.fromGregorian,
// s.daysInMonth, s.weekday, s.parse and s.format.
//
// A date crosses as one 32-bit integer, year * 1024 + month * 64 + day (month and day in the low
// ten bits, the year, possibly negative for a Gregorian year before 1, above them), so a
// conversion is one call with numbers in and one number out: no slots, no text. 0 names no date
// (no month is 0), the answer for a date outside the calendar or a calendar id that is unknown.
//
// A calendar crosses as a small id (typed-calendar.mjs maps the names): 0 is the model, 1 the
// published calendar, the same numbers as the control's Calendar property. A calendar that the
// core adds later gets the next id here and a name there; nothing else changes.
#include <emscripten/emscripten.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <sauramiti/calendar/year_structure_cache.hpp>
#include <sauramiti/chrono.hpp>
#include <string_view>
#include <web/src/boundary.hpp>

namespace {

namespace bs = sauramiti::bs;
using std::chrono::days;
using std::chrono::sys_days;

// The calendar of an id, or null for an unknown one (a pointer: copying a calendar costs more
// than the conversion it is asked for).
const bs::calendar* CalendarFor(std::int32_t id) {
  if (id == 0) return &bs::calendar::model;
  if (id == 1) return &bs::calendar::published;
  return nullptr;
}

std::int32_t Pack(std::int32_t year, std::int32_t month, std::int32_t day) {
  return year * 1024 + month * 64 + day;
}

// Day count since 1970-01-01 of a proleptic Gregorian date of years -100 to 10000 (H. Hinnant's
// civil-date algorithm, its year counted from March); libc++ 13 under Emscripten is not relied
// on for the chrono calendar types. It works in 32 bits (WebAssembly has no cheap 64-bit
// division by a constant), and the year is moved 400 years on (146097 days, a whole cycle) so
// that every quotient is of a non-negative number: each division is then one multiplication,
// where a signed one needs corrections.
std::int32_t DaysFromCivil(std::int32_t y, std::int32_t m, std::int32_t d) {
  const bool from_march = m > 2;
  const auto year = static_cast<std::uint32_t>(y + 400 - (from_march ? 0 : 1));
  const auto month = static_cast<std::uint32_t>(from_march ? m - 3 : m + 9);  // March is 0
  const std::uint32_t day_of_year = (153 * month + 2) / 5 + static_cast<std::uint32_t>(d) - 1;
  const std::uint32_t day_count = year * 365 + year / 4 - year / 100 + year / 400 + day_of_year;
  return static_cast<std::int32_t>(day_count) - (719468 + 146097);
}

// Days in a month of the proleptic Gregorian calendar (month 1 to 12).
std::int32_t GregorianMonthLength(std::int32_t year, std::int32_t month) {
  if (month != 2) return month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31;
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  return leap ? 29 : 28;
}

// Whether year/month/day is a date of Gregorian years -100 to 10000, which hold every day of
// BS 1 to 9999 and keep the day count small. Every month has a 28th day, so most days need no
// month length.
bool IsCivilDateInRange(std::int32_t year, std::int32_t month, std::int32_t day) {
  if (year < -100 || year > 10000 || month < 1 || month > 12 || day < 1) return false;
  return day <= 28 || day <= GregorianMonthLength(year, month);
}

struct Civil {
  std::int32_t year;
  std::int32_t month;
  std::int32_t day;
};

// The Gregorian date of a day counted from 1970-01-01 (the inverse of DaysFromCivil, for the
// same years), with the day count moved one 400-year cycle on so that it is never negative.
Civil CivilFromDays(std::int32_t count) {
  const auto z = static_cast<std::uint32_t>(count + 719468 + 146097);
  const std::uint32_t era = z / 146097;
  const std::uint32_t doe = z - era * 146097;
  const std::uint32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::uint32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::uint32_t mp = (5 * doy + 2) / 153;  // March is 0
  const auto day = static_cast<std::int32_t>(doy - (153 * mp + 2) / 5 + 1);
  const auto month = static_cast<std::int32_t>(mp < 10 ? mp + 3 : mp - 9);
  const auto year = static_cast<std::int32_t>(yoe + era * 400) - 400 + (month <= 2 ? 1 : 0);
  return {year, month, day};
}

std::int32_t PackDate(const bs::year_month_day& date) {
  return Pack(date.year(), static_cast<std::int32_t>(date.month()),
              static_cast<std::int32_t>(date.day()));
}

// Kali Ahargana of 1970-01-01, the day DaysFromCivil counts from.
constexpr std::int32_t kUnixEpochAhargana = 1852122;

// The model's BS date of a day counted from 1970-01-01, packed; 0 outside BS 1 to 9999. The
// model's days are read straight from its year cache, the way bs::from_sys_days reads them: this
// is the call a page makes most, and a leaf function with no year_month_day to build in memory
// saves about 3 ns of the call's 20 in WebAssembly.
std::int32_t PackedModelDate(std::int32_t count) {
  namespace routine = sauramiti::SauramitiRoutine;
  const std::int32_t ahargana = count + kUnixEpochAhargana;
  if (ahargana < routine::kFirstDayCount || ahargana >= routine::kEndDayCount) return 0;
  const routine::DateOfDay date = routine::DateOfDayCount(ahargana);
  return Pack(date.year, date.month, date.day);
}

// The day count since 1970-01-01 of a BS date of the model, or nothing unless it is a day of it.
// Read straight from the year cache, as bs::to_sys_days reads it.
std::optional<std::int32_t> ModelDayCount(std::int32_t year, std::int32_t month, std::int32_t day) {
  namespace routine = sauramiti::SauramitiRoutine;
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return std::nullopt;
  const routine::YearShape shape = routine::ShapeOfYear(static_cast<std::int16_t>(year));
  if (day > shape.MonthLength(month)) return std::nullopt;
  return shape.StartCount() + shape.DaysBeforeMonth(month) + day - 1 - kUnixEpochAhargana;
}

// The day count of a BS date of another calendar (by id), or nothing.
std::optional<std::int32_t> DayCountIn(std::int32_t year, std::int32_t month, std::int32_t day,
                                       std::int32_t calendarId) {
  const auto cal = CalendarFor(calendarId);
  if (cal == nullptr || month < 1 || day < 1) return std::nullopt;
  const bs::year_month_day date{year, static_cast<unsigned>(month), static_cast<unsigned>(day)};
  if (!date.ok(*cal)) return std::nullopt;
  // Every day of the calendar is within about 3.7 million days of 1970.
  return static_cast<std::int32_t>(bs::to_sys_days(date, *cal).time_since_epoch().count());
}

// The BS date of a day count in another calendar (by id), packed; 0 for an unknown id too.
std::int32_t PackedDateIn(std::int32_t count, std::int32_t calendarId) {
  const auto cal = CalendarFor(calendarId);
  if (cal == nullptr) return 0;
  // from_sys_days gives a day of the calendar, or month 0 outside it: no need to check it again.
  const bs::year_month_day date = bs::from_sys_days(sys_days{days{count}}, *cal);
  return static_cast<unsigned>(date.month()) != 0 ? PackDate(date) : 0;
}

}  // namespace

extern "C" {

// BS date to Gregorian, packed; 0 unless the BS date is a day of the calendar.
EMSCRIPTEN_KEEPALIVE std::int32_t sm_bs_to_gregorian(std::int32_t year, std::int32_t month,
                                                     std::int32_t day, std::int32_t calendarId) {
  const std::optional<std::int32_t> count =
      calendarId == 0 ? ModelDayCount(year, month, day) : DayCountIn(year, month, day, calendarId);
  if (!count) return 0;
  const Civil civil = CivilFromDays(*count);
  return Pack(civil.year, civil.month, civil.day);
}

// Gregorian date to BS, packed; 0 for a Gregorian date that does not exist, a day outside
// BS 1/1/1 to 9999/12/31 or an unknown calendar.
EMSCRIPTEN_KEEPALIVE std::int32_t sm_gregorian_to_bs(std::int32_t year, std::int32_t month,
                                                     std::int32_t day, std::int32_t calendarId) {
  if (!IsCivilDateInRange(year, month, day)) return 0;
  const std::int32_t count = DaysFromCivil(year, month, day);
  return calendarId == 0 ? PackedModelDate(count) : PackedDateIn(count, calendarId);
}

// Days in a BS month; 0 outside the calendar.
EMSCRIPTEN_KEEPALIVE std::int32_t sm_bs_days_in_month(std::int32_t year, std::int32_t month,
                                                      std::int32_t calendarId) {
  const auto cal = CalendarFor(calendarId);
  if (cal == nullptr || month < 1) return 0;
  return static_cast<std::int32_t>(bs::days_in_month(year, static_cast<unsigned>(month), *cal));
}

// The weekday of a BS date, 0 Sunday to 6 Saturday; -1 unless it is a day of the calendar.
EMSCRIPTEN_KEEPALIVE std::int32_t sm_bs_weekday(std::int32_t year, std::int32_t month,
                                                std::int32_t day, std::int32_t calendarId) {
  const auto cal = CalendarFor(calendarId);
  if (cal == nullptr || month < 1 || day < 1) return -1;
  const bs::year_month_day date{year, static_cast<unsigned>(month), static_cast<unsigned>(day)};
  if (!date.ok(*cal)) return -1;
  return static_cast<std::int32_t>(bs::weekday(date, *cal).c_encoding());
}

// The BS date written in the UTF-8 text at `text` (length bytes), packed; 0 when it is none.
EMSCRIPTEN_KEEPALIVE std::int32_t sm_bs_parse(const char* text, std::int32_t length,
                                              std::int32_t calendarId) {
  const auto cal = CalendarFor(calendarId);
  if (cal == nullptr) return 0;
  const auto date = bs::parse(std::string_view(text, static_cast<std::size_t>(length)), *cal);
  return date ? PackDate(*date) : 0;
}

// The pattern (UTF-8, length bytes) with the date's fields filled in, as the result text;
// nepali != 0 writes Devanagari.
EMSCRIPTEN_KEEPALIVE std::int32_t sm_bs_format(std::int32_t year, std::int32_t month,
                                               std::int32_t day, const char* pattern,
                                               std::int32_t length, std::int32_t nepali,
                                               std::int32_t calendarId) {
  return sauramiti::web::Guarded([&] {
    const auto cal = CalendarFor(calendarId);
    if (cal == nullptr) return sauramiti::web::FailWithMessage("unknown calendar");
    const bs::year_month_day date{year, static_cast<unsigned>(month < 0 ? 0 : month),
                                  static_cast<unsigned>(day < 0 ? 0 : day)};
    return sauramiti::web::ReturnText(
        bs::format(date, std::string_view(pattern, static_cast<std::size_t>(length)),
                   nepali != 0 ? bs::locale::nepali : bs::locale::english, *cal));
  });
}
}
