#include <cli/date_conversion.hpp>
#include <cli/typed_date.hpp>
#include <optional>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/calendar/calendar_tables.hpp>
#include <sauramiti/calendar/enumerations.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>

namespace sauramiti::cli {

namespace routine = SauramitiRoutine;

namespace {

DateConversion Failed(std::string why) { return {false, std::move(why)}; }

// A date written day first ("14-04-2002") reads as year 14, month 4, day 2002, which exists in no
// calendar; saying so points at the order instead of only refusing the date.
std::string OrderHint(const TypedDate& date, std::string_view form) {
  if (date.day <= 31 || date.year > 31) return {};
  return "; the year comes first: " + std::string(form);
}

DateConversion BsToGregorian(std::string_view input, const DateOptions& options) {
  const std::optional<TypedDate> date = ReadTypedDate(input, /*allowWeekday=*/true);
  if (!date) return Failed("not a BS date of the form yyyy/mm/dd");
  if (!routine::IsValidDate(date->year, date->month, date->day, disNepali)) {
    return Failed("no such date in the BS calendar (years 1 to 9999)" +
                  OrderHint(*date, "yyyy/mm/dd"));
  }
  if (date->weekday) {
    if (!routine::IsValidWeekDay(*date->weekday)) {
      return Failed("the weekday code must be 1 (Sunday) to 7 (Saturday)");
    }
    const std::int16_t actual = routine::GetWeekDay(date->year, date->month, date->day);
    if (*date->weekday != actual) {
      return Failed("the date falls on weekday " + std::to_string(actual) + ", not " +
                    std::to_string(*date->weekday));
    }
  }
  // The date is checked, so it goes in without a weekday: the conversion places it by its day.
  return {true, routine::Nepali2EnglishDate(date->year, date->month, date->day, 9,
                                            options.separator, options.style)};
}

DateConversion GregorianToBs(std::string_view input, const DateOptions& options) {
  const std::optional<TypedDate> date = ReadTypedDate(input, /*allowWeekday=*/false);
  if (!date) return Failed("not a Gregorian date of the form yyyy-mm-dd");
  if (!routine::IsValidDate(date->year, date->month, date->day, disEnglish)) {
    return Failed("no such Gregorian date in the years 1 to 9999" + OrderHint(*date, "yyyy-mm-dd"));
  }
  return {true, routine::English2NepaliDate(date->year, date->month, date->day, options.separator)};
}

std::string_view CommandName(DateDirection direction) {
  return direction == DateDirection::ToAd ? "to-ad" : "to-bs";
}

void Report(std::ostream& err, DateDirection direction, std::string_view input,
            std::string_view why) {
  err << "sauramiti " << CommandName(direction) << ": \"" << input << "\": " << why << '\n';
}

}  // namespace

DateConversion ConvertTypedDate(DateDirection direction, std::string_view input,
                                const DateOptions& options) {
  try {
    return direction == DateDirection::ToAd ? BsToGregorian(input, options)
                                            : GregorianToBs(input, options);
  } catch (const RuntimeError& error) {
    // Gregorian dates after the first days of BS year 9999 lie past the last year the calendar
    // can count.
    return Failed("cannot be converted: error " + std::to_string(error.Number()) + " (" +
                  std::string(ErrorDescription(error.Number())) + ")");
  }
}

int RunDateConversion(DateDirection direction, std::span<const std::string> dates,
                      const DateOptions& options, std::istream& in, std::ostream& out,
                      std::ostream& err, bool flushEachLine) {
  bool anyFailed = false;
  if (!dates.empty()) {
    for (const std::string& input : dates) {
      const DateConversion result = ConvertTypedDate(direction, input, options);
      if (result.converted) {
        out << result.text << '\n';
      } else {
        anyFailed = true;
        Report(err, direction, input, result.text);
      }
    }
    out.flush();
    return anyFailed ? 1 : 0;
  }

  std::string line;
  while (std::getline(in, line)) {
    const std::string_view input = TrimLine(line);
    if (!input.empty()) {
      const DateConversion result = ConvertTypedDate(direction, input, options);
      if (result.converted) {
        out << result.text;
      } else {
        anyFailed = true;
        Report(err, direction, input, result.text);
      }
    }
    out << '\n';
    if (flushEachLine) out.flush();
  }
  out.flush();
  return anyFailed ? 1 : 0;
}

}  // namespace sauramiti::cli
