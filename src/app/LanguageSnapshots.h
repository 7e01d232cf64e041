#pragma once

#include "app/LiveCheck.h"
#include "app/WorkerThread.h"

#include <QObject>

#include <functional>
#include <memory>

class QTextDocument;

namespace kvf {

namespace language {
class SnapshotDatabase;
}

// The entry database of the text a document window shows, for the help under the mouse and
// completion: built on a worker thread, once per version of the text, so that neither
// parses the whole text on the GUI thread. Current() gives the parse of the text as it is
// now, or none while it is still being made (the parse then starts, one at a time, and
// `ready` tells when it is there). The parse reads what the check as you type reads of the
// text (its request; the selection of messages plays no part).
class LanguageSnapshots : public QObject {
    Q_OBJECT
  public:
    using Database = std::shared_ptr<const language::SnapshotDatabase>;

    LanguageSnapshots(QTextDocument& text, std::function<LiveCheckRequest()> request,
                      QObject* parent = nullptr);

    Database Current();

  signals:
    // The parse of the text as it is now is there.
    void ready();

  private:
    void Start();
    void OnFinished(Database parsed, quint64 revision);

    std::function<LiveCheckRequest()> request_;
    quint64 revision_ = 1;
    Database current_;
    quint64 currentRevision_ = 0;
    bool wanted_ = false; // somebody waits for the parse of the text as it is now
    WorkerThread worker_;
};

} // namespace kvf
