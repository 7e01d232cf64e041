#include "document/CheckRun.h"

#include "catalogue/KeywordCatalogue.h"
#include "catalogue/KeywordDispatcher.h"
#include "core/AppState.h"
#include "core/Document.h"
#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "document/FileReader.h"
#include "semantic/SemanticChecker.h"

#include <cstdint>
#include <new>
#include <span>
#include <vector>

namespace kvf {
namespace {

std::string Text(int id) {
    return std::string(MessageText(id));
}

void Frame(AppState& app, int id, const std::string& text) {
    app.ReportMessage(LEVEL_FRAME, 0, id, text, nullptr);
}

void Frame(AppState& app, int id) {
    Frame(app, id, Text(id));
}

bool IsKv(char c, char lower) {
    return c == lower || c == lower - 32;
}

// Tells the message sink where a check run starts and ends, also when it ends early.
class RunOfSink {
  public:
    explicit RunOfSink(MessageSink& sink) : sink_(sink) { sink_.RunStarts(); }
    ~RunOfSink() { sink_.RunEnds(); }
    RunOfSink(const RunOfSink&) = delete;
    RunOfSink& operator=(const RunOfSink&) = delete;

  private:
    MessageSink& sink_;
};

// Each key is looked up in the catalogue once, by the classification, and the syntax check
// takes what it names from `keyCodes` (KeywordCatalogue::NameCode) where the classification
// left the key as it was; other keys are looked up again. In their place it leaves what each
// key is to the semantic check (SemanticChecker::Encode). Codes of another count than the
// entries' are not used and leave none. No check changes a key.
void SyntaxCheck(AppState& app, Document& document, std::vector<std::uint16_t>& keyCodes) {
    const std::size_t count = document.Database.Count();
    const bool classified = keyCodes.size() == count;
    if (!classified)
        keyCodes.clear();
    const KeywordCatalogue& catalogue = KeywordCatalogue::Instance();
    std::size_t i = 0;
    for (CDbEntry& entry : document.Database) {
        app.CurrentEntry = &entry;
        std::uint16_t nameCode = classified ? keyCodes[i] : kKeyRewritten;
        if (nameCode == kKeyRewritten)
            nameCode = catalogue.NameCode(entry.Key);
        const CatalogueEntry named = catalogue.EntryOf(nameCode);
        Dispatch(app, entry.Key, ACTION_CHECK, std::string(), named);
        if (classified)
            keyCodes[i++] = SemanticChecker::Encode(SemanticChecker::Resolve(entry.Key, named));
    }
}

void SemanticCheck(AppState& app, Document& document, const std::string& fileName,
                   CheckRunHooks& hooks, std::span<const std::uint16_t> keyCodes) {
    Frame(app, msg::StartSemanticCheck, FormatMessage(msg::StartSemanticCheck, fileName));
    app.MessageCounter = 0;
    hooks.StatusText(Text(msg::SemanticCheckStatus));
    app.OpenBlockEntry = nullptr;
    try {
        RunSemanticCheck(app, document, keyCodes);
    } catch (const std::bad_alloc&) {
        app.Alert(Text(msg::OutOfMemorySemantic));
    }
    if (app.MessageCounter == 0)
        Frame(app, msg::CheckFinishedWithoutErrors);
    Frame(app, msg::StopSemanticCheck);
}

} // namespace

int FileNameWarningId(const std::string& fileName) {
    std::size_t lastDot = fileName.rfind('.');
    if (lastDot == std::string::npos)
        return msg::FileNameMissingDot;
    std::string extension = fileName.substr(lastDot + 1);
    if (extension.size() != 3 || !IsKv(extension[0], 'k') || !IsKv(extension[1], 'v'))
        return msg::FileNameExtension;
    std::string stem = fileName.substr(0, lastDot);
    if (stem.find('.') != std::string::npos)
        return msg::FileNameTooManyDots;
    if (stem.size() > 8)
        return msg::FileNameTooLong;
    return 0;
}

std::string FileNameWarning(const std::string& fileName) {
    int id = FileNameWarningId(fileName);
    return id ? FormatMessage(id, fileName) : std::string();
}

namespace {

// Rebuild, keeping what each key names where `nameCodes` is given (see BuildDatabase).
void RebuildKeepingNameCodes(AppState& app, Document& document, CheckRunHooks* hooks,
                             std::vector<std::uint16_t>* nameCodes) {
    CheckRunHooks none;
    CheckRunHooks& h = hooks ? *hooks : none;
    document.Database.Clear();
    if (nameCodes)
        BuildDatabase(app, document.Database, document.Lines(), *nameCodes);
    else
        BuildDatabase(app, document.Database, document.Lines());
    document.RebuildFlag = true;
    app.InputForm.FormKind = InputForm::None;
    app.CurrentEntry = nullptr;
    h.ViewsChanged(document);
}

} // namespace

void Rebuild(AppState& app, Document& document, CheckRunHooks* hooks) {
    RebuildKeepingNameCodes(app, document, hooks, nullptr);
}

void Check(AppState& app, Document& document, CheckRunHooks* hooks) {
    CheckRunHooks none;
    CheckRunHooks& h = hooks ? *hooks : none;
    KeyAnswers::Run userKeys(app.UserKeyAnswers);
    // What each key names, as the classification looked it up; the syntax check turns it
    // into what the key is to the semantic check.
    std::vector<std::uint16_t> keyCodes;
    RebuildKeepingNameCodes(app, document, &h, &keyCodes);
    app.ClearMessages();
    RunOfSink run(app.Messages());
    app.CheckedDocument = &document;
    h.WaitCursor(true);

    std::string fileName = document.Title.substr(0, document.Title.find('*'));
    Frame(app, msg::StartSyntaxCheck, FormatMessage(msg::StartSyntaxCheck, fileName));
    if (int warning = FileNameWarningId(fileName); warning != 0)
        app.ReportMessage(LEVEL_WARNING, -1, warning, FormatMessage(warning, fileName), nullptr);
    app.MessageCounter = 0;
    h.StatusText(Text(msg::SyntaxCheckStatus));

    if (document.Database.Empty())
        app.ReportMessage(LEVEL_FATAL, -1, msg::DatabaseEmpty, Text(msg::DatabaseEmpty), nullptr);
    SyntaxCheck(app, document, keyCodes);
    if (app.MessageCounter == 0)
        Frame(app, msg::CheckFinishedWithoutErrors);
    Frame(app, msg::StopSyntaxCheck);

    if (app.Settings().GetInt("FailSafe", "NoSemanticCheck", 0) == 0)
        SemanticCheck(app, document, fileName, h, keyCodes);
    else
        Frame(app, msg::SkippingSemanticCheck);

    h.StatusText(Text(msg::IdleStatus));
    h.WaitCursor(false);
    app.OpenBlockEntry = nullptr;
    app.InputForm.FormKind = InputForm::None;
    app.CurrentEntry = nullptr;
    h.ViewsChanged(document);
}

} // namespace kvf
