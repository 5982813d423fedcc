#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <sauramiti/calendar/calendar_tables.hpp>
#include <string_view>
#include <tests/base/error_number.hpp>
#include <vector>

namespace sauramiti::SauramitiRoutine {
namespace {

using testing::ErrorNumberOf;

TEST(CalendarTablesTest, MonthStartsAreTheRunningSumsOfTheSolarMonths) {
  // The offsets of the month starts within the year, to 8 decimals, and the year's length.
  const std::vector<double> starts = {0,
                                      30.93474,
                                      62.35472649,
                                      93.99948143,
                                      125.47486071,
                                      156.49407385,
                                      186.93601886,
                                      216.82975811,
                                      246.32039822,
                                      275.63819913,
                                      305.08553480,
                                      334.90584154,
                                      365.25875625};
  ASSERT_EQ(starts.size(), MonthStartTable.size());
  for (std::size_t i = 0; i < starts.size(); ++i) {
    EXPECT_NEAR(MonthStartTable[i], starts[i], 5e-9) << "entry " << i;
  }
  EXPECT_EQ(MonthLengthTable[0], 0.0);
  EXPECT_EQ(MonthStartTable[0], 0.0);
}

TEST(CalendarTablesTest, RangeChecksExcludeTheirBounds) {
  struct Case {
    std::string_view name;
    bool got;
    bool want;
  };
  const std::vector<Case> cases = {
      {"year 0", IsValidYear(0), false},           {"year 1", IsValidYear(1), true},
      {"year 9999", IsValidYear(9999), true},      {"year 10000", IsValidYear(10000), false},
      {"year -32768", IsValidYear(-32768), false}, {"month 0", IsValidMonth(0), false},
      {"month 1", IsValidMonth(1), true},          {"month 12", IsValidMonth(12), true},
      {"month 13", IsValidMonth(13), false},       {"weekday 0", IsValidWeekDay(0), false},
      {"weekday 1", IsValidWeekDay(1), true},      {"weekday 7", IsValidWeekDay(7), true},
      {"weekday 8", IsValidWeekDay(8), false},     {"weekday 9", IsValidWeekDay(9), false},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
}

TEST(CalendarTablesTest, AddUntilPositiveStepsIntoZeroToSevenAndUpdatesItsArgument) {
  struct Case {
    std::string_view name;
    double x;
    double result;
  };
  const std::vector<Case> cases = {
      {"eleven steps", -70.2556961, 6.7443039},    {"zero takes one step", 0.0, 7.0},
      {"negative zero takes one step", -0.0, 7.0}, {"exactly minus one step", -7.0, 7.0},
      {"positive is left alone", 3.0, 3.0},        {"large positive is left alone", 1e300, 1e300},
  };
  for (const Case& c : cases) {
    double x = c.x;
    const double got = AddUntilPositive(x, 7);
    EXPECT_NEAR(got, c.result, 1e-9) << c.name;
    EXPECT_EQ(x, got) << c.name << ": the argument holds the result";
  }
}

TEST(CalendarTablesTest, AddUntilPositiveFailsWhereNoNumberOfStepsCanHelp) {
  for (const double x : {-std::numeric_limits<double>::infinity(), -1e300, -1e17}) {
    double copy = x;
    EXPECT_EQ(ErrorNumberOf([&] { AddUntilPositive(copy, 7); }), kOverflow) << x;
  }
  double nan = std::nan("");
  EXPECT_TRUE(std::isnan(AddUntilPositive(nan, 7)));
}

TEST(CalendarTablesTest, WeekPositionKeepsTheFractionAndTheSignOfTheWholePart) {
  struct Case {
    std::string_view name;
    double x;
    double position;
    std::int32_t error;
  };
  const std::vector<Case> cases = {
      {"into the second week", 8.2955754, 1.2955754, 0},
      {"a whole week", 14.0, 0.0, 0},
      {"last moment of a week", 6.75, 6.75, 0},
      {"negative keeps its sign", -1.5, -1.5, 0},
      {"negative whole weeks", -14.0, 0.0, 0},
      {"largest 32-bit whole part", 2147483647.5, 1.5, 0},
      {"whole part beyond 32 bits", 2147483648.0, 0, kOverflow},
      {"NaN", std::nan(""), 0, kOverflow},
      {"infinity", std::numeric_limits<double>::infinity(), 0, kOverflow},
  };
  for (const Case& c : cases) {
    double got = 0;
    EXPECT_EQ(ErrorNumberOf([&] { got = WeekPosition(c.x); }), c.error) << c.name;
    if (c.error == 0) {
      EXPECT_NEAR(got, c.position, 1e-9) << c.name;
    }
  }
}

TEST(CalendarTablesTest, AnchorBandsChangeAtTheirFirstYears) {
  struct Case {
    std::int16_t year;
    std::int16_t band;
  };
  const std::vector<Case> cases = {{-32768, 0}, {1, 0},    {2000, 0}, {2001, 1}, {2020, 1},
                                   {2021, 2},   {2030, 2}, {2031, 3}, {2054, 3}, {2055, 4},
                                   {2156, 4},   {9999, 4}, {32767, 4}};
  for (const Case& c : cases) EXPECT_EQ(GetAnchorBand(c.year), c.band) << "year " << c.year;
}

TEST(CalendarTablesTest, GregorianLeapYearsFollowTheCenturyRule) {
  struct Case {
    std::int16_t year;
    bool leap;
  };
  const std::vector<Case> cases = {{1900, false}, {2000, true}, {2004, true}, {2100, false},
                                   {2001, false}, {1600, true}, {4, true},    {1, false},
                                   {0, true},     {-4, true},   {-100, false}};
  for (const Case& c : cases) EXPECT_EQ(IsGregorianLeapYear(c.year), c.leap) << "year " << c.year;
}

}  // namespace
}  // namespace sauramiti::SauramitiRoutine
