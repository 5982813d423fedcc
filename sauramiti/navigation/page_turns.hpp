// Turning the page as a person would: by choosing entries of the control's year and month lists.
//
// Nothing here works out a month. A turn chooses the previous or next entry of a list through the
// host's user-action call, so the list's Click handler refills the grid exactly as a choice with
// the mouse does. Past the last month (Chaitra) or before the first (Vaishaka) the year list
// turns first, then the month list chooses its first or last entry. A turn the lists cannot make
// (no entry chosen, the end of the year list) changes nothing and says why. So does a turn from
// a page that shows days to one that shows none, which only the control's date limits (MinDate,
// MaxDate) make: the lists go back to the page the turn started from.
#pragma once

#include <cstdint>
#include <sauramiti/navigation/refusal.hpp>
#include <sauramiti/platform/user_actions.hpp>
#include <sauramiti/view/child_controls.hpp>
#include <string>

namespace sauramiti::navigation {

// The month `step` (+1 or -1) entries on, crossing the year at the ends of the month list.
Refusal TurnMonth(const view::ChildControls& children, platform::UserActions& actions, int step);
// The year `step` (+1 or -1) entries on.
Refusal TurnYear(const view::ChildControls& children, platform::UserActions& actions, int step);

// The page a person was on: the year list's text and the month list's entry.
struct Page {
  std::string yearText;
  std::int32_t monthIndex = -1;
};
[[nodiscard]] Page PageShown(const view::ChildControls& children);
// Back to `page`, choosing in each list only when it shows another entry.
Refusal GoToPage(const view::ChildControls& children, platform::UserActions& actions,
                 const Page& page);

}  // namespace sauramiti::navigation
