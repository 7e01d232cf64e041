#include "language/Completion.h"
#include "core/AsciiText.h"

#include "catalogue/KeywordCatalogue.h"
#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "language/KeywordFacts.h"
#include "language/LineLayout.h"
#include "language/SnapshotDatabase.h"
#include "semantic/SemanticKeywordList.h"

#include <algorithm>
#include <set>

namespace kvf::language {
namespace {

using semantic::Block;
using semantic::Context;
using semantic::Multiplicity;

// The block kind of the context rules that a block entry opens; None when it is none of them.
Block BlockOf(const CDbEntry* block) {
    if (!block)
        return Block::None;
    std::string key(block->Key);
    for (int b = static_cast<int>(Block::PhysicalInterface);
         b <= static_cast<int>(Block::Jokerblock); ++b)
        if (SameKey(semantic::BlockName(static_cast<Block>(b)), key))
            return static_cast<Block>(b);
    return Block::None;
}

bool OnlyOnce(Multiplicity rule, Block where) {
    switch (rule) {
    case Multiplicity::OncePerFile:
        return where == Block::None;
    case Multiplicity::OncePerModuleOrFile:
        return true;
    case Multiplicity::OncePerModule:
        return where == Block::Module;
    case Multiplicity::OncePerInterface:
        return where == Block::PhysicalInterface;
    case Multiplicity::OncePerBlock:
    case Multiplicity::OncePerExtUserPrmData:
        return where != Block::None;
    default:
        return false;
    }
}

// Whether a keyword may stand in the block (None: at the top level).
bool MayStand(const CatalogueRow& row, std::string_view name, Block where, Multiplicity& rule) {
    std::optional<semantic::Kw> kw = semantic::FindSemanticKeyword(name);
    if (!kw) {
        // A keyword the context rules do not name stands where its tree group says.
        rule = Multiplicity::None;
        return row.Group == PARENT_MODULE ? where == Block::Module : where == Block::None;
    }
    const semantic::KeywordInfo& info = semantic::Info(*kw);
    rule = info.Rule;
    switch (info.Where) {
    case Context::Top:
        return where == Block::None;
    case Context::TopOrModule:
        return where == Block::None || where == Block::Module;
    case Context::Inside:
        return where == info.Inside;
    }
    return false;
}

std::vector<CompletionItem> Keywords(const SnapshotDatabase& db, int line) {
    const CDbEntry* block = db.BlockAround(line);
    Block where = BlockOf(block);
    // The keys already given in the same block (or at the top level).
    std::set<std::string> given;
    for (const CDbEntry& entry : db.Database()) {
        bool sameScope = block ? entry.hParent == block : entry.hParent == nullptr;
        if (sameScope && entry.LongLine != line)
            given.insert(ToUpperAscii(std::string(entry.Key)));
    }
    std::vector<CompletionItem> items;
    std::set<std::string> offered;
    for (const CatalogueRow& row : KeywordCatalogue::Instance().Rows()) {
        for (const CatalogueKeyword& keyword : row.Keywords) {
            Multiplicity rule = Multiplicity::None;
            if (!MayStand(row, keyword.Name, where, rule))
                continue;
            std::string upper = ToUpperAscii(keyword.Name);
            if ((OnlyOnce(rule, where) && given.contains(upper)) || !offered.insert(upper).second)
                continue;
            CompletionItem item;
            item.Label = KeywordSpelling(keyword);
            item.Detail = ValueRuleText(CatalogueMatch{&row, &keyword});
            item.Documentation = std::string(MessageText(keyword.HelpId));
            item.IsKeyword = true;
            items.push_back(std::move(item));
        }
    }
    return items;
}

void AddNumberedBlocks(const SnapshotDatabase& db, std::string_view beginKey,
                       std::vector<CompletionItem>& items) {
    for (const CDbEntry& entry : db.Database()) {
        if (entry.ModuleFlag != TYPE_MODULE_BEGIN || !SameKey(std::string(entry.Key), beginKey))
            continue;
        CompletionItem item;
        item.Label = std::string(entry.m_Ready[0]);
        item.Detail = std::string(beginKey) + " of line " + std::to_string(entry.LongLine + 1);
        if (!std::string_view(entry.m_Ready[1]).empty())
            item.Detail += ": " + std::string(entry.m_Ready[1]);
        items.push_back(std::move(item));
    }
}

// A range this short offers each of its values; a longer one is a hint.
constexpr long long kValuesListed = 16;

// The keywords whose values a completion of `key` offers: the key itself and the keys of its
// family, which differ only after their last '_' and take the same values.
bool SameFamily(std::string_view key, std::string_view other, const CatalogueMatch& match) {
    if (SameKey(key, other))
        return true;
    const std::size_t stem = key.rfind('_');
    if (stem == std::string_view::npos || stem == 0 || other.size() <= stem ||
        !SameKey(key.substr(0, stem + 1), other.substr(0, stem + 1)))
        return false;
    CatalogueMatch theirs = KeywordCatalogue::Instance().Find(std::string(other));
    return theirs && theirs.Row->Rule == match.Row->Rule &&
           theirs.Keyword->RangeText == match.Keyword->RangeText;
}

// The values the file's other one-line entries of the keyword's family give, as written,
// each once, in file order.
void AddUsedValues(const SnapshotDatabase& db, const std::string& key, int line,
                   const CatalogueMatch& match, const std::string& help,
                   std::vector<CompletionItem>& items) {
    std::set<std::string> offered;
    for (const CompletionItem& item : items)
        offered.insert(item.Label);
    for (const CDbEntry& entry : db.Database()) {
        if (entry.LongLine == line || entry.LongLine != entry.Line ||
            entry.LongLine >= db.Lines().LineCount() ||
            !SameFamily(key, std::string_view(entry.Key), match))
            continue;
        const std::string_view text = db.Lines().View(entry.LongLine);
        const std::string value(ValueOf(text, LayOut(text)));
        if (value.empty() || !offered.insert(value).second)
            continue;
        items.push_back(
            {value,
             FormatMessage(msg::CompletionUsedValue, std::string(entry.Key), entry.LongLine + 1),
             help,
             false,
             false,
             {}});
    }
}

std::vector<CompletionItem> Values(const SnapshotDatabase& db, const std::string& key, int line) {
    std::vector<CompletionItem> items;
    if (SameKey(key, "Prm_Text_Ref")) {
        AddNumberedBlocks(db, "PrmText", items);
        return items;
    }
    if (key.size() >= 21 &&
        SameKey(std::string_view(key).substr(key.size() - 21), "Ext_User_Prm_Data_Ref")) {
        AddNumberedBlocks(db, "ExtUserPrmData", items);
        return items;
    }
    CatalogueMatch match = KeywordCatalogue::Instance().Find(key);
    if (!match)
        return items;
    const std::string help(MessageText(match.Keyword->HelpId));
    if (match.Row->Rule == ValueRule::Boolean) {
        items.push_back(
            {"0", std::string(MessageText(msg::CompletionBooleanNo)), help, false, false, {}});
        items.push_back(
            {"1", std::string(MessageText(msg::CompletionBooleanYes)), help, false, false, {}});
        return items;
    }
    const std::string range(match.Keyword->RangeText);
    std::vector<CompletionItem> hints;
    for (const NumberSpan& span : AllowedNumbers(range)) {
        if (span.High - span.Low < kValuesListed) {
            for (long long value = span.Low; value <= span.High; ++value)
                items.push_back({std::to_string(value), range, help, false, false, {}});
        } else {
            hints.push_back({std::to_string(span.Low) + ".." + std::to_string(span.High),
                             range,
                             help,
                             false,
                             true,
                             {}});
        }
    }
    AddUsedValues(db, key, line, match, help, items);
    items.insert(items.end(), hints.begin(), hints.end());
    return items;
}

} // namespace

std::vector<CompletionItem> CompleteAt(const Snapshot& snapshot, const CheckSettings& settings,
                                       TextPosition at) {
    return CompleteAt(SnapshotDatabase(snapshot, settings), settings, at);
}

std::vector<CompletionItem> CompleteAt(const SnapshotDatabase& db, const CheckSettings&,
                                       TextPosition at) {
    if (at.Line < 0)
        return {};
    std::string_view line =
        at.Line < db.Lines().LineCount() ? db.Lines().View(at.Line) : std::string_view();
    LineLayout layout = LayOut(line);
    if (layout.CommentBegin >= 0 && at.Column > layout.CommentBegin)
        return {};
    std::vector<CompletionItem> items;
    TextRange replaces{at, at};
    if (layout.EqualSign >= 0 && at.Column > layout.EqualSign) {
        items = Values(db, std::string(KeyOf(line, layout)), at.Line);
        if (layout.HasValue() && at.Column >= layout.ValueBegin)
            replaces = {{at.Line, layout.ValueBegin},
                        {at.Line, std::max(at.Column, layout.ValueEnd)}};
    } else if (at.Column <= layout.KeyEnd || !layout.HasKey()) {
        items = Keywords(db, at.Line);
        if (layout.HasKey())
            replaces = {{at.Line, std::min(at.Column, layout.KeyBegin)}, {at.Line, layout.KeyEnd}};
    }
    // A keyword may hold '.' ("MaxTsdr_9.6"), which editors do not count as part of a
    // word: the item says itself what it replaces, so it does not add to half a keyword.
    for (CompletionItem& item : items)
        item.Replaces = item.IsHint ? TextRange{at, at} : replaces;
    return items;
}

} // namespace kvf::language
