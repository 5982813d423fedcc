#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <limits>
#include <qt/qt_combo_box.hpp>
#include <qt/system_colors.hpp>

namespace sauramiti::qt {

namespace {

constexpr platform::Color kWindowBackground = 0x80000005U;  // system colour 5
constexpr std::int16_t kBackspace = 8;
constexpr std::int16_t kFirstPrintable = 0x20;
constexpr std::int16_t kDelete = 0x7F;

// Standard shortcuts that would change the edit field without typing a character.
bool IsEditingShortcut(const QKeyEvent& key) {
  static constexpr QKeySequence::StandardKey kEditingKeys[] = {
      QKeySequence::Delete,
      QKeySequence::Cut,
      QKeySequence::Paste,
      QKeySequence::Undo,
      QKeySequence::Redo,
      QKeySequence::DeleteEndOfWord,
      QKeySequence::DeleteStartOfWord,
      QKeySequence::DeleteEndOfLine,
      QKeySequence::DeleteCompleteLine,
  };
  for (QKeySequence::StandardKey editing : kEditingKeys) {
    if (key.matches(editing)) return true;
  }
  return key.key() == Qt::Key_Delete;
}

// Tab and Backtab move the focus; they type nothing.
bool MovesFocus(const QKeyEvent& key) {
  return key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
}

}  // namespace

// Sends every character key through the control's KeyPress handler and keeps every other way of
// editing away from the field.
class QtComboBox::KeyFilter final : public QObject {
 public:
  explicit KeyFilter(QtComboBox& owner) : owner_(owner) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
        return FilterKey(*static_cast<QKeyEvent*>(event));
      case QEvent::InputMethod:
      case QEvent::ContextMenu:
      case QEvent::Drop:
      case QEvent::DragEnter:
        return true;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
        // The middle button pastes the selection into a line edit on some desktops.
        return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
      default:
        return QObject::eventFilter(watched, event);
    }
  }

 private:
  bool FilterKey(const QKeyEvent& key) {
    if (MovesFocus(key)) return false;
    if (IsEditingShortcut(key)) return true;
    // Backspace is a character key (code 8) even where the platform gives it no text.
    const QString typed = key.key() == Qt::Key_Backspace ? QStringLiteral("\b") : key.text();
    if (typed.isEmpty()) return false;  // navigation keys: arrows, Home, End, F4, ...
    for (const QChar unit : typed) owner_.TypeIntoField(static_cast<std::int16_t>(unit.unicode()));
    return true;
  }

  QtComboBox& owner_;
};

ComboWidget::ComboWidget(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  setContextMenuPolicy(Qt::NoContextMenu);
  setAcceptDrops(false);
  if (QLineEdit* field = lineEdit()) {
    field->setContextMenuPolicy(Qt::NoContextMenu);
    field->setAcceptDrops(false);
    field->setDragEnabled(false);
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
  }
  setAttribute(Qt::WA_InputMethodEnabled, false);
}

void ComboWidget::showPopup() {
  if (opening_) opening_();
  QComboBox::showPopup();
}

QtComboBox::QtComboBox(QtToolkit& toolkit, QWidget& parent, std::string_view name)
    : QtFontedControl(toolkit, name, new ComboWidget(&parent)),
      keyFilter_(std::make_unique<KeyFilter>(*this)) {
  if (ComboWidget* combo = Combo()) {
    combo->SetOpeningHandler([this] { DropDown(); });
    QObject::connect(combo, &QComboBox::activated, combo, [this](int index) { UserChose(index); });
    combo->installEventFilter(keyFilter_.get());
    if (QLineEdit* field = combo->lineEdit()) {
      field->installEventFilter(keyFilter_.get());
      toolkit.GuardUserInput(*field);
    }
    toolkit.GuardUserInput(*combo);
  }
  BackColor(kWindowBackground);
  FontChanged();
}

QtComboBox::~QtComboBox() {
  if (ComboWidget* combo = Combo()) {
    QObject::disconnect(combo, nullptr, combo, nullptr);
    combo->removeEventFilter(keyFilter_.get());
    if (QLineEdit* field = combo->lineEdit()) field->removeEventFilter(keyFilter_.get());
  }
}

ComboWidget* QtComboBox::Combo() const { return static_cast<ComboWidget*>(Widget()); }

void QtComboBox::Clear() {
  list_.Clear();
  shownText_.clear();
  if (ComboWidget* combo = Combo()) {
    const QSignalBlocker block(combo);
    combo->clear();
  }
  ShowState();
  toolkit_.NotifyContentChanged(*this);
}

