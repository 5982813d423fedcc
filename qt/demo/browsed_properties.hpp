// The properties a property browser lists: the entries of the control's property table marked
// as browsed, in the table's order, with how each is read from and written to the control as a
// host's variant and the editor its type calls for.
//
// A host hands the control variants: the browser converts what the user typed into one
// (typed_values.hpp) and the property converts it further with the control's own rules (a
// Boolean from any number, a 16-bit integer rounded with error 6 out of range, error 13 for a
// text that is no number). Reads and writes go straight to the control, so they raise its
// run-time errors (a refused mode, a failed conversion) for the browser to show.
#pragma once

#include <functional>
#include <sauramiti/base/variant.hpp>
#include <sauramiti/control/property_table.hpp>
#include <sauramiti/control/sauramiti.hpp>
#include <span>

namespace sauramiti::qt::demo {

enum class Editor {
  Check,  // a Boolean: a check box
  Value,  // a typed value, read as typed_values.hpp says
  Text,   // a text taken exactly as typed
  Font,   // a font, chosen in a font dialog
};

struct BrowsedProperty {
  const char* name;
  Editor editor;
  std::function<Variant(const Sauramiti&)> get;
  std::function<void(Sauramiti&, const Variant&)> let;
};

std::span<const BrowsedProperty> BrowsedProperties();

}  // namespace sauramiti::qt::demo
