#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <sauramiti/base/control_characters.hpp>
#include <sauramiti/document/document_error.hpp>
#include <sauramiti/document/file_io.hpp>
#include <sauramiti/document/temporary_name_cleanup.hpp>

namespace sauramiti::document {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const fs::path& file, std::string_view problem) {
  throw DocumentError(EscapeControlCharacters(file.string()) + ": " + std::string(problem));
}

[[noreturn]] void FailWithErrno(const fs::path& file, std::string_view doing, int error) {
  Fail(file, "cannot " + std::string(doing) + ": " + std::strerror(error));
}

// Closes the descriptor it holds when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) noexcept : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  [[nodiscard]] int Get() const noexcept { return fd_; }
  // Closes now and reports the result: a write error may first show itself here.
  int Close() noexcept {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

// Removes a named temporary file when it goes out of scope, unless the rename took it away;
// SIGINT and SIGTERM remove it meanwhile.
class NamedTemporary {
 public:
  explicit NamedTemporary(fs::path path) : path_(std::move(path)), guard_(path_.string()) {}
  ~NamedTemporary() {
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  NamedTemporary(const NamedTemporary&) = delete;
  NamedTemporary& operator=(const NamedTemporary&) = delete;
  [[nodiscard]] const fs::path& Path() const noexcept { return path_; }
  void Release() noexcept { path_.clear(); }

 private:
  fs::path path_;
  RegisteredTemporaryName guard_;
};

std::string_view KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a regular file";
}

[[noreturn]] void RefuseKind(const fs::path& file, std::string_view doing, mode_t mode) {
  const std::string_view kind = KindOf(mode);
  Fail(file, "cannot " + std::string(doing) + ": it is " + std::string(kind) +
                 (kind.starts_with("not") ? "" : ", not a regular file"));
}

void WriteAll(int fd, std::string_view contents, const fs::path& file) {
  while (!contents.empty()) {
    const ssize_t written = ::write(fd, contents.data(), contents.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      FailWithErrno(file, "write", errno);
    }
    contents.remove_prefix(static_cast<std::size_t>(written));
  }
}

// The file a save replaces: `file` itself, or the file that its chain of links ends in; with
// the permissions of that file when it exists.
struct SaveTarget {
  fs::path path;
  std::optional<mode_t> existingMode;
};

SaveTarget ResolveTarget(const fs::path& file) {
  constexpr int kMaxLinks = 40;  // as the kernel allows when it follows links itself
  fs::path target = file;
  for (int links = 0;; ++links) {
    struct stat status {};
    if (::lstat(target.c_str(), &status) != 0) {
      if (errno == ENOENT) return {target, std::nullopt};
      FailWithErrno(file, "save", errno);
    }
    if (!S_ISLNK(status.st_mode)) {
      if (!S_ISREG(status.st_mode)) RefuseKind(file, "save", status.st_mode);
      return {target, status.st_mode & 07777};
    }
    if (links == kMaxLinks) FailWithErrno(file, "save", ELOOP);
    std::error_code error;
    const fs::path linked = fs::read_symlink(target, error);
    if (error) FailWithErrno(file, "follow the link", error.value());
    target = linked.is_absolute() ? linked : target.parent_path() / linked;
  }
}

// The umask without changing it where /proc tells it; otherwise read by setting it and back.
mode_t CurrentUmask() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("Umask:", 0) == 0)
      return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
  }
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return mask;
}

// A name beside the target that no other save uses at the same time: the process id and a
// counter, with O_EXCL or linkat's refusal to replace to be sure.
fs::path TemporaryNameFor(const fs::path& target) {
  static std::atomic<unsigned> counter{0};
  std::string name = ".";
  name += target.filename().string();
  name += ".tmp-";
  name += std::to_string(::getpid());
  name += '-';
  name += std::to_string(counter++);
  fs::path temporary = target;
  temporary.replace_filename(name);
  return temporary;
}

constexpr int kNameAttempts = 100;

// Writes the finished contents: permissions, then flushed to the disk.
void FillTemporary(int fd, std::string_view contents, mode_t mode, const fs::path& file) {
  WriteAll(fd, contents, file);
  if (::fchmod(fd, mode) != 0) FailWithErrno(file, "set the permissions", errno);
  if (::fsync(fd) != 0) FailWithErrno(file, "write", errno);
}

