// The browser's key names in the shared navigation layer's terms, and nothing more.
//
// What a key does lives once, in the library's navigation layer (sauramiti/navigation, the same
// one the Qt widget and the terminal picker use): the element hands it the key and the part that
// has the focus, and draws the focus where the layer then says. This module only names keys.
// The numbers are the layer's own (navigation::Key, navigation::Area).
//
// The keys a web grid feeds in: the arrows, Page Up / Page Down (with Shift the year: the
// layer's PreviousYear / NextYear), Home / End, and on the days Enter and Space. Left to the
// browser: Tab and Shift+Tab (the grid is one stop in the page's tab order, the lists are two
// more, as a person expects of a web form), Enter and Space on a list (they open it), Escape
// (the page's, for a dialog around the picker, say), and every key with Alt, Ctrl or Meta.
export const Key = Object.freeze({
  Left: 0, Right: 1, Up: 2, Down: 3, PageUp: 4, PageDown: 5, NextYear: 6, PreviousYear: 7,
  Home: 8, End: 9, Enter: 11, Space: 16,
});
export const Area = Object.freeze({ Days: 0, YearList: 1, MonthList: 2 });
// What the layer answers (navigation::Result).
export const Result = Object.freeze({ Done: 0, ClickDelivered: 1, Cancelled: 2, Refused: 3 });

const NAMED = new Map([
  ["ArrowLeft", Key.Left], ["ArrowRight", Key.Right], ["ArrowUp", Key.Up], ["ArrowDown", Key.Down],
  ["Home", Key.Home], ["End", Key.End],
]);

// The layer's key for a keydown event with the focus in `area`, or null for a key the picker
// leaves to the browser.
export function navigationKey(event, area) {
  if (event.altKey || event.ctrlKey || event.metaKey) return null;
  if (NAMED.has(event.key)) return NAMED.get(event.key);
  switch (event.key) {
    case "PageUp":
      return event.shiftKey ? Key.PreviousYear : Key.PageUp;
    case "PageDown":
      return event.shiftKey ? Key.NextYear : Key.PageDown;
    case "Enter":
      return area === Area.Days ? Key.Enter : null;
    case " ":
      return area === Area.Days ? Key.Space : null;
    default:
      return null;
  }
}
