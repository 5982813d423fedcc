#include <QFormLayout>
#include <qt/demo/date_field_row.hpp>
#include <sauramiti/chrono/date_format.hpp>
#include <utility>

namespace sauramiti::qt::demo {

DateFieldRow::DateFieldRow(SauramitiWidget& picker, std::function<void(const QString&)> log,
                           QWidget* parent)
    : QWidget(parent) {
  auto* form = new QFormLayout(this);
  form->setContentsMargins(0, 8, 0, 0);
  form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  field_ = new SauramitiDateEdit(this);
  field_->setObjectName(QStringLiteral("dateField"));
  form->addRow(QStringLiteral("Date field:"), field_);
  field_->picker().setEnglish(picker.english());
  connect(&picker, &SauramitiWidget::propertyChanged, field_, [this, &picker](const QString& name) {
    if (name == QLatin1String("English")) field_->picker().setEnglish(picker.english());
    if (name == QLatin1String("Calendar")) FollowCalendar(picker);
  });
  connect(field_, &SauramitiDateEdit::dateChanged, this,
          [log = std::move(log)](const bs::year_month_day& date) {
            log(QStringLiteral("dateChanged ") + QString::fromStdString(bs::to_string(date)));
          });
}

void DateFieldRow::FollowCalendar(const SauramitiWidget& picker) {
  field_->picker().setCalendar(picker.calendar());
}

}  // namespace sauramiti::qt::demo
