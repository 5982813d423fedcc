#include <QFocusEvent>
#include <QKeyEvent>
#include <QResizeEvent>
#include <qt/grid_navigation.hpp>
#include <qt/qt_combo_box.hpp>
#include <qt/qt_label.hpp>
#include <qt/qt_values.hpp>
#include <qt/sauramiti_widget.hpp>
#include <sauramiti/base/rounding.hpp>
#include <sauramiti/document/json_property_bag.hpp>
#include <sauramiti/view/legacy_font_transcoder.hpp>
#include <sauramiti/view/name_tables.hpp>
#include <stdexcept>
#include <string>

namespace sauramiti::qt {

namespace {

constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;
constexpr double kDesignWidthTwips = 5535.0;
constexpr double kDesignHeightTwips = 5220.0;
// Below this the arrangement leaves no room for the grid under the lists.
constexpr double kSmallestUsefulTwips = 1800.0;

std::int16_t Boolean(bool value) { return value ? kTrue : kFalse; }

std::string DayCellName(std::size_t index) { return "lblDay(" + std::to_string(index) + ")"; }

// Counts the calls into the control that are running, so that a document is never replaced
// from inside one of them.
class CallScope {
 public:
  explicit CallScope(int& depth) : depth_(depth) { ++depth_; }
  ~CallScope() { --depth_; }
  CallScope(const CallScope&) = delete;
  CallScope& operator=(const CallScope&) = delete;

