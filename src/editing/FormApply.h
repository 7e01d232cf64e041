#pragma once

#include "core/EntryFocus.h"

#include <string>
#include <vector>

namespace kvf {

class AppServices;
class CheckRunHooks;
class Document;
class TextLines;
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

// The fields of `form` (the form the dispatcher filled for `entry`) that the keyword writes
// between double quotes, a name or a text, as the entry's lines spell them there: with the
// blanks inside the quotes, which the stored value has lost at its start. Where a field reads
// as the same text, it takes that spelling, so the field shows, and an Apply of another field
// writes back, exactly what the line holds. An entry no longer where the text has it (the
// text edited since the last rebuild: its first line holds its key no more) leaves the form
// as it is. `entryLines` are the text's lines from the entry's LongLine to its Line.
void SpellQuotedFieldsAsWritten(AppServices& app, InputFormData& form, const CDbEntry& entry,
                                const std::vector<std::string>& entryLines);
// The text's lines of an entry, LongLine to Line; none where the text is shorter.
std::vector<std::string> EntryLines(const TextLines& lines, const CDbEntry& entry);

} // namespace kvf
