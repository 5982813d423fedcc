#include <algorithm>
#include <sauramiti/base/parse_number.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/view/child_controls.hpp>
#include <string>
#include <terminal/picker.hpp>
#include <vector>

namespace sauramiti::terminal {

namespace {

constexpr int kEscape = 27;

headless::HeadlessComboBox& AsHeadless(platform::ComboBox& list) {
  return dynamic_cast<headless::HeadlessComboBox&>(list);
}

// The day number a cell shows, 0 for a disabled cell or a caption that is no whole number.
int DayShown(const platform::Label& cell) {
  if (!cell.Enabled()) return 0;
  const auto number = ParseWholeNumber(cell.Caption());
  if (!number || *number < 1 || *number > 99 || *number != static_cast<int>(*number)) return 0;
  return static_cast<int>(*number);
}

}  // namespace

PickerKey PickerKeyForCharacter(int character) {
  switch (character) {
    case 'h':
      return PickerKey::Left;
    case 'l':
      return PickerKey::Right;
    case 'k':
      return PickerKey::Up;
    case 'j':
      return PickerKey::Down;
    case 'y':
    case '+':
      return PickerKey::NextYear;
    case 'Y':
    case '-':
      return PickerKey::PreviousYear;
    case 't':
      return PickerKey::Today;
    case '\n':
    case '\r':
      return PickerKey::Enter;
    case 'q':
    case kEscape:
      return PickerKey::Cancel;
    default:
      return PickerKey::None;
  }
}

Picker::Picker(const PickerSetup& setup, platform::LocalDate today) : control_(host_) {
  host_.SetToday(today);
  control_.Initialize();
  control_.InitProperties();
  if (setup.nepali) control_.English(0);
  if (setup.horizontal) control_.Vertical(0);
  control_.Separator(static_cast<MyYMDSeparatorConstants>(setup.separator));
  control_.EnglishDateStyle(static_cast<MyEnglishDateStyleConstants>(setup.style));
  host_.TakeEvents();  // the set-up's own notifications are not the user's doing
  script_ = setup.nepali ? Script::Devanagari : Script::AsStored;

  const view::ChildControls& children = control_.Children();
  // The cursor starts on the selected day, today, read as a typed date rather than off a cell.
  const bs::year_month_day selected = control_.SelectedDate();
  focusDay_ = selected.ok() ? static_cast<int>(selected.day()) : 1;
  startYearText_ = children.cboYear->Text();
  startMonthIndex_ = children.CBoMonth->ListIndex();
  startDay_ = focusDay_;
}

Picker::~Picker() { control_.Terminate(); }

ViewPicture Picker::Picture() const {
  return TakeViewPicture(control_.Children(), control_.Vertical(), script_);
}

int Picker::FocusCell() const {
  const view::ChildControls& children = control_.Children();
  for (std::size_t j = 0; j < children.lblDay.size(); ++j) {
    if (DayShown(*children.lblDay[j]) == focusDay_) return static_cast<int>(j);
  }
  return -1;
}

int Picker::LastDay() const {
  // The month the lists show is the control's year and month.
  return static_cast<int>(
      bs::days_in_month(control_.year(), static_cast<unsigned>(control_.month())));
}

void Picker::KeepDayInMonth() { focusDay_ = std::clamp(focusDay_, 1, std::max(1, LastDay())); }

PickerOutcome Picker::Press(PickerKey key) {
  status_.clear();
  const bool vertical = Picture().arrangement == Arrangement::Vertical;
  const int alongWeek = 1;
  const int acrossWeeks = 7;
  try {
    switch (key) {
      case PickerKey::Left:
        MoveBy(vertical ? -acrossWeeks : -alongWeek);
        break;
      case PickerKey::Right:
        MoveBy(vertical ? acrossWeeks : alongWeek);
        break;
      case PickerKey::Up:
        MoveBy(vertical ? -alongWeek : -acrossWeeks);
        break;
      case PickerKey::Down:
        MoveBy(vertical ? alongWeek : acrossWeeks);
        break;
      case PickerKey::PageUp:
        if (TurnMonth(-1)) KeepDayInMonth();
        break;
      case PickerKey::PageDown:
        if (TurnMonth(1)) KeepDayInMonth();
        break;
      case PickerKey::NextYear:
        if (TurnYear(1)) KeepDayInMonth();
        break;
      case PickerKey::PreviousYear:
        if (TurnYear(-1)) KeepDayInMonth();
        break;
      case PickerKey::Home:
        focusDay_ = 1;
        break;
      case PickerKey::End:
        focusDay_ = std::max(1, LastDay());
        break;
      case PickerKey::Today:
        GoToStart();
        break;
      case PickerKey::Enter:
        return PickFocusedDay();
      case PickerKey::Cancel:
        return PickerOutcome::Cancelled;
      case PickerKey::None:
        break;
    }
  } catch (const RuntimeError& error) {
    status_ = "the control raised error " + std::to_string(error.Number()) + " (" +
              std::string(ErrorDescription(error.Number())) + ")";
  }
  return PickerOutcome::Running;
}

void Picker::MoveBy(int days) {
  const int last = LastDay();
  if (last == 0) {
    status_ = "this page shows no days";
    return;
  }
  const int target = focusDay_ + days;
  if (target >= 1 && target <= last) {
    focusDay_ = target;
  } else if (target > last) {
    if (TurnMonth(1)) focusDay_ = std::min(target - last, std::max(1, LastDay()));
  } else if (TurnMonth(-1)) {
    focusDay_ = std::max(1, LastDay() + target);
  }
}

bool Picker::TurnMonth(int step) {
  headless::HeadlessComboBox& months = AsHeadless(*control_.Children().CBoMonth);
  const std::int32_t index = months.ListIndex();
  if (index < 0) {
    status_ = "the month list shows no month of its own";
    return false;
  }
  const std::int32_t next = index + step;
  if (next >= 0 && next < months.ListCount()) {
    months.Choose(next);
    return true;
  }
  if (!TurnYear(step)) return false;
  months.Choose(step > 0 ? 0 : months.ListCount() - 1);
  return true;
}

bool Picker::TurnYear(int step) {
  headless::HeadlessComboBox& years = AsHeadless(*control_.Children().cboYear);
  const std::int32_t index = years.ListIndex();
  const std::int32_t next = index + step;
  if (index < 0 || next < 0 || next >= years.ListCount()) {
    status_ = step > 0 ? "the year list ends here" : "the year list starts here";
    return false;
  }
  years.Choose(next);
  return true;
}

void Picker::GoToStart() {
  const view::ChildControls& children = control_.Children();
  headless::HeadlessComboBox& years = AsHeadless(*children.cboYear);
  headless::HeadlessComboBox& months = AsHeadless(*children.CBoMonth);
  std::int32_t yearIndex = -1;
  for (std::int32_t i = 0; i < years.ListCount(); ++i) {
    if (years.List(i) == startYearText_) yearIndex = i;
  }
  if (yearIndex < 0 || startMonthIndex_ < 0) {
    status_ = "the year list does not hold the starting year";
    return;
  }
  if (years.ListIndex() != yearIndex) years.Choose(yearIndex);
  if (months.ListIndex() != startMonthIndex_) months.Choose(startMonthIndex_);
  focusDay_ = startDay_;
  KeepDayInMonth();
}

PickerOutcome Picker::PickFocusedDay() {
  const int cell = FocusCell();
  if (cell < 0) {
    status_ = "no day to pick here";
    return PickerOutcome::Running;
  }
  auto& label = dynamic_cast<headless::HeadlessLabel&>(
      *control_.Children().lblDay[static_cast<std::size_t>(cell)]);
  label.Click();
  const std::vector<std::string> events = host_.TakeEvents();
  if (std::find(events.begin(), events.end(), "Click") != events.end()) {
    return PickerOutcome::Picked;
  }
  status_ = "the control did not take the click";
  return PickerOutcome::Running;
}

}  // namespace sauramiti::terminal
