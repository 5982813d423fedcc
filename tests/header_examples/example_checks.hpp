// What the generated example programs call: a value as the text a header's comment states it
// in, and the comparison of the two. See CMakeLists.txt for the convention the comments follow.
#pragma once

#include <chrono>
#include <concepts>
#include <cstdint>
#include <optional>
#include <sauramiti/chrono/year_month_day.hpp>
#include <sauramiti/convert/julian_day.hpp>
#include <string>
#include <string_view>
#include <type_traits>

namespace header_examples {

// The forms a stated result takes; a Date compares "/" and "-" alike.
enum class Stated : std::uint8_t { Text, Number, Date, Boolean };

std::string ToText(std::string_view text);
std::string ToText(bool value);
std::string ToText(double value);
std::string ToText(float value);
std::string ToText(std::chrono::year_month_day date);
std::string ToText(std::chrono::sys_days day);
std::string ToText(const sauramiti::bs::year_month_day& date);
std::string ToText(const sauramiti::SauramitiRoutine::GregorianDate& date);

template <std::integral Number>
requires(!std::same_as<Number, bool>) std::string ToText(Number value) {
  return std::to_string(value);
}

template <typename Enumeration>
requires std::is_enum_v<Enumeration> std::string ToText(Enumeration value) {
  return ToText(static_cast<std::int64_t>(value));
}

template <typename Value>
std::string ToText(const std::optional<Value>& value) {
  return value ? ToText(*value) : std::string("nullopt");
}

// Records a wrong result: `where` is header:line, `code` the name or expression the comment
// speaks of.
void Expect(std::string_view where, std::string_view code, std::string_view actual,
            std::string_view stated, Stated form);

// An enumerator stated by its name: the value must be that enumerator of its own type.
template <typename Enumeration>
void ExpectEnumerator(std::string_view where, std::string_view code, Enumeration actual,
                      Enumeration stated, std::string_view statedName) {
  if (actual != stated) {
    Expect(where, code, ToText(actual), std::string(statedName) + " (" + ToText(stated) + ")",
           Stated::Text);
  } else {
    Expect(where, code, statedName, statedName, Stated::Text);
  }
}

// Runs one example; an exception it lets out counts as a failure, reported at `where`.
void Run(std::string_view where, void (*example)());

// Prints the summary and gives the program's exit status: 0 when every result held.
int Summary();

}  // namespace header_examples
