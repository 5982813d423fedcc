// Moving the keyboard's focus mark over the day cells: the navigation layer's rules
// (sauramiti/navigation/day_cells.hpp), under the names the Qt widget has always used.
//
// The 35 day cells hold five weeks of seven days; cell j is week j / 7, weekday j % 7. A step
// passes over disabled cells in its direction and lands on the next enabled cell; when there is
// none before the edge of the grid, the mark stays where it is.
#pragma once

#include <sauramiti/navigation/day_cells.hpp>

namespace sauramiti::qt {

using navigation::GridStep;
using navigation::kDayCells;
using navigation::kDaysInWeek;
using navigation::SettleFocus;
using navigation::StepFocus;

}  // namespace sauramiti::qt
