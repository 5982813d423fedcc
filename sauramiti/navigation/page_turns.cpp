#include <sauramiti/navigation/day_cells.hpp>
#include <sauramiti/navigation/page_turns.hpp>

namespace sauramiti::navigation {

namespace {

Refusal Choose(platform::UserActions& actions, std::string_view list, std::int32_t entry) {
  const platform::UserAction choice{platform::UserActionKind::ChooseEntry, std::string(list),
                                    entry};
  return actions.Perform(choice) == platform::UserActionOutcome::Delivered
             ? Refusal::None
             : Refusal::ChoiceNotTaken;
}

// A turn that leaves a page with days for one without any (every day outside the date limits)
// goes back and is refused.
template <typename Turn>
Refusal KeepingDays(const view::ChildControls& children, platform::UserActions& actions,
                    Turn turn) {
  const Page from = PageShown(children);
  const bool hadDays = LastDayShown(children) > 0;
  if (const Refusal refused = turn(); refused != Refusal::None) return refused;
  if (!hadDays || LastDayShown(children) > 0) return Refusal::None;
  if (const Refusal back = GoToPage(children, actions, from); back != Refusal::None) return back;
  return Refusal::OutsideLimits;
}

Refusal YearTurn(const view::ChildControls& children, platform::UserActions& actions, int step) {
  const platform::ComboBox& years = *children.cboYear;
  const std::int32_t index = years.ListIndex();
  if (index < 0) return Refusal::YearNotInList;
  const std::int32_t next = index + step;  // index < ListCount(), step is +-1: no overflow
  if (next < 0) return Refusal::YearListStarts;
  if (next >= years.ListCount()) return Refusal::YearListEnds;
  return Choose(actions, platform::kYearListName, next);
}

Refusal MonthTurn(const view::ChildControls& children, platform::UserActions& actions, int step) {
  const platform::ComboBox& months = *children.CBoMonth;
  const std::int32_t index = months.ListIndex();
  if (index < 0) return Refusal::NoMonthChosen;
  const std::int32_t next = index + step;
  if (next >= 0 && next < months.ListCount())
    return Choose(actions, platform::kMonthListName, next);
  if (const Refusal refused = YearTurn(children, actions, step); refused != Refusal::None) {
    return refused;
  }
  return Choose(actions, platform::kMonthListName, step > 0 ? 0 : months.ListCount() - 1);
}

}  // namespace

Refusal TurnYear(const view::ChildControls& children, platform::UserActions& actions, int step) {
  return KeepingDays(children, actions, [&] { return YearTurn(children, actions, step); });
}

Refusal TurnMonth(const view::ChildControls& children, platform::UserActions& actions, int step) {
  return KeepingDays(children, actions, [&] { return MonthTurn(children, actions, step); });
}

Page PageShown(const view::ChildControls& children) {
  return {children.cboYear->Text(), children.CBoMonth->ListIndex()};
}

Refusal GoToPage(const view::ChildControls& children, platform::UserActions& actions,
                 const Page& page) {
  const platform::ComboBox& years = *children.cboYear;
  std::int32_t yearIndex = -1;
  for (std::int32_t i = 0; i < years.ListCount(); ++i) {
    if (years.List(i) == page.yearText) yearIndex = i;
  }
  if (yearIndex < 0 || page.monthIndex < 0) return Refusal::StartNotInList;
  if (years.ListIndex() != yearIndex) {
    if (const Refusal refused = Choose(actions, platform::kYearListName, yearIndex);
        refused != Refusal::None) {
      return refused;
    }
  }
  if (children.CBoMonth->ListIndex() == page.monthIndex) return Refusal::None;
  return Choose(actions, platform::kMonthListName, page.monthIndex);
}

}  // namespace sauramiti::navigation
