// Values as the demo host's user types and reads them.
//
// The property browser takes what the user types in a text field and hands the control a value
// of the type the text looks like, the way a classic property browser did: a whole number is an
// Integer when it fits 16 bits and a Long when it fits 32, another number (with a point or an
// exponent) a Double, a text in double quotes a String without its quotes, and any other text a
// String as typed; blanks around a number or a quoted text do not count ("abc" stays a String, and
// a numeric property refuses it with error 13 as the control's conversions do). Values are shown
// back the same way: numbers plainly, texts in double quotes when they would otherwise read as a
// number.
//
// The screenshot options: a size "WxH" in pixels, each side 1 to 10000, and a BS date
// "YYYY/MM/DD" (any of "/", "-", "." between the parts), each part a plain number.
#pragma once

#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>
#include <sauramiti/base/variant.hpp>
#include <string>
#include <string_view>

namespace sauramiti::qt::demo {

Variant ParseTypedValue(std::string_view text);
std::string DescribeValue(const Variant& value);

std::optional<QSize> ParseSizeOption(const QString& text);

struct BsDate {
  std::int16_t year;
  std::int16_t month;
  std::int16_t day;
};
std::optional<BsDate> ParseBsDateOption(const QString& text);

}  // namespace sauramiti::qt::demo
