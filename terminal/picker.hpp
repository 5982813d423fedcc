// The interactive date picker, apart from any terminal: a control instance on the headless host
// and what each key does to it.
//
// The picker never works out a month itself. It moves a cursor over the control's day cells and
// turns pages the way a user of the control would, through the control's own lists and cells:
//   - the cursor sits on a day number; the arrow keys move it on the screen: along a week and
//     from week to week, whichever way the control's arrangement puts them (in the vertical
//     arrangement Down is the next day and Right the next week; in the horizontal one Right is
//     the next day and Down the next week). Moving past either end of the month turns the page
//     and lands on the matching day of the next or previous month;
//   - PageUp and PageDown choose the previous or next entry of the month list, whose Click
//     handler fills the grid; past Chaitra or before Vaishaka the year list turns as well;
//   - NextYear and PreviousYear choose the next or previous entry of the year list;
//   - Home and End go to the first and last day shown, Today back to the month and day the
//     picker started on;
//   - Enter clicks the day cell under the cursor; the control's day-cell handler sets the date
//     and raises Click, which ends the picker with the date picked;
//   - Cancel ends it without a date.
// On a page turn the cursor keeps its day number where the new month has it, else the month's
// last day. A move the lists cannot make (a year beyond the ends of the year list) leaves
// everything as it was and says why in Status(). How many days the month shown has comes from
// the typed date (bs::days_in_month), not from the cells.
//
// A run-time error raised by the control ends nothing: the picker reports it in Status().
#pragma once

#include <cstdint>
#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <string>
#include <terminal/view_picture.hpp>

namespace sauramiti::terminal {

enum class PickerKey {
  Left,
  Right,
  Up,
  Down,
  PageUp,
  PageDown,
  NextYear,
  PreviousYear,
  Home,
  End,
  Today,
  Enter,
  Cancel,
  None,  // a key the picker does not use
};

enum class PickerOutcome { Running, Picked, Cancelled };

// The picker's key for a typed character: h j k l like the arrows, y and + the next year, Y and
// - the previous one, t today, q cancels, Enter and Escape as themselves.
PickerKey PickerKeyForCharacter(int character);

struct PickerSetup {
  bool nepali = false;
  bool horizontal = false;
  std::int32_t separator = 0;
  std::int32_t style = 0;
};

class Picker {
 public:
  // A new instance whose clock says `today`, set up as asked, with today's cell under the cursor.
  Picker(const PickerSetup& setup, platform::LocalDate today);
  ~Picker();
  Picker(const Picker&) = delete;
  Picker& operator=(const Picker&) = delete;

  PickerOutcome Press(PickerKey key);

  // What the control shows now, Nepali in Devanagari.
  ViewPicture Picture() const;
  // The day cell under the cursor, -1 when no cell shows the cursor's day.
  int FocusCell() const;
  // Why the last key did nothing, or what went wrong; empty otherwise.
  const std::string& Status() const noexcept { return status_; }

  Sauramiti& Control() noexcept { return control_; }
  const Sauramiti& Control() const noexcept { return control_; }

 private:
  int LastDay() const;
  void MoveBy(int days);
  bool TurnMonth(int step);
  bool TurnYear(int step);
  void GoToStart();
  PickerOutcome PickFocusedDay();
  void KeepDayInMonth();

  headless::HeadlessHost host_;
  Sauramiti control_;
  Script script_;
  int focusDay_ = 1;
  std::string startYearText_;
  std::int32_t startMonthIndex_ = -1;
  int startDay_ = 1;
  std::string status_;
};

}  // namespace sauramiti::terminal
