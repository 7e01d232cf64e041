#include "language/Analysis.h"

namespace kvf::language {

std::shared_ptr<const Analysis> LatestAnalysis::Made() const {
    std::lock_guard lock(mutex_);
    return made_;
}

std::uint64_t LatestAnalysis::Update(std::shared_ptr<const std::string> text, std::string fileName,
                                     std::string pathName, SharedCheckSettings settings) {
    std::lock_guard lock(mutex_);
    text_ = std::move(text);
    fileName_ = std::move(fileName);
    pathName_ = std::move(pathName);
    settings_ = std::move(settings);
    made_.reset();
    making_.reset(); // whoever makes it still gets it; nobody else waits for it
    return ++ticket_;
}

std::shared_ptr<const Analysis> LatestAnalysis::MakeLatest(std::unique_lock<std::mutex>& lock,
                                                           const std::atomic<bool>* cancelled) {
    const std::uint64_t ticket = ticket_;
    std::promise<std::shared_ptr<const Analysis>> promise;
    auto making = std::make_shared<Making>(Making{ticket, promise.get_future().share()});
    making_ = making;
    std::shared_ptr<const std::string> text = text_;
    std::string fileName = fileName_;
    std::string pathName = pathName_;
    SharedCheckSettings settings = settings_;
    lock.unlock();

    std::shared_ptr<const Analysis> made;
    try {
        CheckSettings check = *settings;
        check.Cancel = cancelled;
        made = make_(std::move(text), fileName, pathName, check);
    } catch (...) {
        lock.lock();
        if (making_ == making)
            making_.reset();
        promise.set_exception(std::current_exception());
        throw;
    }
    if (made && made->Cancelled)
        made.reset();

    lock.lock();
    if (making_ == making)
        making_.reset();
    if (made && ticket == ticket_)
        made_ = made;
    promise.set_value(made); // none: the waiters ask again
    return made;
}

std::shared_ptr<const Analysis> LatestAnalysis::Get() {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (!settings_)
            return nullptr; // no version yet
        if (made_)
            return made_;
        if (!making_)
            return MakeLatest(lock, nullptr);
        std::shared_future<std::shared_ptr<const Analysis>> result = making_->Result;
        lock.unlock();
        std::shared_ptr<const Analysis> made = result.get();
        lock.lock();
        if (made && made_ == made)
            return made;
        // Cancelled, or a newer version came meanwhile: the latest one then.
    }
}

std::shared_ptr<const Analysis> LatestAnalysis::Scheduled(std::uint64_t ticket,
                                                          const std::atomic<bool>& cancelled) {
    std::unique_lock lock(mutex_);
    if (ticket != ticket_ || cancelled)
        return nullptr;
    if (made_)
        return made_;
    if (making_) {
        // A request makes it already.
        std::shared_future<std::shared_ptr<const Analysis>> result = making_->Result;
        lock.unlock();
        return result.get();
    }
    return MakeLatest(lock, &cancelled);
}

} // namespace kvf::language
