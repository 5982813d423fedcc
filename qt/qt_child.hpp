// What every Qt child control shares: its name, its Qt widget, and the plain properties of a
// child control.
//
// Positions and sizes are kept in twips exactly as the control set them (single precision, NaN
// and negative values included), so the control reads back what it wrote; the Qt widget sits at
// the nearest whole pixels (twips_scale.hpp). The enabled state is the child's own: a child of a
// disabled surface still reports the state the control gave it. A new child is enabled and
// visible, at 0,0 with size 0 by 0, with no tool tip and the system button-face colour.
#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <qt/display_text.hpp>
#include <qt/qt_toolkit.hpp>
#include <sauramiti/platform/toolkit_controls.hpp>
#include <string>
#include <string_view>

namespace sauramiti::qt {

class QtChild {
 public:
  // The child takes `widget`, which must be a child widget of the toolkit's surface, and
  // deletes it when it is destroyed.
  QtChild(QtToolkit& toolkit, std::string_view name, QWidget* widget);
  virtual ~QtChild();
  QtChild(const QtChild&) = delete;
  QtChild& operator=(const QtChild&) = delete;

  const std::string& Name() const noexcept { return name_; }
  // Null once the widget is gone (destroyed with a parent frame before this child).
  QWidget* Widget() const noexcept { return widget_.data(); }

  // Moves the widget to the pixels of its twips rectangle.
  void Place();

 protected:
  virtual QRect PixelRect() const = 0;
  QtToolkit& toolkit_;

 private:
  std::string name_;
  QPointer<QWidget> widget_;
};

template <typename Interface>
class QtChildControl : public Interface, public QtChild {
 public:
  QtChildControl(QtToolkit& toolkit, std::string_view name, QWidget* widget)
      : QtChild(toolkit, name, widget) {}

  float Left() const override { return left_; }
  void Left(float twips) override {
    left_ = twips;
    Place();
  }
  float Top() const override { return top_; }
  void Top(float twips) override {
    top_ = twips;
    Place();
  }
  float Width() const override { return width_; }
  void Width(float twips) override {
    width_ = twips;
    Place();
  }
  float Height() const override { return height_; }
  void Height(float twips) override {
    height_ = twips;
    Place();
  }

  bool Enabled() const override { return enabled_; }
  void Enabled(bool enabled) override {
    enabled_ = enabled;
    if (QWidget* w = Widget()) w->setEnabled(enabled);
  }
  bool Visible() const override { return visible_; }
  void Visible(bool visible) override {
    visible_ = visible;
    if (QWidget* w = Widget()) w->setVisible(visible);
  }
  std::string ToolTipText() const override { return toolTip_; }
  void ToolTipText(const std::string& text) override {
    toolTip_ = text;
    if (QWidget* w = Widget()) w->setToolTip(ToQString(text));
  }
  platform::Color BackColor() const override { return backColor_; }
  void BackColor(platform::Color color) override {
    backColor_ = color;
    BackColorChanged();
  }

 protected:
  QRect PixelRect() const override {
    return toolkit_.Scale().ToPixelRect(left_, top_, width_, height_);
  }
  virtual void BackColorChanged() = 0;

 private:
  float left_ = 0.0F;
  float top_ = 0.0F;
  float width_ = 0.0F;
  float height_ = 0.0F;
  bool enabled_ = true;
  bool visible_ = true;
  std::string toolTip_;
  platform::Color backColor_ = platform::kButtonFaceColor;
};

// Children with a font of their own: the name, size and weight the control asked for. Sizes are
// held between 1 and 2000 points (a size that is not a number counts as 1), which is what the
// child reports back; what it draws with follows from display_text.hpp.
template <typename Interface>
class QtFontedControl : public QtChildControl<Interface> {
 public:
  using QtChildControl<Interface>::QtChildControl;

  std::string FontName() const override { return font_.name; }
  void FontName(const std::string& name) override {
    font_.name = name;
    FontChanged();
  }
  float FontSize() const override { return font_.size; }
  void FontSize(float points) override {
    font_.size = UsablePointSize(points);
    FontChanged();
  }
  bool FontBold() const override { return font_.bold; }
  void FontBold(bool bold) override {
    font_.bold = bold;
    FontChanged();
  }

  static float UsablePointSize(float points) noexcept {
    constexpr float kSmallest = 1.0F;
    constexpr float kLargest = 2000.0F;
    if (!(points >= kSmallest)) return kSmallest;  // NaN too
    return points > kLargest ? kLargest : points;
  }

 protected:
  const Font& AskedFont() const noexcept { return font_; }
  virtual void FontChanged() = 0;

 private:
  Font font_;
};

}  // namespace sauramiti::qt
