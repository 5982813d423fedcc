// <sauramiti-date-picker>: the Sauramiti control in a web page.
//
// The element hosts a real control instance (the library's headless host, in WebAssembly) and
// draws the control's own child controls where the control put them: the two date panels, the
// year and month lists, the weekday headers and the 35 day cells, with their captions, sizes,
// colours, fonts and enabled state. Nothing about the month is worked out here.
//
// Properties: the control's 21 and its extensions, under their own names (el.Value, el.English, el.MinYear, ...),
// read and set as the control reads and sets them (a refused Let throws SauramitiError). Each
// has a kebab-case attribute (english, min-year, max-year, separator, date-value, ...); an
// attribute's text is handed to the property as a text, which the control converts, and a
// boolean attribute that is present without a value, or is "true", means true. The extensions'
// attributes: six-weeks, show-gregorian-day, mark-today, min-date and max-date ("yyyy/mm/dd"),
// holiday-fore-color (CSS "#rrggbb", or a number in the control's 0x00BBGGRR). Besides:
//   document   the control's saved settings (WriteProperties) as JSON text; setting it loads
//              them into a fresh instance, which replaces the current one only if loading worked
//   today      "YYYY-MM-DD": the host's local date (default: the browser's local date)
//   mode       "run" (default) or "design": the host's ambient UserMode
//   theme      "light" (default), "dark", or "auto" (as the system prefers)
//   name       the form field name: inside a <form> the element submits its Value and takes
//              part in reset (back to the `value` attribute, else to the Value it started with)
//   calendar   the Calendar extension by name or code: "model" (0, the default) or "published"
//              (1); el.calendar reads it as the name, el.Calendar as the code
// Events: `change` once when the user picks a day, after the control has updated everything
// (detail: Value, DateAD, DateValue, EngStrDate, JulianDate, UjjainAhargana); `propertychange`
// for each PropertyChanged the control sends (detail: {name}); `sauramitierror` when setting an
// attribute fails (detail: {number, message, attribute}), since an attribute has no caller to
// throw to.
//
// Sizes: the control works in twips, 15 to a CSS pixel; the element's box is the control's
// surface, and a ResizeObserver hands every change of it to the control's Resize.
//
// Styling: every colour the control uses is a CSS custom property with the control's colour as
// fallback: --sauramiti-system-N for system colour N (15 button face, 16 button shadow, 18
// button text, 13 highlight), --sauramiti-color-RRGGBB for a plain colour; --sauramiti-font for
// Latin text and --sauramiti-nepali-font for Devanagari. Parts: surface, frame, panel, bs-panel,
// ad-panel, list, year-list, month-list, grid, header, day, selected, today, marked-today,
// disabled.
import { SauramitiError, loadSauramiti } from "./sauramiti.mjs";
import { Area, navigationKey } from "./keyboard-navigation.mjs";
import { STYLE, TWIPS_PER_PX, colour, fontPx, px } from "./picker-look.mjs";

// Day cells: 35, and 42 when the control shows a sixth week.
const FIRST_SIXTH_WEEK_CELL = 35;
const DAY_CELLS = 42;

// The 21 properties and their attributes.
const PROPERTIES = [
  ["English", "english", "boolean"],
  ["Enabled", "enabled", "boolean"],
  ["MaxYear", "max-year"],
  ["MinYear", "min-year"],
  ["DateValue", "date-value"],
  ["month", "month"],
  ["Day", "day"],
  ["Weekday", "weekday"],
  ["year", "year"],
  ["UjjainAhargana", "ujjain-ahargana"],
  ["DateAD", "date-ad"],
  ["EnglishFont", "english-font", "font"],
  ["NepaliFont", "nepali-font", "font"],
  ["Vertical", "vertical", "boolean"],
  ["Value", "value"],
  ["EngStrDate", "eng-str-date"],
  ["JulianDate", "julian-date"],
  ["EnglishDateStyle", "english-date-style"],
  ["WeekDayStyle", "week-day-style"],
  ["Separator", "separator"],
  ["ToolTipText", "tool-tip-text"],
  // Extensions beyond the original 21.
  ["SixWeeks", "six-weeks", "boolean"],
  ["ShowGregorianDay", "show-gregorian-day", "boolean"],
  ["Calendar", "calendar", "calendar"],
  ["MarkToday", "mark-today", "boolean"],
  ["MinDate", "min-date"],
  ["MaxDate", "max-date"],
  ["HolidayForeColor", "holiday-fore-color", "color"],
];
// The Calendar property's codes by name: its attribute, and a text given to the property, may
// name the calendar ("model", "published") or give its code ("0", "1").
const CALENDAR_CODES = Object.freeze({ model: 0, published: 1 });
const PROPERTY_OF_ATTRIBUTE = new Map(PROPERTIES.map(([name, attribute, kind]) => [attribute, { name, kind }]));
const CHANGE_DETAIL = ["Value", "DateAD", "DateValue", "EngStrDate", "JulianDate", "UjjainAhargana"];

