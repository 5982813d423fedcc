// Every day of BS 2000 to 2099 converted both ways in one node process: the WebAssembly build's
// typed calendar (s.toGregorian, s.fromGregorian: objects in, objects out, one numeric call into
// the core each) against nepali-datetime's and bikram-sambat's converters. Each side is timed on
// the days both peers accept (bikram-sambat's table ends in BS 2090, nepali-datetime's months
// lack some 32nd days the model gives), each converting its own answers back, so every library
// walks its own calendar. Prints nanoseconds a conversion (the best of PASSES passes: on a
// shared, loaded machine the fastest pass is the one least disturbed, for every library alike) and how many
// times faster the typed API is than the fastest peer in each direction.
//   npm ci && node typed_vs_peers.mjs [PASSES]        (after scripts/build-web.sh)
import { createRequire } from "node:module";
import { dirname, resolve } from "node:path";
import { fileURLToPath } from "node:url";

const require = createRequire(import.meta.url);
const bikramSambat = require("bikram-sambat");
const converter = require("nepali-datetime/dateConverter");
const here = dirname(fileURLToPath(import.meta.url));
const dist = process.env.SAURAMITI_WEB_DIST ?? resolve(here, "../../../web/dist");
const { loadSauramiti } = await import(resolve(dist, "sauramiti-calendar.mjs"));
const s = await loadSauramiti();
const passes = Number(process.argv[2] ?? 15);

const pad = (n) => String(n).padStart(2, "0");
// Each library: BS -> AD and AD -> BS with months 1 to 12 on both sides, numbers in, an
// object or array of numbers out (unpacked into a sum, so nothing is optimised away).
const libraries = {
  "sauramiti (typed, wasm)": {
    toAd: (y, m, d) => {
      const g = s.toGregorian({ year: y, month: m, day: d });
      return g.year + g.month + g.day;
    },
    toBs: (y, m, d) => {
      const b = s.fromGregorian({ year: y, month: m, day: d });
      return b.year + b.month + b.day;
    },
  },
  "nepali-datetime": {
    toAd: (y, m, d) => {
      const [a, b, c] = converter.nepaliToEnglish(y, m - 1, d);  // months from 0
      return a + b + 1 + c;
    },
    toBs: (y, m, d) => {
      const [a, b, c] = converter.englishToNepali(y, m - 1, d);
      return a + b + 1 + c;
    },
  },
  "bikram-sambat": {
    toAd: (y, m, d) => {
      const g = bikramSambat.toGreg(y, m, d);
      return g.year + g.month + g.day;
    },
    toBs: (y, m, d) => {
      const b = bikramSambat.toBik(`${y}-${pad(m)}-${pad(d)}`);  // takes an ISO date text
      return b.year + b.month + b.day;
    },
  },
};

// The days: every day of BS 2000-2099 in the model, with its Gregorian date.
const all = [];
for (let year = 2000; year <= 2099; ++year)
  for (let month = 1; month <= 12; ++month)
    for (let day = 1, n = s.daysInMonth(year, month); day <= n; ++day) {
      const g = s.toGregorian({ year, month, day });
      all.push({ bs: [year, month, day], ad: [g.year, g.month, g.day] });
    }
const works = (f) => {
  try {
    return Number.isFinite(f());
  } catch {
    return false;
  }
};
const peers = Object.entries(libraries).filter(([name]) => !name.startsWith("sauramiti"));
const days = all.filter(({ bs, ad }) =>
  peers.every(([, lib]) => works(() => lib.toAd(...bs)) && works(() => lib.toBs(...ad))));


// One pass over the days, compiled afresh for each library and direction: a shared loop would
// carry V8's type feedback from one library's calls into the next one's, so that a library was
// timed in code specialised for another (in about one process of eight the first one stayed in
// slower code throughout). Each copy sees one converter only, as a page does; it is a function
// of its own, called once a pass, so V8 optimises it whole rather than part-way through a loop.
const PASS = "let sink = 0; for (const [y, m, d] of list) sink += convert(y, m, d); return sink;";

function time(list, convert) {
  const pass = new Function("list", "convert", PASS);
  const times = [];
  let sink = 0;
  for (let i = 0; i < passes; ++i) {
    const start = process.hrtime.bigint();
    sink += pass(list, convert);
    times.push(Number(process.hrtime.bigint() - start) / list.length);
  }
  if (sink === 0) console.error("nothing converted");
  return Math.min(...times);
}

const results = {};
for (const [name, lib] of Object.entries(libraries)) {
  results[name] = {
    bs_to_ad: time(days.map((x) => x.bs), lib.toAd),
    ad_to_bs: time(days.map((x) => x.ad), lib.toBs),
  };
}
console.log(`${days.length} of ${all.length} days of BS 2000-2099 (those both peers accept), ` +
            `best of ${passes} passes, ns a conversion:`);
console.log(`${"".padEnd(26)}${"BS to AD".padStart(10)}${"AD to BS".padStart(10)}`);
for (const [name, r] of Object.entries(results))
  console.log(`${name.padEnd(26)}${r.bs_to_ad.toFixed(1).padStart(10)}${r.ad_to_bs.toFixed(1).padStart(10)}`);
const ours = results["sauramiti (typed, wasm)"];
for (const direction of ["bs_to_ad", "ad_to_bs"]) {
  const [peer, best] = peers
    .map(([name]) => [name, results[name][direction]])
    .sort((a, b) => a[1] - b[1])[0];
  console.log(`${direction}: ${(best / ours[direction]).toFixed(1)}x faster than the fastest peer (${peer})`);
}
