// A date typed into the terminal picker: the text so far and what each new character does.
//
// Digits start a date; once one is typed, "/", "." and "-" separate its parts (before that, "-"
// keeps its meaning of the previous year). Devanagari digits arrive a byte at a time and count
// once their three bytes are in. The text is read from the right, relative to the page shown
// (navigation/typed_date.hpp): "15" is the 15th of the month shown, "9/15" Poush 15 of the
// year shown, "2081/9/15" the whole date. A character that would make the text something no
// further typing can turn into a date (a 13th month, a 33rd day, a letter among the digits) is
// refused: the text stays as it was and Problem() says why. Backspace takes back the last
// character.
#pragma once

#include <sauramiti/chrono/year_month_day.hpp>
#include <sauramiti/navigation/typed_date.hpp>
#include <string>

namespace sauramiti::terminal {

class DateTyping {
 public:
  // Takes `character` (a byte of the typed text, or 8 / 127 for Backspace) if it belongs to a
  // date, reading the text against `page` in `cal`; false when it is no part of one and means a
  // key.
  bool Type(int character, const bs::year_month_day& page, const bs::calendar& cal);
  // What the text names on `page` in `cal`.
  [[nodiscard]] navigation::TypedDate Read(const bs::year_month_day& page,
                                           const bs::calendar& cal) const;

  [[nodiscard]] const std::string& Text() const noexcept { return text_; }
  [[nodiscard]] bool Empty() const noexcept { return text_.empty() && pending_.empty(); }
  // Why the last character was refused; empty when it was taken.
  [[nodiscard]] const std::string& Problem() const noexcept { return problem_; }
  void Clear();

 private:
  void Append(const std::string& character, const bs::year_month_day& page,
              const bs::calendar& cal);
  void Backspace();

  std::string text_;
  std::string pending_;  // the first bytes of a character not yet whole
  std::string problem_;
};

}  // namespace sauramiti::terminal
