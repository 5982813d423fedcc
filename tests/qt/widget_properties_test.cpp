// The control's property table against the Qt front ends: the widget declares one Qt property
// per entry (designable when browsed, with the entry's help text as class info), each round-trips
// through QObject::setProperty/property, and the demo's property browser shows exactly the
// browsed entries. A property added to the table and not to the widget
// fails here.
#include <gtest/gtest.h>

#include <QMetaProperty>
#include <QTableWidget>
#include <qt/demo/browsed_properties.hpp>
#include <qt/demo/demo_window.hpp>
#include <qt/sauramiti_widget.hpp>
#include <sauramiti/control/property_table.hpp>
#include <string>
#include <vector>

namespace sauramiti::qt {
namespace {

QString NameOf(const PropertyEntry& p) { return QString::fromUtf8(p.name.data()); }

// The Qt properties the widget adds to QWidget's, without the host's own mode switch.
std::vector<QString> WidgetOwnProperties() {
  const QMetaObject& meta = SauramitiWidget::staticMetaObject;
  std::vector<QString> names;
  for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
    const QString name = QString::fromLatin1(meta.property(i).name());
    if (name != "userMode") names.push_back(name);
  }
  return names;
}

TEST(WidgetProperties, EveryTableEntryIsAQtPropertyWithItsBrowsedFlagAndHelpText) {
  const QMetaObject& meta = SauramitiWidget::staticMetaObject;
  std::vector<QString> tableNames;
  for (const PropertyEntry& p : kPropertyTable) {
    SCOPED_TRACE(std::string(p.name));
    tableNames.push_back(NameOf(p));
    const int index = meta.indexOfProperty(p.name.data());
    ASSERT_GE(index, meta.propertyOffset()) << "the widget does not declare it";
    const QMetaProperty property = meta.property(index);
    EXPECT_TRUE(property.isWritable());
    EXPECT_EQ(property.isDesignable(), p.browsed);
    const int info = meta.indexOfClassInfo(p.name.data());
    if (p.help.empty()) {
      EXPECT_LT(info, meta.classInfoOffset());
    } else {
      ASSERT_GE(info, meta.classInfoOffset());
      EXPECT_EQ(std::string(meta.classInfo(info).value()), p.help);
    }
  }
  EXPECT_EQ(WidgetOwnProperties(), tableNames) << "the widget's properties are the table's";
}

QVariant QtSample(PropertyType type);

// A date limit takes only a day of the calendar, one that keeps today allowed.
QVariant QtSampleFor(const PropertyEntry& p) {
  if (p.name == "Calendar") return 1;  // takes only 0 and 1: the published calendar
  if (p.name == "MinDate") return QString("2000/01/01");
  if (p.name == "MaxDate") return QString("2099/01/15");
  return QtSample(p.type);
}

QVariant QtSample(PropertyType type) {
  switch (type) {
    case PropertyType::Boolean:
      return false;
    case PropertyType::Integer:
      return 2010;
    case PropertyType::Long:
      return 1863913;
    case PropertyType::Double:
      return 2452378.5;
    case PropertyType::String:
      return QString("2059/01/15/1");
    case PropertyType::Font:
      return QFont("Arial", 12);
    case PropertyType::Variant:
      return QString("2090");
    case PropertyType::Enumeration:
      return 1;
  }
  return {};
}

bool SameQtSetting(const QVariant& got, const QVariant& want) {
  if (want.typeId() == QMetaType::QFont) {
    const QFont a = got.value<QFont>(), b = want.value<QFont>();
    return a.family() == b.family() && a.pointSizeF() == b.pointSizeF();
  }
  if (want.typeId() == QMetaType::Int) return got.toInt() == want.toInt();
  return got == want;
}

// Each Qt property reaches its own entry of the control, set in a mode its guard allows; the
// guards themselves are the control's property-table tests'.
TEST(WidgetProperties, EveryEntryRoundTripsThroughQtProperties) {
  SauramitiWidget widget;
  widget.setToday(QDate(2002, 4, 28));
  widget.newDocument();
  std::vector<int> errors;
  QObject::connect(&widget, &SauramitiWidget::errorRaised,
                   [&](int number, const QString&) { errors.push_back(number); });
  for (const PropertyEntry& p : kPropertyTable) {
    if (p.guard == ModeGuard::ReadOnly) continue;
    SCOPED_TRACE(std::string(p.name));
    widget.setUserMode(p.guard != ModeGuard::DesignTimeOnly);
    errors.clear();
    const QVariant before = widget.property(p.name.data());
    // A Boolean is set to the other value, so that one whose default is False changes too.
    const QVariant sample =
        p.type == PropertyType::Boolean ? QVariant(!before.toBool()) : QtSampleFor(p);
    widget.setProperty(p.name.data(), sample);
    EXPECT_TRUE(errors.empty());
    const QVariant after = widget.property(p.name.data());
    EXPECT_TRUE(SameQtSetting(after, sample)) << after.toString().toStdString();
  }
}

// The browser's rows are the browsed entries in table order, each with the editor of its type.
TEST(WidgetProperties, ThePropertyBrowserShowsExactlyTheBrowsedEntriesInTableOrder) {
  std::vector<QString> browsed;
  for (const PropertyEntry& p : kPropertyTable) {
    if (p.browsed) browsed.push_back(NameOf(p));
  }
  for (const demo::BrowsedProperty& p : demo::BrowsedProperties()) {
    const PropertyType type = FindPropertyEntry(p.name)->type;
    EXPECT_EQ(p.editor == demo::Editor::Check, type == PropertyType::Boolean) << p.name;
    EXPECT_EQ(p.editor == demo::Editor::Font, type == PropertyType::Font) << p.name;
  }
  demo::DemoWindow window;
  window.SetMessagesShown(false);
  auto* browser = window.findChild<QTableWidget*>();
  ASSERT_NE(browser, nullptr);
  std::vector<QString> rows;
  for (int row = 0; row < browser->rowCount(); ++row) rows.push_back(browser->item(row, 0)->text());
  EXPECT_EQ(rows, browsed);
}

}  // namespace
}  // namespace sauramiti::qt
