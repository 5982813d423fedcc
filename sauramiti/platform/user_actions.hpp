// What a person can do to the control's child controls, delivered by a front end.
//
// A front end that shows the control (a widget toolkit, a terminal, a script, a browser page)
// turns what the person did into one of four actions on a child it names by its stable name
// ("lblDay(5)", "cboYear", "CBoMonth"), and hands it to the host that made the children. The host
// plays the action exactly as its own toolkit would have delivered it, so the control's handlers
// run as they do for a mouse or a key, with every guard of the control in place:
//   ClickLabel     the person clicks the label; a disabled label reports nothing (Refused);
//   ChooseEntry    the person chooses entry `argument` (0-based) of the list: its text and index
//                  change, then the list's Click handler runs;
//   TypeCharacter  the person types the character whose UTF-16 code unit is `argument` (0 to
//                  65535) into the list: the KeyPress handler sees it first and may discard it
//                  (Refused);
//   OpenList       the person opens the list: the DropDown handler runs.
// No front end needs to know the concrete class of a child to do any of this.
//
// Entries outside a list: each toolkit answers as its own list does. The headless host raises
// run-time error 5 (a script sees `error 5`), the Qt host refuses. A run-time error raised by a
// handler passes to the caller on the headless host and goes to the Qt widget's error signal.
//
// The kinds and outcomes are plain numbered enums so that a binding (JavaScript, say) can pass
// them as integers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sauramiti::platform {

enum class UserActionKind : std::int32_t {
  ClickLabel = 0,
  ChooseEntry = 1,
  TypeCharacter = 2,
  OpenList = 3,
};

struct UserAction {
  UserActionKind kind = UserActionKind::ClickLabel;
  std::string child;          // the child's stable name
  std::int32_t argument = 0;  // the entry for ChooseEntry, the character code for TypeCharacter
};

enum class UserActionOutcome : std::int32_t {
  Delivered = 0,    // the child took the action and its handler (if any) ran
  Refused = 1,      // the child would not take it: a disabled label, a discarded key, ...
  NoSuchChild = 2,  // no live child has that name
  WrongKind = 3,    // the child cannot take that action (a click on a list, say)
};

// The user-action call of a host. The headless and Qt hosts implement it beside platform::Host.
class UserActions {
 public:
  virtual ~UserActions() = default;
  virtual UserActionOutcome Perform(const UserAction& action) = 0;
};

// The stable name of day cell `cell` ("lblDay(5)"), as the month view creates it.
inline std::string DayCellName(int cell) { return "lblDay(" + std::to_string(cell) + ")"; }
inline constexpr std::string_view kYearListName = "cboYear";
inline constexpr std::string_view kMonthListName = "CBoMonth";

}  // namespace sauramiti::platform
