#include <cli/calendar_json.hpp>
#include <cli/month_calendar.hpp>
#include <sauramiti/calendar/enumerations.hpp>
#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/convert/date_string_forms.hpp>
#include <sauramiti/platform/headless/headless_host.hpp>
#include <stdexcept>
#include <string>
#include <terminal/ansi_text.hpp>
#include <terminal/display_width.hpp>
#include <terminal/side_by_side.hpp>
#include <terminal/view_layout.hpp>
#include <terminal/view_picture.hpp>
#include <utility>
#include <vector>

namespace sauramiti::cli {

namespace {

constexpr std::size_t kMonthGap = 3;
constexpr std::size_t kMostAcross = 3;

using YearMonth = std::pair<std::int16_t, std::int16_t>;

// Makes the year list reach `year`.
void WidenYearList(Sauramiti& control, std::int16_t year) {
  if (year < control.MinYear()) control.MinYear(year);
  if (year > control.MaxYear().ToDouble()) control.MaxYear(Variant::Integer(year));
}

bool MonthExists(const Sauramiti& control, YearMonth month) {
  return month.first >= 1 && month.first <= 9999 &&
         control.GetDaysInMonth(month.first, month.second, disNepali) != 0;
}

void RequireMonth(const Sauramiti& control, YearMonth month) {
  if (!MonthExists(control, month)) {
    throw std::invalid_argument("there is no BS month " + std::to_string(month.first) + "/" +
                                std::to_string(month.second) +
                                " (years 1 to 9999, months 1 to 12)");
  }
}

void ShowFirstDay(Sauramiti& control, std::int16_t year, std::int16_t month) {
  RequireMonth(control, {year, month});
  WidenYearList(control, year);
  control.SelectDate(bs::year_month_day{year, static_cast<unsigned>(month), 1});
}

YearMonth Step(YearMonth month, int months) {
  const int index = month.first * 12 + (month.second - 1) + months;  // [-1, 120000]
  return {static_cast<std::int16_t>(index / 12), static_cast<std::int16_t>(index % 12 + 1)};
}

// A control instance whose clock says today, turned to one month after another.
class MonthShower {
 public:
  MonthShower(const CalendarOptions& options, platform::LocalDate today) : control_(host_) {
    host_.SetToday(today);
    control_.Initialize();
    control_.InitProperties();
    if (options.nepali) control_.English(0);
    if (options.horizontal) control_.Vertical(0);
    if (options.sixWeeks) control_.SixWeeks(-1);
    if (options.gregorianDays) control_.ShowGregorianDay(-1);
    if (options.calendar != 0) control_.Calendar(options.calendar);  // today stays selected
    if (options.holidayColor) control_.HolidayForeColor(*options.holidayColor);
    today_ = {control_.year(), control_.month()};
    todayDay_ = control_.Day();
    todayValue_ = control_.Value();
    script_ = options.nepali && !options.legacy ? terminal::Script::Devanagari
                                                : terminal::Script::AsStored;
  }
  ~MonthShower() { control_.Terminate(); }
  MonthShower(const MonthShower&) = delete;
  MonthShower& operator=(const MonthShower&) = delete;

  // Today's month with today selected, any other with its first day.
  void Show(YearMonth month) {
    if (month == Shown()) return;
    if (month == today_) {
      control_.Value(todayValue_);
    } else {
      ShowFirstDay(control_, month.first, month.second);
    }
  }

  YearMonth Shown() const { return {control_.year(), control_.month()}; }
  YearMonth Today() const { return today_; }
  std::int16_t TodayDay() const { return todayDay_; }
  const Sauramiti& Control() const { return control_; }

  terminal::ViewPicture Picture() const {
    return terminal::TakeViewPicture(control_.Children(), control_.Vertical(), script_);
  }

