#pragma once

#include "language/DocumentSession.h"
#include "language/Executor.h"
#include "lsp/DiagnosticsMessage.h"
#include "lsp/DocumentText.h"
#include "lsp/Protocol.h"
#include "lsp/ServerSettings.h"
#include "variants/VariantSiblings.h"

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace kvf::lsp {

// Where the server's messages go: framed onto standard output, or into a test's list.
// Called from the reading thread and from the checkers' threads.
class MessageOutput {
  public:
    virtual ~MessageOutput() = default;
    virtual void Send(const std::string& json) = 0;
};

// Log lines for the client's log: standard error, never the protocol's stream.
class LogOutput {
  public:
    virtual ~LogOutput() = default;
    virtual void Log(const std::string& line) = 0;
};

struct ServerOptions {
    // The settings file when the client names none; empty: the user's settings file.
    std::string DefaultSettingsFile;
    // Whether the quick fix that registers a user key may write the settings file (the fuzz
    // target's server writes nothing).
    bool WriteSettings = true;
};

// The protocol over the language services: lifecycle, documents and their checks, and the
// requests. Messages are handled in order on the calling (reading) thread; the open
// documents' checks run on the threads of a pool they share, each document's scheduled by
// its language session, whose analysis of the latest version every request reads.
class Server {
  public:
    Server(MessageOutput& output, LogOutput& log, ServerOptions options = {});
    ~Server();

    // Handles the messages read so far, first to last. A request that a later
    // $/cancelRequest among them names is answered as cancelled without running.
    void Handle(std::deque<std::string>& bodies);
    void HandleOne(const std::string& body) {
        std::deque<std::string> one{body};
        Handle(one);
    }
    // A message whose framing was broken: answered with a parse error (no id is known).
    void FramingError(const std::string& reason);

    bool ExitRequested() const { return exit_; }
    // The process's exit status: 0 after shutdown then exit, 1 for an exit without shutdown
    // or an input that ended without exit.
    int ExitCode() const { return exit_ && shutdown_ ? 0 : 1; }

    // Waits for every document's running check and stops the checkers (end of input).
    void CloseAll();

  private:
    // What a document's check compares it with while language variants are compared: set
    // on the reading thread before each check, read when the check publishes its findings
    // (on a thread of the pool).
    struct VariantScope {
        std::mutex Mutex;
        bool On = false;
        std::string Path; // the document's file; empty for a URI that names none
        OpenTexts Open;   // the texts of its open siblings, by path
        std::map<std::string, std::string> OpenUris; // their URIs, by VariantPathKey
        language::SharedCheckSettings Settings;
    };

    struct OpenDocument {
        std::string Uri;
        int Version = 0;
        DocumentText Text;
        std::shared_ptr<const std::string> Checked; // the text of the last check
        std::shared_ptr<VariantScope> Variants = std::make_shared<VariantScope>();
        std::unique_ptr<language::DocumentSession> Session;
    };

    void Dispatch(const Json& message, const std::deque<std::string>& later);
    void Request(const Json& id, const std::string& method, const Json& params);
    void Notification(const std::string& method, const Json& params);

    Json Initialize(const Json& params);
    void DidOpen(const Json& params);
    void DidChange(const Json& params);
    void DidClose(const Json& params);
    void DidSave(const Json& params);
    void DidChangeConfiguration(const Json& params);
    Json DocumentSymbols(const Json& params);
    Json FoldingRanges(const Json& params);
    Json Hover(const Json& params);
    Json Completion(const Json& params);
    Json CodeActions(const Json& params);
    Json ExecuteCommand(const Json& params);
    void ReloadSettings();

    OpenDocument* Find(const Json& params);
    void CheckDocument(OpenDocument& document);
    // While variants are compared: the open siblings of the file document `changedUri`
    // names are checked again, so that their differences from its new text show.
    void CheckSiblings(const std::string& changedUri);
    void UpdateVariantScope(OpenDocument& document);
    // The analysis of the document's latest version with the server's settings.
    std::shared_ptr<const language::Analysis> AnalysisOf(OpenDocument& document);
    // The differences of a check's text from its siblings, as the scope of its check says.
    static std::vector<RelatedDiagnostic> VariantFindings(VariantScope& scope,
                                                          const std::string& uri,
                                                          const language::Analysis& analysis);
    void PublishDiagnostics(const std::string& uri, int version,
                            const language::CheckOutcome* outcome);

    void Reply(const Json& id, Json result);
    void ReplyError(const Json& id, int code, const std::string& message);
    void Send(const Json& message);
    // A message the client shows its user (window/showMessage): what was not done, and why.
    void ShowMessage(int type, const std::string& text);

    MessageOutput& output_;
    LogOutput& log_;
    ServerOptions options_;
    bool initialized_ = false;
    bool shutdown_ = false;
    bool exit_ = false;
    // The client applies edits of a given version only (workspaceEdit.documentChanges), so a
    // quick fix computed for a text that has changed since is refused, not applied elsewhere.
    bool versionedEdits_ = false;
    // The "compareVariants" setting: each document's differences from its language
    // variants are published with its findings.
    bool compareVariants_ = false;
    std::shared_ptr<const ServerSettings> settings_;
    language::ThreadPoolExecutor pool_; // before the documents: their schedulers go first
    std::map<std::string, OpenDocument> documents_;
};

} // namespace kvf::lsp
