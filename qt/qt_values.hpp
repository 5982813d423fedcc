// The control's values as Qt values and back.
//
// Variants: Empty is an invalid QVariant; Boolean a bool (a stored value other than 0 and -1
// reads as true); Integer and Long an int; Single a float; Double a double; String a QString;
// Font a QFont. From Qt: a bool is a Boolean, a whole number an Integer when it fits 16 bits,
// else a Long, else a Double; a float a Single, a double a Double, a text a String, a QFont a
// Font; any other Qt type is a type mismatch (run-time error 13).
//
// Fonts: a QFont carries the family, size in points and the four styles; the control's font
// object keeps the same characteristics (a size given in pixels is read at the widget's
// resolution by QFontInfo).
#pragma once

#include <QFont>
#include <QVariant>
#include <sauramiti/base/font.hpp>
#include <sauramiti/base/variant.hpp>

namespace sauramiti::qt {

QVariant ToQVariant(const Variant& value);
Variant FromQVariant(const QVariant& value);

QFont ToQFont(const FontRef& font);  // a null reference gives the default QFont
FontRef ToFontRef(const QFont& font);

}  // namespace sauramiti::qt
