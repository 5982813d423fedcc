// Fuzzes loading documents from files, with the checks a path goes through: the bytes are
// written to a file and loaded directly, through a symbolic link, or offered as a FIFO or a
// folder (refused at once, never waited on). A document that loads is saved through the same
// path and must load again to the same text, and the folder holds no temporary file afterwards.
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <fuzz/fuzz_support.hpp>
#include <sauramiti/document/json_property_bag.hpp>
#include <string>
#include <string_view>

namespace {

namespace fs = std::filesystem;
using sauramiti::document::DocumentError;
using sauramiti::document::JsonPropertyBag;
using sauramiti::fuzz::Require;

// One folder for the whole run, emptied before each input. It is never destroyed, so that the
// exit handler that removes it (libFuzzer ends a timed run with exit()) can still name it.
const fs::path& Folder() {
  static const fs::path* const folder = [] {
    std::string pattern = (fs::temp_directory_path() / "sauramiti-fuzz-XXXXXX").string();
    Require(::mkdtemp(pattern.data()) != nullptr, "cannot make a folder");
    auto* made = new fs::path(pattern);
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(Folder(), ignored);
    });
    return made;
  }();
  return *folder;
}

void Empty(const fs::path& folder) {
  for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
}

std::size_t Entries(const fs::path& folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++count;
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  if (size == 0) return 0;
  const fs::path& folder = Folder();
  Empty(folder);
  const int mode = bytes[0] % 4;
  const std::string_view text(reinterpret_cast<const char*>(bytes) + 1, size - 1);
  const fs::path file = folder / "form.json";
  fs::path path = file;
  switch (mode) {
    case 0:
      std::ofstream(file, std::ios::binary) << text;
      break;
    case 1:
      std::ofstream(file, std::ios::binary) << text;
      path = folder / "link.json";
      fs::create_symlink("form.json", path);
      break;
    case 2:
      Require(::mkfifo(file.c_str(), 0600) == 0, "cannot make a FIFO");
      break;
    default:
      fs::create_directory(file);
      break;
  }
  const std::size_t before = Entries(folder);
  JsonPropertyBag bag;
  try {
    bag = JsonPropertyBag::Load(path);
  } catch (const DocumentError& error) {
    Require(std::string_view(error.what()).starts_with(path.string() + ": "),
            "a message that does not start with the file");
    Require(Entries(folder) == before, "a failed load changed the folder");
    return 0;
  }
  Require(mode < 2, "only a regular file loads");
  bag.Save(path);
  Require(Entries(folder) == before, "a save left something behind");
  Require(mode == 0 || fs::is_symlink(path), "the link was replaced");
  Require(JsonPropertyBag::Load(path).ToJsonText() == bag.ToJsonText(),
          "a saved document loads to another text");
  return 0;
}
