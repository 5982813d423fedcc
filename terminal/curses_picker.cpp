// Real functions instead of ncurses' function-like macros (move, erase, ...), which would clash
// with the standard library's names.
#define NCURSES_NOMACROS 1
#include <curses.h>
#include <langinfo.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <terminal/curses_picker.hpp>
#include <terminal/display_width.hpp>
#include <terminal/view_layout.hpp>
#include <vector>

namespace sauramiti::terminal {

namespace {

constexpr int kEscapeDelayMilliseconds = 25;
constexpr int kMargin = 1;
constexpr int kTopMargin = 1;
constexpr int kDeleteCharacter = 127;  // what the picker takes for Backspace

// The line of keys, from the longest to the shortest; the longest that fits is shown. Every form
// says which way y and Y turn the year, the keys people guess wrong most.
constexpr std::array<std::string_view, 3> kHints = {
    "\u2190\u2191\u2192\u2193 day   PgUp/PgDn month   y next year, Y previous   Tab lists   "
    "t today   Enter pick   Esc cancel",
    "\u2190\u2191\u2192\u2193 day  PgUp/PgDn month  y/Y year +1/-1  Enter pick  Esc cancel",
    "y/Y year +1/-1  Esc cancel",
};
constexpr std::array<std::string_view, 3> kAsciiHints = {
    "arrows day   PgUp/PgDn month   y next year, Y previous   Tab lists   t today   Enter pick   "
    "Esc cancel",
    "arrows day  PgUp/PgDn month  y/Y year +1/-1  Enter pick  Esc cancel",
    "y/Y year +1/-1  Esc cancel",
};

// Set by the signal handlers, read by the key loop.
volatile std::sig_atomic_t interrupted = 0;
volatile std::sig_atomic_t continued = 0;

// The terminal's command for keypad mode and where to send it, for the SIGCONT handler. After a
// stop (Ctrl-Z) and `fg`, ncurses redraws the screen but leaves the terminal out of keypad
// mode, so the first arrow key would arrive in a form read as Esc (cancel) and letters. The
// command has to reach the terminal before that key is read, which only the handler can do;
// write(2) is safe there.
char keypadCommand[64] = {};
std::size_t keypadCommandLength = 0;
int terminalDescriptor = -1;

extern "C" void NoteInterrupt(int) { interrupted = 1; }
extern "C" void NoteContinue(int) {
  continued = 1;
  if (terminalDescriptor >= 0 && keypadCommandLength > 0) {
    [[maybe_unused]] const ssize_t written =
        write(terminalDescriptor, keypadCommand, keypadCommandLength);
  }
}

void RememberKeypadCommand(std::FILE* tty) {
  const char* command = tigetstr(const_cast<char*>("smkx"));
  keypadCommandLength = 0;
  if (command == nullptr || command == reinterpret_cast<char*>(-1)) return;
  const std::size_t length = std::strlen(command);
  if (length >= sizeof keypadCommand) return;
  std::memcpy(keypadCommand, command, length);
  keypadCommandLength = length;
  terminalDescriptor = fileno(tty);
}

// Catches a signal for the picker's lifetime and puts the old handler back after. No
// SA_RESTART: the read of a key returns, so the loop sees the flag at once.
class CaughtSignal {
 public:
  CaughtSignal(int number, void (*handler)(int)) : number_(number) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    sigaction(number, &action, &old_);
  }
  ~CaughtSignal() { sigaction(number_, &old_, nullptr); }
  CaughtSignal(const CaughtSignal&) = delete;
  CaughtSignal& operator=(const CaughtSignal&) = delete;

