#include "semantic/RuleContext.h"

#include "core/RunContext.h"

namespace kvf {

void RuleContext::Emit(int level, int id) {
    run_.ReportMessage(level, currentLine_, id, messageText_, &document_);
}

} // namespace kvf
