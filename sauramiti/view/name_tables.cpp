#include <sauramiti/calendar/calendar_names.hpp>
#include <sauramiti/view/name_tables.hpp>

namespace sauramiti::SauramitiRoutine {

thread_local std::array<std::string, 8> WeekdayNames;
thread_local std::array<std::string, 13> MonthNames;
thread_local std::array<std::string, 13> EnglishMonthNames;
thread_local std::string NepaliPanelTitle;

namespace {

template <std::size_t N>
void CopyTexts(std::array<std::string, N>& target, const std::array<const char*, N>& source) {
  for (std::size_t i = 0; i < N; ++i) target[i] = source[i];
}

}  // namespace

void LoadNameTables(std::int16_t english, std::string& EnglishPanelTitle) {
  const CalendarNames& texts = english != 0 ? kEnglishNames : kNepaliLegacyNames;
  CopyTexts(WeekdayNames, texts.weekdays);
  CopyTexts(MonthNames, texts.months);
  CopyTexts(EnglishMonthNames, texts.englishMonths);
  NepaliPanelTitle = texts.nepaliPanelTitle;
  EnglishPanelTitle = texts.englishPanelTitle;
}

std::int16_t MonthNumberFromName(std::string_view name) noexcept {
  for (std::int16_t i = 1; i <= 12; ++i) {
    if (MonthNames[static_cast<std::size_t>(i)] == name) return i;
  }
  return 0;
}

}  // namespace sauramiti::SauramitiRoutine
