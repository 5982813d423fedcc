#include <sauramiti/view/name_tables.hpp>

namespace sauramiti::SauramitiRoutine {

std::array<std::string, 8> WeekdayNames;
std::array<std::string, 13> MonthNames;
std::array<std::string, 13> EnglishMonthNames;
std::string NepaliPanelTitle;

namespace {

struct LanguageTexts {
  std::array<const char*, 8> weekdays;
  std::array<const char*, 13> months;
  std::array<const char*, 13> englishMonths;
  const char* nepaliPanelTitle;
  const char* englishPanelTitle;
};

constexpr LanguageTexts kEnglish = {
    {"", "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
    {"", "Vaishaka", "Jestha", "Asadh", "Srawan", "Bhadra", "Asvin", "Kartika", "Marga", "Poush",
     "Magha", "Falguna", "Chaitra"},
    {"", "January", "February", "March", "April", "May", "June", "July", "August", "September",
     "October", "November", "December"},
    "Nepali Date ",
    "English Date",
};

// Legacy-font ASCII: each string is what the Nepali font turns into the Devanagari word.
constexpr LanguageTexts kNepali = {
    {"", "/ljjf/", ";f]djf/", "d+unjf/", "a'wjf/", "u'?jf/", "z'qmjf/", "zlgjf/"},
    {"", "j}zfv", "h]i&", "cfiff(", ">fj)f", "efb|", "cflZjg", "sflt{s", "dfu{", "kf}if", "df#",
     "kmfNu')f", "r}q"},
    {"", "hgj/L", "km]j|'j/L", "dfr{", "clk|n", "d]", "h'g", "h'nfO", "cui^", ";]K^]Da/", "cS^'a/",
     "gf]e]Da/", "l*;]Da/"},
    "g]kfnL ldlt",
    "c+u|]hL ldlt",
};

template <std::size_t N>
void CopyTexts(std::array<std::string, N>& target, const std::array<const char*, N>& source) {
  for (std::size_t i = 0; i < N; ++i) target[i] = source[i];
}

}  // namespace

void LoadNameTables(std::int16_t english, std::string& EnglishPanelTitle) {
  const LanguageTexts& texts = english != 0 ? kEnglish : kNepali;
  CopyTexts(WeekdayNames, texts.weekdays);
  CopyTexts(MonthNames, texts.months);
  CopyTexts(EnglishMonthNames, texts.englishMonths);
  NepaliPanelTitle = texts.nepaliPanelTitle;
  EnglishPanelTitle = texts.englishPanelTitle;
}

std::int16_t MonthNumberFromName(std::string_view name) noexcept {
  for (std::int16_t i = 1; i <= 12; ++i) {
    if (MonthNames[static_cast<std::size_t>(i)] == name) return i;
  }
  return 0;
}

}  // namespace sauramiti::SauramitiRoutine
