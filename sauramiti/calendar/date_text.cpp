#include <array>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/base/utf8_text.hpp>
#include <sauramiti/calendar/date_text.hpp>

namespace sauramiti::SauramitiRoutine {

namespace {

constexpr std::array<std::string_view, 4> kSeparators = {"/", "-", ".", "\u00F7"};

// Writes the number with at least `width` digits, zero-padded after the sign, and returns the
// end of what it wrote (at most 6 characters: a sign and 5 digits).
char* WritePadded(char* out, std::int16_t value, int width) {
  if (value < 0) *out++ = '-';
  int magnitude = value < 0 ? -static_cast<int>(value) : value;  // [0, 32768]
  const int digits = magnitude >= 10000  ? 5
                     : magnitude >= 1000 ? 4
                     : magnitude >= 100  ? 3
                     : magnitude >= 10   ? 2
                                         : 1;
  const int length = digits > width ? digits : width;
  for (int i = length - 1; i >= 0; --i) {  // last digit first; the padding is what is left, 0s
    out[i] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  }
  return out + length;
}

// Two digits of 0 to 99.
void WritePair(char* out, int value) {
  out[0] = static_cast<char>('0' + value / 10);
  out[1] = static_cast<char>('0' + value % 10);
}

char* WriteText(char* out, std::string_view text) {
  for (const char c : text) *out++ = c;
  return out;
}

}  // namespace

std::string_view SeparatorChar(std::int32_t code) {
  if (code < 0) Raise(kInvalidProcedureCall);
  return code < 4 ? kSeparators[static_cast<std::size_t>(code)] : std::string_view{};
}

std::string FormatYMD(std::int16_t year, std::int16_t month, std::int16_t day, std::int32_t sepCode,
                      std::int32_t style) {
  const std::string_view sep = SeparatorChar(sepCode);
  // The usual case, a year of four digits and month and day of two, digit pairs at a time.
  if (year >= 1000 && year <= 9999 && month >= 0 && month <= 99 && day >= 0 && day <= 99 &&
      sep.size() == 1 && style >= datmmddyyyy && style <= datyyyymmdd) {
    std::string text(10, sep[0]);
    const std::size_t year_at = style == datyyyymmdd ? 0 : 6;
    const std::size_t month_at = style == datmmddyyyy ? 0 : style == datddmmyyyy ? 3 : 5;
    const std::size_t day_at = style == datmmddyyyy ? 3 : style == datddmmyyyy ? 0 : 8;
    WritePair(&text[year_at], year / 100);
    WritePair(&text[year_at + 2], year % 100);
    WritePair(&text[month_at], month);
    WritePair(&text[day_at], day);
    return text;
  }
  // Three fields of at most 6 characters and two separators of at most 2 bytes.
  std::array<char, 24> buffer{};
  char* out = buffer.data();
  switch (style) {
    case datmmddyyyy:
      out = WritePadded(out, month, 2);
      out = WriteText(out, sep);
      out = WritePadded(out, day, 2);
      out = WriteText(out, sep);
      out = WritePadded(out, year, 4);
      break;
    case datddmmyyyy:
      out = WritePadded(out, day, 2);
      out = WriteText(out, sep);
      out = WritePadded(out, month, 2);
      out = WriteText(out, sep);
      out = WritePadded(out, year, 4);
      break;
    case datyyyymmdd:
      out = WritePadded(out, year, 4);
      out = WriteText(out, sep);
      out = WritePadded(out, month, 2);
      out = WriteText(out, sep);
      out = WritePadded(out, day, 2);
      break;
    default:
      break;
  }
  return std::string(buffer.data(), out);
}

std::string FormatValueText(std::int16_t year, std::int16_t month, std::int16_t day,
                            std::int16_t weekday, std::int32_t sepCode) {
  const std::string_view sep = SeparatorChar(sepCode);
  // The usual case, a year of four digits and month and day of two, digit pairs at a time.
  if (year >= 1000 && year <= 9999 && month >= 0 && month <= 99 && day >= 0 && day <= 99 &&
      sep.size() == 1) {
    std::string text(12, sep[0]);
    WritePair(&text[0], year / 100);
    WritePair(&text[2], year % 100);
    WritePair(&text[5], month);
    WritePair(&text[8], day);
    text[11] = static_cast<char>('0' + weekday);
    return text;
  }
  std::array<char, 32> buffer{};
  char* out = WritePadded(buffer.data(), year, 4);
  out = WriteText(out, sep);
  out = WritePadded(out, month, 2);
  out = WriteText(out, sep);
  out = WritePadded(out, day, 2);
  out = WriteText(out, sep);
  *out++ = static_cast<char>('0' + weekday);
  return std::string(buffer.data(), out);
}

std::string ChangeSeparator(std::string_view text, std::int32_t fromCode, std::int32_t toCode) {
  if (fromCode == toCode) return std::string(text);
  const std::string_view from = SeparatorChar(fromCode);
  const std::string_view to = SeparatorChar(toCode);
  // A source code without a character has nothing to replace; searching for the empty text
  // would never end, so the text stays as it is.
  if (from.empty()) return std::string(text);
  // Each separator is one whole character, so a byte search finds exactly the characters a
  // search by position would, and replacing them left to right is the position-by-position rule.
  // Between two one-byte separators that is a byte-for-byte swap.
  if (from.size() == 1 && to.size() == 1) {
    std::string out(text);
    for (char& c : out) {
      if (c == from[0]) c = to[0];
    }
    return out;
  }
  return ReplaceAll(text, from, to);
}

}  // namespace sauramiti::SauramitiRoutine
