#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <string>
#include <string_view>
#include <tests/base/error_number.hpp>
#include <vector>

namespace sauramiti::SauramitiRoutine {
namespace {

using testing::ErrorNumberOf;

constexpr double kInf = std::numeric_limits<double>::infinity();

struct CountCase {
  std::string_view name;
  std::int16_t year, month, day, weekday;
  double count;
};

void ExpectCounts(const std::vector<CountCase>& cases) {
  for (const CountCase& c : cases) {
    EXPECT_EQ(GetKaliAhargana(c.year, c.month, c.day, c.weekday), c.count) << c.name;
  }
}

TEST(KaliAharganaTest, FirstDaysOfKnownYears) {
  ExpectCounts({
      {"2059, a Sunday", 2059, 1, 1, 9, 1863913},
      {"2000, a Wednesday", 2000, 1, 1, 9, 1842363},
      {"2080, a Friday", 2080, 1, 1, 9, 1871583},
      {"2081, a Saturday", 2081, 1, 1, 9, 1871948},
      {"first day of the range", 1, 1, 1, 9, 1112210},
      {"first day of the last year", 9999, 1, 1, 9, 4764067},
      {"weekday given and right", 2059, 1, 1, 1, 1863913},
  });
}

TEST(KaliAharganaTest, RejectedDatesGiveZero) {
  ExpectCounts({
      {"day past the month", 2059, 1, 32, 9, 0},
      {"day far past the month", 2059, 1, 33, 9, 0},
      {"day 0", 2059, 1, 0, 9, 0},
      {"year 0", 0, 1, 1, 9, 0},
      {"year 10000", 10000, 1, 1, 9, 0},
      {"month 13", 2059, 13, 1, 9, 0},
      {"weekday 0", 2059, 1, 1, 0, 0},
      {"weekday 8", 2059, 1, 1, 8, 0},
      {"weekday 10", 2059, 1, 1, 10, 0},
      {"weekday -1", 2059, 1, 1, -1, 0},
      {"weekday given, year 0", 0, 1, 1, 3, 0},
      {"weekday given, month 0", 2059, 0, 1, 3, 0},
  });
}

// With a weekday the day is not checked; the count is the one with that weekday nearest to the
// estimate for the day, which may lie past the month's end.
TEST(KaliAharganaTest, AGivenWeekdayPlacesAnyDay) {
  ExpectCounts({
      {"day 40 of a 31-day month", 2059, 1, 40, 3, 1863950},
      // The estimates of 1948/04/32 and 1948/05/01 coincide; each date still gets the count of
      // its own weekday, next to the other's.
      {"last day of a 32-day month", 1948, 4, 32, 7, 1823494},
      {"first day of the next month", 1948, 5, 1, 1, 1823495},
      {"first day of the next month, not given", 1948, 5, 1, 9, 1823495},
  });
  EXPECT_EQ(GetDaysInMonth(1948, 4, disNepali), 32);
  // Whatever the weekday, the count lies within three days of the estimate, so within six of
  // the date's own count, and falls on that weekday (Friday is residue 0, Sunday, code 1, is 2).
  for (const std::int16_t day : {std::int16_t{1}, std::int16_t{15}, std::int16_t{31}}) {
    const double own = GetKaliAhargana(2059, 1, day);
    for (std::int16_t w = 1; w <= 7; ++w) {
      const double count = GetKaliAhargana(2059, 1, day, w);
      EXPECT_LE(std::fabs(count - own), 6) << "day " << day << ", weekday " << w;
      EXPECT_EQ(static_cast<int>(std::fmod(count, 7)), (w + 1) % 7)
          << "day " << day << ", weekday " << w;
    }
  }
}

struct TextCase {
  std::string_view name;
  double count;
  std::int32_t sepCode;
  std::string_view text;  // when error is 0
  std::int32_t error;
};

void ExpectTexts(const std::vector<TextCase>& cases) {
  for (const TextCase& c : cases) {
    std::string got;
    EXPECT_EQ(ErrorNumberOf([&] { got = AharGana2NepaliDate(c.count, c.sepCode); }), c.error)
        << c.name;
    if (c.error == 0) {
      EXPECT_EQ(got, c.text) << c.name;
    }
  }
}

TEST(KaliAharganaTest, CountsBackToDatesWithEverySeparator) {
  ExpectTexts({
      {"slash", 1863913, sepSlash, "2059/01/01/1", 0},
      {"dash", 1863913, sepDash, "2059-01-01-1", 0},
      {"dot", 1863913, sepDot, "2059.01.01.1", 0},
      {"division sign", 1863913, sepdivsign,
       "2059\xC3\xB7"
       "01\xC3\xB7"
       "01\xC3\xB7"
       "1",
       0},
      {"no separator", 1863913, 4, "205901011", 0},
      {"negative separator", 1863913, -1, "", kInvalidProcedureCall},
      {"first day of the range", 1112210, sepSlash, "0001/01/01/7", 0},
      {"first day of the last year", 4764067, sepSlash, "9999/01/01/6", 0},
      {"last day of a year", 1863912, sepSlash, "2058/12/31/7", 0},
  });
}

// A fractional count picks its month by the count as it is and rounds only the day, half to
// even; a day that rounds one past its month's end is the first of the next month.
TEST(KaliAharganaTest, FractionalCountsRoundTheDayWithinTheMonth) {
  ExpectTexts({
      {"0.4 past a midnight", 1863913.4, sepSlash, "2059/01/01/1", 0},
      {"half past the first day rounds to day 2", 1863913.5, sepSlash, "2059/01/02/2", 0},
      {"half past the second day stays on day 2", 1863914.5, sepSlash, "2059/01/02/2", 0},
      {"0.6 past a midnight", 1863913.6, sepSlash, "2059/01/02/2", 0},
      {"0.4 before a year", 1863912.6, sepSlash, "2059/01/01/1", 0},
      {"half before a year after a 31-day month", 1863912.5, sepSlash, "2059/01/01/1", 0},
      {"0.6 before a year", 1863912.4, sepSlash, "2058/12/31/7", 0},
  });
}

TEST(KaliAharganaTest, CountsOutsideTheRangeAreErrors) {
  ExpectTexts({
      {"one before the range", 1112209, sepSlash, "", kSubscriptOutOfRange},
      {"a fraction before the range", 1112209.9, sepSlash, "", kSubscriptOutOfRange},
      {"zero", 0, sepSlash, "", kSubscriptOutOfRange},
      {"negative", -1, sepSlash, "", kSubscriptOutOfRange},
      {"hugely negative", -1e308, sepSlash, "", kSubscriptOutOfRange},
      {"minus infinity", -kInf, sepSlash, "", kOverflow},
      {"infinity", kInf, sepSlash, "", kOverflow},
      {"NaN", std::nan(""), sepSlash, "", kOverflow},
      {"third day of the last year", 4764069, sepSlash, "9999/01/03/1", 0},
      {"fourth day of the last year", 4764070, sepSlash, "", kSubscriptOutOfRange},
      {"a year into the last year", 4764067 + 365, sepSlash, "", kSubscriptOutOfRange},
      {"well past the range", 1e7, sepSlash, "", kSubscriptOutOfRange},
      {"year estimate overflows 16 bits", 3e7, sepSlash, "", kOverflow},
      {"largest double", 1e308, sepSlash, "", kOverflow},
  });
}

TEST(KaliAharganaTest, YearStartsAndMonthTables) {
  EXPECT_EQ(GetYearStartAhargana(2059), 1863913);
  EXPECT_EQ(GetYearStartAhargana(0), 0);
  EXPECT_EQ(GetYearStartAhargana(10000), 0);
  EXPECT_EQ(GetYearStartAhargana(-32768), 0);

  // 2059: months of 31, 31, 32, 31, 31, 31, 30, 29, 30, 29, 30, 30 days; the year after it
  // begins 365 days (52 weeks and a day) after its Sunday, on a Monday.
  const YearMonthTable table = BuildMonthTables(2059);
  const std::vector<std::int16_t> ends = {0,   31,  62,  94,  125, 156, 187,
                                          217, 246, 276, 305, 335, 365};
  for (std::size_t i = 0; i < ends.size(); ++i) {
    EXPECT_EQ(table.DaysToMonthEnd[i], ends[i]) << "end of month " << i;
  }
  EXPECT_EQ(table.FirstWeekDays[1], 1);
  EXPECT_EQ(table.FirstWeekDays[13], 2);
  EXPECT_EQ(BuildMonthTables(9999).MonthDays[12], 31);
  EXPECT_EQ(BuildMonthTables(9999).DaysToMonthEnd[12], 366);
}

}  // namespace
}  // namespace sauramiti::SauramitiRoutine
