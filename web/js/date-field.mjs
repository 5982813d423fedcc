// <sauramiti-date-field>: a text input for a BS date with the picker as a popup, the way most
// web forms take a date.
//
//   <sauramiti-date-field name="bsdate" value="2081-09-15"></sauramiti-date-field>
//
// The person types a date or picks one. What is typed is checked through s.parse (year, month,
// day separated by "-", "/" or ".", ASCII or Devanagari digits): a text that is no day of the
// calendar marks the field invalid (aria-invalid, the form's badInput validity, so the form
// will not submit it) and leaves `value` as it was; a good one is written back as YYYY-MM-DD
// when the input is left. Alt+Down (or Alt+Up) or the button opens the popup with the typed date
// selected; picking a day (click, Enter or Space) fills the input and closes it; Escape closes
// it without a change; either way the focus returns to the input.
//
// Properties: `value` ("YYYY-MM-DD" or "" when empty), `date` ({year, month, day} or null),
// `name`, `open` (whether the popup shows), `ready` (a promise for the loaded module). The
// `value` attribute is the starting value, and what a form reset goes back to. Events: `change`
// (detail: the date, or null when emptied) when the value changes through the person,
// `input` as the text is typed.
// Parts: input, button, popup, picker. The popup's picker is a <sauramiti-date-picker>; set its
// attributes through `field.picker` (e.g. field.picker.English = false).
import { loadSauramiti } from "./sauramiti.mjs";
import "./date-picker.mjs";

const STYLE = `
:host { display: inline-block; position: relative; font: inherit; }
.row { display: inline-flex; align-items: stretch; }
input { font: inherit; width: 8.5em; }
input[aria-invalid="true"] { outline: 2px solid var(--sauramiti-invalid, #c62828); }
button { font: inherit; padding: 0 0.4em; }
[part="popup"] { position: absolute; z-index: 10; top: 100%; left: 0; margin-top: 2px;
  background: var(--sauramiti-popup-background, Canvas); box-shadow: 0 2px 8px #0006; }
[part="popup"][hidden] { display: none; }
sauramiti-date-picker { display: block; width: 200px; height: 200px; }
`;

// "YYYY-MM-DD" of a date.
const iso = (d) => `${String(d.year).padStart(4, "0")}-${String(d.month).padStart(2, "0")}-${String(d.day).padStart(2, "0")}`;

export class SauramitiDateField extends HTMLElement {
  static formAssociated = true;
  static observedAttributes = ["value"];

  #s = null;
  #internals;
  #input;
  #button;
  #popup;
  #picker;
  #date = null;  // the last good date, or null

  constructor() {
    super();
    this.#internals = this.attachInternals();
    const root = this.attachShadow({ mode: "open" });
    root.innerHTML = `<style>${STYLE}</style>
      <span class="row">
        <input part="input" type="text" inputmode="numeric" autocomplete="off" spellcheck="false"
               placeholder="YYYY-MM-DD" aria-haspopup="dialog" aria-expanded="false">
        <button part="button" type="button" tabindex="-1" aria-label="Choose a date">&#9662;</button>
      </span>
      <div part="popup" role="dialog" aria-label="Choose a date" hidden>
        <sauramiti-date-picker part="picker"></sauramiti-date-picker>
      </div>`;
    this.#input = root.querySelector("input");
    this.#button = root.querySelector("button");
    this.#popup = root.querySelector('[part="popup"]');
    this.#picker = root.querySelector("sauramiti-date-picker");
    this.#input.addEventListener("input", () => this.#typed(false));
    this.#input.addEventListener("change", () => this.#typed(true));
    this.#input.addEventListener("keydown", (event) => this.#key(event));
    this.#popup.addEventListener("keydown", (event) => this.#key(event));
    this.#button.addEventListener("click", () => (this.open ? this.#close() : this.#openPopup()));
    this.#picker.addEventListener("change", (event) => this.#picked(event.detail.Value));
    this.ready = loadSauramiti().then((s) => {
      this.#s = s;
      this.#setText(this.getAttribute("value") ?? "", false);
      return this;
    });
  }

