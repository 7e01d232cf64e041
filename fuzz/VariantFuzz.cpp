// Any bytes as two language variants of one device (the input cut at its first NUL byte,
// or in the middle): reading both, aligning their entries and reporting the differences
// must neither crash nor read out of bounds, both ways round and against the file itself
// (which must agree with itself).

#include "core/AppServices.h"
#include "output/OutputRows.h"
#include "variants/VariantComparison.h"
#include "variants/VariantFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {
constexpr std::size_t kMaxInput = 1 << 20;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kvf;
    if (size > kMaxInput)
        return -1;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::size_t cut = bytes.find('\0');
    if (cut == std::string_view::npos)
        cut = size / 2;
    MemorySettingsStore settings;
    OutputRows rows(settings);
    AppServices app(settings, rows);
    VariantFile first("FUZZ.KVD", std::string(bytes.substr(0, cut)), app);
    VariantFile second("FUZZ.KVG", std::string(bytes.substr(cut < size ? cut + 1 : cut)), app);
    CompareVariant(first.Source(), second.Source());
    CompareVariant(second.Source(), first.Source());
    if (!CompareVariant(first.Source(), first.Source()).empty())
        std::abort();
    return 0;
}
