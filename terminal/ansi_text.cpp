#include <terminal/ansi_text.hpp>

namespace sauramiti::terminal {

namespace {

constexpr const char* kReset = "\x1b[0m";

// Offset of a colour within a block of eight SGR colour codes; Gray is handled apart.
int ColorOffset(TermColor color) {
  switch (color) {
    case TermColor::Red:
      return 1;
    case TermColor::Green:
      return 2;
    case TermColor::Yellow:
      return 3;
    case TermColor::Blue:
      return 4;
    case TermColor::Magenta:
      return 5;
    case TermColor::Cyan:
      return 6;
    case TermColor::Gray:
    case TermColor::Default:
      break;
  }
  return 0;
}

void AddCode(std::string& codes, int code) {
  if (!codes.empty()) codes += ';';
  codes += std::to_string(code);
}

}  // namespace

std::string AnsiSequence(const TextStyle& style) {
  std::string codes;
  if (style.bold) AddCode(codes, 1);
  if (style.dim) AddCode(codes, 2);
  if (style.underline) AddCode(codes, 4);
  if (style.reverse) AddCode(codes, 7);
  if (style.fore == TermColor::Gray) {
    AddCode(codes, 90);
  } else if (style.fore != TermColor::Default) {
    AddCode(codes, 90 + ColorOffset(style.fore));
  }
  if (style.back == TermColor::Gray) {
    AddCode(codes, 100);
  } else if (style.back != TermColor::Default) {
    AddCode(codes, 40 + ColorOffset(style.back));
  }
  return codes.empty() ? std::string() : "\x1b[" + codes + 'm';
}

void WriteStyledLines(std::ostream& out, const std::vector<StyledLine>& lines, bool withColor) {
  for (const StyledLine& line : lines) {
    for (const Span& span : line) {
      const std::string on = withColor ? AnsiSequence(span.style) : std::string();
      if (on.empty()) {
        out << span.text;
      } else {
        out << on << span.text << kReset;
      }
    }
    out << '\n';
  }
}

}  // namespace sauramiti::terminal
