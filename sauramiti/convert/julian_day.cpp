#include <cmath>
#include <sauramiti/base/checked_arithmetic.hpp>
#include <sauramiti/base/rounding.hpp>
#include <sauramiti/calendar/date_text.hpp>
#include <sauramiti/convert/julian_day.hpp>

namespace sauramiti::SauramitiRoutine {

double GregorianToJulianDay(std::int16_t year, std::int16_t month, std::int16_t day) {
  std::int16_t y = year;
  std::int16_t m = month;
  if (m == 1 || m == 2) {  // January and February count as months 13 and 14 of the year before
    y = Sub16(y, 1);
    m = Add16(m, 12);
  }
  const double a = std::floor(y / 100.0);
  const double b = 2 - a + std::floor(a / 4);
  const double c = std::floor(365.25 * y);
  const double d = std::floor(30.6001 * (m + 1));
  return b + c + d + day + 1720994.5;
}

GregorianDate JulianDayToGregorian(double jd) {
  const double z = std::floor(jd + 0.5);
  double a = z;  // up to 4 October 1582 the Julian calendar
  if (z > 2299160) {
    const double alpha = std::floor((z - 1867216.25) / 36524.25);
    a = z + 1 + alpha - std::floor(alpha / 4);
  }
  const double b = a + 1524;
  const double c = std::floor((b - 122.1) / 365.25);
  const double d = std::floor(365.25 * c);
  const double e = std::floor((b - d) / 30.6001);
  const double day = b - d - std::floor(30.6001 * e);
  const double month = e < 13.5 ? e - 1 : e - 13;
  const double year = month > 2.5 ? c - 4716 : c - 4715;
  return {RoundToInt16(year), RoundToInt16(month), RoundToInt16(day)};
}

std::string JDate2EnglishDate(double MyJulianDate, std::int32_t sepCode, std::int32_t style) {
  const GregorianDate date = JulianDayToGregorian(MyJulianDate);
  return ChangeSeparator(FormatYMD(date.year, date.month, date.day, sepSlash, style), sepSlash,
                         sepCode);
}

}  // namespace sauramiti::SauramitiRoutine
