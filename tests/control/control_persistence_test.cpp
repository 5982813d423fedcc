#include <memory>
#include <string>

#include "control_test_support.hpp"

namespace sauramiti::testing {
namespace {

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

TEST_F(LiveControl, SavingWritesTheKeysInOrderLeavingOutDefaultsAndLoadingReadsItsOwn) {
  RecordingBag bag;
  control.WriteProperties(bag);
  EXPECT_EQ(bag.writes,
            "English:Boolean Enabled:Boolean MaxYear:Integer MinYear:Integer DateValue:String* "
            "month:Integer* Day:Integer* Weekday:Integer* year:Integer* UjjainAhargana:Long* "
            "DateAD:String* EnglishFont:Font* NepaliFont:Font* Vertical:Boolean "
            "ShowEnglishDate:Empty Value:String* EngStrDate:String* JulianDate:Double* "
            "EnglishDateStyle:Long WeekDayStyle:Long Separator:Long ToolTipText:String* ");
  Sauramiti loaded(host);
  loaded.ReadProperties(bag);
  EXPECT_EQ(bag.reads,
            "English Enabled MaxYear MinYear Vertical EnglishFont NepaliFont DateValue DateAD "
            "UjjainAhargana EngStrDate JulianDate EnglishDateStyle WeekDayStyle Separator "
            "ToolTipText ");
  control.Vertical(5);  // a boolean keeps its bits
  control.WriteProperties(bag);
  EXPECT_EQ(bag.stored.at("Vertical").BooleanBits(), 5);
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
    EXPECT_EQ(host.Width() + host.Height(), 3000 + 3000);
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
    SCOPED_TRACE(key);
    HookedHost host;
    Sauramiti control(host);
    RecordingBag bag;
    bag.stored["English"] = Variant::Boolean(std::int16_t{0});
    bag.stored[key] = value;
    EXPECT_EQ(ErrorOf([&] { control.ReadProperties(bag); }), error);
    EXPECT_EQ(control.English(), 0);  // read before the failing key
    // A failed load neither recomputes the date nor refreshes; a disabled one shows nothing.
    EXPECT_EQ(control.EngStrDate().empty(), error != 0);
    EXPECT_EQ(host.inner.FindComboBox("cboYear")->ListCount(), 0);
  }
}

}  // namespace
}  // namespace sauramiti::testing
