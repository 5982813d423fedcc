#include <sauramiti/navigation/key_map.hpp>

namespace sauramiti::navigation {

namespace {

constexpr int kEscape = 27;
constexpr int kTab = 9;

Action ArrowOnDays(Key key, bool vertical) {
  // Along a week is a day, across weeks a week; the arrangement decides which arrows go along.
  const bool alongWeek =
      vertical ? (key == Key::Up || key == Key::Down) : (key == Key::Left || key == Key::Right);
  const bool backwards = key == Key::Left || key == Key::Up;
  if (alongWeek) return backwards ? Action::PreviousDay : Action::NextDay;
  return backwards ? Action::PreviousWeek : Action::NextWeek;
}

bool IsArrow(Key key) {
  return key == Key::Left || key == Key::Right || key == Key::Up || key == Key::Down;
}

}  // namespace

Action ActionForKey(Key key, Area area, bool vertical) noexcept {
  if (IsArrow(key)) {
    if (area == Area::Days) return ArrowOnDays(key, vertical);
    return key == Key::Left || key == Key::Up ? Action::PreviousEntry : Action::NextEntry;
  }
  switch (key) {
    case Key::PageUp:
      return Action::PreviousMonth;
    case Key::PageDown:
      return Action::NextMonth;
    case Key::NextYear:
      return Action::NextYear;
    case Key::PreviousYear:
      return Action::PreviousYear;
    case Key::Home:
      return Action::FirstDay;
    case Key::End:
      return Action::LastDay;
    case Key::Today:
      return Action::BackToStart;
    case Key::Enter:
    case Key::Space:
      return Action::ClickFocused;
    case Key::Cancel:
      return Action::Cancel;
    case Key::Tab:
      return Action::NextArea;
    case Key::BackTab:
      return Action::PreviousArea;
    default:
      return Action::None;
  }
}

Key KeyForCharacter(int character) noexcept {
  switch (character) {
    case 'h':
      return Key::Left;
    case 'l':
      return Key::Right;
    case 'k':
      return Key::Up;
    case 'j':
      return Key::Down;
    case 'y':
    case '+':
      return Key::NextYear;
    case 'Y':
    case '-':
      return Key::PreviousYear;
    case 't':
      return Key::Today;
    case '\n':
    case '\r':
      return Key::Enter;
    case 'q':
    case kEscape:
      return Key::Cancel;
    case kTab:
      return Key::Tab;
    default:
      return Key::None;
  }
}

}  // namespace sauramiti::navigation
