#include <QStringList>
#include <algorithm>
#include <cmath>
#include <qt/display_text.hpp>
#include <sauramiti/view/legacy_font_transcoder.hpp>

namespace sauramiti::qt {

namespace {

// Far beyond any screen, small enough for every font engine.
constexpr double kLargestPointSize = 2000.0;

// Families with Devanagari, best first; font substitution finds one of them on most desktops.
const QStringList& DevanagariFamilies() {
  static const QStringList families{"Noto Sans Devanagari",
                                    "Noto Serif Devanagari",
                                    "Lohit Devanagari",
                                    "Mukta",
                                    "Mangal",
                                    "Nirmala UI"};
  return families;
}

}  // namespace

QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

ShownText DisplayLanguage::Present(std::string_view written) const {
  if (!IsNepaliNow()) return {ToQString(written), false};
  return {ToQString(view::LegacyFontToUnicode(written)), true};
}

QFont DrawingFont(const Font& asked, bool devanagari) {
  QFont font;
  if (devanagari) {
    font.setFamilies(DevanagariFamilies());
  } else if (!asked.name.empty()) {
    font.setFamilies({ToQString(asked.name)});
  }
  // Qt refuses sizes that are not positive; such a size keeps the default.
  if (std::isfinite(asked.size) && asked.size > 0.0F) {
    font.setPointSizeF(std::min(static_cast<double>(asked.size), kLargestPointSize));
  }
  font.setBold(asked.bold);
  font.setItalic(asked.italic);
  font.setUnderline(asked.underline);
  font.setStrikeOut(asked.strikethrough);
  return font;
}

}  // namespace sauramiti::qt
