#include <QCommandLineParser>
#include <QCoreApplication>
#include <QPixmap>
#include <cstring>
#include <qt/demo/demo_window.hpp>
#include <qt/demo/start_options.hpp>
#include <sauramiti/convert/date_string_forms.hpp>

namespace sauramiti::qt::demo {

namespace {

// The demo's options, declared once for the parser and for reading their values.
struct OptionSet {
  QCommandLineOption nepali{QStringLiteral("nepali"),
                            QStringLiteral("Label the picker in Nepali.")};
  QCommandLineOption horizontal{QStringLiteral("horizontal"),
                                QStringLiteral("Weekdays as a row above the day cells.")};
  QCommandLineOption size{QStringLiteral("size"),
                          QStringLiteral("The picker's size in pixels, e.g. 400x380."),
                          QStringLiteral("WxH")};
  QCommandLineOption date{QStringLiteral("date"),
                          QStringLiteral("Select this BS date instead of today's."),
                          QStringLiteral("YYYY/MM/DD")};
  QCommandLineOption screenshot{QStringLiteral("screenshot"),
                                QStringLiteral("Render the picker to a PNG file and exit."),
                                QStringLiteral("FILE")};
  QCommandLineOption window{QStringLiteral("window"),
                            QStringLiteral("With --screenshot: render the whole window.")};
  QCommandLineOption today{QStringLiteral("today"),
                           QStringLiteral("Take this Gregorian date as today."),
                           QStringLiteral("YYYY-MM-DD")};
  QCommandLineOption set{QStringLiteral("set"),
                         QStringLiteral("Set a property of the picker (repeatable)."),
                         QStringLiteral("NAME=VALUE")};
};

// The values of the options that take one, into `options`; what is wrong with one, or "".
QString ReadValues(const QCommandLineParser& parser, const OptionSet& o, StartOptions& options) {
  if (parser.isSet(o.size)) {
    options.size = ParseSizeOption(parser.value(o.size));
    if (!options.size) return QStringLiteral("--size wants WxH in pixels, 1 to 10000");
  }
  if (parser.isSet(o.date)) {
    options.date = ParseBsDateOption(parser.value(o.date));
    if (!options.date) return QStringLiteral("--date wants YYYY/MM/DD");
  }
  if (parser.isSet(o.today)) {
    options.today = QDate::fromString(parser.value(o.today), Qt::ISODate);
    if (!options.today.isValid()) return QStringLiteral("--today wants YYYY-MM-DD");
  }
  for (const QString& assignment : parser.values(o.set)) {
    const qsizetype equals = assignment.indexOf(QLatin1Char('='));
    if (equals <= 0) return QStringLiteral("--set wants NAME=VALUE");
    options.sets.emplace_back(assignment.left(equals), assignment.mid(equals + 1));
  }
  options.screenshotFile = parser.value(o.screenshot);
  return {};
}

}  // namespace

ParsedOptions ParseStartOptions(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("The Sauramiti date picker for the Bikram Sambat calendar, on a demo form."));
  parser.addHelpOption();
  parser.addVersionOption();
  const OptionSet o;
  parser.addOptions(
      {o.nepali, o.horizontal, o.size, o.date, o.today, o.set, o.screenshot, o.window});
  parser.process(arguments);
  if (!parser.positionalArguments().isEmpty()) {
    return {std::nullopt,
            QStringLiteral("unexpected argument: ") + parser.positionalArguments().constFirst()};
  }
  StartOptions options;
  options.nepali = parser.isSet(o.nepali);
  options.horizontal = parser.isSet(o.horizontal);
  if (const QString problem = ReadValues(parser, o, options); !problem.isEmpty()) {
    return {std::nullopt, problem};
  }
  options.wholeWindow = parser.isSet(o.window);
  if (options.wholeWindow && options.screenshotFile.isEmpty()) {
    return {std::nullopt, QStringLiteral("--window goes with --screenshot")};
  }
  return {options, {}};
}

bool WantsScreenshot(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--screenshot", std::strlen("--screenshot")) == 0) return true;
  }
  return false;
}

bool WantsHelpOrVersion(int argc, char** argv) {
  // The spellings QCommandLineParser gives its help and version options.
  for (int i = 1; i < argc; ++i) {
    for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
      if (std::strcmp(argv[i], option) == 0) return true;
    }
  }
  return false;
}

QString MissingDisplay() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    return QStringLiteral(
        "no display to show a window on (DISPLAY and WAYLAND_DISPLAY are not set); "
        "--screenshot FILE renders without one, and QT_QPA_PLATFORM chooses another platform");
  }
#endif
  return {};
}

QString StartDemoWindow(const StartOptions& options, DemoWindow& window) {
  StartOptions pickerOptions = options;
  pickerOptions.size.reset();
  if (options.size) window.resize(*options.size);
  if (options.today.isValid()) {
    window.StartNewDocumentOn(options.today);
    pickerOptions.today = QDate();
  }
  const QString refused = ApplyStartOptions(pickerOptions, window.Picker());
  window.MarkUnchanged();
  return refused;
}

QString ApplyStartOptions(const StartOptions& options, SauramitiWidget& picker) {
  if (options.today.isValid()) {
    picker.setToday(options.today);
    picker.newDocument();  // a new instance reads today when it starts
  }
  if (options.nepali) picker.setEnglish(false);
  if (options.horizontal) picker.setVertical(false);
  for (const auto& [name, value] : options.sets) {
    const QByteArray key = name.toUtf8();
    if (picker.metaObject()->indexOfProperty(key.constData()) < 0) {
      return QStringLiteral("--set: the picker has no property ") + name;
    }
    picker.setProperty(key.constData(), value);
  }
  if (options.size) picker.resize(*options.size);
  if (options.date) {
    const BsDate& d = *options.date;
    Sauramiti& control = picker.control();
    const std::int16_t weekday = control.GetWeekDay(d.year, d.month, d.day);
    if (weekday == 0) return QStringLiteral("--date: not a date of the BS calendar");
    try {
      control.Value(
          SauramitiRoutine::MakeValueString(d.year, d.month, d.day, weekday, control.Separator()));
    } catch (const RuntimeError& error) {
      return QStringLiteral("--date: run-time error %1").arg(error.Number());
    }
  }
  return {};
}

bool RenderToPng(QWidget& widget, const QString& file) {
  // Quality 0 asks the PNG writer for its strongest compression: small files for the docs.
  return widget.grab().save(file, "PNG", 0);
}

}  // namespace sauramiti::qt::demo
