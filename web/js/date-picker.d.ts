// Types of <sauramiti-date-picker> (date-picker.mjs).
export { SauramitiError } from "./sauramiti.js";

export interface SauramitiFont {
  name: string;
  size: number;
  bold?: boolean;
  italic?: boolean;
  underline?: boolean;
  strikethrough?: boolean;
}

/** What `change` carries: the control's values after the pick. */
export interface SauramitiChangeDetail {
  Value: string;
  DateAD: string;
  DateValue: string;
  EngStrDate: string;
  JulianDate: number;
  UjjainAhargana: number;
}

export class SauramitiDatePicker extends HTMLElement {
  /** Resolves when the module has loaded and the control instance exists. */
  readonly ready: Promise<SauramitiDatePicker>;
  /** The saved settings (WriteProperties) as JSON text; setting it loads them. */
  document: string | undefined;
  readonly form: HTMLFormElement | null;
  readonly name: string | null;
  getProperty(name: string): unknown;
  setProperty(name: string, value: unknown): void;

  English: boolean | number;
  Enabled: boolean | number;
  MaxYear: number | string | boolean | undefined;
  MinYear: number;
  DateValue: string;
  month: number;
  Day: number;
  Weekday: number;
  year: number;
  UjjainAhargana: number;
  DateAD: string;
  EnglishFont: SauramitiFont | null;
  NepaliFont: SauramitiFont | null;
  Vertical: boolean | number;
  Value: string;
  EngStrDate: string;
  JulianDate: number;
  EnglishDateStyle: number;
  WeekDayStyle: number;
  Separator: number;
  ToolTipText: string;
  // Extensions beyond the original 21.
  SixWeeks: boolean;
  ShowGregorianDay: boolean;
  /** Extension: 0 the model (default), 1 the published calendar; also takes "model"/"published". */
  Calendar: number;
  /** The same by name. */
  calendar: "model" | "published" | undefined;
  MarkToday: boolean;
  MinDate: string;
  MaxDate: string;
  HolidayForeColor: number;
}

declare global {
  interface HTMLElementTagNameMap {
    "sauramiti-date-picker": SauramitiDatePicker;
  }
  interface HTMLElementEventMap {
    propertychange: CustomEvent<{ name: string }>;
    sauramitierror: CustomEvent<{ number: number; message: string; attribute: string }>;
  }
}
