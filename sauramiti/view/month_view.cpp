#include <sauramiti/base/checked_arithmetic.hpp>
#include <sauramiti/base/parse_number.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/calendar/calendar_tables.hpp>
#include <sauramiti/view/layout.hpp>
#include <sauramiti/view/month_view.hpp>
#include <sauramiti/view/name_tables.hpp>

namespace sauramiti::SauramitiRoutine {
std::string DisplayFontName;
}  // namespace sauramiti::SauramitiRoutine

namespace sauramiti::view {

void RefreshView(ViewContext& view) {
  ControlState& state = view.state;
  SauramitiRoutine::InitCalendarTables();
  ArrangeView(view.host, view.controls, state.Vertical, state.WeekDayStyle);
  SauramitiRoutine::LoadNameTables(state.English, state.EnglishPanelTitle);
  ClearGrid(view, 0);
  if (!view.host.Enabled()) return;
  // The titles stand only until ShowSelectedDate puts the dates in their place.
  ShowPanelTitles(view);
  ShowWeekdayHeaders(view);
  FillYearList(view);
  FillMonthList(view);
  ShowSelectedDate(view);
}

void ShowPanelTitles(ViewContext& view) {
  platform::Label& label1 = *view.controls.Label1;
  platform::Label& label2 = *view.controls.Label2;
  label1.FontName(SauramitiRoutine::DisplayFontName);
  label1.Caption(SauramitiRoutine::NepaliPanelTitle);
  label2.FontName(SauramitiRoutine::DisplayFontName);
  label2.Caption(view.state.EnglishPanelTitle);
}

void ShowSelectedDate(ViewContext& view) {
  const ChildControls& c = view.controls;
  ControlState& state = view.state;
  view.applySelectedDate();
  FillYearList(view);
  c.CBoMonth->Text(c.CBoMonth->List(Sub16(state.month, 1)));
  FillMonthGrid(view, state.year, state.month);

  // The cell that shows the selected day; cell 0 when no enabled cell does.
  std::int16_t found = 0;
  for (std::size_t j = 0; j < kDayCellCount; ++j) {
    const platform::Label& cell = *c.lblDay[j];
    if (cell.Enabled() && ParseLeadingNumber(cell.Caption()) == state.Day) {
      found = static_cast<std::int16_t>(j);
      break;
    }
  }
  SelectCell(view, found);
  ShowDatePanels(view);
}

void ShowDatePanels(ViewContext& view) {
  view.controls.Label1->Caption(view.state.DateValue);
  view.controls.Label2->Caption(view.state.EngStrDate);
}

void ApplyEnabled(ViewContext& view, std::int16_t enabled) {
  const ChildControls& c = view.controls;
  const bool on = enabled != 0;
  c.Label1->Caption("");
  c.Label2->Caption("");
  c.Label1->Enabled(on);
  c.Label2->Enabled(on);
  c.cboYear->Enabled(on);
  c.CBoMonth->Enabled(on);
  for (const auto& header : c.lblWD) {
    header->Enabled(on);
    header->Caption("");
  }
  for (const auto& cell : c.lblDay) {
    cell->Enabled(on);
    cell->Caption("");
  }
  // The lists keep their items; only what they show is emptied.
  c.cboYear->Text("");
  c.CBoMonth->Text("");
}

const Font& DisplayFont(const ControlState& state, std::int16_t english) {
  const FontRef& font = english != 0 ? state.EnglishFont : state.NepaliFont;
  if (!font) Raise(kObjectNotSet);
  return *font;
}

}  // namespace sauramiti::view
