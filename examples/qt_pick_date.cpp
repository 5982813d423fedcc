// A window with the Sauramiti picker that prints each picked date: the smallest Qt program
// that embeds the widget.
//
//   $ qt_pick_date            # click a day: its BS Value and Gregorian date are printed
//   2081/09/15/2 12/30/2024
//
// The project builds it as build/release/examples/qt_pick_date when Qt 6 is found. A program of
// your own links the widget the same way: target_link_libraries(app PRIVATE sauramiti::qt).
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>
#include <qt/sauramiti_widget.hpp>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Pick a date"));
  auto* layout = new QVBoxLayout(&window);
  auto* picker = new sauramiti::qt::SauramitiWidget(&window);
  auto* picked = new QLabel(QStringLiteral("Click a day."), &window);
  layout->addWidget(picker);
  layout->addWidget(picked);

  QObject::connect(picker, &sauramiti::qt::SauramitiWidget::clicked, [picker, picked] {
    // When the signal comes, every date property already holds the picked day.
    const QString line = picker->value() + QLatin1Char(' ') + picker->dateAD();
    picked->setText(line);
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
  });

  window.show();
  return QApplication::exec();
}
