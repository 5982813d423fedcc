// Font objects.
//
// A font object describes the characteristics of a font; the control holds its two fonts by
// shared reference, as its host hands them over, and applies them to its child controls by name
// only. Sizes are in points, kept in single precision.
#pragma once

#include <memory>
#include <string>

namespace sauramiti {

struct Font {
  std::string name = "Tahoma";
  float size = 8.25F;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;

  friend bool operator==(const Font&, const Font&) = default;
};

using FontRef = std::shared_ptr<Font>;

}  // namespace sauramiti
