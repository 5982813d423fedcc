// The MarkToday, MinDate/MaxDate and HolidayForeColor extensions, through what the headless
// host's day cells report. Today is 14 April 2002, BS 2059/01/01, a Sunday: day d of Baishakh
// 2059 sits in cell d - 1, and the Saturdays are the cells of column 6.
#include <gtest/gtest.h>

#include <sauramiti/control/property_table.hpp>
#include <sauramiti/navigation/navigator.hpp>
#include <string>
#include <tests/control/control_test_support.hpp>
#include <vector>

namespace sauramiti::testing {
namespace {

using Strings = std::vector<std::string>;

constexpr platform::Color kRed = 0x000000FFU;
constexpr platform::Color kHoliday = 0x000080C0U;

class PickerExtensionsTest : public LiveControl {
 protected:
  // The cells that carry today's outline.
  std::vector<int> Outlined() {
    std::vector<int> cells;
    for (int j = 0; j < 42; ++j) {
      if (Day(j).Outlined()) cells.push_back(j);
    }
    return cells;
  }
  // "+" for an enabled cell, "-" for a disabled one, over the 31 days of Baishakh 2059.
  std::string EnabledDays() {
    std::string marks;
    for (int j = 0; j < 31; ++j) marks += Day(j).Enabled() ? '+' : '-';
    return marks;
  }
};

TEST_F(PickerExtensionsTest, MarkTodayOutlinesTodaysCellApartFromTheSelection) {
  EXPECT_TRUE(Outlined().empty());
  control.MarkToday(-1);
  EXPECT_EQ(Events(), Strings{"PropertyChanged MarkToday"});
  EXPECT_EQ(Outlined(), std::vector<int>{0});
  // The selection moves away; the mark stays on today, and the selected cell has no outline.
  control.Value(ValueOf(2059, 1, 10));
  EXPECT_EQ(Day(9).S3(), 0);
  EXPECT_EQ(Outlined(), std::vector<int>{0});
  EXPECT_EQ(Day(0).S3(), 1);
  // Another month shows no mark; back on today's month it is there again.
  control.Value(ValueOf(2059, 2, 5));
  EXPECT_TRUE(Outlined().empty());
  control.Value(ValueOf(2059, 1, 3));
  EXPECT_EQ(Outlined(), std::vector<int>{0});
  // The host's clock is read at each drawing: a day later the mark is on day 8 (cell 7).
  host.inner.SetToday({2002, 4, 21});
  control.MarkToday(-1);
  EXPECT_EQ(Outlined(), std::vector<int>{7});
  control.MarkToday(0);
  EXPECT_TRUE(Outlined().empty());
}

TEST_F(PickerExtensionsTest, HolidayForeColorPaintsSaturdaysButNotTheHighlight) {
  const auto expectColours = [&](int selected, platform::Color holiday) {
    for (int j = 0; j < 35; ++j) {
      if (j == selected) continue;
      EXPECT_EQ(Day(j).ForeColor(), j % 7 == 6 ? holiday : 0U) << j;
    }
  };
  expectColours(0, 0U);
  control.HolidayForeColor(static_cast<std::int32_t>(kHoliday));
  EXPECT_EQ(Events(), Strings{"PropertyChanged HolidayForeColor"});
  expectColours(0, kHoliday);
  EXPECT_EQ(Day(0).ForeColor(), kRed);  // the selected Sunday keeps the highlight's red
  // A selected Saturday shows the highlight; left again, it takes the holiday colour back.
  control.Value(ValueOf(2059, 1, 7));
  EXPECT_EQ(Day(6).ForeColor(), kRed);
  expectColours(6, kHoliday);
  ASSERT_TRUE(Day(12).Click());
  EXPECT_EQ(Day(6).ForeColor(), kHoliday);
  EXPECT_EQ(control.HolidayForeColor(), static_cast<std::int32_t>(kHoliday));
}

TEST_F(PickerExtensionsTest, LimitsDisableTheDaysOutsideAndNarrowTheYearList) {
  control.MaxDate("2059/01/20");
  control.MinDate("2059-1-10");  // any separator; kept in the Value form
  EXPECT_EQ(control.MinDate(), "2059/01/10");
  EXPECT_EQ(control.MaxDate(), "2059/01/20");
  // Today (day 1) was outside: the selection moved to the nearest allowed day.
  EXPECT_EQ(control.Value(), ValueOf(2059, 1, 10));
  EXPECT_EQ(Events(), (Strings{"PropertyChanged MaxDate", "PropertyChanged Value",
                               "PropertyChanged MinDate"}));
  EXPECT_EQ(EnabledDays(), "---------+++++++++++-----------");
  EXPECT_EQ(Day(4).Caption(), "5");  // drawn disabled, still showing its day
  EXPECT_EQ(Combo("cboYear").ListCount(), 1);
  EXPECT_EQ(Combo("cboYear").List(0), "2059");

  // A disabled day takes no click, not even through a direct call of the handler.
  EXPECT_FALSE(Day(4).Click());
  control.lblDay_Click(4);
  EXPECT_EQ(control.Value(), ValueOf(2059, 1, 10));
  EXPECT_TRUE(Events().empty());
  ASSERT_TRUE(Day(14).Click());
  EXPECT_EQ(control.Value(), ValueOf(2059, 1, 15));

  // A selection above the new upper limit goes down to it.
  control.MaxDate("2059/01/12");
  EXPECT_EQ(control.Value(), ValueOf(2059, 1, 12));
  // Removing the limits gives every day back.
  control.MinDate("");
  control.MaxDate("");
  EXPECT_EQ(EnabledDays(), std::string(31, '+'));
  EXPECT_EQ(Combo("cboYear").ListCount(), 101);
}

TEST_F(PickerExtensionsTest, LimitsWorkAtDesignTimeToo) {
  host.inner.SetUserMode(false);
  control.MinDate("2059/01/05");
  EXPECT_EQ(control.MinDate(), "2059/01/05");
  EXPECT_EQ(control.Value(), ValueOf(2059, 1, 5));
}

// Every refused Let: its error number, and nothing changed or fired.
TEST_F(PickerExtensionsTest, RefusedLimitsAndDatesChangeNothing) {
  struct Case {
    const char* what;
    std::function<void(Sauramiti&)> let;
    int error;
  };
  const std::vector<Case> cases = {
      {"MinDate not a date", [](Sauramiti& c) { c.MinDate("soon"); }, 13},
      {"MinDate month 13", [](Sauramiti& c) { c.MinDate("2059/13/01"); }, 13},
      {"MaxDate day 32 of a 31-day month", [](Sauramiti& c) { c.MaxDate("2059/01/32"); }, 13},
      {"MinDate with the weekday", [](Sauramiti& c) { c.MinDate("2059/01/05/5"); }, 13},
      {"MaxDate with a blank", [](Sauramiti& c) { c.MaxDate(" 2059/01/15"); }, 13},
      {"MinDate after MaxDate", [](Sauramiti& c) { c.MinDate("2059/01/21"); }, 5},
      {"MaxDate before MinDate", [](Sauramiti& c) { c.MaxDate("2059/01/04"); }, 5},
      {"Value after MaxDate", [](Sauramiti& c) { c.Value(ValueOf(2059, 1, 21)); }, 5},
      {"Value before MinDate", [](Sauramiti& c) { c.Value(ValueOf(2058, 12, 30)); }, 5},
      {"Value that is no date", [](Sauramiti& c) { c.Value("tomorrow"); }, 5},
      {"SelectDate outside",
       [](Sauramiti& c) {
         c.SelectDate({2059, 2, 1});
       },
       5},
  };
  control.MinDate("2059/01/05");
  control.MaxDate("2059/01/20");
  control.Value(ValueOf(2059, 1, 8));
  Events();
  for (const Case& c : cases) {
    EXPECT_EQ(ErrorNumberOf([&] { c.let(control); }), c.error) << c.what;
    EXPECT_EQ(control.MinDate(), "2059/01/05") << c.what;
    EXPECT_EQ(control.MaxDate(), "2059/01/20") << c.what;
    EXPECT_EQ(control.Value(), ValueOf(2059, 1, 8)) << c.what;
    EXPECT_TRUE(Events().empty()) << c.what;
  }
  // Without limits, the same Values are taken as they always were.
  control.MinDate("");
  control.MaxDate("");
  control.Value("tomorrow");
  EXPECT_EQ(control.Value(), "tomorrow");
}

TEST_F(PickerExtensionsTest, KeysStopAtTheLimits) {
  control.MinDate("2058/12/20");
  control.MaxDate("2059/01/20");
  Events();
  navigation::Navigator keys(control, host, host.inner, navigation::FocusModel::Days);
  // Next month holds no allowed day: refused, and the page stays.
  EXPECT_EQ(keys.Perform(navigation::Action::NextMonth), navigation::Result::Refused);
  EXPECT_EQ(keys.LastRefusal(), navigation::Refusal::OutsideLimits);
  EXPECT_EQ(Combo("CBoMonth").ListIndex(), 0);
  EXPECT_EQ(Combo("cboYear").Text(), "2059");
  // The month before is allowed from day 20: the focus lands there, not on a disabled day.
  EXPECT_EQ(keys.Perform(navigation::Action::PreviousMonth), navigation::Result::Done);
  EXPECT_EQ(Combo("cboYear").Text(), "2058");
  EXPECT_EQ(keys.Perform(navigation::Action::FirstDay), navigation::Result::Done);
  const int cell = keys.FocusCell();
  ASSERT_GE(cell, 0);
  EXPECT_EQ(Day(cell).Caption(), "20");
  // A step onto a day before MinDate is refused; Enter picks the allowed day.
  EXPECT_EQ(keys.Perform(navigation::Action::PreviousDay), navigation::Result::Refused);
  EXPECT_EQ(keys.LastRefusal(), navigation::Refusal::OutsideLimits);
  EXPECT_EQ(keys.Perform(navigation::Action::ClickFocused), navigation::Result::ClickDelivered);
  EXPECT_EQ(control.Value(), ValueOf(2058, 12, 20));
}

// Each extension is saved under its own key only when it is not at its default and loads back,
// the loaded instance drawing it; a document without the key (every older one) loads it at its
// default, drawn as a new instance draws it. The loading instance's clock is the row's.
TEST(ExtensionDocumentTest, EachIsSavedOnlyWhenSetAndLoadsBackDrawn) {
  const auto cell = [](headless::HeadlessHost& h, int j) -> headless::HeadlessLabel& {
    return *h.FindLabel("lblDay(" + std::to_string(j) + ")");
  };
  const platform::LocalDate april14{2002, 4, 14}, april20{2002, 4, 20};  // 2059/01/01, 01/07
  const struct {
    std::string_view name;
    Variant value;
    platform::LocalDate today;
    std::function<std::string(Sauramiti&, headless::HeadlessHost&)> look;
    std::string set, unset;  // the look when loaded with the value and without the key
  } cases[] = {
      {"SixWeeks", Variant::Boolean(std::int16_t{-1}), april14,
       [&](auto&, auto& h) { return std::to_string(cell(h, 38).Visible()); }, "1", "0"},
      {"ShowGregorianDay", Variant::Boolean(std::int16_t{-1}), april14,
       [&](auto&, auto& h) { return cell(h, 0).CornerText(); }, "14", ""},
      // 17 July 2025 is Shrawan 1 in the published calendar, Shrawan 2 in the model.
      {"Calendar",
       Variant::Integer(std::int16_t{1}),
       {2025, 7, 17},
       [](Sauramiti& c, auto&) { return c.Value() + " " + c.DateAD(); },
       "2082/04/01/5 07/17/2025",
       "2082/04/02/5 07/17/2025"},
      {"MarkToday", Variant::Boolean(std::int16_t{-1}), april20,
       [&](auto&, auto& h) { return std::to_string(cell(h, 6).Outlined()); }, "1", "0"},
      {"HolidayForeColor", Variant::Long(static_cast<std::int32_t>(kHoliday)), april20,
       [&](auto&, auto& h) { return std::to_string(cell(h, 13).ForeColor()); },
       std::to_string(kHoliday), "0"},
      {"MinDate", Variant::String("2059/01/05"), april20,
       [&](Sauramiti& c, auto& h) { return std::to_string(cell(h, 3).Enabled()) + c.Value(); },
       "02059/01/07/7", "12059/01/07/7"},
      // Loaded on a day before MinDate, the selection starts on MinDate's day instead.
      {"MinDate", Variant::String("2059/01/05"), april14,
       [](Sauramiti& c, auto&) { return c.Value(); }, "2059/01/05/5", "2059/01/01/1"},
      {"MaxDate", Variant::String("2059/01/20"), april20,
       [&](auto&, auto& h) { return std::to_string(cell(h, 20).Enabled()); }, "0", "1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.name << " loaded on day " << c.today.day);
    const PropertyEntry& p = *FindPropertyEntry(c.name);
    HookedHost host;
    host.inner.SetToday(april14);
    Sauramiti control(host);
    control.InitProperties();
    RecordingBag plain, set;
    control.WriteProperties(plain);
    p.let(control, c.value);
    control.WriteProperties(set);
    EXPECT_EQ(plain.stored.count(std::string(p.savedKey)), 0U);
    EXPECT_EQ(set.stored.size(), plain.stored.size() + 1);
    EXPECT_EQ(set.stored[std::string(p.savedKey)], c.value);
    for (RecordingBag* bag : {&set, &plain}) {
      HookedHost other;
      other.inner.SetToday(c.today);
      Sauramiti loaded(other);
      loaded.ReadProperties(*bag);
      EXPECT_EQ(p.get(loaded), bag == &set ? c.value : p.writeDefault.ToVariant(other));
      EXPECT_EQ(c.look(loaded, other.inner), bag == &set ? c.set : c.unset);
    }
  }
  // Set through the table, a text converts as the property's type.
  HookedHost host;
  Sauramiti control(host);
  control.InitProperties();
  PropertyNamed("SixWeeks").let(control, Variant::String("False"));
  EXPECT_EQ(PropertyNamed("SixWeeks").get(control), Variant::Boolean(std::int16_t{0}));
  // A document whose limits cross does not load.
  RecordingBag crossed;
  crossed.stored["MinDate"] = Variant::String("2059/02/01");
  crossed.stored["MaxDate"] = Variant::String("2059/01/01");
  EXPECT_EQ(ErrorNumberOf([&] { control.ReadProperties(crossed); }), 5);
}

}  // namespace
}  // namespace sauramiti::testing
