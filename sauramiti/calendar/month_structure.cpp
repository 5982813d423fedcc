#include <array>
#include <sauramiti/calendar/calendar_tables.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/calendar/year_structure_cache.hpp>

namespace sauramiti::SauramitiRoutine {

namespace {

constexpr std::array<std::int16_t, 12> kGregorianCommon = {31, 28, 31, 30, 31, 30,
                                                           31, 31, 30, 31, 30, 31};

}  // namespace

std::int16_t GetDaysInMonth(std::int16_t myYear, std::int16_t myMonth, std::int32_t whatdate) {
  if (!IsValidYear(myYear) || !IsValidMonth(myMonth)) return 0;
  if (whatdate == disEnglish) {
    if (myMonth == 2 && IsGregorianLeapYear(myYear)) return 29;
    return kGregorianCommon[static_cast<std::size_t>(myMonth - 1)];
  }
  if (whatdate != disNepali) return 0;
  return CachedMonthShape(myYear, myMonth).days;
}

std::int16_t GetWeekDay(std::int16_t thisyear, std::int16_t thismonth, std::int16_t thisday) {
  if (!IsValidYear(thisyear) || !IsValidMonth(thismonth)) return 0;
  const MonthShape shape = CachedMonthShape(thisyear, thismonth);
  // A day before the first is no date either: it answers 0 like every other invalid input.
  if (thisday < 1 || thisday > shape.days) return 0;
  // Day d falls d - 1 days after the first, on weekday codes that wrap from 7 (Saturday) to 1.
  const int offset = thisday - 1;  // [0, 31]
  return static_cast<std::int16_t>((shape.firstWeekDay - 1 + offset) % 7 + 1);
}

bool IsValidDate(std::int16_t year, std::int16_t month, std::int16_t day, std::int32_t whatdate) {
  if (!IsValidYear(year) || !IsValidMonth(month)) return false;
  const std::int16_t days = GetDaysInMonth(year, month, whatdate);  // [0, 32]
  return 1 <= day && day <= days;
}

}  // namespace sauramiti::SauramitiRoutine
