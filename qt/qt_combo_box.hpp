// A combo box on Qt: an editable QComboBox whose items and text the control owns.
//
// The combo box keeps the control's view of the list as the truth: the items as written, the
// text as written and the index of the chosen item. Setting the text to an item's text chooses
// the first item with that text; any other text, the empty one included, leaves no item chosen;
// removing all items empties the text too. Qt's widget only shows that state (through the
// display language), and the control's own changes are made with the widget's signals blocked,
// so none of them looks like a user's choice.
//
// What the user does reaches the control through its three handlers:
//   Click     after the user chose an entry from the list (with the mouse, the arrow keys or the
//             wheel); the text and index already show the entry;
//   DropDown  as the list is about to open, before it shows;
//   KeyPress  for every key that types a character, with the character's UTF-16 code (codes above
//             0x7FFF arrive as negative 16-bit numbers). A handler that sets the code to 0 drops
//             the key; another code is typed instead.
// Text reaches the edit field only through KeyPress: editing keys without a character (Delete,
// the clipboard shortcuts), input methods, the context menu, drag and drop and pasting the
// selection are all off, so a list whose KeyPress handler drops every key cannot be typed into.
//
// Its height follows from its font: the control reads it, and setting it changes nothing.
#pragma once

#include <QComboBox>
#include <cstdint>
#include <functional>
#include <qt/qt_child.hpp>
#include <sauramiti/platform/combo_list.hpp>
#include <string>
#include <vector>

namespace sauramiti::qt {

class ComboWidget final : public QComboBox {
 public:
  explicit ComboWidget(QWidget* parent);
  // Runs before the list opens.
  void SetOpeningHandler(std::function<void()> opening) { opening_ = std::move(opening); }
  void showPopup() override;

 private:
  std::function<void()> opening_;
};

class QtComboBox final : public QtFontedControl<platform::ComboBox> {
 public:
  QtComboBox(QtToolkit& toolkit, QWidget& parent, std::string_view name);
  ~QtComboBox() override;

  void Clear() override;
  void AddItem(const std::string& item) override;
  std::int32_t ListCount() const override;
  std::string List(std::int32_t index) const override;
  std::int32_t ListIndex() const override { return list_.Index(); }
  std::string Text() const override { return list_.Text(); }
  void Text(const std::string& text) override;

  float Height() const override;
  void Height(float twips) override;

  void OnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
  void OnDropDown(std::function<void()> handler) override { onDropDown_ = std::move(handler); }
  void OnKeyPress(std::function<void(std::int16_t&)> handler) override {
    onKeyPress_ = std::move(handler);
  }

  // The user's actions, as the widget delivers them; tests and the keyboard use them too.
  // Choose: the entry at `index` becomes the text and the chosen item, then Click runs; an index
  // outside the list does nothing and returns false.
  bool Choose(std::int32_t index);
  // DropDown runs; the list itself is opened by the widget.
  void DropDown();
  // KeyPress runs with `code`; returns the code it left (0: the key is dropped).
  std::int16_t Type(std::int16_t code);
  // A character typed into the field: KeyPress runs, then the code it left is typed into the
  // field as the keyboard does; returns that code.
  std::int16_t TypeIntoField(std::int16_t code);

  // What the widget shows.
  QString ShownText() const;
  QString ShownItem(std::int32_t index) const;
  bool ShowsDevanagari() const noexcept { return devanagari_; }
  ComboWidget* Combo() const;

  // The user edited the field with a key that KeyPress let through.
  void TextEditedByUser(const QString& shown);

 protected:
  QRect PixelRect() const override;
  void BackColorChanged() override;
  void FontChanged() override;

 private:
  void ShowState();
  void UserChose(int index);
  void NoteLanguage(bool devanagari);
  void InsertTyped(std::int16_t code);

  platform::ComboList list_;
  QString shownText_;
  bool devanagari_ = false;
  std::function<void()> onClick_;
  std::function<void()> onDropDown_;
  std::function<void(std::int16_t&)> onKeyPress_;
  class KeyFilter;
  std::unique_ptr<KeyFilter> keyFilter_;
};

}  // namespace sauramiti::qt
