// The subcommands as run from a command line: exit statuses, usage errors, date conversion,
// `today` and `cal`. Facts used: 14 April 2002 is BS 2059/01/01, a Sunday, Julian day 2452378.5,
// Kali Ahargana 1863913; 1 May 2002 is 2059/01/18; 13 April 2024 is 2081/01/01, a Saturday.
#include <gtest/gtest.h>

#include <cli/command_line.hpp>
#include <cli/date_conversion.hpp>
#include <cli/month_calendar.hpp>
#include <cli/today.hpp>
#include <nlohmann/json.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace sauramiti::cli {
namespace {

// Status, standard output and the number of lines on standard error.
std::string Command(std::vector<const char*> words, const std::string& input = "") {
  words.insert(words.begin(), "sauramiti");
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status =
      RunCommandLine(static_cast<int>(words.size()), words.data(), Streams{in, out, err, false});
  const std::string errors = err.str();
  const bool named =
      errors.empty() || errors.starts_with("sauramiti") || errors.starts_with("script: ");
  return std::to_string(status) + " " + out.str() + "|" +
         std::to_string(std::count(errors.begin(), errors.end(), '\n')) + (named ? "" : " unnamed");
}

TEST(CommandLineTest, StatusOutputAndComplaints) {
  struct Case {
    std::vector<const char*> words;
    std::string input, want;
  };
  const std::vector<Case> cases = {
      {{"call", "GetJulianDate", "2059", "1", "1"}, "", "0 2452378.5\n|0"},
      {{"call", "JDate2EnglishDate", "-1", "-", "2"}, "", "0 -4713/12/31\n|0"},
      {{"call", "GetWeekDay", "2059", "--help", "1"}, "", "1 error 13\n|0"},
      {{"call", "GetWeekDay", "2059", "1"}, "", "1 error 450\n|0"},
      {{"call", "--batch"}, "nope\nGetFirstWeekDay\t2059\t2\n", "0 error 438\n4\n|0"},
      {{"convert", "2059/01/01"}, "", "2 |1"},
      {{"call", "--batch", "GetWeekDay"}, "", "2 |1"},
      {{"to-ad", "--sep", "4", "2059/01/01"}, "", "2 |1"},
      {{"to-bs", "--style", "1", "2002-04-14"}, "", "2 |1"},
      {{"cal", "2081", "13"}, "", "2 |1"},
      {{"script", "/nonexistent/script.txt"}, "", "2 |1"},
      {{"to-ad", "--sep", "2", "--style", "1", "2059/01/01", "2081/01/01"},
       "",
       "0 14.04.2002\n13.04.2024\n|0"},
      {{"to-ad", "2059/13/01", "2059/01/01"}, "", "1 04/14/2002\n|1"},
      // Standard input: one output line per input line, an empty one for a date that fails.
      {{"to-bs", "--sep", "1"},
       "2002-04-14\r\n  2024-04-13\t\n\n2001-02-29\n2002-04-15",
       "1 2059-01-01-1\n2081-01-01-7\n\n\n2059-01-02-2\n|1"},
      {{"script"}, "clock 2002-04-14\nnew\nget Day\nnonsense\n", "2 Integer 1\n|1"},
  };
  for (const Case& c : cases) EXPECT_EQ(Command(c.words, c.input), c.want) << c.words[0];
  for (const std::vector<const char*>& words :
       std::vector<std::vector<const char*>>{{"--help"}, {"call", "--help"}, {"to-bs", "-h"}}) {
    EXPECT_NE(Command(words).find("Examples:"), std::string::npos) << words[0];
  }
  EXPECT_TRUE(Command({"--version"}).starts_with("0 sauramiti "));
}

TEST(CommandLineTest, DatesConvertOrSayWhy) {
  struct Case {
    DateDirection direction;
    std::string input;
    DateOptions options;
    std::string want;  // the result, or a part of the reason it failed
  };
  constexpr auto kToAd = DateDirection::ToAd, kToBs = DateDirection::ToBs;
  const std::vector<Case> cases = {
      {kToAd, "2059÷01÷01", {}, "04/14/2002"},
      {kToAd, "2059/01/01/3", {}, "weekday 1, not 3"},
      {kToAd, "2059/01/01/8", {}, "1 (Sunday) to 7 (Saturday)"},
      {kToAd, "2059/01/32", {}, "no such date"},
      {kToAd, "-2059/01/01", {}, "not a BS date"},
      {kToAd, "2059\30301\30301", {}, "not a BS date"},
      {kToBs, "2002/4/14", {3, 0}, "2059÷01÷01÷1"},
      {kToBs, "2001-02-29", {}, "no such Gregorian date"},
      {kToBs, "9999-12-31", {}, "error 9"},
  };
  for (const Case& c : cases) {
    const DateConversion result = ConvertTypedDate(c.direction, c.input, c.options);
    EXPECT_NE(result.text.find(c.want), std::string::npos) << c.input << ": " << result.text;
    EXPECT_EQ(result.converted, c.want.starts_with("0") || c.want.starts_with("2")) << c.input;
  }
  // Every BS date of a stretch of years goes to AD and back with its weekday.
  for (std::int16_t y = 1990; y <= 2110; ++y) {
    for (std::int16_t m = 1; m <= 12; ++m) {
      for (std::int16_t d = 1; d <= SauramitiRoutine::GetDaysInMonth(y, m, disNepali); ++d) {
        char bs[16];
        std::snprintf(bs, sizeof bs, "%d/%d/%d", y, m, d);
        const DateConversion ad = ConvertTypedDate(kToAd, bs, {1, 2});
        const DateConversion back = ConvertTypedDate(kToBs, ad.text, {1, 0});
        char want[24];
        std::snprintf(want, sizeof want, "%04d-%02d-%02d-%d", y, m, d,
                      SauramitiRoutine::GetWeekDay(y, m, d));
        ASSERT_EQ(back.text, want) << bs << " -> " << ad.text;
      }
    }
  }
}

TEST(CommandLineTest, TodayAndCal) {
  std::ostringstream report, json, month;
  WriteTodayReport(report, {}, {2002, 4, 14});
  EXPECT_EQ(report.str(),
            "Value           2059/01/01/1\nDateValue       2059 Vaishaka 1, Sunday\n"
            "DateAD          04/14/2002\nEngStrDate      14 April, 2002\n"
            "JulianDate      2452378.5\nUjjainAhargana  1863913\n");
  WriteTodayReport(json, {true, 3, 1, false}, {2002, 4, 14});
  const auto fields = nlohmann::json::parse(json.str());
  EXPECT_EQ(fields.at("Value"), "2059÷01÷01÷1");
  EXPECT_EQ(fields.at("DateAD"), "14÷04÷2002");

  CalendarOptions options;
  options.year = 2059;
  options.month = 3;
  WriteMonthCalendar(month, options, {2002, 5, 1});
  const std::string text = month.str();
  EXPECT_NE(text.find("2059 ▾ "), std::string::npos) << text;
  EXPECT_NE(text.find(" Asadh ▾"), std::string::npos) << text;
  EXPECT_NE(text.find("[ 1]"), std::string::npos) << "another month: its first day" << text;
  EXPECT_EQ(text.find('[', text.find('[') + 1), std::string::npos) << "one mark";
}

}  // namespace
}  // namespace sauramiti::cli
