#include "catalogue/KeywordCatalogue.h"

#include "catalogue/CatalogueRows.h"

#include <cstddef>
#include <string_view>
#include <unordered_map>

namespace kvf {
namespace {

constexpr char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

// Hash and equality that ignore ASCII case, so a key is looked up as written without
// building an upper-cased copy first (the reader classifies every line of a file).
struct CaseInsensitiveHash {
    std::size_t operator()(std::string_view text) const {
        std::size_t hash = 14695981039346656037ull; // FNV-1a
        for (char c : text) {
            hash ^= static_cast<unsigned char>(UpperAscii(c));
            hash *= 1099511628211ull;
        }
        return hash;
    }
};

struct CaseInsensitiveEqual {
    bool operator()(std::string_view a, std::string_view b) const {
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (UpperAscii(a[i]) != UpperAscii(b[i]))
                return false;
        return true;
    }
};

template <typename Value>
using CaseInsensitiveMap =
    std::unordered_map<std::string_view, Value, CaseInsensitiveHash, CaseInsensitiveEqual>;

} // namespace

struct KeywordCatalogue::Index {
    std::span<const CatalogueRow> Rows;
    std::span<const GroupName> Groups;
    CaseInsensitiveMap<CatalogueMatch> Keywords;
    CaseInsensitiveMap<const GroupName*> GroupsByName;
    std::size_t KeywordCount = 0;

    Index() : Rows(detail::CatalogueRowTable()), Groups(detail::CatalogueGroupNameTable()) {
        for (const CatalogueRow& row : Rows) {
            for (const CatalogueKeyword& keyword : row.Keywords) {
                // The first row that holds a keyword wins, as the table is read in order.
                Keywords.try_emplace(keyword.Name, CatalogueMatch{&row, &keyword});
                ++KeywordCount;
            }
        }
        for (const GroupName& group : Groups)
            GroupsByName.try_emplace(group.Name, &group);
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

const GroupName* KeywordCatalogue::FindGroupName(std::string_view key) const {
    auto it = index_->GroupsByName.find(key);
    return it == index_->GroupsByName.end() ? nullptr : it->second;
}

CatalogueMatch KeywordCatalogue::Find(std::string_view key) const {
    auto it = index_->Keywords.find(key);
    return it == index_->Keywords.end() ? CatalogueMatch{} : it->second;
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
