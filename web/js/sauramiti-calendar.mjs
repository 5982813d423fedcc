// The calendar alone: the nine methods without the control, in a smaller module. The same
// methods, arguments, results and errors as loadSauramiti() from sauramiti.mjs.
import createSauramitiModule from "./sauramiti-calendar-core.mjs";
import { SauramitiError, addMethods, makeCore } from "./api.mjs";
import { instantiateCore } from "./core-loader.mjs";
import { addTypedCalendar } from "./typed-calendar.mjs";

export { SauramitiError };

let loading = null;

export function loadSauramiti(options = {}) {
  if (!loading) {
    const url = new URL("./sauramiti-calendar-core.wasm", import.meta.url);
    loading = instantiateCore(createSauramitiModule, url, options).then((module) => {
      const core = makeCore(module);
      return Object.freeze(addTypedCalendar(addMethods({}, core), core));
    });
    loading.catch(() => {
      loading = null;
    });
  }
  return loading;
}
