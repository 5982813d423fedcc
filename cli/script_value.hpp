// The VALUE of a script's `let`, read into a Variant.
//
//   True, False             Boolean -1 and 0
//   2100, -5                Integer when the number fits 16 bits, Long when it fits 32 bits,
//                           Double beyond that
//   2452378.5, 1e3, -.5     a number with a point or an exponent: Double; also nan, inf, -inf
//   "text"                  String (a JSON string literal, script_words.hpp)
//   font "Tahoma" 8.25      Font: a new font object with that name and size (single precision),
//                           neither bold, italic, underlined nor struck through
//
// Anything else is not a value (ScriptLineError). A number too large for a double ("1e400"), or
// a font size too large for a single, is run-time error 6, as it is for a method's argument.
#pragma once

#include <cli/script_words.hpp>
#include <optional>
#include <sauramiti/base/variant.hpp>
#include <span>
#include <string_view>

namespace sauramiti::cli {

Variant ParseScriptValue(std::span<const ScriptWord> words);

// A plain decimal number: digits with an optional sign, point and exponent ("12", "-0.5",
// "1e3"). Nothing when `text` is not of that form; run-time error 6 when it overflows a double.
std::optional<double> ParseDecimalNumber(std::string_view text);

}  // namespace sauramiti::cli
