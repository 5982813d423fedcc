// The SixWeeks extension, through what the headless host's day cells report.
#include <gtest/gtest.h>

#include <cmath>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/control/property_table.hpp>
#include <string>
#include <tests/control/control_test_support.hpp>
#include <utility>

namespace sauramiti::testing {
namespace {

namespace R = SauramitiRoutine;

// Every child's report that a person could see: caption, enabled, visible, place and look.
std::string Report(HookedHost& host, int cells) {
  std::string text;
  for (int j = 0; j < cells; ++j) {
    const auto& c = *host.inner.FindLabel("lblDay(" + std::to_string(j) + ")");
    text += c.Caption() + (c.Enabled() ? "+" : "-") + (c.Visible() ? "v" : "h") +
            std::to_string(c.Left()) + "," + std::to_string(c.Top()) + "," +
            std::to_string(c.Width()) + "," + std::to_string(c.Height()) + "," +
            std::to_string(c.FontSize()) + "," + std::to_string(c.S3()) + "," +
            std::to_string(c.ForeColor()) + ";";
  }
  return text;
}

// Asadh 2059 starts on a Saturday and has 32 days: its days run to cell 37, past the fifth week.
constexpr int kYear = 2059, kMonth = 3, kFirst = 7;

class SixWeeksTest : public LiveControl {};

// Day d of a month whose day 1 is weekday w sits in cell w - 1 + d - 1, never wrapping; the
// other cells are empty and disabled; the selected day carries the highlight. Every month shape
// of the calendar's range around today, 32-day months starting Friday or Saturday included.
TEST_F(SixWeeksTest, EveryMonthShapeRunsOnWithoutWrapping) {
  control.SixWeeks(-1);
  EXPECT_EQ(Events(), (std::vector<std::string>{"PropertyChanged SixWeeks"}));
  int lateLongMonths = 0;
  for (int y = 2000; y <= 2100; ++y) {
    for (int m = 1; m <= 12; ++m) {
      const int first =
          R::GetFirstWeekDay(static_cast<std::int16_t>(y), static_cast<std::int16_t>(m));
      const int days =
          R::GetDaysInMonth(static_cast<std::int16_t>(y), static_cast<std::int16_t>(m), disNepali);
      if (first - 1 + days > 35) ++lateLongMonths;
      const int selected = days;  // the last day: the one that would wrap without six weeks
      control.Value(ValueOf(y, m, selected));
      for (int j = 0; j < 42; ++j) {
        const int d = j - (first - 1) + 1;
        const std::string want = d >= 1 && d <= days ? std::to_string(d) : "";
        ASSERT_EQ(Day(j).Caption(), want) << y << "/" << m << " cell " << j;
        ASSERT_EQ(Day(j).Enabled(), !want.empty()) << y << "/" << m << " cell " << j;
        ASSERT_TRUE(Day(j).Visible()) << j;
        ASSERT_EQ(Day(j).S3() == 0, d == selected) << y << "/" << m << " cell " << j;
      }
    }
  }
  EXPECT_GT(lateLongMonths, 0);  // months that wrap in the original view were among them
}

// The grid has seven bands (headers and six weeks) where the original has six; all sizes and
// places follow Frame2 as the original's do, and fonts scale with the smaller cells.
TEST_F(SixWeeksTest, LayoutScalesToSevenBandsInBothArrangements) {
  for (const std::int16_t vertical : {std::int16_t{0}, std::int16_t{-1}}) {
    control.Vertical(vertical);
    control.SixWeeks(0);
    const double originalFont = Day(0).FontSize();
    control.SixWeeks(-1);
    const auto& frame2 = *host.inner.FindFrame("Frame2");
    const double fw = frame2.Width(), fh = frame2.Height();
    const bool across = vertical == 0;      // weeks in rows: the bands run down Frame2
    const double depth = across ? fh : fw;  // what the seven bands share
    for (int j = 0; j < 42; ++j) {
      const auto& cell = Day(j);
      const auto& header = Header(j % 7);
      EXPECT_FLOAT_EQ(across ? cell.Top() : cell.Left(),
                      static_cast<float>((j / 7 + 1) * depth / 7.0))
          << j;
      EXPECT_FLOAT_EQ(cell.Height(), static_cast<float>(fh / 7.0)) << j;
      EXPECT_FLOAT_EQ(cell.Width(), static_cast<float>(fw / 7.0)) << j;
      EXPECT_EQ(across ? cell.Left() : cell.Top(), across ? header.Left() : header.Top()) << j;
    }
    // The last week ends at Frame2's edge, as the fifth does in the original.
    const auto& last = Day(41);
    EXPECT_NEAR(across ? last.Top() + last.Height() : last.Left() + last.Width(), depth, 0.01);
    const double expectedFont = std::sqrt(double{Day(0).Width()} * Day(0).Height()) / 40;
    EXPECT_NEAR(Day(0).FontSize(), expectedFont, 1e-4);
    EXPECT_LT(Day(0).FontSize(), originalFont);
  }
}

// Turning it off again gives exactly what a control that never had it on shows: the sixth week
// exists but is hidden, empty and disabled, as in a new control.
TEST_F(SixWeeksTest, TurningItOffRestoresTheOriginalView) {
  const auto expectSixthWeekOff = [&] {
    for (int j = 35; j < 42; ++j) {
      EXPECT_EQ(Day(j).Caption() + (Day(j).Enabled() ? "+" : "") + (Day(j).Visible() ? "v" : ""),
                "");
      EXPECT_EQ(Day(j).S3(), 1) << j;
    }
  };
  EXPECT_EQ(control.SixWeeks(), 0);
  expectSixthWeekOff();
  for (int j = 0; j < 35; ++j) EXPECT_TRUE(Day(j).Visible()) << j;
  control.Value(ValueOf(kYear, kMonth, 1));  // a month that wraps without six weeks
  control.SixWeeks(0);  // a refresh as the later ones, whose lists already have their fonts
  const std::string original = Report(host, 35);
  control.SixWeeks(-1);
  control.Value(ValueOf(kYear, kMonth, 1));
  Day(36).Click();  // the highlight in the sixth week
  EXPECT_NE(Report(host, 35), original);
  control.SixWeeks(0);
  control.Value(ValueOf(kYear, kMonth, 1));
  EXPECT_EQ(Report(host, 35), original);
  expectSixthWeekOff();
  Events();
  // A disabled control still shows or hides the sixth week at once.
  control.Enabled(0);
  control.SixWeeks(-1);
  EXPECT_TRUE(Day(40).Visible());
  EXPECT_EQ(Day(40).Caption(), "");
}

// A click on a sixth-week cell selects its day like any other cell.
TEST_F(SixWeeksTest, AClickInTheSixthWeekSelectsItsDay) {
  control.SixWeeks(-1);
  control.Value(ValueOf(kYear, kMonth, 1));
  Events();
  Day(36).Click();
  EXPECT_EQ(control.Day(), 36 - (kFirst - 1) + 1);
  EXPECT_EQ(Day(36).S3(), 0);
  EXPECT_EQ(Day(0).S3(), 1);
  EXPECT_EQ(Events(), (std::vector<std::string>{"Click"}));
}

}  // namespace
}  // namespace sauramiti::testing
