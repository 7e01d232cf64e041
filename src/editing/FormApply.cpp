#include "editing/FormApply.h"

#include "catalogue/KeywordDispatcher.h"
#include "core/Document.h"
#include "core/MessageIds.h"
#include "core/RunContext.h"
#include "editing/EntryCheck.h"
#include "editing/EntryTextMatch.h"

#include <string>
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

// Whether the fields hold anything else than the entry shows: the form the dispatcher
// fills for the entry now, compared field by field with what was typed.
bool FieldsChangeEntry(AppServices& app, CDbEntry& entry, const InputFormData& typed) {
    EntryFocus held;
    held.CurrentEntry = &entry;
    RunContext run(app);
    Dispatch(run, held, entry.Key, ACTION_SHOW, entry.Value);
    if (held.InputForm.FormKind != typed.FormKind)
        return true;
    for (std::size_t i : FieldValues(typed.FormKind))
        if (AsShown(typed.FormKind, typed.Values[i]) !=
            AsShown(typed.FormKind, held.InputForm.Values[i]))
            return true;
    return false;
}

} // namespace

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

    if (!FieldsChangeEntry(app, *entry, typed)) {
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
