#include <memory>
#include <sauramiti/view/name_tables.hpp>
#include <string>
#include <vector>

#include "control_test_support.hpp"

namespace sauramiti::testing {
namespace {

using PropertiesTest = LiveControl;
using Lines = std::vector<std::string>;

TEST_F(PropertiesTest, GuardedAccessorsRefuseInTheWrongModeAndChangeNothing) {
  struct Case {
    const char* name;
    std::int32_t designError, runError;
    std::function<void(Sauramiti&)> call;
  };
  const Case cases[] = {
      {"DateValue", 387, 382, [](Sauramiti& c) { c.DateValue("x"); }},
      {"month", 387, 382, [](Sauramiti& c) { c.month(5); }},
      {"Day", 387, 382, [](Sauramiti& c) { c.Day(5); }},
      {"Weekday", 387, 382, [](Sauramiti& c) { c.Weekday(5); }},
      {"UjjainAhargana", 387, 382, [](Sauramiti& c) { c.UjjainAhargana(5); }},
      {"DateAD", 387, 382, [](Sauramiti& c) { c.DateAD("x"); }},
      {"EngStrDate", 387, 382, [](Sauramiti& c) { c.EngStrDate("x"); }},
      {"year", 387, 0, [](Sauramiti& c) { c.year(2070); }},
      {"Value", 387, 0, [](Sauramiti& c) { c.Value("2059/01/18/4"); }},
      {"JulianDate", 387, 0, [](Sauramiti& c) { c.JulianDate(1.5); }},
      {"EnglishDateStyle", 387, 0, [](Sauramiti& c) { c.EnglishDateStyle(datyyyymmdd); }},
      {"Separator", 387, 0, [](Sauramiti& c) { c.Separator(sepDash); }},
      {"WeekDayStyle", 0, 382, [](Sauramiti& c) { c.WeekDayStyle(wkdLong); }},
      {"", 0, 393, [](Sauramiti& c) { (void)c.WeekDayStyle(); }},  // its Get
  };
  // What a refused Let must leave untouched.
  const auto snapshot = [&] {
    return DateFields(control) +
           std::to_string(control.EnglishDateStyle() * 10 + control.Separator());
  };

  for (const bool run : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (run ? " at run time" : " at design time"));
      host.inner.SetUserMode(run);
      const std::string before = snapshot();
      const std::int32_t expected = run ? c.runError : c.designError;
      EXPECT_EQ(ErrorOf([&] { c.call(control); }), expected);
      if (expected != 0) {
        EXPECT_EQ(snapshot(), before);
      }
      const bool announced = expected == 0 && *c.name;
      EXPECT_EQ(Events(), announced ? Lines{"PropertyChanged " + std::string(c.name)} : Lines{});
    }
  }
}

