// The nine methods in the WebAssembly build answer exactly as the native command does: every
// day of BS 2000 to 2099 both ways, and 100,000 random calls with every kind of bad argument,
// error numbers included. Arguments are handed over both as numbers and as texts.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { resolve } from "node:path";
import { test } from "node:test";
import { answerText, nativeAnswers, repository } from "./native_answers.mjs";

const dist = process.env.SAURAMITI_WEB_DIST ?? resolve(repository, "web/dist");
const { loadSauramiti, SauramitiError } = await import(resolve(dist, "sauramiti.mjs"));
const calendarOnly = await import(resolve(dist, "sauramiti-calendar.mjs"));
const s = await loadSauramiti();
const calendar = await calendarOnly.loadSauramiti();

function answer(api, method, args) {
  try {
    return answerText(api[method](...args));
  } catch (error) {
    if (!(error instanceof SauramitiError) && error.name !== "SauramitiError") throw error;
    return `error ${error.number}`;
  }
}

// A strict decimal integer or double form goes over as a number when `asNumber`, so both
// paths are taken; any other text (" 3", "", "x", "-") goes over as it is.
const numberForm = /^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$|^[+-]?(nan|inf)$/i;
function argument(text, asNumber) {
  if (text === "-" && asNumber) return undefined;
  if (!asNumber || !numberForm.test(text)) return text;
  const lower = text.toLowerCase();
  if (lower.endsWith("nan")) return NaN;
  if (lower.endsWith("inf")) return lower.startsWith("-") ? -Infinity : Infinity;
  return Number(text);
}

function compare(lines, api, label) {
  const expected = nativeAnswers(lines);
  assert.equal(expected.length, lines.length);
  const differences = [];
  lines.forEach((line, i) => {
    const [method, ...texts] = line.split("\t");
    const got = answer(api, method, texts.map((t) => argument(t, i % 2 === 0)));
    if (got !== expected[i] && differences.length < 10) {
      differences.push(`${line} -> native ${expected[i]}, ${label} ${got}`);
    }
  });
  assert.deepEqual(differences, []);
}

test("every day of BS 2000 to 2099, both ways", () => {
  const lines = [];
  for (let year = 2000; year <= 2099; ++year) {
    for (let month = 1; month <= 12; ++month) {
      const days = s.GetDaysInMonth(year, month, 1);  // disNepali
      assert.ok(days >= 29 && days <= 32, `${year}/${month} has ${days} days`);
      for (let day = 1; day <= days; ++day) {
        lines.push(`Nepali2EnglishDate\t${year}\t${month}\t${day}\t-\t3\t2`);
      }
    }
  }
  const gregorian = nativeAnswers(lines);
  for (const date of gregorian) {
    const [y, m, d] = date.split("-");
    lines.push(`English2NepaliDate\t${y}\t${m}\t${d}`);
  }
  assert.ok(lines.length > 2 * 36000);
  compare(lines, s, "wasm");
});

test("100,000 random calls answer as the native command", () => {
  const text = execFileSync("python3", [resolve(repository, "tests/tools/random_calls.py"), "100000"], {
    maxBuffer: 64 * 1024 * 1024,
  }).toString();
  const lines = text.split("\n").filter((line) => line.length > 0);
  assert.equal(lines.length, 100000);
  compare(lines, s, "wasm");
  compare(lines.slice(0, 20000), calendar, "calendar-only wasm");
});

test("errors are SauramitiError with the number and the standard description", () => {
  const cases = [
    ["GetWeekDay", [2059, 1.5, 1], 13],
    ["GetWeekDay", [2059, NaN, 1], 13],
    ["GetWeekDay", [2059, Infinity, 1], 13],
    ["GetWeekDay", [32768, 1, 1], 6],
    ["GetDaysInMonth", [2059, 1, 2 ** 31], 6],
    ["GetWeekDay", [2059, null, 1], 13],
    ["GetWeekDay", [2059, true, 1], 13],
    ["GetWeekDay", [2059, 1], 450],
    ["GetWeekDay", [2059, 1, 1, 1], 450],
    ["GetWeekDay", [2059, undefined, 1], 450],
    ["GetWeekDay", [2059, "1.0", 1], 13],
    ["GetWeekDay", [null, 1], 450],         // the count is checked before the values
    ["GetWeekDay", [{}, 1, 1], 13],
  ];
  for (const [method, args, number] of cases) {
    assert.throws(
      () => s[method](...args),
      (error) => error instanceof SauramitiError && error.number === number && error.message.length > 0,
      `${method}(${args.join(", ")})`,
    );
  }
  assert.equal(s.Nepali2EnglishDate(2059, 1, 1), "04/14/2002");
  assert.equal(s.Nepali2EnglishDate(2059, 1, 1, undefined, 1, undefined), "04-14-2002");
});

test("200,000 errors in a row leave the module working", () => {
  for (let i = 0; i < 200000; ++i) {
    try {
      s.GetWeekDay(2059, 13, 40);
    } catch (error) {
      if (error.number !== 5) throw error;
    }
  }
  assert.equal(s.GetKaliAhargana(2059, 1, 1), 1863913);
});
