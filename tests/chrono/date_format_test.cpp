// Typed BS dates as text: to_string, parse and format in both languages.
#include <gtest/gtest.h>

#include <sauramiti/chrono.hpp>
#include <string>
#include <vector>

namespace sauramiti::bs {
namespace {

TEST(DateFormatTest, ParseAcceptsThreeSeparatorsAndTwoKindsOfDigits) {
  struct Row {
    const char* text;
    std::optional<year_month_day> want;
  };
  const std::vector<Row> rows = {
      {"2081-09-15", year_month_day{2081, 9, 15}},
      {"2081/09/15", year_month_day{2081, 9, 15}},
      {"2081.9.15", year_month_day{2081, 9, 15}},
      {"१२.१.५", year_month_day{12, 1, 5}},
      {"२०८१-०९-१५", year_month_day{2081, 9, 15}},
      {"9999-12-31", year_month_day{9999, 12, 31}},
      {"1-1-1", year_month_day{1, 1, 1}},
      {"2081-13-01", std::nullopt},   // no month 13
      {"2081-09-33", std::nullopt},   // no rollover into the next month
      {"2081-09-30", std::nullopt},   // Poush 2081 has 29 days
      {"0-01-01", std::nullopt},      // no year 0
      {"10000-01-01", std::nullopt},  // five digits
      {"2081-009-15", std::nullopt},  // three digits
      {"2081-09/15", std::nullopt},   // two separators
      {"2081÷09÷15", std::nullopt},   // not one of the three
      {"२०८१-09-15", std::nullopt},   // two kinds of digits
      {" 2081-09-15", std::nullopt},  // blanks around
      {"2081-09-15 ", std::nullopt},
      {"2081-09-15-2", std::nullopt},  // a weekday
      {"2081-09", std::nullopt},
      {"", std::nullopt},
      {"-2081-09-15", std::nullopt},
      {"2081-+9-15", std::nullopt},
      {"\xE0\xA5", std::nullopt},  // a cut Devanagari digit
  };
  for (const Row& row : rows) EXPECT_EQ(parse(row.text), row.want) << row.text;
}

TEST(DateFormatTest, FormatFieldsInEnglishAndNepali) {
  const year_month_day poush{2081, 9, 15};
  struct Row {
    year_month_day date;
    const char* pattern;
    locale language;
    const char* want;
  };
  const std::vector<Row> rows = {
      {poush, "%d %B %Y, %A", locale::english, "15 Poush 2081, Monday"},
      {poush, "%d %B %Y, %A", locale::nepali, "१५ पौष २०८१, सोमवार"},
      {{2059, 1, 1}, "%A %e %B", locale::english, "Sunday 1 Vaishaka"},
      {{2059, 1, 1}, "%F", locale::nepali, "२०५९-०१-०१"},
      {{5, 1, 2}, "%Y/%m/%d", locale::english, "0005/01/02"},
      {poush, "100%% %q %", locale::english, "100% %q %"},
      {{2081, 9, 30}, "%B %A.", locale::english, "Poush ."},  // no such day: no weekday
      {{2081, 13, 1}, "[%B]", locale::nepali, "[]"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(format(row.date, row.pattern, row.language), row.want) << row.pattern;
  }
  EXPECT_EQ(to_string(poush), "2081-09-15");
  EXPECT_EQ(to_string({12, 1, 5}), "0012-01-05");
  // Every day's text parses back to the day.
  for (int y : {1, 2081, 9999}) {
    for (unsigned m = 1; m <= 12; ++m) {
      for (unsigned d = 1; d <= days_in_month(y, m); ++d) {
        const year_month_day date{y, m, d};
        ASSERT_EQ(parse(to_string(date)), date);
        ASSERT_EQ(parse(format(date, "%Y.%m.%d", locale::nepali)), date);
      }
    }
  }
}

}  // namespace
}  // namespace sauramiti::bs
