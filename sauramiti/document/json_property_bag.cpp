#include <algorithm>
#include <optional>
#include <sauramiti/base/control_characters.hpp>
#include <sauramiti/base/runtime_error.hpp>
#include <sauramiti/document/document_limits.hpp>
#include <sauramiti/document/file_io.hpp>
#include <sauramiti/document/json_property_bag.hpp>
#include <sauramiti/document/variant_json.hpp>
#include <stdexcept>
#include <unordered_set>

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

// A document beyond one of the limits (document_limits.hpp), found while it is being parsed.
class LimitExceeded : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Watches the parser: it stops the parse as soon as the document passes a limit, and notes the
// first key that appears twice in one object (which JSON readers resolve in different ways),
// with the top-level key it sits under. Each open object's keys are kept in a hash set, so the
// watch costs the same for every key however many came before.
class DocumentWatch {
 public:
  bool operator()(int depth, Json::parse_event_t event, Json& parsed) {
    switch (event) {
      case Json::parse_event_t::object_start:
      case Json::parse_event_t::array_start:
        // `depth` counts the containers around this one.
        if (static_cast<std::size_t>(depth) + 1 > kMaxNesting) {
          throw LimitExceeded("nested deeper than " + std::to_string(kMaxNesting) + " levels" +
                              Where());
        }
        if (event == Json::parse_event_t::object_start) openObjects_.emplace_back();
        break;
      case Json::parse_event_t::object_end:
        if (!openObjects_.empty()) openObjects_.pop_back();
        break;
      case Json::parse_event_t::key:
        NoteKey(depth, parsed.get_ref<const std::string&>());
        break;
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
  void NoteKey(int depth, const std::string& key) {
    if (openObjects_.empty()) return;
    const bool topLevel = depth == 1;
    if (topLevel) topLevelKey_ = key;
    auto& keys = openObjects_.back();
    if (!keys.insert(key).second && !duplicate_)
      duplicate_ = Duplicate{topLevelKey_, key, topLevel};
    if (topLevel && keys.size() > kMaxStoredKeys) {
      throw LimitExceeded("more than " + std::to_string(kMaxStoredKeys) + " keys");
    }
    if (!topLevel && keys.size() > kMaxValueMembers) {
      throw LimitExceeded("key " + QuoteName(topLevelKey_) + ": an object of more than " +
                          std::to_string(kMaxValueMembers) + " members");
    }
  }

  [[nodiscard]] std::string Where() const {
    return openObjects_.size() > 1 ? " under key " + QuoteName(topLevelKey_) : std::string();
  }

  std::vector<std::unordered_set<std::string>> openObjects_;
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
  if (text.size() > kMaxDocumentBytes) {
    throw DocumentError(source + ": larger than the " + std::to_string(kMaxDocumentBytes) +
                        " bytes a document may have");
  }
  DocumentWatch watch;
  Json document;
  try {
    document = Json::parse(text.begin(), text.end(), std::ref(watch));
  } catch (const LimitExceeded& error) {
    throw DocumentError(source + ": beyond what a document may hold: " + error.what());
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
  return FromJsonText(ReadRegularFile(file, kMaxDocumentBytes), file.string());
}

JsonPropertyBag JsonPropertyBag::FromJsonText(std::string_view text, std::string_view sourceName) {
  const std::string source = EscapeControlCharacters(sourceName);
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

Variant JsonPropertyBag::StoredValue(std::string_view key) const {
  const auto found = FindEntry(key);
  return found == entries_.end() ? Variant() : Detached(found->second);
}

JsonPropertyBag JsonPropertyBag::WithOnly(const std::vector<std::string>& keys) const {
  JsonPropertyBag part;
  for (const auto& entry : entries_) {
    if (std::find(keys.begin(), keys.end(), entry.first) != keys.end()) {
      part.entries_.emplace_back(entry.first, Detached(entry.second));
    }
  }
  return part;
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
