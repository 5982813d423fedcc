#include <algorithm>
#include <sauramiti/base/parse_number.hpp>
#include <sauramiti/navigation/day_cells.hpp>

namespace sauramiti::navigation {

namespace {

bool IsCell(int cell) { return cell >= 0 && cell < kDayCells; }

const platform::Label& Cell(const view::ChildControls& children, int cell) {
  return *children.lblDay[static_cast<std::size_t>(cell)];
}

}  // namespace

int DayShown(const view::ChildControls& children, int cell) {
  if (!IsCell(cell) || !Cell(children, cell).Enabled()) return 0;
  const auto number = ParseWholeNumber(Cell(children, cell).Caption());
  if (!number || *number < 1 || *number > 99 || *number != static_cast<int>(*number)) return 0;
  return static_cast<int>(*number);
}

int LastDayShown(const view::ChildControls& children) {
  int last = 0;
  for (int cell = 0; cell < kDayCells; ++cell) last = std::max(last, DayShown(children, cell));
  return last;
}

int FirstDayShown(const view::ChildControls& children) {
  int first = 0;
  for (int cell = 0; cell < kDayCells; ++cell) {
    const int day = DayShown(children, cell);
    if (day > 0 && (first == 0 || day < first)) first = day;
  }
  return first;
}

int ClampToDaysShown(const view::ChildControls& children, int day) {
  return std::clamp(day, std::max(1, FirstDayShown(children)), std::max(1, LastDayShown(children)));
}

int CellOfDay(const view::ChildControls& children, int day) {
  if (day < 1) return -1;
  for (int cell = 0; cell < kDayCells; ++cell) {
    if (DayShown(children, cell) == day) return cell;
  }
  return -1;
}

int HighlightedCell(const view::ChildControls& children) {
  for (int cell = 0; cell < kDayCells; ++cell) {
    if (Cell(children, cell).S3() == 0) return cell;
  }
  return -1;
}

bool ShowsWeeksInColumns(const view::ChildControls& children, std::int16_t vertical) {
  const platform::Label& first = *children.lblWD.front();
  const platform::Label& last = *children.lblWD.back();
  if (last.Top() > first.Top()) return true;
  if (last.Left() > first.Left()) return false;
  return vertical != 0;
}

int StepFocusBy(int from, int stride, const std::function<bool(int)>& isEnabled) {
  if (!IsCell(from)) return SettleFocus(from, isEnabled);
  for (int cell = from + stride; IsCell(cell); cell += stride) {
    if (isEnabled(cell)) return cell;
  }
  return from;
}

int StepFocus(int from, GridStep step, bool vertical, const std::function<bool(int)>& isEnabled) {
  const bool alongWeek = vertical ? (step == GridStep::Up || step == GridStep::Down)
                                  : (step == GridStep::Left || step == GridStep::Right);
  const int stride = alongWeek ? 1 : kDaysInWeek;
  const bool backwards = step == GridStep::Left || step == GridStep::Up;
  return StepFocusBy(from, backwards ? -stride : stride, isEnabled);
}

int SettleFocus(int preferred, const std::function<bool(int)>& isEnabled) {
  if (IsCell(preferred) && isEnabled(preferred)) return preferred;
  for (int cell = 0; cell < kDayCells; ++cell) {
    if (isEnabled(cell)) return cell;
  }
  return -1;
}

}  // namespace sauramiti::navigation
