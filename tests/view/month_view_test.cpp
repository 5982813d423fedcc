#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/view/child_controls.hpp>
#include <sauramiti/view/month_view.hpp>
#include <sauramiti/view/name_tables.hpp>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "../control/fake_host.hpp"

namespace sauramiti::view {
namespace {

using testing::FakeHost;

constexpr platform::Color kFace = 0x8000000FU;
constexpr platform::Color kShadow = 0x80000010U;
constexpr platform::Color kBlack = 0x00000000U;
constexpr platform::Color kYellow = 0x0000FFFFU;
constexpr platform::Color kRed = 0x000000FFU;
constexpr platform::Color kBlue = 0x00FF0000U;

template <typename F>
std::int32_t ErrorOf(F&& call) {
  try {
    call();
  } catch (const RuntimeError& e) {
    return e.Number();
  }
  return 0;
}

class MonthViewTest : public ::testing::Test {
 protected:
  MonthViewTest()
      : controls(CreateChildControls(host)), view{host, controls, state, [this] {
                                                    ++applied;
                                                    if (onApply) onApply();
                                                  }} {
    state.English = -1;
    state.EnglishFont = std::make_shared<Font>(Font{"Arial", 10});
    state.NepaliFont = std::make_shared<Font>(Font{"Preeti", 12});
    state.MinYear = 2000;
    state.MaxYear = Variant::Integer(2100);
    SauramitiRoutine::LoadNameTables(state.English, state.EnglishPanelTitle);
  }

  std::vector<std::string> Captions() const {
    std::vector<std::string> out;
    for (const auto& cell : controls.lblDay) out.push_back(cell->Caption());
    return out;
  }

