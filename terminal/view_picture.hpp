// What the month view shows, read off the control's child controls.
//
// A terminal cannot host the control's labels and lists, but it can show what they hold. A
// ViewPicture is a snapshot of the children of one live control: the two date panels, the texts
// of the year and month lists, the seven weekday headers and the 35 day cells, each with its
// caption, enabled state, colours and whether it carries the selected look. Nothing is
// recomputed from the calendar; a picture is exactly as right or wrong as the control's own view.
//
// The arrangement is the control's as well. The layout puts the headers in a column (vertical,
// weeks as columns beside them) or in a row (horizontal, weeks as rows under them); the picture
// finds out which from where the headers are. A control whose headers were never placed (all at
// the same spot) is taken to be arranged the way its Vertical property says: horizontal for 0,
// vertical for anything else, vertical being the control's default.
//
// Nepali captions are texts for a legacy Nepali font. For a terminal they can be turned into
// Unicode Devanagari (digits included) as the picture is taken.
#pragma once

#include <array>
#include <cstdint>
#include <sauramiti/platform/colors.hpp>
#include <sauramiti/view/child_controls.hpp>
#include <string>
#include <vector>

namespace sauramiti::terminal {

enum class Arrangement { Vertical, Horizontal };

// How the captions are written in the picture.
enum class Script {
  AsStored,   // exactly as the control holds them
  Devanagari  // legacy Nepali-font texts turned into Unicode Devanagari
};

struct LabelPicture {
  std::string text;
  std::string corner;  // a day cell's Gregorian day (ShowGregorianDay), "" for none
  bool enabled = true;
  bool selectedLook = false;  // the flat look of the selected day cell (S3 = 0)
  bool outlined = false;      // today's mark (the control's MarkToday)
  platform::Color foreColor = 0;
  platform::Color backColor = platform::kButtonFaceColor;
};

struct ViewPicture {
  LabelPicture bsPanel;  // Label1: the BS date
  LabelPicture adPanel;  // Label2: the Gregorian date
  std::string yearText;
  std::string monthText;
  bool listsEnabled = true;
  std::array<LabelPicture, view::kHeaderCount> headers;
  // The day cells shown: the original 35, or 42 when the control shows a sixth week (its
  // cells lblDay(35..41) are visible); days.size() / 7 weeks.
  std::vector<LabelPicture> days;
  Arrangement arrangement = Arrangement::Vertical;
};

// The picture of `controls`; `verticalProperty` is the control's Vertical value, used only when
// the headers' places do not tell the arrangement.
ViewPicture TakeViewPicture(const view::ChildControls& controls, std::int16_t verticalProperty,
                            Script script);

}  // namespace sauramiti::terminal
