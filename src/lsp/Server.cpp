#include "lsp/Server.h"

#include "catalogue/UserKeys.h"
#include "catalogue/UserSettingsFile.h"
#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "language/Completion.h"
#include "language/Hover.h"
#include "language/Outline.h"
#include "language/QuickFixes.h"
#include "language/VariantDiagnostics.h"
#include "lsp/ClientText.h"
#include "lsp/DiagnosticsMessage.h"
#include "lsp/UserKeyFile.h"
#include "variants/VariantFamily.h"
#include "version/BuildVersion.h"

#include <filesystem>
#include <optional>
#include <stdexcept>

namespace kvf::lsp {
namespace {

constexpr int kSyncIncremental = 2;
constexpr int kSymbolModule = 2;    // Module
constexpr int kSymbolNamespace = 3; // Namespace: the other blocks
constexpr int kSymbolProperty = 7;  // Property: an entry

// The command of the quick fix that registers a user-defined key.
constexpr const char* kRegisterUserKey = "kvf.registerUserKey";
constexpr int kCompletionValue = 12;
constexpr int kCompletionKeyword = 14;
constexpr int kMessageError = 1;
constexpr int kMessageWarning = 2;

// A request that is answered with an error: its code and the reason for the client's user.
class RequestFailure : public std::runtime_error {
  public:
    RequestFailure(int code, const std::string& reason) : std::runtime_error(reason), Code(code) {}
    int Code;
};

// A client's text in a message for its user: a hostile one is not repeated at length.
std::string Shortened(const std::string& text) {
    constexpr std::size_t kLongest = 80;
    return text.size() <= kLongest ? text : text.substr(0, kLongest) + "...";
}

// A client's text as engine bytes, when the settings file can hold it as it was sent.
bool EngineText(const Json& value, std::string& bytes) {
    if (!value.is_string())
        return false;
    const std::string& utf8 = value.get_ref<const std::string&>();
    bytes = FromClientText(utf8);
    return ToClientText(bytes) == utf8;
}

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

// The "compareVariants" member of a client's settings, at the top or in the "kvf" section;
// none when the settings do not say.
std::optional<bool> CompareVariantsSetting(const Json* settings) {
    if (!settings)
        return std::nullopt;
    const Json* value = Member(*settings, "compareVariants");
    if (!value)
        if (const Json* section = Member(*settings, "kvf"))
            value = Member(*section, "compareVariants");
    if (!value || !value->is_boolean())
        return std::nullopt;
    return value->get<bool>();
}

} // namespace

Server::Server(MessageOutput& output, LogOutput& log, ServerOptions options)
    : output_(output), log_(log), options_(std::move(options)) {}

Server::~Server() {
    CloseAll();
}

void Server::CloseAll() {
    for (auto& [uri, document] : documents_)
        document.Session.reset();
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

void Server::ShowMessage(int type, const std::string& text) {
    log_.Log("kvf-lsp: " + text);
    Send(Json{{"jsonrpc", "2.0"},
              {"method", "window/showMessage"},
              {"params", {{"type", type}, {"message", text}}}});
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
        } catch (const RequestFailure& failure) {
            log_.Log(std::string("kvf-lsp: ") + failure.what());
            const Json* id = Member(message, "id");
            if (id && (id->is_number() || id->is_string()))
                ReplyError(*id, failure.Code, failure.what());
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
    else if (method == "workspace/didChangeConfiguration")
        DidChangeConfiguration(params);
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
        compareVariants_ = CompareVariantsSetting(init).value_or(false);
    }
    if (path.empty())
        path = UserSettingsFile();
    std::string problem;
    settings_ = ServerSettings::Load(path, problem);
    if (settings_->ReadFailed())
        ShowMessage(kMessageWarning, "kvf-lsp " + problem +
                                         ": the checks use the default settings, without the "
                                         "user-defined keys and the message selection it holds");
    else if (!problem.empty())
        log_.Log("kvf-lsp: " + problem);
    if (const Json* capabilities = Member(params, "capabilities"))
        if (const Json* workspace = Member(*capabilities, "workspace"))
            if (const Json* edit = Member(*workspace, "workspaceEdit"))
                if (const Json* versioned = Member(*edit, "documentChanges"))
                    versionedEdits_ = versioned->is_boolean() && versioned->get<bool>();

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

void Server::CheckDocument(OpenDocument& document) {
    // A version is read once (by its check, or by the first request that needs it) and keeps
    // its own copy of the text: the edits go on in document.Text.
    document.Checked = std::make_shared<const std::string>(document.Text.Bytes());
    UpdateVariantScope(document);
    document.Session->Update(static_cast<std::uint64_t>(document.Version), document.Checked,
                             UriFileName(document.Uri), UriPath(document.Uri),
                             ServerSettings::Shared(settings_));
}

namespace {

bool IsFileUri(const std::string& uri) {
    return uri.rfind("file://", 0) == 0;
}

} // namespace

void Server::UpdateVariantScope(OpenDocument& document) {
    VariantScope& scope = *document.Variants;
    std::lock_guard lock(scope.Mutex);
    scope.On = compareVariants_ && IsFileUri(document.Uri);
    scope.Open.clear();
    scope.OpenUris.clear();
    scope.Path.clear();
    scope.Settings = nullptr;
    if (!scope.On)
        return;
    scope.Path = UriPath(document.Uri);
    scope.Settings = ServerSettings::Shared(settings_);
    for (const auto& [uri, other] : documents_) {
        if (&other == &document || !other.Checked || !IsFileUri(uri))
            continue;
        const std::string path = UriPath(uri);
        if (!AreVariantSiblings(scope.Path, path))
            continue;
        scope.Open[path] = other.Checked;
        scope.OpenUris[VariantPathKey(path)] = uri;
    }
}

void Server::CheckSiblings(const std::string& changedUri) {
    if (!compareVariants_ || !IsFileUri(changedUri))
        return;
    const std::string path = UriPath(changedUri);
    for (auto& [uri, other] : documents_)
        if (uri != changedUri && IsFileUri(uri) && other.Session &&
            AreVariantSiblings(path, UriPath(uri)))
            CheckDocument(other);
}

std::shared_ptr<const language::Analysis> Server::AnalysisOf(OpenDocument& document) {
    // Settings read again since (another document saved) are those the requests answer with.
    if (document.Session->Settings().get() != &settings_->ForCheckRef())
        CheckDocument(document);
    return document.Session->Current();
}

void Server::PublishDiagnostics(const std::string& uri, int version,
                                const language::CheckOutcome* outcome) {
    output_.Send(outcome ? DiagnosticsMessage(uri, version, outcome->Diagnostics)
                         : DiagnosticsMessage(uri, std::nullopt, {}));
}

std::vector<RelatedDiagnostic> Server::VariantFindings(VariantScope& scope, const std::string& uri,
                                                       const language::Analysis& analysis) {
    std::string path;
    OpenTexts open;
    std::map<std::string, std::string> openUris;
    language::SharedCheckSettings settings;
    {
        std::lock_guard lock(scope.Mutex);
        if (!scope.On || scope.Path.empty() || !scope.Settings)
            return {};
        path = scope.Path;
        open = scope.Open;
        openUris = scope.OpenUris;
        settings = scope.Settings;
    }
    if (analysis.Cancelled)
        return {};
    std::vector<RelatedDiagnostic> related;
    for (language::VariantDiagnostic& found : language::VariantDiagnostics(
             analysis.Read, UriFileName(uri), SiblingsOf(path, open), *settings)) {
        RelatedDiagnostic& r = related.emplace_back();
        auto known = openUris.find(VariantPathKey(found.OtherPath));
        r.Uri = known != openUris.end() ? known->second : PathUri(found.OtherPath);
        r.Line = found.OtherLine;
        r.Message = ToClientText(std::filesystem::path(found.OtherPath).filename().string());
        r.Finding = std::move(found.Finding);
    }
    return related;
}

void Server::DidOpen(const Json& params) {
    const Json* item = Member(params, "textDocument");
    const Json* text = item ? Member(*item, "text") : nullptr;
    std::string uri = item ? StringMember(*item, "uri") : std::string();
    if (uri.empty() || !text || !text->is_string()) {
        ShowMessage(kMessageError, "kvf-lsp did not open the document " + Shortened(uri) +
                                       ": the notification holds no URI and text");
        return;
    }
    OpenDocument& document = documents_[uri];
    document.Uri = uri;
    const Json* version = Member(*item, "version");
    document.Version = version && version->is_number_integer() ? version->get<int>() : 0;
    document.Text.Replace(FromClientDocument(text->get_ref<const std::string&>()));
    if (!document.Session) {
        document.Session = std::make_unique<language::DocumentSession>(
            pool_, [this, uri, scope = document.Variants](std::uint64_t checked,
                                                          const language::Analysis& analysis) {
                std::string message =
                    DiagnosticsMessage(uri, static_cast<int>(checked), analysis.Outcome.Diagnostics,
                                       VariantFindings(*scope, uri, analysis));
                return [this, message = std::move(message)] { output_.Send(message); };
            });
    }
    CheckDocument(document);
    CheckSiblings(uri);
}

namespace {

// One change of a didChange, read before any is made.
struct ClientChange {
    bool Whole = true; // the whole text replaced
    language::TextRange Range;
    std::string Text;
};

// The changes of a didChange, or why they cannot be made: every change is read before the
// first is made, so a broken one changes nothing.
std::string ReadChanges(const Json* changes, std::vector<ClientChange>& read) {
    if (!changes || !changes->is_array())
        return "it holds no list of changes";
    for (const Json& change : *changes) {
        ClientChange& next = read.emplace_back();
        const Json* text = Member(change, "text");
        if (!text || !text->is_string())
            return "a change holds no text";
        const std::string& utf8 = text->get_ref<const std::string&>();
        const Json* range = Member(change, "range");
        if (!range) {
            next.Text = FromClientDocument(utf8);
            continue;
        }
        next.Whole = false;
        if (!ReadRange(*range, next.Range))
            return "a change has a broken range";
        const language::TextPosition& a = next.Range.Start;
        const language::TextPosition& b = next.Range.End;
        if (a.Line > b.Line || (a.Line == b.Line && a.Column > b.Column))
            return "a change's range ends before it starts";
        next.Text =
            a == language::TextPosition{0, 0} ? FromClientDocument(utf8) : FromClientText(utf8);
    }
    return {};
}

} // namespace

void Server::DidChange(const Json& params) {
    OpenDocument* document = Find(params);
    if (!document) {
        const Json* item = Member(params, "textDocument");
        ShowMessage(kMessageWarning,
                    "kvf-lsp ignored a change of " +
                        Shortened(item ? StringMember(*item, "uri") : std::string()) +
                        ": the document is not open (closed meanwhile?)");
        return;
    }
    std::vector<ClientChange> changes;
    std::string broken = ReadChanges(Member(params, "contentChanges"), changes);
    if (!broken.empty()) {
        ShowMessage(kMessageError, "kvf-lsp ignored a change of " + Shortened(document->Uri) +
                                       ": " + broken +
                                       ". Its findings may no longer match the text; close "
                                       "the document and open it again.");
        return;
    }
    for (ClientChange& change : changes) {
        if (change.Whole)
            document->Text.Replace(std::move(change.Text));
        else
            document->Text.Edit(change.Range.Start.Line, change.Range.Start.Column,
                                change.Range.End.Line, change.Range.End.Column, change.Text);
    }
    if (const Json* item = Member(params, "textDocument")) {
        const Json* version = Member(*item, "version");
        if (version && version->is_number_integer())
            document->Version = version->get<int>();
    }
    CheckDocument(*document);
    CheckSiblings(document->Uri);
}

void Server::DidClose(const Json& params) {
    OpenDocument* document = Find(params);
    if (!document)
        return;
    std::string uri = document->Uri;
    documents_.erase(uri); // waits for a running check, which then publishes nothing
    PublishDiagnostics(uri, 0, nullptr);
    // Its siblings compare with the file on disk again.
    CheckSiblings(uri);
}

void Server::DidChangeConfiguration(const Json& params) {
    std::optional<bool> on = CompareVariantsSetting(Member(params, "settings"));
    if (!on || *on == compareVariants_)
        return;
    compareVariants_ = *on;
    for (auto& [uri, document] : documents_)
        CheckDocument(document);
}

void Server::ReloadSettings() {
    std::string problem;
    std::shared_ptr<const ServerSettings> reloaded =
        ServerSettings::Load(settings_->Path(), problem);
    if (reloaded->ReadFailed() && !settings_->ReadFailed()) {
        // The settings read before stay: the user's keys are not dropped for a file that
        // could not be read this once.
        ShowMessage(kMessageWarning,
                    "kvf-lsp " + problem + ": the checks keep the settings read before");
        return;
    }
    // Unchanged settings stay the same object: the documents' analyses made with them stay.
    if (reloaded->ReadFailed() || settings_->ReadFailed() || reloaded->Text() != settings_->Text())
        settings_ = std::move(reloaded);
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
    language::Outline outline = language::BuildOutline(AnalysisOf(*document)->Read);
    for (const language::OutlineSymbol& symbol : outline.Symbols)
        symbols.push_back(Symbol(symbol));
    return symbols;
}

Json Server::FoldingRanges(const Json& params) {
    OpenDocument* document = Find(params);
    Json folds = Json::array();
    if (!document)
        return folds;
    language::Outline outline = language::BuildOutline(AnalysisOf(*document)->Read);
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
    language::HoverText hover =
        language::HoverAt(AnalysisOf(*document)->Read, settings_->ForCheck(), at);
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
         language::CompleteAt(AnalysisOf(*document)->Read, settings_->ForCheck(), at)) {
        Json json{{"label", ToClientText(item.Label)},
                  {"kind", item.IsKeyword ? kCompletionKeyword : kCompletionValue},
                  {"textEdit",
                   {{"range", ToJson(item.Replaces)},
                    {"newText", item.IsHint ? std::string() : ToClientText(item.Label)}}}};
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
    std::shared_ptr<const language::Analysis> analysis;
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
        if (!analysis)
            analysis = AnalysisOf(*document);
        for (const language::QuickFix& fix : language::FixesFor(analysis->Read, finding)) {
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
                if (versionedEdits_)
                    action["edit"] = {
                        {"documentChanges",
                         Json::array({{{"textDocument",
                                        {{"uri", document->Uri}, {"version", document->Version}}},
                                       {"edits", std::move(edits)}}})}};
                else
                    action["edit"] = {{"changes", {{document->Uri, std::move(edits)}}}};
            }
            actions.push_back(std::move(action));
        }
    }
    return actions;
}

