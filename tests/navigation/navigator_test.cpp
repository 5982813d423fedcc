// The navigation layer on a real control instance through the headless host: keys move the
// focus and turn pages only through the control's own lists and cells.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <sauramiti/calendar/month_structure.hpp>
#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/navigation/day_cells.hpp>
#include <sauramiti/navigation/navigator.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <string>
#include <vector>

namespace sauramiti::navigation {
namespace {

using SetUpControl = std::function<void(Sauramiti&, headless::HeadlessHost&)>;

// One control whose clock says 2002-04-14 (BS 2059/01/01, a Sunday), set up as a case asks,
// with a navigator over it.
class Session {
 public:
  Session(FocusModel model, const SetUpControl& setup) : control_(host_) {
    host_.SetToday({2002, 4, 14});
    control_.Initialize();
    control_.InitProperties();
    if (setup) setup(control_, host_);
    host_.TakeEvents();
    navigator_.emplace(control_, host_, host_, model);
  }
  ~Session() { control_.Terminate(); }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Navigator& Keys() { return *navigator_; }
  Sauramiti& Control() { return control_; }
  headless::HeadlessHost& Host() { return host_; }
  int YearShown() const {
    const std::string text = control_.Children().cboYear->Text();
    return text.empty() ? -1 : std::stoi(text);
  }
  int MonthShown() const { return control_.Children().CBoMonth->ListIndex() + 1; }
  int FocusDay() const { return DayShown(control_.Children(), navigator_->FocusCell()); }