// Variant types of the core (sauramiti/base/variant.hpp).
const BOOLEAN = 1;
const INTEGER = 2;
const LONG = 3;
const DOUBLE = 5;

// Whether a child of the view snapshot says the same as when it was last drawn.
function sameChild(before, child) {
  if (!before) return false;
  for (const key in child) {
    const a = before[key];
    const b = child[key];
    if (a === b) continue;
    if (!Array.isArray(a) || !Array.isArray(b) || a.length !== b.length) return false;
    for (let i = 0; i < a.length; ++i) if (a[i] !== b[i]) return false;
  }
  return true;
}

// A colour attribute: CSS "#rrggbb" turned into the control's 0x00BBGGRR; any other text goes
// to the control as it is (a number in the control's encoding).
function controlColour(text) {
  const match = /^#([0-9a-f]{2})([0-9a-f]{2})([0-9a-f]{2})$/i.exec(text ?? "");
  if (!match) return text;
  return String(parseInt(match[1], 16) + parseInt(match[2], 16) * 0x100 + parseInt(match[3], 16) * 0x10000);
}

function localToday() {
  // The browser's local calendar date, never a UTC shift (new Date() late in the evening west
  // of Greenwich is already tomorrow in UTC).
  const now = new Date();
  return [now.getFullYear(), now.getMonth() + 1, now.getDate()];
}

function parseToday(text) {
  const match = /^(\d{1,4})-(\d{1,2})-(\d{1,2})$/.exec(text ?? "");
  return match ? [Number(match[1]), Number(match[2]), Number(match[3])] : null;
}

export class SauramitiDatePicker extends HTMLElement {
  static formAssociated = true;
  static observedAttributes = [...PROPERTY_OF_ATTRIBUTE.keys(), "today", "mode", "theme", "document"];

  #core = null;
  #instance = 0;
  #pending = [];  // property sets made before the module was loaded
  #nodes = null;
  #view = null;
  #focusCell = -1;  // the navigation layer's focus, as of the last drawing
  #drawn = new Map();  // each child as last drawn, by name
  #drawnContext = "";
  #internals = null;
  #startValue = "";
  #applyingAttribute = false;
  #resizeObserver = null;

