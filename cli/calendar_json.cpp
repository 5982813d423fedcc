#include <cli/calendar_json.hpp>
#include <sauramiti/base/json_string.hpp>

namespace sauramiti::cli {

namespace {

constexpr int kDaysInWeek = 7;

void WriteWeeks(std::ostream& out, const MonthFacts& month) {
  out << '[';
  // Cells from the Sunday on or before day 1 until the week of the last day is full.
  const int leading = month.firstWeekday - 1;  // [0, 6]
  const int cells =
      (leading + month.days + kDaysInWeek - 1) / kDaysInWeek * kDaysInWeek;  // [28, 42]
  for (int cell = 0; cell < cells; ++cell) {
    if (cell % kDaysInWeek == 0) out << (cell == 0 ? "[" : "], [");
    if (cell % kDaysInWeek != 0) out << ", ";
    const int day = cell - leading + 1;
    if (day >= 1 && day <= month.days) {
      out << day;
    } else {
      out << "null";
    }
  }
  out << "]]";
}

}  // namespace

void WriteCalendarJson(std::ostream& out, const std::vector<MonthFacts>& months) {
  out << "[\n";
  for (std::size_t i = 0; i < months.size(); ++i) {
    const MonthFacts& month = months[i];
    out << "  {\"year\": " << month.year << ", \"month\": " << month.month
        << ", \"name\": " << QuoteJsonString(month.name) << ", \"days\": " << month.days
        << ", \"firstWeekday\": " << month.firstWeekday
        << ", \"firstDayAD\": " << QuoteJsonString(month.firstDayAd) << ", \"today\": ";
    if (month.today) {
      out << *month.today;
    } else {
      out << "null";
    }
    out << ",\n   \"weeks\": ";
    WriteWeeks(out, month);
    out << '}' << (i + 1 < months.size() ? "," : "") << '\n';
  }
  out << "]\n";
}

}  // namespace sauramiti::cli
