#include <gtest/gtest.h>

#include <sauramiti/document/json_property_bag.hpp>
#include <string>
#include <vector>

#include "temporary_directory.hpp"

namespace sauramiti::document {
namespace {

struct CorruptCase {
  const char* name;
  std::string text;
  std::vector<std::string> messageParts;  // every one must appear in the message
};

std::vector<CorruptCase> CorruptDocuments() {
  return {
      {"not JSON", "English = true", {"not valid JSON at byte 1"}},
      {"empty file", "", {"not valid JSON at byte"}},
      // 35 bytes: the parser stops just past the end.
      {"cut short", R"({"MinYear": {"type": "Integer", "va)", {"not valid JSON at byte 36"}},
      {"trailing text", "{} {}", {"not valid JSON at byte 4"}},
      {"a number too large for JSON",
       R"({"JulianDate": {"type": "Double", "value": 1e400}})",
       {"not valid JSON"}},
      {"not UTF-8", "{\"Val\xFF\": {\"type\": \"Empty\"}}", {"not valid JSON"}},
      {"an array", "[]", {"must be a JSON object", "array"}},
      {"a value that is not an object",
       R"({"MinYear": 2050})",
       {"key \"MinYear\"", "must be a JSON object with a \"type\""}},
      {"no type", R"({"MinYear": {"value": 2050}})", {"key \"MinYear\"", "missing \"type\""}},
      {"a type that is no text",
       R"({"MinYear": {"type": 2, "value": 2050}})",
       {"key \"MinYear\"", "\"type\" must be a string"}},
      {"an unknown type",
       R"({"MaxYear": {"type": "Str", "value": "2090"}})",
       {"key \"MaxYear\"", "unknown type \"Str\""}},
      {"no value", R"({"MinYear": {"type": "Integer"}})", {"key \"MinYear\"", "missing \"value\""}},
      {"a misspelt member",
       R"({"MinYear": {"type": "Integer", "Value": 2050}})",
       {"key \"MinYear\"", "unexpected member \"Value\""}},
      {"an Integer above 16 bits",
       R"({"MinYear": {"type": "Integer", "value": 32768}})",
       {"key \"MinYear\"", "Integer value must be a whole number from -32768 to 32767"}},
      {"an Integer with a fraction",
       R"({"MinYear": {"type": "Integer", "value": 2050.5}})",
       {"key \"MinYear\"", "Integer"}},
      {"a Long above 32 bits",
       R"({"UjjainAhargana": {"type": "Long", "value": 2147483648}})",
       {"key \"UjjainAhargana\"", "Long value must be a whole number"}},
      {"a Boolean as text",
       R"({"English": {"type": "Boolean", "value": "True"}})",
       {"key \"English\"", "Boolean value must be true, false or a whole number"}},
      {"a Single beyond its range",
       R"({"Size": {"type": "Single", "value": 1e39}})",
       {"key \"Size\"", "within the range of a Single"}},
      {"a Single spelt nan",
       R"({"Size": {"type": "Single", "value": "nan"}})",
       {"key \"Size\"", "Single"}},
      {"a Double spelt Inf",
       R"({"JulianDate": {"type": "Double", "value": "Inf"}})",
       {"key \"JulianDate\"", "Double value must be a number"}},
      {"a String as a number",
       R"({"DateAD": {"type": "String", "value": 4}})",
       {"key \"DateAD\"", "String value must be a JSON string"}},
      {"a Font without a name",
       R"({"EnglishFont": {"type": "Font", "size": 8.25}})",
       {"key \"EnglishFont\"", "missing \"name\""}},
      {"a Font name that is no text",
       R"({"EnglishFont": {"type": "Font", "name": 1, "size": 8}})",
       {"key \"EnglishFont\"", "\"name\" of a Font must be a string"}},
      {"a Font size beyond a Single",
       R"({"EnglishFont": {"type": "Font", "name": "Tahoma", "size": 1e300}})",
       {"key \"EnglishFont\"", "\"size\" of a Font"}},
      {"a Font style that is no flag",
       R"({"EnglishFont": {"type": "Font", "name": "Tahoma", "size": 8, "bold": "yes"}})",
       {"key \"EnglishFont\"", "\"bold\" of a Font must be true or false"}},
      {"a Font value that is not null",
       R"({"NepaliFont": {"type": "Font", "value": "Preeti"}})",
       {"key \"NepaliFont\"", "can only be null"}},
      {"a key twice",
       R"({"MinYear": {"type": "Integer", "value": 1}, "MinYear": {"type": "Integer", "value": 2}})",
       {"key \"MinYear\" appears twice"}},
      {"a member twice",
       R"({"MinYear": {"type": "Integer", "value": 1, "value": 2}})",
       {"key \"MinYear\": member \"value\" appears twice"}},
      {"the bad key after good ones",
       R"({"English": {"type": "Boolean", "value": true}, "Separator": {"type": "Long"}})",
       {"key \"Separator\"", "missing \"value\""}},
      {"a key with a quote in it", R"({"a\"b": 1})", {R"(key "a\"b")"}},
  };
}

TEST(DocumentLoadTest, ACorruptDocumentNamesTheFileAndTheKey) {
  for (const CorruptCase& c : CorruptDocuments()) {
    try {
      JsonPropertyBag::FromJsonText(c.text, "saved.json");
      ADD_FAILURE() << c.name << ": accepted";
    } catch (const DocumentError& error) {
      const std::string message = error.what();
      EXPECT_EQ(message.rfind("saved.json: ", 0), 0U) << c.name << ": " << message;
      for (const std::string& part : c.messageParts) {
        EXPECT_NE(message.find(part), std::string::npos) << c.name << ": " << message;
      }
    }
  }
}

TEST(DocumentLoadTest, AFailedLoadLeavesTheFileAsItWas) {
  testing::TemporaryDirectory directory;
  const auto file = directory.Path() / "saved.json";
  for (const CorruptCase& c : CorruptDocuments()) {
    testing::WriteBytes(file, c.text);
    const auto before = std::filesystem::last_write_time(file);
    try {
      JsonPropertyBag::Load(file);
      ADD_FAILURE() << c.name << ": accepted";
    } catch (const DocumentError& error) {
      EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos) << c.name;
    }
    EXPECT_EQ(testing::ReadBytes(file), c.text) << c.name;
    EXPECT_EQ(std::filesystem::last_write_time(file), before) << c.name;
    EXPECT_EQ(directory.Names(), std::vector<std::string>{"saved.json"}) << c.name;
  }
}

