#include <qt/qt_child.hpp>

namespace sauramiti::qt {

QtChild::QtChild(QtToolkit& toolkit, std::string_view name, QWidget* widget)
    : toolkit_(toolkit), name_(name), widget_(widget) {
  widget->setObjectName(ToQString(name_));
  // A child made after its surface was shown (a document replaced in a running window) stays
  // hidden unless it is shown itself; one made before shows with its surface.
  widget->setVisible(true);
  toolkit_.Register(*this);
}

QtChild::~QtChild() {
  toolkit_.Unregister(*this);
  delete widget_.data();
}

void QtChild::Place() {
  if (QWidget* w = Widget()) w->setGeometry(PixelRect());
}

}  // namespace sauramiti::qt
