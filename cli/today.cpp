#include <chrono>
#include <cli/today.hpp>
#include <sauramiti/base/json_string.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/calendar/calendar_names.hpp>
#include <sauramiti/calendar/date_text.hpp>
#include <sauramiti/chrono.hpp>
#include <sauramiti/convert/bs_gregorian.hpp>
#include <sauramiti/convert/calendar_methods.hpp>
#include <sauramiti/convert/date_string_forms.hpp>
#include <sauramiti/platform/headless/value_format.hpp>
#include <sauramiti/view/legacy_font_transcoder.hpp>
#include <stdexcept>
#include <string>
#include <terminal/display_width.hpp>
#include <utility>
#include <vector>

namespace sauramiti::cli {

namespace {

struct TodaysDate {
  std::string Value;
  std::string DateValue;
  std::string DateAD;
  std::string EngStrDate;
  double JulianDate = 0.0;
  std::int32_t UjjainAhargana = 0;
};

// The day the control's conversion to a BS date reaches last (BS 9999/01/03); a control whose
// clock is later fails with run-time error 9, and so does this report.
constexpr std::int32_t kLastConvertibleCount = 4764069;

// The six values a new control instance would hold for `today` with these settings, worked out
// from the typed date rather than by starting a control: the same conversions and texts that
// the control's selected date runs through, in the same language.
TodaysDate ReadTodaysDate(const TodayOptions& options, platform::LocalDate today) {
  namespace R = SauramitiRoutine;
  const bs::calendar& cal = R::CalendarOfCode(options.calendar);
  const std::chrono::year_month_day ad{std::chrono::year{today.year},
                                       std::chrono::month{static_cast<unsigned>(today.month)},
                                       std::chrono::day{static_cast<unsigned>(today.day)}};
  if (!ad.ok()) throw std::invalid_argument("the clock's date is no Gregorian date");
  const bs::year_month_day date = bs::from_sys_days(std::chrono::sys_days{ad}, cal);
  if (!date.ok(cal) || bs::kali_ahargana(date, cal) > kLastConvertibleCount) {
    Raise(kSubscriptOutOfRange);
  }
  const R::BsDateParts parts{static_cast<std::int16_t>(date.year()),
                             static_cast<std::int16_t>(date.month()),
                             static_cast<std::int16_t>(date.day()),
                             static_cast<std::int16_t>(bs::weekday(date, cal).c_encoding() + 1)};
  const R::CalendarNames& names = options.nepali ? R::kNepaliLegacyNames : R::kEnglishNames;
  const std::vector<std::string> months(names.months.begin(), names.months.end());
  const std::vector<std::string> weekdays(names.weekdays.begin(), names.weekdays.end());
  const std::vector<std::string> englishMonths(names.englishMonths.begin(),
                                               names.englishMonths.end());
  const std::int32_t kali = bs::kali_ahargana(date, cal);
  TodaysDate values;
  values.Value =
      R::FormatValueText(parts.year, parts.month, parts.day, parts.weekday, options.separator);
  values.DateValue = R::LiteralBsDate(parts, months, weekdays);
  values.DateAD = R::Nepali2EnglishDate(cal, parts.year, parts.month, parts.day, parts.weekday,
                                        options.separator, options.style);
  values.EngStrDate =
      R::EnglishLiteralDate(values.DateAD, options.style,
                            static_cast<std::int16_t>(options.nepali ? 0 : -1), englishMonths);
  values.JulianDate = kali + 588465.5;
  values.UjjainAhargana = kali;
  return values;
}

void WriteForPeople(std::ostream& out, const TodaysDate& date, bool devanagari) {
  const auto named = [devanagari](const std::string& text) {
    return devanagari ? view::LegacyFontToUnicode(text) : text;
  };
  const std::vector<std::pair<const char*, std::string>> lines = {
      {"Value", date.Value},
      {"DateValue", named(date.DateValue)},
      {"DateAD", date.DateAD},
      {"EngStrDate", named(date.EngStrDate)},
      {"JulianDate", headless::FormatDouble(date.JulianDate)},
      {"UjjainAhargana", std::to_string(date.UjjainAhargana)},
  };
  for (const auto& [label, text] : lines) {
    out << terminal::PadRight(label, 16) << text << '\n';
  }
}

void WriteJson(std::ostream& out, const TodaysDate& date, bool addUnicode) {
  out << "{\n";
  out << "  \"Value\": " << QuoteJsonString(date.Value) << ",\n";
  out << "  \"DateValue\": " << QuoteJsonString(date.DateValue) << ",\n";
  if (addUnicode) {
    out << "  \"DateValueUnicode\": " << QuoteJsonString(view::LegacyFontToUnicode(date.DateValue))
        << ",\n";
  }
  out << "  \"DateAD\": " << QuoteJsonString(date.DateAD) << ",\n";
  out << "  \"EngStrDate\": " << QuoteJsonString(date.EngStrDate) << ",\n";
  if (addUnicode) {
    out << "  \"EngStrDateUnicode\": "
        << QuoteJsonString(view::LegacyFontToUnicode(date.EngStrDate)) << ",\n";
  }
  out << "  \"JulianDate\": " << headless::FormatDouble(date.JulianDate) << ",\n";
  out << "  \"UjjainAhargana\": " << date.UjjainAhargana << "\n}\n";
}

}  // namespace

void WriteTodayReport(std::ostream& out, const TodayOptions& options, platform::LocalDate today) {
  const TodaysDate date = ReadTodaysDate(options, today);
  const bool devanagari = options.nepali && !options.legacy;
  if (options.json && devanagari) {
    TodaysDate shown = date;
    shown.DateValue = view::LegacyFontToUnicode(date.DateValue);
    shown.EngStrDate = view::LegacyFontToUnicode(date.EngStrDate);
    WriteJson(out, shown, /*addUnicode=*/false);
  } else if (options.json) {
    WriteJson(out, date, /*addUnicode=*/options.nepali);
  } else {
    WriteForPeople(out, date, devanagari);
  }
}

}  // namespace sauramiti::cli
