// Colour values in the platform's encoding.
//
// A plain colour is 0x00BBGGRR (blue in the high byte, red in the low one); 0x80000000 + n names
// the user's system colour n, which a toolkit resolves from its palette when it draws.
#pragma once

#include <cstdint>

namespace sauramiti::platform {

using Color = std::uint32_t;

inline constexpr Color kSystemColorFlag = 0x80000000U;
inline constexpr Color kHighlightColor = 0x8000000DU;     // system colour 13
inline constexpr Color kButtonFaceColor = 0x8000000FU;    // system colour 15
inline constexpr Color kButtonShadowColor = 0x80000010U;  // system colour 16
inline constexpr Color kButtonTextColor = 0x80000012U;    // system colour 18

constexpr bool IsSystemColor(Color c) noexcept { return (c & kSystemColorFlag) != 0; }

}  // namespace sauramiti::platform
