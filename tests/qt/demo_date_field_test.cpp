// The demo's "Date field:" row: it follows the picker's language and logs each new date.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <qt/demo/date_field_row.hpp>
#include <qt/demo/demo_window.hpp>

namespace sauramiti::qt::demo {
namespace {

TEST(DemoDateFieldTest, FollowsThePickersLanguageAndLogsEachChange) {
  DemoWindow window;
  window.SetMessagesShown(false);
  auto* field = window.findChild<SauramitiDateEdit*>(QStringLiteral("dateField"));
  ASSERT_NE(field, nullptr);
  field->setDate({2081, 9, 15});
  field->setDate({2081, 9, 15});
  window.Picker().setEnglish(false);
  EXPECT_FALSE(field->picker().english());
  EXPECT_EQ(field->lineEdit()->text(), QString::fromUtf8("२०८१/०९/१५"));
  const auto* log = window.findChild<QPlainTextEdit*>();
  ASSERT_NE(log, nullptr);
  EXPECT_EQ(log->toPlainText().count(QStringLiteral("dateChanged 2081-09-15")), 1);
}

}  // namespace
}  // namespace sauramiti::qt::demo
