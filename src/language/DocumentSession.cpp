#include "language/DocumentSession.h"

namespace kvf::language {

DocumentSession::DocumentSession(Executor& executor, Publish publish, PauseTimer* pause,
                                 LatestAnalysis::Make make)
    : publish_(std::move(publish)), analysis_(std::move(make)), scheduler_(executor, pause) {}

void DocumentSession::Update(std::uint64_t version, std::shared_ptr<const std::string> text,
                             std::string fileName, std::string pathName,
                             SharedCheckSettings settings) {
    version_ = version;
    settings_ = settings;
    const std::uint64_t ticket = analysis_.Update(std::move(text), std::move(fileName),
                                                  std::move(pathName), std::move(settings));
    scheduler_.Submit(version, [this, version, ticket](const std::atomic<bool>& cancelled) {
        std::shared_ptr<const Analysis> analysis = analysis_.Scheduled(ticket, cancelled);
        if (!analysis || cancelled)
            return CheckScheduler::Deliver();
        return publish_(version, *analysis);
    });
}

} // namespace kvf::language
