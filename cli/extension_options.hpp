// Command-line values of the control's picker extensions: date limits and the holiday colour.
//
//   --min-date / --max-date  a BS date yyyy/mm/dd (separators "/", "-" or "."), as the control's
//                            MinDate and MaxDate take it
//   --holiday-color          "#rrggbb" as on the web, or a number in the control's own colour
//                            encoding, 0x00BBGGRR (decimal or 0x hex): 255 and #ff0000 are red
#pragma once

#include <cstdint>
#include <optional>
#include <sauramiti/chrono/calendar.hpp>
#include <string>

namespace sauramiti::cli {

// "" when `text` is empty (no limit) or a day of `cal` a limit can be, else what is wrong with it.
std::string CheckLimitDate(const std::string& text, const bs::calendar& cal);

// The colour `text` names in the control's encoding; nothing when it names none.
std::optional<std::int32_t> ParseColorOption(const std::string& text);

// "" when ParseColorOption reads `text`, else what is wrong with it (a CLI11 check).
std::string CheckColorOption(const std::string& text);

// Whether both limits are given and the lower one lies after the upper one.
bool LimitsCross(const std::string& minDate, const std::string& maxDate, const bs::calendar& cal);

}  // namespace sauramiti::cli
