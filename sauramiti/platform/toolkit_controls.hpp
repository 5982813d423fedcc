// The child controls a toolkit provides: labels, drop-down combo boxes and frames.
//
// The month view is made of these standard controls. Every operation acts at once on the live
// control, and a value set reads back at once (the layout reads sizes it set earlier in the
// same pass). Positions and sizes are in twips (1/1440 inch), single precision, relative to the
// containing frame; font sizes are in points, and a toolkit may round a requested size to one
// the font offers, reporting the rounded size.
//
// Events go from the toolkit to the control through the handlers the control installs. A
// disabled label reports no clicks. A combo box reports Click after a user chose an entry (its
// text and index already show it), DropDown as its list is about to open, and KeyPress for a
// character key, whose code the handler may set to 0 to discard the key.
#pragma once

#include <cstdint>
#include <functional>
#include <sauramiti/platform/colors.hpp>
#include <string>

namespace sauramiti::platform {

// What every child control has: a place, a size, an enabled state, visibility and a tool tip.
class ChildControl {
 public:
  virtual ~ChildControl() = default;

  [[nodiscard]] virtual float Left() const = 0;
  virtual void Left(float twips) = 0;
  [[nodiscard]] virtual float Top() const = 0;
  virtual void Top(float twips) = 0;
  [[nodiscard]] virtual float Width() const = 0;
  virtual void Width(float twips) = 0;
  [[nodiscard]] virtual float Height() const = 0;
  virtual void Height(float twips) = 0;

  [[nodiscard]] virtual bool Enabled() const = 0;
  virtual void Enabled(bool enabled) = 0;
  [[nodiscard]] virtual bool Visible() const = 0;
  virtual void Visible(bool visible) = 0;
  [[nodiscard]] virtual std::string ToolTipText() const = 0;
  virtual void ToolTipText(const std::string& text) = 0;
  [[nodiscard]] virtual Color BackColor() const = 0;
  virtual void BackColor(Color color) = 0;
};

// A frame without caption that holds other child controls.
class Frame : public ChildControl {};

// Fonts of labels and combo boxes: name, size and weight of the control's own font.
class HasFont {
 public:
  virtual ~HasFont() = default;
  [[nodiscard]] virtual std::string FontName() const = 0;
  virtual void FontName(const std::string& name) = 0;
  [[nodiscard]] virtual float FontSize() const = 0;
  virtual void FontSize(float points) = 0;
  [[nodiscard]] virtual bool FontBold() const = 0;
  virtual void FontBold(bool bold) = 0;
};

// A label: a caption with colours and three small style values. S1 stands for the border
// (1: a single fixed border), S2 for the text alignment (2: centred) and S3 for the appearance
// (1: raised, 0: flat, which marks the selected day).
class Label : public ChildControl, public HasFont {
 public:
  [[nodiscard]] virtual std::string Caption() const = 0;
  virtual void Caption(const std::string& text) = 0;
  [[nodiscard]] virtual Color ForeColor() const = 0;
  virtual void ForeColor(Color color) = 0;
  [[nodiscard]] virtual std::int16_t S1() const = 0;
  virtual void S1(std::int16_t value) = 0;
  [[nodiscard]] virtual std::int16_t S2() const = 0;
  virtual void S2(std::int16_t value) = 0;
  [[nodiscard]] virtual std::int16_t S3() const = 0;
  virtual void S3(std::int16_t value) = 0;
  // A small text in the top right corner, besides the caption ("" for none): the Gregorian day
  // of a day cell when the control's ShowGregorianDay extension is on.
  [[nodiscard]] virtual std::string CornerText() const = 0;
  virtual void CornerText(const std::string& text) = 0;
  // An outline around the label, apart from its border and its colours: the mark of today's
  // day cell when the control's MarkToday extension is on (false for every other label).
  [[nodiscard]] virtual bool Outlined() const = 0;
  virtual void Outlined(bool outlined) = 0;

  // Called when the user clicks the label while it is enabled.
  virtual void OnClick(std::function<void()> handler) = 0;
};

// A drop-down list with an editable text. Setting the text to one of the items also chooses
// that item (the first with exactly that text); any other text, the empty one included, leaves
// no item chosen. Removing all items empties the text as well.
class ComboBox : public ChildControl, public HasFont {
 public:
  virtual void Clear() = 0;
  virtual void AddItem(const std::string& item) = 0;
  [[nodiscard]] virtual std::int32_t ListCount() const = 0;
  [[nodiscard]] virtual std::string List(
      std::int32_t index) const = 0;                         // "" outside 0 .. ListCount() - 1
  [[nodiscard]] virtual std::int32_t ListIndex() const = 0;  // -1 when no item is chosen
  [[nodiscard]] virtual std::string Text() const = 0;
  virtual void Text(const std::string& text) = 0;

  virtual void OnClick(std::function<void()> handler) = 0;
  virtual void OnDropDown(std::function<void()> handler) = 0;
  virtual void OnKeyPress(std::function<void(std::int16_t& keyAscii)> handler) = 0;
};

}  // namespace sauramiti::platform
