#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>
#include <memory>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <sauramiti/view/child_controls.hpp>
#include <sauramiti/view/layout.hpp>
#include <sauramiti/view/month_view.hpp>
#include <sauramiti/view/name_tables.hpp>
#include <set>
#include <string>
#include <tests/base/outcome.hpp>

namespace sauramiti::view {
namespace {

namespace R = SauramitiRoutine;
using std::string_literals::operator""s;
constexpr platform::Color kFace = 0x8000000FU, kShadow = 0x80000010U;

// "left top width height" to seven significant digits.
std::string Box(const platform::ChildControl& c) {
  char text[80];
  std::snprintf(text, sizeof text, "%.7g %.7g %.7g %.7g", double{c.Left()}, double{c.Top()},
                double{c.Width()}, double{c.Height()});
  return text;
}

using sauramiti::testing::ErrorNumberOf;

class MonthViewTest : public ::testing::Test {
 protected:
  MonthViewTest() {
    state.English = -1;
    state.EnglishFont = std::make_shared<Font>(Font{"Arial", 10});
    state.NepaliFont = std::make_shared<Font>(Font{"Preeti", 12});
    R::LoadNameTables(state.English, state.EnglishPanelTitle);
  }
  platform::Label& Cell(int j) { return DayCellAt(controls, j); }
  void Arrange(float w, float h, int vertical, std::int32_t style = wkdShort) {
    host.Resize(w, h);
    controls.cboYear->FontSize(11.25F);  // the year list reports 360 twips at every pass
    ArrangeView(host, controls, static_cast<std::int16_t>(vertical), style);
  }

