#include <charconv>
#include <cli/call_arguments.hpp>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <sauramiti/base/parse_number.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <system_error>

namespace sauramiti::cli {

namespace {

bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

bool StartsWithSign(std::string_view text) noexcept {
  return !text.empty() && (text.front() == '+' || text.front() == '-');
}

std::size_t CountDigits(std::string_view text, std::size_t from) noexcept {
  std::size_t i = from;
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i - from;
}

// An optional sign and one or more digits, read exactly; error 6 outside [min, max].
std::int64_t ParseDecimalInteger(std::string_view text, std::int64_t min, std::int64_t max) {
  const bool negative = !text.empty() && text.front() == '-';
  const std::size_t start = StartsWithSign(text) ? 1 : 0;
  const std::size_t digits = CountDigits(text, start);
  if (digits == 0 || start + digits != text.size()) Raise(kTypeMismatch);

  // Accumulate as a negative number, which has room for the most negative value; anything that
  // leaves the 64-bit range has left every parameter's range long before.
  std::int64_t negated = 0;
  for (std::size_t i = start; i < text.size(); ++i) {
    const int digit = text[i] - '0';
    if (negated < (std::numeric_limits<std::int64_t>::min() + digit) / 10) Raise(kOverflow);
    negated = negated * 10 - digit;
  }
  if (!negative && negated == std::numeric_limits<std::int64_t>::min()) Raise(kOverflow);
  const std::int64_t value = negative ? negated : -negated;
  if (value < min || value > max) Raise(kOverflow);
  return value;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view lower) noexcept {
  if (text.size() != lower.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c =
        text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
    if (c != lower[i]) return false;
  }
  return true;
}

// Digits with an optional point (a digit on at least one side of it), then an optional
// exponent: the finite forms a Double parameter accepts, after the sign.
bool IsDecimalForm(std::string_view body) noexcept {
  std::size_t i = CountDigits(body, 0);
  std::size_t mantissa_digits = i;
  if (i < body.size() && body[i] == '.') {
    const std::size_t fraction = CountDigits(body, i + 1);
    mantissa_digits += fraction;
    i += 1 + fraction;
  }
  if (mantissa_digits == 0) return false;
  if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
    ++i;
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) ++i;
    const std::size_t exponent = CountDigits(body, i);
    if (exponent == 0) return false;
    i += exponent;
  }
  return i == body.size();
}

double ParseDouble(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  const std::string_view body = StartsWithSign(text) ? text.substr(1) : text;
  if (EqualsIgnoringCase(body, "nan")) return std::numeric_limits<double>::quiet_NaN();
  if (EqualsIgnoringCase(body, "inf") || EqualsIgnoringCase(body, "infinity")) {
    return negative ? -std::numeric_limits<double>::infinity()
                    : std::numeric_limits<double>::infinity();
  }
  if (!IsDecimalForm(body)) Raise(kTypeMismatch);
  // The form is checked; the base reader converts it with correct rounding, giving an infinity
  // for a magnitude beyond the double range and zero below it.
  const std::optional<double> value = ParseWholeNumber(text);
  if (!value) Raise(kTypeMismatch);
  if (std::isinf(*value)) Raise(kOverflow);
  return *value;
}

}  // namespace

ArgumentValue ParseArgument(std::string_view text, ParameterKind kind) {
  switch (kind) {
    case ParameterKind::Integer:
      return static_cast<std::int16_t>(
          ParseDecimalInteger(text, std::numeric_limits<std::int16_t>::min(),
                              std::numeric_limits<std::int16_t>::max()));
    case ParameterKind::Enumeration:
      return static_cast<std::int32_t>(
          ParseDecimalInteger(text, std::numeric_limits<std::int32_t>::min(),
                              std::numeric_limits<std::int32_t>::max()));
    case ParameterKind::Double:
      return ParseDouble(text);
  }
  Raise(kTypeMismatch);
}

}  // namespace sauramiti::cli
