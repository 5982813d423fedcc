// The demo form's "Date field:" row: a SauramitiDateEdit under the picker, as a form would use
// one. Its drop-down follows the picker's language (English) and calendar (Calendar), and each
// change of its date is written to the event log as "dateChanged YYYY-MM-DD".
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <qt/sauramiti_date_edit.hpp>
#include <qt/sauramiti_widget.hpp>

namespace sauramiti::qt::demo {

class DateFieldRow final : public QWidget {
 public:
  DateFieldRow(SauramitiWidget& picker, std::function<void(const QString&)> log,
               QWidget* parent = nullptr);

  SauramitiDateEdit& Field() { return *field_; }
  // Gives the field's drop-down the picker's Calendar (a change the picker made without a signal).
  void FollowCalendar(const SauramitiWidget& picker);

 private:
  SauramitiDateEdit* field_;
};

}  // namespace sauramiti::qt::demo
