// `sauramiti today`: today's BS date as a control shows it.
//
// The six date properties a new control instance would hold on that day: Value (the BS date
// string), DateValue (the BS date written out), DateAD (the Gregorian date text), EngStrDate
// (its long form), JulianDate and UjjainAhargana, with the separator and the Gregorian date
// style applied as a host would set them (so both Value and DateAD take the separator), in
// Nepali with --nepali. No control is started: the values come from the typed date and the
// same conversions and texts the control uses, and the tests hold them to a control's.

// For people, one property a line, its name first:
//   Value           2059/01/01/1
//   DateValue       2059 Vaishaka 1, Sunday
//   ...
// In Nepali the control's texts are legacy-font ASCII; people get them as Unicode Devanagari,
// digits included, and `legacy` keeps them as stored.
//
// As JSON, one object whose keys are the property names and the two numbers as numbers. In
// Nepali, DateValue and EngStrDate are in Devanagari like the lines for people. With `legacy`
// they are the texts as the control stores them, and the object adds "DateValueUnicode" and
// "EngStrDateUnicode", their Devanagari renderings (the object this command always gave before
// the Devanagari became the default, kept whole for the programs that read it).
#pragma once

#include <cstdint>
#include <ostream>
#include <sauramiti/platform/host.hpp>

namespace sauramiti::cli {

struct TodayOptions {
  bool json = false;
  std::int32_t separator = 0;  // 0 "/", 1 "-", 2 ".", 3 "÷"
  std::int32_t style = 0;      // 0 mm/dd/yyyy, 1 dd/mm/yyyy, 2 yyyy/mm/dd
  bool nepali = false;
  bool legacy = false;        // in Nepali, the texts as the control stores them
  std::int16_t calendar = 0;  // the control's Calendar: 0 the model, 1 the published calendar
};

// Writes the report for the local date `today`; a date the calendar cannot convert is a
// RuntimeError (error 9, as the control raises), a date that does not exist an
// std::invalid_argument.
void WriteTodayReport(std::ostream& out, const TodayOptions& options, platform::LocalDate today);

}  // namespace sauramiti::cli
