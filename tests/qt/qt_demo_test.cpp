// The demo host: what its user types and reads, its command line, and its property browser.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <qt/demo/browsed_properties.hpp>
#include <qt/demo/demo_window.hpp>
#include <qt/demo/start_options.hpp>
#include <qt/demo/typed_values.hpp>
#include <set>
#include <string>
#include <vector>

namespace sauramiti::qt::demo {
namespace {

struct TypedCase {
  std::string name;
  std::string typed;
  VariantType type;
  std::string shownBack;
};

class TypedValueTest : public testing::TestWithParam<TypedCase> {};

TEST_P(TypedValueTest, TakesTheTypeTheTextLooksLikeAndShowsItBackAlike) {
  const TypedCase& c = GetParam();
  const Variant value = ParseTypedValue(c.typed);
  EXPECT_EQ(value.Type(), c.type);
  EXPECT_EQ(DescribeValue(value), c.shownBack);
  // What the browser shows, typed again unchanged, is the same value of the same type.
  const Variant again = ParseTypedValue(DescribeValue(value));
  EXPECT_EQ(again.Type(), value.Type());
  EXPECT_TRUE(again == value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedValueTest,
    testing::Values(TypedCase{"SmallWholeIsInteger", "2090", VariantType::Integer, "2090"},
                    TypedCase{"LowestInteger", "-32768", VariantType::Integer, "-32768"},
                    TypedCase{"PastIntegerIsLong", "32768", VariantType::Long, "32768"},
                    TypedCase{"PastLongIsDouble", "3000000000", VariantType::Double, "3e+09"},
                    TypedCase{"PointIsDouble", "2452378.5", VariantType::Double, "2452378.5"},
                    TypedCase{"ExponentIsDouble", "1e3", VariantType::Double, "1000.0"},
                    TypedCase{"BlanksAroundANumber", " 2090 ", VariantType::Integer, "2090"},
                    TypedCase{"QuotedNumberIsText", "\"2090\"", VariantType::String, "\"2090\""},
                    TypedCase{"WordIsText", "abc", VariantType::String, "abc"},
                    TypedCase{"QuotedWordLosesItsQuotes", "\"abc\"", VariantType::String, "abc"},
                    TypedCase{"EmptyIsText", "", VariantType::String, ""}),
    [](const testing::TestParamInfo<TypedCase>& test) { return test.param.name; });

TEST(DescribeValue, ShowsBooleansFontsAndEmpty) {
  EXPECT_EQ(DescribeValue(Variant::Boolean(std::int16_t{-1})), "True");
  EXPECT_EQ(DescribeValue(Variant::Boolean(std::int16_t{0})), "False");
  EXPECT_EQ(DescribeValue(Variant::Boolean(std::int16_t{5})), "5");
  EXPECT_EQ(DescribeValue(Variant()), "(empty)");
  auto font = std::make_shared<Font>();
  font->bold = true;
  EXPECT_EQ(DescribeValue(Variant::Font(font)), "Tahoma, 8.25 pt, bold");
}

TEST(StartOptionValues, SizeIsWidthByHeightInPixels) {
  struct Case {
    QString text;
    std::optional<QSize> expected;
  };
  const std::vector<Case> cases{{"400x380", QSize(400, 380)}, {"1x10000", QSize(1, 10000)},
                                {"0x10", std::nullopt},       {"10001x5", std::nullopt},
                                {"400X380", std::nullopt},    {"400x", std::nullopt},
                                {"-4x5", std::nullopt},       {"", std::nullopt}};
  for (const Case& c : cases)
    EXPECT_EQ(ParseSizeOption(c.text), c.expected) << c.text.toStdString();
}

TEST(StartOptionValues, DateIsABsDateWithOneSeparatorThroughout) {
  struct Case {
    QString text;
    bool valid;
    int year, month, day;
  };
  const std::vector<Case> cases{{"2059/01/15", true, 2059, 1, 15},
                                {"2059-1-5", true, 2059, 1, 5},
                                {"2059.12.30", true, 2059, 12, 30},
                                {"2059/01-15", false, 0, 0, 0},
                                {"20590/01/01", false, 0, 0, 0},
                                {"2059/01", false, 0, 0, 0},
                                {"", false, 0, 0, 0}};
  for (const Case& c : cases) {
    const std::optional<BsDate> date = ParseBsDateOption(c.text);
    ASSERT_EQ(date.has_value(), c.valid) << c.text.toStdString();
    if (!date) continue;
    EXPECT_EQ(date->year, c.year);
    EXPECT_EQ(date->month, c.month);
    EXPECT_EQ(date->day, c.day);
  }
}

TEST(StartOptions, CommandLines) {
  struct Case {
    std::string name;
    QStringList arguments;
    bool accepted;
  };
  const std::vector<Case> cases{
      {"Plain", {}, true},
      {"Screenshot",
       {"--screenshot", "a.png", "--nepali", "--horizontal", "--size", "400x380"},
       true},
      {"WholeWindow", {"--screenshot", "a.png", "--window"}, true},
      {"WindowWithoutScreenshot", {"--window"}, false},
      {"BadSize", {"--size", "big"}, false},
      {"BadDate", {"--date", "15 Vaishaka"}, false},
      {"StrayArgument", {"picker.json"}, false},
  };
  for (const Case& c : cases) {
    const ParsedOptions parsed = ParseStartOptions(QStringList{"sauramiti-qt"} + c.arguments);
    EXPECT_EQ(parsed.options.has_value(), c.accepted) << c.name;
    EXPECT_EQ(parsed.error.isEmpty(), c.accepted) << c.name;
  }
  const StartOptions options =
      *ParseStartOptions({"sauramiti-qt", "--screenshot", "a.png", "--nepali", "--size", "400x380"})
           .options;
  EXPECT_TRUE(options.nepali);
  EXPECT_FALSE(options.horizontal);
  EXPECT_EQ(options.size, QSize(400, 380));
  EXPECT_EQ(options.screenshotFile, QStringLiteral("a.png"));
}

TEST(StartOptions, ADateSelectsThatDayAndANonDateIsRefused) {
  SauramitiWidget picker;
  StartOptions options;
  options.date = BsDate{2059, 1, 18};
  options.horizontal = true;
  EXPECT_EQ(ApplyStartOptions(options, picker), QString());
  EXPECT_EQ(picker.value(), QStringLiteral("2059/01/18/4"));
  EXPECT_FALSE(picker.vertical());
  options.date = BsDate{2059, 13, 1};
  EXPECT_FALSE(ApplyStartOptions(options, picker).isEmpty());
  EXPECT_EQ(picker.value(), QStringLiteral("2059/01/18/4"));
}

TEST(BrowsedProperties, AreTheWidgetsDesignableProperties) {
  std::set<std::string> designable;
  const QMetaObject& meta = SauramitiWidget::staticMetaObject;
  for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
    if (meta.property(i).isDesignable()) designable.insert(meta.property(i).name());
  }
  std::set<std::string> browsed;
  for (const BrowsedProperty& property : BrowsedProperties()) browsed.insert(property.name);
  EXPECT_EQ(browsed, designable);
}

class BrowserTest : public testing::Test {
 protected:
  void SetUp() override {
    window_.SetMessagesShown(false);
    browser_ = window_.findChild<QTableWidget*>();
    log_ = window_.findChild<QPlainTextEdit*>();
    ASSERT_NE(browser_, nullptr);
    ASSERT_NE(log_, nullptr);
  }
  QLineEdit* Field(const char* property) {
    for (int row = 0; row < browser_->rowCount(); ++row) {
      if (browser_->item(row, 0)->text() == QLatin1String(property)) {
        return qobject_cast<QLineEdit*>(browser_->cellWidget(row, 1));
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
  void SwitchMode(const QString& name) {
    for (QAction* action : window_.findChildren<QAction*>()) {
      if (action->text().remove('&') == name) {
        action->trigger();
        return;
      }
    }
    ADD_FAILURE() << "no action " << name.toStdString();
  }

  DemoWindow window_;
  QTableWidget* browser_ = nullptr;
  QPlainTextEdit* log_ = nullptr;
};

TEST_F(BrowserTest, ListsEachBrowsedPropertyWithItsHelpText) {
  ASSERT_EQ(browser_->rowCount(), 9);
  EXPECT_EQ(browser_->item(0, 0)->text(), QStringLiteral("English"));
  EXPECT_EQ(browser_->item(0, 0)->toolTip(),
            QStringLiteral("Returns/Sets whether the control is to be displayed in English"));
  EXPECT_EQ(browser_->item(8, 0)->text(), QStringLiteral("ToolTipText"));
}

TEST_F(BrowserTest, EditsReachTheControlAndItsErrorsAreShownWithTheirNumber) {
  Type("MinYear", "2050");
  EXPECT_EQ(window_.Picker().minYear(), 2050);
  EXPECT_TRUE(log_->toPlainText().contains("PropertyChanged MinYear"));

  Type("MinYear", "abc");
  EXPECT_EQ(window_.Picker().minYear(), 2050);
  EXPECT_TRUE(log_->toPlainText().contains("Run-time error 13"));
  EXPECT_EQ(Field("MinYear")->text(), QStringLiteral("2050")) << "the row shows what is held";

  Type("MinYear", "40000");
  EXPECT_TRUE(log_->toPlainText().contains("Run-time error 6"));

  Type("MaxYear", "\"2070\"");
  EXPECT_EQ(window_.Picker().maxYear().typeId(), QMetaType::QString);
}

TEST_F(BrowserTest, TheWeekdayStyleIsADesignTimeSetting) {
  EXPECT_EQ(Field("WeekDayStyle")->text(), QStringLiteral("error 393"));
  Type("WeekDayStyle", "1");
  EXPECT_TRUE(log_->toPlainText().contains("Run-time error 382"));
  SwitchMode("Design");
  EXPECT_FALSE(window_.Picker().userMode());
  Type("WeekDayStyle", "1");
  EXPECT_EQ(Field("WeekDayStyle")->text(), QStringLiteral("1"));
  EXPECT_EQ(window_.Picker().weekDayStyle(), QVariant(1));
}

}  // namespace
}  // namespace sauramiti::qt::demo
