// The names the control writes: weekdays, BS months, Gregorian months and the two panel titles.
//
// The control labels itself in one of two languages. English names are plain text; Nepali names
// are ASCII strings for a legacy Nepali font, which draws them as Devanagari ("/ljjf/" is
// Sunday). Both are stored, compared and shown exactly as written.
//
// The tables are module-level, one set per thread: every instance on the thread shares them, and
// whichever instance on it ran LoadNameTables last decides their language (instances on other
// threads, such as a second user-interface thread, keep tables of their own). Each instance loads
// them again before it uses them (at every whole-view refresh and every time it applies a selected
// date), so an instance sees its own language unless another instance loads the tables in between.
// Position 0 of each table is the empty text, so that a weekday code (1 = Sunday) or a month number
// (1 = Vaishaka, or 1 = January) indexes its name directly.
//
// The Gregorian panel title is the one name held per instance; LoadNameTables writes it into the
// field the caller passes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace sauramiti::SauramitiRoutine {

// Sunday to Saturday at positions 1 to 7.
extern thread_local std::array<std::string, 8> WeekdayNames;
// Vaishaka to Chaitra at positions 1 to 12.
extern thread_local std::array<std::string, 13> MonthNames;
// January to December at positions 1 to 12.
extern thread_local std::array<std::string, 13> EnglishMonthNames;
// Title of the BS date panel ("Nepali Date ", with its trailing blank, in English).
extern thread_local std::string NepaliPanelTitle;

// Fills the tables, and `EnglishPanelTitle` of the calling instance, with the English texts when
// `english` is non-zero and with the Nepali-font texts otherwise. Nothing else changes.
void LoadNameTables(std::int16_t english, std::string& EnglishPanelTitle);

// The number (1 to 12) of the first current month name equal to `name`, character for
// character (case and blanks count); 0 when none is.
std::int16_t MonthNumberFromName(std::string_view name) noexcept;

}  // namespace sauramiti::SauramitiRoutine
