#include <QRegularExpression>
#include <charconv>
#include <limits>
#include <qt/demo/typed_values.hpp>
#include <sauramiti/base/number_text.hpp>
#include <sauramiti/base/parse_number.hpp>
#include <sauramiti/base/utf8_text.hpp>

namespace sauramiti::qt::demo {

namespace {

std::optional<long long> WholeNumber(std::string_view text) {
  long long number = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, number);
  if (error != std::errc() || stop != end || text.empty()) return std::nullopt;
  return number;
}

bool ReadsAsNumber(std::string_view text) { return ParseWholeNumber(text).has_value(); }

std::string ShortestNumber(double number) { return ShortestText(number); }

// A double in the shortest form, with ".0" after a whole number so that it reads back as a
// double rather than as an integer.
std::string DoubleText(double number) {
  std::string text = ShortestNumber(number);
  if (WholeNumber(text)) text += ".0";
  return text;
}

}  // namespace

Variant ParseTypedValue(std::string_view typed) {
  const std::string_view text = TrimBlanks(typed);
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    return Variant::String(std::string(text.substr(1, text.size() - 2)));
  }
  if (const std::optional<long long> whole = WholeNumber(text)) {
    if (*whole >= std::numeric_limits<std::int16_t>::min() &&
        *whole <= std::numeric_limits<std::int16_t>::max()) {
      return Variant::Integer(static_cast<std::int16_t>(*whole));
    }
    if (*whole >= std::numeric_limits<std::int32_t>::min() &&
        *whole <= std::numeric_limits<std::int32_t>::max()) {
      return Variant::Long(static_cast<std::int32_t>(*whole));
    }
  }
  if (const std::optional<double> number = ParseWholeNumber(text)) {
    return Variant::Double(*number);
  }
  return Variant::String(std::string(typed));
}

std::string DescribeValue(const Variant& value) {
  switch (value.Type()) {
    case VariantType::Empty:
      return "(empty)";
    case VariantType::Boolean:
      return value.BooleanBits() == -1  ? "True"
             : value.BooleanBits() == 0 ? "False"
                                        : std::to_string(value.BooleanBits());
    case VariantType::Integer:
      return std::to_string(value.IntegerValue());
    case VariantType::Long:
      return std::to_string(value.LongValue());
    case VariantType::Single:
      return DoubleText(static_cast<double>(value.SingleValue()));
    case VariantType::Double:
      return DoubleText(value.DoubleValue());
    case VariantType::String: {
      const std::string& text = value.StringValue();
      return ReadsAsNumber(text) || (!text.empty() && text.front() == '"') ? '"' + text + '"'
                                                                           : text;
    }
    case VariantType::Font: {
      const FontRef& font = value.FontValue();
      if (!font) return "(no font)";
      return font->name + ", " + ShortestNumber(static_cast<double>(font->size)) + " pt" +
             (font->bold ? ", bold" : "") + (font->italic ? ", italic" : "");
    }
  }
  return {};
}

std::optional<QSize> ParseSizeOption(const QString& text) {
  static const QRegularExpression form(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
  const QRegularExpressionMatch match = form.match(text);
  if (!match.hasMatch()) return std::nullopt;
  const int width = match.captured(1).toInt();
  const int height = match.captured(2).toInt();
  constexpr int kLargest = 10000;
  if (width < 1 || height < 1 || width > kLargest || height > kLargest) return std::nullopt;
  return QSize(width, height);
}

std::optional<BsDate> ParseBsDateOption(const QString& text) {
  static const QRegularExpression form(
      QStringLiteral("^(\\d{1,4})([/.\\-])(\\d{1,2})\\2(\\d{1,2})$"));
  const QRegularExpressionMatch match = form.match(text);
  if (!match.hasMatch()) return std::nullopt;
  return BsDate{static_cast<std::int16_t>(match.captured(1).toInt()),
                static_cast<std::int16_t>(match.captured(3).toInt()),
                static_cast<std::int16_t>(match.captured(4).toInt())};
}

}  // namespace sauramiti::qt::demo
