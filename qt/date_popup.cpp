#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <qt/date_popup.hpp>

namespace sauramiti::qt {

DatePopup::DatePopup(QWidget* owner) : QFrame(owner, Qt::Popup) {
  setFrameShape(QFrame::StyledPanel);
  // A click outside closes the popup; one on the field's button must not open it again.
  setAttribute(Qt::WA_NoMouseReplay);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(1, 1, 1, 1);
  picker_ = new SauramitiWidget(this);
  picker_->setObjectName(QStringLiteral("popupPicker"));
  picker_->installEventFilter(this);
  layout->addWidget(picker_);
}

bool DatePopup::IsToggleKey(const QKeyEvent& event) {
  const bool alt = (event.modifiers() & Qt::AltModifier) != 0;
  return event.key() == Qt::Key_F4 ||
         (alt && (event.key() == Qt::Key_Down || event.key() == Qt::Key_Up));
}

void DatePopup::ShowUnder(const QWidget& anchor) {
  const QSize size = picker_->sizeHint().grownBy(contentsMargins());
  QPoint place = anchor.mapToGlobal(QPoint(0, anchor.height()));
  if (const QScreen* screen = anchor.screen()) {
    const QRect room = screen->availableGeometry();
    if (place.y() + size.height() > room.bottom() &&
        anchor.mapToGlobal(QPoint(0, 0)).y() - size.height() >= room.top()) {
      place.setY(anchor.mapToGlobal(QPoint(0, 0)).y() - size.height());
    }
    place.setX(
        std::clamp(place.x(), room.left(), std::max(room.left(), room.right() - size.width())));
  }
  setGeometry(QRect(place, size));
  show();
  picker_->setFocus(Qt::PopupFocusReason);
}

bool DatePopup::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picker_ && event->type() == QEvent::KeyPress) {
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.key() == Qt::Key_Escape || IsToggleKey(key)) {
      hide();
      return true;
    }
  }
  return QFrame::eventFilter(watched, event);
}

void DatePopup::hideEvent(QHideEvent* event) {
  QFrame::hideEvent(event);
  emit closed();
}

}  // namespace sauramiti::qt
