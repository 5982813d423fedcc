// Text by character position.
//
// Texts are UTF-8 at every interface, and every rule that counts or picks characters by
// position counts Unicode characters, never bytes: "2059÷01÷01÷1" has 12 characters and its
// fifth is "÷". Positions are 1-based, as the date-string rules are written. A byte that does not
// start a well-formed UTF-8 sequence counts as one character of its own, so any byte string has
// a well-defined length and nothing reads past its end.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sauramiti {

// Number of characters.
std::size_t CharLength(std::string_view text) noexcept;

// Up to `count` characters starting at 1-based character position `start`; empty when `start`
// lies past the end. `start` must be at least 1.
std::string_view CharMid(std::string_view text, std::size_t start, std::size_t count) noexcept;

// The first `count` characters (all of them when the text is shorter).
std::string_view CharLeft(std::string_view text, std::size_t count) noexcept;

// The text without its last `count` characters (empty when it has no more than that).
std::string_view CharDropRight(std::string_view text, std::size_t count) noexcept;

// The text with spaces removed at both ends.
std::string_view TrimBlanks(std::string_view text) noexcept;

// Every occurrence of `from` replaced by `to`, scanning left to right; `from` must not be empty.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

}  // namespace sauramiti
