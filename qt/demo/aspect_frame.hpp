// AspectFrame: holds one widget at the largest size of its own proportions that fits the frame.
//
// The picker scales its fonts with its height, so a picker stretched tall and narrow (a demo
// window made narrow, say) draws text larger than its cells and clips it. Kept in the
// proportions of its size hint, the picker looks at every size as it does at its design size,
// and never smaller than its minimum size hint (the frame's own minimum). The widget sits at the
// frame's top left, as a control sits on a form.
#pragma once

#include <QSize>
#include <QWidget>

namespace sauramiti::qt::demo {

// The largest size of `shape`'s proportions within `area`, but not below `minimum`.
QSize FitToShape(QSize area, QSize shape, QSize minimum);

class AspectFrame final : public QWidget {
 public:
  // Takes `content` as its child.
  explicit AspectFrame(QWidget* content, QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* content_;
};

}  // namespace sauramiti::qt::demo
