// The calendar's constant tables, its small numeric helpers and the date texts it writes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <sauramiti/calendar/calendar_tables.hpp>
#include <sauramiti/calendar/date_text.hpp>
#include <string>
#include <tests/base/outcome.hpp>
#include <vector>

namespace sauramiti::SauramitiRoutine {
namespace {

using testing::ExpectRows;

constexpr double kInf = std::numeric_limits<double>::infinity();
#define DIV "\xC3\xB7"  // the division sign, U+00F7, in UTF-8

TEST(CalendarTablesTest, MonthStartsAreTheRunningSumsOfTheSolarMonths) {
  // clang-format off
  const std::vector<double> starts = {
      0,            30.93474,     62.35472649,  93.99948143,  125.47486071, 156.49407385,
      186.93601886, 216.82975811, 246.32039822, 275.63819913, 305.08553480, 334.90584154,
      365.25875625};
  // clang-format on
  ASSERT_EQ(starts.size(), MonthStartTable.size());
  for (std::size_t i = 0; i < starts.size(); ++i) {
    EXPECT_NEAR(MonthStartTable[i], starts[i], 5e-9) << "entry " << i;
  }
}

TEST(CalendarTablesTest, HelpersAtTheirBoundaries) {
  // Adds whole steps until the value is above zero; the argument holds the result too.
  const auto stepped = [](double x) {
    const double result = AddUntilPositive(x, 7);
    return result == x || std::isnan(x) ? result : -1.0;
  };
  ExpectRows({
      {OUTCOME(stepped(-69.5)), "0.5"},
      {OUTCOME(stepped(-0.0)), "7"},
      {OUTCOME(stepped(-7.0)), "7"},
      {OUTCOME(stepped(3.0)), "3"},
      {OUTCOME(stepped(-1e17)), "error 6"},
      {OUTCOME(stepped(-kInf)), "error 6"},
      {OUTCOME(stepped(std::nan(""))), "nan"},
      // The place within the week keeps the fraction and the sign of the whole part.
      {OUTCOME(WeekPosition(6.75)), "6.75"},
      {OUTCOME(WeekPosition(14.0)), "0"},
      {OUTCOME(WeekPosition(-1.5)), "-1.5"},
      {OUTCOME(WeekPosition(2147483647.5)), "1.5"},
      {OUTCOME(WeekPosition(2147483648.0)), "error 6"},
      {OUTCOME(WeekPosition(std::nan(""))), "error 6"},
      {OUTCOME(GetAnchorBand(2000)), "0"},
      {OUTCOME(GetAnchorBand(2001)), "1"},
      {OUTCOME(GetAnchorBand(2020)), "1"},
      {OUTCOME(GetAnchorBand(2021)), "2"},
      {OUTCOME(GetAnchorBand(2031)), "3"},
      {OUTCOME(GetAnchorBand(2054)), "3"},
      {OUTCOME(GetAnchorBand(2055)), "4"},
      {OUTCOME(GetAnchorBand(32767)), "4"},
      {OUTCOME(IsGregorianLeapYear(1900)), "0"},
      {OUTCOME(IsGregorianLeapYear(2000)), "1"},
      {OUTCOME(IsGregorianLeapYear(2004)), "1"},
      {OUTCOME(IsGregorianLeapYear(-100)), "0"},
  });
}

TEST(DateTextTest, FieldsArePaddedOrderedByStyleAndJoinedByTheSeparator) {
  constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
  ExpectRows({
      {OUTCOME(SeparatorChar(sepdivsign)), DIV},
      {OUTCOME(SeparatorChar(kMax32)), ""},
      {OUTCOME(SeparatorChar(-1)), "error 5"},
      {OUTCOME(FormatYMD(2002, 4, 14, 1, 0)), "04-14-2002"},
      {OUTCOME(FormatYMD(2002, 4, 14, 1, 1)), "14-04-2002"},
      {OUTCOME(FormatYMD(2002, 4, 14, 2, 2)), "2002.04.14"},
      {OUTCOME(FormatYMD(2002, 4, 14, 4, 0)), "04142002"},
      {OUTCOME(FormatYMD(5, 1, 1, 0, 2)), "0005/01/01"},
      {OUTCOME(FormatYMD(12345, 1, 1, 0, 0)), "01/01/12345"},
      {OUTCOME(FormatYMD(-44, 4, 14, 0, 0)), "04/14/-0044"},
      {OUTCOME(FormatYMD(-32768, -32768, 32767, 3, 2)), "-32768" DIV "-32768" DIV "32767"},
      {OUTCOME(FormatYMD(2002, 4, 14, -1, 7)), "error 5"},
      {OUTCOME(ChangeSeparator("2059/01/01/1", 0, 3)), "2059" DIV "01" DIV "01" DIV "1"},
      {OUTCOME(ChangeSeparator("2059" DIV "01" DIV "01" DIV "1", 3, 2)), "2059.01.01.1"},
      {OUTCOME(ChangeSeparator("2059/01/01/1", 0, 5)), "205901011"},
      {OUTCOME(ChangeSeparator("a/b-c.d", 1, 0)), "a/b/c.d"},
      {OUTCOME(ChangeSeparator("1\xC3"
                               "2",
                               3, 0)),
       "1\xC3"
       "2"},
      // A source code of 4 or more has no character to look for.
      {OUTCOME(ChangeSeparator("2059/01/01/1", 4, 1)), "2059/01/01/1"},
      {OUTCOME(ChangeSeparator("2059/01/01/1", -1, -1)), "2059/01/01/1"},
      {OUTCOME(ChangeSeparator("2059/01/01/1", -1, 0)), "error 5"},
      {OUTCOME(ChangeSeparator("2059", 0, -2)), "error 5"},
  });
}

}  // namespace
}  // namespace sauramiti::SauramitiRoutine
