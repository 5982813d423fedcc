// The picker on a real terminal, drawn with ncurses.
//
// The screen is the terminal the process belongs to (/dev/tty), not standard output, so that
// `date=$(sauramiti pick)` shows the picker and hands only the picked date to the caller. The
// month view is drawn with the same layout as `sauramiti cal`, the control's colours where the
// terminal has colours (brackets around the selected day where it has none), the cursor in
// reverse video, and a line of keys and the picker's status under it:
//
//   arrows / h j k l   move the cursor (past the month's ends into the next or previous month)
//   PgUp / PgDn        previous / next month        y or +, Y or -   next / previous year
//   Home / End         first / last day             t                back to the start
//   Enter              pick the day                 Esc or q         cancel
//
// The terminal is always given back as it was, whether the picker ends by a key, by an error
// or by an exception.
#pragma once

#include <stdexcept>
#include <terminal/picker.hpp>

namespace sauramiti::terminal {

class TerminalUnavailable : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Runs `picker` until the user picks a day or cancels. TerminalUnavailable when the process has
// no terminal or the terminal type is unknown.
PickerOutcome RunPickerOnTerminal(Picker& picker);

}  // namespace sauramiti::terminal
