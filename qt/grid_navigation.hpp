// Moving the keyboard's focus mark over the day cells.
//
// The 35 day cells hold five weeks of seven days; cell j is week j / 7, weekday j % 7. The
// horizontal arrangement shows weeks as rows, so Left and Right step one day and Up and Down one
// week. The vertical arrangement shows weeks as columns, so there Up and Down step one day and
// Left and Right one week. A step passes over disabled cells (the empty ones of the month) in
// its direction and lands on the next enabled cell; when there is none before the edge of the
// grid, the mark stays where it is. Stepping a day from the end of a week goes on to the start
// of the next one, as the days follow each other.
#pragma once

#include <functional>

namespace sauramiti::qt {

enum class GridStep { Left, Right, Up, Down };

inline constexpr int kDayCells = 35;
inline constexpr int kDaysInWeek = 7;

// The cell the mark moves to from `from` (0 to 34), or `from` when no enabled cell lies that way.
// `isEnabled` tells whether a cell can take the mark. A mark on no cell (-1) settles instead.
int StepFocus(int from, GridStep step, bool vertical, const std::function<bool(int)>& isEnabled);

// The cell that takes the mark when it has none on an enabled cell: `preferred` when it is
// enabled, else the first enabled cell, else -1.
int SettleFocus(int preferred, const std::function<bool(int)>& isEnabled);

}  // namespace sauramiti::qt
