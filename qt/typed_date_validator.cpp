#include <algorithm>
#include <qt/typed_date_validator.hpp>
#include <sauramiti/navigation/typed_date.hpp>
#include <utility>

namespace sauramiti::qt {

namespace {

navigation::TypedDate Read(const QString& text, const bs::calendar& cal) {
  return navigation::ReadTypedDate(text.toStdString(), navigation::TypedDateForm::YearMonthDay, {},
                                   cal);
}

}  // namespace

TypedDateValidator::TypedDateValidator(std::function<QString()> restore, QObject* parent)
    : QValidator(parent), restore_(std::move(restore)) {}

QValidator::State TypedDateValidator::validate(QString& input, int& position) const {
  // A date pasted with blanks around it is taken without them.
  if (const QString trimmed = input.trimmed(); trimmed.size() != input.size()) {
    int leading = 0;
    while (leading < input.size() && input[leading].isSpace()) ++leading;
    position = std::clamp(position - leading, 0, static_cast<int>(trimmed.size()));
    input = trimmed;
  }
  switch (Read(input, *calendar_).state) {
    case navigation::TypedDateState::Complete:
      return Acceptable;
    case navigation::TypedDateState::Empty:
    case navigation::TypedDateState::Intermediate:
      return Intermediate;
    case navigation::TypedDateState::Invalid:
      break;
  }
  return Invalid;
}

void TypedDateValidator::fixup(QString& input) const {
  if (restore_) input = restore_();
}

std::optional<bs::year_month_day> TypedDateValidator::DateOf(const QString& text,
                                                             const bs::calendar& cal) {
  const navigation::TypedDate typed = Read(text.trimmed(), cal);
  if (typed.state != navigation::TypedDateState::Complete) return std::nullopt;
  return typed.date;
}

}  // namespace sauramiti::qt
