#include <algorithm>
#include <sauramiti/navigation/day_cells.hpp>
#include <sauramiti/navigation/navigator.hpp>

namespace sauramiti::navigation {

Navigator::Navigator(Sauramiti& control, platform::Host& host, platform::UserActions& actions,
                     FocusModel model)
    : control_(control), host_(host), actions_(actions), model_(model) {
  start_ = PageShown(Children());
  const int selected = DayShown(Children(), HighlightedCell(Children()));
  startDay_ = selected == 0 ? 1 : selected;
  day_ = startDay_;
}

bool Navigator::Vertical() const { return ShowsWeeksInColumns(Children(), control_.Vertical()); }

Result Navigator::Press(Key key) {
  refusal_ = Refusal::None;
  return Perform(ActionForKey(key, area_, Vertical()));
}

Result Navigator::Perform(Action action) {
  refusal_ = Refusal::None;
  if (action == Action::None) return Result::Done;
  if (action == Action::Cancel) return Result::Cancelled;
  if (!host_.Enabled()) return Refuse(Refusal::Disabled);
  if (!host_.UserMode()) return Refuse(Refusal::DesignMode);
  const bool byDays = model_ == FocusModel::Days;
  switch (action) {
    case Action::PreviousDay:
      return byDays ? StepDays(-1) : StepCells(-1);
    case Action::NextDay:
      return byDays ? StepDays(1) : StepCells(1);
    case Action::PreviousWeek:
      return byDays ? StepDays(-kDaysInWeek) : StepCells(-kDaysInWeek);
    case Action::NextWeek:
      return byDays ? StepDays(kDaysInWeek) : StepCells(kDaysInWeek);
    case Action::PreviousMonth:
      return TurnThen(TurnMonth(Children(), actions_, -1));
    case Action::NextMonth:
      return TurnThen(TurnMonth(Children(), actions_, 1));
    case Action::PreviousYear:
      return TurnThen(TurnYear(Children(), actions_, -1));
    case Action::NextYear:
      return TurnThen(TurnYear(Children(), actions_, 1));
    case Action::FirstDay:
      return GoToDay(std::max(1, FirstDayShown(Children())));
    case Action::LastDay:
      return GoToDay(std::max(1, LastDayShown(Children())));
    case Action::BackToStart:
      return GoToStart();
    case Action::ClickFocused:
      return ClickFocused();
    case Action::NextArea:
    case Action::PreviousArea:
      CycleArea(action == Action::NextArea ? 1 : -1);
      return Result::Done;
    case Action::PreviousEntry:
    case Action::NextEntry:
      return ChooseInFocusedList(action == Action::NextEntry ? 1 : -1);
    case Action::None:
    case Action::Cancel:
      break;
  }
  return Result::Done;
}

std::function<bool(int)> Navigator::CellEnabled() const {
  return [this](int cell) {
    return cell >= 0 && cell < kDayCells &&
           Children().lblDay[static_cast<std::size_t>(cell)]->Enabled();
  };
}

Result Navigator::Refuse(Refusal why) {
  refusal_ = why;
  return Result::Refused;
}

Result Navigator::StepDays(int days) {
  const int last = LastDayShown(Children());
  if (last == 0) return Refuse(Refusal::NoDaysOnPage);
  const int target = day_ + days;  // day_ and days are small: [-7, 106]
  if (target >= 1 && target <= last) {
    // A day of the month that is not shown lies before MinDate: the step is refused.
    if (CellOfDay(Children(), target) < 0) return Refuse(Refusal::OutsideLimits);
    day_ = target;
    return Result::Done;
  }
  const int step = target > last ? 1 : -1;
  if (const Refusal refused = TurnMonth(Children(), actions_, step); refused != Refusal::None) {
    return Refuse(refused);
  }
  const int newLast = std::max(1, LastDayShown(Children()));
  // Past the end: as many days into the next month as the step went past the last day; before
  // the start: as many days back from the previous month's end.
  day_ = step > 0 ? std::min(target - last, newLast) : std::max(1, newLast + target);
  // Past a date limit in the new month, the focus stops on the last day allowed.
  day_ = ClampToDaysShown(Children(), day_);
  return Result::Done;
}

Result Navigator::StepCells(int stride) {
  cell_ = StepFocusBy(cell_, stride, CellEnabled());
  return Result::Done;
}

Result Navigator::TurnThen(Refusal turned) {
  if (turned != Refusal::None) return Refuse(turned);
  if (model_ == FocusModel::Days) {
    day_ = ClampToDaysShown(Children(), day_);
  } else {
    cell_ = SettleFocus(cell_, CellEnabled());
  }
  return Result::Done;
}

Result Navigator::GoToDay(int day) {
  FocusOnDay(day);
  return Result::Done;
}

void Navigator::FocusOnDay(int day) {
  if (model_ == FocusModel::Days) {
    day_ = day;
    return;
  }
  const int cell = CellOfDay(Children(), day);
  if (cell >= 0) cell_ = cell;
}

Result Navigator::GoToStart() {
  if (const Refusal refused = GoToPage(Children(), actions_, start_); refused != Refusal::None) {
    return Refuse(refused);
  }
  FocusOnDay(ClampToDaysShown(Children(), startDay_));
  return Result::Done;
}

Result Navigator::ClickFocused() {
  const int cell = FocusCell();
  if (cell < 0) return Refuse(Refusal::NoDayToPick);
  const platform::UserAction click{platform::UserActionKind::ClickLabel,
                                   platform::DayCellName(cell), 0};
  if (actions_.Perform(click) != platform::UserActionOutcome::Delivered) {
    return Refuse(Refusal::ClickNotTaken);
  }
  return Result::ClickDelivered;
}

Result Navigator::ClickCell(int cell) {
  refusal_ = Refusal::None;
  if (!host_.Enabled()) return Refuse(Refusal::Disabled);
  if (!host_.UserMode()) return Refuse(Refusal::DesignMode);
  // A click on a cell without a day is no mistake of the person's: like a click on a disabled
  // label, it reports nothing and moves nothing.
  if (DayShown(Children(), cell) == 0) return Result::Done;
  area_ = Area::Days;
  FocusOnCell(cell);
  return ClickFocused();
}

Result Navigator::ChooseInFocusedList(int step) {
  if (area_ == Area::YearList) return TurnThen(TurnYear(Children(), actions_, step));
  if (area_ == Area::MonthList) return TurnThen(TurnMonth(Children(), actions_, step));
  return Result::Done;
}

void Navigator::CycleArea(int step) {
  // Days -> year list -> month list -> days, or the other way round.
  const int areas = 3;
  const int next = (static_cast<int>(area_) + step + areas) % areas;
  area_ = static_cast<Area>(next);
}

int Navigator::FocusCell() const {
  if (model_ == FocusModel::Cells) return cell_;
  return CellOfDay(Children(), day_);
}

void Navigator::FocusOnCell(int cell) {
  if (model_ == FocusModel::Cells) {
    cell_ = cell >= 0 && cell < kDayCells ? cell : -1;
    return;
  }
  if (const int day = DayShown(Children(), cell); day > 0) day_ = day;
}

void Navigator::SettleOnCell() {
  const std::function<bool(int)> enabled = CellEnabled();
  if (model_ == FocusModel::Days) {
    day_ = ClampToDaysShown(Children(), day_);
    return;
  }
  int preferred = cell_;
  if (!enabled(preferred)) {
    preferred = HighlightedCell(Children());
  }
  cell_ = SettleFocus(preferred, enabled);
}

}  // namespace sauramiti::navigation