 private:
  headless::HeadlessHost host_;
  Sauramiti control_;
  std::optional<Navigator> navigator_;
};

int DaysIn(int year, int month) {
  return SauramitiRoutine::GetDaysInMonth(static_cast<std::int16_t>(year),
                                          static_cast<std::int16_t>(month), disNepali);
}

const SetUpControl kNone;
const SetUpControl kHorizontal = [](Sauramiti& c, auto&) { c.Vertical(0); };
const SetUpControl kDisabled = [](Sauramiti& c, auto&) { c.Enabled(0); };
SetUpControl At(const char* value) {
  return [value](Sauramiti& c, auto&) { c.Value(value); };
}
SetUpControl YearsFrom(std::int16_t min, const char* value) {
  return [=](Sauramiti& c, auto&) { c.MinYear(min), c.Value(value); };
}
SetUpControl YearsTo(std::int16_t max, const char* value) {
  return [=](Sauramiti& c, auto&) { c.MaxYear(Variant::Integer(max)), c.Value(value); };
}

TEST(NavigatorTest, DaysFocusWalksDaysAndTurnsPagesThroughTheLists) {
  using enum Key;
  // clang-format off
  const struct {
    const char* name;
    SetUpControl setup;
    std::vector<Key> keys;
    int year, month, day;  // the page shown and the focused day after the keys
    Result last;           // what the last key gave
    Refusal why = Refusal::None;
    Area area = Area::Days;
  } cases[] = {
    {"vertical: down is the next day", kNone, {Down, Down}, 2059, 1, 3, Result::Done},
    {"horizontal: left from the first day ends the year before", kHorizontal, {Left},
     2058, 12, DaysIn(2058, 12), Result::Done},
    {"vertical: left from the first day is a week back", kNone, {Left},
     2058, 12, DaysIn(2058, 12) - 6, Result::Done},
    {"page up crosses into Chaitra", kNone, {PageUp}, 2058, 12, 1, Result::Done},
    {"page down past Chaitra", At("2059/12/15"), {PageDown}, 2060, 1, 15, Result::Done},
    {"a week past Chaitra's end", At("2059/12/15"), {End, Right}, 2060, 1, 7, Result::Done},
    {"a shorter month keeps its last day", kNone, {PageDown, PageDown, End, PageDown},
     2059, 4, std::min(DaysIn(2059, 3), DaysIn(2059, 4)), Result::Done},
    {"end then home", kNone, {End, Home}, 2059, 1, 1, Result::Done},
    {"end of a 32-day month whose last days wrap", At("2059/03/10"), {End}, 2059, 3, 32,
     Result::Done},
    {"years", kNone, {NextYear, NextYear, PreviousYear}, 2060, 1, 1, Result::Done},
    {"tab: down in the year list", kNone, {Tab, Down}, 2060, 1, 1, Result::Done,
     Refusal::None, Area::YearList},
    {"back tab: right in the month list", kNone, {BackTab, Right}, 2059, 2, 1, Result::Done,
     Refusal::None, Area::MonthList},
    {"tab twice: up in the month list", kNone, {Tab, Tab, Up}, 2058, 12, 1, Result::Done,
     Refusal::None, Area::MonthList},
    {"back to the start", At("2059/03/10"), {NextYear, PageDown, Down, Today},
     2059, 3, 10, Result::Done},
    {"a one-year list: no year before", YearsFrom(2059, "2059/01/01"), {PageUp},
     2059, 1, 1, Result::Refused, Refusal::YearListStarts},
    {"a list ending at this year: no year after", YearsTo(2059, "2059/01/01"), {NextYear},
     2059, 1, 1, Result::Refused, Refusal::YearListEnds},
    {"year 1: no month before Vaishaka", YearsFrom(1, "0001/01/05"), {PageUp},
     1, 1, 5, Result::Refused, Refusal::YearListStarts},
    {"year 1: a day back", YearsFrom(1, "0001/01/05"), {Up}, 1, 1, 4, Result::Done},
    {"year 1: no day before the first", YearsFrom(1, "0001/01/01"), {Up},
     1, 1, 1, Result::Refused, Refusal::YearListStarts},
    {"year 9999: no month after Chaitra", YearsTo(9999, "9999/12/03"), {PageDown},
     9999, 12, 3, Result::Refused, Refusal::YearListEnds},
    {"year 9999: no day after the last", YearsTo(9999, "9999/12/03"), {End, Down},
     9999, 12, DaysIn(9999, 12), Result::Refused, Refusal::YearListEnds},
    {"design mode takes no key", [](auto&, auto& h) { h.SetUserMode(false); }, {Right},
     2059, 1, 1, Result::Refused, Refusal::DesignMode},
    // A disabled control shows no page (year -1, month 0, day 0), and no key makes one.
    {"a disabled control takes no key", kDisabled, {PageDown}, -1, 0, 0, Result::Refused,
     Refusal::Disabled},
    {"but giving up is always open", kDisabled, {Cancel}, -1, 0, 0, Result::Cancelled},
    {"cancel", kNone, {Down, Cancel}, 2059, 1, 2, Result::Cancelled},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Session session(FocusModel::Days, c.setup);
    Result last = Result::Done;
    for (const Key key : c.keys) last = session.Keys().Press(key);
    EXPECT_EQ(session.YearShown() * 100 + session.MonthShown(), c.year * 100 + c.month);
    EXPECT_EQ(session.FocusDay(), c.day);
    EXPECT_EQ(last, c.last);
    EXPECT_EQ(session.Keys().LastRefusal(), c.why);
    EXPECT_EQ(session.Keys().FocusArea(), c.area);
    if (c.last == Result::Refused) {
      EXPECT_TRUE(session.Host().TakeEvents().empty()) << "a refused key raises no event";
    }
  }
}

TEST(NavigatorTest, CellsFocusWalksEnabledCellsAndStopsAtTheGridsEdge) {
  using enum Key;
  // Vaishaka 2059 has 31 days from a Sunday: cells 0 to 30, cells 31 to 34 empty. Jestha starts
  // on a Wednesday (cell 3).
  // clang-format off
  const struct {
    const char* name;
    SetUpControl setup;
    std::vector<Key> keys;
    int cell;
    int month;
  } cases[] = {
    {"no mark settles on the first enabled cell", kNone, {Right}, 0, 1},
    {"horizontal: down stops at the empty tail", kHorizontal, {Down, Down, Down, Down, Down}, 28, 1},
    {"vertical: right stops at the empty tail", kNone, {Right, Right, Right, Right, Right}, 28, 1},
    {"vertical: down walks days to the last", kNone, std::vector<Key>(40, Down), 30, 1},
    {"up stops at the first cell", kNone, {Up, Up}, 0, 1},
    {"end is the last day's cell", kNone, {End}, 30, 1},
    {"a page turn keeps an enabled cell", kHorizontal,
     {Down, Down, Down, Down, Down, PageDown}, 28, 2},
    {"else the first enabled cell takes the mark", kNone, {Up, PageDown}, 3, 2},
    {"home is the first day, not the first cell", kNone, {PageDown, End, Home}, 3, 2},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Session session(FocusModel::Cells, c.setup);
    ASSERT_EQ(session.Keys().FocusCell(), -1) << "the mark starts on no cell";
    for (const Key key : c.keys) session.Keys().Press(key);
    EXPECT_EQ(session.Keys().FocusCell(), c.cell);
    EXPECT_EQ(session.MonthShown(), c.month);
  }
  Session settled(FocusModel::Cells, At("2059/01/15"));
  settled.Keys().SettleOnCell();
  EXPECT_EQ(settled.Keys().FocusCell(), 14) << "a focus-in settles on the selected day";
}

TEST(NavigatorTest, ClicksGoThroughTheControlsOwnCells) {
  Session days(FocusModel::Days, kNone);
  EXPECT_EQ(days.Keys().Press(Key::Right), Result::Done);
  EXPECT_EQ(days.Keys().Press(Key::Enter), Result::ClickDelivered);
  EXPECT_EQ(days.Control().Value(), "2059/01/08/1");
  EXPECT_EQ(days.Host().TakeEvents(), (std::vector<std::string>{"Click"}));

  const struct {
    const char* name;
    FocusModel model;
    SetUpControl setup;
    int cell;
    Result result;
    Refusal why;
    std::string value;  // the selected date afterwards
  } cases[] = {
      {"a day's cell picks it", FocusModel::Days, kNone, 17, Result::ClickDelivered, Refusal::None,
       "2059/01/18/4"},
      {"an empty cell does nothing", FocusModel::Days, kNone, 33, Result::Done, Refusal::None,
       "2059/01/01/1"},
      {"no cell there", FocusModel::Cells, kNone, 35, Result::Done, Refusal::None, "2059/01/01/1"},
      {"a disabled control", FocusModel::Cells, kDisabled, 17, Result::Refused, Refusal::Disabled,
       "2059/01/01/1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Session session(c.model, c.setup);
    EXPECT_EQ(session.Keys().ClickCell(c.cell), c.result);
    EXPECT_EQ(session.Keys().LastRefusal(), c.why);
    EXPECT_EQ(session.Control().Value(), c.value);
  }

  // The mark on an empty (disabled) cell: the label reports no click, as the control wants.
  Session empty(FocusModel::Cells, kNone);
  empty.Keys().FocusOnCell(34);
  EXPECT_EQ(empty.Keys().Press(Key::Space), Result::Refused);
  EXPECT_EQ(empty.Keys().LastRefusal(), Refusal::ClickNotTaken);
  EXPECT_TRUE(empty.Host().TakeEvents().empty());
  Session none(FocusModel::Cells, kNone);
  EXPECT_EQ(none.Keys().Press(Key::Enter), Result::Refused);
  EXPECT_EQ(none.Keys().LastRefusal(), Refusal::NoDayToPick);
}

}  // namespace
}  // namespace sauramiti::navigation
