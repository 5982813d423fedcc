#include <memory>
#include <sauramiti/view/name_tables.hpp>
#include <string>
#include <vector>

#include "control_test_support.hpp"

namespace sauramiti::testing {
namespace {

using PropertiesTest = LiveControl;
using Lines = std::vector<std::string>;

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
    EXPECT_EQ(DateFields(control), fields);
    EXPECT_EQ(
        Label("Label1").Caption() + "|" + Label("Label2").Caption() + "|" + Combo("cboYear").Text(),
        control.DateValue() + "|" + control.EngStrDate() + "|" + std::to_string(control.year()));
    EXPECT_EQ(Events(), Lines{"PropertyChanged Value"});
  }
  control.Enabled(0);
  control.Value("2059/01/18/4");  // applied, not shown
  EXPECT_EQ(control.Day(), 18);
  EXPECT_EQ(Label("Label1").Caption() + Combo("cboYear").Text(), "");
}

TEST_F(PropertiesTest, AnyValueTextIsAppliedWithoutFailing) {
  for (const char* text : {"", "2059/0", "0000/00/00/0", "9999/12/32/7", "-999/-1/-1/-",
                           "2059/01/32/9", "\xff\xfe/\x80/", "    /  /  / ", "2059/01/01/1 +"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ErrorNumberOf([&] { control.Value(text); }), 0);
    EXPECT_EQ(control.Value(), text);
    // Either a date the calendar knows, or its fixed answer for one it rejects.
    const bool known = control.DateAD() != "Nepali2EnglishDate =Invalid Date";
    EXPECT_EQ(control.JulianDate() - control.UjjainAhargana(), known ? 588465.5 : 0.0);
  }
}

TEST_F(PropertiesTest, AFailureKeepsWhatWasStoredBeforeItAndAnnouncesNothing) {
  control.EnglishDateStyle(static_cast<MyEnglishDateStyleConstants>(5));
  Events();
  // An unknown date style cannot be read back into the long form: error 13 in that step.
  EXPECT_EQ(ErrorNumberOf([&] { control.Value("2059/01/18/4"); }), kTypeMismatch);
  EXPECT_EQ(control.Value(), "2059/01/18/4");
  EXPECT_EQ(DateFields(control),
            "2059 1 18 4|2059 Vaishaka 18, Wednesday||14 April, 2002|2452378.5 1863930");
  // A failure while a day click applies its date: no panels, no Click.
  EXPECT_EQ(ErrorNumberOf([&] { Day(20).Click(); }), kTypeMismatch);
  EXPECT_EQ(control.Value() + "|" + Label("Label1").Caption(),
            "2059/01/21/7|2059 Vaishaka 1, Sunday");
  EXPECT_EQ(ErrorNumberOf([&] { control.MaxYear(Variant::String("later")); }), kTypeMismatch);
  EXPECT_EQ(control.MaxYear().StringValue(), "later");  // stored before the list failed
  EXPECT_EQ(ErrorNumberOf([&] { control.Separator(static_cast<MyYMDSeparatorConstants>(-1)); }), 5);
  // Stored, but neither text re-formed.
  EXPECT_EQ(std::to_string(control.Separator()) + " " + control.Value(), "-1 2059/01/21/7");
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
}

TEST_F(PropertiesTest, TheInstanceThatLoadedTheNameTablesLastDecidesTheirLanguage) {
  HookedHost nepaliHost;
  nepaliHost.inner.SetToday({2002, 4, 14});
  Sauramiti nepali(nepaliHost);
  nepali.InitProperties();
  nepali.English(0);
  control.English(-1);
  EXPECT_EQ(SauramitiRoutine::MonthNumberFromName("Vaishaka"), 1);
  // Each instance loads the tables again before it uses them.
  nepaliHost.inner.FindLabel("lblDay(5)")->Click();
  EXPECT_EQ(nepali.DateValue(), "2059 j}zfv 6, z'qmjf/");
  Day(5).Click();
  EXPECT_EQ(control.DateValue(), "2059 Vaishaka 6, Friday");
}

// The settings and the selected date as one line.
std::string Describe(Sauramiti& c, headless::HeadlessHost& host) {
  host.SetUserMode(false);
  const auto style = c.WeekDayStyle();
  host.SetUserMode(true);
  return std::to_string(c.English()) + " " + std::to_string(c.Enabled()) + " " +
         std::to_string(c.Vertical()) + " " + std::to_string(c.MinYear()) + " " +
         TypeName(c.MaxYear().Type()) + ":" + c.MaxYear().ToString() + " " + std::to_string(style) +
         std::to_string(c.EnglishDateStyle()) + std::to_string(c.Separator()) + " " +
         c.EnglishFont()->name + "/" + c.NepaliFont()->name + " '" + c.ToolTipText() + "' " +
         c.Value() + "|" + c.DateValue() + "|" + c.DateAD() + "|" +
         std::to_string(c.UjjainAhargana());
}

