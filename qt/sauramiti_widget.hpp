// SauramitiWidget: the Sauramiti date picker as a Qt widget.
//
// The widget owns one `sauramiti::Sauramiti` control and is its host: it is the control's
// surface, its child controls are Qt widgets inside it (qt_toolkit.hpp), and the control's
// Click and PropertyChanged come out as the signals clicked() and propertyChanged(name).
// A new widget holds a new instance (InitProperties: the default settings and today's date,
// from QDate::currentDate()); newDocument() and load() replace it with a fresh or a saved one.
//
// Example (not compiled):
//   #include <qt/sauramiti_widget.hpp>
//   auto* picker = new sauramiti::qt::SauramitiWidget(parent);
//   QObject::connect(picker, &sauramiti::qt::SauramitiWidget::clicked, [picker] {
//     qDebug() << picker->value() << picker->dateAD();  // "2059/01/15/1" "04/28/2002"
//   });
//
// Properties. Every property of the control is a Qt property of the same name ("English",
// "MaxYear", "Value", ...), one for each entry of the control's property table
// (<sauramiti/control/property_table.hpp>); moc needs them written out below, and a test fails
// when an entry has no Q_PROPERTY here or its flag or help text differ. The ones a property
// browser lists (English, Enabled, MaxYear, MinYear, EnglishFont, NepaliFont, Vertical,
// WeekDayStyle, ToolTipText) are DESIGNABLE, the others not; each property's help text is the
// class info of its name. The control's own rules
// hold: read-only dates refuse every set (387 in design mode, 382 at run time), Value, year,
// JulianDate, EnglishDateStyle and Separator are set at run time only, WeekDayStyle is read and
// set in design mode only. Qt must not see exceptions, so the Qt accessors never throw: a
// refused or failing access emits errorRaised(number, description) instead, and a refused read
// returns an invalid QVariant (WeekDayStyle is the only property whose read can be refused).
// control() gives the control itself, whose accessors throw sauramiti::RuntimeError.
//
// Modes. setUserMode(true) is run time, the default; setUserMode(false) is design mode, in which
// the control refuses its run-time settings and the widget passes no user input to the picker,
// as a form designer's sheet does.
//
// Size. The control's size is the widget's size in twips (1440 per inch at the screen's logical
// resolution). A new instance sets itself to 3000 by 3000 twips; a layout or the user may give
// the widget any other size, and every change runs the control's Resize, which lays the picker
// out again. The size hint is the control's design size, 5535 by 5220 twips; the minimum size
// hint is half of it, the smallest size at which every text of the picker is whole.
//
// Nepali. In Nepali mode (English false) the control writes legacy-font ASCII; the widget shows
// it as Unicode Devanagari with a Devanagari font, while every property and child returns the
// ASCII as written (display_text.hpp).
//
// Keyboard. The keys are the navigation layer's (sauramiti/navigation/navigator.hpp, with the
// focus mark on cells). With the focus on the widget, the arrow keys move a focus mark over the
// enabled day cells (grid_navigation.hpp), Home and End put it on the month's first and last day,
// Enter or Space clicks the marked cell exactly as the mouse does, and Page Up / Page Down choose
// the previous / next entry of the month list, as if the user had chosen it there; past Chaitra
// or before Vaishaka they first choose the next or previous year of the year list (nothing
// happens at the list's ends). Each day cell's accessible name reads
// the date it stands for: "Sunday 1 Vaishaka 2059", in Devanagari in Nepali mode.
#pragma once

#include <QDate>
#include <QFont>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <qt/grid_navigation.hpp>
#include <qt/qt_host.hpp>
#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/navigation/navigator.hpp>

namespace sauramiti::qt {

class QtComboBox;
class QtLabel;

class SauramitiWidget : public QWidget {
  Q_OBJECT

