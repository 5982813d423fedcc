#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/chrono/date_format.hpp>
#include <sauramiti/convert/calendar_methods.hpp>
#include <sauramiti/view/date_limits.hpp>

namespace sauramiti::view {

DateLimit ParseDateLimit(const std::string& text, const bs::calendar& cal) {
  if (text.empty()) return {};
  const std::optional<bs::year_month_day> date = bs::parse(text, cal);
  if (!date) Raise(kTypeMismatch);
  const int year = static_cast<int>(date->year());
  if (year < 1 || year > 9999) Raise(kTypeMismatch);
  const auto month = static_cast<std::int32_t>(static_cast<unsigned>(date->month()));
  const auto day = static_cast<std::int32_t>(static_cast<unsigned>(date->day()));
  const std::int32_t key = DateKey(year, month, day);
  std::string written = std::to_string(key);  // yyyymmdd with a four-digit year, or fewer digits
  written.insert(0, 8 - written.size(), '0');
  return {written.substr(0, 4) + "/" + written.substr(4, 2) + "/" + written.substr(6, 2), key};
}

void StoreDateLimit(ControlState& state, bool lower, const std::string& text) {
  DateLimit limit = ParseDateLimit(text, SauramitiRoutine::CalendarOfCode(state.Calendar));
  const std::int32_t other = lower ? state.MaxDateKey : state.MinDateKey;
  if (limit.key != 0 && other != 0 && (lower ? limit.key > other : limit.key < other)) {
    Raise(kInvalidProcedureCall);
  }
  (lower ? state.MinDateKey : state.MaxDateKey) = limit.key;
  (lower ? state.MinDate : state.MaxDate) = std::move(limit.text);
}

namespace {

void RenameDateLimit(std::string& text, std::int32_t& key, const bs::calendar& previous,
                     const bs::calendar& cal) {
  if (key == 0) return;
  // Both calendars cover the same days, so a day of the old one has a name in the new one.
  const bs::year_month_day old{key / 10000, static_cast<unsigned>(key / 100 % 100),
                               static_cast<unsigned>(key % 100)};
  DateLimit renamed = ParseDateLimit(bs::to_string(bs::in_calendar(old, previous, cal)), cal);
  text = std::move(renamed.text);
  key = renamed.key;
}

}  // namespace

void RenameDateLimits(ControlState& state, const bs::calendar& previous) {
  const bs::calendar& cal = SauramitiRoutine::CalendarOfCode(state.Calendar);
  RenameDateLimit(state.MinDate, state.MinDateKey, previous, cal);
  RenameDateLimit(state.MaxDate, state.MaxDateKey, previous, cal);
}

std::int32_t DateKey(std::int32_t year, std::int32_t month, std::int32_t day) noexcept {
  return year * 10000 + month * 100 + day;
}

bool HasDateLimits(const ControlState& state) noexcept {
  return state.MinDateKey != 0 || state.MaxDateKey != 0;
}

bool WithinLimits(const ControlState& state, std::int32_t year, std::int32_t month,
                  std::int32_t day) noexcept {
  if (!HasDateLimits(state)) return true;
  // Anything that is no day of the calendar lies outside every limit.
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 32) return false;
  const bs::year_month_day date{year, static_cast<unsigned>(month), static_cast<unsigned>(day)};
  if (!date.ok(SauramitiRoutine::CalendarOfCode(state.Calendar))) return false;
  const std::int32_t key = DateKey(year, month, day);
  return (state.MinDateKey == 0 || key >= state.MinDateKey) &&
         (state.MaxDateKey == 0 || key <= state.MaxDateKey);
}

bool YearHasAllowedDay(const ControlState& state, std::int32_t year) noexcept {
  if (state.MinDateKey != 0 && year < state.MinDateKey / 10000) return false;
  return state.MaxDateKey == 0 || year <= state.MaxDateKey / 10000;
}

std::int32_t NearestAllowedKey(const ControlState& state, std::int32_t key) noexcept {
  if (state.MinDateKey != 0 && key < state.MinDateKey) return state.MinDateKey;
  if (state.MaxDateKey != 0 && key > state.MaxDateKey) return state.MaxDateKey;
  return key;
}

}  // namespace sauramiti::view
