#include <QFocusEvent>
#include <QKeyEvent>
#include <QResizeEvent>
#include <qt/grid_navigation.hpp>
#include <qt/qt_combo_box.hpp>
#include <qt/qt_label.hpp>
#include <qt/qt_values.hpp>
#include <qt/sauramiti_widget.hpp>
#include <sauramiti/base/rounding.hpp>
#include <sauramiti/convert/calendar_methods.hpp>
#include <sauramiti/document/json_property_bag.hpp>
#include <sauramiti/document/refused_value.hpp>
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
// The fonts scale with the surface: at half the design size every list, weekday and day cell
// still shows its whole text in both languages and both arrangements; below it the lists lose
// their digits and the Nepali weekdays their last letters.
constexpr double kSmallestUsefulWidthTwips = kDesignWidthTwips / 2.0;
constexpr double kSmallestUsefulHeightTwips = kDesignHeightTwips / 2.0;

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

SauramitiWidget::SauramitiWidget(QWidget* parent)
    : QWidget(parent), host_(std::make_unique<QtHost>(*this)) {
  setFocusPolicy(Qt::StrongFocus);
  WireHost(*host_, /*live=*/true);
  try {
    CreateControl([](Sauramiti& control) { control.InitProperties(); });
  } catch (const RuntimeError& error) {
    // Nothing can be connected to errorRaised yet; the instance stays as far as it came.
    qWarning("Sauramiti: a new instance failed with run-time error %d", error.Number());
  }
}

SauramitiWidget::~SauramitiWidget() {
  if (control_) control_->Terminate();
  navigator_.reset();
  control_.reset();
}

// A host that is not live yet (an instance being made to replace the current one) shows its
// texts by its own instance's language and sends no signals: what happens to an instance that
// may never replace the current one is nobody's business.
void SauramitiWidget::WireHost(QtHost& host, bool live) {
  QtToolkit& kit = host.Toolkit();
  kit.Language().SetProbe([this, &host] {
    const Sauramiti* control = &host == host_.get() ? control_.get() : candidate_;
    return control != nullptr && control->English() == 0;
  });
  kit.SetErrorSink([this](const RuntimeError& error) { ReportError(error); });
  kit.SetContentObserver([this](QtChild& child) {
    auto* cell = dynamic_cast<QtLabel*>(&child);
    if (cell != nullptr && DayCellIndex(*cell) >= 0) NameDayCell(*cell);
  });
  kit.SetLabelClickObserver([this](QtLabel& label) {
    const int cell = DayCellIndex(label);
    if (cell >= 0) MoveFocusMark(cell);
  });
  if (live) {
    host.OnPropertyChanged(
        [this](std::string_view name) { emit propertyChanged(ToQString(name)); });
    host.OnClickRaised([this] { emit clicked(); });
  } else {
    host.OnPropertyChanged({});
    host.OnClickRaised({});
  }
}

void SauramitiWidget::FindDayCells() {
  for (std::size_t j = 0; j < dayCells_.size(); ++j) {
    dayCells_[j] = host_->Toolkit().FindLabel(DayCellName(j));
    if (dayCells_[j] != nullptr && dayCells_[j]->Widget() != nullptr) {
      // A click on a day cell gives the keyboard focus to the picker as a whole.
      dayCells_[j]->Widget()->setFocusPolicy(Qt::ClickFocus);
      dayCells_[j]->Widget()->setFocusProxy(this);
    }
  }
}

// The keyboard works over the live instance and its host; a replaced instance gets a new one.
void SauramitiWidget::MakeNavigator() {
  navigator_ = std::make_unique<navigation::Navigator>(*control_, *host_, *host_,
                                                       navigation::FocusModel::Cells);
}

void SauramitiWidget::CreateControl(const std::function<void(Sauramiti&)>& bringToLife) {
  control_ = std::make_unique<Sauramiti>(*host_);
  MakeNavigator();
  FindDayCells();
  const CallScope scope(callDepth_);
  control_->Initialize();
  bringToLife(*control_);
}

