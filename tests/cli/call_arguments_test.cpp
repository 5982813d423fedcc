#include <gtest/gtest.h>

#include <cli/call_arguments.hpp>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <sauramiti/base/runtime_error.hpp>
#include <string_view>
#include <variant>

namespace sauramiti::cli {
namespace {

// The error number ParseArgument raises, or 0 when it reads the text.
std::int32_t ErrorOf(std::string_view text, ParameterKind kind) {
  try {
    ParseArgument(text, kind);
    return 0;
  } catch (const RuntimeError& error) {
    return error.Number();
  }
}

struct IntegerCase {
  std::string_view name;
  std::string_view text;
  std::int64_t value;
};

TEST(ParseArgumentTest, IntegersReadTheirWholeText) {
  const std::initializer_list<IntegerCase> cases = {
      {"plain", "2059", 2059},
      {"negative", "-5", -5},
      {"explicit plus", "+12", 12},
      {"leading zeros", "0007", 7},
      {"negative zero", "-0", 0},
      {"smallest 16-bit", "-32768", -32768},
      {"largest 16-bit", "32767", 32767},
      {"many leading zeros", "000000000000000000000000032767", 32767},
  };
  for (const IntegerCase& c : cases) {
    const ArgumentValue integer = ParseArgument(c.text, ParameterKind::Integer);
    ASSERT_TRUE(std::holds_alternative<std::int16_t>(integer)) << c.name;
    EXPECT_EQ(std::get<std::int16_t>(integer), c.value) << c.name;
    const ArgumentValue enumeration = ParseArgument(c.text, ParameterKind::Enumeration);
    ASSERT_TRUE(std::holds_alternative<std::int32_t>(enumeration)) << c.name;
    EXPECT_EQ(std::get<std::int32_t>(enumeration), c.value) << c.name;
  }
}

struct ErrorCase {
  std::string_view name;
  std::string_view text;
  ParameterKind kind;
  std::int32_t error;
};

TEST(ParseArgumentTest, OutOfRangeIsOverflowAndMalformedIsTypeMismatch) {
  constexpr auto I = ParameterKind::Integer;
  constexpr auto E = ParameterKind::Enumeration;
  constexpr auto D = ParameterKind::Double;
  const std::initializer_list<ErrorCase> cases = {
      {"one past 16 bits", "32768", I, kOverflow},
      {"one below 16 bits", "-32769", I, kOverflow},
      {"32-bit value for a 16-bit parameter", "100000", I, kOverflow},
      {"beyond 64 bits is still a number", "99999999999999999999999", I, kOverflow},
      {"beyond 64 bits, negative", "-99999999999999999999999", I, kOverflow},
      {"largest 64-bit", "9223372036854775807", I, kOverflow},
      {"one past 32 bits", "2147483648", E, kOverflow},
      {"one below 32 bits", "-2147483649", E, kOverflow},
      {"a double too large", "1e400", D, kOverflow},
      {"a negative double too large", "-1.8e308", D, kOverflow},
      {"empty", "", I, kTypeMismatch},
      {"sign alone", "+", I, kTypeMismatch},
      {"two signs", "--5", I, kTypeMismatch},
      {"decimal point", "2.0", I, kTypeMismatch},
      {"exponent", "1e3", I, kTypeMismatch},
      {"leading blank", " 5", I, kTypeMismatch},
      {"trailing blank", "5 ", I, kTypeMismatch},
      {"hexadecimal", "0x10", E, kTypeMismatch},
      {"trailing letters", "12abc", E, kTypeMismatch},
      {"word", "abc", D, kTypeMismatch},
      {"point alone", ".", D, kTypeMismatch},
      {"exponent without digits", "1e", D, kTypeMismatch},
      {"exponent alone", "e5", D, kTypeMismatch},
      {"trailing junk after a double", "2452378.5x", D, kTypeMismatch},
      {"double with blanks", " 1.5", D, kTypeMismatch},
      {"hexadecimal double", "0x1p3", D, kTypeMismatch},
      {"comma as point", "1,5", D, kTypeMismatch},
      {"nan with payload", "nan(1)", D, kTypeMismatch},
      {"integer nan", "nan", I, kTypeMismatch},
  };
  for (const ErrorCase& c : cases) {
    EXPECT_EQ(ErrorOf(c.text, c.kind), c.error) << c.name << ": \"" << c.text << '"';
  }
}

struct DoubleCase {
  std::string_view name;
  std::string_view text;
  double value;
};

TEST(ParseArgumentTest, DoublesTakeDecimalAndExponentForms) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::initializer_list<DoubleCase> cases = {
      {"whole", "1863913", 1863913.0},
      {"half", "2452378.5", 2452378.5},
      {"point without fraction", "5.", 5.0},
      {"point without integer", "-.5", -0.5},
      {"explicit plus", "+0.25", 0.25},
      {"exponent", "1.5e3", 1500.0},
      {"signed exponent, upper case", "25E-1", 2.5},
      {"nearest double of a long decimal", "0.1000000000000000055511151231257827", 0.1},
      {"largest double", "1.7976931348623157e308", std::numeric_limits<double>::max()},
      {"below the smallest double reads as zero", "1e-400", 0.0},
      {"subnormal", "4.9e-324", std::numeric_limits<double>::denorm_min()},
      {"infinity", "inf", inf},
      {"negative infinity", "-inf", -inf},
      {"infinity spelled out, any case", "Infinity", inf},
  };
  for (const DoubleCase& c : cases) {
    const ArgumentValue value = ParseArgument(c.text, ParameterKind::Double);
    ASSERT_TRUE(std::holds_alternative<double>(value)) << c.name;
    EXPECT_EQ(std::get<double>(value), c.value) << c.name;
  }
  for (std::string_view nan : {"nan", "NaN", "-nan", "+NAN"}) {
    EXPECT_TRUE(std::isnan(std::get<double>(ParseArgument(nan, ParameterKind::Double)))) << nan;
  }
}

}  // namespace
}  // namespace sauramiti::cli
