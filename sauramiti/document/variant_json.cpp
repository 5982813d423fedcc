#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <sauramiti/base/control_characters.hpp>
#include <sauramiti/base/number_text.hpp>
#include <sauramiti/document/variant_json.hpp>
#include <string>
#include <string_view>

namespace sauramiti::document {

namespace {

constexpr std::string_view kNaN = "NaN";
constexpr std::string_view kInfinity = "Infinity";
constexpr std::string_view kMinusInfinity = "-Infinity";

// A non-finite number as its text; nullopt for a finite one.
std::optional<Json> NonFiniteText(double value) {
  if (std::isnan(value)) return Json(kNaN);
  if (std::isinf(value)) return Json(value > 0 ? kInfinity : kMinusInfinity);
  return std::nullopt;
}

Json EncodeDouble(double value) { return NonFiniteText(value).value_or(Json(value)); }

// A single goes into JSON as the double that its own shortest decimal form names, so that the
// document shows 15.18 rather than 15.180000305175781. Reading that double back and rounding it
// to single precision gives the same single: a double carries more than twice a single's bits,
// so the two roundings agree with rounding the decimal straight to a single.
Json EncodeSingle(float value) {
  if (auto text = NonFiniteText(value)) return *text;
  const std::string text = ShortestText(value);
  double shortest = 0.0;
  DoubleFromChars(text.data(), text.data() + text.size(), shortest);
  return Json(shortest);
}

std::optional<double> DecodeDouble(const Json& json) {
  if (json.is_number()) return json.get<double>();
  if (json.is_string()) {
    const auto& text = json.get_ref<const std::string&>();
    if (text == kNaN) return std::numeric_limits<double>::quiet_NaN();
    if (text == kInfinity) return std::numeric_limits<double>::infinity();
    if (text == kMinusInfinity) return -std::numeric_limits<double>::infinity();
  }
  return std::nullopt;
}

std::optional<float> DecodeSingle(const Json& json) {
  const auto value = DecodeDouble(json);
  if (!value) return std::nullopt;
  // Finite doubles from the largest single plus half a unit in its last place upwards would
  // round to infinity: they are out of a single's range.
  constexpr double kOverflowEdge = 0x1.ffffffp127;
  if (std::isfinite(*value) && std::fabs(*value) >= kOverflowEdge) return std::nullopt;
  return static_cast<float>(*value);
}

// A whole number within [low, high], written as a JSON integer or as a number whose fraction
// is zero.
std::optional<std::int64_t> DecodeWhole(const Json& json, std::int64_t low, std::int64_t high) {
  if (json.is_number_unsigned()) {
    const auto value = json.get<std::uint64_t>();
    if (value > static_cast<std::uint64_t>(high)) return std::nullopt;
    return static_cast<std::int64_t>(value);
  }
  if (json.is_number_integer()) {
    const auto value = json.get<std::int64_t>();
    if (value < low || value > high) return std::nullopt;
    return value;
  }
  if (json.is_number_float()) {
    const double value = json.get<double>();
    if (value != std::trunc(value) || value < static_cast<double>(low) ||
        value > static_cast<double>(high)) {
      return std::nullopt;
    }
    return static_cast<std::int64_t>(value);
  }
  return std::nullopt;
}

constexpr std::int64_t kInt16Min = std::numeric_limits<std::int16_t>::min();
constexpr std::int64_t kInt16Max = std::numeric_limits<std::int16_t>::max();
constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

[[noreturn]] void Reject(const std::string& problem) { throw ValueShapeError(problem); }

// Every member of `json` must be one of `allowed`.
template <std::size_t N>
void RequireOnlyMembers(const Json& json, const std::array<std::string_view, N>& allowed) {
  for (const auto& member : json.items()) {
    bool known = false;
    for (const std::string_view name : allowed) known = known || member.key() == name;
    if (!known) Reject("unexpected member " + QuoteName(member.key()));
  }
}

const Json& RequireMember(const Json& json, std::string_view name) {
  const auto found = json.find(name);
  if (found == json.end()) Reject("missing " + QuoteName(name));
  return *found;
}

Json EncodeFont(const FontRef& font) {
  Json json = Json::object();
  json["type"] = TypeName(VariantType::Font);
  if (!font) {
    json["value"] = nullptr;
    return json;
  }
  json["name"] = font->name;
  json["size"] = EncodeSingle(font->size);
  json["bold"] = font->bold;
  json["italic"] = font->italic;
  json["underline"] = font->underline;
  json["strikethrough"] = font->strikethrough;
  return json;
}

Variant DecodeFont(const Json& json) {
  if (json.contains("value")) {
    RequireOnlyMembers(json, std::array<std::string_view, 2>{"type", "value"});
    if (!json["value"].is_null()) Reject("the \"value\" of a Font can only be null (no font)");
    return Variant::Font(nullptr);
  }
  RequireOnlyMembers(json, std::array<std::string_view, 7>{"type", "name", "size", "bold", "italic",
                                                           "underline", "strikethrough"});
  auto font = std::make_shared<Font>();
  const Json& name = RequireMember(json, "name");
  if (!name.is_string()) Reject("the \"name\" of a Font must be a string");
  font->name = name.get<std::string>();
  const auto size = DecodeSingle(RequireMember(json, "size"));
  if (!size) {
    Reject(
        "the \"size\" of a Font must be a number within the range of a Single, "
        "or \"NaN\", \"Infinity\" or \"-Infinity\"");
  }
  font->size = *size;
  const std::array<std::pair<std::string_view, bool*>, 4> flags = {
      {{"bold", &font->bold},
       {"italic", &font->italic},
       {"underline", &font->underline},
       {"strikethrough", &font->strikethrough}}};
  for (const auto& [flag, field] : flags) {
    const auto found = json.find(flag);
    if (found == json.end()) continue;
    if (!found->is_boolean()) Reject("the " + QuoteName(flag) + " of a Font must be true or false");
    *field = found->get<bool>();
  }
  return Variant::Font(std::move(font));
}

Variant DecodeTaggedValue(VariantType type, const Json& value) {
  switch (type) {
    case VariantType::Boolean:
      if (value.is_boolean()) return Variant::Boolean(value.get<bool>());
      if (const auto bits = DecodeWhole(value, kInt16Min, kInt16Max)) {
        return Variant::Boolean(static_cast<std::int16_t>(*bits));
      }
      Reject("a Boolean value must be true, false or a whole number from -32768 to 32767");
    case VariantType::Integer:
      if (const auto number = DecodeWhole(value, kInt16Min, kInt16Max)) {
        return Variant::Integer(static_cast<std::int16_t>(*number));
      }
      Reject("an Integer value must be a whole number from -32768 to 32767");
    case VariantType::Long:
      if (const auto number = DecodeWhole(value, kInt32Min, kInt32Max)) {
        return Variant::Long(static_cast<std::int32_t>(*number));
      }
      Reject("a Long value must be a whole number from -2147483648 to 2147483647");
    case VariantType::Single:
      if (const auto number = DecodeSingle(value)) return Variant::Single(*number);
      Reject(
          "a Single value must be a number within the range of a Single, "
          "or \"NaN\", \"Infinity\" or \"-Infinity\"");
    case VariantType::Double:
      if (const auto number = DecodeDouble(value)) return Variant::Double(*number);
      Reject("a Double value must be a number, or \"NaN\", \"Infinity\" or \"-Infinity\"");
    case VariantType::String:
      if (value.is_string()) return Variant::String(value.get<std::string>());
      Reject("a String value must be a JSON string");
    case VariantType::Empty:
    case VariantType::Font:
      break;
  }
  Reject("the type has no \"value\"");
}

std::optional<VariantType> TypeNamed(std::string_view name) {
  for (const VariantType type :
       {VariantType::Empty, VariantType::Boolean, VariantType::Integer, VariantType::Long,
        VariantType::Single, VariantType::Double, VariantType::String, VariantType::Font}) {
    if (name == TypeName(type)) return type;
  }
  return std::nullopt;
}

}  // namespace

std::string QuoteName(std::string_view name) {
  // JSON escapes the C0 controls; DEL and the C1 controls pass through it.
  return EscapeControlCharacters(
      Json(std::string(name)).dump(-1, ' ', false, Json::error_handler_t::replace));
}

Json EncodeVariant(const Variant& value) {
  Json json = Json::object();
  json["type"] = TypeName(value.Type());
  switch (value.Type()) {
    case VariantType::Empty:
      break;
    case VariantType::Boolean: {
      const std::int16_t bits = value.BooleanBits();
      if (bits == -1 || bits == 0) {
        json["value"] = bits == -1;
      } else {
        json["value"] = bits;
      }
      break;
    }
    case VariantType::Integer:
      json["value"] = value.IntegerValue();
      break;
    case VariantType::Long:
      json["value"] = value.LongValue();
      break;
    case VariantType::Single:
      json["value"] = EncodeSingle(value.SingleValue());
      break;
    case VariantType::Double:
      json["value"] = EncodeDouble(value.DoubleValue());
      break;
    case VariantType::String:
      json["value"] = value.StringValue();
      break;
    case VariantType::Font:
      return EncodeFont(value.FontValue());
  }
  return json;
}

Variant DecodeVariant(const Json& json) {
  if (!json.is_object()) Reject("a value must be a JSON object with a \"type\" member");
  const Json& tag = RequireMember(json, "type");
  if (!tag.is_string()) Reject("\"type\" must be a string");
  const auto type = TypeNamed(tag.get_ref<const std::string&>());
  if (!type) Reject("unknown type " + QuoteName(tag.get_ref<const std::string&>()));
  if (*type == VariantType::Empty) {
    RequireOnlyMembers(json, std::array<std::string_view, 1>{"type"});
    return Variant();
  }
  if (*type == VariantType::Font) return DecodeFont(json);
  RequireOnlyMembers(json, std::array<std::string_view, 2>{"type", "value"});
  return DecodeTaggedValue(*type, RequireMember(json, "value"));
}

}  // namespace sauramiti::document
