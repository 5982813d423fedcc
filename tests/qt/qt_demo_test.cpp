// The demo host: what its user types and reads, its command line, and its property browser.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <qt/demo/demo_window.hpp>
#include <qt/demo/start_options.hpp>
#include <qt/demo/typed_values.hpp>
#include <string>
#include <vector>

namespace sauramiti::qt::demo {
namespace {

TEST(TypedValue, TakesTheTypeTheTextLooksLikeAndShowsItBackAlike) {
  const struct {
    std::string typed;
    VariantType type;
    std::string shownBack;
  } cases[] = {
      {"-32768", VariantType::Integer, "-32768"},   {"32768", VariantType::Long, "32768"},
      {"3000000000", VariantType::Double, "3e+09"}, {"1e3", VariantType::Double, "1000.0"},
      {" 2090 ", VariantType::Integer, "2090"},     {"\"2090\"", VariantType::String, "\"2090\""},
      {"\"abc\"", VariantType::String, "abc"},      {"", VariantType::String, ""},
  };
  for (const auto& c : cases) {
    const Variant value = ParseTypedValue(c.typed);
    EXPECT_EQ(value.Type(), c.type) << c.typed;
    EXPECT_EQ(DescribeValue(value), c.shownBack) << c.typed;
    // What the browser shows, typed again unchanged, is the same value of the same type.
    const Variant again = ParseTypedValue(DescribeValue(value));
    EXPECT_EQ(again.Type(), value.Type()) << c.typed;
    EXPECT_TRUE(again == value) << c.typed;
  }
}

TEST(StartOptions, CommandLinesAreAcceptedOrRefusedWithAReason) {
  const struct {
    const char* name;
    QStringList arguments;
    bool accepted;
  } cases[] = {
      {"Screenshot", {"--screenshot", "a.png", "--nepali", "--size", "1x10000"}, true},
      {"Date", {"--date", "2059-1-5"}, true},
      {"WindowWithoutScreenshot", {"--window"}, false},
      {"SizeTooLarge", {"--size", "10001x5"}, false},
      {"SizeOfZero", {"--size", "0x10"}, false},
      {"DateWithMixedSeparators", {"--date", "2059/01-15"}, false},
      {"StrayArgument", {"picker.json"}, false},
  };
  for (const auto& c : cases) {
    const ParsedOptions parsed = ParseStartOptions(QStringList{"sauramiti-qt"} + c.arguments);
    EXPECT_EQ(parsed.options.has_value(), c.accepted) << c.name;
    EXPECT_EQ(parsed.error.isEmpty(), c.accepted) << c.name;
  }
  SauramitiWidget picker;
  StartOptions options;
  options.date = BsDate{2059, 1, 18};
  EXPECT_EQ(ApplyStartOptions(options, picker), QString());
  EXPECT_EQ(picker.value(), QStringLiteral("2059/01/18/4"));
  options.date = BsDate{2059, 13, 1};
  EXPECT_FALSE(ApplyStartOptions(options, picker).isEmpty());
  EXPECT_EQ(picker.value(), QStringLiteral("2059/01/18/4"));
}

class BrowserTest : public testing::Test {
 protected:
  void SetUp() override { window_.SetMessagesShown(false); }
  QString Log() { return window_.findChild<QPlainTextEdit*>()->toPlainText(); }
  QLineEdit* Field(const char* property) {
    auto* browser = window_.findChild<QTableWidget*>();
    for (int row = 0; row < browser->rowCount(); ++row) {
      if (browser->item(row, 0)->text() == QLatin1String(property)) {
        return qobject_cast<QLineEdit*>(browser->cellWidget(row, 1));
      }
    }
    return nullptr;
  }
  void Type(const char* property, const QString& text) {
    QLineEdit* field = Field(property);
    ASSERT_NE(field, nullptr) << property;
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
  }
  DemoWindow window_;
};

TEST_F(BrowserTest, EditsReachTheControlAndItsErrorsAreShownWithTheirNumber) {
  Type("MinYear", "2050");
  EXPECT_EQ(window_.Picker().minYear(), 2050);
  EXPECT_TRUE(Log().contains("PropertyChanged MinYear"));
  Type("MinYear", "abc");
  EXPECT_TRUE(Log().contains("Run-time error 13"));
  EXPECT_EQ(Field("MinYear")->text(), QStringLiteral("2050")) << "the row shows what is held";
  Type("MinYear", "40000");
  EXPECT_TRUE(Log().contains("Run-time error 6"));
  Type("MaxYear", "\"2070\"");
  EXPECT_EQ(window_.Picker().maxYear().typeId(), QMetaType::QString);
}

TEST_F(BrowserTest, TheWeekdayStyleIsADesignTimeSetting) {
  EXPECT_EQ(Field("WeekDayStyle")->text(), QStringLiteral("error 393"));
  Type("WeekDayStyle", "1");
  EXPECT_TRUE(Log().contains("Run-time error 382"));
  for (QAction* action : window_.findChildren<QAction*>()) {
    if (action->text().remove('&') == QStringLiteral("Design")) action->trigger();
  }
  ASSERT_FALSE(window_.Picker().userMode());
  Type("WeekDayStyle", "1");
  EXPECT_EQ(Field("WeekDayStyle")->text(), QStringLiteral("1"));
  EXPECT_EQ(window_.Picker().weekDayStyle(), QVariant(1));
}

}  // namespace
}  // namespace sauramiti::qt::demo
