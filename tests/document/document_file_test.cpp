// Saving and loading documents as files: a save that replaces a document, one that fails halfway,
// and paths that are hostile: links, FIFOs, devices, huge or endless files, documents far beyond
// what a control stores, and a process killed mid-save.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sauramiti/document/document_limits.hpp>
#include <sauramiti/document/json_property_bag.hpp>
#include <sauramiti/document/temporary_name_cleanup.hpp>
#include <string>
#include <vector>

namespace sauramiti::document {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

template <class Action>
std::string FailureOf(Action action) {
  try {
    action();
  } catch (const DocumentError& error) {
    return error.what();
  }
  return "no error";
}

JsonPropertyBag SmallBag() {
  JsonPropertyBag bag;
  bag.WriteProperty("MaxYear", Variant::String("2090"), Variant());
  return bag;
}

class HostilePathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "sauramiti-hostile-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  fs::path dir_;
};

// Saving and loading work on "form.json", holding "old", in a directory of each test's own.
class DocumentFileTest : public HostilePathTest {
 protected:
  void SetUp() override {
    HostilePathTest::SetUp();
    std::ofstream(file_ = dir_ / "form.json") << "old";
  }
  // The file keeps its old bytes and no temporary file is left beside it.
  void ExpectUntouched(const std::string& old = "old") const {
    EXPECT_EQ(ReadBytes(file_), old);
    EXPECT_EQ(Names(), std::vector<std::string>{"form.json"});
  }
  fs::path file_;
};

