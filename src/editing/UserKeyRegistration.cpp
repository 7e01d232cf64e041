#include "editing/UserKeyRegistration.h"

#include "catalogue/KeywordCatalogue.h"
#include "catalogue/UserKeys.h"
#include "core/AppServices.h"
#include "core/AsciiText.h"
#include "core/Document.h"

namespace kvf {

bool ApplyUserKeyRegistration(AppServices& app, Document& document, CDbEntry& entry,
                              int dataTypeIndex, int groupIndex, const std::string& rangeText) {
    if (!IsRegistrableUserKey(entry.Key))
        return false;
    RegisterUserKey(app.Settings(), entry, dataTypeIndex, groupIndex, rangeText);
    if (KeywordCatalogue::Instance().Find(entry.Key))
        return true;
    for (CDbEntry& other : document.Database) {
        if (&other == &entry || !EqualsNoCase(other.Key, entry.Key))
            continue;
        other.Type = entry.Type;
        other.TreeGroup = entry.TreeGroup;
        other.RangeLen = entry.RangeLen;
    }
    return true;
}

} // namespace kvf
