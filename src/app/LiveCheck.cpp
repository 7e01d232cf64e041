#include "app/LiveCheck.h"

#include "app/QtTextLines.h"
#include "core/AppServices.h"
#include "core/Document.h"
#include "core/TextLines.h"
#include "core/Windows1252.h"
#include "document/CheckRun.h"
#include "output/OutputRows.h"

#include <QTextDocument>

namespace kvf {

LiveCheckResult RunLiveCheck(const LiveCheckRequest& request) {
    std::unique_ptr<SettingsStore> settings = request.MakeSettings();
    language::Snapshot snapshot{RawTextToBytes(request.RawText, request.Encoding), request.FileName,
                                request.PathName};
    language::CheckSettings checkSettings{settings.get(), request.Selection, true};
    LiveCheckResult result;
    result.Revision = request.Revision;
    result.Diagnostics = language::CheckSnapshot(snapshot, checkSettings).Diagnostics;

    // The database the tree shows, built here so the GUI thread only takes it over. Its
    // entries point into these lines' bytes, which the database keeps.
    OutputRows rows(*settings);
    AppServices services(*settings, rows);
    BufferTextLines lines(std::move(snapshot.Text));
    Document document(lines, request.FileName, request.PathName);
    Rebuild(services, document);
    result.Database = std::make_shared<CKeyDatabase>();
    result.Database->Swap(document.Database);
    return result;
}

LiveCheck::LiveCheck(QTextDocument& text, std::function<LiveCheckRequest()> snapshot,
                     QObject* parent)
    : QObject(parent), snapshot_(std::move(snapshot)) {
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMs);
    connect(&pause_, &QTimer::timeout, this, &LiveCheck::Start);
    // Only edits count: colouring changes formats, never characters.
    connect(&text, &QTextDocument::contentsChange, this, &LiveCheck::OnContentsChange);
}

LiveCheck::~LiveCheck() = default;

void LiveCheck::WaitForRunning() {
    worker_.Wait();
}

void LiveCheck::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled_) {
        pause_.stop();
        waiting_ = false;
    }
}

void LiveCheck::OnContentsChange(int, int removed, int added) {
    if (removed == 0 && added == 0)
        return;
    ++revision_;
    if (enabled_)
        pause_.start(); // a keystroke within the pause starts it again
}

void LiveCheck::CheckNow() {
    pause_.stop();
    Start();
}

void LiveCheck::Start() {
    if (!enabled_)
        return;
    if (worker_.IsRunning()) {
        waiting_ = true;
        return;
    }
    waiting_ = false;
    auto request = std::make_shared<LiveCheckRequest>(snapshot_());
    request->Revision = revision_;
    auto result = std::make_shared<LiveCheckResult>();
    // The worker owns copies of what it uses: the window may edit the text meanwhile.
    worker_.Start(
        [check = check_, request, result] {
            *result = check(*request);
            result->Revision = request->Revision;
        },
        [this, result] { OnFinished(*result); });
    emit started(request->Revision);
}

void LiveCheck::OnFinished(const LiveCheckResult& result) {
    if (enabled_ && result.Revision == revision_)
        emit checked(result);
    else
        emit dropped(result.Revision);
    if (waiting_)
        Start();
}

} // namespace kvf
