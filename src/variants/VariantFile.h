#pragma once

#include "core/CKeyDatabase.h"
#include "core/TextLines.h"
#include "variants/VariantComparison.h"

#include <string>

namespace kvf {

class AppServices;

// A variant file that is not open, for a comparison: its lines and the entry database that
// loading the file builds (the classification reads the settings of `services`). Shells
// that hold a file open (its lines and a rebuilt database) pass those instead.
class VariantFile {
  public:
    VariantFile(std::string name, BufferTextLines lines, AppServices& services);
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
