// The Qt widget as an installed program includes it: <sauramiti/qt/...>.
#include <QApplication>
#include <sauramiti/qt/sauramiti_date_edit.hpp>
#include <sauramiti/qt/sauramiti_widget.hpp>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  sauramiti::qt::SauramitiWidget picker;
  sauramiti::qt::SauramitiDateEdit field;
  field.setDate({2081, 9, 15});
  return picker.isWidgetType() && field.date() == sauramiti::bs::year_month_day{2081, 9, 15} ? 0
                                                                                             : 1;
}
