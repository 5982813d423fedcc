#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <array>
#include <qt/date_popup.hpp>
#include <qt/display_text.hpp>
#include <qt/sauramiti_date_edit.hpp>
#include <qt/sauramiti_widget.hpp>
#include <qt/typed_date_validator.hpp>
#include <sauramiti/chrono/date_format.hpp>
#include <sauramiti/convert/calendar_methods.hpp>
#include <string>

namespace sauramiti::qt {

namespace {

// The control's four separators, by its Separator code.
constexpr std::array<const char*, 4> kSeparators = {"/", "-", ".", "\xC3\xB7"};

}  // namespace

SauramitiDateEdit::SauramitiDateEdit(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  lineEdit_ = new QLineEdit(this);
  lineEdit_->setObjectName(QStringLiteral("dateText"));
  validator_ = new TypedDateValidator([this] { return textOf(date_); }, lineEdit_);
  lineEdit_->setValidator(validator_);
  lineEdit_->installEventFilter(this);
  button_ = new QToolButton(this);
  button_->setObjectName(QStringLiteral("dropDownButton"));
  button_->setArrowType(Qt::DownArrow);
  button_->setFocusPolicy(Qt::NoFocus);
  button_->setToolTip(QStringLiteral("Choose a date (Alt+Down)"));
  layout->addWidget(lineEdit_, 1);
  layout->addWidget(button_);
  setFocusProxy(lineEdit_);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

  popup_ = new DatePopup(this);
  SauramitiWidget& picker = popup_->picker();
  date_ = picker.selectedDate();
  calendarCode_ = picker.calendar();
  validator_->setCalendar(Calendar());
  connect(button_, &QToolButton::clicked, this, [this] {
    if (isPopupShown()) {
      hidePopup();
    } else {
      showPopup();
    }
  });
  connect(lineEdit_, &QLineEdit::editingFinished, this, [this] { Commit(); });
  connect(&picker, &SauramitiWidget::clicked, this, [this] { Picked(); });
  connect(&picker, &SauramitiWidget::propertyChanged, this, [this](const QString& name) {
    if (name == QLatin1String("Calendar")) {
      FollowCalendar();
      return;
    }
    // A new language or separator shows the date anew, unless the person is typing another.
    const auto typed = TypedDateValidator::DateOf(lineEdit_->text(), Calendar());
    if ((name == QLatin1String("English") || name == QLatin1String("Separator")) &&
        (!typed || *typed == date_)) {
      ShowDate();
    }
  });
  connect(popup_, &DatePopup::closed, this, [this] { lineEdit_->setFocus(Qt::PopupFocusReason); });
  ShowDate();
}

SauramitiDateEdit::~SauramitiDateEdit() {
  // ~QWidget takes the focus from the line edit, which then finishes its editing and may fix up
  // its text: by then this is no longer a date field, so the line edit stops calling it first.
  lineEdit_->disconnect(this);
  lineEdit_->removeEventFilter(this);
  lineEdit_->setValidator(nullptr);
}

SauramitiWidget& SauramitiDateEdit::picker() const { return popup_->picker(); }

bool SauramitiDateEdit::isPopupShown() const { return popup_->isVisible(); }

QString SauramitiDateEdit::textOf(const bs::year_month_day& date) const {
  const SauramitiWidget& picker = popup_->picker();
  const int code = picker.separator();
  const std::string separator = code >= 0 && code < static_cast<int>(kSeparators.size())
                                    ? kSeparators[static_cast<std::size_t>(code)]
                                    : "/";
  const bs::locale language = picker.english() ? bs::locale::english : bs::locale::nepali;
  return ToQString(
      bs::format(date, "%Y" + separator + "%m" + separator + "%d", language, Calendar()));
}

const bs::calendar& SauramitiDateEdit::Calendar() const {
  return SauramitiRoutine::CalendarOfCode(static_cast<std::int16_t>(popup_->picker().calendar()));
}

// The picker now follows another calendar: the field keeps its day and names it in that one.
void SauramitiDateEdit::FollowCalendar() {
  const int code = popup_->picker().calendar();
  if (code == calendarCode_) return;
  const bs::calendar& previous =
      SauramitiRoutine::CalendarOfCode(static_cast<std::int16_t>(calendarCode_));
  calendarCode_ = code;
  validator_->setCalendar(Calendar());
  setDate(bs::in_calendar(date_, previous, Calendar()));
}

void SauramitiDateEdit::setDate(const bs::year_month_day& date) {
  if (!date.ok(Calendar())) return;
  const bool changed = date != date_;
  date_ = date;
  ShowDate();
  if (changed) emit dateChanged(date_);
}

void SauramitiDateEdit::ShowDate() {
  const QString text = textOf(date_);
  if (lineEdit_->text() != text) lineEdit_->setText(text);
}

// The typed text as the field's date; half a date goes back to the date it had.
void SauramitiDateEdit::Commit() {
  if (const auto typed = TypedDateValidator::DateOf(lineEdit_->text(), Calendar())) {
    setDate(*typed);
  } else {
    ShowDate();
  }
}

void SauramitiDateEdit::Step(int days) {
  const auto typed = TypedDateValidator::DateOf(lineEdit_->text(), Calendar());
  if (!typed) return;
  // Past either end of the calendar the step stops there; the typed date is still taken.
  const bs::year_month_day next = bs::add_days(*typed, std::chrono::days{days}, Calendar());
  setDate(next.ok() ? next : *typed);
}

void SauramitiDateEdit::showPopup() {
  Commit();
  SauramitiWidget& picker = popup_->picker();
  if (picker.selectedDate() != date_) picker.setSelectedDate(date_);
  popup_->ShowUnder(*lineEdit_);
}

void SauramitiDateEdit::hidePopup() { popup_->hide(); }

void SauramitiDateEdit::Picked() {
  const bs::year_month_day picked = popup_->picker().selectedDate();
  hidePopup();
  setDate(picked);
}

bool SauramitiDateEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched != lineEdit_ || event->type() != QEvent::KeyPress) {
    return QWidget::eventFilter(watched, event);
  }
  const auto& key = static_cast<const QKeyEvent&>(*event);
  if (DatePopup::IsToggleKey(key)) {
    showPopup();
    return true;
  }
  const bool plain = (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (plain && (key.key() == Qt::Key_Up || key.key() == Qt::Key_Down)) {
    Step(key.key() == Qt::Key_Up ? 1 : -1);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace sauramiti::qt
