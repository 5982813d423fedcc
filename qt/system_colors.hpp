// Colours of the control, resolved for painting.
//
// The control gives colours in its platform's encoding: 0x00BBGGRR for a plain colour (red in
// the low byte), or 0x80000000 + n for the user's system colour n. A system colour is looked up
// in a Qt palette at the moment of painting, so a change of the desktop theme shows at once. The
// numbers follow the classic desktop scheme: 13 highlight, 15 button face, 16 button shadow,
// 18 button text, and the rest of the scheme as far as a Qt palette has a matching role. A number
// the scheme does not know paints as the window colour; the unused byte of a plain colour is
// ignored.
#pragma once

#include <QColor>
#include <QPalette>
#include <sauramiti/platform/colors.hpp>

namespace sauramiti::qt {

QColor ResolveColor(platform::Color color, const QPalette& palette);

}  // namespace sauramiti::qt
