// The month view laid out as lines of text, in the control's own arrangement.
//
// From the top, as on the control: the BS date panel, the Gregorian date panel, the year list
// and the month list on one line (each list shows its text and a "▾"), a blank line, and the grid
// of weekday headers and day cells.
//
//   vertical (headers down the left, one column per week):    horizontal (headers on top, one
//                                                              row per week):
//     Sun    1   8  15  22  29                                 Sun Mon Tue Wed Thu Fri Sat
//     Mon    2   9  16  23  30                                   1   2   3   4   5   6   7
//     ...                                                        ...
//
// Every day cell takes the width of the widest caption plus one column on each side. The cell
// carrying the control's selected look is marked there: between brackets, "[19]", for plain text,
// or by the control's own colours of the selected look when the output can show colours. Day
// numbers are right-aligned; a header stands right-aligned over its day numbers in the horizontal
// arrangement and left-aligned in its column in the vertical one. Widths are display widths, so
// Devanagari captions with their zero-width vowel signs line up as well as Latin ones.
//
// A cell holds whatever the control put in it: an empty caption leaves a blank cell; a disabled
// cell with a caption is shown dim when looks are shown; a cell whose text colour is not the
// weekdays' black (a Saturday in the control's HolidayForeColor) is shown in that colour when the
// output can show colours. Lines carry no blanks at their ends
// unless a look needs them.
//
// Today's cell, when it is shown (LayoutOptions::todayCell, or the control's own mark of
// today, MarkToday), is marked the way a selected day would be when looks cannot be
// shown (brackets), and in reverse video when they can, so that on a terminal it stays distinct
// from the selected day's colours. A view of several months leaves the selected look out: each
// month's selection is only the control's bookkeeping there.
//
// For terminals that cannot show UTF-8 (a non-UTF-8 locale), `asciiOnly` draws the lists' mark as
// "v"; the captions are the caller's to choose (legacy-font ASCII for Nepali).
#pragma once

#include <terminal/styled_text.hpp>
#include <terminal/view_picture.hpp>
#include <vector>

namespace sauramiti::terminal {

struct LayoutOptions {
  // Mark the selected day between brackets (true), or by its colours (false).
  bool bracketSelection = true;
  // The day cell under a picker's cursor, shown in reverse video; -1 for none.
  int focusCell = -1;
  // Today's day cell, -1 when today is not on the page.
  int todayCell = -1;
  // Show the control's selected look (brackets or colours).
  bool showSelection = true;
  // The list under a picker's keyboard focus, shown in reverse video.
  enum class FocusedList { None, Year, Month } focusedList = FocusedList::None;
  bool asciiOnly = false;
};

std::vector<StyledLine> LayOutView(const ViewPicture& picture, const LayoutOptions& options);

// Only the grid (headers and day cells) under a title line: a month of a multi-month view.
std::vector<StyledLine> LayOutGrid(const ViewPicture& picture, const LayoutOptions& options,
                                   const std::string& title);

}  // namespace sauramiti::terminal
