// A value of each property type that differs from every new instance's setting, for tests that
// set each property of the table and read it back.
#pragma once

#include <memory>
#include <sauramiti/control/property_table.hpp>

namespace sauramiti::testing {

inline Variant SampleValue(PropertyType type) {
  switch (type) {
    case PropertyType::Boolean:
      return Variant::Boolean(std::int16_t{0});
    case PropertyType::Integer:
      return Variant::Integer(2010);
    case PropertyType::Long:
      return Variant::Long(1863913);
    case PropertyType::Double:
      return Variant::Double(2452378.5);
    case PropertyType::String:
      return Variant::String("2059/01/15/1");  // a Value string, and text for the others
    case PropertyType::Font:
      return Variant::Font(std::make_shared<Font>(Font{"Arial", 12.0F, true}));
    case PropertyType::Variant:
      return Variant::String("2090");  // MaxYear keeps the type it was given
    case PropertyType::Enumeration:
      return Variant::Long(1);
  }
  return {};
}

// Two values of the same property type are the same setting (fonts by their characteristics).
inline bool SameSetting(const Variant& a, const Variant& b) {
  if (a.Type() == VariantType::Font && b.Type() == VariantType::Font)
    return *a.ToFont() == *b.ToFont();
  return a == b;
}

}  // namespace sauramiti::testing
