#include <sys/ioctl.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cli/batch_call.hpp>
#include <cli/command_line.hpp>
#include <cli/date_conversion.hpp>
#include <cli/extension_options.hpp>
#include <cli/method_binding.hpp>
#include <cli/method_call.hpp>
#include <cli/method_host.hpp>
#include <cli/month_calendar.hpp>
#include <cli/pick_command.hpp>
#include <cli/property_table.hpp>
#include <cli/script_runner.hpp>
#include <cli/today.hpp>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/convert/calendar_methods.hpp>
#include <sauramiti/platform/headless/system_clock.hpp>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#ifndef SAURAMITI_VERSION_TEXT
#error "SAURAMITI_VERSION_TEXT must be defined by the build"
#endif

namespace sauramiti::cli {

namespace {

constexpr int kUsageError = 2;

constexpr const char* kMainFooter =
    R"(Without a subcommand: on a terminal, the date picker (`sauramiti pick`); otherwise
today's date as `sauramiti today` prints it and the current month as `sauramiti cal`
draws it.

Examples:
  sauramiti                          pick a date, or today's date and this month
  d=$(sauramiti pick --sep 1)        pick a date and keep its Value
  sauramiti today --json             today's date as one JSON object
  sauramiti cal 2081 9               Poush 2081 as the control shows it
  sauramiti cal 2081                 the whole year 2081
  sauramiti script examples/checks.txt  drive a control instance, one command a line
  sauramiti to-ad 2059/01/01         04/14/2002
  sauramiti to-bs 2002-04-14         2059/01/01/1
  sauramiti call GetDaysInMonth 2059 3 1
  sauramiti call --batch < calls.tsv)";

constexpr const char* kCallFooter =
    R"(Forms: sauramiti call METHOD [ARG...]    or    sauramiti call --batch

Methods and their parameters ([...] optional, with its default):
  English2NepaliDate  myYear myMonth myDay [sepCode=0]
  GetFirstWeekDay     myYear myMonth
  GetDaysInMonth      myYear myMonth whatdate           (0 Gregorian, 1 BS)
  GetWeekDay          thisyear thismonth thisday
  GetKaliAhargana     myYear myMonth myDay [mywkday=9]
  Nepali2EnglishDate  myYear myMonth myDay [MyWeekDay=9] [SepCharCode=0] [style=0]
  GetJulianDate       myY myM myD [MyWeekDay=9]
  AharGana2NepaliDate KaliAhargana [sepCode=0]
  JDate2EnglishDate   MyJulianDate [sepCode=0] [style=0]
Method names ignore letter case. Years, months, days and weekdays are 16-bit integers,
separator codes (0 "/", 1 "-", 2 ".", 3 "÷"), styles (0 mm/dd/yyyy, 1 dd/mm/yyyy,
2 yyyy/mm/dd) and whatdate any 32-bit integer; the two day counts are decimal numbers
(also nan, inf, -inf). "-" leaves an optional argument at its default; for a required
one it counts as missing.

Prints one line: the result, or "error N" for a run-time error N (6 overflow, 13 an
argument that is not a number of its kind, 438 no such method, 450 wrong number of
arguments, ...); the exit status is then 1 and standard error says what went wrong.

The answer is the method's own, even where it looks like a failure: Nepali2EnglishDate
gives an empty text for a weekday that is not the date's (2059 1 1 9 9 9 prints an empty
line), and GetDaysInMonth gives 0 for a month that does not exist (2059 13 1 prints 0);
both exit with status 0, as the methods raise no error.

With --batch, reads one call a line from standard input, the method and its arguments
separated by tabs, and prints one line for each and nothing on standard error; the exit
status is always 0.

--calendar published calls the methods of an instance whose Calendar property is 1: BS
dates follow the calendar published in Nepal (GetDaysInMonth 2082 3 1 is 32 there, 31 in
the model). The default is the model, the control's own.

