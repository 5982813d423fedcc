// The selected date in all its forms, as the host reads it: Value, DateValue, DateAD,
// EngStrDate, JulianDate and UjjainAhargana. Reading is allowed in both modes; the control's
// texts are shown as it returns them (in Nepali mode DateValue and EngStrDate carry legacy-font
// ASCII names, so their Devanagari form is shown beside them).
#pragma once

#include <QGroupBox>
#include <qt/sauramiti_widget.hpp>

class QLabel;

namespace sauramiti::qt::demo {

class LiveValues final : public QGroupBox {
 public:
  explicit LiveValues(SauramitiWidget& picker, QWidget* parent = nullptr);
  void Refresh();

 private:
  SauramitiWidget& picker_;
  QLabel* value_;
  QLabel* dateValue_;
  QLabel* dateAD_;
  QLabel* engStrDate_;
  QLabel* julianDate_;
  QLabel* ujjainAhargana_;
};

}  // namespace sauramiti::qt::demo
