// The navigation layer under Qt: the Qt host's user-action call on real widgets.
#include <gtest/gtest.h>

#include <QWidget>
#include <memory>
#include <qt/qt_combo_box.hpp>
#include <qt/qt_host.hpp>
#include <qt/qt_label.hpp>
#include <string>
#include <vector>

namespace sauramiti::qt {
namespace {

using platform::UserAction;

TEST(QtUserActionsTest, EachActionReachesItsHandlerAsTheWidgetsDeliverIt) {
  QWidget surface;
  QtHost host(surface);
  std::unique_ptr<platform::Frame> frame = host.CreateFrame(nullptr, "Frame1");
  std::unique_ptr<platform::Label> cell = host.CreateLabel(*frame, "lblDay(3)");
  std::unique_ptr<platform::ComboBox> list = host.CreateComboBox(*frame, "cboYear");
  for (const char* item : {"2058", "2059", "2060"}) list->AddItem(item);
  std::vector<std::string> seen;
  cell->OnClick([&] { seen.emplace_back("click"); });
  list->OnClick([&] { seen.push_back("chose " + list->Text()); });
  list->OnDropDown([&] { seen.emplace_back("opened"); });
  list->OnKeyPress([&](std::int16_t& key) {
    if (key < '0' || key > '9') key = 0;  // digits only, as the control's lists
  });
  using enum platform::UserActionKind;
  using enum platform::UserActionOutcome;
  // clang-format off
  const struct {
    const char* name;
    UserAction action;
    bool cellEnabled;
    platform::UserActionOutcome outcome;
    std::vector<std::string> seen;
  } cases[] = {
      {"a click", {ClickLabel, "lblDay(3)", 0}, true, Delivered, {"click"}},
      {"a disabled cell refuses", {ClickLabel, "lblDay(3)", 0}, false, Refused, {}},
      {"a choice", {ChooseEntry, "cboYear", 1}, true, Delivered, {"chose 2059"}},
      {"an entry outside the list", {ChooseEntry, "cboYear", 3}, true, Refused, {}},
      {"a letter is discarded", {TypeCharacter, "cboYear", 'x'}, true, Refused, {}},
      {"opening", {OpenList, "cboYear", 0}, true, Delivered, {"opened"}},
      {"no such child", {OpenList, "CBoMonth", 0}, true, NoSuchChild, {}},
      {"a label has no entries", {ChooseEntry, "lblDay(3)", 0}, true, WrongKind, {}},
      {"a frame takes nothing", {ClickLabel, "Frame1", 0}, true, WrongKind, {}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    seen.clear();
    cell->Enabled(c.cellEnabled);
    EXPECT_EQ(host.Perform(c.action), c.outcome);
    EXPECT_EQ(seen, c.seen);
  }
  list->Text("");
  EXPECT_EQ(host.Perform({TypeCharacter, "cboYear", '7'}), Delivered);
  EXPECT_EQ(list->Text(), "7") << "a kept character is typed into the field";
}

}  // namespace
}  // namespace sauramiti::qt
