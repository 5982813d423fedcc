#include <unistd.h>

#include <array>
#include <cerrno>
#include <cli/standard_streams.hpp>
#include <cstring>
#include <iostream>
#include <sauramiti/base/control_characters.hpp>
#include <streambuf>
#include <string>
#include <string_view>

namespace sauramiti::cli {

namespace {

// Writes all of `data` to `fd`; the errno of a failure, 0 on success.
int WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// A buffered stream buffer over a descriptor that keeps the first failure's errno.
class CheckedOutputBuffer final : public std::streambuf {
 public:
  explicit CheckedOutputBuffer(int fd) : fd_(fd) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  }

  // Flushes and closes the descriptor; the errno of the first failure so far, 0 if none.
  int Finish() {
    Drain();
    if (::close(fd_) != 0 && error_ == 0) error_ = errno;
    return error_;
  }

 protected:
  int_type overflow(int_type c) override {
    if (!Drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override { return Drain() ? 0 : -1; }

 private:
  bool Drain() {
    const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    // After a failure the rest is dropped: the output is already incomplete.
    if (error_ == 0) error_ = WriteAll(fd_, pending);
    return error_ == 0;
  }

  int fd_;
  int error_ = 0;
  std::array<char, 65536> buffer_{};
};

// Passes whole lines on to another stream buffer, each with its control characters escaped.
class EscapingLineBuffer final : public std::streambuf {
 public:
  explicit EscapingLineBuffer(std::streambuf& target) : target_(target) {}
  ~EscapingLineBuffer() override {
    if (!line_.empty()) Emit(false);
    target_.pubsync();
  }
  EscapingLineBuffer(const EscapingLineBuffer&) = delete;
  EscapingLineBuffer& operator=(const EscapingLineBuffer&) = delete;

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char ch = traits_type::to_char_type(c);
    if (ch == '\n') {
      Emit(true);
    } else {
      line_ += ch;
    }
    return c;
  }
  int sync() override { return target_.pubsync(); }

 private:
  void Emit(bool newline) {
    std::string text = EscapeControlCharacters(line_);
    if (newline) text += '\n';
    target_.sputn(text.data(), static_cast<std::streamsize>(text.size()));
    line_.clear();
  }

  std::streambuf& target_;
  std::string line_;
};

}  // namespace

int RunWithStandardStreams(
    const std::function<int(std::ostream& out, std::ostream& err)>& command) {
  CheckedOutputBuffer outBuffer(STDOUT_FILENO);
  int status = 0;
  {
    EscapingLineBuffer errBuffer(*std::cerr.rdbuf());
    std::ostream out(&outBuffer);
    std::ostream err(&errBuffer);
    status = command(out, err);
    out.flush();
  }
  if (const int error = outBuffer.Finish(); error != 0) {
    std::cerr << "sauramiti: cannot write the output: " << std::strerror(error) << std::endl;
    return status != 0 ? status : 1;
  }
  return status;
}

}  // namespace sauramiti::cli
