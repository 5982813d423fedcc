// Binding the control's nine methods on an object into a MethodTable.
//
// Any object with the control's method signatures will do (the Sauramiti class, the instance of a
// script or the method-only instance of a MethodHost). The table keeps a reference to the object,
// which must outlive it.
#pragma once

#include <cli/method_signatures.hpp>
#include <cli/method_table.hpp>
#include <cstddef>
#include <cstdint>
#include <sauramiti/calendar/enumerations.hpp>
#include <utility>
#include <variant>
#include <vector>

namespace sauramiti::cli {

namespace detail {
inline std::int16_t IntegerAt(const ArgumentList& args, std::size_t i) {
  return std::get<std::int16_t>(args[i]);
}
template <typename Enumeration>
Enumeration EnumerationAt(const ArgumentList& args, std::size_t i) {
  // The enumerations have a fixed 32-bit underlying type, so every 32-bit value is valid.
  return static_cast<Enumeration>(std::get<std::int32_t>(args[i]));
}
inline double DoubleAt(const ArgumentList& args, std::size_t i) {
  return std::get<double>(args[i]);
}
}  // namespace detail

template <typename Target>
MethodTable MakeMethodTable(Target& target) {
  using detail::DoubleAt;
  using detail::EnumerationAt;
  using detail::IntegerAt;
  std::vector<Method> methods;
  methods.reserve(9);
  methods.push_back({&signatures::English2NepaliDate, [&target](const ArgumentList& a) {
                       return MethodResult{target.English2NepaliDate(
                           IntegerAt(a, 0), IntegerAt(a, 1), IntegerAt(a, 2),
                           EnumerationAt<MyYMDSeparatorConstants>(a, 3))};
                     }});
  methods.push_back({&signatures::GetFirstWeekDay, [&target](const ArgumentList& a) {
                       return MethodResult{
                           target.GetFirstWeekDay(IntegerAt(a, 0), IntegerAt(a, 1))};
                     }});
  methods.push_back(
      {&signatures::GetDaysInMonth, [&target](const ArgumentList& a) {
         return MethodResult{target.GetDaysInMonth(
             IntegerAt(a, 0), IntegerAt(a, 1), EnumerationAt<MyDateDistinguisherConstants>(a, 2))};
       }});
  methods.push_back({&signatures::GetWeekDay, [&target](const ArgumentList& a) {
                       return MethodResult{
                           target.GetWeekDay(IntegerAt(a, 0), IntegerAt(a, 1), IntegerAt(a, 2))};
                     }});
  methods.push_back({&signatures::GetKaliAhargana, [&target](const ArgumentList& a) {
                       return MethodResult{target.GetKaliAhargana(
                           IntegerAt(a, 0), IntegerAt(a, 1), IntegerAt(a, 2), IntegerAt(a, 3))};
                     }});
  methods.push_back({&signatures::Nepali2EnglishDate, [&target](const ArgumentList& a) {
                       return MethodResult{target.Nepali2EnglishDate(
                           IntegerAt(a, 0), IntegerAt(a, 1), IntegerAt(a, 2), IntegerAt(a, 3),
                           EnumerationAt<MyYMDSeparatorConstants>(a, 4),
                           EnumerationAt<MyEnglishDateStyleConstants>(a, 5))};
                     }});
  methods.push_back({&signatures::GetJulianDate, [&target](const ArgumentList& a) {
                       return MethodResult{target.GetJulianDate(IntegerAt(a, 0), IntegerAt(a, 1),
                                                                IntegerAt(a, 2), IntegerAt(a, 3))};
                     }});
  methods.push_back({&signatures::AharGana2NepaliDate, [&target](const ArgumentList& a) {
                       return MethodResult{target.AharGana2NepaliDate(
                           DoubleAt(a, 0), EnumerationAt<MyYMDSeparatorConstants>(a, 1))};
                     }});
  methods.push_back({&signatures::JDate2EnglishDate, [&target](const ArgumentList& a) {
                       return MethodResult{target.JDate2EnglishDate(
                           DoubleAt(a, 0), EnumerationAt<MyYMDSeparatorConstants>(a, 1),
                           EnumerationAt<MyEnglishDateStyleConstants>(a, 2))};
                     }});
  return MethodTable(std::move(methods));
}

}  // namespace sauramiti::cli
