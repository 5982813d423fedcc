// Helpers of the node tests: the native command's answers, and a JavaScript result written the
// way `sauramiti call` writes it, so that the two can be compared line by line.
import { execFileSync } from "node:child_process";
import { existsSync } from "node:fs";
import { dirname, resolve } from "node:path";
import { fileURLToPath } from "node:url";

export const repository = resolve(dirname(fileURLToPath(import.meta.url)), "../..");

export function nativeCommand() {
  const path = process.env.SAURAMITI_NATIVE ?? resolve(repository, "build/release/cli/sauramiti");
  if (!existsSync(path)) {
    throw new Error(`the native command ${path} is missing: build it first (scripts/test.sh does)`);
  }
  return path;
}

// The native answers to `lines` (METHOD<TAB>ARG...), one per line.
export function nativeAnswers(lines) {
  const output = execFileSync(nativeCommand(), ["call", "--batch"], {
    input: lines.join("\n") + "\n",
    maxBuffer: 256 * 1024 * 1024,
  });
  const answers = output.toString("utf8").split("\n");
  answers.pop();
  return answers;
}

// std::to_chars's plain form of a finite double: the shortest digits that read back, in fixed
// notation unless scientific is shorter ("2452378.5", "1e+16", "1e-07").
function toCharsText(value) {
  const [mantissa, exponentText] = value.toExponential().split("e");
  const negative = mantissa.startsWith("-");
  const digits = mantissa.replace("-", "").replace(".", "");
  const x = Number(exponentText);
  const n = digits.length;
  const sign = negative ? "-" : "";
  const scientific =
    digits[0] + (n > 1 ? "." + digits.slice(1) : "") + "e" + (x < 0 ? "-" : "+") +
    String(Math.abs(x)).padStart(2, "0");
  let fixed;
  if (x >= 0) {
    fixed = n <= x + 1 ? BigInt(Math.abs(value)).toString() : digits.slice(0, x + 1) + "." + digits.slice(x + 1);
  } else {
    fixed = "0." + "0".repeat(-x - 1) + digits;
  }
  return sign + (fixed.length <= scientific.length ? fixed : scientific);
}

// A method's result as `sauramiti call` prints it.
export function answerText(result) {
  if (typeof result === "string") return result;
  if (Number.isNaN(result)) return "nan";
  if (result === Infinity) return "inf";
  if (result === -Infinity) return "-inf";
  if (Number.isInteger(result) && Math.abs(result) < 1e15) return String(result === 0 ? 0 : result);
  return toCharsText(result);
}
