// SauramitiDateEdit: a one-line field for a BS date, with the Sauramiti picker as its drop-down.
//
// Example (not compiled):
//   #include <qt/sauramiti_date_edit.hpp>
//   auto* field = new sauramiti::qt::SauramitiDateEdit(parent);
//   QObject::connect(field, &sauramiti::qt::SauramitiDateEdit::dateChanged,
//                    [](sauramiti::bs::year_month_day date) { ... });
//   field->setDate({2081, 9, 15});
//
// The field always holds a day of the picker's calendar (its Calendar property, the model unless
// set to the published one; a change of it keeps the field's day and names it in the new
// calendar, as the picker does with its selection): date() starts as today (the picker's new
// instance), and setDate() ignores a date that is not ok(). It shows the date as the picker
// writes its dates: year, month and day with the picker's Separator between them ("2081/09/15",
// or "2081-09-15" with Separator 1), in Devanagari digits when the picker is in Nepali
// (English false); a change of either setting shows the date again.
//
// Typing. The person may type a date in any form bs::parse reads ("2081-09-15", "2081/9/15",
// "2081.9.15", with ASCII or Devanagari digits) or with the control's "÷". A QValidator
// (typed_date_validator.hpp) refuses a keystroke that makes the text something no more typing can
// turn into a date: "2081-13", "2081-09-33" (nothing rolls over into the next month). The typed
// date becomes the field's date when it is committed: Enter, leaving the field, opening the
// drop-down or stepping. Half a date left behind goes back to the field's date.
//
// Keys in the field: Alt+Down, Alt+Up or F4 open the drop-down (the button does too); Up and
// Down step the date one day later or earlier, when the text is a whole date (the typed one;
// with half a date they do nothing); nothing steps past BS 1/1/1 or 9999/12/31.
//
// The drop-down shows the field's date selected, the keyboard focus in its grid. Picking a day
// (a click, or Enter or Space on the focus mark: the control's Click) sets the field and closes
// it; Escape, Alt+Up, Alt+Down, F4 or a click outside close it without a change. Either way the
// focus returns to the line edit. picker() is that picker, for its settings (English,
// Separator, MinYear, MaxYear, fonts, ...); a date outside its year list still goes in the
// field, and the drop-down then shows the year list's own choice.
//
// dateChanged(date) comes once for each change of date(), from typing, stepping, picking or
// setDate(); never for a date set again to what it was.
#pragma once

#include <QWidget>
#include <sauramiti/chrono/year_month_day.hpp>

class QLineEdit;
class QToolButton;

namespace sauramiti::qt {

class DatePopup;
class TypedDateValidator;
class SauramitiWidget;

class SauramitiDateEdit : public QWidget {
  Q_OBJECT

 public:
  explicit SauramitiDateEdit(QWidget* parent = nullptr);
  ~SauramitiDateEdit() override;

  [[nodiscard]] bs::year_month_day date() const { return date_; }
  // Takes `date` when it is a day of the calendar; any other is ignored.
  void setDate(const bs::year_month_day& date);

  // The drop-down's picker, and the field's parts (object names "dateText", "dropDownButton").
  [[nodiscard]] SauramitiWidget& picker() const;
  [[nodiscard]] QLineEdit* lineEdit() const { return lineEdit_; }
  [[nodiscard]] QToolButton* dropDownButton() const { return button_; }
  [[nodiscard]] bool isPopupShown() const;
  // The text the field shows for `date`.
  [[nodiscard]] QString textOf(const bs::year_month_day& date) const;

 public slots:
  void showPopup();
  void hidePopup();

 signals:
  void dateChanged(const sauramiti::bs::year_month_day& date);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Commit();
  void ShowDate();
  void Step(int days);
  void Picked();
  [[nodiscard]] const bs::calendar& Calendar() const;
  void FollowCalendar();

  QLineEdit* lineEdit_;
  TypedDateValidator* validator_;
  QToolButton* button_;
  DatePopup* popup_;
  bs::year_month_day date_;
  int calendarCode_ = 0;  // the picker's Calendar that date_ is a day of
};

}  // namespace sauramiti::qt
