// Real functions instead of ncurses' function-like macros (move, erase, ...), which would clash
// with the standard library's names.
#define NCURSES_NOMACROS 1
#include <curses.h>
#include <langinfo.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
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
constexpr std::string_view kHelp =
    "\u2190\u2191\u2192\u2193 day   PgUp/PgDn month   y/Y year   t start   Enter pick   "
    "Esc cancel";

// ncursesw draws UTF-8 only under a UTF-8 character type; the user's locale is taken when it is
// one, C.UTF-8 otherwise. Only LC_CTYPE changes: number formats stay those of the C locale.
void UseUtf8CharacterType() {
  std::setlocale(LC_CTYPE, "");
  const char* codeset = nl_langinfo(CODESET);
  if (codeset == nullptr || std::strcmp(codeset, "UTF-8") != 0) {
    std::setlocale(LC_CTYPE, "C.UTF-8");
  }
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
    cbreak();
    noecho();
    nonl();
    keypad(stdscr, TRUE);
    set_escdelay(kEscapeDelayMilliseconds);
    curs_set(0);
    if (has_colors()) {
      start_color();
      use_default_colors();
      colors_ = true;
    }
  }

  ~CursesScreen() {
    endwin();
    delscreen(screen_);
    std::fclose(tty_);
  }

  CursesScreen(const CursesScreen&) = delete;
  CursesScreen& operator=(const CursesScreen&) = delete;

  bool HasColors() const noexcept { return colors_; }

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

void DrawLine(CursesScreen& screen, int row, const StyledLine& line) {
  move(row, kMargin);
  for (const Span& span : line) {
    const attr_t attributes = screen.Attributes(span.style);
    attr_on(attributes, nullptr);
    addstr(span.text.c_str());
    attr_off(attributes, nullptr);
  }
}

void Draw(CursesScreen& screen, const Picker& picker) {
  LayoutOptions options;
  options.bracketSelection = !screen.HasColors();
  options.focusCell = picker.FocusCell();
  std::vector<StyledLine> lines = LayOutView(picker.Picture(), options);
  lines.emplace_back();
  TextStyle dim;
  dim.dim = true;
  lines.push_back({Span{std::string(kHelp), dim}});
  TextStyle warning;
  warning.fore = TermColor::Yellow;
  lines.push_back({Span{picker.Status(), warning}});

  erase();
  const std::size_t width = std::max(WidthOf(lines), DisplayWidth(kHelp)) + 2 * kMargin;
  if (static_cast<std::size_t>(COLS) < width || static_cast<std::size_t>(LINES) <= lines.size()) {
    mvaddstr(0, 0, "Make the terminal larger for the picker (or press Esc).");
  } else {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      DrawLine(screen, static_cast<int>(i) + 1, lines[i]);
    }
  }
  refresh();
}

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
    default:
      return PickerKeyForCharacter(key);
  }
}

}  // namespace

PickerOutcome RunPickerOnTerminal(Picker& picker) {
  UseUtf8CharacterType();
  CursesScreen screen;
  PickerOutcome outcome = PickerOutcome::Running;
  while (outcome == PickerOutcome::Running) {
    Draw(screen, picker);
    const int key = getch();
    if (key == ERR) return PickerOutcome::Cancelled;  // the terminal went away
    if (key == KEY_RESIZE) continue;
    outcome = picker.Press(KeyFor(key));
  }
  return outcome;
}

}  // namespace sauramiti::terminal
