#pragma once

#include "catalogue/KeywordCatalogue.h"

#include <span>

namespace kvf::detail {

// The catalogue's data in table order; KeywordCatalogue indexes it.
std::span<const CatalogueRow> CatalogueRowTable();
std::span<const GroupName> CatalogueGroupNameTable();

} // namespace kvf::detail
