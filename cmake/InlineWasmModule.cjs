// node cmake/InlineWasmModule.cjs PROGRAM.js PROGRAM.wasm
//
// Puts the linked WebAssembly module into the program's JavaScript in place of the one mark
// cmake/WasmModuleInline.js leaves there: compressed with brotli (node's own zlib unpacks it
// as the program starts), as base64. Then removes the .wasm file. The module as text costs a
// third more than its bytes and compresses badly afterwards; compressed first, the program
// is about a third of the size and gzip leaves it about as large.
"use strict";
const fs = require("fs");
const zlib = require("zlib");

const [script, wasm] = process.argv.slice(2);
const mark = "@KVF_WASM_MODULE@";
const text = fs.readFileSync(script, "utf8");
const at = text.indexOf(mark);
if (at < 0 || text.indexOf(mark, at + 1) >= 0) {
    console.error(`${script}: the mark of the module is not there exactly once`);
    process.exit(1);
}
const bytes = fs.readFileSync(wasm);
const packed = zlib.brotliCompressSync(bytes, {
    params: {
        [zlib.constants.BROTLI_PARAM_QUALITY]: zlib.constants.BROTLI_MAX_QUALITY,
        [zlib.constants.BROTLI_PARAM_LGWIN]: zlib.constants.BROTLI_MAX_WINDOW_BITS,
        [zlib.constants.BROTLI_PARAM_SIZE_HINT]: bytes.length,
    },
});
if (!zlib.brotliDecompressSync(packed).equals(bytes)) {
    console.error(`${wasm}: the compressed module does not unpack to the same bytes`);
    process.exit(1);
}
const temporary = `${script}.part`;
fs.writeFileSync(temporary, text.slice(0, at) + packed.toString("base64") +
                                text.slice(at + mark.length));
fs.renameSync(temporary, script);
fs.unlinkSync(wasm);
