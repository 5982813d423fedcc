#include <gtest/gtest.h>

#include <cli/script_value.hpp>
#include <cli/script_words.hpp>
#include <initializer_list>
#include <sauramiti/base/runtime_error.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace sauramiti::cli {
namespace {

struct SplitCase {
  std::string_view name;
  std::string_view line;
  std::vector<std::string> words;
};

std::vector<std::string> Texts(const std::vector<ScriptWord>& words) {
  std::vector<std::string> texts;
  for (const ScriptWord& word : words) texts.push_back((word.quoted ? "Q:" : "") + word.text);
  return texts;
}

TEST(SplitScriptLineTest, BlanksSeparateWordsExceptInsideStrings) {
  const std::initializer_list<SplitCase> cases = {
      {"plain words", "get  Value", {"get", "Value"}},
      {"tabs and edges", "\tlet\tMinYear 3 ", {"let", "MinYear", "3"}},
      {"a string with blanks", "let ToolTipText \"a b\"", {"let", "ToolTipText", "Q:\"a b\""}},
      {"an escaped quote stays inside", R"(x "a\" b")", {"x", R"(Q:"a\" b")"}},
      {"a quote inside a plain word", "call a\"b", {"call", "a\"b"}},
      {"the empty string", "let Value \"\"", {"let", "Value", "Q:\"\""}},
      {"nothing", "   ", {}},
  };
  for (const SplitCase& c : cases) {
    EXPECT_EQ(Texts(SplitScriptLine(c.line)), c.words) << c.name;
  }
}

TEST(SplitScriptLineTest, StringsMustBeClosedAndStandAlone) {
  for (const std::string_view line : {"let Value \"open", "let Value \"a\\\"", "x \"a\"b"}) {
    EXPECT_THROW(SplitScriptLine(line), ScriptLineError) << line;
  }
}

struct DecodeCase {
  std::string_view name;
  std::string_view literal;
  std::string_view text;
};

TEST(DecodeJsonStringTest, EscapesGiveUtf8) {
  const std::initializer_list<DecodeCase> cases = {
      {"plain", R"("2059/01/01/1")", "2059/01/01/1"},
      {"short escapes", R"("\"\\\/\b\f\n\r\t")", "\"\\/\b\f\n\r\t"},
      {"two-byte character", R"("\u00f7")", "÷"},
      {"Devanagari", R"("\u0915\u094D")", "क्"},
      {"surrogate pair", R"("\ud83d\ude00")", "\xF0\x9F\x98\x80"},
      {"a NUL character", R"("a\u0000b")", std::string_view("a\0b", 3)},
      {"raw UTF-8 and stray bytes are kept", "\"÷\xFF\"", "÷\xFF"},
  };
  for (const DecodeCase& c : cases) {
    EXPECT_EQ(DecodeJsonString(c.literal), c.text) << c.name;
  }
}

TEST(DecodeJsonStringTest, MalformedLiteralsAreRejected) {
  for (const std::string_view literal :
       {R"("\x")", R"("\u12")", R"("\u12G4")", R"("\ud800")", R"("\ud800\u0041")", R"("\udc00")",
        "\"a\tb\"", "\"abc", "abc\""}) {
    EXPECT_THROW(DecodeJsonString(literal), ScriptLineError) << literal;
  }
}

struct ValueCase {
  std::string_view name;
  std::vector<ScriptWord> words;
  Variant expected;
};

TEST(ParseScriptValueTest, EachFormGivesItsType) {
  const std::initializer_list<ValueCase> cases = {
      {"True", {{"True", false}}, Variant::Boolean(true)},
      {"False", {{"False", false}}, Variant::Boolean(false)},
      {"16-bit integer", {{"-32768", false}}, Variant::Integer(-32768)},
      {"just beyond 16 bits", {{"32768", false}}, Variant::Long(32768)},
      {"32-bit integer", {{"-2147483648", false}}, Variant::Long(-2147483647 - 1)},
      {"beyond 32 bits", {{"2147483648", false}}, Variant::Double(2147483648.0)},
      {"a point makes a Double", {{"5.0", false}}, Variant::Double(5.0)},
      {"an exponent makes a Double", {{"1e3", false}}, Variant::Double(1000.0)},
      {"leading point", {{"-.5", false}}, Variant::Double(-0.5)},
      {"a string", {{"\"2090\"", true}}, Variant::String("2090")},
  };
  for (const ValueCase& c : cases) {
    const Variant value = ParseScriptValue(c.words);
    EXPECT_EQ(value.Type(), c.expected.Type()) << c.name;
    EXPECT_TRUE(value == c.expected) << c.name;
  }
}

TEST(ParseScriptValueTest, FontsAreNewObjectsWithNameAndSize) {
  const std::vector<ScriptWord> words = {
      {"font", false}, {"\"MS Sans Serif\"", true}, {"9.75", false}};
  const Variant first = ParseScriptValue(words);
  const Variant second = ParseScriptValue(words);
  ASSERT_EQ(first.Type(), VariantType::Font);
  EXPECT_EQ(first.FontValue()->name, "MS Sans Serif");
  EXPECT_EQ(first.FontValue()->size, 9.75F);
  EXPECT_FALSE(first.FontValue()->bold);
  EXPECT_NE(first.FontValue(), second.FontValue());
}

TEST(ParseScriptValueTest, OtherWordsAreNoValue) {
  const std::initializer_list<std::vector<ScriptWord>> cases = {
      {},
      {{"true", false}},
      {{"12abc", false}},
      {{"1.", false}, {"2", false}},
      {{"0x10", false}},
      {{"font", false}, {"Arial", false}, {"9", false}},
      {{"font", false}, {"\"Arial\"", true}},
      {{"font", false}, {"\"Arial\"", true}, {"big", false}},
  };
  for (const std::vector<ScriptWord>& words : cases) {
    EXPECT_THROW(ParseScriptValue(words), ScriptLineError) << Texts(words).size();
  }
}

TEST(ParseScriptValueTest, NumbersTooLargeOverflow) {
  for (const std::vector<ScriptWord>& words :
       {std::vector<ScriptWord>{{"1e400", false}},
        std::vector<ScriptWord>{{"font", false}, {"\"A\"", true}, {"1e39", false}}}) {
    try {
      ParseScriptValue(words);
      ADD_FAILURE() << words.front().text << " should overflow";
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.Number(), 6);
    }
  }
}

}  // namespace
}  // namespace sauramiti::cli
