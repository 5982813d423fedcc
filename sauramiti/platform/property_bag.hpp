// The property bag: the key-value store a host keeps with its document.
//
// The control saves its settings into the bag and reads them back on load. A value written equal
// to the default given (Variant equality: numbers by value, texts by characters, fonts by
// object) is not stored, so a later read returns the default anyway.
#pragma once

#include <sauramiti/base/variant.hpp>
#include <string_view>

namespace sauramiti::platform {

class PropertyBag {
 public:
  virtual ~PropertyBag() = default;
  // The value stored under key, or defaultValue when there is none. A bag may raise a run-time
  // error for a stored value it cannot hand over.
  virtual Variant ReadProperty(std::string_view key, const Variant& defaultValue) = 0;
  virtual void WriteProperty(std::string_view key, const Variant& value,
                             const Variant& defaultValue) = 0;
};

}  // namespace sauramiti::platform
