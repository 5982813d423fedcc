#include <cli/call_arguments.hpp>
#include <cli/script_value.hpp>
#include <cstdint>
#include <limits>
#include <sauramiti/base/rounding.hpp>

namespace sauramiti::cli {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Optional sign, then digits only.
bool IsIntegerForm(std::string_view text) {
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
  if (text.empty()) return false;
  for (const char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

// Optional sign, digits with an optional point (a digit on at least one side), an optional
// exponent.
bool IsDecimalForm(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return i == text.size();
}

bool IsSpecialDouble(std::string_view text) {
  return text == "nan" || text == "inf" || text == "-inf";
}

Variant NumberValue(std::string_view text) {
  const double value = std::get<double>(ParseArgument(text, ParameterKind::Double));
  if (!IsIntegerForm(text)) return Variant::Double(value);
  if (value >= std::numeric_limits<std::int16_t>::min() &&
      value <= std::numeric_limits<std::int16_t>::max()) {
    return Variant::Integer(static_cast<std::int16_t>(value));
  }
  if (value >= std::numeric_limits<std::int32_t>::min() &&
      value <= std::numeric_limits<std::int32_t>::max()) {
    return Variant::Long(static_cast<std::int32_t>(value));
  }
  return Variant::Double(value);
}

[[noreturn]] void NotAValue(std::span<const ScriptWord> words) {
  std::string written;
  for (const ScriptWord& word : words) written += (written.empty() ? "" : " ") + word.text;
  throw ScriptLineError("not a value: " + written +
                        " (a value is True, False, a number, a \"string\" or font \"NAME\" SIZE)");
}

}  // namespace

std::optional<double> ParseDecimalNumber(std::string_view text) {
  if (!IsDecimalForm(text)) return std::nullopt;
  return std::get<double>(ParseArgument(text, ParameterKind::Double));
}

Variant ParseScriptValue(std::span<const ScriptWord> words) {
  if (words.empty()) throw ScriptLineError("a value is missing");
  const ScriptWord& first = words.front();
  if (words.size() == 3 && !first.quoted && first.text == "font") {
    if (!words[1].quoted) throw ScriptLineError("the font's name must be a \"string\"");
    std::string name = DecodeJsonString(words[1].text);
    const std::optional<double> size =
        words[2].quoted ? std::nullopt : ParseDecimalNumber(words[2].text);
    if (!size) throw ScriptLineError("the font's size must be a number: " + words[2].text);
    auto font = std::make_shared<Font>();
    font->name = std::move(name);
    font->size = ToSingle(*size);
    return Variant::Font(std::move(font));
  }
  if (words.size() != 1) NotAValue(words);
  if (first.quoted) return Variant::String(DecodeJsonString(first.text));
  if (first.text == "True") return Variant::Boolean(true);
  if (first.text == "False") return Variant::Boolean(false);
  if (IsDecimalForm(first.text) || IsSpecialDouble(first.text)) return NumberValue(first.text);
  NotAValue(words);
}

}  // namespace sauramiti::cli
