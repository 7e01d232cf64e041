// Where a keyword may stand, how often, from which revision and for which station kind.

#include "core/AsciiText.h"
#include "core/MessageIds.h"
#include "core/MessageSink.h"
#include "semantic/SemanticChecker.h"

namespace kvf {

int SemanticChecker::RequireTopLevel(const CDbEntry* parent) {
    if (!parent)
        return 1;
    return context_.Report(LEVEL_WARNING, msg::SpecifiedInsideBlock, context_.CurrentKey(),
                           parent->Key, context_.CurrentKey());
}

int SemanticChecker::RequireTopLevelOrIn(const CDbEntry* parent, std::string_view block) {
    if (!parent || EqualsNoCase(parent->Key, block))
        return 1;
    return context_.Report(LEVEL_WARNING, msg::SpecifiedInsideBlock, context_.CurrentKey(),
                           parent->Key, context_.CurrentKey());
}

int SemanticChecker::RequireInside(const CDbEntry* parent, std::string_view block) {
    if (parent && EqualsNoCase(parent->Key, block))
        return 1;
    return context_.Report(LEVEL_WARNING, msg::SpecifiedOutsideBlock, context_.CurrentKey(), block,
                           context_.CurrentKey());
}

int SemanticChecker::CheckUnique(int rule, unsigned count, const CDbEntry* parent) {
    switch (rule) {
    case msg::MultipleDefinitionTop:
    case msg::MultipleDefinitionModule:
    case msg::MultipleDefinitionPhysicalInterface:
        // The counter already holds this line.
        if (count > 1)
            return context_.Report(LEVEL_ERROR, rule, context_.CurrentKey());
        return 1;
    case msg::MultipleDefinitionInBlock:
        if (count > 1)
            return context_.Report(LEVEL_ERROR, rule, context_.CurrentKey(),
                                   parent ? parent->Key.View() : std::string_view());
        return 1;
    case msg::MultipleDefinitionExtUserPrmData:
        // The counter does not hold this line yet.
        if (count != 0)
            return context_.Report(LEVEL_ERROR, rule, context_.CurrentKey());
        return 1;
    case msg::MultipleDataTypeName:
        if (const ExtUserPrmDataRecord* definition =
                groups_.Get<UserParameterRules>().CurrentExtUserPrmData();
            definition && definition->TypeSeen)
            return context_.Report(LEVEL_ERROR, rule);
        return 1;
    default:
        return 1;
    }
}

int SemanticChecker::CheckRevision(std::uint32_t minimum) {
    if (context_.RevisionInForce() >= minimum)
        return 1;
    return context_.Report(LEVEL_WARNING, msg::RevisionSpecificKeyword, context_.CurrentKey(),
                           minimum, context_.RevisionInForce(), context_.CurrentKey());
}

// While the station kind is unknown (-1) none of the role rules reports.
int SemanticChecker::CheckSlaveOnly() {
    if (context_.StationKind() != 1)
        return 1;
    return context_.Report(LEVEL_WARNING, msg::SlaveKeywordInMasterFile, context_.CurrentKey());
}

int SemanticChecker::CheckMasterOnly() {
    if (context_.StationKind() != 0)
        return 1;
    return context_.Report(LEVEL_WARNING, msg::MasterKeywordInSlaveFile, context_.CurrentKey());
}

int SemanticChecker::CheckModularOnly() {
    if (context_.StationKind() != 0 || context_.ModularStation() != 0)
        return 1;
    return context_.Report(LEVEL_WARNING, msg::ModularKeywordInCompactFile, context_.CurrentKey());
}

} // namespace kvf
