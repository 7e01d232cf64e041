#pragma once

#include "app/QtTextLines.h"
#include "app/WorkerThread.h"
#include "core/CKeyDatabase.h"
#include "core/MessageSelection.h"
#include "core/SettingsStore.h"
#include "language/Diagnostics.h"

#include <QMetaType>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QTextDocument;

namespace kvf {

// One version of a document's text as the worker checks it. The text is the text document's
// raw text (blocks separated by U+2029), taken on the GUI thread without converting it:
// copying a QString is cheap, the conversion to bytes happens on the worker.
struct LiveCheckRequest {
    quint64 Revision = 0;
    QString RawText;
    FileEncoding Encoding = FileEncoding::Windows1252; // the file's, which the check reads
    std::string FileName;                              // the document's title without '*'
    std::string PathName;
    MessageSelection Selection;
    // Makes, on the worker, the settings store the check reads there (never the GUI
    // thread's own store, which that thread may write meanwhile).
    std::function<std::unique_ptr<SettingsStore>()> MakeSettings;
};

struct LiveCheckResult {
    quint64 Revision = 0;
    std::vector<language::Diagnostic> Diagnostics;
    // The entry database of the text, as a rebuild makes it, for the window to take over
    // (CKeyDatabase::Swap) while the text is still this one; none where the check made none.
    std::shared_ptr<CKeyDatabase> Database;
};

// The check of one request: by default the whole check run of the language services over
// the request's text, and the rebuild of its database. Runs on a worker thread.
using LiveCheckFunction = std::function<LiveCheckResult(const LiveCheckRequest&)>;
LiveCheckResult RunLiveCheck(const LiveCheckRequest& request);

// Checks a document as the user types: a pause in typing starts a check of a snapshot of the
// text on a worker thread. At most one check runs and one waits (the waiting one takes its
// snapshot when it starts, so it checks the newest text); a result arrives through `checked`
// only while the text is still the one it was made from, and is dropped otherwise.
class LiveCheck : public QObject {
    Q_OBJECT
  public:
    static constexpr int kPauseMs = 400;

    // `snapshot` takes the request of the current text; it runs on the GUI thread.
    LiveCheck(QTextDocument& text, std::function<LiveCheckRequest()> snapshot,
              QObject* parent = nullptr);
    // Waits for a check still running: its thread must not outlive the request's owner.
    ~LiveCheck() override;

    // Off, edits start no check and a result still running is dropped.
    void SetEnabled(bool enabled);
    bool IsEnabled() const { return enabled_; }
    void SetPause(int milliseconds) { pause_.setInterval(milliseconds); }
    void SetCheckFunction(LiveCheckFunction check) { check_ = std::move(check); }

    // Starts a check of the current text now (a document just loaded), or makes it wait.
    void CheckNow();
    // The text's version: it grows with every edit.
    quint64 Revision() const { return revision_; }
    bool IsRunning() const { return worker_.IsRunning(); }
    // Waits for the running check, if any (tests, and before the window goes).
    void WaitForRunning();

  signals:
    void started(quint64 revision);
    void checked(const kvf::LiveCheckResult& result);
    // A result for a text that has changed since its snapshot.
    void dropped(quint64 revision);

  private:
    void OnContentsChange(int position, int removed, int added);
    void Start();
    void OnFinished(const LiveCheckResult& result);

    std::function<LiveCheckRequest()> snapshot_;
    LiveCheckFunction check_ = RunLiveCheck;
    QTimer pause_;
    quint64 revision_ = 1;
    bool enabled_ = true;
    bool waiting_ = false;
    WorkerThread worker_;
};

} // namespace kvf

Q_DECLARE_METATYPE(kvf::LiveCheckResult)
