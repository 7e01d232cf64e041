#include "app/UserKeyCommand.h"

#include "catalogue/KeywordCatalogue.h"
#include "catalogue/KeywordDispatcher.h"
#include "catalogue/UserKeys.h"
#include "core/AppState.h"
#include "core/AsciiText.h"
#include "core/Document.h"
#include "core/MessageIds.h"
#include "core/MessageSink.h"
#include "core/MessageTable.h"

namespace kvf {

void ApplyUserKeyRegistration(AppState& app, Document& document, CDbEntry& entry, int dataTypeIndex,
                              int groupIndex, const std::string& rangeText) {
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

void CheckOneEntry(AppState& app, Document& document, CDbEntry& entry) {
    app.ClearMessages();
    app.ReportMessage(LEVEL_FRAME, 0, msg::StartSingleSyntaxCheck,
                      std::string(MessageText(msg::StartSingleSyntaxCheck)), nullptr);
    app.CheckedDocument = &document;
    app.MessageCounter = 0;
    app.CurrentEntry = &entry;
    Dispatch(app, entry.Key, ACTION_CHECK, "");
    if (app.MessageCounter == 0)
        app.ReportMessage(LEVEL_FRAME, 0, msg::CheckFinishedWithoutErrors,
                          std::string(MessageText(msg::CheckFinishedWithoutErrors)), nullptr);
    app.ReportMessage(LEVEL_FRAME, 0, msg::StopSingleSyntaxCheck,
                      std::string(MessageText(msg::StopSingleSyntaxCheck)), nullptr);
}

bool DocumentHoldsEntry(const Document& document, const CDbEntry* entry) {
    return entry && document.Database.IndexOf(entry) >= 0;
}

} // namespace kvf
