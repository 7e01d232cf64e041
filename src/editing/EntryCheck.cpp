#include "editing/EntryCheck.h"

#include "catalogue/KeywordDispatcher.h"
#include "core/Document.h"
#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "core/RunContext.h"
#include "document/CheckRun.h"

namespace kvf {
namespace {

void Frame(RunContext& run, int id) {
    run.ReportMessage(LEVEL_FRAME, 0, id, std::string(MessageText(id)), nullptr);
}

} // namespace

void CheckOneEntry(AppServices& app, EntryFocus& shown, Document& document, CDbEntry& entry,
                   CheckRunHooks* hooks) {
    RunContext run(app);
    run.ClearMessages();
    if (hooks)
        hooks->WaitCursor(true);
    Frame(run, msg::StartSingleSyntaxCheck);
    run.CheckedDocument = &document;
    run.MessageCounter = 0;
    shown.CurrentEntry = &entry;
    Dispatch(run, shown, entry.Key, ACTION_CHECK, "");
    if (run.MessageCounter == 0)
        Frame(run, msg::CheckFinishedWithoutErrors);
    Frame(run, msg::StopSingleSyntaxCheck);
    if (hooks)
        hooks->WaitCursor(false);
}

CDbEntry* FindEntry(CKeyDatabase& database, int longLine, const std::string& key) {
    for (CDbEntry& entry : database)
        if (entry.LongLine == longLine && entry.Key == key)
            return &entry;
    return nullptr;
}

long IndexOfEntryHolding(const CKeyDatabase& database, int line) {
    for (std::size_t i = 0; i < database.Count(); ++i) {
        const CDbEntry& entry = database.At(i);
        if (entry.LongLine > line)
            break; // the entries stand in the order of their lines
        if (line <= entry.Line)
            return static_cast<long>(i);
    }
    return -1;
}

bool DocumentHoldsEntry(const Document& document, const CDbEntry* entry) {
    return entry && document.Database.IndexOf(entry) >= 0;
}

} // namespace kvf
