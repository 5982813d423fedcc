// The script's commands and outputs. Expected values are facts of the calendar and of the
// control's documented behaviour: BS 2059/01/01 is Sunday 14 April 2002, Julian day 2452378.5,
// Kali Ahargana 1863913; Vaishaka 2059 has 31 days from a Sunday, Asadh 2059 32 days from a
// Saturday.
#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "script_test_support.hpp"

namespace sauramiti::cli {
namespace {

using testing::RunScriptText;
using testing::ScratchDirectory;
using testing::ScriptRun;

constexpr std::string_view kNewInstance = "clock 2002-04-14\nnew\n";

std::string WithInstance(std::string_view lines) {
  return std::string(kNewInstance) + std::string(lines);
}

TEST(ScriptGetTest, EveryPropertyPrintsItsTypeAndValue) {
  const ScriptRun run = RunScriptText(WithInstance(
      "get English\nget Enabled\nget MaxYear\nget MinYear\nget DateValue\nget month\nget Day\n"
      "get Weekday\nget year\nget UjjainAhargana\nget DateAD\nget EnglishFont\nget NepaliFont\n"
      "get Vertical\nget Value\nget EngStrDate\nget JulianDate\nget EnglishDateStyle\n"
      "get WeekDayStyle\nget Separator\nget ToolTipText\nmode design\nget WeekDayStyle\n"));
  EXPECT_EQ(run.out,
            "Boolean True\n"
            "Boolean True\n"
            "Integer 2100\n"
            "Integer 2000\n"
            "String \"2059 Vaishaka 1, Sunday\"\n"
            "Integer 1\n"
            "Integer 1\n"
            "Integer 1\n"
            "Integer 2059\n"
            "Long 1863913\n"
            "String \"04/14/2002\"\n"
            "Font \"Tahoma\" 8.25\n"
            "Font \"Tahoma\" 8.25\n"
            "Boolean True\n"
            "String \"2059/01/01/1\"\n"
            "String \"14 April, 2002\"\n"
            "Double 2452378.5\n"
            "Long 0\n"
            "error 393\n"
            "Long 0\n"
            "String \"Click the Required Date\"\n"
            "Long 0\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.status, 0);
}

struct LetCase {
  std::string_view name;
  std::string_view property;
  std::string_view value;
  std::string_view expected;  // what `let` prints, then what `get` prints
};

TEST(ScriptLetTest, ValuesConvertToThePropertysType) {
  const std::initializer_list<LetCase> cases = {
      {"Boolean keeps any 16-bit value", "English", "5", "Boolean 5\n"},
      {"Boolean from a Double rounds half to even", "English", "2.5", "Boolean 2\n"},
      {"Boolean from True", "Vertical", "True", "Boolean True\n"},
      {"Boolean from the text False", "Vertical", "\"False\"", "Boolean False\n"},
      {"Boolean from a numeric text", "English", "\"7\"", "Boolean 7\n"},
      {"Boolean from other text", "English", "\"yes\"", "error 13\nBoolean True\n"},
      {"Boolean beyond 16 bits", "English", "40000", "error 6\nBoolean True\n"},
      {"Enabled takes any non-zero as on", "Enabled", "3", "Boolean True\n"},
      {"Integer rounds half to even (down)", "MinYear", "2.5", "Integer 2\n"},
      {"Integer rounds half to even (up)", "MinYear", "3.5", "Integer 4\n"},
      {"Integer from a text with blanks", "MinYear", "\" 2050 \"", "Integer 2050\n"},
      {"Integer from a text that is no number", "MinYear", "\"20x\"", "error 13\nInteger 2000\n"},
      {"Integer just beyond 16 bits", "MinYear", "32768", "error 6\nInteger 2000\n"},
      {"Integer at the 16-bit minimum", "MinYear", "-32768", "Integer -32768\n"},
      {"Integer from True", "MinYear", "True", "Integer -1\n"},
      {"Integer from a font", "MinYear", "font \"Arial\" 9", "error 13\nInteger 2000\n"},
      {"a double that overflows", "MinYear", "1e400", "error 6\nInteger 2000\n"},
      {"MaxYear keeps a text", "MaxYear", "\"2090\"", "String \"2090\"\n"},
      {"MaxYear keeps a Long", "MaxYear", "40000", "error 6\nLong 40000\n"},
      {"MaxYear keeps a Double", "MaxYear", "2090.5", "Double 2090.5\n"},
      {"MaxYear keeps a font it cannot count to", "MaxYear", "font \"Arial\" 9",
       "error 13\nFont \"Arial\" 9\n"},
      {"text from an integer", "ToolTipText", "12", "String \"12\"\n"},
      {"text from a double", "ToolTipText", "0.1", "String \"0.1\"\n"},
      {"text from a Boolean", "ToolTipText", "False", "String \"False\"\n"},
      {"text with escapes", "ToolTipText", "\"a\\tb \\\"c\\\" \\u00f7\"",
       "String \"a\\tb \\\"c\\\" ÷\"\n"},
      {"text from a font", "ToolTipText", "font \"Arial\" 9",
       "error 13\nString \"Click the Required Date\"\n"},
      {"Double from a text", "JulianDate", "\"2.5\"", "Double 2.5\n"},
      {"Double from an integer", "JulianDate", "-7", "Double -7\n"},
      {"Double NaN", "JulianDate", "nan", "Double nan\n"},
      {"enumeration beyond its members", "Separator", "70000", "Long 70000\n"},
      {"enumeration rounds", "EnglishDateStyle", "1.5", "Long 2\n"},
      {"enumeration beyond 32 bits", "Separator", "3000000000", "error 6\nLong 0\n"},
      {"a negative separator is refused after storing", "Separator", "-1", "error 5\nLong -1\n"},
      {"font set", "EnglishFont", "font \"Arial\" 10.5", "Font \"Arial\" 10.5\n"},
      {"font from a number", "NepaliFont", "5", "error 13\nFont \"Tahoma\" 8.25\n"},
      {"font from a text", "NepaliFont", "\"Arial\"", "error 13\nFont \"Tahoma\" 8.25\n"},
      {"read-only property at run time", "Day", "3", "error 382\nInteger 1\n"},
  };
  for (const LetCase& c : cases) {
    const std::string script =
        WithInstance("let " + std::string(c.property) + ' ' + std::string(c.value) + "\nget " +
                     std::string(c.property) + '\n');
    const ScriptRun run = RunScriptText(script);
    EXPECT_EQ(run.out, c.expected) << c.name;
    EXPECT_EQ(run.err, "") << c.name;
    EXPECT_EQ(run.status, 0) << c.name;
  }
}

TEST(ScriptLetTest, ValueSetAtRunTimeIsAppliedToEveryDerivedProperty) {
  const ScriptRun run =
      RunScriptText(WithInstance("let Value \"2059/01/18/4\"\nget DateValue\nget DateAD\n"
                                 "get Day\nget Weekday\ninspect Label2 caption\n"));
  EXPECT_EQ(run.out,
            "String \"2059 Vaishaka 18, Wednesday\"\nString \"05/01/2002\"\nInteger 18\n"
            "Integer 4\n\"1 May, 2002\"\n");
}

struct ModeCase {
  std::string_view name;
  std::string_view lines;
  std::string_view expected;
};

TEST(ScriptModeTest, AccessorsAreRefusedByMode) {
  const std::initializer_list<ModeCase> cases = {
      {"Value at design time", "mode design\nlet Value \"2059/01/02/2\"\nget Value\n",
       "error 387\nString \"2059/01/01/1\"\n"},
      {"year at design time", "mode design\nlet year 2060\n", "error 387\n"},
      {"year at run time stores only the year", "let year 2060\nget year\nget Value\n",
       "Integer 2060\nString \"2059/01/01/1\"\n"},
      {"read-only at design time", "mode design\nlet DateAD \"x\"\n", "error 387\n"},
      {"read-only at run time", "let UjjainAhargana 5\n", "error 382\n"},
      {"WeekDayStyle set at design time",
       "mode design\nlet WeekDayStyle 1\nget WeekDayStyle\ninspect lblWD(0) caption\n",
       "Long 1\n\"Sunday\"\n"},
      {"WeekDayStyle set at run time", "let WeekDayStyle 1\n", "error 382\n"},
      {"back to run time", "mode design\nmode run\nget WeekDayStyle\n", "error 393\n"},
  };
  for (const ModeCase& c : cases) {
    const ScriptRun run = RunScriptText(WithInstance(c.lines));
    EXPECT_EQ(run.out, c.expected) << c.name;
    EXPECT_EQ(run.status, 0) << c.name;
  }
}

TEST(ScriptEventsTest, EventsComeInOrderAndOnlyOnce) {
  const std::initializer_list<ModeCase> cases = {
      {"a new instance sends nothing", "events\n", ""},
      {"setters send their names", "let English False\nlet MinYear 2001\nevents\nevents\n",
       "PropertyChanged English\nPropertyChanged MinYear\n"},
      {"a refused setter sends nothing", "let Day 4\nevents\n", "error 382\n"},
      {"a click sends one Click after the step's changes",
       "let ToolTipText \"x\"\nclick-day 17\nevents\nget Value\n",
       "PropertyChanged ToolTipText\nClick\nString \"2059/01/18/4\"\n"},
      {"an empty cell reports no click", "click-day 33\nevents\nget Value\n",
       "String \"2059/01/01/1\"\n"},
      {"a disabled control ignores clicks", "let Enabled False\nclick-day 3\nevents\n",
       "PropertyChanged Enabled\n"},
      {"lists never send Click", "choose month 2\ndropdown year\nchoose year 3\nevents\n", ""},
      {"events survive a new instance", "let MinYear 2001\nnew\nevents\n",
       "PropertyChanged MinYear\n"},
  };
  for (const ModeCase& c : cases) {
    const ScriptRun run = RunScriptText(WithInstance(c.lines));
    EXPECT_EQ(run.out, c.expected) << c.name;
    EXPECT_EQ(run.err, "") << c.name;
  }
}

TEST(ScriptUserTest, ListsAndDayCellsActAsTheUserWould) {
  const std::initializer_list<ModeCase> cases = {
      {"choosing a month turns the page but keeps the date",
       "choose month 2\nget month\nget Value\ninspect CBoMonth text\n",
       "Integer 3\nString \"2059/01/01/1\"\n\"Asadh\"\n"},
      {"a 32-day month from a Saturday wraps its last days to the front",
       "choose month 2\ninspect lblDay(0) caption\ninspect lblDay(2) caption\n"
       "inspect lblDay(3) caption\ninspect lblDay(3) enabled\ninspect lblDay(6) caption\n",
       "\"30\"\n\"32\"\n\"\"\nFalse\n\"1\"\n"},
      {"clicking a day after turning the page picks a date of that month",
       "choose month 2\nclick-day 2\nget Value\n", "String \"2059/03/32/3\"\n"},
      {"an entry outside the list", "choose month 12\nchoose year -1\n", "error 5\nerror 5\n"},
      {"opening a list empties the panels and the grid",
       "dropdown year\ninspect Label1 caption\ninspect lblDay(5) caption\n"
       "inspect lblDay(5) enabled\n",
       "\"\"\n\"\"\nFalse\n"},
      {"typing changes nothing", "type year 7\ntype month \" \"\ninspect cboYear text\n",
       "\"2059\"\n"},
      {"a cell outside the array", "click-day 35\nclick-day -1\n", "error 9\nerror 9\n"},
      {"the selected cell carries the highlight",
       "click-day 13\ninspect lblDay(13) s3\ninspect lblDay(13) forecolor\n"
       "inspect lblDay(0) s3\n",
       "0\n0x000000FF\n1\n"},
  };
  for (const ModeCase& c : cases) {
    const ScriptRun run = RunScriptText(WithInstance(c.lines));
    EXPECT_EQ(run.out, c.expected) << c.name;
    EXPECT_EQ(run.err, "") << c.name;
  }
}

TEST(ScriptHostTest, SurfaceClockAndCalls) {
  const std::initializer_list<ModeCase> cases = {
      {"a size resizes the live instance",
       "size 4800 4800\ninspect Frame1 width\ninspect Frame1 height\ninspect Label1 height\n",
       "4799\n4799\n480\n"},
      {"a new instance sets its own size", "size 4800 4800\nnew\ninspect Label1 width\n", "3000\n"},
      {"a size too large for a single", "size 1e39 10\ninspect Label1 width\n", "error 6\n3000\n"},
      {"a new instance gets an enabled surface", "let Enabled False\nnew\nget Enabled\n",
       "Boolean True\n"},
      {"the clock decides today's date of a new instance", "clock 2002-05-01\nnew\nget Value\n",
       "String \"2059/01/18/4\"\n"},
      {"a method call on the instance", "call GetDaysInMonth 2059 3 1\ncall Nope\n",
       "32\nerror 438\n"},
  };
  for (const ModeCase& c : cases) {
    const ScriptRun run = RunScriptText(WithInstance(c.lines));
    EXPECT_EQ(run.out, c.expected) << c.name;
    EXPECT_EQ(run.err, "") << c.name;
  }
  const ScriptRun withoutInstance =
      RunScriptText("call GetKaliAhargana 2059 1 1\ncall GetWeekDay 2059 1\n");
  EXPECT_EQ(withoutInstance.out, "1863913\nerror 450\n");
  EXPECT_EQ(withoutInstance.status, 0);
}

struct LineCase {
  std::string_view name;
  std::string_view script;
  std::string_view out;
  std::vector<int> complaints;
};

TEST(ScriptLinesTest, LinesThatAreNotCommandsAreReportedAndTheRestStillRuns) {
  const std::initializer_list<LineCase> cases = {
      {"comments, blanks and Windows line ends",
       "# a comment\n\n   \n  # indented\r\nclock 2002-04-14\r\nnew\r\nget year\r\n",
       "Integer 2059\n",
       {}},
      {"unknown command", "new\nfrobnicate\nget Day\n", "Integer", {2}},
      {"commands need an instance",
       "get Value\nlet English True\nshow\nclick-day 1\n",
       "",
       {1, 2, 3, 4}},
      {"wrong numbers of words",
       "new\nget\nget Day Day\nlet English\nsize 1\nevents now\n",
       "",
       {2, 3, 4, 5, 6}},
      {"unknown names",
       "new\nget english\nlet Month 3\ninspect lblDay(35) caption\n"
       "inspect Label1 text\nchoose day 1\n",
       "",
       {2, 3, 4, 5, 6}},
      {"values that cannot be read",
       "new\nlet English yes\nlet Value \"open\nlet Value \"a\"b\nlet Value \"\\x\"\n"
       "let EnglishFont font Arial 9\nclick-day one\nclock 2002-02-30\nmode test\n"
       "type year \"ab\"\n",
       "",
       {2, 3, 4, 5, 6, 7, 8, 9, 10}},
      {"the lines after a bad one still run",
       "new\nnope\nget MinYear\nbad\nget MaxYear\n",
       "Integer 2000\nInteger 2100\n",
       {2, 4}},
  };
  for (const LineCase& c : cases) {
    const ScriptRun run = RunScriptText(c.script);
    if (c.out == "Integer") {
      EXPECT_EQ(run.out.substr(0, 8), "Integer ") << c.name;
    } else {
      EXPECT_EQ(run.out, c.out) << c.name;
    }
    EXPECT_EQ(run.ComplaintLines(), c.complaints) << c.name << "\n" << run.err;
    EXPECT_EQ(run.status, c.complaints.empty() ? 0 : 2) << c.name;
  }
}

TEST(ScriptDocumentTest, SavedSettingsComeBackButTheDateIsToday) {
  const ScratchDirectory dir;
  const std::string file = dir.File("form.json");
  const ScriptRun saved = RunScriptText(WithInstance(
      "let MaxYear \"2090\"\nlet English False\nlet Vertical False\nlet Separator 1\n"
      "let ToolTipText \"Pick\"\nlet EnglishFont font \"Arial\" 10\nclick-day 17\nsave " +
      file + "\n"));
  ASSERT_EQ(saved.status, 0) << saved.err;
  EXPECT_EQ(saved.out, "");

  const ScriptRun loaded =
      RunScriptText("clock 2002-05-02\nload " + file +
                    "\nget MaxYear\nget English\nget Vertical\nget Separator\nget ToolTipText\n"
                    "get EnglishFont\nget Value\nget DateAD\nget MinYear\nevents\n");
  EXPECT_EQ(loaded.out,
            "String \"2090\"\nBoolean False\nBoolean False\nLong 1\nString \"Pick\"\n"
            "Font \"Arial\" 10\nString \"2059/01/19/5\"\nString \"05-02-2002\"\n"
            "Integer 2000\n");
  EXPECT_EQ(loaded.err, "");
  EXPECT_EQ(loaded.status, 0);
}

TEST(ScriptDocumentTest, DocumentsThatCannotBeUsed) {
  const ScratchDirectory dir;
  {
    std::ofstream(dir.File("broken.json")) << "{\"MinYear\": ";
    std::ofstream(dir.File("text-year.json"))
        << R"({"MinYear": {"type": "String", "value": "soon"}})";
  }
  const ScriptRun broken =
      RunScriptText(WithInstance("load " + dir.File("broken.json") + "\nget Value\n"));
  EXPECT_EQ(broken.out, "String \"2059/01/01/1\"\n") << "the old instance stays";
  EXPECT_EQ(broken.ComplaintLines(), std::vector<int>{3});
  EXPECT_EQ(broken.status, 2);

  const ScriptRun missing = RunScriptText("load " + dir.File("none.json") + "\n");
  EXPECT_EQ(missing.ComplaintLines(), std::vector<int>{1});

  const ScriptRun mistyped =
      RunScriptText("load " + dir.File("text-year.json") + "\nget MinYear\n");
  EXPECT_EQ(mistyped.out, "error 13\nInteger 0\n");
  EXPECT_NE(mistyped.err.find("\"MinYear\""), std::string::npos) << mistyped.err;
  EXPECT_EQ(mistyped.status, 0) << "a run-time error is an outcome, not a bad line";

  const ScriptRun unsaved =
      RunScriptText(WithInstance("save " + dir.File("no/such/dir/form.json") + "\n"));
  EXPECT_EQ(unsaved.ComplaintLines(), std::vector<int>{3});
}

}  // namespace
}  // namespace sauramiti::cli
