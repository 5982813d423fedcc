// <sauramiti-date-picker> in headless Chromium (Debian's, driven by puppeteer-core): it shows
// what the native control shows, a click and the keyboard pick dates the way the control does,
// it takes part in a form, speaks Devanagari in Nepali and carries the ARIA grid pattern.
// Expected values come from the native command's headless control, never from this file.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";
import { useHeadlessChromium } from "./headless_chromium.mjs";
import { nativeCommand } from "./native_answers.mjs";

const chromium = useHeadlessChromium();

// The native control's answers to a script, one line each.
function nativeScript(lines) {
  return execFileSync(nativeCommand(), ["script"], { input: lines.join("\n") + "\n" })
    .toString("utf8").trimEnd().split("\n");
}
const unquote = (text) => JSON.parse(text);

async function openPicker(query = "") {
  const page = await chromium.browser.newPage();
  const errors = [];
  page.on("pageerror", (error) => errors.push(error.message));
  await page.goto(`${chromium.origin}/tests/web/pages/picker.html${query}`);
  await page.waitForSelector("body[data-ready]");
  page.errors = errors;
  return page;
}

const cells = (page) => page.evaluate(() =>
  [...document.getElementById("picker").shadowRoot.querySelectorAll('[role="gridcell"]:not(.hidden)')].map((cell) => ({
    text: cell.textContent, selected: cell.getAttribute("aria-selected"), label: cell.getAttribute("aria-label"),
    current: cell.getAttribute("aria-current"), tabindex: cell.tabIndex, disabled: cell.getAttribute("aria-disabled"),
  })));

test("renders the selected month as the native control lays it out", async () => {
  const page = await openPicker();
  const expected = nativeScript(["clock 2002-04-28", "new",
    ...Array.from({ length: 35 }, (_, j) => `inspect lblDay(${j}) caption`),
    ...Array.from({ length: 35 }, (_, j) => `inspect lblDay(${j}) s3`),
    "inspect Label1 caption", "inspect cboYear text", "inspect CBoMonth text"]);
  const shown = await cells(page);
  assert.deepEqual(shown.map((c) => c.text), expected.slice(0, 35).map(unquote));
  assert.deepEqual(shown.map((c) => c.selected === "true"), expected.slice(35, 70).map((s) => s === "0"));
  const panels = await page.evaluate(() => {
    const root = document.getElementById("picker").shadowRoot;
    return [root.querySelector('[part~="bs-panel"]').textContent, root.querySelector('[part~="year-list"]').value,
      root.querySelector('[part~="month-list"]').value];
  });
  assert.deepEqual(panels, expected.slice(70).map(unquote));
  assert.deepEqual(page.errors, []);
  await page.close();
});

test("a click on a day fires change once, with the control's values already updated", async () => {
  const page = await openPicker();
  const before = await cells(page);
  const target = before.findIndex((c) => c.text === "20");
  const expected = nativeScript(["clock 2002-04-28", "new", `click-day ${target}`, "get Value", "get DateAD",
    "get DateValue", "get EngStrDate", "get JulianDate", "get UjjainAhargana"]);
  await page.evaluate((j) => document.getElementById("picker").shadowRoot.querySelector(`[data-cell="${j}"]`).click(), target);
  const changes = await page.evaluate(() => window.changes);
  assert.equal(changes.length, 1);
  const detail = changes[0];
  assert.deepEqual(
    [`String ${JSON.stringify(detail.Value)}`, `String ${JSON.stringify(detail.DateAD)}`,
      `String ${JSON.stringify(detail.DateValue)}`, `String ${JSON.stringify(detail.EngStrDate)}`,
      `Double ${detail.JulianDate}`, `Long ${detail.UjjainAhargana}`],
    expected.slice(0, 6));
  assert.equal(await page.evaluate(() => document.getElementById("picker").Value), detail.Value);
  const after = await cells(page);
  assert.equal(after.find((c) => c.selected === "true").text, "20");
  await page.close();
});

