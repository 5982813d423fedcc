// The parameter lists of the control's nine methods.
//
// Names, order, kinds and defaults are the control's own: a weekday parameter is a 16-bit
// integer whose default 9 means "no weekday given"; an omitted separator code or date style is
// 0 (sepSlash, datmmddyyyy); GetDaysInMonth's whatdate has no default and must be given.
#pragma once

#include <array>
#include <cli/method_table.hpp>
#include <cstdint>

namespace sauramiti::cli::signatures {

namespace detail {
constexpr ParameterSpec Integer(std::string_view name) { return {name, ParameterKind::Integer}; }
constexpr ParameterSpec Enumeration(std::string_view name) {
  return {name, ParameterKind::Enumeration};
}
constexpr ParameterSpec Double(std::string_view name) { return {name, ParameterKind::Double}; }
constexpr ParameterSpec OptionalWeekday(std::string_view name) {
  return {name, ParameterKind::Integer, true, ArgumentValue{std::int16_t{9}}};
}
constexpr ParameterSpec OptionalEnumeration(std::string_view name) {
  return {name, ParameterKind::Enumeration, true, ArgumentValue{std::int32_t{0}}};
}

inline constexpr std::array kEnglish2NepaliDate = {
    Integer("myYear"), Integer("myMonth"), Integer("myDay"), OptionalEnumeration("sepCode")};
inline constexpr std::array kGetFirstWeekDay = {Integer("myYear"), Integer("myMonth")};
inline constexpr std::array kGetDaysInMonth = {Integer("myYear"), Integer("myMonth"),
                                               Enumeration("whatdate")};
inline constexpr std::array kGetWeekDay = {Integer("thisyear"), Integer("thismonth"),
                                           Integer("thisday")};
inline constexpr std::array kGetKaliAhargana = {Integer("myYear"), Integer("myMonth"),
                                                Integer("myDay"), OptionalWeekday("mywkday")};
inline constexpr std::array kNepali2EnglishDate = {Integer("myYear"),
                                                   Integer("myMonth"),
                                                   Integer("myDay"),
                                                   OptionalWeekday("MyWeekDay"),
                                                   OptionalEnumeration("SepCharCode"),
                                                   OptionalEnumeration("style")};
inline constexpr std::array kGetJulianDate = {Integer("myY"), Integer("myM"), Integer("myD"),
                                              OptionalWeekday("MyWeekDay")};
inline constexpr std::array kAharGana2NepaliDate = {Double("KaliAhargana"),
                                                    OptionalEnumeration("sepCode")};
inline constexpr std::array kJDate2EnglishDate = {
    Double("MyJulianDate"), OptionalEnumeration("sepCode"), OptionalEnumeration("style")};
}  // namespace detail

inline constexpr MethodSignature English2NepaliDate{"English2NepaliDate",
                                                    detail::kEnglish2NepaliDate};
inline constexpr MethodSignature GetFirstWeekDay{"GetFirstWeekDay", detail::kGetFirstWeekDay};
inline constexpr MethodSignature GetDaysInMonth{"GetDaysInMonth", detail::kGetDaysInMonth};
inline constexpr MethodSignature GetWeekDay{"GetWeekDay", detail::kGetWeekDay};
inline constexpr MethodSignature GetKaliAhargana{"GetKaliAhargana", detail::kGetKaliAhargana};
inline constexpr MethodSignature Nepali2EnglishDate{"Nepali2EnglishDate",
                                                    detail::kNepali2EnglishDate};
inline constexpr MethodSignature GetJulianDate{"GetJulianDate", detail::kGetJulianDate};
inline constexpr MethodSignature AharGana2NepaliDate{"AharGana2NepaliDate",
                                                     detail::kAharGana2NepaliDate};
inline constexpr MethodSignature JDate2EnglishDate{"JDate2EnglishDate", detail::kJDate2EnglishDate};

}  // namespace sauramiti::cli::signatures
