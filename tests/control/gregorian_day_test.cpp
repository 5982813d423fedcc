// The ShowGregorianDay extension, through what the headless host's day cells and panels report.
#include <gtest/gtest.h>

#include <cstdio>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/view/name_tables.hpp>
#include <string>
#include <tests/control/control_test_support.hpp>

namespace sauramiti::testing {
namespace {

namespace R = SauramitiRoutine;

class GregorianDayTest : public LiveControl {
 protected:
  // The Gregorian day, month and year of the selected date, read off DateAD ("mm/dd/yyyy").
  void GregorianOfSelection(int& month, int& day, int& year) {
    ASSERT_EQ(std::sscanf(control.DateAD().c_str(), "%d/%d/%d", &month, &day, &year), 3)
        << control.DateAD();
  }
  int HighlightedCell() {
    for (int j = 0; j < 35; ++j) {
      if (Day(j).S3() == 0) return j;
    }
    return -1;
  }
  std::string EnglishMonth(int month) {
    return R::EnglishMonthNames[static_cast<std::size_t>(month)];
  }
};

// Every day of a spread of months: the selected day's cell carries the Gregorian day the
// control's own conversion gives (DateAD); the panel names the Gregorian months of the first and
// the last day of the BS month. Off (a new instance's), no cell has a corner and the panel is
// the original's.
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
      int m1 = 0, y1 = 0, mn = 0, dn = 0, yn = 0;
      control.Value(ValueOf(y, m, days));
      GregorianOfSelection(mn, dn, yn);
      for (int d = 1; d <= days; ++d) {
        control.Value(ValueOf(y, m, d));
        int gm = 0, gd = 0, gy = 0;
        GregorianOfSelection(gm, gd, gy);
        if (d == 1) m1 = gm, y1 = gy;
        const int cell = HighlightedCell();
        ASSERT_GE(cell, 0);
        ASSERT_EQ(Day(cell).Caption(), std::to_string(d));
        ASSERT_EQ(Day(cell).CornerText(), std::to_string(gd)) << y << "/" << m << "/" << d;
      }
      std::string months;
      if (y1 != yn) {
        months = EnglishMonth(m1) + " " + std::to_string(y1) + "/" + EnglishMonth(mn) + " " +
                 std::to_string(yn);
      } else if (m1 != mn) {
        months = EnglishMonth(m1) + "/" + EnglishMonth(mn) + " " + std::to_string(yn);
      } else {
        months = EnglishMonth(m1) + " " + std::to_string(y1);
      }
      EXPECT_EQ(Label("Label2").Caption(), control.EngStrDate() + " (" + months + ")");
      for (int j = 0; j < 35; ++j) {
        if (Day(j).Caption().empty()) {
          EXPECT_EQ(Day(j).CornerText(), "") << j;
        }
      }
    }
  }
  control.ShowGregorianDay(0);
  expectOff();
}

}  // namespace
}  // namespace sauramiti::testing
