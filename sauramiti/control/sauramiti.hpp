// The Sauramiti control: an embeddable date picker for the Bikram Sambat calendar.
//
// The control shows one BS month as 35 day cells beside (vertical arrangement, the default) or
// under (horizontal) seven weekday headers, with a year list, a month list and two date panels
// above; the user picks a day and the host receives Click. It also offers the calendar's
// conversions as methods, which read and change nothing of the instance.
//
// Modes. The host's ambient UserMode is asked on every call that cares: true at run time (a
// running application), false at design time (a form designer). Read-only date properties refuse
// every Let (error 387 at design time, 382 at run time); `year`, `Value`, `JulianDate`,
// `EnglishDateStyle` and `Separator` are set at run time only (387 at design time);
// `WeekDayStyle` is read and set at design time only (Get 393, Let 382 at run time). Every
// successful Let or Set ends by sending the host PropertyChanged with the property's name.
//
// Life: Initialize, then InitProperties (a new instance: defaults, today's date) or
// ReadProperties (settings from the host's document, today's date); WriteProperties any number
// of times; Terminate. The host calls UserControl_Resize after every size change. For example:
//   #include <sauramiti/platform/headless/headless_host.hpp>
//   headless::HeadlessHost host;
//   Sauramiti control(host);
//   control.Initialize();
//   control.InitProperties();
//   control.English2NepaliDate(2002, 4, 14)      // "2059/01/01/1"
//   control.GetJulianDate(2059, 1, 1)            // 2452378.5
//   control.Terminate();
//
// Booleans are 16-bit: 0 false, -1 true; a property keeps any other value as it came.
//
// Errors reach the host as sauramiti::RuntimeError carrying the number (382, 387, 393 for
// refused accessors; 5, 6, 9, 11, 13 from the calendar, the view and the property bag; 91 when
// the view needs a font property that holds no font object). Nothing is caught inside: what was
// stored before the failing step stays stored, and no PropertyChanged follows a failure.
//
// The instance installs its handlers on its children and its Resize handler on the host; its
// destructor installs an empty Resize handler, so a host must not call an empty one.
#pragma once

#include <cstdint>
#include <memory>
#include <sauramiti/base/font.hpp>
#include <sauramiti/base/variant.hpp>
#include <sauramiti/calendar/enumerations.hpp>
#include <sauramiti/chrono/year_month_day.hpp>
#include <sauramiti/platform/host.hpp>
#include <sauramiti/platform/property_bag.hpp>
#include <string>

namespace sauramiti {

namespace view {
struct ChildControls;
}

class Sauramiti {
 public:
  // Creates the child controls through the host's toolkit; the instance is then "created"
  // (numbers zero, texts empty, no fonts) until InitProperties or ReadProperties.
  explicit Sauramiti(platform::Host& host);
  ~Sauramiti();
  Sauramiti(const Sauramiti&) = delete;
  Sauramiti& operator=(const Sauramiti&) = delete;

  // Container events.
  void Initialize();
  void InitProperties();
  void ReadProperties(platform::PropertyBag& bag);
  void WriteProperties(platform::PropertyBag& bag);
  void Terminate();
  void UserControl_Resize();

  // Properties, in the order of the control's interface.
  [[nodiscard]] std::int16_t English() const;
  void English(std::int16_t value);
  [[nodiscard]] std::int16_t Enabled() const;
  void Enabled(std::int16_t value);
  [[nodiscard]] Variant MaxYear() const;
  void MaxYear(const Variant& value);
  [[nodiscard]] std::int16_t MinYear() const;
  void MinYear(std::int16_t value);
  [[nodiscard]] std::string DateValue() const;
  void DateValue(const std::string& value);
  [[nodiscard]] std::int16_t month() const;
  void month(std::int16_t value);
  [[nodiscard]] std::int16_t Day() const;
  void Day(std::int16_t value);
  [[nodiscard]] std::int16_t Weekday() const;
  void Weekday(std::int16_t value);
  [[nodiscard]] std::int16_t year() const;
  void year(std::int16_t value);
  [[nodiscard]] std::int32_t UjjainAhargana() const;
  void UjjainAhargana(std::int32_t value);
  [[nodiscard]] std::string DateAD() const;
  void DateAD(const std::string& value);
  [[nodiscard]] FontRef EnglishFont() const;
  void EnglishFont(FontRef value);
  [[nodiscard]] FontRef NepaliFont() const;
  void NepaliFont(FontRef value);
  [[nodiscard]] std::int16_t Vertical() const;
  void Vertical(std::int16_t value);
  // Extensions (default 0, the original view): six weeks of day cells; the Gregorian day in
  // each day cell and the Gregorian months in the second panel.
  [[nodiscard]] std::int16_t SixWeeks() const;
  void SixWeeks(std::int16_t value);
  [[nodiscard]] std::int16_t ShowGregorianDay() const;
  void ShowGregorianDay(std::int16_t value);
  // Extension: the calendar the instance follows, 0 the model (default), 1 the published one;
  // any other value is error 380. A change keeps the selected day (its Gregorian date) and
  // the days MinDate and MaxDate name, and names them in the new calendar.
  [[nodiscard]] std::int16_t Calendar() const;
  void Calendar(std::int16_t value);
  // Extensions (picker_extensions.cpp): an outline on today's day cell; the earliest and latest
  // day the user may pick ("yyyy/mm/dd", "" for no limit; a text that is no day is error 13, a
  // lower limit after the upper one error 5); the text colour of the Saturday cells.
  [[nodiscard]] std::int16_t MarkToday() const;
  void MarkToday(std::int16_t value);
  [[nodiscard]] std::string MinDate() const;
  void MinDate(const std::string& value);
  [[nodiscard]] std::string MaxDate() const;
  void MaxDate(const std::string& value);
  [[nodiscard]] std::int32_t HolidayForeColor() const;
  void HolidayForeColor(std::int32_t value);
  [[nodiscard]] std::string Value() const;
  void Value(const std::string& value);
  [[nodiscard]] std::string EngStrDate() const;
  void EngStrDate(const std::string& value);
  [[nodiscard]] double JulianDate() const;
  void JulianDate(double value);
  [[nodiscard]] MyEnglishDateStyleConstants EnglishDateStyle() const;
  void EnglishDateStyle(MyEnglishDateStyleConstants value);
  [[nodiscard]] MyWeekDayStyle WeekDayStyle() const;
  void WeekDayStyle(MyWeekDayStyle value);
  [[nodiscard]] MyYMDSeparatorConstants Separator() const;
  void Separator(MyYMDSeparatorConstants value);
  [[nodiscard]] std::string ToolTipText() const;
  void ToolTipText(const std::string& value);

