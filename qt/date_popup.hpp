// DatePopup: the drop-down of SauramitiDateEdit, a SauramitiWidget in a popup window.
//
// The popup closes when a click lands outside it (Qt's popup rule), and on Escape, Alt+Up,
// Alt+Down and F4 pressed in it; closed() says so however it closed. The picker keeps its own
// keys: arrows move its focus mark, Enter or Space picks the marked day.
#pragma once

#include <QFrame>
#include <qt/sauramiti_widget.hpp>

namespace sauramiti::qt {

class DatePopup : public QFrame {
  Q_OBJECT

 public:
  explicit DatePopup(QWidget* owner);

  SauramitiWidget& picker() const { return *picker_; }
  // Shows the popup under `anchor` (above it when the screen has no room below), the picker
  // with the keyboard focus.
  void ShowUnder(const QWidget& anchor);

  // Whether `event` is one of the keys that open or close the drop-down.
  static bool IsToggleKey(const QKeyEvent& event);

 signals:
  void closed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  SauramitiWidget* picker_;
};

}  // namespace sauramiti::qt
