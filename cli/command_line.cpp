#include <CLI/CLI.hpp>
#include <cli/batch_call.hpp>
#include <cli/command_line.hpp>
#include <cli/date_conversion.hpp>
#include <cli/method_binding.hpp>
#include <cli/method_call.hpp>
#include <cli/routine_methods.hpp>
#include <cli/today.hpp>
#include <sauramiti/base/runtime_error.hpp>
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
    R"(Without a subcommand, prints today's BS date as a Value string
(yyyy/mm/dd/w, w the weekday: 1 Sunday ... 7 Saturday) and its Gregorian date.

Examples:
  sauramiti                          today's date
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
arguments, ...); the exit status is then 1.

With --batch, reads one call a line from standard input, the method and its arguments
separated by tabs, and prints one line for each; the exit status is always 0.

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

Examples:
  sauramiti to-ad 2059/01/01                    04/14/2002
  sauramiti to-ad --sep 1 --style 2 2059.01.01  2002-04-14
  sauramiti to-ad 2059/01/01/1 2081-01-01       04/14/2002 and 04/13/2024)";

constexpr const char* kToBsFooter =
    R"(A Gregorian date is year-month-day of the years 1 to 9999, with "-", "/", "." or "÷"
between the numbers. Prints the BS Value string yyyy/mm/dd/w (w the weekday: 1 Sunday ...
7 Saturday), every separator the one --sep chooses. Without DATE, converts one date a line
from standard input to one line each (an empty line for a date that fails). A date that
cannot be converted is reported on standard error; the exit status is then 1.

Examples:
  sauramiti to-bs 2002-04-14             2059/01/01/1
  sauramiti to-bs --sep 3 2002-04-14     2059÷01÷01÷1
  sort dates.txt | sauramiti to-bs)";

int Usage(const Streams& io, std::string_view message) {
  io.err << "sauramiti: " << message << " (see sauramiti --help)\n";
  return kUsageError;
}

int RunCall(bool batch, const std::vector<std::string>& words, const Streams& io) {
  static const RoutineMethods routines;
  static const MethodTable table = MakeMethodTable(routines);

  if (batch) {
    if (!words.empty()) return Usage(io, "call --batch takes its calls from standard input only");
    RunCallBatch(table, io.in, io.out, io.interactive);
    return 0;
  }
  if (words.empty()) return Usage(io, "call needs a METHOD, or --batch");
  if (words.front().starts_with('-')) return Usage(io, "call: unknown option " + words.front());

  const std::vector<std::string_view> arguments(words.begin() + 1, words.end());
  std::string line;
  const bool answered = AppendCallLine(table, words.front(), arguments, line);
  line.push_back('\n');
  io.out << line << std::flush;
  return answered ? 0 : 1;
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
}

}  // namespace

int RunBareCommand(const Streams& io) {
  try {
    PrintToday(io.out, ReadLocalDate());
    io.out.flush();
    return 0;
  } catch (const RuntimeError& error) {
    io.err << "sauramiti: today's date cannot be converted: error " << error.Number() << '\n';
  } catch (const std::runtime_error& error) {
    io.err << "sauramiti: " << error.what() << '\n';
  }
  return 1;
}

int RunCommandLine(int argc, const char* const* argv, const Streams& io) {
  CLI::App app{"Bikram Sambat calendar: date conversions and the date-picker control's methods.",
               "sauramiti"};
  app.set_version_flag("--version", std::string("sauramiti ") + SAURAMITI_VERSION_TEXT);
  app.require_subcommand(0, 1);
  app.footer(kMainFooter);

  bool batch = false;
  CLI::App* call = app.add_subcommand("call", "Call one public method of the control by name");
  call->add_flag("--batch", batch, "read calls from standard input, one a line, tab-separated");
  call->prefix_command();  // METHOD and ARGs, even those that look like options ("-5", "-")
  call->footer(kCallFooter);

  std::vector<std::string> dates;
  DateOptions toAdOptions;
  CLI::App* toAd = app.add_subcommand("to-ad", "Convert BS dates to Gregorian dates");
  toAd->add_option("DATE", dates, "BS dates yyyy/mm/dd; standard input when none");
  AddDateOptions(*toAd, toAdOptions, /*withStyle=*/true);
  toAd->footer(kToAdFooter);

  DateOptions toBsOptions;
  CLI::App* toBs = app.add_subcommand("to-bs", "Convert Gregorian dates to BS Value strings");
  toBs->add_option("DATE", dates, "Gregorian dates yyyy-mm-dd; standard input when none");
  AddDateOptions(*toBs, toBsOptions, /*withStyle=*/false);
  toBs->footer(kToBsFooter);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e, io.out, io.err);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e, io.out, io.err);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e, io.out, io.err);
  } catch (const CLI::ParseError& e) {
    return Usage(io, e.what());
  }

  if (call->parsed()) return RunCall(batch, call->remaining(), io);
  if (toAd->parsed()) {
    return RunDateConversion(DateDirection::ToAd, dates, toAdOptions, io.in, io.out, io.err,
                             io.interactive);
  }
  if (toBs->parsed()) {
    return RunDateConversion(DateDirection::ToBs, dates, toBsOptions, io.in, io.out, io.err,
                             io.interactive);
  }
  return RunBareCommand(io);
}

}  // namespace sauramiti::cli