  constructor() {
    super();
    this.#internals = this.attachInternals?.() ?? null;
    const root = this.attachShadow({ mode: "open", delegatesFocus: false });
    root.innerHTML = `<style>${STYLE}</style>`;
    this.ready = loadSauramiti().then((s) => {
      this.#core = s.core;
      if (this.isConnected && !this.#instance) this.#create();
      return this;
    });
  }

  connectedCallback() {
    if (this.#core && !this.#instance) this.#create();
    this.#resizeObserver ??= new ResizeObserver((entries) => this.#resized(entries));
    this.#resizeObserver.observe(this);
  }

  disconnectedCallback() {
    this.#resizeObserver?.disconnect();
  }

  // ---- The instance ----

  #create(documentText = null) {
    const core = this.#core;
    const [y, m, d] = parseToday(this.getAttribute("today")) ?? localToday();
    const status = documentText === null
      ? core.module._sm_picker_create(y, m, d, 0)
      : core.withCString(documentText, (text) => core.module._sm_picker_create(y, m, d, text));
    const address = core.take(status);
    if (this.#instance) core.module._sm_picker_destroy(this.#instance);
    this.#instance = address;
    core.take(core.module._sm_picker_set_user_mode(address, this.getAttribute("mode") === "design" ? 0 : 1));
    this.#resizeTo(this.clientWidth, this.clientHeight);
    if (documentText === null) {
      for (const attribute of this.getAttributeNames()) {
        if (PROPERTY_OF_ATTRIBUTE.has(attribute)) this.#applyAttribute(attribute, this.getAttribute(attribute));
      }
      for (const [name, value] of this.#pending) this.#set(name, value);
      this.#pending = [];
    }
    this.#takeEvents();
    this.#startValue = this.#get("Value");
    this.#render();
  }

  #call(name, ...args) {
    if (!this.#instance) throw new Error("the control is not loaded yet: await element.ready");
    return this.#core.take(this.#core.module[name](this.#instance, ...args));
  }

  #get(name) {
    const value = JSON.parse(this.#core.withCString(name, (n) => this.#call("_sm_picker_get", n)));
    switch (value.type) {
      case "Empty":
        return undefined;
      case "Boolean":
        return value.value === -1 ? true : value.value === 0 ? false : value.value;
      case "Font":
        if (!("name" in value)) return null;
        return { name: value.name, size: Number(value.size), bold: value.bold, italic: value.italic,
          underline: value.underline, strikethrough: value.strikethrough };
      case "Single":
      case "Double":
        return Number(value.value);
      default:
        return value.value;
    }
  }

  #set(name, value) {
    const core = this.#core;
    if (name === "Calendar" && typeof value === "string" && value.trim().toLowerCase() in CALENDAR_CODES) {
      value = CALENDAR_CODES[value.trim().toLowerCase()];
    }
    core.withCString(name, (n) => {
      if (typeof value === "boolean") {
        this.#call("_sm_picker_let_number", n, BOOLEAN, value ? -1 : 0);
      } else if (typeof value === "number") {
        const type = Number.isInteger(value) && Math.abs(value) <= 32768 && value !== 32768
          ? INTEGER : Number.isInteger(value) && value >= -(2 ** 31) && value < 2 ** 31 ? LONG : DOUBLE;
        this.#call("_sm_picker_let_number", n, type, value);
      } else if (typeof value === "string") {
        core.withCString(value, (t) => this.#call("_sm_picker_let_text", n, t));
      } else if (value && typeof value === "object" && typeof value.name === "string") {
        const flags = (value.bold ? 1 : 0) | (value.italic ? 2 : 0) | (value.underline ? 4 : 0) | (value.strikethrough ? 8 : 0);
        core.withCString(value.name, (f) => this.#call("_sm_picker_set_font", n, f, Number(value.size ?? 8.25), flags));
      } else {
        throw core.errorFor(13);
      }
    });
  }

  #setProperty(name, value) {
    if (!this.#instance) {
      this.#pending.push([name, value]);
      return;
    }
    try {
      this.#set(name, value);
    } finally {
      this.#afterChange();
    }
  }

  #applyAttribute(attribute, text) {
    const { name, kind } = PROPERTY_OF_ATTRIBUTE.get(attribute);
    let value = text;
    if (kind === "boolean") value = text === null ? false : text === "" || text.toLowerCase() === "true" || (text.toLowerCase() !== "false" && text);
    if (kind === "font") {
      const match = /^(.*\S)\s+([\d.]+)$/.exec(text ?? "");
      value = match ? { name: match[1], size: Number(match[2]) } : { name: text ?? "" };
    }
    if (kind === "color") value = controlColour(text);
    if (text === null && kind !== "boolean") return;  // a removed attribute leaves the property
    try {
      this.#set(name, value);
    } catch (error) {
      this.dispatchEvent(new CustomEvent("sauramitierror", {
        detail: { number: error.number, message: error.message, attribute },
      }));
    }
  }

  attributeChangedCallback(attribute, oldValue, newValue) {
    if (attribute === "theme") {
      this.#render();
      return;
    }
    if (!this.#instance || this.#applyingAttribute) return;
    if (attribute === "today") {
      // A new clock is a new instance: the control reads today's date when it starts.
      this.#create();
      return;
    }
    if (attribute === "mode") {
      this.#call("_sm_picker_set_user_mode", newValue === "design" ? 0 : 1);
      this.#render();
      return;
    }
    if (attribute === "document") {
      if (newValue) this.document = newValue;
      return;
    }
    this.#applyAttribute(attribute, newValue);
    this.#afterChange();
  }

  // A property by name: the 21 accessors below call these. Before the module has loaded, a
  // read gives undefined and a set waits for the instance.
  getProperty(name) {
    return this.#instance ? this.#get(name) : undefined;
  }

  setProperty(name, value) {
    this.#setProperty(name, value);
  }

  // ---- The document ----

  get document() {
    return this.#instance ? this.#call("_sm_picker_write_document") : undefined;
  }

  set document(text) {
    if (!this.#core) {
      this.ready.then(() => { this.document = text; });
      return;
    }
    this.#create(String(text));
  }

  // ---- Events and drawing ----

  // After the control changed: its events first (a `change` listener hears of a pick before
  // anything is drawn), then the browser's focus onto the grid's focus cell when the grid has
  // it (`focusGrid`), then the drawing.
  #afterChange(focusGrid = false) {
    this.#takeEvents();
    if (focusGrid) this.#focusGridCell();
    this.#render();
  }

  #takeEvents() {
    const events = JSON.parse(this.#call("_sm_picker_take_events"));
    const clicked = events.includes("Click");
    for (const event of events) {
      if (event.startsWith("PropertyChanged ")) {
        this.dispatchEvent(new CustomEvent("propertychange", { detail: { name: event.slice(16) } }));
      }
    }
    this.#internals?.setFormValue(this.#get("Value"));
    if (clicked) {
      const detail = {};
      for (const name of CHANGE_DETAIL) detail[name] = this.#get(name);
      this.dispatchEvent(new CustomEvent("change", { detail, bubbles: true }));
    }
  }

  #resized(entries) {
    if (!this.#instance) return;
    const box = entries[entries.length - 1].contentRect;
    this.#resizeTo(box.width, box.height);
    this.#afterChange();
  }

  #resizeTo(width, height) {
    if (width > 0 && height > 0) this.#call("_sm_picker_resize", width * TWIPS_PER_PX, height * TWIPS_PER_PX);
    this.#call("_sm_picker_relayout");  // see sm_picker_relayout
  }

  #build() {
    const root = this.shadowRoot;
    const surface = document.createElement("div");
    surface.className = "surface";
    surface.part = "surface";
    const make = (tag, parent, className, part) => {
      const node = document.createElement(tag);
      node.className = `child ${className}`;
      node.setAttribute("part", part);
      parent.append(node);
      return node;
    };
    const nodes = { surface };
    nodes.Frame1 = make("div", surface, "frame", "frame frame1");
    nodes.Label1 = make("div", nodes.Frame1, "label centred", "panel bs-panel");
    nodes.Label2 = make("div", nodes.Frame1, "label centred", "panel ad-panel");
    nodes.cboYear = make("select", nodes.Frame1, "list", "list year-list");
    nodes.CBoMonth = make("select", nodes.Frame1, "list", "list month-list");
    nodes.Frame2 = make("div", nodes.Frame1, "frame", "frame grid");
    nodes.Frame2.setAttribute("role", "grid");
    nodes.cboYear.addEventListener("change", () => this.#choose(0, nodes.cboYear.selectedIndex));
    nodes.CBoMonth.addEventListener("change", () => this.#choose(1, nodes.CBoMonth.selectedIndex));
    nodes.cboYear.addEventListener("mousedown", () => this.#dropDown(0));
    nodes.CBoMonth.addEventListener("mousedown", () => this.#dropDown(1));
    const headerRow = document.createElement("div");
    headerRow.className = "row";
    headerRow.setAttribute("role", "row");
    nodes.Frame2.append(headerRow);
    for (let i = 0; i < 7; ++i) {
      nodes[`lblWD(${i})`] = make("div", headerRow, "label centred raised header", "header");
      nodes[`lblWD(${i})`].setAttribute("role", "columnheader");
    }
    // Six weeks of cells: the sixth (cells 35 to 41) is drawn only while the snapshot lists it,
    // which it does when the control's SixWeeks is on.
    for (let week = 0; week < 6; ++week) {
      const row = document.createElement("div");
      row.className = "row";
      row.setAttribute("role", "row");
      nodes.Frame2.append(row);
      for (let i = 0; i < 7; ++i) {
        const j = week * 7 + i;
        const cell = make("div", row, "label centred day", "day");
        cell.setAttribute("role", "gridcell");
        cell.dataset.cell = String(j);
        cell.addEventListener("click", () => this.#clickDay(j));
        nodes[`lblDay(${j})`] = cell;
        if (j >= FIRST_SIXTH_WEEK_CELL) cell.classList.add("hidden");
      }
    }
    nodes.Frame2.addEventListener("keydown", (event) => this.#key(event, Area.Days));
    nodes.cboYear.addEventListener("keydown", (event) => this.#key(event, Area.YearList));
    nodes.CBoMonth.addEventListener("keydown", (event) => this.#key(event, Area.MonthList));
    root.append(surface);
    this.#nodes = nodes;
  }

  #render() {
    if (!this.#instance) return;
    this.#nodes ?? this.#build();
    const view = JSON.parse(this.#call("_sm_picker_view"));
    this.#view = view;
    const nodes = this.#nodes;
    const theme = this.getAttribute("theme");
    nodes.surface.className = `surface ${theme === "dark" ? "dark-theme" : theme === "auto" ? "auto-theme" : ""}`;
    nodes.surface.style.width = px(view.width);
    nodes.surface.style.height = px(view.height);
    const fontFamily = view.english ? "var(--sauramiti-font)" : "var(--sauramiti-nepali-font)";
    this.#focusCell = this.#call("_sm_picker_focus_cell");
    // A child is drawn again only when the snapshot says something new about it (a click
    // changes a handful of the 80); everything is drawn when the language, the surface's
    // enabled state or the theme changed, which every child's look depends on.
    const context = `${view.english}|${view.enabled}|${theme}`;
    const drawn = context === this.#drawnContext ? this.#drawn : new Map();
    this.#drawnContext = context;
    this.#drawn = new Map();
    for (const child of view.children) {
      const node = nodes[child.name];
      this.#drawn.set(child.name, child);
      if (child.kind === "day") this.#drawFocus(node, child);
      if (sameChild(drawn.get(child.name), child)) {
        // A list the person chose in shows the choice already; when the control kept its old
        // entry (its guards may), the snapshot is unchanged but the list must go back.
        if (child.kind === "combo" && node.selectedIndex !== child.index) node.selectedIndex = child.index;
        continue;
      }
      const style = node.style;
      style.left = px(child.left);
      style.top = px(child.top);
      style.width = px(child.width);
      style.height = px(child.height);
      style.backgroundColor = colour(child.back);
      node.classList.toggle("hidden", !child.visible);
      if (child.kind === "frame") continue;
      style.fontSize = fontPx(child.size);
      style.fontWeight = child.bold ? "bold" : "normal";
      style.fontFamily = view.english ? `"${child.font}", ${fontFamily}` : fontFamily;
      if (child.kind === "combo") {
        this.#fillList(node, child);
        node.disabled = !child.enabled || !view.enabled;
        continue;
      }
      style.color = colour(child.fore);
      if (node.textContent !== child.caption) node.textContent = child.caption;
      if (child.tooltip) node.title = child.tooltip;
      else node.removeAttribute("title");
      node.classList.toggle("disabled", !child.enabled);
      if (child.kind === "header") {
        node.setAttribute("aria-label", child.label);
      } else if (child.kind === "day") {
        this.#drawDay(node, child);
      }
    }
    for (let j = FIRST_SIXTH_WEEK_CELL; j < DAY_CELLS; ++j) {
      if (!this.#drawn.has(`lblDay(${j})`)) nodes[`lblDay(${j})`].classList.add("hidden");
    }
    // The sixth week is a row of the grid only while its cells are shown (SixWeeks on); otherwise
    // the grid has five week rows, as the original control.
    const sixthWeek = nodes[`lblDay(${FIRST_SIXTH_WEEK_CELL})`];
    const sixthShown = !sixthWeek.classList.contains("hidden");
    sixthWeek.parentElement.classList.toggle("hidden", !sixthShown);
    if (sixthShown) sixthWeek.parentElement.setAttribute("role", "row");
    else sixthWeek.parentElement.removeAttribute("role");
    nodes.Frame2.setAttribute("aria-label", `${nodes.CBoMonth.value} ${nodes.cboYear.value}`);
    nodes.cboYear.setAttribute("aria-label", view.english ? "Year" : "वर्ष");
    nodes.CBoMonth.setAttribute("aria-label", view.english ? "Month" : "महिना");
  }

  // The focus mark: the navigation layer's focus cell is the grid's one tab stop.
  #drawFocus(node, child) {
    const focused = child.day > 0 && node.dataset.cell === String(this.#focusCell);
    node.classList.toggle("focused", focused);
    // The attribute, not the property: a div without one reads as -1 yet takes no focus.
    const tabIndex = focused ? "0" : "-1";
    if (node.getAttribute("tabindex") !== tabIndex) node.setAttribute("tabindex", tabIndex);
  }

  #drawDay(node, child) {
    // ShowGregorianDay: the Gregorian day, small, in the top right corner (a CSS ::after).
    if (child.corner) node.dataset.corner = child.corner;
    else delete node.dataset.corner;
    node.classList.toggle("raised", !child.selected);
    node.classList.toggle("selected", child.selected && child.day > 0);
    node.classList.toggle("today", child.today);
    // MarkToday: the control's own mark of today, an outline apart from the selection.
    node.classList.toggle("marked-today", Boolean(child.outlined));
    node.setAttribute("part", ["day", child.selected && child.day > 0 ? "selected" : "",
      child.today ? "today" : "", child.outlined ? "marked-today" : "",
      child.enabled ? "" : "disabled"].filter(Boolean).join(" "));
    node.setAttribute("aria-selected", child.selected && child.day > 0 ? "true" : "false");
    if (child.today || child.outlined) node.setAttribute("aria-current", "date");
    else node.removeAttribute("aria-current");
    if (child.label) node.setAttribute("aria-label", child.label);
    else node.removeAttribute("aria-label");
    if (child.enabled && child.day > 0) node.removeAttribute("aria-disabled");
    else node.setAttribute("aria-disabled", "true");
  }

  #fillList(select, child) {
    const items = child.items;
    const options = select.options;
    let same = options.length === items.length;
    for (let i = 0; same && i < items.length; ++i) same = options[i].text === items[i];
    if (!same) {
      select.replaceChildren(...items.map((text) => new Option(text)));
    }
    select.selectedIndex = child.index;
  }

  // ---- The user's actions ----

  // A mouse click on day cell `cell`: the navigation layer puts its focus there and clicks the
  // cell through the host's user-action call, as a key would.
  #clickDay(cell) {
    if (!this.#instance) return;
    try {
      this.#call("_sm_picker_click_cell", cell);
    } finally {
      this.#afterChange(true);
    }
  }

  #choose(which, index) {
    try {
      this.#call("_sm_picker_choose", which, index);
    } finally {
      this.#afterChange();
    }
  }

  #dropDown(which) {
    this.#call("_sm_picker_drop_down", which);
    this.#takeEvents();
  }

  // A key pressed with the focus in `area` (the grid or one of the lists): the navigation layer
  // decides what it means and carries it out; the element only draws what came of it.
  #key(event, area) {
    if (!this.#view) return;
    const key = navigationKey(event, area);
    if (key === null) return;
    event.preventDefault();
    try {
      this.#call("_sm_picker_press", key, area);
    } finally {
      this.#afterChange(area === Area.Days);
    }
  }

  // The browser's focus onto the navigation layer's focus cell. Done before the drawing: focusing
  // makes the browser bring its styles up to date at once, which costs next to nothing while
  // they are clean and was a third of a click's time after the drawing. The cells are the same
  // nodes whatever the page shows, so the cell is the right one before it is drawn.
  #focusGridCell() {
    const node = this.#nodes?.[`lblDay(${this.#call("_sm_picker_focus_cell")})`];
    if (node && this.shadowRoot.activeElement !== node) node.focus();
  }

  // The Calendar property by name: "model" or "published" (el.Calendar gives the code, 0 or 1).
  get calendar() {
    const code = this.getProperty("Calendar");
    return code === undefined ? undefined : code === 1 ? "published" : "model";
  }

  set calendar(value) {
    this.setProperty("Calendar", value);
  }

  // ---- Forms ----

  formResetCallback() {
    if (!this.#instance) return;
    const value = this.getAttribute("value") ?? this.#startValue;
    this.#setProperty("Value", value);
  }

  get form() {
    return this.#internals?.form ?? null;
  }

  get name() {
    return this.getAttribute("name");
  }
}

// The 21 properties on the element's prototype.
for (const [name] of PROPERTIES) {
  Object.defineProperty(SauramitiDatePicker.prototype, name, {
    get() {
      return this.getProperty(name);
    },
    set(value) {
      this.setProperty(name, value);
    },
    enumerable: true,
  });
}

if (!customElements.get("sauramiti-date-picker")) {
  customElements.define("sauramiti-date-picker", SauramitiDatePicker);
}

export { SauramitiError };