Examples:
  sauramiti call GetKaliAhargana 2059 1 1            1863913
  sauramiti call Nepali2EnglishDate 2059 1 1 - 1 2   2002-04-14
  sauramiti call AharGana2NepaliDate 1863913.5       2059/01/02/2
  printf 'GetJulianDate\t2059\t1\t1\n' | sauramiti call --batch)";

constexpr const char* kToAdFooter =
    R"(A BS date is year/month/day with "/", "-", "." or "÷" between the numbers, the same one
throughout; a fourth number, the weekday code of a Value string, must be the date's own.
Gregorian dates before 15 October 1582 come out in the Julian calendar, as the control
gives them (to-bs reads every date as Gregorian).
Without DATE, converts one date a line from standard input to one line each (an empty line
for a date that fails). A date that cannot be converted is reported on standard error; the
exit status is then 1.

--iso prints yyyy-mm-dd in the proleptic Gregorian calendar (also before 1582, as ISO 8601
counts). --json prints one JSON object a line:
  {"input": "2059/01/01", "text": "04/14/2002",
   "bs": {"year": 2059, "month": 1, "day": 1, "weekday": 1, "iso": "2059-01-01"},
   "ad": {"year": 2002, "month": 4, "day": 14, "iso": "2002-04-14"}, "kali_ahargana": 1863913}
"text" is the line printed without --json; "weekday" runs 1 Sunday ... 7 Saturday; "ad" is
proleptic Gregorian. A date that fails gives {"input": ..., "error": ...}.

--calendar published reads and writes BS dates in the calendar published in Nepal, which moves
a day between two months in seven years of 1970 to 2083 (2082/04/01 is 07/17/2025 there,
07/16/2025 in the model); the texts keep their forms. The default is the model, the control's.

Examples:
  sauramiti to-ad 2059/01/01                    04/14/2002
  sauramiti to-ad --sep 1 --style 2 2059.01.01  2002-04-14
  sauramiti to-ad 2059/01/01/1 2081-01-01       04/14/2002 and 04/13/2024
  sauramiti to-ad --json 2059/01/01 | jq .ad.iso  "2002-04-14")";

constexpr const char* kToBsFooter =
    R"(A Gregorian date is year-month-day of the years 1 to 9999, with "-", "/", "." or "÷"
between the numbers. Prints the BS Value string yyyy/mm/dd/w (w the weekday: 1 Sunday ...
7 Saturday), every separator the one --sep chooses. Without DATE, converts one date a line
from standard input to one line each (an empty line for a date that fails). A date that
cannot be converted is reported on standard error; the exit status is then 1.

--iso prints the BS date as yyyy-mm-dd, without the weekday. --json prints one JSON object a
line, the same as to-ad's (see sauramiti to-ad --help), "text" being the Value string.

Examples:
  sauramiti to-bs 2002-04-14             2059/01/01/1
  sauramiti to-bs --iso 2002-04-14       2059-01-01
  sauramiti to-bs --sep 3 2002-04-14     2059÷01÷01÷1
  sort dates.txt | sauramiti to-bs)";

constexpr const char* kTodayFooter =
    R"(Prints the date properties a new control instance holds today, one a line: Value
(yyyy/mm/dd/w, w the weekday: 1 Sunday ... 7 Saturday), DateValue (the BS date written
out), DateAD (the Gregorian date), EngStrDate (its long form), JulianDate and
UjjainAhargana (days since the start of the Kali era).

With --nepali the control works in Nepali; its texts, held for a legacy Nepali font, are
shown in Unicode Devanagari, and --legacy shows them as the control holds them. --json
prints one object keyed by the property names; in Nepali, DateValue and EngStrDate are in
Devanagari. With --nepali --legacy --json they are the stored texts and the object adds
"DateValueUnicode" and "EngStrDateUnicode" in Devanagari.

--calendar published gives today's BS date in the calendar published in Nepal, as a
control whose Calendar property is 1 holds it; the default is the model.

Examples:
  sauramiti today
  sauramiti today --sep 1 --style 2      2081-08-20-5 and 2024-12-05 (a Thursday)
  sauramiti today --nepali --json)";

