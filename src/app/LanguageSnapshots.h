#pragma once

#include "core/MessageSelection.h"
#include "core/SettingsStore.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>

class QTextDocument;
class QThread;

namespace kvf {

namespace language {
class SnapshotDatabase;
}

// What a parse of the text reads, taken on the GUI thread: the text document's raw text
// (copied cheaply; converted to bytes on the worker) and how to make the settings there.
struct ParseRequest {
    QString RawText;
    std::string FileName;
    std::string PathName;
    std::function<std::unique_ptr<SettingsStore>()> MakeSettings;
};

// The entry database of the text a document window shows, for the help under the mouse and
// completion: built on a worker thread, once per version of the text, so that neither
// parses the whole text on the GUI thread. Current() gives the parse of the text as it is
// now, or none while it is still being made (the parse then starts, one at a time, and
// `ready` tells when it is there).
class LanguageSnapshots : public QObject {
    Q_OBJECT
  public:
    using Database = std::shared_ptr<const language::SnapshotDatabase>;

    LanguageSnapshots(QTextDocument& text, std::function<ParseRequest()> request,
                      QObject* parent = nullptr);
    // Waits for a parse still running.
    ~LanguageSnapshots() override;

    Database Current();
    // Waits for the parse running, if any, and takes it (tests).
    void WaitForRunning();

  signals:
    // The parse of the text as it is now is there.
    void ready();

  private:
    void Start();
    void OnFinished();

    std::function<ParseRequest()> request_;
    quint64 revision_ = 1;
    Database current_;
    quint64 currentRevision_ = 0;
    bool wanted_ = false; // somebody waits for the parse of the text as it is now
    QThread* running_ = nullptr;
    quint64 runningRevision_ = 0;
    std::shared_ptr<Database> result_; // written by the worker until it finishes
};

} // namespace kvf
