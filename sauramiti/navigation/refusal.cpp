#include <sauramiti/navigation/refusal.hpp>

namespace sauramiti::navigation {

std::string_view RefusalText(Refusal refusal) noexcept {
  switch (refusal) {
    case Refusal::None:
      return "";
    case Refusal::Disabled:
      return "the control is disabled";
    case Refusal::DesignMode:
      return "the control takes no input in design mode";
    case Refusal::NoDaysOnPage:
      return "this page shows no days";
    case Refusal::NoMonthChosen:
      return "the month list shows no month of its own";
    case Refusal::YearNotInList:
      return "the year list does not hold this year";
    case Refusal::YearListEnds:
      return "the year list ends here";
    case Refusal::YearListStarts:
      return "the year list starts here";
    case Refusal::StartNotInList:
      return "the year list does not hold the starting year";
    case Refusal::NoDayToPick:
      return "no day to pick here";
    case Refusal::ClickNotTaken:
      return "the control did not take the click";
    case Refusal::ChoiceNotTaken:
      return "the list did not take the choice";
    case Refusal::OutsideLimits:
      return "no day there lies within the allowed dates";
  }
  return "";
}

}  // namespace sauramiti::navigation
