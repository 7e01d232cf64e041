#include "document/CheckRun.h"

#include "catalogue/KeywordDispatcher.h"
#include "document/AppState.h"
#include "document/Document.h"
#include "document/FileReader.h"
#include "output/MessageIds.h"
#include "output/MessageTable.h"
#include "semantic/SemanticChecker.h"

#include <new>

namespace kvf {
namespace {

std::string Text(int id) {
    return std::string(MessageText(id));
}

void Frame(AppState& app, const std::string& text) {
    app.ReportMessage(LEVEL_FRAME, 0, text, nullptr);
}

bool IsKv(char c, char lower) {
    return c == lower || c == lower - 32;
}

void SyntaxCheck(AppState& app, Document& document) {
    for (CDbEntry& entry : document.Database) {
        app.CurrentEntry = &entry;
        Dispatch(app, entry.Key, ACTION_CHECK, std::string());
    }
}

void SemanticCheck(AppState& app, Document& document, const std::string& fileName,
                   CheckRunHooks& hooks) {
    Frame(app, FormatMessage(msg::StartSemanticCheck, fileName));
    app.MessageCounter = 0;
    hooks.StatusText(Text(msg::SemanticCheckStatus));
    app.OpenBlockEntry = nullptr;
    try {
        RunSemanticCheck(app, document);
    } catch (const std::bad_alloc&) {
        app.Alert(Text(msg::OutOfMemorySemantic));
    }
    if (app.MessageCounter == 0)
        Frame(app, Text(msg::CheckFinishedWithoutErrors));
    Frame(app, Text(msg::StopSemanticCheck));
}

} // namespace

std::string FileNameWarning(const std::string& fileName) {
    std::size_t lastDot = fileName.rfind('.');
    if (lastDot == std::string::npos)
        return FormatMessage(msg::FileNameMissingDot, fileName);
    std::string extension = fileName.substr(lastDot + 1);
    if (extension.size() != 3 || !IsKv(extension[0], 'k') || !IsKv(extension[1], 'v'))
        return FormatMessage(msg::FileNameExtension, fileName);
    std::string stem = fileName.substr(0, lastDot);
    if (stem.find('.') != std::string::npos)
        return FormatMessage(msg::FileNameTooManyDots, fileName);
    if (stem.size() > 8)
        return FormatMessage(msg::FileNameTooLong, fileName);
    return {};
}

void Rebuild(AppState& app, Document& document, CheckRunHooks* hooks) {
    CheckRunHooks none;
    CheckRunHooks& h = hooks ? *hooks : none;
    document.Database.Clear();
    BuildDatabase(app, document.Database, document.Lines());
    document.RebuildFlag = true;
    app.InputForm.FormKind = 0;
    app.CurrentEntry = nullptr;
    h.ViewsChanged(document);
}

void Check(AppState& app, Document& document, CheckRunHooks* hooks) {
    CheckRunHooks none;
    CheckRunHooks& h = hooks ? *hooks : none;
    Rebuild(app, document, &h);
    app.ClearMessages();
    app.CheckedDocument = &document;
    h.WaitCursor(true);

    std::string fileName = document.Title.substr(0, document.Title.find('*'));
    Frame(app, FormatMessage(msg::StartSyntaxCheck, fileName));
    if (std::string warning = FileNameWarning(fileName); !warning.empty())
        app.ReportMessage(LEVEL_WARNING, -1, warning, nullptr);
    app.MessageCounter = 0;
    h.StatusText(Text(msg::SyntaxCheckStatus));

    if (document.Database.Empty())
        app.ReportMessage(LEVEL_FATAL, -1, Text(msg::DatabaseEmpty), nullptr);
    SyntaxCheck(app, document);
    if (app.MessageCounter == 0)
        Frame(app, Text(msg::CheckFinishedWithoutErrors));
    Frame(app, Text(msg::StopSyntaxCheck));

    if (app.Settings().GetInt("FailSafe", "NoSemanticCheck", 0) == 0)
        SemanticCheck(app, document, fileName, h);
    else
        Frame(app, Text(msg::SkippingSemanticCheck));

    h.StatusText(Text(msg::IdleStatus));
    h.WaitCursor(false);
    app.OpenBlockEntry = nullptr;
    app.InputForm.FormKind = 0;
    app.CurrentEntry = nullptr;
    h.ViewsChanged(document);
}

} // namespace kvf
