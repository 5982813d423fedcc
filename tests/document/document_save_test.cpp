#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <sauramiti/document/json_property_bag.hpp>
#include <string>
#include <vector>

#include "temporary_directory.hpp"

namespace sauramiti::document {
namespace {

namespace fs = std::filesystem;

const std::string kOldDocument =
    "{\n  \"old\": {\n    \"type\": \"Integer\",\n    \"value\": 1\n  }\n}\n";

JsonPropertyBag LargeBag() {
  JsonPropertyBag bag;
  for (int i = 0; i < 200; ++i) {
    bag.WriteProperty("key" + std::to_string(i), Variant::String(std::string(100, 'x')), Variant());
  }
  return bag;
}

void ExpectSaveFails(const JsonPropertyBag& bag, const fs::path& file, const char* why) {
  try {
    bag.Save(file);
    ADD_FAILURE() << why << ": the save succeeded";
  } catch (const DocumentError& error) {
    EXPECT_EQ(std::string(error.what()).rfind(file.string() + ": cannot ", 0), 0U)
        << why << ": " << error.what();
  }
}

TEST(DocumentSaveTest, ASaveReplacesTheOldDocumentAndLeavesNothingElse) {
  testing::TemporaryDirectory directory;
  const fs::path file = directory.Path() / "form.json";
  testing::WriteBytes(file, kOldDocument);
  const JsonPropertyBag bag = JsonPropertyBag::FromJsonText(
      R"({"MaxYear": {"type": "String", "value": "2090"},
          "JulianDate": {"type": "Double", "value": "-Infinity"},
          "EnglishFont": {"type": "Font", "name": "Tahoma", "size": 8.25, "bold": true}})",
      "sample");
  bag.Save(file);
  EXPECT_EQ(testing::ReadBytes(file), bag.ToJsonText());
  EXPECT_EQ(JsonPropertyBag::Load(file).ToJsonText(), bag.ToJsonText());
  EXPECT_EQ(directory.Names(), std::vector<std::string>{"form.json"});
  bag.Save(file);  // and again over itself
  EXPECT_EQ(directory.Names(), std::vector<std::string>{"form.json"});
}

TEST(DocumentSaveTest, ASaveKeepsTheDocumentsPermissions) {
  testing::TemporaryDirectory directory;
  const fs::path file = directory.Path() / "form.json";
  testing::WriteBytes(file, kOldDocument);
  const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(file, mode);
  JsonPropertyBag().Save(file);
  EXPECT_EQ(fs::status(file).permissions(), mode);
}

TEST(DocumentSaveTest, ASaveIntoAReadOnlyDirectoryFailsAndKeepsTheOldFile) {
  testing::TemporaryDirectory directory;
  const fs::path file = directory.Path() / "form.json";
  testing::WriteBytes(file, kOldDocument);
  fs::permissions(directory.Path(), fs::perms::owner_read | fs::perms::owner_exec);
  if (::access(directory.Path().c_str(), W_OK) == 0) {
    GTEST_SKIP() << "this user may write into read-only directories";
  }
  ExpectSaveFails(LargeBag(), file, "read-only directory");
  EXPECT_EQ(testing::ReadBytes(file), kOldDocument);
  EXPECT_EQ(directory.Names(), std::vector<std::string>{"form.json"});
}

// Lowers the largest file this process may write, so that writing the new document fails part
// of the way through even for a user whom no permission stops.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST(DocumentSaveTest, AWriteThatFailsHalfwayKeepsTheOldFileAndLeavesNoTemporary) {
  testing::TemporaryDirectory directory;
  const fs::path file = directory.Path() / "form.json";
  testing::WriteBytes(file, kOldDocument);
  const JsonPropertyBag bag = LargeBag();
  {
    const FileSizeLimit limit(4096);
    ExpectSaveFails(bag, file, "file size limit");
  }
  EXPECT_EQ(testing::ReadBytes(file), kOldDocument);
  EXPECT_EQ(directory.Names(), std::vector<std::string>{"form.json"});
}

TEST(DocumentSaveTest, ASaveThatCannotTakeThePlaceOfTheTargetLeavesNoTemporary) {
  testing::TemporaryDirectory directory;
  const fs::path occupied = directory.Path() / "form.json";
  fs::create_directory(occupied);
  testing::WriteBytes(occupied / "inside", "kept");
  ExpectSaveFails(LargeBag(), occupied, "a directory in the way");
  EXPECT_EQ(testing::ReadBytes(occupied / "inside"), "kept");
  EXPECT_EQ(directory.Names(), std::vector<std::string>{"form.json"});
}

}  // namespace
}  // namespace sauramiti::document
