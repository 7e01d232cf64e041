#include "app/LanguageSnapshots.h"

#include "app/QtTextLines.h"
#include "language/SnapshotDatabase.h"

#include <QTextDocument>

#include <utility>

namespace kvf {

LanguageSnapshots::LanguageSnapshots(QTextDocument& text, std::function<LiveCheckRequest()> request,
                                     QObject* parent)
    : QObject(parent), request_(std::move(request)) {
    // Only edits count: colouring changes formats, never characters.
    connect(&text, &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (removed != 0 || added != 0)
            ++revision_;
    });
}

LanguageSnapshots::Database LanguageSnapshots::Current() {
    if (current_ && currentRevision_ == revision_)
        return current_;
    wanted_ = true;
    Start();
    return nullptr;
}

void LanguageSnapshots::Start() {
    if (worker_.IsRunning())
        return; // when it ends, a newer text is parsed again at the next request
    auto request = std::make_shared<LiveCheckRequest>(request_());
    auto result = std::make_shared<Database>();
    worker_.Start(
        [request, result] {
            std::unique_ptr<SettingsStore> settings = request->MakeSettings();
            language::Snapshot snapshot{RawTextToBytes(request->RawText, request->Encoding),
                                        request->FileName, request->PathName};
            language::CheckSettings check{settings.get(), {}, true};
            *result = std::make_shared<const language::SnapshotDatabase>(snapshot, check);
        },
        [this, result, revision = revision_] { OnFinished(std::move(*result), revision); });
}

void LanguageSnapshots::OnFinished(Database parsed, quint64 revision) {
    current_ = std::move(parsed);
    currentRevision_ = revision;
    if (currentRevision_ == revision_) {
        if (std::exchange(wanted_, false))
            emit ready();
    } else if (wanted_) {
        Start(); // the text changed meanwhile: the newest text is what is waited for
    }
}

} // namespace kvf
