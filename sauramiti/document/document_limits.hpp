// What a document may hold, so that every load, good or bad, is quick and small.
//
// A control's saved settings are about 22 keys and well under 2 KB. The limits below leave room
// for hosts that store far more, yet keep the worst document they accept small enough to read
// and check in a few milliseconds; a document beyond any of them is refused with a message
// before the offending part is held in memory.
#pragma once

#include <cstddef>

namespace sauramiti::document {

// The size of the whole document, in bytes; a file larger than this is refused unread.
inline constexpr std::size_t kMaxDocumentBytes = std::size_t{1} << 20;  // 1 MiB

// The stored keys (members of the top-level object).
inline constexpr std::size_t kMaxStoredKeys = 1024;

// The members of any object below the top level; a font, the largest tagged value, has seven.
inline constexpr std::size_t kMaxValueMembers = 16;

// Objects and arrays within one another, the document itself counting as the first; a valid
// document needs two (the document and its tagged values).
inline constexpr std::size_t kMaxNesting = 8;

}  // namespace sauramiti::document
