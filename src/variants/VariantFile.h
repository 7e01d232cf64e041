#pragma once

#include "core/CKeyDatabase.h"
#include "core/TextLines.h"
#include "variants/VariantComparison.h"

#include <memory>
#include <string>

namespace kvf {

class AppServices;

// A variant file read from disk, for a comparison with files that are not open: its bytes
// as lines and the entry database that loading the file builds. Shells that hold a file
// open (its lines and a rebuilt database) pass those instead.
class VariantFile {
  public:
    // Reads the file at `path`; null when it cannot be read or is no single-byte text, with
    // the reason in `problem`. The classification reads the settings of `services`.
    static std::unique_ptr<VariantFile> Read(const std::string& path, AppServices& services,
                                             std::string& problem);
    // The same over bytes already read.
    VariantFile(std::string name, std::string bytes, AppServices& services);
    VariantFile(const VariantFile&) = delete;
    VariantFile& operator=(const VariantFile&) = delete;

    VariantSource Source() const { return VariantSource{name_, &lines_, &database_}; }
    const TextLines& Lines() const { return lines_; }
    const CKeyDatabase& Database() const { return database_; }

  private:
    std::string name_;
    BufferTextLines lines_;
    CKeyDatabase database_;
};

} // namespace kvf
