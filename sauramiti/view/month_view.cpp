#include <sauramiti/base/checked_arithmetic.hpp>
#include <sauramiti/base/parse_number.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/calendar/calendar_tables.hpp>
#include <sauramiti/platform/colors.hpp>
#include <sauramiti/view/layout.hpp>
#include <sauramiti/view/month_view.hpp>
#include <sauramiti/view/name_tables.hpp>

namespace sauramiti::SauramitiRoutine {
std::string DisplayFontName;
}  // namespace sauramiti::SauramitiRoutine

namespace sauramiti::view {

std::size_t ShownDayCells(const ControlState& state) {
  return state.SixWeeks != 0 ? kMaxDayCellCount : kDayCellCount;
}

namespace {
// The sixth week's cells shown or hidden as SixWeeks says; hidden ones are also emptied and
// disabled, so they report nothing and take no click.
void ShowSixthWeek(ViewContext& view) {
  const bool shown = view.state.SixWeeks != 0;
  for (std::size_t j = kDayCellCount; j < kMaxDayCellCount; ++j) {
    platform::Label& cell = *view.controls.lblDay[j];
    cell.Visible(shown);
    if (!shown) {
      cell.Caption("");
      cell.Enabled(false);
      // No highlight stays on a hidden cell, and the next selection starts from cell 0.
      cell.S3(1);
      cell.BackColor(platform::kButtonFaceColor);
      cell.ForeColor(0x00000000U);
    }
  }
  if (!shown && static_cast<std::size_t>(view.state.SelectedCell) >= kDayCellCount) {
    view.state.SelectedCell = 0;
  }
}
}  // namespace

void RefreshView(ViewContext& view) {
  ControlState& state = view.state;
  SauramitiRoutine::InitCalendarTables();
  ArrangeView(view.host, view.controls, state.Vertical, state.WeekDayStyle, state.SixWeeks);
  ShowSixthWeek(view);
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
  for (std::size_t j = 0; j < ShownDayCells(state); ++j) {
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
  // With ShowGregorianDay on, the Gregorian months of the shown BS month follow the date: in
  // parentheses in English; after a comma in Nepali, whose legacy font draws "(" and ")" as
  // letters but a comma as itself.
  const ControlState& state = view.state;
  if (state.ShowGregorianDay != 0 && !state.GregorianMonthsShown.empty()) {
    view.controls.Label2->Caption(state.English != 0
                                      ? state.EngStrDate + " (" + state.GregorianMonthsShown + ")"
                                      : state.EngStrDate + ", " + state.GregorianMonthsShown);
  } else {
    view.controls.Label2->Caption(state.EngStrDate);
  }
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
  for (std::size_t j = 0; j < ShownDayCells(view.state); ++j) {
    c.lblDay[j]->Enabled(on);
    c.lblDay[j]->Caption("");
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
