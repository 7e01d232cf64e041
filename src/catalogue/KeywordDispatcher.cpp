#include "catalogue/KeywordDispatcher.h"

#include "catalogue/KeywordCatalogue.h"
#include "catalogue/UserKeys.h"
#include "catalogue/ValueChecks.h"
#include "catalogue/ValueParts.h"
#include "catalogue/ValueRuleTable.h"
#include "core/AsciiText.h"
#include "core/Document.h"
#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "core/RunContext.h"

#include <array>

namespace kvf {
namespace {

constexpr int kMaxLineLength = 80;
constexpr std::string_view kUnknownKeyTopic = "glossary_keywords.htm";

constexpr bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Text(int id) {
    return std::string(MessageText(id));
}

// Lines longer than 80 characters, one warning per physical line of the entry.
void CheckLineLengths(RunContext& run, const CDbEntry& entry) {
    const TextLines& lines = run.CheckedDocument->Lines();
    for (int line = entry.LongLine; line <= entry.Line; ++line)
        if (lines.LineLength(line) > kMaxLineLength)
            run.ReportMessage(LEVEL_WARNING, line, msg::LineTooLong, Text(msg::LineTooLong),
                              run.CheckedDocument);
}

// Each row of the key-character rule repeats the whole key, so a line of garbage would
// cost rows times key length; past this many rows per key the rest add nothing to read.
constexpr int kMaxKeyCharacterRows = 16;

// One error per character that is not a letter, a digit, '.', '_', '#' or '-', up to
// kMaxKeyCharacterRows rows per key; the text is formatted once.
// The characters a key may hold, as a table: every key of a file is tested.
constexpr std::array<bool, 256> kKeyCharacters = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[static_cast<std::size_t>(c)] = IsAsciiLetter(static_cast<char>(c)) ||
                                             IsDigit(static_cast<char>(c)) || c == '.' ||
                                             c == '_' || c == '#' || c == '-';
    return table;
}();

void CheckKeyCharacters(RunContext& run, const CDbEntry& entry, std::string_view key) {
    std::string text;
    int rows = 0;
    for (char c : key) {
        if (IsKeywordCharacter(c))
            continue;
        if (rows++ == kMaxKeyCharacterRows)
            break;
        if (text.empty())
            text = FormatMessage(msg::KeywordCharacters, key);
        run.ReportMessage(LEVEL_ERROR, entry.LongLine, msg::KeywordCharacters, text,
                          run.CheckedDocument);
    }
}

} // namespace

bool IsKeywordCharacter(char c) {
    return kKeyCharacters[static_cast<unsigned char>(c)];
}

