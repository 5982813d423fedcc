// The typed calendar of the JavaScript API (s.toGregorian, s.fromGregorian, s.daysInMonth,
// s.weekday, s.parse, s.format, s.fromDate, s.toDate) in both modules: every day of BS 2000 to
// 2099 both ways against the nine methods (which methods.test.mjs holds to the native command),
// text tables for parse and format, bad input, and Date interop in several time zones.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { resolve } from "node:path";
import { test } from "node:test";
import { pathToFileURL } from "node:url";
import { nativeCommand, repository } from "./native_answers.mjs";

const dist = process.env.SAURAMITI_WEB_DIST ?? resolve(repository, "web/dist");
const whole = await (await import(resolve(dist, "sauramiti.mjs"))).loadSauramiti();
const calendarOnly = await (await import(resolve(dist, "sauramiti-calendar.mjs"))).loadSauramiti();
const modules = [["sauramiti.mjs", whole], ["sauramiti-calendar.mjs", calendarOnly]];

for (const [name, s] of modules) {
  test(`${name}: every day of BS 2000-2099 both ways agrees with the nine methods`, () => {
    let days = 0;
    for (let year = 2000; year <= 2099; ++year) {
      for (let month = 1; month <= 12; ++month) {
        const length = s.daysInMonth(year, month);
        assert.equal(length, s.GetDaysInMonth(year, month, 1), `${year}/${month}`);
        for (let day = 1; day <= length; ++day, ++days) {
          const bs = { year, month, day };
          const [gy, gm, gd] = s.Nepali2EnglishDate(year, month, day, undefined, 1, 2).split("-").map(Number);
          const ad = s.toGregorian(bs);
          assert.deepEqual(ad, { year: gy, month: gm, day: gd }, `BS ${year}/${month}/${day}`);
          assert.deepEqual(s.fromGregorian(ad, { calendar: "model" }), bs);
          const value = s.English2NepaliDate(gy, gm, gd).split("/").map(Number);
          assert.deepEqual(value.slice(0, 3), [year, month, day]);
          assert.equal(s.weekday(bs), value[3] - 1);
          assert.deepEqual(s.parse(s.format(bs, "%F")), bs);
        }
      }
    }
    assert.ok(days > 36000);
  });

  test(`${name}: parse`, () => {
    const cases = [
      ["2081/09/15", { year: 2081, month: 9, day: 15 }],
      ["2081-9-5", { year: 2081, month: 9, day: 5 }],
      ["2081.09.15", { year: 2081, month: 9, day: 15 }],
      ["२०८१-०९-१५", { year: 2081, month: 9, day: 15 }],
      ["1/1/1", { year: 1, month: 1, day: 1 }],
      ["2081/13/01", null],
      ["2081/09/33", null],
      ["2081/09-15", null],
      [" 2081/09/15", null],
      ["2081/09/15 ", null],
      ["", null],
      ["hello", null],
      ["10000/01/01", null],
      [20810915, null],
    ];
    for (const [text, expected] of cases) assert.deepEqual(s.parse(text), expected, JSON.stringify(text));
  });

  test(`${name}: format`, () => {
    const date = { year: 2081, month: 9, day: 15 };
    const cases = [
      [date, "%d %B %Y, %A", "en", "15 Poush 2081, Monday"],
      [date, "%d %B %Y, %A", "ne", "१५ पौष २०८१, सोमवार"],
      [date, "%F", "en", "2081-09-15"],
      [{ year: 2081, month: 9, day: 5 }, "%e/%m", "english", "5/09"],
      [date, "100%% %Q", "en", "100% %Q"],
      [{ year: 59, month: 1, day: 1 }, "%Y", "nepali", "००५९"],
    ];
    for (const [d, pattern, locale, expected] of cases) assert.equal(s.format(d, pattern, locale), expected);
    assert.equal(s.format(date), "2081-09-15");
    assert.throws(() => s.format(date, "%F", "fr"), RangeError);
  });

  test(`${name}: bad dates, numbers and calendars throw RangeError`, () => {
    const bad = [
      () => s.toGregorian({ year: 2081, month: 13, day: 1 }),
      () => s.toGregorian({ year: 2081, month: 9, day: 33 }),
      () => s.toGregorian({ year: 0, month: 1, day: 1 }),
      () => s.toGregorian({ year: 2081, month: 1.5, day: 1 }),
      () => s.toGregorian({ year: 2081, month: 1, day: 1 }, { calendar: "lunar" }),
      () => s.fromGregorian({ year: 2023, month: 2, day: 29 }),
      () => s.fromGregorian({ year: 2024, month: 4, day: 31 }),
      () => s.fromGregorian({ year: -100, month: 1, day: 1 }),
      () => s.daysInMonth(2081, 0),
      () => s.daysInMonth(10000, 1),
      () => s.weekday({ year: 2081, month: 2, day: 0 }),
      () => s.fromDate(new Date(NaN)),
    ];
    bad.forEach((call, i) => assert.throws(call, RangeError, `case ${i}`));
    assert.throws(() => s.toGregorian(null), TypeError);
    assert.deepEqual(s.fromGregorian({ year: 2024, month: 2, day: 29 }), s.fromGregorian({ year: 2024, month: 2, day: 29 }));
    assert.deepEqual(s.calendars, ["model", "published"]);
  });

  // The published calendar where it differs from the model (2082: Asar 32 days, Shrawan 31),
  // against the native command's --calendar published answers.
  test(`${name}: the published calendar`, () => {
    const published = { calendar: "published" };
    assert.equal(s.daysInMonth(2082, 3, published), 32);
    assert.equal(s.daysInMonth(2082, 3), 31);
    assert.deepEqual(s.toGregorian({ year: 2082, month: 4, day: 1 }, published), { year: 2025, month: 7, day: 17 });
    assert.deepEqual(s.toGregorian({ year: 2082, month: 4, day: 1 }), { year: 2025, month: 7, day: 16 });
    assert.deepEqual(s.fromGregorian({ year: 2025, month: 7, day: 16 }, published), { year: 2082, month: 3, day: 32 });
    assert.throws(() => s.toGregorian({ year: 2082, month: 4, day: 32 }, published), RangeError);
    const days = Array.from({ length: 62 }, (_, i) => new Date(Date.UTC(2025, 5, 15 + i)));
    const isos = days.map((d) => d.toISOString().slice(0, 10));
    const native = execFileSync(nativeCommand(), ["to-bs", "--calendar", "published", "--iso", ...isos])
      .toString().trim().split("\n");
    days.forEach((d, i) => {
      const bs = s.fromGregorian({ year: 2025, month: d.getUTCMonth() + 1, day: d.getUTCDate() }, published);
      const text = [bs.year, bs.month, bs.day].map((n) => String(n).padStart(2, "0")).join("-");
      assert.equal(text, native[i], isos[i]);
    });
  });

  // Every day of BS 1 to 9999 against JavaScript's own proleptic Gregorian calendar: the days
  // follow one another in both directions, so the core's day counts are right for years before
  // 1 and after 9999 as well as for today's.
  test(`${name}: every day of the range both ways, against Date`, () => {
    const dayMs = 86400000;
    const start = s.toGregorian({ year: 1, month: 1, day: 1 });
    let ms = new Date(0).setUTCFullYear(start.year, start.month - 1, start.day);
    let checked = 0;
    for (let year = 1; year <= 9999; ++year) {
      for (let month = 1; month <= 12; ++month) {
        for (let day = 1, n = s.daysInMonth(year, month); day <= n; ++day, ms += dayMs, ++checked) {
          const when = new Date(ms);
          const ad = { year: when.getUTCFullYear(), month: when.getUTCMonth() + 1, day: when.getUTCDate() };
          const bs = s.fromGregorian(ad);
          if (bs.year !== year || bs.month !== month || bs.day !== day) assert.deepEqual(bs, { year, month, day }, JSON.stringify(ad));
          const back = s.toGregorian(bs);
          if (back.year !== ad.year || back.month !== ad.month || back.day !== ad.day) assert.deepEqual(back, ad);
        }
      }
    }
    assert.ok(checked > 3650000);
    const outside = [new Date(new Date(0).setUTCFullYear(start.year, start.month - 1, start.day - 1)), new Date(ms)];
    for (const when of outside) {
      const ad = { year: when.getUTCFullYear(), month: when.getUTCMonth() + 1, day: when.getUTCDate() };
      assert.throws(() => s.fromGregorian(ad), RangeError, JSON.stringify(ad));
    }
  });

  // Dates that are no Gregorian day: month ends (the 29th to 31st take the month's length) and
  // numbers that are not whole. Each throws RangeError, and its neighbour that exists converts.
  test(`${name}: month ends and bad numbers in fromGregorian`, () => {
    const cases = [
      [{ year: 1900, month: 2, day: 29 }, { year: 1900, month: 2, day: 28 }],
      [{ year: 2023, month: 2, day: 29 }, { year: 2024, month: 2, day: 29 }],
      [{ year: 2100, month: 2, day: 29 }, { year: 2000, month: 2, day: 29 }],
      [{ year: 2024, month: 2, day: 30 }, { year: 2024, month: 3, day: 30 }],
      [{ year: 2024, month: 4, day: 31 }, { year: 2024, month: 5, day: 31 }],
      [{ year: 2024, month: 11, day: 31 }, { year: 2024, month: 12, day: 31 }],
      [{ year: 2024, month: 1, day: 0 }, { year: 2024, month: 1, day: 1 }],
      [{ year: 2024, month: 0, day: 1 }, { year: 2024, month: 1, day: 1 }],
      [{ year: 2024, month: 13, day: 1 }, { year: 2024, month: 12, day: 1 }],
      [{ year: 2024, month: 1, day: 2.5 }, { year: 2024, month: 1, day: 2 }],
      [{ year: "2024", month: 1, day: 1 }, { year: 2024, month: 1, day: 1 }],
      [{ year: 2024, month: 1, day: 2 ** 32 + 1 }, { year: 2024, month: 1, day: 1 }],
      [{ year: 10001, month: 1, day: 1 }, { year: 2024, month: 1, day: 1 }],
      [{ year: -101, month: 12, day: 31 }, { year: 2024, month: 1, day: 1 }],
    ];
    for (const [bad, good] of cases) {
      assert.throws(() => s.fromGregorian(bad), RangeError, JSON.stringify(bad));
      assert.deepEqual(s.toGregorian(s.fromGregorian(good)), good, JSON.stringify(good));
    }
  });

  test(`${name}: the ends of the calendar`, () => {
    const first = s.toGregorian({ year: 1, month: 1, day: 1 });
    assert.deepEqual(s.fromGregorian(first), { year: 1, month: 1, day: 1 });
    assert.ok(first.year <= 0, "BS 1 begins before Gregorian year 1");
    const last = { year: 9999, month: 12, day: s.daysInMonth(9999, 12) };
    assert.deepEqual(s.fromGregorian(s.toGregorian(last)), last);
  });
}

