#include <gtest/gtest.h>

#include <cli/command_line.hpp>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace sauramiti::cli {
namespace {

struct RunResult {
  int status;
  std::string out;
  std::string err;
};

RunResult RunCommand(std::initializer_list<const char*> words, const std::string& input = "") {
  std::vector<const char*> argv = {"sauramiti"};
  argv.insert(argv.end(), words.begin(), words.end());
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status =
      RunCommandLine(static_cast<int>(argv.size()), argv.data(), Streams{in, out, err, false});
  return {status, out.str(), err.str()};
}

std::size_t LineCount(std::string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

struct Case {
  std::string_view name;
  std::initializer_list<const char*> words;
  int status;
  std::string_view out;
};

TEST(RunCommandLineTest, CallPrintsOneLineAndFailsOnlyOnAnError) {
  const std::initializer_list<Case> cases = {
      {"integer result", {"call", "GetDaysInMonth", "2059", "3", "1"}, 0, "32\n"},
      {"double result", {"call", "GetJulianDate", "2059", "1", "1"}, 0, "2452378.5\n"},
      {"text with a skipped optional",
       {"call", "Nepali2EnglishDate", "2059", "1", "1", "-", "1"},
       0,
       "04-14-2002\n"},
      {"a negative number is an argument, not an option",
       {"call", "JDate2EnglishDate", "-1", "-", "2"},
       0,
       "-4713/12/31\n"},
      {"an argument that looks like an option",
       {"call", "GetWeekDay", "2059", "--help", "1"},
       1,
       "error 13\n"},
      {"overflow", {"call", "GetWeekDay", "2059", "1", "40000"}, 1, "error 6\n"},
      {"missing argument", {"call", "GetWeekDay", "2059", "1"}, 1, "error 450\n"},
  };
  for (const Case& c : cases) {
    const RunResult result = RunCommand(c.words);
    EXPECT_EQ(result.status, c.status) << c.name;
    EXPECT_EQ(result.out, c.out) << c.name;
    EXPECT_EQ(result.err, "") << c.name;
  }
}

TEST(RunCommandLineTest, BatchAlwaysSucceeds) {
  const RunResult result =
      RunCommand({"call", "--batch"}, "GetFirstWeekDay\t2059\t2\nnope\nGetWeekDay\t1\n");
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out, "4\nerror 438\nerror 450\n");
}

TEST(RunCommandLineTest, CommandLinesThatCannotBeUnderstoodAreUsageErrors) {
  const std::initializer_list<Case> cases = {
      {"unknown subcommand", {"convert", "2059/01/01"}, 2, ""},
      {"unknown option", {"--frobnicate"}, 2, ""},
      {"unknown call option", {"call", "--fast", "GetWeekDay"}, 2, ""},
      {"call without a method", {"call"}, 2, ""},
      {"batch with a method", {"call", "--batch", "GetWeekDay"}, 2, ""},
      {"separator out of range", {"to-ad", "--sep", "4", "2059/01/01"}, 2, ""},
      {"style out of range", {"to-ad", "--style", "-1", "2059/01/01"}, 2, ""},
      {"no style for to-bs", {"to-bs", "--style", "1", "2002-04-14"}, 2, ""},
  };
  for (const Case& c : cases) {
    const RunResult result = RunCommand(c.words);
    EXPECT_EQ(result.status, c.status) << c.name;
    EXPECT_EQ(result.out, c.out) << c.name;
    EXPECT_EQ(LineCount(result.err), 1u) << c.name << ": " << result.err;
    EXPECT_TRUE(result.err.starts_with("sauramiti: ")) << c.name << ": " << result.err;
  }
}

TEST(RunCommandLineTest, HelpAndVersionGoToStandardOutput) {
  for (std::initializer_list<const char*> words : {std::initializer_list<const char*>{"--help"},
                                                   {"call", "--help"},
                                                   {"to-ad", "--help"},
                                                   {"today", "--help"},
                                                   {"cal", "--help"},
                                                   {"script", "--help"},
                                                   {"to-bs", "-h"}}) {
    const RunResult result = RunCommand(words);
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("Examples:"), std::string::npos) << result.out;
    EXPECT_EQ(result.err, "");
  }
  EXPECT_NE(RunCommand({"call", "--help"}).out.find("AharGana2NepaliDate"), std::string::npos);
  EXPECT_NE(RunCommand({"to-ad", "--help"}).out.find("--style"), std::string::npos);

