#include "variants/VariantFile.h"

#include "core/RunContext.h"
#include "document/FileReader.h"
#include "document/TextEncoding.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace kvf {

VariantFile::VariantFile(std::string name, std::string bytes, AppServices& services)
    : name_(std::move(name)), lines_(std::move(bytes)) {
    RunContext run(services);
    BuildDatabase(run, database_, lines_);
}

std::unique_ptr<VariantFile> VariantFile::Read(const std::string& path, AppServices& services,
                                               std::string& problem) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        problem = "is a directory";
        return nullptr;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        problem = std::strerror(errno);
        return nullptr;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        problem = "read error";
        return nullptr;
    }
    if (LooksLikeUtf16(bytes)) {
        problem = "the file is UTF-16 text, not Windows-1252 text as KVF files are";
        return nullptr;
    }
    if (StartsWithUtf8ByteOrderMark(bytes))
        bytes = Utf8FileAsEngineText(std::string_view(bytes).substr(kUtf8ByteOrderMark.size()));
    return std::make_unique<VariantFile>(std::filesystem::path(path).filename().string(),
                                         std::move(bytes), services);
}

} // namespace kvf
