// What a browser needs to draw one control instance, as one JSON text.
//
// The web component does not lay out the month itself: it draws the control's own child
// controls where the control put them, with their captions, sizes, colours, fonts and enabled
// state, the way the terminal front end reads them. One snapshot is taken after every change,
// so a redraw costs one call across the boundary.
//
//   {"english": true, "vertical": true, "enabled": true, "width": 5535, "height": 5220,
//    "children": [{"name": "Frame1", "kind": "frame", "parent": "", "left": 0, "top": 0,
//                  "width": 5535, "height": 5220, "enabled": true, "visible": true,
//                  "back": 2147483663, "tooltip": ""}, ...
//                 {"name": "lblDay(5)", "kind": "label", ..., "caption": "6", "fore": ...,
//                  "font": "Tahoma", "size": 8.25, "bold": false, "selected": false,
//                  "day": 6, "label": "Friday 6 Vaishaka 2059", "today": false},
//                 {"name": "cboYear", "kind": "combo", ..., "text": "2059",
//                  "items": ["1975", ...], "index": 84}]}
//
// Positions and sizes are in twips relative to the child's frame; colours in the platform's
// encoding (0x00BBGGRR, or 0x80000000 + a system colour). Texts are Unicode: when the control
// shows Nepali (English is 0) its captions are legacy Nepali-font texts, and the snapshot gives
// them as the Devanagari the font draws. A day cell carries its day number (0 for a cell that
// shows none), the long label a screen reader speaks (weekday, day, month, year, in the shown
// language) and whether it is today's date.
#pragma once

#include <sauramiti/control/sauramiti.hpp>
#include <sauramiti/platform/host.hpp>
#include <string>

namespace sauramiti::web {

std::string ViewSnapshotJson(const Sauramiti& control, const platform::Host& host,
                             platform::LocalDate today);

}  // namespace sauramiti::web
