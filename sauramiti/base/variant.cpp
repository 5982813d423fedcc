#include <array>
#include <charconv>
#include <sauramiti/base/number_text.hpp>
#include <sauramiti/base/parse_number.hpp>
#include <sauramiti/base/rounding.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/base/variant.hpp>

namespace sauramiti {

const char* TypeName(VariantType type) noexcept {
  switch (type) {
    case VariantType::Empty:
      return "Empty";
    case VariantType::Boolean:
      return "Boolean";
    case VariantType::Integer:
      return "Integer";
    case VariantType::Long:
      return "Long";
    case VariantType::Single:
      return "Single";
    case VariantType::Double:
      return "Double";
    case VariantType::String:
      return "String";
    case VariantType::Font:
      return "Font";
  }
  return "Empty";
}

bool Variant::IsNumeric() const noexcept {
  switch (Type()) {
    case VariantType::Boolean:
    case VariantType::Integer:
    case VariantType::Long:
    case VariantType::Single:
    case VariantType::Double:
      return true;
    default:
      return false;
  }
}

double Variant::ToDouble() const {
  switch (Type()) {
    case VariantType::Empty:
      return 0.0;
    case VariantType::Boolean:
      return BooleanBits();
    case VariantType::Integer:
      return IntegerValue();
    case VariantType::Long:
      return LongValue();
    case VariantType::Single:
      return SingleValue();
    case VariantType::Double:
      return DoubleValue();
    case VariantType::String:
      if (const auto number = ParseWholeNumber(StringValue())) return *number;
      Raise(kTypeMismatch);
    case VariantType::Font:
      break;
  }
  Raise(kTypeMismatch);
}

std::int16_t Variant::ToInt16() const { return RoundToInt16(ToDouble()); }
std::int32_t Variant::ToInt32() const { return RoundToInt32(ToDouble()); }

std::int16_t Variant::ToBoolean() const {
  if (Type() == VariantType::String) {
    if (StringValue() == "True") return -1;
    if (StringValue() == "False") return 0;
  }
  return ToDouble() != 0.0 ? std::int16_t{-1} : std::int16_t{0};
}

std::string Variant::ToString() const {
  switch (Type()) {
    case VariantType::Empty:
      return {};
    case VariantType::Boolean:
      if (BooleanBits() == -1) return "True";
      if (BooleanBits() == 0) return "False";
      return std::to_string(BooleanBits());
    case VariantType::Integer:
      return std::to_string(IntegerValue());
    case VariantType::Long:
      return std::to_string(LongValue());
    case VariantType::Single:
      return ShortestText(SingleValue());
    case VariantType::Double:
      return ShortestText(DoubleValue());
    case VariantType::String:
      return StringValue();
    case VariantType::Font:
      break;
  }
  Raise(kTypeMismatch);
}

FontRef Variant::ToFont() const {
  if (Type() != VariantType::Font) Raise(kTypeMismatch);
  return FontValue();
}

bool operator==(const Variant& a, const Variant& b) {
  if (a.IsNumeric() && b.IsNumeric()) return a.ToDouble() == b.ToDouble();
  return a.storage_ == b.storage_;
}

}  // namespace sauramiti
