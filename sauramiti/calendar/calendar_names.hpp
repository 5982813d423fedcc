// The names of the calendar in the control's two languages: weekdays, BS months, Gregorian
// months and the titles of the two date panels.
//
// English names are plain text. Nepali names are ASCII strings for a legacy Nepali font, which
// draws them as Devanagari ("/ljjf/" is Sunday); LegacyFontToUnicode (base) gives the Unicode
// text. These are the only copies of the names: the control's name tables are filled from them,
// and the typed date's formatter reads them too. Position 0 of each list is the empty text, so
// that a weekday code (1 = Sunday) or a month number (1 = Vaishaka, or 1 = January) indexes its
// name directly.
#pragma once

#include <array>

namespace sauramiti::SauramitiRoutine {

struct CalendarNames {
  std::array<const char*, 8> weekdays;
  std::array<const char*, 13> months;
  std::array<const char*, 13> englishMonths;
  const char* nepaliPanelTitle;
  const char* englishPanelTitle;
};

inline constexpr CalendarNames kEnglishNames = {
    {"", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
    {"", "Vaishaka", "Jestha", "Asadh", "Srawan", "Bhadra", "Asvin", "Kartika", "Marga", "Poush",
     "Magha", "Falguna", "Chaitra"},
    {"", "January", "February", "March", "April", "May", "June", "July", "August", "September",
     "October", "November", "December"},
    "Nepali Date ",
    "English Date",
};

// Legacy-font ASCII: each string is what the Nepali font turns into the Devanagari word.
inline constexpr CalendarNames kNepaliLegacyNames = {
    {"", "/ljjf/", ";f]djf/", "d+unjf/", "a'wjf/", "u'?jf/", "z'qmjf/", "zlgjf/"},
    {"", "j}zfv", "h]i&", "cfiff(", ">fj)f", "efb|", "cflZjg", "sflt{s", "dfu{", "kf}if", "df#",
     "kmfNu')f", "r}q"},
    {"", "hgj/L", "km]j|'j/L", "dfr{", "clk|n", "d]", "h'g", "h'nfO", "cui^", ";]K^]Da/", "cS^'a/",
     "gf]e]Da/", "l*;]Da/"},
    "g]kfnL ldlt",
    "c+u|]hL ldlt",
};

}  // namespace sauramiti::SauramitiRoutine