TEST_F(DocumentFileTest, ASaveReplacesTheDocumentKeepsItsPermissionsAndLoadsBack) {
  fs::permissions(file_, fs::perms::owner_read | fs::perms::owner_write);
  JsonPropertyBag bag;
  bag.WriteProperty("MaxYear", Variant::String("2090"), Variant());
  bag.Save(file_);
  // Pretty-printed, two spaces an indent, every value tagged with its type.
  ExpectUntouched(
      "{\n  \"MaxYear\": {\n    \"type\": \"String\",\n    \"value\": \"2090\"\n  }\n}\n");
  EXPECT_EQ(JsonPropertyBag::Load(file_).ToJsonText(), bag.ToJsonText());
  EXPECT_EQ(fs::status(file_).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(DocumentFileTest, AWriteThatFailsHalfwayKeepsTheOldFile) {
  JsonPropertyBag bag;
  bag.WriteProperty("Value", Variant::String(std::string(20000, 'x')), {});
  // A small limit on the size of files written stops the write part of the way through, even
  // for a user whom no permission stops.
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  rlimit lowered = saved;
  lowered.rlim_cur = 4096;
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &lowered);
  const std::string message = FailureOf([&] { bag.Save(file_); });
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_EQ(message.rfind(file_.string() + ": cannot ", 0), 0U) << message;
  ExpectUntouched();
}

TEST_F(DocumentFileTest, AFailedLoadNamesTheFileAndChangesNothing) {
  for (const fs::path& path : {file_, dir_ / "missing.json", dir_}) {
    const std::string message = FailureOf([&] { JsonPropertyBag::Load(path); });
    EXPECT_EQ(message.rfind(path.string() + ": ", 0), 0U) << message;
  }
  ExpectUntouched();
}

TEST_F(HostilePathTest, ASaveFollowsALinkAndReplacesItsTargetWhileTheLinkStays) {
  fs::create_directory(dir_ / "real");
  std::ofstream(dir_ / "real" / "form.json") << "old";
  fs::permissions(dir_ / "real" / "form.json", fs::perms(0640));
  fs::create_symlink("real/form.json", dir_ / "link.json");
  fs::create_symlink("link.json", dir_ / "chain.json");
  fs::create_symlink("real/new.json", dir_ / "dangling.json");
  for (const char* name : {"link.json", "chain.json", "dangling.json"}) {
    SmallBag().Save(dir_ / name);
    EXPECT_TRUE(fs::is_symlink(dir_ / name)) << name;
  }
  EXPECT_EQ(ReadBytes(dir_ / "real" / "form.json"), SmallBag().ToJsonText());
  EXPECT_EQ(ReadBytes(dir_ / "real" / "new.json"), SmallBag().ToJsonText());
  EXPECT_EQ(fs::status(dir_ / "real" / "form.json").permissions(), fs::perms(0640));
  EXPECT_EQ(Names(),
            (std::vector<std::string>{"chain.json", "dangling.json", "link.json", "real"}));
}

TEST_F(HostilePathTest, ASaveRefusesWhatIsNotARegularFileAndLeavesItAlone) {
  ASSERT_EQ(::mkfifo((dir_ / "f.json").c_str(), 0600), 0);
  ASSERT_EQ(::mknod((dir_ / "n.json").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
  fs::create_directory(dir_ / "d.json");
  fs::create_symlink("f.json", dir_ / "to-fifo.json");
  const fs::perms deviceMode = fs::status(dir_ / "n.json").permissions();
  const struct {
    const char* name;
    const char* kind;
    fs::file_type type;
  } cases[] = {
      {"f.json", "a FIFO", fs::file_type::fifo},
      {"n.json", "a character device", fs::file_type::character},
      {"d.json", "a folder", fs::file_type::directory},
      {"to-fifo.json", "a FIFO", fs::file_type::fifo},
  };
  for (const auto& c : cases) {
    const fs::path path = dir_ / c.name;
    EXPECT_EQ(FailureOf([&] { SmallBag().Save(path); }),
              path.string() + ": cannot save: it is " + c.kind + ", not a regular file");
    EXPECT_EQ(fs::status(path).type(), c.type) << c.name;
  }
  EXPECT_EQ(fs::status(dir_ / "n.json").permissions(), deviceMode);
  EXPECT_EQ(Names(), (std::vector<std::string>{"d.json", "f.json", "n.json", "to-fifo.json"}))
      << "no temporary file is left behind";
}

TEST_F(HostilePathTest, ANewDocumentIsNotWorldWritableWhateverTheUmask) {
  for (const mode_t mask : {mode_t{0}, mode_t{022}, mode_t{077}}) {
    const mode_t saved = ::umask(mask);
    const fs::path path = dir_ / ("new" + std::to_string(mask) + ".json");
    SmallBag().Save(path);
    ::umask(saved);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0644 & ~mask)) << mask;
  }
}

// The limits on a document's contents are checked as text in DocumentLimitsTest; a file's size
// is checked before it is read.
TEST_F(HostilePathTest, ALoadReadsOnlyRegularFilesWithinTheLimits) {
  ASSERT_EQ(::mkfifo((dir_ / "fifo.json").c_str(), 0600), 0);
  std::ofstream(dir_ / "huge.json") << std::string(kMaxDocumentBytes + 1, ' ');
  const struct {
    fs::path path;
    std::string problem;
  } cases[] = {
      {"/dev/zero", "cannot load: it is a character device, not a regular file"},
      {dir_ / "fifo.json", "cannot load: it is a FIFO, not a regular file"},
      {dir_, "cannot load: it is a folder, not a regular file"},
      {dir_ / "huge.json", "cannot load: larger than the 1048576 bytes a document may have"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FailureOf([&] { JsonPropertyBag::Load(c.path); }),
              c.path.string() + ": " + c.problem);
  }
}

// Texts that pass each limit by one, and the largest ones the limits accept.
TEST(DocumentLimitsTest, ADocumentBeyondALimitIsRefusedAndOneWithinLoads) {
  const auto keys = [](std::size_t count, std::size_t valueBytes) {
    std::string text = "{";
    for (std::size_t i = 0; i < count; ++i) {
      text += "\"Key" + std::to_string(i) + "\":{\"type\":\"String\",\"value\":\"" +
              std::string(valueBytes, 'x') + "\"},";
    }
    text.back() = '}';
    return text;
  };
  const auto nested = [](std::size_t levels) {
    return "{\"A\":{\"type\":\"String\",\"value\":" + std::string(levels - 2, '[') +
           std::string(levels - 2, ']') + "}}";
  };
  std::string wideFont = "{\"F\":{\"type\":\"Font\"";
  for (std::size_t i = 1; i < kMaxValueMembers + 1; ++i)
    wideFont += ",\"m" + std::to_string(i) + "\":1";
  wideFont += "}}";
  const struct {
    const char* name;
    std::string text;
    std::string problem;  // empty: loads
  } cases[] = {
      {"most keys", keys(kMaxStoredKeys, 980), ""},
      {"one key too many", keys(kMaxStoredKeys + 1, 1),
       "beyond what a document may hold: more than 1024 keys"},
      {"one byte too many", std::string(kMaxDocumentBytes + 1, ' '),
       "larger than the 1048576 bytes a document may have"},
      {"deepest", nested(kMaxNesting), "key \"A\": a String value must be a JSON string"},
      {"one level too deep", nested(kMaxNesting + 1),
       "beyond what a document may hold: nested deeper than 8 levels under key \"A\""},
      {"a value of too many members", wideFont,
       "beyond what a document may hold: key \"F\": an object of more than 16 members"},
  };
  for (const auto& c : cases) {
    const std::string outcome = FailureOf([&] { JsonPropertyBag::FromJsonText(c.text, "doc"); });
    EXPECT_EQ(outcome, c.problem.empty() ? "no error" : "doc: " + c.problem) << c.name;
  }
  EXPECT_LE(keys(kMaxStoredKeys, 980).size(), kMaxDocumentBytes);
}

// A child saves through the named path's guard, as the fallback does, and is ended by a signal
// while the name exists: the name is gone and the signal still ends the child.
TEST_F(HostilePathTest, ASignalRemovesARegisteredTemporaryNameAndStillEndsTheProcess) {
  for (const int signal : {SIGINT, SIGTERM}) {
    const fs::path name = dir_ / ".form.json.tmp";
    std::ofstream(name) << "half";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      const RegisteredTemporaryName guard(name.string());
      ::raise(signal);
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
    EXPECT_FALSE(fs::exists(name)) << signal;
  }
}

}  // namespace
}  // namespace sauramiti::document