TEST_F(PropertiesTest, EachSettingRedrawsWhatItShouldAndAnnouncesItselfInBothModes) {
  struct Case {
    const char* name;
    int mode;  // 0 enabled, 1 the surface disabled by its host beforehand, 2 design time only
    std::function<void()> set;
    std::function<std::string()> look;
    std::string expected;
  };
  const auto header0 = [&] { return Header(0).Caption() + "/" + Header(0).FontName(); };
  const auto header1Left = [&] { return std::to_string(Header(1).Left()); };
  const auto years = [&] {
    auto& list = Combo("cboYear");
    return list.List(0) + "-" + list.List(list.ListCount() - 1);
  };
  const auto enabled = [&] {
    return std::to_string(control.Enabled()) + " " + Combo("cboYear").Text() + "|" + years() +
           (Day(0).Enabled() ? " on" : " off");
  };
  const auto font = [](const char* name) { return std::make_shared<Font>(Font{name, 9}); };
  const Case cases[] = {
      {"English", 0, [&] { control.English(0); }, header0, "/lj/Tahoma"},
      {"English", 1, [&] { control.English(0); }, header0, "Sun/Tahoma"},
      {"EnglishFont", 0, [&] { control.EnglishFont(font("Arial")); }, header0, "Sun/Arial"},
      {"NepaliFont", 0, [&] { control.NepaliFont(font("Preeti")); }, header0, "Sun/Tahoma"},
      {"Vertical", 0, [&] { control.Vertical(0); }, header1Left, "685.571411"},
      {"Vertical", 1, [&] { control.Vertical(0); }, header1Left, "2.000000"},
      {"MaxYear", 0, [&] { control.MaxYear(Variant::String("2090")); }, years, "2000-2090"},
      {"MinYear", 1, [&] { control.MinYear(2010); }, years, "2010-2100"},
      {"WeekDayStyle", 2, [&] { control.WeekDayStyle(wkdLong); }, header0, "Sunday/Tahoma"},
      {"ToolTipText", 0, [&] { control.ToolTipText("Pick"); },
       [&] { return host.inner.FindFrame("Frame2")->ToolTipText(); }, "Pick"},
      // Disabling empties what the view shows but keeps the lists' items; any non-zero enables.
      {"Enabled", 0, [&] { control.Enabled(0); }, enabled, "0 |2000-2100 off"},
      {"Enabled", 1, [&] { control.Enabled(5); }, enabled, "-1 2059|2000-2100 on"},
  };
  // Settings work alike at design time and at run time.
  for (const bool run : {false, true}) {
    for (const Case& c : cases) {
      if (c.mode == 2 && run) continue;
      SCOPED_TRACE(::testing::Message() << c.name << " in mode " << c.mode << (run ? " run" : ""));
      control.InitProperties();  // each case starts from a new instance's settings
      control.Enabled(-1);
      host.inner.Resize(4800, 4800);
      host.inner.Enabled(c.mode != 1);
      host.inner.SetUserMode(run);
      Events();
      c.set();
      EXPECT_EQ(c.look(), c.expected);
      EXPECT_EQ(Events(), Lines{"PropertyChanged " + std::string(c.name)});
    }
  }
}

TEST_F(PropertiesTest, ValueRecomputesEveryDerivedFieldAndShowsTheDate) {
  const std::pair<const char*, const char*> cases[] = {
      {"2059/01/18/4",
       "2059 1 18 4|2059 Vaishaka 18, Wednesday|05/01/2002|1 May, 2002|2452395.5 1863930"},
      // A day past the month's end is counted on from the month's first day.
      {"2059/01/45/3",
       "2059 1 45 3|2059 Vaishaka 45, Tuesday|05/28/2002|28 May, 2002|2452422.5 1863957"},
      {"2059/13/01/1", "2059 13 1 1|2059  1, Sunday|Nepali2EnglishDate =Invalid Date|0 , 2|0.0 0"},
  };
  for (const auto& [value, fields] : cases) {
    SCOPED_TRACE(value);
    control.Value(value);
    EXPECT_EQ(control.Value(), value);
    EXPECT_EQ(DateFields(control), fields);
    EXPECT_EQ(Label("Label1").Caption() + "|" + Label("Label2").Caption(),
              control.DateValue() + "|" + control.EngStrDate());
    EXPECT_EQ(Combo("cboYear").Text(), std::to_string(control.year()));
    EXPECT_EQ(Events(), Lines{"PropertyChanged Value"});
  }
  control.Value("2059/02/01/4");  // Jestha begins on a Wednesday: its day 1 in cell 3
  EXPECT_EQ(Combo("CBoMonth").Text() + Day(3).Caption(), "Jestha1");
  EXPECT_EQ(Day(3).S3() * 10 + Day(0).S3(), 1);  // highlight moved from cell 0 to cell 3
  control.Enabled(0);
  control.Value("2059/01/18/4");  // applied, not shown
  EXPECT_EQ(control.Day(), 18);
  EXPECT_EQ(Label("Label1").Caption() + Combo("cboYear").Text(), "");
}

TEST_F(PropertiesTest, AnyValueTextIsAppliedWithoutFailing) {
  const char* texts[] = {"",
                         "2059/0",
                         "0000/00/00/0",
                         "9999/12/32/7",
                         "-999/-1/-1/-",
                         "2059/01/32/9",
                         "\xff\xfe/\x80/",
                         "    /  /  / ",
                         "2059/01/01/1 and more"};
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ErrorOf([&] { control.Value(text); }), 0);
    EXPECT_EQ(control.Value(), text);
    // Either a date the calendar knows, or its fixed answer for one it rejects.
    if (control.JulianDate() == 0.0) {
      EXPECT_EQ(control.DateAD() + std::to_string(control.UjjainAhargana()),
                "Nepali2EnglishDate =Invalid Date0");
    } else {
      EXPECT_EQ(control.JulianDate(), control.UjjainAhargana() + 588465.5);
    }
  }
}

