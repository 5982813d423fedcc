// Which stored value a control could not take when it read a document, for the message a host
// shows.
//
// A control reads its settings key by key and then draws itself. A run-time error raised while a
// value is converted comes right after that key's read, but one raised while the control draws
// with the settings it stored (a MaxYear of "abc", a font reference to no font) comes after the
// last key, which is then not the one at fault. So the key is found by trying: the host's read
// runs again on copies of the document holding the stored keys in the order the control read
// them, one more each time, and the first copy that fails names its last key. A document
// without stored keys gives the defaults, which every control takes, so some copy fails unless
// the failure does not come from the document at all; then no key is named.
//
// The message names the source, the key, the value as the document holds it (JSON, at most 80
// characters, control characters escaped) and the error:
//   v.json: key "English": the control cannot take {"type":"String","value":"abc"}
//   (run-time error 13: Type mismatch)
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <sauramiti/document/document_error.hpp>
#include <sauramiti/document/json_property_bag.hpp>
#include <string>
#include <string_view>

namespace sauramiti::document {

// A document whose value the control raised a run-time error on; the number is the control's.
class ValueRefusedError : public DocumentError {
 public:
  ValueRefusedError(const std::string& message, std::int32_t number)
      : DocumentError(message), number_(number) {}
  [[nodiscard]] std::int32_t Number() const noexcept { return number_; }

 private:
  std::int32_t number_;
};

// Reads the document into a fresh instance; must make a new instance on every call and raise
// the control's RuntimeError when its read fails.
using ReadIntoFreshInstance = std::function<void(platform::PropertyBag&)>;

// The key whose value made `read` fail, found as described above.
std::optional<std::string> FindRefusedKey(const JsonPropertyBag& document,
                                          const ReadIntoFreshInstance& read);

// The error a host reports for a document that `read` failed on with error `number`.
ValueRefusedError ExplainRefusal(std::string_view source, const JsonPropertyBag& document,
                                 const ReadIntoFreshInstance& read, std::int32_t number);

}  // namespace sauramiti::document
