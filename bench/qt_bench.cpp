// The Qt picker's response to the user: turning the month and clicking a day, each with the
// repaint that follows, on the offscreen platform. Each should stay well under 5 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QString>
#include <qt/qt_combo_box.hpp>
#include <qt/qt_label.hpp>
#include <qt/sauramiti_widget.hpp>

namespace {

using sauramiti::qt::SauramitiWidget;

// One shown picker for all the benchmarks, selecting BS 2059/01/15.
SauramitiWidget& Picker() {
  static SauramitiWidget* picker = [] {
    auto* made = new SauramitiWidget;
    made->setToday(QDate(2002, 4, 28));
    made->newDocument();
    made->resize(made->sizeHint());
    made->show();
    QApplication::processEvents();
    return made;
  }();
  return *picker;
}

// Chooses the next entry of the month list, as the user does, and lets the picker repaint.
void BM_TurnMonth(benchmark::State& state) {
  sauramiti::qt::QtComboBox& months = *Picker().comboBox(QStringLiteral("CBoMonth"));
  std::int32_t month = 0;
  for (auto _ : state) {
    month = (month + 1) % 12;
    months.Choose(month);
    Picker().repaint();
  }
}
BENCHMARK(BM_TurnMonth)->Unit(benchmark::kMicrosecond);

// Clicks a day cell (the whole path of a mouse click: new Value, every derived date, the date
// panels, Click) and lets the picker repaint.
void BM_ClickDay(benchmark::State& state) {
  Picker().comboBox(QStringLiteral("CBoMonth"))->Choose(0);
  int cell = 0;
  for (auto _ : state) {
    cell = (cell + 1) % 28;
    Picker().label(QStringLiteral("lblDay(%1)").arg(cell))->Click();
    Picker().repaint();
  }
}
BENCHMARK(BM_ClickDay)->Unit(benchmark::kMicrosecond);

// Switches the language: a whole-view refresh, transcoding every Nepali text shown.
void BM_SwitchLanguage(benchmark::State& state) {
  bool english = true;
  for (auto _ : state) {
    english = !english;
    Picker().setEnglish(english);
    Picker().repaint();
  }
  Picker().setEnglish(true);
}
BENCHMARK(BM_SwitchLanguage)->Unit(benchmark::kMicrosecond);

// A resize by the host: the arrangement of all 46 children and their fonts.
void BM_Resize(benchmark::State& state) {
  bool large = false;
  for (auto _ : state) {
    large = !large;
    Picker().resize(large ? QSize(500, 470) : QSize(369, 348));
    Picker().repaint();
  }
}
BENCHMARK(BM_Resize)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
