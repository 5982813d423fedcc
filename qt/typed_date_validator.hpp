// TypedDateValidator: a QValidator for a BS date typed as year, month and day.
//
// It reads the text as navigation::ReadTypedDate does in its year-month-day form, the same
// reading the terminal picker uses for its typed dates: "2081-09-15", "2081/9/15", "2081.9.15",
// "2081÷09÷15" and the same with Devanagari digits are Acceptable; a text that more typing at its
// end can still make a date ("2081-0", "2081-09-", and the empty text) is Intermediate; one that
// can never be a date is Invalid, so the line edit refuses the keystroke ("2081-13", a 33rd day,
// letters). Blanks around a pasted date are dropped. fixup() puts back the text that `restore`
// gives (the field's own date), so a field left with half a date shows its date again. The days
// are those of the calendar set by setCalendar (the model until then), so "2082/03/32" is a date
// only while the field follows the published calendar. The validator holds the calendar itself
// rather than asking its field at each keystroke: a line edit may validate while the field that
// owns it is being destroyed.
#pragma once

#include <QValidator>
#include <functional>
#include <optional>
#include <sauramiti/chrono/year_month_day.hpp>

namespace sauramiti::qt {

class TypedDateValidator : public QValidator {
  Q_OBJECT

 public:
  TypedDateValidator(std::function<QString()> restore, QObject* parent = nullptr);

  // The calendar whose days are dates; it must outlive the validator (calendar::model and
  // calendar::published do).
  void setCalendar(const bs::calendar& cal) { calendar_ = &cal; }

  State validate(QString& input, int& position) const override;
  void fixup(QString& input) const override;

  // The date an Acceptable text names in `cal`, or nothing.
  [[nodiscard]] static std::optional<bs::year_month_day> DateOf(
      const QString& text, const bs::calendar& cal = bs::calendar::model);

 private:
  std::function<QString()> restore_;
  const bs::calendar* calendar_ = &bs::calendar::model;
};

}  // namespace sauramiti::qt
