// The property table against the control it describes: every entry's accessors round-trip and
// are guarded as the entry says, every successful Let fires the entry's event, and the document's
// keys and defaults are the table's in the fixed orders. (That a new instance's settings are the
// defaults its keys are saved with, so that none is stored, control_properties_test checks.)
#include <algorithm>
#include <fstream>
#include <memory>
#include <sauramiti/control/property_table.hpp>
#include <sstream>
#include <tests/control/control_test_support.hpp>

namespace sauramiti::testing {
namespace {

class PropertyTableTest : public LiveControl {};

// A value of each property type that differs from every new instance's setting; a Boolean is
// the other of its setting `before`, so that a Let that stores nothing fails for a switch that
// starts False as much as for one that starts True.
Variant SampleValue(PropertyType type, const Variant& before) {
  switch (type) {
    case PropertyType::Boolean:
      return Variant::Boolean(before.ToBoolean() == 0);
    case PropertyType::Integer:
      return Variant::Integer(2010);
    case PropertyType::Long:
      return Variant::Long(1863913);
    case PropertyType::Double:
      return Variant::Double(2452378.5);
    case PropertyType::String:
      return Variant::String("2059/01/15/1");  // a Value string, and text for the others
    case PropertyType::Font:
      return Variant::Font(std::make_shared<Font>(Font{"Arial", 12.0F, true}));
    case PropertyType::Variant:
      return Variant::String("2090");  // MaxYear keeps the type it was given
    case PropertyType::Enumeration:
      return Variant::Long(1);
  }
  return {};
}

// Two values of the same property type are the same setting (fonts by their characteristics).
bool SameSetting(const Variant& a, const Variant& b) {
  if (a.Type() == VariantType::Font && b.Type() == VariantType::Font)
    return *a.ToFont() == *b.ToFont();
  return a == b;
}

// What the guard of an entry makes a Let give in a mode: 0 when it is allowed.
std::int32_t ExpectedLetError(ModeGuard guard, bool runTime) {
  switch (guard) {
    case ModeGuard::ReadOnly:
      return runTime ? 382 : 387;
    case ModeGuard::RunTimeLet:
      return runTime ? 0 : 387;
    case ModeGuard::DesignTimeOnly:
      return runTime ? 382 : 0;
    case ModeGuard::None:
      return 0;
  }
  return -1;
}

TEST_F(PropertyTableTest, EveryEntryRoundTripsInTheModesItsGuardAllowsAndIsRefusedInTheOthers) {
  for (const bool runTime : {true, false}) {
    for (const PropertyEntry& p : kPropertyTable) {
      SCOPED_TRACE(std::string(p.name) + (runTime ? " at run time" : " at design time"));
      host.inner.SetUserMode(runTime);
      const bool readRefused = runTime && p.guard == ModeGuard::DesignTimeOnly;
      const Variant before = readRefused ? Variant() : p.get(control);
      // Calendar takes only 0 and 1: its sample is the published calendar. A date limit takes
      // only a day of the calendar; these keep today (2059/01/01) allowed.
      const Variant sample = p.name == "Calendar"  ? Variant::Integer(std::int16_t{1})
                             : p.name == "MinDate" ? Variant::String("2058/12/01")
                             : p.name == "MaxDate" ? Variant::String("2059/01/15")
                                                   : SampleValue(p.type, before);
      Events();
      const std::int32_t error = ErrorNumberOf([&] { p.let(control, sample); });
      EXPECT_EQ(error, ExpectedLetError(p.guard, runTime));
      if (readRefused) {
        EXPECT_EQ(ErrorNumberOf([&] { p.get(control); }), 393);
        EXPECT_TRUE(Events().empty());
      } else if (error != 0) {
        EXPECT_TRUE(SameSetting(p.get(control), before));  // a refusal changes nothing
        EXPECT_TRUE(Events().empty());
      } else {
        EXPECT_TRUE(SameSetting(p.get(control), sample));
        EXPECT_EQ(p.fires, "PropertyChanged");
        EXPECT_EQ(Events(), std::vector<std::string>{"PropertyChanged " + std::string(p.name)});
      }
      EXPECT_TRUE(p.fires == "PropertyChanged" || p.guard == ModeGuard::ReadOnly);
    }
  }
}

TEST(PropertyTableEntries, NamesAreUniqueAndEachIsFoundByItsName) {
  for (const PropertyEntry& p : kPropertyTable) {
    EXPECT_EQ(FindPropertyEntry(p.name), &p) << p.name;
    EXPECT_FALSE(p.help.empty() && p.browsed && p.name != "Enabled") << p.name;
    EXPECT_TRUE(p.get != nullptr && p.let != nullptr) << p.name;
  }
  EXPECT_EQ(FindPropertyEntry("english"), nullptr);  // names keep their letter case
  EXPECT_EQ(FindPropertyEntry("ShowEnglishDate"), nullptr);
  EXPECT_EQ(std::count_if(kPropertyTable.begin(), kPropertyTable.end(),
                          [](const PropertyEntry& p) { return !p.extension; }),
            21);
}

// Records each key with the default it was handed.
class DefaultsBag final : public platform::PropertyBag {
 public:
  Variant ReadProperty(std::string_view key, const Variant& defaultValue) override {
    reads.emplace_back(key, defaultValue);
    return defaultValue;
  }
  void WriteProperty(std::string_view key, const Variant&, const Variant& defaultValue) override {
    writes.emplace_back(key, defaultValue);
  }
  std::vector<std::pair<std::string, Variant>> reads, writes;
};

TEST_F(PropertyTableTest, SavingWritesEverySavedEntryInTableOrderWithItsDefault) {
  std::vector<std::pair<std::string, Variant>> expected;
  for (const PropertyEntry& p : kPropertyTable) {
    if (p.savedKey.empty()) continue;
    expected.emplace_back(p.savedKey, p.writeDefault.ToVariant(host));
    if (p.name == kUnreadSavedKeyFollows) expected.emplace_back(kUnreadSavedKey, Variant());
  }
  DefaultsBag bag;
  control.WriteProperties(bag);
  ASSERT_EQ(bag.writes.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(bag.writes[i].first, expected[i].first) << i;
    EXPECT_EQ(bag.writes[i].second, expected[i].second) << expected[i].first;
  }
}

TEST_F(PropertyTableTest, LoadingReadsTheEntriesInTheirLoadPositionsWithTheirDefaults) {
  std::vector<const PropertyEntry*> loaded;
  for (const PropertyEntry& p : kPropertyTable) {
    if (p.loadPosition != 0) loaded.push_back(&p);
  }
  std::sort(loaded.begin(), loaded.end(), [](const PropertyEntry* a, const PropertyEntry* b) {
    return a->loadPosition < b->loadPosition;
  });
  DefaultsBag bag;
  Sauramiti fresh(host);
  fresh.ReadProperties(bag);
  ASSERT_EQ(bag.reads.size(), loaded.size());
  for (std::size_t i = 0; i < loaded.size(); ++i) {
    const PropertyEntry& p = *loaded[i];
    // 1, 2, 3 ... with no repeats and no gaps.
    EXPECT_EQ(p.loadPosition, static_cast<int>(i) + 1) << p.name;
    EXPECT_EQ(bag.reads[i].first, p.savedKey) << i;
    const Variant want = p.readDefault.ToVariant(host);
    EXPECT_TRUE(SameSetting(bag.reads[i].second, want)) << p.name;
    EXPECT_EQ(bag.reads[i].second.Type(), want.Type()) << p.name;
  }
}

// The properties page has a row for every entry, with its help text; this keeps the page from
// falling behind the table.
TEST(PropertyTableEntries, ThePropertiesPageListsEveryEntry) {
  std::ifstream file(SAURAMITI_PROPERTIES_DOC);
  ASSERT_TRUE(file) << SAURAMITI_PROPERTIES_DOC;
  std::stringstream page;
  page << file.rdbuf();
  for (const PropertyEntry& p : kPropertyTable) {
    const std::string row = "| `" + std::string(p.name) + "` | ";
    EXPECT_NE(page.str().find(row), std::string::npos) << p.name;
    if (!p.help.empty()) {
      EXPECT_NE(page.str().find(row + std::string(p.help) + " |"), std::string::npos) << p.name;
    }
  }
}

}  // namespace
}  // namespace sauramiti::testing
