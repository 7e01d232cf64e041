#include "lsp/Server.h"

#include "catalogue/UserSettingsFile.h"
#include "core/MessageSink.h"
#include "language/Completion.h"
#include "language/Hover.h"
#include "language/Outline.h"
#include "language/QuickFixes.h"
#include "lsp/ClientText.h"
#include "lsp/UserKeyFile.h"
#include "version/BuildVersion.h"

#include <stdexcept>

namespace kvf::lsp {
namespace {

constexpr int kSeverityError = 1;
constexpr int kSeverityWarning = 2;
constexpr int kSyncIncremental = 2;
constexpr int kSymbolModule = 2;    // Module
constexpr int kSymbolNamespace = 3; // Namespace: the other blocks
constexpr int kSymbolProperty = 7;  // Property: an entry

// The command of the quick fix that registers a user-defined key.
constexpr const char* kRegisterUserKey = "kvf.registerUserKey";
constexpr int kCompletionValue = 12;
constexpr int kCompletionKeyword = 14;

const Json* Member(const Json& object, const char* name) {
    if (!object.is_object())
        return nullptr;
    auto it = object.find(name);
    return it == object.end() ? nullptr : &*it;
}

std::string StringMember(const Json& object, const char* name) {
    const Json* member = Member(object, name);
    return member && member->is_string() ? member->get<std::string>() : std::string();
}

Json Symbol(const language::OutlineSymbol& symbol) {
    bool isModule =
        symbol.Name.rfind("Module \"", 0) == 0 || symbol.Name.rfind("MODULE \"", 0) == 0;
    Json json{
        {"name", ToClientText(symbol.Name)},
        {"kind", symbol.IsBlock ? (isModule ? kSymbolModule : kSymbolNamespace) : kSymbolProperty},
        {"range", ToJson(symbol.Range)},
        {"selectionRange", ToJson(symbol.KeyRange)}};
    if (!symbol.Detail.empty())
        json["detail"] = ToClientText(symbol.Detail);
    if (!symbol.Children.empty()) {
        Json children = Json::array();
        for (const language::OutlineSymbol& child : symbol.Children)
            children.push_back(Symbol(child));
        json["children"] = std::move(children);
    }
    return json;
}

} // namespace

Server::Server(MessageOutput& output, LogOutput& log, ServerOptions options)
    : output_(output), log_(log), options_(std::move(options)) {}

Server::~Server() {
    CloseAll();
}

void Server::CloseAll() {
    for (auto& [uri, document] : documents_)
        document.Checker.reset();
}

void Server::Send(const Json& message) {
    output_.Send(Dump(message));
}

void Server::Reply(const Json& id, Json result) {
    Send(Json{{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(result)}});
}

void Server::ReplyError(const Json& id, int code, const std::string& message) {
    Send(Json{{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", code}, {"message", message}}}});
}

void Server::FramingError(const std::string& reason) {
    log_.Log("kvf-lsp: " + reason);
    ReplyError(nullptr, error::ParseError, reason);
}

void Server::Handle(std::deque<std::string>& bodies) {
    while (!bodies.empty() && !exit_) {
        std::string body = std::move(bodies.front());
        bodies.pop_front();
        Json message = Json::parse(body, nullptr, false);
        if (message.is_discarded()) {
            log_.Log("kvf-lsp: a message that is not JSON");
            ReplyError(nullptr, error::ParseError, "the message is not JSON");
            continue;
        }
        try {
            Dispatch(message, bodies);
        } catch (const std::exception& failure) {
            // A message of unexpected shape (a number where a string belongs ...): answered,
            // never the end of the server.
            log_.Log(std::string("kvf-lsp: ") + failure.what());
            const Json* id = Member(message, "id");
            if (id && (id->is_number() || id->is_string()))
                ReplyError(*id, error::InvalidParams, failure.what());
        }
    }
}

void Server::Dispatch(const Json& message, const std::deque<std::string>& later) {
    const Json* method = Member(message, "method");
    const Json* id = Member(message, "id");
    if (!message.is_object() || !method || !method->is_string()) {
        // Responses to requests the server never sends, and things that are no message.
        if (message.is_object() && id && !method)
            return;
        ReplyError(id && (id->is_number() || id->is_string()) ? *id : Json(nullptr),
                   error::InvalidRequest, "not a request or notification");
        return;
    }
    const Json* params = Member(message, "params");
    const Json noParams = Json::object();
    const Json& p = params ? *params : noParams;
    if (!id) {
        Notification(method->get<std::string>(), p);
        return;
    }
    if (!id->is_number() && !id->is_string()) {
        ReplyError(nullptr, error::InvalidRequest, "a request id is a number or a string");
        return;
    }
    // A cancel for this request that was read together with it: the request does not run.
    for (const std::string& body : later) {
        if (body.find("$/cancelRequest") == std::string::npos)
            continue;
        Json cancel = Json::parse(body, nullptr, false);
        if (cancel.is_object() && cancel.value("method", "") == "$/cancelRequest") {
            const Json* cancelParams = Member(cancel, "params");
            const Json* cancelled = cancelParams ? Member(*cancelParams, "id") : nullptr;
            if (cancelled && *cancelled == *id) {
                ReplyError(*id, error::RequestCancelled, "cancelled");
                return;
            }
        }
    }
    Request(*id, method->get<std::string>(), p);
}

void Server::Request(const Json& id, const std::string& method, const Json& params) {
    if (method == "initialize") {
        if (initialized_) {
            ReplyError(id, error::InvalidRequest, "initialize was already called");
            return;
        }
        Reply(id, Initialize(params));
        return;
    }
    if (!initialized_) {
        ReplyError(id, error::ServerNotInitialized, "the server is not initialized");
        return;
    }
    if (shutdown_) {
        ReplyError(id, error::InvalidRequest, "the server is shutting down");
        return;
    }
    if (method == "shutdown") {
        shutdown_ = true;
        CloseAll();
        Reply(id, nullptr);
    } else if (method == "textDocument/documentSymbol") {
        Reply(id, DocumentSymbols(params));
    } else if (method == "textDocument/foldingRange") {
        Reply(id, FoldingRanges(params));
    } else if (method == "textDocument/hover") {
        Reply(id, Hover(params));
    } else if (method == "textDocument/completion") {
        Reply(id, Completion(params));
    } else if (method == "textDocument/codeAction") {
        Reply(id, CodeActions(params));
    } else if (method == "workspace/executeCommand") {
        Reply(id, ExecuteCommand(params));
    } else {
        ReplyError(id, error::MethodNotFound, "unknown method " + method);
    }
}

void Server::Notification(const std::string& method, const Json& params) {
    if (method == "exit") {
        exit_ = true;
        CloseAll();
        return;
    }
    if (!initialized_ || shutdown_)
        return; // notifications before initialize or after shutdown are dropped
    if (method == "textDocument/didOpen")
        DidOpen(params);
    else if (method == "textDocument/didChange")
        DidChange(params);
    else if (method == "textDocument/didClose")
        DidClose(params);
    else if (method == "textDocument/didSave")
        DidSave(params);
    // initialized, $/cancelRequest for requests already answered, $/setTrace and the
    // notifications of features the server does not offer need nothing.
}

Json Server::Initialize(const Json& params) {
    initialized_ = true;
    std::string path = options_.DefaultSettingsFile;
    if (const Json* init = Member(params, "initializationOptions")) {
        std::string named = StringMember(*init, "settingsFile");
        if (!named.empty())
            path = named;
    }
    if (path.empty())
        path = UserSettingsFile();
    std::string problem;
    settings_ = ServerSettings::Load(path, problem);
    if (!problem.empty())
        log_.Log("kvf-lsp: " + problem);

    Json capabilities{
        {"textDocumentSync",
         {{"openClose", true}, {"change", kSyncIncremental}, {"save", {{"includeText", false}}}}},
        {"documentSymbolProvider", true},
        {"foldingRangeProvider", true},
        {"hoverProvider", true},
        {"completionProvider", {{"triggerCharacters", {"="}}}},
        {"codeActionProvider", {{"codeActionKinds", {"quickfix"}}}},
        {"executeCommandProvider", {{"commands", {kRegisterUserKey}}}},
    };
    return Json{{"capabilities", std::move(capabilities)},
                {"serverInfo", {{"name", "kvf-lsp"}, {"version", std::string(ReleaseVersion())}}}};
}

Server::OpenDocument* Server::Find(const Json& params) {
    const Json* textDocument = Member(params, "textDocument");
    if (!textDocument)
        return nullptr;
    auto it = documents_.find(StringMember(*textDocument, "uri"));
    return it == documents_.end() ? nullptr : &it->second;
}

language::Snapshot Server::SnapshotOf(const OpenDocument& document) const {
    language::Snapshot snapshot;
    snapshot.Text = document.Text.Bytes();
    snapshot.FileName = UriFileName(document.Uri);
    snapshot.PathName = UriPath(document.Uri);
    return snapshot;
}

void Server::CheckDocument(OpenDocument& document) {
    document.Checker->Submit(document.Version, SnapshotOf(document), settings_);
}

void Server::PublishDiagnostics(const std::string& uri, int version,
                                const language::CheckOutcome* outcome) {
    Json diagnostics = Json::array();
    if (outcome) {
        for (const language::Diagnostic& d : outcome->Diagnostics) {
            diagnostics.push_back(
                {{"range", ToJson(d.Range)},
                 {"severity", d.Level == LEVEL_WARNING ? kSeverityWarning : kSeverityError},
                 {"code", d.Id},
                 {"source", "kvfcheck"},
                 {"message", ToClientText(d.Text)}});
        }
    }
    Json params{{"uri", uri}, {"diagnostics", std::move(diagnostics)}};
    if (outcome)
        params["version"] = version;
    Send(Json{{"jsonrpc", "2.0"},
              {"method", "textDocument/publishDiagnostics"},
              {"params", std::move(params)}});
}

void Server::DidOpen(const Json& params) {
    const Json* item = Member(params, "textDocument");
    if (!item)
        return;
    std::string uri = StringMember(*item, "uri");
    if (uri.empty())
        return;
    OpenDocument& document = documents_[uri];
    document.Uri = uri;
    const Json* version = Member(*item, "version");
    document.Version = version && version->is_number_integer() ? version->get<int>() : 0;
    document.Text.Replace(FromClientText(StringMember(*item, "text")));
    if (!document.Checker) {
        document.Checker = std::make_unique<DocumentChecker>(
            [this, uri](int checked, const language::CheckOutcome& outcome) {
                PublishDiagnostics(uri, checked, &outcome);
            });
    }
    CheckDocument(document);
}

void Server::DidChange(const Json& params) {
    OpenDocument* document = Find(params);
    const Json* changes = Member(params, "contentChanges");
    if (!document || !changes || !changes->is_array())
        return;
    for (const Json& change : *changes) {
        std::string text = FromClientText(StringMember(change, "text"));
        language::TextRange range;
        const Json* rangeJson = Member(change, "range");
        if (!rangeJson) {
            document->Text.Replace(std::move(text));
        } else if (!ReadRange(*rangeJson, range) ||
                   !document->Text.Edit(range.Start.Line, range.Start.Column, range.End.Line,
                                        range.End.Column, text)) {
            log_.Log("kvf-lsp: a change with a broken range was ignored");
        }
    }
    if (const Json* item = Member(params, "textDocument")) {
        const Json* version = Member(*item, "version");
        if (version && version->is_number_integer())
            document->Version = version->get<int>();
    }
    CheckDocument(*document);
}

void Server::DidClose(const Json& params) {
    OpenDocument* document = Find(params);
    if (!document)
        return;
    std::string uri = document->Uri;
    documents_.erase(uri); // waits for a running check, which then publishes nothing
    PublishDiagnostics(uri, 0, nullptr);
}

void Server::ReloadSettings() {
    std::string problem;
    settings_ = ServerSettings::Load(settings_->Path(), problem);
    if (!problem.empty())
        log_.Log("kvf-lsp: " + problem);
}

void Server::DidSave(const Json& params) {
    // The settings may have been changed meanwhile (a user key registered in the editor).
    ReloadSettings();
    if (OpenDocument* document = Find(params))
        CheckDocument(*document);
}

Json Server::DocumentSymbols(const Json& params) {
    OpenDocument* document = Find(params);
    Json symbols = Json::array();
    if (!document)
        return symbols;
    language::Outline outline =
        language::BuildOutline(SnapshotOf(*document), settings_->ForCheck());
    for (const language::OutlineSymbol& symbol : outline.Symbols)
        symbols.push_back(Symbol(symbol));
    return symbols;
}

Json Server::FoldingRanges(const Json& params) {
    OpenDocument* document = Find(params);
    Json folds = Json::array();
    if (!document)
        return folds;
    language::Outline outline =
        language::BuildOutline(SnapshotOf(*document), settings_->ForCheck());
    for (const language::FoldingRange& fold : outline.Folds)
        folds.push_back(
            {{"startLine", fold.StartLine}, {"endLine", fold.EndLine}, {"kind", "region"}});
    return folds;
}

Json Server::Hover(const Json& params) {
    OpenDocument* document = Find(params);
    language::TextPosition at;
    const Json* position = Member(params, "position");
    if (!document || !position || !ReadPosition(*position, at))
        return nullptr;
    language::HoverText hover = language::HoverAt(SnapshotOf(*document), settings_->ForCheck(), at);
    if (!hover.Found)
        return nullptr;
    return Json{{"contents", {{"kind", "markdown"}, {"value", ToClientText(hover.Markdown)}}},
                {"range", ToJson(hover.Range)}};
}

Json Server::Completion(const Json& params) {
    OpenDocument* document = Find(params);
    language::TextPosition at;
    const Json* position = Member(params, "position");
    Json items = Json::array();
    if (!document || !position || !ReadPosition(*position, at))
        return items;
    for (const language::CompletionItem& item :
         language::CompleteAt(SnapshotOf(*document), settings_->ForCheck(), at)) {
        Json json{{"label", ToClientText(item.Label)},
                  {"kind", item.IsKeyword ? kCompletionKeyword : kCompletionValue},
                  {"textEdit",
                   {{"range", ToJson(item.Replaces)}, {"newText", ToClientText(item.Label)}}}};
        if (!item.Detail.empty())
            json["detail"] = ToClientText(item.Detail);
        if (!item.Documentation.empty())
            json["documentation"] = {{"kind", "plaintext"},
                                     {"value", ToClientText(item.Documentation)}};
        items.push_back(std::move(json));
    }
    return items;
}

Json Server::CodeActions(const Json& params) {
    OpenDocument* document = Find(params);
    Json actions = Json::array();
    const Json* context = Member(params, "context");
    const Json* diagnostics = context ? Member(*context, "diagnostics") : nullptr;
    if (!document || !diagnostics || !diagnostics->is_array())
        return actions;
    language::Snapshot snapshot = SnapshotOf(*document);
    language::CheckSettings settings = settings_->ForCheck();
    for (const Json& d : *diagnostics) {
        const Json* code = Member(d, "code");
        const Json* rangeJson = Member(d, "range");
        language::TextRange range;
        if (StringMember(d, "source") != "kvfcheck" || !code || !code->is_number_integer() ||
            !rangeJson || !ReadRange(*rangeJson, range))
            continue;
        // The finding as the server published it, not whatever else the client attached.
        Json echoed{{"range", ToJson(range)},
                    {"code", *code},
                    {"source", "kvfcheck"},
                    {"message", StringMember(d, "message")}};
        language::Diagnostic finding;
        finding.Id = code->get<int>();
        finding.Range = range;
        // The rows without a line point at the start of the file with an empty range.
        bool noLine = range.Start == language::TextPosition{0, 0} && range.End == range.Start;
        finding.RowLine = noLine ? -1 : range.Start.Line;
        finding.Text = FromClientText(StringMember(d, "message"));
        for (const language::QuickFix& fix : language::FixesFor(snapshot, settings, finding)) {
            Json action{{"title", ToClientText(fix.Title)},
                        {"kind", "quickfix"},
                        {"diagnostics", Json::array({echoed})}};
            if (!fix.UserKey.empty()) {
                action["command"] = {
                    {"title", ToClientText(fix.Title)},
                    {"command", kRegisterUserKey},
                    {"arguments", Json::array({{{"key", ToClientText(fix.UserKey)},
                                                {"setting", ToClientText(fix.UserKeySetting)}}})}};
            } else {
                Json edits = Json::array();
                for (const language::TextEdit& edit : fix.Edits)
                    edits.push_back(
                        {{"range", ToJson(edit.Range)}, {"newText", ToClientText(edit.NewText)}});
                action["edit"] = {{"changes", {{document->Uri, std::move(edits)}}}};
            }
            actions.push_back(std::move(action));
        }
    }
    return actions;
}

Json Server::ExecuteCommand(const Json& params) {
    if (StringMember(params, "command") != kRegisterUserKey)
        throw std::invalid_argument("unknown command");
    const Json* arguments = Member(params, "arguments");
    if (!arguments || !arguments->is_array() || arguments->empty())
        throw std::invalid_argument("the command needs the key and its setting");
    std::string key = FromClientText(StringMember((*arguments)[0], "key"));
    std::string setting = FromClientText(StringMember((*arguments)[0], "setting"));
    if (key.empty() || setting.empty())
        throw std::invalid_argument("the command needs the key and its setting");
    if (!options_.WriteSettings)
        throw std::runtime_error("this server does not write the settings file");
    std::string problem;
    if (!RegisterUserKeyInFile(settings_->Path(), key, setting, problem))
        throw std::runtime_error(problem);
    log_.Log("kvf-lsp: registered user-defined key " + key + " in " + settings_->Path());
    // Every open document is checked again with the key known.
    ReloadSettings();
    for (auto& [uri, document] : documents_)
        CheckDocument(document);
    return nullptr;
}

} // namespace kvf::lsp
