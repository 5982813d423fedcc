// One Variant as one JSON value, and back (used inside the document layer only).
//
// Every value is an object tagged with the name of its type, so that it comes back as the type it
// went in as:
//   {"type": "Empty"}
//   {"type": "Boolean", "value": true}      true for -1, false for 0; any other 16-bit pattern
//                                           the control kept is written as its number (5)
//   {"type": "Integer", "value": 2100}      a whole number from -32768 to 32767
//   {"type": "Long", "value": 1863913}      a whole number in 32 bits
//   {"type": "Single", "value": 15.18}      a single, written in its own shortest form
//   {"type": "Double", "value": 2452378.5}
//   {"type": "String", "value": "2090"}
//   {"type": "Font", "name": "Tahoma", "size": 8.25, "bold": false, "italic": false,
//    "underline": false, "strikethrough": false}
//   {"type": "Font", "value": null}         a font reference that refers to no font object
// JSON has no numbers for NaN and the infinities, so a Single, a Double or a font size that holds
// one is written as the text "NaN", "Infinity" or "-Infinity".
//
// Reading is strict, so that a mistyped document is reported rather than half-understood: an
// unknown type or member, a missing member, or a value of the wrong JSON kind or out of its
// type's range is an error. Whole numbers may be written with a fraction of zero (2100.0), and
// the four style flags of a font may be left out (false).
#pragma once

#include <nlohmann/json.hpp>
#include <sauramiti/base/variant.hpp>
#include <stdexcept>
#include <string>
#include <string_view>

namespace sauramiti::document {

using Json = nlohmann::ordered_json;

// A JSON value that is not a well-formed tagged value; the message says what is wrong with it.
class ValueShapeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A key or member name for a message: as a JSON string, so that quotes and control characters in
// it stay visible.
std::string QuoteName(std::string_view name);

// A font reference is written with the font's characteristics at this moment.
Json EncodeVariant(const Variant& value);

// A new font object for every Font value read.
Variant DecodeVariant(const Json& json);

}  // namespace sauramiti::document