constexpr const char* kCalFooter =
    R"(Draws one BS month as the date-picker control fills its view: the two date panels,
the year and month lists and the grid of weekday headers and day cells, read from the
control's own child controls. Without YEAR, the current month. The selected day is today
in the current month and day 1 in any other; it is shown between brackets, or in colour
on a terminal, where today is also in reverse video.

With YEAR alone, the whole year: twelve grids under their month names, three across when
the terminal is wide enough, fewer when it is not. -3 shows the previous, the current and
the next month (around YEAR MONTH when given). These pages mark only today: between
brackets, or in reverse video on a terminal.

The default arrangement is the control's vertical one: weekdays down the left side, one
column per week. --horizontal puts the weekdays on top and one week a row.

--json prints a JSON array with one object per month shown, whatever the page:
  {"year": 2081, "month": 9, "name": "Poush", "days": 29, "firstWeekday": 2,
   "firstDayAD": "2024-12-16", "today": null, "weeks": [[null, 1, 2, ...], ...]}
name is the month list's text; firstWeekday the weekday of day 1 (1 Sunday ... 7
Saturday); firstDayAD its Gregorian date; today the day that is today, or null; weeks
run Sunday to Saturday, null outside the month.

--calendar published draws the months of the calendar published in Nepal, as a control
whose Calendar property is 1 shows them (Asar 2082 has 32 days there, 31 in the model);
the default is the model.

Examples:
  sauramiti cal
  sauramiti cal 2081
  sauramiti cal -3
  sauramiti cal 2081 1 --horizontal
  sauramiti cal 2081 9 --nepali
  sauramiti cal 2081 9 --json)";

constexpr const char* kScriptFooter =
    R"(Runs one command a line from FILE, or standard input, on a control instance hosted in
memory. Blank lines and lines starting with # are skipped.

  clock YYYY-MM-DD       the host's local date from now on
  mode run|design        the host's UserMode
  size W H               the surface size in twips (default 5535 5220)
  new                    create an instance: Initialize, then InitProperties
  load FILE              create an instance from a saved JSON document; one that fails
                         to load leaves the current instance as it was
  save FILE              save the instance's properties as a JSON document
  get NAME               print a property as TYPE VALUE
  let NAME VALUE         set a property: True, False, 12, 2.5, "text", font "Tahoma" 8.25
  call METHOD ARG...     call a method, as `sauramiti call` does
  click-day K            click day cell K (0 to 34)
  choose year|month I    choose entry I (from 0) of a list
  dropdown year|month    open a list
  type year|month CHAR   type a character into a list
  events                 print the events since the last `events`
  inspect CONTROL PROP   print a property of a child control (lblDay(3) caption, ...)
  show                   draw the view as text

A run-time error prints "error N" and the script goes on. A line that is not a command
is reported on standard error as "script: line L: ..."; the script still runs to its end
and then exits with status 2.

Examples:
  sauramiti script examples/checks.txt
  printf 'clock 2002-04-14\nnew\nget Value\nclick-day 17\nevents\n' | sauramiti script)";

constexpr const char* kPickFooter =
    R"(Shows the date-picker control on the terminal, today's date under the cursor.

  arrows, h j k l     move over the days (into the next or previous month at the ends)
  PgUp, PgDn          previous, next month        y or +           next year
  Home, End           first, last day             Y or -           previous year
  Tab, Shift-Tab      to the year list, the month list and back to the days; in a list
                      the arrows choose the previous or next entry
  t                   back to today               mouse click      pick that day
  Enter               pick the day                Esc, q           cancel
  digits              type a date: 15 (a day of the month shown), 9/15 (a month and
                      day of the year shown) or 2081/9/15, with "/", "." or "-" between
                      the parts; Enter goes to it and a second Enter picks it,
                      Backspace takes back a character, Esc clears what was typed

