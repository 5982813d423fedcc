#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/convert/date_string_forms.hpp>
#include <string>
#include <vector>

#include "control_test_support.hpp"

namespace sauramiti::testing {
namespace {

using SelectionTest = LiveControl;
using Lines = std::vector<std::string>;

TEST_F(SelectionTest, ADayClickRaisesClickOnceWithTheNewDateInPlace) {
  control.Separator(sepdivsign);  // the new Value is written with the control's separator
  Events();
  int clicks = 0;
  host.onClickRaised = [&] {
    ++clicks;
    EXPECT_EQ(control.Value(), "2059÷01÷18÷4");
    EXPECT_EQ(DateFields(control),
              "2059 1 18 4|2059 Vaishaka 18, Wednesday|05÷01÷2002|1 May, 2002|2452395.5 1863930");
    EXPECT_EQ(Label("Label1").Caption() + "|" + Label("Label2").Caption() + "|" +
                  std::to_string(Day(17).S3()),
              "2059 Vaishaka 18, Wednesday|1 May, 2002|0");
  };
  Day(17).Click();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Events(), Lines{"Click"});  // and no PropertyChanged
}

TEST_F(SelectionTest, EverySixteenBitIndexEndsInADateOrANumberedError) {
  // 2059 Vaishaka: cells 0 to 30 hold days, 31 to 34 are empty.
  for (std::int32_t index = -32768; index <= 32767; ++index) {
    const auto error =
        ErrorNumberOf([&] { control.lblDay_Click(static_cast<std::int16_t>(index)); });
    if (index >= 0 && index <= 30) {
      ASSERT_EQ(error, 0) << index;
      ASSERT_EQ(control.Day(), index + 1);
      // The cell's column is the weekday, which must agree with the calendar's.
      ASSERT_EQ(control.Weekday(), SauramitiRoutine::GetWeekDay(2059, 1, control.Day()));
    } else {
      ASSERT_EQ(error, index >= 31 && index <= 34 ? kTypeMismatch : kSubscriptOutOfRange) << index;
    }
  }
}

TEST_F(SelectionTest, ClicksAreIgnoredWhileDisabledOrWhileAListShowsNoText) {
  const std::tuple<bool, const char*, const char*> cases[] = {
      {false, "2059", "Vaishaka"}, {true, "", "Vaishaka"}, {true, "2059", ""}};
  for (const auto& [enabled, yearText, monthText] : cases) {
    SCOPED_TRACE(std::string(yearText) + "/" + monthText);
    host.inner.Enabled(enabled);
    Combo("cboYear").Text(yearText);
    Combo("CBoMonth").Text(monthText);
    control.lblDay_Click(10);
    EXPECT_EQ(control.Value() + std::to_string(Day(10).S3()), "2059/01/01/11");
    EXPECT_TRUE(Events().empty());
  }
}

TEST_F(SelectionTest, TheListsTurnThePageButNeverTouchTheSelectedDate) {
  struct Case {
    const char *yearText, *monthText;
    bool yearList;
    std::int16_t year, month;
    bool refilled;
  };
  const Case cases[] = {
      {"2060", "Vaishaka", true, 2060, 1, true},   {"2059", "Bhadra", false, 2059, 5, true},
      {"2060", "  Poush ", true, 2060, 9, true},    // the year list trims the month name
      {"2060", "  Poush ", false, 2060, 0, false},  // the month list takes it as it is
      {"year", "Poush", false, 0, 9, false},        // the month list needs a year
      {"2061 BS", "Poush", false, 2061, 9, true},   // a year with a tail reads its number
      {"2059", "kf}if", true, 2059, 0, false},      // a name of the other language
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.yearText) + "/" + c.monthText);
    Combo(c.yearList ? "cboYear" : "CBoMonth").DropDown();  // empties the grid and the panels
    EXPECT_EQ(Label("Label1").Caption() + Label("Label2").Caption() + Day(0).Caption(), "");
    Combo("cboYear").Text(c.yearText);
    Combo("CBoMonth").Text(c.monthText);
    c.yearList ? control.cboYear_Click() : control.CBoMonth_Click();
    // Day 1 lands in the column of the month's first weekday, by the calendar's own reckoning.
    const int first = c.refilled ? SauramitiRoutine::GetFirstWeekDay(c.year, c.month) - 1 : -1;
    for (int j = 0; j < 35; ++j) EXPECT_EQ(Day(j).Caption() == "1", j == first) << j;
    EXPECT_EQ(control.year() * 100 + control.month(), c.year * 100 + c.month);
    EXPECT_EQ(control.Value() + "|" + control.DateAD(), "2059/01/01/1|04/14/2002");
    EXPECT_TRUE(Events().empty());
  }
}

