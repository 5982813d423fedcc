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

void HeadlessComboBox::Choose(std::int32_t index) {
  if (!list_.Holds(index)) Raise(kInvalidProcedureCall);
  list_.Choose(index);
  if (onClick_) onClick_();
}

void HeadlessComboBox::DropDown() {
  if (onDropDown_) onDropDown_();
}

std::int16_t HeadlessComboBox::Type(std::int16_t keyAscii) {
  std::int16_t code = keyAscii;
  if (onKeyPress_) onKeyPress_(code);
  if (code != 0) Text(list_.Text() + CodeUnitAsUtf8(static_cast<std::uint16_t>(code)));
  return code;
}

}  // namespace sauramiti::headless
