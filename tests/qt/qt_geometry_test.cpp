// Twips to pixels, colour resolution and the focus mark's moves over the grid.
#include <gtest/gtest.h>

#include <QWidget>
#include <limits>
#include <qt/grid_navigation.hpp>
#include <qt/system_colors.hpp>
#include <qt/twips_scale.hpp>
#include <string>
#include <vector>

namespace sauramiti::qt {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(PixelRect, RoundsBothEdgesAndHoldsBadInputInRange) {
  struct Case {
    const char* name;
    double dpi, left, top, width, height;
    QRect expected;
  };
  const std::vector<Case> cases{
      // 96 dpi is 15 twips a pixel; 685.5714 twips is 45.7 pixels: the edges round, not the width.
      {"FractionalCell", 96, 685.5714, 1, 685.5714, 579.8333, QRect(46, 0, 45, 39)},
      {"NegativeWidthIsEmpty", 96, 30, 30, -300, 15, QRect(2, 2, 0, 1)},
      {"NaNPlaceIsOrigin", 96, kNaN, kNaN, 150, 150, QRect(0, 0, 0, 0)},
      {"HugeHeldAtLimit", 96, 0, 0, 1e300, 15, QRect(0, 0, QWIDGETSIZE_MAX, 1)},
      {"HighResolution", 144, 15, 15, 100, 100, QRect(2, 2, 10, 10)},
      {"UnusableResolutionFallsBackTo96", 0, 15, 30, 150, 300, QRect(1, 2, 10, 20)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TwipsScale(c.dpi, c.dpi).ToPixelRect(c.left, c.top, c.width, c.height), c.expected)
        << c.name;
  }
  EXPECT_FLOAT_EQ(TwipsScale(96, 96).ToTwipsX(369), 5535.0F);
}

TEST(PixelRect, CellsLaidEdgeToEdgeInTwipsTouchOnScreen) {
  // Seven cells of W / 7 twips each, cell i at W / 7 * i, as the month grid is laid out.
  const TwipsScale scale(96, 96);
  for (int width = 1; width <= 10000; width += 7) {
    const double cell = width / 7.0;
    for (int i = 0; i + 1 < 7; ++i) {
      const QRect here = scale.ToPixelRect(cell * i, 0, cell, 100);
      const QRect next = scale.ToPixelRect(cell * (i + 1), 0, cell, 100);
      ASSERT_EQ(here.x() + here.width(), next.x()) << "width " << width << " cell " << i;
    }
  }
}

TEST(ResolveColor, PlainColoursAreBgrAndSystemColoursComeFromThePalette) {
  QPalette palette;
  palette.setColor(QPalette::Active, QPalette::Highlight, QColor(1, 2, 3));
  palette.setColor(QPalette::Active, QPalette::Dark, QColor(7, 8, 9));
  palette.setColor(QPalette::Active, QPalette::Window, QColor(13, 14, 15));
  const std::vector<std::pair<platform::Color, QColor>> cases{
      {0x00FF0000U, QColor(0, 0, 255)},  {0x7F102030U, QColor(0x30, 0x20, 0x10)},
      {0x8000000DU, QColor(1, 2, 3)},    {0x80000010U, QColor(7, 8, 9)},
      {0x800000FFU, QColor(13, 14, 15)}, {0xFFFFFFFFU, QColor(13, 14, 15)},
  };
  for (const auto& [color, expected] : cases) {
    EXPECT_EQ(ResolveColor(color, palette), expected) << std::hex << color;
  }
}

// Vaishaka 2059: day 1 in cell 0, 31 days. A late start: cells 3 to 33. A 32-day month from a
// Saturday: days 30 to 32 wrap to cells 0 to 2, cells 3 to 5 stay empty.
bool Vaishaka(int cell) { return cell >= 0 && cell <= 30; }
bool LateStart(int cell) { return cell >= 3 && cell <= 33; }
bool Wrapped(int cell) { return cell <= 2 || cell >= 6; }

TEST(StepFocus, MovesByDayOrWeekAndNeverOntoAnEmptyCell) {
  struct Case {
    const char* name;
    int from;
    GridStep step;
    bool vertical;
    bool (*enabled)(int);
    int expected;
  };
  const std::vector<Case> cases{
      {"HorizontalDownIsNextWeek", 14, GridStep::Down, false, Vaishaka, 21},
      {"VerticalDownIsNextDay", 14, GridStep::Down, true, Vaishaka, 15},
      {"EndOfWeekGoesOnToNextWeek", 6, GridStep::Right, false, Vaishaka, 7},
      {"StopsBeforeEmptyTail", 30, GridStep::Right, false, Vaishaka, 30},
      {"LeftOfFirstDayStays", 3, GridStep::Left, false, LateStart, 3},
      {"WeekStepOutOfGridStays", 9, GridStep::Left, true, LateStart, 9},
      {"SkipsEmptyCellsForward", 2, GridStep::Right, false, Wrapped, 6},
      {"SkipsEmptyCellsBackward", 6, GridStep::Up, true, Wrapped, 2},
      {"NoMarkSettlesOnFirstEnabled", -1, GridStep::Right, false, LateStart, 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StepFocus(c.from, c.step, c.vertical, c.enabled), c.expected) << c.name;
  }
  // Every start, direction and arrangement over a grid with every other cell empty.
  const auto sparse = [](int cell) { return cell % 2 == 0; };
  for (int from = 0; from < kDayCells; from += 2) {
    for (const GridStep step : {GridStep::Left, GridStep::Right, GridStep::Up, GridStep::Down}) {
      for (const bool vertical : {false, true}) {
        const int to = StepFocus(from, step, vertical, sparse);
        ASSERT_TRUE(to >= 0 && to < kDayCells && sparse(to)) << from << " -> " << to;
      }
    }
  }
  EXPECT_EQ(SettleFocus(33, Vaishaka), 0);
  EXPECT_EQ(SettleFocus(5, [](int) { return false; }), -1);
}

}  // namespace
}  // namespace sauramiti::qt
