// The picker's keys, without a terminal. The picker starts on 14 April 2002, BS 2059/01/01, a
// Sunday; Vaishaka and Jestha 2059 have 31 days, Asadh 32. Lengths of other months come from the
// calendar procedure, which the picker itself never asks.
#include <gtest/gtest.h>

#include <initializer_list>
#include <sauramiti/calendar/month_structure.hpp>
#include <string>
#include <string_view>
#include <terminal/picker.hpp>
#include <vector>

namespace sauramiti::terminal {
namespace {

constexpr platform::LocalDate kStart{2002, 4, 14};

using Keys = std::vector<PickerKey>;
using K = PickerKey;

std::string LastDayValue(std::int16_t year, std::int16_t month, std::int16_t back) {
  const auto day =
      static_cast<std::int16_t>(SauramitiRoutine::GetDaysInMonth(year, month, disNepali) - back);
  const std::int16_t weekday = SauramitiRoutine::GetWeekDay(year, month, day);
  char text[48];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d/%d", year, month, day, weekday);
  return text;
}

struct PickCase {
  std::string_view name;
  PickerSetup setup;
  Keys keys;  // Enter is pressed after them
  std::string value;
};

TEST(PickerTest, KeysMoveTheCursorAndEnterPicksThroughTheControl) {
  const PickerSetup vertical;
  PickerSetup horizontal;
  horizontal.horizontal = true;
  PickerSetup dashes;
  dashes.separator = 1;
  PickerSetup nepali;
  nepali.nepali = true;

  const std::initializer_list<PickCase> cases = {
      {"today", vertical, {}, "2059/01/01/1"},
      {"vertical: down is the next day", vertical, {K::Down, K::Down}, "2059/01/03/3"},
      {"vertical: right is the next week", vertical, {K::Right, K::Right}, "2059/01/15/1"},
      {"horizontal: right is the next day", horizontal, {K::Right}, "2059/01/02/2"},
      {"horizontal: down is the next week", horizontal, {K::Down}, "2059/01/08/1"},
      {"up from the first day goes to last month's last",
       vertical,
       {K::Up},
       LastDayValue(2058, 12, 0)},
      {"left from the first day goes back a week", vertical, {K::Left}, LastDayValue(2058, 12, 6)},
      {"end is the last day", vertical, {K::End}, "2059/01/31/3"},
      {"past the end into the next month", vertical, {K::End, K::Down}, "2059/02/01/4"},
      {"a week past the end", horizontal, {K::End, K::Down}, "2059/02/07/3"},
      {"page down keeps the day", vertical, {K::Right, K::PageDown}, "2059/02/08/4"},
      {"page up from Vaishaka turns the year", vertical, {K::PageUp}, "2058/12/01/"},
      {"page down keeps the last day where the month is shorter",
       vertical,
       {K::PageDown, K::PageDown, K::End, K::PageDown},
       LastDayValue(2059, 4, 0)},
      {"next and previous year",
       vertical,
       {K::NextYear, K::NextYear, K::PreviousYear},
       "2060/01/01/"},
      {"home after moving", vertical, {K::End, K::Home}, "2059/01/01/1"},
      {"back to the start",
       vertical,
       {K::NextYear, K::PageDown, K::Down, K::Today},
       "2059/01/01/1"},
      {"unused keys change nothing", vertical, {K::None}, "2059/01/01/1"},
      {"the control's separator", dashes, {K::Down}, "2059-01-02-2"},
      {"Nepali lists turn by position", nepali, {K::PageDown, K::Down}, "2059/02/02/5"},
  };
  for (const PickCase& c : cases) {
    Picker picker(c.setup, kStart);
    for (const PickerKey key : c.keys) {
      ASSERT_EQ(picker.Press(key), PickerOutcome::Running) << c.name;
      EXPECT_EQ(picker.Status(), "") << c.name;
    }
    ASSERT_EQ(picker.Press(K::Enter), PickerOutcome::Picked) << c.name;
    const std::string value = picker.Control().Value();
    if (c.value.back() == '/') {  // the weekday is not part of what the case checks
      EXPECT_EQ(value.substr(0, c.value.size()), c.value) << c.name;
    } else {
      EXPECT_EQ(value, c.value) << c.name;
    }
  }
}

TEST(PickerTest, TurningPagesGoesThroughTheListsAndLeavesTheDateAlone) {
  Picker picker({}, kStart);
  EXPECT_EQ(picker.FocusCell(), 0);
  picker.Press(K::PageDown);
  picker.Press(K::PageDown);
  const auto& children = picker.Control().Children();
  EXPECT_EQ(children.CBoMonth->ListIndex(), 2);
  EXPECT_EQ(children.CBoMonth->Text(), "Asadh");
  EXPECT_EQ(picker.Control().month(), 3) << "the list's Click handler turned the page";
  EXPECT_EQ(picker.Control().Value(), "2059/01/01/1") << "no day was picked yet";
  // Asadh 2059 begins on a Saturday: day 1 sits in cell 6.
  EXPECT_EQ(picker.FocusCell(), 6);
}

TEST(PickerTest, MovesTheListsCannotMakeChangeNothing) {
  Picker picker({}, kStart);
  picker.Control().MinYear(2059);
  picker.Control().MaxYear(Variant::Integer(2059));
  for (const PickerKey key : {K::PreviousYear, K::NextYear, K::PageUp, K::Up}) {
    EXPECT_EQ(picker.Press(key), PickerOutcome::Running);
    EXPECT_NE(picker.Status(), "");
    EXPECT_EQ(picker.Control().Children().cboYear->Text(), "2059");
    EXPECT_EQ(picker.Control().Children().CBoMonth->Text(), "Vaishaka");
    EXPECT_EQ(picker.FocusCell(), 0);
  }
  picker.Press(K::Down);
  EXPECT_EQ(picker.Status(), "") << "a key that works clears the message";
}

TEST(PickerTest, CancelAndDisabledControlsPickNothing) {
  Picker cancelled({}, kStart);
  cancelled.Press(K::Down);
  EXPECT_EQ(cancelled.Press(K::Cancel), PickerOutcome::Cancelled);
  EXPECT_EQ(cancelled.Control().Value(), "2059/01/01/1");

  Picker disabled({}, kStart);
  disabled.Control().Enabled(0);
  EXPECT_EQ(disabled.FocusCell(), -1);
  EXPECT_EQ(disabled.Press(K::Enter), PickerOutcome::Running);
  EXPECT_NE(disabled.Status(), "");
  EXPECT_EQ(disabled.Press(K::Right), PickerOutcome::Running);
  EXPECT_NE(disabled.Status(), "");
}

struct CharacterCase {
  int character;
  PickerKey key;
};

TEST(PickerKeyForCharacterTest, LettersAndControlCharacters) {
  const std::initializer_list<CharacterCase> cases = {
      {'h', K::Left},     {'l', K::Right},    {'k', K::Up},           {'j', K::Down},
      {'y', K::NextYear}, {'+', K::NextYear}, {'Y', K::PreviousYear}, {'-', K::PreviousYear},
      {'t', K::Today},    {'\n', K::Enter},   {'\r', K::Enter},       {27, K::Cancel},
      {'q', K::Cancel},   {'Q', K::None},     {'x', K::None},
  };
  for (const CharacterCase& c : cases) {
    EXPECT_EQ(PickerKeyForCharacter(c.character), c.key) << c.character;
  }
}

}  // namespace
}  // namespace sauramiti::terminal
