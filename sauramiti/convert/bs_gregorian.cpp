#include <sauramiti/calendar/calendar_tables.hpp>
#include <sauramiti/calendar/date_text.hpp>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>

namespace sauramiti::SauramitiRoutine {

namespace {

// Julian day of the midnight at which Kali Ahargana 0 begins.
constexpr double kKaliEpochJulianDay = 588465.5;

bool IsAcceptedBsDate(std::int16_t year, std::int16_t month, std::int16_t day,
                      std::int16_t weekday) {
  if (weekday == 9) return IsValidDate(year, month, day, disNepali);
  return IsValidYear(year) && IsValidMonth(month) && IsValidWeekDay(weekday);
}

}  // namespace

double GetJulianDate(std::int16_t myY, std::int16_t myM, std::int16_t myD, std::int16_t MyWeekDay) {
  if (!IsAcceptedBsDate(myY, myM, myD, MyWeekDay)) return 0;
  return GetKaliAhargana(myY, myM, myD, MyWeekDay) + kKaliEpochJulianDay;
}

std::string Nepali2EnglishDate(std::int16_t myYear, std::int16_t myMonth, std::int16_t myDay,
                               std::int16_t MyWeekDay, std::int32_t SepCharCode,
                               std::int32_t style) {
  if (!IsAcceptedBsDate(myYear, myMonth, myDay, MyWeekDay)) return kInvalidBsDateText;
  const double julian = GetKaliAhargana(myYear, myMonth, myDay, MyWeekDay) + kKaliEpochJulianDay;
  const GregorianDate date = JulianDayToGregorian(julian);
  // The fields hold only digits and minus signs, so writing them with the wanted separator is
  // the same as writing them with "/" and replacing every "/" afterwards.
  return FormatYMD(date.year, date.month, date.day, SepCharCode, style);
}

std::string English2NepaliDate(std::int16_t myYear, std::int16_t myMonth, std::int16_t myDay,
                               std::int32_t sepCode) {
  if (!IsValidDate(myYear, myMonth, myDay, disEnglish)) return kInvalidGregorianDateText;
  const double kali = GregorianToJulianDay(myYear, myMonth, myDay) - kKaliEpochJulianDay;
  return AharGana2NepaliDate(kali, sepCode);
}

std::string TodayValueString(const GregorianDate& today) {
  return English2NepaliDate(today.year, today.month, today.day, sepSlash);
}

}  // namespace sauramiti::SauramitiRoutine