// fromDate and toDate in a child process per time zone: the local calendar day, never UTC's.
test("fromDate and toDate keep the local calendar day in every time zone", () => {
  const script = `
    import assert from "node:assert/strict";
    const { loadSauramiti } = await import(${JSON.stringify(pathToFileURL(resolve(dist, "sauramiti-calendar.mjs")).href)});
    const s = await loadSauramiti();
    const expected = { year: 2059, month: 1, day: 1 };
    for (const [h, m] of [[0, 0], [0, 1], [12, 0], [23, 30], [23, 59]])
      assert.deepEqual(s.fromDate(new Date(2002, 3, 14, h, m)), expected, h + ":" + m);
    const back = s.toDate(expected);
    assert.deepEqual([back.getFullYear(), back.getMonth(), back.getDate(), back.getHours(), back.getMinutes()], [2002, 3, 14, 0, 0]);
    const early = { year: 100, month: 1, day: 1 };
    assert.deepEqual(s.fromDate(s.toDate(early)), early);
    assert.ok(s.toDate(early).getFullYear() < 100);
    for (let i = 0; i < 400; ++i) {
      const date = { year: 2000 + i % 100, month: 1 + i % 12, day: 1 + i % 29 };
      assert.deepEqual(s.fromDate(s.toDate(date)), date);
    }
    console.log("ok");
  `;
  for (const zone of ["UTC", "Asia/Kathmandu", "America/Los_Angeles", "Pacific/Kiritimati", "Pacific/Pago_Pago"]) {
    const out = execFileSync(process.execPath, ["--input-type=module", "-e", script], {
      env: { ...process.env, TZ: zone },
      encoding: "utf8",
    });
    assert.equal(out.trim(), "ok", zone);
  }
});
