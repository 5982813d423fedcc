// What sauramiti-qt is asked to do from its command line.
//
//   sauramiti-qt [--nepali] [--horizontal] [--size WxH] [--date YYYY/MM/DD]
//                [--today YYYY-MM-DD] [--set NAME=VALUE ...] [--screenshot FILE [--window]]
//
// --today fixes the host's today (a Gregorian date) for the picker, which starts on it;
// --set sets any of the widget's properties by name, as the property browser would
// ("--set MarkToday=true --set MinDate=2081/01/10"), after the language and arrangement.
// --nepali and --horizontal start the picker in Nepali and in the horizontal arrangement;
// --size gives the picker's size in pixels (each side 1 to 10000; the default is the control's
// design size, 5535 by 5220 twips), or the window's in the demo window; --date selects a BS date
// ("2059/01/15", any one of "/", "-",
// "." between the parts) instead of today's. --screenshot renders the picker offscreen into a PNG
// file and exits, without showing a window; with --window it renders the whole demo window.
// --help and --version print their text and exit without needing a display.
#pragma once

#include <QDate>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <qt/demo/typed_values.hpp>
#include <qt/sauramiti_widget.hpp>
#include <utility>
#include <vector>

namespace sauramiti::qt::demo {

struct StartOptions {
  bool nepali = false;
  bool horizontal = false;
  std::optional<QSize> size;
  std::optional<BsDate> date;
  QDate today;                                    // invalid: the clock
  std::vector<std::pair<QString, QString>> sets;  // --set NAME=VALUE, in order
  QString screenshotFile;
  bool wholeWindow = false;
};

// The options of `arguments` (the program's name first), or a message saying what is wrong.
// `--help` and `--version` print and exit as usual.
struct ParsedOptions {
  std::optional<StartOptions> options;
  QString error;
};
ParsedOptions ParseStartOptions(const QStringList& arguments);

// Whether the command line asks for a screenshot (looked at before Qt starts, to choose the
// offscreen platform).
bool WantsScreenshot(int argc, char** argv);

// Whether the command line asks only for the help or the version text (looked at before Qt
// starts: those are printed without a display).
bool WantsHelpOrVersion(int argc, char** argv);

// Why no window can be shown, or "" when one can: on X11 and Wayland desktops a window needs
// DISPLAY or WAYLAND_DISPLAY, unless QT_QPA_PLATFORM names a platform that needs neither.
QString MissingDisplay();

// Applies the language, arrangement, size and date to a picker. A date the BS calendar does
// not have is refused with a message; "" on success.
QString ApplyStartOptions(const StartOptions& options, SauramitiWidget& picker);

class DemoWindow;
// Starts the demo window with the options: --size is the window's size and the rest applies to
// its picker, and the document starts unchanged (the options are not edits to save). A refused
// date gives its message; "" on success.
QString StartDemoWindow(const StartOptions& options, DemoWindow& window);

// Renders `widget` into a PNG file; false when the file cannot be written.
bool RenderToPng(QWidget& widget, const QString& file);

}  // namespace sauramiti::qt::demo
