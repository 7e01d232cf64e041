// The start of kvfcheck.js: its WebAssembly module, compressed, written into the text below
// after the link (cmake/InlineWasmModule.cjs), so that the one file holds all it needs and
// node never looks for the module beside it.
Module["wasmBinary"] = require("zlib").brotliDecompressSync(
    Buffer.from("@KVF_WASM_MODULE@", "base64"));
