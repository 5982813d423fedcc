// The keys of the date picker and what each one does: one map for every front end.
//
// A front end translates its own key codes into a Key (Qt's Qt::Key_Left, ncurses' KEY_LEFT, a
// browser's "ArrowLeft" all become Key::Left) and asks ActionForKey what it means here. The
// meaning of an arrow depends on the arrangement the control shows: the vertical one puts the
// weeks in columns, so Down is the next day and Right the next week; the horizontal one puts
// them in rows, so Right is the next day and Down the next week. While a list has the focus,
// Left and Up choose its previous entry, Right and Down its next one; every other key does what
// it does on the days.
//
//   arrows            a day or a week (by the arrangement), or the list's entries
//   Page Up / Down    the month before / after; past Chaitra or before Vaishaka the year turns too
//   NextYear / PreviousYear   the year after / before (the terminal's y + and Y -)
//   Home / End        the month's first / last day
//   Today             back to the page and day the navigation started on
//   Enter, Space      click the focused day cell, as a mouse click on it would
//   Tab / BackTab     the focus goes days -> year list -> month list -> days (or back)
//   Cancel            give up (Escape; q on the terminal)
//
// Every enum is numbered explicitly so that a binding can pass it as an integer.
#pragma once

#include <cstdint>

namespace sauramiti::navigation {

enum class Key : std::int32_t {
  Left = 0,
  Right = 1,
  Up = 2,
  Down = 3,
  PageUp = 4,
  PageDown = 5,
  NextYear = 6,
  PreviousYear = 7,
  Home = 8,
  End = 9,
  Today = 10,
  Enter = 11,
  Cancel = 12,
  Tab = 13,
  BackTab = 14,
  None = 15,  // a key the picker does not use
  Space = 16,
};

// Where the keyboard focus is: on the day cells or on one of the two lists.
enum class Area : std::int32_t { Days = 0, YearList = 1, MonthList = 2 };

enum class Action : std::int32_t {
  None = 0,
  PreviousDay = 1,
  NextDay = 2,
  PreviousWeek = 3,
  NextWeek = 4,
  PreviousMonth = 5,
  NextMonth = 6,
  PreviousYear = 7,
  NextYear = 8,
  FirstDay = 9,
  LastDay = 10,
  BackToStart = 11,
  ClickFocused = 12,
  NextArea = 13,
  PreviousArea = 14,
  PreviousEntry = 15,  // of the list that has the focus
  NextEntry = 16,
  Cancel = 17,
};

// What `key` does with the focus in `area`, the weeks in columns when `vertical`.
[[nodiscard]] Action ActionForKey(Key key, Area area, bool vertical) noexcept;

// The key for a typed character: h j k l like the arrows (left, down, up, right), y and + the
// next year, Y and - the previous one, t today, q and Escape cancel, Enter (CR or LF) and Tab as
// themselves; Key::None for any other character.
[[nodiscard]] Key KeyForCharacter(int character) noexcept;

}  // namespace sauramiti::navigation