test("the keyboard moves the focus, turns the month and picks", async () => {
  const page = await openPicker();
  const focusedText = () => page.evaluate(() => document.getElementById("picker").shadowRoot.activeElement?.textContent);
  await page.evaluate(() => document.getElementById("picker").shadowRoot.querySelector('[tabindex="0"]').focus());
  assert.equal(await focusedText(), "15");
  await page.keyboard.press("ArrowDown");   // vertical arrangement: the next day
  assert.equal(await focusedText(), "16");
  await page.keyboard.press("ArrowRight");  // a week later
  assert.equal(await focusedText(), "23");
  await page.keyboard.press("End");
  const last = await focusedText();
  await page.keyboard.press("ArrowDown");   // past the end: the first of the next month
  assert.equal(await focusedText(), "1");
  const month = () => page.evaluate(() => document.getElementById("picker").shadowRoot.querySelector('[part~="month-list"]').selectedIndex);
  assert.equal(await month(), 1);
  await page.keyboard.press("PageUp");
  assert.equal(await month(), 0);
  await page.keyboard.press("Home");
  assert.equal(await focusedText(), "1");
  await page.keyboard.press("ArrowUp");     // before the first: the last of the month before
  assert.equal(await month(), 11);
  await page.keyboard.press("PageDown");
  await page.keyboard.press("Enter");
  const changes = await page.evaluate(() => window.changes);
  assert.equal(changes.length, 1);
  const expected = nativeScript(["clock 2002-04-28", "new", "get Value"]);
  assert.ok(last === "31" || last === "30" || last === "32", `the last day of Vaishaka is ${last}`);
  assert.match(changes[0].Value, /^2059\/01\/\d\d\/\d$/);
  assert.notEqual(`String ${JSON.stringify(changes[0].Value)}`, expected[0]);
  await page.close();
});

test("Shift with Page Down turns the year; Space picks", async () => {
  const page = await openPicker();
  const lists = () => page.evaluate(() => [...document.getElementById("picker").shadowRoot.querySelectorAll("select")].map((s) => s.value));
  await page.evaluate(() => document.getElementById("picker").shadowRoot.querySelector('[tabindex="0"]').focus());
  await page.keyboard.down("Shift");
  await page.keyboard.press("PageDown");
  await page.keyboard.up("Shift");
  assert.deepEqual(await lists(), ["2060", "Vaishaka"]);
  await page.keyboard.press(" ");
  const changes = await page.evaluate(() => window.changes);
  assert.equal(changes.length, 1);
  assert.match(changes[0].Value, /^2060\/01\/15\/\d$/);
  await page.close();
});

test("inside a form it submits its Value and takes part in reset", async () => {
  const page = await openPicker();
  const start = await page.evaluate(() => document.getElementById("picker").Value);
  await page.evaluate(() => document.getElementById("picker").shadowRoot.querySelector('[data-cell="6"]').click());
  const picked = await page.evaluate(() => document.getElementById("picker").Value);
  assert.notEqual(picked, start);
  assert.equal(await page.evaluate(() => new FormData(document.getElementById("form")).get("bsdate")), picked);
  await page.evaluate(() => document.getElementById("form").reset());
  assert.equal(await page.evaluate(() => document.getElementById("picker").Value), start);
  await Promise.all([page.waitForNavigation(), page.click("#submit")]);
  assert.equal(new URL(page.url()).searchParams.get("bsdate"), start);
  await page.close();
});

test("Nepali is drawn as Unicode Devanagari", async () => {
  const page = await openPicker();
  await page.evaluate(() => document.getElementById("picker").setAttribute("english", "false"));
  const texts = await page.evaluate(() => {
    const root = document.getElementById("picker").shadowRoot;
    return [...root.querySelectorAll('[part~="panel"], [role="columnheader"], [role="gridcell"]:not(.hidden)')]
      .map((node) => node.textContent).filter((text) => text.length > 0);
  });
  assert.ok(texts.length > 30);
  for (const text of texts) assert.match(text, /^[\u0900-\u097F\s,]+$/u, text);
  assert.ok(texts.includes("१५"));
  const label = await page.evaluate(() =>
    document.getElementById("picker").shadowRoot.querySelector('[aria-selected="true"]').getAttribute("aria-label"));
  assert.match(label, /^[\u0900-\u097F ]+$/u, label);
  assert.ok(label.includes("१५") && label.includes("२०५९"), label);
  assert.equal(await page.evaluate(() => document.getElementById("picker").English), false);
  assert.ok((await page.evaluate(() => window.propertyChanges)).includes("English"));
  await page.close();
});

