#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <sauramiti/base/checked_arithmetic.hpp>
#include <string_view>
#include <tests/base/error_number.hpp>
#include <vector>

namespace sauramiti {
namespace {

using testing::ErrorNumberOf;

constexpr std::int16_t kMax16 = std::numeric_limits<std::int16_t>::max();
constexpr std::int16_t kMin16 = std::numeric_limits<std::int16_t>::min();
constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin32 = std::numeric_limits<std::int32_t>::min();

// One operation on two operands: either the exact result, or the error it must raise.
template <typename T>
struct Case {
  std::string_view name;
  T (*operation)(T, T);
  T a;
  T b;
  T result;            // when error is 0
  std::int32_t error;  // 0: returns result
};

template <typename T>
void ExpectAll(const std::vector<Case<T>>& cases) {
  for (const Case<T>& c : cases) {
    T got{};
    const std::int32_t error = ErrorNumberOf([&] { got = c.operation(c.a, c.b); });
    EXPECT_EQ(error, c.error) << c.name;
    if (c.error == 0 && error == 0) {
      EXPECT_EQ(got, c.result) << c.name;
    }
  }
}

TEST(CheckedArithmeticTest, SixteenBitResultsUpToTheLimitsAndOverflowPastThem) {
  ExpectAll<std::int16_t>({
      {"add to the maximum", Add16, 32766, 1, kMax16, 0},
      {"add past the maximum", Add16, kMax16, 1, 0, kOverflow},
      {"add past the minimum", Add16, kMin16, -1, 0, kOverflow},
      {"add the extremes", Add16, kMin16, kMax16, -1, 0},
      {"subtract to the minimum", Sub16, -32767, 1, kMin16, 0},
      {"subtract past the minimum", Sub16, kMin16, 1, 0, kOverflow},
      {"negate the minimum", Sub16, 0, kMin16, 0, kOverflow},
      {"subtract a negative past the maximum", Sub16, kMax16, -1, 0, kOverflow},
      {"multiply just inside", Mul16, 181, 181, 32761, 0},
      {"multiply just outside", Mul16, 182, 181, 0, kOverflow},
      {"multiply to the minimum", Mul16, -256, 128, kMin16, 0},
      {"multiply to one past the maximum", Mul16, 256, 128, 0, kOverflow},
      {"minimum times minus one", Mul16, kMin16, -1, 0, kOverflow},
      {"minimum times one", Mul16, kMin16, 1, kMin16, 0},
  });
}

TEST(CheckedArithmeticTest, ThirtyTwoBitResultsUpToTheLimitsAndOverflowPastThem) {
  ExpectAll<std::int32_t>({
      {"add to the maximum", Add32, kMax32 - 1, 1, kMax32, 0},
      {"add past the maximum", Add32, kMax32, 1, 0, kOverflow},
      {"add past the minimum", Add32, kMin32, -1, 0, kOverflow},
      {"subtract past the minimum", Sub32, kMin32, 1, 0, kOverflow},
      {"negate the minimum", Sub32, 0, kMin32, 0, kOverflow},
      {"multiply just inside", Mul32, 46340, 46340, 2147395600, 0},
      {"multiply just outside", Mul32, 46341, 46341, 0, kOverflow},
      {"minimum times minus one", Mul32, kMin32, -1, 0, kOverflow},
      {"a product far outside", Mul32, kMax32, kMax32, 0, kOverflow},
  });
}

TEST(CheckedArithmeticTest, RemaindersTakeTheSignOfTheDividend) {
  ExpectAll<std::int16_t>({
      {"positive", Mod16, 7, 3, 1, 0},
      {"negative dividend", Mod16, -1, 7, -1, 0},
      {"negative divisor", Mod16, 1, -7, 1, 0},
      {"both negative", Mod16, -8, -7, -1, 0},
      {"exact multiple", Mod16, -7, 7, 0, 0},
      {"minimum by the maximum", Mod16, kMin16, kMax16, -1, 0},
      {"maximum by minus one", Mod16, kMax16, -1, 0, 0},
      {"by zero", Mod16, 5, 0, 0, kDivisionByZero},
      {"zero by zero", Mod16, 0, 0, 0, kDivisionByZero},
      {"minimum by minus one", Mod16, kMin16, -1, 0, kOverflow},
  });
  ExpectAll<std::int32_t>({
      {"negative dividend", Mod32, -15, 7, -1, 0},
      {"by zero", Mod32, kMax32, 0, 0, kDivisionByZero},
      {"minimum by minus one", Mod32, kMin32, -1, 0, kOverflow},
      {"minimum by seven", Mod32, kMin32, 7, -2, 0},
  });
}

TEST(CheckedArithmeticTest, NarrowingTo16BitsKeepsOnlyWhatFits) {
  struct NarrowCase {
    std::string_view name;
    std::int32_t value;
    std::int32_t error;
  };
  for (const NarrowCase& c : std::vector<NarrowCase>{{"maximum", 32767, 0},
                                                     {"minimum", -32768, 0},
                                                     {"one past the maximum", 32768, kOverflow},
                                                     {"one past the minimum", -32769, kOverflow},
                                                     {"32-bit maximum", kMax32, kOverflow}}) {
    std::int16_t got = 0;
    EXPECT_EQ(ErrorNumberOf([&] { got = To16(c.value); }), c.error) << c.name;
    if (c.error == 0) {
      EXPECT_EQ(got, c.value) << c.name;
    }
  }
}

}  // namespace
}  // namespace sauramiti
