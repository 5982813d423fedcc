// The property bag kept as a JSON document.
//
// A host saves a control by handing it a bag to write its settings into and then saving the bag
// as a file; it loads one by reading the file into a bag and handing that to the control. The
// document is a JSON object with one member per stored key, in the order the keys were first
// written, each value tagged with its type (see variant_json.hpp for every form):
//
//   {
//     "MaxYear": {"type": "String", "value": "2090"},
//     "EnglishFont": {"type": "Font", "name": "Tahoma", "size": 8.25, "bold": false, ...}
//   }
//
// Writing. A value equal to the default given (Variant equality: numbers by value, texts by
// characters, fonts by object) is not stored, and a value stored earlier under that key is
// removed, so a later read returns the default. Any other value is stored as it is, Empty
// included. A font is stored as its characteristics at the moment of writing. Keys are compared
// byte for byte. Texts and font names must be UTF-8, as JSON requires; the bag refuses any other
// text with run-time error 5 and stores nothing for that key.
//
// Reading. ReadProperty returns a copy of the stored value, of the type it was stored as (a new
// font object for a font), or the default when the key is absent. The bag remembers the key of the
// last read, so that a caller whose conversion of the value fails (error 13 or 6) can say which
// key it was. For example:
//   JsonPropertyBag bag;
//   bag.WriteProperty("MaxYear", Variant::String("2090"), Variant::String("2089"));
//   bag.WriteProperty("English", Variant::Boolean(true), Variant::Boolean(true));
//   bag.Keys().size()                                             // 1 (English is its default)
//   bag.ReadProperty("MaxYear", Variant()).StringValue()          // "2090"
//   bag.ReadProperty("English", Variant::Boolean(true)).BooleanBits()  // -1
//
// Files. Save writes the whole document, pretty-printed, to a private temporary file beside the
// target and renames it over the target, so a failed or killed save loses nothing and leaves
// nothing behind; a link is followed and a path that is not a regular file is refused
// (file_io.hpp). Load reads only a regular file within the limits (document_limits.hpp) and
// checks the whole document before it returns: a missing or unreadable file, one too large, text
// that is not JSON or is cut short, a document beyond a limit, one that is not an object, a key
// that appears twice, and a value of the wrong shape all raise DocumentError naming the file,
// the key and, for broken JSON, the byte where reading stopped. Loading never writes.
#pragma once

#include <cstddef>
#include <filesystem>
#include <sauramiti/base/variant.hpp>
#include <sauramiti/document/document_error.hpp>
#include <sauramiti/platform/property_bag.hpp>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sauramiti::document {

class JsonPropertyBag final : public platform::PropertyBag {
 public:
  JsonPropertyBag() = default;

  // The document in `file`; DocumentError when it cannot be read or is not a valid document.
  static JsonPropertyBag Load(const std::filesystem::path& file);
  // The document in `text`; `sourceName` names it in error messages.
  static JsonPropertyBag FromJsonText(std::string_view text, std::string_view sourceName);

  // Replaces `file` with this document; DocumentError when that fails, `file` unchanged.
  void Save(const std::filesystem::path& file) const;
  // The document as text, two spaces an indent, ending in a newline.
  [[nodiscard]] std::string ToJsonText() const;

  Variant ReadProperty(std::string_view key, const Variant& defaultValue) override;
  void WriteProperty(std::string_view key, const Variant& value,
                     const Variant& defaultValue) override;

  // The key of the most recent ReadProperty ("" before the first).
  [[nodiscard]] const std::string& LastKeyRead() const noexcept { return lastKeyRead_; }

  [[nodiscard]] bool Contains(std::string_view key) const noexcept;
  [[nodiscard]] std::size_t Size() const noexcept { return entries_.size(); }
  // The stored keys, in document order.
  [[nodiscard]] std::vector<std::string> Keys() const;
  // The value stored under `key` (Empty when there is none), without counting as a read.
  [[nodiscard]] Variant StoredValue(std::string_view key) const;
  // A copy holding only those of `keys` that are stored, in document order.
  [[nodiscard]] JsonPropertyBag WithOnly(const std::vector<std::string>& keys) const;

 private:
  using Entry = std::pair<std::string, Variant>;
  std::vector<Entry>::iterator FindEntry(std::string_view key) noexcept;
  [[nodiscard]] std::vector<Entry>::const_iterator FindEntry(std::string_view key) const noexcept;

  std::vector<Entry> entries_;
  std::string lastKeyRead_;
};

}  // namespace sauramiti::document