 private:
  int number_;
  struct sigaction old_ {};
};

// ncursesw draws UTF-8 only under a UTF-8 character type. The user's locale is taken; when it is
// not a UTF-8 one (LANG=C, a Latin-1 locale), the terminal is taken to show ASCII only and the
// picker draws in ASCII, Nepali as the legacy-font ASCII the control stores. Only LC_CTYPE
// changes: number formats stay those of the C locale. Returns whether UTF-8 can be drawn.
bool UseUserCharacterType() {
  std::setlocale(LC_CTYPE, "");
  const char* codeset = nl_langinfo(CODESET);
  return codeset != nullptr && std::strcmp(codeset, "UTF-8") == 0;
}

// Every character outside ASCII written as "?", for a terminal that shows ASCII only.
std::string AsciiOnly(std::string_view text) {
  std::string ascii;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      ascii.push_back(c);
    } else if (byte >= 0xC0) {  // the lead byte of a UTF-8 sequence; continuation bytes vanish
      ascii.push_back('?');
    }
  }
  return ascii;
}

// Whether the terminal can place the cursor, which drawing a screen needs. A "dumb" terminal
// cannot: drawing there garbles the screen and leaves key codes behind in the shell.
bool CanAddressCursor() {
  const char* cursorAddress = tigetstr(const_cast<char*>("cup"));
  return cursorAddress != nullptr && cursorAddress != reinterpret_cast<char*>(-1);
}

// The terminal, opened for the picker and given back on every way out.
class CursesScreen {
 public:
  CursesScreen() {
    tty_ = std::fopen("/dev/tty", "r+");
    if (tty_ == nullptr) throw TerminalUnavailable("the picker needs a terminal (/dev/tty)");
    screen_ = newterm(nullptr, tty_, tty_);
    if (screen_ == nullptr) {
      std::fclose(tty_);
      throw TerminalUnavailable("the terminal type (TERM) is not known to ncurses");
    }
    set_term(screen_);
    if (!CanAddressCursor()) {
      endwin();
      delscreen(screen_);
      std::fclose(tty_);
      const char* term = std::getenv("TERM");
      throw TerminalUnavailable(
          std::string("the terminal type ") +
          (term == nullptr ? "(TERM unset)" : "\"" + std::string(term) + "\"") +
          " cannot place the cursor, which the picker needs");
    }
    cbreak();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    RememberKeypadCommand(tty_);
    mousemask(BUTTON1_PRESSED | BUTTON1_CLICKED, nullptr);
    mouseinterval(0);
    set_escdelay(kEscapeDelayMilliseconds);
    curs_set(0);
    if (has_colors()) {
      start_color();
      use_default_colors();
      colors_ = true;
    }
  }

  ~CursesScreen() {
    terminalDescriptor = -1;
    endwin();
    delscreen(screen_);
    std::fclose(tty_);
  }

  CursesScreen(const CursesScreen&) = delete;
  CursesScreen& operator=(const CursesScreen&) = delete;

  bool HasColors() const noexcept { return colors_; }

  // After the process was stopped (Ctrl-Z) and continued, the terminal may have left keypad
  // mode, in which it sends arrow keys in a form the key reader takes for Esc and letters:
  // switching keypad mode off and on sends the terminal its keypad command again.
  void RestoreKeypad() {
    keypad(stdscr, FALSE);
    keypad(stdscr, TRUE);
    clearok(curscr, TRUE);
  }

  // The attributes of a look: a colour pair made on first use, and the video attributes.
  attr_t Attributes(const TextStyle& style) {
    attr_t attributes = A_NORMAL;
    if (style.bold) attributes |= A_BOLD;
    if (style.dim) attributes |= A_DIM;
    if (style.underline) attributes |= A_UNDERLINE;
    if (style.reverse) attributes |= A_REVERSE;
    if (!colors_ || (style.fore == TermColor::Default && style.back == TermColor::Default)) {
      return attributes;
    }
    const int index = 1 + static_cast<int>(style.fore) * 8 + static_cast<int>(style.back);
    if (index < COLOR_PAIRS) {
      init_pair(static_cast<short>(index), CursesColor(style.fore, true),
                CursesColor(style.back, false));
      attributes |= static_cast<attr_t>(COLOR_PAIR(index));
    }
    // Without bright colours, bold is how a terminal shows a bright text colour.
    if (COLORS < 16 && style.fore != TermColor::Default) attributes |= A_BOLD;
    return attributes;
  }

