// The demo host's property browser: what its user types reaches the control, and the control's
// errors come back with their numbers.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <qt/demo/demo_window.hpp>
#include <qt/qt_combo_box.hpp>
#include <qt/qt_label.hpp>
#include <string>

namespace sauramiti::qt::demo {
namespace {

// The browser's row for a property.
QLineEdit* Field(DemoWindow& window, const char* property) {
  auto* browser = window.findChild<QTableWidget*>();
  for (int row = 0; row < browser->rowCount(); ++row) {
    if (browser->item(row, 0)->text() == property) {
      return qobject_cast<QLineEdit*>(browser->cellWidget(row, 1));
    }
  }
  return nullptr;
}

void Type(DemoWindow& window, const char* property, const QString& text) {
  Field(window, property)->selectAll();
  QTest::keyClicks(Field(window, property), text);
  QTest::keyClick(Field(window, property), Qt::Key_Return);
}

void Trigger(DemoWindow& window, const char* text) {
  for (QAction* action : window.findChildren<QAction*>()) {
    if (action->text().remove('&') == text) action->trigger();
  }
}

int DayOnes(DemoWindow& window) {
  int found = 0;
  for (int j = 0; j < 35; ++j) {
    found += window.Picker().label(QStringLiteral("lblDay(%1)").arg(j))->Caption() == "1";
  }
  return found;
}

QString LogText(DemoWindow& window) { return window.findChild<QPlainTextEdit*>()->toPlainText(); }

TEST(PropertyBrowser, EditsReachTheControlAndItsErrorsAreShownWithTheirNumber) {
  DemoWindow window;
  window.SetMessagesShown(false);
  Type(window, "MinYear", "2050");
  EXPECT_EQ(window.Picker().minYear(), 2050);
  EXPECT_TRUE(LogText(window).contains("PropertyChanged MinYear"));
  Type(window, "MaxYear", "\"2070\"");
  EXPECT_EQ(window.Picker().maxYear().typeId(), QMetaType::QString);
  // The weekday style cannot be read or set at run time, only in design mode.
  EXPECT_EQ(Field(window, "WeekDayStyle")->text(), "error 393");
  Type(window, "WeekDayStyle", "1");
  EXPECT_TRUE(LogText(window).contains("Run-time error 382"));
  Trigger(window, "Design");
  ASSERT_FALSE(window.Picker().userMode());
  Type(window, "WeekDayStyle", "1");
  EXPECT_EQ(window.Picker().weekDayStyle(), QVariant(1));
  EXPECT_EQ(Field(window, "WeekDayStyle")->text(), "1");
}

// A value the control refuses is put back: the picker keeps working, the browser shows what the
// picker holds, the error is shown with its number.
TEST(PropertyBrowser, ARefusedValueIsPutBackAndThePickerStillDraws) {
  const struct {
    const char* property;
    const char* typed;
    int number;
    const char* held;
  } cases[] = {
      {"MaxYear", "\"abc\"", 13, "2100"},
      {"MaxYear", "99999", 6, "2100"},
      {"MinYear", "40000", 6, "2000"},
      {"MinYear", "abc", 13, "2000"},
  };
  for (const bool design : {true, false}) {
    for (const auto& c : cases) {
      DemoWindow window;
      window.SetMessagesShown(false);
      if (design) Trigger(window, "Design");
      Type(window, c.property, c.typed);
      EXPECT_TRUE(LogText(window).contains(QStringLiteral("Run-time error %1").arg(c.number)))
          << c.property << c.typed << design;
      EXPECT_EQ(Field(window, c.property)->text(), c.held) << c.property << c.typed;
      EXPECT_EQ(DayOnes(window), 1) << c.property << c.typed << ": the month is drawn";
      Type(window, "MinYear", "2050");  // the control takes further values as ever
      EXPECT_EQ(window.Picker().comboBox("cboYear")->List(0), "2050") << c.property << c.typed;
    }
  }
}

// Open of a document the control cannot take keeps the window's document path, so Save cannot
// overwrite the file with a half-read picker; New forgets the path. That the picker stays on
// screen is the widget's tests'.
TEST(DemoWindowFiles, AFailedOpenChangesNothingAndNewForgetsThePath) {
  QTemporaryDir dir;
  const QString good = dir.filePath("good.json"), bad = dir.filePath("bad.json");
  QFile file(bad);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(R"({"English": {"type": "String", "value": "abc"}})");
  file.close();
  DemoWindow window;
  window.SetMessagesShown(false);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  Type(window, "MinYear", "2050");
  window.Picker().save(good);
  window.OpenDocumentAt(good);
  ASSERT_EQ(window.DocumentPath(), good);
  window.OpenDocumentAt(bad);
  EXPECT_EQ(window.DocumentPath(), good);
  EXPECT_TRUE(LogText(window).contains(R"(key "English")")) << LogText(window).toStdString();
  EXPECT_TRUE(LogText(window).contains("run-time error 13")) << LogText(window).toStdString();
  EXPECT_EQ(window.Picker().minYear(), 2050);
  EXPECT_EQ(window.Picker().english(), true);
  Trigger(window, "New");
  EXPECT_EQ(window.DocumentPath(), QString());
}

}  // namespace
}  // namespace sauramiti::qt::demo
