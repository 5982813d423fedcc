// Twips to pixels, colour resolution and the focus mark's moves over the grid.
#include <gtest/gtest.h>

#include <QWidget>
#include <cmath>
#include <limits>
#include <qt/grid_navigation.hpp>
#include <qt/system_colors.hpp>
#include <qt/twips_scale.hpp>
#include <set>
#include <string>

namespace sauramiti::qt {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct RectCase {
  std::string name;
  double dpi;
  double left, top, width, height;
  QRect expected;
};

class PixelRectTest : public testing::TestWithParam<RectCase> {};

TEST_P(PixelRectTest, RoundsBothEdges) {
  const RectCase& c = GetParam();
  EXPECT_EQ(TwipsScale(c.dpi, c.dpi).ToPixelRect(c.left, c.top, c.width, c.height), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PixelRectTest,
    testing::Values(
        // 96 dpi: 15 twips a pixel.
        RectCase{"WholePixels", 96, 15, 30, 150, 300, QRect(1, 2, 10, 20)},
        RectCase{"DesignSize", 96, 0, 0, 5535, 5220, QRect(0, 0, 369, 348)},
        // 685.5714 twips is 45.7 pixels: the edges round, not the width.
        RectCase{"FractionalCell", 96, 685.5714, 1, 685.5714, 579.8333, QRect(46, 0, 45, 39)},
        RectCase{"NegativeWidthIsEmpty", 96, 30, 30, -300, 15, QRect(2, 2, 0, 1)},
        RectCase{"NaNSizeIsEmpty", 96, 30, 30, kNaN, kNaN, QRect(2, 2, 0, 0)},
        RectCase{"NaNPlaceIsOrigin", 96, kNaN, kNaN, 150, 150, QRect(0, 0, 0, 0)},
        RectCase{"HugeHeldAtLimit", 96, 0, 0, 1e300, 15, QRect(0, 0, QWIDGETSIZE_MAX, 1)},
        // 144 dpi: 10 twips a pixel.
        RectCase{"HighResolution", 144, 15, 15, 100, 100, QRect(2, 2, 10, 10)},
        RectCase{"UnusableResolutionFallsBackTo96", 0, 15, 30, 150, 300, QRect(1, 2, 10, 20)}),
    [](const testing::TestParamInfo<RectCase>& test) { return test.param.name; });

TEST(PixelRect, CellsLaidEdgeToEdgeInTwipsTouchOnScreen) {
  // Header widths of the layout for surfaces from 1 to 10000 twips: seven cells of W / 7 each,
  // cell i at W / 7 * i, as the month grid is laid out.
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

TEST(PixelRect, PixelsBackToTwipsAt96Dpi) {
  const TwipsScale scale(96, 96);
  EXPECT_FLOAT_EQ(scale.ToTwipsX(369), 5535.0F);
  EXPECT_FLOAT_EQ(scale.ToTwipsY(348), 5220.0F);
}

struct ColorCase {
  std::string name;
  platform::Color color;
  QColor expected;
};

QPalette DistinctPalette() {
  QPalette palette;
  palette.setColor(QPalette::Active, QPalette::Highlight, QColor(1, 2, 3));
  palette.setColor(QPalette::Active, QPalette::Button, QColor(4, 5, 6));
  palette.setColor(QPalette::Active, QPalette::Dark, QColor(7, 8, 9));
  palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(10, 11, 12));
  palette.setColor(QPalette::Active, QPalette::Window, QColor(13, 14, 15));
  return palette;
}

class ResolveColorTest : public testing::TestWithParam<ColorCase> {};

TEST_P(ResolveColorTest, Resolves) {
  EXPECT_EQ(ResolveColor(GetParam().color, DistinctPalette()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResolveColorTest,
    testing::Values(ColorCase{"PlainRedIsLowByte", 0x000000FFU, QColor(255, 0, 0)},
                    ColorCase{"PlainBlueIsHighByte", 0x00FF0000U, QColor(0, 0, 255)},
                    ColorCase{"PlainYellow", 0x0000FFFFU, QColor(255, 255, 0)},
                    ColorCase{"TopByteOfPlainColourIgnored", 0x7F102030U, QColor(0x30, 0x20, 0x10)},
                    ColorCase{"Highlight13", 0x8000000DU, QColor(1, 2, 3)},
                    ColorCase{"ButtonFace15", 0x8000000FU, QColor(4, 5, 6)},
                    ColorCase{"ButtonShadow16", 0x80000010U, QColor(7, 8, 9)},
                    ColorCase{"ButtonText18", 0x80000012U, QColor(10, 11, 12)},
                    ColorCase{"UnknownSystemColourIsWindow", 0x800000FFU, QColor(13, 14, 15)},
                    ColorCase{"LargestNumberIsWindow", 0xFFFFFFFFU, QColor(13, 14, 15)}),
    [](const testing::TestParamInfo<ColorCase>& test) { return test.param.name; });

// Vaishaka 2059 as the grid shows it: day 1 on Sunday (cell 0), 31 days, cells 31 to 34 empty.
bool VaishakaCellEnabled(int cell) { return cell >= 0 && cell <= 30; }
// A month starting on Wednesday (cell 3) with 31 days: cells 0-2 empty.
bool LateStartCellEnabled(int cell) { return cell >= 3 && cell <= 33; }
// A 32-day month starting on Saturday: days 30-32 wrap to cells 0-2, cells 3-5 stay empty.
bool WrappedCellEnabled(int cell) { return cell <= 2 || cell >= 6; }

struct StepCase {
  std::string name;
  int from;
  GridStep step;
  bool vertical;
  bool (*enabled)(int);
  int expected;
};

class StepFocusTest : public testing::TestWithParam<StepCase> {};

TEST_P(StepFocusTest, Steps) {
  const StepCase& c = GetParam();
  EXPECT_EQ(StepFocus(c.from, c.step, c.vertical, c.enabled), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StepFocusTest,
    testing::Values(
        StepCase{"HorizontalRightIsNextDay", 14, GridStep::Right, false, VaishakaCellEnabled, 15},
        StepCase{"HorizontalDownIsNextWeek", 14, GridStep::Down, false, VaishakaCellEnabled, 21},
        StepCase{"VerticalDownIsNextDay", 14, GridStep::Down, true, VaishakaCellEnabled, 15},
        StepCase{"VerticalRightIsNextWeek", 14, GridStep::Right, true, VaishakaCellEnabled, 21},
        StepCase{"EndOfWeekGoesOnToNextWeek", 6, GridStep::Right, false, VaishakaCellEnabled, 7},
        StepCase{"StopsBeforeEmptyTail", 30, GridStep::Right, false, VaishakaCellEnabled, 30},
        StepCase{"WeekStepIntoEmptyTailStays", 27, GridStep::Down, false, VaishakaCellEnabled, 27},
        StepCase{"LeftOfFirstDayStays", 3, GridStep::Left, false, LateStartCellEnabled, 3},
        StepCase{"WeekStepOutOfGridStays", 9, GridStep::Left, true, LateStartCellEnabled, 9},
        StepCase{"SkipsEmptyCellsForward", 2, GridStep::Right, false, WrappedCellEnabled, 6},
        StepCase{"SkipsEmptyCellsBackward", 6, GridStep::Up, true, WrappedCellEnabled, 2},
        StepCase{"FirstCellUpStays", 0, GridStep::Up, false, VaishakaCellEnabled, 0},
        StepCase{"NoMarkSettlesOnFirstEnabled", -1, GridStep::Right, false, LateStartCellEnabled,
                 3}),
    [](const testing::TestParamInfo<StepCase>& test) { return test.param.name; });

TEST(StepFocus, NeverLandsOnADisabledCellAndAlwaysStaysInTheGrid) {
  // Every start, direction and arrangement over grids with every other cell disabled.
  const auto sparse = [](int cell) { return cell % 2 == 0; };
  for (int from = 0; from < kDayCells; from += 2) {
    for (const GridStep step : {GridStep::Left, GridStep::Right, GridStep::Up, GridStep::Down}) {
      for (const bool vertical : {false, true}) {
        const int to = StepFocus(from, step, vertical, sparse);
        ASSERT_TRUE(to >= 0 && to < kDayCells && sparse(to)) << from << " -> " << to;
      }
    }
  }
}

TEST(SettleFocus, PrefersTheGivenCellThenTheFirstEnabled) {
  EXPECT_EQ(SettleFocus(14, VaishakaCellEnabled), 14);
  EXPECT_EQ(SettleFocus(33, VaishakaCellEnabled), 0);
  EXPECT_EQ(SettleFocus(-1, LateStartCellEnabled), 3);
  EXPECT_EQ(SettleFocus(5, [](int) { return false; }), -1);
}

}  // namespace
}  // namespace sauramiti::qt