 private:
  static short CursesColor(TermColor color, bool text) {
    const bool bright = COLORS >= 16;
    const auto brighten = [&](short base) {
      return static_cast<short>(text && bright ? base + 8 : base);
    };
    switch (color) {
      case TermColor::Red:
        return brighten(COLOR_RED);
      case TermColor::Green:
        return brighten(COLOR_GREEN);
      case TermColor::Yellow:
        return brighten(COLOR_YELLOW);
      case TermColor::Blue:
        return brighten(COLOR_BLUE);
      case TermColor::Magenta:
        return brighten(COLOR_MAGENTA);
      case TermColor::Cyan:
        return brighten(COLOR_CYAN);
      case TermColor::Gray:
        return static_cast<short>(bright ? COLOR_BLACK + 8 : COLOR_BLACK);
      case TermColor::Default:
        break;
    }
    return -1;
  }

  std::FILE* tty_ = nullptr;
  SCREEN* screen_ = nullptr;
  bool colors_ = false;
};

std::size_t WidthOf(const std::vector<StyledLine>& lines) {
  std::size_t width = 0;
  for (const StyledLine& line : lines) width = std::max(width, DisplayWidth(PlainText(line)));
  return width;
}

// Where a day cell was drawn, for the mouse.
struct CellPlace {
  int row = 0;
  int column = 0;
  int width = 0;
  int cell = -1;
};

class PickerScreen {
 public:
  PickerScreen(CursesScreen& screen, bool utf8) : screen_(screen), utf8_(utf8) {}

  void Draw(const Picker& picker) {
    places_.clear();
    LayoutOptions options;
    options.bracketSelection = !screen_.HasColors();
    options.focusCell = picker.Focus() == PickerFocus::Days ? picker.FocusCell() : -1;
    options.focusedList = picker.Focus() == PickerFocus::YearList ? LayoutOptions::FocusedList::Year
                          : picker.Focus() == PickerFocus::MonthList
                              ? LayoutOptions::FocusedList::Month
                              : LayoutOptions::FocusedList::None;
    options.asciiOnly = !utf8_;
    const std::vector<StyledLine> view =
        LayOutView(utf8_ ? picker.Picture() : picker.Picture(Script::AsStored), options);

    erase();
    const std::size_t viewWidth = WidthOf(view) + 2 * kMargin;
    const std::size_t viewRows = view.size() + kTopMargin;
    const auto columns = static_cast<std::size_t>(std::max(COLS, 0));
    const auto rows = static_cast<std::size_t>(std::max(LINES, 0));
    if (columns < viewWidth || rows < viewRows) {
      SayTooSmall(viewWidth, viewRows, columns, rows);
    } else {
      int row = kTopMargin;
      for (const StyledLine& line : view) DrawLine(row++, line);
      DrawExtras(picker, row, rows - viewRows, columns - 2 * kMargin);
    }
    refresh();
  }

  // The day cell drawn at a screen position, -1 for none.
  int CellAt(int row, int column) const {
    for (const CellPlace& place : places_) {
      if (place.row == row && column >= place.column && column < place.column + place.width) {
        return place.cell;
      }
    }
    return -1;
  }

 private:
  // Under the view, as room allows: a blank line, the line of keys and the picker's status. The
  // status goes first, then the keys, then the blank line.
  void DrawExtras(const Picker& picker, int row, std::size_t rowsLeft, std::size_t width) {
    const std::string& status = picker.Status();
    const std::array<std::string_view, 3>& hints = utf8_ ? kHints : kAsciiHints;
    std::string_view hint;
    for (const std::string_view form : hints) {
      if (DisplayWidth(form) <= width) {
        hint = form;
        break;
      }
    }
    TextStyle dim;
    dim.dim = true;
    TextStyle warning;
    warning.fore = TermColor::Yellow;
    const bool showStatus = !status.empty() && rowsLeft >= 1;
    const bool showHint = !hint.empty() && rowsLeft >= (showStatus ? 2u : 1u);
    if (showHint && rowsLeft >= (showStatus ? 3u : 2u)) ++row;  // the blank line
    if (showHint) DrawLine(row++, {Span{std::string(hint), dim}});
    if (showStatus) DrawLine(row, {Span{status.substr(0, width), warning}});
  }

