#include "editing/FormApply.h"

#include "catalogue/KeywordDispatcher.h"
#include "core/Document.h"
#include "core/MessageIds.h"
#include "core/RunContext.h"
#include "editing/EntryCheck.h"
#include "editing/EntryTextMatch.h"

namespace kvf {

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