test("the ARIA grid pattern, with labels, the selection and today", async () => {
  const page = await openPicker();
  const roles = await page.evaluate(() => {
    const root = document.getElementById("picker").shadowRoot;
    const grid = root.querySelector('[role="grid"]');
    return { rows: grid.querySelectorAll('[role="row"]').length, headers: grid.querySelectorAll('[role="columnheader"]').length,
      label: grid.getAttribute("aria-label"), lists: [...root.querySelectorAll("select")].map((s) => s.getAttribute("aria-label")) };
  });
  assert.deepEqual(roles, { rows: 6, headers: 7, label: "Vaishaka 2059", lists: ["Year", "Month"] });
  const shown = await cells(page);
  const selected = shown.filter((c) => c.selected === "true");
  assert.equal(selected.length, 1);
  assert.equal(selected[0].label, "Sunday 15 Vaishaka 2059");
  assert.equal(selected[0].current, "date");  // the clock says 2002-04-28, BS 2059/01/15
  assert.equal(shown.filter((c) => c.current === "date").length, 1);
  assert.equal(shown.filter((c) => c.tabindex === 0).length, 1);
  assert.ok(shown.filter((c) => c.text === "").every((c) => c.disabled === "true" && c.label === null));
  await page.close();
});

test("the focus mark follows the navigation layer's focus cell", async () => {
  const page = await openPicker();
  // The one cell in the tab order, the element that has the focus, and what each shows.
  const mark = () => page.evaluate(() => {
    const root = document.getElementById("picker").shadowRoot;
    const stops = [...root.querySelectorAll('[role="gridcell"]:not(.hidden)')].filter((cell) => cell.tabIndex === 0);
    return { stops: stops.map((cell) => cell.textContent), active: root.activeElement?.textContent ?? null };
  });
  assert.deepEqual((await mark()).stops, ["15"]);  // it starts on the selected day
  await page.evaluate(() => document.getElementById("picker").shadowRoot.querySelector('[data-cell="6"]').click());
  const clicked = await page.evaluate(() => document.getElementById("picker").shadowRoot.querySelector('[data-cell="6"]').textContent);
  assert.deepEqual(await mark(), { stops: [clicked], active: clicked });  // a click moves it there
  await page.keyboard.press("ArrowDown");
  const next = String(Number(clicked) + 1);
  assert.deepEqual(await mark(), { stops: [next], active: next });
  // A Value set from outside turns the page under the focus: it keeps its day number.
  await page.evaluate(() => { document.getElementById("picker").Value = "2059/02/05"; });
  assert.deepEqual((await mark()).stops, [next]);
  // The month list with the focus: Down chooses its next entry through the layer, Page Down
  // turns the month as on the days, and the focus stays on the list.
  await page.evaluate(() => document.getElementById("picker").shadowRoot.querySelector('[part~="month-list"]').focus());
  const lists = () => page.evaluate(() => [...document.getElementById("picker").shadowRoot.querySelectorAll("select")].map((s) => s.value));
  await page.keyboard.press("ArrowDown");
  assert.deepEqual(await lists(), ["2059", "Asadh"]);
  await page.keyboard.press("PageUp");
  assert.deepEqual(await lists(), ["2059", "Jestha"]);
  assert.equal(await page.evaluate(() => document.getElementById("picker").shadowRoot.activeElement?.getAttribute("part")), "list month-list");
  assert.deepEqual((await mark()).stops, [next]);
  assert.deepEqual(await page.evaluate(() => window.changes.length), 1);  // only the click picked
  assert.deepEqual(page.errors, []);
  await page.close();
});

test("a drawing that skips unchanged children still shows the control's list entries", async () => {
  const page = await openPicker();
  const shown = await page.evaluate(() => {
    const picker = document.getElementById("picker");
    const months = picker.shadowRoot.querySelector('[part~="month-list"]');
    months.selectedIndex = 5;      // the list moved, the control was never told
    picker.ToolTipText = "a tip";  // any change draws again
    return [months.value, picker.month];
  });
  assert.deepEqual(shown, ["Vaishaka", 1]);
  await page.close();
});

test("first render after the module has loaded (reported, not judged)", async () => {
  const page = await openPicker();
  const ms = await page.evaluate(async () => {
    const start = performance.now();
    const picker = document.createElement("sauramiti-date-picker");
    document.body.append(picker);
    await picker.ready;
    const rendered = performance.now() - start;
    const cell = picker.shadowRoot.querySelector('[data-cell="10"]');
    const t0 = performance.now();
    let fired = 0;
    picker.addEventListener("change", () => { fired = performance.now(); });
    cell.click();
    return { rendered, click: fired - t0 };
  });
  console.log(`first render ${ms.rendered.toFixed(2)} ms; click to change ${ms.click.toFixed(2)} ms`);
  assert.ok(ms.rendered > 0);
  await page.close();
});