// The new instance lives on a host of its own, on this same widget, beside the current one; it
// takes the current surface's size, mode and clock. Only when it has come to life does it
// replace the current instance, whose children then go; when it fails, its own children go and
// the widget's enabled state (which a document sets) is put back.
void SauramitiWidget::ReplaceControl(const std::function<void(Sauramiti&)>& bringToLife) {
  if (callDepth_ > 0 || host_->Toolkit().InUserAction()) {
    throw std::logic_error("the document cannot be replaced while the control handles a call");
  }
  auto host = std::make_unique<QtHost>(*this);
  host->TakeSurfaceFrom(*host_);
  WireHost(*host, /*live=*/false);
  const bool wasEnabled = host_->Enabled();
  setEnabled(true);  // a new instance starts on an enabled surface
  auto control = std::make_unique<Sauramiti>(*host);
  candidate_ = control.get();
  candidateHost_ = host.get();
  try {
    const CallScope scope(callDepth_);
    control->Initialize();
    bringToLife(*control);
  } catch (...) {
    candidate_ = nullptr;
    candidateHost_ = nullptr;
    control.reset();
    host.reset();
    setEnabled(wasEnabled);
    resize(host_->PixelSize());  // in case the new instance had set its own size
    throw;
  }
  candidate_ = nullptr;
  candidateHost_ = nullptr;
  control_->Terminate();
  navigator_.reset();
  control_.reset();
  host_ = std::move(host);
  control_ = std::move(control);
  MakeNavigator();
  WireHost(*host_, /*live=*/true);
  focusedCell_ = -1;
  FindDayCells();
  for (QtLabel* cell : dayCells_) {
    if (cell != nullptr) NameDayCell(*cell);
  }
}

void SauramitiWidget::newDocument() {
  ReplaceControl([](Sauramiti& control) { control.InitProperties(); });
}

