// Any bytes as a KVF file: the reader, the classification, the syntax check and the
// semantic check must neither crash nor read out of bounds, and must stay linear in the
// size of the input. Inputs run up to 1 MiB so that cost growing with size shows as a
// finding: scripts/fuzz.sh gives every input a time limit.

#include "core/AppServices.h"
#include "core/Document.h"
#include "document/CheckRun.h"
#include "output/OutputRows.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {
constexpr std::size_t kMaxInput = 1 << 20;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kvf;
    if (size > kMaxInput)
        return -1; // keeps a larger corpus file out of the corpus
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    BufferTextLines lines{std::string(bytes)};
    MemorySettingsStore settings;
    settings.SetString("UserKeys", "MYKEY", "1;2;-5-5");
    OutputRows rows(settings);
    AppServices app(settings, rows);
    Document document(lines, "FUZZ1234.kvf", "/fuzz/FUZZ1234.kvf");
    Check(app, document);
    return 0;
}
