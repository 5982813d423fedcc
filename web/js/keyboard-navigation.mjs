// What a key does in the date picker, apart from any element.
//
// This is the web component's own key map for now. It moves onto the shared, toolkit-free
// navigation layer (the one the Qt widget and the terminal picker are to share) as soon as that
// exists; until then it follows the terminal picker's rules, so the front ends agree:
//   - the arrow keys move the focus on the screen: in the vertical arrangement (weeks as
//     columns) Up/Down go to the previous/next day and Left/Right a week back or ahead; in the
//     horizontal one (weeks as rows) Left/Right are days and Up/Down weeks. Past either end of
//     the month the page turns and the focus lands on the matching day;
//   - Page Up / Page Down turn the month, with Shift the year;
//   - Home / End go to the first / last day of the month shown;
//   - Enter and Space pick the focused day (the control's own day-cell click).
// Nothing here knows the calendar: the element carries the actions out through the control's
// lists and day cells.

// The action for a keydown event, or null for a key the picker leaves alone.
//   {move: n}        n days later (negative: earlier)
//   {turnMonth: n}   n months later, keeping the day where the month has it
//   {turnYear: n}
//   {first: true} / {last: true}
//   {pick: true}
export function navigationAction(event, vertical) {
  if (event.altKey || event.ctrlKey || event.metaKey) return null;
  const day = 1;
  const week = 7;
  switch (event.key) {
    case "ArrowUp":
      return { move: vertical ? -day : -week };
    case "ArrowDown":
      return { move: vertical ? day : week };
    case "ArrowLeft":
      return { move: vertical ? -week : -day };
    case "ArrowRight":
      return { move: vertical ? week : day };
    case "PageUp":
      return event.shiftKey ? { turnYear: -1 } : { turnMonth: -1 };
    case "PageDown":
      return event.shiftKey ? { turnYear: 1 } : { turnMonth: 1 };
    case "Home":
      return { first: true };
    case "End":
      return { last: true };
    case "Enter":
    case " ":
      return { pick: true };
    default:
      return null;
  }
}
