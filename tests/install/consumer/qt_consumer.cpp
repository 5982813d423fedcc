// The Qt widget as an installed program includes it: <sauramiti/qt/...>.
#include <QApplication>
#include <sauramiti/qt/sauramiti_widget.hpp>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  sauramiti::qt::SauramitiWidget picker;
  return picker.isWidgetType() ? 0 : 1;
}
