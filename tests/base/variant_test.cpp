#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <sauramiti/base/variant.hpp>
#include <string>
#include <string_view>
#include <tests/base/error_number.hpp>
#include <vector>

namespace sauramiti {
namespace {

using testing::ErrorNumberOf;

const FontRef kTahoma = std::make_shared<Font>();

struct NumberCase {
  std::string_view name;
  Variant value;
  double number;       // ToDouble, when error is 0
  std::int32_t error;  // of ToDouble
};

TEST(VariantTest, ToDoubleReadsNumbersAndWholeNumericTexts) {
  const std::vector<NumberCase> cases = {
      {"empty", Variant(), 0, 0},
      {"true", Variant::Boolean(true), -1, 0},
      {"odd boolean bits", Variant::Boolean(std::int16_t{5}), 5, 0},
      {"integer", Variant::Integer(-7), -7, 0},
      {"long", Variant::Long(1863913), 1863913, 0},
      {"single", Variant::Single(1.5F), 1.5, 0},
      {"double", Variant::Double(2452378.5), 2452378.5, 0},
      {"numeric text", Variant::String(" 12 "), 12, 0},
      {"text with exponent", Variant::String("2e3"), 2000, 0},
      {"text with trailing letters", Variant::String("12ab"), 0, kTypeMismatch},
      {"empty text", Variant::String(""), 0, kTypeMismatch},
      {"font", Variant::Font(kTahoma), 0, kTypeMismatch},
  };
  for (const NumberCase& c : cases) {
    double got = 0;
    EXPECT_EQ(ErrorNumberOf([&] { got = c.value.ToDouble(); }), c.error) << c.name;
    if (c.error == 0) {
      EXPECT_EQ(got, c.number) << c.name;
    }
  }
}

TEST(VariantTest, ToIntegerRoundsHalfToEvenWithOverflowAndMismatchErrors) {
  struct Case {
    std::string_view name;
    std::function<std::int32_t()> convert;
    std::int32_t result;
    std::int32_t error;
  };
  const std::vector<Case> cases = {
      {"2.5 to 16 bits", [] { return Variant::Double(2.5).ToInt16(); }, 2, 0},
      {"3.5 to 16 bits", [] { return Variant::Single(3.5F).ToInt16(); }, 4, 0},
      {"text to 16 bits", [] { return Variant::String("2059").ToInt16(); }, 2059, 0},
      {"16-bit overflow", [] { return Variant::Double(32767.5).ToInt16(); }, 0, kOverflow},
      {"long too big for 16 bits", [] { return Variant::Long(70000).ToInt16(); }, 0, kOverflow},
      {"text too big for 16 bits", [] { return Variant::String("40000").ToInt16(); }, 0, kOverflow},
      {"NaN", [] { return Variant::Double(std::nan("")).ToInt32(); }, 0, kOverflow},
      {"32-bit from text", [] { return Variant::String("1863913.5").ToInt32(); }, 1863914, 0},
      {"32-bit overflow", [] { return Variant::Double(2147483648.0).ToInt32(); }, 0, kOverflow},
      {"letters", [] { return Variant::String("abc").ToInt32(); }, 0, kTypeMismatch},
  };
  for (const Case& c : cases) {
    std::int32_t got = 0;
    EXPECT_EQ(ErrorNumberOf([&] { got = c.convert(); }), c.error) << c.name;
    if (c.error == 0) {
      EXPECT_EQ(got, c.result) << c.name;
    }
  }
}

TEST(VariantTest, ToBooleanTakesAnyNonZeroNumberAsTrue) {
  struct Case {
    std::string_view name;
    Variant value;
    std::int16_t result;
    std::int32_t error;
  };
  const std::vector<Case> cases = {
      {"text True", Variant::String("True"), -1, 0},
      {"text False", Variant::String("False"), 0, 0},
      {"numeric text", Variant::String("2"), -1, 0},
      {"lower-case text is no number", Variant::String("true"), 0, kTypeMismatch},
      {"integer 2", Variant::Integer(2), -1, 0},
      {"double zero", Variant::Double(0.0), 0, 0},
      {"negative zero", Variant::Double(-0.0), 0, 0},
      {"NaN is not zero", Variant::Double(std::nan("")), -1, 0},
      {"empty", Variant(), 0, 0},
      {"font", Variant::Font(kTahoma), 0, kTypeMismatch},
  };
  for (const Case& c : cases) {
    std::int16_t got = 0;
    EXPECT_EQ(ErrorNumberOf([&] { got = c.value.ToBoolean(); }), c.error) << c.name;
    if (c.error == 0) {
      EXPECT_EQ(got, c.result) << c.name;
    }
  }
}

TEST(VariantTest, ToStringWritesTheShortestFormOfItsOwnPrecision) {
  struct Case {
    std::string_view name;
    Variant value;
    std::string text;
  };
  const std::vector<Case> cases = {
      {"empty", Variant(), ""},
      {"true", Variant::Boolean(true), "True"},
      {"false", Variant::Boolean(false), "False"},
      {"other boolean bits", Variant::Boolean(std::int16_t{1}), "1"},
      {"integer", Variant::Integer(-32768), "-32768"},
      {"long", Variant::Long(1863913), "1863913"},
      {"single as a single", Variant::Single(15.18F), "15.18"},
      {"double", Variant::Double(2452378.5), "2452378.5"},
      {"double 0.1", Variant::Double(0.1), "0.1"},
      {"the single 0.1 as a double", Variant::Double(static_cast<double>(0.1F)),
       "0.10000000149011612"},
      {"text",
       Variant::String("2059\xC3\xB7"
                       "01"),
       "2059\xC3\xB7"
       "01"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.value.ToString(), c.text) << c.name;
  EXPECT_EQ(ErrorNumberOf([] { (void)Variant::Font(kTahoma).ToString(); }), kTypeMismatch);
}

TEST(VariantTest, ToFontAcceptsOnlyAFont) {
  EXPECT_EQ(Variant::Font(kTahoma).ToFont(), kTahoma);
  EXPECT_EQ(ErrorNumberOf([] { (void)Variant::String("Tahoma").ToFont(); }), kTypeMismatch);
  EXPECT_EQ(ErrorNumberOf([] { (void)Variant().ToFont(); }), kTypeMismatch);
}

TEST(VariantTest, EqualityComparesNumbersByValueAndEverythingElseByContent) {
  const FontRef other_tahoma = std::make_shared<Font>();
  struct Case {
    std::string_view name;
    Variant a, b;
    bool equal;
  };
  const std::vector<Case> cases = {
      {"integer -1 and true", Variant::Integer(-1), Variant::Boolean(true), true},
      {"integer and double", Variant::Integer(1), Variant::Double(1.0), true},
      {"long and single", Variant::Long(3), Variant::Single(3.0F), true},
      {"single 0.1 and double 0.1", Variant::Single(0.1F), Variant::Double(0.1), false},
      {"text never equals a number", Variant::String("1"), Variant::Integer(1), false},
      {"same texts", Variant::String("a"), Variant::String("a"), true},
      {"different texts", Variant::String("a"), Variant::String("A"), false},
      {"empty and empty", Variant(), Variant(), true},
      {"empty and zero", Variant(), Variant::Integer(0), false},
      {"empty and empty text", Variant(), Variant::String(""), false},
      {"same font object", Variant::Font(kTahoma), Variant::Font(kTahoma), true},
      {"equal fonts, other objects", Variant::Font(kTahoma), Variant::Font(other_tahoma), false},
      {"NaN is unequal to itself", Variant::Double(std::nan("")), Variant::Double(std::nan("")),
       false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.a == c.b, c.equal) << c.name;
    EXPECT_EQ(c.b == c.a, c.equal) << c.name << " (reversed)";
  }
}

}  // namespace
}  // namespace sauramiti
