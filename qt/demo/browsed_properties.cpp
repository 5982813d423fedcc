#include <qt/demo/browsed_properties.hpp>

namespace sauramiti::qt::demo {

std::span<const BrowsedProperty> BrowsedProperties() {
  static const BrowsedProperty properties[] = {
      {"English", Editor::Check, [](const Sauramiti& c) { return Variant::Boolean(c.English()); },
       [](Sauramiti& c, const Variant& v) { c.English(v.ToBoolean()); }},
      {"Enabled", Editor::Check, [](const Sauramiti& c) { return Variant::Boolean(c.Enabled()); },
       [](Sauramiti& c, const Variant& v) { c.Enabled(v.ToBoolean()); }},
      {"MaxYear", Editor::Value, [](const Sauramiti& c) { return c.MaxYear(); },
       [](Sauramiti& c, const Variant& v) { c.MaxYear(v); }},
      {"MinYear", Editor::Value, [](const Sauramiti& c) { return Variant::Integer(c.MinYear()); },
       [](Sauramiti& c, const Variant& v) { c.MinYear(v.ToInt16()); }},
      {"EnglishFont", Editor::Font,
       [](const Sauramiti& c) { return Variant::Font(c.EnglishFont()); },
       [](Sauramiti& c, const Variant& v) { c.EnglishFont(v.ToFont()); }},
      {"NepaliFont", Editor::Font, [](const Sauramiti& c) { return Variant::Font(c.NepaliFont()); },
       [](Sauramiti& c, const Variant& v) { c.NepaliFont(v.ToFont()); }},
      {"Vertical", Editor::Check, [](const Sauramiti& c) { return Variant::Boolean(c.Vertical()); },
       [](Sauramiti& c, const Variant& v) { c.Vertical(v.ToBoolean()); }},
      {"WeekDayStyle", Editor::Value,
       [](const Sauramiti& c) { return Variant::Long(c.WeekDayStyle()); },
       [](Sauramiti& c, const Variant& v) { c.WeekDayStyle(MyWeekDayStyle{v.ToInt32()}); }},
      {"ToolTipText", Editor::Text,
       [](const Sauramiti& c) { return Variant::String(c.ToolTipText()); },
       [](Sauramiti& c, const Variant& v) { c.ToolTipText(v.ToString()); }},
  };
  return properties;
}

}  // namespace sauramiti::qt::demo
