#include <algorithm>
#include <limits>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/platform/headless/headless_combo_box.hpp>

namespace sauramiti::headless {

namespace {

// The UTF-8 form of a 16-bit code unit; a surrogate alone is no character and becomes U+FFFD.
std::string CodeUnitAsUtf8(std::uint16_t unit) {
  const bool isSurrogate = unit >= 0xD800U && unit <= 0xDFFFU;
  const std::uint32_t code = isSurrogate ? 0xFFFDU : unit;
  std::string bytes;
  if (code < 0x80U) {
    bytes.push_back(static_cast<char>(code));
  } else if (code < 0x800U) {
    bytes.push_back(static_cast<char>(0xC0U | (code >> 6U)));
    bytes.push_back(static_cast<char>(0x80U | (code & 0x3FU)));
  } else {
    bytes.push_back(static_cast<char>(0xE0U | (code >> 12U)));
    bytes.push_back(static_cast<char>(0x80U | ((code >> 6U) & 0x3FU)));
    bytes.push_back(static_cast<char>(0x80U | (code & 0x3FU)));
  }
  return bytes;
}

}  // namespace

void HeadlessComboBox::Clear() {
  items_.clear();
  text_.clear();
  listIndex_ = -1;
}

void HeadlessComboBox::AddItem(const std::string& item) {
  // The count is a 32-bit number; a list can never outgrow it.
  if (items_.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    Raise(kOverflow);
  }
  items_.push_back(item);
}

std::int32_t HeadlessComboBox::ListCount() const {
  return static_cast<std::int32_t>(items_.size());
}

std::string HeadlessComboBox::List(std::int32_t index) const {
  if (index < 0 || index >= ListCount()) return {};
  return items_[static_cast<std::size_t>(index)];
}

void HeadlessComboBox::Text(const std::string& text) {
  text_ = text;
  const auto found = std::find(items_.begin(), items_.end(), text_);
  listIndex_ = found == items_.end() ? -1 : static_cast<std::int32_t>(found - items_.begin());
}

void HeadlessComboBox::Choose(std::int32_t index) {
  if (index < 0 || index >= ListCount()) Raise(kInvalidProcedureCall);
  listIndex_ = index;
  text_ = items_[static_cast<std::size_t>(index)];
  if (onClick_) onClick_();
}

void HeadlessComboBox::DropDown() {
  if (onDropDown_) onDropDown_();
}

std::int16_t HeadlessComboBox::Type(std::int16_t keyAscii) {
  std::int16_t code = keyAscii;
  if (onKeyPress_) onKeyPress_(code);
  if (code != 0) Text(text_ + CodeUnitAsUtf8(static_cast<std::uint16_t>(code)));
  return code;
}

}  // namespace sauramiti::headless