  void SayTooSmall(std::size_t needWidth, std::size_t needRows, std::size_t columns,
                   std::size_t rows) {
    const std::string need = std::to_string(needWidth) + "x" + std::to_string(needRows);
    const std::string have = std::to_string(columns) + "x" + std::to_string(rows);
    std::vector<std::string> lines = {
        "The picker needs a terminal of " + need + " (columns x lines); this one is " + have + ".",
        "Make it larger, or press Esc."};
    if (lines.front().size() > columns) lines = {"Needs " + need, "Now " + have, "Esc cancels"};
    for (std::size_t i = 0; i < lines.size() && i < rows; ++i) {
      mvaddnstr(static_cast<int>(i), 0, lines[i].c_str(), static_cast<int>(columns));
    }
  }

  void DrawLine(int row, const StyledLine& line) {
    int column = kMargin;
    move(row, column);
    for (const Span& span : line) {
      const std::string text = utf8_ ? span.text : AsciiOnly(span.text);
      const auto width = static_cast<int>(DisplayWidth(text));
      if (span.dayCell >= 0) places_.push_back({row, column, width, span.dayCell});
      const attr_t attributes = screen_.Attributes(span.style);
      attr_on(attributes, nullptr);
      addstr(text.c_str());
      attr_off(attributes, nullptr);
      column += width;
    }
  }

  CursesScreen& screen_;
  bool utf8_;
  std::vector<CellPlace> places_;
};

PickerKey KeyFor(int key) {
  switch (key) {
    case KEY_LEFT:
      return PickerKey::Left;
    case KEY_RIGHT:
      return PickerKey::Right;
    case KEY_UP:
      return PickerKey::Up;
    case KEY_DOWN:
      return PickerKey::Down;
    case KEY_PPAGE:
      return PickerKey::PageUp;
    case KEY_NPAGE:
      return PickerKey::PageDown;
    case KEY_HOME:
      return PickerKey::Home;
    case KEY_END:
      return PickerKey::End;
    case KEY_ENTER:
      return PickerKey::Enter;
    case KEY_BTAB:
      return PickerKey::BackTab;
    default:
      return PickerKeyForCharacter(key);
  }
}

}  // namespace

PickerOutcome RunPickerOnTerminal(Picker& picker) {
  const bool utf8 = UseUserCharacterType();
  interrupted = 0;
  continued = 0;
  // Caught before the screen is made, so ncurses keeps its hands off SIGINT: Ctrl-C then ends
  // the picker through the normal way out, which gives the terminal back.
  const CaughtSignal interrupt(SIGINT, NoteInterrupt);
  const CaughtSignal resume(SIGCONT, NoteContinue);
  CursesScreen screen;
  PickerScreen view(screen, utf8);
  PickerOutcome outcome = PickerOutcome::Running;
  while (outcome == PickerOutcome::Running) {
    view.Draw(picker);
    const int key = getch();
    if (interrupted != 0) return PickerOutcome::Interrupted;
    if (continued != 0) {
      continued = 0;
      screen.RestoreKeypad();
      if (key == ERR) continue;
    }
    if (key == ERR) return PickerOutcome::Cancelled;  // the terminal went away
    if (key == KEY_RESIZE) continue;
    if (key == KEY_MOUSE) {
      MEVENT event{};
      if (getmouse(&event) == OK && (event.bstate & (BUTTON1_PRESSED | BUTTON1_CLICKED)) != 0) {
        const int cell = view.CellAt(event.y, event.x);
        if (cell >= 0) outcome = picker.ClickCell(cell);
      }
      continue;
    }
    if (picker.Type(key == KEY_BACKSPACE ? kDeleteCharacter : key)) continue;  // a typed date
    outcome = picker.Press(KeyFor(key));
  }
  return outcome;
}

}  // namespace sauramiti::terminal