  // The selected date as a typed BS date, for C++ hosts: year, month and day as Value last set
  // them, unchecked (a host may set any Value; ok() says whether it is a day of the calendar).
  [[nodiscard]] bs::year_month_day SelectedDate() const;
  // Selects a day of the calendar as setting Value to its Value string would (the control's
  // separator, the date's own weekday), without reading the text back. A date that is not ok()
  // in the instance's calendar is error 5; setting it is refused in design mode as Value is (error
  // 382).
  void SelectDate(const bs::year_month_day& date);

  // Methods: pure conversions, the same in both modes.
  [[nodiscard]] std::string English2NepaliDate(std::int16_t myYear, std::int16_t myMonth,
                                               std::int16_t myDay,
                                               MyYMDSeparatorConstants sepCode = sepSlash) const;
  [[nodiscard]] std::int16_t GetFirstWeekDay(std::int16_t myYear, std::int16_t myMonth) const;
  [[nodiscard]] std::int16_t GetDaysInMonth(std::int16_t myYear, std::int16_t myMonth,
                                            MyDateDistinguisherConstants whatdate) const;
  [[nodiscard]] std::int16_t GetWeekDay(std::int16_t thisyear, std::int16_t thismonth,
                                        std::int16_t thisday) const;
  [[nodiscard]] double GetKaliAhargana(std::int16_t myYear, std::int16_t myMonth,
                                       std::int16_t myDay, std::int16_t mywkday = 9) const;
  [[nodiscard]] std::string Nepali2EnglishDate(
      std::int16_t myYear, std::int16_t myMonth, std::int16_t myDay, std::int16_t MyWeekDay = 9,
      MyYMDSeparatorConstants SepCharCode = sepSlash,
      MyEnglishDateStyleConstants style = datmmddyyyy) const;
  [[nodiscard]] double GetJulianDate(std::int16_t myY, std::int16_t myM, std::int16_t myD,
                                     std::int16_t MyWeekDay = 9) const;
  [[nodiscard]] std::string AharGana2NepaliDate(double KaliAhargana,
                                                MyYMDSeparatorConstants sepCode = sepSlash) const;
  [[nodiscard]] std::string JDate2EnglishDate(
      double MyJulianDate, MyYMDSeparatorConstants sepCode = sepSlash,
      MyEnglishDateStyleConstants style = datmmddyyyy) const;

  // Handlers of the child controls' events (the toolkit calls them through the handlers the
  // control installs on its children; tests and scripts may call them directly).
  void cboYear_Click();
  void CBoMonth_Click();
  void cboYear_DropDown();
  void CBoMonth_DropDown();
  void cboYear_KeyPress(std::int16_t& KeyAscii);
  void CBoMonth_KeyPress(std::int16_t& KeyAscii);
  void lblDay_Click(std::int16_t Index);

  // The child controls, for hosts that need to reach them (keyboard focus, accessibility).
  [[nodiscard]] const view::ChildControls& Children() const;

 private:
  // Error 5 unless the date lies within MinDate and MaxDate (always true without them).
  void RequireWithinLimits(const std::string& value) const;
  void RequireWithinLimits(const bs::year_month_day& date) const;
  // Stores a new MinDate (lower) or MaxDate; moves the selection into the limits, redraws and
  // fires the events.
  void ChangeDateLimit(bool lower, const std::string& text);
  // Moves the selected date to the nearest allowed day when it lies outside the limits; says
  // whether it moved.
  bool KeepSelectionWithinLimits();

  struct State;
  platform::Host& host_;
  std::unique_ptr<State> state_;
};

}  // namespace sauramiti
