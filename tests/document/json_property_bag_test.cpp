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

#include "temporary_directory.hpp"

namespace sauramiti::document {
namespace {

FontRef MakeFont(Font font) { return std::make_shared<Font>(std::move(font)); }

bool SameBits(double a, double b) {
  return std::isnan(a) ? std::isnan(b)
                       : std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// Same type and same value: numbers bit for bit (every numeric type widens to a double exactly,
// so -0 differs from 0 and NaN matches NaN), fonts by their characteristics.
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

struct RoundTripCase {
  const char* name;
  Variant value;
};

std::vector<RoundTripCase> EveryKindOfValue() {
  constexpr float kSingleNaN = std::numeric_limits<float>::quiet_NaN();
  constexpr float kSingleInfinity = std::numeric_limits<float>::infinity();
  constexpr double kDoubleInfinity = std::numeric_limits<double>::infinity();
  return {
      {"Empty", Variant()},
      {"Boolean true", Variant::Boolean(true)},
      {"Boolean false", Variant::Boolean(false)},
      {"Boolean kept bits", Variant::Boolean(std::int16_t{5})},
      {"Integer lowest", Variant::Integer(-32768)},
      {"Integer highest", Variant::Integer(32767)},
      {"Long lowest", Variant::Long(std::numeric_limits<std::int32_t>::min())},
      {"Long highest", Variant::Long(std::numeric_limits<std::int32_t>::max())},
      {"Single panel font", Variant::Single(15.18F)},
      {"Single negative zero", Variant::Single(-0.0F)},
      {"Single largest", Variant::Single(std::numeric_limits<float>::max())},
      {"Single smallest denormal", Variant::Single(std::numeric_limits<float>::denorm_min())},
      {"Single NaN", Variant::Single(kSingleNaN)},
      {"Single infinity", Variant::Single(kSingleInfinity)},
      {"Double Julian day", Variant::Double(2452378.5)},
      {"Double whole", Variant::Double(2000000.0)},
      {"Double negative zero", Variant::Double(-0.0)},
      {"Double largest", Variant::Double(std::numeric_limits<double>::max())},
      {"Double smallest denormal", Variant::Double(std::numeric_limits<double>::denorm_min())},
      {"Double NaN", Variant::Double(std::numeric_limits<double>::quiet_NaN())},
      {"Double infinity", Variant::Double(kDoubleInfinity)},
      {"Double minus infinity", Variant::Double(-kDoubleInfinity)},
      {"String with division signs", Variant::String("2059\xC3\xB7"
                                                     "01\xC3\xB7"
                                                     "01\xC3\xB7"
                                                     "1")},
      {"String with quotes and controls", Variant::String(std::string("\"a\\b\"\n\0z", 9))},
      {"String that looks like a tag", Variant::String("NaN")},
      {"Font", Variant::Font(MakeFont({"Tahoma", 8.25F}))},
      {"Font with every style",
       Variant::Font(MakeFont({"Kalimati", 11.25F, true, true, true, true}))},
      {"Font with NaN size", Variant::Font(MakeFont({"Preeti", kSingleNaN}))},
      {"no font object", Variant::Font(nullptr)},
  };
}

// A default that no value of the table equals, so that every value is stored.
Variant DefaultThatDiffers(const Variant& value) {
  return value.IsEmpty() ? Variant::String("not empty") : Variant();
}

TEST(JsonPropertyBagTest, EveryValueComesBackAsItsOwnTypeThroughText) {
  for (const RoundTripCase& c : EveryKindOfValue()) {
    JsonPropertyBag bag;
    bag.WriteProperty("key", c.value, DefaultThatDiffers(c.value));
    ASSERT_TRUE(bag.Contains("key")) << c.name;
    const std::string text = bag.ToJsonText();
    JsonPropertyBag loaded = JsonPropertyBag::FromJsonText(text, "memory");
    const Variant back = loaded.ReadProperty("key", Variant::String("missing"));
    EXPECT_TRUE(SameStoredValue(c.value, back)) << c.name << "\n" << text;
    EXPECT_EQ(loaded.ToJsonText(), text) << c.name << ": a second save writes the same text";
  }
}

TEST(JsonPropertyBagTest, TheDocumentIsReadableJson) {
  JsonPropertyBag bag;
  bag.WriteProperty("MaxYear", Variant::String("2090"), Variant::Integer(2100));
  bag.WriteProperty("EnglishFont", Variant::Font(MakeFont({"Tahoma", 8.25F, true})), Variant());
  bag.WriteProperty("PanelSize", Variant::Single(15.18F), Variant());
  bag.WriteProperty("JulianDate", Variant::Double(std::numeric_limits<double>::infinity()),
                    Variant::Integer(0));
  EXPECT_EQ(bag.ToJsonText(), R"({
  "MaxYear": {
    "type": "String",
    "value": "2090"
  },
  "EnglishFont": {
    "type": "Font",
    "name": "Tahoma",
    "size": 8.25,
    "bold": true,
    "italic": false,
    "underline": false,
    "strikethrough": false
  },
  "PanelSize": {
    "type": "Single",
    "value": 15.18
  },
  "JulianDate": {
    "type": "Double",
    "value": "Infinity"
  }
}
)");
  EXPECT_EQ(JsonPropertyBag().ToJsonText(), "{}\n");
}

struct DefaultCase {
  const char* name;
  Variant value;
  Variant defaultValue;
  bool stored;
};

TEST(JsonPropertyBagTest, AValueEqualToItsDefaultIsNotStored) {
  const FontRef shared = MakeFont({"Tahoma", 8.25F});
  const std::vector<DefaultCase> cases = {
      {"Boolean true against Integer -1", Variant::Boolean(true), Variant::Integer(-1), false},
      {"Integer against equal Long", Variant::Integer(2100), Variant::Long(2100), false},
      {"Empty against Empty", Variant(), Variant(), false},
      {"the same font object", Variant::Font(shared), Variant::Font(shared), false},
      {"a text never equals a number", Variant::String("0"), Variant::Integer(0), true},
      {"Empty against the empty text", Variant(), Variant::String(""), true},
      {"an equal but other font object", Variant::Font(MakeFont({"Tahoma", 8.25F})),
       Variant::Font(shared), true},
      {"NaN against NaN", Variant::Double(NAN), Variant::Double(NAN), true},
  };
  for (const DefaultCase& c : cases) {
    JsonPropertyBag bag;
    bag.WriteProperty("key", c.value, c.defaultValue);
    EXPECT_EQ(bag.Contains("key"), c.stored) << c.name;
  }
}

TEST(JsonPropertyBagTest, WritingTheDefaultRemovesAStoredValue) {
  JsonPropertyBag bag;
  bag.WriteProperty("MinYear", Variant::Integer(2050), Variant::Integer(2000));
  bag.WriteProperty("MinYear", Variant::Integer(2000), Variant::Integer(2000));
  EXPECT_FALSE(bag.Contains("MinYear"));
  EXPECT_EQ(bag.ReadProperty("MinYear", Variant::Integer(2000)).IntegerValue(), 2000);
}

TEST(JsonPropertyBagTest, KeysKeepTheOrderTheyWereFirstWritten) {
  JsonPropertyBag bag;
  const Variant none;
  bag.WriteProperty("English", Variant::Integer(0), none);
  bag.WriteProperty("MaxYear", Variant::Integer(2090), none);
  bag.WriteProperty("Value", Variant::String("x"), none);
  bag.WriteProperty("English", Variant::Integer(1), none);  // keeps its place
  bag.WriteProperty("MaxYear", none, none);                 // leaves
  bag.WriteProperty("MaxYear", Variant::Integer(2091), none);
  EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"English", "Value", "MaxYear"}));
  EXPECT_EQ(JsonPropertyBag::FromJsonText(bag.ToJsonText(), "memory").Keys(), bag.Keys());
}