 private:
  int& depth_;
};

}  // namespace

SauramitiWidget::SauramitiWidget(QWidget* parent) : QWidget(parent), host_(*this) {
  setFocusPolicy(Qt::StrongFocus);
  QtToolkit& kit = host_.Toolkit();
  kit.Language().SetProbe([this] { return control_ != nullptr && control_->English() == 0; });
  kit.SetErrorSink([this](const RuntimeError& error) { ReportError(error); });
  kit.SetContentObserver([this](QtChild& child) {
    auto* cell = dynamic_cast<QtLabel*>(&child);
    if (cell != nullptr && DayCellIndex(*cell) >= 0) NameDayCell(*cell);
  });
  kit.SetLabelClickObserver([this](QtLabel& label) {
    const int cell = DayCellIndex(label);
    if (cell >= 0) MoveFocusMark(cell);
  });
  host_.OnPropertyChanged([this](std::string_view name) { emit propertyChanged(ToQString(name)); });
  host_.OnClickRaised([this] { emit clicked(); });
  try {
    CreateControl([](Sauramiti& control) { control.InitProperties(); });
  } catch (const RuntimeError& error) {
    // Nothing can be connected to errorRaised yet; the instance stays as far as it came.
    qWarning("Sauramiti: a new instance failed with run-time error %d", error.Number());
  }
}

SauramitiWidget::~SauramitiWidget() {
  if (control_) control_->Terminate();
  control_.reset();
}

void SauramitiWidget::CreateControl(const std::function<void(Sauramiti&)>& bringToLife) {
  control_ = std::make_unique<Sauramiti>(host_);
  for (std::size_t j = 0; j < dayCells_.size(); ++j) {
    dayCells_[j] = host_.Toolkit().FindLabel(DayCellName(j));
    if (dayCells_[j] != nullptr && dayCells_[j]->Widget() != nullptr) {
      // A click on a day cell gives the keyboard focus to the picker as a whole.
      dayCells_[j]->Widget()->setFocusPolicy(Qt::ClickFocus);
      dayCells_[j]->Widget()->setFocusProxy(this);
    }
  }
  const CallScope scope(callDepth_);
  control_->Initialize();
  bringToLife(*control_);
}

void SauramitiWidget::ReplaceControl(const std::function<void(Sauramiti&)>& bringToLife) {
  if (callDepth_ > 0 || host_.Toolkit().InUserAction()) {
    throw std::logic_error("the document cannot be replaced while the control handles a call");
  }
  control_->Terminate();
  control_.reset();
  dayCells_.fill(nullptr);
  focusedCell_ = -1;
  // A new instance starts on an enabled surface; a loaded one reads its state from the document.
  setEnabled(true);
  CreateControl(bringToLife);
}

void SauramitiWidget::newDocument() {
  ReplaceControl([](Sauramiti& control) { control.InitProperties(); });
}

void SauramitiWidget::load(const QString& path) {
  document::JsonPropertyBag bag = document::JsonPropertyBag::Load(path.toStdString());
  ReplaceControl([&bag](Sauramiti& control) { control.ReadProperties(bag); });
}

void SauramitiWidget::save(const QString& path) {
  document::JsonPropertyBag bag;
  {
    const CallScope scope(callDepth_);
    control_->WriteProperties(bag);
  }
  bag.Save(path.toStdString());
}

bool SauramitiWidget::Attempt(const std::function<void()>& call) const {
  try {
    const CallScope scope(callDepth_);
    call();
    return true;
  } catch (const RuntimeError& error) {
    ReportError(error);
    return false;
  }
}

template <typename T>
T SauramitiWidget::Read(T fallback, const std::function<T()>& read) const {
  T result = fallback;
  Attempt([&] { result = read(); });
  return result;
}

void SauramitiWidget::ReportError(const RuntimeError& error) const {
  auto* self = const_cast<SauramitiWidget*>(this);
  emit self->errorRaised(static_cast<int>(error.Number()),
                         ToQString(ErrorDescription(error.Number())));
}

// ---- Qt properties ----

bool SauramitiWidget::english() const {
  return Read<bool>(false, [this] { return control_->English() != 0; });
}
void SauramitiWidget::setEnglish(bool english) {
  Attempt([&] { control_->English(Boolean(english)); });
}

bool SauramitiWidget::controlEnabled() const {
  return Read<bool>(false, [this] { return control_->Enabled() != 0; });
}
void SauramitiWidget::setControlEnabled(bool enabled) {
  Attempt([&] { control_->Enabled(Boolean(enabled)); });
}

QVariant SauramitiWidget::maxYear() const {
  return Read<QVariant>({}, [this] { return ToQVariant(control_->MaxYear()); });
}
void SauramitiWidget::setMaxYear(const QVariant& maxYear) {
  Attempt([&] { control_->MaxYear(FromQVariant(maxYear)); });
}

int SauramitiWidget::minYear() const {
  return Read<int>(0, [this] { return control_->MinYear(); });
}
void SauramitiWidget::setMinYear(int minYear) {
  Attempt([&] { control_->MinYear(RoundToInt16(minYear)); });
}

QString SauramitiWidget::dateValue() const {
  return Read<QString>({}, [this] { return ToQString(control_->DateValue()); });
}
void SauramitiWidget::setDateValue(const QString& text) {
  Attempt([&] { control_->DateValue(text.toStdString()); });
}

int SauramitiWidget::month() const {
  return Read<int>(0, [this] { return control_->month(); });
}
void SauramitiWidget::setMonth(int month) {
  Attempt([&] { control_->month(RoundToInt16(month)); });
}

int SauramitiWidget::day() const {
  return Read<int>(0, [this] { return control_->Day(); });
}
void SauramitiWidget::setDay(int day) {
  Attempt([&] { control_->Day(RoundToInt16(day)); });
}

int SauramitiWidget::weekday() const {
  return Read<int>(0, [this] { return control_->Weekday(); });
}
void SauramitiWidget::setWeekday(int weekday) {
  Attempt([&] { control_->Weekday(RoundToInt16(weekday)); });
}

int SauramitiWidget::year() const {
  return Read<int>(0, [this] { return control_->year(); });
}
void SauramitiWidget::setYear(int year) {
  Attempt([&] { control_->year(RoundToInt16(year)); });
}

sauramiti::bs::year_month_day SauramitiWidget::selectedDate() const {
  return Read<sauramiti::bs::year_month_day>({}, [this] { return control_->SelectedDate(); });
}
QDate SauramitiWidget::selectedGregorianDate() const {
  const sauramiti::bs::year_month_day date = selectedDate();
  if (!date.ok()) return {};
  // QDate counts Julian day numbers; sys_days counts from 1970-01-01, day number 2440588.
  return QDate::fromJulianDay(sauramiti::bs::to_sys_days(date).time_since_epoch().count() +
                              2440588);
}
void SauramitiWidget::setSelectedDate(const sauramiti::bs::year_month_day& date) {
  Attempt([&] { control_->SelectDate(date); });
}

int SauramitiWidget::ujjainAhargana() const {
  return Read<int>(0, [this] { return control_->UjjainAhargana(); });
}
void SauramitiWidget::setUjjainAhargana(int ahargana) {
  Attempt([&] { control_->UjjainAhargana(ahargana); });
}

QString SauramitiWidget::dateAD() const {
  return Read<QString>({}, [this] { return ToQString(control_->DateAD()); });
}
void SauramitiWidget::setDateAD(const QString& text) {
  Attempt([&] { control_->DateAD(text.toStdString()); });
}

QFont SauramitiWidget::englishFont() const {
  return Read<QFont>({}, [this] { return ToQFont(control_->EnglishFont()); });
}
void SauramitiWidget::setEnglishFont(const QFont& font) {
  Attempt([&] { control_->EnglishFont(ToFontRef(font)); });
}

QFont SauramitiWidget::nepaliFont() const {
  return Read<QFont>({}, [this] { return ToQFont(control_->NepaliFont()); });
}
void SauramitiWidget::setNepaliFont(const QFont& font) {
  Attempt([&] { control_->NepaliFont(ToFontRef(font)); });
}

bool SauramitiWidget::vertical() const {
  return Read<bool>(false, [this] { return control_->Vertical() != 0; });
}
void SauramitiWidget::setVertical(bool vertical) {
  Attempt([&] { control_->Vertical(Boolean(vertical)); });
}

QString SauramitiWidget::value() const {
  return Read<QString>({}, [this] { return ToQString(control_->Value()); });
}
void SauramitiWidget::setValue(const QString& value) {
  Attempt([&] { control_->Value(value.toStdString()); });
}

QString SauramitiWidget::engStrDate() const {
  return Read<QString>({}, [this] { return ToQString(control_->EngStrDate()); });
}
void SauramitiWidget::setEngStrDate(const QString& text) {
  Attempt([&] { control_->EngStrDate(text.toStdString()); });
}

double SauramitiWidget::julianDate() const {
  return Read<double>(0.0, [this] { return control_->JulianDate(); });
}
void SauramitiWidget::setJulianDate(double julianDate) {
  Attempt([&] { control_->JulianDate(julianDate); });
}

int SauramitiWidget::englishDateStyle() const {
  return Read<int>(0, [this] { return static_cast<int>(control_->EnglishDateStyle()); });
}
void SauramitiWidget::setEnglishDateStyle(int style) {
  Attempt([&] {
    control_->EnglishDateStyle(static_cast<MyEnglishDateStyleConstants>(std::int32_t{style}));
  });
}

QVariant SauramitiWidget::weekDayStyle() const {
  return Read<QVariant>({},
                        [this] { return QVariant(static_cast<int>(control_->WeekDayStyle())); });
}
void SauramitiWidget::setWeekDayStyle(const QVariant& style) {
  Attempt([&] {
    bool isNumber = false;
    const int number = style.toInt(&isNumber);
    if (!isNumber) Raise(kTypeMismatch);
    control_->WeekDayStyle(static_cast<MyWeekDayStyle>(std::int32_t{number}));
  });
}

int SauramitiWidget::separator() const {
  return Read<int>(0, [this] { return static_cast<int>(control_->Separator()); });
}
void SauramitiWidget::setSeparator(int separator) {
  Attempt(
      [&] { control_->Separator(static_cast<MyYMDSeparatorConstants>(std::int32_t{separator})); });
}

QString SauramitiWidget::toolTipText() const {
  return Read<QString>({}, [this] { return ToQString(control_->ToolTipText()); });
}
void SauramitiWidget::setToolTipText(const QString& text) {
  Attempt([&] { control_->ToolTipText(text.toStdString()); });
}

void SauramitiWidget::setUserMode(bool run) {
  host_.SetUserMode(run);
  if (!run) MoveFocusMark(-1);
}

// ---- Children, size and keyboard ----

QtLabel* SauramitiWidget::label(const QString& name) const {
  return host_.Toolkit().FindLabel(name.toStdString());
}

QtComboBox* SauramitiWidget::comboBox(const QString& name) const {
  return host_.Toolkit().FindComboBox(name.toStdString());
}

QSize SauramitiWidget::sizeHint() const {
  return host_.Toolkit()
      .Scale()
      .ToPixelRect(0.0, 0.0, kDesignWidthTwips, kDesignHeightTwips)
      .size();
}

QSize SauramitiWidget::minimumSizeHint() const {
  return host_.Toolkit()
      .Scale()
      .ToPixelRect(0.0, 0.0, kSmallestUsefulTwips, kSmallestUsefulTwips)
      .size();
}

void SauramitiWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  host_.SurfaceResized(event->size());
}

