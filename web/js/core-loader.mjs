// Loading an Emscripten core module in a browser, a worker or node.
//
// The cores are built for the web alone: the loader of this toolchain version, built for node
// as well, reads `__dirname` and `require` (which an ES module does not have) and installs
// process-wide handlers for uncaught errors, which a library must not do. In node the bytes of
// the .wasm are read here and handed to the core, so it never looks for a file or calls fetch()
// on a path; in a browser the core fetches the .wasm beside its own module, over HTTP.

const isNode =
  typeof process === "object" && typeof process.versions === "object" && !!process.versions.node;

export async function instantiateCore(createModule, wasmUrl, options = {}) {
  const settings = {};
  if (options.wasmBinary) {
    settings.wasmBinary = options.wasmBinary;
  } else if (isNode && wasmUrl.protocol === "file:") {
    const { readFile } = await import("node:fs/promises");
    settings.wasmBinary = await readFile(wasmUrl);
  } else {
    settings.locateFile = () => (options.wasmUrl ?? wasmUrl).toString();
  }
  return createModule(settings);
}
