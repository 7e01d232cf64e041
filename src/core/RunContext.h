#pragma once

#include "core/AppServices.h"
#include "core/EntryFocus.h"
#include "core/KeyAnswers.h"

#include <atomic>
#include <string>

namespace kvf {

class Document;
class EntryTextStore;

// What one build or check needs while it runs: the block state of the classification
// (OpenBlockEntry, BlockOpen), the store of the texts it makes, the CheckedDocument, the
// MessageCounter and the user-key answers. Each run makes its own (Rebuild, Check, the
// check of one entry, kvfcheck for each file, a test for each case) over the services the
// application hands in, so two runs over two documents share nothing but those services
// and may run on two threads at once (see AppServices for what the services must allow).
class RunContext final : public EntryReferences {
  public:
    explicit RunContext(AppServices& services) : services_(&services) {}
    RunContext(const RunContext&) = delete;
    RunContext& operator=(const RunContext&) = delete;

    AppServices& Services() const { return *services_; }
    SettingsStore& Settings() const { return services_->Settings(); }
    ProgressSink& Progress() const { return services_->Progress(); }
    void Alert(const std::string& text) const { services_->Alert(text); }
    void OpenHelpTopic(const std::string& topic) const { services_->OpenHelpTopic(topic); }

    // The entry the run is at (each new entry while the database is built, each entry in
    // turn while it is checked) and the form its dispatches fill.
    EntryFocus Focus;
    CDbEntry* OpenBlockEntry = nullptr;
    int BlockOpen = 0;
    Document* CheckedDocument = nullptr;
    int MessageCounter = 0;
    // While a database is built: the store of its texts, where the classification keeps
    // the value parts it makes. None otherwise (an entry then owns what is stored in it).
    EntryTextStore* EntryTexts = nullptr;
    // Whether a key is a registered user key, while a build or a check runs.
    KeyAnswers UserKeyAnswers;
    // Set by whoever started the run when its result is no longer wanted (a newer version of
    // the text waits): the check looks at it between entries and stops early. The rows of a
    // run stopped so are those of a part of the checks, which nobody shows.
    const std::atomic<bool>* CancelFlag = nullptr;
    bool Cancelled() const { return CancelFlag && CancelFlag->load(std::memory_order_relaxed); }

    // The one reporting operation of all checkers: adds a row to the services' message
    // sink (which may hide warnings) and counts the call in this run's MessageCounter
    // either way. A finding (Error, Fatal Error, Warning) that the message selection
    // leaves out, or that a suppression comment of its line silences, is neither added nor
    // counted.
    void ReportMessage(int level, int line, int id, const std::string& text,
                       const Document* document);
    // A row without a message id: always reported.
    void ReportMessage(int level, int line, const std::string& text, const Document* document) {
        ReportMessage(level, line, 0, text, document);
    }
    void ClearMessages() const { services_->ClearMessages(); }

    // Called by a database that destroys an entry: no pointer of the run may outlive it.
    void ForgetEntry(const CDbEntry* entry) override;

  private:
    AppServices* services_;
};

} // namespace kvf
