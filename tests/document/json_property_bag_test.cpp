#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/document/json_property_bag.hpp>
#include <string>
#include <vector>

namespace sauramiti::document {
namespace {

using Limits = std::numeric_limits<double>;
constexpr float kSingleNaN = std::numeric_limits<float>::quiet_NaN();

// What `action` raised: the message of the error type expected, or "no error".
template <class Error, class Action>
std::string MessageOf(Action action) {
  try {
    action();
  } catch (const Error& error) {
    return error.what();
  }
  return "no error";
}

FontRef MakeFont(Font font) { return std::make_shared<Font>(std::move(font)); }

bool SameBits(double a, double b) {
  return std::isnan(a) ? std::isnan(b)
                       : std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// Same type and value: numbers bit for bit (-0 is not 0, NaN matches NaN), fonts by traits.
bool SameStoredValue(const Variant& a, const Variant& b) {
  if (a.Type() != b.Type()) return false;
  if (a.IsNumeric()) return SameBits(a.ToDouble(), b.ToDouble());
  if (a.Type() == VariantType::String) return a.StringValue() == b.StringValue();
  if (a.Type() != VariantType::Font) return true;
  const Font* x = a.FontValue().get();
  const Font* y = b.FontValue().get();
  if (x == nullptr || y == nullptr) return x == y;
  return x->name == y->name && SameBits(x->size, y->size) && x->bold == y->bold &&
         x->italic == y->italic && x->underline == y->underline &&
         x->strikethrough == y->strikethrough;
}

TEST(JsonPropertyBagTest, EveryValueComesBackAsItsOwnTypeThroughText) {
  // clang-format off
  const struct { const char* name; Variant value; } cases[] = {
      {"Empty", Variant()},
      {"Boolean bits the control kept", Variant::Boolean(std::int16_t{5})},
      {"Single negative zero", Variant::Single(-0.0F)},
      {"Single NaN", Variant::Single(kSingleNaN)},
      {"Double minus infinity", Variant::Double(-Limits::infinity())},
      {"String with quotes and a NUL", Variant::String(std::string("\"a\\b\"\n\0z", 9))},
      {"String that looks like a tag", Variant::String("NaN")},
      {"Font with every style", Variant::Font(MakeFont({"K", 11.25F, true, true, true, true}))},
      {"no font object", Variant::Font(nullptr)},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    JsonPropertyBag bag;
    bag.WriteProperty("key", c.value, c.value.IsEmpty() ? Variant::String("x") : Variant());
    const std::string text = bag.ToJsonText();
    JsonPropertyBag loaded = JsonPropertyBag::FromJsonText(text, "memory");
    EXPECT_TRUE(SameStoredValue(c.value, loaded.ReadProperty("key", Variant::String("gone"))))
        << text;
  }
}

// The bag compares as Variant's == does (text_variant_test): by value across number types, so
// true and -1 are one setting, and never a text with a number.
TEST(JsonPropertyBagTest, AValueEqualToItsDefaultIsNotStored) {
  // clang-format off
  const struct { const char* name; Variant value, defaultValue; bool stored; } cases[] = {
      {"Boolean true against Integer -1", Variant::Boolean(true), Variant::Integer(-1), false},
      {"a text never equals a number", Variant::String("0"), Variant::Integer(0), true},
  };
  // clang-format on
  for (const auto& c : cases) {
    JsonPropertyBag bag;
    bag.WriteProperty("key", c.value, c.defaultValue);
    EXPECT_EQ(bag.Contains("key"), c.stored) << c.name;
  }
}

TEST(JsonPropertyBagTest, KeysKeepTheirPlaceTheDefaultRemovesOneAndFontsAreCopied) {
  JsonPropertyBag bag;
  const Variant none;
  bag.WriteProperty("English", Variant::Integer(0), none);
  bag.WriteProperty("MaxYear", Variant::Integer(2090), none);
  bag.WriteProperty("Value", Variant::String("x"), none);
  bag.WriteProperty("English", Variant::Integer(1), none);  // keeps its place
  bag.WriteProperty("MaxYear", none, none);                 // leaves
  EXPECT_EQ(bag.ReadProperty("MaxYear", Variant::Integer(7)).IntegerValue(), 7);
  EXPECT_EQ(bag.LastKeyRead(), "MaxYear") << "an absent key counts as read too";
  bag.WriteProperty("MaxYear", Variant::Integer(2091), none);
  EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"English", "Value", "MaxYear"}));
  // A font is stored as it was when written, and every read hands out a new object.
  const FontRef font = MakeFont({"Tahoma", 8.25F});
  bag.WriteProperty("EnglishFont", Variant::Font(font), none);
  font->name = "Changed later";
  const FontRef read = bag.ReadProperty("EnglishFont", none).FontValue();
  EXPECT_EQ(read->name, "Tahoma");
  EXPECT_NE(read.get(), bag.ReadProperty("EnglishFont", none).FontValue().get());
}