QtLabel* SauramitiWidget::DayCell(int cell) const {
  return cell >= 0 && cell < kDayCells ? dayCells_[static_cast<std::size_t>(cell)] : nullptr;
}

std::function<bool(int)> SauramitiWidget::CellEnabled() const {
  return [this](int cell) {
    const QtLabel* label = DayCell(cell);
    return label != nullptr && label->Enabled();
  };
}

int SauramitiWidget::DayCellIndex(const QtLabel& cell) const {
  for (std::size_t j = 0; j < dayCells_.size(); ++j) {
    if (dayCells_[j] == &cell) return static_cast<int>(j);
  }
  return -1;
}

void SauramitiWidget::NameDayCell(QtLabel& cell) {
  LabelWidget* shown = cell.Label();
  if (shown == nullptr) return;
  const std::string caption = cell.Caption();
  if (caption.empty()) {
    shown->setAccessibleName(QString());
    return;
  }
  const QtComboBox* months = comboBox(QStringLiteral("CBoMonth"));
  const QtComboBox* years = comboBox(QStringLiteral("cboYear"));
  const auto column = static_cast<std::size_t>(DayCellIndex(cell) % kDaysInWeek);
  const std::string name = SauramitiRoutine::WeekdayNames[column + 1] + " " + caption + " " +
                           (months != nullptr ? months->Text() : std::string()) + " " +
                           (years != nullptr ? years->Text() : std::string());
  shown->setAccessibleName(cell.ShowsDevanagari() ? ToQString(view::LegacyFontToUnicode(name))
                                                  : ToQString(name));
}

