#include <cstdint>
#include <sauramiti/base/control_characters.hpp>

namespace sauramiti {

namespace {

void AppendHex(std::string& out, std::string_view prefix, unsigned value, int digits) {
  constexpr std::string_view kHex = "0123456789abcdef";
  out += prefix;
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kHex[(value >> shift) & 0xFU];
}

// The length of the valid UTF-8 sequence at the start of `text`, 0 if it is not one.
std::size_t SequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned lead = byte(0);
  std::size_t length = 0;
  std::uint32_t low = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    low = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = 0x10000;
  }
  if (length == 0 || text.size() < length) return 0;
  std::uint32_t code = lead & (0x7FU >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0U) != 0x80U) return 0;
    code = (code << 6U) | (byte(i) & 0x3FU);
  }
  // Overlong forms, surrogates and code points past U+10FFFF are not characters.
  if (code < low || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0;
  return length;
}

}  // namespace

std::string EscapeControlCharacters(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const unsigned byte = static_cast<unsigned char>(text.front());
    std::size_t taken = 1;
    if (byte == '\n') {
      out += "\\n";
    } else if (byte == '\r') {
      out += "\\r";
    } else if (byte == '\t') {
      out += "\\t";
    } else if (byte < 0x80 && byte >= 0x20 && byte != 0x7F) {
      out += static_cast<char>(byte);
    } else if (const std::size_t length = byte < 0x80 ? 0 : SequenceLength(text); length == 0) {
      // Other controls below U+0080, and bytes that start no character.
      AppendHex(out, "\\x", byte, 2);
    } else {
      taken = length;
      const unsigned second = static_cast<unsigned char>(text[1]);
      if (byte == 0xC2 && second < 0xA0) {
        AppendHex(out, "\\u", second, 4);  // U+0080 to U+009F
      } else {
        out.append(text.substr(0, length));
      }
    }
    text.remove_prefix(taken);
  }
  return out;
}

}  // namespace sauramiti
