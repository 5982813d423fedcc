// The npm package as a user gets it: `npm pack` in web/, the tarball installed into an empty
// folder, and the package imported there by name in node, the calendar subpath included.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readdirSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { test } from "node:test";
import { repository } from "./native_answers.mjs";

test("npm pack, install into an empty folder, import", () => {
  const work = mkdtempSync(join(tmpdir(), "sauramiti-pack-"));
  try {
    const npm = (args, cwd) => execFileSync("npm", [...args, "--no-audit", "--no-fund", "--offline"], { cwd, stdio: ["ignore", "pipe", "pipe"] }).toString();
    const listing = JSON.parse(npm(["pack", "--json", "--pack-destination", work], join(repository, "web")));
    const files = listing[0].files.map((f) => f.path).sort();
    for (const needed of ["dist/sauramiti.mjs", "dist/sauramiti-core.wasm", "dist/sauramiti.d.ts", "dist/date-picker.mjs", "package.json"]) {
      assert.ok(files.includes(needed), `the package lacks ${needed}`);
    }
    assert.ok(!files.some((f) => f.startsWith("node_modules") || f.startsWith("src/")), files.join(" "));
    const tarball = readdirSync(work).find((f) => f.endsWith(".tgz"));
    const app = join(work, "app");
    execFileSync("mkdir", [app]);
    writeFileSync(join(app, "package.json"), JSON.stringify({ name: "app", version: "1.0.0", type: "module" }));
    npm(["install", join(work, tarball)], app);
    writeFileSync(join(app, "main.mjs"), `
      import { loadSauramiti, SauramitiError } from "sauramiti";
      import { loadSauramiti as loadCalendar } from "sauramiti/calendar";
      const s = await loadSauramiti();
      const c = await loadCalendar();
      let number = 0;
      try { s.GetWeekDay(2059, 1.5, 1); } catch (e) { if (e instanceof SauramitiError) number = e.number; }
      console.log(JSON.stringify([s.Nepali2EnglishDate(2059, 1, 1), c.GetKaliAhargana(2059, 1, 1), number]));
    `);
    const output = execFileSync("node", ["main.mjs"], { cwd: app }).toString().trim();
    assert.deepEqual(JSON.parse(output), ["04/14/2002", 1863913, 13]);
  } finally {
    rmSync(work, { recursive: true, force: true });
  }
});
