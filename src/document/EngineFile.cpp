#include "document/EngineFile.h"

#include "document/TextEncoding.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace kvf {
namespace {

// A file's lines as the engine checks them: a UTF-8 file (one with the byte order mark) as
// the code page's bytes of its characters, any other file's bytes as read.
BufferTextLines EngineLines(FileBytes bytes) {
    if (StartsWithUtf8ByteOrderMark(bytes.View()))
        return BufferTextLines(
            Utf8FileAsEngineText(bytes.View().substr(kUtf8ByteOrderMark.size())));
    return BufferTextLines(std::move(bytes.Block), bytes.Size);
}

} // namespace

bool ReadWholeFile(const std::string& path, FileBytes& bytes, std::string& reason) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        reason = "is a directory";
        return false;
    }
    // One read into one block: the size is known up front. The block has a byte to spare,
    // so the read that finds the end needs no new block; a file that grows while it is read
    // is read to its end.
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        reason = std::strerror(errno);
        return false;
    }
    std::uintmax_t size = std::filesystem::file_size(path, error);
    std::size_t capacity = (error ? 0 : static_cast<std::size_t>(size)) + 1;
    FileBytes read{OwnedBlock(capacity), 0};
    for (;;) {
        if (read.Size == capacity) {
            capacity *= 2;
            OwnedBlock larger(capacity);
            std::memcpy(larger.Bytes(), read.Block.Bytes(), read.Size);
            read.Block = std::move(larger);
        }
        std::size_t got =
            std::fread(read.Block.Bytes() + read.Size, 1, capacity - read.Size, file.get());
        read.Size += got;
        if (got == 0 || std::ferror(file.get()) || std::feof(file.get()))
            break;
    }
    if (std::ferror(file.get())) {
        reason = "read error";
        return false;
    }
    bytes = std::move(read);
    return true;
}

std::optional<BufferTextLines> ReadEngineLines(const std::string& path, std::string& reason) {
    FileBytes bytes;
    if (!ReadWholeFile(path, bytes, reason))
        return std::nullopt;
    if (LooksLikeUtf16(bytes.View())) {
        reason = "the file is UTF-16 text, not Windows-1252 text as KVF files are";
        return std::nullopt;
    }
    return EngineLines(std::move(bytes));
}

} // namespace kvf
