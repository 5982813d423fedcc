#include <gtest/gtest.h>

#include <memory>
#include <sauramiti/base/runtime_error.hpp>
#include <string>
#include <utility>
#include <vector>

#include "control_test_support.hpp"

namespace sauramiti::testing {
namespace {

using PersistenceTest = LiveControl;

TEST(NewInstanceTest, StartsWithTheDefaultsAndTodaysDate) {
  FakeHost host;
  host.SetToday({2002, 4, 14});
  Sauramiti control(host);
  control.Initialize();
  control.InitProperties();

  EXPECT_EQ(host.Width(), 3000.0F);
  EXPECT_EQ(host.Height(), 3000.0F);
  EXPECT_EQ(control.English(), -1);
  EXPECT_EQ(control.Vertical(), -1);
  EXPECT_EQ(control.Enabled(), -1);
  EXPECT_EQ(control.MinYear(), 2000);
  EXPECT_EQ(control.MaxYear().Type(), VariantType::Integer);
  EXPECT_EQ(control.MaxYear().IntegerValue(), 2100);
  EXPECT_EQ(control.EnglishDateStyle(), datmmddyyyy);
  EXPECT_EQ(control.Separator(), sepSlash);
  host.SetUserMode(false);
  EXPECT_EQ(control.WeekDayStyle(), wkdShort);
  EXPECT_EQ(control.ToolTipText(), "Click the Required Date");

  EXPECT_EQ(control.Value(), "2059/01/01/1");
  EXPECT_EQ(control.DateValue(), "2059 Vaishaka 1, Sunday");
  EXPECT_EQ(control.DateAD(), "04/14/2002");
  EXPECT_EQ(control.EngStrDate(), "14 April, 2002");
  EXPECT_EQ(control.JulianDate(), 2452378.5);
  EXPECT_EQ(control.UjjainAhargana(), 1863913);
  EXPECT_EQ(host.Label("Label1").Caption(), "2059 Vaishaka 1, Sunday");
  EXPECT_EQ(host.Day(0).S3(), 0);  // today is selected

  // Two requests for the ambient font, two font objects alike.
  ASSERT_TRUE(control.EnglishFont() && control.NepaliFont());
  EXPECT_NE(control.EnglishFont(), control.NepaliFont());
  EXPECT_EQ(*control.EnglishFont(), host.ambientFont_);
  EXPECT_EQ(*control.NepaliFont(), host.ambientFont_);
  EXPECT_TRUE(host.TakeEvents().empty());  // nothing marked changed
}

TEST_F(PersistenceTest, SavingWritesTheTwentyTwoKeysInOrderWithTheirTypes) {
  FakeBag bag;
  control.WriteProperties(bag);
  const std::vector<std::pair<std::string, VariantType>> expected = {
      {"English", VariantType::Boolean},       {"Enabled", VariantType::Boolean},
      {"MaxYear", VariantType::Integer},       {"MinYear", VariantType::Integer},
      {"DateValue", VariantType::String},      {"month", VariantType::Integer},
      {"Day", VariantType::Integer},           {"Weekday", VariantType::Integer},
      {"year", VariantType::Integer},          {"UjjainAhargana", VariantType::Long},
      {"DateAD", VariantType::String},         {"EnglishFont", VariantType::Font},
      {"NepaliFont", VariantType::Font},       {"Vertical", VariantType::Boolean},
      {"ShowEnglishDate", VariantType::Empty}, {"Value", VariantType::String},
      {"EngStrDate", VariantType::String},     {"JulianDate", VariantType::Double},
      {"EnglishDateStyle", VariantType::Long}, {"WeekDayStyle", VariantType::Long},
      {"Separator", VariantType::Long},        {"ToolTipText", VariantType::String},
  };
  ASSERT_EQ(bag.writes.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(bag.writes[i].first, expected[i].first) << i;
    EXPECT_EQ(bag.writes[i].second.Type(), expected[i].second) << bag.writes[i].first;
  }
  // What equals its default is left out; the date fields and fonts (default Empty) are kept.
  for (const char* key : {"English", "Enabled", "MaxYear", "MinYear", "Vertical", "ShowEnglishDate",
                          "EnglishDateStyle", "WeekDayStyle", "Separator"}) {
    EXPECT_EQ(bag.stored.count(key), 0U) << key;
  }
  for (const char* key :
       {"DateValue", "month", "Day", "Weekday", "year", "UjjainAhargana", "DateAD", "EnglishFont",
        "NepaliFont", "Value", "EngStrDate", "JulianDate", "ToolTipText"}) {
    EXPECT_EQ(bag.stored.count(key), 1U) << key;
  }
  EXPECT_TRUE(Events().empty());
}

TEST_F(PersistenceTest, ABooleanKeepsItsBitsWhenSaved) {
  control.Vertical(5);
  FakeBag bag;
  control.WriteProperties(bag);
  EXPECT_EQ(bag.stored.at("Vertical").BooleanBits(), 5);
}

TEST_F(PersistenceTest, SettingsSurviveALoadButTheDateIsTodaysAgain) {
  host.SetUserMode(false);
  control.WeekDayStyle(wkdLong);
  control.English(0);
  control.Vertical(0);
  control.MinYear(2010);
  control.MaxYear(Variant::String("2090"));
  control.EnglishFont(std::make_shared<Font>(Font{"Arial", 9}));
  control.NepaliFont(std::make_shared<Font>(Font{"Preeti", 14, true}));
  control.ToolTipText("Pick a day");
  host.SetUserMode(true);
  control.Separator(sepDot);
  control.EnglishDateStyle(datyyyymmdd);
  host.Day(20).Click();  // the user picks another day
  ASSERT_EQ(control.Day(), 21);
  FakeBag bag;
  control.WriteProperties(bag);

  FakeHost other;
  other.SetToday({2002, 5, 1});  // BS 2059/01/18, a Wednesday
  Sauramiti loaded(other);
  loaded.Initialize();
  loaded.ReadProperties(bag);

  EXPECT_EQ(loaded.English(), 0);
  EXPECT_EQ(loaded.Vertical(), 0);
  EXPECT_EQ(loaded.MinYear(), 2010);
  EXPECT_EQ(loaded.MaxYear().Type(), VariantType::String);
  EXPECT_EQ(loaded.MaxYear().StringValue(), "2090");
  EXPECT_EQ(loaded.EnglishFont()->name, "Arial");
  EXPECT_EQ(*loaded.NepaliFont(), (Font{"Preeti", 14, true}));
  EXPECT_EQ(loaded.ToolTipText(), "Pick a day");
  EXPECT_EQ(loaded.Separator(), sepDot);
  EXPECT_EQ(loaded.EnglishDateStyle(), datyyyymmdd);
  other.SetUserMode(false);
  EXPECT_EQ(loaded.WeekDayStyle(), wkdLong);
  other.SetUserMode(true);

  EXPECT_EQ(loaded.Value(), "2059/01/18/4");  // today, with "/" whatever the separator
  EXPECT_EQ(loaded.Day(), 18);
  EXPECT_EQ(loaded.DateAD(), "2002.05.01");
  EXPECT_EQ(loaded.DateValue(), "2059 j}zfv 18, a'wjf/");
  EXPECT_EQ(loaded.JulianDate(), 2452395.5);
  EXPECT_EQ(other.Combo("cboYear").List(other.Combo("cboYear").ListCount() - 1), "2090");
  EXPECT_EQ(other.Header(0).Caption(), "/ljjf/");
}

TEST_F(PersistenceTest, LoadingReadsSixteenKeysInOrder) {
  FakeBag bag;
  FakeHost other;
  Sauramiti loaded(other);
  loaded.ReadProperties(bag);
  const std::vector<std::string> expected = {
      "English",          "Enabled",        "MaxYear",    "MinYear",
      "Vertical",         "EnglishFont",    "NepaliFont", "DateValue",
      "DateAD",           "UjjainAhargana", "EngStrDate", "JulianDate",
      "EnglishDateStyle", "WeekDayStyle",   "Separator",  "ToolTipText"};
  EXPECT_EQ(bag.reads, expected);
}

TEST(LoadFromEmptyBagTest, GivesANewInstancesSettingsButLeavesSizeAndTooltip) {
  FakeHost host;
  host.Resize(4000, 3500);
  Sauramiti control(host);
  FakeBag bag;
  control.Initialize();
  control.ReadProperties(bag);
  EXPECT_EQ(host.Width(), 4000.0F);
  EXPECT_EQ(host.Height(), 3500.0F);
  EXPECT_EQ(control.ToolTipText(), "");
  EXPECT_EQ(control.English(), -1);
  EXPECT_EQ(control.Vertical(), -1);
  EXPECT_EQ(control.Enabled(), -1);
  EXPECT_EQ(control.MinYear(), 2000);
  EXPECT_EQ(control.MaxYear(), Variant::Integer(2100));
  EXPECT_EQ(control.Value(), "2059/01/01/1");
  EXPECT_EQ(control.EngStrDate(), "14 April, 2002");
  EXPECT_EQ(control.EnglishFont()->name, "Tahoma");
  EXPECT_NE(control.EnglishFont(), control.NepaliFont());
}

TEST(LoadWithDashTest, ValueKeepsSlashesWhileDateADTakesTheSavedSeparator) {
  FakeHost host;
  Sauramiti control(host);
  FakeBag bag;
  bag.stored["Separator"] = Variant::Long(sepDash);
  control.ReadProperties(bag);
  EXPECT_EQ(control.Value(), "2059/01/01/1");
  EXPECT_EQ(control.DateAD(), "04-14-2002");
  // Re-punctuating replaces only the characters of the code held, so Value keeps its "/".
  control.Separator(sepDot);
  EXPECT_EQ(control.Value(), "2059/01/01/1");
  EXPECT_EQ(control.DateAD(), "04.14.2002");
}

TEST(LoadFailureTest, AValueOfTheWrongTypeStopsTheLoadWhereItIs) {
  struct Case {
    const char* name;
    const char* key;
    Variant value;
    std::int32_t error;
  };
  const Case cases[] = {
      {"MinYear that is no number", "MinYear", Variant::String("soon"), kTypeMismatch},
      {"MinYear beyond 16 bits", "MinYear", Variant::Long(40000), kOverflow},
      {"a font key holding text", "EnglishFont", Variant::String("Arial"), kTypeMismatch},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeHost host;
    Sauramiti control(host);
    FakeBag bag;
    bag.stored["English"] = Variant::Boolean(std::int16_t{0});
    bag.stored[c.key] = c.value;
    EXPECT_EQ(ErrorOf([&] { control.ReadProperties(bag); }), c.error);
    EXPECT_EQ(control.English(), 0);                  // read before the failing key
    EXPECT_EQ(control.EngStrDate(), "");              // read after it: still the created value
    EXPECT_EQ(control.Value(), "");                   // no recomputation
    EXPECT_EQ(host.Combo("cboYear").ListCount(), 0);  // no refresh
  }
}

TEST(LoadDisabledTest, TheSavedEnabledStateGoesToTheSurface) {
  FakeHost host;
  Sauramiti control(host);
  FakeBag bag;
  bag.stored["Enabled"] = Variant::Boolean(false);
  control.ReadProperties(bag);
  EXPECT_FALSE(host.Enabled());
  EXPECT_EQ(control.Value(), "2059/01/01/1");
  EXPECT_EQ(host.Label("Label1").Caption(), "");
  EXPECT_EQ(host.Combo("cboYear").ListCount(), 0);
}

// A bag that refuses one key.
class RefusingBag final : public platform::PropertyBag {
 public:
  explicit RefusingBag(std::string refused) : refused_(std::move(refused)) {}
  Variant ReadProperty(std::string_view, const Variant& defaultValue) override {
    return defaultValue;
  }
  void WriteProperty(std::string_view key, const Variant&, const Variant&) override {
    if (key == refused_) Raise(kTypeMismatch);
    written.emplace_back(key);
  }
  std::vector<std::string> written;

 private:
  std::string refused_;
};

TEST_F(PersistenceTest, SavingStopsAtTheFirstKeyTheBagRefuses) {
  RefusingBag bag("DateAD");
  EXPECT_EQ(ErrorOf([&] { control.WriteProperties(bag); }), kTypeMismatch);
  ASSERT_EQ(bag.written.size(), 10U);
  EXPECT_EQ(bag.written.back(), "UjjainAhargana");
}

}  // namespace
}  // namespace sauramiti::testing
