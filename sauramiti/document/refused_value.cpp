#include <sauramiti/base/control_characters.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/document/refused_value.hpp>
#include <sauramiti/document/variant_json.hpp>
#include <vector>

namespace sauramiti::document {

namespace {

// Hands the document's values on and notes the keys in the order they are read.
class RecordingBag final : public platform::PropertyBag {
 public:
  explicit RecordingBag(JsonPropertyBag document) : document_(std::move(document)) {}
  Variant ReadProperty(std::string_view key, const Variant& defaultValue) override {
    keys_.emplace_back(key);
    return document_.ReadProperty(key, defaultValue);
  }
  void WriteProperty(std::string_view key, const Variant& value,
                     const Variant& defaultValue) override {
    document_.WriteProperty(key, value, defaultValue);
  }
  [[nodiscard]] const std::vector<std::string>& KeysRead() const noexcept { return keys_; }

 private:
  JsonPropertyBag document_;
  std::vector<std::string> keys_;
};

bool Fails(const ReadIntoFreshInstance& read, platform::PropertyBag& bag) {
  try {
    read(bag);
    return false;
  } catch (const RuntimeError&) {
    return true;
  }
}

constexpr std::size_t kShownValueCharacters = 80;

std::string ShownValue(const JsonPropertyBag& document, const std::string& key) {
  std::string json =
      EncodeVariant(document.StoredValue(key)).dump(-1, ' ', false, Json::error_handler_t::replace);
  if (json.size() > kShownValueCharacters) {
    json.resize(kShownValueCharacters);
    // Never end inside a UTF-8 sequence.
    while (!json.empty() && (static_cast<unsigned char>(json.back()) & 0xC0U) == 0x80U) {
      json.pop_back();
    }
    if (!json.empty() && static_cast<unsigned char>(json.back()) >= 0xC0U) json.pop_back();
    json += "...";
  }
  return EscapeControlCharacters(json);
}

}  // namespace

std::optional<std::string> FindRefusedKey(const JsonPropertyBag& document,
                                          const ReadIntoFreshInstance& read) {
  RecordingBag first(document);
  if (!Fails(read, first)) return std::nullopt;
  std::vector<std::string> prefix;
  for (const std::string& key : first.KeysRead()) {
    if (!document.Contains(key)) continue;
    prefix.push_back(key);
    JsonPropertyBag part = document.WithOnly(prefix);
    if (Fails(read, part)) return key;
  }
  return std::nullopt;
}

ValueRefusedError ExplainRefusal(std::string_view source, const JsonPropertyBag& document,
                                 const ReadIntoFreshInstance& read, std::int32_t number) {
  const std::string error =
      "run-time error " + std::to_string(number) + ": " + std::string(ErrorDescription(number));
  std::string message = EscapeControlCharacters(source) + ": ";
  if (const auto key = FindRefusedKey(document, read)) {
    message += "key " + QuoteName(*key) + ": the control cannot take " +
               ShownValue(document, *key) + " (" + error + ")";
  } else {
    message += "the control cannot be loaded from it (" + error + ")";
  }
  return ValueRefusedError(message, number);
}

}  // namespace sauramiti::document
