#include <gtest/gtest.h>

#include <cli/date_conversion.hpp>
#include <cli/typed_date.hpp>
#include <initializer_list>
#include <optional>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace sauramiti::cli {
namespace {

namespace routine = SauramitiRoutine;

struct ReadCase {
  std::string_view name;
  std::string_view text;
  bool allowWeekday;
  std::optional<TypedDate> expected;
};

TEST(ReadTypedDateTest, ThreeNumbersAndOneSeparatorThroughout) {
  const std::initializer_list<ReadCase> cases = {
      {"slashes", "2059/01/15", false, TypedDate{2059, 1, 15, {}}},
      {"dashes, no padding", "2002-4-5", false, TypedDate{2002, 4, 5, {}}},
      {"division signs", "2059÷01÷15", false, TypedDate{2059, 1, 15, {}}},
      {"weekday of a Value string", "2059/01/01/1", true, TypedDate{2059, 1, 1, 1}},
      {"huge numbers saturate", "99999/1/1", false, TypedDate{32767, 1, 1, {}}},
      {"weekday where none is allowed", "2059/01/01/1", false, std::nullopt},
      {"mixed separators", "2059/01-15", false, std::nullopt},
      {"two numbers", "2059/01", true, std::nullopt},
      {"five numbers", "2059/01/01/1/1", true, std::nullopt},
      {"trailing separator", "2059/01/01/", true, std::nullopt},
      {"sign", "-2059/01/01", true, std::nullopt},
      {"other separator", "2059 01 01", true, std::nullopt},
      {"half a division sign", "2059\30301\30301", true, std::nullopt},
      {"empty", "", true, std::nullopt},
  };
  for (const ReadCase& c : cases) {
    const std::optional<TypedDate> date = ReadTypedDate(c.text, c.allowWeekday);
    ASSERT_EQ(date.has_value(), c.expected.has_value()) << c.name;
    if (!date) continue;
    EXPECT_EQ(date->year, c.expected->year) << c.name;
    EXPECT_EQ(date->month, c.expected->month) << c.name;
    EXPECT_EQ(date->day, c.expected->day) << c.name;
    EXPECT_EQ(date->weekday, c.expected->weekday) << c.name;
  }
}

struct ConversionCase {
  std::string_view name;
  DateDirection direction;
  std::string_view input;
  DateOptions options;
  bool converted;
  std::string text;  // the result, or a part of the reason it failed
};

TEST(ConvertTypedDateTest, ConvertsOrSaysWhy) {
  constexpr auto kToAd = DateDirection::ToAd;
  constexpr auto kToBs = DateDirection::ToBs;
  const std::initializer_list<ConversionCase> cases = {
      {"new year 2059", kToAd, "2059/01/01", {}, true, "04/14/2002"},
      {"styled and dashed", kToAd, "2059.1.1", {1, 2}, true, "2002-04-14"},
      {"with its own weekday", kToAd, "2059/01/01/1", {}, true, "04/14/2002"},
      {"wrong weekday", kToAd, "2059/01/01/3", {}, false, "weekday 1, not 3"},
      {"no such weekday", kToAd, "2059/01/01/8", {}, false, "1 (Sunday) to 7 (Saturday)"},
      {"day past the month", kToAd, "2059/01/32", {}, false, "no such date"},
      {"year 10000", kToAd, "10000/01/01", {}, false, "no such date"},
      {"not a date", kToAd, "today", {}, false, "not a BS date"},
      {"to BS", kToBs, "2002-04-14", {}, true, "2059/01/01/1"},
      {"to BS with division signs", kToBs, "2002/4/14", {3, 0}, true, "2059÷01÷01÷1"},
      {"no leap day", kToBs, "2001-02-29", {}, false, "no such Gregorian date"},
      {"past the last BS year", kToBs, "9999-12-31", {}, false, "error 9"},
      {"weekday not allowed", kToBs, "2002-04-14-1", {}, false, "not a Gregorian date"},
  };
  for (const ConversionCase& c : cases) {
    const DateConversion result = ConvertTypedDate(c.direction, c.input, c.options);
    EXPECT_EQ(result.converted, c.converted) << c.name << ": " << result.text;
    if (c.converted) {
      EXPECT_EQ(result.text, c.text) << c.name;
    } else {
      EXPECT_NE(result.text.find(c.text), std::string::npos) << c.name << ": " << result.text;
    }
  }
}

// Every BS date of a stretch of years goes to a Gregorian date and comes back as the same date
// with its weekday.
TEST(ConvertTypedDateTest, BothDirectionsAreInverseOverManyYears) {
  const DateOptions iso{1, 2};  // "-" and yyyy-mm-dd, which to-bs reads back
  for (std::int16_t year = 1990; year <= 2110; ++year) {
    for (std::int16_t month = 1; month <= 12; ++month) {
      const std::int16_t days = routine::GetDaysInMonth(year, month, disNepali);
      for (std::int16_t day = 1; day <= days; ++day) {
        const std::string bs =
            std::to_string(year) + "/" + std::to_string(month) + "/" + std::to_string(day);
        const DateConversion ad = ConvertTypedDate(DateDirection::ToAd, bs, iso);
        ASSERT_TRUE(ad.converted) << bs;
        const DateConversion back = ConvertTypedDate(DateDirection::ToBs, ad.text, {});
        ASSERT_TRUE(back.converted) << bs << " -> " << ad.text;
        const std::optional<TypedDate> parts = ReadTypedDate(back.text, true);
        ASSERT_TRUE(parts) << back.text;
        EXPECT_EQ(parts->year, year) << bs;
        EXPECT_EQ(parts->month, month) << bs;
        EXPECT_EQ(parts->day, day) << bs;
        EXPECT_EQ(parts->weekday, routine::GetWeekDay(year, month, day)) << bs;
      }
    }
  }
}

struct RunResult {
  int status;
  std::string out;
  std::string err;
};

RunResult RunConversion(DateDirection direction, std::vector<std::string> dates,
                        std::string input) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunDateConversion(direction, dates, {}, in, out, err, false);
  return {status, out.str(), err.str()};
}

