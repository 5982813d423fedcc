#include <qt/qt_combo_box.hpp>
#include <qt/qt_host.hpp>
#include <qt/qt_label.hpp>

namespace sauramiti::qt {

using platform::UserActionKind;
using platform::UserActionOutcome;

platform::UserActionOutcome QtHost::Perform(const platform::UserAction& action) {
  QtLabel* label = toolkit_.FindLabel(action.child);
  QtComboBox* list = toolkit_.FindComboBox(action.child);
  if (label == nullptr && list == nullptr) {
    return toolkit_.FindFrame(action.child) != nullptr ? UserActionOutcome::WrongKind
                                                       : UserActionOutcome::NoSuchChild;
  }
  const auto taken = [](bool delivered) {
    return delivered ? UserActionOutcome::Delivered : UserActionOutcome::Refused;
  };
  if (action.kind == UserActionKind::ClickLabel) {
    return label == nullptr ? UserActionOutcome::WrongKind : taken(label->Click());
  }
  if (list == nullptr) return UserActionOutcome::WrongKind;
  switch (action.kind) {
    case UserActionKind::ChooseEntry:
      return taken(list->Choose(action.argument));
    case UserActionKind::TypeCharacter:
      // The code is a 16-bit code unit (0 to 65535); the list keeps it as a 16-bit number.
      return taken(list->TypeIntoField(static_cast<std::int16_t>(
                       static_cast<std::uint16_t>(action.argument))) != 0);
    case UserActionKind::OpenList:
      list->DropDown();
      return UserActionOutcome::Delivered;
    case UserActionKind::ClickLabel:
      break;
  }
  return UserActionOutcome::WrongKind;
}

}  // namespace sauramiti::qt
