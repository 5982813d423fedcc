// The control's 21 properties by name, read and set through Variants.
//
// A script names a property exactly as the control's interface does, letter case included
// (`English`, `month`, `UjjainAhargana`). Reading gives the value with its type: a Boolean
// property (English, Enabled, Vertical) as a Boolean with the 16 bits it holds, the 16-bit
// properties as Integer, UjjainAhargana and the three enumeration properties as Long,
// JulianDate as Double, texts as String, the fonts as Font, and MaxYear as whatever Variant it
// stores.
//
// Setting converts the given Variant to the property's type the way an assignment to a typed
// property does, and only then calls the property's Let (Set for the fonts):
//   - 16-bit properties: numbers rounded half to even (error 6 outside 16 bits); a text that
//     is a whole number converts, other text is error 13;
//   - Boolean properties: the 16-bit value as it comes (5 stays 5; a Double is rounded); a
//     Boolean keeps its bits, and the texts "True" and "False" read as -1 and 0;
//   - enumerations and UjjainAhargana: as 32-bit integers;
//   - JulianDate: as a double;
//   - texts: numbers become their shortest decimal text, Booleans "True" or "False";
//   - fonts: only a font value (anything else is error 13);
//   - MaxYear: the Variant unchanged.
// A font value given to any other property is error 13. Conversion errors and the property's own
// refusals are RuntimeErrors.
#pragma once

#include <sauramiti/base/variant.hpp>
#include <sauramiti/control/sauramiti.hpp>
#include <span>
#include <string_view>

namespace sauramiti::cli {

struct PropertyAccess {
  std::string_view name;
  Variant (*get)(const Sauramiti& control);
  void (*let)(Sauramiti& control, const Variant& value);
};

// The 21 properties, in the order of the control's interface.
std::span<const PropertyAccess> Properties();

// The property of exactly that name; nullptr when there is none.
const PropertyAccess* FindProperty(std::string_view name);

}  // namespace sauramiti::cli