TEST(DocumentLoadTest, AFileThatCannotBeReadIsNamed) {
  testing::TemporaryDirectory directory;
  const auto missing = directory.Path() / "missing.json";
  try {
    JsonPropertyBag::Load(missing);
    ADD_FAILURE() << "a missing file loaded";
  } catch (const DocumentError& error) {
    EXPECT_NE(std::string(error.what()).find(missing.string() + ": cannot open"), std::string::npos)
        << error.what();
  }
  EXPECT_FALSE(std::filesystem::exists(missing)) << "loading creates nothing";
  EXPECT_THROW(JsonPropertyBag::Load(directory.Path()), DocumentError) << "a directory";
}

struct AcceptedCase {
  const char* name;
  std::string value;
  std::string printedBack;  // the value as the bag writes it again
};

TEST(DocumentLoadTest, AcceptsEveryReasonableSpelling) {
  const std::vector<AcceptedCase> cases = {
      {"an Integer with a zero fraction", R"({"type": "Integer", "value": 2100.0})",
       R"({"type":"Integer","value":2100})"},
      {"a Boolean as -1", R"({"type": "Boolean", "value": -1})",
       R"({"type":"Boolean","value":true})"},
      {"a Single with too many digits", R"({"type": "Single", "value": 15.180000305175781})",
       R"({"type":"Single","value":15.18})"},
      {"the largest Single in its shortest form", R"({"type": "Single", "value": 3.4028235e38})",
       R"({"type":"Single","value":3.4028235e+38})"},
      {"a Font without styles", R"({"type": "Font", "name": "Tahoma", "size": 8.25})",
       R"({"type":"Font","name":"Tahoma","size":8.25,"bold":false,"italic":false,)"
       R"("underline":false,"strikethrough":false})"},
  };
  for (const AcceptedCase& c : cases) {
    JsonPropertyBag bag;
    ASSERT_NO_THROW(bag = JsonPropertyBag::FromJsonText("{\"k\": " + c.value + "}", "memory"))
        << c.name;
    std::string compact = bag.ToJsonText();
    std::erase_if(compact, [](char ch) { return ch == ' ' || ch == '\n'; });
    EXPECT_EQ(compact, "{\"k\":" + c.printedBack + "}") << c.name;
  }
}

}  // namespace
}  // namespace sauramiti::document