TEST_F(SelectionTest, AChosenMonthIsPickedFromTheListAndTypingChangesNothing) {
  Combo("CBoMonth").DropDown();
  Combo("CBoMonth").Choose(4);  // Bhadra
  Day(6).Click();
  EXPECT_EQ(control.Value(), "2059/05/01/7");
  Combo("CBoMonth").Clear();  // nothing chosen: the month comes from the text's name
  Combo("CBoMonth").Text("Poush");
  ASSERT_TRUE(Day(10).Click());
  EXPECT_EQ(control.Value().substr(0, 7), "2059/09");
  EXPECT_EQ(Combo("cboYear").Type('9') + Combo("CBoMonth").Type('a'), 0);  // keys are discarded
  EXPECT_EQ(Combo("cboYear").Text() + Combo("CBoMonth").Text(), "2059Poush");
}

// The typed selection gives exactly what setting Value to the same Value string gives, for every
// separator code (4 and 5 have no separator character, so their texts read back other numbers,
// and the control must read them as a host's text).
TEST(TypedSelectionTest, SelectDateEqualsSettingItsValueString) {
  const std::vector<bs::year_month_day> dates = {
      {2059, 1, 18}, {999, 12, 30}, {1, 1, 1}, {9999, 12, 31}, {2081, 9, 15}};
  for (std::int32_t sep = 0; sep <= 5; ++sep) {
    for (const bs::year_month_day& date : dates) {
      headless::HeadlessHost typedHost, textHost;
      typedHost.SetToday({2002, 4, 14}), textHost.SetToday({2002, 4, 14});
      Sauramiti typed(typedHost), text(textHost);
      typed.InitProperties(), text.InitProperties();
      typed.Separator(static_cast<MyYMDSeparatorConstants>(sep));
      text.Separator(static_cast<MyYMDSeparatorConstants>(sep));
      typed.SelectDate(date);
      const auto y = static_cast<std::int16_t>(date.year());
      const auto m = static_cast<std::int16_t>(date.month());
      const auto d = static_cast<std::int16_t>(date.day());
      text.Value(
          SauramitiRoutine::MakeValueString(y, m, d, SauramitiRoutine::GetWeekDay(y, m, d), sep));
      EXPECT_EQ(typed.Value(), text.Value());
      EXPECT_EQ(DateFields(typed), DateFields(text)) << sep << " " << date.year();
      EXPECT_EQ(typed.SelectedDate(), text.SelectedDate());
      EXPECT_EQ(typed.SelectedDate() == date, sep <= 3) << sep;
    }
  }
}

TEST_F(SelectionTest, TypedDatesInAndOut) {
  EXPECT_EQ(control.SelectedDate(), (bs::year_month_day{2059, 1, 1}));  // today, 2002-04-14
  EXPECT_EQ(ErrorNumberOf([&] { control.SelectDate({2059, 1, 32}); }), kInvalidProcedureCall);
  EXPECT_EQ(control.Value(), "2059/01/01/1");
  control.SelectDate({2081, 9, 15});
  EXPECT_EQ(control.Value(), "2081/09/15/2");
  EXPECT_EQ(Events(), Lines{"PropertyChanged Value"});
  control.Value("2059/01/45/3");  // a host's text: the selection is what it says, unchecked
  EXPECT_EQ(control.SelectedDate(), (bs::year_month_day{2059, 1, 45}));
  EXPECT_FALSE(control.SelectedDate().ok());
}

}  // namespace
}  // namespace sauramiti::testing
