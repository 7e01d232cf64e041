#pragma once

#include "core/BlockSource.h"
#include "core/TextLines.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kvf {

// A whole file's bytes, in a block of the engine's block source.
struct FileBytes {
    OwnedBlock Block;
    std::size_t Size = 0;
    std::string_view View() const { return {Block.Bytes(), Size}; }
};

// Reads a whole file; on failure returns false with the reason.
bool ReadWholeFile(const std::string& path, FileBytes& bytes, std::string& reason);

// A file's lines as the engine checks them, or none with the reason: UTF-16 text is
// refused, a UTF-8 file (one with the byte order mark) becomes the code page's bytes of its
// characters, any other file's bytes stay as read.
std::optional<BufferTextLines> ReadEngineLines(const std::string& path, std::string& reason);

} // namespace kvf
