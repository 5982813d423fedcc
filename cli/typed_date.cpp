#include <array>
#include <cli/typed_date.hpp>
#include <cstddef>
#include <limits>

namespace sauramiti::cli {

namespace {

constexpr std::array<std::string_view, 4> kSeparators = {"/", "-", ".", "\u00F7"};
constexpr std::int32_t kLargest = std::numeric_limits<std::int16_t>::max();

// Reads the digits at `pos`, advancing it; nothing when there is no digit there.
std::optional<std::int16_t> ReadNumber(std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  std::int32_t value = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    value = value * 10 + (text[pos] - '0');
    if (value > kLargest) value = kLargest;
    ++pos;
  }
  if (pos == start) return std::nullopt;
  return static_cast<std::int16_t>(value);
}

// The separator at `pos`, advancing past it; empty when there is none. Three are one byte;
// "÷" is two, and its first byte starts no other separator.
std::string_view ReadSeparator(std::string_view text, std::size_t& pos) {
  if (pos >= text.size()) return {};
  const char first = text[pos];
  if (first == '/' || first == '-' || first == '.') return text.substr(pos++, 1);
  if (first == kSeparators[3][0] && text.substr(pos, 2) == kSeparators[3]) {
    pos += 2;
    return kSeparators[3];
  }
  return {};
}

}  // namespace

std::optional<TypedDate> ReadTypedDate(std::string_view text, bool allowWeekday) {
  std::array<std::int16_t, 4> numbers{};
  std::size_t count = 0;
  std::size_t pos = 0;
  std::string_view separator;
  const std::size_t most = allowWeekday ? 4 : 3;
  while (true) {
    const std::optional<std::int16_t> number = ReadNumber(text, pos);
    if (!number) return std::nullopt;
    numbers[count++] = *number;
    if (pos == text.size()) break;
    if (count == most) return std::nullopt;
    const std::string_view next = ReadSeparator(text, pos);
    if (next.empty() || (!separator.empty() && next != separator)) return std::nullopt;
    separator = next;
  }
  if (count < 3) return std::nullopt;
  TypedDate date{numbers[0], numbers[1], numbers[2], std::nullopt};
  if (count == 4) date.weekday = numbers[3];
  return date;
}

std::string_view TrimLine(std::string_view text) noexcept {
  constexpr std::string_view kBlanks = " \t\r";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace sauramiti::cli