  get value() { return this.#date ? iso(this.#date) : ""; }
  set value(text) {
    if (this.#s) this.#setText(String(text ?? ""), false);
    else this.ready.then(() => this.#setText(String(text ?? ""), false));
  }
  get date() { return this.#date ? { ...this.#date } : null; }
  get name() { return this.getAttribute("name"); }
  get form() { return this.#internals.form; }
  get validity() { return this.#internals.validity; }
  get open() { return !this.#popup.hidden; }
  get picker() { return this.#picker; }

  attributeChangedCallback(name, before, after) {
    if (name === "value" && this.#s && before !== after) this.#setText(after ?? "", false);
  }

  formResetCallback() {
    this.#close(false);
    this.#setText(this.getAttribute("value") ?? "", false);
  }

  focus(options) { this.#input.focus(options); }

  // The input's text taken as the field's value: empty, a date, or refused (marked invalid).
  // While the text is being typed (`commit` false) only its validity is shown: a prefix of a
  // date ("2081-09-3") is often a date itself, so the value changes when the text is committed
  // (the input left, Enter, a pick), never in between.
  #setText(text, byPerson, commit = true) {
    const trimmed = text.trim();
    const date = trimmed === "" ? null : this.#s.parse(trimmed);
    const bad = trimmed !== "" && date === null;
    if (date && commit) this.#input.value = iso(date);
    else if (!byPerson) this.#input.value = text;
    this.#input.setAttribute("aria-invalid", String(bad));
    if (bad) {
      this.#internals.setValidity({ badInput: true }, `"${trimmed}" is not a BS date (YYYY-MM-DD)`, this.#input);
      return;
    }
    this.#internals.setValidity({});
    if (!commit) return;
    const changed = (date === null) !== (this.#date === null) || (date && iso(date) !== iso(this.#date));
    this.#date = date;
    this.#internals.setFormValue(this.value);
    if (byPerson && changed) this.dispatchEvent(new CustomEvent("change", { detail: this.date, bubbles: true }));
  }

  // `commit`: the input was left or Enter pressed (the date is written back in its own form).
  #typed(commit) {
    if (!this.#s) return;
    this.#setText(this.#input.value, true, commit);
  }

  #key(event) {
    if (event.key === "Enter" && event.target === this.#input) this.#typed(true);  // before a submit
    if (event.altKey && (event.key === "ArrowDown" || event.key === "ArrowUp")) {
      event.preventDefault();
      if (this.open) this.#close(); else this.#openPopup();
    } else if (event.key === "Escape" && this.open) {
      event.preventDefault();
      event.stopPropagation();
      this.#close();
    }
  }

  async #openPopup() {
    await this.ready;
    await this.#picker.ready;
    if (this.#date) {
      const w = this.#s.weekday(this.#date) + 1;
      const value = iso(this.#date).replaceAll("-", "/") + `/${w}`;
      if (this.#picker.Value.slice(0, 10) !== value.slice(0, 10)) this.#picker.Value = value;
    }
    this.#popup.hidden = false;
    this.#input.setAttribute("aria-expanded", "true");
    // The keys go to the picker's day grid, the navigation layer's focus.
    const cell = this.#picker.shadowRoot.querySelector('[role="gridcell"][tabindex="0"]');
    (cell ?? this.#picker).focus();
  }

  #close(refocus = true) {
    if (!this.open) return;
    this.#popup.hidden = true;
    this.#input.setAttribute("aria-expanded", "false");
    if (refocus) this.#input.focus();
  }

  // The picker's Value ("YYYY/MM/DD/w", its separator at fixed places) as the field's date.
  #picked(value) {
    const date = { year: Number(value.slice(0, 4)), month: Number(value.slice(5, 7)), day: Number(value.slice(8, 10)) };
    this.#setText(iso(date), true);
    this.#close();
  }
}

if (!customElements.get("sauramiti-date-field")) {
  customElements.define("sauramiti-date-field", SauramitiDateField);
}
