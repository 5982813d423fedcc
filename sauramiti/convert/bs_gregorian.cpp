#include <chrono>
#include <optional>
#include <sauramiti/calendar/calendar_tables.hpp>
#include <sauramiti/calendar/date_text.hpp>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/chrono/year_month_day.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>

namespace sauramiti::SauramitiRoutine {

namespace {

// Julian day of the midnight at which Kali Ahargana 0 begins.
constexpr double kKaliEpochJulianDay = 588465.5;
// The Kali Ahargana of 1970-01-01, where std::chrono::sys_days counts from.
constexpr std::int64_t kUnixEpochKali = 1852122;
// The whole day number of Kali Ahargana 0 (its Julian day at noon).
constexpr std::int32_t kKaliEpochDayNumber = 588466;

// The Kali Ahargana of a BS date that passes its check, or nothing. Without a weekday (9) the
// date must exist, and its count is the typed date's; with a weekday 1 to 7 only year, month and
// weekday are checked, and the day is placed by the weekday.
std::optional<std::int32_t> AcceptedCount(std::int16_t year, std::int16_t month, std::int16_t day,
                                          std::int16_t weekday) {
  if (weekday == 9) {
    // Negative months and days become unsigned numbers far past 12 and 32: not ok() either.
    const bs::year_month_day date{year, static_cast<unsigned>(month), static_cast<unsigned>(day)};
    if (!date.ok()) return std::nullopt;
    return bs::kali_ahargana(date);
  }
  if (!IsValidYear(year) || !IsValidMonth(month) || !IsValidWeekDay(weekday)) return std::nullopt;
  return CountOnWeekday(year, month, day, weekday);
}

}  // namespace

double GetJulianDate(std::int16_t myY, std::int16_t myM, std::int16_t myD, std::int16_t MyWeekDay) {
  const std::optional<std::int32_t> count = AcceptedCount(myY, myM, myD, MyWeekDay);
  return count ? *count + kKaliEpochJulianDay : 0;
}

std::string Nepali2EnglishDate(std::int16_t myYear, std::int16_t myMonth, std::int16_t myDay,
                               std::int16_t MyWeekDay, std::int32_t SepCharCode,
                               std::int32_t style) {
  const std::optional<std::int32_t> count = AcceptedCount(myYear, myMonth, myDay, MyWeekDay);
  if (!count) return kInvalidBsDateText;
  // Every count of an accepted date lies in [1078960, 4797650]: its day number fits easily.
  const GregorianDate date = CalendarDateOfDayNumber(*count + kKaliEpochDayNumber);
  // The fields hold only digits and minus signs, so writing them with the wanted separator is
  // the same as writing them with "/" and replacing every "/" afterwards.
  return FormatYMD(date.year, date.month, date.day, SepCharCode, style);
}

std::string English2NepaliDate(std::int16_t myYear, std::int16_t myMonth, std::int16_t myDay,
                               std::int32_t sepCode) {
  if (!IsValidDate(myYear, myMonth, myDay, disEnglish)) return kInvalidGregorianDateText;
  // GregorianToJulianDay less 588465.5, counted as std::chrono counts a proleptic Gregorian
  // date: the same whole number for every date of years 1 to 9999 (the tests compare them all).
  const std::chrono::sys_days day{std::chrono::year{myYear} /
                                  std::chrono::month{static_cast<unsigned>(myMonth)} /
                                  std::chrono::day{static_cast<unsigned>(myDay)}};
  const auto kali = static_cast<double>(day.time_since_epoch().count() + kUnixEpochKali);
  return AharGana2NepaliDate(kali, sepCode);
}

std::string TodayValueString(const GregorianDate& today) {
  return English2NepaliDate(today.year, today.month, today.day, sepSlash);
}

}  // namespace sauramiti::SauramitiRoutine
