// Debian's Chromium, headless and driven by puppeteer-core, with the repository served on a free
// localhost port: a test file calls useHeadlessChromium() once at its top and opens pages with
// `chromium.browser.newPage()` at `${chromium.origin}/...`. The flags keep Chromium off the
// network (this machine has none) and out of the user's profile.
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before } from "node:test";
import { repository } from "./native_answers.mjs";

const { default: puppeteer } = await import(join(repository, "web/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js"));
const { startServer } = await import(join(repository, "scripts/serve-web.mjs"));

export function useHeadlessChromium() {
  // profile: the browser's own scratch folder, removed afterwards; tests may write files there.
  const chromium = { browser: undefined, origin: undefined, profile: undefined };
  let server;
  before(async () => {
    server = await startServer(0);
    chromium.origin = `http://127.0.0.1:${server.address().port}`;
    chromium.profile = mkdtempSync(join(tmpdir(), "sauramiti-chromium-"));
    chromium.browser = await puppeteer.launch({
      executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
      headless: true,
      userDataDir: chromium.profile,
      args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
        "--disable-background-networking", "--disable-component-update", "--disable-sync"],
    });
  });
  after(async () => {
    await chromium.browser?.close();
    server?.close();
    if (chromium.profile) rmSync(chromium.profile, { recursive: true, force: true });
  });
  return chromium;
}
