// The date commands for scripts: `today` against a control instance for days all over the range,
// and to-ad/to-bs with --iso and --json. Facts used: 14 April 2002 is BS 2059/01/01, a Sunday,
// Kali Ahargana 1863913; BS 1000/01/01 is 23 March 943 in the Julian calendar, 28 March 943 in
// the proleptic Gregorian one.
#include <gtest/gtest.h>

#include <cli/command_line.hpp>
#include <cli/today.hpp>
#include <nlohmann/json.hpp>
#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace sauramiti::cli {
namespace {

// The report as a control instance gives it: the values a new instance holds on that day.
std::string ControlReport(const TodayOptions& options, platform::LocalDate day) {
  headless::HeadlessHost host;
  host.SetToday(day);
  Sauramiti control(host);
  control.Initialize();
  control.InitProperties();
  if (options.nepali) control.English(0);
  if (options.calendar != 0) control.Calendar(options.calendar);
  control.Separator(static_cast<MyYMDSeparatorConstants>(options.separator));
  control.EnglishDateStyle(static_cast<MyEnglishDateStyleConstants>(options.style));
  std::ostringstream out;
  out << control.Value() << '|' << control.DateValue() << '|' << control.DateAD() << '|'
      << control.EngStrDate() << '|' << control.JulianDate() << '|' << control.UjjainAhargana();
  return out.str();
}

std::string TodayReport(TodayOptions options, platform::LocalDate day) {
  options.json = true;
  std::ostringstream out;
  WriteTodayReport(out, options, day);
  const nlohmann::json json = nlohmann::json::parse(out.str());
  std::ostringstream flat;
  flat << json["Value"].get<std::string>() << '|' << json["DateValue"].get<std::string>() << '|'
       << json["DateAD"].get<std::string>() << '|' << json["EngStrDate"].get<std::string>() << '|'
       << json["JulianDate"].get<double>() << '|' << json["UjjainAhargana"].get<int>();
  return flat.str();
}

TEST(DateScriptingTest, TodayHoldsWhatANewControlHolds) {
  int faults = 0;
  for (int year = 1; year <= 9942; year += 7) {
    const platform::LocalDate day{static_cast<std::int16_t>(year),
                                  static_cast<std::int16_t>(year % 12 + 1),
                                  static_cast<std::int16_t>(year % 28 + 1)};
    // --legacy: the texts as the control stores them, not drawn as Devanagari.
    const TodayOptions options{false, year % 4, year % 3, year % 2 == 0, true};
    const std::string want = ControlReport(options, day), got = TodayReport(options, day);
    if (got != want && ++faults <= 5) ADD_FAILURE() << year << ": " << got << " != " << want;
  }
  EXPECT_EQ(faults, 0);
  // Past BS 9999/01/03 the control cannot convert the day, and neither can the report.
  std::ostringstream out;
  EXPECT_THROW(WriteTodayReport(out, {}, {9942, 12, 1}), RuntimeError);
}

// --calendar published: every day of the months the calendars place differently in 2082,
// against a new control whose Calendar is 1 (and the model's against one left at 0); the
// control's days in each calendar are CalendarTest's.
TEST(DateScriptingTest, TodayInEitherCalendarHoldsWhatSuchAControlHolds) {
  for (std::int16_t calendar : {std::int16_t{0}, std::int16_t{1}}) {
    for (int day = 1; day <= 62; ++day) {  // 15 June to 15 August 2025
      const platform::LocalDate date{2025,
                                     static_cast<std::int16_t>(day <= 16   ? 6
                                                               : day <= 47 ? 7
                                                                           : 8),
                                     static_cast<std::int16_t>(day <= 16   ? day + 14
                                                               : day <= 47 ? day - 16
                                                                           : day - 47)};
      TodayOptions options;
      options.calendar = calendar;
      options.separator = day % 4;
      EXPECT_EQ(TodayReport(options, date), ControlReport(options, date)) << day;
    }
  }
}

std::string RunWords(std::vector<const char*> words, const std::string& input = "") {
  words.insert(words.begin(), "sauramiti");
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status =
      RunCommandLine(static_cast<int>(words.size()), words.data(), Streams{in, out, err, false});
  return std::to_string(status) + " " + out.str();
}

// Standard input is read in large blocks: a line may straddle two of them, the last line may
// lack its "\n", and every line still gets its one answer line.
TEST(DateScriptingTest, StreamedLinesAcrossBlocks) {
  const std::string padding(100000, ' ');  // longer than one block
  struct Case {
    std::vector<const char*> words;
    std::string input, want;
  };
  const std::vector<Case> cases = {
      {{"to-bs"},
       "2002-04-14\n" + padding + "2024-04-13" + padding + "\n2002-04-14",
       "0 2059/01/01/1\n2081/01/01/7\n2059/01/01/1\n"},
      {{"to-ad"}, padding + "\n\r\n2059/01/01\r\n" + padding + "x\n", "1 \n\n04/14/2002\n\n"},
      {{"to-ad"}, "", "0 "},
  };
  for (const Case& c : cases) EXPECT_EQ(RunWords(c.words, c.input), c.want) << c.input.size();
}

TEST(DateScriptingTest, IsoAndJsonOutput) {
  struct Case {
    std::vector<const char*> words;
    std::string input, want;
  };
  const std::vector<Case> cases = {
      {{"to-ad", "--iso", "2059/01/01", "1000.1.1"}, "", "0 2002-04-14\n0943-03-28\n"},
      {{"to-bs", "--iso", "2002-04-14"}, "", "0 2059-01-01\n"},
      {{"to-bs", "--iso"}, "2002-04-14\n\nnope\n2024-04-13\n", "1 2059-01-01\n\n\n2081-01-01\n"},
      {{"to-bs", "--iso", "9942-09-01"}, "", "1 "},  // past BS 9999/01/03, as without --iso
      {{"to-ad", "--json", "2059/13/01"},
       "",
       "1 {\"input\": \"2059/13/01\", \"error\": \"no such date in the BS calendar (years 1 to "
       "9999)\"}\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(RunWords(c.words, c.input), c.want) << c.words[1];

  // One object a line, whichever way, with the same date on both calendars.
  const std::string toAd = RunWords({"to-ad", "--json", "--sep", "1", "2059/01/01", "1000/01/01"});
  const std::string toBs = RunWords({"to-bs", "--json", "2002-04-14"});
  std::istringstream lines(toAd.substr(2) + toBs.substr(2));
  std::vector<nlohmann::json> objects;
  for (std::string line; std::getline(lines, line);) objects.push_back(nlohmann::json::parse(line));
  ASSERT_EQ(objects.size(), 3u);
  EXPECT_EQ(objects[0]["text"], "04-14-2002");
  EXPECT_EQ(objects[0]["bs"], nlohmann::json::parse(R"({"year": 2059, "month": 1, "day": 1,
            "weekday": 1, "iso": "2059-01-01"})"));
  EXPECT_EQ(objects[0]["ad"]["iso"], "2002-04-14");
  EXPECT_EQ(objects[0]["kali_ahargana"], 1863913);
  EXPECT_EQ(objects[1]["text"], "03-23-0943");  // the control's text: Julian calendar
  EXPECT_EQ(objects[1]["ad"]["day"], 28);       // ISO: proleptic Gregorian
  EXPECT_EQ(objects[2]["text"], "2059/01/01/1");
  EXPECT_EQ(objects[2]["bs"], objects[0]["bs"]);
  EXPECT_EQ(objects[2]["ad"], objects[0]["ad"]);
}

// --calendar published: 2082 Asar has 32 days and Shrawan 31 there (31 and 32 in the model), so
// Shrawan 1 is 17 July 2025, a Thursday (weekday 5), where the model has 16 July; days outside the
// corrected months are the model's in both.
TEST(DateScriptingTest, PublishedCalendarOption) {
  struct Case {
    std::vector<const char*> words;
    std::string want;
  };
  const std::vector<Case> cases = {
      {{"to-ad", "--calendar", "published", "2082/04/01"}, "0 07/17/2025\n"},
      {{"to-ad", "2082/04/01"}, "0 07/16/2025\n"},
      {{"to-ad", "--calendar", "published", "--sep", "1", "--style", "2", "2082/03/32/4"},
       "0 2025-07-16\n"},
      {{"to-ad", "--calendar", "published", "2082/04/32"}, "1 "},    // Shrawan has 31 days
      {{"to-ad", "--calendar", "published", "2082/04/01/4"}, "1 "},  // not its weekday
      {{"to-ad", "--calendar", "published", "--iso", "2073/11/01"}, "0 2017-02-12\n"},
      {{"to-bs", "--calendar", "published", "2025-07-16", "2025-07-17", "2025-08-17"},
       "0 2082/03/32/4\n2082/04/01/5\n2082/05/01/1\n"},
      {{"to-bs", "2025-07-17"}, "0 2082/04/02/5\n"},
      {{"to-bs", "--calendar", "published", "--sep", "2", "2010-03-14", "2002-04-14"},
       "0 2066.12.01.1\n2059.01.01.1\n"},
      {{"to-bs", "--calendar", "published", "--iso", "2005-06-14"}, "0 2062-02-32\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(RunWords(c.words), c.want) << c.words.back();
  const nlohmann::json json = nlohmann::json::parse(
      RunWords({"to-ad", "--calendar", "published", "--json", "2082/04/01"}).substr(2));
  EXPECT_EQ(json["bs"]["weekday"], 5);
  EXPECT_EQ(json["ad"]["iso"], "2025-07-17");
  EXPECT_EQ(json["kali_ahargana"], 1872408);
}

// The same option on the commands that start a control: its Calendar property is then 1. (One
// reading of the option serves every subcommand; a name it does not know is refused once here.)
TEST(DateScriptingTest, PublishedCalendarOnTheControlsCommands) {
  struct Case {
    std::vector<const char*> words;
    std::string input, want;
  };
  const std::vector<Case> cases = {
      {{"call", "--calendar", "published", "GetDaysInMonth", "2082", "3", "1"}, "", "0 32\n"},
      {{"call", "GetDaysInMonth", "2082", "3", "1"}, "", "0 31\n"},
      {{"call", "--calendar", "model", "Nepali2EnglishDate", "2082", "4", "1"},
       "",
       "0 07/16/2025\n"},
      {{"call", "--calendar", "published", "--batch"},
       "Nepali2EnglishDate\t2082\t4\t1\nGetWeekDay\t2082\t3\t32\nEnglish2NepaliDate\t2025\t7\t16\n",
       "0 07/17/2025\n4\n2082/03/32/4\n"},
      {{"call", "--calendar", "julian", "GetDaysInMonth", "2082", "3", "1"}, "", "2 "},
      {{"script"},
       "clock 2025-07-16\nnew\nlet Calendar 1\nget Value\nget DateAD\nget Calendar\n"
       "let Calendar 2\ncall GetDaysInMonth 2082 3 1\n",
       "0 String \"2082/03/32/4\"\nString \"07/16/2025\"\nInteger 1\nerror 380\n32\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(RunWords(c.words, c.input), c.want) << c.words[2];

  for (const char* calendar : {"model", "published"}) {
    const bool published = calendar[0] == 'p';
    for (const char* month : {"3", "4"}) {
      const nlohmann::json json = nlohmann::json::parse(
          RunWords({"cal", "--calendar", calendar, "--json", "2082", month}).substr(2));
      const bool asar = month[0] == '3';
      EXPECT_EQ(json[0]["days"], asar == published ? 32 : 31) << calendar << month;
      EXPECT_EQ(json[0]["firstDayAD"], asar        ? "2025-06-15"
                                       : published ? "2025-07-17"
                                                   : "2025-07-16");
    }
  }
  const std::string drawn =
      RunWords({"cal", "--calendar", "published", "--color", "never", "2082", "3"});
  EXPECT_NE(drawn.find(" 32"), std::string::npos) << drawn;
}

}  // namespace
}  // namespace sauramiti::cli
