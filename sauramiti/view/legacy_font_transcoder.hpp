// The legacy-font transcoder, as the view and its hosts have always named it. It lives in base
// so that the typed date's Nepali formatting can use it without the view.
#pragma once

#include <sauramiti/base/legacy_font_transcoder.hpp>

namespace sauramiti::view {

using ::sauramiti::LegacyFontToUnicode;

}  // namespace sauramiti::view
