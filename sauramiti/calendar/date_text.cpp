#include <array>
#include <cstdlib>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/base/utf8_text.hpp>
#include <sauramiti/calendar/date_text.hpp>

namespace sauramiti::SauramitiRoutine {

namespace {

constexpr std::array<std::string_view, 4> kSeparators = {"/", "-", ".", "\u00F7"};

// The number written with at least `width` digits, zero-padded after the sign.
void AppendPadded(std::string& out, std::int16_t value, std::size_t width) {
  if (value < 0) out.push_back('-');
  const std::string digits = std::to_string(std::abs(static_cast<std::int32_t>(value)));
  if (digits.size() < width) out.append(width - digits.size(), '0');
  out.append(digits);
}

}  // namespace

std::string_view SeparatorChar(std::int32_t code) {
  if (code < 0) Raise(kInvalidProcedureCall);
  return code < 4 ? kSeparators[static_cast<std::size_t>(code)] : std::string_view{};
}

std::string FormatYMD(std::int16_t year, std::int16_t month, std::int16_t day, std::int32_t sepCode,
                      std::int32_t style) {
  const std::string_view sep = SeparatorChar(sepCode);
  std::string out;
  out.reserve(16);
  switch (style) {
    case datmmddyyyy:
      AppendPadded(out, month, 2);
      out.append(sep);
      AppendPadded(out, day, 2);
      out.append(sep);
      AppendPadded(out, year, 4);
      break;
    case datddmmyyyy:
      AppendPadded(out, day, 2);
      out.append(sep);
      AppendPadded(out, month, 2);
      out.append(sep);
      AppendPadded(out, year, 4);
      break;
    case datyyyymmdd:
      AppendPadded(out, year, 4);
      out.append(sep);
      AppendPadded(out, month, 2);
      out.append(sep);
      AppendPadded(out, day, 2);
      break;
    default:
      break;
  }
  return out;
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
  return ReplaceAll(text, from, to);
}

}  // namespace sauramiti::SauramitiRoutine
