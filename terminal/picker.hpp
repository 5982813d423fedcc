// The interactive date picker, apart from any terminal: a control instance on the headless host
// and what each key does to it.
//
// The picker never works out a month itself. Its keys are the navigation layer's
// (sauramiti/navigation/navigator.hpp, with the focus on days): it moves a cursor over the
// control's day cells and turns pages the way a user of the control would, through the control's
// own lists and cells:
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
//     and raises Click, which ends the picker with the date picked; a mouse click on a day cell
//     (ClickCell) does the same for that cell, as a click on the control's own cell would;
//   - Tab moves the keyboard focus from the days to the year list, the month list and back
//     (BackTab the other way); while a list has it, the arrows choose its previous (Left, Up)
//     or next (Right, Down) entry, and every other key does what it does on the days;
//   - Cancel ends it without a date.
// On a page turn the cursor keeps its day number where the new month has it, else the month's
// last day. A move the lists cannot make (a year beyond the ends of the year list) leaves
// everything as it was and says why in Status(). How many days the month shown has comes from
// the typed date (bs::days_in_month), not from the cells.
//
// A date can also be typed (date_typing.hpp): digits and separators build it, shown in Status();
// while one is typed, Enter goes to it (the page turned, the cursor on its day; a second Enter
// picks it, so a typo never ends the picker), Escape and q clear it, and only with nothing
// typed do they cancel. A date the year list does not reach is refused and nothing moves.
//
// A run-time error raised by the control ends nothing: the picker reports it in Status().
#pragma once

#include <cstdint>
#include <optional>
#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/navigation/navigator.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <string>
#include <terminal/date_typing.hpp>
#include <terminal/view_picture.hpp>

namespace sauramiti::terminal {

// The picker's keys and focus areas are the navigation layer's, shared with every front end.
using PickerKey = navigation::Key;
using PickerFocus = navigation::Area;

// Interrupted is the terminal's interrupt key (Ctrl-C), which a front end reports apart from
// a cancel.
enum class PickerOutcome { Running, Picked, Cancelled, Interrupted };

// The picker's key for a typed character: h j k l like the arrows, y and + the next year, Y and
// - the previous one, t today, q cancels, Enter, Escape and Tab as themselves.
inline PickerKey PickerKeyForCharacter(int character) {
  return navigation::KeyForCharacter(character);
}

struct PickerSetup {
  bool nepali = false;
  bool horizontal = false;
  bool sixWeeks = false;       // the SixWeeks extension: six weeks of day cells, no day wraps
  bool gregorianDays = false;  // the ShowGregorianDay extension
  bool markToday = false;      // the MarkToday extension: today's cell marked apart
  std::string minDate;         // the MinDate and MaxDate extensions ("" for no limit)
  std::string maxDate;
  std::optional<std::int32_t> holidayColor;  // HolidayForeColor, in the control's encoding
  std::int32_t separator = 0;
  std::int32_t style = 0;
  std::int16_t calendar = 0;  // the control's Calendar: 0 the model, 1 the published calendar
  // The year list's ends (the control's MinYear and MaxYear); its defaults when not given.
  std::optional<std::int16_t> minYear;
  std::optional<std::int16_t> maxYear;
};

class Picker {
 public:
  // A new instance whose clock says `today`, set up as asked, with today's cell under the cursor.
  Picker(const PickerSetup& setup, platform::LocalDate today);
  ~Picker();
  Picker(const Picker&) = delete;
  Picker& operator=(const Picker&) = delete;

  PickerOutcome Press(PickerKey key);
  // A typed character (a byte; 8 or 127 for Backspace) that belongs to a typed date: true when
  // the date took it (or refused it, saying why in Status()), false when it means a key.
  bool Type(int character);
  // The date typed so far, as typed.
  const std::string& Typed() const noexcept { return typing_.Text(); }
  // A click on day cell `cell` (0 to 34): picks its day; a cell without a day does nothing.
  PickerOutcome ClickCell(int cell);

  // What the control shows now, Nepali in Devanagari.
  ViewPicture Picture() const;
  // The same with the captions written in `script`.
  ViewPicture Picture(Script script) const;
  PickerFocus Focus() const noexcept { return navigator_->FocusArea(); }
  // The day cell under the cursor, -1 when no cell shows the cursor's day.
  int FocusCell() const { return navigator_->FocusCell(); }
  // Why the last key did nothing, or what went wrong; empty otherwise.
  const std::string& Status() const noexcept { return status_; }

  Sauramiti& Control() noexcept { return control_; }
  const Sauramiti& Control() const noexcept { return control_; }

 private:
  void SetYearRange(const PickerSetup& setup);
  // What the navigation's result means for the picker; a refusal goes into Status().
  PickerOutcome Finish(navigation::Result result);
  // The year and month shown, which a typed date is read against, in the control's calendar.
  bs::year_month_day PageDate() const;
  const bs::calendar& Calendar() const;
  void GoToTyped();
  void ShowTyped();

  headless::HeadlessHost host_;
  Sauramiti control_;
  Script script_;
  std::optional<navigation::Navigator> navigator_;  // made once the control is set up
  std::string status_;
  DateTyping typing_;
};

}  // namespace sauramiti::terminal
