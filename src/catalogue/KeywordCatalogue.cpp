#include "catalogue/KeywordCatalogue.h"

#include "catalogue/CatalogueRows.h"
#include "core/KeywordTable.h"

#include <cstddef>
#include <string_view>

namespace kvf {

struct KeywordCatalogue::Index {
    std::span<const CatalogueRow> Rows;
    std::span<const GroupName> Groups;
    // Keywords and group names in one map, so that a key costs one lookup.
    KeywordTable<CatalogueEntry> Names;
    std::size_t KeywordCount = 0;

    Index() : Rows(detail::CatalogueRowTable()), Groups(detail::CatalogueGroupNameTable()) {
        for (const CatalogueRow& row : Rows) {
            for (const CatalogueKeyword& keyword : row.Keywords) {
                // The first row that holds a keyword wins, as the table is read in order.
                CatalogueEntry& found = Names.Insert(keyword.Name, {});
                if (!found.Keyword)
                    found.Keyword = CatalogueMatch{&row, &keyword};
                ++KeywordCount;
            }
        }
        for (const GroupName& group : Groups) {
            CatalogueEntry& found = Names.Insert(group.Name, {});
            if (!found.Group)
                found.Group = &group;
        }
    }
};

KeywordCatalogue::KeywordCatalogue() {
    static const Index index;
    index_ = &index;
}

const KeywordCatalogue& KeywordCatalogue::Instance() {
    static const KeywordCatalogue catalogue;
    return catalogue;
}

CatalogueEntry KeywordCatalogue::Lookup(std::string_view key) const {
    const CatalogueEntry* found = index_->Names.Find(key);
    return found ? *found : CatalogueEntry{};
}

const GroupName* KeywordCatalogue::FindGroupName(std::string_view key) const {
    return Lookup(key).Group;
}

CatalogueMatch KeywordCatalogue::Find(std::string_view key) const {
    return Lookup(key).Keyword;
}

std::span<const CatalogueRow> KeywordCatalogue::Rows() const {
    return index_->Rows;
}

std::span<const GroupName> KeywordCatalogue::GroupNames() const {
    return index_->Groups;
}

std::size_t KeywordCatalogue::KeywordCount() const {
    return index_->KeywordCount;
}

} // namespace kvf
