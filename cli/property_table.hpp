// The control's properties by name, read and set through Variants, for `get`, `let` and
// `--print`: the control's own property table (sauramiti/control/property_table.hpp, which says
// how each value is converted), so a property added there is one the command knows.
#pragma once

#include <sauramiti/control/property_table.hpp>
#include <span>
#include <string_view>

namespace sauramiti::cli {

using PropertyAccess = PropertyEntry;

// Every property, in the order of the control's interface (the extensions after the original 21).
std::span<const PropertyAccess> Properties();

// The property of exactly that name; nullptr when there is none.
const PropertyAccess* FindProperty(std::string_view name);

}  // namespace sauramiti::cli
