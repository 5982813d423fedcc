#include <gtest/gtest.h>

#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/view/name_tables.hpp>
#include <string>
#include <vector>

#include "control_test_support.hpp"

namespace sauramiti::testing {
namespace {

using SelectionTest = LiveControl;

TEST_F(SelectionTest, ADayClickRaisesClickOnceWithTheNewDateInPlace) {
  int clicks = 0;
  host.onClickRaised = [&] {
    ++clicks;
    EXPECT_EQ(control.Value(), "2059/01/18/4");
    EXPECT_EQ(control.Day(), 18);
    EXPECT_EQ(control.Weekday(), 4);
    EXPECT_EQ(control.DateValue(), "2059 Vaishaka 18, Wednesday");
    EXPECT_EQ(control.DateAD(), "05/01/2002");
    EXPECT_EQ(control.EngStrDate(), "1 May, 2002");
    EXPECT_EQ(control.JulianDate(), 2452395.5);
    EXPECT_EQ(control.UjjainAhargana(), 1863930);
    EXPECT_EQ(host.Label("Label1").Caption(), "2059 Vaishaka 18, Wednesday");
    EXPECT_EQ(host.Label("Label2").Caption(), "1 May, 2002");
    EXPECT_EQ(host.Day(17).S3(), 0);
  };
  host.Day(17).Click();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Events(), std::vector<std::string>{"Click"});  // no PropertyChanged
}

TEST_F(SelectionTest, TheColumnOfTheCellIsTheWeekday) {
  struct Case {
    const char* value;  // a date whose month is put on show
    int cell;
    std::int16_t weekday;
  };
  // 2059 Bhadra begins on a Saturday and has 31 days, so its grid fills cell 34 too.
  const Case cases[] = {
      {"2059/01/01/1", 0, 1}, {"2059/01/01/1", 13, 7}, {"2059/01/01/1", 6, 7},
      {"2059/01/01/1", 7, 1}, {"2059/05/01/7", 34, 7}, {"2059/05/01/7", 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.value) + " cell " + std::to_string(c.cell));
    control.Value(c.value);
    ASSERT_TRUE(host.Day(c.cell).Enabled());
    host.Day(c.cell).Click();
    EXPECT_EQ(control.Weekday(), c.weekday);
  }
}

TEST_F(SelectionTest, EveryFilledCellOfAYearPicksADateWithTheCalendarsOwnWeekday) {
  for (std::int16_t m = 1; m <= 12; ++m) {
    control.Value("2081/" + std::string(m < 10 ? "0" : "") + std::to_string(m) + "/01/9");
    for (int j = 0; j < 35; ++j) {
      if (!host.Day(j).Enabled()) continue;
      host.Day(j).Click();
      ASSERT_EQ(control.month(), m);
      ASSERT_EQ(control.Weekday(), SauramitiRoutine::GetWeekDay(2081, m, control.Day()))
          << "month " << m << " cell " << j;
      ASSERT_NE(control.JulianDate(), 0.0);
    }
  }
}