void RenameOver(NamedTemporary& temporary, const fs::path& target, const fs::path& file) {
  if (::rename(temporary.Path().c_str(), target.c_str()) != 0) {
    FailWithErrno(file, "replace", errno);
  }
  temporary.Release();
}

// The unnamed way. False when the file system offers no unnamed files or they cannot be linked
// (no /proc), so that the caller takes the named way; true when the target was replaced.
bool ReplaceThroughUnnamedFile(const fs::path& folder, const SaveTarget& target, mode_t mode,
                               std::string_view contents, const fs::path& file) {
  FileDescriptor fd(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
  if (fd.Get() < 0) {
    if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) return false;
    FailWithErrno(file, "create a temporary file", errno);
  }
  FillTemporary(fd.Get(), contents, mode, file);
  const std::string procPath = "/proc/self/fd/" + std::to_string(fd.Get());
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    NamedTemporary temporary(TemporaryNameFor(target.path));
    if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, temporary.Path().c_str(),
                 AT_SYMLINK_FOLLOW) != 0) {
      const int error = errno;
      temporary.Release();  // nothing was linked under that name
      if (error == EEXIST) continue;
      if (error == ENOENT && attempt == 0) return false;
      FailWithErrno(file, "name the temporary file", error);
    }
    if (fd.Close() != 0) FailWithErrno(file, "write", errno);
    RenameOver(temporary, target.path, file);
    return true;
  }
  FailWithErrno(file, "name the temporary file", EEXIST);
}

void ReplaceThroughNamedFile(const SaveTarget& target, mode_t mode, std::string_view contents,
                             const fs::path& file) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    NamedTemporary temporary(TemporaryNameFor(target.path));
    FileDescriptor fd(
        ::open(temporary.Path().c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (fd.Get() < 0) {
      const int error = errno;
      temporary.Release();  // not ours
      if (error == EEXIST) continue;
      FailWithErrno(file, "create a temporary file", error);
    }
    FillTemporary(fd.Get(), contents, mode, file);
    if (fd.Close() != 0) FailWithErrno(file, "write", errno);
    RenameOver(temporary, target.path, file);
    return;
  }
  FailWithErrno(file, "create a temporary file", EEXIST);
}

// The rename is in the folder's own data: flushing the folder makes it survive a power cut.
void FlushFolder(const fs::path& folder, const fs::path& file) {
  FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Get() < 0 || (::fsync(fd.Get()) != 0 && errno != EINVAL)) {
    FailWithErrno(file, "flush the folder after replacing the file", errno);
  }
}

}  // namespace

std::string ReadRegularFile(const fs::path& file, std::size_t maxBytes) {
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.Get() < 0) FailWithErrno(file, "open", errno);
  struct stat status {};
  if (::fstat(fd.Get(), &status) != 0) FailWithErrno(file, "read", errno);
  if (!S_ISREG(status.st_mode)) RefuseKind(file, "load", status.st_mode);
  const auto tooLarge = [&] {
    Fail(file,
         "cannot load: larger than the " + std::to_string(maxBytes) + " bytes a document may have");
  };
  if (static_cast<std::uintmax_t>(status.st_size) > maxBytes) tooLarge();
  std::string contents;
  contents.reserve(static_cast<std::size_t>(status.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd.Get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      FailWithErrno(file, "read", errno);
    }
    if (got == 0) break;
    contents.append(buffer, static_cast<std::size_t>(got));
    // A file that grew while it was read.
    if (contents.size() > maxBytes) tooLarge();
  }
  return contents;
}

void ReplaceFileAtomically(const fs::path& file, std::string_view contents) {
  if (file.filename().empty()) {
    Fail(file, "cannot save: the name is a folder, not a file");
  }
  const SaveTarget target = ResolveTarget(file);
  const mode_t mode = target.existingMode.value_or(0644 & ~CurrentUmask());
  const fs::path folder =
      target.path.parent_path().empty() ? fs::path(".") : target.path.parent_path();
  if (!ReplaceThroughUnnamedFile(folder, target, mode, contents, file)) {
    ReplaceThroughNamedFile(target, mode, contents, file);
  }
  FlushFolder(folder, file);
}

}  // namespace sauramiti::document
