#include <gtest/gtest.h>

#include <cstdint>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/year_structure_cache.hpp>
#include <string_view>
#include <vector>

namespace sauramiti::SauramitiRoutine {
namespace {

struct Case {
  std::string_view name;
  std::int16_t year;
  std::int16_t month;
  std::int16_t weekday;
};

TEST(FirstWeekDayTest, KnownMonthsFromEveryFormula) {
  const std::vector<Case> cases = {
      {"fine formula, Sunday", 2059, 1, 1},
      {"fine formula, second month", 2059, 2, 4},
      {"fine formula, band 0", 2000, 1, 4},
      {"override table, first month", 1954, 1, 2},
      {"override table, second month", 1954, 2, 5},
      {"coarse formula before the fine range", 1940, 1, 5},
      {"last month before the fine range", 1940, 12, 4},
      {"first month of the fine range", 1941, 1, 6},
      {"last month of the fine range", 2156, 12, 3},
      {"coarse formula after the fine range", 2157, 1, 5},
      {"first year of the range", 1, 1, 7},
      {"year 0", 0, 1, 0},
      {"year 10000", 10000, 1, 0},
      {"negative year", -1, 1, 0},
      {"month 0", 2059, 0, 0},
      {"month 13", 2059, 13, 0},
      {"negative month", 2059, -32768, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetFirstWeekDay(c.year, c.month), c.weekday) << c.name;
  }
}

TEST(FirstWeekDayTest, ListedYearsTakeEveryMonthFromTheOverrideTable) {
  struct Row {
    std::int16_t year;
    std::string_view weekdays;  // character m: first weekday of month m
  };
  const std::vector<Row> rows = {
      {1954, "251414713561"}, {1966, "362625134672"}, {1970, "147473612457"},
      {1977, "352525124571"}, {1981, "147373672457"}, {1989, "473636245713"},
      {1997, "736362571346"}, {2008, "736262561345"}, {2031, "137373572456"},
      {2035, "615151457234"}, {2039, "473636235713"},
  };
  for (const Row& row : rows) {
    for (std::int16_t m = 1; m <= 12; ++m) {
      const auto want =
          static_cast<std::int16_t>(row.weekdays[static_cast<std::size_t>(m - 1)] - '0');
      EXPECT_EQ(LookupFirstWeekDayOverride(row.year, m), want) << row.year << "/" << m;
      EXPECT_EQ(GetFirstWeekDay(row.year, m), want) << row.year << "/" << m;
    }
  }
  EXPECT_EQ(LookupFirstWeekDayOverride(2059, 1), 0) << "a year not listed";
  EXPECT_EQ(LookupFirstWeekDayOverride(1954, 0), 0) << "month 0 of a listed year";
  EXPECT_EQ(LookupFirstWeekDayOverride(1954, 13), 0) << "month 13 of a listed year";
}

// The table serves every month of the range; it must hold exactly what the formulas give: the
// fine formula for 1941 to 2156, the coarse one elsewhere.
TEST(FirstWeekDayTest, TableEqualsTheFormulasForEveryMonthOfTheRange) {
  int mismatches = 0;
  for (std::int16_t y = 1; y <= 9999; ++y) {
    const bool fine = y >= 1941 && y <= 2156;
    for (std::int16_t m = 1; m <= 12; ++m) {
      const std::int16_t direct =
          fine ? CalcFirstWeekDayInRange(y, m) : CalcFirstWeekDayOutOfRange(y, m);
      const std::int16_t served = GetFirstWeekDay(y, m);
      if (served != direct || served < 1 || served > 7) {
        if (++mismatches <= 10)
          ADD_FAILURE() << y << "/" << m << ": table " << served << ", formula " << direct;
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace sauramiti::SauramitiRoutine
