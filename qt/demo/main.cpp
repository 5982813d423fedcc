// sauramiti-qt: the Sauramiti picker on a demo form, or a screenshot of it (start_options.hpp).
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <qt/demo/demo_window.hpp>
#include <qt/demo/start_options.hpp>

using sauramiti::qt::demo::ApplyStartOptions;
using sauramiti::qt::demo::DemoWindow;
using sauramiti::qt::demo::RenderToPng;

namespace {

void NameTheApplication() {
  QCoreApplication::setApplicationName(QStringLiteral("sauramiti-qt"));
  QCoreApplication::setApplicationVersion(QStringLiteral(SAURAMITI_VERSION));
}

// The picker alone, drawn into the PNG file the options name; the exit status.
int PickerScreenshot(const sauramiti::qt::demo::StartOptions& options) {
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

}  // namespace

int main(int argc, char** argv) {
  if (sauramiti::qt::demo::WantsHelpOrVersion(argc, argv)) {
    // Help and version need no display: a core application prints them and exits. Parsing
    // returns only when the word was an option's value (`--screenshot -v`): start as usual.
    const QCoreApplication app(argc, argv);
    NameTheApplication();
    const auto parsed = sauramiti::qt::demo::ParseStartOptions(QCoreApplication::arguments());
    if (!parsed.options) {
      std::fprintf(stderr, "sauramiti-qt: %s\n", qPrintable(parsed.error));
      return 2;
    }
  }
  const bool screenshot = sauramiti::qt::demo::WantsScreenshot(argc, argv);
  // A screenshot needs no display: render offscreen unless a platform was chosen.
  if (screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  if (const QString missing = sauramiti::qt::demo::MissingDisplay(); !missing.isEmpty()) {
    std::fprintf(stderr, "sauramiti-qt: %s\n", qPrintable(missing));
    return 1;
  }
  QApplication app(argc, argv);
  NameTheApplication();

  const auto parsed = sauramiti::qt::demo::ParseStartOptions(QApplication::arguments());
  if (!parsed.options) {
    std::fprintf(stderr, "sauramiti-qt: %s\n", qPrintable(parsed.error));
    return 2;
  }
  const auto& options = *parsed.options;

  if (!options.screenshotFile.isEmpty() && !options.wholeWindow) return PickerScreenshot(options);

  DemoWindow window;
  const QString refused = sauramiti::qt::demo::StartDemoWindow(options, window);
  if (!refused.isEmpty()) {
    std::fprintf(stderr, "sauramiti-qt: %s\n", qPrintable(refused));
    return 2;
  }
  if (!options.screenshotFile.isEmpty()) {
    window.SetMessagesShown(false);
    window.show();
    QApplication::processEvents();
    if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
    return RenderToPng(window, options.screenshotFile) ? 0 : 1;
  }
  window.setWindowIcon(QIcon::fromTheme(QStringLiteral("sauramiti-qt")));
  window.show();
  return QApplication::exec();
}
