#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <sauramiti/base/number_text.hpp>
#include <sauramiti/base/parse_number.hpp>
#include <system_error>

namespace sauramiti {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipBlanks(std::string_view text, std::size_t i) {
  while (i < text.size() && IsBlank(text[i])) ++i;
  return i;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// The power of ten of the first significant digit of a decimal form (digits, point, digits,
// optional exponent), used only to tell an overflow from an underflow.
long DecimalMagnitude(std::string_view digits) {
  const std::size_t e = digits.find_first_of("eE");
  long exponent = 0;
  if (e != std::string_view::npos) {
    const char* exponent_begin = digits.data() + e + 1 + (digits[e + 1] == '+');
    const auto result = std::from_chars(exponent_begin, digits.data() + digits.size(), exponent);
    // An exponent too long for a long is far beyond any double either way; keep its sign, and
    // keep it small enough that adding the digits' position cannot overflow.
    constexpr long kFarBeyond = 1'000'000'000;
    if (result.ec == std::errc::result_out_of_range) {
      exponent = *exponent_begin == '-' ? -kFarBeyond : kFarBeyond;
    }
    exponent = std::clamp(exponent, -kFarBeyond, kFarBeyond);
    digits = digits.substr(0, e);
  }
  const std::size_t point = std::min(digits.find('.'), digits.size());
  const std::size_t first = digits.find_first_of("123456789");
  if (first == std::string_view::npos) return std::numeric_limits<long>::min();
  const long position =
      first < point ? static_cast<long>(point - first - 1) : -static_cast<long>(first - point);
  return position + exponent;
}

// Converts [begin, end) of text, which holds an optional sign and a valid decimal form, with
// correct rounding and independent of the C locale. A magnitude beyond the double range becomes
// an infinity, one below it zero.
double Convert(std::string_view text, std::size_t begin, std::size_t end) {
  bool negative = false;
  if (text[begin] == '+' || text[begin] == '-') {
    negative = text[begin] == '-';
    ++begin;
  }
  double value = 0;
  const auto result = DoubleFromChars(text.data() + begin, text.data() + end, value);
  if (result.ec == std::errc::result_out_of_range) {
    value = DecimalMagnitude(text.substr(begin, end - begin)) > 0 ? HUGE_VAL : 0.0;
  }
  return negative ? -value : value;
}

// Length of the longest decimal number (sign, digits, point, digits) starting at i; 0 if none.
std::size_t DecimalLength(std::string_view text, std::size_t i) {
  std::size_t j = i;
  if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
  const std::size_t int_end = SkipDigits(text, j);
  std::size_t end = int_end;
  bool has_digits = int_end > j;
  if (end < text.size() && text[end] == '.') {
    const std::size_t frac_end = SkipDigits(text, end + 1);
    if (frac_end > end + 1 || has_digits) {
      has_digits = has_digits || frac_end > end + 1;
      end = frac_end;
    }
  }
  return has_digits ? end - i : 0;
}

}  // namespace

double ParseLeadingNumber(std::string_view text) noexcept {
  const std::size_t i = SkipBlanks(text, 0);
  const std::size_t n = DecimalLength(text, i);
  return n == 0 ? 0.0 : Convert(text, i, i + n);
}

std::optional<double> ParseWholeNumber(std::string_view text) noexcept {
  const std::size_t i = SkipBlanks(text, 0);
  const std::size_t n = DecimalLength(text, i);
  if (n == 0) return std::nullopt;
  std::size_t end = i + n;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t j = end + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t exp_end = SkipDigits(text, j);
    if (exp_end == j) return std::nullopt;
    end = exp_end;
  }
  if (SkipBlanks(text, end) != text.size()) return std::nullopt;
  return Convert(text, i, end);
}

}  // namespace sauramiti
