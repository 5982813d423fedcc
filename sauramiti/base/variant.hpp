// The Variant: a value of one of the types the control's properties and its property bag carry.
//
// A Variant is Empty (no value), Boolean (16 bits: 0 false, -1 true, any other value kept as it
// came), Integer (16-bit), Long (32-bit), Single, Double, String (UTF-8) or Font (a shared
// reference to a font object). Conversions follow the control's conventions: a number becomes an
// integer by rounding half to even with error 6 when out of range, a text becomes a number only
// when the whole text is a number (blanks around it allowed), and everything else that cannot be
// converted is error 13 (type mismatch). Examples:
//   Variant::Double(2.5).ToInt16()                    // 2
//   Variant::String(" 12 ").ToInt16()                 // 12
//   Variant::Boolean(true).ToString()                 // "True"
//   Variant::Integer(-1) == Variant::Boolean(true)    // true
#pragma once

#include <cstdint>
#include <sauramiti/base/font.hpp>
#include <string>
#include <variant>

namespace sauramiti {

enum class VariantType { Empty, Boolean, Integer, Long, Single, Double, String, Font };

// The name of a type as the tools print it: "Empty", "Boolean", "Integer", ...
const char* TypeName(VariantType type) noexcept;

class Variant {
 public:
  struct BooleanValue {
    std::int16_t bits;
    friend bool operator==(BooleanValue, BooleanValue) = default;
  };

  Variant() = default;
  static Variant Boolean(std::int16_t bits) { return Variant(Storage{BooleanValue{bits}}); }
  static Variant Boolean(bool value) { return Boolean(static_cast<std::int16_t>(value ? -1 : 0)); }
  static Variant Integer(std::int16_t v) { return Variant(Storage{v}); }
  static Variant Long(std::int32_t v) { return Variant(Storage{v}); }
  static Variant Single(float v) { return Variant(Storage{v}); }
  static Variant Double(double v) { return Variant(Storage{v}); }
  static Variant String(std::string v) { return Variant(Storage{std::move(v)}); }
  static Variant Font(FontRef v) { return Variant(Storage{std::move(v)}); }

  [[nodiscard]] VariantType Type() const noexcept {
    return static_cast<VariantType>(storage_.index());
  }
  [[nodiscard]] bool IsEmpty() const noexcept { return Type() == VariantType::Empty; }
  [[nodiscard]] bool IsNumeric() const noexcept;  // Boolean, Integer, Long, Single or Double

  // Raw access to the stored value; the type must match.
  [[nodiscard]] std::int16_t BooleanBits() const { return std::get<BooleanValue>(storage_).bits; }
  [[nodiscard]] std::int16_t IntegerValue() const { return std::get<std::int16_t>(storage_); }
  [[nodiscard]] std::int32_t LongValue() const { return std::get<std::int32_t>(storage_); }
  [[nodiscard]] float SingleValue() const { return std::get<float>(storage_); }
  [[nodiscard]] double DoubleValue() const { return std::get<double>(storage_); }
  [[nodiscard]] const std::string& StringValue() const { return std::get<std::string>(storage_); }
  [[nodiscard]] const FontRef& FontValue() const { return std::get<FontRef>(storage_); }

  // Conversions (errors 6 and 13 as described above). Empty converts to 0, "" and false.
  [[nodiscard]] double ToDouble() const;
  [[nodiscard]] std::int16_t ToInt16() const;
  [[nodiscard]] std::int32_t ToInt32() const;
  [[nodiscard]] std::int16_t ToBoolean() const;  // any non-zero number is true (-1)
  [[nodiscard]] std::string ToString() const;  // numbers in their shortest round-trip decimal form
  [[nodiscard]] FontRef ToFont() const;        // a Font variant; anything else is error 13

  // Values are equal when both are Empty, both are texts with the same characters, both refer to
  // the same font object, or both are numbers of equal value (an Integer -1 equals a Boolean
  // true). A text never equals a number.
  friend bool operator==(const Variant& a, const Variant& b);

 private:
  using Storage = std::variant<std::monostate, BooleanValue, std::int16_t, std::int32_t, float,
                               double, std::string, FontRef>;
  explicit Variant(Storage s) : storage_(std::move(s)) {}
  Storage storage_;
};

}  // namespace sauramiti
