// The `sauramiti` command line: which subcommand runs, with what, and the exit status.
//
//   sauramiti                      on a terminal the picker; otherwise today's date and the
//                                  current month (today.hpp, month_calendar.hpp)
//   sauramiti pick                 the interactive picker (pick_command.hpp)
//   sauramiti today                today's date in the control's date properties (today.hpp)
//   sauramiti cal [YEAR [MONTH]]   one BS month as the control draws it (month_calendar.hpp)
//   sauramiti script [FILE]        drives a control instance (script_runner.hpp)
//   sauramiti call METHOD [ARG...] one method of the control (method_call.hpp); status 1 when it
//                                  answers "error N"
//   sauramiti call --batch         one call a line from standard input (batch_call.hpp); status 0
//   sauramiti to-ad [DATE...]      BS dates to Gregorian date texts (date_conversion.hpp)
//   sauramiti to-bs [DATE...]      Gregorian dates to BS Value strings
//
// `--help` works on the command and on every subcommand, `--version` prints the version. A
// command line that cannot be understood (an unknown subcommand or option, an option value out
// of range) gets a one-line message on the error stream and status 2.
#pragma once

#include <istream>
#include <ostream>

namespace sauramiti::cli {

struct Streams {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  // Set when standard input is a terminal: answers are then flushed line by line.
  bool interactive = false;
  // Set when standard output is a terminal: colours are then shown where they are asked for
  // with "auto".
  bool outputIsTerminal = false;
};

// Runs the command for argv[1..argc-1] and returns its exit status.
int RunCommandLine(int argc, const char* const* argv, const Streams& io);

// What the bare command does when standard input or output is not a terminal: prints today's
// date and the current month.
int RunBareCommand(const Streams& io);

}  // namespace sauramiti::cli
