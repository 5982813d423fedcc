// `sauramiti script`: its commands and the exact text they print. Facts used: BS 2059/01/01 is
// Sunday 14 April 2002, Julian day 2452378.5, Kali Ahargana 1863913; Vaishaka 2059 has 31 days
// from a Sunday, Asadh 2059 32 days from a Saturday.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cli/script_runner.hpp>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace sauramiti::cli {
namespace {

struct ScriptRun {
  int status = 0;
  std::string out, err;
  std::vector<int> complaints;  // the line numbers of "script: line L: ..." on stderr
};

ScriptRun RunText(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, err;
  ScriptRun run;
  run.status = RunScript(in, out, err, /*flushEachLine=*/false);
  run.out = out.str();
  run.err = err.str();
  std::istringstream lines(run.err);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("script: line ") && line.find(": note: ") == std::string::npos) {
      run.complaints.push_back(std::stoi(line.substr(13)));
    }
  }
  return run;
}

const std::string kNew = "clock 2002-04-14\nnew\n";

struct Case {
  std::string_view name;
  std::string lines;  // run on a new instance
  std::string_view out;
};

TEST(ScriptTest, CommandsOnAnInstance) {
  const std::vector<Case> cases = {
      // A value is typed by how it is written; let converts it to the property's type and a
      // failed let prints its error. A font's size prints as stored.
      {"a font", "get EnglishFont\n", "Font \"Tahoma\" 8.25\n"},
      {"Booleans and a Double",
       "let English False\nget English\nlet Vertical True\n"
       "get Vertical\nlet JulianDate 2452390.5\nget JulianDate\n",
       "Boolean False\nBoolean True\nDouble 2452390.5\n"},
      {"Boolean keeps any 16-bit value", "let English 5\nget English\n", "Boolean 5\n"},
      {"MaxYear keeps a Long", "let MaxYear 40000\nget MaxYear\n", "error 6\nLong 40000\n"},
      {"text escapes", "let ToolTipText \"a\\tb \\\"c\\\" \\u00f7\"\nget ToolTipText\n",
       "String \"a\\tb \\\"c\\\" ÷\"\n"},
      {"enumeration beyond 32 bits", "let Separator 3000000000\nget Separator\n",
       "error 6\nLong 0\n"},
      // Mode guards: which entry each guards is the control's property table's.
      {"design mode and back",
       "mode design\nget WeekDayStyle\nlet Value \"2059/01/02/2\"\n"
       "mode run\nget WeekDayStyle\n",
       "Long 0\nerror 387\nerror 393\n"},
      {"year at run time stores only the year", "let year 2060\nget year\nget Value\n",
       "Integer 2060\nString \"2059/01/01/1\"\n"},
      // Events come once each, in order, a click after the changes it makes.
      {"setters send their names", "let English False\nlet MinYear 2001\nevents\nevents\n",
       "PropertyChanged English\nPropertyChanged MinYear\n"},
      {"a click", "let ToolTipText \"x\"\nclick-day 17\nevents\nget Value\n",
       "PropertyChanged ToolTipText\nClick\nString \"2059/01/18/4\"\n"},
      // The user's actions.
      {"a 32-day month from a Saturday wraps",
       "choose month 2\ninspect lblDay(0) caption\ninspect lblDay(3) enabled\n"
       "inspect lblDay(6) caption\nclick-day 2\nget Value\n",
       "\"30\"\nFalse\n\"1\"\nString \"2059/03/32/3\"\n"},
      {"entries outside the lists", "choose month 12\nchoose year -1\n", "error 5\nerror 5\n"},
      {"opening a list empties the view", "dropdown year\ninspect lblDay(5) caption\n", "\"\"\n"},
      {"cells outside the array", "click-day 35\nclick-day -1\n", "error 9\nerror 9\n"},
      {"the selected cell's look",
       "click-day 13\ninspect lblDay(13) s3\ninspect lblDay(13) forecolor\n", "0\n0x000000FF\n"},
      // The host.
      {"a size resizes the live instance",
       "size 4800 4800\ninspect Frame1 width\ninspect Label1 height\n", "4799\n480\n"},
      {"a size too large for a single", "size 1e39 10\ninspect Label1 width\n", "error 6\n3000\n"},
      {"the clock sets a new instance's date", "clock 2002-05-01\nnew\nget Value\n",
       "String \"2059/01/18/4\"\n"},
  };
  for (const Case& c : cases) {
    const ScriptRun run = RunText(kNew + c.lines);
    EXPECT_EQ(run.out, c.out) << c.name;
    EXPECT_EQ(run.err, "") << c.name;
    EXPECT_EQ(run.status, 0) << c.name;
  }
}

