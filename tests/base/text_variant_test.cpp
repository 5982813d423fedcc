// Texts and Variants. Every position and length in a text counts UTF-8 characters, a stray byte
// being one character. A Variant converts numbers and whole numeric texts, rounds halves to even,
// and calls anything that is no number a type mismatch (13); equality compares numbers by value.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sauramiti/base/utf8_text.hpp>
#include <sauramiti/base/variant.hpp>
#include <string>
#include <tests/base/outcome.hpp>
#include <vector>

namespace sauramiti {
namespace {

using testing::ExpectRows;

#define DIV "\xC3\xB7"  // the division sign, U+00F7, in UTF-8
constexpr std::string_view kValue = "2059" DIV "01" DIV "01" DIV "1";

const FontRef kTahoma = std::make_shared<Font>();
using V = Variant;

TEST(VariantTest, ConversionsOfEachKind) {
  ExpectRows({{OUTCOME(V::Boolean(std::int16_t{5}).ToDouble()), "5"},
              {OUTCOME(V::String(" 12 ").ToDouble()), "12"},
              {OUTCOME(V::String("2e3").ToDouble()), "2000"},
              {OUTCOME(V::String("12ab").ToDouble()), "error 13"},
              {OUTCOME(V::Font(kTahoma).ToDouble()), "error 13"},
              {OUTCOME(V::Double(2.5).ToInt16()), "2"},
              {OUTCOME(V::Single(3.5F).ToInt16()), "4"},
              {OUTCOME(V::String("40000").ToInt16()), "error 6"},
              {OUTCOME(V::String("1863913.5").ToInt32()), "1863914"},
              {OUTCOME(V::Double(std::nan("")).ToInt32()), "error 6"},
              {OUTCOME(V::String("abc").ToInt32()), "error 13"},
              {OUTCOME(V::String("True").ToBoolean()), "-1"},
              {OUTCOME(V::String("true").ToBoolean()), "error 13"},
              {OUTCOME(V::Double(-0.0).ToBoolean()), "0"},
              {OUTCOME(V::Double(std::nan("")).ToBoolean()), "-1"},
              {OUTCOME(V::Boolean(true).ToString()), "True"},
              {OUTCOME(V::Boolean(std::int16_t{1}).ToString()), "1"},
              // Each number is written in the shortest form of its own precision.
              {OUTCOME(V::Single(15.18F).ToString()), "15.18"},
              {OUTCOME(V::Double(static_cast<double>(0.1F)).ToString()), "0.10000000149011612"},
              {OUTCOME(V::Double(2452378.5).ToString()), "2452378.5"},
              {OUTCOME(V::Font(kTahoma).ToString()), "error 13"},
              {OUTCOME(V::String("Tahoma").ToFont() == nullptr), "error 13"},
              {OUTCOME(V::Font(kTahoma).ToFont() == kTahoma), "1"}});
}

TEST(VariantTest, EqualityComparesNumbersByValueAndEverythingElseByContent) {
  const FontRef otherTahoma = std::make_shared<Font>();
  struct Case {
    std::string_view name;
    Variant a, b;
    bool equal;
  };
  const std::vector<Case> cases = {
      {"integer -1 and true", V::Integer(-1), V::Boolean(true), true},
      {"long and single", V::Long(3), V::Single(3.0F), true},
      {"single 0.1 and double 0.1", V::Single(0.1F), V::Double(0.1), false},
      {"text never equals a number", V::String("1"), V::Integer(1), false},
      {"empty and zero", V(), V::Integer(0), false},
      {"empty and empty text", V(), V::String(""), false},
      {"same font object", V::Font(kTahoma), V::Font(kTahoma), true},
      {"equal fonts, other objects", V::Font(kTahoma), V::Font(otherTahoma), false},
      {"NaN", V::Double(std::nan("")), V::Double(std::nan("")), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.a == c.b, c.equal) << c.name;
    EXPECT_EQ(c.b == c.a, c.equal) << c.name << " (reversed)";
  }
}

TEST(Utf8TextTest, PositionsAndLengthsCountCharacters) {
  ExpectRows({{OUTCOME(CharLength(kValue)), "12"},
              {OUTCOME(CharLength("\xE0\xA4")), "2"},
              {OUTCOME(CharLength("\xC0\x80\xF8\xFF")), "4"},
              {OUTCOME(CharMid(kValue, 5, 1)), DIV},
              {OUTCOME(CharMid(kValue, 12, 1)), "1"},
              {OUTCOME(CharMid(kValue, 13, 1)), ""},
              {OUTCOME(CharMid("a\xFF"
                               "b",
                               2, 1)),
               "\xFF"},
              {OUTCOME(CharLeft(kValue, 5)), "2059" DIV},
              {OUTCOME(CharDropRight(kValue, 2)), "2059" DIV "01" DIV "01"},
              {OUTCOME(CharDropRight("ab", 3)), ""},
              {OUTCOME(TrimBlanks("\ta\t")), "\ta\t"},
              // Replacement scans left to right and never looks again at what it wrote.
              {OUTCOME(ReplaceAll("a/b", "/", DIV)), "a" DIV "b"},
              {OUTCOME(ReplaceAll("aaa", "aa", "b")), "ba"},
              {OUTCOME(ReplaceAll("//", "/", "//")), "////"}});
}

}  // namespace
}  // namespace sauramiti
