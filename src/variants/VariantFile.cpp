#include "variants/VariantFile.h"

#include "core/RunContext.h"
#include "document/FileReader.h"

namespace kvf {

VariantFile::VariantFile(std::string name, BufferTextLines lines, AppServices& services)
    : name_(std::move(name)), lines_(std::move(lines)) {
    RunContext run(services);
    BuildDatabase(run, database_, lines_);
}

VariantFile::VariantFile(std::string name, std::string bytes, AppServices& services)
    : VariantFile(std::move(name), BufferTextLines(std::move(bytes)), services) {}

} // namespace kvf
