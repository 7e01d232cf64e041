#include "core/FindingMessages.h"

#include "core/MessageSink.h"
#include "core/MessageTable.h"

#include <algorithm>
#include <utility>

namespace kvf {
namespace {

// The level of each finding, from the lines that declare the texts.
constexpr std::pair<int, int> kFindingLevels[] = {
#define KVF_MESSAGE(Name, Id, Text)
#define KVF_FINDING(Name, Id, Level, Text) {Id, Level},
#define KVF_CAPTION(Name, Id, Text)
#define KVF_KEYWORD_HELP(Id, Text)
#include "core/messages/AllMessages.def"
#undef KVF_MESSAGE
#undef KVF_FINDING
#undef KVF_CAPTION
#undef KVF_KEYWORD_HELP
};

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
