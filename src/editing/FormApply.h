#pragma once

#include "core/EntryFocus.h"

namespace kvf {

class AppServices;
class CheckRunHooks;
class Document;
struct CDbEntry;

// Where an entry's new lines go: the editor's text (or a test's lines).
class EntryLineEditor {
  public:
    virtual ~EntryLineEditor() = default;
    // Rewrites the physical lines of `entry` with its key and value (RewriteEntryLines) as
    // one step the user can undo, and moves entry.Line to the entry's new last line. False
    // when the text refused and is unchanged (it told the user why).
    virtual bool ReplaceEntryLines(CDbEntry& entry) = 0;
};

// How Apply of the input view ended, and the message the user is shown (0 for none).
struct ApplyOutcome {
    enum class Status {
        Applied,        // stored, rewritten and checked
        Unchanged,      // no field differs from the entry: nothing written, the entry checked
        WriteProtected, // the document is read-only: nothing changed
        NoEntry,        // no current entry in the document's database
        DatabaseStale,  // the text moved since the last rebuild: the views wait for one
        TextRefused,    // the text refused the new lines: the entry is as it was
    };
    Status Result;
    int MessageId = 0;
};

// Apply of the input view: the values the form's fields hold (`typed`) become the window's
// input form, are stored into the current entry (the dispatcher's store), the entry's
// lines in the text are rewritten, and the entry is checked (CheckOneEntry). Fields that all
// still read as the entry shows them change nothing: the text keeps its lines (and the
// editor its undo steps), only the check runs. An entry whose first line no longer holds
// its key is not touched; a rewrite the text refuses restores the entry's key, value and
// parts.
ApplyOutcome ApplyForm(AppServices& app, EntryFocus& shown, Document& document,
                       const InputFormData& typed, EntryLineEditor& text,
                       CheckRunHooks* hooks = nullptr);

} // namespace kvf
