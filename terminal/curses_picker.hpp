// The picker on a real terminal, drawn with ncurses.
//
// The screen is the terminal the process belongs to (/dev/tty), not standard output, so that
// `date=$(sauramiti pick)` shows the picker and hands only the picked date to the caller. The
// month view is drawn with the same layout as `sauramiti cal`, the control's colours where the
// terminal has colours (brackets around the selected day where it has none), the cursor in
// reverse video, and under it a line of keys and the picker's status, as room allows:
//
//   arrows / h j k l   move the cursor (past the month's ends into the next or previous month)
//   PgUp / PgDn        previous / next month        y or +, Y or -   next / previous year
//   Home / End         first / last day             t                back to the start
//   Tab / Shift-Tab    the year list, the month list, the days
//   Enter, a click     pick the day                 Esc or q         cancel
//
// The view is shown whenever the terminal holds it (about 30 columns by 12 lines in English);
// the line of keys takes the longest of its forms that fits, or goes, and the status goes last.
// A terminal too small for the view gets the size it needs instead.
//
// Ctrl-C ends the picker as Interrupted, through the same way out as any key. After Ctrl-Z and
// fg the terminal is put back in keypad mode, so the arrow keys keep working. A terminal that
// cannot place the cursor (TERM=dumb) is refused, as is one that ncurses does not know. Outside a
// UTF-8 locale everything is drawn in ASCII, Nepali as the control's legacy-font ASCII.
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

// Runs `picker` until the user picks a day, cancels or interrupts. TerminalUnavailable when the
// process has no terminal, or a terminal type that is unknown or cannot place the cursor.
PickerOutcome RunPickerOnTerminal(Picker& picker);

}  // namespace sauramiti::terminal
