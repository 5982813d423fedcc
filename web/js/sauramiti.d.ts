// Types of the Sauramiti JavaScript API (sauramiti.mjs and sauramiti-calendar.mjs).

/** A run-time error of the control: `number` (5, 6, 9, 13, 450, ...) and its standard description. */
export class SauramitiError extends Error {
  readonly name: "SauramitiError";
  readonly number: number;
}

/**
 * An argument of a method: a number (a whole one, in range, for an integer parameter), a text
 * read as `sauramiti call` reads it ("-" is an omitted argument), or undefined for an omitted
 * optional argument.
 */
export type Argument = number | string | undefined;

/** A separator code: 0 "/", 1 "-", 2 ".", 3 "÷" (any 32-bit integer is accepted). */
export type SeparatorCode = Argument;
/** A Gregorian date style: 0 mm/dd/yyyy, 1 dd/mm/yyyy, 2 yyyy/mm/dd. */
export type DateStyle = Argument;

/** A date as numbers: a BS date (month 1 Vaishaka to 12 Chaitra) or a Gregorian one. */
export interface DateParts {
  year: number;
  month: number;
  day: number;
}

/** Which calendar a typed function follows; "model" (the control's own) is the default. */
export interface CalendarOptions {
  calendar?: "model" | "published" | (string & {});
}

/** The language of format(): "en" (default) or "ne" (Devanagari). */
export type Locale = "en" | "ne" | "english" | "nepali";

/**
 * The typed calendar. A date that is not a day of the calendar, a part that is not a whole
 * number or an unknown calendar throws RangeError (parse gives null instead).
 */
export interface TypedCalendar {
  /** A BS date to its (proleptic) Gregorian date: {2059, 1, 1} is {2002, 4, 14}. */
  toGregorian(date: DateParts, options?: CalendarOptions): DateParts;
  /** A Gregorian date to its BS date. */
  fromGregorian(date: DateParts, options?: CalendarOptions): DateParts;
  /** Days in a BS month (29 to 32). */
  daysInMonth(year: number, month: number, options?: CalendarOptions): number;
  /** The weekday of a BS date: 0 Sunday to 6 Saturday, as Date.prototype.getDay(). */
  weekday(date: DateParts, options?: CalendarOptions): number;
  /** The BS date a text writes ("2081/09/15", "2081-9-15", Devanagari digits too), or null. */
  parse(text: string, options?: CalendarOptions): DateParts | null;
  /** The pattern with %Y %m %d %e %B %A %F %% filled in: format(d, "%d %B %Y, %A"). */
  format(date: DateParts, pattern?: string, locale?: Locale, options?: CalendarOptions): string;
  /** The BS date of a Date's local calendar day (never its UTC day). */
  fromDate(when: Date, options?: CalendarOptions): DateParts;
  /** Local midnight of a BS date. */
  toDate(date: DateParts, options?: CalendarOptions): Date;
  /** The calendar names the options accept. */
  readonly calendars: readonly string[];
}

export interface Sauramiti extends TypedCalendar {
  /** Gregorian date to the BS Value string: English2NepaliDate(2002, 4, 14) is "2059/01/01/1". */
  English2NepaliDate(myYear: Argument, myMonth: Argument, myDay: Argument, sepCode?: SeparatorCode): string;
  /** The weekday (1 Sunday to 7 Saturday) of the first day of a BS month. */
  GetFirstWeekDay(myYear: Argument, myMonth: Argument): number;
  /** Days in a month: whatdate 1 for a BS month, 0 for a Gregorian one. */
  GetDaysInMonth(myYear: Argument, myMonth: Argument, whatdate: Argument): number;
  /** The weekday (1 Sunday to 7 Saturday) of a BS date. */
  GetWeekDay(thisyear: Argument, thismonth: Argument, thisday: Argument): number;
  /** The Kali Ahargana day count of a BS date: GetKaliAhargana(2059, 1, 1) is 1863913. */
  GetKaliAhargana(myYear: Argument, myMonth: Argument, myDay: Argument, mywkday?: Argument): number;
  /** BS date to Gregorian text: Nepali2EnglishDate(2059, 1, 1) is "04/14/2002". */
  Nepali2EnglishDate(myYear: Argument, myMonth: Argument, myDay: Argument, MyWeekDay?: Argument,
    SepCharCode?: SeparatorCode, style?: DateStyle): string;
  /** The Julian day of a BS date: GetJulianDate(2059, 1, 1) is 2452378.5. */
  GetJulianDate(myY: Argument, myM: Argument, myD: Argument, MyWeekDay?: Argument): number;
  /** Kali Ahargana to the BS Value string. */
  AharGana2NepaliDate(KaliAhargana: Argument, sepCode?: SeparatorCode): string;
  /** Julian day to Gregorian text. */
  JDate2EnglishDate(MyJulianDate: Argument, sepCode?: SeparatorCode, style?: DateStyle): string;
  /** The Devanagari that a legacy Nepali-font text draws (sauramiti.mjs only). */
  legacyToUnicode?(text: string): string;
}

export interface LoadOptions {
  /** The bytes of the core's .wasm, when the caller has them already. */
  wasmBinary?: ArrayBuffer | Uint8Array;
  /** Where a browser finds the .wasm, when it is not beside the module. */
  wasmUrl?: string | URL;
}

/** Loads the module once (later calls get the same object). */
export function loadSauramiti(options?: LoadOptions): Promise<Sauramiti>;
