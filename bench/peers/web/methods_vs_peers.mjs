// Every day of BS 2000 to 2099 converted both ways in one node process: the WebAssembly build's
// text methods (the control's Nepali2EnglishDate and English2NepaliDate) against
// nepali-datetime's converter. Prints nanoseconds a conversion, best of five rounds, and how
// many dates the two calendars place differently (the control computes its calendar from a
// model; the peer keeps a table of published years).
//   npm install && node methods_vs_peers.mjs     (after scripts/build-web.sh)
import { dirname, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import converter from "nepali-datetime/dateConverter";

const here = dirname(fileURLToPath(import.meta.url));
const { loadSauramiti } = await import(resolve(here, "../../../web/dist/sauramiti.mjs"));
const s = await loadSauramiti();

const bs = [];
const ad = [];
for (let year = 2000; year <= 2099; ++year) {
  for (let month = 1; month <= 12; ++month) {
    const days = s.GetDaysInMonth(year, month, 1);
    for (let day = 1; day <= days; ++day) {
      bs.push([year, month, day]);
      const [y, m, d] = s.Nepali2EnglishDate(year, month, day, undefined, 0, 2).split("/").map(Number);
      ad.push([y, m, d]);
    }
  }
}

// Both sides are timed on the dates the peer accepts: its table refuses a day its months lack.
const accepted = (f) => { try { f(); return true; } catch { return false; } };
const keep = bs.map((date, i) => accepted(() => converter.nepaliToEnglish(date[0], date[1] - 1, date[2])) &&
  accepted(() => converter.englishToNepali(ad[i][0], ad[i][1] - 1, ad[i][2])));
const refused = keep.filter((k) => !k).length;
const bsAll = bs;
const adAll = ad;
bs.splice(0, bs.length, ...bsAll.filter((_, i) => keep[i]));
ad.splice(0, ad.length, ...adAll.filter((_, i) => keep[i]));

function best(label, run) {
  let fastest = Infinity;
  for (let round = 0; round < 5; ++round) {
    const start = process.hrtime.bigint();
    run();
    fastest = Math.min(fastest, Number(process.hrtime.bigint() - start));
  }
  console.log(`${label.padEnd(44)} ${(fastest / bs.length).toFixed(0).padStart(5)} ns a date`);
}

let sink = 0;
best("sauramiti (wasm) Nepali2EnglishDate", () => { for (const [y, m, d] of bs) sink += s.Nepali2EnglishDate(y, m, d).length; });
best("nepali-datetime nepaliToEnglish", () => { for (const [y, m, d] of bs) sink += converter.nepaliToEnglish(y, m - 1, d)[2]; });
best("sauramiti (wasm) English2NepaliDate", () => { for (const [y, m, d] of ad) sink += s.English2NepaliDate(y, m, d).length; });
best("nepali-datetime englishToNepali", () => { for (const [y, m, d] of ad) sink += converter.englishToNepali(y, m - 1, d)[2]; });

let differ = 0;
bs.forEach(([y, m, d], i) => {
  try {
    const [gy, gm, gd] = converter.nepaliToEnglish(y, m - 1, d);
    if (gy !== ad[i][0] || gm + 1 !== ad[i][1] || gd !== ad[i][2]) ++differ;
  } catch {
    ++differ;
  }
});
console.log(`${bs.length} dates timed (${refused} more refused by the peer); placed differently: ${differ}${sink > 0 ? "" : " "}`);
