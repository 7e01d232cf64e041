#include "app/WorkerThread.h"

#include <QThread>

#include <utility>

namespace kvf {

WorkerThread::~WorkerThread() {
    if (thread_ != nullptr) {
        thread_->wait();
        delete thread_;
    }
}

void WorkerThread::Start(std::function<void()> work, std::function<void()> finished) {
    finished_ = std::move(finished);
    thread_ = QThread::create(std::move(work));
    // An end that Wait() handled already is not handled again.
    QThread* thread = thread_;
    connect(thread, &QThread::finished, this, [this, thread] {
        if (thread_ == thread)
            Finish();
    });
    thread_->start(QThread::LowPriority);
}

void WorkerThread::Wait() {
    if (thread_ != nullptr)
        Finish();
}

void WorkerThread::Finish() {
    thread_->wait();
    thread_->deleteLater();
    thread_ = nullptr;
    // Taken first: the handler may start the next piece of work.
    std::function<void()> finished = std::exchange(finished_, nullptr);
    finished();
}

} // namespace kvf
