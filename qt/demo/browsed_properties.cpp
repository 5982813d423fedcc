#include <qt/demo/browsed_properties.hpp>
#include <vector>

namespace sauramiti::qt::demo {

namespace {

Editor EditorFor(PropertyType type) {
  switch (type) {
    case PropertyType::Boolean:
      return Editor::Check;
    case PropertyType::Font:
      return Editor::Font;
    case PropertyType::String:
      return Editor::Text;
    default:
      return Editor::Value;
  }
}

}  // namespace

std::span<const BrowsedProperty> BrowsedProperties() {
  static const std::vector<BrowsedProperty> properties = [] {
    std::vector<BrowsedProperty> browsed;
    for (const PropertyEntry& entry : kPropertyTable) {
      if (entry.browsed)
        browsed.push_back({entry.name.data(), EditorFor(entry.type), entry.get, entry.let});
    }
    return browsed;
  }();
  return properties;
}

}  // namespace sauramiti::qt::demo
