// How the texts the control writes are shown.
//
// In Nepali mode the control writes its names, numbers and dates as ASCII strings for a legacy
// Nepali font ("/ljjf/" is Sunday). Few machines have such a font, and a Unicode font would show
// the ASCII letters themselves, so the Qt children show the Devanagari that the legacy font would
// draw (LegacyFontToUnicode: "/ljjf/" shows as रविवार, "2059" as २०५९) and draw it with a font that
// has Devanagari, never with the legacy font's name. The children keep and return the ASCII
// exactly as written: only what is painted changes.
//
// Which texts are Nepali: the widget lends its children a probe that answers whether the control
// is in Nepali mode (its English property is 0) at that moment. A child asks when a text is
// written into it, so every text is shown in the language the control was in when it wrote it,
// and a text written in English mode is never transcoded. Asking at writing time rather than at
// painting time matters: a disabled control stores a new language without rewriting its lists,
// and those lists must keep showing the names they hold as what they are. Tool tips are the
// control's own English texts and are never transcoded.
#pragma once

#include <QFont>
#include <QString>
#include <functional>
#include <sauramiti/base/font.hpp>
#include <string_view>

namespace sauramiti::qt {

struct ShownText {
  QString text;     // what the child paints
  bool devanagari;  // transcoded from the legacy font: draw with a Devanagari font
};

class DisplayLanguage {
 public:
  // `isNepaliNow` answers whether a text written at this moment is Nepali-font text; without a
  // probe every text is shown as it is.
  void SetProbe(std::function<bool()> isNepaliNow) { probe_ = std::move(isNepaliNow); }
  bool IsNepaliNow() const { return probe_ && probe_(); }

  // The shown form of a text written at this moment.
  ShownText Present(std::string_view written) const;

 private:
  std::function<bool()> probe_;
};

// The text as Qt shows it: the UTF-8 bytes decoded (ill-formed bytes show as U+FFFD).
QString ToQString(std::string_view utf8);

// The font to draw with for the font the control asked for. Devanagari text is drawn with a
// Devanagari family (with the usual fallbacks after it); other text with the named family, which
// Qt substitutes from the installed fonts when it is missing. Size and weight are as asked.
QFont DrawingFont(const Font& asked, bool devanagari);

}  // namespace sauramiti::qt