  Q_PROPERTY(bool English READ english WRITE setEnglish DESIGNABLE true)
  Q_PROPERTY(bool Enabled READ controlEnabled WRITE setControlEnabled DESIGNABLE true)
  Q_PROPERTY(QVariant MaxYear READ maxYear WRITE setMaxYear DESIGNABLE true)
  Q_PROPERTY(int MinYear READ minYear WRITE setMinYear DESIGNABLE true)
  Q_PROPERTY(QString DateValue READ dateValue WRITE setDateValue DESIGNABLE false)
  Q_PROPERTY(int month READ month WRITE setMonth DESIGNABLE false)
  Q_PROPERTY(int Day READ day WRITE setDay DESIGNABLE false)
  Q_PROPERTY(int Weekday READ weekday WRITE setWeekday DESIGNABLE false)
  Q_PROPERTY(int year READ year WRITE setYear DESIGNABLE false)
  Q_PROPERTY(int UjjainAhargana READ ujjainAhargana WRITE setUjjainAhargana DESIGNABLE false)
  Q_PROPERTY(QString DateAD READ dateAD WRITE setDateAD DESIGNABLE false)
  Q_PROPERTY(QFont EnglishFont READ englishFont WRITE setEnglishFont DESIGNABLE true)
  Q_PROPERTY(QFont NepaliFont READ nepaliFont WRITE setNepaliFont DESIGNABLE true)
  Q_PROPERTY(bool Vertical READ vertical WRITE setVertical DESIGNABLE true)
  Q_PROPERTY(QString Value READ value WRITE setValue DESIGNABLE false)
  Q_PROPERTY(QString EngStrDate READ engStrDate WRITE setEngStrDate DESIGNABLE false)
  Q_PROPERTY(double JulianDate READ julianDate WRITE setJulianDate DESIGNABLE false)
  Q_PROPERTY(int EnglishDateStyle READ englishDateStyle WRITE setEnglishDateStyle DESIGNABLE false)
  Q_PROPERTY(QVariant WeekDayStyle READ weekDayStyle WRITE setWeekDayStyle DESIGNABLE true)
  Q_PROPERTY(int Separator READ separator WRITE setSeparator DESIGNABLE false)
  Q_PROPERTY(QString ToolTipText READ toolTipText WRITE setToolTipText DESIGNABLE true)
  // Extensions beyond the original 21.
  Q_PROPERTY(bool SixWeeks READ sixWeeks WRITE setSixWeeks DESIGNABLE true)
  Q_PROPERTY(bool ShowGregorianDay READ showGregorianDay WRITE setShowGregorianDay DESIGNABLE true)
  Q_PROPERTY(int Calendar READ calendar WRITE setCalendar DESIGNABLE true)
  Q_PROPERTY(bool MarkToday READ markToday WRITE setMarkToday DESIGNABLE true)
  Q_PROPERTY(QString MinDate READ minDate WRITE setMinDate DESIGNABLE true)
  Q_PROPERTY(QString MaxDate READ maxDate WRITE setMaxDate DESIGNABLE true)
  Q_PROPERTY(int HolidayForeColor READ holidayForeColor WRITE setHolidayForeColor DESIGNABLE true)
  Q_PROPERTY(bool userMode READ userMode WRITE setUserMode DESIGNABLE false)

  // Help texts, by property name.
  Q_CLASSINFO("English", "Returns/Sets whether the control is to be displayed in English")
  Q_CLASSINFO("MaxYear", "Sets/Return the Maximum Year to be displayed in the combobox")
  Q_CLASSINFO("MinYear", "Sets/Return the Minimum Year to be displayed in the combobox")
  Q_CLASSINFO("DateValue", "Gives the Date in Literal String")
  Q_CLASSINFO("month", "Returns the Month")
  Q_CLASSINFO("Day", "Returns the Day")
  Q_CLASSINFO("Weekday", "Gives the WeekDay of selected date")
  Q_CLASSINFO("year", "Gives the year of the selected date")
  Q_CLASSINFO("UjjainAhargana", "Gives the value of Day passed since the beginning of Kali")
  Q_CLASSINFO("DateAD", "Gives the Christian Equivalent date of Selected date")
  Q_CLASSINFO("EnglishFont", "Returns/sets the name of the font when the ENGLISH property is true")
  Q_CLASSINFO("NepaliFont", "Returns/Sets the font when the control's ENGLISH property is false")
  Q_CLASSINFO("Vertical",
              "Return/Sets whether the control is to be displayed vertically or horizontally")
  Q_CLASSINFO("Value", "Gives the Date in YYYY/mm/dd/w format")
  Q_CLASSINFO("WeekDayStyle", "Returns/Sets the style of the weekday to be displayed")
  Q_CLASSINFO("ToolTipText",
              "Returns/sets the text displayed when the mouse is paused over the control.")
  Q_CLASSINFO("SixWeeks",
              "Returns/Sets whether the month shows six weeks (42 day cells), so no day wraps")
  Q_CLASSINFO("ShowGregorianDay",
              "Returns/Sets whether each day cell also shows its Gregorian day of the month")
  Q_CLASSINFO(
      "Calendar",
      "Returns/Sets the calendar the control follows: 0 the model, 1 the published calendar")
  Q_CLASSINFO("MarkToday", "Returns/Sets whether today's day cell carries a mark of its own")
  Q_CLASSINFO("MinDate",
              "Returns/Sets the earliest date the user may pick, yyyy/mm/dd (empty: no limit)")
  Q_CLASSINFO("MaxDate",
              "Returns/Sets the latest date the user may pick, yyyy/mm/dd (empty: no limit)")
  Q_CLASSINFO("HolidayForeColor",
              "Returns/Sets the text colour of the Saturday day cells, Nepal's holiday")

 public:
  explicit SauramitiWidget(QWidget* parent = nullptr);
  ~SauramitiWidget() override;

  // The control itself; its accessors raise sauramiti::RuntimeError.
  Sauramiti& control() { return *control_; }
  const Sauramiti& control() const { return *control_; }

