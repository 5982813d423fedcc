// The list of a drop-down combo box: its items, its text and the index of the chosen item.
//
// Every toolkit's combo box keeps the same rule, so it lives here once. Setting the text to one
// of the items chooses that item (the first with exactly that text); any other text, the empty
// one included, leaves no item chosen (index -1). Choosing an item shows its text. Removing all
// items empties the text as well. Item positions count from 0, in 32 bits.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <sauramiti/base/runtime_error.hpp>
#include <string>
#include <vector>

namespace sauramiti::platform {

class ComboList {
 public:
  void Clear() noexcept {
    items_.clear();
    text_.clear();
    index_ = -1;
  }

  // A list can hold as many items as a 32-bit count (or a toolkit's own `limit`) allows; one more
  // is error 6.
  void AddItem(const std::string& item,
               std::int32_t limit = std::numeric_limits<std::int32_t>::max()) {
    if (items_.size() >= static_cast<std::size_t>(limit)) Raise(kOverflow);
    items_.push_back(item);
  }

  [[nodiscard]] std::int32_t Count() const noexcept {
    return static_cast<std::int32_t>(items_.size());
  }
  [[nodiscard]] bool Holds(std::int32_t index) const noexcept {
    return index >= 0 && index < Count();
  }
  // The item at `index`, "" outside the list.
  [[nodiscard]] std::string Item(std::int32_t index) const {
    return Holds(index) ? items_[static_cast<std::size_t>(index)] : std::string();
  }

  [[nodiscard]] std::int32_t Index() const noexcept { return index_; }
  [[nodiscard]] const std::string& Text() const noexcept { return text_; }

  // The text as the control sets it: an item's text chooses that item.
  void SetText(const std::string& text) {
    text_ = text;
    const auto found = std::find(items_.begin(), items_.end(), text_);
    index_ = found == items_.end() ? -1 : static_cast<std::int32_t>(found - items_.begin());
  }

  // A text a user edited in place: it chooses nothing.
  void SetEditedText(const std::string& text) {
    text_ = text;
    index_ = -1;
  }

  // Chooses the item at `index`, which must be in the list.
  void Choose(std::int32_t index) {
    index_ = index;
    text_ = items_[static_cast<std::size_t>(index)];
  }

 private:
  std::vector<std::string> items_;
  std::string text_;
  std::int32_t index_ = -1;
};

}  // namespace sauramiti::platform
