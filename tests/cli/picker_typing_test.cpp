// A date typed into the terminal picker: the text built, Enter going to it, Escape clearing it,
// and refusals that move nothing. The picker starts on 2059/01/01 (14 April 2002).
#include <gtest/gtest.h>

#include <memory>
#include <sauramiti/chrono/year_month_day.hpp>
#include <sauramiti/navigation/day_cells.hpp>
#include <string>
#include <terminal/picker.hpp>

namespace sauramiti::terminal {
namespace {

std::unique_ptr<Picker> MakePicker() {
  return std::make_unique<Picker>(PickerSetup{}, platform::LocalDate{2002, 4, 14});
}

// Each character of `text` through Type, or, when the picker does not take it, as a key.
PickerOutcome TypeText(Picker& picker, const std::string& text) {
  PickerOutcome outcome = PickerOutcome::Running;
  for (const char c : text) {
    const int character = static_cast<unsigned char>(c);
    if (!picker.Type(character)) outcome = picker.Press(PickerKeyForCharacter(character));
  }
  return outcome;
}

// The page shown and the day under the cursor.
std::string Shown(const Picker& picker) {
  const auto& children = picker.Control().Children();
  return children.cboYear->Text() + "/" + std::to_string(children.CBoMonth->ListIndex() + 1) + "/" +
         std::to_string(navigation::DayShown(children, picker.FocusCell()));
}

TEST(PickerTypingTest, EnterGoesToTheTypedDateReadFromTheRight) {
  const struct {
    const char* keys;
    const char* shown;
    const char* typed;  // what is left typed
  } cases[] = {
      {"2081.9.15\r", "2081/9/15", ""},
      {"2081-9-15\r", "2081/9/15", ""},
      // "-" before a digit is still the previous year; after one it separates.
      {"-", "2058/1/1", ""},
      {"2060/1", "2059/1/1", "2060/1"},      // nothing moves before Enter
      {"2060/1/\r", "2059/1/1", "2060/1/"},  // not a whole date: Enter moves nothing
      {"2081/13", "2059/1/1", "2081/1"},     // the 3 is refused
      {"2081/9/4\x7f"
       "15\r",
       "2081/9/15", ""},                       // Backspace mends
      {"3/7\r20\r", "2059/3/20", ""},          // relative to the page now shown
      {"2200/1/1\r", "2059/1/1", "2200/1/1"},  // beyond the year list
      {"12\x1b", "2059/1/1", ""},              // Escape clears the text only
      {"9/15l", "2059/1/8", "9/15"},           // another key does its work, the text stays
  };
  for (const auto& c : cases) {
    const auto picker = MakePicker();
    EXPECT_EQ(TypeText(*picker, c.keys), PickerOutcome::Running) << c.keys;
    EXPECT_EQ(Shown(*picker), c.shown) << c.keys;
    EXPECT_EQ(picker->Typed(), c.typed) << c.keys;
  }
}

TEST(PickerTypingTest, StatusSaysWhatIsTypedAndWhyACharacterIsRefused) {
  const auto picker = MakePicker();
  TypeText(*picker, "9/3");
  EXPECT_EQ(picker->Status(), "typed \"9/3\" = 2059/09/03: Enter goes there, Esc clears");
  TypeText(*picker, "5");
  EXPECT_NE(picker->Status().find("\"9/35\" is no date: Poush 2059 has"), std::string::npos)
      << picker->Status();
  EXPECT_EQ(picker->Typed(), "9/3");
  TypeText(*picker, "\x7f");
  EXPECT_EQ(picker->Status(), "typed \"9/\": type d, m/d or y/m/d, Esc clears");
  TypeText(*picker, "3\r");
  EXPECT_EQ(picker->Status(), "");
}

TEST(PickerTypingTest, EscapeCancelsOnlyWhenNothingIsTyped) {
  const auto picker = MakePicker();
  TypeText(*picker, "2");
  EXPECT_EQ(picker->Press(PickerKey::Cancel), PickerOutcome::Running);
  EXPECT_EQ(picker->Typed(), "");
  EXPECT_EQ(picker->Press(PickerKey::Cancel), PickerOutcome::Cancelled);
}

TEST(PickerTypingTest, EnterAfterGoingThereAndDevanagariDigits) {
  const auto picker = MakePicker();
  // "२०८१/९/१५": Devanagari digits, three bytes each.
  TypeText(*picker,
           "\xE0\xA5\xA8\xE0\xA5\xA6\xE0\xA5\xAE\xE0\xA5\xA7/\xE0\xA5\xAF/"
           "\xE0\xA5\xA7\xE0\xA5\xAB\r");
  EXPECT_EQ(Shown(*picker), "2081/9/15");
  EXPECT_EQ(picker->Press(PickerKey::Enter), PickerOutcome::Picked);
  EXPECT_EQ(picker->Control().SelectedDate(), (bs::year_month_day{2081, 9, 15}));
}

// Typed dates are read in the picker's calendar: Asar 2082 has a 32nd day only in the published
// one.
TEST(PickerTypingTest, TypedDatesAreDaysOfThePickersCalendar) {
  for (const int calendar : {0, 1}) {
    PickerSetup setup;
    setup.calendar = static_cast<std::int16_t>(calendar);
    Picker picker(setup, platform::LocalDate{2002, 4, 14});
    TypeText(picker, "2082/3/32\r");
    EXPECT_EQ(Shown(picker), calendar == 1 ? "2082/3/32" : "2082/3/3") << calendar;
  }
}

}  // namespace
}  // namespace sauramiti::terminal