test("attributes set properties; the document saves and restores them", async () => {
  const page = await openPicker();
  const result = await page.evaluate(async () => {
    const picker = document.getElementById("picker");
    picker.setAttribute("min-year", "2050");
    picker.setAttribute("separator", "1");
    picker.setAttribute("vertical", "false");
    const saved = picker.document;
    const errors = [];
    picker.addEventListener("sauramitierror", (event) => errors.push(event.detail.number));
    picker.setAttribute("min-year", "x");
    let refused = null;
    try { picker.year = 99999; } catch (error) { refused = [error.name, error.number]; }
    let broken = null;
    try { picker.document = "{ not json"; } catch (error) { broken = error.message; }
    const copy = document.createElement("sauramiti-date-picker");
    copy.setAttribute("today", "2002-04-28");
    document.body.append(copy);
    await copy.ready;
    copy.document = saved;
    return { saved: JSON.parse(saved), minYear: picker.MinYear, copy: [copy.MinYear, copy.Separator, copy.Vertical],
      errors, refused, broken, stillThere: picker.Separator };
  });
  const file = join(chromium.profile, "native-document.json");
  nativeScript(["clock 2002-04-28", "new", "let MinYear 2050", "let Separator 1", "let Vertical False", `save ${file}`]);
  assert.deepEqual(result.saved, JSON.parse(readFileSync(file, "utf8")));
  assert.equal(result.minYear, 2050);
  assert.deepEqual(result.copy, [2050, 1, false]);
  assert.deepEqual(result.errors, [13]);
  assert.deepEqual(result.refused, ["SauramitiError", 6]);
  assert.ok(result.broken.length > 0);
  assert.equal(result.stillThere, 1);  // a document that does not load leaves the instance as it was
  await page.close();
});

test("a new size reaches the control's Resize, in twips", async () => {
  const page = await openPicker();
  await page.evaluate(() => { document.getElementById("picker").style.cssText = "width: 600px; height: 450px"; });
  await page.waitForFunction(() => {
    const cell = document.getElementById("picker").shadowRoot.querySelector('[data-cell="0"]');
    return parseFloat(cell.style.width) > 80;
  });
  const width = await page.evaluate(() => parseFloat(document.getElementById("picker").shadowRoot.querySelector('[data-cell="0"]').style.width));
  const expected = nativeScript(["clock 2002-04-28", "new", "size 9000 6750", "inspect lblDay(0) width"]);
  assert.ok(Math.abs(width * 15 - Number(expected[0])) < 0.01, `${width * 15} twips, native ${expected[0]}`);
  await page.close();
});

test("design mode refuses run-time properties; the dark theme recolours the control", async () => {
  const page = await openPicker();
  const result = await page.evaluate(() => {
    const picker = document.getElementById("picker");
    const cellColour = () => getComputedStyle(picker.shadowRoot.querySelector('[data-cell="10"]')).backgroundColor;
    const refusal = (set) => { try { set(); return 0; } catch (error) { return error.number; } };
    picker.setAttribute("mode", "design");
    const inDesign = refusal(() => { picker.year = 2060; });
    picker.setAttribute("mode", "run");
    const inRun = refusal(() => { picker.year = 2060; });
    const light = cellColour();
    picker.setAttribute("theme", "dark");
    return { inDesign, inRun, year: picker.year, light, dark: cellColour() };
  });
  const expected = nativeScript(["clock 2002-04-28", "new", "mode design", "let year 2060"]);
  assert.deepEqual(expected, ["error 387"]);
  assert.deepEqual([result.inDesign, result.inRun, result.year], [387, 0, 2060]);
  assert.notEqual(result.light, result.dark);
  await page.close();
});

test("SixWeeks makes the sixth week a row of the grid, and taking it away leaves five", async () => {
  const page = await openPicker();
  const grid = () => page.evaluate(() => {
    const root = document.getElementById("picker").shadowRoot;
    return { rows: root.querySelectorAll('[role="grid"] [role="row"]').length,
      cells: root.querySelectorAll('[role="gridcell"]:not(.hidden)').length };
  });
  const picker = (value) => page.evaluate((v) => document.getElementById("picker").setAttribute("six-weeks", v), value);
  assert.deepEqual(await grid(), { rows: 6, cells: 35 });
  await picker("true");
  assert.deepEqual(await grid(), { rows: 7, cells: 42 });
  await picker("false");
  assert.deepEqual(await grid(), { rows: 6, cells: 35 });
  await page.close();
});

