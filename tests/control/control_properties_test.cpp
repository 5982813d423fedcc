#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sauramiti/view/name_tables.hpp>
#include <string>
#include <vector>

#include "control_test_support.hpp"

namespace sauramiti::testing {
namespace {

using PropertiesTest = LiveControl;

// A property seen through its Get as text, so one table can hold properties of every type.
struct Accessor {
  const char* name;
  std::function<std::string(Sauramiti&)> get;
  std::function<void(Sauramiti&)> let;
};

std::vector<Accessor> ReadOnlyProperties() {
  return {
      {"DateValue", [](Sauramiti& c) { return c.DateValue(); },
       [](Sauramiti& c) { c.DateValue("x"); }},
      {"month", [](Sauramiti& c) { return std::to_string(c.month()); },
       [](Sauramiti& c) { c.month(5); }},
      {"Day", [](Sauramiti& c) { return std::to_string(c.Day()); }, [](Sauramiti& c) { c.Day(5); }},
      {"Weekday", [](Sauramiti& c) { return std::to_string(c.Weekday()); },
       [](Sauramiti& c) { c.Weekday(5); }},
      {"UjjainAhargana", [](Sauramiti& c) { return std::to_string(c.UjjainAhargana()); },
       [](Sauramiti& c) { c.UjjainAhargana(5); }},
      {"DateAD", [](Sauramiti& c) { return c.DateAD(); }, [](Sauramiti& c) { c.DateAD("x"); }},
      {"EngStrDate", [](Sauramiti& c) { return c.EngStrDate(); },
       [](Sauramiti& c) { c.EngStrDate("x"); }},
  };
}

std::vector<Accessor> RunTimeOnlyProperties() {
  return {
      {"year", [](Sauramiti& c) { return std::to_string(c.year()); },
       [](Sauramiti& c) { c.year(2070); }},
      {"Value", [](Sauramiti& c) { return c.Value(); },
       [](Sauramiti& c) { c.Value("2059/01/18/4"); }},
      {"JulianDate", [](Sauramiti& c) { return std::to_string(c.JulianDate()); },
       [](Sauramiti& c) { c.JulianDate(1.5); }},
      {"EnglishDateStyle", [](Sauramiti& c) { return std::to_string(c.EnglishDateStyle()); },
       [](Sauramiti& c) { c.EnglishDateStyle(datyyyymmdd); }},
      {"Separator", [](Sauramiti& c) { return std::to_string(c.Separator()); },
       [](Sauramiti& c) { c.Separator(sepDash); }},
  };
}

TEST_F(PropertiesTest, ReadOnlyPropertiesRefuseEveryLetInBothModes) {
  for (const bool run : {false, true}) {
    host.SetUserMode(run);
    for (const Accessor& p : ReadOnlyProperties()) {
      SCOPED_TRACE(std::string(p.name) + (run ? " at run time" : " at design time"));
      const std::string before = p.get(control);
      EXPECT_EQ(ErrorOf([&] { p.let(control); }), run ? 382 : 387);
      EXPECT_EQ(p.get(control), before);
      EXPECT_TRUE(Events().empty());
    }
  }
}

TEST_F(PropertiesTest, RunTimeOnlyPropertiesRefuseLetsAtDesignTime) {
  for (const Accessor& p : RunTimeOnlyProperties()) {
    SCOPED_TRACE(p.name);
    host.SetUserMode(false);
    const std::string before = p.get(control);
    EXPECT_EQ(ErrorOf([&] { p.let(control); }), 387);
    EXPECT_EQ(p.get(control), before);
    EXPECT_TRUE(Events().empty());

    host.SetUserMode(true);
    EXPECT_EQ(ErrorOf([&] { p.let(control); }), 0);
    EXPECT_NE(p.get(control), before);
    EXPECT_EQ(Events(), Changed(p.name));
  }
}

TEST_F(PropertiesTest, WeekDayStyleIsADesignTimeProperty) {
  EXPECT_EQ(ErrorOf([&] { (void)control.WeekDayStyle(); }), 393);
  EXPECT_EQ(ErrorOf([&] { control.WeekDayStyle(wkdLong); }), 382);
  EXPECT_TRUE(Events().empty());
  EXPECT_EQ(host.Header(0).Caption(), "Sun");

  host.SetUserMode(false);
  EXPECT_EQ(control.WeekDayStyle(), wkdShort);  // the refused Let stored nothing
  control.WeekDayStyle(wkdLong);
  EXPECT_EQ(control.WeekDayStyle(), wkdLong);
  EXPECT_EQ(host.Header(0).Caption(), "Sunday");  // refreshed
  EXPECT_EQ(Events(), Changed("WeekDayStyle"));
}

TEST_F(PropertiesTest, SettingsWorkInBothModesAndAnnounceThemselves) {
  const std::vector<Accessor> settings = {
      {"English", nullptr, [](Sauramiti& c) { c.English(0); }},
      {"Enabled", nullptr, [](Sauramiti& c) { c.Enabled(-1); }},
      {"MaxYear", nullptr, [](Sauramiti& c) { c.MaxYear(Variant::Integer(2090)); }},
      {"MinYear", nullptr, [](Sauramiti& c) { c.MinYear(2010); }},
      {"EnglishFont", nullptr,
       [](Sauramiti& c) {
         c.EnglishFont(std::make_shared<Font>(Font{"Arial", 9}));
       }},
      {"NepaliFont", nullptr,
       [](Sauramiti& c) {
         c.NepaliFont(std::make_shared<Font>(Font{"Preeti", 9}));
       }},
      {"Vertical", nullptr, [](Sauramiti& c) { c.Vertical(0); }},
      {"ToolTipText", nullptr, [](Sauramiti& c) { c.ToolTipText("Pick"); }},
  };
  for (const bool run : {false, true}) {
    host.SetUserMode(run);
    for (const Accessor& p : settings) {
      SCOPED_TRACE(std::string(p.name) + (run ? " at run time" : " at design time"));
      p.let(control);
      EXPECT_EQ(Events(), Changed(p.name));
    }
  }
  EXPECT_EQ(control.MaxYear(), Variant::Integer(2090));
  EXPECT_EQ(control.MinYear(), 2010);
  EXPECT_EQ(control.ToolTipText(), "Pick");
  EXPECT_EQ(host.Frame("Frame2").ToolTipText(), "Pick");
}

TEST_F(PropertiesTest, EnglishRedrawsTheWholeViewOnlyWhileEnabled) {
  control.English(0);
  EXPECT_EQ(host.Header(0).Caption(), "/lj");
  EXPECT_EQ(host.Combo("CBoMonth").Text(), "j}zfv");
  EXPECT_EQ(control.DateValue(), "2059 j}zfv 1, /ljjf/");
  EXPECT_EQ(host.Label("Label1").Caption(), "2059 j}zfv 1, /ljjf/");

  control.Enabled(0);
  Events();
  control.English(-1);
  EXPECT_EQ(control.English(), -1);
  EXPECT_EQ(host.Header(0).Caption(), " ");  // blank, not redrawn while disabled
  EXPECT_EQ(control.DateValue(), "2059 j}zfv 1, /ljjf/");
  control.Enabled(-1);
  EXPECT_EQ(host.Header(0).Caption(), "Sun");
  EXPECT_EQ(control.DateValue(), "2059 Vaishaka 1, Sunday");
}

TEST_F(PropertiesTest, VerticalRearrangesOnlyWhileEnabled) {
  ASSERT_EQ(host.Header(1).Left(), 2.0F);  // vertical: headers down the left side
  control.Vertical(0);
  EXPECT_EQ(host.Header(1).Top(), 1.0F);  // horizontal: headers across the top
  EXPECT_GT(host.Header(1).Left(), 600.0F);

  control.Enabled(0);
  control.Vertical(-1);
  EXPECT_EQ(control.Vertical(), -1);
  EXPECT_EQ(host.Header(1).Top(), 1.0F);  // stored, not laid out
  host.Resize(4801, 4800);
  EXPECT_EQ(host.Header(1).Left(), 2.0F);  // a resize still arranges a disabled control
}

TEST_F(PropertiesTest, AFontRedrawsOnlyInItsOwnLanguage) {
  control.NepaliFont(std::make_shared<Font>(Font{"Preeti", 12}));
  EXPECT_EQ(host.Header(0).FontName(), "Tahoma");  // English mode: stored only
  control.EnglishFont(std::make_shared<Font>(Font{"Arial", 9}));
  EXPECT_EQ(host.Header(0).FontName(), "Arial");
  EXPECT_EQ(host.Combo("cboYear").FontName(), "Arial");
  control.English(0);
  EXPECT_EQ(host.Header(0).FontName(), "Preeti");  // used at the next refresh in Nepali
  EXPECT_EQ(control.NepaliFont()->name, "Preeti");
}

TEST_F(PropertiesTest, YearAndJulianDateAloneDriftFromValueUntilTheNextRefresh) {
  control.year(2070);
  control.JulianDate(1.5);
  EXPECT_EQ(control.year(), 2070);
  EXPECT_EQ(control.JulianDate(), 1.5);
  EXPECT_EQ(control.Value(), "2059/01/01/1");
  EXPECT_EQ(control.DateAD(), "04/14/2002");
  EXPECT_EQ(control.month(), 1);
  EXPECT_EQ(host.Combo("cboYear").Text(), "2059");
  control.English(-1);  // a whole-view refresh applies Value again
  EXPECT_EQ(control.year(), 2059);
  EXPECT_EQ(control.JulianDate(), 2452378.5);
}

TEST_F(PropertiesTest, ValueRecomputesEveryDerivedFieldAndShowsTheDate) {
  struct Case {
    const char* name;
    const char* value;
    std::int16_t year, month, day, weekday;
    const char* dateValue;
    const char* dateAD;
    const char* engStrDate;
    double julian;
    std::int32_t ujjain;
  };
  const Case cases[] = {
      {"slashes", "2059/01/18/4", 2059, 1, 18, 4, "2059 Vaishaka 18, Wednesday", "05/01/2002",
       "1 May, 2002", 2452395.5, 1863930},
      {"dashes read the same", "2059-01-18-4", 2059, 1, 18, 4, "2059 Vaishaka 18, Wednesday",
       "05/01/2002", "1 May, 2002", 2452395.5, 1863930},
      {"day past the month placed by its weekday", "2059/01/45/3", 2059, 1, 45, 3,
       "2059 Vaishaka 45, Tuesday", "05/28/2002", "28 May, 2002", 2452422.5, 1863957},
      // The long form reads the rejection text at its fixed positions: "2Eng" gives year 2.
      {"text holding no date", "hello", 0, 0, 0, 0, "0  0, ", "Nepali2EnglishDate =Invalid Date",
       "0 , 2", 0, 0},
      {"month outside the tables", "2059/13/01/1", 2059, 13, 1, 1, "2059  1, Sunday",
       "Nepali2EnglishDate =Invalid Date", "0 , 2", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    control.Value(c.value);
    EXPECT_EQ(control.Value(), c.value);
    EXPECT_EQ(control.year(), c.year);
    EXPECT_EQ(control.month(), c.month);
    EXPECT_EQ(control.Day(), c.day);
    EXPECT_EQ(control.Weekday(), c.weekday);
    EXPECT_EQ(control.DateValue(), c.dateValue);
    EXPECT_EQ(control.DateAD(), c.dateAD);
    EXPECT_EQ(control.EngStrDate(), c.engStrDate);
    EXPECT_EQ(control.JulianDate(), c.julian);
    EXPECT_EQ(control.UjjainAhargana(), c.ujjain);
    EXPECT_EQ(host.Label("Label1").Caption(), c.dateValue);
    EXPECT_EQ(host.Label("Label2").Caption(), c.engStrDate);
    EXPECT_EQ(host.Combo("cboYear").Text(), std::to_string(c.year));
    EXPECT_EQ(Events(), Changed("Value"));
  }
}

TEST_F(PropertiesTest, AnyValueTextIsAppliedAndShownWithoutFailing) {
  // Value is taken unchecked; pieces that are no numbers read as 0 and a date the calendar
  // rejects gives its fixed results, so setting it always completes.
  const char* texts[] = {
      "",
      "2",
      "2059",
      "2059/0",
      "2059/01/01/",
      "0000/00/00/0",
      "9999/12/32/7",
      "0001/01/01/1",
      "-999/-1/-1/-",
      "2059/01/99/1",
      "2059/01/01/0",
      "2059/01/01/9",
      "2059/01/32/9",
      "2059÷01÷18÷4",
      "\xff\xfe\xfd\xfc/\x80\x81/",
      "2059/01/01/1 and more",
      "    /  /  / ",
      "2059 01 18 4",
  };
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ErrorOf([&] { control.Value(text); }), 0);
    EXPECT_EQ(control.Value(), text);
    if (control.JulianDate() == 0.0) {
      EXPECT_EQ(control.DateAD(), "Nepali2EnglishDate =Invalid Date");
      EXPECT_EQ(control.UjjainAhargana(), 0);
    } else {
      EXPECT_EQ(control.JulianDate(), control.UjjainAhargana() + 588465.5);
    }
  }
}

TEST_F(PropertiesTest, ValueShowsTheDayInTheGrid) {
  control.Value("2059/02/01/4");  // Jestha begins on a Wednesday
  EXPECT_EQ(host.Combo("CBoMonth").Text(), "Jestha");
  EXPECT_EQ(host.Day(3).Caption(), "1");
  EXPECT_EQ(host.Day(3).S3(), 0);
  EXPECT_EQ(host.Day(3).ForeColor(), 0x0000FFFFU);
  EXPECT_EQ(host.Day(0).S3(), 1);  // the previous highlight is gone
}

TEST_F(PropertiesTest, ValueOfADisabledControlIsAppliedButNotShown) {
  control.Enabled(0);
  control.Value("2059/01/18/4");
  EXPECT_EQ(control.Day(), 18);
  EXPECT_EQ(host.Label("Label1").Caption(), "");
  EXPECT_EQ(host.Combo("cboYear").Text(), "");
}

TEST_F(PropertiesTest, AFailureWhileApplyingValueKeepsWhatWasStoredAndSendsNothing) {
  control.EnglishDateStyle(static_cast<MyEnglishDateStyleConstants>(5));
  Events();
  const std::string engStrDate = control.EngStrDate();
  // An unknown date style cannot be read back into the long form: error 13 in that step.
  EXPECT_EQ(ErrorOf([&] { control.Value("2059/01/18/4"); }), kTypeMismatch);
  EXPECT_EQ(control.Value(), "2059/01/18/4");
  EXPECT_EQ(control.Day(), 18);
  EXPECT_EQ(control.DateValue(), "2059 Vaishaka 18, Wednesday");
  EXPECT_EQ(control.DateAD(), "");  // the style writes no text
  EXPECT_EQ(control.EngStrDate(), engStrDate);
  EXPECT_EQ(control.JulianDate(), 2452378.5);
  EXPECT_TRUE(Events().empty());
}

TEST_F(PropertiesTest, SeparatorRePunctuatesValueAndDateADOnly) {
  struct Case {
    const char* name;
    MyYMDSeparatorConstants code;
    const char* value;
    const char* dateAD;
  };
  const Case cases[] = {
      {"dash", sepDash, "2059-01-01-1", "04-14-2002"},
      {"the same code changes nothing", sepDash, "2059-01-01-1", "04-14-2002"},
      {"division sign", sepdivsign, "2059÷01÷01÷1", "04÷14÷2002"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    control.Separator(c.code);
    EXPECT_EQ(control.Separator(), c.code);
    EXPECT_EQ(control.Value(), c.value);
    EXPECT_EQ(control.DateAD(), c.dateAD);
    EXPECT_EQ(control.DateValue(), "2059 Vaishaka 1, Sunday");
    EXPECT_EQ(control.EngStrDate(), "14 April, 2002");
    EXPECT_EQ(control.Day(), 1);
    EXPECT_EQ(Events(), Changed("Separator"));
  }
  // A code without a character deletes the separators; the date fields keep their values.
  control.Separator(static_cast<MyYMDSeparatorConstants>(4));
  EXPECT_EQ(control.Value(), "205901011");
  EXPECT_EQ(control.DateAD(), "04142002");
  EXPECT_EQ(control.year(), 2059);
}

TEST_F(PropertiesTest, ANegativeSeparatorIsStoredButReFormsNothing) {
  EXPECT_EQ(ErrorOf([&] { control.Separator(static_cast<MyYMDSeparatorConstants>(-1)); }),
            kInvalidProcedureCall);
  EXPECT_EQ(control.Separator(), -1);
  EXPECT_EQ(control.Value(), "2059/01/01/1");
  EXPECT_EQ(control.DateAD(), "04/14/2002");
  EXPECT_TRUE(Events().empty());
}

TEST_F(PropertiesTest, EnglishDateStyleReFormsDateADOnly) {
  control.Separator(sepDot);
  control.EnglishDateStyle(datyyyymmdd);
  EXPECT_EQ(control.DateAD(), "2002.04.14");
  EXPECT_EQ(control.EngStrDate(), "14 April, 2002");
  control.EnglishDateStyle(datddmmyyyy);
  EXPECT_EQ(control.DateAD(), "14.04.2002");
}

TEST_F(PropertiesTest, MaxYearKeepsItsTypeAndBoundsTheYearList) {
  auto& list = host.Combo("cboYear");
  control.MaxYear(Variant::String("2090"));
  EXPECT_EQ(control.MaxYear().Type(), VariantType::String);
  EXPECT_EQ(control.MaxYear().StringValue(), "2090");
  EXPECT_EQ(list.List(list.ListCount() - 1), "2090");
  Events();

  EXPECT_EQ(ErrorOf([&] { control.MaxYear(Variant::String("later")); }), kTypeMismatch);
  EXPECT_EQ(control.MaxYear().StringValue(), "later");  // stored before the list failed
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_TRUE(Events().empty());
}

TEST_F(PropertiesTest, MinYearAboveMaxYearEmptiesTheListButShowsTheYear) {
  control.MinYear(2200);
  EXPECT_EQ(host.Combo("cboYear").ListCount(), 0);
  EXPECT_EQ(host.Combo("cboYear").Text(), "2059");
}

TEST_F(PropertiesTest, EnabledIsTheSurfacesStateAndBlanksTheView) {
  control.Enabled(0);
  EXPECT_EQ(control.Enabled(), 0);
  EXPECT_FALSE(host.Enabled());
  EXPECT_EQ(host.Label("Label1").Caption(), "");
  EXPECT_FALSE(host.Combo("cboYear").Enabled());
  for (int j = 0; j < 35; ++j) EXPECT_FALSE(host.Day(j).Enabled()) << j;
  EXPECT_EQ(host.Combo("cboYear").Text(), "");
  EXPECT_EQ(host.Combo("cboYear").ListCount(), 101);  // texts emptied, items kept
  EXPECT_EQ(host.Combo("CBoMonth").ListCount(), 12);

  control.Enabled(5);  // any non-zero value enables
  EXPECT_EQ(control.Enabled(), -1);
  EXPECT_TRUE(host.Combo("cboYear").Enabled());
  EXPECT_EQ(host.Combo("cboYear").Text(), "2059");
  EXPECT_EQ(host.Label("Label1").Caption(), "2059 Vaishaka 1, Sunday");
  host.Enabled(false);
  EXPECT_EQ(control.Enabled(), 0);  // no stored copy
}

TEST_F(PropertiesTest, MethodsGiveTheSameInBothModesAndChangeNothing) {
  const auto callAll = [&] {
    std::vector<std::string> r;
    r.push_back(control.English2NepaliDate(2002, 4, 14, sepdivsign));
    r.push_back(std::to_string(control.GetFirstWeekDay(2059, 2)));
    r.push_back(std::to_string(control.GetDaysInMonth(2059, 3, disNepali)));
    r.push_back(std::to_string(control.GetDaysInMonth(2000, 2, disEnglish)));
    r.push_back(std::to_string(control.GetWeekDay(2059, 1, 18)));
    r.push_back(std::to_string(control.GetKaliAhargana(2059, 1, 1)));
    r.push_back(control.Nepali2EnglishDate(2059, 1, 1, 9, sepDash, datyyyymmdd));
    r.push_back(std::to_string(control.GetJulianDate(2059, 1, 1)));
    r.push_back(control.AharGana2NepaliDate(1863913, sepDot));
    r.push_back(control.JDate2EnglishDate(2451544.5));
    return r;
  };
  const std::vector<std::string> expected = {"2059÷01÷01÷1",
                                             "4",
                                             "32",
                                             "29",
                                             "4",
                                             "1863913.000000",
                                             "2002-04-14",
                                             "2452378.500000",
                                             "2059.01.01.1",
                                             "01/01/2000"};
  const auto snapshot = [&] {
    return control.Value() + control.DateAD() + control.DateValue() + control.EngStrDate() +
           std::to_string(control.JulianDate()) + std::to_string(control.year());
  };
  const std::string before = snapshot();
  for (const bool run : {true, false}) {
    host.SetUserMode(run);
    EXPECT_EQ(callAll(), expected);
  }
  EXPECT_EQ(snapshot(), before);
  EXPECT_TRUE(Events().empty());
}

TEST(SharedNameTablesTest, TheInstanceThatLoadedLastDecidesTheLanguage) {
  FakeHost englishHost, nepaliHost;
  Sauramiti english(englishHost), nepali(nepaliHost);
  english.InitProperties();
  nepali.InitProperties();
  nepali.English(0);
  EXPECT_EQ(SauramitiRoutine::MonthNames[1], "j}zfv");
  EXPECT_EQ(SauramitiRoutine::MonthNumberFromName("Vaishaka"), 0);

  english.English(-1);
  EXPECT_EQ(SauramitiRoutine::MonthNames[1], "Vaishaka");
  // Each instance loads the tables again before it uses them.
  nepaliHost.Day(5).Click();
  EXPECT_EQ(nepali.DateValue().substr(0, 11), "2059 j}zfv ");
  EXPECT_EQ(SauramitiRoutine::MonthNames[1], "j}zfv");
  englishHost.Day(5).Click();
  EXPECT_EQ(english.DateValue(), "2059 Vaishaka 6, Friday");
}

}  // namespace
}  // namespace sauramiti::testing
