#include "lsp/DocumentChecker.h"

namespace kvf::lsp {

DocumentChecker::DocumentChecker(language::Executor& pool, Render render, Send send,
                                 Check check)
    : render_(std::move(render)), send_(std::move(send)), check_(std::move(check)),
      scheduler_(pool) {}

void DocumentChecker::Submit(int version, language::Snapshot snapshot,
                             std::shared_ptr<const ServerSettings> settings) {
    auto text = std::make_shared<language::Snapshot>(std::move(snapshot));
    scheduler_.Submit(
        static_cast<std::uint64_t>(version),
        [this, version, text, settings = std::move(settings)](
            const std::atomic<bool>& cancelled) -> language::CheckScheduler::Deliver {
            language::CheckSettings check = settings->ForCheck();
            check.Cancel = &cancelled;
            language::CheckOutcome outcome = check_(std::move(*text), check); // its text goes
            if (cancelled)
                return {};
            return [this, message = render_(version, outcome)] { send_(message); };
        });
}

} // namespace kvf::lsp