TEST_F(SelectionTest, TheNewValueCarriesTheControlsSeparator) {
  struct Case {
    MyYMDSeparatorConstants separator;
    MyEnglishDateStyleConstants style;
    int cell;
    const char* value;
    const char* dateAD;
  };
  const Case cases[] = {
      {sepdivsign, datmmddyyyy, 17, "2059÷01÷18÷4", "05÷01÷2002"},
      {sepDot, datmmddyyyy, 14, "2059.01.15.1", "04.28.2002"},
      {sepDash, datyyyymmdd, 17, "2059-01-18-4", "2002-05-01"},
      {sepSlash, datddmmyyyy, 17, "2059/01/18/4", "01/05/2002"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    control.Separator(c.separator);
    control.EnglishDateStyle(c.style);
    Events();
    host.Day(c.cell).Click();
    EXPECT_EQ(control.Value(), c.value);
    EXPECT_EQ(control.DateAD(), c.dateAD);
    EXPECT_EQ(Events(), std::vector<std::string>{"Click"});
  }
}

TEST_F(SelectionTest, ClicksAreIgnoredWhileDisabledOrWhileAListShowsNoText) {
  struct Case {
    const char* name;
    bool enabled;
    const char* yearText;
    const char* monthText;
  };
  const Case cases[] = {
      {"disabled", false, "2059", "Vaishaka"},
      {"no year", true, "", "Vaishaka"},
      {"no month", true, "2059", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host.Enabled(c.enabled);
    host.Combo("cboYear").Text(c.yearText);
    host.Combo("CBoMonth").Text(c.monthText);
    control.lblDay_Click(10);
    EXPECT_EQ(control.Value(), "2059/01/01/1");
    EXPECT_EQ(control.Day(), 1);
    EXPECT_EQ(host.Day(10).S3(), 1);
    EXPECT_TRUE(Events().empty());
  }
}

TEST_F(SelectionTest, AnEmptyCellCannotBeClickedThroughTheToolkit) {
  ASSERT_FALSE(host.Day(33).Enabled());  // 2059 Vaishaka has 31 days
  host.Day(33).Click();
  EXPECT_EQ(control.Day(), 1);
  EXPECT_TRUE(Events().empty());
}

TEST_F(SelectionTest, ADirectClickOnACellWithoutADayIsAnError) {
  struct Case {
    const char* name;
    std::int16_t index;
    std::int32_t error;
  };
  const Case cases[] = {
      {"empty cell", 33, kTypeMismatch},
      {"below the grid", -1, kSubscriptOutOfRange},
      {"above the grid", 35, kSubscriptOutOfRange},
      {"largest index", 32767, kSubscriptOutOfRange},
      {"smallest index", -32768, kSubscriptOutOfRange},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ErrorOf([&] { control.lblDay_Click(c.index); }), c.error);
    EXPECT_EQ(control.Value(), "2059/01/01/1");
    EXPECT_TRUE(Events().empty());
  }
}

TEST_F(SelectionTest, EverySixteenBitIndexEndsInADateOrANumberedError) {
  // 2059 Vaishaka: cells 0 to 30 hold days, 31 to 34 are empty.
  for (std::int32_t index = -32768; index <= 32767; ++index) {
    const std::int32_t error =
        ErrorOf([&] { control.lblDay_Click(static_cast<std::int16_t>(index)); });
    if (index >= 0 && index <= 30) {
      ASSERT_EQ(error, 0) << index;
      ASSERT_EQ(control.Day(), index + 1);
    } else if (index >= 31 && index <= 34) {
      ASSERT_EQ(error, kTypeMismatch) << index;
    } else {
      ASSERT_EQ(error, kSubscriptOutOfRange) << index;
    }
  }
}

TEST_F(SelectionTest, AFailureWhileApplyingTheNewDateRaisesNoClick) {
  control.EnglishDateStyle(static_cast<MyEnglishDateStyleConstants>(7));
  Events();
  EXPECT_EQ(ErrorOf([&] { host.Day(17).Click(); }), kTypeMismatch);
  EXPECT_EQ(control.Value(), "2059/01/18/4");  // stored before the failing step
  EXPECT_EQ(control.Day(), 18);
  EXPECT_EQ(host.Label("Label1").Caption(), "2059 Vaishaka 1, Sunday");  // panels not updated
  EXPECT_TRUE(Events().empty());
}

TEST_F(SelectionTest, WithoutAChosenMonthTheMonthComesFromItsName) {
  auto& months = host.Combo("CBoMonth");
  months.Clear();  // no entry can be chosen, but the text still names a month
  months.Text("Poush");
  ASSERT_EQ(months.ListIndex(), -1);
  host.Day(3).Click();
  EXPECT_EQ(control.month(), 9);
  EXPECT_EQ(control.Value().substr(0, 7), "2059/09");
}

TEST_F(SelectionTest, OpeningAListEmptiesThePanelsAndTheGrid) {
  for (const char* list : {"cboYear", "CBoMonth"}) {
    SCOPED_TRACE(list);
    control.Value("2059/01/18/4");
    host.Combo(list).DropDown();
    EXPECT_EQ(host.Label("Label1").Caption(), "");
    EXPECT_EQ(host.Label("Label2").Caption(), "");
    for (int j = 0; j < 35; ++j) {
      EXPECT_EQ(host.Day(j).Caption(), "") << j;
      EXPECT_FALSE(host.Day(j).Enabled()) << j;
      EXPECT_EQ(host.Day(j).S3(), 1) << j;
    }
    EXPECT_EQ(control.Value(), "2059/01/18/4");
  }
}

TEST_F(SelectionTest, ChoosingAYearTurnsThePageAndLeavesTheDateAlone) {
  ChooseYear("2060");
  EXPECT_EQ(control.year(), 2060);
  EXPECT_EQ(control.month(), 1);
  EXPECT_EQ(control.Value(), "2059/01/01/1");
  EXPECT_EQ(control.DateAD(), "04/14/2002");
  EXPECT_EQ(control.Day(), 1);
  // 2060 Vaishaka begins on a Monday.
  EXPECT_EQ(host.Day(0).Caption(), "");
  EXPECT_EQ(host.Day(1).Caption(), "1");
  for (int j = 0; j < 35; ++j) EXPECT_EQ(host.Day(j).S3(), 1) << "no highlight";
  EXPECT_EQ(host.Label("Label1").Caption(), "");
  EXPECT_TRUE(Events().empty());
}

TEST_F(SelectionTest, ChoosingAMonthTurnsThePageAndLeavesTheDateAlone) {
  ChooseMonth(4);  // Bhadra
  EXPECT_EQ(control.month(), 5);
  EXPECT_EQ(control.year(), 2059);
  EXPECT_EQ(control.Value(), "2059/01/01/1");
  EXPECT_EQ(host.Day(6).Caption(), "1");  // 2059 Bhadra begins on a Saturday
  EXPECT_TRUE(Events().empty());
  // Then a click picks a day of the month on show.
  host.Day(6).Click();
  EXPECT_EQ(control.Value(), "2059/05/01/7");
}

TEST_F(SelectionTest, TheListHandlersReadTheMonthNameDifferently) {
  struct Case {
    const char* name;
    const char* yearText;
    const char* monthText;
    bool yearHandler;
    std::int16_t year, month;
    bool refilled;
  };
  const Case cases[] = {
      {"year list trims the month name", "2060", "  Poush ", true, 2060, 9, true},
      {"month list takes the name as it is", "2060", "  Poush ", false, 2060, 0, false},
      {"month list needs a year", "year", "Poush", false, 0, 9, false},
      {"year list does not", "year", "Poush", true, 0, 9, true},
      {"a year with a tail reads its number", "2061 BS", "Poush", false, 2061, 9, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host.Combo("cboYear").DropDown();  // empties the grid
    host.Combo("cboYear").Text(c.yearText);
    host.Combo("CBoMonth").Text(c.monthText);
    if (c.yearHandler) {
      control.cboYear_Click();
    } else {
      control.CBoMonth_Click();
    }
    EXPECT_EQ(control.year(), c.year);
    EXPECT_EQ(control.month(), c.month);
    bool anyDay = false;
    for (int j = 0; j < 35; ++j) anyDay = anyDay || !host.Day(j).Caption().empty();
    EXPECT_EQ(anyDay, c.refilled && c.year != 0);
  }
}

TEST_F(SelectionTest, TypingIntoAListChangesNothing) {
  for (const char* list : {"cboYear", "CBoMonth"}) {
    const std::string before = host.Combo(list).Text();
    for (char c : std::string("9a ")) host.Combo(list).Type(c);
    EXPECT_EQ(host.Combo(list).Text(), before) << list;
  }
  std::int16_t key = 'x';
  control.cboYear_KeyPress(key);
  EXPECT_EQ(key, 0);
  key = -1;
  control.CBoMonth_KeyPress(key);
  EXPECT_EQ(key, 0);
}

}  // namespace
}  // namespace sauramiti::testing
