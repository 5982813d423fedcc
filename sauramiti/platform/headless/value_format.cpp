#include <array>
#include <charconv>
#include <sauramiti/base/json_string.hpp>
#include <sauramiti/base/number_text.hpp>
#include <sauramiti/platform/headless/value_format.hpp>

namespace sauramiti::headless {

std::string FormatSingle(float value) { return ShortestText(value); }

std::string FormatDouble(double value) { return ShortestText(value); }

std::string FormatBoolean(bool value) { return value ? "True" : "False"; }

std::string FormatBooleanBits(std::int16_t bits) {
  if (bits == -1) return "True";
  if (bits == 0) return "False";
  return std::to_string(bits);
}

std::string FormatColor(platform::Color color) {
  static constexpr std::array<char, 16> kHexDigits = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                      '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
  std::string text = "0x";
  for (int shift = 28; shift >= 0; shift -= 4) {
    text.push_back(kHexDigits[(color >> static_cast<unsigned>(shift)) & 0x0FU]);
  }
  return text;
}

std::string FormatVariantForGet(const Variant& value) {
  std::string type = TypeName(value.Type());
  switch (value.Type()) {
    case VariantType::Empty:
      return type;
    case VariantType::Boolean:
      return type + ' ' + FormatBooleanBits(value.BooleanBits());
    case VariantType::Integer:
      return type + ' ' + std::to_string(value.IntegerValue());
    case VariantType::Long:
      return type + ' ' + std::to_string(value.LongValue());
    case VariantType::Single:
      return type + ' ' + FormatSingle(value.SingleValue());
    case VariantType::Double:
      return type + ' ' + FormatDouble(value.DoubleValue());
    case VariantType::String:
      return type + ' ' + QuoteJsonString(value.StringValue());
    case VariantType::Font: {
      const FontRef& font = value.FontValue();
      if (!font) return type + " Nothing";
      return type + ' ' + QuoteJsonString(font->name) + ' ' + FormatSingle(font->size);
    }
  }
  return type;
}

}  // namespace sauramiti::headless
