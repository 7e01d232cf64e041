#pragma once

#include <QObject>

#include <functional>

class QThread;

namespace kvf {

// One piece of work at a time on a thread of its own, at low priority, for a window that
// goes on with its events meanwhile (the check as you type, the parse that help and
// completion read). The work owns copies of what it reads; its end is handled on the thread
// of this object, through its event loop or at once by Wait(), never twice.
class WorkerThread : public QObject {
  public:
    explicit WorkerThread(QObject* parent = nullptr) : QObject(parent) {}
    // Waits for the work still running (its thread must not outlive what it reads), without
    // handling its end.
    ~WorkerThread() override;

    bool IsRunning() const { return thread_ != nullptr; }
    // Starts `work` on a new thread; `finished` runs here once it has ended. Not while
    // another runs.
    void Start(std::function<void()> work, std::function<void()> finished);
    // Waits for the running work, if any, and handles its end now.
    void Wait();

  private:
    void Finish();

    QThread* thread_ = nullptr;
    std::function<void()> finished_;
};

} // namespace kvf
