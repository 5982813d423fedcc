// The subcommands as run from a command line: exit statuses, usage errors, date conversion,
// `today` and `cal`. Facts used: 14 April 2002 is BS 2059/01/01, a Sunday, Julian day 2452378.5,
// Kali Ahargana 1863913; 1 May 2002 is 2059/01/18; 13 April 2024 is 2081/01/01, a Saturday.
#include <gtest/gtest.h>

#include <cli/command_line.hpp>
#include <cli/date_conversion.hpp>
#include <cli/month_calendar.hpp>
#include <cli/pick_command.hpp>
#include <cli/today.hpp>
#include <nlohmann/json.hpp>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/view/legacy_font_transcoder.hpp>
#include <sstream>
#include <string>
#include <terminal/display_width.hpp>
#include <vector>

namespace sauramiti::cli {
namespace {

struct Run {
  int status;
  std::string out, err;
};

Run RunWords(std::vector<const char*> words, const std::string& input = "") {
  words.insert(words.begin(), "sauramiti");
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status =
      RunCommandLine(static_cast<int>(words.size()), words.data(), Streams{in, out, err, false});
  return {status, out.str(), err.str()};
}

// Status, standard output and the number of lines on standard error.
std::string Command(const std::vector<const char*>& words, const std::string& input = "") {
  const auto [status, out, errors] = RunWords(words, input);
  const bool named =
      errors.empty() || errors.starts_with("sauramiti") || errors.starts_with("script: ");
  return std::to_string(status) + " " + out + "|" +
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
      // A single call's error line stays the contract; stderr says why (not in --batch).
      {{"call", "GetWeekDay", "2059", "--help", "1"}, "", "1 error 13\n|1"},
      {{"call", "GetWeekDay", "2059", "1"}, "", "1 error 450\n|1"},
      {{"call", "Foo"}, "", "1 error 438\n|1"},
      // What the methods return, though it looks like a failure.
      {{"call", "Nepali2EnglishDate", "2059", "1", "1", "9", "9", "9"}, "", "0 \n|0"},
      {{"call", "GetDaysInMonth", "2059", "13", "1"}, "", "0 0\n|0"},
      {{"cal", "-3", "2081"}, "", "2 |1"},
      {{"cal", "--legacy"}, "", "2 |1"},
      {{"today", "--legacy"}, "", "2 |1"},
      {{"pick", "--min-year", "2090", "--max-year", "2080"}, "", "2 |1"},
      {{"pick", "--max-year", "10000"}, "", "2 |1"},
      {{"call", "--batch"}, "nope\nGetFirstWeekDay\t2059\t2\n", "0 error 438\n4\n|0"},
      {{"convert", "2059/01/01"}, "", "2 |1"},
      {{"call", "--batch", "GetWeekDay"}, "", "2 |1"},
      {{"to-ad", "--sep", "4", "2059/01/01"}, "", "2 |1"},
      {{"to-bs", "--style", "1", "2002-04-14"}, "", "2 |1"},
      {{"cal", "2081", "13"}, "", "2 |1"},
      {{"--no-such-option"}, "", "2 |1"},
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
  EXPECT_EQ(RunWords({}).status, 0) << "today and its month";
}

// Standard error only.
std::string Complaint(const std::vector<const char*>& words) { return RunWords(words).err; }

TEST(CommandLineTest, ComplaintsSayWhatAndWhereToLook) {
  struct Case {
    std::vector<const char*> words;
    std::string want;
  };
  const std::vector<Case> cases = {
      {{"call", "Foo"}, "no method is called \"Foo\" (see sauramiti call --help)"},
      {{"call", "GetWeekDay", "2059", "x", "1"}, "GetWeekDay: error 13 (Type mismatch)"},
      {{"to-ad", "--sep", "9", "2059/01/01"}, "(see sauramiti to-ad --help)"},
      {{"cal", "2081", "13"}, "(see sauramiti cal --help)"},
      {{"pick", "--print", "Nothing"}, "(see sauramiti pick --help)"},
      {{"frobnicate"}, "(see sauramiti --help)"},
      {{"to-bs", "14-04-2002"}, "the year comes first: yyyy-mm-dd"},
      {{"to-ad", "01/01/2059"}, "the year comes first: yyyy/mm/dd"},
  };
  for (const Case& c : cases) {
    EXPECT_NE(Complaint(c.words).find(c.want), std::string::npos)
        << c.words[0] << ": " << Complaint(c.words);
  }
  EXPECT_EQ(Complaint({"to-bs", "2002-02-30"}).find("comes first"), std::string::npos);
  // The example in `today --help` names a date and its weekday; they must agree.
  const std::string help = Command({"today", "--help"});
  const std::size_t at = help.find("2081-08-20-");
  ASSERT_NE(at, std::string::npos);
  const std::size_t ad = help.find("2024-12-05", at);
  ASSERT_NE(ad, std::string::npos);
  EXPECT_EQ(ConvertTypedDate(DateDirection::ToBs, "2024-12-05", {1, 0}).text, help.substr(at, 12));
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
}

TEST(CommandLineTest, TodayAndCal) {
  std::ostringstream report, month;
  WriteTodayReport(report, {}, {2002, 4, 14});
  EXPECT_EQ(report.str(),
            "Value           2059/01/01/1\nDateValue       2059 Vaishaka 1, Sunday\n"
            "DateAD          04/14/2002\nEngStrDate      14 April, 2002\n"
            "JulianDate      2452378.5\nUjjainAhargana  1863913\n");

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

std::string Calendar(CalendarOptions options, platform::LocalDate today = {2002, 4, 14}) {
  std::ostringstream out;
  WriteMonthCalendar(out, options, today);
  return out.str();
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

// The lines holding `part`, by number.
std::vector<std::size_t> LinesWith(const std::string& text, const std::string& part) {
  std::vector<std::size_t> lines;
  std::istringstream in(text);
  std::size_t number = 0;
  for (std::string line; std::getline(in, line); ++number) {
    if (line.find(part) != std::string::npos) lines.push_back(number);
  }
  return lines;
}

TEST(CalendarPagesTest, YearsAndThreeMonthsMarkOnlyToday) {
  // 14 April 2002 is 2059/01/01: the three months around it span two years.
  CalendarOptions three;
  three.page = CalendarPage::ThreeMonths;
  const std::string around = Calendar(three);
  const auto titles = LinesWith(around, "Chaitra 2058");
  ASSERT_EQ(titles.size(), 1u) << around;
  EXPECT_EQ(LinesWith(around, "Vaishaka 2059"), titles);
  EXPECT_EQ(LinesWith(around, "Jestha 2059"), titles);
  EXPECT_LT(around.find("Chaitra 2058"), around.find("Vaishaka 2059"));
  EXPECT_EQ(Count(around, "["), 1u) << "only today is marked";
  EXPECT_EQ(Count(around, "[ 1]"), 1u);

  // Across the end of a year, around a given month.
  three.year = 2081;
  three.month = 12;
  const std::string yearEnd = Calendar(three);
  EXPECT_EQ(LinesWith(yearEnd, "Falguna 2081"), LinesWith(yearEnd, "Vaishaka 2082")) << yearEnd;
  EXPECT_EQ(Count(yearEnd, "["), 0u) << "today is not on the page";

  // At the calendar's first month there is no month before.
  three.year = 1;
  three.month = 1;
  EXPECT_EQ(Count(Calendar(three), "Chaitra"), 0u);

  struct Case {
    std::size_t width, across;
  };
  const std::vector<std::string> months = {"Vaishaka", "Jestha", "Asadh",   "Srawan",
                                           "Bhadra",   "Asvin",  "Kartika", "Marga",
                                           "Poush",    "Magha",  "Falguna", "Chaitra"};
  // One month a row gives the width of a month; n across need n of them and a gap of 3 between.
  CalendarOptions narrow;
  narrow.page = CalendarPage::WholeYear;
  narrow.year = 2059;
  narrow.width = 1;
  std::size_t column = 0;
  std::istringstream narrowLines(Calendar(narrow));
  for (std::string line; std::getline(narrowLines, line);) {
    column = std::max(column, terminal::DisplayWidth(line));
  }
  const std::vector<Case> widths = {
      {0, 3}, {3 * column + 6, 3}, {3 * column + 5, 2}, {2 * column + 3, 2}, {2 * column + 2, 1},
      {1, 1}};
  for (const Case& c : widths) {
    CalendarOptions year;
    year.page = CalendarPage::WholeYear;
    year.year = 2059;
    year.width = c.width;
    const std::string text = Calendar(year);
    std::vector<std::size_t> titleLines;
    std::size_t last = 0;
    for (const std::string& name : months) {
      const auto lines = LinesWith(text, name);
      ASSERT_EQ(lines.size(), 1u) << name << '\n' << text;
      titleLines.push_back(lines.front());
      EXPECT_GE(text.find(name), last) << name << " out of order";
      last = text.find(name);
    }
    for (std::size_t i = 0; i < months.size(); ++i) {
      EXPECT_EQ(titleLines[i], titleLines[i / c.across * c.across]) << "width " << c.width;
    }
    EXPECT_NE(titleLines[c.across - 1], titleLines[std::min<std::size_t>(c.across, 11)]);
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
      if (c.width > 0) {
        EXPECT_LE(terminal::DisplayWidth(line), std::max(c.width, column));
      }
      EXPECT_TRUE(line.empty() || line.back() != ' ') << "blanks at the end: " << line;
    }
    EXPECT_EQ(Count(text, "["), 1u) << "today, and no selected day 1 of every month";
  }

  CalendarOptions nepali;
  nepali.page = CalendarPage::WholeYear;
  nepali.year = 2059;
  nepali.nepali = true;
  EXPECT_NE(Calendar(nepali).find(view::LegacyFontToUnicode("j}zfv")), std::string::npos);
  nepali.legacy = true;
  EXPECT_NE(Calendar(nepali).find("j}zfv"), std::string::npos);
}

TEST(CalendarPagesTest, JsonHasEveryMonthsDaysInTrueWeeks) {
  for (const CalendarPage page :
       {CalendarPage::OneMonth, CalendarPage::ThreeMonths, CalendarPage::WholeYear}) {
    CalendarOptions options;
    options.json = true;
    options.page = page;
    if (page == CalendarPage::WholeYear) options.year = 2059;
    const auto months = nlohmann::json::parse(Calendar(options));
    ASSERT_TRUE(months.is_array());
    EXPECT_EQ(months.size(), page == CalendarPage::OneMonth      ? 1u
                             : page == CalendarPage::ThreeMonths ? 3u
                                                                 : 12u);
    std::size_t todays = 0;
    for (const auto& month : months) {
      const auto y = month.at("year").get<std::int16_t>();
      const auto m = month.at("month").get<std::int16_t>();
      const std::int16_t days = SauramitiRoutine::GetDaysInMonth(y, m, disNepali);
      EXPECT_EQ(month.at("days"), days);
      EXPECT_EQ(month.at("firstWeekday"), SauramitiRoutine::GetFirstWeekDay(y, m));
      EXPECT_EQ(month.at("firstDayAD"),
                ConvertTypedDate(DateDirection::ToAd,
                                 std::to_string(y) + "/" + std::to_string(m) + "/1", {1, 2})
                    .text);
      int expected = 1;
      std::size_t cell = 0;
      for (const auto& week : month.at("weeks")) {
        ASSERT_EQ(week.size(), 7u);
        for (const auto& day : week) {
          if (!day.is_null()) {
            EXPECT_EQ(day, expected++);
            if (day == 1) {
              EXPECT_EQ(cell % 7 + 1, month.at("firstWeekday").get<std::size_t>());
            }
          }
          ++cell;
        }
      }
      EXPECT_EQ(expected, days + 1) << y << "/" << m;
      if (!month.at("today").is_null()) {
        ++todays;
        EXPECT_EQ(y * 100 + m, 205901);
        EXPECT_EQ(month.at("today"), 1);
      }
    }
    EXPECT_EQ(todays, 1u);
  }
  CalendarOptions poush;
  poush.json = true;
  poush.year = 2059;
  poush.month = 9;
  EXPECT_EQ(nlohmann::json::parse(Calendar(poush))[0].at("name"), "Poush");
  poush.nepali = true;
  const std::string devanagari = nlohmann::json::parse(Calendar(poush))[0].at("name");
  poush.legacy = true;
  const std::string stored = nlohmann::json::parse(Calendar(poush))[0].at("name");
  EXPECT_EQ(devanagari, view::LegacyFontToUnicode(stored));
  EXPECT_NE(devanagari, stored);
}

TEST(NepaliTextsTest, DevanagariUnlessLegacy) {
  TodayOptions nepali;
  nepali.nepali = true;
  nepali.json = true;
  TodayOptions legacy = nepali;
  legacy.legacy = true;
  std::ostringstream shown, stored;
  WriteTodayReport(shown, nepali, {2002, 4, 14});
  WriteTodayReport(stored, legacy, {2002, 4, 14});
  const auto unicode = nlohmann::json::parse(shown.str());
  const auto bytes = nlohmann::json::parse(stored.str());
  for (const char* key : {"DateValue", "EngStrDate"}) {
    const std::string asStored = bytes.at(key);
    EXPECT_NE(asStored, view::LegacyFontToUnicode(asStored)) << key;
    EXPECT_EQ(unicode.at(key), view::LegacyFontToUnicode(asStored)) << key;
    EXPECT_EQ(bytes.at(std::string(key) + "Unicode"), unicode.at(key)) << key;
    EXPECT_FALSE(unicode.contains(std::string(key) + "Unicode")) << key;
  }
  EXPECT_EQ(unicode.at("Value"), bytes.at("Value"));

  nepali.json = legacy.json = false;
  std::ostringstream lines, legacyLines;
  WriteTodayReport(lines, nepali, {2002, 4, 14});
  WriteTodayReport(legacyLines, legacy, {2002, 4, 14});
  EXPECT_NE(lines.str().find(unicode.at("DateValue").get<std::string>()), std::string::npos);
  EXPECT_NE(legacyLines.str().find(bytes.at("DateValue").get<std::string>()), std::string::npos);

  // What `pick --print` prints: only the texts with names change.
  struct Case {
    std::string name, stored;
    bool devanagari;
    std::string want;
  };
  const std::string dateValue = bytes.at("DateValue");
  const std::vector<Case> cases = {
      {"DateValue", dateValue, true, view::LegacyFontToUnicode(dateValue)},
      {"DateValue", dateValue, false, dateValue},
      {"EngStrDate", "14 April, 2002", true, view::LegacyFontToUnicode("14 April, 2002")},
      {"Value", "2059/01/01/1", true, "2059/01/01/1"},
      {"DateAD", "04/14/2002", true, "04/14/2002"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PrintedText(c.name, Variant::String(c.stored), c.devanagari), c.want) << c.name;
  }
}

}  // namespace
}  // namespace sauramiti::cli
