// A form with a BS date field: type a date or drop the picker down (the button, Alt+Down or
// F4), and each new date is printed with its Gregorian day.
//
//   $ qt_date_field
//   2081-09-15 2024-12-30
//
// The project builds it as build/release/examples/qt_date_field when Qt 6 is found.
// `qt_date_field --screenshot FILE` renders the form with the drop-down open into a PNG file
// and exits (docs/date-field-popup.png is made so, on the offscreen platform).
#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <qt/sauramiti_date_edit.hpp>
#include <qt/sauramiti_widget.hpp>
#include <sauramiti/chrono.hpp>
#include <string>

namespace {

namespace bs = sauramiti::bs;

// "2081-09-15 2024-12-30": the BS date and its Gregorian day.
std::string DatesOf(const bs::year_month_day& date) {
  const std::chrono::year_month_day ad{bs::to_sys_days(date)};
  char gregorian[16];
  std::snprintf(gregorian, sizeof gregorian, "%04d-%02u-%02u", static_cast<int>(ad.year()),
                static_cast<unsigned>(ad.month()), static_cast<unsigned>(ad.day()));
  return bs::to_string(date) + " " + gregorian;
}

// The form and the open drop-down in one picture, each where the screen has it.
bool RenderWithPopup(QWidget& form, QWidget& popup, const QString& file) {
  const QRect formArea(form.mapToGlobal(QPoint(0, 0)), form.size());
  const QRect popupArea(popup.mapToGlobal(QPoint(0, 0)), popup.size());
  const QRect whole = formArea.united(popupArea);
  QPixmap picture(whole.size());
  picture.fill(form.palette().window().color());
  QPainter painter(&picture);
  painter.drawPixmap(formArea.topLeft() - whole.topLeft(), form.grab());
  painter.drawPixmap(popupArea.topLeft() - whole.topLeft(), popup.grab());
  painter.end();
  return picture.save(file, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
  const bool screenshot = argc == 3 && std::string(argv[1]) == "--screenshot";
  if (screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("A BS date field"));
  auto* form = new QFormLayout(&window);
  auto* field = new sauramiti::qt::SauramitiDateEdit(&window);
  auto* shown = new QLabel(&window);
  form->addRow(QStringLiteral("Date:"), field);
  form->addRow(QStringLiteral("Gregorian:"), shown);

  QObject::connect(field, &sauramiti::qt::SauramitiDateEdit::dateChanged,
                   [shown](const bs::year_month_day& date) {
                     const std::string line = DatesOf(date);
                     shown->setText(QString::fromStdString(line.substr(line.find(' ') + 1)));
                     std::printf("%s\n", line.c_str());
                     std::fflush(stdout);
                   });
  shown->setText(QString::fromStdString(DatesOf(field->date()).substr(11)));

  if (screenshot) {
    field->setDate({2081, 9, 15});
    window.resize(320, window.sizeHint().height());
    window.show();
    field->showPopup();
    QApplication::processEvents();
    QWidget* popup = field->picker().window();
    return RenderWithPopup(window, *popup, QString::fromLocal8Bit(argv[2])) ? 0 : 1;
  }
  window.show();
  return QApplication::exec();
}