TEST(JsonPropertyBagTest, RemembersTheLastKeyRead) {
  JsonPropertyBag bag;
  EXPECT_EQ(bag.LastKeyRead(), "");
  bag.WriteProperty("MinYear", Variant::String("abc"), Variant::Integer(2000));
  bag.ReadProperty("English", Variant::Integer(-1));
  EXPECT_EQ(bag.LastKeyRead(), "English") << "an absent key counts too";
  const Variant minYear = bag.ReadProperty("MinYear", Variant::Integer(2000));
  EXPECT_EQ(bag.LastKeyRead(), "MinYear");
  try {
    (void)minYear.ToInt16();
    ADD_FAILURE() << "a text that is no number converts";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), kTypeMismatch);
    EXPECT_EQ(bag.LastKeyRead(), "MinYear") << "the caller can still name the key";
  }
}

TEST(JsonPropertyBagTest, AFontIsStoredAsItWasWhenWritten) {
  const FontRef font = MakeFont({"Tahoma", 8.25F});
  JsonPropertyBag bag;
  bag.WriteProperty("EnglishFont", Variant::Font(font), Variant());
  font->name = "Changed later";
  const FontRef first = bag.ReadProperty("EnglishFont", Variant()).FontValue();
  const FontRef second = bag.ReadProperty("EnglishFont", Variant()).FontValue();
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->name, "Tahoma");
  EXPECT_NE(first.get(), font.get());
  EXPECT_NE(first.get(), second.get()) << "every read hands over a font object of its own";
}

TEST(JsonPropertyBagTest, RefusesTextThatIsNotUtf8) {
  struct RefusedCase {
    const char* name;
    std::string key;
    Variant value;
  };
  const std::vector<RefusedCase> cases = {
      {"a stray byte in a text", "Value", Variant::String("2059\xFF")},
      {"a font name", "EnglishFont", Variant::Font(MakeFont({"Ta\x80homa", 8.25F}))},
      {"a key", "Val\xFE", Variant::Integer(1)},
  };
  for (const RefusedCase& c : cases) {
    JsonPropertyBag bag;
    bag.WriteProperty("Value", Variant::Integer(7), Variant());
    bag.WriteProperty("EnglishFont", Variant::Integer(7), Variant());
    try {
      bag.WriteProperty(c.key, c.value, Variant());
      ADD_FAILURE() << c.name << ": accepted";
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.Number(), kInvalidProcedureCall) << c.name;
    }
    EXPECT_EQ(bag.Keys(), (std::vector<std::string>{"Value", "EnglishFont"})) << c.name;
    EXPECT_EQ(bag.ReadProperty("Value", Variant()).IntegerValue(), 7) << c.name << ": kept";
    EXPECT_EQ(bag.ReadProperty("EnglishFont", Variant()).IntegerValue(), 7) << c.name;
    EXPECT_NO_THROW((void)bag.ToJsonText()) << c.name;
  }
}

}  // namespace
}  // namespace sauramiti::document
