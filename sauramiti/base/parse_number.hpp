// Reading a number out of a text.
//
// The control reads numbers out of texts the way its users type them: the longest leading
// decimal number counts and the rest is ignored. Leading blanks (spaces and tabs) are skipped,
// then an optional sign, digits, and an optional point followed by digits. A text with no number
// at its start reads as 0. Examples:
//   ParseLeadingNumber("-2")         // -2
//   ParseLeadingNumber("01")         // 1
//   ParseLeadingNumber(" 12.5abc")   // 12.5
//   ParseLeadingNumber("abc")        // 0
//   ParseLeadingNumber("")           // 0
//   ParseWholeNumber(" 2e3 ")        // 2000
//   ParseWholeNumber("12abc")        // nullopt
#pragma once

#include <optional>
#include <string_view>

namespace sauramiti {

// The leading decimal number of `text`, 0 when there is none.
double ParseLeadingNumber(std::string_view text) noexcept;

// The whole text as a number, or nothing: blanks may surround it, and besides the leading form
// above an exponent is allowed ("2e3"). Used where a text must be a number or a type mismatch.
std::optional<double> ParseWholeNumber(std::string_view text) noexcept;

}  // namespace sauramiti
