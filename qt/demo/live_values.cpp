#include <QFormLayout>
#include <QLabel>
#include <charconv>
#include <functional>
#include <qt/demo/live_values.hpp>
#include <sauramiti/base/number_text.hpp>
#include <sauramiti/view/legacy_font_transcoder.hpp>
#include <string>

namespace sauramiti::qt::demo {

namespace {

QLabel* AddValueRow(QFormLayout& form, const char* name) {
  auto* shown = new QLabel;
  shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
  form.addRow(QString::fromUtf8(name), shown);
  return shown;
}

// The shortest decimal text that reads back to the same double ("2452378.5").
QString ShortestText(double number) {
  return QString::fromStdString(sauramiti::ShortestText(number));
}

// The text `read` returns, or the run-time error it raises.
QString Shown(const std::function<QString()>& read) {
  try {
    return read();
  } catch (const RuntimeError& error) {
    return QStringLiteral("error %1").arg(error.Number());
  }
}

}  // namespace

LiveValues::LiveValues(SauramitiWidget& picker, QWidget* parent)
    : QGroupBox(QStringLiteral("Selected date"), parent), picker_(picker) {
  auto* form = new QFormLayout(this);
  value_ = AddValueRow(*form, "Value");
  dateValue_ = AddValueRow(*form, "DateValue");
  dateAD_ = AddValueRow(*form, "DateAD");
  engStrDate_ = AddValueRow(*form, "EngStrDate");
  julianDate_ = AddValueRow(*form, "JulianDate");
  ujjainAhargana_ = AddValueRow(*form, "UjjainAhargana");
  Refresh();
}

void LiveValues::Refresh() {
  const Sauramiti& control = picker_.control();
  value_->setText(Shown([&] { return ToQString(control.Value()); }));
  // Names in Nepali mode are legacy-font ASCII; their Devanagari follows in brackets.
  const auto withNames = [&control](const std::string& text) {
    if (control.English() != 0) return ToQString(text);
    return ToQString(text) + QStringLiteral("  (") + ToQString(view::LegacyFontToUnicode(text)) +
           QStringLiteral(")");
  };
  dateValue_->setText(Shown([&] { return withNames(control.DateValue()); }));
  dateAD_->setText(Shown([&] { return ToQString(control.DateAD()); }));
  engStrDate_->setText(Shown([&] { return withNames(control.EngStrDate()); }));
  julianDate_->setText(Shown([&] { return ShortestText(control.JulianDate()); }));
  ujjainAhargana_->setText(Shown([&] { return QString::number(control.UjjainAhargana()); }));
}

}  // namespace sauramiti::qt::demo
