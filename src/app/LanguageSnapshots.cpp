#include "app/LanguageSnapshots.h"

#include "app/QtTextLines.h"
#include "language/SnapshotDatabase.h"

#include <QTextDocument>
#include <QThread>

#include <utility>

namespace kvf {

LanguageSnapshots::LanguageSnapshots(QTextDocument& text, std::function<ParseRequest()> request,
                                     QObject* parent)
    : QObject(parent), request_(std::move(request)) {
    // Only edits count: colouring changes formats, never characters.
    connect(&text, &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (removed != 0 || added != 0)
            ++revision_;
    });
}

LanguageSnapshots::~LanguageSnapshots() {
    if (running_ != nullptr) {
        running_->wait();
        delete running_;
    }
}

LanguageSnapshots::Database LanguageSnapshots::Current() {
    if (current_ && currentRevision_ == revision_)
        return current_;
    wanted_ = true;
    Start();
    return nullptr;
}

void LanguageSnapshots::WaitForRunning() {
    if (running_ == nullptr)
        return;
    running_->wait();
    OnFinished();
}

void LanguageSnapshots::Start() {
    if (running_ != nullptr)
        return; // when it ends, a newer text is parsed again at the next request
    auto request = std::make_shared<ParseRequest>(request_());
    result_ = std::make_shared<Database>();
    runningRevision_ = revision_;
    running_ = QThread::create([request, result = result_] {
        std::unique_ptr<SettingsStore> settings = request->MakeSettings();
        language::Snapshot snapshot{RawTextToBytes(request->RawText), request->FileName,
                                    request->PathName};
        language::CheckSettings check{settings.get(), {}, true};
        *result = std::make_shared<const language::SnapshotDatabase>(snapshot, check);
    });
    QThread* thread = running_;
    connect(thread, &QThread::finished, this, [this, thread] {
        if (running_ == thread)
            OnFinished();
    });
    running_->start(QThread::LowPriority);
}

void LanguageSnapshots::OnFinished() {
    running_->wait();
    running_->deleteLater();
    running_ = nullptr;
    current_ = std::move(*result_);
    currentRevision_ = runningRevision_;
    result_.reset();
    if (currentRevision_ == revision_) {
        if (std::exchange(wanted_, false))
            emit ready();
    } else if (wanted_) {
        Start(); // the text changed meanwhile: the newest text is what is waited for
    }
}

} // namespace kvf