TEST(ScriptTest, LinesThatAreNotCommandsAreReportedAndTheRestStillRuns) {
  struct LineCase {
    std::string_view name, script, out;
    std::vector<int> complaints;
  };
  // clang-format off
  const std::vector<LineCase> cases = {
      {"comments, blanks, line ends", "# c\n\n  # d\r\nclock 2002-04-14\r\nnew\r\nget year\r\n", "Integer 2059\n", {}},
      {"calls need no instance", "call GetKaliAhargana 2059 1 1\ncall GetWeekDay 2059 1\n", "1863913\nerror 450\n", {}},
      {"commands need an instance", "get Value\nlet English True\nshow\nclick-day 1\n", "", {1, 2, 3, 4}},
      {"wrong numbers of words", "new\nget\nget Day Day\nlet English\nsize 1\nevents now\n", "", {2, 3, 4, 5, 6}},
      // Property names keep their letter case; the saved key no property reads is none.
      {"unknown names", "new\nget english\ninspect lblDay(35) caption\nchoose day 1\nfrob\nget ShowEnglishDate\n", "", {2, 3, 4, 5, 6}},
      {"values that cannot be read",
       "new\nlet English yes\nlet Value \"open\nlet Value \"a\"b\nlet Value \"\\x\"\n"
       "let EnglishFont font Arial 9\nclick-day one\nclock 2002-02-30\nmode test\n",
       "", {2, 3, 4, 5, 6, 7, 8, 9}},
      {"the rest still runs", "clock 2002-04-14\nnew\nnope\nget MinYear\n", "Integer 2000\n", {3}},
  };
  // clang-format on
  for (const LineCase& c : cases) {
    const ScriptRun run = RunText(std::string(c.script));
    EXPECT_EQ(run.out, c.out) << c.name;
    EXPECT_EQ(run.complaints, c.complaints) << c.name << "\n" << run.err;
    EXPECT_EQ(run.status, c.complaints.empty() ? 0 : 2) << c.name;
  }
}

TEST(ScriptTest, DocumentsKeepSettingsButNotTheDate) {
  std::string dir = (std::filesystem::temp_directory_path() / "sauramiti-cli-XXXXXX").string();
  ASSERT_NE(::mkdtemp(dir.data()), nullptr);
  const std::string file = dir + "/form.json", broken = dir + "/broken.json";
  std::ofstream(broken) << "{\"MinYear\": ";
  std::ofstream(dir + "/text.json") << R"({"MinYear": {"type": "String", "value": "soon"}})";

  ScriptRun run = RunText(kNew + "let MaxYear \"2090\"\nlet Separator 1\nlet EnglishFont font " +
                          "\"Arial\" 10\nclick-day 17\nsave " + file + "\n");
  EXPECT_EQ(run.out + run.err, "");
  run = RunText("clock 2002-05-02\nload " + file +
                "\nget MaxYear\nget Separator\nget EnglishFont\nget Value\nevents\n");
  EXPECT_EQ(run.out, "String \"2090\"\nLong 1\nFont \"Arial\" 10\nString \"2059/01/19/5\"\n");
  EXPECT_EQ(run.status, 0) << run.err;

  run = RunText(kNew + "load " + broken + "\nget Value\nload " + dir + "/none.json\nsave " + dir +
                "/no/such/form.json\n");
  EXPECT_EQ(run.out, "String \"2059/01/01/1\"\n") << "the old instance stays";
  EXPECT_EQ(run.complaints, (std::vector<int>{3, 5, 6}));

  run = RunText("load " + dir + "/text.json\nget MinYear\n");
  EXPECT_EQ(run.out, "error 13\n") << "no half-loaded instance is left";
  EXPECT_EQ(run.complaints, std::vector<int>{2});
  EXPECT_EQ(run.status, 2);
  std::filesystem::remove_all(dir);
}

// A document the control cannot take: `error N`, a note naming the file, the key whose value
// failed and that value, and the instance from before the load untouched - its settings, its
// events, and a save that writes what it held.
TEST(ScriptTest, AFailedLoadLeavesTheInstanceAsItWasAndNamesTheKeyThatFailed) {
  std::string dir = (std::filesystem::temp_directory_path() / "sauramiti-cli-XXXXXX").string();
  ASSERT_NE(::mkdtemp(dir.data()), nullptr);
  const struct {
    const char* name;
    std::string document;
    std::string note;
  } cases[] = {
      {"a value of the wrong type", R"({"English": {"type": "String", "value": "abc"}})",
       R"(key "English": the control cannot take {"type":"String","value":"abc"} )"
       "(run-time error 13: Type mismatch)"},
      // Stored without complaint; the failure comes when the year list is filled.
      {"a value the view cannot draw",
       R"({"MinYear": {"type": "Integer", "value": 2001}, "MaxYear": {"type": "String",)"
       R"( "value": "abc"}, "Separator": {"type": "Long", "value": 2}})",
       R"(key "MaxYear": the control cannot take {"type":"String","value":"abc"} )"
       "(run-time error 13: Type mismatch)"},
      {"a font reference to no font", R"({"EnglishFont": {"type": "Font", "value": null}})",
       R"(key "EnglishFont": the control cannot take {"type":"Font","value":null} )"
       "(run-time error 91: Object variable or With block variable not set)"},
      {"control characters in the value",
       R"({"MinYear": {"type": "String", "value": "\u001b]0;x\u0007\u007f"}})",
       R"(key "MinYear": the control cannot take {"type":"String","value":"\u001b]0;x\u0007\x7f"} )"
       "(run-time error 13: Type mismatch)"},
  };
  for (const auto& c : cases) {
    const std::string file = dir + "/doc.json", saved = dir + "/saved.json";
    std::ofstream(file) << c.document;
    const ScriptRun run =
        RunText(kNew + "let MinYear 2050\nload " + file + "\nget MinYear\nevents\nsave " + saved +
                "\nload " + saved + "\nget MinYear\n");
    EXPECT_EQ(run.out, "error " + c.note.substr(c.note.rfind("error ") + 6, 2) +
                           "\nInteger 2050\nPropertyChanged MinYear\nInteger 2050\n")
        << c.name;
    EXPECT_EQ(run.err, "script: line 4: note: " + file + ": " + c.note + "\n") << c.name;
    EXPECT_EQ(run.status, 0) << c.name;
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace sauramiti::cli