Enter prints the control's Value (yyyy/mm/dd/w), or the property --print names, and
exits with status 0; cancelling prints nothing and exits with status 1, Ctrl-C with
status 130. In Nepali, the texts printed (DateValue, EngStrDate) are in Devanagari, or
as the control stores them with --legacy. The picker draws on the terminal itself, so
its answer can be captured: d=$(sauramiti pick).

Days outside --min-date and --max-date are drawn dim and cannot be picked; the picker
starts on the allowed day nearest today, and a key that would leave the allowed days
does nothing and says so.

The terminal must be able to place the cursor (TERM=dumb cannot) and be 30 columns by 12
lines at least; the line of keys shrinks or goes on a small one. Outside a UTF-8 locale
(LANG=C) the picker draws in ASCII, and Nepali as the stored legacy-font ASCII.

--calendar published shows and picks dates of the calendar published in Nepal (the
control's Calendar property 1); the default is the model.

Examples:
  sauramiti pick
  sauramiti pick --print DateAD --style 2 --sep 1
  sauramiti pick --nepali --horizontal
  sauramiti pick --mark-today --min-date 2081/01/01 --max-date 2081/12/30 --holiday-color '#c00000')";

enum class ColorChoice { Auto, Always, Never };

bool UseColor(ColorChoice choice, const Streams& io) {
  if (choice != ColorChoice::Auto) return choice == ColorChoice::Always;
  if (!io.outputIsTerminal) return false;
  const char* noColor = std::getenv("NO_COLOR");
  if (noColor != nullptr && *noColor != '\0') return false;
  const char* term = std::getenv("TERM");
  return term != nullptr && std::string_view(term) != "dumb";
}

int Usage(const Streams& io, std::string_view message, std::string_view command = {}) {
  io.err << "sauramiti: " << message << " (see sauramiti " << command
         << (command.empty() ? "" : " ") << "--help)\n";
  return kUsageError;
}

// The error number in a call's "error N" line.
std::int32_t ErrorNumberOf(std::string_view line) {
  std::int32_t number = 0;
  for (const char c : line.substr(line.find(' ') + 1)) {
    if (c < '0' || c > '9') break;
    number = number * 10 + (c - '0');
  }
  return number;
}

// What went wrong in a single call, for a person; the answer line itself stays the contract.
void ExplainCallError(const Streams& io, std::string_view method, std::string_view line) {
  const std::int32_t number = ErrorNumberOf(line);
  io.err << "sauramiti: call: ";
  if (number == kNoSuchMethod) {
    io.err << "no method is called \"" << method << "\" (see sauramiti call --help)\n";
    return;
  }
  io.err << method << ": error " << number << " (" << ErrorDescription(number) << ")";
  if (number == kWrongArgumentCount) io.err << " (see sauramiti call --help)";
  io.err << '\n';
}

// The columns of the terminal standard output writes to; 0 when it is no terminal.
std::size_t OutputColumns(const Streams& io) {
  if (!io.outputIsTerminal) return 0;
  winsize size{};
  if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0) return 0;
  return size.ws_col;
}

int RunCall(bool batch, std::int16_t calendar, const std::vector<std::string>& words,
            const Streams& io) {
  const MethodHost methods(calendar);
  const MethodTable table = MakeMethodTable(methods.Control());

  if (batch) {
    if (!words.empty()) return Usage(io, "call --batch takes its calls from standard input only");
    RunCallBatch(table, io.in, io.out, io.interactive);
    return 0;
  }
  if (words.empty()) return Usage(io, "call needs a METHOD, or --batch", "call");
  if (words.front().starts_with('-')) {
    return Usage(io, "call: unknown option " + words.front(), "call");
  }

  const std::vector<std::string_view> arguments(words.begin() + 1, words.end());
  std::string line;
  const bool answered = AppendCallLine(table, words.front(), arguments, line);
  line.push_back('\n');
  io.out << line << std::flush;
  if (!answered) ExplainCallError(io, words.front(), line);
  return answered ? 0 : 1;
}

