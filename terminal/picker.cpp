#include <algorithm>
#include <sauramiti/base/runtime_error.hpp>
#include <string>
#include <terminal/picker.hpp>
#include <vector>

namespace sauramiti::terminal {

namespace {

std::string ErrorStatus(const RuntimeError& error) {
  return "the control raised error " + std::to_string(error.Number()) + " (" +
         std::string(ErrorDescription(error.Number())) + ")";
}

}  // namespace

Picker::Picker(const PickerSetup& setup, platform::LocalDate today) : control_(host_) {
  host_.SetToday(today);
  control_.Initialize();
  control_.InitProperties();
  if (setup.nepali) control_.English(0);
  if (setup.horizontal) control_.Vertical(0);
  if (setup.sixWeeks) control_.SixWeeks(-1);
  if (setup.gregorianDays) control_.ShowGregorianDay(-1);
  if (setup.calendar != 0) control_.Calendar(setup.calendar);  // today stays selected
  if (setup.markToday) control_.MarkToday(-1);
  if (setup.holidayColor) control_.HolidayForeColor(*setup.holidayColor);
  control_.MinDate(setup.minDate);  // a lower limit after the upper one is error 5
  control_.MaxDate(setup.maxDate);
  control_.Separator(static_cast<MyYMDSeparatorConstants>(setup.separator));
  control_.EnglishDateStyle(static_cast<MyEnglishDateStyleConstants>(setup.style));
  SetYearRange(setup);
  host_.TakeEvents();  // the set-up's own notifications are not the user's doing
  script_ = setup.nepali ? Script::Devanagari : Script::AsStored;
  navigator_.emplace(control_, host_, host_, navigation::FocusModel::Days);
}

Picker::~Picker() { control_.Terminate(); }

// The control refuses a MinYear above its MaxYear and the reverse, so the end that moves away
// from the other goes first.
void Picker::SetYearRange(const PickerSetup& setup) {
  const auto setMax = [&] {
    if (setup.maxYear) control_.MaxYear(Variant::Integer(*setup.maxYear));
  };
  const auto setMin = [&] {
    if (setup.minYear) control_.MinYear(*setup.minYear);
  };
  if (setup.minYear && *setup.minYear > control_.MaxYear().ToDouble()) {
    setMax();
    setMin();
  } else {
    setMin();
    setMax();
  }
}

ViewPicture Picker::Picture() const { return Picture(script_); }

ViewPicture Picker::Picture(Script script) const {
  return TakeViewPicture(control_.Children(), control_.Vertical(), script);
}

PickerOutcome Picker::ClickCell(int cell) {
  status_.clear();
  try {
    return Finish(navigator_->ClickCell(cell));
  } catch (const RuntimeError& error) {
    status_ = ErrorStatus(error);
  }
  return PickerOutcome::Running;
}

PickerOutcome Picker::Press(PickerKey key) {
  status_.clear();
  PickerOutcome outcome = PickerOutcome::Running;
  try {
    // While a date is typed, Enter goes to it and Escape clears it (picker_typing.cpp).
    if (!typing_.Empty() && (key == PickerKey::Enter || key == PickerKey::Cancel)) {
      if (key == PickerKey::Enter) GoToTyped();
      if (key == PickerKey::Cancel) typing_.Clear();
    } else {
      outcome = Finish(navigator_->Press(key));
    }
  } catch (const RuntimeError& error) {
    status_ = ErrorStatus(error);
  }
  ShowTyped();
  return outcome;
}

PickerOutcome Picker::Finish(navigation::Result result) {
  switch (result) {
    case navigation::Result::Done:
      return PickerOutcome::Running;
    case navigation::Result::Cancelled:
      return PickerOutcome::Cancelled;
    case navigation::Result::Refused:
      status_ = navigation::RefusalText(navigator_->LastRefusal());
      return PickerOutcome::Running;
    case navigation::Result::ClickDelivered:
      break;
  }
  // The control raises Click when it takes the day; its guards may keep it from doing so.
  const std::vector<std::string> events = host_.TakeEvents();
  if (std::find(events.begin(), events.end(), "Click") != events.end()) {
    return PickerOutcome::Picked;
  }
  status_ = navigation::RefusalText(navigation::Refusal::ClickNotTaken);
  return PickerOutcome::Running;
}

}  // namespace sauramiti::terminal
