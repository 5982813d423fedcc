// The browser's key names against the navigation layer: the numbers the element passes must be
// the layer's own (read from its headers, so a renumbered enum fails here rather than in a
// browser), and each key of a web grid must reach the layer as the key it means.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";
import { repository } from "./native_answers.mjs";

const { Area, Key, Result, navigationKey } = await import(join(repository, "web/js/keyboard-navigation.mjs"));

// The enumerators of `enum class NAME` in a header, as {name: number}.
function enumerators(header, name) {
  const text = readFileSync(join(repository, "sauramiti/navigation", header), "utf8");
  const body = new RegExp(`enum class ${name}\\b[^{]*\\{([^}]*)\\}`).exec(text)[1];
  return Object.fromEntries([...body.matchAll(/(\w+)\s*=\s*(\d+)/g)].map(([, n, v]) => [n, Number(v)]));
}

test("the key, area and result numbers are the navigation layer's", () => {
  const keys = enumerators("key_map.hpp", "Key");
  for (const [name, number] of Object.entries(Key)) assert.equal(number, keys[name], `Key.${name}`);
  assert.deepEqual({ ...Area }, enumerators("key_map.hpp", "Area"));
  assert.deepEqual({ ...Result }, enumerators("navigator.hpp", "Result"));
});

test("each browser key reaches the layer as the key it means, or stays with the browser", () => {
  const press = (key, area, modifiers = {}) => navigationKey({ key, ...modifiers }, area);
  const cases = [
    // [key, modifiers, on the days, on a list]
    ["ArrowLeft", {}, Key.Left, Key.Left],
    ["ArrowRight", {}, Key.Right, Key.Right],
    ["ArrowUp", {}, Key.Up, Key.Up],
    ["ArrowDown", {}, Key.Down, Key.Down],
    ["PageUp", {}, Key.PageUp, Key.PageUp],
    ["PageDown", {}, Key.PageDown, Key.PageDown],
    ["PageUp", { shiftKey: true }, Key.PreviousYear, Key.PreviousYear],
    ["PageDown", { shiftKey: true }, Key.NextYear, Key.NextYear],
    ["Home", {}, Key.Home, Key.Home],
    ["End", {}, Key.End, Key.End],
    ["Enter", {}, Key.Enter, null],  // on a list Enter and Space open it
    [" ", {}, Key.Space, null],
    ["Tab", {}, null, null],  // the page's tab order
    ["Tab", { shiftKey: true }, null, null],
    ["Escape", {}, null, null],
    ["ArrowDown", { altKey: true }, null, null],  // Alt+Down opens a list
    ["PageDown", { ctrlKey: true }, null, null],  // the browser's tab switch
    ["Home", { metaKey: true }, null, null],
    ["h", {}, null, null],  // the terminal's letters are no keys of a web grid
  ];
  for (const [key, modifiers, onDays, onList] of cases) {
    assert.equal(press(key, Area.Days, modifiers), onDays, `${key} ${JSON.stringify(modifiers)} on the days`);
    for (const list of [Area.YearList, Area.MonthList]) {
      assert.equal(press(key, list, modifiers), onList, `${key} ${JSON.stringify(modifiers)} on list ${list}`);
    }
  }
});
