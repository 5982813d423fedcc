#include <array>
#include <cli/property_table.hpp>

namespace sauramiti::cli {

namespace {

using C = Sauramiti;

std::int16_t AsBooleanBits(const Variant& v) {
  if (v.Type() == VariantType::String) {
    if (v.StringValue() == "True") return -1;
    if (v.StringValue() == "False") return 0;
  }
  return v.ToInt16();
}

template <typename Enumeration>
Enumeration AsEnumeration(const Variant& v) {
  return static_cast<Enumeration>(v.ToInt32());
}

Variant Bits(std::int16_t bits) { return Variant::Boolean(bits); }
Variant Int(std::int16_t value) { return Variant::Integer(value); }
Variant Lng(std::int32_t value) { return Variant::Long(value); }
Variant Text(std::string value) { return Variant::String(std::move(value)); }

const std::array<PropertyAccess, 21> kProperties = {{
    {"English", [](const C& c) { return Bits(c.English()); },
     [](C& c, const Variant& v) { c.English(AsBooleanBits(v)); }},
    {"Enabled", [](const C& c) { return Bits(c.Enabled()); },
     [](C& c, const Variant& v) { c.Enabled(AsBooleanBits(v)); }},
    {"MaxYear", [](const C& c) { return c.MaxYear(); },
     [](C& c, const Variant& v) { c.MaxYear(v); }},
    {"MinYear", [](const C& c) { return Int(c.MinYear()); },
     [](C& c, const Variant& v) { c.MinYear(v.ToInt16()); }},
    {"DateValue", [](const C& c) { return Text(c.DateValue()); },
     [](C& c, const Variant& v) { c.DateValue(v.ToString()); }},
    {"month", [](const C& c) { return Int(c.month()); },
     [](C& c, const Variant& v) { c.month(v.ToInt16()); }},
    {"Day", [](const C& c) { return Int(c.Day()); },
     [](C& c, const Variant& v) { c.Day(v.ToInt16()); }},
    {"Weekday", [](const C& c) { return Int(c.Weekday()); },
     [](C& c, const Variant& v) { c.Weekday(v.ToInt16()); }},
    {"year", [](const C& c) { return Int(c.year()); },
     [](C& c, const Variant& v) { c.year(v.ToInt16()); }},
    {"UjjainAhargana", [](const C& c) { return Lng(c.UjjainAhargana()); },
     [](C& c, const Variant& v) { c.UjjainAhargana(v.ToInt32()); }},
    {"DateAD", [](const C& c) { return Text(c.DateAD()); },
     [](C& c, const Variant& v) { c.DateAD(v.ToString()); }},
    {"EnglishFont", [](const C& c) { return Variant::Font(c.EnglishFont()); },
     [](C& c, const Variant& v) { c.EnglishFont(v.ToFont()); }},
    {"NepaliFont", [](const C& c) { return Variant::Font(c.NepaliFont()); },
     [](C& c, const Variant& v) { c.NepaliFont(v.ToFont()); }},
    {"Vertical", [](const C& c) { return Bits(c.Vertical()); },
     [](C& c, const Variant& v) { c.Vertical(AsBooleanBits(v)); }},
    {"Value", [](const C& c) { return Text(c.Value()); },
     [](C& c, const Variant& v) { c.Value(v.ToString()); }},
    {"EngStrDate", [](const C& c) { return Text(c.EngStrDate()); },
     [](C& c, const Variant& v) { c.EngStrDate(v.ToString()); }},
    {"JulianDate", [](const C& c) { return Variant::Double(c.JulianDate()); },
     [](C& c, const Variant& v) { c.JulianDate(v.ToDouble()); }},
    {"EnglishDateStyle", [](const C& c) { return Lng(c.EnglishDateStyle()); },
     [](C& c, const Variant& v) {
       c.EnglishDateStyle(AsEnumeration<MyEnglishDateStyleConstants>(v));
     }},
    {"WeekDayStyle", [](const C& c) { return Lng(c.WeekDayStyle()); },
     [](C& c, const Variant& v) { c.WeekDayStyle(AsEnumeration<MyWeekDayStyle>(v)); }},
    {"Separator", [](const C& c) { return Lng(c.Separator()); },
     [](C& c, const Variant& v) { c.Separator(AsEnumeration<MyYMDSeparatorConstants>(v)); }},
    {"ToolTipText", [](const C& c) { return Text(c.ToolTipText()); },
     [](C& c, const Variant& v) { c.ToolTipText(v.ToString()); }},
}};

}  // namespace

std::span<const PropertyAccess> Properties() { return kProperties; }

const PropertyAccess* FindProperty(std::string_view name) {
  for (const PropertyAccess& property : kProperties) {
    if (property.name == name) return &property;
  }
  return nullptr;
}

}  // namespace sauramiti::cli
