#include <cli/script_words.hpp>
#include <cstdint>
#include <optional>

namespace sauramiti::cli {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The end of the literal that opens at `begin` (one past its closing quote), or nothing.
std::optional<std::size_t> LiteralEnd(std::string_view line, std::size_t begin) {
  for (std::size_t i = begin + 1; i < line.size(); ++i) {
    if (line[i] == '\\') {
      ++i;
    } else if (line[i] == '"') {
      return i + 1;
    }
  }
  return std::nullopt;
}

void AppendUtf8(std::string& out, std::uint32_t c) {
  const auto put = [&out](std::uint32_t byte) { out.push_back(static_cast<char>(byte)); };
  if (c < 0x80) {
    put(c);
  } else if (c < 0x800) {
    put(0xC0 | (c >> 6));
    put(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    put(0xE0 | (c >> 12));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  } else {
    put(0xF0 | (c >> 18));
    put(0x80 | ((c >> 12) & 0x3F));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  }
}

[[noreturn]] void Malformed(std::string_view literal, std::string_view why) {
  throw ScriptLineError("bad string " + std::string(literal) + ": " + std::string(why));
}

// The four hex digits at `at`.
std::uint32_t HexQuad(std::string_view literal, std::size_t at) {
  if (at + 4 > literal.size()) Malformed(literal, "\\u needs four hex digits");
  std::uint32_t value = 0;
  for (std::size_t i = at; i < at + 4; ++i) {
    const char c = literal[i];
    std::uint32_t digit = 0;
    if (c >= '0' && c <= '9') {
      digit = static_cast<std::uint32_t>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
      digit = static_cast<std::uint32_t>(c - 'a' + 10);
    } else if (c >= 'A' && c <= 'F') {
      digit = static_cast<std::uint32_t>(c - 'A' + 10);
    } else {
      Malformed(literal, "\\u needs four hex digits");
    }
    value = value * 16 + digit;
  }
  return value;
}

bool IsHighSurrogate(std::uint32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(std::uint32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

std::vector<ScriptWord> SplitScriptLine(std::string_view line) {
  std::vector<ScriptWord> words;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size()) break;
    const std::size_t begin = i;
    if (line[i] == '"') {
      const std::optional<std::size_t> end = LiteralEnd(line, begin);
      if (!end) throw ScriptLineError("a string is not closed: " + std::string(line.substr(begin)));
      if (*end < line.size() && !IsBlank(line[*end])) {
        throw ScriptLineError("a string must be followed by a blank or the end of the line: " +
                              std::string(line.substr(begin)));
      }
      words.push_back({std::string(line.substr(begin, *end - begin)), true});
      i = *end;
    } else {
      while (i < line.size() && !IsBlank(line[i])) ++i;
      words.push_back({std::string(line.substr(begin, i - begin)), false});
    }
  }
  return words;
}

std::string DecodeJsonString(std::string_view literal) {
  if (literal.size() < 2 || literal.front() != '"' || literal.back() != '"') {
    Malformed(literal, "a string is written between double quotes");
  }
  std::string text;
  const std::size_t end = literal.size() - 1;
  for (std::size_t i = 1; i < end; ++i) {
    const char c = literal[i];
    if (static_cast<unsigned char>(c) < 0x20) Malformed(literal, "control characters need escapes");
    if (c == '"') Malformed(literal, "a quote inside a string needs a backslash");
    if (c != '\\') {
      text.push_back(c);
      continue;
    }
    if (++i == end) Malformed(literal, "it ends in a lone backslash");
    switch (literal[i]) {
      case '"':
      case '\\':
      case '/':
        text.push_back(literal[i]);
        break;
      case 'b':
        text.push_back('\b');
        break;
      case 'f':
        text.push_back('\f');
        break;
      case 'n':
        text.push_back('\n');
        break;
      case 'r':
        text.push_back('\r');
        break;
      case 't':
        text.push_back('\t');
        break;
      case 'u': {
        std::uint32_t code = HexQuad(literal.substr(0, end), i + 1);
        i += 4;
        if (IsHighSurrogate(code)) {
          if (i + 2 >= end || literal[i + 1] != '\\' || literal[i + 2] != 'u') {
            Malformed(literal, "a high surrogate must be followed by a low one");
          }
          const std::uint32_t low = HexQuad(literal.substr(0, end), i + 3);
          if (!IsLowSurrogate(low))
            Malformed(literal, "a high surrogate must be followed by a low one");
          code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
          i += 6;
        } else if (IsLowSurrogate(code)) {
          Malformed(literal, "a low surrogate without a high one");
        }
        AppendUtf8(text, code);
        break;
      }
      default:
        Malformed(literal, "unknown escape \\" + std::string(1, literal[i]));
    }
  }
  return text;
}

}  // namespace sauramiti::cli
