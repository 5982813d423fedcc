// Types of <sauramiti-date-field> (date-field.mjs).
import type { DateParts } from "./sauramiti.js";
import type { SauramitiDatePicker } from "./date-picker.js";

/**
 * A text input for a BS date with the picker as a popup. Typed text is checked through
 * s.parse; a bad text marks the field invalid (badInput) and keeps the last good value.
 */
export class SauramitiDateField extends HTMLElement {
  static readonly formAssociated: true;
  /** "YYYY-MM-DD", or "" when empty; setting it takes any text parse() reads. */
  value: string;
  /** The value as numbers, or null when empty. */
  readonly date: DateParts | null;
  readonly name: string | null;
  readonly form: HTMLFormElement | null;
  readonly validity: ValidityState;
  /** Whether the popup shows. */
  readonly open: boolean;
  /** The popup's picker, for its settings (field.picker.English = false). */
  readonly picker: SauramitiDatePicker;
  /** `change` (CustomEvent, detail: the new date or null) fires when the person changes it. */
  /** Resolves when the module is loaded. */
  readonly ready: Promise<SauramitiDateField>;
}

declare global {
  interface HTMLElementTagNameMap {
    "sauramiti-date-field": SauramitiDateField;
  }
}
