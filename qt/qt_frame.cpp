#include <QPainter>
#include <qt/qt_frame.hpp>
#include <qt/system_colors.hpp>

namespace sauramiti::qt {

void FrameWidget::SetBackColor(platform::Color color) {
  backColor_ = color;
  update();
}

void FrameWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), ResolveColor(backColor_, palette()));
}

QtFrame::QtFrame(QtToolkit& toolkit, QWidget& parent, std::string_view name)
    : QtChildControl(toolkit, name, new FrameWidget(&parent)) {
  BackColorChanged();
}

FrameWidget* QtFrame::Frame() const { return static_cast<FrameWidget*>(Widget()); }

void QtFrame::BackColorChanged() {
  if (FrameWidget* frame = Frame()) frame->SetBackColor(BackColor());
}

}  // namespace sauramiti::qt