void SauramitiWidget::load(const QString& path) {
  const std::string file = path.toStdString();
  document::JsonPropertyBag bag = document::JsonPropertyBag::Load(file);
  try {
    ReplaceControl([&bag](Sauramiti& control) { control.ReadProperties(bag); });
  } catch (const RuntimeError& error) {
    // Each trial read is an instance on a host of its own, dropped at once.
    const document::ReadIntoFreshInstance trial = [this](platform::PropertyBag& trialBag) {
      QtHost host(*this);
      host.TakeSurfaceFrom(*host_);
      const bool wasEnabled = host_->Enabled();
      struct PutBack {
        SauramitiWidget& widget;
        bool enabled;
        ~PutBack() { widget.setEnabled(enabled); }
      } putBack{*this, wasEnabled};
      Sauramiti control(host);
      control.Initialize();
      control.ReadProperties(trialBag);
    };
    throw document::ExplainRefusal(file, bag, trial, error.Number());
  }
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
  const sauramiti::bs::calendar& cal =
      SauramitiRoutine::CalendarOfCode(static_cast<std::int16_t>(calendar()));
  if (!date.ok(cal)) return {};
  // QDate counts Julian day numbers; sys_days counts from 1970-01-01, day number 2440588.
  return QDate::fromJulianDay(sauramiti::bs::to_sys_days(date, cal).time_since_epoch().count() +
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

bool SauramitiWidget::sixWeeks() const {
  return Read<bool>(false, [this] { return control_->SixWeeks() != 0; });
}
void SauramitiWidget::setSixWeeks(bool on) {
  Attempt([&] { control_->SixWeeks(Boolean(on)); });
}

bool SauramitiWidget::showGregorianDay() const {
  return Read<bool>(false, [this] { return control_->ShowGregorianDay() != 0; });
}
void SauramitiWidget::setShowGregorianDay(bool on) {
  Attempt([&] { control_->ShowGregorianDay(Boolean(on)); });
}

int SauramitiWidget::calendar() const {
  return Read<int>(0, [this] { return control_->Calendar(); });
}
void SauramitiWidget::setCalendar(int calendar) {
  Attempt([&] { control_->Calendar(RoundToInt16(calendar)); });
}

bool SauramitiWidget::markToday() const {
  return Read<bool>(false, [this] { return control_->MarkToday() != 0; });
}
void SauramitiWidget::setMarkToday(bool on) {
  Attempt([&] { control_->MarkToday(Boolean(on)); });
}

QString SauramitiWidget::minDate() const {
  return Read<QString>({}, [this] { return ToQString(control_->MinDate()); });
}
void SauramitiWidget::setMinDate(const QString& date) {
  Attempt([&] { control_->MinDate(date.toStdString()); });
}

QString SauramitiWidget::maxDate() const {
  return Read<QString>({}, [this] { return ToQString(control_->MaxDate()); });
}
void SauramitiWidget::setMaxDate(const QString& date) {
  Attempt([&] { control_->MaxDate(date.toStdString()); });
}

int SauramitiWidget::holidayForeColor() const {
  return Read<int>(0, [this] { return static_cast<int>(control_->HolidayForeColor()); });
}
void SauramitiWidget::setHolidayForeColor(int color) {
  Attempt([&] { control_->HolidayForeColor(std::int32_t{color}); });
}

void SauramitiWidget::setUserMode(bool run) {
  host_->SetUserMode(run);
  if (!run) MoveFocusMark(-1);
}

// ---- Children, size and keyboard ----

QtLabel* SauramitiWidget::label(const QString& name) const {
  return host_->Toolkit().FindLabel(name.toStdString());
}

QtComboBox* SauramitiWidget::comboBox(const QString& name) const {
  return host_->Toolkit().FindComboBox(name.toStdString());
}

QSize SauramitiWidget::sizeHint() const {
  return host_->Toolkit()
      .Scale()
      .ToPixelRect(0.0, 0.0, kDesignWidthTwips, kDesignHeightTwips)
      .size();
}

QSize SauramitiWidget::minimumSizeHint() const {
  return host_->Toolkit()
      .Scale()
      .ToPixelRect(0.0, 0.0, kSmallestUsefulWidthTwips, kSmallestUsefulHeightTwips)
      .size();
}

void SauramitiWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // While a new instance comes to life, the size it sets itself is its own host's (an instance
  // that may never be shown must not resize the current one).
  (candidateHost_ != nullptr ? candidateHost_ : host_.get())->SurfaceResized(event->size());
}

QtLabel* SauramitiWidget::DayCell(int cell) const {
  return cell >= 0 && cell < kDayCells ? dayCells_[static_cast<std::size_t>(cell)] : nullptr;
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
  if (navigator_) navigator_->FocusOnCell(focusedCell_);
  QtLabel* marked = DayCell(focusedCell_);
  if (marked != nullptr && hasFocus()) marked->SetFocusMarked(true);
}

void SauramitiWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (!navigator_) return;
  navigator_->SettleOnCell();
  MoveFocusMark(navigator_->FocusCell());
}

void SauramitiWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  if (QtLabel* marked = DayCell(focusedCell_)) marked->SetFocusMarked(false);
}

namespace {

// The widget's keys in the navigation layer's terms; Key::None for a key the widget leaves to Qt.
// Tab stays with Qt's focus chain and letters with the lists and the form.
navigation::Key NavigationKey(int qtKey) {
  using navigation::Key;
  switch (qtKey) {
    case Qt::Key_Left:
      return Key::Left;
    case Qt::Key_Right:
      return Key::Right;
    case Qt::Key_Up:
      return Key::Up;
    case Qt::Key_Down:
      return Key::Down;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Key::Enter;
    case Qt::Key_Space:
      return Key::Space;
    case Qt::Key_PageUp:
      return Key::PageUp;
    case Qt::Key_PageDown:
      return Key::PageDown;
    case Qt::Key_Home:
      return Key::Home;
    case Qt::Key_End:
      return Key::End;
    default:
      return Key::None;
  }
}

}  // namespace

void SauramitiWidget::keyPressEvent(QKeyEvent* event) {
  const navigation::Key key = NavigationKey(event->key());
  if (!userMode() || !control_ || !navigator_ || key == navigation::Key::None) {
    QWidget::keyPressEvent(event);
    return;
  }
  // The mark goes where the navigation put it, also when the control's own handler failed.
  Attempt([&] { navigator_->Press(key); });
  MoveFocusMark(navigator_->FocusCell());
  event->accept();
}

}  // namespace sauramiti::qt
