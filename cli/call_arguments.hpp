// Reading a method's arguments from text.
//
// On the command line and in batch files every argument is a text; its parameter's kind says
// how to read it, strictly (no blanks, nothing after the number):
//
// - Integer (16-bit): an optional sign ("+" or "-") and at least one decimal digit. A number
//   outside -32768 to 32767 is error 6 (overflow), however many digits it has; anything else
//   ("2.0", "1e3", " 5", "0x10", "") is error 13 (type mismatch).
// - Enumeration: the same form, any 32-bit value; beyond 32 bits error 6.
// - Double: an optional sign, digits with an optional point (at least one digit on either side),
//   an optional exponent ("2452378.5", "-.5", "1E+06"), or "nan", "inf", "infinity" in any
//   letter case. A finite form too large for a double ("1e400") is error 6; one too small to
//   tell from zero reads as zero.
//
// The text "-" alone is not an argument at all: it marks an omitted optional parameter
// (kOmittedArgument); the caller decides what it means.
#pragma once

#include <cli/method_table.hpp>
#include <string_view>

namespace sauramiti::cli {

inline constexpr std::string_view kOmittedArgument = "-";

// The argument `text` read for a parameter of `kind`; error 6 or 13 as described above.
ArgumentValue ParseArgument(std::string_view text, ParameterKind kind);

}  // namespace sauramiti::cli
