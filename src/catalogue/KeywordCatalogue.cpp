#include "catalogue/KeywordCatalogue.h"

#include "catalogue/CatalogueRows.h"
#include "core/KeywordTable.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace kvf {

struct KeywordCatalogue::Index {
    std::span<const CatalogueRow> Rows;
    std::span<const GroupName> Groups;
    // Keywords and group names in one map, so that a key costs one lookup: each name maps
    // to its place in Entries.
    KeywordTable<std::uint16_t> Names;
    std::vector<CatalogueEntry> Entries;
    std::size_t KeywordCount = 0;

    Index() : Rows(detail::CatalogueRowTable()), Groups(detail::CatalogueGroupNameTable()) {
        for (const CatalogueRow& row : Rows) {
            for (const CatalogueKeyword& keyword : row.Keywords) {
                // The first row that holds a keyword wins, as the table is read in order.
                CatalogueEntry& found = Named(keyword.Name);
                if (!found.Keyword)
                    found.Keyword = CatalogueMatch{&row, &keyword};
                ++KeywordCount;
            }
        }
        for (const GroupName& group : Groups) {
            CatalogueEntry& found = Named(group.Name);
            if (!found.Group)
                found.Group = &group;
        }
    }

    CatalogueEntry& Named(std::string_view name) {
        const std::uint16_t& code = Names.Insert(name, static_cast<std::uint16_t>(Entries.size()));
        if (code == Entries.size())
            Entries.emplace_back();
        return Entries[code];
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
    return EntryOf(NameCode(key));
}

std::uint16_t KeywordCatalogue::NameCode(std::string_view key) const {
    const std::uint16_t* found = index_->Names.Find(key);
    return found ? *found : kUnknownName;
}

CatalogueEntry KeywordCatalogue::EntryOf(std::uint16_t code) const {
    return code < index_->Entries.size() ? index_->Entries[code] : CatalogueEntry{};
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
