// The picker extensions beyond the original interface: MarkToday, MinDate and MaxDate,
// HolidayForeColor. Each works in both modes, redraws the whole view and ends by firing
// PropertyChanged with its name.
//
// The date limits. A limit is the Value form without the weekday ("2081/04/15"); the empty text
// removes it. A text that is no day of the calendar is error 13 and a MinDate after MaxDate (or
// the other way round) error 5; either changes nothing. When a new limit leaves the selected
// date (Value) outside, the selection moves to the nearest allowed day, in either mode, and
// PropertyChanged fires for Value before it fires for the limit. While a limit is set, a Value
// or SelectDate outside the limits is error 5 and changes nothing, and the view disables the day
// cells outside and lists only the years that hold an allowed day.
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/control/instance_parts.hpp>
#include <sauramiti/control/selected_date.hpp>
#include <sauramiti/convert/calendar_methods.hpp>
#include <sauramiti/convert/date_string_forms.hpp>
#include <sauramiti/view/date_limits.hpp>

namespace sauramiti {

std::int16_t Sauramiti::MarkToday() const { return state_->record.MarkToday; }
void Sauramiti::MarkToday(std::int16_t value) {
  state_->record.MarkToday = value;
  view::RefreshView(state_->view);
  host_.PropertyChanged("MarkToday");
}

std::int32_t Sauramiti::HolidayForeColor() const { return state_->record.HolidayForeColor; }
void Sauramiti::HolidayForeColor(std::int32_t value) {
  state_->record.HolidayForeColor = value;
  view::RefreshView(state_->view);
  host_.PropertyChanged("HolidayForeColor");
}

std::string Sauramiti::MinDate() const { return state_->record.MinDate; }
void Sauramiti::MinDate(const std::string& value) { ChangeDateLimit(true, value); }

std::string Sauramiti::MaxDate() const { return state_->record.MaxDate; }
void Sauramiti::MaxDate(const std::string& value) { ChangeDateLimit(false, value); }

void Sauramiti::ChangeDateLimit(bool lower, const std::string& text) {
  view::StoreDateLimit(state_->record, lower, text);
  const bool moved = KeepSelectionWithinLimits();
  view::RefreshView(state_->view);
  if (moved) host_.PropertyChanged("Value");
  host_.PropertyChanged(lower ? "MinDate" : "MaxDate");
}

bool Sauramiti::KeepSelectionWithinLimits() {
  view::ControlState& s = state_->record;
  if (!view::HasDateLimits(s)) return false;
  const SauramitiRoutine::BsDateParts selected = SauramitiRoutine::ReadValueString(s.Value);
  if (view::WithinLimits(s, selected.year, selected.month, selected.day)) return false;
  // A selection that is no day of the calendar goes to the lower limit when there is one.
  const bs::year_month_day date{selected.year, static_cast<unsigned>(selected.month),
                                static_cast<unsigned>(selected.day)};
  std::int32_t key = s.MinDateKey != 0 ? s.MinDateKey : s.MaxDateKey;
  if (selected.month >= 1 && selected.day >= 1 &&
      date.ok(SauramitiRoutine::CalendarOfCode(s.Calendar))) {
    key = view::NearestAllowedKey(s, view::DateKey(selected.year, selected.month, selected.day));
  }
  StoreSelectedDate(s, bs::year_month_day{key / 10000, static_cast<unsigned>(key / 100 % 100),
                                          static_cast<unsigned>(key % 100)});
  return true;
}

void Sauramiti::RequireWithinLimits(const std::string& value) const {
  const view::ControlState& s = state_->record;
  if (!view::HasDateLimits(s)) return;
  const SauramitiRoutine::BsDateParts date = SauramitiRoutine::ReadValueString(value);
  if (!view::WithinLimits(s, date.year, date.month, date.day)) Raise(kInvalidProcedureCall);
}

void Sauramiti::RequireWithinLimits(const bs::year_month_day& date) const {
  if (!view::WithinLimits(state_->record, static_cast<int>(date.year()),
                          static_cast<std::int32_t>(unsigned{date.month()}),
                          static_cast<std::int32_t>(unsigned{date.day()}))) {
    Raise(kInvalidProcedureCall);
  }
}

}  // namespace sauramiti
