#include <locale.h>
#include <wchar.h>

#include <clocale>
#include <cwchar>
#include <terminal/display_width.hpp>

namespace sauramiti::terminal {

namespace {

// A UTF-8 LC_CTYPE locale for wcwidth, made once; null when the system has none.
locale_t Utf8Locale() {
  static const locale_t locale = [] {
    for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8", "en_US.utf8"}) {
      if (const locale_t made = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(nullptr))) {
        return made;
      }
    }
    return static_cast<locale_t>(nullptr);
  }();
  return locale;
}

bool InRange(char32_t c, char32_t first, char32_t last) { return c >= first && c <= last; }

// The approximation used when no UTF-8 locale exists.
std::size_t BuiltInWidth(char32_t c) {
  if (c < 0x20 || InRange(c, 0x7F, 0x9F)) return 0;
  if (InRange(c, 0x0300, 0x036F) || InRange(c, 0x0900, 0x0902) || c == 0x093A || c == 0x093C ||
      InRange(c, 0x0941, 0x0948) || c == 0x094D || InRange(c, 0x0951, 0x0957) ||
      InRange(c, 0x0962, 0x0963) || c == 0x200B || c == 0x200C || c == 0x200D) {
    return 0;
  }
  if (InRange(c, 0x1100, 0x115F) || InRange(c, 0x2E80, 0xA4CF) || InRange(c, 0xAC00, 0xD7A3) ||
      InRange(c, 0xF900, 0xFAFF) || InRange(c, 0xFE30, 0xFE4F) || InRange(c, 0xFF00, 0xFF60) ||
      InRange(c, 0xFFE0, 0xFFE6) || InRange(c, 0x1F300, 0x1FAFF) || InRange(c, 0x20000, 0x3FFFD)) {
    return 2;
  }
  return 1;
}

// Decodes the character at `i` and advances past it. A byte that does not start a well-formed
// sequence is decoded as U+FFFD and consumed alone.
char32_t NextCharacter(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1FU;
    minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0FU;
    minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07U;
    minimum = 0x10000;
  }
  if (length == 0 || i + length > text.size()) {
    ++i;
    return 0xFFFD;
  }
  for (std::size_t k = 1; k < length; ++k) {
    const unsigned char next = byte(i + k);
    if ((next & 0xC0U) != 0x80U) {
      ++i;
      return 0xFFFD;
    }
    value = (value << 6U) | (next & 0x3FU);
  }
  if (value < minimum || value > 0x10FFFF || InRange(value, 0xD800, 0xDFFF)) {
    ++i;
    return 0xFFFD;
  }
  i += length;
  return value;
}

}  // namespace

std::size_t CharacterWidth(char32_t character) {
  const locale_t utf8 = Utf8Locale();
  if (utf8 == static_cast<locale_t>(nullptr)) return BuiltInWidth(character);
  const locale_t previous = uselocale(utf8);
  const int width = wcwidth(static_cast<wchar_t>(character));
  uselocale(previous);
  return width < 0 ? 0 : static_cast<std::size_t>(width);
}

std::size_t DisplayWidth(std::string_view utf8) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < utf8.size();) width += CharacterWidth(NextCharacter(utf8, i));
  return width;
}

std::string PadLeft(std::string_view text, std::size_t columns) {
  const std::size_t width = DisplayWidth(text);
  std::string padded(width < columns ? columns - width : 0, ' ');
  padded.append(text);
  return padded;
}

std::string PadRight(std::string_view text, std::size_t columns) {
  const std::size_t width = DisplayWidth(text);
  std::string padded(text);
  padded.append(width < columns ? columns - width : 0, ' ');
  return padded;
}

}  // namespace sauramiti::terminal
