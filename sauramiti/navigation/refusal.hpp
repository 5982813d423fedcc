// Why a navigation action did nothing, as a number a binding can pass and a text for a person.
#pragma once

#include <cstdint>
#include <string_view>

namespace sauramiti::navigation {

enum class Refusal : std::int32_t {
  None = 0,
  Disabled = 1,         // the control's surface is disabled: it takes no input
  DesignMode = 2,       // the host is in design mode: the control takes no input
  NoDaysOnPage = 3,     // the grid shows no day to move over
  NoMonthChosen = 4,    // the month list shows no entry of its own
  YearNotInList = 5,    // the year list does not hold the year shown
  YearListEnds = 6,     // the year list has no later year
  YearListStarts = 7,   // the year list has no earlier year
  StartNotInList = 8,   // the page the navigation started on is no longer in the lists
  NoDayToPick = 9,      // no cell shows the focused day
  ClickNotTaken = 10,   // the focused cell did not take the click
  ChoiceNotTaken = 11,  // a list did not take the choice of an entry
  OutsideLimits = 12,   // the page or day lies outside the control's MinDate and MaxDate
};

[[nodiscard]] std::string_view RefusalText(Refusal refusal) noexcept;

}  // namespace sauramiti::navigation
