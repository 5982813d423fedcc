#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <sauramiti/calendar/calendar_tables.hpp>
#include <sauramiti/convert/julian_day.hpp>
#include <string>
#include <string_view>
#include <tests/base/error_number.hpp>
#include <vector>

namespace sauramiti::SauramitiRoutine {
namespace {

using testing::ErrorNumberOf;

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(JulianDayTest, GregorianDatesToJulianDays) {
  struct Case {
    std::string_view name;
    std::int16_t year, month, day;
    double julian;
  };
  const std::vector<Case> cases = {
      {"2000-01-01", 2000, 1, 1, 2451544.5},
      {"2002-04-14", 2002, 4, 14, 2452378.5},
      {"first Gregorian day", 1582, 10, 15, 2299160.5},
      {"proleptic Gregorian before the switch", 1582, 10, 10, 2299155.5},
      {"proleptic 0001-01-01", 1, 1, 1, 1721425.5},
      {"last day of 9999", 9999, 12, 31, 5373483.5},
      {"February counts in the year before", 2000, 2, 29, 2451603.5},
      {"first of March after a leap day", 2000, 3, 1, 2451604.5},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GregorianToJulianDay(c.year, c.month, c.day), c.julian) << c.name;
  }
}

struct DateCase {
  std::string_view name;
  double julian;
  GregorianDate date;  // when error is 0
  std::int32_t error;
};

TEST(JulianDayTest, JulianDaysToCalendarDates) {
  const std::vector<DateCase> cases = {
      {"2000-01-01 at midnight", 2451544.5, {2000, 1, 1}, 0},
      {"2000-01-01 at noon", 2451545.0, {2000, 1, 1}, 0},
      {"just before the next midnight", 2451545.4999999, {2000, 1, 1}, 0},
      {"the next midnight", 2451545.5, {2000, 1, 2}, 0},
      {"end of January, never a day 32", 2451575.0, {2000, 1, 31}, 0},
      {"leap day", 2451603.5, {2000, 2, 29}, 0},
      {"first Gregorian day", 2299160.5, {1582, 10, 15}, 0},
      {"last Julian-calendar day", 2299159.5, {1582, 10, 4}, 0},
      {"10 October 1582 reads back in the Julian calendar", 2299155.5, {1582, 9, 30}, 0},
      {"Kali epoch", 588465.5, {-3101, 2, 18}, 0},
      {"Julian-calendar 0001-01-01", 1721423.5, {1, 1, 1}, 0},
      {"year 0", 1721057.5, {0, 1, 1}, 0},
      {"day 0", 0, {-4712, 1, 1}, 0},
      {"negative zero", -0.0, {-4712, 1, 1}, 0},
      {"half a day before day 0 is still its date", -0.5, {-4712, 1, 1}, 0},
      {"just before that", -0.5000001, {-4713, 12, 31}, 0},
      {"year 10000", 5373484.5, {10000, 1, 1}, 0},
      {"last day of year 32767", 13689324.5, {32767, 12, 31}, 0},
      {"first day of year 32768", 13689325.5, {}, kOverflow},
      {"first day of year -32768", -10247454.5, {-32768, 1, 1}, 0},
      {"last day of year -32769", -10247455.5, {}, kOverflow},
      {"tiny", DBL_MIN, {-4712, 1, 1}, 0},
      {"2^53", 9007199254740992.0, {}, kOverflow},
      {"largest double", DBL_MAX, {}, kOverflow},
      {"smallest double", -DBL_MAX, {}, kOverflow},
      {"infinity", kInf, {}, kOverflow},
      {"minus infinity", -kInf, {}, kOverflow},
      {"NaN", std::nan(""), {}, kOverflow},
  };
  for (const DateCase& c : cases) {
    GregorianDate got;
    EXPECT_EQ(ErrorNumberOf([&] { got = JulianDayToGregorian(c.julian); }), c.error) << c.name;
    if (c.error == 0) {
      EXPECT_EQ(got, c.date) << c.name << ": " << got.year << "-" << got.month << "-" << got.day;
    }
  }
}

// The day-to-date formula as it is classically written, in doubles with floors.
GregorianDate ClassicJulianDayToDate(double jd) {
  const double z = std::floor(jd + 0.5);
  double a = z;
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
  return {static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
          static_cast<std::int16_t>(day)};
}

TEST(JulianDayTest, AgreesWithTheClassicFormulaInDoublesOverTheWholeYearRange) {
  // From year -32768 to 32767: every eleventh day (a step prime to the week, the month and the
  // leap cycles), at its midnight, its noon, a random moment and its last moment.
  std::mt19937_64 random(20020414);
  std::uniform_real_distribution<double> time_of_day(0.0, 1.0);
  int mismatches = 0;
  for (double z = -10247454; z <= 13689324; z += 11) {
    for (const double jd :
         {z - 0.5, z, z + time_of_day(random) - 0.5, std::nextafter(z + 0.5, z)}) {
      const GregorianDate want = ClassicJulianDayToDate(jd);
      const GregorianDate got = JulianDayToGregorian(jd);
      if (!(got == want) && ++mismatches <= 10) {
        ADD_FAILURE() << "jd " << jd << ": " << got.year << "-" << got.month << "-" << got.day
                      << ", classic " << want.year << "-" << want.month << "-" << want.day;
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(JulianDayTest, EveryGregorianDateFromTheSwitchOnComesBack) {
  double previous = GregorianToJulianDay(1582, 10, 14);
  int mismatches = 0;
  for (std::int16_t y = 1582; y <= 9999; ++y) {
    for (std::int16_t m = 1; m <= 12; ++m) {
      const int length = m == 2 ? (IsGregorianLeapYear(y) ? 29 : 28)
                                : (m == 4 || m == 6 || m == 9 || m == 11 ? 30 : 31);
      for (std::int16_t d = 1; d <= length; ++d) {
        if (y == 1582 && (m < 10 || (m == 10 && d < 15))) continue;
        const double jd = GregorianToJulianDay(y, m, d);
        const GregorianDate back = JulianDayToGregorian(jd);
        const bool ok = jd == previous + 1 && back == GregorianDate{y, m, d};
        if (!ok && ++mismatches <= 10) ADD_FAILURE() << y << "-" << m << "-" << d << ": " << jd;
        previous = jd;
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(JulianDayTest, JDate2EnglishDateWritesTheDateInEachStyleAndSeparator) {
  struct Case {
    std::string_view name;
    double julian;
    std::int32_t sepCode, style;
    std::string_view text;
    std::int32_t error;
  };
  const std::vector<Case> cases = {
      {"defaults", 2451544.5, sepSlash, datmmddyyyy, "01/01/2000", 0},
      {"dash, year first", 2451544.5, sepDash, datyyyymmdd, "2000-01-01", 0},
      {"dot", 2451544.5, sepDot, datmmddyyyy, "01.01.2000", 0},
      {"division sign, day first", 2451544.5, sepdivsign, datddmmyyyy,
       "01\xC3\xB7"
       "01\xC3\xB7"
       "2000",
       0},
      {"no separator", 2452378.5, 4, datmmddyyyy, "04142002", 0},
      {"unknown style", 2452378.5, sepSlash, 3, "", 0},
      {"five-digit year", 5373484.5, sepSlash, datmmddyyyy, "01/01/10000", 0},
      {"negative year", 0, sepSlash, datmmddyyyy, "01/01/-4712", 0},
      {"negative year with dashes", 0, sepDash, datyyyymmdd, "-4712-01-01", 0},
      {"negative separator", 2451544.5, -1, datmmddyyyy, "", kInvalidProcedureCall},
      {"year out of range", 13689325.5, sepSlash, datmmddyyyy, "", kOverflow},
      {"NaN", std::nan(""), sepSlash, datmmddyyyy, "", kOverflow},
  };
  for (const Case& c : cases) {
    std::string got;
    EXPECT_EQ(ErrorNumberOf([&] { got = JDate2EnglishDate(c.julian, c.sepCode, c.style); }),
              c.error)
        << c.name;
    if (c.error == 0) {
      EXPECT_EQ(got, c.text) << c.name;
    }
  }
  EXPECT_EQ(JDate2EnglishDate(2451544.5), "01/01/2000") << "omitted options";
}

}  // namespace
}  // namespace sauramiti::SauramitiRoutine
