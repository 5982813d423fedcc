// A headless drop-down combo box: items, an editable text and the chosen index, in memory, with
// the user's actions played by calls.
//
// The text and the index follow one rule: setting the text chooses the first item with exactly
// that text, and any other text (the empty one included) leaves no item chosen (index -1).
// Adding items changes neither; Clear empties the items and the text. The height is not stored:
// a combo box is as high as its font makes it, 32 twips for each point of the font size
// (11.25 pt gives 360), computed in single precision; a height set is ignored.
//
// The user's actions:
//   Choose(i)  picks entry i: text and index change, then the Click handler runs;
//   DropDown() opens the list: the DropDown handler runs;
//   Type(c)    types the character with code c: the KeyPress handler gets the code by
//              reference, and only if it leaves the code non-zero is the character added to the
//              end of the text (which then chooses an item by the rule above). A control that
//              sets the code to 0 discards the key, which is how typing changes nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <sauramiti/platform/combo_list.hpp>
#include <sauramiti/platform/headless/headless_child.hpp>
#include <string>
#include <vector>

namespace sauramiti::headless {

class HeadlessComboBox final : public HeadlessFontedControl<platform::ComboBox> {
 public:
  HeadlessComboBox(std::shared_ptr<ChildRegistry> registry, std::string_view name,
                   std::string_view parentName)
      : HeadlessFontedControl(std::move(registry), name, parentName, ChildKind::ComboBox) {}

  [[nodiscard]] float Height() const override { return 32.0F * FontSize(); }
  void Height(float /*twips*/) override {}

  void Clear() override { list_.Clear(); }
  void AddItem(const std::string& item) override { list_.AddItem(item); }
  [[nodiscard]] std::int32_t ListCount() const override { return list_.Count(); }
  [[nodiscard]] std::string List(std::int32_t index) const override { return list_.Item(index); }
  [[nodiscard]] std::int32_t ListIndex() const override { return list_.Index(); }
  [[nodiscard]] std::string Text() const override { return list_.Text(); }
  void Text(const std::string& text) override { list_.SetText(text); }

  void OnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
  void OnDropDown(std::function<void()> handler) override { onDropDown_ = std::move(handler); }
  void OnKeyPress(std::function<void(std::int16_t& keyAscii)> handler) override {
    onKeyPress_ = std::move(handler);
  }

  // The user chooses entry `index` (0-based). An index outside the list is run-time error 5,
  // and nothing changes.
  void Choose(std::int32_t index);
  // The user opens the list.
  void DropDown();
  // The user types the character with code `keyAscii` (a 16-bit code unit; codes that are not
  // characters, such as lone surrogates, are added as U+FFFD). Returns the code the KeyPress
  // handler left: 0 when the key was discarded.
  std::int16_t Type(std::int16_t keyAscii);

 private:
  platform::ComboList list_;
  std::function<void()> onClick_;
  std::function<void()> onDropDown_;
  std::function<void(std::int16_t&)> onKeyPress_;
};

}  // namespace sauramiti::headless
