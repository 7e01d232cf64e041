#include "document/CheckRun.h"

#include "catalogue/KeywordCatalogue.h"
#include "catalogue/KeywordDispatcher.h"
#include "core/Document.h"
#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "core/RunContext.h"
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

void Frame(RunContext& run, int id, const std::string& text) {
    run.ReportMessage(LEVEL_FRAME, 0, id, text, nullptr);
}

void Frame(RunContext& run, int id) {
    Frame(run, id, Text(id));
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
void SyntaxCheck(RunContext& run, Document& document, std::vector<std::uint16_t>& keyCodes) {
    const std::size_t count = document.Database.Count();
    const bool classified = keyCodes.size() == count;
    if (!classified)
        keyCodes.clear();
    const KeywordCatalogue& catalogue = KeywordCatalogue::Instance();
    std::size_t i = 0;
    for (CDbEntry& entry : document.Database) {
        if (run.Cancelled())
            return;
        run.Focus.CurrentEntry = &entry;
        std::uint16_t nameCode = classified ? keyCodes[i] : kKeyRewritten;
        if (nameCode == kKeyRewritten)
            nameCode = catalogue.NameCode(entry.Key);
        const CatalogueEntry named = catalogue.EntryOf(nameCode);
        Dispatch(run, run.Focus, entry.Key, ACTION_CHECK, std::string(), named);
        if (classified)
            keyCodes[i++] = SemanticChecker::Encode(SemanticChecker::Resolve(entry.Key, named));
    }
}

void SemanticCheck(RunContext& run, Document& document, const std::string& fileName,
                   CheckRunHooks& hooks, std::span<const std::uint16_t> keyCodes) {
    Frame(run, msg::StartSemanticCheck, FormatMessage(msg::StartSemanticCheck, fileName));
    run.MessageCounter = 0;
    hooks.StatusText(Text(msg::SemanticCheckStatus));
    run.OpenBlockEntry = nullptr;
    try {
        RunSemanticCheck(run, document, keyCodes);
    } catch (const std::bad_alloc&) {
        run.Alert(Text(msg::OutOfMemorySemantic));
    }
    if (run.MessageCounter == 0)
        Frame(run, msg::CheckFinishedWithoutErrors);
    Frame(run, msg::StopSemanticCheck);
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

// Counts a run on the document for as long as it lasts.
class RunInProgress {
  public:
    explicit RunInProgress(Document& document) : document_(&document) {
        ++document_->RunsInProgress;
    }
    ~RunInProgress() { --document_->RunsInProgress; }
    RunInProgress(const RunInProgress&) = delete;
    RunInProgress& operator=(const RunInProgress&) = delete;

  private:
    Document* document_;
};

// Rebuild, keeping what each key names where `nameCodes` is given (see BuildDatabase).
void RebuildKeepingNameCodes(RunContext& run, Document& document, CheckRunHooks* hooks,
                             std::vector<std::uint16_t>* nameCodes) {
    RunInProgress running(document);
    CheckRunHooks none;
    CheckRunHooks& h = hooks ? *hooks : none;
    document.Database.Clear();
    if (nameCodes)
        BuildDatabase(run, document.Database, document.Lines(), *nameCodes);
    else
        BuildDatabase(run, document.Database, document.Lines());
    document.RebuildFlag = true;
    run.Focus.ShowNoEntry();
    h.ViewsChanged(document);
}

} // namespace

void Rebuild(RunContext& run, Document& document, CheckRunHooks* hooks) {
    RebuildKeepingNameCodes(run, document, hooks, nullptr);
}

void Rebuild(AppServices& services, Document& document, CheckRunHooks* hooks) {
    RunContext run(services);
    Rebuild(run, document, hooks);
}

void Check(AppServices& services, Document& document, CheckRunHooks* hooks) {
    RunContext run(services);
    Check(run, document, hooks);
}

void Check(RunContext& run, Document& document, CheckRunHooks* hooks) {
    RunInProgress running(document);
    CheckRunHooks none;
    CheckRunHooks& h = hooks ? *hooks : none;
    KeyAnswers::Run userKeys(run.UserKeyAnswers);
    // What each key names, as the classification looked it up; the syntax check turns it
    // into what the key is to the semantic check.
    std::vector<std::uint16_t> keyCodes;
    RebuildKeepingNameCodes(run, document, &h, &keyCodes);
    run.ClearMessages();
    RunOfSink sinkRun(run.Services().Messages());
    run.CheckedDocument = &document;
    h.WaitCursor(true);

    std::string fileName = document.Title.substr(0, document.Title.find('*'));
    Frame(run, msg::StartSyntaxCheck, FormatMessage(msg::StartSyntaxCheck, fileName));
    if (int warning = FileNameWarningId(fileName); warning != 0)
        run.ReportMessage(LEVEL_WARNING, -1, warning, FormatMessage(warning, fileName), nullptr);
    run.MessageCounter = 0;
    h.StatusText(Text(msg::SyntaxCheckStatus));

    if (document.Database.Empty())
        run.ReportMessage(LEVEL_FATAL, -1, msg::DatabaseEmpty, Text(msg::DatabaseEmpty), nullptr);
    SyntaxCheck(run, document, keyCodes);
    if (run.MessageCounter == 0)
        Frame(run, msg::CheckFinishedWithoutErrors);
    Frame(run, msg::StopSyntaxCheck);

    // A run that is no longer wanted stops here.
    if (!run.Cancelled()) {
        if (run.Settings().GetInt("FailSafe", "NoSemanticCheck", 0) == 0)
            SemanticCheck(run, document, fileName, h, keyCodes);
        else
            Frame(run, msg::SkippingSemanticCheck);
    }

    h.StatusText(Text(msg::IdleStatus));
    h.WaitCursor(false);
    run.OpenBlockEntry = nullptr;
    run.Focus.ShowNoEntry();
    h.ViewsChanged(document);
}

} // namespace kvf
