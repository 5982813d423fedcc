// The view snapshot the element draws from carries every position and size exactly as the
// control holds it: for each child and a few surface sizes (whole and fractional twips), the
// snapshot's number, taken as the control's single-precision value, equals what the native
// command's `inspect` shows. The snapshot writes numbers its own quick way, so this holds it to
// the control's values.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { join } from "node:path";
import { test } from "node:test";
import { nativeCommand, repository } from "./native_answers.mjs";

const { loadSauramiti } = await import(join(repository, "web/dist/sauramiti.mjs"));
const s = await loadSauramiti();
const { module: m, take } = s.core;

const FIELDS = ["left", "top", "width", "height"];

test("every child's position and size is the control's own, at several sizes", () => {
  for (const size of [null, [9000, 6750], [3777, 2999], [1234.5, 987.25]]) {
    const picker = take(m._sm_picker_create(2002, 4, 28, 0));
    try {
      if (size) take(m._sm_picker_resize(picker, size[0], size[1]));
      const view = JSON.parse(take(m._sm_picker_view(picker)));
      const lines = ["clock 2002-04-28", "new", ...(size ? [`size ${size[0]} ${size[1]}`] : [])];
      for (const child of view.children) for (const field of FIELDS) lines.push(`inspect ${child.name} ${field}`);
      const native = execFileSync(nativeCommand(), ["script"], { input: lines.join("\n") + "\n" })
        .toString("utf8").trimEnd().split("\n");
      assert.equal(native.length, view.children.length * FIELDS.length);
      let i = 0;
      for (const child of view.children) {
        for (const field of FIELDS) {
          assert.equal(Math.fround(child[field]), Math.fround(Number(native[i++])),
            `${child.name} ${field} at ${size ?? "the starting size"}`);
        }
      }
      assert.ok(view.children.some((c) => !Number.isInteger(c.left) || !Number.isInteger(c.width)),
        "some position is fractional, so both ways of writing numbers are used");
    } finally {
      m._sm_picker_destroy(picker);
    }
  }
});
