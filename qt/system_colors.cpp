#include <qt/system_colors.hpp>

namespace sauramiti::qt {

namespace {

struct SystemColorRole {
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

// The classic desktop scheme's colour numbers and the palette role that paints the same thing.
SystemColorRole RoleOfSystemColor(std::uint32_t number) {
  switch (number) {
    case 1:   // desktop
    case 12:  // application workspace
      return {QPalette::Active, QPalette::Dark};
    case 2:   // active title bar
    case 13:  // highlight
    case 26:  // hot-tracked item
      return {QPalette::Active, QPalette::Highlight};
    case 3:  // inactive title bar
      return {QPalette::Inactive, QPalette::Highlight};
    case 5:  // window background
      return {QPalette::Active, QPalette::Base};
    case 6:   // window frame
    case 21:  // 3D dark shadow
      return {QPalette::Active, QPalette::Shadow};
    case 7:  // menu text
    case 8:  // window text
      return {QPalette::Active, QPalette::Text};
    case 9:   // active title text
    case 14:  // highlighted text
      return {QPalette::Active, QPalette::HighlightedText};
    case 16:  // button shadow
      return {QPalette::Active, QPalette::Dark};
    case 17:  // grey (disabled) text
      return {QPalette::Disabled, QPalette::WindowText};
    case 18:  // button text
      return {QPalette::Active, QPalette::ButtonText};
    case 19:  // inactive title text
      return {QPalette::Inactive, QPalette::HighlightedText};
    case 20:  // 3D highlight
      return {QPalette::Active, QPalette::Light};
    case 22:  // 3D light
      return {QPalette::Active, QPalette::Midlight};
    case 23:  // tool-tip text
      return {QPalette::Active, QPalette::ToolTipText};
    case 24:  // tool-tip background
      return {QPalette::Active, QPalette::ToolTipBase};
    case 15:  // button face
    case 4:   // menu background
    case 0:   // scroll bars
    case 10:  // active border
    case 11:  // inactive border
    case 25:  // unused in the scheme
      return {QPalette::Active, QPalette::Button};
    default:
      return {QPalette::Active, QPalette::Window};
  }
}

}  // namespace

QColor ResolveColor(platform::Color color, const QPalette& palette) {
  if (platform::IsSystemColor(color)) {
    const SystemColorRole where = RoleOfSystemColor(color & ~platform::kSystemColorFlag);
    return palette.color(where.group, where.role);
  }
  const auto channel = [color](int shift) { return static_cast<int>((color >> shift) & 0xFFU); };
  return {channel(0), channel(8), channel(16)};
}

}  // namespace sauramiti::qt
