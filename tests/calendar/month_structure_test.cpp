#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <numeric>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <string_view>
#include <vector>

namespace sauramiti::SauramitiRoutine {
namespace {

TEST(MonthStructureTest, BsMonthLengthsOfKnownYears) {
  struct Year {
    std::int16_t year;
    std::array<std::int16_t, 12> lengths;
  };
  const std::vector<Year> years = {
      {2059, {31, 31, 32, 31, 31, 31, 30, 29, 30, 29, 30, 30}},
      {2080, {31, 32, 31, 32, 31, 30, 30, 30, 29, 29, 30, 30}},
      {2081, {31, 32, 31, 32, 31, 30, 30, 30, 29, 30, 29, 31}},
  };
  for (const Year& y : years) {
    for (std::int16_t m = 1; m <= 12; ++m) {
      EXPECT_EQ(GetDaysInMonth(y.year, m, disNepali), y.lengths[static_cast<std::size_t>(m - 1)])
          << y.year << "/" << m;
    }
  }
}

TEST(MonthStructureTest, MonthLengthsAcrossFormulaBoundariesAndAtTheEndOfTheRange) {
  struct Case {
    std::string_view name;
    std::int16_t year;
    std::int16_t month;
    std::int16_t days;
  };
  const std::vector<Case> cases = {
      {"coarse month before a fine one", 1940, 12, 30},
      {"fine month before a coarse one", 2156, 12, 30},
      // The month after 9999/12 is outside the range; the coarse formula still says where it
      // would begin.
      {"last month of the range", 9999, 12, 31},
      {"year 0", 0, 1, 0},
      {"year 10000", 10000, 1, 0},
      {"month 13", 2059, 13, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetDaysInMonth(c.year, c.month, disNepali), c.days) << c.name;
  }
  int days_of_9999 = 0;
  for (std::int16_t m = 1; m <= 12; ++m) days_of_9999 += GetDaysInMonth(9999, m, disNepali);
  EXPECT_EQ(days_of_9999, 366);
  EXPECT_EQ(GetFirstWeekDay(10000, 1), 0) << "the year after the range still has no months";
}

TEST(MonthStructureTest, GregorianMonthLengthsAndUnknownCalendars) {
  struct Case {
    std::string_view name;
    std::int16_t year;
    std::int16_t month;
    std::int32_t whatdate;
    std::int16_t days;
  };
  const std::vector<Case> cases = {
      {"leap February", 2000, 2, disEnglish, 29},
      {"century February", 1900, 2, disEnglish, 28},
      {"common February", 2001, 2, disEnglish, 28},
      {"April", 2001, 4, disEnglish, 30},
      {"December", 9999, 12, disEnglish, 31},
      {"year 0", 0, 2, disEnglish, 0},
      {"calendar 2", 2059, 1, 2, 0},
      {"calendar -1", 2059, 1, -1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetDaysInMonth(c.year, c.month, c.whatdate), c.days) << c.name;
  }
}

TEST(MonthStructureTest, WeekdaysCountOnFromTheFirstAndStopAtTheMonthsEnds) {
  // BS 2059/01/01 is a Sunday (1); Vaishaka 2059 has 31 days.
  struct Case {
    std::string_view name;
    std::int16_t year, month, day;
    std::int16_t weekday;
  };
  const std::vector<Case> cases = {
      {"first day", 2059, 1, 1, 1},
      {"seventh day, Saturday", 2059, 1, 7, 7},
      {"eighth day, Sunday again", 2059, 1, 8, 1},
      {"eighteenth day", 2059, 1, 18, 4},
      {"last day", 2059, 1, 31, 3},
      {"first of the second month follows the last", 2059, 2, 1, 4},
      {"a Saturday-first month wraps to Sunday", 1, 1, 2, 1},
      {"past the end", 2059, 1, 32, 0},
      {"far past the end", 2059, 1, 33, 0},
      {"day 0", 2059, 1, 0, 0},
      {"negative day", 2059, 1, -5, 0},
      {"smallest day", 2059, 1, -32768, 0},
      {"largest day", 2059, 1, 32767, 0},
      {"year 0", 0, 1, 1, 0},
      {"month 13", 2059, 13, 1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetWeekDay(c.year, c.month, c.day), c.weekday) << c.name;
  }
}

TEST(MonthStructureTest, ValidDatesLieWithinTheirCalendarsMonth) {
  struct Case {
    std::string_view name;
    std::int16_t year, month, day;
    std::int32_t whatdate;
    bool valid;
  };
  const std::vector<Case> cases = {
      {"last day of Vaishaka 2059", 2059, 1, 31, disNepali, true},
      {"one past it", 2059, 1, 32, disNepali, false},
      {"day 0", 2059, 1, 0, disNepali, false},
      {"leap day", 2000, 2, 29, disEnglish, true},
      {"no leap day", 2001, 2, 29, disEnglish, false},
      {"first day of the range", 1, 1, 1, disEnglish, true},
      {"year 10000", 10000, 1, 1, disEnglish, false},
      {"unknown calendar", 2059, 1, 1, 5, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsValidDate(c.year, c.month, c.day, c.whatdate), c.valid) << c.name;
  }
}

// Month lengths are served from a table; they must agree with the rule that defines them: the
// gap from the month's first weekday to the next month's, brought into 1 to 7, plus 28.
TEST(MonthStructureTest, EveryMonthLengthIsTheGapToTheNextMonthsFirstWeekday) {
  int mismatches = 0;
  for (std::int16_t y = 1; y <= 9998; ++y) {
    for (std::int16_t m = 1; m <= 12; ++m) {
      const std::int16_t next = m < 12 ? GetFirstWeekDay(y, static_cast<std::int16_t>(m + 1))
                                       : GetFirstWeekDay(static_cast<std::int16_t>(y + 1), 1);
      const int gap = (next - GetFirstWeekDay(y, m) + 7 - 1) % 7 + 1;  // [1, 7]
      if (GetDaysInMonth(y, m, disNepali) != 28 + gap && ++mismatches <= 10) {
        ADD_FAILURE() << y << "/" << m << ": " << GetDaysInMonth(y, m, disNepali) << " days, gap "
                      << gap;
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace sauramiti::SauramitiRoutine
