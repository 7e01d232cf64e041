#include "app/UserKeyCommand.h"

#include "catalogue/KeywordCatalogue.h"
#include "catalogue/KeywordDispatcher.h"
#include "catalogue/UserKeys.h"
#include "core/AsciiText.h"
#include "core/Document.h"
#include "core/MessageIds.h"
#include "core/MessageSink.h"
#include "core/MessageTable.h"
#include "core/RunContext.h"

namespace kvf {

void ApplyUserKeyRegistration(AppServices& app, Document& document, CDbEntry& entry,
                              int dataTypeIndex, int groupIndex, const std::string& rangeText) {
    RegisterUserKey(app.Settings(), entry, dataTypeIndex, groupIndex, rangeText);
    if (KeywordCatalogue::Instance().Find(entry.Key))
        return;
    for (CDbEntry& other : document.Database) {
        if (&other == &entry || !EqualsNoCase(other.Key, entry.Key))
            continue;
        other.Type = entry.Type;
        other.TreeGroup = entry.TreeGroup;
        other.RangeLen = entry.RangeLen;
    }
}

void CheckOneEntry(AppServices& app, EntryFocus& shown, Document& document, CDbEntry& entry) {
    RunContext run(app);
    run.ClearMessages();
    run.ReportMessage(LEVEL_FRAME, 0, msg::StartSingleSyntaxCheck,
                      std::string(MessageText(msg::StartSingleSyntaxCheck)), nullptr);
    run.CheckedDocument = &document;
    run.MessageCounter = 0;
    shown.CurrentEntry = &entry;
    Dispatch(run, shown, entry.Key, ACTION_CHECK, "");
    if (run.MessageCounter == 0)
        run.ReportMessage(LEVEL_FRAME, 0, msg::CheckFinishedWithoutErrors,
                          std::string(MessageText(msg::CheckFinishedWithoutErrors)), nullptr);
    run.ReportMessage(LEVEL_FRAME, 0, msg::StopSingleSyntaxCheck,
                      std::string(MessageText(msg::StopSingleSyntaxCheck)), nullptr);
}

bool DocumentHoldsEntry(const Document& document, const CDbEntry* entry) {
    return entry && document.Database.IndexOf(entry) >= 0;
}

} // namespace kvf
