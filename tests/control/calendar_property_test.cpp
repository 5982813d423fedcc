// The Calendar extension, through the headless host: an instance set to the published calendar
// draws, dates and converts with the published months, while other instances and the module's
// routines keep the model.
#include <gtest/gtest.h>

#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/kali_ahargana.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/control/property_table.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <string>
#include <tests/control/control_test_support.hpp>

namespace sauramiti::testing {
namespace {

namespace R = SauramitiRoutine;

class CalendarTest : public LiveControl {
 protected:
  // The days the grid shows: the captions of the enabled day cells.
  int DaysShown() {
    int days = 0;
    for (int j = 0; j < 35; ++j) {
      if (Day(j).Enabled() && !Day(j).Caption().empty()) ++days;
    }
    return days;
  }
  // The cell that shows day 1.
  int CellOfDayOne() {
    for (int j = 0; j < 35; ++j) {
      if (Day(j).Caption() == "1") return j;
    }
    return -1;
  }
};

// The months of 2082 where the calendars differ, as the grid shows them in each calendar.
TEST_F(CalendarTest, TheGridShowsTheCalendarsMonths) {
  const struct {
    std::int16_t calendar, month;
    int days, firstCell;
  } cases[] = {
      {0, 3, 31, 0},                 // Asar 2082 begins on a Sunday in both
      {0, 4, 32, 3},                 // the model's Shrawan begins on Wednesday 16 July 2025
      {1, 3, 32, 0}, {1, 4, 31, 4},  // the published one on Thursday 17 July
      {1, 5, 31, 0},                 // Bhadra begins on Sunday 17 August in both
  };
  for (const auto& c : cases) {
    control.Calendar(c.calendar);
    control.SelectDate({2082, static_cast<unsigned>(c.month), 1U});
    EXPECT_EQ(DaysShown(), c.days) << c.calendar << " " << c.month;
    EXPECT_EQ(CellOfDayOne(), c.firstCell) << c.calendar << " " << c.month;
  }
}

TEST_F(CalendarTest, SettingItFiresOnceAndRefreshes) {
  control.SelectDate({2082, 3U, 1U});
  Events();
  control.Calendar(1);
  EXPECT_EQ(Events(), (std::vector<std::string>{"PropertyChanged Calendar"}));
  EXPECT_EQ(DaysShown(), 32);
  EXPECT_EQ(Label("Label1").Caption(), control.DateValue());
  control.Calendar(1);  // the same value: still a Let that ends in the event
  EXPECT_EQ(Events(), (std::vector<std::string>{"PropertyChanged Calendar"}));
}

// What a change does to the selected date: the same day (DateAD, JulianDate), named in the
// new calendar (Value, the BS fields).
TEST_F(CalendarTest, AChangeKeepsTheDayAndNamesItInTheNewCalendar) {
  const struct {
    std::int16_t from;
    bs::year_month_day picked;
    std::int16_t to;
    const char* value;
    const char* dateAD;
  } cases[] = {
      {0, {2082, 4, 1}, 1, "2082/03/32/4", "07/16/2025"},
      {1, {2082, 4, 1}, 0, "2082/04/02/5", "07/17/2025"},
      {1, {2082, 3, 32}, 0, "2082/04/01/4", "07/16/2025"},
      {0, {2082, 4, 32}, 1, "2082/04/31/7", "08/16/2025"},
      {0, {2082, 5, 1}, 1, "2082/05/01/1", "08/17/2025"},  // Bhadra starts on the same day
      {0, {2059, 1, 1}, 1, "2059/01/01/1", "04/14/2002"},  // a year the calendars agree on
  };
  for (const auto& c : cases) {
    control.Calendar(c.from);
    control.SelectDate(c.picked);
    const double julian = control.JulianDate();
    control.Calendar(c.to);
    EXPECT_EQ(control.Value(), c.value);
    EXPECT_EQ(control.DateAD(), c.dateAD) << c.value;
    EXPECT_EQ(control.JulianDate(), julian) << c.value;
    const auto day = static_cast<std::int16_t>(std::stoi(std::string(c.value).substr(8, 2)));
    EXPECT_EQ(control.Day(), day);
    EXPECT_EQ(control.UjjainAhargana(),
              control.GetKaliAhargana(control.year(), control.month(), day));
    EXPECT_EQ(control.JulianDate(), control.UjjainAhargana() + 588465.5);
  }
}

// The date limits name days of the instance's calendar, and a change of calendar keeps their
// days as it keeps the selected one, so a selection within them stays within them.
TEST_F(CalendarTest, TheDateLimitsFollowTheCalendar) {
  control.Calendar(1);
  control.MaxDate("2082/03/32");  // Asar 2082 has 32 days only in the published calendar
  control.SelectDate({2082, 3, 32});
  control.Calendar(0);
  EXPECT_EQ(control.MaxDate(), "2082/04/01");
  EXPECT_EQ(control.Value(), "2082/04/01/4");
  control.MinDate("2082/04/01");
  control.Calendar(1);
  EXPECT_EQ(control.MinDate(), "2082/03/32");
  EXPECT_EQ(control.MaxDate(), "2082/03/32");
  EXPECT_EQ(control.Value(), "2082/03/32/4");
  control.Calendar(0);
  EXPECT_EQ(ErrorNumberOf([&] { control.MaxDate("2082/03/32"); }), kTypeMismatch);
}

// A Value that names no day of the old calendar (a host may set any text) is kept as it is.
TEST_F(CalendarTest, AValueThatIsNoDayIsKept) {
  for (const char* value : {"2082/04/40/5", "2082/03/32/9", "abc"}) {
    control.Calendar(0);
    control.Value(value);
    control.Calendar(1);
    EXPECT_EQ(control.Value(), value);
  }
}

TEST_F(CalendarTest, OtherValuesAreRefusedAndChangeNothing) {
  control.Calendar(1);
  control.SelectDate({2082, 3U, 32U});
  Events();
  const std::string before = DateFields(control);
  for (int bad : {-1, 2, 255}) {
    EXPECT_EQ(ErrorNumberOf([&] { control.Calendar(static_cast<std::int16_t>(bad)); }), 380) << bad;
  }
  EXPECT_EQ(ErrorNumberOf([&] { PropertyNamed("Calendar").let(control, Variant::Long(65537)); }),
            6);
  EXPECT_EQ(control.Calendar(), 1);
  EXPECT_EQ(DateFields(control), before);
  EXPECT_EQ(DaysShown(), 32);
  EXPECT_TRUE(Events().empty());
  // Nor does a document with another value load.
  RecordingBag bag;
  bag.stored["Calendar"] = Variant::Integer(std::int16_t{3});
  HookedHost other;
  Sauramiti loaded(other);
  EXPECT_EQ(ErrorNumberOf([&] { loaded.ReadProperties(bag); }), 380);
  EXPECT_EQ(loaded.Calendar(), 0);
}

// The nine methods of a published instance against a model instance (the model calendar's
// methods are the module's routines: calendar_methods_test).
TEST_F(CalendarTest, MethodsFollowTheInstancesCalendarOnly) {
  HookedHost otherHost;
  Sauramiti model(otherHost);
  model.InitProperties();
  control.Calendar(1);
  const double asar1 = R::GetKaliAhargana(2082, 3, 1);
  const auto answers = [&](Sauramiti& c) {
    return std::vector<std::string>{std::to_string(c.GetDaysInMonth(2082, 3, disNepali)),
                                    std::to_string(c.GetFirstWeekDay(2082, 4)),
                                    std::to_string(c.GetWeekDay(2082, 3, 32)),
                                    c.Nepali2EnglishDate(2082, 4, 1),
                                    c.English2NepaliDate(2025, 7, 16),
                                    std::to_string(c.GetKaliAhargana(2082, 4, 1) - asar1),
                                    std::to_string(c.GetJulianDate(2082, 3, 32)),
                                    c.AharGana2NepaliDate(asar1 + 31),
                                    c.JDate2EnglishDate(2460872.5)};
  };
  EXPECT_EQ(answers(control),
            (std::vector<std::string>{"32", "5", "4", "07/17/2025", "2082/03/32/4", "32.000000",
                                      "2460872.500000", "2082/03/32/4", "07/16/2025"}));
  EXPECT_EQ(answers(model),
            (std::vector<std::string>{"31", "4", "0", "07/16/2025", "2082/04/01/4", "31.000000",
                                      "0.000000", "2082/04/01/4", "07/16/2025"}));
}

}  // namespace
}  // namespace sauramiti::testing
