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
// cell with a caption is shown dim when looks are shown. Lines carry no blanks at their ends
// unless a look needs them.
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
};

std::vector<StyledLine> LayOutView(const ViewPicture& picture, const LayoutOptions& options);

}  // namespace sauramiti::terminal
