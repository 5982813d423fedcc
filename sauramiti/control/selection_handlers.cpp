// The user's way through the calendar: the year and month lists turn the page, a day cell picks
// the date.
//
// Choosing a year or a month changes the selected year and month and refills the grid, and
// nothing else: Value, the selected day and weekday and every derived value still describe the
// date last picked, and no Click is raised. Opening a list empties the grid and the date panels
// until an entry is chosen. Typed characters are discarded, so the lists change only by choosing.
// A click on a day cell builds the new Value with the control's separator, recomputes everything
// derived from it, shows the two date texts and only then raises Click, so a host reading any
// date property inside its Click handler sees the new date.
#include <sauramiti/base/checked_arithmetic.hpp>
#include <sauramiti/base/parse_number.hpp>
#include <sauramiti/base/rounding.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/base/utf8_text.hpp>
#include <sauramiti/calendar/calendar_tables.hpp>
#include <sauramiti/control/instance_parts.hpp>
#include <sauramiti/control/selected_date.hpp>
#include <sauramiti/convert/date_string_forms.hpp>
#include <sauramiti/view/date_limits.hpp>
#include <sauramiti/view/name_tables.hpp>

namespace sauramiti {

namespace {

// The year a list text names: its leading number, 0 when it has none.
std::int16_t YearFromText(const std::string& text) {
  return RoundToInt16(ParseLeadingNumber(text));
}

// A day cell's caption as a number. Only filled cells can be clicked, but a direct call may name
// any cell: a caption that is no number is a type mismatch.
std::int16_t DayFromCaption(const std::string& caption) {
  const auto number = ParseWholeNumber(caption);
  if (!number) Raise(kTypeMismatch);
  return RoundToInt16(*number);
}

}  // namespace

void Sauramiti::cboYear_Click() {
  view::ControlState& s = state_->record;
  const view::ChildControls& c = state_->controls;
  s.year = YearFromText(c.cboYear->Text());
  s.month = SauramitiRoutine::MonthNumberFromName(TrimBlanks(c.CBoMonth->Text()));
  if (s.month != 0) view::FillMonthGrid(state_->view, s.year, s.month);
}

void Sauramiti::CBoMonth_Click() {
  view::ControlState& s = state_->record;
  const view::ChildControls& c = state_->controls;
  s.year = YearFromText(c.cboYear->Text());
  s.month = SauramitiRoutine::MonthNumberFromName(c.CBoMonth->Text());
  if (s.year != 0 && s.month != 0) view::FillMonthGrid(state_->view, s.year, s.month);
}

void Sauramiti::cboYear_DropDown() {
  const view::ChildControls& c = state_->controls;
  c.Label1->Caption("");
  c.Label2->Caption("");
  view::ClearGrid(state_->view, 0);
}

void Sauramiti::CBoMonth_DropDown() { cboYear_DropDown(); }

void Sauramiti::cboYear_KeyPress(std::int16_t& KeyAscii) { KeyAscii = 0; }

void Sauramiti::CBoMonth_KeyPress(std::int16_t& KeyAscii) { KeyAscii = 0; }

void Sauramiti::lblDay_Click(std::int16_t Index) {
  view::ControlState& s = state_->record;
  const view::ChildControls& c = state_->controls;
  if (!host_.Enabled()) return;
  const std::string yearText = c.cboYear->Text();
  const std::string monthText = c.CBoMonth->Text();
  if (yearText.empty() || monthText.empty()) return;
  // With MinDate or MaxDate set, the cells outside are disabled, and a disabled cell takes no
  // click even when the handler is called directly.
  if (view::HasDateLimits(s) && Index >= 0 && static_cast<std::size_t>(Index) < c.lblDay.size() &&
      !c.lblDay[static_cast<std::size_t>(Index)]->Enabled()) {
    return;
  }

  s.year = YearFromText(yearText);
  s.month = To16(Add32(c.CBoMonth->ListIndex(), 1));
  if (s.month == 0) s.month = SauramitiRoutine::MonthNumberFromName(monthText);
  // An Index outside the 35 cells fails here with error 9.
  view::SelectCell(state_->view, Index);
  s.Day = DayFromCaption(view::DayCellAt(c, Index).Caption());
  // The cell's column is its weekday: column 0 is Sunday (1), column 6 Saturday (7).
  const std::int16_t column = SauramitiRoutine::IntMod(Add16(Index, 1), 7);
  s.Weekday = column == 0 ? std::int16_t{7} : column;

  const SauramitiRoutine::BsDateParts picked{s.year, s.month, s.Day, s.Weekday};
  s.Value = SauramitiRoutine::MakeValueString(s.year, s.month, s.Day, s.Weekday, s.Separator);
  if (ValueReadsBack(picked, s.Separator)) {
    ApplySelectedDate(s, picked);
  } else {
    ApplySelectedDate(s, s.Value);
  }
  view::ShowDatePanels(state_->view);
  host_.RaiseClick();
}

}  // namespace sauramiti
