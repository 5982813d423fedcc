#include <QCheckBox>
#include <QFontDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMetaClassInfo>
#include <QPushButton>
#include <QSignalBlocker>
#include <optional>
#include <qt/demo/property_browser.hpp>
#include <qt/demo/typed_values.hpp>
#include <qt/qt_values.hpp>

namespace sauramiti::qt::demo {

namespace {

// The help text the widget carries for a property (its class info of that name).
QString HelpText(const char* property) {
  const QMetaObject& meta = SauramitiWidget::staticMetaObject;
  const int index = meta.indexOfClassInfo(property);
  return index >= 0 ? QString::fromUtf8(meta.classInfo(index).value()) : QString();
}

QString ErrorText(const RuntimeError& error) {
  return QStringLiteral("error %1").arg(error.Number());
}

}  // namespace

PropertyBrowser::PropertyBrowser(SauramitiWidget& picker,
                                 std::function<void(const RuntimeError&)> reportError,
                                 QWidget* parent)
    : QTableWidget(0, 2, parent), picker_(picker), reportError_(std::move(reportError)) {
  setHorizontalHeaderLabels({tr("Property"), tr("Value")});
  horizontalHeader()->setStretchLastSection(true);
  verticalHeader()->hide();
  setSelectionMode(QAbstractItemView::NoSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (const BrowsedProperty& property : BrowsedProperties()) AddRow(property);
  resizeColumnToContents(0);
  // Tall enough to list every property without scrolling.
  setMinimumHeight(horizontalHeader()->sizeHint().height() + verticalHeader()->length() +
                   2 * frameWidth());
  Refresh();
}

void PropertyBrowser::AddRow(const BrowsedProperty& property) {
  const int row = rowCount();
  insertRow(row);
  auto* name = new QTableWidgetItem(QString::fromUtf8(property.name));
  const QString help = HelpText(property.name);
  name->setToolTip(help.isEmpty() ? tr("(no help text)") : help);
  setItem(row, 0, name);

  Row entry{&property};
  switch (property.editor) {
    case Editor::Check:
      entry.check = new QCheckBox(this);
      entry.check->setToolTip(help);
      connect(entry.check, &QCheckBox::clicked, this,
              [this, &property](bool on) { Apply(property, Variant::Boolean(on)); });
      setCellWidget(row, 1, entry.check);
      break;
    case Editor::Value:
    case Editor::Text:
      entry.field = new QLineEdit(this);
      entry.field->setToolTip(help);
      connect(entry.field, &QLineEdit::editingFinished, this, [this, &property, entry] {
        if (!entry.field->isModified()) return;
        entry.field->setModified(false);
        const std::string typed = entry.field->text().toStdString();
        Apply(property,
              property.editor == Editor::Text ? Variant::String(typed) : ParseTypedValue(typed));
      });
      setCellWidget(row, 1, entry.field);
      break;
    case Editor::Font:
      entry.fontButton = new QPushButton(this);
      entry.fontButton->setToolTip(help);
      connect(entry.fontButton, &QPushButton::clicked, this,
              [this, &property] { ChooseFont(property); });
      setCellWidget(row, 1, entry.fontButton);
      break;
  }
  rows_.push_back(entry);
}

// A value the control refuses may stay stored in it, leaving a picker that cannot draw itself
// and saves documents that never load again. So the value held before is put back (a second
// Let of a value the control took before), then the error is shown with its number and the row
// shows what the control now holds. A property that cannot be read in this mode cannot be set
// in it either, so nothing changed and nothing is put back.
void PropertyBrowser::Apply(const BrowsedProperty& property, const Variant& value) {
  std::optional<Variant> before;
  try {
    before = property.get(picker_.control());
  } catch (const RuntimeError&) {
  }
  try {
    property.let(picker_.control(), value);
  } catch (const RuntimeError& error) {
    std::optional<RuntimeError> putBackFailed;
    try {
      if (before) property.let(picker_.control(), *before);
    } catch (const RuntimeError& again) {
      putBackFailed = again;
    }
    reportError_(error);
    if (putBackFailed) reportError_(*putBackFailed);
  }
  Refresh();
}

void PropertyBrowser::ChooseFont(const BrowsedProperty& property) {
  QFont current;
  try {
    current = ToQFont(property.get(picker_.control()).ToFont());
  } catch (const RuntimeError& error) {
    reportError_(error);
    return;
  }
  bool chosen = false;
  const QFont font = QFontDialog::getFont(&chosen, current, this, QString::fromUtf8(property.name));
  if (chosen) Apply(property, Variant::Font(ToFontRef(font)));
}

void PropertyBrowser::Refresh() {
  for (const Row& row : rows_) ShowValue(row);
}

void PropertyBrowser::ShowValue(const Row& row) {
  Variant value;
  QString failure;
  try {
    value = row.property->get(picker_.control());
  } catch (const RuntimeError& error) {
    failure = ErrorText(error);
  }
  if (row.check != nullptr) {
    const QSignalBlocker block(row.check);
    row.check->setChecked(failure.isEmpty() && value.ToBoolean() != 0);
    row.check->setText(failure);
  } else if (row.field != nullptr) {
    const QSignalBlocker block(row.field);
    const bool literal = row.property->editor == Editor::Text;
    row.field->setText(!failure.isEmpty() ? failure
                       : literal          ? ToQString(value.ToString())
                                          : ToQString(DescribeValue(value)));
    row.field->setModified(false);
  } else if (row.fontButton != nullptr) {
    row.fontButton->setText(failure.isEmpty() ? ToQString(DescribeValue(value)) : failure);
  }
}

}  // namespace sauramiti::qt::demo
