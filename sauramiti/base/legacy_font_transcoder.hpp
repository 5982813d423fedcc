// Nepali-font ASCII to Unicode Devanagari.
//
// The Nepali names of the control are ASCII strings written for a legacy Nepali font. That font
// does not encode characters, it encodes shapes: each key draws one piece of Devanagari where a
// Latin letter would normally be. A piece is a full consonant ("k" draws प, "/" draws र), a
// half consonant without its vertical stem ("i" draws ष्, "D" draws म्), a vowel sign ("f" is the
// stem of ा, "]" the flag of े, "'" the hook of ु), a tail that finishes the glyph before it ("km"
// is फ, "qm" is क्र), a ready-made conjunct ("q" is त्र, ">" is श्र) or a digit ("1" draws १).
// Pieces combine visually: a half consonant followed by the stem "f" is the full consonant
// (")f" is ण, "if" is ष), and the stem followed by a flag is a two-part vowel sign ("f]" is ो).
//
// Unicode stores text in the order it is spoken, the font in the order it is drawn from left to
// right. The two disagree in two places, so those pieces are moved:
//   - The short i-sign ि is drawn to the left of its consonant cluster, so it is typed first:
//     "ldlt" is ि म ि त and reads मिति. It moves behind the whole cluster, half consonants and a
//     subscript r included: "lk|" is प्रि, "cflZjg" is आश्विन.
//   - The reph, the hook that a leading र् becomes on top of the next syllable, is drawn at the
//     syllable's top right, so it is typed after the syllable and its vowel signs: "sflt{s" is
//     क ा ि त reph क. It moves in front of that syllable's cluster as र्: कार्तिक.
//
// The transcoder reproduces what the font draws, not what a word ought to be: a text typed with
// the wrong key comes out with that key's letter. Bytes the font gives no Devanagari meaning
// (a blank, a comma, any byte above 0x7F) are copied unchanged, so the result is always the input's
// bytes or well-formed UTF-8 Devanagari in their place.
//
// Examples:
//   LegacyFontToUnicode("ldlt")        // "मिति"
//   LegacyFontToUnicode("cflZjg")      // "आश्विन"
//   LegacyFontToUnicode("sflt{s")      // "कार्तिक"
//   LegacyFontToUnicode("2059, k")     // "२०५९, प"
#pragma once

#include <string>
#include <string_view>

namespace sauramiti {

// The Devanagari text, as UTF-8, that the legacy Nepali font draws for `legacyAscii`; ASCII
// digits become Devanagari digits. Example: "2059 j}zfv 1, /ljjf/" gives "२०५९ वैशाख १, रविवार".
std::string LegacyFontToUnicode(std::string_view legacyAscii);

}  // namespace sauramiti
