// Sauramiti in JavaScript: `const s = await loadSauramiti()`.
//
// One core serves every caller of a page or process: loadSauramiti() loads it on the first call
// and hands the same object to later ones. The object has the control's nine methods
// (s.Nepali2EnglishDate(2059, 1, 1) is "04/14/2002"; see api.mjs for arguments and errors) and,
// legacyToUnicode(text), the Devanagari a legacy Nepali-font text draws; and, for the web
// component, `core`, the low-level calls into the control instances.
import createSauramitiModule from "./sauramiti-core.mjs";
import { SauramitiError, addMethods, makeCore } from "./api.mjs";
import { instantiateCore } from "./core-loader.mjs";
import { addTypedCalendar } from "./typed-calendar.mjs";

export { SauramitiError };

let loading = null;

// options.wasmBinary: the bytes of sauramiti-core.wasm, when the caller has them already;
// options.wasmUrl: where a browser finds it, when not beside this module.
export function loadSauramiti(options = {}) {
  if (!loading) {
    const url = new URL("./sauramiti-core.wasm", import.meta.url);
    loading = instantiateCore(createSauramitiModule, url, options).then((module) => {
      const core = makeCore(module);
      const s = addTypedCalendar(addMethods({}, core), core);
      Object.defineProperty(s, "core", { value: core, enumerable: false });
      // The Devanagari that a legacy Nepali-font text (a Nepali DateValue) draws.
      Object.defineProperty(s, "legacyToUnicode", {
        value: (text) => core.withCString(text, (t) => core.take(module._sm_legacy_to_unicode(t))),
        enumerable: false,
      });
      return Object.freeze(s);
    });
    loading.catch(() => {
      loading = null;
    });
  }
  return loading;
}