int RunScriptCommand(const std::string& file, const Streams& io) {
  if (file.empty() || file == "-") return RunScript(io.in, io.out, io.err, io.interactive);
  std::ifstream in(file);
  if (!in) return Usage(io, "script: cannot read " + file);
  return RunScript(in, io.out, io.err, /*flushEachLine=*/false);
}

// Runs `draw` for today's date, read once; a date the control cannot show ends with status 1.
template <typename Draw>
int WithToday(const Streams& io, std::string_view what, Draw draw) {
  try {
    draw(headless::SystemLocalDate());
    io.out.flush();
    return 0;
  } catch (const RuntimeError& error) {
    io.out.flush();
    io.err << "sauramiti: " << what << ": error " << error.Number() << " ("
           << ErrorDescription(error.Number()) << ")\n";
  } catch (const std::invalid_argument& error) {
    io.out.flush();
    io.err << "sauramiti: " << what << ": " << error.what() << '\n';
  }
  return 1;
}

// --calendar model|published, one option for every subcommand that reads or shows BS dates;
// `use` gets the control's Calendar code (0 the model, 1 the published calendar).
void AddCalendarOption(CLI::App& command, std::function<void(std::int16_t)> use) {
  command
      .add_option_function<std::string>(
          "--calendar",
          [use = std::move(use)](const std::string& name) {
            use(name == "published" ? SauramitiRoutine::kPublishedCalendar
                                    : SauramitiRoutine::kModelCalendar);
          },
          "BS calendar: model (the control's, default) or published (the calendar published in "
          "Nepal where it differs from the model, 1970 to 2083)")
      ->check(CLI::IsMember({"model", "published"}));
}

// The same, storing the code.
void AddCalendarOption(CLI::App& command, std::int16_t& code) {
  AddCalendarOption(command, [&code](std::int16_t chosen) { code = chosen; });
}

void AddDateOptions(CLI::App& command, DateOptions& options, bool withStyle) {
  command
      .add_option("--sep", options.separator,
                  "separator code: 0 \"/\" (default), 1 \"-\", 2 \".\", 3 \"÷\"")
      ->check(CLI::Range(0, 3));
  if (withStyle) {
    command
        .add_option("--style", options.style,
                    "date style: 0 mm/dd/yyyy (default), 1 dd/mm/yyyy, 2 yyyy/mm/dd")
        ->check(CLI::Range(0, 2));
  }
  command.add_flag("--iso", options.iso,
                   "ISO 8601 dates yyyy-mm-dd instead of the control's texts");
  command.add_flag("--json", options.json, "one JSON object a line (its keys: see below)");
  AddCalendarOption(command, [&options](std::int16_t code) {
    options.calendar = SauramitiRoutine::CalendarOfCode(code);
  });
}

// Each subcommand is one struct: Add() declares its options on the command line, and Run(),
// called when the subcommand was given, does its work and gives the exit status.

struct CallCommand {
  bool batch = false;
  std::int16_t calendar = 0;
  CLI::App* app = nullptr;

  void Add(CLI::App& root) {
    app = root.add_subcommand("call", "Call one public method of the control by name");
    app->add_flag("--batch", batch, "read calls from standard input, one a line, tab-separated");
    AddCalendarOption(*app, calendar);
    app->prefix_command();  // METHOD and ARGs, even those that look like options ("-5", "-")
    app->footer(kCallFooter);
  }
  int Run(const Streams& io) const { return RunCall(batch, calendar, app->remaining(), io); }
};

struct DateCommand {
  DateDirection direction = DateDirection::ToAd;
  std::vector<std::string> dates;
  DateOptions options;
  CLI::App* app = nullptr;

