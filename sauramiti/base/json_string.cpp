#include <array>
#include <sauramiti/base/json_string.hpp>

namespace sauramiti {

std::string QuoteJsonString(std::string_view text) {
  static constexpr std::array<char, 16> kHexDigits = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                      '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted.push_back('"');
  for (const char c : text) {
    switch (c) {
      case '"':
        quoted += "\\\"";
        break;
      case '\\':
        quoted += "\\\\";
        break;
      case '\b':
        quoted += "\\b";
        break;
      case '\f':
        quoted += "\\f";
        break;
      case '\n':
        quoted += "\\n";
        break;
      case '\r':
        quoted += "\\r";
        break;
      case '\t':
        quoted += "\\t";
        break;
      default: {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20U) {
          quoted += "\\u00";
          quoted.push_back(kHexDigits[byte >> 4U]);
          quoted.push_back(kHexDigits[byte & 0x0FU]);
        } else {
          quoted.push_back(c);
        }
      }
    }
  }
  quoted.push_back('"');
  return quoted;
}

}  // namespace sauramiti
