#include <algorithm>
#include <optional>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/document/file_io.hpp>
#include <sauramiti/document/json_property_bag.hpp>
#include <sauramiti/document/variant_json.hpp>
#include <set>

namespace sauramiti::document {

namespace {

// Whether the text can go into a JSON document: the same test the writer applies, so that a
// value the bag accepted can always be saved.
bool IsJsonText(std::string_view text) {
  try {
    (void)Json(std::string(text)).dump();
    return true;
  } catch (const Json::type_error&) {
    return false;
  }
}

bool CanBeSaved(const Variant& value) {
  switch (value.Type()) {
    case VariantType::String:
      return IsJsonText(value.StringValue());
    case VariantType::Font:
      return !value.FontValue() || IsJsonText(value.FontValue()->name);
    default:
      return true;
  }
}

// A copy that shares nothing with the original: a font reference gets a font object of its own.
Variant Detached(const Variant& value) {
  if (value.Type() == VariantType::Font && value.FontValue()) {
    return Variant::Font(std::make_shared<Font>(*value.FontValue()));
  }
  return value;
}

// Watches the parser for a key that appears twice in one object, which JSON readers resolve in
// different ways; the first such key, and the top-level key it sits under, are kept.
class DuplicateKeyWatch {
 public:
  bool operator()(int depth, Json::parse_event_t event, Json& parsed) {
    switch (event) {
      case Json::parse_event_t::object_start:
        openObjects_.emplace_back();
        break;
      case Json::parse_event_t::object_end:
        if (!openObjects_.empty()) openObjects_.pop_back();
        break;
      case Json::parse_event_t::key: {
        const auto& key = parsed.get_ref<const std::string&>();
        if (depth == 1) topLevelKey_ = key;
        if (!openObjects_.empty() && !openObjects_.back().insert(key).second && !duplicate_) {
          duplicate_ = Duplicate{topLevelKey_, key, depth == 1};
        }
        break;
      }
      default:
        break;
    }
    return true;
  }

  struct Duplicate {
    std::string topLevelKey;
    std::string member;
    bool atTopLevel;
  };
  [[nodiscard]] const std::optional<Duplicate>& Found() const noexcept { return duplicate_; }

 private:
  std::vector<std::set<std::string>> openObjects_;
  std::string topLevelKey_;
  std::optional<Duplicate> duplicate_;
};

// nlohmann's messages start with "[json.exception.parse_error.101] parse error at line 1,
// column 5: "; the reader needs only what follows.
std::string ParserReason(const char* what) {
  const std::string_view message = what;
  const auto colon = message.find(": ");
  return std::string(colon == std::string_view::npos ? message : message.substr(colon + 2));
}

Json ParseDocument(std::string_view text, const std::string& source) {
  DuplicateKeyWatch watch;
  Json document;
  try {
    document = Json::parse(text.begin(), text.end(), std::ref(watch));
  } catch (const Json::parse_error& error) {
    throw DocumentError(source + ": not valid JSON at byte " + std::to_string(error.byte) + ": " +
                        ParserReason(error.what()));
  } catch (const Json::exception& error) {
    throw DocumentError(source + ": not valid JSON: " + ParserReason(error.what()));
  }
  if (const auto& duplicate = watch.Found()) {
    if (duplicate->atTopLevel) {
      throw DocumentError(source + ": key " + QuoteName(duplicate->member) + " appears twice");
    }
    throw DocumentError(source + ": key " + QuoteName(duplicate->topLevelKey) + ": member " +
                        QuoteName(duplicate->member) + " appears twice");
  }
  if (!document.is_object()) {
    throw DocumentError(source + ": the document must be a JSON object of keys, not " +
                        document.type_name());
  }
  return document;
}

}  // namespace

JsonPropertyBag JsonPropertyBag::Load(const std::filesystem::path& file) {
  return FromJsonText(ReadWholeFile(file), file.string());
}

JsonPropertyBag JsonPropertyBag::FromJsonText(std::string_view text, std::string_view sourceName) {
  const std::string source(sourceName);
  const Json document = ParseDocument(text, source);
  JsonPropertyBag bag;
  for (const auto& member : document.items()) {
    try {
      bag.entries_.emplace_back(member.key(), DecodeVariant(member.value()));
    } catch (const ValueShapeError& error) {
      throw DocumentError(source + ": key " + QuoteName(member.key()) + ": " + error.what());
    }
  }
  return bag;
}

void JsonPropertyBag::Save(const std::filesystem::path& file) const {
  ReplaceFileAtomically(file, ToJsonText());
}

std::string JsonPropertyBag::ToJsonText() const {
  Json document = Json::object();
  for (const auto& [key, value] : entries_) document[key] = EncodeVariant(value);
  return document.dump(2) + "\n";
}

Variant JsonPropertyBag::ReadProperty(std::string_view key, const Variant& defaultValue) {
  lastKeyRead_ = key;
  const auto found = FindEntry(key);
  return found == entries_.end() ? defaultValue : Detached(found->second);
}

void JsonPropertyBag::WriteProperty(std::string_view key, const Variant& value,
                                    const Variant& defaultValue) {
  if (!IsJsonText(key) || !CanBeSaved(value)) Raise(kInvalidProcedureCall);
  const auto found = FindEntry(key);
  if (value == defaultValue) {
    if (found != entries_.end()) entries_.erase(found);
  } else if (found != entries_.end()) {
    found->second = Detached(value);
  } else {
    entries_.emplace_back(std::string(key), Detached(value));
  }
}

bool JsonPropertyBag::Contains(std::string_view key) const noexcept {
  return FindEntry(key) != entries_.end();
}

std::vector<std::string> JsonPropertyBag::Keys() const {
  std::vector<std::string> keys;
  keys.reserve(entries_.size());
  for (const auto& entry : entries_) keys.push_back(entry.first);
  return keys;
}

std::vector<JsonPropertyBag::Entry>::iterator JsonPropertyBag::FindEntry(
    std::string_view key) noexcept {
  return std::find_if(entries_.begin(), entries_.end(),
                      [key](const Entry& entry) { return entry.first == key; });
}

std::vector<JsonPropertyBag::Entry>::const_iterator JsonPropertyBag::FindEntry(
    std::string_view key) const noexcept {
  return std::find_if(entries_.begin(), entries_.end(),
                      [key](const Entry& entry) { return entry.first == key; });
}

}  // namespace sauramiti::document
