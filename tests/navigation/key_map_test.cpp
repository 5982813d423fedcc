// The shared key map: what each key means by the focus area and the arrangement shown.
#include <gtest/gtest.h>

#include <sauramiti/navigation/key_map.hpp>

namespace sauramiti::navigation {
namespace {

// The other keys mean one action wherever the focus is; what each does is navigator_test's.
TEST(KeyMapTest, ArrowsFollowTheArrangementAndTheFocusArea) {
  using enum Key;
  const struct {
    const char* name;
    Key key;
    Area area;
    bool vertical;
    Action action;
  } cases[] = {
      {"vertical: down is the next day", Down, Area::Days, true, Action::NextDay},
      {"vertical: up is the day before", Up, Area::Days, true, Action::PreviousDay},
      {"vertical: right is the next week", Right, Area::Days, true, Action::NextWeek},
      {"vertical: left is the week before", Left, Area::Days, true, Action::PreviousWeek},
      {"horizontal: right is the next day", Right, Area::Days, false, Action::NextDay},
      {"horizontal: left is the day before", Left, Area::Days, false, Action::PreviousDay},
      {"horizontal: down is the next week", Down, Area::Days, false, Action::NextWeek},
      {"horizontal: up is the week before", Up, Area::Days, false, Action::PreviousWeek},
      {"year list: up is its entry before", Up, Area::YearList, true, Action::PreviousEntry},
      {"year list: left is its entry before", Left, Area::YearList, false, Action::PreviousEntry},
      {"month list: down is its next entry", Down, Area::MonthList, false, Action::NextEntry},
      {"month list: right is its next entry", Right, Area::MonthList, true, Action::NextEntry},
      {"a page key works in a list", PageDown, Area::YearList, true, Action::NextMonth},
      {"an unused key", None, Area::Days, true, Action::None},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ActionForKey(c.key, c.area, c.vertical), c.action) << c.name;
  }
}

TEST(KeyMapTest, CharactersOfTheTerminal) {
  const struct {
    int character;
    Key key;
  } cases[] = {
      {'h', Key::Left},         {'j', Key::Down},
      {'k', Key::Up},           {'l', Key::Right},
      {'y', Key::NextYear},     {'+', Key::NextYear},
      {'Y', Key::PreviousYear}, {'-', Key::PreviousYear},
      {'t', Key::Today},        {'\n', Key::Enter},
      {'\r', Key::Enter},       {'q', Key::Cancel},
      {27, Key::Cancel},        {9, Key::Tab},
      {' ', Key::None},         {'H', Key::None},
      {0, Key::None},           {-1, Key::None},
  };
  for (const auto& c : cases) EXPECT_EQ(KeyForCharacter(c.character), c.key) << c.character;
}

}  // namespace
}  // namespace sauramiti::navigation
