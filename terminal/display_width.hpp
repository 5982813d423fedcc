// How many terminal columns a text takes.
//
// A terminal does not give every character one column: a combining mark (a Devanagari vowel sign
// drawn above or below, the virama) takes none and sits on the character before it, and East
// Asian wide characters take two. Padding a column of Devanagari text by its byte or character
// count therefore misaligns it; padding by display width does not.
//
// The width of each character is what the C library's wcwidth reports under a UTF-8 locale,
// which is what terminals and terminal multiplexers use as well. The locale is used only for this
// question and never becomes the program's own. On a system without any UTF-8 locale a built-in
// approximation answers instead: zero for the combining marks of the Latin and Devanagari blocks,
// two for the common wide ranges, one for everything else.
//
// Bytes that are not well-formed UTF-8 count one column each (a terminal shows a replacement
// character for them); control characters count none.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sauramiti::terminal {

// Columns of one Unicode scalar value (0, 1 or 2).
std::size_t CharacterWidth(char32_t character);

// Columns of a UTF-8 text.
std::size_t DisplayWidth(std::string_view utf8);

// `text` with blanks added on the left (PadLeft) or right (PadRight) up to `columns`; a text that
// is already as wide or wider is returned unchanged.
std::string PadLeft(std::string_view text, std::size_t columns);
std::string PadRight(std::string_view text, std::size_t columns);

}  // namespace sauramiti::terminal