  FakeHost host;
  ChildControls controls;
  ControlState state;
  int applied = 0;
  std::function<void()> onApply;
  ViewContext view;
};

// A BS month whose day 1 falls on `firstWeekday` (1 = Sunday) and which has `days` days.
std::pair<std::int16_t, std::int16_t> FindMonth(std::int16_t firstWeekday, std::int16_t days) {
  for (std::int16_t y = 2000; y < 2200; ++y) {
    for (std::int16_t m = 1; m <= 12; ++m) {
      if (SauramitiRoutine::GetFirstWeekDay(y, m) == firstWeekday &&
          SauramitiRoutine::GetDaysInMonth(y, m, disNepali) == days) {
        return {y, m};
      }
    }
  }
  return {0, 0};
}

TEST_F(MonthViewTest, EveryDayLandsInTheColumnOfItsWeekdayOnce) {
  std::set<std::pair<int, int>> shapesSeen;  // (first weekday, length)
  for (std::int16_t y = 1950; y <= 2150; ++y) {
    for (std::int16_t m = 1; m <= 12; ++m) {
      FillMonthGrid(view, y, m);
      const std::int16_t days = SauramitiRoutine::GetDaysInMonth(y, m, disNepali);
      shapesSeen.insert({SauramitiRoutine::GetFirstWeekDay(y, m), days});
      std::map<int, int> cellOfDay;
      for (int j = 0; j < 35; ++j) {
        const platform::Label& cell = *controls.lblDay[static_cast<std::size_t>(j)];
        if (cell.Caption().empty()) {
          EXPECT_FALSE(cell.Enabled()) << y << "/" << m << " cell " << j;
          continue;
        }
        EXPECT_TRUE(cell.Enabled());
        const int d = std::stoi(cell.Caption());
        EXPECT_TRUE(cellOfDay.emplace(d, j).second) << "day " << d << " twice";
        ASSERT_EQ(j % 7, SauramitiRoutine::GetWeekDay(y, m, static_cast<std::int16_t>(d)) - 1)
            << y << "/" << m << "/" << d;
      }
      ASSERT_EQ(cellOfDay.size(), static_cast<std::size_t>(days)) << y << "/" << m;
      EXPECT_LT(cellOfDay.at(1), 7);  // day 1 in the first row
      for (int d = 1; d < days; ++d) {
        EXPECT_EQ(cellOfDay.at(d + 1), (cellOfDay.at(d) + 1) % 35) << y << "/" << m;
      }
    }
  }
  // The sweep covers every month length and the late starts whose last days wrap around.
  for (int days = 29; days <= 32; ++days) {
    bool seen = false;
    for (int w = 1; w <= 7; ++w) seen = seen || shapesSeen.count({w, days}) > 0;
    EXPECT_TRUE(seen) << days << "-day month";
  }
  EXPECT_TRUE(shapesSeen.count({7, 32}) > 0 || shapesSeen.count({7, 31}) > 0);
  EXPECT_TRUE(shapesSeen.count({6, 31}) > 0);
}

TEST_F(MonthViewTest, LateStartsWrapIntoTheFreeCellsOfTheFirstRow) {
  struct Case {
    const char* name;
    std::int16_t firstWeekday;
    std::int16_t days;
    std::map<int, std::string> cells;  // cell -> caption ("" = empty)
  };
  const Case cases[] = {
      {"32 days from Saturday",
       7,
       32,
       {{6, "1"}, {34, "29"}, {0, "30"}, {1, "31"}, {2, "32"}, {3, ""}, {4, ""}, {5, ""}}},
      {"30 days from Sunday", 1, 30, {{0, "1"}, {29, "30"}, {30, ""}, {34, ""}}},
      {"31 days from Friday", 6, 31, {{0, "31"}, {5, "1"}, {34, "30"}, {1, ""}, {4, ""}}},
      {"31 days from Saturday", 7, 31, {{6, "1"}, {0, "30"}, {1, "31"}, {2, ""}, {5, ""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto [y, m] = FindMonth(c.firstWeekday, c.days);
    if (y == 0) {
      ADD_FAILURE() << "no such month between 2000 and 2199";
      continue;
    }
    FillMonthGrid(view, y, m);
    for (const auto& [cell, caption] : c.cells) {
      const platform::Label& label = *controls.lblDay[static_cast<std::size_t>(cell)];
      EXPECT_EQ(label.Caption(), caption) << "cell " << cell;
      EXPECT_EQ(label.Enabled(), !caption.empty()) << "cell " << cell;
    }
  }
}

TEST_F(MonthViewTest, AMonthTheCalendarRejectsLeavesTheGridEmpty) {
  for (auto [y, m] : {std::pair<std::int16_t, std::int16_t>{2059, 13}, {0, 1}, {10000, 1}}) {
    FillMonthGrid(view, y, m);
    for (const auto& cell : controls.lblDay) {
      EXPECT_EQ(cell->Caption(), "");
      EXPECT_FALSE(cell->Enabled());
    }
  }
}

TEST_F(MonthViewTest, TheSelectedCellIsFlatOnButtonShadowRedAtTheWeekEnds) {
  for (std::int16_t cell = 0; cell < 35; ++cell) {
    const std::int16_t before = state.SelectedCell;
    SelectCell(view, cell);
    const platform::Label& label = *controls.lblDay[static_cast<std::size_t>(cell)];
    const bool weekend = cell % 7 == 0 || cell % 7 == 6;
    EXPECT_EQ(label.ForeColor(), weekend ? kRed : kYellow) << cell;
    EXPECT_EQ(label.BackColor(), kShadow) << cell;
    EXPECT_EQ(label.S3(), 0) << cell;
    EXPECT_EQ(state.SelectedCell, cell);
    if (before != cell) {
      const platform::Label& old = *controls.lblDay[static_cast<std::size_t>(before)];
      EXPECT_EQ(old.ForeColor(), kBlack);
      EXPECT_EQ(old.BackColor(), kFace);
      EXPECT_EQ(old.S3(), 1);
    }
  }
}

TEST_F(MonthViewTest, OnlyExactlyTrueSelects) {
  for (std::int16_t selected : {std::int16_t{1}, std::int16_t{5}, std::int16_t{0}}) {
    SetCellHighlight(view, 3, -1);
    SetCellHighlight(view, 3, selected);
    EXPECT_EQ(controls.lblDay[3]->BackColor(), kFace) << selected;
    EXPECT_EQ(controls.lblDay[3]->S3(), 1) << selected;
  }
}

TEST_F(MonthViewTest, ACellOutsideTheGridIsASubscriptError) {
  for (std::int16_t cell :
       {std::int16_t{-1}, std::int16_t{35}, std::int16_t{32767}, std::int16_t{-32768}}) {
    EXPECT_EQ(ErrorOf([&] { SetCellHighlight(view, cell, -1); }), kSubscriptOutOfRange) << cell;
    EXPECT_EQ(ErrorOf([&] { SelectCell(view, cell); }), kSubscriptOutOfRange) << cell;
  }
  EXPECT_EQ(state.SelectedCell, 0);  // a failed selection remembers nothing
}

TEST_F(MonthViewTest, HeadersFollowLanguageAndWeekdayStyle) {
  struct Case {
    const char* name;
    std::int16_t english;
    std::int32_t style;
    std::vector<std::string> captions;
  };
  const Case cases[] = {
      {"English short", -1, wkdShort, {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}},
      {"English long",
       -1,
       wkdLong,
       {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}},
      {"style 7 is long",
       -1,
       7,
       {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}},
      {"Nepali short", 0, wkdShort, {"/lj", ";f]d", "d+un", "a'w", "u'?", "z'qm", "zlg"}},
      {"Nepali long",
       0,
       wkdLong,
       {"/ljjf/", ";f]djf/", "d+unjf/", "a'wjf/", "u'?jf/", "z'qmjf/", "zlgjf/"}},
      // English tables, but the short rule for "not exactly true" drops three characters.
      {"English 5 short", 5, wkdShort, {"Sun", "Mon", "Tues", "Wednes", "Thurs", "Fri", "Satur"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    state.English = c.english;
    state.WeekDayStyle = static_cast<MyWeekDayStyle>(c.style);
    SauramitiRoutine::LoadNameTables(state.English, state.EnglishPanelTitle);
    ShowWeekdayHeaders(view);
    const std::string font = c.english != 0 ? "Arial" : "Preeti";
    EXPECT_EQ(SauramitiRoutine::DisplayFontName, font);
    for (std::size_t i = 0; i < 7; ++i) {
      EXPECT_EQ(controls.lblWD[i]->Caption(), c.captions[i]);
      EXPECT_EQ(controls.lblWD[i]->ToolTipText(), SauramitiRoutine::WeekdayNames[i + 1]);
      EXPECT_EQ(controls.lblWD[i]->ForeColor(), kBlue);
      EXPECT_EQ(controls.lblWD[i]->FontName(), font);
    }
  }
}

TEST_F(MonthViewTest, ClearingTheGridResetsEveryCellAndAppliesTheDisplayFontWhenKnown) {
  host.Enabled(false);  // no headers, so DisplayFontName stays as the test sets it
  SauramitiRoutine::DisplayFontName.clear();
  FillMonthGrid(view, 2059, 1);
  SelectCell(view, 9);
  ClearGrid(view, -1);
  for (const auto& cell : controls.lblDay) {
    EXPECT_EQ(cell->Caption(), "");
    EXPECT_TRUE(cell->Enabled());
    EXPECT_EQ(cell->BackColor(), kFace);
    EXPECT_EQ(cell->ForeColor(), kBlack);
    EXPECT_EQ(cell->S1(), 1);
    EXPECT_EQ(cell->S2(), 2);
    EXPECT_EQ(cell->S3(), 1);
    EXPECT_EQ(cell->ToolTipText(), "Click on the Desired Date");
    EXPECT_EQ(cell->FontName(), "");  // left alone while no display font is known
  }
  for (const auto& header : controls.lblWD) EXPECT_EQ(header->Caption(), " ");
  SauramitiRoutine::DisplayFontName = "Kantipur";
  ClearGrid(view, 0);
  for (const auto& cell : controls.lblDay) {
    EXPECT_EQ(cell->FontName(), "Kantipur");
    EXPECT_FALSE(cell->Enabled());
  }
}

TEST_F(MonthViewTest, TheYearListRunsFromMinYearToMaxYearAsANumber) {
  struct Case {
    const char* name;
    std::int16_t minYear;
    Variant maxYear;
    std::vector<std::string> firstAndLast;  // empty: no items
    std::size_t count;
    std::int32_t error;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Case cases[] = {
      {"defaults", 2000, Variant::Integer(2100), {"2000", "2100"}, 101, 0},
      {"text holding a year", 2000, Variant::String("2090"), {"2000", "2090"}, 91, 0},
      {"fraction", 2000, Variant::Double(2002.5), {"2000", "2002"}, 3, 0},
      {"MinYear above MaxYear", 2101, Variant::Integer(2100), {}, 0, 0},
      {"Empty counts as 0", -2, Variant(), {"-2", "0"}, 3, 0},
      {"lowest years", -32768, Variant::Integer(-32767), {"-32768", "-32767"}, 2, 0},
      {"NaN compares false", 2000, Variant::Double(std::nan("")), {}, 0, 0},
      {"text that is no number", 2000, Variant::String("abc"), {}, 0, kTypeMismatch},
      {"a font", 2000, Variant::Font(std::make_shared<Font>()), {}, 0, kTypeMismatch},
      // The year is counted in 16 bits: past 32767 the count overflows and the loop ends.
      {"huge MaxYear", 32760, Variant::Double(1e9), {"32760", "32767"}, 8, kOverflow},
      {"infinite MaxYear", 32766, Variant::Double(inf), {"32766", "32767"}, 2, kOverflow},
      {"MaxYear exactly 32767", 32767, Variant::Integer(32767), {"32767", "32767"}, 1, kOverflow},
  };
  auto& list = host.Combo("cboYear");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    list.AddItem("left over");
    state.MinYear = c.minYear;
    state.MaxYear = c.maxYear;
    state.year = 2059;
    EXPECT_EQ(ErrorOf([&] { FillYearList(view); }), c.error);
    ASSERT_EQ(list.Items().size(), c.count);
    if (c.count > 0) {
      EXPECT_EQ(list.Items().front(), c.firstAndLast[0]);
      EXPECT_EQ(list.Items().back(), c.firstAndLast[1]);
    }
    if (c.error == 0) {
      EXPECT_EQ(list.Text(), "2059");  // shown even when not in the list
    }
    EXPECT_EQ(list.FontName(), "Arial");
  }
}

TEST_F(MonthViewTest, ADisabledControlsYearListShowsNoYear) {
  host.Enabled(false);
  state.year = 2059;
  FillYearList(view);
  EXPECT_EQ(host.Combo("cboYear").Text(), "");
  EXPECT_EQ(host.Combo("cboYear").Items().size(), 101U);
}

TEST_F(MonthViewTest, TheMonthListHoldsTheTwelveNamesAndShowsTheSelectedOne) {
  struct Case {
    const char* name;
    std::int16_t english;
    std::int16_t month;
    const char* text;
    std::int32_t error;
  };
  const Case cases[] = {
      {"English Poush", -1, 9, "Poush", 0},
      {"Nepali Poush", 0, 9, "kf}if", 0},
      {"month 0 shows the empty entry", -1, 0, "", 0},
      {"month 13", -1, 13, "", kSubscriptOutOfRange},
      {"month -1", -1, -1, "", kSubscriptOutOfRange},
  };
  auto& list = host.Combo("CBoMonth");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    list.Text("stale");
    list.FontBold(false);
    state.English = c.english;
    state.month = c.month;
    SauramitiRoutine::LoadNameTables(state.English, state.EnglishPanelTitle);
    EXPECT_EQ(ErrorOf([&] { FillMonthList(view); }), c.error);
    ASSERT_EQ(list.Items().size(), 12U);  // appended before the failing step
    EXPECT_EQ(list.Items()[0], SauramitiRoutine::MonthNames[1]);
    EXPECT_EQ(list.Items()[11], SauramitiRoutine::MonthNames[12]);
    EXPECT_TRUE(list.FontBold());
    if (c.error == 0) {
      EXPECT_EQ(list.Text(), c.text);
    }
  }
}

TEST_F(MonthViewTest, ShowingTheSelectedDateAppliesValueThenDrawsIt) {
  state.DateValue = "2059 Vaishaka 18, Wednesday";
  state.EngStrDate = "1 May, 2002";
  onApply = [this] {
    state.year = 2059;
    state.month = 1;
    state.Day = 18;
  };
  FillMonthList(view);
  ShowSelectedDate(view);
  EXPECT_EQ(applied, 1);
  EXPECT_EQ(host.Combo("cboYear").Text(), "2059");
  EXPECT_EQ(host.Combo("CBoMonth").Text(), "Vaishaka");
  EXPECT_EQ(host.Combo("CBoMonth").ListIndex(), 0);
  // 2059 Vaishaka begins on a Sunday, so day 18 is cell 17.
  EXPECT_EQ(state.SelectedCell, 17);
  EXPECT_EQ(controls.lblDay[17]->Caption(), "18");
  EXPECT_EQ(controls.lblDay[17]->S3(), 0);
  EXPECT_EQ(controls.Label1->Caption(), "2059 Vaishaka 18, Wednesday");
  EXPECT_EQ(controls.Label2->Caption(), "1 May, 2002");
}

TEST_F(MonthViewTest, ADayTheGridDoesNotShowHighlightsCellZero) {
  onApply = [this] {
    state.year = 2059;
    state.month = 1;
    state.Day = 40;
  };
  SelectCell(view, 20);
  ShowSelectedDate(view);
  EXPECT_EQ(state.SelectedCell, 0);
  EXPECT_EQ(controls.lblDay[0]->S3(), 0);
  EXPECT_EQ(controls.lblDay[20]->S3(), 1);
}

TEST_F(MonthViewTest, TheMonthPositionIsA16BitSubtraction) {
  onApply = [this] {
    state.year = 2059;
    state.month = -32768;
  };
  EXPECT_EQ(ErrorOf([&] { ShowSelectedDate(view); }), kOverflow);
}

TEST_F(MonthViewTest, AFontPropertyWithoutAFontIsAnError) {
  state.EnglishFont.reset();
  EXPECT_EQ(ErrorOf([&] { ShowWeekdayHeaders(view); }), 91);
  state.English = 0;
  EXPECT_EQ(DisplayFont(state, 0).name, "Preeti");
}

}  // namespace
}  // namespace sauramiti::view
