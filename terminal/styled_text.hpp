// Text with looks, as terminals can show it.
//
// The month view is laid out as lines of spans; each span is a piece of UTF-8 text with one look:
// a text colour and a background from the eight basic terminal colours plus grey, bold, dim,
// underline and reverse video. The same lines go to a plain stream (looks dropped), to an ANSI
// terminal, or to a curses screen.
//
// The control's own colours are 0x00BBGGRR values or system colours (platform/colors.hpp). They
// reach a terminal this way: the normal look of a label (black text on the button face) is the
// terminal's own default look, whatever its theme; the button shadow is grey; the highlight
// colour is blue; any other plain colour becomes the basic colour nearest to it, each of red,
// green and blue counting as on from half its full strength. White text and a white background
// stay the terminal's default too, so nothing turns invisible on a light or a dark theme.
#pragma once

#include <sauramiti/platform/colors.hpp>
#include <string>
#include <vector>

namespace sauramiti::terminal {

enum class TermColor { Default, Red, Green, Yellow, Blue, Magenta, Cyan, Gray };

struct TextStyle {
  TermColor fore = TermColor::Default;
  TermColor back = TermColor::Default;
  bool bold = false;
  bool dim = false;
  bool underline = false;
  bool reverse = false;

  bool IsPlain() const noexcept { return *this == TextStyle{}; }
  friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

struct Span {
  std::string text;
  TextStyle style;
  // The day cell (0 to 34) this span draws, -1 for anything else; lets a front end find the cell
  // under a mouse click.
  int dayCell = -1;
};

using StyledLine = std::vector<Span>;

// The terminal colour of a control colour, for text and backgrounds alike.
TermColor TermColorOf(platform::Color color) noexcept;

// The text of a line without its looks.
std::string PlainText(const StyledLine& line);

}  // namespace sauramiti::terminal
