// Reading the month grid as a person sees it, and stepping a focus mark over its cells.
//
// The 35 day cells hold five weeks of seven days; cell j is week j / 7, weekday j % 7. A cell
// shows a day when it is enabled and its caption is a whole number from 1 to 99; the empty cells
// of the month are disabled. How many days a month has is read off the grid, never worked out
// again, so the navigation follows whatever the control shows.
//
// Stepping (StepFocus) walks cells, not days: a step of one goes along a week, a step of seven
// across weeks; it passes over disabled cells in its direction and lands on the next enabled
// cell, and when there is none before the edge of the grid the mark stays where it is. Stepping
// a day from the end of a week goes on to the start of the next one, as the days follow each
// other.
#pragma once

#include <cstdint>
#include <functional>
#include <sauramiti/view/child_controls.hpp>

namespace sauramiti::navigation {

// Every day cell there is: the original 35 and the sixth week the SixWeeks extension shows (a
// hidden cell is disabled and empty, so it shows no day and the focus never lands on it).
inline constexpr int kDayCells = 42;
inline constexpr int kDaysInWeek = 7;

enum class GridStep { Left, Right, Up, Down };

// The day number cell `cell` shows; 0 for a cell outside the grid, a disabled cell or a caption
// that is no whole number from 1 to 99.
[[nodiscard]] int DayShown(const view::ChildControls& children, int cell);
// The highest day shown (0 when the grid shows none).
[[nodiscard]] int LastDayShown(const view::ChildControls& children);
// The lowest day shown (0 when the grid shows none): 1 but where the control's MinDate disables
// the month's first days.
[[nodiscard]] int FirstDayShown(const view::ChildControls& children);
// `day` moved into the days shown, first to last (1 when the grid shows none).
[[nodiscard]] int ClampToDaysShown(const view::ChildControls& children, int day);
// The first cell showing `day`, -1 when none does.
[[nodiscard]] int CellOfDay(const view::ChildControls& children, int day);
// The cell with the selected day's look (flat, S3 = 0), -1 when none has it.
[[nodiscard]] int HighlightedCell(const view::ChildControls& children);
// Whether the control shows the weeks in columns: read off the weekday headers (the last below
// the first), else off the `vertical` property when the headers do not tell.
[[nodiscard]] bool ShowsWeeksInColumns(const view::ChildControls& children, std::int16_t vertical);

// The cell the mark moves to from `from` (0 to 34) by `stride` cells (+-1 or +-7), or `from`
// when no enabled cell lies that way. A mark on no cell (-1) settles instead.
[[nodiscard]] int StepFocusBy(int from, int stride, const std::function<bool(int)>& isEnabled);
// The same for an arrow: in the vertical arrangement Up and Down go along the week, Left and
// Right across; in the horizontal one the other way round.
[[nodiscard]] int StepFocus(int from, GridStep step, bool vertical,
                            const std::function<bool(int)>& isEnabled);
// The cell that takes the mark when it has none on an enabled cell: `preferred` when it is
// enabled, else the first enabled cell, else -1.
[[nodiscard]] int SettleFocus(int preferred, const std::function<bool(int)>& isEnabled);

}  // namespace sauramiti::navigation
