#include <sauramiti/control/property_table.hpp>

namespace sauramiti {

Variant StoredDefault::ToVariant(platform::Host& host) const {
  switch (type) {
    case VariantType::Boolean:
      return Variant::Boolean(static_cast<std::int16_t>(number));
    case VariantType::Integer:
      return Variant::Integer(static_cast<std::int16_t>(number));
    case VariantType::Long:
      return Variant::Long(number);
    case VariantType::String:
      return Variant::String(std::string(text));
    case VariantType::Font:
      return Variant::Font(host.AmbientFont());
    default:
      return Variant();
  }
}

namespace property_values {

std::int16_t BooleanBits(const Variant& value) {
  if (value.Type() == VariantType::String) {
    if (value.StringValue() == "True") return -1;
    if (value.StringValue() == "False") return 0;
  }
  return value.ToInt16();
}

Variant Boolean(std::int16_t bits) { return Variant::Boolean(bits); }
Variant Integer(std::int16_t value) { return Variant::Integer(value); }
Variant Long(std::int32_t value) { return Variant::Long(value); }
Variant Text(std::string value) { return Variant::String(std::move(value)); }

}  // namespace property_values

const PropertyEntry* FindPropertyEntry(std::string_view name) {
  for (const PropertyEntry& entry : kPropertyTable) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

}  // namespace sauramiti
