#include <cli/property_table.hpp>

namespace sauramiti::cli {

std::span<const PropertyAccess> Properties() { return kPropertyTable; }

const PropertyAccess* FindProperty(std::string_view name) { return FindPropertyEntry(name); }

}  // namespace sauramiti::cli
