#include <charconv>
#include <cli/extension_options.hpp>
#include <sauramiti/chrono/date_format.hpp>

namespace sauramiti::cli {

std::string CheckLimitDate(const std::string& text, const bs::calendar& cal) {
  if (text.empty() || bs::parse(text, cal)) return {};
  // A day of the other calendar (Asar 2082/03/32 is one only of the published calendar).
  const bool published = &cal == &bs::calendar::published;
  if (bs::parse(text, published ? bs::calendar::model : bs::calendar::published)) {
    return "\"" + text + "\" is no day of the " + (published ? "published" : "model") +
           " calendar (see --calendar)";
  }
  return "\"" + text + "\" is not a BS date yyyy/mm/dd";
}

namespace {

std::optional<std::uint32_t> ReadNumber(std::string_view digits, int base) {
  std::uint32_t value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<std::int32_t> ParseColorOption(const std::string& text) {
  const std::string_view t = text;
  std::optional<std::uint32_t> value;
  if (t.size() == 7 && t.front() == '#') {
    // #rrggbb, the web's order, turned round into the control's 0x00BBGGRR.
    const auto rgb = ReadNumber(t.substr(1), 16);
    if (!rgb) return std::nullopt;
    value = ((*rgb & 0xFFU) << 16U) | (*rgb & 0xFF00U) | ((*rgb >> 16U) & 0xFFU);
  } else if (t.starts_with("0x") || t.starts_with("0X")) {
    value = ReadNumber(t.substr(2), 16);
  } else {
    value = ReadNumber(t, 10);
  }
  if (!value) return std::nullopt;
  return static_cast<std::int32_t>(*value);  // system colours (0x80000000 up) are negative
}

std::string CheckColorOption(const std::string& text) {
  if (ParseColorOption(text)) return {};
  return "\"" + text + "\" is not a colour: give #rrggbb or a number 0x00BBGGRR";
}

bool LimitsCross(const std::string& minDate, const std::string& maxDate, const bs::calendar& cal) {
  const auto low = bs::parse(minDate, cal);
  const auto high = bs::parse(maxDate, cal);
  return low && high && *high < *low;
}

}  // namespace sauramiti::cli
