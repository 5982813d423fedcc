#include <cstdlib>
#include <sauramiti/base/parse_number.hpp>
#include <sauramiti/base/rounding.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/base/utf8_text.hpp>
#include <sauramiti/calendar/date_text.hpp>
#include <sauramiti/calendar/enumerations.hpp>
#include <sauramiti/convert/date_string_forms.hpp>

namespace sauramiti::SauramitiRoutine {

namespace {

// The leading number of `count` characters from position `start`, as a 16-bit integer.
std::int16_t ReadPiece(std::string_view text, std::size_t start, std::size_t count) {
  return RoundToInt16(ParseLeadingNumber(CharMid(text, start, count)));
}

struct GregorianPieces {
  std::int16_t year = 0;
  std::int16_t month = 0;
  std::int16_t day = 0;
  bool known_style = false;
};

// Positions of year, month and day by date style; an unknown style reads nothing.
GregorianPieces ReadGregorianText(std::string_view text, std::int32_t style) {
  switch (style) {
    case datmmddyyyy:
      return {ReadPiece(text, 7, 4), ReadPiece(text, 1, 2), ReadPiece(text, 4, 2), true};
    case datddmmyyyy:
      return {ReadPiece(text, 7, 4), ReadPiece(text, 4, 2), ReadPiece(text, 1, 2), true};
    case datyyyymmdd:
      return {ReadPiece(text, 1, 4), ReadPiece(text, 6, 2), ReadPiece(text, 9, 2), true};
    default:
      return {};
  }
}

const std::string& NameOrEmpty(std::span<const std::string> names, std::int16_t index) {
  static const std::string kEmpty;
  return index >= 0 && static_cast<std::size_t>(index) < names.size()
             ? names[static_cast<std::size_t>(index)]
             : kEmpty;
}

}  // namespace

BsDateParts ReadValueString(std::string_view value) {
  return {ReadPiece(value, 1, 4), ReadPiece(value, 6, 2), ReadPiece(value, 9, 2),
          ReadPiece(value, 12, 1)};
}

std::string MakeValueString(std::int16_t year, std::int16_t month, std::int16_t day,
                            std::int16_t weekday, std::int32_t sepCode) {
  std::string text = FormatYMD(year, month, day, sepCode, datyyyymmdd);
  text += SeparatorChar(sepCode);
  text += std::to_string(weekday);
  return text;
}

std::string LiteralBsDate(const BsDateParts& date, std::span<const std::string> monthNames,
                          std::span<const std::string> weekdayNames) {
  std::string text = std::to_string(date.year);
  text += ' ';
  text += NameOrEmpty(monthNames, date.month);
  text += ' ';
  text += std::to_string(date.day);
  text += ", ";
  text += NameOrEmpty(weekdayNames, date.weekday);
  return text;
}

std::string EnglishLiteralDate(std::string_view text, std::int32_t style, std::int16_t english,
                               std::span<const std::string> englishMonthNames) {
  const GregorianPieces date = ReadGregorianText(text, style);
  // An unknown style leaves the month text empty, which cannot be read as a month number.
  if (!date.known_style) Raise(kTypeMismatch);
  if (date.month < 0 || static_cast<std::size_t>(date.month) >= englishMonthNames.size()) {
    Raise(kSubscriptOutOfRange);
  }
  std::string out = std::to_string(date.day);
  out += ' ';
  out += englishMonthNames[static_cast<std::size_t>(date.month)];
  out += ", ";
  out += std::to_string(std::abs(static_cast<std::int32_t>(date.year)));
  if (date.year < 0) out += english != 0 ? " BC" : "lal;";
  return out;
}

std::string RestyleEnglishDate(std::string_view text, std::int32_t fromStyle, std::int32_t toStyle,
                               std::int32_t sepCode) {
  const GregorianPieces date = ReadGregorianText(text, fromStyle);
  return FormatYMD(date.year, date.month, date.day, sepCode, toStyle);
}

}  // namespace sauramiti::SauramitiRoutine
