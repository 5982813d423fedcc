// The ShowGregorianDay extension, through what the headless host's day cells and panels report.
#include <gtest/gtest.h>

#include <cstdio>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <string>
#include <tests/control/control_test_support.hpp>

namespace sauramiti::testing {
namespace {

namespace R = SauramitiRoutine;

class GregorianDayTest : public LiveControl {
 protected:
  int HighlightedCell() {
    for (int j = 0; j < 35; ++j) {
      if (Day(j).S3() == 0) return j;
    }
    return -1;
  }
};

// Every day of a spread of months: the selected day's cell carries the Gregorian day the
// control's own conversion gives (DateAD), and empty cells carry none; the panel names the
// Gregorian months the BS month spans. Off (a new instance's), no cell has a corner and the
// panel is the original's.
TEST_F(GregorianDayTest, EachCellCarriesTheGregorianDayOfItsDate) {
  const auto expectOff = [&] {
    for (int j = 0; j < 35; ++j) EXPECT_EQ(Day(j).CornerText(), "") << j;
    EXPECT_EQ(Label("Label2").Caption(), control.EngStrDate());
  };
  expectOff();
  control.ShowGregorianDay(-1);
  EXPECT_EQ(Events(), (std::vector<std::string>{"PropertyChanged ShowGregorianDay"}));
  for (int y = 2000; y <= 2100; y += 7) {
    for (int m = 1; m <= 12; m += 5) {
      const int days =
          R::GetDaysInMonth(static_cast<std::int16_t>(y), static_cast<std::int16_t>(m), disNepali);
      for (int d = 1; d <= days; ++d) {
        control.Value(ValueOf(y, m, d));
        int gm = 0, gd = 0, gy = 0;
        ASSERT_EQ(std::sscanf(control.DateAD().c_str(), "%d/%d/%d", &gm, &gd, &gy), 3);
        const int cell = HighlightedCell();
        ASSERT_GE(cell, 0);
        ASSERT_EQ(Day(cell).Caption(), std::to_string(d));
        ASSERT_EQ(Day(cell).CornerText(), std::to_string(gd)) << y << "/" << m << "/" << d;
      }
      for (int j = 0; j < 35; ++j) {
        if (Day(j).Caption().empty()) {
          EXPECT_EQ(Day(j).CornerText(), "") << j;
        }
      }
    }
  }
  const std::pair<int, const char*> panels[] = {{1, " (April/May 2002)"},
                                                {9, " (December 2002/January 2003)"}};
  for (const auto& [month, months] : panels) {
    control.Value(ValueOf(2059, month, 15));
    EXPECT_EQ(Label("Label2").Caption(), control.EngStrDate() + months);
  }
  control.ShowGregorianDay(0);
  expectOff();
}

}  // namespace
}  // namespace sauramiti::testing
