// The demo host's property browser: what its user types reaches the control, and the control's
// errors come back with their numbers.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <qt/demo/demo_window.hpp>

namespace sauramiti::qt::demo {
namespace {

TEST(PropertyBrowser, EditsReachTheControlAndItsErrorsAreShownWithTheirNumber) {
  DemoWindow window;
  window.SetMessagesShown(false);
  const auto Log = [&] { return window.findChild<QPlainTextEdit*>()->toPlainText(); };
  const auto Field = [&](const char* property) -> QLineEdit* {
    auto* browser = window.findChild<QTableWidget*>();
    for (int row = 0; row < browser->rowCount(); ++row) {
      if (browser->item(row, 0)->text() == property) {
        return qobject_cast<QLineEdit*>(browser->cellWidget(row, 1));
      }
    }
    return nullptr;
  };
  const auto Type = [&](const char* property, const QString& text) {
    Field(property)->selectAll();
    QTest::keyClicks(Field(property), text);
    QTest::keyClick(Field(property), Qt::Key_Return);
  };
  Type("MinYear", "2050");
  EXPECT_EQ(window.Picker().minYear(), 2050);
  EXPECT_TRUE(Log().contains("PropertyChanged MinYear"));
  Type("MinYear", "abc");
  EXPECT_TRUE(Log().contains("Run-time error 13"));
  EXPECT_EQ(Field("MinYear")->text(), "2050") << "the row shows what is held";
  Type("MaxYear", "\"2070\"");
  EXPECT_EQ(window.Picker().maxYear().typeId(), QMetaType::QString);
  // The weekday style cannot be read or set at run time, only in design mode.
  EXPECT_EQ(Field("WeekDayStyle")->text(), "error 393");
  Type("WeekDayStyle", "1");
  EXPECT_TRUE(Log().contains("Run-time error 382"));
  for (QAction* action : window.findChildren<QAction*>()) {
    if (action->text().remove('&') == "Design") action->trigger();
  }
  ASSERT_FALSE(window.Picker().userMode());
  Type("WeekDayStyle", "1");
  EXPECT_EQ(window.Picker().weekDayStyle(), QVariant(1));
  EXPECT_EQ(Field("WeekDayStyle")->text(), "1");
}

}  // namespace
}  // namespace sauramiti::qt::demo
