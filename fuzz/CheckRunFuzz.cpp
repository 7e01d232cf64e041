// Any bytes as a KVF file: the reader, the classification, the syntax check and the
// semantic check must neither crash nor read out of bounds.

#include "document/AppState.h"
#include "document/CheckRun.h"
#include "document/Document.h"
#include "output/OutputRows.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kvf;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    VectorTextLines lines = VectorTextLines::FromBytes(bytes);
    MemorySettingsStore settings;
    settings.SetString("UserKeys", "MYKEY", "1;2;-5-5");
    OutputRows rows(settings);
    AppState app(settings, rows);
    Document document(app, lines, "FUZZ1234.kvf", "/fuzz/FUZZ1234.kvf");
    Check(app, document);
    return 0;
}
