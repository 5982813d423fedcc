#include <chrono>
#include <cmath>
#include <sauramiti/base/rounding.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/calendar/calendar_tables.hpp>
#include <sauramiti/calendar/date_text.hpp>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/chrono/year_month_day.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <sauramiti/convert/calendar_methods.hpp>
#include <sauramiti/convert/julian_day.hpp>

namespace sauramiti::SauramitiRoutine {

namespace {

using Row = bs::calendar::year_months;

// Julian day of the midnight at which Kali Ahargana 0 begins, and the whole day number of that
// day (its Julian day at noon), as bs_gregorian.cpp counts them.
constexpr double kKaliEpochJulianDay = 588465.5;
constexpr std::int32_t kKaliEpochDayNumber = 588466;
// The Kali Ahargana of 1970-01-01, where std::chrono::sys_days counts from.
constexpr std::int64_t kUnixEpochKali = 1852122;

// The calendar's months of a year it changes, for a valid month; nullptr when the model's
// routine answers (a year the calendar leaves alone, or a month outside 1 to 12, which the
// routine refuses).
const Row* ChangedYear(const bs::calendar& cal, std::int16_t year, std::int16_t month) noexcept {
  return IsValidMonth(month) ? cal.find(year) : nullptr;
}

// The weekday code of a day count: a count K is a Friday (6) when K mod 7 is 0.
std::int16_t WeekdayOfCount(std::int64_t count) noexcept {
  return static_cast<std::int16_t>((count + 5) % 7 + 1);  // counts are positive: [1, 7]
}

std::int16_t WeekdayCode(const bs::year_month_day& date, const bs::calendar& cal) noexcept {
  return static_cast<std::int16_t>(bs::weekday(date, cal).c_encoding() + 1);
}

// The count of a date of a year the calendar changes, given without a weekday: 0 when the date
// does not exist in the calendar (no count of the range is 0). Negative months and days become
// unsigned numbers far past 12 and 32, which are not ok() either.
std::int32_t CountInCalendar(const bs::calendar& cal, std::int16_t year, std::int16_t month,
                             std::int16_t day) noexcept {
  const bs::year_month_day date{year, static_cast<unsigned>(month), static_cast<unsigned>(day)};
  return bs::kali_ahargana(date, cal);  // 0 when !date.ok(cal)
}

}  // namespace

std::int16_t CheckedCalendarCode(std::int16_t code) {
  if (code != kModelCalendar && code != kPublishedCalendar) Raise(kInvalidPropertyValue);
  return code;
}

const bs::calendar& CalendarOfCode(std::int16_t code) noexcept {
  return code == kPublishedCalendar ? bs::calendar::published : bs::calendar::model;
}

std::int16_t GetFirstWeekDay(const bs::calendar& cal, std::int16_t myYear, std::int16_t myMonth) {
  if (ChangedYear(cal, myYear, myMonth) == nullptr) return GetFirstWeekDay(myYear, myMonth);
  return WeekdayOfCount(CountInCalendar(cal, myYear, myMonth, 1));
}

std::int16_t GetDaysInMonth(const bs::calendar& cal, std::int16_t myYear, std::int16_t myMonth,
                            std::int32_t whatdate) {
  if (whatdate != disNepali || ChangedYear(cal, myYear, myMonth) == nullptr) {
    return GetDaysInMonth(myYear, myMonth, whatdate);
  }
  return static_cast<std::int16_t>(
      bs::days_in_month(myYear, static_cast<unsigned>(myMonth), cal));  // [29, 32]
}

std::int16_t GetWeekDay(const bs::calendar& cal, std::int16_t thisyear, std::int16_t thismonth,
                        std::int16_t thisday) {
  if (ChangedYear(cal, thisyear, thismonth) == nullptr) {
    return GetWeekDay(thisyear, thismonth, thisday);
  }
  const std::int32_t count = CountInCalendar(cal, thisyear, thismonth, thisday);
  return count == 0 ? std::int16_t{0} : WeekdayOfCount(count);
}

double GetKaliAhargana(const bs::calendar& cal, std::int16_t myYear, std::int16_t myMonth,
                       std::int16_t myDay, std::int16_t mywkday) {
  if (mywkday != 9 || ChangedYear(cal, myYear, myMonth) == nullptr) {
    return GetKaliAhargana(myYear, myMonth, myDay, mywkday);
  }
  return CountInCalendar(cal, myYear, myMonth, myDay);
}

double GetJulianDate(const bs::calendar& cal, std::int16_t myY, std::int16_t myM, std::int16_t myD,
                     std::int16_t MyWeekDay) {
  if (MyWeekDay != 9 || ChangedYear(cal, myY, myM) == nullptr) {
    return GetJulianDate(myY, myM, myD, MyWeekDay);
  }
  const std::int32_t count = CountInCalendar(cal, myY, myM, myD);
  return count == 0 ? 0 : count + kKaliEpochJulianDay;
}

std::string Nepali2EnglishDate(const bs::calendar& cal, std::int16_t myYear, std::int16_t myMonth,
                               std::int16_t myDay, std::int16_t MyWeekDay, std::int32_t SepCharCode,
                               std::int32_t style) {
  if (MyWeekDay != 9 || ChangedYear(cal, myYear, myMonth) == nullptr) {
    return Nepali2EnglishDate(myYear, myMonth, myDay, MyWeekDay, SepCharCode, style);
  }
  const std::int32_t count = CountInCalendar(cal, myYear, myMonth, myDay);
  if (count == 0) return kInvalidBsDateText;
  // The years a calendar changes lie far inside the range: the day number fits easily.
  const GregorianDate date = CalendarDateOfDayNumber(count + kKaliEpochDayNumber);
  return FormatYMD(date.year, date.month, date.day, SepCharCode, style);
}

std::string English2NepaliDate(const bs::calendar& cal, std::int16_t myYear, std::int16_t myMonth,
                               std::int16_t myDay, std::int32_t sepCode) {
  if (cal.is_model() || !IsValidDate(myYear, myMonth, myDay, disEnglish)) {
    return English2NepaliDate(myYear, myMonth, myDay, sepCode);
  }
  const std::chrono::sys_days day{std::chrono::year{myYear} /
                                  std::chrono::month{static_cast<unsigned>(myMonth)} /
                                  std::chrono::day{static_cast<unsigned>(myDay)}};
  const std::int64_t count = day.time_since_epoch().count() + kUnixEpochKali;
  const bs::year_month_day date = bs::from_sys_days(day, cal);
  if (!date.ok(cal) || cal.find(date.year()) == nullptr) {
    return English2NepaliDate(myYear, myMonth, myDay, sepCode);
  }
  return FormatValueText(static_cast<std::int16_t>(date.year()),
                         static_cast<std::int16_t>(date.month()),
                         static_cast<std::int16_t>(date.day()), WeekdayOfCount(count), sepCode);
}

std::string AharGana2NepaliDate(const bs::calendar& cal, double KaliAhargana,
                                std::int32_t sepCode) {
  // The model's answer first: its errors (NaN, counts outside the range, a negative separator
  // code) are the calendar's too, and so is its text for a year the calendar leaves alone.
  std::string text = AharGana2NepaliDate(KaliAhargana, sepCode);
  if (cal.is_model()) return text;
  // The count converted, so it lies within the range: its whole part fits 32 bits.
  const double whole = std::floor(KaliAhargana);
  const bs::year_month_day day = bs::from_kali_ahargana(static_cast<std::int32_t>(whole));
  const Row* row = cal.find(day.year());
  if (row == nullptr) return text;

  // The same walk as the model's, over the calendar's months: the unrounded count picks the
  // month, only the day is rounded (half to even), and a day that rounds one past its month's
  // end is the first of the next month.
  int year = day.year();
  const double days = KaliAhargana - bs::kali_ahargana({year, 1U, 1U});  // [0, 366)
  unsigned month = 1;
  while (month < 12 && row->days_before[month] <= std::floor(days)) ++month;
  const double before = row->days_before[month - 1];
  auto dayOfMonth = static_cast<unsigned>(RoundToInt16(days - before + 1));  // [1, 33]
  if (dayOfMonth > bs::days_in_month(year, month, cal)) {
    dayOfMonth = 1;
    month = month == 12 ? 1 : month + 1;
    if (month == 1) ++year;
  }
  const bs::year_month_day date{year, month, dayOfMonth};
  return FormatValueText(static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
                         static_cast<std::int16_t>(dayOfMonth), WeekdayCode(date, cal), sepCode);
}

}  // namespace sauramiti::SauramitiRoutine
