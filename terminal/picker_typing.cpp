// The picker's typed date: reading it against the page shown and going to it.
#include <charconv>
#include <sauramiti/chrono/date_format.hpp>
#include <sauramiti/convert/calendar_methods.hpp>
#include <sauramiti/navigation/day_cells.hpp>
#include <sauramiti/navigation/page_turns.hpp>
#include <terminal/picker.hpp>

namespace sauramiti::terminal {

namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string DateText(const bs::year_month_day& date) { return bs::format(date, "%Y/%m/%d"); }

}  // namespace

bool Picker::Type(int character) {
  status_.clear();
  const bool taken = typing_.Type(character, PageDate(), Calendar());
  if (!typing_.Problem().empty()) status_ = typing_.Problem() + " (Backspace or Esc)";
  ShowTyped();
  return taken;
}

const bs::calendar& Picker::Calendar() const {
  return SauramitiRoutine::CalendarOfCode(control_.Calendar());
}

bs::year_month_day Picker::PageDate() const {
  const navigation::Page page = navigation::PageShown(control_.Children());
  int year = 0;
  const char* first = page.yearText.data();
  std::from_chars(first, first + page.yearText.size(), year);
  return {year, static_cast<unsigned>(page.monthIndex + 1), 1};
}

// The typed date's page chosen through the lists, then the cursor put on its day. The text
// stays when the date cannot be shown, so that the person can mend it.
void Picker::GoToTyped() {
  const navigation::TypedDate typed = typing_.Read(PageDate(), Calendar());
  if (typed.state != navigation::TypedDateState::Complete) {
    status_ = Quoted(typing_.Text()) + " is not a whole date yet: type d, m/d or y/m/d";
    return;
  }
  const bs::year_month_day date = typed.date;
  const view::ChildControls& children = control_.Children();
  const navigation::Page page{std::to_string(date.year()),
                              static_cast<std::int32_t>(date.month()) - 1};
  const navigation::Refusal refused = navigation::GoToPage(children, host_, page);
  if (refused == navigation::Refusal::StartNotInList) {
    const platform::ComboBox& years = *children.cboYear;
    status_ = DateText(date) + " is beyond the year list (" + years.List(0) + " to " +
              years.List(years.ListCount() - 1) + ")";
    return;
  }
  if (refused != navigation::Refusal::None) {
    status_ = std::string(navigation::RefusalText(refused));
    return;
  }
  const int cell = navigation::CellOfDay(children, static_cast<int>(date.day()));
  if (cell < 0) {
    status_ = DateText(date) + " cannot be chosen here";
    return;
  }
  navigator_->FocusArea(navigation::Area::Days);
  navigator_->FocusOnCell(cell);
  typing_.Clear();
}

// The typed text on the status line, unless the line already says something.
void Picker::ShowTyped() {
  if (!status_.empty() || typing_.Text().empty()) return;
  const navigation::TypedDate typed = typing_.Read(PageDate(), Calendar());
  if (typed.state == navigation::TypedDateState::Complete) {
    status_ = "typed " + Quoted(typing_.Text()) + " = " + DateText(typed.date) +
              ": Enter goes there, Esc clears";
  } else {
    status_ = "typed " + Quoted(typing_.Text()) + ": type d, m/d or y/m/d, Esc clears";
  }
}

}  // namespace sauramiti::terminal
