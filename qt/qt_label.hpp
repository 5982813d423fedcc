// A label on Qt: a QLabel that paints the control's colours and style values itself.
//
// The three style values of a label stand for the looks of the classic label control:
//   S1, the border: 1 draws a single fixed border, anything else none;
//   S2, the alignment: 0 left, 1 right, 2 centred (anything else left); text is always
//       centred vertically;
//   S3, the appearance: 0 flat, anything else raised. The month view gives every header and day
//       cell a raised single border and flattens the selected day alone, so the highlight is
//       told by its shape as well as by its colours.
// Colours are resolved from the palette each time the label paints (system_colors.hpp). The
// caption is kept as written and shown through the display language (display_text.hpp).
//
// A click is a press and release of the left button over the label. Only an enabled label
// reports it (a disabled QLabel gets no mouse events, and the label checks its own state once
// more); Click() plays the same path for the keyboard. An outlined label (today's day cell) has
// a frame in a colour of its own, inside where the focus rectangle goes, so both can show. The host
// can mark one label as having the keyboard focus; it then draws a focus rectangle inside its
// border.
#pragma once

#include <QLabel>
#include <cstdint>
#include <functional>
#include <qt/qt_child.hpp>
#include <string>

namespace sauramiti::qt {

struct LabelLook {
  platform::Color back = platform::kButtonFaceColor;
  platform::Color fore = platform::kButtonTextColor;
  std::int16_t border = 0;      // S1
  std::int16_t alignment = 0;   // S2
  std::int16_t appearance = 0;  // S3
  bool focusMarked = false;
  QString corner;         // small text in the top right corner (the Gregorian day of a day cell)
  bool outlined = false;  // a frame inside the border: today's day cell (MarkToday)
};

class LabelWidget final : public QLabel {
 public:
  explicit LabelWidget(QWidget* parent);

  const LabelLook& Look() const noexcept { return look_; }
  void SetLook(const LabelLook& look);
  void SetPressHandler(std::function<void()> released) { released_ = std::move(released); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  LabelLook look_;
  bool pressed_ = false;
  std::function<void()> released_;
};

class QtLabel final : public QtFontedControl<platform::Label> {
 public:
  QtLabel(QtToolkit& toolkit, QWidget& parent, std::string_view name);

  std::string Caption() const override { return caption_; }
  void Caption(const std::string& text) override;
  platform::Color ForeColor() const override { return look_.fore; }
  void ForeColor(platform::Color color) override;
  std::int16_t S1() const override { return look_.border; }
  void S1(std::int16_t value) override;
  std::int16_t S2() const override { return look_.alignment; }
  void S2(std::int16_t value) override;
  std::int16_t S3() const override { return look_.appearance; }
  void S3(std::int16_t value) override;
  std::string CornerText() const override { return corner_; }
  void CornerText(const std::string& text) override;
  bool Outlined() const override { return look_.outlined; }
  void Outlined(bool outlined) override;
  void OnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }

  // The user clicks the label: runs the click handler when the label is enabled; a run-time
  // error goes to the toolkit's error sink. Returns whether the handler ran.
  bool Click();

  // What the label shows, and whether it is drawn as Devanagari.
  QString ShownCaption() const;
  bool ShowsDevanagari() const noexcept { return devanagari_; }

  void SetFocusMarked(bool marked);
  LabelWidget* Label() const;

 protected:
  void BackColorChanged() override;
  void FontChanged() override;

 private:
  void ShowLook();

  std::string caption_;
  std::string corner_;
  bool devanagari_ = false;
  LabelLook look_;
  std::function<void()> onClick_;
};

}  // namespace sauramiti::qt
