#include "editing/FormApply.h"

#include "catalogue/KeywordDispatcher.h"
#include "core/AsciiText.h"
#include "core/Document.h"
#include "core/MessageIds.h"
#include "core/RunContext.h"
#include "core/TextLines.h"
#include "editing/EntryCheck.h"
#include "editing/EntryTextMatch.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace kvf {
namespace {

// The values of the form that a layout's fields hold and Apply stores (the rest are
// captions and what the layout only shows).
std::vector<std::size_t> FieldValues(InputForm kind) {
    switch (kind) {
    case InputForm::String:
    case InputForm::Number:
    case InputForm::ThreeChoices:
    case InputForm::TwoChoices:
    case InputForm::Feature:
        return {0};
    case InputForm::Module: // the name and the configuration
    case InputForm::TwoNumbers:
    case InputForm::IndexText:
        return {0, 1};
    case InputForm::DataTypeLine:
        return {0, 1, 3};
    case InputForm::BitLine:
    case InputForm::Slot:
        return {0, 1, 2, 3};
    case InputForm::None:
    case InputForm::HelpOnly:
        break;
    }
    return {};
}

// A value as its field shows it: a choice that is no button's shows (and reads back) as
// the first button, a feature other than 1 as an unchecked box.
std::string AsShown(InputForm kind, const std::string& value) {
    switch (kind) {
    case InputForm::ThreeChoices:
        return value == "1" || value == "2" ? value : "0";
    case InputForm::TwoChoices:
    case InputForm::Feature:
        return value == "1" ? value : "0";
    default:
        return value;
    }
}

// The texts between double quotes on an entry's lines, in their order, as they stand there;
// a ';' outside quotes starts a comment, which holds none.
std::vector<std::string> QuotedTexts(const std::vector<std::string>& lines) {
    std::vector<std::string> texts;
    for (const std::string& text : lines) {
        std::size_t open = std::string::npos;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '"') {
                if (open == std::string::npos) {
                    open = i;
                } else {
                    texts.push_back(text.substr(open + 1, i - open - 1));
                    open = std::string::npos;
                }
            } else if (text[i] == ';' && open == std::string::npos) {
                break;
            }
        }
    }
    return texts;
}

// The fields the keyword's store writes between quotes, in the order they stand in the
// value: the form is stored into a copy of the entry with a mark of its own in each field,
// and the marks are looked for between quotes in the value that makes.
std::vector<std::size_t> QuotedFields(AppServices& app, const CDbEntry& entry,
                                      const InputFormData& form) {
    CDbEntry copy = entry;
    EntryFocus scratch;
    scratch.CurrentEntry = &copy;
    scratch.InputForm = form;
    const std::vector<std::size_t> fields = FieldValues(form.FormKind);
    auto mark = [](std::size_t field) { return std::string("\x01") + char('0' + field) + '\x01'; };
    for (std::size_t field : fields)
        scratch.InputForm.Values[field] = mark(field);
    {
        RunContext run(app);
        Dispatch(run, scratch, copy.Key, ACTION_STORE, std::string());
    }
    const std::string value(copy.Value);
    std::vector<std::pair<std::size_t, std::size_t>> quoted; // position in the value, field
    for (std::size_t field : fields) {
        const std::size_t at = value.find('"' + mark(field) + '"');
        if (at != std::string::npos)
            quoted.emplace_back(at, field);
    }
    std::sort(quoted.begin(), quoted.end());
    std::vector<std::size_t> ordered;
    for (const auto& [at, field] : quoted)
        ordered.push_back(field);
    return ordered;
}

// Whether the fields hold anything else than the entry shows: the form the dispatcher
// fills for the entry now (its quoted fields spelt as the line has them), compared field by
// field with what was typed.
bool FieldsChangeEntry(AppServices& app, CDbEntry& entry,
                       const std::vector<std::string>& entryLines, const InputFormData& typed) {
    EntryFocus held;
    held.CurrentEntry = &entry;
    {
        RunContext run(app);
        Dispatch(run, held, entry.Key, ACTION_SHOW, entry.Value);
    }
    SpellQuotedFieldsAsWritten(app, held.InputForm, entry, entryLines);
    if (held.InputForm.FormKind != typed.FormKind)
        return true;
    for (std::size_t i : FieldValues(typed.FormKind))
        if (AsShown(typed.FormKind, typed.Values[i]) !=
            AsShown(typed.FormKind, held.InputForm.Values[i]))
            return true;
    return false;
}

} // namespace

std::vector<std::string> EntryLines(const TextLines& lines, const CDbEntry& entry) {
    std::vector<std::string> entryLines;
    if (entry.LongLine < 0 || entry.Line < entry.LongLine || entry.Line >= lines.LineCount())
        return entryLines;
    for (int line = entry.LongLine; line <= entry.Line; ++line)
        entryLines.push_back(lines.Line(line));
    return entryLines;
}

void SpellQuotedFieldsAsWritten(AppServices& app, InputFormData& form, const CDbEntry& entry,
                                const std::vector<std::string>& entryLines) {
    if (entryLines.empty() || !LineHoldsKey(entryLines.front(), entry.Key))
        return;
    const std::vector<std::size_t> fields = QuotedFields(app, entry, form);
    if (fields.empty())
        return;
    const std::vector<std::string> texts = QuotedTexts(entryLines);
    // The quoted fields and the quoted texts of the line in their order; a field takes the
    // next text that reads as its value.
    std::size_t next = 0;
    for (std::size_t field : fields) {
        std::string& value = form.Values[field];
        for (std::size_t k = next; k < texts.size(); ++k) {
            if (Trim(texts[k]) == Trim(value)) {
                value = texts[k];
                next = k + 1;
                break;
            }
        }
    }
}

ApplyOutcome ApplyForm(AppServices& app, EntryFocus& shown, Document& document,
                       const InputFormData& typed, EntryLineEditor& text, CheckRunHooks* hooks) {
    using Status = ApplyOutcome::Status;
    if (document.ReadOnly)
        return {Status::WriteProtected, msg::FileWriteProtected};
    shown.InputForm = typed;
    CDbEntry* entry = shown.CurrentEntry;
    if (!DocumentHoldsEntry(document, entry))
        return {Status::NoEntry, msg::NoDatabase};
    // The lines are rewritten where the database put the entry: when the text moved since,
    // they would overwrite other lines. The database needs a rebuild first.
    if (entry->Line >= document.Lines().LineCount() ||
        !LineHoldsKey(document.Lines(), entry->LongLine, entry->Key))
        return {Status::DatabaseStale, msg::DatabaseNeedsUpdate};

    if (!FieldsChangeEntry(app, *entry, EntryLines(document.Lines(), *entry), typed)) {
        CheckOneEntry(app, shown, document, *entry, hooks);
        return {Status::Unchanged};
    }

    const std::string key = entry->Key;
    const std::string value = entry->Value;
    const auto parts = entry->m_Ready;
    {
        RunContext run(app);
        Dispatch(run, shown, entry->Key, ACTION_STORE, std::string());
    }
    if (!text.ReplaceEntryLines(*entry)) {
        entry->Key = key;
        entry->Value = value;
        entry->m_Ready = parts;
        return {Status::TextRefused};
    }
    CheckOneEntry(app, shown, document, *entry, hooks);
    return {Status::Applied};
}

} // namespace kvf