TEST_F(PropertiesTest, AFailureKeepsWhatWasStoredBeforeItAndAnnouncesNothing) {
  control.EnglishDateStyle(static_cast<MyEnglishDateStyleConstants>(5));
  Events();
  // An unknown date style cannot be read back into the long form: error 13 in that step.
  EXPECT_EQ(ErrorOf([&] { control.Value("2059/01/18/4"); }), kTypeMismatch);
  EXPECT_EQ(control.Value(), "2059/01/18/4");
  EXPECT_EQ(DateFields(control),
            "2059 1 18 4|2059 Vaishaka 18, Wednesday||14 April, 2002|2452378.5 1863930");
  EXPECT_EQ(ErrorOf([&] { control.MaxYear(Variant::String("later")); }), kTypeMismatch);
  EXPECT_EQ(control.MaxYear().StringValue(), "later");  // stored before the list failed
  EXPECT_EQ(Combo("cboYear").ListCount(), 0);
  EXPECT_EQ(ErrorOf([&] { control.Separator(static_cast<MyYMDSeparatorConstants>(-1)); }), 5);
  EXPECT_EQ(control.Separator(), -1);  // stored, but neither text re-formed
  EXPECT_EQ(control.Value(), "2059/01/18/4");
  EXPECT_TRUE(Events().empty());
}

TEST_F(PropertiesTest, SeparatorAndDateStyleReFormOnlyValueAndDateAD) {
  const std::tuple<std::function<void()>, const char*, const char*> cases[] = {
      {[&] { control.Separator(sepDash); }, "2059-01-01-1", "04-14-2002"},
      {[&] { control.Separator(sepdivsign); }, "2059÷01÷01÷1", "04÷14÷2002"},
      {[&] { control.EnglishDateStyle(datyyyymmdd); }, "2059÷01÷01÷1", "2002÷04÷14"},
      {[&] { control.EnglishDateStyle(datddmmyyyy); }, "2059÷01÷01÷1", "14÷04÷2002"},
      {[&] { control.Separator(static_cast<MyYMDSeparatorConstants>(4)); }, "205901011",
       "14042002"},
  };
  for (const auto& [set, value, dateAD] : cases) {
    SCOPED_TRACE(value);
    set();
    EXPECT_EQ(control.Value() + " " + control.DateAD(), value + std::string(" ") + dateAD);
    EXPECT_EQ(control.DateValue() + "|" + control.EngStrDate() + "|" + Label("Label2").Caption(),
              "2059 Vaishaka 1, Sunday|14 April, 2002|14 April, 2002");
  }
  control.year(2070);  // the year alone drifts from Value until Value is applied again
  control.JulianDate(1.5);
  EXPECT_EQ(DateFields(control),
            "2070 1 1 1|2059 Vaishaka 1, Sunday|14042002|14 April, 2002|1.5 1863913");
  control.English(-1);
  EXPECT_EQ(control.year(), 2059);
}

TEST(SharedNameTablesTest, TheInstanceThatLoadedLastDecidesTheLanguage) {
  HookedHost englishHost, nepaliHost;
  Sauramiti english(englishHost), nepali(nepaliHost);
  englishHost.inner.SetToday({2002, 4, 14});
  nepaliHost.inner.SetToday({2002, 4, 14});
  english.InitProperties();
  nepali.InitProperties();
  nepali.English(0);
  EXPECT_EQ(SauramitiRoutine::MonthNumberFromName("Vaishaka"), 0);
  english.English(-1);
  EXPECT_EQ(SauramitiRoutine::MonthNames[1], "Vaishaka");
  // Each instance loads the tables again before it uses them.
  nepaliHost.inner.FindLabel("lblDay(5)")->Click();
  EXPECT_EQ(nepali.DateValue(), "2059 j}zfv 6, z'qmjf/");
  EXPECT_EQ(SauramitiRoutine::MonthNumberFromName("Vaishaka"), 0);
  englishHost.inner.FindLabel("lblDay(5)")->Click();
  EXPECT_EQ(english.DateValue(), "2059 Vaishaka 6, Friday");
}

}  // namespace
}  // namespace sauramiti::testing
