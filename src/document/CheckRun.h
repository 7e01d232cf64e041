#pragma once

#include <string>

namespace kvf {

class AppServices;
class RunContext;
class Document;

// What the editor does around a rebuild or a check run: the status bar text, the wait
// cursor and the refresh of the document's views. kvfcheck and the tests need none of it.
class CheckRunHooks {
  public:
    virtual ~CheckRunHooks() = default;
    virtual void StatusText(const std::string& /*text*/) {}
    virtual void WaitCursor(bool /*on*/) {}
    virtual void ViewsChanged(Document& /*document*/) {}
};

// Makes the entry database match the document's lines again. The database is built from
// the lines in memory, so no temporary file is written (a check works in a read-only
// folder, two editors cannot disturb each other, and long lines stay whole). The run
// makes its own RunContext over `services`.
void Rebuild(AppServices& services, Document& document, CheckRunHooks* hooks = nullptr);

// The whole check of a document: rebuild, file-name checks, the syntax check of every
// entry, then the semantic check unless "FailSafe"/"NoSemanticCheck" is 1. The run makes
// its own RunContext over `services`; checks of two documents may run on two threads at
// once (see AppServices for what their services must allow).
void Check(AppServices& services, Document& document, CheckRunHooks* hooks = nullptr);

// The same in a context the caller made, to look at the run's state afterwards (a run's
// CurrentEntry, OpenBlockEntry and form are reset when it ends).
void Rebuild(RunContext& run, Document& document, CheckRunHooks* hooks = nullptr);
void Check(RunContext& run, Document& document, CheckRunHooks* hooks = nullptr);

// The file-name warning of a document title (its message id and its text), or 0 and an
// empty text when the name conforms.
int FileNameWarningId(const std::string& fileName);
std::string FileNameWarning(const std::string& fileName);

} // namespace kvf
