#include <sauramiti/base/utf8_text.hpp>

namespace sauramiti {

namespace {

// Byte length of the character that starts at text[i]: the length of a well-formed UTF-8
// sequence, or 1 for a stray byte.
std::size_t CharBytes(std::string_view text, std::size_t i) noexcept {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t n = 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    n = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    n = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    n = 4;
  }
  if (i + n > text.size()) return 1;
  for (std::size_t k = 1; k < n; ++k) {
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 1;
  }
  return n;
}

// Byte offset of the character after the first `count` characters from byte offset `from`.
std::size_t Advance(std::string_view text, std::size_t from, std::size_t count) noexcept {
  std::size_t i = from;
  while (count > 0 && i < text.size()) {
    i += CharBytes(text, i);
    --count;
  }
  return i;
}

}  // namespace

std::size_t CharLength(std::string_view text) noexcept {
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size(); i += CharBytes(text, i)) ++n;
  return n;
}

std::string_view CharMid(std::string_view text, std::size_t start, std::size_t count) noexcept {
  const std::size_t begin = Advance(text, 0, start - 1);
  const std::size_t end = Advance(text, begin, count);
  return text.substr(begin, end - begin);
}

std::string_view CharLeft(std::string_view text, std::size_t count) noexcept {
  return text.substr(0, Advance(text, 0, count));
}

std::string_view CharDropRight(std::string_view text, std::size_t count) noexcept {
  const std::size_t length = CharLength(text);
  return length <= count ? std::string_view{} : CharLeft(text, length - count);
}

std::string_view TrimBlanks(std::string_view text) noexcept {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  for (std::size_t hit = text.find(from); hit != std::string_view::npos; hit = text.find(from, i)) {
    out.append(text.substr(i, hit - i)).append(to);
    i = hit + from.size();
  }
  out.append(text.substr(i));
  return out;
}

}  // namespace sauramiti