void SauramitiWidget::MoveFocusMark(int cell) {
  if (QtLabel* old = DayCell(focusedCell_)) old->SetFocusMarked(false);
  focusedCell_ = cell >= 0 && cell < kDayCells ? cell : -1;
  QtLabel* marked = DayCell(focusedCell_);
  if (marked != nullptr && hasFocus()) marked->SetFocusMarked(true);
}

void SauramitiWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  int preferred = focusedCell_;
  if (!CellEnabled()(preferred)) {
    // The cell that carries the highlight is the one flattened (S3 = 0).
    for (int j = 0; j < kDayCells; ++j) {
      const QtLabel* cell = DayCell(j);
      if (cell != nullptr && cell->S3() == 0) preferred = j;
    }
  }
  MoveFocusMark(SettleFocus(preferred, CellEnabled()));
}

void SauramitiWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  if (QtLabel* marked = DayCell(focusedCell_)) marked->SetFocusMarked(false);
}

void SauramitiWidget::keyPressEvent(QKeyEvent* event) {
  if (!userMode() || !control_) {
    QWidget::keyPressEvent(event);
    return;
  }
  const bool verticalGrid = control_->Vertical() != 0;
  const auto step = [&](GridStep direction) {
    MoveFocusMark(StepFocus(focusedCell_, direction, verticalGrid, CellEnabled()));
  };
  switch (event->key()) {
    case Qt::Key_Left:
      step(GridStep::Left);
      break;
    case Qt::Key_Right:
      step(GridStep::Right);
      break;
    case Qt::Key_Up:
      step(GridStep::Up);
      break;
    case Qt::Key_Down:
      step(GridStep::Down);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (QtLabel* marked = DayCell(focusedCell_)) marked->Click();
      break;
    case Qt::Key_PageUp:
      TurnMonth(-1);
      break;
    case Qt::Key_PageDown:
      TurnMonth(+1);
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void SauramitiWidget::TurnMonth(int direction) {
  QtComboBox* months = comboBox(QStringLiteral("CBoMonth"));
  QtComboBox* years = comboBox(QStringLiteral("cboYear"));
  if (months == nullptr || years == nullptr || months->ListIndex() < 0) return;
  const std::int32_t next = months->ListIndex() + direction;
  if (next >= 0 && next < months->ListCount()) {
    months->Choose(next);
  } else {
    // Past the last month (or before the first) the year turns as well, when the list has it.
    const std::int32_t nextYear = years->ListIndex() + direction;
    if (years->ListIndex() < 0 || nextYear < 0 || nextYear >= years->ListCount()) return;
    years->Choose(nextYear);
    months->Choose(direction > 0 ? 0 : months->ListCount() - 1);
  }
  MoveFocusMark(SettleFocus(focusedCell_, CellEnabled()));
}

}  // namespace sauramiti::qt
