// sauramiti-qt: the Sauramiti picker on a demo form, or a screenshot of it (start_options.hpp).
#include <QApplication>
#include <cstdio>
#include <qt/demo/demo_window.hpp>
#include <qt/demo/start_options.hpp>

using sauramiti::qt::demo::ApplyStartOptions;
using sauramiti::qt::demo::DemoWindow;
using sauramiti::qt::demo::RenderToPng;

int main(int argc, char** argv) {
  // A screenshot needs no display: render offscreen unless a platform was chosen.
  if (sauramiti::qt::demo::WantsScreenshot(argc, argv) &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("sauramiti-qt"));
  QApplication::setApplicationVersion(QStringLiteral(SAURAMITI_VERSION));

  const auto parsed = sauramiti::qt::demo::ParseStartOptions(QApplication::arguments());
  if (!parsed.options) {
    std::fprintf(stderr, "sauramiti-qt: %s\n", qPrintable(parsed.error));
    return 2;
  }
  const auto& options = *parsed.options;

  if (!options.screenshotFile.isEmpty() && !options.wholeWindow) {
    sauramiti::qt::SauramitiWidget picker;
    picker.resize(picker.sizeHint());
    const QString refused = ApplyStartOptions(options, picker);
    if (!refused.isEmpty()) {
      std::fprintf(stderr, "sauramiti-qt: %s\n", qPrintable(refused));
      return 2;
    }
    picker.show();
    QApplication::processEvents();
    // No caret or focus mark in a picture.
    if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
    if (!RenderToPng(picker, options.screenshotFile)) {
      std::fprintf(stderr, "sauramiti-qt: cannot write %s\n", qPrintable(options.screenshotFile));
      return 1;
    }
    return 0;
  }

  DemoWindow window;
  // In the demo window the form lays the picker out; a size is the window's size there.
  sauramiti::qt::demo::StartOptions pickerOptions = options;
  pickerOptions.size.reset();
  if (options.size) window.resize(*options.size);
  const QString refused = ApplyStartOptions(pickerOptions, window.Picker());
  if (!refused.isEmpty()) {
    std::fprintf(stderr, "sauramiti-qt: %s\n", qPrintable(refused));
    return 2;
  }
  if (!options.screenshotFile.isEmpty()) {
    window.SetMessagesShown(false);
    window.show();
    QApplication::processEvents();
    return RenderToPng(window, options.screenshotFile) ? 0 : 1;
  }
  window.show();
  return QApplication::exec();
}
