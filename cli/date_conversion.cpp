#include <cli/date_conversion.hpp>
#include <cli/typed_date.hpp>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sauramiti/base/json_string.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/calendar/calendar_tables.hpp>
#include <sauramiti/calendar/enumerations.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/chrono.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <vector>

namespace sauramiti::cli {

namespace routine = SauramitiRoutine;

namespace {

DateConversion Failed(std::string why) { return {false, std::move(why), {}, {}}; }

// The conversion of a checked date: the control's text (or its ISO form) and the typed dates.
DateConversion Converted(std::string controlText, const bs::year_month_day& date,
                         const DateOptions& options, DateDirection direction) {
  // A plain conversion needs the control's text alone; the typed dates are for --iso and --json.
  if (!options.iso && !options.json) return {true, std::move(controlText), {}, {}};
  const std::chrono::sys_days day = bs::to_sys_days(date, options.calendar);
  const std::chrono::year_month_day ad{day};
  std::string text = std::move(controlText);
  if (options.iso) {
    if (direction == DateDirection::ToBs) {
      text = bs::to_string(date);
    } else {
      char iso[16];
      std::snprintf(iso, sizeof iso, "%04d-%02u-%02u", static_cast<int>(ad.year()),
                    static_cast<unsigned>(ad.month()), static_cast<unsigned>(ad.day()));
      text = iso;
    }
  }
  return {true, std::move(text), date, ad};
}

// A date written day first ("14-04-2002") reads as year 14, month 4, day 2002, which exists in no
// calendar; saying so points at the order instead of only refusing the date.
std::string OrderHint(const TypedDate& date, std::string_view form) {
  if (date.day <= 31 || date.year > 31) return {};
  return "; the year comes first: " + std::string(form);
}

DateConversion BsToGregorian(std::string_view input, const DateOptions& options) {
  const std::optional<TypedDate> date = ReadTypedDate(input, /*allowWeekday=*/true);
  if (!date) return Failed("not a BS date of the form yyyy/mm/dd");
  const bs::year_month_day typed{date->year, static_cast<unsigned>(date->month),
                                 static_cast<unsigned>(date->day)};
  if (!typed.ok(options.calendar)) {
    return Failed("no such date in the BS calendar (years 1 to 9999)" +
                  OrderHint(*date, "yyyy/mm/dd"));
  }
  if (date->weekday) {
    if (!routine::IsValidWeekDay(*date->weekday)) {
      return Failed("the weekday code must be 1 (Sunday) to 7 (Saturday)");
    }
    const auto actual =
        static_cast<std::int16_t>(bs::weekday(typed, options.calendar).c_encoding() + 1);
    if (*date->weekday != actual) {
      return Failed("the date falls on weekday " + std::to_string(actual) + ", not " +
                    std::to_string(*date->weekday));
    }
  }
  // The date is checked, so it goes in without a weekday: the conversion places it by its day.
  // In another calendar the control's text is that of the model's date of the same day.
  const bs::year_month_day model =
      options.calendar.is_model() ? typed
                                  : bs::from_sys_days(bs::to_sys_days(typed, options.calendar));
  std::string text = options.iso
                         ? std::string()
                         : routine::Nepali2EnglishDate(static_cast<std::int16_t>(model.year()),
                                                       static_cast<std::int16_t>(model.month()),
                                                       static_cast<std::int16_t>(model.day()), 9,
                                                       options.separator, options.style);
  return Converted(std::move(text), typed, options, DateDirection::ToAd);
}

// The last day the control's conversion to a BS date reaches: BS 9999/01/03, where its year
// estimate would need year 10000. Later days fail as they do without --iso or --json.
constexpr std::int32_t kLastConvertibleCount = 4764069;

// The control's Value string `text` of the model's date `model` with the same day's date in
// another calendar: "2082/04/32/4" becomes "2082/05/01/4". The year, month and day are written
// as the control writes them (the year as it is, month and day in two digits), between the
// separators of `text`; the weekday is the same day's.
std::string WithDate(const std::string& text, const bs::year_month_day& model,
                     const bs::year_month_day& typed) {
  const std::size_t yearDigits = std::to_string(model.year()).size();
  // year, separator, 2 digits, separator, 2 digits, separator, weekday digit
  const std::size_t separatorBytes = (text.size() - yearDigits - 5) / 3;
  const std::string separator = text.substr(yearDigits, separatorBytes);
  char numbers[8];
  std::snprintf(numbers, sizeof numbers, "%02u", typed.month());
  std::string out = std::to_string(typed.year()) + separator + numbers + separator;
  std::snprintf(numbers, sizeof numbers, "%02u", typed.day());
  return out + numbers + separator + text.substr(text.size() - 1);
}

DateConversion GregorianToBs(std::string_view input, const DateOptions& options) {
  const std::optional<TypedDate> date = ReadTypedDate(input, /*allowWeekday=*/false);
  if (!date) return Failed("not a Gregorian date of the form yyyy-mm-dd");
  if (!routine::IsValidDate(date->year, date->month, date->day, disEnglish)) {
    return Failed("no such Gregorian date in the years 1 to 9999" + OrderHint(*date, "yyyy-mm-dd"));
  }
  if (!options.iso && !options.json && options.calendar.is_model()) {
    return {true,
            routine::English2NepaliDate(date->year, date->month, date->day, options.separator),
            {},
            {}};
  }
  const std::chrono::year_month_day ad{std::chrono::year{date->year},
                                       std::chrono::month{static_cast<unsigned>(date->month)},
                                       std::chrono::day{static_cast<unsigned>(date->day)}};
  const bs::year_month_day model = bs::from_sys_days(std::chrono::sys_days{ad});
  if (!model.ok() || bs::kali_ahargana(model) > kLastConvertibleCount) {
    // The control's own answer for these days: run-time error 9.
    return Failed("cannot be converted: error 9 (" +
                  std::string(ErrorDescription(kSubscriptOutOfRange)) + ")");
  }
  const bs::year_month_day typed = bs::from_sys_days(std::chrono::sys_days{ad}, options.calendar);
  std::string text = options.iso ? std::string()
                                 : routine::English2NepaliDate(date->year, date->month, date->day,
                                                               options.separator);
  if (!options.iso && typed != model) text = WithDate(text, model, typed);
  return Converted(std::move(text), typed, options, DateDirection::ToBs);
}

std::string_view CommandName(DateDirection direction) {
  return direction == DateDirection::ToAd ? "to-ad" : "to-bs";
}

void Report(std::ostream& err, DateDirection direction, std::string_view input,
            std::string_view why) {
  err << "sauramiti " << CommandName(direction) << ": \"" << input << "\": " << why << '\n';
}

std::string IsoText(int year, unsigned month, unsigned day) {
  char text[24];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", year, month, day);
  return text;
}

// One JSON object (one line) for a conversion.
void WriteJson(std::ostream& out, std::string_view input, const DateConversion& result,
               const bs::calendar& calendar) {
  out << "{\"input\": " << QuoteJsonString(input);
  if (!result.converted) {
    out << ", \"error\": " << QuoteJsonString(result.text) << '}';
    return;
  }
  const bs::year_month_day& date = result.bs;
  const auto year = static_cast<int>(result.ad.year());
  const auto month = static_cast<unsigned>(result.ad.month());
  const auto day = static_cast<unsigned>(result.ad.day());
  out << ", \"text\": " << QuoteJsonString(result.text) << ", \"bs\": {\"year\": " << date.year()
      << ", \"month\": " << date.month() << ", \"day\": " << date.day()
      << ", \"weekday\": " << bs::weekday(date, calendar).c_encoding() + 1 << ", \"iso\": \""
      << bs::to_string(date) << "\"}, \"ad\": {\"year\": " << year << ", \"month\": " << month
      << ", \"day\": " << day << ", \"iso\": \"" << IsoText(year, month, day)
      << "\"}, \"kali_ahargana\": " << bs::kali_ahargana(date, calendar) << '}';
}

// Writes the answer for one input (without the line end); false when it failed.
bool Answer(DateDirection direction, std::string_view input, const DateOptions& options,
            std::ostream& out, std::ostream& err) {
  const DateConversion result = ConvertTypedDate(direction, input, options);
  if (!result.converted) Report(err, direction, input, result.text);
  if (options.json) {
    WriteJson(out, input, result, options.calendar);
  } else if (result.converted) {
    out << result.text;
  }
  return result.converted;
}

// Calls `each` for every line of `in`, without its "\n", as std::getline would give them (a
// last line without "\n" is a line too), but reads `in` in large blocks: with a million lines
// to convert, reading them one at a time costs more than converting them.
template <typename Each>
void ForEachLine(std::istream& in, Each&& each) {
  std::vector<char> block(1 << 16);
  std::string partial;  // the start of a line that continues in the next block
  while (true) {
    const std::streamsize got =
        in.rdbuf()->sgetn(block.data(), static_cast<std::streamsize>(block.size()));
    if (got <= 0) break;
    const char* at = block.data();
    const char* const end = at + got;
    while (const auto* newline = static_cast<const char*>(
               std::memchr(at, '\n', static_cast<std::size_t>(end - at)))) {
      const std::string_view rest(at, static_cast<std::size_t>(newline - at));
      if (partial.empty()) {
        each(rest);
      } else {
        partial += rest;
        each(std::string_view(partial));
        partial.clear();
      }
      at = newline + 1;
    }
    partial.append(at, end);
  }
  if (!partial.empty()) each(std::string_view(partial));
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
      const bool converted = Answer(direction, input, options, out, err);
      anyFailed = anyFailed || !converted;
      // Without --json a failed date has no line of its own; its report is on the error stream.
      if (converted || options.json) out << '\n';
    }
    out.flush();
    return anyFailed ? 1 : 0;
  }

  const auto answerLine = [&](std::string_view line) {
    const std::string_view input = TrimLine(line);
    if (!input.empty()) anyFailed = !Answer(direction, input, options, out, err) || anyFailed;
    out << '\n';
  };
  if (flushEachLine) {
    // A person typing: each answer as soon as its line is complete.
    std::string line;
    while (std::getline(in, line)) {
      answerLine(line);
      out.flush();
    }
  } else {
    ForEachLine(in, answerLine);
  }
  out.flush();
  return anyFailed ? 1 : 0;
}

}  // namespace sauramiti::cli
