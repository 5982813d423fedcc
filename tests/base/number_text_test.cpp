// The C-library fallback of the shortest number texts against std::to_chars and
// std::from_chars: the WebAssembly build writes and reads numbers through the fallback, and
// must give the native build's texts and values exactly.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <sauramiti/base/number_text.hpp>
#include <string>
#include <tests/base/outcome.hpp>
#include <vector>

namespace sauramiti {
namespace {

template <typename T>
std::string NativeText(T value) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

TEST(NumberTextFallbackTest, EdgeValuesWriteAsToChars) {
  using Limits = std::numeric_limits<double>;
  // clang-format off
  const std::vector<double> doubles = {
      0.0, -0.0, 1.0, 2452378.5, 2e6, 1e15, 1e16, 123456789012345680.0, 1e-7, 0.001, 0.1,
      1.0 / 3.0, 5e-324, 2.2250738585072014e-308, Limits::max(), 9007199254740993.0,
      -1863912.999999, Limits::infinity(), -Limits::infinity(), Limits::quiet_NaN()};
  // clang-format on
  for (const double value : doubles) {
    EXPECT_EQ(detail::ShortestTextByPrintf(value), NativeText(value)) << value;
  }
  const std::vector<float> singles = {685.5714F, 15.18F,    8.25F, 1e-45F, 3.4028235e38F,
                                      1e10F,     123456.7F, -0.0F, 0.3F,   16777216.0F};
  for (const float value : singles) {
    EXPECT_EQ(detail::ShortestTextByPrintf(value), NativeText(value)) << value;
  }
}

// Random bit patterns reach every exponent, and values near whole numbers and small decimals
// reach the forms the control writes most.
TEST(NumberTextFallbackTest, RandomValuesWriteAsToChars) {
  std::mt19937_64 rng(2059);
  testing::FaultLog faults;
  for (int i = 0; i < 200000 && faults.count < 10; ++i) {
    const double any = std::bit_cast<double>(rng());
    const double decimal = static_cast<double>(rng() % 100000000) / 1000.0;
    const float single = std::bit_cast<float>(static_cast<std::uint32_t>(rng()));
    for (const double value : {any, decimal}) {
      faults.Check(std::isnan(value) || detail::ShortestTextByPrintf(value) == NativeText(value),
                   NativeText(value), " written as ", detail::ShortestTextByPrintf(value));
    }
    faults.Check(std::isnan(single) || detail::ShortestTextByPrintf(single) == NativeText(single),
                 NativeText(single), " written as ", detail::ShortestTextByPrintf(single));
  }
}

TEST(NumberTextFallbackTest, ReadingAgreesWithFromChars) {
  // clang-format off
  const std::vector<std::string> forms = {
      "0", "-0", "2452378.5", "1e308", "1e309", "-1e400", "1e-400", "4e-324", "2e-324", "1E+06",
      ".5", "5.", "0.1", "1863912.999999", "00012", "1e-310", "123456789012345678901234567890"};
  // clang-format on
  for (const std::string& text : forms) {
    double native = -7.0;
    double fallback = -7.0;
    const auto expected = std::from_chars(text.data(), text.data() + text.size(), native);
    const auto got =
        detail::DoubleFromCharsByStrtod(text.data(), text.data() + text.size(), fallback);
    EXPECT_EQ(got.ec, expected.ec) << text;
    EXPECT_EQ(got.ptr, expected.ptr) << text;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(fallback), std::bit_cast<std::uint64_t>(native)) << text;
  }
}

}  // namespace
}  // namespace sauramiti
