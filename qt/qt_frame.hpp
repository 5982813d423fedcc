// A frame on Qt: a plain QFrame filled with its back colour, holding other children.
//
// The control's frames have no caption and no border of their own; they group the panels, the
// lists and the grid and give the grid its background, which shows as thin lines between the
// day cells.
#pragma once

#include <QFrame>
#include <qt/qt_child.hpp>

namespace sauramiti::qt {

class FrameWidget final : public QFrame {
 public:
  explicit FrameWidget(QWidget* parent) : QFrame(parent) {}
  void SetBackColor(platform::Color color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  platform::Color backColor_ = platform::kButtonFaceColor;
};

class QtFrame final : public QtChildControl<platform::Frame> {
 public:
  QtFrame(QtToolkit& toolkit, QWidget& parent, std::string_view name);
  FrameWidget* Frame() const;

 protected:
  void BackColorChanged() override;
};

}  // namespace sauramiti::qt
