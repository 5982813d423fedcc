// Reading a date that a person typed.
//
// A typed date is three numbers joined by one separator character, year first: "2059/01/15",
// "2002-04-14", "2059.1.5", "2059÷01÷15". The separator is one of the control's four ("/",
// "-", ".", "÷") and the same throughout. A BS date may carry a fourth number, the weekday code,
// as in a Value string ("2059/01/01/1"). Numbers are decimal digits with no sign; a number
// beyond 32767 reads as 32767, which is no valid year, month, day or weekday, so the date is
// later rejected as nonexistent rather than misread.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace sauramiti::cli {

struct TypedDate {
  std::int16_t year = 0;
  std::int16_t month = 0;
  std::int16_t day = 0;
  std::optional<std::int16_t> weekday;
};

// The fields of `text`, or nothing when it is not of the form above. A fourth number is
// accepted only when `allowWeekday` is set.
std::optional<TypedDate> ReadTypedDate(std::string_view text, bool allowWeekday);

// `text` without the blanks (spaces, tabs) and the "\r" around it.
std::string_view TrimLine(std::string_view text) noexcept;

}  // namespace sauramiti::cli