  void Add(CLI::App& root) {
    if (direction == DateDirection::ToAd) {
      app = root.add_subcommand("to-ad", "Convert BS dates to Gregorian dates");
      app->add_option("DATE", dates, "BS dates yyyy/mm/dd; standard input when none");
      AddDateOptions(*app, options, /*withStyle=*/true);
      app->footer(kToAdFooter);
    } else {
      app = root.add_subcommand("to-bs", "Convert Gregorian dates to BS Value strings");
      app->add_option("DATE", dates, "Gregorian dates yyyy-mm-dd; standard input when none");
      AddDateOptions(*app, options, /*withStyle=*/false);
      app->footer(kToBsFooter);
    }
  }
  int Run(const Streams& io) const {
    return RunDateConversion(direction, dates, options, io.in, io.out, io.err, io.interactive);
  }
};

struct TodayCommand {
  TodayOptions options;
  CLI::App* app = nullptr;

  void Add(CLI::App& root) {
    app = root.add_subcommand("today", "Today's BS date in the control's date properties");
    app->add_flag("--json", options.json, "one JSON object keyed by the property names");
    app->add_option("--sep", options.separator,
                    "separator code: 0 \"/\" (default), 1 \"-\", 2 \".\", 3 \"÷\"")
        ->check(CLI::Range(0, 3));
    app->add_option("--style", options.style,
                    "Gregorian date style: 0 mm/dd/yyyy (default), 1 dd/mm/yyyy, 2 yyyy/mm/dd")
        ->check(CLI::Range(0, 2));
    CLI::Option* nepali = app->add_flag("--nepali", options.nepali, "the control in Nepali");
    app->add_flag("--legacy", options.legacy,
                  "Nepali texts as the control stores them (legacy-font ASCII)")
        ->needs(nepali);
    AddCalendarOption(*app, options.calendar);
    app->footer(kTodayFooter);
  }
  int Run(const Streams& io) const {
    return WithToday(io, "today", [&](const platform::LocalDate& date) {
      WriteTodayReport(io.out, options, date);
    });
  }
};

struct CalCommand {
  CalendarOptions options;
  std::int16_t year = 0;
  std::int16_t month = 0;
  std::string holidayColor;
  ColorChoice colorChoice = ColorChoice::Auto;
  bool threeMonths = false;
  CLI::Option* yearOption = nullptr;
  CLI::Option* monthOption = nullptr;
  CLI::App* app = nullptr;

  void Add(CLI::App& root) {
    app = root.add_subcommand("cal", "BS months as the date-picker control shows them");
    yearOption = app->add_option("YEAR", year, "BS year, 1 to 9999")->check(CLI::Range(1, 9999));
    monthOption = app->add_option("MONTH", month, "BS month, 1 (Vaishaka) to 12 (Chaitra)")
                      ->check(CLI::Range(1, 12));
    app->add_flag("--horizontal", options.horizontal, "weekdays on top, one week a row");
    app->add_flag("--gregorian-days", options.gregorianDays,
                  "each day also shows its Gregorian day (\"15·28\"), the panel its months");
    app->add_flag("--six-weeks", options.sixWeeks,
                  "six weeks of day cells, so that no day wraps to the first week");
    app->add_option("--holiday-color", holidayColor,
                    "Saturdays in this colour when colours show: #rrggbb, or 0x00BBGGRR")
        ->check(CheckColorOption);
    app->add_flag("-3", threeMonths, "the previous, current and next month");
    CLI::Option* nepali =
        app->add_flag("--nepali", options.nepali, "Nepali names and digits, in Devanagari");
    app->add_flag("--legacy", options.legacy,
                  "Nepali captions as the control stores them (legacy-font ASCII)")
        ->needs(nepali);
    app->add_flag("--json", options.json, "the months as a JSON array (see below)");
    AddCalendarOption(*app, options.calendar);
    app->add_option("--color", colorChoice, "colours: auto (on a terminal, default), always, never")
        ->transform(CLI::CheckedTransformer(
            std::map<std::string, ColorChoice>{{"auto", ColorChoice::Auto},
                                               {"always", ColorChoice::Always},
                                               {"never", ColorChoice::Never}}));
    app->footer(kCalFooter);
  }
  int Run(const Streams& io) {
    if (yearOption->count() > 0) options.year = year;
    if (monthOption->count() > 0) options.month = month;
    if (threeMonths) {
      if (options.year && !options.month) {
        return Usage(io, "cal -3 takes YEAR and MONTH, or neither", "cal");
      }
      options.page = CalendarPage::ThreeMonths;
    } else if (options.year && !options.month) {
      options.page = CalendarPage::WholeYear;
    }
    if (!holidayColor.empty()) options.holidayColor = ParseColorOption(holidayColor);
    options.width = OutputColumns(io);
    options.color = UseColor(colorChoice, io);
    return WithToday(io, "cal", [&](const platform::LocalDate& date) {
      WriteMonthCalendar(io.out, options, date);
    });
  }
};

