#include <qt/grid_navigation.hpp>

namespace sauramiti::qt {

namespace {

int StrideOf(GridStep step, bool vertical) {
  const bool alongWeek = vertical ? (step == GridStep::Up || step == GridStep::Down)
                                  : (step == GridStep::Left || step == GridStep::Right);
  const int stride = alongWeek ? 1 : kDaysInWeek;
  const bool backwards = step == GridStep::Left || step == GridStep::Up;
  return backwards ? -stride : stride;
}

bool IsCell(int cell) { return cell >= 0 && cell < kDayCells; }

}  // namespace

int StepFocus(int from, GridStep step, bool vertical, const std::function<bool(int)>& isEnabled) {
  if (!IsCell(from)) return SettleFocus(from, isEnabled);
  const int stride = StrideOf(step, vertical);
  for (int cell = from + stride; IsCell(cell); cell += stride) {
    if (isEnabled(cell)) return cell;
  }
  return from;
}

int SettleFocus(int preferred, const std::function<bool(int)>& isEnabled) {
  if (IsCell(preferred) && isEnabled(preferred)) return preferred;
  for (int cell = 0; cell < kDayCells; ++cell) {
    if (isEnabled(cell)) return cell;
  }
  return -1;
}

}  // namespace sauramiti::qt
