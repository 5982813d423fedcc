#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sauramiti/base/number_text.hpp>
#include <string_view>
#include <system_error>
#include <version>

// __cpp_lib_to_chars promises floating-point std::to_chars and std::from_chars as well.
#if defined(__cpp_lib_to_chars)
#define SAURAMITI_FLOAT_CHARCONV 1
#else
#define SAURAMITI_FLOAT_CHARCONV 0
#endif

namespace sauramiti {

namespace {

// A value written with `precision` significant digits in scientific notation.
template <typename T>
std::string Scientific(T value, int precision) {
  std::array<char, 48> buffer{};
  const int length = std::snprintf(buffer.data(), buffer.size(), "%.*e", precision - 1,
                                   static_cast<double>(value));
  return std::string(buffer.data(), static_cast<std::size_t>(length));
}

template <typename T>
T ReadBack(const std::string& text) {
  if constexpr (sizeof(T) == sizeof(float)) {
    return std::strtof(text.c_str(), nullptr);
  } else {
    return std::strtod(text.c_str(), nullptr);
  }
}

// The digits of "d.ddde±X" without point, and X.
struct DecimalDigits {
  std::string digits;
  int exponent = 0;
};

DecimalDigits SplitScientific(std::string_view text) {
  DecimalDigits parts;
  const std::size_t e = text.find('e');
  for (const char c : text.substr(0, e)) {
    if (c != '.') parts.digits.push_back(c);
  }
  while (parts.digits.size() > 1 && parts.digits.back() == '0') parts.digits.pop_back();
  parts.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
  return parts;
}

// std::to_chars's plain form: the digits in fixed notation when that is no longer than the
// scientific one ("2452378.5", "0.001"), else scientific with an exponent of at least two
// digits ("2e+06", "1e-07"). A whole number in fixed notation shows all its digits exactly, not
// the shortest digits padded with zeros (the single 11997667328 is not "11997667000"), as
// std::to_chars writes it.
std::string PlainForm(double magnitude, const DecimalDigits& parts) {
  const std::string& d = parts.digits;
  const int n = static_cast<int>(d.size());
  const int x = parts.exponent;
  std::string scientific = d.substr(0, 1);
  if (n > 1) scientific += "." + d.substr(1);
  std::array<char, 16> exponent{};
  std::snprintf(exponent.data(), exponent.size(), "e%c%02d", x < 0 ? '-' : '+', x < 0 ? -x : x);
  scientific += exponent.data();

  // Only the length of the fixed form matters unless it wins.
  const std::size_t fixedLength = x >= 0 ? static_cast<std::size_t>(n <= x + 1 ? x + 1 : n + 1)
                                         : static_cast<std::size_t>(n + 1 - x);
  if (fixedLength > scientific.size()) return scientific;
  if (x < 0) return "0." + std::string(static_cast<std::size_t>(-x - 1), '0') + d;
  if (n > x + 1) {
    const std::size_t wholeDigits = static_cast<std::size_t>(x) + 1;  // x >= 0 here
    return d.substr(0, wholeDigits) + "." + d.substr(wholeDigits);
  }
  std::array<char, 400> whole{};
  const int length = std::snprintf(whole.data(), whole.size(), "%.0f", magnitude);
  return std::string(whole.data(), static_cast<std::size_t>(length));
}

template <typename T>
std::string ShortestByPrintf(T value) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  if (value == 0) return std::signbit(value) ? "-0" : "0";
  // printf rounds correctly, so the first precision that reads back is the shortest one, and
  // among the texts of that length it is the nearest to the value, which std::to_chars also
  // prefers. A single needs at most 9 significant digits, a double 17.
  constexpr int kMostDigits = sizeof(T) == sizeof(float) ? 9 : 17;
  std::string text;
  for (int precision = 1; precision <= kMostDigits; ++precision) {
    text = Scientific(value, precision);
    if (ReadBack<T>(text) == value) break;
  }
  const bool negative = text.front() == '-';
  const std::string plain =
      PlainForm(std::fabs(static_cast<double>(value)),
                SplitScientific(negative ? std::string_view(text).substr(1) : text));
  return negative ? "-" + plain : plain;
}

template <typename T>
std::string Shortest(T value) {
#if SAURAMITI_FLOAT_CHARCONV
  // 32 characters hold the longest shortest form of a double ("-2.2250738585072014e-308").
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
#else
  return ShortestByPrintf(value);
#endif
}

}  // namespace

std::string ShortestText(float value) { return Shortest(value); }
std::string ShortestText(double value) { return Shortest(value); }

std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value) {
#if SAURAMITI_FLOAT_CHARCONV
  return std::from_chars(first, last, value);
#else
  return detail::DoubleFromCharsByStrtod(first, last, value);
#endif
}

namespace detail {

std::string ShortestTextByPrintf(float value) { return ShortestByPrintf(value); }
std::string ShortestTextByPrintf(double value) { return ShortestByPrintf(value); }

std::from_chars_result DoubleFromCharsByStrtod(const char* first, const char* last, double& value) {
  // strtod needs a terminated text; the forms read here are short.
  const std::string text(first, last);
  char* end = nullptr;
  errno = 0;
  const double result = std::strtod(text.c_str(), &end);
  const auto used = static_cast<std::size_t>(end - text.c_str());
  if (used == 0) return {first, std::errc::invalid_argument};
  // ERANGE with an infinity or a zero is a form beyond the double range; a subnormal result
  // is a value like any other, as std::from_chars gives it.
  if (errno == ERANGE && (std::isinf(result) || result == 0.0)) {
    return {first + used, std::errc::result_out_of_range};
  }
  value = result;
  return {first + used, std::errc{}};
}

}  // namespace detail

}  // namespace sauramiti