namespace {

void ShowGeneric(InputFormData& form, const CDbEntry& entry) {
    switch (entry.Type) {
    case TYPE_SIMPLE_STRING:
        form.FormKind = InputForm::String;
        break;
    case TYPE_SIMPLE_UINT:
        form.FormKind = InputForm::Number;
        break;
    case TYPE_SIMPLE_BOOL:
        form.FormKind = InputForm::Feature;
        form.Captions[0] = Text(caption::SupportsFeature);
        break;
    default:
        form.FormKind = InputForm::String;
        break;
    }
    form.Values[0] = entry.m_Ready[0];
}

void StoreGeneric(InputFormData& form, CDbEntry& entry) {
    entry.m_Ready[0] = form.Values[0];
    switch (entry.Type) {
    case TYPE_SIMPLE_STRING:
        form.FormKind = InputForm::String;
        entry.Value = "=\"" + entry.m_Ready[0] + "\"";
        break;
    case TYPE_SIMPLE_UINT:
        entry.Value = "=" + entry.m_Ready[0];
        form.FormKind = InputForm::Number;
        break;
    case TYPE_SIMPLE_BOOL:
        entry.Value = "=" + entry.m_Ready[0];
        form.Captions[0] = Text(caption::SupportsFeature);
        form.FormKind = InputForm::Feature;
        break;
    default:
        entry.Value = "=" + entry.m_Ready[0];
        form.FormKind = InputForm::String;
        break;
    }
}

// A bare number inside a block, such as `1` or `0x1F`: digits first, and no letter other
// than the hexadecimal ones and x.
bool IsModuleReferenceKey(std::string_view key) {
    if (key.empty() || !IsDigit(key[0]))
        return false;
    for (char c : key) {
        if (!IsAsciiLetter(c))
            continue;
        char upper = ToUpperAscii(c);
        if (!((upper >= 'A' && upper <= 'F') || upper == 'X'))
            return false;
    }
    return true;
}

void DispatchGroupName(RunContext& run, InputFormData& form, const GroupName& group, int action) {
    switch (action) {
    case ACTION_SHOW:
        form.FormKind = InputForm::None;
        form.HelpText = Text(msg::AboutText);
        break;
    case ACTION_STORE:
        form.FormKind = InputForm::None;
        break;
    case ACTION_GLOSSARY:
        run.OpenHelpTopic(std::string(group.Page));
        break;
    default:
        break;
    }
}

void ClassifyByRow(RunContext& run, CDbEntry& entry, const CatalogueRow& row,
                   std::string_view value) {
    entry.Type = row.Type;
    entry.TreeGroup =
        row.ModuleOrSlave ? (run.BlockOpen == 1 ? PARENT_MODULE : PARENT_SLAVE) : row.Group;
    entry.hParent = run.OpenBlockEntry;

    if (row.BlockBegin) {
        run.BlockOpen = 1;
        entry.ModuleFlag = TYPE_MODULE_BEGIN;
        if (row.BlockPartner.empty()) {
            if (!run.OpenBlockEntry)
                run.OpenBlockEntry = &entry;
        } else if (run.OpenBlockEntry && EqualsNoCase(run.OpenBlockEntry->Key, row.BlockPartner)) {
            // The nested blocks open only inside the block they belong to.
            run.OpenBlockEntry = &entry;
        }
    } else if (!row.BlockPartner.empty()) {
        run.BlockOpen = 0;
        if (run.OpenBlockEntry && EqualsNoCase(run.OpenBlockEntry->Key, row.BlockPartner))
            run.OpenBlockEntry = run.OpenBlockEntry->hParent;
    }

    ValueRuleOf(row.Rule).Split(entry, value, EntryTextWriter{run.EntryTexts});
}

void ShowByRow(InputFormData& form, const CDbEntry& entry, const CatalogueMatch& match,
               std::string_view key) {
    const CatalogueRow& row = *match.Row;
    form.FormKind = row.Form;
    form.HelpText = Text(match.Keyword->HelpId);
    const std::array<int, 4> captions = match.Captions();
    for (std::size_t i = 0; i < form.Captions.size(); ++i)
        form.Captions[i] = captions[i] ? Text(captions[i]) : std::string();
    ValueRuleOf(row.Rule).Show(form.Values, entry, key);
}

// A parameter data type line is written in the shape of the data type the form chose: a
// bit line whose type became Unsigned8 is written as a number line, and the other way
// round, so that the line reads back as the type it names.
const CatalogueRow& DataTypeRowChosen(const CatalogueRow& row, const std::string& chosen) {
    if (!ChoosesDataType(row.Form))
        return row;
    CatalogueMatch match = KeywordCatalogue::Instance().Find(chosen);
    return match && ChoosesDataType(match.Row->Form) ? *match.Row : row;
}

void StoreByRow(InputFormData& form, CDbEntry& entry, const CatalogueRow& entryRow) {
    const CatalogueRow& row = DataTypeRowChosen(entryRow, form.Values[3]);
    form.FormKind = row.Form;
    ValueRuleOf(row.Rule).Store(form.Values, entry);
}

void DispatchRow(RunContext& run, EntryFocus& focus, const CatalogueMatch& match, int action,
                 std::string_view key, std::string_view value) {
    const CatalogueRow& row = *match.Row;
    CDbEntry* entry = focus.CurrentEntry;
    switch (action) {
    case ACTION_SHOW:
        if (entry)
            ShowByRow(focus.InputForm, *entry, match, key);
        break;
    case ACTION_CLASSIFY:
        if (entry)
            ClassifyByRow(run, *entry, row, value);
        break;
    case ACTION_STORE:
        if (entry)
            StoreByRow(focus.InputForm, *entry, row);
        break;
    case ACTION_CHECK:
        if (entry)
            CheckRowValue(run, *entry, row, *match.Keyword);
        break;
    case ACTION_GLOSSARY:
        run.OpenHelpTopic(std::string(match.Keyword->Topic));
        break;
    default:
        break;
    }
}

// `lookedUp` is the key's catalogue entry where the caller has it, else null.
void DispatchNamed(RunContext& run, EntryFocus& focus, std::string_view key, int action,
                   std::string_view value, const CatalogueEntry* lookedUp) {
    if (action != ACTION_SHOW && action != ACTION_CLASSIFY && action != ACTION_STORE &&
        action != ACTION_CHECK && action != ACTION_GLOSSARY)
        return;
    CDbEntry* entry = focus.CurrentEntry;
    // Classifying and storing rewrite the entry's texts; a key or value handed in as a view
    // of a text the entry owns is read from a copy, since rewriting frees the old text
    // (texts of a database's store stay where they are).
    std::string keyHeld;
    std::string valueHeld;
    if (entry && (action == ACTION_CLASSIFY || action == ACTION_STORE)) {
        for (const EntryText* text : {&entry->Key, &entry->Value}) {
            if (text->IsKept())
                continue;
            if (!key.empty() && key.data() == text->data())
                key = keyHeld.assign(key);
            if (!value.empty() && value.data() == text->data())
                value = valueHeld.assign(value);
        }
    }

    if (action == ACTION_CHECK && entry) {
        if (run.CheckedDocument)
            CheckLineLengths(run, *entry);
        CheckKeyCharacters(run, *entry, key);
    }
    // Assigned for every entry a file has: kept as a string, it costs no allocation.
    static const std::string userKeyHelp = Text(msg::UserKeyHelp);
    focus.InputForm.HelpText = userKeyHelp;
    if (action == ACTION_SHOW && entry)
        ShowGeneric(focus.InputForm, *entry);
    // A keyword without a value has nothing to store: what the generic store wrote is taken
    // back below, so Apply on `EndModule` cannot turn it into `EndModule =""`.
    std::string valueBeforeStore;
    std::string partBeforeStore;
    if (action == ACTION_STORE && entry) {
        valueBeforeStore = entry->Value;
        partBeforeStore = entry->m_Ready[0];
        StoreGeneric(focus.InputForm, *entry);
    }

    if (entry && (action == ACTION_CHECK || action == ACTION_CLASSIFY) &&
        run.UserKeyAnswers.Answer(key, [&] { return IsRegisteredUserKey(run.Settings(), key); })) {
        if (action == ACTION_CHECK) {
            CheckUserKey(run, *entry);
            return;
        }
        ClassifyUserKey(run.Settings(), *entry, EntryTextWriter{run.EntryTexts});
    }
    // The first value part of every classified entry is the value up to its first mark,
    // unless the keyword's row splits the value its own way (in its value rule).
    const EntryTextWriter writer{run.EntryTexts};
    auto setFirstPart = [&] {
        if (action == ACTION_CLASSIFY && entry)
            SplitFirstPart(*entry, value, writer);
    };

    const CatalogueEntry named = lookedUp ? *lookedUp : KeywordCatalogue::Instance().Lookup(key);
    if (const GroupName* group = named.Group) {
        setFirstPart();
        DispatchGroupName(run, focus.InputForm, *group, action);
        return;
    }
    if (const CatalogueMatch& match = named.Keyword) {
        DispatchRow(run, focus, match, action, key, value);
        if (action == ACTION_STORE && entry && !ValueRuleOf(match.Row->Rule).HasValue) {
            entry->Value = valueBeforeStore;
            entry->m_Ready[0] = partBeforeStore;
        }
        return;
    }

    setFirstPart();
    if (action == ACTION_CLASSIFY && entry && run.BlockOpen == 1 && IsModuleReferenceKey(key)) {
        writer.SetPart(entry->m_Ready[0], key, EntryTextWriter::KeptBytes(entry->Key));
        // A view of the constant itself, which lives as long as the program.
        static constexpr std::string_view kModuleReference = "Module_Reference";
        writer.SetPart(entry->Key, kModuleReference, kModuleReference);
        entry->Type = TYPE_SIMPLE_UINT;
        entry->TreeGroup = PARENT_MODULE;
        entry->hParent = run.OpenBlockEntry;
    } else if (action == ACTION_GLOSSARY && !key.empty()) {
        run.OpenHelpTopic(std::string(kUnknownKeyTopic));
    } else if (action == ACTION_CHECK && !key.empty()) {
        int id = key[0] == '#' ? msg::HashKey : msg::UnknownKey;
        run.ReportMessage(LEVEL_WARNING, entry ? entry->LongLine : -1, id, FormatMessage(id, key),
                          run.CheckedDocument);
    }
}

} // namespace

void Dispatch(RunContext& run, EntryFocus& focus, std::string_view key, int action,
              std::string_view value) {
    DispatchNamed(run, focus, key, action, value, nullptr);
}

void Dispatch(RunContext& run, EntryFocus& focus, std::string_view key, int action,
              std::string_view value, const CatalogueEntry& named) {
    DispatchNamed(run, focus, key, action, value, &named);
}

} // namespace kvf
