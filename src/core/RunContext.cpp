#include "core/RunContext.h"

namespace kvf {

void RunContext::ReportMessage(int level, int line, int id, const std::string& text,
                               const Document* document) {
    bool finding = level >= LEVEL_ERROR && level <= LEVEL_WARNING;
    if (finding && id != 0 && !services_->Selection().IsSelected(id))
        return;
    if (finding && id != 0 && services_->Suppressions() &&
        services_->Suppressions()->Silences(line, id))
        return;
    services_->Messages().AddIdentifiedMessage(level, line, id, text, document);
    ++MessageCounter;
}

void RunContext::ForgetEntry(const CDbEntry* entry) {
    Focus.ForgetEntry(entry);
    if (OpenBlockEntry == entry)
        OpenBlockEntry = nullptr;
}

} // namespace kvf