// The calendar attribute (and property) turns the element to the published calendar: on 16 July
// 2025 it shows Asar 2082 with 32 days, today being its 32nd, as the native control does once its
// Calendar is 1; a bad value is reported and changes nothing.
test("the calendar attribute follows the published calendar as the native control does", async () => {
  const page = await openPicker();
  const expected = nativeScript(["clock 2025-07-16", "new", "let Calendar 1", "get Value", "get DateAD",
    ...Array.from({ length: 35 }, (_, j) => `inspect lblDay(${j}) caption`)]);
  const state = () => page.evaluate(() => {
    const picker = document.getElementById("picker");
    const captions = [...picker.shadowRoot.querySelectorAll('[role="gridcell"]:not(.hidden)')].map((c) => c.textContent);
    return { value: picker.Value, dateAD: picker.DateAD, code: picker.Calendar, name: picker.calendar, captions };
  });
  await page.evaluate(() => document.getElementById("picker").setAttribute("today", "2025-07-16"));
  await page.evaluate(() => document.getElementById("picker").ready);
  assert.equal((await state()).value, "2082/04/01/4");
  await page.evaluate(() => document.getElementById("picker").setAttribute("calendar", "published"));
  const published = await state();
  assert.deepEqual([published.value, published.dateAD], expected.slice(0, 2).map((t) => unquote(t.replace(/^String /, ""))));
  assert.deepEqual(published.captions, expected.slice(2).map(unquote));
  assert.equal(published.code, 1);
  assert.equal(published.name, "published");
  const errors = await page.evaluate(() => new Promise((done) => {
    const picker = document.getElementById("picker");
    picker.addEventListener("sauramitierror", (event) => done(event.detail.number), { once: true });
    picker.setAttribute("calendar", "lunar");
  }));
  assert.equal(errors, 13);
  assert.equal(await page.evaluate(() => { const p = document.getElementById("picker"); p.calendar = 0; return p.calendar; }), "model");
  assert.equal(await page.evaluate(() => { try { document.getElementById("picker").Calendar = 2; } catch (e) { return e.number; } }), 380);
  assert.equal((await state()).value, "2082/04/01/4");
  await page.close();
});

test("MarkToday, the date limits and HolidayForeColor reach the element's cells", async () => {
  // Today is 28 April 2002, Vaishaka 15 of 2059, in cell 14; Vaishaka 2059 starts on a Sunday.
  const page = await openPicker();
  const set = (name, value) => page.evaluate(([n, v]) => document.getElementById("picker").setAttribute(n, v), [name, value]);
  const cell = (j) => page.evaluate((k) => {
    const node = document.getElementById("picker").shadowRoot.querySelector(`[data-cell="${k}"]`);
    return { marked: node.classList.contains("marked-today"), current: node.getAttribute("aria-current"),
      disabled: node.getAttribute("aria-disabled"), color: node.style.color };
  }, j);
  const click = (j) => page.evaluate((k) =>
    document.getElementById("picker").shadowRoot.querySelector(`[data-cell="${k}"]`).click(), j);
  const day = () => page.evaluate(() => document.getElementById("picker").Day);
  assert.equal((await cell(14)).marked, false);
  await set("mark-today", "");
  await set("min-date", "2059/01/10");
  await set("max-date", "2059/01/20");
  await set("holiday-fore-color", "#c00000");
  assert.deepEqual([(await cell(14)).marked, (await cell(14)).current], [true, "date"]);
  assert.equal((await cell(13)).marked, false);
  assert.equal((await cell(4)).disabled, "true");
  assert.equal((await cell(11)).disabled, null);
  assert.equal((await cell(21)).disabled, "true");
  assert.match((await cell(13)).color, /C00000/i);  // Saturday the 14th
  assert.doesNotMatch((await cell(12)).color, /C00000/i);
  assert.equal(await page.evaluate(() => document.getElementById("picker").MaxDate), "2059/01/20");
  await click(11);
  assert.equal(await day(), 12);
  await click(4);  // outside the limits: nothing is picked
  assert.equal(await day(), 12);
  assert.deepEqual(page.errors, []);
  await page.close();
});
