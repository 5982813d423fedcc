#include <algorithm>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/calendar/date_text.hpp>
#include <sauramiti/control/instance_parts.hpp>
#include <sauramiti/control/selected_date.hpp>
#include <sauramiti/convert/calendar_methods.hpp>
#include <sauramiti/convert/date_string_forms.hpp>
#include <sauramiti/view/date_limits.hpp>
#include <sauramiti/view/layout.hpp>

namespace sauramiti {

namespace {

// The selected date after a change of calendar: see Sauramiti::Calendar below.
void KeepSelectedDay(view::ControlState& s, const bs::calendar& previous) {
  const bs::calendar& cal = SauramitiRoutine::CalendarOfCode(s.Calendar);
  const SauramitiRoutine::BsDateParts read = SauramitiRoutine::ReadValueString(s.Value);
  // Negative pieces become unsigned numbers far past 12 and 32, which are not ok() either.
  const bs::year_month_day old{read.year, static_cast<unsigned>(read.month),
                               static_cast<unsigned>(read.day)};
  if (!old.ok(previous)) {
    ApplySelectedDate(s, s.Value);
    return;
  }
  // Both calendars cover the same days, so the day has a date in the new one.
  StoreSelectedDate(s, bs::in_calendar(old, previous, cal));
}

}  // namespace

Sauramiti::State::State(platform::Host& host)
    : controls(view::CreateChildControls(host)), view{host, controls, record, [this] {
                                                        ApplySelectedDate(record, record.Value);
                                                      }} {}

namespace guard {

void RefuseReadOnlyLet(const platform::Host& host) {
  if (!host.UserMode()) Raise(kSetNotPermitted);
  Raise(kSetNotSupportedAtRunTime);
}

void RequireRunTime(const platform::Host& host) {
  if (!host.UserMode()) Raise(kSetNotPermitted);
}

}  // namespace guard

Sauramiti::Sauramiti(platform::Host& host) : host_(host), state_(std::make_unique<State>(host)) {
  view::ChildControls& c = state_->controls;
  for (std::size_t j = 0; j < c.lblDay.size(); ++j) {
    c.lblDay[j]->OnClick([this, j] { lblDay_Click(static_cast<std::int16_t>(j)); });
  }
  c.cboYear->OnClick([this] { cboYear_Click(); });
  c.cboYear->OnDropDown([this] { cboYear_DropDown(); });
  c.cboYear->OnKeyPress([this](std::int16_t& key) { cboYear_KeyPress(key); });
  c.CBoMonth->OnClick([this] { CBoMonth_Click(); });
  c.CBoMonth->OnDropDown([this] { CBoMonth_DropDown(); });
  c.CBoMonth->OnKeyPress([this](std::int16_t& key) { CBoMonth_KeyPress(key); });
  host_.OnResize([this] { UserControl_Resize(); });
}

// The host outlives the instance; it must not call back into it once it is gone.
Sauramiti::~Sauramiti() { host_.OnResize(nullptr); }

const view::ChildControls& Sauramiti::Children() const { return state_->controls; }

void Sauramiti::UserControl_Resize() {
  const view::ControlState& s = state_->record;
  view::ArrangeView(host_, state_->controls, s.Vertical, s.WeekDayStyle, s.SixWeeks);
}

// ---- Settings shown in the property browser ----

std::int16_t Sauramiti::English() const { return state_->record.English; }
void Sauramiti::English(std::int16_t value) {
  state_->record.English = value;
  if (host_.Enabled()) view::RefreshView(state_->view);
  host_.PropertyChanged("English");
}

std::int16_t Sauramiti::Enabled() const { return host_.Enabled() ? -1 : 0; }
void Sauramiti::Enabled(std::int16_t value) {
  host_.Enabled(value != 0);
  view::ApplyEnabled(state_->view, value);
  view::RefreshView(state_->view);
  host_.PropertyChanged("Enabled");
}

Variant Sauramiti::MaxYear() const { return state_->record.MaxYear; }
void Sauramiti::MaxYear(const Variant& value) {
  state_->record.MaxYear = value;
  view::FillYearList(state_->view);
  host_.PropertyChanged("MaxYear");
}

std::int16_t Sauramiti::MinYear() const { return state_->record.MinYear; }
void Sauramiti::MinYear(std::int16_t value) {
  state_->record.MinYear = value;
  view::FillYearList(state_->view);
  host_.PropertyChanged("MinYear");
}

FontRef Sauramiti::EnglishFont() const { return state_->record.EnglishFont; }
void Sauramiti::EnglishFont(FontRef value) {
  state_->record.EnglishFont = std::move(value);
  if (state_->record.English != 0) view::RefreshView(state_->view);
  host_.PropertyChanged("EnglishFont");
}

FontRef Sauramiti::NepaliFont() const { return state_->record.NepaliFont; }
void Sauramiti::NepaliFont(FontRef value) {
  state_->record.NepaliFont = std::move(value);
  if (state_->record.English == 0) view::RefreshView(state_->view);
  host_.PropertyChanged("NepaliFont");
}

std::int16_t Sauramiti::Vertical() const { return state_->record.Vertical; }
void Sauramiti::Vertical(std::int16_t value) {
  state_->record.Vertical = value;
  if (host_.Enabled()) UserControl_Resize();
  host_.PropertyChanged("Vertical");
}

MyWeekDayStyle Sauramiti::WeekDayStyle() const {
  if (host_.UserMode()) Raise(kGetNotSupportedAtRunTime);
  return state_->record.WeekDayStyle;
}
void Sauramiti::WeekDayStyle(MyWeekDayStyle value) {
  if (host_.UserMode()) Raise(kSetNotSupportedAtRunTime);
  state_->record.WeekDayStyle = value;
  view::RefreshView(state_->view);
  host_.PropertyChanged("WeekDayStyle");
}

std::string Sauramiti::ToolTipText() const { return state_->controls.Frame2->ToolTipText(); }
void Sauramiti::ToolTipText(const std::string& value) {
  state_->controls.Frame2->ToolTipText(value);
  host_.PropertyChanged("ToolTipText");
}

// ---- The selected date: read-only derived values ----

std::string Sauramiti::DateValue() const { return state_->record.DateValue; }
void Sauramiti::DateValue(const std::string&) { guard::RefuseReadOnlyLet(host_); }

std::int16_t Sauramiti::month() const { return state_->record.month; }
void Sauramiti::month(std::int16_t) { guard::RefuseReadOnlyLet(host_); }

std::int16_t Sauramiti::Day() const { return state_->record.Day; }
void Sauramiti::Day(std::int16_t) { guard::RefuseReadOnlyLet(host_); }

std::int16_t Sauramiti::Weekday() const { return state_->record.Weekday; }
void Sauramiti::Weekday(std::int16_t) { guard::RefuseReadOnlyLet(host_); }

std::int32_t Sauramiti::UjjainAhargana() const { return state_->record.UjjainAhargana; }
void Sauramiti::UjjainAhargana(std::int32_t) { guard::RefuseReadOnlyLet(host_); }

std::string Sauramiti::DateAD() const { return state_->record.DateAD; }
void Sauramiti::DateAD(const std::string&) { guard::RefuseReadOnlyLet(host_); }

std::string Sauramiti::EngStrDate() const { return state_->record.EngStrDate; }
void Sauramiti::EngStrDate(const std::string&) { guard::RefuseReadOnlyLet(host_); }

// ---- The selected date: set at run time only ----

std::int16_t Sauramiti::year() const { return state_->record.year; }
void Sauramiti::year(std::int16_t value) {
  guard::RequireRunTime(host_);
  // The year alone: Value and everything derived from it stay until Value is applied again.
  state_->record.year = value;
  host_.PropertyChanged("year");
}

double Sauramiti::JulianDate() const { return state_->record.JulianDate; }
void Sauramiti::JulianDate(double value) {
  guard::RequireRunTime(host_);
  state_->record.JulianDate = value;
  host_.PropertyChanged("JulianDate");
}

std::string Sauramiti::Value() const { return state_->record.Value; }
void Sauramiti::Value(const std::string& value) {
  guard::RequireRunTime(host_);
  RequireWithinLimits(value);
  view::ControlState& s = state_->record;
  s.Value = value;  // taken as it comes; a text that holds no date reads as zeros
  ApplySelectedDate(s, s.Value);
  if (host_.Enabled()) view::ShowSelectedDate(state_->view);
  host_.PropertyChanged("Value");
}

bs::year_month_day Sauramiti::SelectedDate() const {
  const view::ControlState& s = state_->record;
  // Negative pieces become unsigned numbers far past 12 and 32, which are not ok() either.
  return {s.year, static_cast<unsigned>(s.month), static_cast<unsigned>(s.Day)};
}

void Sauramiti::SelectDate(const bs::year_month_day& date) {
  guard::RequireRunTime(host_);
  const view::ControlState& s = state_->record;
  if (!date.ok(SauramitiRoutine::CalendarOfCode(s.Calendar))) Raise(kInvalidProcedureCall);
  RequireWithinLimits(date);
  StoreSelectedDate(state_->record, date);
  if (host_.Enabled()) view::ShowSelectedDate(state_->view);
  host_.PropertyChanged("Value");
}

MyEnglishDateStyleConstants Sauramiti::EnglishDateStyle() const {
  return state_->record.EnglishDateStyle;
}
void Sauramiti::EnglishDateStyle(MyEnglishDateStyleConstants value) {
  guard::RequireRunTime(host_);
  view::ControlState& s = state_->record;
  const MyEnglishDateStyleConstants old = s.EnglishDateStyle;
  s.EnglishDateStyle = value;
  // Only DateAD is re-formed; EngStrDate and the view keep what they show.
  s.DateAD = SauramitiRoutine::RestyleEnglishDate(s.DateAD, old, value, s.Separator);
  host_.PropertyChanged("EnglishDateStyle");
}

MyYMDSeparatorConstants Sauramiti::Separator() const { return state_->record.Separator; }
void Sauramiti::Separator(MyYMDSeparatorConstants value) {
  guard::RequireRunTime(host_);
  view::ControlState& s = state_->record;
  const MyYMDSeparatorConstants old = s.Separator;
  s.Separator = value;
  // Re-punctuated in place: the pieces stay at their positions, so Value still reads back to the
  // same date. Both texts are computed before either is stored, so a refused code (below 0)
  // leaves both as they were.
  std::string newValue = SauramitiRoutine::ChangeSeparator(s.Value, old, value);
  std::string newDateAD = SauramitiRoutine::ChangeSeparator(s.DateAD, old, value);
  s.Value = std::move(newValue);
  s.DateAD = std::move(newDateAD);
  host_.PropertyChanged("Separator");
}

// ---- Extensions beyond the original properties ----

// Both redraw the whole view whatever the enabled state, so a disabled control also shows or
// hides its sixth week at once.
std::int16_t Sauramiti::SixWeeks() const { return state_->record.SixWeeks; }
void Sauramiti::SixWeeks(std::int16_t value) {
  state_->record.SixWeeks = value;
  view::RefreshView(state_->view);
  host_.PropertyChanged("SixWeeks");
}

std::int16_t Sauramiti::ShowGregorianDay() const { return state_->record.ShowGregorianDay; }
void Sauramiti::ShowGregorianDay(std::int16_t value) {
  state_->record.ShowGregorianDay = value;
  view::RefreshView(state_->view);
  host_.PropertyChanged("ShowGregorianDay");
}

// A change of calendar keeps the selected day and names it in the new calendar: DateAD,
// JulianDate and UjjainAhargana stay, Value and the BS fields become the new calendar's date of
// that day (Shrawan 1, 2082 of the model, 16 July 2025, is Asar 32 in the published calendar).
// So a new instance set to the published calendar still shows today, as a calendar widget keeps
// its selected day when its calendar system changes. A Value that held no day of the old
// calendar (a host may set any text) is left as it is and only re-derived.
std::int16_t Sauramiti::Calendar() const { return state_->record.Calendar; }
void Sauramiti::Calendar(std::int16_t value) {
  view::ControlState& s = state_->record;
  const std::int16_t previous = s.Calendar;
  s.Calendar = SauramitiRoutine::CheckedCalendarCode(value);
  if (value != previous) {
    KeepSelectedDay(s, SauramitiRoutine::CalendarOfCode(previous));
    view::RenameDateLimits(s, SauramitiRoutine::CalendarOfCode(previous));
  }
  view::RefreshView(state_->view);
  host_.PropertyChanged("Calendar");
}

}  // namespace sauramiti
