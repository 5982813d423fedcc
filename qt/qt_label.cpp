#include <qdrawutil.h>

#include <QMouseEvent>
#include <QPainter>
#include <qt/qt_label.hpp>
#include <qt/system_colors.hpp>

namespace sauramiti::qt {

namespace {

constexpr std::int16_t kSingleBorder = 1;
constexpr std::int16_t kAlignRight = 1;
constexpr std::int16_t kAlignCentre = 2;
constexpr std::int16_t kFlat = 0;
constexpr int kTextMargin = 2;
constexpr int kFocusMarkWidth = 2;
constexpr int kTodayMarkInset = 3;               // inside the two pixels of the focus mark
const QColor kTodayMarkColor(0xD0, 0x40, 0x00);  // neither a selection nor a focus colour

Qt::Alignment HorizontalAlignment(std::int16_t s2) {
  switch (s2) {
    case kAlignRight:
      return Qt::AlignRight;
    case kAlignCentre:
      return Qt::AlignHCenter;
    default:
      return Qt::AlignLeft;
  }
}

}  // namespace

LabelWidget::LabelWidget(QWidget* parent) : QLabel(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void LabelWidget::SetLook(const LabelLook& look) {
  look_ = look;
  update();
}

void LabelWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QPalette& pal = palette();
  QRect area = rect();
  painter.fillRect(area, ResolveColor(look_.back, pal));

  if (look_.border == kSingleBorder) {
    if (look_.appearance == kFlat) {
      qDrawPlainRect(&painter, area, pal.color(QPalette::Shadow), 1);
    } else {
      qDrawShadePanel(&painter, area, pal, /*sunken=*/false, 1);
    }
    area.adjust(1, 1, -1, -1);
  }

  const QColor ink = isEnabled() ? ResolveColor(look_.fore, pal)
                                 : pal.color(QPalette::Disabled, QPalette::WindowText);
  painter.setPen(ink);
  painter.setFont(font());
  const QRect textArea = area.adjusted(kTextMargin, 0, -kTextMargin, 0);
  painter.drawText(
      textArea, static_cast<int>(HorizontalAlignment(look_.alignment) | Qt::AlignVCenter), text());
  if (!look_.corner.isEmpty()) {
    // The corner text at about 40% of the caption's size, in the top right corner.
    QFont small = font();
    small.setPointSizeF(std::max(1.0, small.pointSizeF() * 0.4));
    painter.setFont(small);
    painter.drawText(textArea, static_cast<int>(Qt::AlignRight | Qt::AlignTop), look_.corner);
    painter.setFont(font());
  }

  if (look_.outlined) {
    // Today's frame: a solid line that neither the selection's colours nor the focus mark use.
    painter.setPen(QPen(kTodayMarkColor, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(kTodayMarkInset - 1, kTodayMarkInset - 1, -kTodayMarkInset,
                                   -kTodayMarkInset));
  }

  if (look_.focusMarked) {
    // Styles draw their own focus rectangle as a faint dotted line, or only while a window
    // manager says the window is active, or not at all: an outline in the highlight colour
    // shows on every platform, whatever the cell's colour and the language of its text.
    QPen outline(pal.color(QPalette::Highlight), kFocusMarkWidth);
    outline.setJoinStyle(Qt::MiterJoin);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    // The pen straddles the path: a rectangle one pixel in from the edge of the area (inside
    // the border) puts the two pixels of the outline exactly on the area's outermost two.
    painter.drawRect(QRectF(area).adjusted(1.0, 1.0, -1.0, -1.0));
  }
}

void LabelWidget::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
  const bool wasPressed = pressed_;
  pressed_ = false;
  event->accept();
  if (wasPressed && event->button() == Qt::LeftButton &&
      rect().contains(event->position().toPoint()) && released_) {
    released_();
  }
}

QtLabel::QtLabel(QtToolkit& toolkit, QWidget& parent, std::string_view name)
    : QtFontedControl(toolkit, name, new LabelWidget(&parent)) {
  if (LabelWidget* label = Label()) {
    label->SetPressHandler([this] { Click(); });
    toolkit.GuardUserInput(*label);
  }
  ShowLook();
  FontChanged();
}

LabelWidget* QtLabel::Label() const { return static_cast<LabelWidget*>(Widget()); }

void QtLabel::Caption(const std::string& text) {
  caption_ = text;
  const auto shown = toolkit_.Language().Present(caption_);
  const bool fontChanges = shown.devanagari != devanagari_;
  devanagari_ = shown.devanagari;
  if (LabelWidget* label = Label()) label->setText(shown.text);
  if (fontChanges) FontChanged();
  toolkit_.NotifyContentChanged(*this);
}

QString QtLabel::ShownCaption() const {
  const LabelWidget* label = Label();
  return label != nullptr ? label->text() : QString();
}

void QtLabel::ForeColor(platform::Color color) {
  look_.fore = color;
  ShowLook();
}

void QtLabel::S1(std::int16_t value) {
  look_.border = value;
  ShowLook();
}

void QtLabel::S2(std::int16_t value) {
  look_.alignment = value;
  ShowLook();
}

void QtLabel::S3(std::int16_t value) {
  look_.appearance = value;
  ShowLook();
}

void QtLabel::CornerText(const std::string& text) {
  if (text == corner_) return;
  corner_ = text;
  look_.corner = QString::fromStdString(text);
  ShowLook();
}

void QtLabel::Outlined(bool outlined) {
  if (outlined == look_.outlined) return;
  look_.outlined = outlined;
  ShowLook();
}

void QtLabel::SetFocusMarked(bool marked) {
  look_.focusMarked = marked;
  ShowLook();
}

bool QtLabel::Click() {
  if (!Enabled() || !onClick_) return false;
  toolkit_.NotifyLabelClicked(*this);
  toolkit_.RunUserAction(onClick_);
  return true;
}

void QtLabel::BackColorChanged() {
  look_.back = BackColor();
  ShowLook();
}

void QtLabel::FontChanged() {
  if (LabelWidget* label = Label()) label->setFont(DrawingFont(AskedFont(), devanagari_));
}

void QtLabel::ShowLook() {
  if (LabelWidget* label = Label()) label->SetLook(look_);
}

}  // namespace sauramiti::qt
