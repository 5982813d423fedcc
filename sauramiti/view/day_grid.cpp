#include <sauramiti/base/checked_arithmetic.hpp>
#include <sauramiti/base/utf8_text.hpp>
#include <sauramiti/calendar/calendar_tables.hpp>
#include <sauramiti/calendar/first_weekday.hpp>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/platform/colors.hpp>
#include <sauramiti/view/month_view.hpp>
#include <sauramiti/view/name_tables.hpp>
#include <string>

namespace sauramiti::view {

namespace {

constexpr platform::Color kBlack = 0x00000000U;
constexpr platform::Color kRed = 0x000000FFU;
constexpr platform::Color kYellow = 0x0000FFFFU;
constexpr platform::Color kBlue = 0x00FF0000U;

constexpr std::int16_t kSingleBorder = 1;  // S1
constexpr std::int16_t kCentred = 2;       // S2
constexpr std::int16_t kRaised = 1;        // S3
constexpr std::int16_t kFlat = 0;          // S3, the selected cell

// The weekday name as a header shows it.
std::string HeaderCaption(const std::string& name, std::int32_t weekDayStyle,
                          std::int16_t english) {
  if (weekDayStyle != wkdShort) return name;
  // Short names: English names keep their first three letters; every Nepali-font name ends in
  // the three characters "jf/", which are dropped. A non-zero English other than -1 takes the
  // Nepali rule although the names are English ("Tues", "Wednes").
  if (english == -1) return std::string(CharLeft(name, 3));
  return std::string(CharDropRight(name, 3));
}

}  // namespace

void ClearGrid(ViewContext& view, std::int16_t cellsEnabled) {
  const ChildControls& c = view.controls;
  for (const auto& header : c.lblWD) {
    header->S1(kSingleBorder);
    header->S3(kRaised);
    header->Caption(" ");
  }
  if (view.host.Enabled()) ShowWeekdayHeaders(view);
  const std::string& fontName = SauramitiRoutine::DisplayFontName;
  for (const auto& cell : c.lblDay) {
    cell->S2(kCentred);
    cell->S3(kRaised);
    cell->S1(kSingleBorder);
    if (!fontName.empty()) cell->FontName(fontName);
    cell->Caption("");
    cell->Enabled(cellsEnabled != 0);
    cell->BackColor(platform::kButtonFaceColor);
    cell->ForeColor(kBlack);
    cell->ToolTipText("Click on the Desired Date");
  }
}

void ShowWeekdayHeaders(ViewContext& view) {
  const ControlState& state = view.state;
  SauramitiRoutine::DisplayFontName = DisplayFont(state, state.English).name;
  for (std::size_t i = 0; i < kHeaderCount; ++i) {
    platform::Label& header = *view.controls.lblWD[i];
    const std::string& name = SauramitiRoutine::WeekdayNames[i + 1];
    header.FontName(SauramitiRoutine::DisplayFontName);
    header.ForeColor(kBlue);
    header.Caption(HeaderCaption(name, state.WeekDayStyle, state.English));
    header.ToolTipText(name);
  }
}

void FillMonthGrid(ViewContext& view, std::int16_t year, std::int16_t month) {
  const ChildControls& c = view.controls;
  const std::int16_t firstWeekday = SauramitiRoutine::GetFirstWeekDay(year, month);
  // Day 1 goes into the first row, in the column of its weekday.
  std::int16_t cell = Sub16(firstWeekday, 1);
  ClearGrid(view, -1);
  const std::int16_t days = SauramitiRoutine::GetDaysInMonth(year, month, disNepali);
  // A month of up to 32 days starting in column 4, 5 or 6 runs past cell 34; those days wrap
  // into the first row, into cells before day 1, which are free.
  for (std::int16_t d = 1; d <= days; ++d) {
    DayCellAt(c, cell).Caption(std::to_string(d));
    cell = SauramitiRoutine::IntMod(Add16(cell, 1), static_cast<std::int16_t>(kDayCellCount));
  }
  for (const auto& dayCell : c.lblDay) {
    if (dayCell->Caption().empty()) dayCell->Enabled(false);
  }
}

void SelectCell(ViewContext& view, std::int16_t cell) {
  SetCellHighlight(view, view.state.SelectedCell, 0);
  SetCellHighlight(view, cell, -1);
  view.state.SelectedCell = cell;
}

void SetCellHighlight(ViewContext& view, std::int16_t cell, std::int16_t selected) {
  platform::Label& label = DayCellAt(view.controls, cell);
  if (selected == -1) {
    const std::int16_t column = static_cast<std::int16_t>(cell % 7);
    const bool weekend = column == 0 || column == 6;
    label.S3(kFlat);
    label.BackColor(platform::kButtonShadowColor);
    label.ForeColor(weekend ? kRed : kYellow);
  } else {
    label.S3(kRaised);
    label.BackColor(platform::kButtonFaceColor);
    label.ForeColor(kBlack);
  }
}

}  // namespace sauramiti::view