struct PickCommand {
  PickOptions options;
  std::string holidayColor;
  std::int16_t minYear = 0;
  std::int16_t maxYear = 0;
  CLI::Option* minYearOption = nullptr;
  CLI::Option* maxYearOption = nullptr;
  CLI::App* app = nullptr;

  void Add(CLI::App& root) {
    app = root.add_subcommand("pick", "Pick a date on the terminal");
    app->add_option("--print", options.print,
                    "the property printed on Enter (default Value; DateAD, DateValue, ...)")
        ->check([](const std::string& name) {
          return FindProperty(name) == nullptr ? "no property is called " + name : std::string();
        });
    CLI::Option* nepali = app->add_flag("--nepali", options.setup.nepali, "the control in Nepali");
    app->add_flag("--legacy", options.legacy,
                  "print Nepali texts as the control stores them (legacy-font ASCII)")
        ->needs(nepali);
    minYearOption =
        app->add_option("--min-year", minYear, "the year list's first year (default 2000)")
            ->check(CLI::Range(1, 9999));
    maxYearOption =
        app->add_option("--max-year", maxYear, "the year list's last year (default 2100)")
            ->check(CLI::Range(1, 9999));
    AddLookFlags();
    AddCalendarOption(*app, options.setup.calendar);
    app->footer(kPickFooter);
  }
  void AddLookFlags() {
    app->add_flag("--horizontal", options.setup.horizontal, "weekdays on top, one week a row");
    app->add_flag("--gregorian-days", options.setup.gregorianDays,
                  "each day also shows its Gregorian day (\"15·28\"), the panel its months");
    app->add_flag("--six-weeks", options.setup.sixWeeks,
                  "six weeks of day cells, so that no day wraps to the first week");
    AddExtensionFlags();
    app->add_option("--sep", options.setup.separator,
                    "separator code: 0 \"/\" (default), 1 \"-\", 2 \".\", 3 \"÷\"")
        ->check(CLI::Range(0, 3));
    app->add_option("--style", options.setup.style,
                    "Gregorian date style: 0 mm/dd/yyyy (default), 1 dd/mm/yyyy, 2 yyyy/mm/dd")
        ->check(CLI::Range(0, 2));
  }
  void AddExtensionFlags() {
    app->add_flag("--mark-today", options.setup.markToday,
                  "today's day marked apart from the selection (reverse video, or [ ])");
    // The limits are checked once the calendar is known, in Run().
    app->add_option("--min-date", options.setup.minDate,
                    "the earliest BS date that can be picked, yyyy/mm/dd");
    app->add_option("--max-date", options.setup.maxDate,
                    "the latest BS date that can be picked, yyyy/mm/dd");
    app->add_option("--holiday-color", holidayColor,
                    "Saturdays in this colour when colours show: #rrggbb, or 0x00BBGGRR")
        ->check(CheckColorOption);
  }
  // Why the options given cannot make a picker, or "" when they can.
  [[nodiscard]] std::string Problem() const {
    const terminal::PickerSetup& setup = options.setup;
    if (setup.minYear && setup.maxYear && *setup.minYear > *setup.maxYear) {
      return "--min-year is after --max-year";
    }
    const bs::calendar& cal = SauramitiRoutine::CalendarOfCode(setup.calendar);
    for (const auto& [name, text] :
         {std::pair{"--min-date", &setup.minDate}, std::pair{"--max-date", &setup.maxDate}}) {
      if (std::string problem = CheckLimitDate(*text, cal); !problem.empty()) {
        return std::string(name) + ": " + problem;
      }
    }
    if (LimitsCross(setup.minDate, setup.maxDate, cal)) return "--min-date is after --max-date";
    return {};
  }
  int Run(const Streams& io) {
    if (minYearOption->count() > 0) options.setup.minYear = minYear;
    if (maxYearOption->count() > 0) options.setup.maxYear = maxYear;
    if (const std::string problem = Problem(); !problem.empty()) {
      return Usage(io, "pick: " + problem, "pick");
    }
    if (!holidayColor.empty()) options.setup.holidayColor = ParseColorOption(holidayColor);
    return RunPick(options, io.out, io.err);
  }
};