TEST_F(PropertiesTest, SavingWritesTheKeysInOrderLeavingOutDefaultsAndLoadingReadsItsOwn) {
  RecordingBag bag;
  control.WriteProperties(bag);
  EXPECT_EQ(bag.writes,
            "English:Boolean Enabled:Boolean MaxYear:Integer MinYear:Integer DateValue:String* "
            "month:Integer* Day:Integer* Weekday:Integer* year:Integer* UjjainAhargana:Long* "
            "DateAD:String* EnglishFont:Font* NepaliFont:Font* Vertical:Boolean "
            "ShowEnglishDate:Empty Value:String* EngStrDate:String* JulianDate:Double* "
            "EnglishDateStyle:Long WeekDayStyle:Long Separator:Long ToolTipText:String* "
            // The extensions' keys follow, at their defaults: handed over, never stored.
            "SixWeeks:Boolean ShowGregorianDay:Boolean Calendar:Integer MarkToday:Boolean "
            "MinDate:String MaxDate:String HolidayForeColor:Long ");
  Sauramiti loaded(host);
  loaded.ReadProperties(bag);
  EXPECT_EQ(bag.reads,
            "English Enabled MaxYear MinYear Vertical EnglishFont NepaliFont DateValue DateAD "
            "UjjainAhargana EngStrDate JulianDate EnglishDateStyle WeekDayStyle Separator "
            "ToolTipText SixWeeks ShowGregorianDay Calendar MarkToday MinDate MaxDate "
            "HolidayForeColor ");
}

// Settings survive a save and a load; the selected date is today's again, whatever was saved.
TEST(PersistenceTest, WhatALoadRestoresAndWhatItRecomputes) {
  struct Case {
    const char* name;
    bool changeSettings, emptyBag;
    const char* loaded;
  };
  const Case cases[] = {
      {"a new instance", false, false,
       "-1 -1 -1 2000 Integer:2100 000 Tahoma/Tahoma 'Click the Required Date' "
       "2059/01/18/4|2059 Vaishaka 18, Wednesday|05/01/2002|1863930"},
      {"an empty bag", false, true,
       "-1 -1 -1 2000 Integer:2100 000 Tahoma/Tahoma '' "
       "2059/01/18/4|2059 Vaishaka 18, Wednesday|05/01/2002|1863930"},
      // Value is today's with "/" whatever separator was saved; DateAD takes the saved one.
      {"every setting changed", true, false,
       "0 -1 0 2010 String:2090 122 Arial/Preeti 'Pick a day' "
       "2059/01/18/4|2059 j}zfv 18, a'wjf/|2002.05.01|1863930"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HookedHost host, other;
    host.inner.SetToday({2002, 4, 14});
    other.inner.SetToday({2002, 5, 1});  // BS 2059/01/18, a Wednesday
    Sauramiti original(host), loaded(other);
    original.InitProperties();
    if (c.changeSettings) {
      host.inner.SetUserMode(false);
      original.WeekDayStyle(wkdLong);
      original.English(0);
      original.Vertical(0);
      original.MinYear(2010);
      original.MaxYear(Variant::String("2090"));
      original.EnglishFont(std::make_shared<Font>(Font{"Arial", 9}));
      original.NepaliFont(std::make_shared<Font>(Font{"Preeti", 14, true}));
      original.ToolTipText("Pick a day");
      host.inner.SetUserMode(true);
      original.Separator(sepDot);
      original.EnglishDateStyle(datyyyymmdd);
    }
    host.inner.FindLabel("lblDay(20)")->Click();  // a picked day is saved but not restored
    RecordingBag bag;
    original.WriteProperties(bag);
    if (c.emptyBag) bag.stored.clear();
    loaded.ReadProperties(bag);
    EXPECT_EQ(Describe(loaded, other.inner), c.loaded);
    EXPECT_NE(loaded.EnglishFont(), loaded.NepaliFont());  // two font objects, even alike
    EXPECT_EQ(other.inner.FindLabel("lblWD(0)")->Caption(), c.changeSettings ? "/ljjf/" : "Sun");
  }
}

TEST(PersistenceTest, AValueOfTheWrongTypeStopsTheLoadWhereItIs) {
  const std::tuple<const char*, Variant, std::int32_t> cases[] = {
      {"MinYear", Variant::String("soon"), kTypeMismatch},
      {"MinYear", Variant::Long(40000), kOverflow},
      {"EnglishFont", Variant::String("Arial"), kTypeMismatch},
      {"Enabled", Variant::Boolean(false), 0}};
  for (const auto& [key, value, error] : cases) {
    HookedHost host;
    Sauramiti control(host);
    RecordingBag bag;
    bag.stored["English"] = Variant::Boolean(std::int16_t{0});
    bag.stored[key] = value;
    EXPECT_EQ(ErrorNumberOf([&] { control.ReadProperties(bag); }), error) << key;
    EXPECT_EQ(control.English(), 0);  // read before the failing key
    // A failed load neither recomputes the date nor refreshes; a disabled one shows nothing.
    EXPECT_EQ(control.EngStrDate().empty(), error != 0);
    EXPECT_EQ(host.inner.FindComboBox("cboYear")->ListCount(), 0);
  }
}

}  // namespace
}  // namespace sauramiti::testing
