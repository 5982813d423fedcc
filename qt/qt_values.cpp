#include <QFontInfo>
#include <limits>
#include <qt/display_text.hpp>
#include <qt/qt_values.hpp>
#include <sauramiti/base/runtime_error.hpp>

namespace sauramiti::qt {

namespace {

Variant FromWholeNumber(qlonglong number) {
  if (number >= std::numeric_limits<std::int16_t>::min() &&
      number <= std::numeric_limits<std::int16_t>::max()) {
    return Variant::Integer(static_cast<std::int16_t>(number));
  }
  if (number >= std::numeric_limits<std::int32_t>::min() &&
      number <= std::numeric_limits<std::int32_t>::max()) {
    return Variant::Long(static_cast<std::int32_t>(number));
  }
  return Variant::Double(static_cast<double>(number));
}

}  // namespace

QVariant ToQVariant(const Variant& value) {
  switch (value.Type()) {
    case VariantType::Empty:
      return {};
    case VariantType::Boolean:
      return QVariant(value.BooleanBits() != 0);
    case VariantType::Integer:
      return QVariant(static_cast<int>(value.IntegerValue()));
    case VariantType::Long:
      return QVariant(static_cast<int>(value.LongValue()));
    case VariantType::Single:
      return QVariant(value.SingleValue());
    case VariantType::Double:
      return QVariant(value.DoubleValue());
    case VariantType::String:
      return QVariant(ToQString(value.StringValue()));
    case VariantType::Font:
      return QVariant(ToQFont(value.FontValue()));
  }
  return {};
}

Variant FromQVariant(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::UnknownType:
      return {};
    case QMetaType::Bool:
      return Variant::Boolean(value.toBool());
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
      return FromWholeNumber(value.toLongLong());
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
      const qulonglong number = value.toULongLong();
      return number <= static_cast<qulonglong>(std::numeric_limits<qlonglong>::max())
                 ? FromWholeNumber(static_cast<qlonglong>(number))
                 : Variant::Double(static_cast<double>(number));
    }
    case QMetaType::Float:
      return Variant::Single(value.toFloat());
    case QMetaType::Double:
      return Variant::Double(value.toDouble());
    case QMetaType::QString:
      return Variant::String(value.toString().toStdString());
    case QMetaType::QFont:
      return Variant::Font(ToFontRef(value.value<QFont>()));
    default:
      Raise(kTypeMismatch);
  }
}

QFont ToQFont(const FontRef& font) {
  return font ? DrawingFont(*font, /*devanagari=*/false) : QFont();
}

FontRef ToFontRef(const QFont& font) {
  auto converted = std::make_shared<Font>();
  converted->name = font.family().toStdString();
  converted->size = static_cast<float>(font.pointSizeF() > 0.0 ? font.pointSizeF()
                                                               : QFontInfo(font).pointSizeF());
  converted->bold = font.bold();
  converted->italic = font.italic();
  converted->underline = font.underline();
  converted->strikethrough = font.strikeOut();
  return converted;
}

}  // namespace sauramiti::qt
