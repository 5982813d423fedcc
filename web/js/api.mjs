// The JavaScript face of a loaded core: the nine methods, SauramitiError, and the low-level
// calls the web component uses.
//
// The methods keep the control's names, argument order and defaults; their parameter lists come
// from the core (the lists `sauramiti call` uses), so the two never drift apart. Arguments:
//   - a number: for an integer parameter it must be whole (else error 13, type mismatch) and in
//     the parameter's range (else error 6, overflow); a double parameter takes any number;
//   - a string: read exactly as `sauramiti call` reads its argument texts ("2059" is 2059, "-"
//     an omitted argument, "x" error 13);
//   - undefined: an omitted optional argument, which takes its default;
//   - anything else (null, a boolean, an object): error 13.
// More arguments than parameters, or a required one missing, is error 450. Results come back as
// a number (integers and doubles) or a string.

const encoder = new TextEncoder();
const decoder = new TextDecoder();

// A run-time error of the control: `number` (5, 6, 9, 13, 382, ...) and its standard
// description as the message.
export class SauramitiError extends Error {
  constructor(number, description) {
    super(description);
    this.name = "SauramitiError";
    this.number = number;
  }
}

// Status codes of the core (web/src/boundary.hpp).
const INTEGER = 0;
const DOUBLE = 1;
const TEXT = 2;
const ERROR = 3;
const NOTHING = 4;
const FAILURE = 5;

const NUMBER_SLOT = 1;
const TEXT_SLOT = 2;
const OTHER_SLOT = 3;

export function makeCore(module) {
  const m = module;
  const numbersAddress = m._sm_argument_numbers();
  const kindsAddress = m._sm_argument_kinds();
  // Views of the argument slots, made again only when the core's memory has grown (which
  // replaces its buffer): a call then allocates nothing in JavaScript.
  let buffer = null;
  let numbers = null;
  let kinds = null;
  function slots() {
    if (m.HEAPU8.buffer !== buffer) {
      buffer = m.HEAPU8.buffer;
      numbers = new Float64Array(buffer, numbersAddress, 6);
      kinds = new Int32Array(buffer, kindsAddress, 6);
    }
  }

  function readText() {
    const address = m._sm_result_text();
    const length = m._sm_result_text_length();
    const bytes = m.HEAPU8;
    // Short ASCII texts (the usual results) are faster to build by hand than to decode.
    if (length <= 32) {
      let text = "";
      for (let i = 0; i < length; ++i) {
        const byte = bytes[address + i];
        if (byte >= 0x80) return decoder.decode(bytes.subarray(address, address + length));
        text += String.fromCharCode(byte);
      }
      return text;
    }
    return decoder.decode(bytes.subarray(address, address + length));
  }

  function errorFor(number) {
    m._sm_error_description(number);
    return new SauramitiError(number, readText());
  }

  // The value a status names; throws SauramitiError for an error and Error for a failure.
  function take(status) {
    switch (status) {
      case INTEGER:
      case DOUBLE:
        return m._sm_result_number();
      case TEXT:
        return readText();
      case NOTHING:
        return undefined;
      case ERROR: {
        const number = m._sm_result_number();
        throw new SauramitiError(number, readText());
      }
      case FAILURE:
      default:
        throw new Error(readText());
    }
  }

  // A UTF-8, zero-terminated copy of `text` in the core's memory, for `use`; freed after.
  function withCString(text, use) {
    const bytes = encoder.encode(String(text));
    const address = m._malloc(bytes.length + 1);
    m.HEAPU8.set(bytes, address);
    m.HEAPU8[address + bytes.length] = 0;
    try {
      return use(address);
    } finally {
      m._free(address);
    }
  }

  function call(index, parameterCount, args) {
    const given = args.length;
    if (given > parameterCount) throw errorFor(450);
    slots();
    for (let i = 0; i < given; ++i) {
      const arg = args[i];
      if (typeof arg === "number") {
        kinds[i] = NUMBER_SLOT;
        numbers[i] = arg;
      } else if (arg === undefined) {
        kinds[i] = 0;
      } else if (typeof arg === "string") {
        const bytes = encoder.encode(arg);
        const address = m._sm_argument_text(i, bytes.length);
        m.HEAPU8.set(bytes, address);
        slots();  // making room may have grown the memory
        kinds[i] = TEXT_SLOT;
      } else {
        kinds[i] = OTHER_SLOT;  // error 13, once the core has checked the count as the command does
      }
    }
    return take(m._sm_call(index, given));
  }

  return { module: m, take, call, withCString, readText, errorFor };
}

// The nine methods as functions of `target`, named and ordered as the control has them.
export function addMethods(target, core) {
  const signatures = JSON.parse(core.take(core.module._sm_method_signatures()));
  signatures.forEach((signature, index) => {
    const count = signature.parameters.length;
    const method = {
      [signature.name](...args) {
        return core.call(index, count, args);
      },
    }[signature.name];
    Object.defineProperty(target, signature.name, { value: method, enumerable: true });
  });
  Object.defineProperty(target, "methodSignatures", { value: signatures, enumerable: false });
  return target;
}
