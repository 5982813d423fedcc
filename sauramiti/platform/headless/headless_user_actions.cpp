#include <sauramiti/platform/headless/headless_host.hpp>

namespace sauramiti::headless {

using platform::UserActionKind;
using platform::UserActionOutcome;

platform::UserActionOutcome HeadlessHost::Perform(const platform::UserAction& action) {
  HeadlessChild* child = FindChild(action.child);
  if (child == nullptr) return UserActionOutcome::NoSuchChild;
  if (action.kind == UserActionKind::ClickLabel) {
    auto* label = dynamic_cast<HeadlessLabel*>(child);
    if (label == nullptr) return UserActionOutcome::WrongKind;
    return label->Click() ? UserActionOutcome::Delivered : UserActionOutcome::Refused;
  }
  auto* list = dynamic_cast<HeadlessComboBox*>(child);
  if (list == nullptr) return UserActionOutcome::WrongKind;
  switch (action.kind) {
    case UserActionKind::ChooseEntry:
      list->Choose(action.argument);
      return UserActionOutcome::Delivered;
    case UserActionKind::TypeCharacter:
      // The code is a 16-bit code unit (0 to 65535); the list keeps it as a 16-bit number.
      return list->Type(static_cast<std::int16_t>(static_cast<std::uint16_t>(action.argument))) != 0
                 ? UserActionOutcome::Delivered
                 : UserActionOutcome::Refused;
    case UserActionKind::OpenList:
      list->DropDown();
      return UserActionOutcome::Delivered;
    case UserActionKind::ClickLabel:
      break;
  }
  return UserActionOutcome::WrongKind;
}

}  // namespace sauramiti::headless
