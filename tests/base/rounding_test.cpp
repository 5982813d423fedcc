#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <sauramiti/base/rounding.hpp>
#include <string_view>
#include <tests/base/error_number.hpp>
#include <vector>

namespace sauramiti {
namespace {

using testing::ErrorNumberOf;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct RoundCase {
  std::string_view name;
  double input;
  std::int32_t result;  // when error is 0
  std::int32_t error;
};

TEST(RoundingTest, To16BitsRoundsHalfToEvenAndOverflowsOutsideTheRange) {
  const std::vector<RoundCase> cases = {
      {"2.5 goes down to even", 2.5, 2, 0},
      {"3.5 goes up to even", 3.5, 4, 0},
      {"0.5 goes to zero", 0.5, 0, 0},
      {"-2.5 goes up to even", -2.5, -2, 0},
      {"-3.5 goes down to even", -3.5, -4, 0},
      {"just below a half", 2.4999999999999996, 2, 0},
      {"just above a half", 2.5000000000000004, 3, 0},
      {"negative zero", -0.0, 0, 0},
      {"smallest normal", DBL_MIN, 0, 0},
      {"maximum", 32767.0, 32767, 0},
      {"maximum plus 0.4", 32767.4, 32767, 0},
      {"maximum plus a half rounds out of range", 32767.5, 0, kOverflow},
      {"minimum minus a half rounds to the even minimum", -32768.5, -32768, 0},
      {"minimum minus 0.6", -32768.6, 0, kOverflow},
      {"far outside", 1e308, 0, kOverflow},
      {"far outside, negative", -1e308, 0, kOverflow},
      {"NaN", kNaN, 0, kOverflow},
      {"infinity", kInf, 0, kOverflow},
      {"minus infinity", -kInf, 0, kOverflow},
  };
  for (const RoundCase& c : cases) {
    std::int16_t got = 0;
    EXPECT_EQ(ErrorNumberOf([&] { got = RoundToInt16(c.input); }), c.error) << c.name;
    if (c.error == 0) {
      EXPECT_EQ(got, c.result) << c.name;
    }
  }
}

TEST(RoundingTest, To32BitsRoundsHalfToEvenAndOverflowsOutsideTheRange) {
  const std::vector<RoundCase> cases = {
      {"2.5", 2.5, 2, 0},
      {"-3.5", -3.5, -4, 0},
      {"beyond 16 bits", 1863913.5, 1863914, 0},
      {"maximum plus 0.4", 2147483647.4, 2147483647, 0},
      {"maximum plus a half", 2147483647.5, 0, kOverflow},
      {"minimum minus a half", -2147483648.5, -2147483647 - 1, 0},
      {"minimum minus one", -2147483649.0, 0, kOverflow},
      {"NaN", kNaN, 0, kOverflow},
      {"infinity", kInf, 0, kOverflow},
  };
  for (const RoundCase& c : cases) {
    std::int32_t got = 0;
    EXPECT_EQ(ErrorNumberOf([&] { got = RoundToInt32(c.input); }), c.error) << c.name;
    if (c.error == 0) {
      EXPECT_EQ(got, c.result) << c.name;
    }
  }
}

TEST(RoundingTest, ToSingleOverflowsOnlyWhereASingleWouldBecomeInfinite) {
  constexpr double kHalfwayPastLargest = 0x1.ffffffp127;  // rounds to even, i.e. to infinity
  struct SingleCase {
    std::string_view name;
    double input;
    float result;
    std::int32_t error;
  };
  const std::vector<SingleCase> cases = {
      {"ordinary", 15.18, 15.18F, 0},
      {"largest single", FLT_MAX, FLT_MAX, 0},
      {"just below the halfway point", std::nextafter(kHalfwayPastLargest, 0.0), FLT_MAX, 0},
      {"halfway past the largest", kHalfwayPastLargest, 0, kOverflow},
      {"negative halfway past the largest", -kHalfwayPastLargest, 0, kOverflow},
      {"1e39", 1e39, 0, kOverflow},
      {"largest double", DBL_MAX, 0, kOverflow},
      {"too small becomes zero", 1e-50, 0.0F, 0},
      {"infinity passes", kInf, std::numeric_limits<float>::infinity(), 0},
  };
  for (const SingleCase& c : cases) {
    float got = 0;
    EXPECT_EQ(ErrorNumberOf([&] { got = ToSingle(c.input); }), c.error) << c.name;
    if (c.error == 0) {
      EXPECT_EQ(got, c.result) << c.name;
    }
  }
  EXPECT_TRUE(std::isnan(ToSingle(kNaN)));
}

}  // namespace
}  // namespace sauramiti
