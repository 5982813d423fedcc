// `today` and `cal` for fixed dates. The dates are facts of the calendar: 14 April 2002 is BS
// 2059/01/01, a Sunday, Julian day 2452378.5, Kali Ahargana 1863913; 1 May 2002 is 2059/01/18.
#include <gtest/gtest.h>

#include <cli/month_calendar.hpp>
#include <cli/today.hpp>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

namespace sauramiti::cli {
namespace {

constexpr platform::LocalDate kBsNewYear2059{2002, 4, 14};
constexpr platform::LocalDate kEighteenthOfVaishaka{2002, 5, 1};

std::string Today(const TodayOptions& options, platform::LocalDate date) {
  std::ostringstream out;
  WriteTodayReport(out, options, date);
  return out.str();
}

TEST(TodayReportTest, OnePropertyALineForPeople) {
  EXPECT_EQ(Today({}, kBsNewYear2059),
            "Value           2059/01/01/1\n"
            "DateValue       2059 Vaishaka 1, Sunday\n"
            "DateAD          04/14/2002\n"
            "EngStrDate      14 April, 2002\n"
            "JulianDate      2452378.5\n"
            "UjjainAhargana  1863913\n");
}

struct JsonCase {
  std::string_view name;
  TodayOptions options;
  std::string_view value;
  std::string_view dateAD;
};

TEST(TodayReportTest, JsonKeysAreThePropertyNames) {
  const std::initializer_list<JsonCase> cases = {
      {"defaults", {true, 0, 0, false}, "2059/01/01/1", "04/14/2002"},
      {"dash and year first", {true, 1, 2, false}, "2059-01-01-1", "2002-04-14"},
      {"division sign, day first", {true, 3, 1, false}, "2059÷01÷01÷1", "14÷04÷2002"},
  };
  for (const JsonCase& c : cases) {
    const auto json = nlohmann::json::parse(Today(c.options, kBsNewYear2059));
    EXPECT_EQ(json.at("Value"), c.value) << c.name;
    EXPECT_EQ(json.at("DateAD"), c.dateAD) << c.name;
    EXPECT_EQ(json.at("DateValue"), "2059 Vaishaka 1, Sunday") << c.name;
    EXPECT_EQ(json.at("EngStrDate"), "14 April, 2002") << c.name;
    EXPECT_EQ(json.at("JulianDate"), 2452378.5) << c.name;
    EXPECT_EQ(json.at("UjjainAhargana"), 1863913) << c.name;
    EXPECT_FALSE(json.contains("DateValueUnicode")) << c.name;
  }
}

TEST(TodayReportTest, NepaliKeepsTheStoredTextsAndAddsDevanagari) {
  const auto json = nlohmann::json::parse(Today({true, 0, 0, true}, kBsNewYear2059));
  EXPECT_EQ(json.at("DateValue"), "2059 j}zfv 1, /ljjf/");
  EXPECT_EQ(json.at("DateValueUnicode"), "२०५९ वैशाख १, रविवार");
  EXPECT_EQ(json.at("EngStrDate"), "14 clk|n, 2002");
  EXPECT_EQ(json.at("EngStrDateUnicode"), "१४ अप्रिल, २००२");
  EXPECT_EQ(json.at("Value"), "2059/01/01/1");

  const std::string forPeople = Today({false, 0, 0, true}, kBsNewYear2059);
  EXPECT_NE(forPeople.find("DateValue       २०५९ वैशाख १, रविवार\n"), std::string::npos)
      << forPeople;
}

struct CalendarCase {
  std::string_view name;
  platform::LocalDate today;
  std::optional<std::int16_t> year;
  std::optional<std::int16_t> month;
  std::string_view yearText;   // the year list's text
  std::string_view monthText;  // the month list's text
  std::string_view selected;   // the bracketed day
};

std::string LineAt(const std::string& text, std::size_t index) {
  std::istringstream in(text);
  std::string line;
  for (std::size_t i = 0; i <= index && std::getline(in, line); ++i) {
  }
  return line;
}

TEST(MonthCalendarTest, ShowsTheAskedMonthWithTodayOrItsFirstDaySelected) {
  const std::initializer_list<CalendarCase> cases = {
      {"this month, today selected", kEighteenthOfVaishaka, {}, {}, "2059", "Vaishaka", "[18]"},
      {"this month named", kEighteenthOfVaishaka, 2059, 1, "2059", "Vaishaka", "[18]"},
      {"another month of this year", kEighteenthOfVaishaka, 2059, 3, "2059", "Asadh", "[ 1]"},
      {"a year alone keeps the month", kEighteenthOfVaishaka, 2070, {}, "2070", "Vaishaka", "[ 1]"},
      {"a year beyond the year list", kBsNewYear2059, 2150, 12, "2150", "Chaitra", "[ 1]"},
      {"the first year", kBsNewYear2059, 1, 1, "1", "Vaishaka", "[ 1]"},
  };
  for (const CalendarCase& c : cases) {
    CalendarOptions options;
    options.year = c.year;
    options.month = c.month;
    std::ostringstream out;
    WriteMonthCalendar(out, options, c.today);
    const std::string text = out.str();
    const std::string lists = LineAt(text, 2);
    EXPECT_TRUE(lists.starts_with(std::string(c.yearText) + " ▾ ")) << c.name << '\n' << text;
    EXPECT_TRUE(lists.ends_with(" " + std::string(c.monthText) + " ▾")) << c.name << '\n' << text;
    EXPECT_NE(text.find(c.selected), std::string::npos) << c.name << '\n' << text;
    EXPECT_EQ(text.find('[', text.find('[') + 1), std::string::npos) << c.name << ": one mark";
  }
}

TEST(MonthCalendarTest, OptionsChooseArrangementLanguageAndColour) {
  CalendarOptions options;
  options.horizontal = true;
  std::ostringstream horizontal;
  WriteMonthCalendar(horizontal, options, kBsNewYear2059);
  EXPECT_NE(horizontal.str().find("Sun  Mon  Tue  Wed  Thu  Fri  Sat\n"), std::string::npos)
      << horizontal.str();

  options.nepali = true;
  options.color = true;
  std::ostringstream nepali;
  WriteMonthCalendar(nepali, options, kBsNewYear2059);
  EXPECT_NE(nepali.str().find("वैशाख"), std::string::npos) << nepali.str();
  EXPECT_NE(nepali.str().find("\x1b["), std::string::npos);
  EXPECT_EQ(nepali.str().find("[ १]"), std::string::npos) << "colours replace the brackets";
}

}  // namespace
}  // namespace sauramiti::cli
