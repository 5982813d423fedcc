// Building and re-punctuating date texts.
//
// Every date text of the control separates its fields with one of four characters, chosen by a
// separator code: 0 "/", 1 "-", 2 ".", 3 "÷" (the division sign, one character although two bytes
// in UTF-8). A code of 4 or more has no character, so its texts run the fields together; a
// negative code is error 5. All separators of one text are the same character.
//
// Fields are written with the year at least four digits wide and month and day at least two,
// zero-padded after any minus sign ("0005", "12345", "-0044"), in one of three orders (the
// date styles): mm S dd S yyyy, dd S mm S yyyy or yyyy S mm S dd.
#pragma once

#include <cstdint>
#include <sauramiti/calendar/enumerations.hpp>
#include <string>
#include <string_view>

namespace sauramiti::SauramitiRoutine {

// The separator character of a code: "/", "-", ".", "÷"; empty for 4 or more; error 5 below 0.
[[nodiscard]] std::string_view SeparatorChar(std::int32_t code);

// year, month and day joined in the order of `style` with the separator of `sepCode`; an empty
// text for a style outside 0 to 2. FormatYMD(2059, 1, 1, sepSlash, datyyyymmdd) is "2059/01/01".
[[nodiscard]] std::string FormatYMD(std::int16_t year, std::int16_t month, std::int16_t day,
                                    std::int32_t sepCode, std::int32_t style);

// A Value string "yyyy S mm S dd S w" with the separator of `sepCode`, w a weekday code 0 to 7
// written as one digit: FormatYMD(year, month, day, sepCode, datyyyymmdd), the separator again,
// and the digit, made in one piece. A negative code is error 5.
std::string FormatValueText(std::int16_t year, std::int16_t month, std::int16_t day,
                            std::int16_t weekday, std::int32_t sepCode);

// The text with every separator character of `fromCode` replaced by that of `toCode` (removed
// when `toCode` is 4 or more). Equal codes return the text unchanged; so does a `fromCode` of 4
// or more, which has no character to look for. A negative code is error 5.
[[nodiscard]] std::string ChangeSeparator(std::string_view text, std::int32_t fromCode,
                                          std::int32_t toCode);

}  // namespace sauramiti::SauramitiRoutine
