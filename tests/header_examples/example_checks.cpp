#include "example_checks.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <exception>
#include <iostream>
#include <sauramiti/chrono/date_format.hpp>

namespace header_examples {
namespace {

int checked = 0;
int wrong = 0;
int examples = 0;

template <typename Floating>
std::string Shortest(Floating value) {
  std::array<char, 64> buffer{};
  auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return error == std::errc{} ? std::string(buffer.data(), end) : std::string("?");
}

std::string DateText(int year, unsigned month, unsigned day) {
  std::array<char, 32> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "%04d-%02u-%02u", year, month, day);
  return buffer.data();
}

std::string SlashesAsDashes(std::string_view text) {
  std::string out(text);
  std::ranges::replace(out, '/', '-');
  return out;
}

}  // namespace

std::string ToText(std::string_view text) { return std::string(text); }
std::string ToText(bool value) { return value ? "true" : "false"; }
std::string ToText(double value) { return Shortest(value); }
std::string ToText(float value) { return Shortest(value); }

std::string ToText(std::chrono::year_month_day date) {
  return DateText(static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()));
}
std::string ToText(std::chrono::sys_days day) { return ToText(std::chrono::year_month_day{day}); }
std::string ToText(const sauramiti::bs::year_month_day& date) {
  return sauramiti::bs::to_string(date);
}
std::string ToText(const sauramiti::SauramitiRoutine::GregorianDate& date) {
  return DateText(date.year, static_cast<unsigned>(date.month), static_cast<unsigned>(date.day));
}

void Expect(std::string_view where, std::string_view code, std::string_view actual,
            std::string_view stated, Stated form) {
  ++checked;
  const bool holds =
      form == Stated::Date ? SlashesAsDashes(actual) == SlashesAsDashes(stated) : actual == stated;
  if (!holds) {
    ++wrong;
    std::cout << where << ": " << code << " is " << actual << ", the comment says " << stated
              << "\n";
  }
}

void Run(std::string_view where, void (*example)()) {
  ++examples;
  try {
    example();
  } catch (const std::exception& error) {
    ++wrong;
    std::cout << where << ": the example throws: " << error.what() << "\n";
  }
}

int Summary() {
  std::cout << examples << " examples run, " << checked << " stated results checked, " << wrong
            << " wrong\n";
  return wrong == 0 ? 0 : 1;
}

}  // namespace header_examples
