// Navigation: a keyboard focus over one control's day cells and lists, moved by the actions of
// the key map (key_map.hpp), every change made as a person would make it.
//
// A Navigator drives its control only through the host's user-action call
// (platform/user_actions.hpp): a page turns by choosing entries of the year and month lists, a
// day is picked by clicking its cell. The control's own handlers run as for a mouse, so every
// rule of the control stays where it is: its guards, its disabled cells, when it raises Click.
// The grid is read off the child controls, never worked out again. For example:
//
//   #include <sauramiti/platform/headless/headless_host.hpp>
//   headless::HeadlessHost host;            // or the Qt host: both implement UserActions
//   Sauramiti control(host);
//   control.Initialize();
//   control.InitProperties();
//   navigation::Navigator keys(control, host, host, navigation::FocusModel::Days);
//   keys.Press(navigation::Key::PageDown);  // the next month, as if chosen in CBoMonth
//   keys.Press(navigation::Key::Enter);     // clicks the focused day: the control raises Click
//
// Two focus models, as two kinds of front end want them:
//   Cells  the focus is a cell of the grid (the embeddable widget's focus mark). It starts on no
//          cell; arrows walk the enabled cells and stop at the grid's edge (day_cells.hpp); after
//          a page turn it stays on its cell when that cell is enabled, else goes to the first
//          enabled one.
//   Days   the focus is a day of the month shown (the terminal picker's cursor). It starts on the
//          selected day; arrows walk the days and past either end of the month turn the page,
//          landing on the matching day of the next or previous month; after a page turn it keeps
//          its day number where the new month has it, else the month's last day.
// In both, Home and End go to the cell of the month's first and last day, and BackToStart to the
// page and day that were shown when the navigator was made.
//
// Input. A control whose surface is disabled, or whose host is in design mode, takes no input:
// every action but Cancel is refused, and nothing changes. A refused action (a turn past the
// ends of the year list, say) changes nothing and tells why in LastRefusal(). A run-time error
// raised by the control passes to the caller.
//
// The navigator holds references to its control and host: make a new one for a new instance.
#pragma once

#include <cstdint>
#include <functional>
#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/navigation/key_map.hpp>
#include <sauramiti/navigation/page_turns.hpp>
#include <sauramiti/navigation/refusal.hpp>
#include <sauramiti/platform/host.hpp>
#include <sauramiti/platform/user_actions.hpp>

namespace sauramiti::navigation {

enum class FocusModel : std::int32_t { Cells = 0, Days = 1 };

enum class Result : std::int32_t {
  Done = 0,            // carried out (a step at the grid's edge that stays put counts too)
  ClickDelivered = 1,  // the focused cell took the click: the control's handler ran
  Cancelled = 2,       // the person gave up
  Refused = 3,         // nothing changed; LastRefusal() says why
};

class Navigator {
 public:
  Navigator(Sauramiti& control, platform::Host& host, platform::UserActions& actions,
            FocusModel model);

  // The action of `key` (ActionForKey, with the focus area and the arrangement shown), carried
  // out.
  Result Press(Key key);
  Result Perform(Action action);
  // Puts the focus on cell `cell` and clicks it (a mouse click on a day cell). A cell that shows
  // no day is refused and moves nothing.
  Result ClickCell(int cell);

  // The day cell with the focus, -1 when none shows it.
  [[nodiscard]] int FocusCell() const;
  // Puts the focus on cell `cell` (-1: on none) without clicking, as a click the host saw does.
  void FocusOnCell(int cell);
  // Puts the focus on an enabled cell if it is on none: its own cell when enabled, else the
  // selected day's cell, else the first enabled cell (a front end's focus-in).
  void SettleOnCell();
  [[nodiscard]] Area FocusArea() const noexcept { return area_; }
  void FocusArea(Area area) noexcept { area_ = area; }
  [[nodiscard]] Refusal LastRefusal() const noexcept { return refusal_; }
  // Whether the control shows the weeks in columns (the arrangement the arrows follow).
  [[nodiscard]] bool Vertical() const;

 private:
  [[nodiscard]] const view::ChildControls& Children() const { return control_.Children(); }
  [[nodiscard]] std::function<bool(int)> CellEnabled() const;
  Result Refuse(Refusal why);
  Result StepDays(int days);
  Result StepCells(int stride);
  Result TurnThen(Refusal turned);
  Result GoToDay(int day);
  Result GoToStart();
  Result ClickFocused();
  Result ChooseInFocusedList(int step);
  void CycleArea(int step);
  void FocusOnDay(int day);

  Sauramiti& control_;
  platform::Host& host_;
  platform::UserActions& actions_;
  FocusModel model_;
  Area area_ = Area::Days;
  int cell_ = -1;  // the focus in the Cells model
  int day_ = 1;    // the focus in the Days model
  Page start_;
  int startDay_ = 1;
  Refusal refusal_ = Refusal::None;
};

}  // namespace sauramiti::navigation
