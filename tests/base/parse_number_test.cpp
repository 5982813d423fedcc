#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <sauramiti/base/parse_number.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace sauramiti {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct LeadingCase {
  std::string_view name;
  std::string text;
  double value;
};

TEST(ParseLeadingNumberTest, ReadsTheLongestLeadingDecimalAndIgnoresTheRest) {
  const std::vector<LeadingCase> cases = {
      {"negative field", "-2", -2},
      {"zeros", "00", 0},
      {"leading zero", "01", 1},
      {"blanks then digits then letters", "  12ab", 12},
      {"tab before", "\t7", 7},
      {"plus sign", "+7", 7},
      {"fraction without integer part", ".5", 0.5},
      {"negative fraction", "-.25", -0.25},
      {"point without fraction", "5.", 5},
      {"second point ends the number", "1.2.3", 1.2},
      {"a separator ends the number",
       "2059\xC3\xB7"
       "01",
       2059},
      {"no exponent in the leading form", "1e3", 1},
      {"sign alone", "-", 0},
      {"point alone", ".", 0},
      {"sign and point", "-.", 0},
      {"sign then blank", "- 5", 0},
      {"empty", "", 0},
      {"blanks only", "   ", 0},
      {"letters", "abc", 0},
      {"hexadecimal is not read", "0x10", 0},
      {"twenty digits", "99999999999999999999", 1e20},
      {"four hundred digits", "1" + std::string(400, '0'), kInf},
      {"four hundred negative digits", "-1" + std::string(400, '0'), -kInf},
      {"a tiny fraction underflows to zero", "0." + std::string(400, '0') + "1", 0},
      {"many digits round correctly", "0.1000000000000000055511151231257827", 0.1},
  };
  for (const LeadingCase& c : cases) {
    EXPECT_EQ(ParseLeadingNumber(c.text), c.value) << c.name;
  }
}

struct WholeCase {
  std::string_view name;
  std::string text;
  std::optional<double> value;
};

TEST(ParseWholeNumberTest, AcceptsOnlyANumberWithBlanksAround) {
  const std::vector<WholeCase> cases = {
      {"integer", "12", 12},
      {"blanks around", "  12  ", 12},
      {"tabs around", "\t5\t", 5},
      {"exponent", "2e3", 2000},
      {"exponent with sign", "1.5E-1", 0.15},
      {"exponent with plus", "1e+2", 100},
      {"negative zero", "-0", -0.0},
      {"fraction", "2452378.5", 2452378.5},
      {"exponent overflows", "1e400", kInf},
      {"digits before the point make it overflow", "0.0001e400", kInf},
      {"exponent underflows", "1e-400", 0},
      {"exponent beyond any long", "1e99999999999999999999", kInf},
      {"negative, exponent beyond any long", "-1e99999999999999999999", -kInf},
      {"negative exponent beyond any long", "1e-99999999999999999999", 0},
      {"trailing letters", "12ab", std::nullopt},
      {"empty", "", std::nullopt},
      {"blanks only", "  ", std::nullopt},
      {"exponent without digits", "1e", std::nullopt},
      {"exponent sign without digits", "1e+", std::nullopt},
      {"exponent alone", "e5", std::nullopt},
      {"point alone", ".", std::nullopt},
      {"two numbers", "1 2", std::nullopt},
      {"inner blank", "1 .5", std::nullopt},
      {"a date", "2059/01/01/1", std::nullopt},
  };
  for (const WholeCase& c : cases) {
    const std::optional<double> got = ParseWholeNumber(c.text);
    ASSERT_EQ(got.has_value(), c.value.has_value()) << c.name;
    if (got) {
      EXPECT_EQ(*got, *c.value) << c.name;
      EXPECT_EQ(std::signbit(*got), std::signbit(*c.value)) << c.name;
    }
  }
}

}  // namespace
}  // namespace sauramiti
