#include <algorithm>
#include <array>
#include <cstddef>
#include <sauramiti/base/legacy_font_transcoder.hpp>
#include <vector>

namespace sauramiti {

namespace {

// What a piece does in a syllable; the reordering passes look at nothing else.
enum class PieceKind {
  kConsonant,      // a full consonant or ready-made conjunct; closes a cluster
  kHalfConsonant,  // a consonant with its vowel killed; joins the next consonant
  kVowel,          // an independent vowel; never part of a cluster
  kVowelSign,      // a dependent vowel sign written after the cluster
  kShortISign,     // ि, written before the cluster in the font
  kMark,           // anusvara, candrabindu, visarga: after the vowel sign
  kSubscriptRa,    // ्र under the consonant before it
  kVirama,         // an explicit ्
  kReph,           // र् on top of the syllable before it in the font
  kOther,          // digits, punctuation and bytes copied through
};

struct Glyph {
  std::string_view ascii;
  std::string_view unicode;
  PieceKind kind;
};

constexpr std::string_view kVirama = "\u094D";

// The font's keys. Several keys are two or three bytes long because a later piece finishes the
// shape of an earlier one (the tail "m", the stem "f", the flag "]"); the reader takes the
// longest key that matches, so "cf]" is ओ before "cf" is आ before "c" is अ. A half consonant
// followed by the stem "f" is handled by rule, not by table (see ReadPieces).
constexpr Glyph kGlyphs[] = {
    // Full consonants and the conjuncts the font draws as one piece.
    {"s", "क", PieceKind::kConsonant},
    {"v", "ख", PieceKind::kConsonant},
    {"u", "ग", PieceKind::kConsonant},
    {"#", "घ", PieceKind::kConsonant},
    {"r", "च", PieceKind::kConsonant},
    {"%", "छ", PieceKind::kConsonant},
    {"h", "ज", PieceKind::kConsonant},
    {"^", "ट", PieceKind::kConsonant},
    {"&", "ठ", PieceKind::kConsonant},
    {"*", "ड", PieceKind::kConsonant},
    {"(", "ढ", PieceKind::kConsonant},
    {"t", "त", PieceKind::kConsonant},
    {"y", "थ", PieceKind::kConsonant},
    {"b", "द", PieceKind::kConsonant},
    {"w", "ध", PieceKind::kConsonant},
    {"g", "न", PieceKind::kConsonant},
    {"k", "प", PieceKind::kConsonant},
    {"km", "फ", PieceKind::kConsonant},
    {"a", "ब", PieceKind::kConsonant},
    {"e", "भ", PieceKind::kConsonant},
    {"d", "म", PieceKind::kConsonant},
    {"o", "य", PieceKind::kConsonant},
    {"/", "र", PieceKind::kConsonant},
    {"n", "ल", PieceKind::kConsonant},
    {"j", "व", PieceKind::kConsonant},
    {"z", "श", PieceKind::kConsonant},
    {";", "स", PieceKind::kConsonant},
    {"x", "ह", PieceKind::kConsonant},
    {"q", "त्र", PieceKind::kConsonant},
    {"qm", "क्र", PieceKind::kConsonant},
    {"Q", "त्त", PieceKind::kConsonant},
    {"!", "ज्ञ", PieceKind::kConsonant},
    {"@", "द्द", PieceKind::kConsonant},
    {"$", "द्ध", PieceKind::kConsonant},
    {"B", "द्य", PieceKind::kConsonant},
    {">", "श्र", PieceKind::kConsonant},
    {"?", "रु", PieceKind::kConsonant},
    // Half consonants: the full letter without its stem.
    {"S", "क्", PieceKind::kHalfConsonant},
    {"V", "ख्", PieceKind::kHalfConsonant},
    {"U", "ग्", PieceKind::kHalfConsonant},
    {"R", "च्", PieceKind::kHalfConsonant},
    {"H", "ज्", PieceKind::kHalfConsonant},
    {")", "ण्", PieceKind::kHalfConsonant},
    {"T", "त्", PieceKind::kHalfConsonant},
    {"Y", "थ्", PieceKind::kHalfConsonant},
    {"W", "ध्", PieceKind::kHalfConsonant},
    {"G", "न्", PieceKind::kHalfConsonant},
    {"K", "प्", PieceKind::kHalfConsonant},
    {"Km", "फ्", PieceKind::kHalfConsonant},
    {"A", "ब्", PieceKind::kHalfConsonant},
    {"E", "भ्", PieceKind::kHalfConsonant},
    {"D", "म्", PieceKind::kHalfConsonant},
    {"N", "ल्", PieceKind::kHalfConsonant},
    {"J", "व्", PieceKind::kHalfConsonant},
    {"Z", "श्", PieceKind::kHalfConsonant},
    {"i", "ष्", PieceKind::kHalfConsonant},
    {":", "स्", PieceKind::kHalfConsonant},
    {"I", "क्ष्", PieceKind::kHalfConsonant},
    {"X", "ह्", PieceKind::kHalfConsonant},
    // Independent vowels; the long ones are drawn as a short one plus a sign or a tail.
    {"c", "अ", PieceKind::kVowel},
    {"cf", "आ", PieceKind::kVowel},
    {"O", "इ", PieceKind::kVowel},
    {"O{", "ई", PieceKind::kVowel},
    {"p", "उ", PieceKind::kVowel},
    {"pm", "ऊ", PieceKind::kVowel},
    {"C", "ऋ", PieceKind::kVowel},
    {"P", "ए", PieceKind::kVowel},
    {"P]", "ऐ", PieceKind::kVowel},
    {"cf]", "ओ", PieceKind::kVowel},
    {"cf}", "औ", PieceKind::kVowel},
    // Vowel signs, marks and the pieces that the passes move.
    {"f", "ा", PieceKind::kVowelSign},
    {"L", "ी", PieceKind::kVowelSign},
    {"'", "ु", PieceKind::kVowelSign},
    {"\"", "ू", PieceKind::kVowelSign},
    {"[", "ृ", PieceKind::kVowelSign},
    {"]", "े", PieceKind::kVowelSign},
    {"}", "ै", PieceKind::kVowelSign},
    {"f]", "ो", PieceKind::kVowelSign},
    {"f}", "ौ", PieceKind::kVowelSign},
    {"l", "ि", PieceKind::kShortISign},
    {"+", "ं", PieceKind::kMark},
    {"F", "ँ", PieceKind::kMark},
    {"M", "ः", PieceKind::kMark},
    {"|", "्र", PieceKind::kSubscriptRa},
    {"\\", "्", PieceKind::kVirama},
    {"{", "र्", PieceKind::kReph},
    // Digits and the danda.
    {"0", "०", PieceKind::kOther},
    {"1", "१", PieceKind::kOther},
    {"2", "२", PieceKind::kOther},
    {"3", "३", PieceKind::kOther},
    {"4", "४", PieceKind::kOther},
    {"5", "५", PieceKind::kOther},
    {"6", "६", PieceKind::kOther},
    {"7", "७", PieceKind::kOther},
    {"8", "८", PieceKind::kOther},
    {"9", "९", PieceKind::kOther},
    {".", "।", PieceKind::kOther},
};

struct Piece {
  std::string_view text;
  PieceKind kind;
};

// The glyphs grouped by the first byte of their key, longest key first within a group, so that
// the first key of a group that matches is the longest.
using GlyphsByFirstByte = std::array<std::vector<const Glyph*>, 128>;

GlyphsByFirstByte GroupGlyphsByFirstByte() {
  GlyphsByFirstByte groups;
  for (const Glyph& glyph : kGlyphs) {
    groups[static_cast<unsigned char>(glyph.ascii.front())].push_back(&glyph);
  }
  for (auto& group : groups) {
    std::stable_sort(group.begin(), group.end(), [](const Glyph* a, const Glyph* b) {
      return a->ascii.size() > b->ascii.size();
    });
  }
  return groups;
}

// The glyph whose key is the longest prefix of `rest` (not empty), or nullptr when none is.
const Glyph* MatchLongestKey(std::string_view rest) {
  static const GlyphsByFirstByte groups = GroupGlyphsByFirstByte();
  const auto first = static_cast<unsigned char>(rest.front());
  if (first >= groups.size()) return nullptr;
  for (const Glyph* glyph : groups[first]) {
    if (rest.starts_with(glyph->ascii)) return glyph;
  }
  return nullptr;
}

// Splits the font text into pieces in typing order. A half consonant followed by the stem "f"
// is the full consonant: the stem completes the letter instead of adding ा, so ")f" is ण and
// "if}" is षै (not ष्ौ).
std::vector<Piece> ReadPieces(std::string_view ascii) {
  std::vector<Piece> pieces;
  pieces.reserve(ascii.size());
  std::size_t i = 0;
  while (i < ascii.size()) {
    const Glyph* glyph = MatchLongestKey(ascii.substr(i));
    if (glyph == nullptr) {
      pieces.push_back({ascii.substr(i, 1), PieceKind::kOther});
      ++i;
      continue;
    }
    i += glyph->ascii.size();
    if (glyph->kind == PieceKind::kHalfConsonant && i < ascii.size() && ascii[i] == 'f') {
      pieces.push_back({glyph->unicode.substr(0, glyph->unicode.size() - kVirama.size()),
                        PieceKind::kConsonant});
      ++i;
      continue;
    }
    pieces.push_back({glyph->unicode, glyph->kind});
  }
  return pieces;
}

// The end of the consonant cluster that starts at `begin`: half consonants (or consonants with
// an explicit virama) up to a full consonant, with any subscript r under it. Returns `begin`
// when no full consonant closes the cluster.
std::size_t FindClusterEnd(const std::vector<Piece>& pieces, std::size_t begin) {
  std::size_t i = begin;
  while (i < pieces.size()) {
    if (pieces[i].kind == PieceKind::kHalfConsonant) {
      ++i;
      continue;
    }
    if (pieces[i].kind != PieceKind::kConsonant) break;
    ++i;
    while (i < pieces.size() && pieces[i].kind == PieceKind::kSubscriptRa) ++i;
    if (i < pieces.size() && pieces[i].kind == PieceKind::kVirama) {
      ++i;
      continue;
    }
    return i;
  }
  return begin;
}

// Moves each short i-sign from in front of its cluster to behind it. A sign with no cluster
// after it stays where it is.
std::vector<Piece> MoveShortISigns(const std::vector<Piece>& pieces) {
  std::vector<Piece> moved;
  moved.reserve(pieces.size());
  std::size_t i = 0;
  while (i < pieces.size()) {
    if (pieces[i].kind != PieceKind::kShortISign) {
      moved.push_back(pieces[i++]);
      continue;
    }
    const std::size_t end = FindClusterEnd(pieces, i + 1);
    moved.insert(moved.end(), pieces.begin() + static_cast<std::ptrdiff_t>(i + 1),
                 pieces.begin() + static_cast<std::ptrdiff_t>(end));
    moved.push_back(pieces[i]);
    i = end > i + 1 ? end : i + 1;
  }
  return moved;
}

// Where the cluster of the syllable that ends `pieces` starts: back over the vowel signs and
// marks, the subscript r and the full consonant, then over the half consonants before it.
// Returns pieces.size() when the text does not end in a consonant syllable.
std::size_t FindSyllableStart(const std::vector<Piece>& pieces) {
  std::size_t i = pieces.size();
  const auto kind_before = [&](std::size_t at) { return pieces[at - 1].kind; };
  while (i > 0 &&
         (kind_before(i) == PieceKind::kVowelSign || kind_before(i) == PieceKind::kShortISign ||
          kind_before(i) == PieceKind::kMark)) {
    --i;
  }
  while (i > 0 && kind_before(i) == PieceKind::kSubscriptRa) --i;
  if (i == 0 || kind_before(i) != PieceKind::kConsonant) return pieces.size();
  --i;
  while (i > 0) {
    if (kind_before(i) == PieceKind::kHalfConsonant) {
      --i;
    } else if (i > 1 && kind_before(i) == PieceKind::kVirama &&
               kind_before(i - 1) == PieceKind::kConsonant) {
      i -= 2;
    } else {
      break;
    }
  }
  return i;
}

// Moves each reph from behind its syllable to the front of that syllable's cluster, where it
// becomes a plain र् joining the cluster. A reph with no syllable before it stays in place.
std::vector<Piece> MoveRephs(const std::vector<Piece>& pieces) {
  std::vector<Piece> moved;
  moved.reserve(pieces.size());
  for (const Piece& piece : pieces) {
    if (piece.kind != PieceKind::kReph) {
      moved.push_back(piece);
      continue;
    }
    const Piece ra{piece.text, PieceKind::kHalfConsonant};
    moved.insert(moved.begin() + static_cast<std::ptrdiff_t>(FindSyllableStart(moved)), ra);
  }
  return moved;
}

// Concatenates the pieces. Where a piece ending in a virama meets one starting with a virama
// (a half consonant with the subscript r under it, "Z|"), the virama is written once.
std::string JoinPieces(const std::vector<Piece>& pieces) {
  std::string text;
  text.reserve(pieces.size() * 3);
  for (const Piece& piece : pieces) {
    if (text.ends_with(kVirama) && piece.text.starts_with(kVirama)) {
      text.append(piece.text.substr(kVirama.size()));
    } else {
      text.append(piece.text);
    }
  }
  return text;
}

}  // namespace

std::string LegacyFontToUnicode(std::string_view legacyAscii) {
  return JoinPieces(MoveRephs(MoveShortISigns(ReadPieces(legacyAscii))));
}

}  // namespace sauramiti
