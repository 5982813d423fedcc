// Numbers as the library handles them: checked 16/32-bit arithmetic (results up to each limit,
// overflow one step past it), doubles rounded half to even into integers or narrowed to singles,
// and numbers read out of texts.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <sauramiti/base/checked_arithmetic.hpp>
#include <sauramiti/base/parse_number.hpp>
#include <sauramiti/base/rounding.hpp>
#include <string>
#include <tests/base/outcome.hpp>
#include <vector>

namespace sauramiti {
namespace {

using testing::ExpectRows;

constexpr std::int16_t kMax16 = std::numeric_limits<std::int16_t>::max();
constexpr std::int16_t kMin16 = std::numeric_limits<std::int16_t>::min();
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(CheckedArithmeticTest, ResultsUpToTheLimitsAndOverflowPastThem) {
  ExpectRows({{OUTCOME(Add16(32766, 1)), "32767"},
              {OUTCOME(Add16(kMax16, 1)), "error 6"},
              {OUTCOME(Sub16(0, kMin16)), "error 6"},
              {OUTCOME(Mul16(181, 181)), "32761"},
              {OUTCOME(Mul16(182, 181)), "error 6"},
              {OUTCOME(Mul16(-256, 128)), "-32768"},
              {OUTCOME(Mul16(kMin16, -1)), "error 6"},
              {OUTCOME(Add32(kMax32, 1)), "error 6"},
              {OUTCOME(Sub32(0, kMin32)), "error 6"},
              {OUTCOME(Mul32(46340, 46340)), "2147395600"},
              {OUTCOME(Mul32(46341, 46341)), "error 6"},
              {OUTCOME(Mul32(kMin32, -1)), "error 6"},
              {OUTCOME(To16(32768)), "error 6"},
              // A remainder takes the sign of the dividend.
              {OUTCOME(Mod16(-8, 7)), "-1"},
              {OUTCOME(Mod16(1, -7)), "1"},
              {OUTCOME(Mod16(5, 0)), "error 11"},
              {OUTCOME(Mod16(kMin16, -1)), "error 6"},
              {OUTCOME(Mod32(kMin32, 7)), "-2"},
              {OUTCOME(Mod32(kMin32, -1)), "error 6"}});
}

// Halves, their neighbours and 16-bit overflow are the sweep's below; it leaves out 32-bit
// overflow.
TEST(RoundingTest, ThirtyTwoBitOverflowAndSingles) {
  ExpectRows({{OUTCOME(RoundToInt32(2147483647.5)), "error 6"},
              {OUTCOME(RoundToInt32(std::nan(""))), "error 6"},
              // A single overflows only where rounding to single precision would give infinity.
              {OUTCOME(ToSingle(15.18)), "15.18"},
              {OUTCOME(ToSingle(std::nextafter(0x1.ffffffp127, 0.0))), "3.4028235e+38"},
              {OUTCOME(ToSingle(0x1.ffffffp127)), "error 6"},
              {OUTCOME(ToSingle(1e-50)), "0"},
              {OUTCOME(ToSingle(kInf)), "inf"},
              {OUTCOME(ToSingle(std::nan(""))), "nan"}});
}

// The rounding is done without the C library; it must agree with nearbyint (round half to
// even) on every kind of double: halves and their neighbours at every scale, and random bits.
TEST(RoundingTest, AgreesWithNearbyintEverywhere) {
  std::vector<double> values;
  for (double scale = 0.25; scale < 0x1p60; scale *= 2) {
    for (const double v : {scale, scale + 0.5, scale - 0.5, scale * 1.5 + 0.5}) {
      for (const double near : {std::nextafter(v, 0.0), v, std::nextafter(v, kInf)}) {
        values.insert(values.end(), {near, -near});
      }
    }
  }
  std::uint64_t state = 88172645463325252ULL;
  for (int i = 0; i < 200000; ++i) {
    state ^= state << 13, state ^= state >> 7, state ^= state << 17;
    double v = 0;
    std::memcpy(&v, &state, sizeof v);
    values.push_back(v);
    values.push_back(static_cast<double>(static_cast<std::int64_t>(state >> 20)) / 1024.0);
  }
  testing::FaultLog faults;
  for (const double v : values) {
    const double want = std::nearbyint(v);
    const std::string expected =
        want >= -32768 && want <= 32767 ? std::to_string(static_cast<int>(want)) : "error 6";
    faults.Check(testing::OutcomeOf([&] { return RoundToInt16(v); }) == expected, v);
    faults.Check(std::isnan(v) || want < -2147483648.0 || want > 2147483647.0 ||
                     RoundToInt32(v) == static_cast<std::int32_t>(want),
                 v);
  }
  EXPECT_EQ(faults.count, 0);
}

TEST(ParseNumberTest, LeadingNumbersStopAtTheFirstCharacterThatCannotContinueThem) {
  ExpectRows({{OUTCOME(ParseLeadingNumber("  12ab")), "12"},
              {OUTCOME(ParseLeadingNumber("-.25")), "-0.25"},
              {OUTCOME(ParseLeadingNumber("1.2.3")), "1.2"},
              {OUTCOME(ParseLeadingNumber("2059÷01")), "2059"},
              {OUTCOME(ParseLeadingNumber("1e3")), "1"},
              {OUTCOME(ParseLeadingNumber("- 5")), "0"},
              {OUTCOME(ParseLeadingNumber("-1" + std::string(400, '0'))), "-inf"},
              {OUTCOME(ParseLeadingNumber("0.1000000000000000055511151231257827")), "0.1"}});
}

TEST(ParseNumberTest, WholeNumbersAllowBlanksAroundAndAnExponent) {
  const auto whole = [](std::string_view text) {
    const std::optional<double> value = ParseWholeNumber(text);
    return value ? testing::AsText(*value) : "none";
  };
  ExpectRows({{OUTCOME(whole("\t5 ")), "5"},
              {OUTCOME(whole("1.5E-1")), "0.15"},
              {OUTCOME(whole("-0")), "-0"},
              {OUTCOME(whole("0.0001e400")), "inf"},
              {OUTCOME(whole("-1e99999999999999999999")), "-inf"},
              {OUTCOME(whole("1e-99999999999999999999")), "0"},
              {OUTCOME(whole("12ab")), "none"},
              {OUTCOME(whole("1e+")), "none"},
              {OUTCOME(whole("1 .5")), "none"}});
}

}  // namespace
}  // namespace sauramiti
