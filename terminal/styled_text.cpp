#include <terminal/styled_text.hpp>

namespace sauramiti::terminal {

namespace {

constexpr std::uint32_t kHalfStrength = 0x80;

// The basic colour nearest to a plain 0x00BBGGRR colour; black and white give Default.
TermColor NearestBasicColor(platform::Color color) noexcept {
  const bool red = (color & 0xFFU) >= kHalfStrength;
  const bool green = ((color >> 8U) & 0xFFU) >= kHalfStrength;
  const bool blue = ((color >> 16U) & 0xFFU) >= kHalfStrength;
  const unsigned bits = (red ? 1U : 0U) | (green ? 2U : 0U) | (blue ? 4U : 0U);
  switch (bits) {
    case 1:
      return TermColor::Red;
    case 2:
      return TermColor::Green;
    case 3:
      return TermColor::Yellow;
    case 4:
      return TermColor::Blue;
    case 5:
      return TermColor::Magenta;
    case 6:
      return TermColor::Cyan;
    default:  // black (0) and white (7)
      return TermColor::Default;
  }
}

TermColor SystemColorOf(platform::Color color) noexcept {
  if (color == platform::kButtonShadowColor) return TermColor::Gray;
  if (color == platform::kHighlightColor) return TermColor::Blue;
  return TermColor::Default;
}

}  // namespace

TermColor TermColorOf(platform::Color color) noexcept {
  return platform::IsSystemColor(color) ? SystemColorOf(color) : NearestBasicColor(color);
}

std::string PlainText(const StyledLine& line) {
  std::string text;
  for (const Span& span : line) text += span.text;
  return text;
}

}  // namespace sauramiti::terminal