  const RunResult version = RunCommand({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(version.out.starts_with("sauramiti ")) << version.out;
  EXPECT_EQ(LineCount(version.out), 1u);
}

TEST(RunCommandLineTest, DateSubcommandsUseTheirOptions) {
  const RunResult toAd = RunCommand({"to-ad", "--sep", "2", "--style", "1", "2059/01/01"});
  EXPECT_EQ(toAd.status, 0);
  EXPECT_EQ(toAd.out, "14.04.2002\n");

  const RunResult toBs = RunCommand({"to-bs", "--sep", "1"}, "2002-04-14\n");
  EXPECT_EQ(toBs.status, 0);
  EXPECT_EQ(toBs.out, "2059-01-01-1\n");

  const RunResult failed = RunCommand({"to-bs", "2002-02-30"});
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.out, "");
  EXPECT_NE(failed.err.find("\"2002-02-30\""), std::string::npos) << failed.err;
}

TEST(RunCommandLineTest, BareCommandPrintsTodayAndThisMonth) {
  const RunResult result = RunCommand({});
  EXPECT_EQ(result.status, 0) << result.err;
  const RunResult today = RunCommand({"today"});
  const RunResult month = RunCommand({"cal", "--color", "never"});
  // The test may straddle midnight; then it runs again.
  if (result.out != today.out + "\n" + month.out) {
    EXPECT_EQ(RunCommand({}).out, RunCommand({"today"}).out + "\n" + RunCommand({"cal"}).out);
  }
  EXPECT_TRUE(result.out.starts_with("Value ")) << result.out;
}

TEST(RunCommandLineTest, TodayCalAndScriptCheckTheirArguments) {
  const std::initializer_list<Case> cases = {
      {"month out of range", {"cal", "2081", "13"}, 2, ""},
      {"year out of range", {"cal", "10000"}, 2, ""},
      {"unknown colour choice", {"cal", "--color", "sometimes"}, 2, ""},
      {"separator out of range", {"today", "--sep", "4"}, 2, ""},
      {"script file that cannot be read", {"script", "/nonexistent/script.txt"}, 2, ""},
  };
  for (const Case& c : cases) {
    const RunResult result = RunCommand(c.words);
    EXPECT_EQ(result.status, c.status) << c.name;
    EXPECT_EQ(result.out, c.out) << c.name;
    EXPECT_TRUE(result.err.starts_with("sauramiti: ")) << c.name << ": " << result.err;
  }
}

TEST(RunCommandLineTest, ScriptReadsStandardInput) {
  const RunResult result =
      RunCommand({"script"}, "clock 2002-04-14\nnew\nget Value\nnonsense\nget Day\n");
  EXPECT_EQ(result.out, "String \"2059/01/01/1\"\nInteger 1\n");
  EXPECT_TRUE(result.err.starts_with("script: line 4: ")) << result.err;
  EXPECT_EQ(result.status, 2);
}

TEST(RunCommandLineTest, CalDrawsTheAskedMonth) {
  const RunResult result = RunCommand({"cal", "2059", "3", "--horizontal", "--color", "always"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("Asadh"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("\x1b["), std::string::npos) << "colours were asked for";
  EXPECT_EQ(RunCommand({"cal", "2059", "3"}).out.find("\x1b["), std::string::npos)
      << "no colours for a stream that is not a terminal";
}

}  // namespace
}  // namespace sauramiti::cli
