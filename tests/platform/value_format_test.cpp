#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <sauramiti/platform/headless/json_string.hpp>
#include <sauramiti/platform/headless/value_format.hpp>
#include <string>
#include <vector>

namespace sauramiti::headless {
namespace {

struct QuoteCase {
  const char* name;
  std::string text;
  std::string quoted;
};

TEST(QuoteJsonStringTest, EscapesOnlyWhatJsonMust) {
  const std::vector<QuoteCase> cases = {
      {"plain", "2059/01/01/1", R"("2059/01/01/1")"},
      {"empty", "", R"("")"},
      {"quote and backslash", R"(a"b\c)", R"("a\"b\\c")"},
      {"division sign passes as UTF-8",
       "2059\xC3\xB7"
       "01",
       "\"2059\xC3\xB7"
       "01\""},
      {"Devanagari passes", "\xE0\xA4\xA8", "\"\xE0\xA4\xA8\""},
      {"named escapes", "\b\f\n\r\t", R"("\b\f\n\r\t")"},
      {"other control characters", std::string("\x01\x1F", 2), R"("\u0001\u001f")"},
      {"NUL is a character", std::string("a\0b", 3), R"("a\u0000b")"},
      {"DEL and slash are not escaped", "\x7F/", "\"\x7F/\""},
      {"a stray byte is copied", "\xFF", "\"\xFF\""},
  };
  for (const QuoteCase& c : cases) EXPECT_EQ(QuoteJsonString(c.text), c.quoted) << c.name;
}

struct GetCase {
  const char* name;
  Variant value;
  std::string printed;
};

TEST(FormatVariantForGetTest, PrintsTypeAndShortestValue) {
  const std::vector<GetCase> cases = {
      {"empty", Variant(), "Empty"},
      {"true", Variant::Boolean(true), "Boolean True"},
      {"false", Variant::Boolean(false), "Boolean False"},
      {"other Boolean bits", Variant::Boolean(std::int16_t{5}), "Boolean 5"},
      {"Boolean 1 is not True", Variant::Boolean(std::int16_t{1}), "Boolean 1"},
      {"Integer", Variant::Integer(2100), "Integer 2100"},
      {"negative Integer", Variant::Integer(-32768), "Integer -32768"},
      {"Long", Variant::Long(1863913), "Long 1863913"},
      {"Single as a single", Variant::Single(15.18F), "Single 15.18"},
      {"Single header width", Variant::Single(685.5714F), "Single 685.5714"},
      {"Single header height", Variant::Single(579.8333F), "Single 579.8333"},
      {"Single NaN", Variant::Single(std::numeric_limits<float>::quiet_NaN()), "Single nan"},
      {"Double", Variant::Double(2452378.5), "Double 2452378.5"},
      {"Double as a double", Variant::Double(15.18), "Double 15.18"},
      {"Double of a single's value", Variant::Double(15.18F), "Double 15.180000305175781"},
      {"Double minus infinity", Variant::Double(-std::numeric_limits<double>::infinity()),
       "Double -inf"},
      {"Double large", Variant::Double(2e6), "Double 2e+06"},
      {"String", Variant::String("2059/01/01/1"), R"(String "2059/01/01/1")"},
      {"String escaped", Variant::String("say \"hi\"\n"), R"(String "say \"hi\"\n")"},
      {"Font", Variant::Font(std::make_shared<Font>(Font{"Tahoma", 8.25F})),
       R"(Font "Tahoma" 8.25)"},
      {"Font escaped name", Variant::Font(std::make_shared<Font>(Font{"A\"B", 12.0F})),
       R"(Font "A\"B" 12)"},
      {"no font object", Variant::Font(nullptr), "Font Nothing"},
  };
  for (const GetCase& c : cases) EXPECT_EQ(FormatVariantForGet(c.value), c.printed) << c.name;
}

TEST(FormatColorTest, EightUpperCaseHexDigits) {
  struct ColorCase {
    platform::Color color;
    const char* printed;
  };
  for (const ColorCase c :
       {ColorCase{0x8000000FU, "0x8000000F"}, ColorCase{0U, "0x00000000"},
        ColorCase{0x00C0C0FFU, "0x00C0C0FF"}, ColorCase{0xFFFFFFFFU, "0xFFFFFFFF"},
        ColorCase{0x00ABCDEFU, "0x00ABCDEF"}}) {
    EXPECT_EQ(FormatColor(c.color), c.printed);
  }
}

}  // namespace
}  // namespace sauramiti::headless