Json Server::ExecuteCommand(const Json& params) {
    const std::string command = StringMember(params, "command");
    if (command != kRegisterUserKey)
        throw RequestFailure(error::InvalidParams, "unknown command '" + Shortened(command) + "'");
    const Json* arguments = Member(params, "arguments");
    const Json* argument =
        arguments && arguments->is_array() && arguments->size() == 1 ? &(*arguments)[0] : nullptr;
    const Json* keyJson = argument ? Member(*argument, "key") : nullptr;
    const Json* settingJson = argument ? Member(*argument, "setting") : nullptr;
    if (!keyJson || !keyJson->is_string() || !settingJson || !settingJson->is_string())
        throw RequestFailure(error::InvalidParams,
                             std::string(kRegisterUserKey) +
                                 " takes one argument {\"key\": text, \"setting\": text}");
    std::string key;
    std::string setting;
    if (!EngineText(*keyJson, key) || !IsRegistrableUserKey(key))
        throw RequestFailure(
            error::InvalidParams,
            ToClientText(FormatMessage(msg::UserKeyNotRegistrable,
                                       FromClientText(Shortened(keyJson->get<std::string>())))));
    UserKeySetting parts;
    if (!EngineText(*settingJson, setting) || !ReadUserKeySetting(setting, parts))
        throw RequestFailure(error::InvalidParams,
                             "the setting '" + Shortened(settingJson->get<std::string>()) +
                                 "' does not read \"<data type index>;<group index>;<range or "
                                 "length>\" in characters of the code page");
    if (!options_.WriteSettings)
        throw RequestFailure(error::RequestFailed, "this server does not write the settings file");
    std::string reason;
    switch (RegisterUserKeyInFile(settings_->Path(), key, setting, reason)) {
    case RegistrationProblem::None:
        break;
    case RegistrationProblem::NotRegistrable:
        throw RequestFailure(error::InvalidParams, reason);
    case RegistrationProblem::FileProblem:
        throw RequestFailure(error::RequestFailed,
                             "kvf-lsp did not register " + Shortened(key) + ": " + reason);
    }
    log_.Log("kvf-lsp: registered user-defined key " + key + " in " + settings_->Path());
    // Every open document is checked again with the key known.
    ReloadSettings();
    for (auto& [uri, document] : documents_)
        CheckDocument(document);
    return nullptr;
}

} // namespace kvf::lsp
