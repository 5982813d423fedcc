// The same work for four JavaScript BS calendar libraries: every day of BS 2000 to 2099 converted
// BS -> AD and AD -> BS through each library's public API, the result unpacked into numbers.
//
// The days are the Gregorian days from 1 January 1944 to 31 December 2042 (BS 2000/09/17 to
// 2099/09/16), the Gregorian years every one of the four accepts (nepali-datetime takes none
// outside 1944 to 2042): 36,160 days, 99 years of BS 2000-2099. AD -> BS converts each of them; BS -> AD converts back the BS dates the
// library itself gave for them (worked out before timing), so each library walks its own
// calendar. Each pass is timed whole; the median pass, in nanoseconds per day, is printed as one
// JSON object a line: {"library": ..., "direction": "bs_to_ad" | "ad_to_bs", "ns_per_day": ...,
// "days": ...}.
//
//   node peers.mjs [PASSES]        (run.sh runs it beside the C++ benchmark of the same work)
import { createRequire } from 'node:module';

// Each package through its documented entry point (CommonJS for all four).
const require = createRequire(import.meta.url);
const bikramSambat = require('bikram-sambat');
const NepaliDateConverter = require('nepali-date-converter').default;  // the class
const { ADtoBS, BStoAD } = require('nepali-date-library');
const dateConverter = require('nepali-datetime/dateConverter');

const passes = Number(process.argv[2] ?? 15);
const MS_PER_DAY = 86400000;
const firstDay = Date.UTC(1944, 0, 1);
const endDay = Date.UTC(2043, 0, 1);

const pad = (n) => String(n).padStart(2, '0');
const isoOf = (y, m, d) => `${y}-${pad(m)}-${pad(d)}`;
const numbersOf = (text) => text.split('-').map(Number);

// Each library: AD -> BS and BS -> AD with months 1 to 12 on both sides, numbers in and out.
const libraries = {
  'nepali-datetime': {
    toBs: (y, m, d) => {
      const [by, bm, bd] = dateConverter.englishToNepali(y, m - 1, d);  // months from 0
      return [by, bm + 1, bd];
    },
    toAd: (y, m, d) => {
      const [ay, am, ad] = dateConverter.nepaliToEnglish(y, m - 1, d);
      return [ay, am + 1, ad];
    },
  },
  'bikram-sambat': {
    toBs: (y, m, d) => {
      const b = bikramSambat.toBik(isoOf(y, m, d));  // takes an ISO date text
      return [b.year, b.month, b.day];
    },
    toAd: (y, m, d) => {
      const g = bikramSambat.toGreg(y, m, d);
      return [g.year, g.month, g.day];
    },
  },
  'nepali-date-converter': {
    toBs: (y, m, d) => {
      const b = NepaliDateConverter.fromAD(new Date(y, m - 1, d)).getBS();  // local time
      return [b.year, b.month + 1, b.date];
    },
    toAd: (y, m, d) => {
      const a = new NepaliDateConverter(y, m - 1, d).getAD();
      return [a.year, a.month + 1, a.date];
    },
  },
  'nepali-date-library': {
    toBs: (y, m, d) => numbersOf(ADtoBS(isoOf(y, m, d))),  // texts in and out
    toAd: (y, m, d) => numbersOf(BStoAD(isoOf(y, m, d))),
  },
};

const adDays = [];
for (let t = firstDay; t < endDay; t += MS_PER_DAY) {
  const date = new Date(t);
  adDays.push([date.getUTCFullYear(), date.getUTCMonth() + 1, date.getUTCDate()]);
}

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

function timePasses(days, convert) {
  const times = [];
  let sink = 0;
  for (let pass = 0; pass < passes; ++pass) {
    const start = process.hrtime.bigint();
    for (const [y, m, d] of days) {
      const [a, b, c] = convert(y, m, d);
      sink += a + b + c;
    }
    times.push(Number(process.hrtime.bigint() - start) / days.length);
  }
  if (sink === 0) console.error('nothing converted');
  return median(times);
}

for (const [name, lib] of Object.entries(libraries)) {
  // The fact every library must agree on: BS 2059/01/01 is 14 April 2002.
  const check = [lib.toBs(2002, 4, 14).join('/'), lib.toAd(2059, 1, 1).join('/')];
  if (check[0] !== '2059/1/1' || check[1] !== '2002/4/14') {
    console.error(`${name}: wrong answers for 2002-04-14 / 2059-01-01: ${check}`);
    process.exitCode = 1;
  }
  // A library that ends earlier (bikram-sambat has no data after BS 2090) is timed on the days
  // it has; "days" says how many.
  const supported = adDays.filter(([y, m, d]) => {
    try {
      lib.toBs(y, m, d);
      return true;
    } catch {
      return false;
    }
  });
  const bsDays = supported.map(([y, m, d]) => lib.toBs(y, m, d));
  for (const [direction, days, convert] of [
    ['bs_to_ad', bsDays, lib.toAd],
    ['ad_to_bs', supported, lib.toBs],
  ]) {
    const ns = timePasses(days, convert);
    console.log(JSON.stringify({ library: name, direction, ns_per_day: Number(ns.toFixed(1)),
                                 days: days.length }));
  }
}
