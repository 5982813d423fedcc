#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <sauramiti/document/document_error.hpp>
#include <sauramiti/document/file_io.hpp>

namespace sauramiti::document {

namespace {

[[noreturn]] void FailWithErrno(const std::filesystem::path& file, std::string_view doing,
                                int error) {
  throw DocumentError(file.string() + ": cannot " + std::string(doing) + ": " +
                      std::strerror(error));
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

// Removes the temporary file when it goes out of scope, unless the rename took it away.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::filesystem::path path) : path_(std::move(path)) {}
  ~TemporaryFile() {
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  [[nodiscard]] const std::filesystem::path& Path() const noexcept { return path_; }
  void Release() noexcept { path_.clear(); }

 private:
  std::filesystem::path path_;
};

// A name no other save in this or another process is using at the same time: the process id and
// a counter, with O_EXCL below to be sure.
std::filesystem::path TemporaryNameFor(const std::filesystem::path& file) {
  static std::atomic<unsigned> counter{0};
  std::string name = ".";
  name += file.filename().string();
  name += ".tmp-";
  name += std::to_string(::getpid());
  name += '-';
  name += std::to_string(counter++);
  std::filesystem::path temporary = file;
  temporary.replace_filename(name);
  return temporary;
}

void WriteAll(int fd, std::string_view contents, const std::filesystem::path& file) {
  while (!contents.empty()) {
    const ssize_t written = ::write(fd, contents.data(), contents.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      FailWithErrno(file, "write", errno);
    }
    contents.remove_prefix(static_cast<std::size_t>(written));
  }
}

}  // namespace

std::string ReadWholeFile(const std::filesystem::path& file) {
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) FailWithErrno(file, "open", errno);
  std::string contents;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd.Get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      FailWithErrno(file, "read", errno);
    }
    if (got == 0) break;
    contents.append(buffer, static_cast<std::size_t>(got));
  }
  return contents;
}

void ReplaceFileAtomically(const std::filesystem::path& file, std::string_view contents) {
  if (file.filename().empty()) {
    throw DocumentError(file.string() + ": cannot save: the name is a directory, not a file");
  }
  constexpr int kAttempts = 100;
  int fdNumber = -1;
  std::filesystem::path temporaryName;
  for (int attempt = 0; attempt < kAttempts && fdNumber < 0; ++attempt) {
    temporaryName = TemporaryNameFor(file);
    fdNumber = ::open(temporaryName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fdNumber < 0 && errno != EEXIST) FailWithErrno(file, "create a temporary file", errno);
  }
  if (fdNumber < 0) FailWithErrno(file, "create a temporary file", EEXIST);
  TemporaryFile temporary(temporaryName);
  FileDescriptor fd(fdNumber);

  WriteAll(fd.Get(), contents, file);
  // A document replaced keeps the permissions its owner gave it.
  struct stat old {};
  if (::stat(file.c_str(), &old) == 0 && ::fchmod(fd.Get(), old.st_mode & 07777) != 0) {
    FailWithErrno(file, "copy the permissions", errno);
  }
  if (::fsync(fd.Get()) != 0) FailWithErrno(file, "write", errno);
  if (fd.Close() != 0) FailWithErrno(file, "write", errno);
  if (::rename(temporary.Path().c_str(), file.c_str()) != 0) FailWithErrno(file, "replace", errno);
  temporary.Release();
}

}  // namespace sauramiti::document
