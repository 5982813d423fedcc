#include <gtest/gtest.h>

#include <sauramiti/view/name_tables.hpp>
#include <string>

namespace sauramiti::SauramitiRoutine {
namespace {

TEST(LoadNameTablesTest, FillsEveryTableInOneLanguage) {
  struct Case {
    const char* name;
    std::int16_t english;
    const char* sunday;
    const char* saturday;
    const char* vaishaka;
    const char* chaitra;
    const char* april;
    const char* nepaliTitle;
    const char* englishTitle;
  };
  const Case cases[] = {
      {"English", -1, "Sunday", "Saturday", "Vaishaka", "Chaitra", "April", "Nepali Date ",
       "English Date"},
      {"any non-zero value is English", 5, "Sunday", "Saturday", "Vaishaka", "Chaitra", "April",
       "Nepali Date ", "English Date"},
      {"Nepali", 0, "/ljjf/", "zlgjf/", "j}zfv", "r}q", "clk|n", "g]kfnL ldlt", "c+u|]hL ldlt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string englishTitle = "untouched";
    LoadNameTables(c.english, englishTitle);
    EXPECT_EQ(WeekdayNames[1], c.sunday);
    EXPECT_EQ(WeekdayNames[7], c.saturday);
    EXPECT_EQ(MonthNames[1], c.vaishaka);
    EXPECT_EQ(MonthNames[12], c.chaitra);
    EXPECT_EQ(EnglishMonthNames[4], c.april);
    EXPECT_EQ(NepaliPanelTitle, c.nepaliTitle);
    EXPECT_EQ(englishTitle, c.englishTitle);
    // Position 0 is empty so that codes index their names directly; every other is filled.
    EXPECT_EQ(WeekdayNames[0], "");
    EXPECT_EQ(MonthNames[0], "");
    EXPECT_EQ(EnglishMonthNames[0], "");
    for (std::size_t i = 1; i < 8; ++i) EXPECT_FALSE(WeekdayNames[i].empty()) << i;
    for (std::size_t i = 1; i < 13; ++i) EXPECT_FALSE(MonthNames[i].empty()) << i;
    for (std::size_t i = 1; i < 13; ++i) EXPECT_FALSE(EnglishMonthNames[i].empty()) << i;
  }
}

TEST(LoadNameTablesTest, EveryNepaliWeekdayEndsInTheSameThreeCharacters) {
  // The short weekday style relies on this ending to make the short Nepali names.
  std::string title;
  LoadNameTables(0, title);
  for (std::size_t i = 1; i < 8; ++i) {
    ASSERT_GE(WeekdayNames[i].size(), 3U);
    EXPECT_EQ(WeekdayNames[i].substr(WeekdayNames[i].size() - 3), "jf/") << WeekdayNames[i];
  }
}

TEST(MonthNumberFromNameTest, FindsOnlyExactNamesOfTheCurrentLanguage) {
  struct Case {
    const char* name;
    std::int16_t english;
    const char* text;
    std::int16_t expected;
  };
  const Case cases[] = {
      {"English name in English", -1, "Poush", 9},
      {"first month", -1, "Vaishaka", 1},
      {"last month", -1, "Chaitra", 12},
      {"Nepali name in English", -1, "kf}if", 0},
      {"English name in Nepali", 0, "Poush", 0},
      {"Nepali name in Nepali", 0, "kf}if", 9},
      {"Nepali last month", 0, "r}q", 12},
      {"trailing blank", -1, "Poush ", 0},
      {"leading blank", -1, " Poush", 0},
      {"other case", -1, "poush", 0},
      {"empty text never matches the empty entry 0", -1, "", 0},
      {"a Gregorian month", -1, "April", 0},
  };
  for (const Case& c : cases) {
    std::string title;
    LoadNameTables(c.english, title);
    EXPECT_EQ(MonthNumberFromName(c.text), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace sauramiti::SauramitiRoutine