  headless::HeadlessHost host;
  ChildControls controls = CreateChildControls(host);
  ControlState state;
  std::function<void()> onApply = [] {};
  ViewContext view{host, controls, state, [this] { onApply(); }};
};

TEST_F(MonthViewTest, ExactFiguresOfBothArrangementsAt4800) {
  struct Case {
    std::int16_t vertical;
    const char *header0, *cell34;
  };
  const Case cases[] = {
      {0, "0 1 685.5714 579.8333", "4113.429 2899.167 685.5714 579.8333"},
      {-1, "2 0 799.8333 497", "3999.167 2982 799.8333 497"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.vertical);
    Arrange(4800, 4800, k.vertical);
    EXPECT_EQ(Box(*controls.Frame1), "1 1 4799 4799");
    EXPECT_EQ(Box(*controls.Label1), "1 1 4800 480");
    EXPECT_EQ(Box(*controls.Label2), "1 480 4800 480");
    EXPECT_EQ(Box(*controls.Frame2), "1 1319 4799 3479");  // one twip above the lists' bottom edge
    EXPECT_EQ(Box(*controls.lblWD[0]), k.header0);
    EXPECT_EQ(Box(*controls.lblDay[34]), k.cell34);
    // Every cell lines up with the header of its weekday, in the band of its week.
    for (std::size_t j = 0; j < 35; ++j) {
      const platform::Label &cell = *controls.lblDay[j], &header = *controls.lblWD[j % 7];
      const float week = static_cast<float>(j / 7 + 1);
      const bool across = k.vertical == 0;
      EXPECT_EQ(across ? cell.Left() : cell.Top(), across ? header.Left() : header.Top()) << j;
      EXPECT_FLOAT_EQ(across ? cell.Top() : cell.Left(), week * (across ? 3479.0F : 4799.0F) / 6);
    }
  }
  Arrange(6000, 6000, 5);  // any other value: only the frames, panels and lists follow the size
  EXPECT_EQ(controls.Frame2->Width(), 5999);
  EXPECT_EQ(Box(*controls.lblDay[34]), "3999.167 2982 799.8333 497");
}

TEST_F(MonthViewTest, FontsScaleWithTheAreaTheyLabel) {
  // A style outside the enumeration still enters the formula: 7 * 20 + 40 = 180.
  const std::pair<std::int32_t, double> styles[] = {
      {wkdShort, 15.76}, {wkdLong, 10.51}, {7, 3.503}};
  for (const int vertical : {0, -1}) {
    for (const auto& [style, header] : styles) {
      SCOPED_TRACE(::testing::Message() << vertical << " style " << style);
      Arrange(4800, 4800, vertical, style);
      for (const auto& l : controls.lblWD) EXPECT_NEAR(l->FontSize(), header, 0.005);
      for (const auto& l : controls.lblDay) EXPECT_NEAR(l->FontSize(), 15.76, 0.005);
      for (const float points : {controls.Label1->FontSize(), controls.Label2->FontSize(),
                                 controls.cboYear->FontSize(), controls.CBoMonth->FontSize()}) {
        EXPECT_NEAR(points, 15.18, 0.005);
      }
    }
  }
}

TEST_F(MonthViewTest, AnySurfaceGivesNoNegativeSizeAndNoFontBelowOnePoint) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float sizes[][2] = {{4800, 300}, {100, 100},  {0, 0},
                            {-50, -50},  {nan, 4800}, {3e38F, 3e38F}};
  for (const auto& size : sizes) {
    for (const int vertical : {0, -1}) {
      SCOPED_TRACE(::testing::Message() << size[0] << "x" << size[1] << " v" << vertical);
      Arrange(size[0], size[1], vertical);
      for (const auto* child : host.Children()) {
        EXPECT_GE(child->Control().Width(), 0.0F) << child->Name();
        EXPECT_GE(child->Control().Height(), 0.0F) << child->Name();
      }
      EXPECT_GE(std::min({controls.lblWD[0]->FontSize(), controls.lblDay[0]->FontSize(),
                          controls.Label1->FontSize()}),
                1.0F);
    }
  }
  EXPECT_GT(controls.lblDay[34]->Left(), 1.0e38F);  // a huge surface is arranged, not refused
}

TEST_F(MonthViewTest, AWeekdayStyleThatBreaksTheHeaderFontFormulaIsAnError) {
  const std::pair<std::int32_t, std::int32_t> cases[] = {
      {107374181, kOverflow}, {-2147483647 - 1, kOverflow}, {-2, kDivisionByZero}};
  for (const auto& [styleCase, error] : cases) {
    const std::int32_t style = styleCase;  // clang 14 lambdas cannot capture a structured binding
    EXPECT_EQ(ErrorNumberOf([&] { Arrange(4800, 4800, 0, style); }), error) << style;
  }
}

// Day d of a month starting on weekday w sits in cell (w - 1 + d - 1) mod 35: in the column of
// its weekday, the last days of a long month that starts late wrapping into the first row.
TEST_F(MonthViewTest, EveryMonthShapeFillsTheCellsOfItsWeekdays) {
  std::set<std::pair<int, int>> shapes;  // (first weekday, days)
  for (std::int16_t y = 1950; y <= 2150; ++y) {
    for (std::int16_t m = 1; m <= 12; ++m) {
      const int first = R::GetFirstWeekDay(y, m), days = R::GetDaysInMonth(y, m, disNepali);
      shapes.insert({first, days});
      FillMonthGrid(view, y, m);
      std::string expected[35];
      for (int d = 1; d <= days; ++d) expected[(first - 1 + d - 1) % 35] = std::to_string(d);
      for (int j = 0; j < 35; ++j) {
        ASSERT_EQ(Cell(j).Caption(), expected[j]) << y << "/" << m << " cell " << j;
        ASSERT_EQ(Cell(j).Enabled(), !expected[j].empty()) << y << "/" << m << " cell " << j;
      }
    }
  }
  std::set<int> starts, lengths, wrapped;
  for (const auto& [first, days] : shapes) {
    starts.insert(first), lengths.insert(days);
    if (first - 1 + days > 35) wrapped.insert(first - 1 + days - 35);
  }
  EXPECT_EQ(starts, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(lengths, (std::set<int>{29, 30, 31, 32}));
  EXPECT_EQ(wrapped, (std::set<int>{1, 2, 3}));  // one to three days wrap
  FillMonthGrid(view, 2059, 13);                 // a month the calendar rejects: an empty grid
  for (int j = 0; j < 35; ++j) EXPECT_EQ(Cell(j).Caption() + (Cell(j).Enabled() ? "on" : ""), "");
}

TEST_F(MonthViewTest, TheSelectedCellIsFlatOnShadowRedAtTheWeekEndsAndTheOldOneIsReset) {
  for (const int cell : {0, 3, 6, 34, 28, 13}) {
    const int before = state.SelectedCell;
    SelectCell(view, static_cast<std::int16_t>(cell));
    const bool weekend = cell % 7 == 0 || cell % 7 == 6;
    EXPECT_EQ(Cell(cell).ForeColor(), weekend ? 0x000000FFU : 0x0000FFFFU) << cell;
    EXPECT_EQ(Cell(cell).BackColor(), kShadow) << cell;
    EXPECT_EQ(Cell(cell).S3(), 0) << cell;
    EXPECT_EQ(state.SelectedCell, cell);
    const bool reset = Cell(before).BackColor() == kFace && Cell(before).ForeColor() == 0 &&
                       Cell(before).S3() == 1;
    EXPECT_EQ(reset, before != cell) << before;
  }
  SetCellHighlight(view, 3, -1);
  SetCellHighlight(view, 3, 1);  // only exactly -1 selects
  EXPECT_EQ(Cell(3).BackColor(), kFace);
  EXPECT_EQ(ErrorNumberOf([&] { SelectCell(view, 35); }), kSubscriptOutOfRange);
  EXPECT_EQ(state.SelectedCell, 13);  // a failed selection remembers nothing
}

TEST_F(MonthViewTest, NamesAndHeadersFollowLanguageAndWeekdayStyle) {
  struct Case {
    std::int16_t english;
    std::int32_t style;
    const char *captions, *font, *month;
  };
  const Case cases[] = {
      {-1, wkdShort, "Sun Mon Tue Wed Thu Fri Sat ", "Arial", "Poush"},
      {-1, 7, "Sunday Monday Tuesday Wednesday Thursday Friday Saturday ", "Arial", "Poush"},
      {0, wkdShort, "/lj ;f]d d+un a'w u'? z'qm zlg ", "Preeti", "kf}if"},
      {0, wkdLong, "/ljjf/ ;f]djf/ d+unjf/ a'wjf/ u'?jf/ z'qmjf/ zlgjf/ ", "Preeti", "kf}if"},
      // English names, but English is not exactly true: the Nepali rule drops three characters.
      {5, wkdShort, "Sun Mon Tues Wednes Thurs Fri Satur ", "Arial", "Poush"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.captions);
    state.English = c.english;
    state.WeekDayStyle = static_cast<MyWeekDayStyle>(c.style);
    R::LoadNameTables(state.English, state.EnglishPanelTitle);
    ShowWeekdayHeaders(view);
    state.month = 9;
    FillMonthList(view);
    EXPECT_EQ(controls.CBoMonth->Text() + "|" + controls.CBoMonth->List(11),
              c.month + "|"s + R::MonthNames[12]);
    std::string captions;
    for (std::size_t i = 0; i < 7; ++i) {
      captions += controls.lblWD[i]->Caption() + " ";
      EXPECT_EQ(controls.lblWD[i]->ToolTipText(), R::WeekdayNames[i + 1]);
      EXPECT_EQ(controls.lblWD[i]->ForeColor(), 0x00FF0000U);
      EXPECT_EQ(controls.lblWD[i]->FontName(), c.font);
    }
    EXPECT_EQ(captions, c.captions);
  }
  state.month = 13;  // the twelve names are listed before the month is found out of range
  EXPECT_EQ(ErrorNumberOf([&] { FillMonthList(view); }), kSubscriptOutOfRange);
  EXPECT_EQ(controls.CBoMonth->ListCount(), 12);
  state.EnglishFont.reset();
  EXPECT_EQ(ErrorNumberOf([&] { ShowWeekdayHeaders(view); }), 91);
}

TEST_F(MonthViewTest, TheYearListRunsFromMinYearToMaxYearAsANumber) {
  // MinYear, MaxYear, first and last year listed, their number, the error.
  const std::tuple<std::int16_t, Variant, const char*, const char*, std::int32_t, std::int32_t>
      cases[] = {
          {2000, Variant::Integer(2100), "2000", "2100", 101, 0},
          {2000, Variant::String("2090"), "2000", "2090", 91, 0},
          {-2, Variant(), "-2", "0", 3, 0},  // Empty counts as 0
          {2000, Variant::Double(std::numeric_limits<double>::quiet_NaN()), "", "", 0, 0},
          {2000, Variant::String("abc"), "", "", 0, kTypeMismatch},
          // The year is a 16-bit count: past 32767 it overflows instead of running on.
          {32760, Variant::Double(1e9), "32760", "32767", 8, kOverflow},
          {32766, Variant::Double(std::numeric_limits<double>::infinity()), "32766", "32767", 2, 6},
      };
  auto& list = *controls.cboYear;
  state.year = 2059;
  for (const auto& [minYear, maxYear, first, last, count, error] : cases) {
    SCOPED_TRACE(minYear);
    list.AddItem("left over");
    state.MinYear = minYear;
    state.MaxYear = maxYear;
    EXPECT_EQ(ErrorNumberOf([&] { FillYearList(view); }), error);
    ASSERT_EQ(list.ListCount(), count);
    EXPECT_EQ(list.List(0) + "-" + list.List(count - 1), std::string(first) + "-" + last);
    EXPECT_EQ(list.Text(), error == 0 ? "2059" : "");  // the year shown even when not listed
  }
}

TEST_F(MonthViewTest, ShowingTheSelectedDateAppliesValueThenDrawsIt) {
  state.DateValue = "2059 Vaishaka 18, Wednesday";
  state.EngStrDate = "1 May, 2002";
  int applied = 0;
  onApply = [&] { state.year = 2059, state.month = 1, state.Day = 18, ++applied; };
  FillMonthList(view);
  ShowSelectedDate(view);
  EXPECT_EQ(applied, 1);
  EXPECT_EQ(controls.cboYear->Text() + " " + controls.CBoMonth->Text(), "2059 Vaishaka");
  EXPECT_EQ(state.SelectedCell, 17);  // 2059 Vaishaka begins on a Sunday
  EXPECT_EQ(Cell(17).Caption(), "18");
  EXPECT_EQ(Cell(17).S3(), 0);
  EXPECT_EQ(controls.Label1->Caption(), "2059 Vaishaka 18, Wednesday");
  EXPECT_EQ(controls.Label2->Caption(), "1 May, 2002");

  onApply = [this] { state.Day = 40; };  // no cell shows the day: cell 0 takes the highlight
  ShowSelectedDate(view);
  EXPECT_EQ(state.SelectedCell, 0);
  EXPECT_EQ(Cell(17).S3(), 1);
}

}  // namespace
}  // namespace sauramiti::view
