#include <array>
#include <sauramiti/base/checked_arithmetic.hpp>
#include <sauramiti/calendar/calendar_tables.hpp>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/month_structure.hpp>

namespace sauramiti::SauramitiRoutine {

namespace {

constexpr std::array<std::int16_t, 12> kGregorianCommon = {31, 28, 31, 30, 31, 30,
                                                           31, 31, 30, 31, 30, 31};

// First weekday of the month after (year, month). After the last month of year 9999 this is the
// coarse formula's answer for year 10000, so that the range's last month has a length of the
// model's own instead of one measured against an invalid year.
std::int16_t NextMonthFirstWeekDay(std::int16_t year, std::int16_t month) {
  if (month < 12) return GetFirstWeekDay(year, Add16(month, 1));
  const std::int16_t next = Add16(year, 1);
  return IsValidYear(next) ? GetFirstWeekDay(next, 1) : CalcFirstWeekDayOutOfRange(next, 1);
}

}  // namespace

std::int16_t GetDaysInMonth(std::int16_t myYear, std::int16_t myMonth, std::int32_t whatdate) {
  if (!IsValidYear(myYear) || !IsValidMonth(myMonth)) return 0;
  if (whatdate == disEnglish) {
    if (myMonth == 2 && IsGregorianLeapYear(myYear)) return 29;
    return kGregorianCommon[static_cast<std::size_t>(myMonth - 1)];
  }
  if (whatdate != disNepali) return 0;
  std::int16_t gap =
      Sub16(NextMonthFirstWeekDay(myYear, myMonth), GetFirstWeekDay(myYear, myMonth));
  if (gap <= 0) gap = Add16(gap, 7);
  return Add16(gap, 28);
}

std::int16_t GetWeekDay(std::int16_t thisyear, std::int16_t thismonth, std::int16_t thisday) {
  if (!IsValidYear(thisyear) || !IsValidMonth(thismonth)) return 0;
  // A day before the first is no date either: it answers 0 like every other invalid input.
  if (thisday < 1 || thisday > GetDaysInMonth(thisyear, thismonth, disNepali)) return 0;
  const std::int16_t first = GetFirstWeekDay(thisyear, thismonth);
  const std::int16_t offset = Sub16(thisday, 1);  // [0, 31]
  if (Mod16(offset, 7) == 0) return first;
  const std::int16_t weekday = Mod16(Add16(first, offset), 7);
  return weekday == 0 ? std::int16_t{7} : weekday;
}

bool IsValidDate(std::int16_t year, std::int16_t month, std::int16_t day, std::int32_t whatdate) {
  if (!IsValidYear(year) || !IsValidMonth(month)) return false;
  const std::int16_t days = GetDaysInMonth(year, month, whatdate);
  return IsBetween(day, 0, Add16(days, 1));
}

}  // namespace sauramiti::SauramitiRoutine
