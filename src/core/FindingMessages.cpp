#include "core/FindingMessages.h"

#include "core/MessageIds.h"
#include "core/MessageSink.h"
#include "core/MessageTable.h"

#include <algorithm>
#include <utility>

namespace kvf {
namespace {

// The level each finding is reported with. A rule that reports a new message adds it here;
// the finding-level test runs every acceptance case and fails when a row's level differs.
// clang-format off
constexpr std::pair<int, int> kFindingLevels[] = {
    // Keyword dispatcher and value checks.
    {msg::ValueExceedsLimit, LEVEL_ERROR},
    {msg::NotWithinAllowedValues, LEVEL_ERROR},
    {msg::ValueOutOfRange, LEVEL_ERROR},
    {msg::UnknownKey, LEVEL_WARNING},
    {msg::UnexpectedFormat, LEVEL_ERROR},
    {msg::TooManyValues, LEVEL_ERROR},
    {msg::LineTooLong, LEVEL_WARNING},
    {msg::FileNameCharacters, LEVEL_ERROR},
    {msg::KeywordCharacters, LEVEL_ERROR},
    {msg::VisibleStringInvalid, LEVEL_ERROR},
    {msg::UseInPlaceOfArea, LEVEL_WARNING},
    {msg::UnspecifiedCharacters, LEVEL_WARNING},
    {msg::DefaultNotAllowed, LEVEL_ERROR},
    {msg::EqualSign, LEVEL_ERROR},
    {msg::HashKey, LEVEL_WARNING},
    {msg::ConfigurationInvalid, LEVEL_ERROR},
    // Check run: the file name and the empty database.
    {msg::FileNameMissingDot, LEVEL_WARNING},
    {msg::FileNameExtension, LEVEL_WARNING},
    {msg::FileNameTooManyDots, LEVEL_WARNING},
    {msg::FileNameTooLong, LEVEL_WARNING},
    {msg::DatabaseEmpty, LEVEL_FATAL},
    // Semantic checker.
    {msg::MissingKvfRevision, LEVEL_ERROR},
    {msg::MissingKeywordInBlock, LEVEL_ERROR},
    {msg::MissingMandatoryKeyword, LEVEL_ERROR},
    {msg::UndefinedBaudrate, LEVEL_ERROR},
    {msg::UndefinedMaxTsdr, LEVEL_ERROR},
    {msg::MissingMasterKeyword, LEVEL_ERROR},
    {msg::MissingSlaveKeyword, LEVEL_ERROR},
    {msg::MissingSlaveKeywordForRevision, LEVEL_ERROR},
    {msg::MissingModularSlaveKeyword, LEVEL_ERROR},
    {msg::MissingEndOfBlock, LEVEL_ERROR},
    {msg::MissingDpv1ConformanceClass, LEVEL_ERROR},
    {msg::MissingModuleReference, LEVEL_ERROR},
    {msg::MissingDelayForBaudrate, LEVEL_ERROR},
    {msg::MissingMandatoryInBlock, LEVEL_ERROR},
    {msg::UndefinedTrdy, LEVEL_ERROR},
    {msg::MissingTqui, LEVEL_ERROR},
    {msg::MissingTset, LEVEL_ERROR},
    {msg::MissingTsdi, LEVEL_ERROR},
    {msg::MultipleDefinitionTop, LEVEL_ERROR},
    {msg::MultipleDefinitionModule, LEVEL_ERROR},
    {msg::MultipleDefinitionPhysicalInterface, LEVEL_ERROR},
    {msg::MultipleDefinitionInBlock, LEVEL_ERROR},
    {msg::MultipleDefinitionExtUserPrmData, LEVEL_ERROR},
    {msg::MultipleDataTypeName, LEVEL_ERROR},
    {msg::SpecifiedInsideBlock, LEVEL_WARNING},
    {msg::SpecifiedOutsideBlock, LEVEL_WARNING},
    {msg::RevisionSpecificKeyword, LEVEL_WARNING},
    {msg::SlaveKeywordInMasterFile, LEVEL_WARNING},
    {msg::MasterKeywordInSlaveFile, LEVEL_WARNING},
    {msg::ModularKeywordInCompactFile, LEVEL_WARNING},
    {msg::KvfRevisionNotSupported, LEVEL_WARNING},
    {msg::InvalidIdentNumber, LEVEL_ERROR},
    {msg::FileNameIdentNumber, LEVEL_WARNING},
    {msg::SlaveFamilyRange, LEVEL_ERROR},
    {msg::ReferenceNumberRange, LEVEL_ERROR},
    {msg::RedefinitionOfValue, LEVEL_WARNING},
    {msg::NoTextForDefault, LEVEL_WARNING},
    {msg::AmbiguousExtUserPrmData, LEVEL_ERROR},
    {msg::UnresolvedPrmText, LEVEL_ERROR},
    {msg::AmbiguousPrmText, LEVEL_ERROR},
    {msg::ProtocolIdentNotDp, LEVEL_WARNING},
};
// clang-format on

} // namespace

std::vector<FindingMessage> FindingMessages() {
    std::vector<FindingMessage> findings;
    for (auto [id, level] : kFindingLevels)
        findings.push_back(FindingMessage{id, level, MessageText(id)});
    std::sort(findings.begin(), findings.end(),
              [](const FindingMessage& a, const FindingMessage& b) { return a.Id < b.Id; });
    return findings;
}

int FindingLevel(int id) {
    for (auto [known, level] : kFindingLevels)
        if (known == id)
            return level;
    return 0;
}

} // namespace kvf