TEST(JsonPropertyBagTest, TextThatIsNotUtf8IsRefusedWithError5AndStoresNothing) {
  // clang-format off
  const struct { std::string key; Variant value; } cases[] = {
      {"Value", Variant::String("2059\xFF")},
      {"EnglishFont", Variant::Font(MakeFont({"Ta\x80homa", 8.25F}))},
      {"Val\xFE", Variant::Integer(1)},
  };
  // clang-format on
  for (const auto& c : cases) {
    JsonPropertyBag bag;
    bag.WriteProperty("Value", Variant::Integer(7), Variant());
    EXPECT_EQ(MessageOf<RuntimeError>([&] { bag.WriteProperty(c.key, c.value, {}); }),
              RuntimeError(kInvalidProcedureCall).what())
        << c.key;
    EXPECT_EQ(bag.Keys(), std::vector<std::string>{"Value"}) << c.key;
    EXPECT_TRUE(SameStoredValue(bag.ReadProperty("Value", {}), Variant::Integer(7))) << c.key;
  }
}

TEST(JsonPropertyBagTest, ACorruptDocumentNamesTheSourceTheKeyAndTheFault) {
  // clang-format off
  const struct { const char* name; std::string text, expected; } cases[] = {
      {"not JSON", "English = true", ": not valid JSON at byte 1"},
      {"cut short (35 bytes)", R"({"MinYear": {"type": "Integer", "va)", "JSON at byte 36"},
      {"an Integer above 16 bits", R"({"MinYear": {"type": "Integer", "value": 32768}})",
       "key \"MinYear\": an Integer value must be a whole number from -32768 to 32767"},
      {"a Single too large", R"({"S": {"type": "Single", "value": 1e39}})", "range of a Single"},
      {"a key twice", R"({"M": {"type": "Empty"}, "M": {"type": "Empty"}})", "\"M\" appears twice"},
      {"the bad key after good ones",
       R"({"English": {"type": "Empty"}, "Separator": {"type": "Long"}})",
       "key \"Separator\": missing \"value\""},
      {"a key with a quote in it", R"({"a\"b": 1})", R"(key "a\"b")"},
  };
  // clang-format on
  for (const auto& c : cases) {
    const std::string message =
        MessageOf<DocumentError>([&] { JsonPropertyBag::FromJsonText(c.text, "saved.json"); });
    EXPECT_EQ(message.rfind("saved.json: ", 0), 0U) << c.name << ": " << message;
    EXPECT_NE(message.find(c.expected), std::string::npos) << c.name << ": " << message;
  }
}

TEST(JsonPropertyBagTest, AcceptsAZeroFractionFontsWithoutStylesAndSpeltInfinities) {
  JsonPropertyBag bag = JsonPropertyBag::FromJsonText(
      R"({"I": {"type": "Integer", "value": 2100.0}, "F": {"type": "Font", "name": "T", "size": 8},
          "D": {"type": "Double", "value": "-Infinity"}})",
      "memory");
  EXPECT_TRUE(SameStoredValue(bag.ReadProperty("I", {}), Variant::Integer(2100)));
  EXPECT_TRUE(SameStoredValue(bag.ReadProperty("F", {}), Variant::Font(MakeFont({"T", 8.0F}))));
  EXPECT_TRUE(SameStoredValue(bag.ReadProperty("D", {}), Variant::Double(-Limits::infinity())));
}

}  // namespace
}  // namespace sauramiti::document