void QtComboBox::AddItem(const std::string& item) {
  list_.AddItem(item, std::numeric_limits<int>::max());  // Qt counts items in an int
  const auto shown = toolkit_.Language().Present(item);
  NoteLanguage(shown.devanagari);
  if (ComboWidget* combo = Combo()) {
    const QSignalBlocker block(combo);
    combo->addItem(shown.text);
    // Qt chooses the first item put into an empty list; the control's list chooses nothing.
    if (combo->currentIndex() != list_.Index()) ShowState();
  }
}

std::int32_t QtComboBox::ListCount() const { return list_.Count(); }

std::string QtComboBox::List(std::int32_t index) const { return list_.Item(index); }

void QtComboBox::Text(const std::string& text) {
  list_.SetText(text);
  const auto shown = toolkit_.Language().Present(list_.Text());
  shownText_ = shown.text;
  NoteLanguage(shown.devanagari);
  ShowState();
  toolkit_.NotifyContentChanged(*this);
}

float QtComboBox::Height() const {
  const ComboWidget* combo = Combo();
  return combo != nullptr ? toolkit_.Scale().ToTwipsY(combo->sizeHint().height()) : 0.0F;
}

void QtComboBox::Height(float /*twips*/) {
  // The height of a combo box follows from its font.
}

bool QtComboBox::Choose(std::int32_t index) {
  if (!Enabled() || index < 0 || index >= ListCount()) return false;
  UserChose(index);
  return true;
}

void QtComboBox::DropDown() {
  if (onDropDown_) toolkit_.RunUserAction(onDropDown_);
}

std::int16_t QtComboBox::Type(std::int16_t code) {
  std::int16_t kept = code;
  if (onKeyPress_ && !toolkit_.RunUserAction([&] { onKeyPress_(kept); })) return 0;
  return kept;
}

std::int16_t QtComboBox::TypeIntoField(std::int16_t code) {
  const std::int16_t kept = Type(code);
  if (kept != 0) InsertTyped(kept);
  return kept;
}

void QtComboBox::InsertTyped(std::int16_t code) {
  const ComboWidget* combo = Combo();
  QLineEdit* field = combo != nullptr ? combo->lineEdit() : nullptr;
  if (field == nullptr) return;
  if (code == kBackspace) {
    field->backspace();
  } else if (code >= kFirstPrintable && code != kDelete) {
    field->insert(QString(QChar(static_cast<char16_t>(code))));
  } else if (code < 0) {
    field->insert(QString(QChar(static_cast<char16_t>(static_cast<std::uint16_t>(code)))));
  } else {
    return;  // other control characters type nothing
  }
  TextEditedByUser(field->text());
}

QString QtComboBox::ShownText() const { return shownText_; }

QString QtComboBox::ShownItem(std::int32_t index) const {
  const ComboWidget* combo = Combo();
  if (combo == nullptr || index < 0 || index >= ListCount()) return {};
  return combo->itemText(static_cast<int>(index));
}

void QtComboBox::TextEditedByUser(const QString& shown) {
  // Typed text is Unicode already: it is both what is shown and what the control reads.
  shownText_ = shown;
  list_.SetEditedText(shown.toStdString());
  ShowState();
  toolkit_.NotifyContentChanged(*this);
}

QRect QtComboBox::PixelRect() const {
  const ComboWidget* combo = Combo();
  QRect rect = toolkit_.Scale().ToPixelRect(Left(), Top(), Width(), 0.0);
  rect.setHeight(combo != nullptr ? combo->sizeHint().height() : 0);
  return rect;
}

void QtComboBox::BackColorChanged() {
  ComboWidget* combo = Combo();
  if (combo == nullptr) return;
  if (BackColor() == kWindowBackground) {
    combo->setPalette(QPalette());
    return;
  }
  QPalette palette = combo->palette();
  palette.setColor(QPalette::Base, ResolveColor(BackColor(), combo->parentWidget()->palette()));
  combo->setPalette(palette);
}

void QtComboBox::FontChanged() {
  if (ComboWidget* combo = Combo()) {
    combo->setFont(DrawingFont(AskedFont(), devanagari_));
    Place();
  }
}

void QtComboBox::ShowState() {
  ComboWidget* combo = Combo();
  if (combo == nullptr) return;
  const QSignalBlocker block(combo);
  combo->setCurrentIndex(static_cast<int>(list_.Index()));
  combo->setEditText(shownText_);
}

void QtComboBox::UserChose(int index) {
  if (!list_.Holds(index)) return;
  list_.Choose(index);
  shownText_ = ShownItem(index);
  ShowState();
  toolkit_.NotifyContentChanged(*this);
  if (onClick_) toolkit_.RunUserAction(onClick_);
}

void QtComboBox::NoteLanguage(bool devanagari) {
  if (devanagari == devanagari_) return;
  devanagari_ = devanagari;
  FontChanged();
}

}  // namespace sauramiti::qt
