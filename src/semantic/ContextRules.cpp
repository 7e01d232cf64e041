// Where a keyword may stand, how often, from which revision and for which station kind.

#include "core/AsciiText.h"
#include "core/MessageIds.h"
#include "core/MessageSink.h"
#include "semantic/SemanticChecker.h"

namespace kvf {

int SemanticChecker::RequireTopLevel(const CDbEntry* parent) {
    if (!parent)
        return 1;
    return Report(LEVEL_WARNING, msg::SpecifiedInsideBlock, CurrentKey, parent->Key, CurrentKey);
}

int SemanticChecker::RequireTopLevelOrIn(const CDbEntry* parent, std::string_view block) {
    if (!parent || EqualsNoCase(parent->Key, block))
        return 1;
    return Report(LEVEL_WARNING, msg::SpecifiedInsideBlock, CurrentKey, parent->Key, CurrentKey);
}

int SemanticChecker::RequireInside(const CDbEntry* parent, std::string_view block) {
    if (parent && EqualsNoCase(parent->Key, block))
        return 1;
    return Report(LEVEL_WARNING, msg::SpecifiedOutsideBlock, CurrentKey, block, CurrentKey);
}

int SemanticChecker::CheckUnique(int rule, unsigned count, const CDbEntry* parent) {
    switch (rule) {
    case msg::MultipleDefinitionTop:
    case msg::MultipleDefinitionModule:
    case msg::MultipleDefinitionPhysicalInterface:
        // The counter already holds this line.
        if (count > 1)
            return Report(LEVEL_ERROR, rule, CurrentKey);
        return 1;
    case msg::MultipleDefinitionInBlock:
        if (count > 1)
            return Report(LEVEL_ERROR, rule, CurrentKey, parent ? parent->Key.View() : std::string_view());
        return 1;
    case msg::MultipleDefinitionExtUserPrmData:
        // The counter does not hold this line yet.
        if (count != 0)
            return Report(LEVEL_ERROR, rule, CurrentKey);
        return 1;
    case msg::MultipleDataTypeName:
        if (UserParameters.CurrentExtUserPrmData && UserParameters.CurrentExtUserPrmData->TypeSeen)
            return Report(LEVEL_ERROR, rule);
        return 1;
    default:
        return 1;
    }
}

int SemanticChecker::CheckRevision(std::uint32_t minimum) {
    if (RevisionInForce >= minimum)
        return 1;
    return Report(LEVEL_WARNING, msg::RevisionSpecificKeyword, CurrentKey, minimum, RevisionInForce,
                  CurrentKey);
}

// While the station kind is unknown (-1) none of the role rules reports.
int SemanticChecker::CheckSlaveOnly() {
    if (StationKind != 1)
        return 1;
    return Report(LEVEL_WARNING, msg::SlaveKeywordInMasterFile, CurrentKey);
}

int SemanticChecker::CheckMasterOnly() {
    if (StationKind != 0)
        return 1;
    return Report(LEVEL_WARNING, msg::MasterKeywordInSlaveFile, CurrentKey);
}

int SemanticChecker::CheckModularOnly() {
    if (StationKind != 0 || ModularStation() != 0)
        return 1;
    return Report(LEVEL_WARNING, msg::ModularKeywordInCompactFile, CurrentKey);
}

} // namespace kvf