 private:
  headless::HeadlessHost host_;
  Sauramiti control_;
  YearMonth today_;
  std::int16_t todayDay_ = 1;
  std::string todayValue_;
  terminal::Script script_ = terminal::Script::AsStored;
};

// The cell of the control's selected look, which is today's in today's month.
int SelectedCell(const terminal::ViewPicture& picture) {
  for (std::size_t j = 0; j < picture.days.size(); ++j) {
    if (picture.days[j].selectedLook) return static_cast<int>(j);
  }
  return -1;
}

std::vector<YearMonth> MonthsShown(const CalendarOptions& options, const MonthShower& shower) {
  const YearMonth center{options.year.value_or(shower.Today().first),
                         options.month.value_or(shower.Today().second)};
  std::vector<YearMonth> months;
  switch (options.page) {
    case CalendarPage::OneMonth:
      return {center};
    case CalendarPage::ThreeMonths:
      for (int step = -1; step <= 1; ++step) {
        const YearMonth month = Step(center, step);
        if (step == 0 || MonthExists(shower.Control(), month)) months.push_back(month);
      }
      return months;
    case CalendarPage::WholeYear:
      for (std::int16_t m = 1; m <= 12; ++m) months.push_back({center.first, m});
      return months;
  }
  return months;
}

void WriteOneMonth(std::ostream& out, const CalendarOptions& options, MonthShower& shower,
                   YearMonth month) {
  shower.Show(month);
  const terminal::ViewPicture picture = shower.Picture();
  terminal::LayoutOptions layout;
  layout.bracketSelection = !options.color;
  if (month == shower.Today() && options.color) layout.todayCell = SelectedCell(picture);
  terminal::WriteStyledLines(out, terminal::LayOutView(picture, layout), options.color);
}

void WriteSeveralMonths(std::ostream& out, const CalendarOptions& options, MonthShower& shower,
                        const std::vector<YearMonth>& months) {
  const bool oneYear = options.page == CalendarPage::WholeYear;
  std::vector<terminal::Block> blocks;
  std::string yearTitle;
  for (const YearMonth& month : months) {
    shower.Show(month);
    const terminal::ViewPicture picture = shower.Picture();
    terminal::LayoutOptions layout;
    layout.bracketSelection = !options.color;
    layout.showSelection = false;
    if (month == shower.Today()) layout.todayCell = SelectedCell(picture);
    yearTitle = picture.yearText;
    const std::string title =
        oneYear ? picture.monthText : picture.monthText + " " + picture.yearText;
    blocks.push_back(terminal::LayOutGrid(picture, layout, title));
  }

  const std::size_t column = terminal::WidestLine(blocks);
  std::size_t across = kMostAcross;
  while (across > 1 && options.width > 0 &&
         across * column + (across - 1) * kMonthGap > options.width) {
    --across;
  }
  std::vector<terminal::StyledLine> lines;
  if (oneYear) {
    const std::size_t total = across * column + (across - 1) * kMonthGap;
    terminal::TextStyle bold;
    bold.bold = true;
    const std::size_t titleWidth = terminal::DisplayWidth(yearTitle);
    lines.push_back(
        {terminal::Span{std::string(titleWidth < total ? (total - titleWidth) / 2 : 0, ' '), {}},
         terminal::Span{yearTitle, bold}});
    lines.emplace_back();
  }
  for (std::size_t first = 0; first < blocks.size(); first += across) {
    if (first > 0) lines.emplace_back();
    const std::vector<terminal::Block> row(
        blocks.begin() + static_cast<std::ptrdiff_t>(first),
        blocks.begin() + static_cast<std::ptrdiff_t>(std::min(first + across, blocks.size())));
    const std::vector<terminal::StyledLine> joined = terminal::SideBySide(row, kMonthGap);
    lines.insert(lines.end(), joined.begin(), joined.end());
  }
  terminal::WriteStyledLines(out, lines, options.color);
}

void WriteJsonMonths(std::ostream& out, MonthShower& shower, const std::vector<YearMonth>& months) {
  std::vector<MonthFacts> facts;
  for (const YearMonth& month : months) {
    shower.Show(month);
    const Sauramiti& control = shower.Control();
    MonthFacts fact;
    fact.year = month.first;
    fact.month = month.second;
    fact.name = shower.Picture().monthText;
    fact.days = control.GetDaysInMonth(month.first, month.second, disNepali);
    fact.firstWeekday = control.GetFirstWeekDay(month.first, month.second);
    fact.firstDayAd =
        control.Nepali2EnglishDate(month.first, month.second, 1, 9, sepDash, datyyyymmdd);
    if (month == shower.Today()) fact.today = shower.TodayDay();
    facts.push_back(std::move(fact));
  }
  WriteCalendarJson(out, facts);
}

}  // namespace

void WriteMonthCalendar(std::ostream& out, const CalendarOptions& options,
                        platform::LocalDate today) {
  MonthShower shower(options, today);
  const std::vector<YearMonth> months = MonthsShown(options, shower);
  for (const YearMonth& month : months) RequireMonth(shower.Control(), month);
  if (options.json) {
    WriteJsonMonths(out, shower, months);
  } else if (options.page == CalendarPage::OneMonth) {
    WriteOneMonth(out, options, shower, months.front());
  } else {
    WriteSeveralMonths(out, options, shower, months);
  }
}

}  // namespace sauramiti::cli
