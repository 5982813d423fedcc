// The demo host's property browser: one row per browsed property, its help text as the row's
// tool tip, and an editor for its value.
//
// A check box sets a Boolean at once; a text field sets its value when editing finishes (Enter,
// or leaving the field); a font button opens a font dialog. Every change goes straight to the
// control; a run-time error it raises goes to the error reporter, and the rows are read again so
// they show what the control now holds. A value the control refuses to read in this mode
// (WeekDayStyle at run time) shows as that error.
#pragma once

#include <QTableWidget>
#include <functional>
#include <qt/demo/browsed_properties.hpp>
#include <qt/sauramiti_widget.hpp>
#include <vector>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace sauramiti::qt::demo {

class PropertyBrowser final : public QTableWidget {
 public:
  PropertyBrowser(SauramitiWidget& picker, std::function<void(const RuntimeError&)> reportError,
                  QWidget* parent = nullptr);

  // Reads every property again.
  void Refresh();

 private:
  struct Row {
    const BrowsedProperty* property;
    QCheckBox* check = nullptr;
    QLineEdit* field = nullptr;
    QPushButton* fontButton = nullptr;
  };

  void AddRow(const BrowsedProperty& property);
  void Apply(const BrowsedProperty& property, const Variant& value);
  void ChooseFont(const BrowsedProperty& property);
  void ShowValue(const Row& row);

  SauramitiWidget& picker_;
  std::function<void(const RuntimeError&)> reportError_;
  std::vector<Row> rows_;
};

}  // namespace sauramiti::qt::demo
