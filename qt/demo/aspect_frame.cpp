#include <QResizeEvent>
#include <qt/demo/aspect_frame.hpp>

namespace sauramiti::qt::demo {

QSize FitToShape(QSize area, QSize shape, QSize minimum) {
  if (shape.isEmpty()) return area.expandedTo(minimum);
  QSize fitted = shape.scaled(area, Qt::KeepAspectRatio);
  // Below the minimum the content is not usable: keep the minimum and let the frame clip.
  fitted = fitted.expandedTo(minimum);
  return fitted;
}

AspectFrame::AspectFrame(QWidget* content, QWidget* parent) : QWidget(parent), content_(content) {
  content_->setParent(this);
  setFocusProxy(content_);
}

QSize AspectFrame::sizeHint() const { return content_->sizeHint(); }

QSize AspectFrame::minimumSizeHint() const { return content_->minimumSizeHint(); }

void AspectFrame::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  content_->setGeometry(QRect(
      QPoint(0, 0), FitToShape(event->size(), content_->sizeHint(), content_->minimumSizeHint())));
}

}  // namespace sauramiti::qt::demo
