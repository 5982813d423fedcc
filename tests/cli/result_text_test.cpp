#include <gtest/gtest.h>

#include <charconv>
#include <cli/result_text.hpp>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <random>
#include <string>
#include <string_view>

namespace sauramiti::cli {
namespace {

std::string DoubleText(double value) {
  std::string out;
  AppendDouble(out, value);
  return out;
}

struct Case {
  std::string_view name;
  double value;
  std::string_view text;
};

TEST(AppendDoubleTest, WholeNumbersBelowTenToTheFifteenArePlainIntegers) {
  const std::initializer_list<Case> cases = {
      {"zero", 0.0, "0"},
      {"negative zero", -0.0, "0"},
      {"Kali Ahargana", 1863913.0, "1863913"},
      {"round million, not 2e+06", 2000000.0, "2000000"},
      {"negative whole", -3.0, "-3"},
      {"largest below the limit", 999999999999999.0, "999999999999999"},
      {"the limit itself takes the shortest form", 1e15, "1e+15"},
      {"huge", 1e300, "1e+300"},
  };
  for (const Case& c : cases) EXPECT_EQ(DoubleText(c.value), c.text) << c.name;
}

TEST(AppendDoubleTest, FractionsAndSpecialValues) {
  const std::initializer_list<Case> cases = {
      {"Julian day", 2452378.5, "2452378.5"},
      {"negative half", -0.5, "-0.5"},
      {"one tenth", 0.1, "0.1"},
      {"small", 1e-7, "1e-07"},
      {"nan", std::numeric_limits<double>::quiet_NaN(), "nan"},
      {"negative nan", -std::numeric_limits<double>::quiet_NaN(), "nan"},
      {"infinity", std::numeric_limits<double>::infinity(), "inf"},
      {"negative infinity", -std::numeric_limits<double>::infinity(), "-inf"},
  };
  for (const Case& c : cases) EXPECT_EQ(DoubleText(c.value), c.text) << c.name;
}

// Whatever the double, its text reads back to the same value.
TEST(AppendDoubleTest, EveryFiniteTextReadsBackExactly) {
  std::mt19937_64 random(20590101);
  for (int i = 0; i < 100000; ++i) {
    std::uint64_t bits = random();
    double value = 0;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) continue;
    if (i % 2 == 0) value = std::round(std::fmod(value, 1e16));  // also many whole numbers
    const std::string text = DoubleText(value);
    double back = std::numeric_limits<double>::quiet_NaN();
    const auto result = std::from_chars(text.data(), text.data() + text.size(), back);
    ASSERT_EQ(result.ptr, text.data() + text.size()) << text;
    EXPECT_EQ(back, value) << text;
  }
}

TEST(AppendResultTest, EachResultKindIsOneLineOfItsOwn) {
  std::string out = "> ";
  AppendResult(out, MethodResult{std::int16_t{-32768}});
  out += '|';
  AppendResult(out, MethodResult{1871583.0});
  out += '|';
  AppendResult(out, MethodResult{std::string("2059\xC3\xB7"
                                             "01\xC3\xB7"
                                             "01\xC3\xB7"
                                             "1")});
  EXPECT_EQ(out, "> -32768|1871583|2059÷01÷01÷1");
}

}  // namespace
}  // namespace sauramiti::cli