TEST(RunDateConversionTest, ArgumentsPrintOnlyWhatConverts) {
  const RunResult good =
      RunConversion(DateDirection::ToAd, {"2059/01/01", "2081/01/01"}, "ignored\n");
  EXPECT_EQ(good.status, 0);
  EXPECT_EQ(good.out, "04/14/2002\n04/13/2024\n");
  EXPECT_EQ(good.err, "");

  const RunResult mixed = RunConversion(DateDirection::ToAd, {"2059/13/01", "2059/01/01"}, "");
  EXPECT_EQ(mixed.status, 1);
  EXPECT_EQ(mixed.out, "04/14/2002\n");
  EXPECT_EQ(mixed.err,
            "sauramiti to-ad: \"2059/13/01\": no such date in the BS calendar (years 1 to 9999)\n");
}

TEST(RunDateConversionTest, StandardInputKeepsOneOutputLinePerInputLine) {
  const RunResult result = RunConversion(DateDirection::ToBs, {},
                                         "2002-04-14\r\n"
                                         "  2024-04-13\t\n"
                                         "\n"
                                         "2001-02-29\n"
                                         "2002-04-15");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "2059/01/01/1\n2081/01/01/7\n\n\n2059/01/02/2\n");
  EXPECT_EQ(result.err,
            "sauramiti to-bs: \"2001-02-29\": no such Gregorian date in the years 1 to 9999\n");

  const RunResult blanksOnly = RunConversion(DateDirection::ToAd, {}, "\n \n");
  EXPECT_EQ(blanksOnly.status, 0);
  EXPECT_EQ(blanksOnly.out, "\n\n");
}

}  // namespace
}  // namespace sauramiti::cli
