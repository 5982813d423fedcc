// How the tools print values.
//
// Two commands print values for people and for checks alike: `get` prints a property of the
// control as its type and value, `inspect` prints one property of a child control as the value
// alone. Both write values the same way:
//   - a single or a double in the shortest decimal form that reads back to the same value of its
//     own precision, as std::to_chars writes it: 685.5714f prints as 685.5714, not as the
//     double 685.57141113281250; NaN and infinities print as to_chars writes them (nan, inf);
//   - whole numbers in decimal;
//   - a 16-bit Boolean as True (-1) or False (0), and any other stored bits as their number,
//     because the control keeps such values as they came;
//   - a text between double quotes, escaped as JSON escapes strings (see json_string.hpp);
//   - a colour as 0x and eight upper-case hex digits, so system colours read as 0x8000000F.
// `get` puts the type's name first: `Integer 2100`, `Single 15.18`, `String "2059/01/01/1"`,
// `Font "Tahoma" 8.25`; an Empty value prints as `Empty`, and a Font value that refers to no
// font object as `Font Nothing`.
#pragma once

#include <cstdint>
#include <sauramiti/base/variant.hpp>
#include <sauramiti/platform/colors.hpp>
#include <string>

namespace sauramiti::headless {

std::string FormatSingle(float value);
std::string FormatDouble(double value);
std::string FormatBoolean(bool value);             // True or False
std::string FormatBooleanBits(std::int16_t bits);  // True, False or the number
std::string FormatColor(platform::Color color);    // 0x8000000F

// A value as `get` prints it: the type's name, a space and the value (Empty alone).
std::string FormatVariantForGet(const Variant& value);

}  // namespace sauramiti::headless
