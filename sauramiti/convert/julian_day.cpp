#include <cmath>
#include <cstdint>
#include <sauramiti/base/checked_arithmetic.hpp>
#include <sauramiti/calendar/date_text.hpp>
#include <sauramiti/convert/julian_day.hpp>

namespace sauramiti::SauramitiRoutine {

namespace {

// floor(n / d) for a positive d.
template <typename Int>
constexpr Int FloorDiv(Int n, Int d) {
  const Int q = n / d;
  return (n % d != 0 && n < 0) ? q - 1 : q;
}

// An exact integer narrowed to 16 bits, error 6 when it does not fit.
std::int16_t Narrow16(std::int32_t v) {
  if (v < INT16_MIN || v > INT16_MAX) Raise(kOverflow);
  return static_cast<std::int16_t>(v);
}

}  // namespace

// January and February count as months 13 and 14 of the year before; then, in the classic
// form, JD = B + Int(365.25 y) + Int(30.6001 (m + 1)) + day + 1720994.5 with A = Int(y / 100)
// and B = 2 - A + Int(A / 4). The integer parts are taken here as exact quotients of integers
// (365.25 y = 1461 y / 4, 30.6001 k = 306001 k / 10000), which is what the doubles give too: no
// 16-bit y or k brings a product within the rounding of doubles of a whole number it is not.
double GregorianToJulianDay(std::int16_t year, std::int16_t month, std::int16_t day) {
  std::int16_t y = year;
  std::int16_t m = month;
  if (m == 1 || m == 2) {
    y = Sub16(y, 1);
    m = Add16(m, 12);
  }
  const std::int32_t a = FloorDiv<std::int32_t>(y, 100);
  const std::int32_t b = 2 - a + FloorDiv(a, 4);
  const std::int32_t c = FloorDiv<std::int32_t>(1461 * y, 4);  // |1461 y| < 2^26
  // m + 1 is any 16-bit value here, and 306001 times it needs more than 32 bits.
  const std::int64_t d = FloorDiv<std::int64_t>(306001 * (std::int64_t{m} + 1), 10000);
  return static_cast<double>(b + c + d + day) + 1720994.5;  // every term whole, the sum exact
}

// The classic formula is written with decimal constants: with Z the day number,
//   alpha = Int((Z - 1867216.25) / 36524.25), A = Z + 1 + alpha - Int(alpha / 4),
//   B = A + 1524, C = Int((B - 122.1) / 365.25), D = Int(365.25 C), E = Int((B - D) / 30.6001),
//   day = B - D - Int(30.6001 E).
// Each quotient is done here in exact integers, scaled to whole numbers (4, 100 and 10000
// times). That gives the same results as doing it in doubles: no quotient is ever within
// 1/306001 of a whole number unless it is one, while the rounding of doubles moves a
// quotient by less than 1e-6 for day numbers below 2^40. Day numbers of 2^24 and beyond (more
// than 40,000 years from day 0, either way) give no year that fits 16 bits, so those, NaN and
// the infinities are the overflow error at once, and the rest fits 32-bit arithmetic.
GregorianDate JulianDayToGregorian(double jd) {
  const double day_number = std::floor(jd + 0.5);
  if (!(std::fabs(day_number) < 0x1p24)) Raise(kOverflow);
  const auto z = static_cast<std::int32_t>(day_number);  // (-2^24, 2^24)
  std::int32_t a = z;                                    // up to 4 October 1582 the Julian calendar
  if (z > 2299160) {
    const std::int32_t alpha = FloorDiv(4 * z - 7468865, 146097);  // [11, 408]
    a = z + 1 + alpha - FloorDiv(alpha, 4);
  }
  const std::int32_t b = a + 1524;
  const std::int32_t c = FloorDiv(100 * b - 12210, 36525);  // |100 b| < 2^31
  const std::int32_t d = FloorDiv(1461 * c, 4);
  const std::int32_t e = FloorDiv(10000 * (b - d), 306001);  // b - d in [123, 488]: e in [4, 15]
  const std::int32_t day = b - d - FloorDiv(306001 * e, 10000);
  const std::int32_t month = e <= 13 ? e - 1 : e - 13;
  const std::int32_t year = month >= 3 ? c - 4716 : c - 4715;
  return {Narrow16(year), Narrow16(month), Narrow16(day)};
}

std::string JDate2EnglishDate(double MyJulianDate, std::int32_t sepCode, std::int32_t style) {
  const GregorianDate date = JulianDayToGregorian(MyJulianDate);
  // The fields hold only digits and minus signs, so writing them with the wanted separator is
  // the same as writing them with "/" and replacing every "/" afterwards.
  return FormatYMD(date.year, date.month, date.day, sepCode, style);
}

}  // namespace sauramiti::SauramitiRoutine