  bool english() const;
  void setEnglish(bool english);
  bool controlEnabled() const;
  void setControlEnabled(bool enabled);
  QVariant maxYear() const;
  void setMaxYear(const QVariant& maxYear);
  int minYear() const;
  void setMinYear(int minYear);
  QString dateValue() const;
  void setDateValue(const QString& text);
  int month() const;
  void setMonth(int month);
  int day() const;
  void setDay(int day);
  int weekday() const;
  void setWeekday(int weekday);
  int year() const;
  void setYear(int year);
  int ujjainAhargana() const;
  void setUjjainAhargana(int ahargana);
  QString dateAD() const;
  void setDateAD(const QString& text);
  QFont englishFont() const;
  void setEnglishFont(const QFont& font);
  QFont nepaliFont() const;
  void setNepaliFont(const QFont& font);
  bool vertical() const;
  void setVertical(bool vertical);
  QString value() const;
  void setValue(const QString& value);
  QString engStrDate() const;
  void setEngStrDate(const QString& text);
  double julianDate() const;
  void setJulianDate(double julianDate);
  int englishDateStyle() const;
  void setEnglishDateStyle(int style);
  QVariant weekDayStyle() const;
  void setWeekDayStyle(const QVariant& style);
  int separator() const;
  void setSeparator(int separator);
  QString toolTipText() const;
  void setToolTipText(const QString& text);
  bool sixWeeks() const;
  void setSixWeeks(bool on);
  bool showGregorianDay() const;
  void setShowGregorianDay(bool on);
  // 0 the model, 1 the published calendar; another value is refused (error 380).
  int calendar() const;
  void setCalendar(int calendar);
  bool markToday() const;
  void setMarkToday(bool on);
  QString minDate() const;
  void setMinDate(const QString& date);
  QString maxDate() const;
  void setMaxDate(const QString& date);
  int holidayForeColor() const;
  void setHolidayForeColor(int color);

  // The selected date as a typed BS date (as Value last set it, unchecked), and its Gregorian
  // day (an invalid QDate when the selection is no day of the calendar). setSelectedDate selects
  // a day as setting Value to its Value string would; a date that is not ok() is refused
  // (error 5, reported as any failed setter is).
  sauramiti::bs::year_month_day selectedDate() const;
  QDate selectedGregorianDate() const;
  void setSelectedDate(const sauramiti::bs::year_month_day& date);

  bool userMode() const { return host_->UserMode(); }
  void setUserMode(bool run);

  // A fixed date for "today" (for new and loaded instances); an invalid date is the clock again.
  void setToday(const QDate& gregorianDate) { host_->SetToday(gregorianDate); }

  // Documents. newDocument() makes a fresh instance (InitProperties); load() makes one from the
  // JSON document at `path` (ReadProperties); save() writes the settings there. The new instance
  // replaces the current one only once it has come to life. A file that cannot be read or
  // written, or is not a valid document, raises sauramiti::document::DocumentError; a saved value
  // the control cannot take raises document::ValueRefusedError (a DocumentError carrying the
  // control's error number, its message naming the file, the key and the value); a failing
  // InitProperties raises its RuntimeError. Whichever way it fails, the current instance, its
  // settings and the file stay as they were. A document cannot be replaced from inside one of
  // the control's own calls (a clicked() slot, say): that raises std::logic_error.
  void newDocument();
  void load(const QString& path);
  void save(const QString& path);

  // The child controls, by name ("lblDay(5)", "cboYear", "CBoMonth", "Label1", ...).
  QtLabel* label(const QString& name) const;
  QtComboBox* comboBox(const QString& name) const;
  // The day cell carrying the keyboard's focus mark, or -1.
  int focusedCell() const { return focusedCell_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void clicked();
  void propertyChanged(const QString& name);
  void errorRaised(int number, const QString& description);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void WireHost(QtHost& host, bool live);
  void FindDayCells();
  void MakeNavigator();
  void CreateControl(const std::function<void(Sauramiti&)>& bringToLife);
  void ReplaceControl(const std::function<void(Sauramiti&)>& bringToLife);
  bool Attempt(const std::function<void()>& call) const;
  template <typename T>
  T Read(T fallback, const std::function<T()>& read) const;
  void ReportError(const RuntimeError& error) const;

  QtLabel* DayCell(int cell) const;
  void NameDayCell(QtLabel& cell);
  int DayCellIndex(const QtLabel& cell) const;
  void MoveFocusMark(int cell);

  std::unique_ptr<QtHost> host_;
  std::unique_ptr<Sauramiti> control_;
  std::unique_ptr<navigation::Navigator> navigator_;  // over control_, made with it
  Sauramiti* candidate_ = nullptr;                    // an instance being made to replace control_
  QtHost* candidateHost_ = nullptr;                   // and its host
  std::array<QtLabel*, kDayCells> dayCells_{};
  int focusedCell_ = -1;
  mutable int callDepth_ = 0;
};

}  // namespace sauramiti::qt
