// The typed calendar in JavaScript: BS dates as {year, month, day} objects, converted through
// the core's direct numeric exports (web/src/typed_calendar.cpp), one call a conversion.
//
// Decisions where the task left the choice open:
//   - A date that is not a day of the calendar (2081/13/01, 2081/09/33, 30 February), a value
//     that is not a whole number, or an unknown calendar name throws RangeError; a conversion
//     never rolls a bad date over into another. parse() is the exception: a text that is no
//     date gives null, so a form can test it.
//   - weekday() counts 0 Sunday to 6 Saturday, as Date.prototype.getDay() and std::chrono do
//     (the control's GetWeekDay counts 1 to 7).
//   - format()'s locale is "en" (default) or "ne" ("english" and "nepali" are accepted too).
//   - fromDate() takes a Date's *local* calendar date (getFullYear, getMonth, getDate), never
//     its UTC parts: new Date(2002, 3, 14, 23, 30) is BS 2059/01/01 in every time zone.
//     toDate() gives local midnight of that day, built with setFullYear so that years 0 to 99
//     are not read as 1900 to 1999.

// The calendars by name; the ids are the core's (typed_calendar.cpp), the same numbers as the
// control's Calendar property. "model" is the control's own calendar and the default;
// "published" is the calendar published in Nepal where it differs from the model (1970 to 2083).
const CALENDAR_IDS = Object.freeze({ model: 0, published: 1 });

const encoder = new TextEncoder();

function calendarId(options) {
  if (options === undefined) return 0;  // the model, without a lookup: the common call
  const name = options?.calendar ?? "model";
  const id = CALENDAR_IDS[name];
  if (id === undefined) throw new RangeError(`unknown calendar "${name}" (known: ${Object.keys(CALENDAR_IDS).join(", ")})`);
  return id;
}

function whole(value, what) {
  if (!Number.isInteger(value) || value < -2147483648 || value > 2147483647)
    throw new RangeError(`${what} must be a whole number, not ${String(value)}`);
  return value;
}

// The same checks as parts() without building an array or a message that is not needed: the two
// conversions are the calls a page makes thousands of times.
function checkDate(date) {
  if (date === null || typeof date !== "object") throw new TypeError("date must be {year, month, day}");
  if (!isWhole(date.year)) whole(date.year, "date.year");
  if (!isWhole(date.month)) whole(date.month, "date.month");
  if (!isWhole(date.day)) whole(date.day, "date.day");
}

// A whole number of 32 bits: the only numbers that "| 0" leaves as they are (-0 reads as 0).
const isWhole = (value) => typeof value === "number" && (value | 0) === value;

function parts(date, what) {
  if (date === null || typeof date !== "object") throw new TypeError(`${what} must be {year, month, day}`);
  return [whole(date.year, `${what}.year`), whole(date.month, `${what}.month`), whole(date.day, `${what}.day`)];
}

function unpack(packed) {
  return { year: packed >> 10, month: (packed >> 6) & 15, day: packed & 63 };
}

function show(y, m, d) {
  return `${y}/${m}/${d}`;
}

// A conversion export itself. The toolchain's loader first gives each export as a forwarding
// function, which puts the export in its own place on its first call; through the forwarder a
// call costs about 2.5 ns more, a tenth of a conversion. A call with month 0, which names no
// date and changes nothing, makes the swap before the API keeps the function.
function direct(m, name) {
  m[name](0, 0, 0, 0);
  return m[name];
}

export function addTypedCalendar(target, core) {
  const m = core.module;
  const toGregorianCore = direct(m, "_sm_bs_to_gregorian");
  const fromGregorianCore = direct(m, "_sm_gregorian_to_bs");

  // A UTF-8 copy of `text` in the core's memory (the first argument slot's buffer, reused).
  function withText(text, use) {
    const bytes = encoder.encode(String(text));
    const address = m._sm_argument_text(0, bytes.length);
    m.HEAPU8.set(bytes, address);
    return use(address, bytes.length);
  }

  const api = {
    /** A BS date to its Gregorian date (proleptic Gregorian, as std::chrono). */
    toGregorian(date, options) {
      checkDate(date);
      const y = date.year, mo = date.month, d = date.day;
      const packed = toGregorianCore(y, mo, d, calendarId(options));
      if (packed === 0) throw new RangeError(`BS ${show(y, mo, d)} is not a day of the calendar`);
      return unpack(packed);
    },
    /** A Gregorian date to its BS date. */
    fromGregorian(date, options) {
      checkDate(date);
      const y = date.year, mo = date.month, d = date.day;
      const packed = fromGregorianCore(y, mo, d, calendarId(options));
      if (packed === 0) throw new RangeError(`${show(y, mo, d)} is not a Gregorian date within BS 1 to 9999`);
      return unpack(packed);
    },
    /** Days in a BS month (29 to 32). */
    daysInMonth(year, month, options) {
      const days = m._sm_bs_days_in_month(whole(year, "year"), whole(month, "month"), calendarId(options));
      if (days === 0) throw new RangeError(`BS ${year}/${month} is not a month of the calendar`);
      return days;
    },
    /** The weekday of a BS date, 0 Sunday to 6 Saturday. */
    weekday(date, options) {
      const [y, mo, d] = parts(date, "date");
      const day = m._sm_bs_weekday(y, mo, d, calendarId(options));
      if (day < 0) throw new RangeError(`BS ${show(y, mo, d)} is not a day of the calendar`);
      return day;
    },
    /** The BS date a text writes ("2081/09/15", "२०८१-०९-१५"), or null. */
    parse(text, options) {
      if (typeof text !== "string") return null;
      const id = calendarId(options);
      const packed = withText(text, (address, length) => m._sm_bs_parse(address, length, id));
      return packed === 0 ? null : unpack(packed);
    },
    /** `pattern` (%Y %m %d %e %B %A %F %%) with the date's fields, in "en" or "ne". */
    format(date, pattern = "%F", locale = "en", options) {
      const [y, mo, d] = parts(date, "date");
      let nepali;
      if (locale === "en" || locale === "english") nepali = 0;
      else if (locale === "ne" || locale === "nepali") nepali = 1;
      else throw new RangeError(`unknown locale "${locale}" (use "en" or "ne")`);
      const id = calendarId(options);
      return withText(pattern, (address, length) =>
        core.take(m._sm_bs_format(y, mo, d, address, length, nepali, id)),
      );
    },
    /** The BS date of a Date's local calendar day. */
    fromDate(when, options) {
      if (!(when instanceof Date) || Number.isNaN(when.getTime())) throw new RangeError("fromDate needs a valid Date");
      return api.fromGregorian({ year: when.getFullYear(), month: when.getMonth() + 1, day: when.getDate() }, options);
    },
    /** Local midnight of a BS date, as a Date. */
    toDate(date, options) {
      const g = api.toGregorian(date, options);
      const result = new Date(2000, 0, 1);
      result.setFullYear(g.year, g.month - 1, g.day);
      result.setHours(0, 0, 0, 0);
      return result;
    },
  };
  for (const [name, value] of Object.entries(api))
    Object.defineProperty(target, name, { value, enumerable: true });
  Object.defineProperty(target, "calendars", { value: Object.keys(CALENDAR_IDS), enumerable: false });
  return target;
}
