#include <array>
#include <sauramiti/base/legacy_font_transcoder.hpp>
#include <sauramiti/calendar/calendar_names.hpp>
#include <sauramiti/chrono/date_format.hpp>

namespace sauramiti::bs {

namespace {

// Devanagari digits are U+0966 to U+096F: E0 A5 A6 to E0 A5 AF in UTF-8.
constexpr std::string_view kDevanagariDigitLead = "\xE0\xA5";
constexpr unsigned char kDevanagariZero = 0xA6;

enum class Digits { unknown, ascii, devanagari };

// Reads one digit at `pos` of the kind `digits` (fixing the kind at the first digit); -1 when
// there is none.
int ReadDigit(std::string_view text, std::size_t& pos, Digits& digits) {
  if (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && digits != Digits::devanagari) {
    digits = Digits::ascii;
    return text[pos++] - '0';
  }
  if (digits != Digits::ascii && text.substr(pos, 2) == kDevanagariDigitLead &&
      pos + 2 < text.size()) {
    const auto third = static_cast<unsigned char>(text[pos + 2]);
    if (third >= kDevanagariZero && third <= kDevanagariZero + 9) {
      digits = Digits::devanagari;
      pos += 3;
      return third - kDevanagariZero;
    }
  }
  return -1;
}

// A number of 1 to `most` digits at `pos`; -1 when there is no digit.
int ReadNumber(std::string_view text, std::size_t& pos, Digits& digits, int most) {
  int value = -1;
  for (int count = 0; count < most; ++count) {
    const int digit = ReadDigit(text, pos, digits);
    if (digit < 0) break;
    value = (value < 0 ? 0 : value * 10) + digit;
  }
  return value;
}

// `value` in decimal with at least `width` digits, ASCII or Devanagari. (long long, not long:
// long is 32 bits in WebAssembly, where an unsigned month would change sign going into it.)
void AppendNumber(std::string& out, long long value, int width, locale language) {
  std::string ascii = std::to_string(value < 0 ? -value : value);
  if (ascii.size() < static_cast<std::size_t>(width)) {
    ascii.insert(0, static_cast<std::size_t>(width) - ascii.size(), '0');
  }
  if (value < 0) out += '-';
  for (const char c : ascii) {
    if (language == locale::english) {
      out += c;
    } else {
      out += kDevanagariDigitLead;
      out += static_cast<char>(kDevanagariZero + (c - '0'));
    }
  }
}

void AppendName(std::string& out, const char* legacyOrEnglish, locale language) {
  out += language == locale::english ? std::string(legacyOrEnglish)
                                     : LegacyFontToUnicode(legacyOrEnglish);
}

}  // namespace

std::string to_string(const year_month_day& date) { return format(date, "%F"); }

std::optional<year_month_day> parse(std::string_view text, const calendar& cal) {
  std::size_t pos = 0;
  Digits digits = Digits::unknown;
  const int year = ReadNumber(text, pos, digits, 4);
  if (year < 0 || pos >= text.size()) return std::nullopt;
  const char separator = text[pos++];
  if (separator != '-' && separator != '/' && separator != '.') return std::nullopt;
  const int month = ReadNumber(text, pos, digits, 2);
  if (month < 0 || pos >= text.size() || text[pos++] != separator) return std::nullopt;
  const int day = ReadNumber(text, pos, digits, 2);
  if (day < 0 || pos != text.size()) return std::nullopt;
  const year_month_day date{year, static_cast<unsigned>(month), static_cast<unsigned>(day)};
  if (!date.ok(cal)) return std::nullopt;
  return date;
}

std::string format(const year_month_day& date, std::string_view pattern, locale language,
                   const calendar& cal) {
  namespace R = SauramitiRoutine;
  const R::CalendarNames& names =
      language == locale::english ? R::kEnglishNames : R::kNepaliLegacyNames;
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%' || i + 1 == pattern.size()) {
      out += pattern[i];
      continue;
    }
    switch (pattern[++i]) {
      case 'Y':
        AppendNumber(out, date.year(), 4, language);
        break;
      case 'm':
        AppendNumber(out, date.month(), 2, language);
        break;
      case 'd':
        AppendNumber(out, date.day(), 2, language);
        break;
      case 'e':
        AppendNumber(out, date.day(), 1, language);
        break;
      case 'F':
        AppendNumber(out, date.year(), 4, language);
        out += '-';
        AppendNumber(out, date.month(), 2, language);
        out += '-';
        AppendNumber(out, date.day(), 2, language);
        break;
      case 'B':
        if (date.month() >= 1 && date.month() <= 12)
          AppendName(out, names.months[date.month()], language);
        break;
      case 'A':
        if (date.ok(cal)) {
          // chrono counts Sunday as 0; the name lists start at 1 with Sunday.
          AppendName(out, names.weekdays[weekday(date, cal).c_encoding() + 1], language);
        }
        break;
      case '%':
        out += '%';
        break;
      default:
        out += '%';
        out += pattern[i];
        break;
    }
  }
  return out;
}

}  // namespace sauramiti::bs
