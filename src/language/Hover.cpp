#include "language/Hover.h"
#include "core/AsciiText.h"

#include "catalogue/KeywordCatalogue.h"
#include "catalogue/UserKeys.h"
#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "language/KeywordFacts.h"
#include "language/LineLayout.h"
#include "language/ModuleText.h"
#include "language/SnapshotDatabase.h"
#include "semantic/ModuleOverview.h"

namespace kvf::language {
namespace {

std::string KeywordHelp(const std::string& key, const CatalogueMatch& match,
                        const SettingsStore& settings) {
    std::string text = "**" + key + "**\n\n";
    if (match) {
        text += std::string(MessageText(match.Keyword->HelpId));
        text += "\n\nValue: " + ValueRuleText(match);
        text += "\n\nGroup: " + std::string(GroupLabel(match.Row->Group));
        return text;
    }
    if (IsRegisteredUserKey(settings, key)) {
        text += std::string(MessageText(msg::UserKeyHelp));
        text += "\n\nRegistered as \"" +
                settings.GetString(std::string(kUserKeysSection), ToUpperAscii(key), "") + "\"";
        return text;
    }
    return text + "Unknown keyword.";
}

// The lines of a block and its entries, as the file writes them.
std::string BlockLines(const SnapshotDatabase& db, const CDbEntry& block) {
    std::string text = "```\n";
    int last = block.Line;
    for (const CDbEntry& entry : db.Database())
        if (entry.hParent == &block)
            last = std::max(last, entry.Line);
    for (int line = block.LongLine; line <= last && line < db.Lines().LineCount(); ++line) {
        text += std::string(db.Lines().View(line));
        text += '\n';
    }
    return text + "```";
}

// The block of `beginKey` whose number (value part 0) is `number`.
const CDbEntry* FindNumberedBlock(const SnapshotDatabase& db, std::string_view beginKey,
                                  long long number) {
    for (const CDbEntry& entry : db.Database()) {
        long long n = 0;
        if (entry.ModuleFlag == TYPE_MODULE_BEGIN && SameKey(std::string(entry.Key), beginKey) &&
            ReadNumber(std::string(entry.m_Ready[0]), n) && n == number)
            return &entry;
    }
    return nullptr;
}

std::string ReferenceHelp(const SnapshotDatabase& db, std::string_view beginKey,
                          std::string_view numberText) {
    long long number = 0;
    if (!ReadNumber(numberText, number))
        return {};
    const CDbEntry* block = FindNumberedBlock(db, beginKey, number);
    if (!block)
        return "No " + std::string(beginKey) + " " + std::to_string(number) + " in this file.";
    return std::string(beginKey) + " " + std::to_string(number) + " (Line " +
           std::to_string(block->LongLine + 1) + "):\n\n" + BlockLines(db, *block);
}

bool EndsWithKey(const std::string& key, std::string_view suffix) {
    return key.size() >= suffix.size() &&
           SameKey(std::string_view(key).substr(key.size() - suffix.size()), suffix);
}

std::string ValueHelp(const SnapshotDatabase& db, int line, const std::string& key,
                      std::string_view value, const CatalogueMatch& match) {
    const CDbEntry* entry = db.EntryAt(line);
    if (SameKey(key, "Prm_Text_Ref") && entry)
        return ReferenceHelp(db, "PrmText", std::string(entry->m_Ready[0]));
    if (EndsWithKey(key, "Ext_User_Prm_Data_Ref") && entry)
        return ReferenceHelp(db, "ExtUserPrmData", std::string(entry->m_Ready[1]));
    if (!match)
        return {};
    switch (match.Row->Rule) {
    case ValueRule::Boolean: {
        long long number = -1;
        ReadNumber(value, number);
        if (number == 0)
            return "0: no, not supported";
        if (number == 1)
            return "1: yes, supported";
        return "A Boolean is 0 (no) or 1 (yes).";
    }
    case ValueRule::Module:
        for (const ModuleOverview& module : DescribeModules(db.Database()))
            if (module.Line == (entry ? entry->LongLine : line))
                return "```\n" + ModuleText(module) + "```";
        return {};
    default:
        return ValueRuleText(match);
    }
}

} // namespace

HoverText HoverOnLine(std::string_view line, const CheckSettings& settings, TextPosition at,
                      const SnapshotDatabase* db, bool* wantsDatabase) {
    LineLayout layout = LayOut(line);
    bool onKey = layout.HasKey() && at.Column >= layout.KeyBegin && at.Column <= layout.KeyEnd;
    bool onValue =
        layout.HasValue() && at.Column >= layout.ValueBegin && at.Column <= layout.ValueEnd;
    if (!onKey && !onValue)
        return {};
    std::string key(KeyOf(line, layout));
    CatalogueMatch match = KeywordCatalogue::Instance().Find(key);
    HoverText hover;
    if (onKey) {
        hover.Markdown = KeywordHelp(key, match, *settings.Settings);
        hover.Range = {{at.Line, layout.KeyBegin}, {at.Line, layout.KeyEnd}};
    } else if (db == nullptr) {
        if (wantsDatabase)
            *wantsDatabase = true;
        return {};
    } else {
        hover.Markdown = ValueHelp(*db, at.Line, key, ValueOf(line, layout), match);
        hover.Range = {{at.Line, layout.ValueBegin}, {at.Line, layout.ValueEnd}};
    }
    hover.Found = !hover.Markdown.empty();
    return hover;
}

HoverText HoverAt(const Snapshot& snapshot, const CheckSettings& settings, TextPosition at) {
    // A keyword's help needs only its line; the database of the whole text is built for
    // the help of a value alone, which may read other entries.
    const BufferTextLines lines(snapshot.Text);
    if (at.Line < 0 || at.Line >= lines.LineCount())
        return {};
    const std::string_view line = lines.View(at.Line);
    bool wantsDatabase = false;
    HoverText hover = HoverOnLine(line, settings, at, nullptr, &wantsDatabase);
    if (!wantsDatabase)
        return hover;
    const SnapshotDatabase db(snapshot, settings);
    return HoverOnLine(line, settings, at, &db);
}

HoverText HoverAt(const SnapshotDatabase& read, const CheckSettings& settings, TextPosition at) {
    if (at.Line < 0 || at.Line >= read.Lines().LineCount())
        return {};
    return HoverOnLine(read.Lines().View(at.Line), settings, at, &read);
}

} // namespace kvf::language
