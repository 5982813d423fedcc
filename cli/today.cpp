#include <cli/today.hpp>
#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <sauramiti/platform/headless/json_string.hpp>
#include <sauramiti/platform/headless/value_format.hpp>
#include <sauramiti/view/legacy_font_transcoder.hpp>
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

TodaysDate ReadTodaysDate(const TodayOptions& options, platform::LocalDate today) {
  headless::HeadlessHost host;
  host.SetToday(today);
  Sauramiti control(host);
  control.Initialize();
  control.InitProperties();
  if (options.nepali) control.English(0);
  control.Separator(static_cast<MyYMDSeparatorConstants>(options.separator));
  control.EnglishDateStyle(static_cast<MyEnglishDateStyleConstants>(options.style));
  TodaysDate date{control.Value(),      control.DateValue(),  control.DateAD(),
                  control.EngStrDate(), control.JulianDate(), control.UjjainAhargana()};
  control.Terminate();
  return date;
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
  using headless::QuoteJsonString;
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
