// The navigation layer under Qt: the Qt host's user-action call on real widgets, and the keys
// the widget gained from the shared key map (Home, End).
#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <qt/qt_combo_box.hpp>
#include <qt/qt_host.hpp>
#include <qt/qt_label.hpp>
#include <qt/sauramiti_widget.hpp>
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

TEST(QtNavigationTest, HomeAndEndPutTheMarkOnTheMonthsFirstAndLastDay) {
  // Today is 28 April 2002, BS 2059/01/15; Vaishaka 2059 has 31 days from a Sunday (cell 0).
  // The weeks stand in columns by default, so Right is the next week.
  SauramitiWidget widget;
  widget.setToday(QDate(2002, 4, 28));
  widget.newDocument();
  widget.resize(widget.sizeHint());
  widget.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
  widget.setFocus();
  ASSERT_EQ(widget.focusedCell(), 14);
  const struct {
    Qt::Key key;
    int mark;
  } steps[] = {{Qt::Key_End, 30}, {Qt::Key_Home, 0}, {Qt::Key_Right, 7}, {Qt::Key_End, 30}};
  for (const auto& s : steps) {
    QTest::keyClick(&widget, s.key);
    EXPECT_EQ(widget.focusedCell(), s.mark) << s.key;
  }
  QTest::keyClick(&widget, Qt::Key_Return);
  EXPECT_EQ(widget.value(), "2059/01/31/3");
  widget.setUserMode(false);  // design mode: the keys go past the picker
  QTest::keyClick(&widget, Qt::Key_Home);
  EXPECT_EQ(widget.focusedCell(), -1);
}

}  // namespace
}  // namespace sauramiti::qt