struct ScriptCommand {
  std::string file;
  CLI::App* app = nullptr;

  void Add(CLI::App& root) {
    app = root.add_subcommand("script", "Drive a control instance, one command a line");
    app->add_option("FILE", file, "the script; standard input when none");
    app->footer(kScriptFooter);
  }
  int Run(const Streams& io) const { return RunScriptCommand(file, io); }
};

// Every subcommand, declared in the order --help lists them.
struct Subcommands {
  CallCommand call;
  DateCommand toAd{DateDirection::ToAd, {}, {}, nullptr};
  DateCommand toBs{DateDirection::ToBs, {}, {}, nullptr};
  TodayCommand today;
  CalCommand cal;
  PickCommand pick;
  ScriptCommand script;

  void Add(CLI::App& root) {
    call.Add(root);
    toAd.Add(root);
    toBs.Add(root);
    today.Add(root);
    cal.Add(root);
    pick.Add(root);
    script.Add(root);
  }
  // The subcommand given, if any.
  [[nodiscard]] const CLI::App* Parsed() const {
    for (const CLI::App* command :
         {call.app, toAd.app, toBs.app, today.app, cal.app, pick.app, script.app}) {
      if (command->parsed()) return command;
    }
    return nullptr;
  }
  // Runs the subcommand given; nothing when none was.
  std::optional<int> Run(const Streams& io) {
    if (call.app->parsed()) return call.Run(io);
    if (toAd.app->parsed()) return toAd.Run(io);
    if (toBs.app->parsed()) return toBs.Run(io);
    if (today.app->parsed()) return today.Run(io);
    if (cal.app->parsed()) return cal.Run(io);
    if (script.app->parsed()) return script.Run(io);
    if (pick.app->parsed()) return pick.Run(io);
    return std::nullopt;
  }
};

}  // namespace

int RunBareCommand(const Streams& io) {
  return WithToday(io, "today", [&io](const platform::LocalDate& today) {
    WriteTodayReport(io.out, TodayOptions{}, today);
    io.out << '\n';
    CalendarOptions calendar;
    calendar.color = UseColor(ColorChoice::Auto, io);
    WriteMonthCalendar(io.out, calendar, today);
  });
}

int RunCommandLine(int argc, const char* const* argv, const Streams& io) {
  CLI::App app{"Bikram Sambat calendar: date conversions and the date-picker control's methods.",
               "sauramiti"};
  app.set_version_flag("--version", std::string("sauramiti ") + SAURAMITI_VERSION_TEXT);
  app.require_subcommand(0, 1);
  app.footer(kMainFooter);
  Subcommands commands;
  commands.Add(app);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e, io.out, io.err);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e, io.out, io.err);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e, io.out, io.err);
  } catch (const CLI::ParseError& e) {
    const CLI::App* command = commands.Parsed();
    return command != nullptr ? Usage(io, e.what(), command->get_name()) : Usage(io, e.what());
  }

  if (const std::optional<int> status = commands.Run(io)) return *status;
  if (io.interactive && io.outputIsTerminal) return RunPick(PickOptions{}, io.out, io.err);
  return RunBareCommand(io);
}

}  // namespace sauramiti::cli
