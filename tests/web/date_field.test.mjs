// <sauramiti-date-field> in headless Chromium: typed dates are checked through s.parse (a bad
// one marks the field invalid and keeps the form from submitting it), Alt+Down and the button
// open the picker, Escape closes it, a picked day fills the input, the focus comes back to the
// input, and the field submits and resets with its form.
import assert from "node:assert/strict";
import { test } from "node:test";
import { useHeadlessChromium } from "./headless_chromium.mjs";

const chromium = useHeadlessChromium();

async function openField() {
  const page = await chromium.browser.newPage();
  const errors = [];
  page.on("pageerror", (error) => errors.push(error.message));
  await page.goto(`${chromium.origin}/tests/web/pages/field.html`);
  await page.waitForSelector("body[data-ready]");
  page.errors = errors;
  return page;
}

// What the field shows and holds, and where the focus is.
const state = (page) => page.evaluate(() => {
  const field = document.getElementById("field");
  const input = field.shadowRoot.querySelector("input");
  return {
    text: input.value, value: field.value, invalid: input.getAttribute("aria-invalid"),
    valid: field.validity.valid, submitted: new FormData(document.getElementById("form")).get("bsdate"),
    open: field.open, expanded: input.getAttribute("aria-expanded"),
    inputFocused: document.activeElement === field && field.shadowRoot.activeElement === input,
    changes: window.changes.length,
  };
});

async function typeInto(page, text) {
  await page.click("#field");  // the field's box is the input's
  await page.evaluate(() => { document.getElementById("field").shadowRoot.querySelector("input").select(); });
  await page.keyboard.type(text);
}

test("typed dates are checked through parse; a bad one is invalid and not submitted", async () => {
  const page = await openField();
  let now = await state(page);
  assert.deepEqual([now.text, now.value, now.submitted, now.valid, now.invalid], ["2081-09-15", "2081-09-15", "2081-09-15", true, "false"]);

  // A refused text keeps the value; so does a half-typed one ("2081-09-3" is a date itself).
  const refused = ["2081/13/01", "2081-09-33", "15/09/2081", "tomorrow"];
  for (const text of refused) {
    await typeInto(page, text);
    now = await state(page);
    assert.deepEqual([now.text, now.invalid, now.valid, now.value], [text, "true", false, "2081-09-15"], text);
    assert.equal(await page.evaluate(() => document.getElementById("form").checkValidity()), false);
  }

  const accepted = [["२०८१-१०-०२", "2081-10-02"], ["2081/1/5", "2081-01-05"], ["2000.12.30", "2000-12-30"]];
  for (const [text, value] of accepted) {
    await typeInto(page, text);
    await page.keyboard.press("Tab");  // leaving the input writes the date back in its own form
    now = await state(page);
    assert.deepEqual([now.text, now.value, now.submitted, now.valid, now.invalid], [value, value, value, true, "false"], text);
  }
  const details = await page.evaluate(() => window.changes);
  assert.deepEqual(details.at(-1), { year: 2000, month: 12, day: 30 });
  assert.deepEqual(page.errors, []);
  await page.close();
});

test("Alt+Down and the button open the picker, Escape closes it, focus returns to the input", async () => {
  const page = await openField();
  await page.click("#field");
  await page.keyboard.down("Alt");
  await page.keyboard.press("ArrowDown");
  await page.keyboard.up("Alt");
  await page.waitForFunction(() => document.getElementById("field").open);
  let now = await state(page);
  assert.deepEqual([now.open, now.expanded, now.inputFocused], [true, "true", false]);
  // The picker shows the field's date.
  assert.equal(await page.evaluate(() => document.getElementById("field").picker.Value.slice(0, 10)), "2081/09/15");

  await page.keyboard.press("Escape");
  now = await state(page);
  assert.deepEqual([now.open, now.expanded, now.inputFocused, now.value, now.changes], [false, "false", true, "2081-09-15", 0]);

  // The button opens it too; a day picked with the keys fills the input and closes the popup.
  await page.click("#field >>> button");
  await page.waitForFunction(() => document.getElementById("field").open);
  await page.keyboard.press("Home");  // the month's first day
  await page.keyboard.press("Enter");
  now = await state(page);
  assert.deepEqual([now.open, now.inputFocused, now.value, now.text, now.changes], [false, true, "2081-09-01", "2081-09-01", 1]);

  // A click on a day cell picks it as well.
  await page.click("#field >>> button");
  await page.waitForFunction(() => document.getElementById("field").open);
  const label = await page.evaluate(() => {
    const picker = document.getElementById("field").picker;
    const cell = [...picker.shadowRoot.querySelectorAll('[role="gridcell"]')].find((c) => c.textContent.trim() === "20");
    cell.dispatchEvent(new MouseEvent("mousedown", { bubbles: true }));
    cell.click();
    return cell.getAttribute("aria-label");
  });
  assert.match(label, /20 Poush 2081/);
  now = await state(page);
  assert.deepEqual([now.open, now.value, now.inputFocused], [false, "2081-09-20", true]);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test("the form submits the field's value and a reset puts back the value attribute", async () => {
  const page = await openField();
  await typeInto(page, "2082-01-01");
  await page.keyboard.press("Tab");
  assert.equal((await state(page)).submitted, "2082-01-01");
  await page.evaluate(() => document.getElementById("form").reset());
  const now = await state(page);
  assert.deepEqual([now.text, now.value, now.submitted, now.valid], ["2081-09-15", "2081-09-15", "2081-09-15", true]);
  await Promise.all([page.waitForNavigation(), page.click("#submit")]);
  assert.equal(new URL(page.url()).searchParams.get("bsdate"), "2081-09-15");
  await page.close();
});
